// Tests of the HTML colours: the classes of every construct, states across lines and cuts, the
// colouring of only what is shown, forward-only recolouring and the background's lightness.
#include "editor/HtmlHighlighter.h"
#include "editor/ShownEdit.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using H = HtmlHighlighter;
using C = H::ColourClass;
Q_DECLARE_METATYPE(H::ColourClass)

namespace
{

// The class of every character of a line, one letter each: . text, t tag, a attribute name,
// v value, c comment, r reference, d document type.
QString classString(const QList<H::Span>& spans, int length)
{
    QString result(length, u'.');
    static const char letters[] = ".tavcrd";
    for (const H::Span& span : spans)
        for (int i = span.start; i < span.start + span.length && i < length; ++i)
            result[i] = QLatin1Char(letters[int(span.colour)]);
    return result;
}

QString shownClasses(const QTextBlock& block)
{
    static const char letters[] = ".tavcrd";
    QString result;
    for (int i = 0; i < block.length() - 1; ++i)
        result += QLatin1Char(letters[int(H::classAt(block, i))]);
    return result;
}

} // namespace

class TstHighlighter : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void lineClasses_data();
    void lineClasses();
    void statesAcrossLines();
    void onlyShownBlocksAreColoured();
    void commentAtTopRecoloursOnlyWhatIsShown();
    void unchangedEndStateKeepsLaterStates();
    void piecesOfALongLineContinueTheState();
    void farJumpFindsTheStateAtTheEnd_data();
    void farJumpFindsTheStateAtTheEnd();
    void recolourStopsWhereTheStateIsUnchanged();
    void randomEditsKeepShownColoursTrue();
    void wholeTextChangesRecolourEveryLine_data();
    void wholeTextChangesRecolourEveryLine();
    void statesBelowTheScreenWaitForAJump();
    void coloursFollowBackground();
    void switchingOffRemovesColours();
    void richTextStaysUncoloured();

private:
    TExtRich* shownEdit(const QString& text);
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TExtRich> m_edit;
};

TExtRich* TstHighlighter::shownEdit(const QString& text)
{
    m_edit = showEdit(text, QSize(500, 300));
    return m_edit.get();
}

void TstHighlighter::lineClasses_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("classes");
    QTest::addColumn<int>("end");

    QTest::newRow("tag with attributes") << R"(<a href="x.html" id=k>Hallo</a>)" << int(H::InText)
                                         << "tt.aaaa.vvvvvvvv.aa.vt.....tttt" << int(H::InText);
    QTest::newRow("value with > in quotes") << R"(<img alt="a>b" src='c'>)" << int(H::InText)
                                            << "tttt.aaa.vvvvv.aaa.vvvt" << int(H::InText);
    QTest::newRow("comment, reference, doctype")
        << "<!DOCTYPE html>x&auml;y<!-- c -->" << int(H::InText)
        << "ddddddddddddddd.rrrrrr.cccccccccc" << int(H::InText);
    QTest::newRow("numeric reference and lone ampersand")
        << "&#228; & b" << int(H::InText) << "rrrrrr...." << int(H::InText);
    QTest::newRow("comment opens")
        << "a <!-- b" << int(H::InText) << "..cccccc" << int(H::InComment);
    QTest::newRow("comment goes on") << "b c" << int(H::InComment) << "ccc" << int(H::InComment);
    QTest::newRow("comment closes")
        << "x --> <b>" << int(H::InComment) << "ccccc.ttt" << int(H::InText);
    QTest::newRow("tag open at line end")
        << "<p class=\"a" << int(H::InText) << "tt.aaaaa.vv" << int(H::InDoubleQuoted);
    QTest::newRow("value closes") << "b c\">x" << int(H::InDoubleQuoted) << "vvvvt."
                                  << int(H::InText);
    QTest::newRow("attributes on the next line")
        << "  id=x>" << int(H::InTag) << "..aa.vt" << int(H::InText);
    QTest::newRow("less-than in text")
        << "a < b <3" << int(H::InText) << "........" << int(H::InText);
    QTest::newRow("closing tag") << "</DIV >" << int(H::InText) << "ttttt.t" << int(H::InText);
}

void TstHighlighter::lineClasses()
{
    QFETCH(QString, line);
    QFETCH(int, start);
    QFETCH(QString, classes);
    QFETCH(int, end);
    H::State last;
    QCOMPARE(classString(H::spans(line, H::State(start), &last), int(line.size())), classes);
    QCOMPARE(int(last), end);
    QCOMPARE(int(H::endState(line, H::State(start))), end);
}

void TstHighlighter::statesAcrossLines()
{
    TExtRich* edit = shownEdit(QStringLiteral("<p>eins <!-- zwei\ndrei\nvier --> <b>\n"
                                              "<a title=\"x > y\ny\" href=z>&amp;</a>"));
    QVERIFY(edit);
    const QTextDocument* doc = edit->document();
    QCOMPARE(shownClasses(doc->findBlockByNumber(0)), QStringLiteral("ttt.....ccccccccc"));
    QCOMPARE(shownClasses(doc->findBlockByNumber(1)), QStringLiteral("cccc"));
    QCOMPARE(shownClasses(doc->findBlockByNumber(2)), QStringLiteral("cccccccc.ttt"));
    QCOMPARE(shownClasses(doc->findBlockByNumber(3)), QStringLiteral("tt.aaaaa.vvvvvv"));
    QCOMPARE(shownClasses(doc->findBlockByNumber(4)), QStringLiteral("vv.aaaa.vtrrrrrtttt"));
}

void TstHighlighter::onlyShownBlocksAreColoured()
{
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("<p class=\"z\">Zeile %1</p>\n").arg(i);
    TExtRich* edit = shownEdit(text);
    QVERIFY(edit);
    const int known = edit->highlighter()->knownBlocks();
    QVERIFY2(known > 5 && known < 100, qPrintable(QString::number(known)));
    QCOMPARE(H::classAt(edit->document()->findBlockByNumber(1), 1), C::TagName);
    QVERIFY(!H::isColoured(edit->document()->findBlockByNumber(4000)));

    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    edit->viewport()->repaint();
    QCOMPARE(H::classAt(edit->document()->lastBlock().previous(), 1), C::TagName);
    QVERIFY(!H::isColoured(edit->document()->findBlockByNumber(2500)));
}

void TstHighlighter::commentAtTopRecoloursOnlyWhatIsShown()
{
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("<b>%1</b>\n").arg(i);
    TExtRich* edit = shownEdit(text);
    QVERIFY(edit);
    const QTextDocument* doc = edit->document();
    QCOMPARE(H::classAt(doc->findBlockByNumber(3), 0), C::TagName);

    QTest::keyClicks(edit, QStringLiteral("<!--"));
    edit->viewport()->repaint();
    QCOMPARE(H::classAt(doc->findBlockByNumber(3), 0), C::Comment);
    QVERIFY(edit->highlighter()->knownBlocks() < 100);

    for (int i = 0; i < 4; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
    edit->viewport()->repaint();
    QCOMPARE(H::classAt(doc->findBlockByNumber(3), 0), C::TagName);
    QCOMPARE(shownClasses(doc->firstBlock()), QStringLiteral("ttt.tttt"));
}

void TstHighlighter::unchangedEndStateKeepsLaterStates()
{
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("<i>%1</i>\n").arg(i);
    TExtRich* edit = shownEdit(text);
    QVERIFY(edit);
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    edit->viewport()->repaint();
    const int all = edit->document()->blockCount();
    QCOMPARE(edit->highlighter()->knownBlocks(), all);

    // A change that leaves the line's end state as it was: the states behind it still count.
    edit->verticalScrollBar()->setValue(0);
    edit->setSelStart(edit->firstPositionOfLine(2) + 3);
    edit->replaceSelection(QStringLiteral("x <u>y</u>"));
    edit->viewport()->repaint();
    QCOMPARE(edit->highlighter()->knownBlocks(), all);

    // One that leaves a value open changes them; only the shown ones are found again.
    edit->replaceSelection(QStringLiteral("<a title=\""));
    edit->viewport()->repaint();
    QVERIFY(edit->highlighter()->knownBlocks() < 100);
    QCOMPARE(H::classAt(edit->document()->findBlockByNumber(3), 0), C::AttributeValue);
}

void TstHighlighter::piecesOfALongLineContinueTheState()
{
    // One line far longer than a display piece: a comment in its middle spans pieces.
    QString line;
    while (line.size() < 3000)
        line += QStringLiteral("<td class=\"c\">wert</td>");
    const int commentAt = int(line.size());
    line += QStringLiteral("<!--") + QString(2000, u'x') + QStringLiteral("--><br>");
    TExtRich* edit = shownEdit(line);
    QVERIFY(edit);
    const QTextDocument* doc = edit->document();
    QVERIFY(doc->blockCount() > 3);
    edit->setSelStart(commentAt + 1500);
    edit->ensureCursorVisible();
    edit->viewport()->repaint();
    const QTextCursor caret = edit->textCursor();
    QCOMPARE(H::classAt(caret.block(), caret.positionInBlock()), C::Comment);
    edit->setSelStart(edit->textLength());
    edit->ensureCursorVisible();
    edit->viewport()->repaint();
    const QTextBlock last = doc->lastBlock();
    QCOMPARE(H::classAt(last, last.length() - 2), C::TagName);
    QCOMPARE(H::classAt(last, last.length() - 6), C::Comment);
}

void TstHighlighter::farJumpFindsTheStateAtTheEnd_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<H::ColourClass>("inside");
    QTest::addColumn<H::ColourClass>("atEnd");
    QTest::newRow("comment closed near the end") << "<!--"
                                                 << "-->" << C::Comment << C::Text;
    QTest::newRow("comment left open") << "<!--"
                                       << "" << C::Comment << C::Comment;
    QTest::newRow("value with > left open") << "<a title=\">"
                                            << "" << C::AttributeValue << C::AttributeValue;
    QTest::newRow("value closed near the end") << "<a title=\">"
                                               << "\">" << C::AttributeValue << C::Text;
}

void TstHighlighter::farJumpFindsTheStateAtTheEnd()
{
    // Thousands of lines between the top and the end, read in one go when scrolled to the end.
    QFETCH(QString, opening);
    QFETCH(QString, closing);
    QFETCH(H::ColourClass, inside);
    QFETCH(H::ColourClass, atEnd);
    QString text = QStringLiteral("<p>\n") + opening + u'\n';
    for (int i = 0; i < 6000; ++i)
        text += QStringLiteral("<b>%1</b> &amp; x\n").arg(i);
    text += closing + QStringLiteral("\nzeile\nende");
    TExtRich* edit = shownEdit(text);
    QVERIFY(edit);
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    edit->viewport()->repaint();
    const QTextBlock last = edit->document()->lastBlock();
    QCOMPARE(H::classAt(last, 1), atEnd);
    // The last of the rows in between still lies inside the construct.
    QCOMPARE(H::classAt(last.previous().previous().previous(), 1), inside);
}

void TstHighlighter::recolourStopsWhereTheStateIsUnchanged()
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("<i>%1</i>\n").arg(i);
    TExtRich* edit = shownEdit(text);
    QVERIFY(edit);
    const QTextDocument* doc = edit->document();
    const qreal lineHeight = QFontMetricsF(doc->defaultFont()).lineSpacing();
    const int height = edit->viewport()->height();
    QCOMPARE(edit->highlighter()->colourShown(doc->firstBlock(), height, lineHeight).first,
             QTextBlock());

    // Text typed into a line leaves the state at its end: that line is coloured again as it
    // changes ("<i>x2</i>": the '2' moved to where "</i>" began), and no other.
    edit->setSelStart(edit->firstPositionOfLine(2) + 3);
    edit->replaceSelection(QStringLiteral("x"));
    QCOMPARE(H::classAt(doc->findBlockByNumber(2), 4), C::Text);
    QCOMPARE(H::classAt(doc->findBlockByNumber(2), 5), C::TagName);
    auto [first, last] = edit->highlighter()->colourShown(doc->firstBlock(), height, lineHeight);
    QCOMPARE(first, QTextBlock());

    // An open value changes every state behind it, as far as the screen reaches.
    edit->replaceSelection(QStringLiteral("<a title=\""));
    std::tie(first, last) = edit->highlighter()->colourShown(doc->firstBlock(), height, lineHeight);
    QCOMPARE(first.blockNumber(), 3);
    QVERIFY(last.blockNumber() > 5 && last.blockNumber() < 100);
    QCOMPARE(H::classAt(doc->findBlockByNumber(5), 0), C::AttributeValue);
}

void TstHighlighter::randomEditsKeepShownColoursTrue()
{
    // Edits that open and close comments, values and tags, typed and deleted anywhere, with
    // jumps through the page: whatever is shown afterwards carries the colours a fresh scan of
    // the whole text gives.
    static const char* const lines[] = {"<p class=\"a\">Text &amp; mehr</p>",
                                        "<!-- Notiz -->",
                                        "<img src=\"b.gif\" alt=\"x",
                                        "y\">",
                                        "Nur Text",
                                        "<td align=left>Zelle</td>"};
    QRandomGenerator random(2026);
    QString text;
    for (int i = 0; i < 400; ++i)
        text += QString::fromLatin1(lines[random.bounded(int(std::size(lines)))]) + u'\n';
    TExtRich* edit = shownEdit(text);
    QVERIFY(edit);
    QTextDocument* doc = edit->document();
    const QString typed = QStringLiteral("<>\"'-!x =\n");
    for (int round = 0; round < 150; ++round) {
        if (round % 25 == 0) {
            edit->setSelStart(random.bounded(edit->textLength()));
            edit->ensureCursorVisible();
        }
        // Somewhere on screen, mostly.
        const int top = edit->cursorForPosition(QPoint(0, 0)).block().position();
        const int pos = std::min(doc->characterCount() - 1, top + random.bounded(600));
        QTextCursor cursor(doc);
        cursor.setPosition(pos);
        if (random.bounded(3) == 0 && pos > 0)
            cursor.deletePreviousChar();
        else
            cursor.insertText(typed.at(random.bounded(int(typed.size()))));
        edit->viewport()->repaint();

        QList<H::Span> expected;
        H::State state = H::InText;
        int checked = 0;
        const int firstShown = edit->cursorForPosition(QPoint(0, 0)).block().blockNumber();
        for (QTextBlock block = doc->firstBlock(); block.isValid() && checked < 8;
             block = block.next()) {
            H::State end = H::InText;
            const QList<H::Span> spans = H::spans(block.text(), state, &end);
            state = end;
            if (block.blockNumber() < firstShown)
                continue;
            ++checked;
            for (int column = 0; column < block.length() - 1; ++column) {
                C want = C::Text;
                for (const H::Span& span : spans)
                    if (column >= span.start && column < span.start + span.length)
                        want = span.colour;
                if (H::classAt(block, column) != want)
                    QFAIL(qPrintable(QStringLiteral("round %1, line %2, column %3: \"%4\"")
                                         .arg(round)
                                         .arg(block.blockNumber())
                                         .arg(column)
                                         .arg(block.text())));
            }
        }
    }
}

void TstHighlighter::wholeTextChangesRecolourEveryLine_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("paste"); // through the clipboard, else by replacing the selection

    QTest::newRow("paste over a reference") << "-&amp; x"
                                            << "x<<<<<<<<<<<<" << true;
    QTest::newRow("typed over a comment") << "<!-- a\nb -->"
                                          << "x" << false;
    QTest::newRow("typed over a tag") << "<b class=x>&lt;"
                                      << "x y" << false;
    QTest::newRow("same start state, new text") << "<i>kursiv</i>\n<b>"
                                                << "&auml;<a\nhref=\"y\">" << true;
}

void TstHighlighter::wholeTextChangesRecolourEveryLine()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, paste);
    TExtRich* edit = shownEdit(before);
    QVERIFY(edit);
    edit->selectAllText();
    if (paste) {
        QGuiApplication::clipboard()->setText(after);
        edit->pasteClipboard();
    } else {
        edit->replaceSelection(after);
    }
    edit->viewport()->repaint();
    H::State state = H::InText;
    for (QTextBlock block = edit->document()->firstBlock(); block.isValid(); block = block.next()) {
        H::State end = H::InText;
        const QString expected =
            classString(H::spans(block.text(), state, &end), int(block.length() - 1));
        state = end;
        QCOMPARE(shownClasses(block), expected);
    }
}

void TstHighlighter::statesBelowTheScreenWaitForAJump()
{
    QString text = QStringLiteral("<!-- offen\n");
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("<p>Zeile %1</p>\n").arg(i);
    text += QStringLiteral("--> <b>fett</b>\n");
    TExtRich* edit = shownEdit(text);
    QVERIFY(edit);
    H* h = edit->highlighter();
    // A rest after an edit finds no states below what is shown: that work waits for a jump.
    QTextCursor(edit->document()).insertText(QStringLiteral(" "));
    QTest::qWait(50);
    QVERIFY(h->knownBlocks() < 100);
    const QTextBlock last = edit->document()->lastBlock().previous();
    // Jumping to the end finds the states on the way and colours what is shown there.
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    edit->viewport()->repaint();
    QCOMPARE(h->stateAt(last, 0), std::optional(H::InComment));
    QCOMPARE(H::classAt(last, 0), C::Comment);
    QCOMPARE(H::classAt(last, 5), C::TagName);
}

void TstHighlighter::coloursFollowBackground()
{
    TExtRich* edit = shownEdit(QStringLiteral("<a href=\"x\">&amp;<!-- c --></a>"));
    QVERIFY(edit);
    H* h = edit->highlighter();
    for (const C c :
         {C::TagName, C::AttributeName, C::AttributeValue, C::Comment, C::Reference, C::Doctype})
        QVERIFY(h->colourOf(c).lightness() < 110);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, QColor(20, 20, 40));
    edit->setPalette(pal);
    edit->viewport()->repaint();
    for (const C c :
         {C::TagName, C::AttributeName, C::AttributeValue, C::Comment, C::Reference, C::Doctype})
        QVERIFY(h->colourOf(c).lightness() > 150);
    QVERIFY(pixelsNear(shownImage(edit), h->colourOf(C::TagName)) > 0);
}

void TstHighlighter::switchingOffRemovesColours()
{
    TExtRich* edit = shownEdit(QStringLiteral("<b>x</b>"));
    QVERIFY(edit);
    const QTextBlock block = edit->document()->firstBlock();
    const QColor tag = edit->highlighter()->colourOf(C::TagName);
    QVERIFY(H::isColoured(block));
    QVERIFY(pixelsNear(shownImage(edit), tag) > 0);
    edit->setSyntaxColours(false);
    edit->viewport()->repaint();
    QVERIFY(!H::isColoured(block));
    QCOMPARE(pixelsNear(shownImage(edit), tag), 0);
    edit->setSyntaxColours(true);
    edit->viewport()->repaint();
    QCOMPARE(H::classAt(block, 0), C::TagName);
}

void TstHighlighter::richTextStaysUncoloured()
{
    m_edit = std::make_unique<TExtRich>();
    m_edit->setPlainTextMode(false);
    m_edit->loadText(QStringLiteral("<b>x</b>"));
    m_edit->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_edit.get()));
    m_edit->viewport()->repaint();
    QVERIFY(!H::isColoured(m_edit->document()->firstBlock()));
}

TESSALINE_TEST_MAIN(TstHighlighter)
#include "tst_highlighter.moc"
