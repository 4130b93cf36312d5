// Tests of the path helpers: file-name parts, extensions, backup names and per-user directories.
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

class TstPaths : public QObject
{
    Q_OBJECT

private slots:
    void fileNamePart_data();
    void fileNamePart();
    void fileExtension_data();
    void fileExtension();
    void backupPath_data();
    void backupPath();
    void userDataDirectoryFollowsDataHome();
    void programDirectoryHoldsTheProgram();
    void dialogStartFolder_data();
    void dialogStartFolder();
};

void TstPaths::fileNamePart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("windows path") << "C:\\Seiten\\index.html"
                                  << "index.html";
    QTest::newRow("unix path") << "/home/anna/seite.htm"
                               << "seite.htm";
    QTest::newRow("mixed separators") << "D:/work\\sub/name.txt"
                                      << "name.txt";
    QTest::newRow("unc path") << "\\\\server\\freigabe\\f.htm"
                              << "f.htm";
    QTest::newRow("dotted directory") << "/a/b.c/d"
                                      << "d";
    QTest::newRow("no directory") << "plain"
                                  << "plain";
    QTest::newRow("trailing slash") << "dir/"
                                    << "";
    QTest::newRow("trailing backslash") << "C:\\dir\\"
                                        << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks kept") << "/x/mein Dokument .htm"
                                 << "mein Dokument .htm";
#ifdef Q_OS_WIN
    QTest::newRow("drive colon") << "C:index.htm"
                                 << "index.htm";
#else
    // A colon is an ordinary file-name character here.
    QTest::newRow("colon in name") << "/x/C:index.htm"
                                   << "C:index.htm";
#endif
}

void TstPaths::fileNamePart()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(::fileNamePart(path), expected);
}

void TstPaths::fileExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("simple") << "index.html"
                            << ".html";
    QTest::newRow("last dot counts") << "C:\\a\\b.c.html"
                                     << ".html";
    QTest::newRow("case kept") << "/x/VIEWER.HTM"
                               << ".HTM";
    QTest::newRow("dot only in directory") << "C:\\my.dir\\readme"
                                           << "";
    QTest::newRow("dot only in unix directory") << "/x.y/z"
                                                << "";
    QTest::newRow("hidden file") << ".htaccess"
                                 << ".htaccess";
    QTest::newRow("trailing dot") << "name."
                                  << ".";
    QTest::newRow("no dot") << "Dokument"
                            << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("rtf") << "/home/anna/brief.rtf"
                         << ".rtf";
}

void TstPaths::fileExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(::fileExtension(path), expected);
}

void TstPaths::backupPath_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("expected");
    const QString dir = QStringLiteral("/tmp/sicherung");
    QTest::newRow("extension replaced") << "C:\\Seiten\\index.html"
                                        << ".bak" << dir << dir + "/index.bak";
    QTest::newRow("only the last extension") << "C:\\a\\b.c.html"
                                             << ".bak" << dir << dir + "/b.c.bak";
    QTest::newRow("no dot appends") << "/home/anna/readme"
                                    << ".bak" << dir << dir + "/readme.bak";
    QTest::newRow("dot in directory only") << "C:\\my.dir\\readme"
                                           << ".bak" << dir << dir + "/readme.bak";
    QTest::newRow("unix document") << "/home/anna/seite.htm"
                                   << ".sik" << dir << dir + "/seite.sik";
    QTest::newRow("hidden file") << "/x/.htaccess"
                                 << ".bak" << dir << dir + "/.bak";
    QTest::newRow("extension without dot") << "/x/a.htm"
                                           << "~" << dir << dir + "/a~";
    QTest::newRow("trailing slash on directory") << "/x/a.htm"
                                                 << ".bak" << dir + "/" << dir + "/a.bak";
    QTest::newRow("document's own directory unused") << "/home/anna/seiten/a.htm"
                                                     << ".bak"
                                                     << "/b"
                                                     << "/b/a.bak";
}

void TstPaths::backupPath()
{
    QFETCH(QString, document);
    QFETCH(QString, ext);
    QFETCH(QString, dir);
    QFETCH(QString, expected);
    QCOMPARE(::backupPath(document, ext, dir), QDir::toNativeSeparators(expected));
}

void TstPaths::userDataDirectoryFollowsDataHome()
{
    TestEnvironment env;
    const QString dir = userDataDirectory();
    const QString dataHome = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    QVERIFY(!dataHome.isEmpty());
#ifndef Q_OS_WIN
    // Inside the (temporary) per-user data home, named after the organisation and program.
    QCOMPARE(QDir::cleanPath(dir), QDir::cleanPath(dataHome + "/Orvanto/TessalineL"));
#endif
    QVERIFY(!dir.isEmpty());
    QVERIFY(!QFileInfo::exists(dir)); // only callers create it
}

void TstPaths::programDirectoryHoldsTheProgram()
{
    const QString dir = programDirectory();
    QVERIFY(!dir.endsWith('/') && !dir.endsWith('\\'));
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QVERIFY(QFileInfo::exists(QDir::fromNativeSeparators(dir) + "/" + program));
}

void TstPaths::dialogStartFolder_data()
{
    QTest::addColumn<QString>("used");     // folder remembered before, relative to the test dir
    QTest::addColumn<QString>("document"); // the document's path, empty when untitled
    QTest::addColumn<QString>("expected"); // "~" for the user's home

    QTest::newRow("untitled, nothing used yet") << ""
                                                << ""
                                                << "~";
    QTest::newRow("untitled, a folder used") << "benutzt"
                                             << ""
                                             << "benutzt";
    QTest::newRow("titled") << "benutzt"
                            << "seiten/index.html"
                            << "seiten";
    QTest::newRow("titled, its folder gone") << "benutzt"
                                             << "weg/index.html"
                                             << "benutzt";
    QTest::newRow("used folder gone since") << "geloescht"
                                            << ""
                                            << "~";
}

void TstPaths::dialogStartFolder()
{
    QFETCH(QString, used);
    QFETCH(QString, document);
    QFETCH(QString, expected);
    TestEnvironment env;
    for (const char* folder : {"benutzt", "seiten", "geloescht"})
        QVERIFY(QDir().mkpath(env.path(QString::fromLatin1(folder))));
    rememberUsedFolder(QString());
    if (!used.isEmpty())
        rememberUsedFolder(env.path(used + QStringLiteral("/datei.html")));
    QVERIFY(QDir(env.path(QStringLiteral("geloescht"))).removeRecursively());
    // A file in a missing folder is no use and leaves the remembered one alone.
    rememberUsedFolder(env.path(QStringLiteral("weg/datei.html")));

    const QString start = ::dialogStartFolder(document.isEmpty() ? QString() : env.path(document));
    // Never the working directory, which the user never chose.
    const QString want = expected == QLatin1String("~") ? QDir::homePath() : env.path(expected);
    QCOMPARE(QDir::cleanPath(QDir::fromNativeSeparators(start)), QDir::cleanPath(want));
    rememberUsedFolder(QString());
}

TESSALINE_TEST_MAIN(TstPaths)
#include "tst_paths.moc"
