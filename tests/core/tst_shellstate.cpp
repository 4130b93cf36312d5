// Tests of the shell state's start-up reading when the stored options are garbled.
#include "core/SettingsStore.h"
#include "core/ShellState.h"
#include "support/TestSupport.h"

#include <QTest>
#include <limits>
#include <memory>

class TestShellState : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void fontStyles_data();
    void fontStyles();
    void fontSize_data();
    void fontSize();
    void browserSwitches_data();
    void browserSwitches();
    void missingUserDataReadsEmpty();
    void garbledFirstStartKeepsDirectories();
    void timerInterval_data();
    void timerInterval();

private:
    static void put(const QString& section, const QString& name, const QString& value)
    {
        SettingsStore().writeString(section, name, value);
    }

    std::unique_ptr<TestEnvironment> m_env;
};

void TestShellState::fontStyles_data()
{
    QTest::addColumn<QString>("stored"); // null: absent
    QTest::addColumn<bool>("on");
    QTest::newRow("absent reads as set") << QString() << true;
    QTest::newRow("one") << "1" << true;
    QTest::newRow("two") << "2" << true;
    QTest::newRow("hex one") << "0x1" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("yes") << "yes" << false;
    QTest::newRow("true as a word") << "true" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("beyond 32 bits") << "99999999999" << false;
}

void TestShellState::fontStyles()
{
    QFETCH(QString, stored);
    QFETCH(bool, on);
    // Each style on its own, so one cannot hide a fault of another.
    for (const char* name : {"fsBold", "fsItalic", "fsUnderline"}) {
        m_env->clearSettings();
        for (const char* other : {"fsBold", "fsItalic", "fsUnderline"})
            put("Optionen", other, "0");
        if (!stored.isNull())
            put("Optionen", name, stored);
        else
            SettingsStore().deleteValue("Optionen", name);
        ShellState state;
        state.readEditorOptions(SettingsStore());
        const bool styles[] = {state.bold, state.italic, state.underline};
        const int index = QByteArray(name) == "fsBold" ? 0 : QByteArray(name) == "fsItalic" ? 1 : 2;
        for (int i = 0; i < 3; ++i)
            QVERIFY2(styles[i] == (i == index && on), name);
    }
}

void TestShellState::fontSize_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("size");
    QTest::newRow("ordinary") << "12" << 12;
    QTest::newRow("hex") << "0x10" << 16;
    QTest::newRow("largest accepted") << "400" << 400;
    QTest::newRow("too large") << "401" << -1;
    QTest::newRow("a billion") << "1000000000" << -1;
    QTest::newRow("words") << "abc" << -1;
}

void TestShellState::fontSize()
{
    QFETCH(QString, stored);
    QFETCH(int, size);
    put("Optionen", "FontSize", stored);
    ShellState state;
    state.readEditorOptions(SettingsStore());
    QCOMPARE(state.fontSize, size);
}

void TestShellState::browserSwitches_data()
{
    QTest::addColumn<QString>("select");  // null: absent
    QTest::addColumn<QString>("program"); // null: absent
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("path");
    // "Default" is the store's word for a missing program: such a browser is not set.
    QTest::newRow("nothing stored") << QString() << QString() << false << "";
    QTest::newRow("absent switch") << QString() << "/usr/bin/b" << true << "/usr/bin/b";
    QTest::newRow("off") << "0"
                         << "/usr/bin/b" << false << "";
    QTest::newRow("on") << "1"
                        << "/usr/bin/b" << true << "/usr/bin/b";
    QTest::newRow("on, program absent") << "1" << QString() << false << "";
    QTest::newRow("on, program Default") << "1"
                                         << "Default" << false << "";
    QTest::newRow("on, program empty") << "1"
                                       << "" << false << "";
    QTest::newRow("garbled, program named") << "ja"
                                            << "/usr/bin/b" << true << "/usr/bin/b";
    QTest::newRow("garbled, program empty") << "ja"
                                            << "" << false << "";
    QTest::newRow("garbled, program absent") << "ja" << QString() << false << "";
}

void TestShellState::browserSwitches()
{
    QFETCH(QString, select);
    QFETCH(QString, program);
    QFETCH(bool, selected);
    QFETCH(QString, path);
    for (const char* n : {"1", "2"}) {
        if (!select.isNull())
            put("Browser", QStringLiteral("Browser%1Select").arg(n), select);
        if (!program.isNull())
            put("Browser", QStringLiteral("Browser%1").arg(n), program);
    }
    ShellState state;
    state.readBrowsers(SettingsStore());
    QCOMPARE(state.browser1Selected, selected);
    QCOMPARE(state.browser2Selected, selected);
    QCOMPARE(state.browser1Path, path);
    QCOMPARE(state.browser2Path, path);
}

void TestShellState::missingUserDataReadsEmpty()
{
    put("User", "UserName", "Default");
    put("User", "UserFirma", "Berg GmbH");
    put("User", "UserEMail", "");
    ShellState state;
    state.readUserData(SettingsStore());
    QCOMPARE(state.user.UserName, QString());
    QCOMPARE(state.user.UserFirma, QString("Berg GmbH"));
    QCOMPARE(state.user.UserEMail, QString());
    QCOMPARE(state.user.UserHomepage, QString()); // absent
}

void TestShellState::garbledFirstStartKeepsDirectories()
{
    put("Optionen", "FirstStart", "nein");
    put("Path", "BackUp", m_env->path("mine"));
    ShellState state;
    {
        SettingsStore store;
        state.readDirectories(store);
    }
    QCOMPARE(state.backupDir, m_env->path("mine"));
    QCOMPARE(SettingsStore().readString("Path", "BackUp", ""), m_env->path("mine"));
}

void TestShellState::timerInterval_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("used");
    QTest::newRow("off") << 0 << 0;
    QTest::newRow("one millisecond") << 1 << 5000;
    QTest::newRow("just below a second") << 999 << 5000;
    QTest::newRow("a second") << 1000 << 1000;
    QTest::newRow("a day") << 86400000 << 86400000;
    QTest::newRow("absent") << -1 << 5000;
    QTest::newRow("smallest integer") << std::numeric_limits<int>::min() << 5000;
}

void TestShellState::timerInterval()
{
    QFETCH(int, stored);
    QFETCH(int, used);
    QCOMPARE(ShellState::timerInterval(stored, 5000), used);
}

QTEST_MAIN(TestShellState)
#include "tst_shellstate.moc"
