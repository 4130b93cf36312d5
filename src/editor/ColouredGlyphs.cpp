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
    // The layout's lines whose glyphs are sorted (a long block has only those near the drawn
    // area sorted).
    int firstLine = 0;
    int lastLine = -1;
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
std::shared_ptr<PaintedGlyphs> sortGlyphs(const QTextBlock& block, const QList<Span>& spans,
                                          int firstLine, int lastLine)
{
    auto painted = std::make_shared<PaintedGlyphs>();
    painted->firstLine = firstLine;
    painted->lastLine = lastLine;
    auto unsorted = [&painted] {
        painted->runs.clear();
        painted->sorted = false;
        return painted;
    };
    const QString text = block.text();
    const QTextLayout* layout = block.layout();
    QList<Sorting> sorting;
    // The spans are in order: the first one that reaches the first line's text.
    const int from = layout->lineAt(firstLine).textStart();
    qsizetype span =
        std::lower_bound(spans.cbegin(), spans.cend(), from,
                         [](const Span& s, int c) { return s.start + s.length <= c; }) -
        spans.cbegin();
    for (int l = firstLine; l <= lastLine; ++l) {
        const QTextLine line = layout->lineAt(l);
        int c = line.textStart();
        int end = std::min<int>(c + line.textLength(), int(text.size()));
        if (l + 1 < layout->lineCount())
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

// The glyphs of run (at positions) whose ink may reach into area, as a range of indexes. A run's
// glyphs follow its rows from the top, and in a block of one row (the pieces of an unwrapped
// long line) from the left as well. The margin takes in glyphs whose baseline lies outside the
// area but whose ink reaches in.
std::pair<qsizetype, qsizetype> glyphsIn(const PaintedGlyphs::Run& run,
                                         const QList<QPointF>& positions, const QRectF& area,
                                         bool oneRow)
{
    const qreal margin = run.font.ascent() + run.font.descent();
    const auto byY = [](const QPointF& p, qreal y) { return p.y() < y; };
    auto from = std::lower_bound(positions.cbegin(), positions.cend(), area.top() - margin, byY);
    auto to = std::lower_bound(from, positions.cend(), area.bottom() + margin, byY);
    if (oneRow) {
        const auto byX = [](const QPointF& p, qreal x) { return p.x() < x; };
        from = std::lower_bound(from, to, area.left() - margin, byX);
        to = std::lower_bound(from, to, area.right() + margin, byX);
    }
    return {from - positions.cbegin(), to - positions.cbegin()};
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

Readiness prepare(const QTextBlock& block, const QPointF& origin, const QRectF& area)
{
    BlockColours* colours = BlockColours::of(block);
    const QTextLayout* layout = block.layout();
    if (!colours || colours->byFormats || !layout->preeditAreaText().isEmpty())
        return Readiness::LeftToLayout;
    const int lineCount = layout->lineCount();
    if (lineCount == 0)
        return Readiness::LeftToLayout;
    // The lines that reach into the area, and a row more on either side whose ink may.
    const QRectF inLayout = area.translated(-(origin + layout->position()));
    int first = 0;
    while (first + 1 < lineCount &&
           layout->lineAt(first + 1).y() + 2 * layout->lineAt(first + 1).height() < inLayout.top())
        ++first;
    int last = first;
    while (last + 1 < lineCount &&
           layout->lineAt(last + 1).y() - layout->lineAt(last).height() <= inLayout.bottom())
        ++last;
    const std::shared_ptr<PaintedGlyphs>& glyphs = colours->glyphs;
    if (glyphs && !glyphs->sorted)
        return Readiness::NeedsFormats;
    if (!glyphs || first < glyphs->firstLine || last > glyphs->lastLine) {
        if (glyphs) {
            first = std::min(first, glyphs->firstLine);
            last = std::max(last, glyphs->lastLine);
        }
        colours->glyphs = sortGlyphs(block, colours->spans, first, last);
    }
    return colours->glyphs->sorted ? Readiness::Ready : Readiness::NeedsFormats;
}

void draw(QPainter* painter, const QTextBlock& block, const QPointF& origin,
          const HtmlHighlighter& highlighter, const QColor& text,
          const QList<QTextLayout::FormatRange>& skip, const QRectF& area)
{
    const BlockColours* colours = BlockColours::of(block);
    const QPointF at = origin + block.layout()->position();
    for (const PaintedGlyphs::Run& run : colours->glyphs->runs) {
        const QList<quint32> allIndexes = run.glyphs.glyphIndexes();
        const QList<QPointF> allPositions = run.glyphs.positions();
        const auto [from, to] =
            glyphsIn(run, allPositions, area.translated(-at), block.layout()->lineCount() == 1);
        if (from >= to)
            continue;
        painter->setPen(run.colour == ColourClass::Text ? text : highlighter.colourOf(run.colour));
        QGlyphRun part = run.glyphs;
        if (skip.isEmpty()) {
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
