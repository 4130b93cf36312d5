// ColouredGlyphs: draws a coloured block's glyphs in the colours of its spans, one draw a colour.
#include "editor/ColouredGlyphs.h"

#include "editor/HtmlHighlighter.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <algorithm>
#include <iterator>

// The glyphs of one shown block, sorted into one run per colour and font.
struct PaintedGlyphs {
    struct Run {
        HtmlHighlighter::ColourClass colour;
        QRawFont font;
        QGlyphRun glyphs;
        // The block's character each glyph stands for.
        QList<int> characters;
    };
    QList<Run> runs;
    // False when the glyphs do not follow the characters one by one.
    bool sorted = true;
};

namespace
{

using ColourClass = HtmlHighlighter::ColourClass;
using Span = HtmlHighlighter::Span;

constexpr int ClassCount = int(ColourClass::Doctype) + 1;

// The glyphs of one run while they are being sorted.
struct Sorting {
    QList<quint32> indexes;
    QList<QPointF> positions;
};

// The run of painted that takes glyphs of colour from a run in font, made when missing. Each run
// has room for every glyph of the block; the room left over is given back once all are sorted.
int runFor(PaintedGlyphs& painted, QList<Sorting>& sorting, ColourClass colour,
           const QGlyphRun& source, const QRawFont& font, qsizetype room)
{
    for (qsizetype r = 0; r < painted.runs.size(); ++r)
        if (painted.runs[r].colour == colour && painted.runs[r].font == font)
            return int(r);
    PaintedGlyphs::Run run{colour, font, source, {}};
    run.glyphs.setBoundingRect(QRectF());
    run.characters.reserve(room);
    painted.runs.append(run);
    Sorting glyphs;
    glyphs.indexes.reserve(room);
    glyphs.positions.reserve(room);
    sorting.append(glyphs);
    return int(painted.runs.size() - 1);
}

// The layout's glyphs stand for the line's characters in order, except tabs, which are spaces
// without a glyph, and the blanks a wrapped line ends in. Anything else (a glyph for two
// characters or two for one, text running right to left) leaves the glyphs unsorted.
std::shared_ptr<PaintedGlyphs> sortGlyphs(const QTextBlock& block, const QList<Span>& spans)
{
    auto painted = std::make_shared<PaintedGlyphs>();
    auto unsorted = [&painted] {
        painted->runs.clear();
        painted->sorted = false;
        return painted;
    };
    const QString text = block.text();
    const QTextLayout* layout = block.layout();
    const int lineCount = layout->lineCount();
    QList<Sorting> sorting;
    qsizetype span = 0;
    for (int l = 0; l < lineCount; ++l) {
        const QTextLine line = layout->lineAt(l);
        int c = line.textStart();
        int end = std::min<int>(c + line.textLength(), int(text.size()));
        if (l + 1 < lineCount)
            while (end > c && text[end - 1].isSpace())
                --end;
        for (const QGlyphRun& source : line.glyphRuns()) {
            if (source.isRightToLeft())
                return unsorted();
            const QList<quint32> indexes = source.glyphIndexes();
            const QList<QPointF> positions = source.positions();
            const QRawFont font = source.rawFont();
            // Which run takes each colour of this source, found at its first glyph.
            int target[ClassCount];
            std::fill(std::begin(target), std::end(target), -1);
            for (qsizetype g = 0; g < indexes.size(); ++g, ++c) {
                while (c < end && text[c] == u'\t')
                    ++c;
                if (c >= end)
                    return unsorted();
                while (span < spans.size() && spans[span].start + spans[span].length <= c)
                    ++span;
                const ColourClass colour = span < spans.size() && spans[span].start <= c
                                               ? spans[span].colour
                                               : ColourClass::Text;
                int& slot = target[int(colour)];
                if (slot < 0)
                    slot = runFor(*painted, sorting, colour, source, font, text.size());
                sorting[slot].indexes.append(indexes[g]);
                sorting[slot].positions.append(positions[g]);
                painted->runs[slot].characters.append(c);
            }
        }
        while (c < end && text[c] == u'\t')
            ++c;
        if (c != end)
            return unsorted();
    }
    for (qsizetype r = 0; r < painted->runs.size(); ++r) {
        PaintedGlyphs::Run& run = painted->runs[r];
        sorting[r].indexes.squeeze();
        sorting[r].positions.squeeze();
        run.characters.squeeze();
        run.glyphs.setGlyphIndexes(sorting[r].indexes);
        run.glyphs.setPositions(sorting[r].positions);
    }
    return painted;
}

bool skipped(int character, const QList<QTextLayout::FormatRange>& skip)
{
    for (const QTextLayout::FormatRange& range : skip)
        if (character >= range.start && character < range.start + range.length)
            return true;
    return false;
}

} // namespace

namespace ColouredGlyphs
{

Readiness prepare(const QTextBlock& block)
{
    BlockColours* colours = BlockColours::of(block);
    if (!colours || colours->byFormats || !block.layout()->preeditAreaText().isEmpty())
        return Readiness::LeftToLayout;
    if (!colours->glyphs)
        colours->glyphs = sortGlyphs(block, colours->spans);
    return colours->glyphs->sorted ? Readiness::Ready : Readiness::NeedsFormats;
}

void draw(QPainter* painter, const QTextBlock& block, const QPointF& origin,
          const HtmlHighlighter& highlighter, const QColor& text,
          const QList<QTextLayout::FormatRange>& skip, const QRectF& area)
{
    const BlockColours* colours = BlockColours::of(block);
    const QPointF at = origin + block.layout()->position();
    for (const PaintedGlyphs::Run& run : colours->glyphs->runs) {
        // A run's glyphs follow its rows from the top: those of rows outside the area are left
        // out, which matters for a block of many rows of which a keystroke redraws one. The
        // margin takes in glyphs whose baseline lies outside the area but whose ink reaches in.
        const qreal margin = run.font.ascent() + run.font.descent();
        const qreal top = area.top() - at.y() - margin;
        const qreal bottom = area.bottom() - at.y() + margin;
        const QList<quint32> allIndexes = run.glyphs.glyphIndexes();
        const QList<QPointF> allPositions = run.glyphs.positions();
        const auto byY = [](const QPointF& p, qreal y) { return p.y() < y; };
        qsizetype from = std::lower_bound(allPositions.cbegin(), allPositions.cend(), top, byY) -
                         allPositions.cbegin();
        qsizetype to =
            std::lower_bound(allPositions.cbegin() + from, allPositions.cend(), bottom, byY) -
            allPositions.cbegin();
        // In a block of one row, as the pieces of an unwrapped long line are, the glyphs follow
        // each other from the left as well.
        if (block.layout()->lineCount() == 1) {
            const auto byX = [](const QPointF& p, qreal x) { return p.x() < x; };
            const auto begin = allPositions.cbegin();
            from = std::lower_bound(begin + from, begin + to, area.left() - at.x() - margin, byX) -
                   begin;
            to = std::lower_bound(begin + from, begin + to, area.right() - at.x() + margin, byX) -
                 begin;
        }
        if (from >= to)
            continue;
        painter->setPen(run.colour == ColourClass::Text ? text : highlighter.colourOf(run.colour));
        QGlyphRun part = run.glyphs;
        if (skip.isEmpty()) {
            if (from > 0 || to < allPositions.size())
                part.setRawData(allIndexes.constData() + from, allPositions.constData() + from,
                                int(to - from));
            painter->drawGlyphRun(at, part);
            continue;
        }
        QList<quint32> indexes;
        QList<QPointF> positions;
        for (qsizetype g = from; g < to; ++g) {
            if (skipped(run.characters[g], skip))
                continue;
            indexes.append(allIndexes[g]);
            positions.append(allPositions[g]);
        }
        if (indexes.isEmpty())
            continue;
        part.setGlyphIndexes(indexes);
        part.setPositions(positions);
        painter->drawGlyphRun(at, part);
    }
}

void forget(const QTextBlock& block)
{
    if (BlockColours* colours = BlockColours::of(block))
        colours->glyphs.reset();
}

} // namespace ColouredGlyphs
