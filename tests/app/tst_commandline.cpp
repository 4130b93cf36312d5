// Tests of the command line: help and version texts, usage errors, Qt's options, the file.
#include "app/CommandLine.h"
#include "platform/ErrorReport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void programAnswersWithoutADisplay_data();
    void programAnswersWithoutADisplay();
};

using Action = CommandLine::Action;
Q_DECLARE_METATYPE(CommandLine::Action)

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments"); // without the program's name
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("output"); // a part of the printed text

    QTest::newRow("nothing") << QStringList{} << Action::Run << ""
                             << "";
    QTest::newRow("one file") << QStringList{"seite.html"} << Action::Run << "seite.html"
                              << "";
    QTest::newRow("the first of two files")
        << QStringList{"eins.html", "zwei.html"} << Action::Run << "eins.html"
        << "";
    QTest::newRow("umlauts and blanks")
        << QStringList{"/tmp/Über uns.html"} << Action::Run << "/tmp/Über uns.html"
        << "";
    QTest::newRow("a name with a dash behind --")
        << QStringList{"--", "-seite.html", "zwei.html"} << Action::Run << "-seite.html"
        << "";
    QTest::newRow("Qt's options with their values")
        << QStringList{"-platform", "offscreen", "-style", "fusion", "-reverse", "seite.html"}
        << Action::Run << "seite.html"
        << "";
    QTest::newRow("Qt's option with =")
        << QStringList{"-stylesheet=a.qss", "seite.html"} << Action::Run << "seite.html"
        << "";

    QTest::newRow("--help") << QStringList{"--help"} << Action::Print << ""
                            << "Aufruf: tessaline [Optionen] [Datei]";
    QTest::newRow("-h lists --version") << QStringList{"-h"} << Action::Print << ""
                                        << "--version";
    QTest::newRow("help wins over a file")
        << QStringList{"seite.html", "--help"} << Action::Print << ""
        << "Zeigt diese Hilfe an";
    QTest::newRow("--version") << QStringList{"--version"} << Action::Print << ""
                               << "Tessaline, Version " + AppInfo::Version + "\n";
    QTest::newRow("-v") << QStringList{"-v"} << Action::Print << "" << AppInfo::Version;

    QTest::newRow("unknown long option")
        << QStringList{"--drucken", "seite.html"} << Action::Refuse << ""
        << "tessaline: Unbekannte Option „--drucken“.\nAufruf: tessaline [Optionen] [Datei]\n";
    QTest::newRow("unknown letter") << QStringList{"-x"} << Action::Refuse << ""
                                    << "Unbekannte Option „-x“.";
    QTest::newRow("unknown option with a value")
        << QStringList{"--farbe=rot"} << Action::Refuse << ""
        << "Unbekannte Option „--farbe“.";
    QTest::newRow("unknown beside --help")
        << QStringList{"--help", "--hilfe"} << Action::Refuse << ""
        << "„tessaline --help“ zeigt alle Optionen.";
    QTest::newRow("Qt option without its value") << QStringList{"-platform"} << Action::Refuse << ""
                                                 << "Einer Option fehlt ihr Wert.";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, file);
    QFETCH(QString, output);
    const CommandLine result =
        parseCommandLine(QStringList{QStringLiteral("/usr/bin/tessaline")} + arguments);
    QCOMPARE(result.action, action);
    QCOMPARE(result.file, file);
    QVERIFY2(result.output.contains(output), qPrintable(result.output));
    QCOMPARE(result.exitCode, action == Action::Refuse ? 2 : 0);
    QCOMPARE(result.output.isEmpty(), action == Action::Run);
}

void TestCommandLine::programAnswersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("standardOutput");
    QTest::addColumn<QString>("standardError");
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << "Tessaline, Version " + AppInfo::Version + "\n"
                             << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Optionen:"
                          << "";
    QTest::newRow("unknown option") << QStringList{"--gibtsnicht"} << 2 << ""
                                    << "Unbekannte Option „--gibtsnicht“.";
}

void TestCommandLine::programAnswersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, standardOutput);
    QFETCH(QString, standardError);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tessaline");
    if (!QFileInfo(program).isExecutable())
        QSKIP("the program is not built beside the tests");
    QProcess process;
    // No display at all: an answer that needed one would fail or open a window.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(standardOutput.isEmpty() ? out.isEmpty() : out.contains(standardOutput),
             qPrintable(out));
    QVERIFY2(standardError.isEmpty() ? err.isEmpty() : err.contains(standardError),
             qPrintable(err));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
