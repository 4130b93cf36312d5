// Tests of the document's tag commands: wrapping and inserting, headings, menus, keys, frame.
#include "app/Main.h"
#include "editor/DocumentCommands.h"
#include "editor/DocumentMenus.h"
#include "editor/DocumentWindow.h"
#include "editor/SimpleCommands.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QMenu>
#include <memory>

class TstTagCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void wrapAndInsertPlaceTheCaretBehind();
    void everyCommandItemWritesItsMarkup();
    void headingsTakeTheWindowsOwnAlignment();
    void keysReachTheCommandsNotTheTextControl();
    void tablesAreConsistent();

private:
    TMDIChild* newDocument(const QString& text = QString());
    void trigger(TMDIChild* child, const char* item);

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TMainForm> m_frame;
};

void TstTagCommands::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_frame = std::make_unique<TMainForm>(StartOptions{QString(), false});
    m_frame->show();
    QApplication::setActiveWindow(m_frame.get());
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
}

void TstTagCommands::cleanup()
{
    // The documents go first, so the frame is not told of window changes while it is destroyed.
    for (TMDIChild* child : m_frame->children())
        child->closeWithoutQuery();
    runIdle();
    m_frame.reset();
    m_env.reset();
}

TMDIChild* TstTagCommands::newDocument(const QString& text)
{
    TMDIChild* child = m_frame->createChild();
    child->TextMemo->loadText(text);
    child->TextMemo->setFocus();
    return child;
}

void TstTagCommands::trigger(TMDIChild* child, const char* item)
{
    QAction* action = child->action(QString::fromLatin1(item));
    QVERIFY2(action, item);
    action->trigger();
}

void TstTagCommands::wrapAndInsertPlaceTheCaretBehind()
{
    TMDIChild* child = newDocument();
    TExtRich* memo = child->TextMemo;
    trigger(child, "fett1");
    QCOMPARE(memo->text(), QStringLiteral("<b></b>"));
    QVERIFY(memo->selStart() == 7 && memo->selLength() == 0 && memo->isModified());

    memo->loadText(QStringLiteral("abc"));
    memo->selectAllText();
    trigger(child, "fett1");
    QCOMPARE(memo->text(), QStringLiteral("<b>abc</b>"));
    QVERIFY(memo->selStart() == 10 && memo->selLength() == 0);
    trigger(child, "fett1");
    QCOMPARE(memo->text(), QStringLiteral("<b>abc</b><b></b>"));
    // The whole command is one undo step.
    QTest::keyClick(memo, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(memo->text(), QStringLiteral("<b>abc</b>"));
    QTest::keyClick(memo, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(memo->text(), QStringLiteral("abc"));

    // A selection across lines is wrapped whole, its line break included.
    memo->loadText(QStringLiteral("x eins\r\nzwei y"));
    memo->setSelStart(2);
    memo->setSelLength(10);
    QCOMPARE(memo->selText(), QStringLiteral("eins\r\nzwei"));
    trigger(child, "Zitat3");
    QCOMPARE(memo->text(), QStringLiteral("x <blockquote>eins\r\nzwei</blockquote> y"));
    QCOMPARE(memo->selStart(), 37);
    QCOMPARE(memo->lineCount(), 2);

    // An insertion replaces the selection; the comment keeps a blank inside each delimiter.
    memo->loadText(QStringLiteral("a weg b"));
    memo->setSelStart(2);
    memo->setSelLength(3);
    trigger(child, "Zeilenumbruch1");
    QCOMPARE(memo->text(), QStringLiteral("a <br> b"));
    QCOMPARE(memo->selStart(), 6);
    memo->selectAllText();
    trigger(child, "Kommentar2");
    QCOMPARE(memo->text(), QStringLiteral("<!-- a <br> b -->"));
}

void TstTagCommands::everyCommandItemWritesItsMarkup()
{
    TMDIChild* child = newDocument();
    TExtRich* memo = child->TextMemo;
    int items = 0;
    QList<QMenu*> menus{child->memoPopUp()};
    for (const auto& entry : child->mergedMenus())
        menus << entry.second;
    for (QMenu* menu : menus) {
        for (QAction* action : menu->findChildren<QAction*>()) {
            const QString name = action->property("command").toString();
            if (name.isEmpty())
                continue;
            const SimpleCommand* command = findSimpleCommand(name);
            // Dialog commands are bound by name and tested with their modules.
            if (!command) {
                QVERIFY2(findDocumentCommand(name), qPrintable(name));
                continue;
            }
            memo->loadText(QStringLiteral("T"));
            memo->selectAllText();
            action->trigger();
            const QString open = QString::fromUtf8(command->open);
            const QString close = QString::fromUtf8(command->close);
            const QString expected =
                command->kind == SimpleCommand::Wrap ? open + QLatin1Char('T') + close : open;
            QVERIFY2(close.isEmpty() == (command->kind == SimpleCommand::Insert), command->handler);
            QCOMPARE(memo->text(), expected);
            ++items;
        }
    }
    QVERIFY(items > 60);

    // A few entities by their items, read as users see them.
    const std::pair<const char*, const char*> samples[] = {
        {"quot1", "&quot;"}, {"S34", "&#153;"}, {"LeerzeichenBreiten1", "&ensp;"}};
    memo->loadText(QString());
    QString expected;
    for (const auto& [item, text] : samples) {
        trigger(child, item);
        expected += QString::fromLatin1(text);
    }
    QCOMPARE(memo->text(), expected);
    QCOMPARE(child->action(QStringLiteral("LeerzeichenBreitem1"))->statusTip(),
             QStringLiteral("Dieses Leerzeichen können nicht alle Browser darstellen!"));
}

void TstTagCommands::headingsTakeTheWindowsOwnAlignment()
{
    TMDIChild* first = newDocument(QStringLiteral("Titel"));
    first->TextMemo->selectAllText();
    trigger(first, "Gre31");
    QCOMPARE(first->TextMemo->text(), QStringLiteral("<h3>Titel</h3>"));
    QCOMPARE(m_frame->shellState().headingClose, QStringLiteral("</h3>"));

    QAction* left = first->action(QStringLiteral("Ausrichtunglinks1"));
    QAction* centre = first->action(QStringLiteral("Ausrichtungzentriert1"));
    QAction* right = first->action(QStringLiteral("Ausrichtungrechts2"));
    QVERIFY(!left->isChecked() && !centre->isChecked() && !right->isChecked());
    right->trigger();
    first->TextMemo->selectAllText();
    trigger(first, "Gre31");
    QCOMPARE(first->TextMemo->text(), QStringLiteral("<h3 align=\"right\"><h3>Titel</h3></h3>"));
    // Choosing again keeps exactly one item checked, the chosen one.
    left->trigger();
    QVERIFY(left->isChecked() && !right->isChecked());
    left->trigger();
    QVERIFY(left->isChecked() && !centre->isChecked() && !right->isChecked());

    // A second window starts without a choice and keeps its own.
    TMDIChild* second = newDocument();
    QVERIFY(!second->action(QStringLiteral("Ausrichtunglinks1"))->isChecked());
    trigger(second, "Ausrichtungzentriert1");
    trigger(second, "Gre61");
    QCOMPARE(second->TextMemo->text(), QStringLiteral("<h6 align=\"center\"></h6>"));
    QVERIFY(left->isChecked() && !centre->isChecked());
    first->TextMemo->loadText(QString());
    trigger(first, "Gre11");
    QCOMPARE(first->TextMemo->text(), QStringLiteral("<h1 align=\"left\"></h1>"));

    // The frame's heading buttons keep their own alignment; the documents' choices stay.
    runIdle(); // the frame enables its document controls when idle
    m_frame->control(QStringLiteral("SBtnHRight"))->trigger();
    m_frame->control(QStringLiteral("H21"))->trigger();
    trigger(second, "Gre21");
    QVERIFY(second->TextMemo->text().endsWith(
        QStringLiteral("<h2 align=\"right\"></h2><h2 align=\"center\"></h2>")));
    m_frame->control(QStringLiteral("SBtnTBold"))->trigger();
    QVERIFY(second->TextMemo->text().endsWith(QStringLiteral("</h2><b></b>")));
}

void TstTagCommands::keysReachTheCommandsNotTheTextControl()
{
    TMDIChild* child = newDocument();
    TExtRich* memo = child->TextMemo;
    QTRY_VERIFY(memo->hasFocus());
    int keys = 0;
    for (QAction* action : child->actions()) {
        const SimpleCommand* command = findSimpleCommand(action->property("command").toString());
        if (!command || action->shortcuts().isEmpty())
            continue;
        memo->loadText(QString());
        QTest::keySequence(memo, action->shortcut());
        QVERIFY2(memo->text() ==
                     QString::fromUtf8(command->open) + QString::fromUtf8(command->close),
                 qPrintable(action->shortcut().toString() + QStringLiteral(": ") + memo->text()));
        ++keys;
    }
    QCOMPARE(keys, 17);
    // Heading keys and the alignment choice from the keyboard.
    memo->loadText(QString());
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(child->action(QStringLiteral("Ausrichtungzentriert1"))->isChecked());
    QTest::keyClick(memo, Qt::Key_F2, Qt::ShiftModifier);
    QCOMPARE(memo->text(), QStringLiteral("<h2 align=\"center\"></h2>"));
    QTest::keyClick(memo, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(memo->text(), QString());
}

void TstTagCommands::tablesAreConsistent()
{
    struct Owner {
        const char* command;
        void (TMDIChild::*handler)();
    };
    QHash<QString, Owner> keyOwners;
    QList<const ChildRow*> shownOnly;
    auto walk = [&](std::span<const ChildRow> rows) {
        int depth = 0;
        bool lastWasSeparator = true;
        for (const ChildRow& row : rows) {
            if (row.kind == ChildRow::End) {
                QVERIFY(!lastWasSeparator);
                --depth;
                continue;
            }
            QVERIFY2(!(row.kind == ChildRow::Separator && lastWasSeparator), row.name);
            lastWasSeparator = row.kind == ChildRow::Separator;
            if (row.kind == ChildRow::Submenu)
                ++depth, lastWasSeparator = true;
            if (row.kind != ChildRow::Item)
                continue;
            // Each item runs exactly one thing: its handler or a known simple command.
            QVERIFY2(bool(row.handler) != bool(*row.command), row.name);
            QVERIFY2(!*row.command || hasNamedCommand(QString::fromLatin1(row.command)), row.name);
            if (!*row.shortcut)
                continue;
            const QString key = QKeySequence(QString::fromLatin1(row.shortcut)).toString();
            QVERIFY2(!key.isEmpty(), row.name);
            if (row.flags & MenuFlag::ShowShortcutOnly) {
                shownOnly << &row;
            } else {
                QVERIFY2(!keyOwners.contains(key), row.name);
                keyOwners.insert(key, {row.command, row.handler});
            }
        }
        QCOMPARE(depth, 0);
    };
    for (const ChildMenu& menu : childMenus())
        walk(menu.rows);
    walk(memoPopUpRows());
    // The frame's own keys, apart from its stand-ins for the document menus: a document's menu
    // takes the place of those.
    QList<QKeySequence> frameKeys;
    for (const QAction* action : m_frame->findChildren<QAction*>()) {
        bool standIn = false;
        for (const QObject* up = action->parent(); up; up = up->parent())
            standIn = standIn || up->property("replacedByDocument").toBool();
        if (!standIn)
            frameKeys += action->shortcuts();
    }
    for (const QKeySequence& key : std::as_const(frameKeys))
        QVERIFY2(!keyOwners.contains(key.toString()), qPrintable(key.toString()));
    // A shown-only key belongs to a twin that runs the same command, or to the frame.
    for (const ChildRow* row : std::as_const(shownOnly)) {
        const QKeySequence sequence(QString::fromLatin1(row->shortcut));
        const auto owner = keyOwners.constFind(sequence.toString());
        if (owner == keyOwners.cend()) {
            QVERIFY2(frameKeys.contains(sequence), row->name);
            continue;
        }
        QVERIFY2(owner->handler == row->handler &&
                     QByteArray(owner->command) == QByteArray(row->command),
                 row->name);
    }
}

TESSALINE_TEST_MAIN(TstTagCommands)
#include "tst_tagcommands.moc"
