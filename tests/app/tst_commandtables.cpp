// Structural tests of the frame's command tables and of the controls built from them.
#include "app/FrameTables.h"
#include "app/HelpWindow.h"
#include "app/Main.h"
#include "core/SettingsStore.h"
#include "editor/DocumentCommands.h"
#include "editor/DocumentMenus.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"
#include "widgets/HintStatusBar.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTextBrowser>
#include <QToolBar>
#include <memory>

namespace
{

// An action the keyboard can reach: shown in a visible widget (toolbar, menu bar) or in a menu
// that is itself reachable.
bool reachable(QAction* action, int depth = 0)
{
    for (QObject* owner : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner)) {
            if (depth < 8 && reachable(menu->menuAction(), depth + 1))
                return true;
        } else if (auto* widget = qobject_cast<QWidget*>(owner); widget && widget->isVisible()) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestCommandTables : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        waitNoModal(1000);
        m_env.reset();
    }

    void everyRowHasANameAndACommand();
    void namesAreUnique();
    void documentControlsFollowTheDocumentCount();
    void forwardingControlsReachTheActiveDocument();
    void headingButtonsAndFontSizes();
    void helpCommandsOpenTheirTopics();
    void toolsMenuComesFromTheStore();
    void documentSwitchesFromMenuAndToolbar();
    void browserButtonWithAndWithoutADocument();
    void shownKeysRunTheirItem();
    void keysAndMenuBarMnemonicsHaveOneOwner_data();
    void keysAndMenuBarMnemonicsHaveOneOwner();
    void altSSavesUnderAnotherName();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestCommandTables::everyRowHasANameAndACommand()
{
    for (const TopMenuSpec& menu : topMenuSpecs())
        for (const FrameRow& row : menu.rows)
            if (row.kind == FrameRow::Item)
                QVERIFY2(*row.name && row.handler, row.name);
    for (const ToolButtonSpec& button : toolButtonSpecs())
        QVERIFY2(*button.name && button.handler && button.toolBar >= 1 && button.toolBar <= 10,
                 button.name);
    for (const ForwardSpec& forward : forwardSpecs()) {
        QVERIFY2(hasNamedCommand(QString::fromLatin1(forward.documentCommand)), forward.name);
        QVERIFY2(QByteArray(forward.frameHandler).endsWith("Click"), forward.name);
    }
    for (const DropDownSpec& dropDown : dropDownSpecs())
        QVERIFY2(*dropDown.menu, dropDown.name);
}

void TestCommandTables::namesAreUnique()
{
    TMainForm frame;
    frame.createChild();
    QHash<QString, int> names;
    for (QAction* action : frame.findChildren<QAction*>())
        if (!action->objectName().isEmpty() && !action->isSeparator())
            ++names[action->objectName()];
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(it.key()));
    // Every drop-down named in the tables exists and is reachable from its button.
    for (const DropDownSpec& dropDown : dropDownSpecs()) {
        QMenu* menu = frame.dropDownMenu(QString::fromLatin1(dropDown.menu));
        QVERIFY2(menu && !menu->isEmpty(), dropDown.menu);
        QCOMPARE(frame.control(QString::fromLatin1(dropDown.name))->menu(), menu);
    }
}

void TestCommandTables::documentControlsFollowTheDocumentCount()
{
    TMainForm frame;
    frame.show();
    runIdle();
    QStringList needing;
    for (const ForwardSpec& forward : forwardSpecs())
        if (forward.toolBar > 0)
            needing << QString::fromLatin1(forward.name);
    for (const DropDownSpec& dropDown : dropDownSpecs())
        needing << QString::fromLatin1(dropDown.name);
    for (const ToolButtonSpec& button : toolButtonSpecs())
        if (button.needsDocument)
            needing << QString::fromLatin1(button.name);
    needing << QStringLiteral("SBtnHLeft") << QStringLiteral("Dokumentspeichern1")
            << QStringLiteral("WindowMinimizeItem");
    for (const QString& name : needing)
        QVERIFY2(!frame.control(name)->isEnabled(), qPrintable(name));
    QCOMPARE(frame.HintStatusBar1->panelText(QStringLiteral("HintStatusPanel2")), QString());
    QCOMPARE(frame.HintStatusBar1->panelText(QStringLiteral("HintStatusPanel4")), QString());
    // Browser items follow their flags, with or without a document.
    QCOMPARE(frame.control(QStringLiteral("SBtnBrowser1"))->isEnabled(),
             frame.shellState().browser1Selected);
    QCOMPARE(frame.control(QStringLiteral("Browser2aufrufen1"))->isEnabled(),
             frame.shellState().browser2Selected);
    for (const char* always : {"SBtnFileNew", "OpenBtn", "SBtnHelp", "ExitBtn"})
        QVERIFY2(frame.control(QString::fromLatin1(always))->isEnabled(), always);

    frame.FileNewItemClick();
    runIdle();
    for (const QString& name : needing)
        QVERIFY2(frame.control(name)->isEnabled(), qPrintable(name));
    QVERIFY(!frame.HintStatusBar1->panelText(QStringLiteral("HintStatusPanel2")).isEmpty());
}

void TestCommandTables::forwardingControlsReachTheActiveDocument()
{
    TMainForm frame;
    frame.show();
    frame.FileNewItemClick();
    TExtRich* memo = frame.activeChild()->TextMemo;
    runIdle();
    QTest::keyClicks(memo, QStringLiteral("Wort"));
    memo->setSelStart(0);
    memo->setSelLength(4);
    frame.control(QStringLiteral("SBtnTBold"))->trigger();
    QCOMPARE(memo->text(), QStringLiteral("<b>Wort</b>"));
    QCOMPARE(memo->selLength(), 0);
    QCOMPARE(memo->selStart(), memo->text().size());
    frame.control(QStringLiteral("SBtnCopyright"))->trigger();
    frame.control(QStringLiteral("noshade1"))->trigger();
    frame.control(QStringLiteral("test1"))->trigger();
    QCOMPARE(memo->text(), QStringLiteral("<b>Wort</b>&copy;<hr noshade><strong></strong>"));

    // The buttons act on the document that is active when they are pressed.
    frame.FileNewItemClick();
    TExtRich* second = frame.activeChild()->TextMemo;
    frame.control(QStringLiteral("SBtnAmp"))->trigger();
    QCOMPARE(second->text(), QStringLiteral("&amp;"));
    QVERIFY(!memo->text().contains(QStringLiteral("&amp;")));
}

void TestCommandTables::headingButtonsAndFontSizes()
{
    TMainForm frame;
    frame.show();
    frame.FileNewItemClick();
    TExtRich* memo = frame.activeChild()->TextMemo;
    runIdle();
    QTest::keyClicks(memo, QStringLiteral("Titel"));
    memo->setSelStart(0);
    memo->setSelLength(5);
    frame.control(QStringLiteral("SBtnHCenter"))->trigger();
    frame.control(QStringLiteral("H21"))->trigger();
    QCOMPARE(memo->text(), QStringLiteral("<h2 align=\"center\">Titel</h2>"));
    // One toggle down at most; pressing it again leaves all three up.
    frame.control(QStringLiteral("SBtnHRight"))->trigger();
    QVERIFY(!frame.control(QStringLiteral("SBtnHCenter"))->isChecked());
    frame.control(QStringLiteral("SBtnHRight"))->trigger();
    QVERIFY(!frame.control(QStringLiteral("SBtnHRight"))->isChecked());
    frame.control(QStringLiteral("H61"))->trigger();
    QVERIFY(memo->text().endsWith(QStringLiteral("<h6></h6>")));

    memo->selectAllText();
    frame.control(QStringLiteral("N13"))->trigger();
    QVERIFY(memo->text().startsWith(QStringLiteral("<font size=\"+1\"><h2")));
    QVERIFY(memo->text().endsWith(QStringLiteral("</h6></font>")));
    frame.control(QStringLiteral("N71"))->trigger();
    QVERIFY(memo->text().endsWith(QStringLiteral("<font size=\"7\"></font>")));
}

void TestCommandTables::helpCommandsOpenTheirTopics()
{
    TMainForm frame;
    frame.show();
    auto page = [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("HelpWindow") && window->isVisible())
                if (auto* browser = window->findChild<QTextBrowser*>())
                    return browser->source().toString();
        return QString();
    };
    frame.control(QStringLiteral("Tastatur1"))->trigger();
    QVERIFY2(page().contains(QStringLiteral("501")), qPrintable(page()));
    frame.control(QStringLiteral("EinekleineEinfhrunginHTML1"))->trigger();
    QVERIFY2(page().contains(QStringLiteral("500")), qPrintable(page()));
    frame.control(QStringLiteral("SBtnHelp"))->trigger();
    const QString contents = page();
    frame.control(QStringLiteral("Inhalt1"))->trigger();
    QCOMPARE(page(), contents);
    QVERIFY(!contents.contains(QStringLiteral("500")));

    QString title;
    whenModal([&title](QWidget* w) {
        if (w->objectName() != QLatin1String("AboutBox"))
            return false;
        title = w->windowTitle();
        static_cast<QDialog*>(w)->accept();
        return true;
    });
    frame.control(QStringLiteral("Info1"))->trigger();
    QCOMPARE(title, QStringLiteral("Info"));
}

void TestCommandTables::toolsMenuComesFromTheStore()
{
    {
        SettingsStore store;
        store.writeInteger(QStringLiteral("Tools"), QStringLiteral("Count"), 3);
        store.writeString(QStringLiteral("Tools"), QStringLiteral("Name0"), QStringLiteral("-"));
        store.writeString(QStringLiteral("Tools"), QStringLiteral("Name1"),
                          QStringLiteral("Prüfer"));
        store.writeString(QStringLiteral("Tools"), QStringLiteral("Name2"),
                          QStringLiteral("Fehlt"));
        store.writeString(QStringLiteral("Tools"), QStringLiteral("ExePfad2"),
                          QStringLiteral("gibt-es-nicht"));
    }
    TMainForm frame;
    auto* tools = frame.findChild<QMenu*>(QStringLiteral("Tools1"));
    QCOMPARE(tools->actions().size(), 3);
    QVERIFY(tools->actions().at(0)->isSeparator());
    QCOMPARE(tools->actions().at(1)->text(), QStringLiteral("Prüfer"));
    QCOMPARE(tools->actions().at(1)->statusTip(), QStringLiteral("Startet das Programm Prüfer"));
    // The tool's program is missing (it reads "Default"): the tool is not set up.
    QVERIFY(!tools->actions().at(1)->isEnabled());
    // A named program that cannot be started reports the German error.
    QString message;
    answerMessageBox(QMessageBox::Ok, &message);
    tools->actions().at(2)->trigger();
    QVERIFY(waitNoModal());
    QVERIFY2(message.startsWith(QStringLiteral("Exec-Fehler! Fehlernummer ")), qPrintable(message));
}

void TestCommandTables::documentSwitchesFromMenuAndToolbar()
{
    TMainForm frame;
    frame.show();
    frame.FileNewItemClick();
    TMDIChild* child = frame.activeChild();
    runIdle();
    QVERIFY(child->TextMemo->wordWrap());
    frame.control(QStringLiteral("SBtnUmb"))->trigger();
    QVERIFY(!child->TextMemo->wordWrap());
    QVERIFY(!child->action(QStringLiteral("WordWrap1"))->isChecked());
    child->action(QStringLiteral("WordWrap1"))->trigger();
    QVERIFY(child->TextMemo->wordWrap());
    QVERIFY(child->action(QStringLiteral("WordWrap1"))->isChecked());
    child->action(QStringLiteral("Tabulatorverwenden1"))->trigger();
    QVERIFY(!child->TextMemo->wantTabs());
    QVERIFY(!child->action(QStringLiteral("Tabulatorverwenden1"))->isChecked());
}

void TestCommandTables::browserButtonWithAndWithoutADocument()
{
    // A stand-in browser that writes its arguments into a file.
    const QString record = m_env->path(QStringLiteral("argumente.txt"));
    const QString browser = m_env->path(QStringLiteral("mein browser.sh"));
    QFile script(browser);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + record.toLocal8Bit() + ".part\"\nmv \"" +
                 record.toLocal8Bit() + ".part\" \"" + record.toLocal8Bit() + "\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    auto argumentsOfNextStart = [&record] {
        QFile file(record);
        [&] { QTRY_VERIFY(file.exists()); }();
        file.open(QIODevice::ReadOnly);
        const QString text = QString::fromLocal8Bit(file.readAll()).trimmed();
        file.close();
        file.remove();
        return text;
    };

    TMainForm frame;
    frame.show();
    frame.shellState().browser1Selected = true;
    frame.shellState().browser1Path = browser;
    runIdle();
    frame.control(QStringLiteral("SBtnBrowser1"))->trigger();
    QCOMPARE(QDir::fromNativeSeparators(argumentsOfNextStart()), programDirectory());

    const QString page = m_env->path(QStringLiteral("eine Seite.html"));
    QFile(page).open(QIODevice::WriteOnly);
    QVERIFY(frame.openDocument(page));
    frame.control(QStringLiteral("SBtnBrowser1"))->trigger();
    QCOMPARE(QDir::fromNativeSeparators(argumentsOfNextStart()), page);
}

void TestCommandTables::shownKeysRunTheirItem()
{
    // A key shown beside an item but owned by another one must run that same command: a twin in
    // the menu bar, never some other action that happens to own the key.
    struct Runs {
        void (TMDIChild::*handler)();
        QByteArray command;
    };
    QHash<QString, Runs> owners;
    QList<const ChildRow*> shownOnly;
    auto walk = [&](std::span<const ChildRow> rows) {
        for (const ChildRow& row : rows) {
            if (row.kind != ChildRow::Item || !*row.shortcut)
                continue;
            if (row.flags & MenuFlag::ShowShortcutOnly)
                shownOnly << &row;
            else
                owners.insert(QKeySequence(QString::fromLatin1(row.shortcut)).toString(),
                              {row.handler, row.command});
        }
    };
    for (const ChildMenu& menu : childMenus())
        walk(menu.rows);
    walk(memoPopUpRows());
    QVERIFY(!shownOnly.isEmpty());
    // Keys of the frame's items; a document item may show one only where that item does the same
    // for the active document.
    QHash<QString, QString> frameOwners;
    for (const TopMenuSpec& menu : topMenuSpecs())
        for (const FrameRow& row : menu.rows)
            if (row.kind == FrameRow::Item && *row.shortcut)
                frameOwners.insert(QKeySequence(QString::fromLatin1(row.shortcut)).toString(),
                                   QString::fromLatin1(row.name));
    const QHash<QString, QString> frameTwins{{"Speichern1", "Dokumentspeichern1"}};
    for (const ChildRow* row : std::as_const(shownOnly)) {
        const QString key = QKeySequence(QString::fromLatin1(row->shortcut)).toString();
        if (frameOwners.contains(key)) {
            QCOMPARE(frameOwners.value(key), frameTwins.value(QString::fromLatin1(row->name)));
            continue;
        }
        const auto owner =
            owners.constFind(QKeySequence(QString::fromLatin1(row->shortcut)).toString());
        QVERIFY2(owner != owners.cend(), row->name);
        QVERIFY2(owner->handler == row->handler && owner->command == QByteArray(row->command),
                 row->name);
    }
    // The frame's items run their own keys.
    for (const TopMenuSpec& menu : topMenuSpecs())
        for (const FrameRow& row : menu.rows)
            QVERIFY2(!(row.flags & MenuFlag::ShowShortcutOnly), row.name);
}

void TestCommandTables::keysAndMenuBarMnemonicsHaveOneOwner_data()
{
    QTest::addColumn<int>("documents");
    QTest::newRow("frame menus only") << 0;
    QTest::newRow("document menus merged") << 1;
}

void TestCommandTables::keysAndMenuBarMnemonicsHaveOneOwner()
{
    QFETCH(int, documents);
    TMainForm frame;
    frame.show();
    for (int i = 0; i < documents; ++i)
        frame.FileNewItemClick();
    runIdle();
    // A key with two owners runs neither: Qt only reports the clash. The menu bar's mnemonics
    // (Alt and the underlined letter) own their keys as much as any shortcut does.
    QHash<QString, QStringList> owners;
    QList<QAction*> onTheBar = frame.menuBar()->actions();
    for (QAction* entry : std::as_const(onTheBar)) {
        QVERIFY2(entry->isVisible() && entry->isEnabled(), qPrintable(entry->objectName()));
        const QKeySequence mnemonic = QKeySequence::mnemonic(entry->text());
        if (!mnemonic.isEmpty())
            owners[mnemonic.toString()] << entry->objectName() + QStringLiteral(" (Menüleiste)");
    }
    for (QAction* action : frame.findChildren<QAction*>()) {
        if (!action->isVisible() || !action->isEnabled() || onTheBar.contains(action) ||
            !reachable(action))
            continue;
        for (const QKeySequence& key : action->shortcuts())
            owners[key.toString()] << action->objectName();
    }
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        QVERIFY2(it.value().size() == 1,
                 qPrintable(it.key() + QStringLiteral(": ") + it.value().join(QLatin1Char(','))));
    QCOMPARE(owners.value(QStringLiteral("Alt+D")),
             QStringList{QStringLiteral("Datei1 (Menüleiste)")});
    if (documents > 0)
        QCOMPARE(owners.value(QStringLiteral("Alt+S")),
                 QStringList{QStringLiteral("Dokumentspeichernunter1")});
    // The Tools menu stays on the bar for the mouse and the arrow keys.
    QVERIFY(onTheBar.contains(frame.findChild<QMenu*>(QStringLiteral("Tools1"))->menuAction()));
}

void TestCommandTables::altSSavesUnderAnotherName()
{
    TMainForm frame;
    frame.show();
    QApplication::setActiveWindow(&frame);
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    frame.FileNewItemClick();
    TExtRich* memo = frame.activeChild()->TextMemo;
    QTRY_VERIFY(memo->hasFocus());
    runIdle(); // the document's file commands are enabled at the next idle moment
    QVERIFY(frame.control(QStringLiteral("Dokumentspeichernunter1"))->isEnabled());
    QString asked;
    whenModal([&asked](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return false;
        asked = dialog->objectName();
        dialog->reject();
        return true;
    });
    QTest::keyClick(memo, Qt::Key_S, Qt::AltModifier);
    QVERIFY(waitNoModal());
    QCOMPARE(asked, QStringLiteral("SaveFileDialog"));
}

TESSALINE_TEST_MAIN(TestCommandTables)
#include "tst_commandtables.moc"
