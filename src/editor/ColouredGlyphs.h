// ColouredGlyphs: draws a coloured block's glyphs in the colours of its spans, one draw a colour.
#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QTextLayout>

class HtmlHighlighter;
class QPainter;
class QTextBlock;

// Colours given to a layout as formats cut its text into a piece per colour, each shaped and
// drawn on its own, which costs several times the plain text. A coloured block is laid out plain
// instead; while it is shown, its glyphs are sorted by colour once and drawn a colour at a time.
namespace ColouredGlyphs
{

enum class Readiness {
    Ready,
    // The block carries no colours to paint, or an input method is composing in it: the layout
    // draws it.
    LeftToLayout,
    // The block's glyphs do not follow its characters one by one (a ligature, a combining accent,
    // right-to-left text), so its colours have to go into its layout's formats.
    NeedsFormats,
};

// Sorts the glyphs of a shown block by colour, unless they are sorted already: those of the
// rows that reach into area, with the block's layout standing at origin.
Readiness prepare(const QTextBlock& block, const QPointF& origin, const QRectF& area);

// Draws the glyphs of a prepared block, whose layout stands at origin, in the highlighter's
// colours (plain text in text), leaving out the characters of skip, which have a colour of their
// own. Only rows that reach into area are drawn.
void draw(QPainter* painter, const QTextBlock& block, const QPointF& origin,
          const HtmlHighlighter& highlighter, const QColor& text,
          const QList<QTextLayout::FormatRange>& skip, const QRectF& area);

// Forgets the sorted glyphs of a block that is laid out again or leaves the screen.
void forget(const QTextBlock& block);

} // namespace ColouredGlyphs
