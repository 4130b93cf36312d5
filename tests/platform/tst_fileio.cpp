// Tests of whole-file reading and atomic writing: exact bytes, size limit, failures, German texts,
// files that are no regular files, and stamps that tell another program's changes.
#include "platform/FileIo.h"
#include "platform/UserError.h"
#include "support/FifoRescue.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace
{

// The text of the UserError that call throws, or a marker when it throws none.
template <typename Call> QString userErrorOf(Call call)
{
    try {
        call();
    } catch (const UserError& error) {
        return error.text();
    }
    return QStringLiteral("<kein Fehler>");
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<fehlt>");
}

} // namespace

class TstFileIo : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryByte();
    void readFailuresUseTheOpenText();
    void oversizedFileIsRefused();
    void endlessDeviceIsRefused();
    void sizelessKernelFileIsReadToTheEnd();
    void writeFailuresUseTheCreateText();
    void failedWriteLeavesTheOldFileWhole();
    void readOnlyDirectoryLeavesTheOldFileWhole();
    void overwriteKeepsLinkAndPermissions();
    void documentMustBeARegularFile_data();
    void documentMustBeARegularFile();
    void stampTellsChangesFromTouches();

private:
    TestEnvironment m_env;
};

void TstFileIo::roundTripKeepsEveryByte()
{
    m_env.clearSettings(); // the directory holds the written file alone
    QByteArray bytes("Zeile 1\r\nZeile 2\nZeile 3\rOhne Ende", 33);
    bytes += QByteArray("\0\xff\xfe\x80 \xc3\xa4", 8); // NUL, invalid UTF-8, then UTF-8
    const QString path = m_env.path(QStringLiteral("seite.htm"));
    writeFileAtomically(path, bytes);
    QCOMPARE(readWholeFile(path), bytes);
    QCOMPARE(contentsOf(path), bytes);

    writeFileAtomically(path, QByteArray());
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(readWholeFile(path), QByteArray());
    QCOMPARE(QDir(m_env.dir()).entryList(QDir::Files), QStringList{QStringLiteral("seite.htm")});
}

void TstFileIo::readFailuresUseTheOpenText()
{
    const QString missing = m_env.path(QStringLiteral("fehlt.htm"));
    QCOMPARE(userErrorOf([&] { readWholeFile(missing); }),
             "Kann Datei " + QDir::toNativeSeparators(missing) + " nicht öffnen");
    QCOMPARE(cannotOpenText(QStringLiteral("C:/a/b.htm")),
             QDir::toNativeSeparators(QStringLiteral("Kann Datei C:/a/b.htm nicht öffnen")));
    QCOMPARE(userErrorOf([&] { readWholeFile(m_env.dir()); }), cannotOpenText(m_env.dir()));
    QCOMPARE(userErrorOf([&] { readWholeFile(QString()); }), cannotOpenText(QString()));

    // The error's what() carries the same text for handlers that only know std::exception.
    try {
        readWholeFile(missing);
        QFAIL("no error");
    } catch (const std::exception& error) {
        QCOMPARE(QString::fromUtf8(error.what()), cannotOpenText(missing));
    }
}

void TstFileIo::oversizedFileIsRefused()
{
    // A sparse file: one byte over the limit costs no disk space.
    const QString path = m_env.path(QStringLiteral("riesig.htm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(MaxDocumentBytes + 1));
    file.close();
    const QString text = userErrorOf([&] { readWholeFile(path); });
    QVERIFY2(text.startsWith(cannotOpenText(path)), qPrintable(text));
    // Whole megabytes round up: "512 MB, at most 512 MB" would contradict itself.
    QVERIFY2(text.contains(QStringLiteral("513 MB zu groß")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("höchstens 512 MB")), qPrintable(text));
    QFile::remove(path);
}

void TstFileIo::endlessDeviceIsRefused()
{
    if (!QFileInfo::exists(QStringLiteral("/dev/zero")))
        QSKIP("no endless device here");
    // A device is no regular file: refused at once, before a single byte is read.
    QElapsedTimer timer;
    timer.start();
    const QString text = userErrorOf([] { readWholeFile(QStringLiteral("/dev/zero")); });
    QCOMPARE(text, cannotOpenText(QStringLiteral("/dev/zero")));
    QVERIFY(timer.elapsed() < 5000);
}

void TstFileIo::sizelessKernelFileIsReadToTheEnd()
{
    // A regular file that reports no size, as the kernel's are, is read in pieces to its end.
    const QString path = QStringLiteral("/proc/version");
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() != 0)
        QSKIP("no sizeless kernel file here");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray expected = file.readAll();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(readWholeFile(path), expected);
}

void TstFileIo::writeFailuresUseTheCreateText()
{
    const QString inMissingDir = m_env.path(QStringLiteral("fehlt/neu.htm"));
    QCOMPARE(userErrorOf([&] { writeFileAtomically(inMissingDir, "x"); }),
             "Kann Datei " + QDir::toNativeSeparators(inMissingDir) + " nicht erstellen");
    QVERIFY(!QFileInfo::exists(m_env.path(QStringLiteral("fehlt"))));

    const QString dir = m_env.path(QStringLiteral("ordner"));
    QVERIFY(QDir().mkpath(dir));
    QCOMPARE(userErrorOf([&] { writeFileAtomically(dir, "x"); }), cannotCreateText(dir));
    QVERIFY(QFileInfo(dir).isDir());
}

void TstFileIo::failedWriteLeavesTheOldFileWhole()
{
    // The process may write at most 64 KB into any file: the new contents cannot be written.
    const QString dir = m_env.path(QStringLiteral("voll"));
    QVERIFY(QDir().mkpath(dir));
    const QString path = dir + QStringLiteral("/seite.htm");
    const QByteArray old("<html>alter Inhalt</html>\r\n");
    writeFileAtomically(path, old);

    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 64 * 1024;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &tight) == 0);
    const QString text =
        userErrorOf([&] { writeFileAtomically(path, QByteArray(1024 * 1024, 'n')); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(text, cannotCreateText(path));
    QCOMPARE(contentsOf(path), old);
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("seite.htm")}); // no temporary file left behind
}

void TstFileIo::readOnlyDirectoryLeavesTheOldFileWhole()
{
    if (geteuid() == 0)
        QSKIP("directory permissions do not bind the superuser");
    const QString dir = m_env.path(QStringLiteral("schreibgeschuetzt"));
    QVERIFY(QDir().mkpath(dir));
    const QString path = dir + QStringLiteral("/seite.htm");
    const QByteArray old("alt\r\n");
    writeFileAtomically(path, old);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    const QString text = userErrorOf([&] { writeFileAtomically(path, "neu\r\n"); });
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(text, cannotCreateText(path));
    QCOMPARE(contentsOf(path), old);
}

void TstFileIo::overwriteKeepsLinkAndPermissions()
{
    const QString target = m_env.path(QStringLiteral("echt.htm"));
    const QString link = m_env.path(QStringLiteral("verweis.htm"));
    writeFileAtomically(target, "alt");
    const QFile::Permissions perms =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup; // 0640
    QVERIFY(QFile::setPermissions(target, perms));
    QVERIFY(QFile::link(target, link));

    writeFileAtomically(link, "neu");
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contentsOf(target), QByteArray("neu"));
    // Owner, group and others; the "user" bits describe the tester, not the file.
    const QFile::Permissions modeBits = QFile::Permissions::fromInt(0x7077);
    QCOMPARE(QFileInfo(target).permissions() & modeBits, perms);
}

void TstFileIo::documentMustBeARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("document"); // read as a document (with its stamp) or just whole
    for (const bool document : {true, false}) {
        const char* reader = document ? "document" : "whole file";
        QTest::addRow("FIFO, %s", reader) << "fifo" << document;
        QTest::addRow("link to a FIFO, %s", reader) << "link" << document;
        QTest::addRow("directory, %s", reader) << "directory" << document;
        QTest::addRow("character device, %s", reader) << "/dev/null" << document;
        QTest::addRow("endless device, %s", reader) << "/dev/zero" << document;
        QTest::addRow("missing, %s", reader) << "missing" << document;
    }
}

void TstFileIo::documentMustBeARegularFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, document);
    QString path = m_env.path(QStringLiteral("nie-angelegt.htm"));
    if (kind == QLatin1String("fifo") || kind == QLatin1String("link")) {
        const QString fifo = m_env.path(QStringLiteral("rohr.htm"));
        QFile::remove(fifo);
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        path = fifo;
        if (kind == QLatin1String("link")) {
            path = m_env.path(QStringLiteral("verweis.htm"));
            QFile::remove(path);
            QVERIFY(QFile::link(fifo, path));
        }
    } else if (kind == QLatin1String("directory")) {
        path = m_env.path(QStringLiteral("ordner.htm"));
        QVERIFY(QDir().mkpath(path));
    } else if (kind.startsWith(QLatin1String("/dev/"))) {
        if (!QFileInfo::exists(kind))
            QSKIP("no such device here");
        path = kind;
    }
    FileStamp stamp{true, 1, {}, 1};
    QString text;
    {
        std::optional<FifoRescue> rescue;
        if (kind == QLatin1String("fifo") || kind == QLatin1String("link"))
            rescue.emplace(path);
        text = userErrorOf([&] {
            if (document)
                readDocumentFile(path, &stamp);
            else
                readWholeFile(path);
        });
    }
    QCOMPARE(text, cannotOpenText(path));
    QCOMPARE(stamp.size, 1); // untouched

    // A regular file next to them reads as ever, with its stamp.
    const QString page = m_env.path(QStringLiteral("echt.htm"));
    writeFileAtomically(page, "<p>da</p>");
    QCOMPARE(readDocumentFile(page, &stamp), QByteArray("<p>da</p>"));
    QVERIFY(stamp.exists);
    QCOMPARE(stamp.size, 9);
    QCOMPARE(stamp.modified, QFileInfo(page).lastModified());
    QCOMPARE(stamp.hash, contentHash("<p>da</p>"));
}

void TstFileIo::stampTellsChangesFromTouches()
{
    const QString path = m_env.path(QStringLiteral("gestempelt.htm"));
    FileStamp stamp;
    writeFileAtomically(path, "<p>eins</p>", &stamp);
    QVERIFY(stamp.exists);
    QCOMPARE(stamp.size, 11);
    // The stamp of the write is the stamp a later read finds.
    QCOMPARE(stamp.modified, QFileInfo(path).lastModified());
    QVERIFY(fileMatchesStamp(path, stamp));

    auto setTime = [&path](qint64 secondsLater) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(secondsLater),
                                 QFileDevice::FileModificationTime));
    };
    // Touched with the same bytes: unchanged, and the stamp learns the new time.
    setTime(100);
    QVERIFY(fileMatchesStamp(path, stamp));
    QCOMPARE(stamp.modified, QFileInfo(path).lastModified());

    // The same length with other bytes, another length, another kind of file, gone.
    FileStamp copy = stamp;
    writeFileAtomically(path, "<p>zwei</p>");
    setTime(200);
    QVERIFY(!fileMatchesStamp(path, copy));
    writeFileAtomically(path, "<p>drei!</p>");
    QVERIFY(!fileMatchesStamp(path, copy));
    QVERIFY(QFile::remove(path));
    QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    QVERIFY(!fileMatchesStamp(path, copy));
    QVERIFY(QFile::remove(path));
    QVERIFY(!fileMatchesStamp(path, copy));

    // A file known as missing matches while it stays missing.
    FileStamp missing;
    QVERIFY(fileMatchesStamp(path, missing));
    writeFileAtomically(path, "");
    QVERIFY(!fileMatchesStamp(path, missing));
}

TESSALINE_TEST_MAIN(TstFileIo)
#include "tst_fileio.moc"
