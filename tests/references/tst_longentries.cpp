// Tests of remembered entries far longer than a screen: the dialogs that list them keep a size
// that fits the screen, the open list stays narrow, and a picked entry is written whole.
#include "generators/DocumentFixture.h"
#include "references/ReferenceFixture.h"

#include <QComboBox>
#include <QDialog>
#include <QScreen>

namespace
{

// The screen the tests run on is 800x600 at most; a dialog and its open lists fit in it.
constexpr int ScreenWidth = 800;

} // namespace

class TestLongEntries : public QObject
{
    Q_OBJECT
private slots:
    void dialogKeepsItsWidth_data();
    void dialogKeepsItsWidth();
};

void TestLongEntries::dialogKeepsItsWidth_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("list");

    QTest::newRow("link dialog, link") << "VerweiszuanderenDateien1"
                                       << "Link"
                                       << "Datei"
                                       << "LinkComboBox";
    QTest::newRow("link dialog, image") << "VerweiszuanderenDateien1"
                                        << "InlineImage"
                                        << "Bild"
                                        << "BildComboBox";
    QTest::newRow("inline image") << "Inlineimage1"
                                  << "InlineImage"
                                  << "Bild"
                                  << "BildComboBox";
    QTest::newRow("frame dialog, link") << "Frame1"
                                        << "Link"
                                        << "Datei"
                                        << "LinkComboBox";
}

void TestLongEntries::dialogKeepsItsWidth()
{
    QFETCH(QString, command);
    QFETCH(QString, section);
    QFETCH(QString, field);
    QFETCH(QString, list);

    DocumentFixture f;
    f.setText(QStringLiteral("hier"));
    f.memo->selectAll();
    const QString entry = QStringLiteral("seite") + QString(100000, u'x') + QStringLiteral(".htm");
    writeState(section, QStringLiteral("Count=0;%1=%2").arg(field + u'0', entry));
    bool answered = false;
    answerDialog<QDialog>([&](QDialog* d) {
        QVERIFY2(d->width() <= ScreenWidth, qPrintable(QString::number(d->width())));
        auto* box = d->findChild<QComboBox*>(list);
        QVERIFY(box);
        QVERIFY(box->width() < ScreenWidth / 2 + 100);
        // The open list stays narrow as well.
        box->showPopup();
        QTRY_VERIFY(box->view()->isVisible());
        QVERIFY2(box->view()->window()->width() <= ScreenWidth / 2 + 100,
                 qPrintable(QString::number(box->view()->window()->width())));
        box->hidePopup();
        pickFromOpenList(box, 0);
        QCOMPARE(box->currentText(), entry);
        answered = true;
    });
    f.trigger(qPrintable(command));
    QVERIFY(waitNoModal());
    QVERIFY(answered);
    // Only the display was shortened: the markup holds the whole entry.
    QVERIFY(f.memo->text().contains(entry));
}

TESSALINE_TEST_MAIN(TestLongEntries)
#include "tst_longentries.moc"
