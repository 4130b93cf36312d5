// Tests of the coloured drawing: glyphs painted in their colours look exactly as if the layout
// drew them through formats, with tabs, wrapped lines and selections; blocks whose glyphs do not
// follow their characters fall back to formats.
#include "editor/ColouredGlyphs.h"
#include "editor/HtmlHighlighter.h"
#include "editor/ShownEdit.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <limits>

using H = HtmlHighlighter;
using C = H::ColourClass;

namespace
{

std::unique_ptr<TExtRich> colouredEdit(const QString& text, QSize size = QSize(320, 220))
{
    return showEdit(text, size, [](TExtRich* edit) {
        // A blinking caret would make two pictures differ.
        edit->setCursorWidth(0);
    });
}

// Moves the colours of every shown block into their layouts' formats, the way the layout
// draws a block whose glyphs cannot be painted one by one.
void colourShownByFormats(TExtRich* edit)
{
    for (QTextBlock block = edit->document()->firstBlock(); block.isValid(); block = block.next())
        if (H::isColoured(block))
            edit->highlighter()->colourByFormats(block);
    edit->viewport()->repaint();
}

int differingPixels(const QImage& one, const QImage& other)
{
    if (one.size() != other.size())
        return std::numeric_limits<int>::max();
    int count = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            count += one.pixel(x, y) != other.pixel(x, y);
    return count;
}

bool anyByFormats(const QTextDocument* doc)
{
    for (QTextBlock block = doc->firstBlock(); block.isValid(); block = block.next())
        if (const BlockColours* colours = BlockColours::of(block); colours && colours->byFormats)
            return true;
    return false;
}

} // namespace

class TstColouredGlyphs : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void paintedLooksLikeFormats_data();
    void paintedLooksLikeFormats();
    void partDrawnAloneLooksLikeTheWhole_data();
    void partDrawnAloneLooksLikeTheWhole();
    void editedBlockIsSortedAgain();
    void onlyShownBlocksKeepSortedGlyphs();
    void unsortableGlyphsFallBackToFormats_data();
    void unsortableGlyphsFallBackToFormats();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TstColouredGlyphs::paintedLooksLikeFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("unwrapped");

    const QString markup =
        QStringLiteral("<!DOCTYPE html>\n<p class=\"a\">&auml;hnlich <!-- Kommentar -->\n"
                       "<a href='x.html' id=k>Verweis</a> &amp; mehr</p>");
    QTest::newRow("every construct") << markup << -1 << -1 << false;
    QTest::newRow("tabs") << QStringLiteral("<td>\tZelle\t\t<b>x</b>\n\t<tr>") << -1 << -1 << false;
    QTest::newRow("wrapped lines")
        << QStringLiteral("<p class=\"lang\">Ein Absatz mit <b>fettem</b> Text, der weit "
                          "über die Breite des Fensters hinaus geht und    mehrmals umbricht, "
                          "<i>kursiv</i> &amp; mit <a href=\"ziel.html\">Verweisen</a>.</p>")
        << -1 << -1 << false;
    QTest::newRow("unwrapped") << markup << -1 << -1 << true;
    QTest::newRow("umlauts and no-break spaces")
        << QStringLiteral("<p>Ä\u00a0ö ü ß € <b>Grüße</b></p>") << -1 << -1 << false;
    QTest::newRow("selection across lines") << markup << 20 << 70 << false;
    QTest::newRow("caret in a tag name") << markup << 62 << 62 << false;
}

void TstColouredGlyphs::paintedLooksLikeFormats()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, unwrapped);
    auto edit = colouredEdit(text);
    QVERIFY(edit);
    if (unwrapped) {
        edit->setWordWrap(false);
        edit->viewport()->repaint();
    }
    if (from >= 0) {
        QTextCursor cursor(edit->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
        QCoreApplication::processEvents();
        edit->viewport()->repaint();
        // A caret in a tag name marks the tag and its partner.
        if (from == to)
            QCOMPARE(edit->extraSelections().size(), 2);
    }
    const QImage painted = shownImage(edit.get());
    QVERIFY(!anyByFormats(edit->document()));
    QVERIFY(pixelsNear(painted, edit->highlighter()->colourOf(C::TagName)) > 0);
    colourShownByFormats(edit.get());
    QVERIFY(anyByFormats(edit->document()));
    // Where a selection ends, the layout draws a neighbour's glyph before the selection's
    // background and loses the edge of its ink under it; painted glyphs keep theirs.
    QVERIFY(differingPixels(painted, shownImage(edit.get())) <= (from == to ? 0 : 8));
}

void TstColouredGlyphs::partDrawnAloneLooksLikeTheWhole_data()
{
    QTest::addColumn<bool>("unwrapped");
    QTest::addColumn<QRectF>("part"); // of the view, in fractions of its width and height

    QTest::newRow("rows cut through the middle") << false << QRectF(0, 0.33, 1, 0.2);
    QTest::newRow("a thin band") << false << QRectF(0.1, 0.5, 0.5, 0.02);
    QTest::newRow("unwrapped, a column") << true << QRectF(0.4, 0, 0.15, 1);
    QTest::newRow("unwrapped, a corner") << true << QRectF(0.7, 0.05, 0.3, 0.1);
}

// A keystroke redraws a part of the view: the glyphs of rows and columns outside it are left
// out, but none that reaches into it.
void TstColouredGlyphs::partDrawnAloneLooksLikeTheWhole()
{
    QFETCH(bool, unwrapped);
    QFETCH(QRectF, part);
    QString text;
    for (int i = 0; i < 12; ++i)
        text += QStringLiteral("<td class=\"q%1\">Wert&auml;g</td> <!-- Hinweis --> ").arg(i);
    auto edit = colouredEdit(text);
    QVERIFY(edit);
    edit->setWordWrap(!unwrapped);
    edit->viewport()->repaint();
    const QImage whole = shownImage(edit.get());
    QVERIFY(pixelsNear(whole, edit->highlighter()->colourOf(C::Comment)) > 0);
    const QSize size = edit->viewport()->size();
    const QRect area = QRectF(part.x() * size.width(), part.y() * size.height(),
                              part.width() * size.width(), part.height() * size.height())
                           .toAlignedRect();
    QImage alone(size, QImage::Format_RGB32);
    alone.fill(Qt::black);
    // Drawn first, the part has only the rows near it sorted; the whole view drawn next sorts
    // the rest.
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
        ColouredGlyphs::forget(block);
    // The part lands where it stands in the view.
    edit->viewport()->render(&alone, area.topLeft(), QRegion(area), QWidget::DrawChildren);
    QCOMPARE(alone.copy(area), whole.copy(area));
    QCOMPARE(shownImage(edit.get()), whole);
}

void TstColouredGlyphs::editedBlockIsSortedAgain()
{
    auto edit = colouredEdit(QStringLiteral("<b>x</b> Text"));
    QVERIFY(edit);
    QTextCursor cursor(edit->document());
    cursor.setPosition(9);
    cursor.insertText(QStringLiteral("<i>neu</i> "));
    cursor.setPosition(0);
    cursor.insertText(QStringLiteral("<!-- "));
    edit->viewport()->repaint();
    const QImage painted = shownImage(edit.get());
    QCOMPARE(H::classAt(edit->document()->firstBlock(), 10), C::Comment);
    colourShownByFormats(edit.get());
    QCOMPARE(painted, shownImage(edit.get()));
}

void TstColouredGlyphs::onlyShownBlocksKeepSortedGlyphs()
{
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("<p class=\"z\">Zeile %1</p>\n").arg(i);
    auto edit = colouredEdit(text);
    QVERIFY(edit);
    const QTextBlock first = edit->document()->firstBlock();
    const QTextBlock last = edit->document()->lastBlock().previous();
    QVERIFY(BlockColours::of(first)->glyphs);
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    edit->viewport()->repaint();
    QVERIFY(BlockColours::of(last)->glyphs);
    QVERIFY(!BlockColours::of(first)->glyphs);
    QCOMPARE(H::classAt(first, 1), C::TagName);
}

void TstColouredGlyphs::unsortableGlyphsFallBackToFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("combining accent") << QStringLiteral("<b>Cafe\u0301</b> x");
    QTest::newRow("character beyond 16 bits") << QStringLiteral("<b>\U0001D11E</b> Noten");
    QTest::newRow("right to left") << QStringLiteral("<p dir=\"rtl\">\u05e9\u05dc\u05d5\u05dd</p>");
}

void TstColouredGlyphs::unsortableGlyphsFallBackToFormats()
{
    QFETCH(QString, text);
    auto edit = colouredEdit(text);
    QVERIFY(edit);
    edit->viewport()->repaint();
    const QTextBlock block = edit->document()->firstBlock();
    const BlockColours* colours = BlockColours::of(block);
    QVERIFY(colours);
    QVERIFY(colours->byFormats);
    QVERIFY(!block.layout()->formats().isEmpty());
    QCOMPARE(H::classAt(block, 1), C::TagName);
    QVERIFY(pixelsNear(shownImage(edit.get()), edit->highlighter()->colourOf(C::TagName)) > 0);
}

TESSALINE_TEST_MAIN(TstColouredGlyphs)
#include "tst_colouredglyphs.moc"
