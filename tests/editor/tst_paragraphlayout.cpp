// Tests of the text control's layout and its glyph cache: a change lays out only its own block,
// unwrapped text is as wide as its widest line, and only the blocks on screen keep glyphs.
#include "editor/ShownEdit.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <memory>

class TstParagraphLayout : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void changeLaysOutOnlyItsBlock();
    void blockGrowingByARowDrawsTheBlocksBelow();
    void unwrappedWidthFollowsTheWidestLine();
    void onlyShownBlocksKeepGlyphs();
    void resizedViewWrapsAtItsNewWidth();
    void caretShownOverLinesOfAnEarlierText_data();
    void caretShownOverLinesOfAnEarlierText();

private:
    TExtRich* shownEdit(const QString& text);
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TExtRich> m_edit;
};

void TstParagraphLayout::init()
{
    m_env = std::make_unique<TestEnvironment>();
}

void TstParagraphLayout::cleanup()
{
    m_edit.reset();
    m_env.reset();
}

TExtRich* TstParagraphLayout::shownEdit(const QString& text)
{
    m_edit = showEdit(text, QSize(400, 300));
    return m_edit.get();
}

void TstParagraphLayout::changeLaysOutOnlyItsBlock()
{
    TExtRich* edit = shownEdit(QStringLiteral("<p>eins</p>\n<p>zwei</p>\n<p>drei</p>\n"));
    QVERIFY(edit);
    QTextDocument* doc = edit->document();
    const QTextBlock second = doc->findBlockByNumber(1);
    QVERIFY(second.layout()->lineCount() > 0);
    // Three characters replaced at the end of the first line: the block behind keeps its lines.
    QTextCursor cursor(doc);
    cursor.setPosition(doc->firstBlock().length() - 4);
    cursor.setPosition(doc->firstBlock().length() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("xyz"));
    QCOMPARE(doc->firstBlock().text(), QStringLiteral("<p>eins<xyz"));
    QVERIFY(doc->firstBlock().layout()->lineCount() > 0);
    QVERIFY(second.layout()->lineCount() > 0);
    // A line that wraps anew still moves the lines behind it.
    const int linesBefore = doc->lineCount();
    cursor.insertText(QString(400, u'w'));
    QVERIFY(doc->lineCount() > linesBefore);
}

// A key that wraps its block onto one more row moves the blocks below: they are drawn again,
// not only the rows the key changed.
void TstParagraphLayout::blockGrowingByARowDrawsTheBlocksBelow()
{
    TExtRich* edit = shownEdit(QStringLiteral("<p>eins</p>\n<p>zwei</p>\n<p>drei</p>\n"));
    QVERIFY(edit);
    QTextDocument* doc = edit->document();
    const QTextBlock first = doc->firstBlock();
    QTextCursor cursor(doc);
    cursor.setPosition(first.length() - 1);
    PaintedRegion painted;
    edit->viewport()->installEventFilter(&painted);
    while (first.layout()->lineCount() < 2) {
        QCoreApplication::processEvents();
        painted.region = QRegion();
        cursor.insertText(QStringLiteral("w "));
        QCoreApplication::processEvents();
    }
    const QRect third = edit->cursorRect(QTextCursor(doc->findBlockByNumber(2)));
    QVERIFY2(painted.region.contains(third.center()),
             qPrintable(QStringLiteral("drawn: %1").arg(painted.region.boundingRect().height())));
}

void TstParagraphLayout::unwrappedWidthFollowsTheWidestLine()
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("<p>kurz</p>\n");
    const QString longLine = QString(300, u'm');
    TExtRich* edit = shownEdit(text + longLine + u'\n' + text);
    QVERIFY(edit);
    edit->setWordWrap(false);
    edit->viewport()->repaint();
    QScrollBar* bar = edit->horizontalScrollBar();
    // Only the long line, far below the screen, reaches past the view once it is laid out.
    edit->setSelStart(edit->firstPositionOfLine(200));
    edit->ensureCursorVisible();
    edit->viewport()->repaint();
    const int wide = QFontMetrics(edit->document()->defaultFont()).horizontalAdvance(longLine);
    QTRY_VERIFY(bar->maximum() >= wide - edit->viewport()->width() - 2);
    // Typing in the widest line widens it; deleting there never makes every line be measured
    // again, the width simply stays until the text is replaced.
    QTextCursor cursor(edit->document()->findBlockByNumber(200));
    cursor.insertText(QStringLiteral("mmmm"));
    const int wider = bar->maximum();
    QVERIFY(wider > 0);
    cursor.deletePreviousChar();
    QCOMPARE(bar->maximum(), wider);
    edit->loadText(text);
    edit->viewport()->repaint();
    QTRY_COMPARE(bar->maximum(), 0);
}

void TstParagraphLayout::onlyShownBlocksKeepGlyphs()
{
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("<p class=\"z\">Zeile %1</p>\n").arg(i);
    TExtRich* edit = shownEdit(text);
    QVERIFY(edit);
    QTextDocument* doc = edit->document();
    QVERIFY(doc->firstBlock().layout()->cacheEnabled());
    QVERIFY(!doc->findBlockByNumber(1500).layout()->cacheEnabled());

    QScrollBar* bar = edit->verticalScrollBar();
    bar->setValue(bar->maximum());
    edit->viewport()->repaint();
    // The first block gave its glyphs back (and its lines with them); the last one keeps them.
    QVERIFY(!doc->firstBlock().layout()->cacheEnabled());
    QCOMPARE(doc->firstBlock().layout()->lineCount(), 0);
    QVERIFY(doc->lastBlock().previous().layout()->cacheEnabled());

    // Blocks deleted while on screen, and the text replaced, leave nothing behind to trip over.
    QTextCursor cursor(doc);
    cursor.setPosition(doc->findBlockByNumber(1980).position());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    edit->viewport()->repaint();
    bar->setValue(0);
    edit->viewport()->repaint();
    QVERIFY(doc->firstBlock().layout()->cacheEnabled());
    edit->loadText(QStringLiteral("<b>neu</b>"));
    edit->viewport()->repaint();
    QVERIFY(doc->firstBlock().layout()->cacheEnabled());
    QCOMPARE(doc->blockCount(), 1);
}

void TstParagraphLayout::resizedViewWrapsAtItsNewWidth()
{
    // Blocks are laid out for a new width when they are needed, on screen or far below it.
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QString(120, QChar(u'a' + i % 26)) + u'\n';
    TExtRich* edit = shownEdit(text);
    QVERIFY(edit);
    QTextDocument* doc = edit->document();
    QList<int> rows;
    for (const int width : {260, 520}) {
        edit->resize(width, 300);
        for (const int number : {299, 0}) {
            const QTextBlock block = doc->findBlockByNumber(number);
            edit->setSelStart(edit->firstPositionOfLine(number) + 100);
            edit->viewport()->repaint();
            const QTextLayout* layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i)
                QVERIFY(layout->lineAt(i).naturalTextWidth() <= edit->viewport()->width());
            QVERIFY(edit->cursorRect().right() <= edit->viewport()->width());
            rows.append(layout->lineCount());
        }
    }
    QVERIFY2(
        rows[0] == rows[1] && rows[2] == rows[3] && rows[0] > rows[2],
        qPrintable(
            QStringLiteral("%1 %2 %3 %4").arg(rows[0]).arg(rows[1]).arg(rows[2]).arg(rows[3])));
}

void TstParagraphLayout::caretShownOverLinesOfAnEarlierText_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("never shown") << false;
    QTest::newRow("shown") << true;
}

void TstParagraphLayout::caretShownOverLinesOfAnEarlierText()
{
    // A block left with lines for only the start of its text: bringing the caret behind them
    // into view lays the block out again instead of reading a line that is not there.
    QFETCH(bool, shown);
    const QString text = QStringLiteral("kurz\n") + QString(3000, u'w') + QStringLiteral("\nende");
    auto edit = std::make_unique<TExtRich>();
    edit->loadText(text);
    if (shown) {
        edit->show();
        QVERIFY(QTest::qWaitForWindowExposed(edit.get()));
    }
    const QTextBlock block = edit->document()->findBlockByNumber(1);
    QTextLayout* layout = block.layout();
    layout->beginLayout();
    layout->createLine().setNumColumns(5);
    layout->endLayout();
    QCOMPARE(layout->lineCount(), 1);

    QTextCursor caret(edit->document());
    caret.setPosition(block.position() + 500);
    edit->setTextCursor(caret);
    edit->ensureCursorVisible();
    edit->centerCursor();
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    QCOMPARE(last.textStart() + last.textLength(), block.length() - 1);
}

TESSALINE_TEST_MAIN(TstParagraphLayout)
#include "tst_paragraphlayout.moc"
