// Tests of the editor features as the menus and the frame's buttons reach them: umlauts,
// conversions, the special-character palette, find next, undo and redo.
#include "app/HelpTopics.h"
#include "app/Main.h"
#include "editor/DocumentWindow.h"
#include "editor/FindReplace.h"
#include "editor/SpecialCharacterPalette.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"
#include "widgets/HintStatusBar.h"

#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <memory>

namespace
{

// QTest types only Latin-1 letters by key code; umlauts arrive as text of a key event.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

class TestEditorCommands : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_frame = std::make_unique<TMainForm>();
        m_frame->show();
    }
    void cleanup()
    {
        waitNoModal(1000);
        for (TMDIChild* child : m_frame->children())
            child->closeWithoutQuery();
        m_frame.reset();
        m_env.reset();
    }

    void autoUmlautsPerWindowWithPanelAndButton();
    void conversionsFromTheEditMenu();
    void paletteWritesIntoTheActiveDocument();
    void findNextFollowsTheFirstSearch();
    void paletteFromTheTagsMenuWithoutADocument();
    void undoAndRedo_data();
    void undoAndRedo();
    void redoButtonBesideUndo();

private:
    TMDIChild* newDocument()
    {
        m_frame->FileNewItemClick();
        runIdle();
        return m_frame->activeChild();
    }
    QString panel1() const
    {
        return m_frame->HintStatusBar1->panelText(QStringLiteral("HintStatusPanel1"));
    }
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TMainForm> m_frame;
};

void TestEditorCommands::autoUmlautsPerWindowWithPanelAndButton()
{
    TMDIChild* first = newDocument();
    typeText(first->TextMemo, QStringLiteral("ä"));
    QCOMPARE(first->TextMemo->text(), QStringLiteral("&auml;"));
    QCOMPARE(panel1(), QStringLiteral("AUML"));

    // F6 switches this window only.
    QTest::keyClick(first->TextMemo, Qt::Key_F6);
    QVERIFY(!first->action(QStringLiteral("AutoUmlaute1"))->isChecked());
    QCOMPARE(panel1(), QStringLiteral("UML"));
    typeText(first->TextMemo, QStringLiteral("ß"));
    QCOMPARE(first->TextMemo->text(), QStringLiteral("&auml;ß"));

    TMDIChild* second = newDocument();
    QCOMPARE(panel1(), QStringLiteral("AUML"));
    typeText(second->TextMemo, QStringLiteral("Ö"));
    QCOMPARE(second->TextMemo->text(), QStringLiteral("&Ouml;"));
    m_frame->control(QStringLiteral("SBtnAU"))->trigger();
    QCOMPARE(panel1(), QStringLiteral("UML"));
    typeText(second->TextMemo, QStringLiteral("ü"));
    QCOMPARE(second->TextMemo->text(), QStringLiteral("&Ouml;ü"));
    QVERIFY(!first->action(QStringLiteral("AutoUmlaute1"))->isChecked());
}

void TestEditorCommands::conversionsFromTheEditMenu()
{
    TMDIChild* child = newDocument();
    child->TextMemo->replaceSelection(QStringLiteral("Größe ändern\r\nohne"));
    QTest::keyClick(child->TextMemo, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(child->TextMemo->text(), QStringLiteral("Gr&ouml;&szlig;e &auml;ndern\r\nohne"));
    child->action(QStringLiteral("HTMLzuUmlauten1"))->trigger();
    QCOMPARE(child->TextMemo->text(), QStringLiteral("Größe ändern\r\nohne"));
    child->action(QStringLiteral("mZAnsiOem"))->trigger();
    const QString oem = child->TextMemo->text();
    QVERIFY(oem != QStringLiteral("Größe ändern\r\nohne"));
    QCOMPARE(oem.size(), QStringLiteral("Größe ändern\r\nohne").size());
    child->action(QStringLiteral("mZOemAnsi"))->trigger();
    QCOMPARE(child->TextMemo->text(), QStringLiteral("Größe ändern\r\nohne"));

    // A rich-text window is left alone by the code-page commands.
    const QString path = m_env->path(QStringLiteral("brief.rtf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi Gr\\'f6\\'dfe\\par}");
    file.close();
    TMDIChild* rich = m_frame->openDocument(path);
    QVERIFY(rich);
    const QString before = rich->TextMemo->text();
    rich->action(QStringLiteral("mZAnsiOem"))->trigger();
    QCOMPARE(rich->TextMemo->text(), before);
    QVERIFY(!rich->TextMemo->isModified());
}

void TestEditorCommands::paletteWritesIntoTheActiveDocument()
{
    runIdle();
    QVERIFY(!m_frame->control(QStringLiteral("SBtnMoreZeichen"))->isEnabled());
    TMDIChild* first = newDocument();
    QVERIFY(m_frame->control(QStringLiteral("SBtnMoreZeichen"))->isEnabled());
    m_frame->control(QStringLiteral("SBtnMoreZeichen"))->trigger();
    first->action(QStringLiteral("WeitereSonderzeichen1"))->trigger();
    QList<TFSonderZeichen*> palettes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* palette = qobject_cast<TFSonderZeichen*>(w); palette && palette->isVisible())
            palettes << palette;
    QCOMPARE(palettes.size(), 2);
    QVERIFY(palettes.first()->windowFlags() & Qt::WindowStaysOnTopHint);

    TMDIChild* second = newDocument();
    palettes.first()->button(1, 1, 1)->click();
    QVERIFY(first->TextMemo->text().isEmpty());
    QVERIFY(!second->TextMemo->text().isEmpty());
    QCOMPARE(second->TextMemo->text(), TFSonderZeichen::PendingEntity);

    // Without a document a click writes nowhere.
    first->closeWithoutQuery();
    second->closeWithoutQuery();
    QTRY_COMPARE(m_frame->documentCount(), 0);
    palettes.last()->button(1, 1, 2)->click();
    for (TFSonderZeichen* palette : palettes)
        palette->close();
}

void TestEditorCommands::findNextFollowsTheFirstSearch()
{
    TMDIChild* child = newDocument();
    child->TextMemo->replaceSelection(QStringLiteral("eins zwei eins"));
    child->TextMemo->setSelStart(0);
    QAction* next = child->action(QStringLiteral("FindNext1"));
    QAction* goTo = m_frame->control(QStringLiteral("SBtnGoto"));
    QVERIFY(!next->isEnabled());
    QVERIFY(!goTo->isEnabled());
    // Opening the find dialog starts the search state.
    m_frame->control(QStringLiteral("SBtnSearch"))->trigger();
    QVERIFY(child->SearchStarted);
    QVERIFY(next->isEnabled());
    QVERIFY(goTo->isEnabled());
    child->findReplace()->findDialog()->setFindText(QStringLiteral("eins"));
    child->findReplace()->Find();
    QCOMPARE(child->TextMemo->selStart(), 0);
    goTo->trigger();
    QCOMPARE(child->TextMemo->selStart(), 10);
    QCOMPARE(child->TextMemo->selLength(), 4);

    // Another document has not searched yet: the button follows the active one.
    newDocument();
    QVERIFY(!goTo->isEnabled());
}

void TestEditorCommands::paletteFromTheTagsMenuWithoutADocument()
{
    runIdle();
    QCOMPARE(m_frame->documentCount(), 0);
    // Every enabled item of the stand-in menus can be reached: each submenu on its way is
    // enabled. Only the items that work without a document are enabled.
    const QStringList withoutDocument{
        QStringLiteral("Einstellungen1"), QStringLiteral("Browser1aufrufen1"),
        QStringLiteral("Browser2aufrufen1"), QStringLiteral("FrameWeitereSonderzeichen1"),
        QStringLiteral("URLManager2"), QStringLiteral("InDateiensuchen2")};
    QStringList reached;
    for (const char* name : {"Bearbeiten2", "Optionen1", "Tags1", "Helfer2"}) {
        auto* top = m_frame->findChild<QMenu*>(QString::fromLatin1(name));
        QVERIFY2(top, name);
        for (QAction* item : top->findChildren<QAction*>()) {
            if (!item->isEnabled() || item->isSeparator() || item->menu())
                continue;
            QVERIFY2(withoutDocument.contains(item->objectName()), qPrintable(item->objectName()));
            for (auto* up = qobject_cast<QMenu*>(item->parent()); up && up != top;
                 up = qobject_cast<QMenu*>(up->parent()))
                QVERIFY2(up->menuAction()->isEnabled(),
                         qPrintable(item->objectName() + QStringLiteral(" in ") + up->title()));
            reached << item->objectName();
        }
    }
    QVERIFY(reached.contains(QStringLiteral("FrameWeitereSonderzeichen1")));
    // The other items of the palette's submenu still need a document.
    QVERIFY(!m_frame->control(QStringLiteral("FrameS31"))->isEnabled());

    QAction* palette = m_frame->control(QStringLiteral("FrameWeitereSonderzeichen1"));
    QVERIFY(palette->isEnabled());
    palette->trigger();
    TFSonderZeichen* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<TFSonderZeichen*>(w);
            candidate && candidate->isVisible())
            shown = candidate;
    QVERIFY(shown);
    shown->close();
}

void TestEditorCommands::undoAndRedo_data()
{
    QTest::addColumn<QString>("undoItem");
    QTest::addColumn<QString>("redoItem");
    QTest::addColumn<bool>("byKey");
    QTest::newRow("edit menu") << "Rckgngig2"
                               << "Wiederherstellen1" << false;
    QTest::newRow("context menu") << "Rckgngig1"
                                  << "Wiederherstellen2" << false;
    QTest::newRow("keys") << "Rckgngig2"
                          << "Wiederherstellen1" << true;
}

void TestEditorCommands::undoAndRedo()
{
    QFETCH(QString, undoItem);
    QFETCH(QString, redoItem);
    QFETCH(bool, byKey);
    QApplication::setActiveWindow(m_frame.get());
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    TMDIChild* child = newDocument();
    TExtRich* memo = child->TextMemo;
    QTRY_VERIFY(memo->hasFocus());
    QAction* undo = child->action(undoItem);
    QAction* redo = child->action(redoItem);
    QVERIFY(undo && redo);
    // Redo stands right under undo.
    auto* menu = qobject_cast<QMenu*>(undo->parent());
    QVERIFY(menu);
    QCOMPARE(menu->actions().indexOf(redo), menu->actions().indexOf(undo) + 1);
    // Which of the two the open menu offers (undo, redo).
    auto offered = [&] {
        menu->popup(QPoint(0, 0));
        if (menu == child->memoPopUp())
            child->Edit1Click(); // what the context menu's opening runs
        const QPair<bool, bool> state(undo->isEnabled(), redo->isEnabled());
        menu->hide();
        return state;
    };
    auto runUndo = [&] {
        if (byKey)
            QTest::keyClick(memo, Qt::Key_Backspace, Qt::AltModifier);
        else
            undo->trigger();
    };
    auto runRedo = [&] {
        if (byKey)
            QTest::keyClick(memo, Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
        else
            redo->trigger();
    };

    memo->document()->clearUndoRedoStacks();
    QCOMPARE(offered(), qMakePair(false, false));
    memo->replaceSelection(QStringLiteral("eins"));
    memo->replaceSelection(QStringLiteral(" zwei"));
    QCOMPARE(offered(), qMakePair(true, false));
    // Once the menu has closed the keys work again.
    runUndo();
    QCOMPARE(memo->text(), QStringLiteral("eins"));
    QCOMPARE(offered(), qMakePair(true, true));
    runUndo();
    QVERIFY(memo->text().isEmpty());
    QCOMPARE(offered(), qMakePair(false, true));
    runRedo();
    QCOMPARE(memo->text(), QStringLiteral("eins"));
    runRedo();
    QCOMPARE(memo->text(), QStringLiteral("eins zwei"));
    QCOMPARE(offered(), qMakePair(true, false));
    runRedo();
    QCOMPARE(memo->text(), QStringLiteral("eins zwei"));

    // A new edit after an undo leaves nothing to redo.
    runUndo();
    memo->replaceSelection(QStringLiteral("!"));
    QCOMPARE(offered(), qMakePair(true, false));
    runRedo();
    QCOMPARE(memo->text(), QStringLiteral("eins!"));
}

void TestEditorCommands::redoButtonBesideUndo()
{
    QApplication::setActiveWindow(m_frame.get());
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QAction* undo = m_frame->control(QStringLiteral("SBtnUndo"));
    QAction* redo = m_frame->control(QStringLiteral("SBtnRedo"));
    QVERIFY(redo);
    const QList<QAction*> buttons = m_frame->toolBar(3)->actions();
    QCOMPARE(buttons.indexOf(redo), buttons.indexOf(undo) + 1);
    QCOMPARE(redo->toolTip(), QStringLiteral("Wiederherstellen"));
    QVERIFY(!redo->icon().isNull());
    runIdle();
    QVERIFY(!redo->isEnabled());

    TMDIChild* child = newDocument();
    TExtRich* memo = child->TextMemo;
    QTRY_VERIFY(memo->hasFocus());
    QTest::keyClicks(memo, QStringLiteral("Text"));
    runIdle();
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    undo->trigger();
    QVERIFY(memo->text().isEmpty());
    runIdle();
    QVERIFY(redo->isEnabled());
    redo->trigger();
    QCOMPARE(memo->text(), QStringLiteral("Text"));
    runIdle();
    QVERIFY(!redo->isEnabled());

    // The keyboard page lists the new key with its command.
    const QString page = keyboardTableHtml();
    const QString key =
        QKeySequence(QStringLiteral("Alt+Shift+Backspace")).toString(QKeySequence::NativeText);
    QVERIFY2(page.contains(QStringLiteral("<td>%1</td><td>Wiederherstellen</td>").arg(key)),
             qPrintable(page));
}

TESSALINE_TEST_MAIN(TestEditorCommands)
#include "tst_editorcommands.moc"
