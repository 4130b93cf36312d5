// Tests of the Tools menu: the tool list from the store, the menu items, starting a tool.
#include "app/Tools.h"
#include "core/SettingsStore.h"
#include "core/ShellState.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>

class TstTools : public QObject
{
    Q_OBJECT

private slots:
    void splitShellWords_data();
    void splitShellWords();
    void commandUsesWorkingDirectoryAndFileName();
    void menuFollowsTheStoredList();
    void garbledCountBuildsABoundedMenu_data();
    void garbledCountBuildsABoundedMenu();
    void missingProgramShowsExecError();

private:
    TestEnvironment m_env;
};

void TstTools::splitShellWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("blanks") << "  -a\t-b   c " << QStringList{"-a", "-b", "c"};
    QTest::newRow("quotes") << "'a b' \"c d\" e" << QStringList{"a b", "c d", "e"};
    QTest::newRow("glued") << "pre'x y'\"z\"post" << QStringList{"prex yzpost"};
    QTest::newRow("empty quotes") << "'' x \"\"" << QStringList{"", "x", ""};
    QTest::newRow("escapes") << "a\\ b \\'c" << QStringList{"a b", "'c"};
    QTest::newRow("escape in double quotes") << "\"a\\\"b\\n\"" << QStringList{"a\"b\\n"};
    QTest::newRow("nothing expands")
        << "$HOME *.html ; `x` |" << QStringList{"$HOME", "*.html", ";", "`x`", "|"};
    QTest::newRow("single quotes keep backslash") << "'a\\b'" << QStringList{"a\\b"};
    QTest::newRow("unclosed quote") << "x \"Meine Seite" << QStringList{"x", "Meine Seite"};
    QTest::newRow("empty") << "   " << QStringList{};
}

void TstTools::splitShellWords()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QCOMPARE(::splitShellWords(text), words);
}

void TstTools::commandUsesWorkingDirectoryAndFileName()
{
    // The stored program names a directory elsewhere; only its file name is used.
    const ToolEntry tool{"Prüfer", "C:\\Tools\\chk.exe", m_env.dir(), "-a \"Meine Seite.html\""};
    const ToolCommand command = toolCommand(tool);
    QCOMPARE(command.program, m_env.dir() + "/chk.exe");
    QCOMPARE(command.arguments, (QStringList{"-a", "Meine Seite.html"}));
    QCOMPARE(command.workingDirectory, m_env.dir());

    const QString out = m_env.path("ran.txt");
    QFile script(m_env.path("chk.exe"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > '" + out.toUtf8() +
                 ".part'\nmv '" + out.toUtf8() + ".part' '" + out.toUtf8() + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QWidget owner;
    QVERIFY(runTool(&owner, tool));
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(out); }, 5000));
    QFile ran(out);
    QVERIFY(ran.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(ran.readAll()),
             QFileInfo(m_env.dir()).canonicalFilePath() + "\n-a\nMeine Seite.html\n");
}

void TstTools::menuFollowsTheStoredList()
{
    {
        SettingsStore store;
        store.writeInteger("Tools", "Count", 3);
        const QStringList names{"Prüfer", "-", "Packer"};
        for (int i = 0; i < 3; ++i) {
            store.writeString("Tools", QString("Name%1").arg(i), names.at(i));
            store.writeString("Tools", QString("ExePfad%1").arg(i), QString("/bin/p%1").arg(i));
            store.writeString("Tools", QString("ArbPfad%1").arg(i), "/tmp");
        }
        store.writeString("Tools", "Parameter2", "-x");
    }
    ShellState state;
    QMenu tools1;
    QList<int> clicked;
    auto fill = [&] {
        SettingsStore store;
        fillToolsMenu(&tools1, state, store, [&](int i) { clicked.append(i); });
    };
    fill();
    QCOMPARE(tools1.actions().size(), 3);
    QAction* first = tools1.findChild<QAction*>("Tool0");
    QAction* separator = tools1.findChild<QAction*>("Tool1");
    QVERIFY(first && separator);
    QCOMPARE(first->text(), QString("Prüfer"));
    QCOMPARE(first->statusTip(), QString("Startet das Programm Prüfer"));
    QVERIFY(separator->isSeparator());
    // Styles draw a separator's text beside its line: a "-" tool is a line only.
    QVERIFY(separator->text().isEmpty());
    QVERIFY(separator->statusTip().isEmpty());
    QCOMPARE(state.tools.at(0).parameters, QString("Default"));
    QCOMPARE(state.tools.at(2).parameters, QString("-x"));
    separator->trigger();
    tools1.actions().at(2)->trigger();
    first->trigger();
    QCOMPARE(clicked, (QList<int>{2, 0}));

    // Shrinking the list: the third entry stays in the lists but gets no item.
    SettingsStore{}.writeInteger("Tools", "Count", 2);
    fill();
    QCOMPARE(tools1.actions().size(), 2);
    QCOMPARE(state.toolCount, 2);
    QCOMPARE(state.tools.size(), 3);
    QCOMPARE(state.tools.at(2).name, QString("Packer"));

    // Emptied, the menu says where tools are set up; filled again, that entry goes.
    SettingsStore{}.writeInteger("Tools", "Count", 0);
    fill();
    QCOMPARE(tools1.actions().size(), 1);
    QAction* none = tools1.actions().first();
    QVERIFY(!none->isEnabled());
    QVERIFY(none->text().contains("„Einstellungen“ (F10)"));
    none->trigger();
    SettingsStore{}.writeInteger("Tools", "Count", 1);
    fill();
    QCOMPARE(tools1.actions().size(), 1);
    QCOMPARE(tools1.actions().first()->text(), QString("Prüfer"));
    QVERIFY(!tools1.findChild<QAction*>("ToolsLeer"));
    tools1.actions().first()->trigger();
    QCOMPARE(clicked, (QList<int>{2, 0, 0}));
}

void TstTools::garbledCountBuildsABoundedMenu_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("tools");
    QTest::newRow("one above the bound") << "1001" << 1000;
    QTest::newRow("a billion") << "1000000000" << 1000;
    QTest::newRow("largest integer") << "2147483647" << 1000;
    QTest::newRow("hex pattern") << "0x7FFFFFFF" << 1000;
    QTest::newRow("negative") << "-3" << 0;
    QTest::newRow("smallest integer") << "-2147483648" << 0;
    QTest::newRow("words") << "viele" << 0;
}

void TstTools::garbledCountBuildsABoundedMenu()
{
    QFETCH(QString, count);
    QFETCH(int, tools);
    m_env.clearSettings();
    {
        SettingsStore store;
        store.writeString("Tools", "Count", count);
        store.writeString("Tools", "Name999", "Letzter");
    }
    ShellState state;
    QMenu tools1;
    fillToolsMenu(&tools1, state, SettingsStore{}, {});
    QCOMPARE(state.toolCount, tools);
    QCOMPARE(state.tools.size(), qsizetype(tools));
    if (tools > 0) {
        QCOMPARE(tools1.actions().size(), qsizetype(tools));
        QCOMPARE(tools1.actions().last()->text(), QString("Letzter"));
    } else {
        // Nothing to start: one disabled entry says where programs are added.
        QCOMPARE(tools1.actions().size(), 1);
        QCOMPARE(tools1.actions().first()->objectName(), QString("ToolsLeer"));
        QVERIFY(!tools1.actions().first()->isEnabled());
    }
}

void TstTools::missingProgramShowsExecError()
{
    QString text;
    answerMessageBox(QMessageBox::Ok, &text);
    QWidget owner;
    QVERIFY(!runTool(&owner, {"Fehlt", "C:\\Tools\\gibtsnicht.exe", m_env.dir(), ""}));
    QCOMPARE(text, QString("Exec-Fehler! Fehlernummer 2:\nAuszuführendes Programm nicht gefunden"));
}

TESSALINE_TEST_MAIN(TstTools)
#include "tst_tools.moc"
