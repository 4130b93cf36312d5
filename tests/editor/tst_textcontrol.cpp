// Tests of the text control: CR LF positions, replacing and undo, lines, caret and mode reports,
// command keys, paragraph formats and clipboard modes.
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>
#include <climits>

using Indents = TExtRich::ParagraphIndents;
Q_DECLARE_METATYPE(Indents)

class TstTextControl : public QObject
{
    Q_OBJECT

private slots:
    void positions_data();
    void positions();
    void replaceSelection_data();
    void replaceSelection();
    void loadTextStartsClean();
    void lines();
    void caretReports_data();
    void caretReports();
    void mouseSelectionReports_data();
    void mouseSelectionReports();
    void insertModeToggle();
    void commandKeys();
    void builtInControlKeys();
    void indentsRoundTrip_data();
    void indentsRoundTrip();
    void indentsFromPixels_data();
    void indentsFromPixels();
    void indentsApplyToSelectedParagraphs();
    void singleIndentKeepsTheOthers();
    void indentsAreDrawn();
    void paragraphAlignmentIsDrawn();
    void wordWrapAndScrollBars();
    void tabKey();
    void alignment();
    void paste_data();
    void paste();
    void gutterAndProperties();
    void oddInputDoesNotCrash();

private:
    static QPoint pointOf(TExtRich& edit, int pos);
    TestEnvironment m_env;
};

// The centre of the caret rectangle at an interface position, in viewport coordinates.
QPoint TstTextControl::pointOf(TExtRich& edit, int pos)
{
    const int saved = edit.selStart();
    edit.setSelStart(pos);
    const QPoint point = edit.cursorRect().center();
    edit.setSelStart(saved);
    return point;
}

void TstTextControl::positions_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expectedStart");
    QTest::addColumn<int>("expectedLength");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("inside a line") << 1 << 1 << 1 << 1 << "b";
    QTest::newRow("across a break") << 1 << 4 << 1 << 4 << "b\r\nc";
    QTest::newRow("two breaks") << 0 << 10 << 0 << 10 << "ab\r\ncd\r\nef";
    QTest::newRow("start between CR and LF") << 3 << 0 << 2 << 0 << "";
    QTest::newRow("from between CR and LF") << 3 << 2 << 2 << 2 << "\r\n";
    QTest::newRow("end between CR and LF") << 0 << 3 << 0 << 2 << "ab";
    QTest::newRow("start of last line") << 8 << 2 << 8 << 2 << "ef";
    QTest::newRow("length beyond the end") << 8 << 100 << 8 << 2 << "ef";
    QTest::newRow("start beyond the end") << 100 << 5 << 10 << 0 << "";
    QTest::newRow("negative values") << -5 << -3 << 0 << 0 << "";
    QTest::newRow("huge length") << 1 << INT_MAX << 1 << 9 << "b\r\ncd\r\nef";
}

void TstTextControl::positions()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, expectedStart);
    QFETCH(int, expectedLength);
    QFETCH(QString, expectedText);

    for (const QString& text : {QStringLiteral("ab\r\ncd\r\nef"), QStringLiteral("ab\ncd\nef")}) {
        TExtRich edit;
        edit.loadText(text);
        QCOMPARE(edit.textLength(), 10);
        QCOMPARE(edit.text(), QStringLiteral("ab\r\ncd\r\nef"));
        edit.setSelStart(start);
        edit.setSelLength(length);
        QCOMPARE(edit.selStart(), expectedStart);
        QCOMPARE(edit.selLength(), expectedLength);
        QCOMPARE(edit.selText(), expectedText);
    }
}

void TstTextControl::replaceSelection_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedCaret");

    QTest::newRow("insert at caret") << 2 << 0 << "<b>"
                                     << "ab<b>\r\ncd" << 5;
    QTest::newRow("CR LF text") << 1 << 0 << "x\r\ny"
                                << "ax\r\nyb\r\ncd" << 5;
    QTest::newRow("LF text") << 1 << 0 << "x\ny"
                             << "ax\r\nyb\r\ncd" << 5;
    QTest::newRow("lone CR is a break") << 1 << 0 << "x\ry"
                                        << "ax\r\nyb\r\ncd" << 5;
    QTest::newRow("over a break") << 1 << 4 << "-"
                                  << "a-d" << 2;
    QTest::newRow("NUL character")
        << 0 << 2 << QString(QChar(0)) << QString(QChar(0)) + "\r\ncd" << 1;
    QTest::newRow("empty replaces") << 0 << 4 << ""
                                    << "cd" << 0;
}

void TstTextControl::replaceSelection()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, replacement);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedCaret);

    TExtRich edit;
    edit.loadText("ab\r\ncd");
    edit.setSelStart(start);
    edit.setSelLength(length);
    edit.replaceSelection(replacement);
    QCOMPARE(edit.text(), expectedText);
    QCOMPARE(edit.selStart(), expectedCaret);
    QCOMPARE(edit.selLength(), 0);
    QVERIFY(edit.isModified());

    // Each replacement is one undo step of its own.
    edit.replaceSelection("z");
    edit.undoLast();
    QCOMPARE(edit.text(), expectedText);
    QVERIFY(edit.canUndo());
    edit.undoLast();
    QCOMPARE(edit.text(), QStringLiteral("ab\r\ncd"));
    QVERIFY(!edit.canUndo());
}

void TstTextControl::loadTextStartsClean()
{
    TExtRich edit;
    edit.replaceSelection("old");
    edit.loadText("one\ntwo\r\nthree");
    QCOMPARE(edit.lineCount(), 3);
    QCOMPARE(edit.selStart(), 0);
    QVERIFY(!edit.isModified());
    QVERIFY(!edit.canUndo());
    edit.replaceSelection("x");
    QVERIFY(edit.isModified());
    edit.setModified(false);
    QVERIFY(!edit.isModified());
}

void TstTextControl::lines()
{
    TExtRich edit;
    QCOMPARE(edit.lineCount(), 1);
    edit.loadText("ab\n\ncde\n");
    QCOMPARE(edit.lineCount(), 4);
    QCOMPARE(edit.line(2), QStringLiteral("cde"));
    QCOMPARE(edit.line(3), QString());
    QCOMPARE(edit.line(4), QString());
    QCOMPARE(edit.line(-1), QString());

    // ab CR LF | CR LF | cde CR LF | (empty): lines start at 0, 4, 6, 11.
    const QList<int> firsts = {0, 4, 6, 11};
    for (int i = 0; i < firsts.size(); ++i)
        QCOMPARE(edit.firstPositionOfLine(i), firsts[i]);
    QCOMPARE(edit.firstPositionOfLine(-2), 0);
    QCOMPARE(edit.firstPositionOfLine(9), 11);
    const QList<QPair<int, int>> lineOf = {{0, 0}, {2, 0},  {3, 0},  {4, 1},  {5, 1},
                                           {6, 2}, {10, 2}, {11, 3}, {99, 3}, {-7, 0}};
    for (const auto& [pos, line] : lineOf)
        QCOMPARE(edit.lineOfPosition(pos), line);

    edit.setSelStart(7);
    edit.setLine(0, "XYZW");
    QCOMPARE(edit.text(), QStringLiteral("XYZW\r\n\r\ncde\r\n"));
    QCOMPARE(edit.selStart(), 9); // the caret keeps its place in the text
    edit.setLine(1, "1\n2");
    QCOMPARE(edit.lineCount(), 5);
    edit.undoLast();
    edit.undoLast();
    QCOMPARE(edit.text(), QStringLiteral("ab\r\n\r\ncde\r\n"));
    edit.setLine(10, "ignored");
    QCOMPARE(edit.lineCount(), 4);

    edit.clearLines();
    QCOMPARE(edit.lineCount(), 1);
    QCOMPARE(edit.text(), QString());
}

void TstTextControl::caretReports_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<QList<int>>("keys"); // Shift+arrow keys pressed one after another
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("selStart");

    using L = QList<int>;
    QTest::newRow("start of text") << 0 << L{} << 0 << 1 << 0;
    QTest::newRow("forward shows the end") << 1 << L{Qt::Key_Right, Qt::Key_Right} << 3 << 1 << 1;
    QTest::newRow("backward shows the start") << 3 << L{Qt::Key_Left, Qt::Key_Left} << 1 << 1 << 1;
    QTest::newRow("backward then shrunk")
        << 4 << L{Qt::Key_Left, Qt::Key_Left, Qt::Key_Right} << 3 << 1 << 3;
    QTest::newRow("forward over lines")
        << 1 << L{Qt::Key_Down, Qt::Key_Down, Qt::Key_Right} << 2 << 3 << 1;
    QTest::newRow("backward over lines") << 15 << L{Qt::Key_Up, Qt::Key_Left} << 6 << 1 << 6;
}

void TstTextControl::caretReports()
{
    QFETCH(int, caret);
    QFETCH(QList<int>, keys);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, selStart);

    TExtRich edit;
    edit.resize(400, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.loadText("abcdef\nghijk\nlmnop");
    edit.setSelStart(caret);
    QSignalSpy spy(&edit, &TExtRich::posChange);
    edit.reportPosition();
    for (int key : keys)
        QTest::keyClick(&edit, Qt::Key(key), Qt::ShiftModifier);
    QCOMPARE(edit.selStart(), selStart);
    QCOMPARE(spy.last(), (QList<QVariant>{col, row}));
}

void TstTextControl::mouseSelectionReports_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("col");

    QTest::newRow("forward") << 1 << 4 << 4;
    QTest::newRow("backward") << 4 << 1 << 1;
}

void TstTextControl::mouseSelectionReports()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, col);

    TExtRich edit;
    edit.resize(400, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.loadText("abcdef");
    const QPoint press = pointOf(edit, from);
    const QPoint release = pointOf(edit, to);
    QSignalSpy spy(&edit, &TExtRich::posChange);
    QWidget* viewport = edit.viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, press);
    QCOMPARE(spy.last(), (QList<QVariant>{from, 1}));
    QMouseEvent move(QEvent::MouseMove, release, viewport->mapToGlobal(release), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, release);
    QCOMPARE(edit.selLength(), 3);
    QCOMPARE(spy.last(), (QList<QVariant>{col, 1}));
}

void TstTextControl::insertModeToggle()
{
    TExtRich edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QVERIFY(edit.insertMode());
    QSignalSpy spy(&edit, &TExtRich::modeChange);
    edit.loadText("abc");
    QTest::keyClick(&edit, Qt::Key_Insert);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.last().first().toBool(), false);
    QTest::keyClick(&edit, Qt::Key_X);
    QCOMPARE(edit.text(), QStringLiteral("xbc"));
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::ControlModifier); // copy, not a mode change
    QCOMPARE(spy.size(), 1);
    QTest::keyClick(&edit, Qt::Key_Insert);
    QCOMPARE(spy.last().first().toBool(), true);
    QTest::keyClick(&edit, Qt::Key_Y);
    QCOMPARE(edit.text(), QStringLiteral("xybc"));
}

void TstTextControl::commandKeys()
{
    QWidget window;
    auto* edit = new TExtRich(&window);
    (new QVBoxLayout(&window))->addWidget(edit);
    auto* undoCommand = new QAction(&window);
    undoCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    window.addAction(undoCommand);
    int fired = 0;
    connect(undoCommand, &QAction::triggered, &window, [&fired] { ++fired; });
    const QKeySequence altBackspace(Qt::ALT | Qt::Key_Backspace);
    edit->setCommandKeys({undoCommand->shortcut(), altBackspace});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    QTest::keyClicks(edit, "abc");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fired, 1);
    QCOMPARE(edit->text(), QStringLiteral("abc"));

    // A disabled command's key is swallowed, never the control's own undo.
    undoCommand->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(fired, 1);
    QCOMPARE(edit->text(), QStringLiteral("abc"));
}

void TstTextControl::builtInControlKeys()
{
    TExtRich edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QApplication::clipboard()->clear();
    QTest::keyClicks(&edit, "ab");
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit.selLength(), 0);
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_A);
    QCOMPARE(edit.text(), QStringLiteral("aba"));

    // Cut, copy and paste stay with the control.
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("abaaba"));

    // Ctrl+Alt is AltGr and types its character; Shift+Return breaks the line for real.
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_Q, QStringLiteral("@"),
                        Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(edit.text(), QStringLiteral("abaaba@\r\n"));
    QCOMPARE(edit.lineCount(), 2);
}

void TstTextControl::indentsRoundTrip_data()
{
    QTest::addColumn<Indents>("indents");
    QTest::newRow("zero") << Indents{0, 0, 0};
    QTest::newRow("typical") << Indents{10, 20, 5};
    QTest::newRow("hanging") << Indents{30, -30, 0};
    QTest::newRow("odd points") << Indents{1, 7, 13};
    QTest::newRow("negative") << Indents{-4, -11, -7};
}

void TstTextControl::indentsRoundTrip()
{
    QFETCH(Indents, indents);
    TExtRich edit;
    edit.loadText("one\ntwo");
    edit.setParagraphIndents(indents);
    QCOMPARE(edit.paragraphIndents(), indents);
    const QTextBlockFormat format = edit.document()->firstBlock().blockFormat();
    QCOMPARE(format.leftMargin(), (indents.first + indents.left) * 4.0 / 3.0);
    QCOMPARE(format.textIndent(), -indents.left * 4.0 / 3.0);
    QCOMPARE(format.rightMargin(), indents.right * 4.0 / 3.0);
}

void TstTextControl::indentsFromPixels_data()
{
    QTest::addColumn<qreal>("leftMargin");
    QTest::addColumn<qreal>("textIndent");
    QTest::addColumn<qreal>("rightMargin");
    QTest::addColumn<Indents>("indents");
    QTest::newRow("whole") << 40.0 << -20.0 << 8.0 << Indents{15, 15, 6};
    QTest::newRow("truncated") << 14.0 << -7.0 << 3.0 << Indents{5, 5, 2};
    QTest::newRow("toward zero") << 0.0 << 2.0 << -3.0 << Indents{1, -1, -2};
}

void TstTextControl::indentsFromPixels()
{
    QFETCH(qreal, leftMargin);
    QFETCH(qreal, textIndent);
    QFETCH(qreal, rightMargin);
    QFETCH(Indents, indents);
    TExtRich edit;
    QTextBlockFormat format;
    format.setLeftMargin(leftMargin);
    format.setTextIndent(textIndent);
    format.setRightMargin(rightMargin);
    edit.textCursor().setBlockFormat(format);
    QCOMPARE(edit.paragraphIndents(), indents);
}

void TstTextControl::indentsApplyToSelectedParagraphs()
{
    TExtRich edit;
    edit.loadText("a\nb\nc\nd");
    edit.setSelStart(1);
    edit.setSelLength(5); // from the end of line 0 into line 2
    const Indents indents{12, 6, 3};
    edit.setParagraphIndents(indents);
    const QList<bool> touched = {true, true, true, false};
    for (int i = 0; i < touched.size(); ++i) {
        edit.setSelStart(edit.firstPositionOfLine(i));
        QCOMPARE(edit.paragraphIndents() == indents, touched[i]);
    }
    edit.undoLast();
    for (int i = 0; i < touched.size(); ++i) {
        edit.setSelStart(edit.firstPositionOfLine(i));
        QCOMPARE(edit.paragraphIndents(), Indents{});
    }
}

void TstTextControl::singleIndentKeepsTheOthers()
{
    TExtRich edit;
    edit.loadText("a\nb");
    edit.setParagraphIndents({4, 5, 6});
    edit.setSelStart(3);
    edit.setParagraphIndents({1, 2, 3});
    edit.setSelStart(0);
    edit.setSelLength(3); // both paragraphs
    edit.setLeftIndent(-14);
    edit.setRightIndent(9);
    QCOMPARE(edit.paragraphIndents(), Indents({4, -14, 9}));
    edit.setSelStart(3);
    QCOMPARE(edit.paragraphIndents(), Indents({1, -14, 9}));
}

void TstTextControl::indentsAreDrawn()
{
    TExtRich edit;
    edit.resize(300, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    const QString words = QString("Wort ").repeated(60);
    edit.loadText(words + "\nzweite Zeile");
    const QTextBlock block = edit.document()->firstBlock();
    const int plainLines = block.layout()->lineCount();
    QVERIFY(plainLines > 1);
    const qreal plainHeight = edit.document()->documentLayout()->blockBoundingRect(block).height();

    edit.setParagraphIndents({30, -15, 15}); // 40, 20 and 20 pixels
    QCOMPARE(pointOf(edit, 0).x(), 40);
    const QTextLayout* layout = block.layout();
    const QTextLine second = layout->lineAt(1);
    QCOMPARE(pointOf(edit, second.textStart()).x(), 20);
    QCOMPARE(qRound(second.x() + second.width()), edit.viewport()->width() - 20);
    QVERIFY(layout->lineCount() > plainLines);
    QCOMPARE(block.lineCount(), layout->lineCount());
    QVERIFY(edit.document()->documentLayout()->blockBoundingRect(block).height() > plainHeight);
    QCOMPARE(pointOf(edit, edit.firstPositionOfLine(1)).x(), 0);

    // Typing lays the paragraph out again, still indented.
    edit.setSelStart(0);
    QTest::keyClicks(&edit, "xy");
    QCOMPARE(edit.line(0).left(3), QStringLiteral("xyW"));
    QCOMPARE(edit.cursorRect().left(), 40 + edit.fontMetrics().horizontalAdvance("xy"));

    // Cleared, the text starts at the gutter again; indents wider than the view leave room.
    edit.setParagraphIndents({});
    QCOMPARE(pointOf(edit, 0).x(), 0);
    edit.setParagraphIndents({200, 0, 200});
    QCOMPARE(pointOf(edit, 0).x(), 267); // 266.7 pixels
    QVERIFY(block.layout()->lineAt(0).width() > 10);
}

void TstTextControl::paragraphAlignmentIsDrawn()
{
    TExtRich edit;
    edit.setPlainTextMode(false);
    edit.resize(300, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.loadText("links\nrechts");
    edit.setSelStart(edit.firstPositionOfLine(1));
    edit.setTextAlignment(Qt::AlignRight);
    edit.setParagraphIndents({0, 0, 15});
    const int right = edit.viewport()->width() - 20;
    QVERIFY(qAbs(pointOf(edit, edit.textLength()).x() - right) <= 2);
    QVERIFY(pointOf(edit, edit.firstPositionOfLine(1)).x() > right / 2);
    QVERIFY(pointOf(edit, 5).x() < right / 2);
}

void TstTextControl::wordWrapAndScrollBars()
{
    TExtRich edit;
    edit.resize(300, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.loadText(QString("lang ").repeated(200) + "\nkurz");
    QVERIFY(edit.wordWrap());
    QCOMPARE(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(edit.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    edit.setWordWrap(false);
    QVERIFY(!edit.wordWrap());
    QTRY_VERIFY(edit.horizontalScrollBar()->isVisible());
    QVERIFY(edit.horizontalScrollBar()->maximum() > 0);
    QCOMPARE(edit.document()->firstBlock().lineCount(), 1);

    edit.setWordWrap(true);
    QTRY_VERIFY(!edit.horizontalScrollBar()->isVisible());
    QCOMPARE(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(edit.document()->firstBlock().lineCount() > 1);
    QCOMPARE(edit.lineCount(), 2); // hard lines
}

void TstTextControl::tabKey()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new TExtRich;
    auto* next = new QLineEdit;
    layout->addWidget(edit);
    layout->addWidget(next);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QVERIFY(edit->wantTabs());

    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), QStringLiteral("\t"));
    QVERIFY(edit->hasFocus());

    edit->setWantTabs(false);
    QVERIFY(!edit->wantTabs());
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), QStringLiteral("\t"));
    QTRY_VERIFY(next->hasFocus());
}

void TstTextControl::alignment()
{
    TExtRich plain;
    plain.loadText("a\nb");
    const QTextOption::WrapMode wrap = plain.document()->defaultTextOption().wrapMode();
    QCOMPARE(plain.textAlignment(), Qt::AlignLeft);
    plain.setTextAlignment(Qt::AlignRight);
    QCOMPARE(plain.textAlignment(), Qt::AlignRight);
    plain.loadText("c");
    QCOMPARE(plain.document()->defaultTextOption().alignment(), Qt::AlignRight);
    QCOMPARE(plain.document()->defaultTextOption().wrapMode(), wrap);

    TExtRich rich;
    rich.setPlainTextMode(false);
    rich.loadText("a\nb\nc");
    rich.setSelStart(3);
    rich.setSelLength(3);
    rich.setTextAlignment(Qt::AlignHCenter);
    QCOMPARE(rich.textAlignment(), Qt::AlignHCenter);
    const QTextDocument* doc = rich.document();
    QCOMPARE(doc->findBlockByNumber(0).blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(doc->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(doc->findBlockByNumber(2).blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(doc->defaultTextOption().alignment(), Qt::AlignLeft);
}

void TstTextControl::paste_data()
{
    QTest::addColumn<bool>("plainMode");
    QTest::addColumn<bool>("bold");
    QTest::newRow("plain mode takes plain text") << true << false;
    QTest::newRow("rich mode takes rich text") << false << true;
}

void TstTextControl::paste()
{
    QFETCH(bool, plainMode);
    QFETCH(bool, bold);
    TExtRich edit;
    edit.setPlainTextMode(plainMode);
    auto* data = new QMimeData;
    data->setHtml("<b>fett</b><br>zwei");
    data->setText("fett\r\nzwei");
    QApplication::clipboard()->setMimeData(data);
    edit.pasteClipboard();
    QCOMPARE(edit.text(), QStringLiteral("fett\r\nzwei"));
    QCOMPARE(edit.selStart(), 10);
    const QTextBlock first = edit.document()->firstBlock();
    QCOMPARE(first.begin().fragment().charFormat().fontWeight() == QFont::Bold, bold);
    edit.undoLast();
    QCOMPARE(edit.text(), QString());

    // Copying in plain mode offers plain text only.
    edit.loadText("x\ny");
    edit.selectAllText();
    edit.copySelection();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), QStringLiteral("x\ny"));
    QCOMPARE(copied->hasHtml(), !plainMode);
}

void TstTextControl::gutterAndProperties()
{
    TExtRich edit;
    edit.resize(300, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.setEditRect();
    const QRect client = edit.contentsRect();
    QCOMPARE(edit.viewport()->geometry().left() - client.left(), 6);
    QVERIFY(client.right() - edit.viewport()->geometry().right() >= 6);
    QCOMPARE(edit.cursorRect().left(), 0);
    QCOMPARE(edit.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!edit.tabChangesFocus());

    // A palette set later still paints the selection of an unfocused control.
    QPalette pal = edit.palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, Qt::gray);
    pal.setColor(QPalette::Active, QPalette::Highlight, Qt::darkBlue);
    edit.setPalette(pal);
    QCOMPARE(edit.palette().color(QPalette::Inactive, QPalette::Highlight), QColor(Qt::darkBlue));
}

void TstTextControl::oddInputDoesNotCrash()
{
    TExtRich edit;
    edit.resize(300, 200);
    edit.show();
    QString text(200000, QChar(u'x'));
    text[5] = QChar(0);
    text += "\r\n\r\r\n" + QString(QChar::LineSeparator) + QString(QChar::ParagraphSeparator);
    edit.loadText(text);
    // U+2028 is a character of its line, not a line break.
    QCOMPARE(edit.lineCount(), 5);
    QCOMPARE(edit.line(0).at(5), QChar(0));
    QCOMPARE(edit.line(0).size(), 200000);
    QCOMPARE(edit.line(3), QString(QChar::LineSeparator));
    QCOMPARE(edit.textLength(), 200000 + 4 * 2 + 1);
    edit.setSelStart(INT_MAX);
    QCOMPARE(edit.selStart(), edit.textLength());
    edit.setSelLength(INT_MAX);
    edit.setSelStart(INT_MIN);
    edit.setSelLength(INT_MAX);
    QCOMPARE(edit.selLength(), edit.textLength());
    QCOMPARE(edit.lineOfPosition(INT_MAX), 4);
    QCOMPARE(edit.firstPositionOfLine(INT_MAX), edit.textLength());
    edit.setLine(INT_MIN, "x");
    QTest::keyClick(&edit, Qt::Key_End);
    edit.reportPosition();
}

TESSALINE_TEST_MAIN(TstTextControl)
#include "tst_textcontrol.moc"
