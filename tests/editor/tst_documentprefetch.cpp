// Tests of the start file read ahead: its result is used only for the same, unchanged file.
#include "editor/DocumentPrefetch.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTest>
#include <thread>

class TstDocumentPrefetch : public QObject
{
    Q_OBJECT

private slots:
    void resultOnlyForTheUnchangedFile_data();
    void resultOnlyForTheUnchangedFile();
};

void TstDocumentPrefetch::resultOnlyForTheUnchangedFile_data()
{
    QTest::addColumn<QString>("change"); // what happens between the start and the take
    QTest::addColumn<bool>("used");
    QTest::newRow("unchanged") << "" << true;
    QTest::newRow("rewritten longer") << "longer" << false;
    QTest::newRow("rewritten, same length") << "same length" << false;
    QTest::newRow("removed") << "removed" << false;
    QTest::newRow("another file asked for") << "other" << false;
    QTest::newRow("never readable") << "directory" << false;
}

void TstDocumentPrefetch::resultOnlyForTheUnchangedFile()
{
    QFETCH(QString, change);
    QFETCH(bool, used);
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("start.htm"));
    const auto write = [&path](const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    if (change == QLatin1String("directory"))
        QVERIFY(QDir().mkpath(path));
    else
        write("Gr\xC3\xBC\xC3\x9F"
              "e\r\nzwei");
    DocumentPrefetch::start(path);
    // Let the reading finish first, so that the change surely comes after it.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (change == QLatin1String("longer")) {
        write("ganz anders");
    } else if (change == QLatin1String("same length")) {
        QTest::qWait(20); // a later time stamp
        write("Gruesse\r\nzwei");
    } else if (change == QLatin1String("removed")) {
        QVERIFY(QFile::remove(path));
    }
    const QString asked = change == QLatin1String("other") ? path + QLatin1Char('x') : path;
    const std::optional<PrefetchedDocument> document = DocumentPrefetch::take(asked);
    QCOMPARE(document.has_value(), used);
    if (used) {
        QCOMPARE(document->decoded->text, QStringLiteral("Grüße\nzwei"));
        QCOMPARE(document->stamp.size, 13);
        // Taken once: a second opening of the file reads it itself.
        QVERIFY(!DocumentPrefetch::take(path));
    }
}

TESSALINE_TEST_MAIN(TstDocumentPrefetch)
#include "tst_documentprefetch.moc"
