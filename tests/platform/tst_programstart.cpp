// Tests of starting external programs: result codes, German error texts, argument passing.
#include "platform/ProgramStart.h"
#include "support/FifoRescue.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>

class TstProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void failureCodes();
    void successStartsTheProgram();
    void argumentsReachTheProgramUnchanged();
    void workingDirectoryIsUsed();
    void relativeProgramIsFoundFromTheCallersDirectory();
    void errorText_data();
    void errorText();

private:
    // An executable shell script in the test directory that records its working directory and
    // its arguments, one bracketed argument per line, in a file that appears only when complete.
    QString writeRecorder(const QString& name);
    QStringList recorded();

    TestEnvironment m_env;
};

QString TstProgramStart::writeRecorder(const QString& name)
{
    const QString script = m_env.path(name);
    const QString out = m_env.path(QStringLiteral("recorded.txt"));
    QFile::remove(out);
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\n"
               "out='" +
               out.toUtf8() +
               "'\n"
               "pwd > \"$out.part\"\n"
               "for a in \"$@\"; do printf '[%s]\\n' \"$a\" >> \"$out.part\"; done\n"
               "mv \"$out.part\" \"$out\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                        QFile::ExeGroup);
    return script;
}

QStringList TstProgramStart::recorded()
{
    const QString out = m_env.path(QStringLiteral("recorded.txt"));
    if (!QTest::qWaitFor([&] { return QFileInfo::exists(out); }, 5000))
        return {};
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

void TstProgramStart::failureCodes()
{
    const QString dir = m_env.dir();
    QCOMPARE(ProgramStart::start(QStringLiteral("tessaline-gibt-es-nicht-4711"), {}),
             ProgramStart::FileNotFound);
    QCOMPARE(ProgramStart::errorText(ProgramStart::FileNotFound),
             QStringLiteral("Auszuführendes Programm nicht gefunden"));
    QCOMPARE(ProgramStart::start(dir + "/fehlt.exe", {}), ProgramStart::FileNotFound);
    QCOMPARE(ProgramStart::start(QString(), {}), ProgramStart::FileNotFound);
    QCOMPARE(ProgramStart::start(QStringLiteral("   "), {}), ProgramStart::FileNotFound);

    QCOMPARE(ProgramStart::start(dir + "/kein/verzeichnis/prog", {}), ProgramStart::PathNotFound);
    QCOMPARE(ProgramStart::start(QStringLiteral("/bin/true"), {}, dir + "/fehlt"),
             ProgramStart::PathNotFound);

    QFile plain(m_env.path(QStringLiteral("text.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write("kein Programm\n");
    plain.close();
    plain.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(ProgramStart::start(plain.fileName(), {}), ProgramStart::AccessDenied);
    QCOMPARE(ProgramStart::start(dir, {}), ProgramStart::AccessDenied); // a directory

    // Executable, but no format the system can run.
    QFile garbage(m_env.path(QStringLiteral("kaputt")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("\x01\x02\x03 keine ausfuehrbare Datei\n", 27));
    garbage.close();
    garbage.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(ProgramStart::start(garbage.fileName(), {}), ProgramStart::InvalidProgram);
    QCOMPARE(ProgramStart::errorText(ProgramStart::InvalidProgram),
             QStringLiteral("Ungültige EXE-Datei"));

    // An executable FIFO cannot start; looking at its first bytes must not wait for a writer.
    const QString fifo = m_env.path(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0700), 0);
    FifoRescue rescue(fifo);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(ProgramStart::start(fifo, {}), ProgramStart::AccessDenied);
    QVERIFY2(clock.elapsed() < 1000, "the FIFO was opened for reading");
}

void TstProgramStart::successStartsTheProgram()
{
    QCOMPARE(ProgramStart::start(QStringLiteral("/bin/true"), {}), ProgramStart::Success);
    QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("true")).isEmpty());
    QCOMPARE(ProgramStart::start(QStringLiteral("true"), {}), ProgramStart::Success); // on PATH
}

void TstProgramStart::argumentsReachTheProgramUnchanged()
{
    const QString script = writeRecorder(QStringLiteral("mit blank.sh"));
    QVERIFY(!script.isEmpty());
    const QStringList arguments{QStringLiteral("zwei Wörter"),
                                QStringLiteral("$HOME"),
                                QStringLiteral("a;b|c && d"),
                                QStringLiteral("*"),
                                QStringLiteral("'einfach'"),
                                QStringLiteral("\"doppelt\""),
                                QStringLiteral("C:\\Seiten\\index.html"),
                                QString()};
    QCOMPARE(ProgramStart::start(script, arguments), ProgramStart::Success);
    const QStringList lines = recorded();
    QCOMPARE(lines.size(), arguments.size() + 1);
    for (int i = 0; i < arguments.size(); ++i)
        QCOMPARE(lines.at(i + 1), "[" + arguments.at(i) + "]");
}

void TstProgramStart::workingDirectoryIsUsed()
{
    const QString script = writeRecorder(QStringLiteral("rec.sh"));
    const QString work = m_env.path(QStringLiteral("arbeit"));
    QVERIFY(QDir().mkpath(work));
    QCOMPARE(ProgramStart::start(script, {QStringLiteral("-a")}, work), ProgramStart::Success);
    const QStringList lines = recorded();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(QFileInfo(lines.at(0)).canonicalFilePath(), QFileInfo(work).canonicalFilePath());
    QCOMPARE(lines.at(1), QStringLiteral("[-a]"));
}

void TstProgramStart::relativeProgramIsFoundFromTheCallersDirectory()
{
    // The program is checked relative to the editor's current directory; it must be started
    // from there too, not looked up again inside the working directory.
    QVERIFY(QDir().mkpath(m_env.path(QStringLiteral("tools"))));
    writeRecorder(QStringLiteral("tools/rec.sh"));
    const QString work = m_env.path(QStringLiteral("anderswo"));
    QVERIFY(QDir().mkpath(work));
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_env.dir()));
    const int code = ProgramStart::start(QStringLiteral("tools/rec.sh"), {}, work);
    QDir::setCurrent(saved);
    QCOMPARE(code, ProgramStart::Success);
    QCOMPARE(recorded().size(), 1);
}

void TstProgramStart::errorText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "Zu wenig Speicher";
    QTest::newRow("2") << 2 << "Auszuführendes Programm nicht gefunden";
    QTest::newRow("3") << 3 << "Pfad zum Programm nicht gefunden";
    QTest::newRow("5") << 5 << "Zugriffsfehler/Netzwerk-Zugriffsverletzung";
    QTest::newRow("6") << 6 << "Windows-Speicherfehler";
    QTest::newRow("8") << 8 << "Zu wenig Speicher für Anwendung";
    QTest::newRow("10") << 10 << "Falsche Windows-Version";
    QTest::newRow("11") << 11 << "Ungültige EXE-Datei";
    QTest::newRow("12") << 12 << "Programm für anderes Betriebssystem";
    QTest::newRow("13") << 13 << "DOS-4.0-Anwendung";
    QTest::newRow("14") << 14 << "Unbekanntes EXE-Format";
    QTest::newRow("15") << 15 << "Windows 1.x/2.x-Anwendung";
    QTest::newRow("16") << 16 << "Programm bereits aktiv";
    QTest::newRow("19") << 19 << "Komprimierte Datei";
    QTest::newRow("20") << 20 << "DLL-Fehler";
    QTest::newRow("21") << 21 << "Anwendung benötigt Win32-Extension";
    QTest::newRow("gap 1") << 1 << "Unbekannter Fehler (Nummer 1)";
    QTest::newRow("gap 7") << 7 << "Unbekannter Fehler (Nummer 7)";
    QTest::newRow("gap 17") << 17 << "Unbekannter Fehler (Nummer 17)";
    QTest::newRow("32") << 32 << "Unbekannter Fehler (Nummer 32)";
    QTest::newRow("negative") << -1 << "Unbekannter Fehler (Nummer -1)";
}

void TstProgramStart::errorText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(ProgramStart::errorText(code), text);
}

TESSALINE_TEST_MAIN(TstProgramStart)
#include "tst_programstart.moc"
