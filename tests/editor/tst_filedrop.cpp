// Tests of the file-drop component: the name lists of a drop and real drag events on the owner.
#include "editor/FileDrop.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <memory>

class TestFileDrop : public QObject
{
    Q_OBJECT
private slots:
    void takeDropLists_data();
    void takeDropLists();
    void eachDropReplacesTheLists();
    void dropEvents_data();
    void dropEvents();
    void destructionSwitchesDroppingOff();
};

void TestFileDrop::takeDropLists_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("extensions");

    QTest::newRow("dotted name") << QStringList{"/home/nutzer/a/b.c.html"}
                                 << QStringList{"b.c.html"} << QStringList{"c.html"};
    QTest::newRow("no dot, dotted directory") << QStringList{"/home/nutzer/seiten.alt/Makefile"}
                                              << QStringList{"Makefile"} << QStringList{""};
    QTest::newRow("blanks") << QStringList{"/tmp/Meine Seiten/erste Seite.htm"}
                            << QStringList{"erste Seite.htm"} << QStringList{"htm"};
    QTest::newRow("backslashes") << QStringList{"C:\\Seiten\\index.html"}
                                 << QStringList{"index.html"} << QStringList{"html"};
    QTest::newRow("leading and trailing dot")
        << QStringList{"/home/nutzer/.profile", "/tmp/punkt."} << QStringList{".profile", "punkt."}
        << QStringList{"profile", ""};
    QTest::newRow("several files in order")
        << QStringList{"/tmp/z.txt", "/tmp/a.rtf", "/tmp/m"} << QStringList{"z.txt", "a.rtf", "m"}
        << QStringList{"txt", "rtf", ""};
}

void TestFileDrop::takeDropLists()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, names);
    QFETCH(QStringList, extensions);
    QWidget owner;
    TFileDrag drag(&owner);
    QSignalSpy dropped(&drag, &TFileDrag::OnDrop);
    drag.takeDrop(paths);
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(drag.FileCount, paths.size());
    QStringList nativePaths;
    for (const QString& path : paths)
        nativePaths.append(QDir::toNativeSeparators(path));
    QCOMPARE(drag.NameWithPath, nativePaths);
    QCOMPARE(drag.NameOnly, names);
    QCOMPARE(drag.Extension, extensions);
}

void TestFileDrop::eachDropReplacesTheLists()
{
    QWidget owner;
    TFileDrag drag(&owner);
    QSignalSpy dropped(&drag, &TFileDrag::OnDrop);
    drag.takeDrop({"/tmp/a.html", "/tmp/b.html"});
    drag.takeDrop({"/tmp/c.txt"});
    QCOMPARE(dropped.count(), 2);
    QCOMPARE(drag.FileCount, 1);
    QCOMPARE(drag.NameOnly, QStringList{"c.txt"});
    QCOMPARE(drag.Extension, QStringList{"txt"});
}

void TestFileDrop::dropEvents_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QStringList>("expected"); // the file names taken; empty: refused

    const QUrl file = QUrl::fromLocalFile("/tmp/Meine Seiten/index.html");
    const QUrl web = QUrl("https://example.org/index.html");
    QTest::newRow("enabled, file") << true << QList<QUrl>{file} << QStringList{"index.html"};
    QTest::newRow("disabled, file") << false << QList<QUrl>{file} << QStringList{};
    QTest::newRow("enabled, web address only") << true << QList<QUrl>{web} << QStringList{};
    QTest::newRow("enabled, web address skipped")
        << true << QList<QUrl>{web, file, web} << QStringList{"index.html"};
}

void TestFileDrop::dropEvents()
{
    QFETCH(bool, enabled);
    QFETCH(QList<QUrl>, urls);
    QFETCH(QStringList, expected);
    QWidget owner;
    TFileDrag drag(&owner);
    drag.setEnableDrop(enabled);
    QCOMPARE(owner.acceptDrops(), enabled);
    QSignalSpy dropped(&drag, &TFileDrag::OnDrop);
    QMimeData data;
    data.setUrls(urls);

    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&owner, &enter);
    QCOMPARE(enter.isAccepted(), !expected.isEmpty());
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&owner, &move);
    QCOMPARE(move.isAccepted(), !expected.isEmpty());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&owner, &drop);
    QCOMPARE(drop.isAccepted(), !expected.isEmpty());
    QCOMPARE(dropped.count(), expected.isEmpty() ? 0 : 1);
    QCOMPARE(drag.NameOnly, expected);
    QCOMPARE(drag.FileCount, expected.size());
}

void TestFileDrop::destructionSwitchesDroppingOff()
{
    QWidget owner;
    auto drag = std::make_unique<TFileDrag>(&owner);
    QVERIFY(!owner.acceptDrops());
    drag->setEnableDrop(true);
    QVERIFY(owner.acceptDrops());
    drag.reset();
    QVERIFY(!owner.acceptDrops());
    QVERIFY(owner.children().isEmpty());

    // An owner that goes first takes its component with it.
    auto owned = std::make_unique<QWidget>();
    QPointer<TFileDrag> child = new TFileDrag(owned.get());
    child->setEnableDrop(true);
    owned.reset();
    QVERIFY(child.isNull());
}

QTEST_MAIN(TestFileDrop)
#include "tst_filedrop.moc"
