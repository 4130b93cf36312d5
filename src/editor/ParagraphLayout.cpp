// ParagraphLayout: the plain-text document layout that also draws paragraph indents and alignment.
#include "editor/ParagraphLayout.h"

#include "editor/ColouredGlyphs.h"
#include "editor/LineEnds.h"

#include <QFontMetrics>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

namespace
{

// QTextLine keeps widths in 26.6 fixed point and clamps anything wider.
constexpr qreal widestLine = qreal(INT_MAX / 256);
// Positions come back rounded to 1/64 pixel.
constexpr qreal tolerance = 1.0 / 32;
// Indents wider than the text still leave room for a few characters per line.
constexpr qreal narrowestLine = 16;
// A piece whose row start lies further back than this many pieces that were never laid out
// starts a row of its own until those are laid out, so that a jump deep into a very long line
// does not lay out all of it.
constexpr int mostPiecesLaidOutAhead = 8;
// Characters behind a cut, beyond those that fill the rest of its row, that can still decide
// where the row breaks (the rest of a word that does not fit).
constexpr int wordLookAhead = 256;

// Block formats from files may hold anything; text never moves left of the edit rectangle.
qreal sane(qreal pixels)
{
    return std::isfinite(pixels) ? std::clamp(pixels, 0.0, widestLine) : 0.0;
}

bool near(qreal a, qreal b)
{
    return std::abs(a - b) < tolerance;
}

// Lays out line with exactly columns characters. Qt lets blanks at the end of the line follow
// beyond the count it was given, and then one character more: it is asked for a few fewer until
// the line holds the count (a long run of blanks is left as Qt lays it out). The count comes from
// measuring the whole row at once; measured from a piece's start, the last character may miss
// width by a fraction of a pixel, which a little more room makes up for.
void fillColumns(QTextLine& line, int columns, qreal width)
{
    line.setNumColumns(columns, width);
    if (line.textLength() < columns)
        line.setNumColumns(columns, width + 1);
    for (int fewer = columns - 1; line.textLength() > columns && fewer > 0 && columns - fewer <= 4;
         --fewer)
        line.setNumColumns(fewer, width);
}

// The lines of a block laid out anew after a change at position at (in the block) whose text
// differs from what they held before, where the lines started at startsBefore: from the line in
// front of the change (a word made shorter may move up into it) to the one in front of the
// first line that starts at the same text as before.
std::pair<int, int> changedLines(const QTextLayout& lines, const std::vector<int>& startsBefore,
                                 int at, int added, int removed)
{
    const int changed = lines.lineForTextPosition(std::max(0, at)).lineNumber();
    const int first = std::max(0, changed - 1);
    for (int l = std::max(changed, 0) + 1; l < lines.lineCount(); ++l) {
        const int start = lines.lineAt(l).textStart();
        if (start > at + std::max(added, 0) &&
            start == startsBefore[std::size_t(l)] + added - removed)
            return {first, l - 1};
    }
    return {first, lines.lineCount() - 1};
}

// Lines laid out for an earlier text of the block may end before its text does. Qt looks up the
// caret's line without checking it (to scroll it into view), so such lines must not be used.
bool linesCoverText(const QTextBlock& block)
{
    const QTextLayout* layout = block.layout();
    const int count = layout->lineCount();
    if (count == 0)
        return false;
    const QTextLine last = layout->lineAt(count - 1);
    return last.textStart() + last.textLength() >= block.length() - 1;
}

} // namespace

ParagraphLayout::ParagraphLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

ParagraphLayout::Geometry ParagraphLayout::geometryOf(const QTextBlock& block) const
{
    const QTextDocument* doc = document();
    const QTextBlockFormat format = block.blockFormat();
    const QTextOption option = doc->defaultTextOption();
    const qreal margin = doc->documentMargin();

    const int viewWidth = m_view ? m_view->width() : 0;
    qreal available = viewWidth > 0 ? qreal(viewWidth) : widestLine;
    available -= 2 * margin;
    if (option.flags() & QTextOption::AddSpaceForLineAndParagraphSeparators)
        available -= QFontMetrics(block.charFormat().font()).horizontalAdvance(QChar(0x21B5));

    const qreal other = sane(format.leftMargin());
    // A piece behind a cut goes on with its paragraph: no first-line indent there.
    const qreal first = isCut(block) ? other : sane(format.leftMargin() + format.textIndent());
    const qreal right = sane(format.rightMargin());
    Geometry geometry;
    geometry.firstX = margin + first;
    geometry.otherX = margin + other;
    geometry.firstWidth = std::clamp(available - first - right, narrowestLine, widestLine);
    geometry.otherWidth = std::clamp(available - other - right, narrowestLine, widestLine);
    geometry.alignment =
        format.hasProperty(QTextFormat::BlockAlignment) ? format.alignment() : option.alignment();
    return geometry;
}

bool ParagraphLayout::laidOutAs(const QTextBlock& block, const Geometry& geometry) const
{
    const QTextLayout* layout = block.layout();
    if (layout->textOption().alignment() != geometry.alignment)
        return false;
    const QTextLine first = layout->lineAt(0);
    if (!near(first.x(), geometry.firstX) || !near(first.width(), geometry.firstWidth))
        return false;
    if (layout->lineCount() < 2)
        return true;
    const QTextLine second = layout->lineAt(1);
    return near(second.x(), geometry.otherX) && near(second.width(), geometry.otherWidth);
}

void ParagraphLayout::layOut(const QTextBlock& block, const Geometry& geometry)
{
    QTextDocument* doc = document();
    QTextLayout* layout = block.layout();
    const bool cutLine = inCutLine(block);
    // The pieces laid out in front of this one tell the view of their new size once, after
    // this one, so that it does not ask for this one while it is being laid out.
    ++m_depth;
    const int linesBefore = doc->lineCount();
    // The pieces in front are laid out before this one's layout is touched.
    const RowEnd entry = cutLine && LineEnds::isCut(block) ? entryOf(block) : RowEnd();
    ColouredGlyphs::forget(block);
    QTextOption option = doc->defaultTextOption();
    option.setAlignment(geometry.alignment);
    layout->setTextOption(option);

    const bool wrapped = option.wrapMode() != QTextOption::NoWrap;
    const bool followed = LineEnds::isCut(block.next());
    // A block that left its cut line keeps nothing that was laid out for it there.
    if (!cutLine && !m_records.empty())
        m_records.erase(block.fragmentIndex());
    const bool continues =
        entry.rowHeight > 0 && (wrapped ? entry.carried > 0 : entry.pieces < MostPiecesInRow);
    const int textLength = block.length() - 1;
    const QString text = followed && wrapped ? block.text() : QString();

    qreal height = 0;
    qreal widest = 0;
    qreal rowWidth = 0;
    int carried = 0;
    layout->beginLayout();
    for (int index = 0;; ++index) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        const bool inRow = index == 0 && continues;
        const bool first = index == 0;
        rowWidth = inRow ? entry.rowWidth : first ? geometry.firstWidth : geometry.otherWidth;
        const qreal room =
            inRow ? std::max(entry.rowX + entry.rowWidth - entry.endX, 0.0) : rowWidth;
        line.setLineWidth(wrapped ? room : rowWidth);
        if (inRow && wrapped && line.textLength() != std::min(entry.carried, textLength))
            fillColumns(line, std::min(entry.carried, textLength), room);
        // The row at the cut ends where the uncut line would end it: a word that goes on
        // behind the cut and does not fit moves to the next row as a whole.
        if (wrapped && followed && line.textStart() + line.textLength() >= textLength) {
            const QString before = inRow ? entry.rowText : QString();
            const QString rowText = before + text.mid(line.textStart());
            // The same row text as last time ends where it ended then, unless the text behind
            // the cut changed, which drops this record.
            const auto kept = m_records.find(block.fragmentIndex());
            const bool same = kept != m_records.end() && kept->second.exit.rowText == rowText &&
                              near(kept->second.exit.rowWidth, rowWidth);
            const int fit = same ? int(rowText.size()) + kept->second.exit.carried
                                 : rowBreak(rowText, rowWidth, block.next());
            const int own = fit - int(before.size());
            if (fit < rowText.size() && own > 0)
                fillColumns(line, own, room);
            else
                carried = std::max(fit - int(rowText.size()), 0);
        }
        if (inRow) {
            line.setPosition(QPointF(entry.endX, -entry.rowHeight));
        } else {
            line.setPosition(QPointF(first ? geometry.firstX : geometry.otherX, height));
            height += line.height();
            if (line.leading() < 0)
                height += std::ceil(line.leading());
        }
        widest = std::max(widest, line.x() + line.naturalTextWidth());
    }
    layout->endLayout();

    const int lines = layout->lineCount() - (continues && layout->lineCount() > 0 ? 1 : 0);
    QTextBlock(block).setLineCount(block.isVisible() ? lines : 0);
    widest += doc->documentMargin();
    const bool wider = widest > m_widest;
    m_widest = std::max(m_widest, widest);

    if (cutLine) {
        RowEnd exit;
        if (followed && layout->lineCount() > 0)
            exit = exitOf(block, continues ? entry : RowEnd(), layout, rowWidth);
        exit.carried = carried;
        Record& record = m_records[block.fragmentIndex()];
        record = Record{block.length(), geometry.otherX, geometry.otherWidth, wrapped, entry, exit};
        // A piece behind laid out from another row end is laid out anew when next asked for;
        // one that started a row of its own is laid out again when it is drawn.
        if (followed) {
            const auto next = m_records.find(block.next().fragmentIndex());
            if (next != m_records.end() && next->second.entry.rowHeight > 0 &&
                !(next->second.entry == exit)) {
                RowEnd moved = next->second.entry;
                moved.endX = exit.endX;
                // Unwrapped, the pieces behind only move sideways.
                if (!wrapped && moved == exit) {
                    const qreal reach = shiftRow(block.next(), exit.endX - next->second.entry.endX);
                    m_sizeChanged = m_sizeChanged || reach > m_widest;
                    m_widest = std::max(m_widest, reach);
                } else if (!wrapped || !moveFirstRow(block.next(), exit)) {
                    forget(block.next());
                }
            }
        }
    }
    m_sizeChanged = m_sizeChanged || doc->lineCount() != linesBefore || wider;
    // The view answers a new size by asking for blocks, which may be laid out and change the
    // size again: told once more after it answered, never from inside its answer.
    if (--m_depth == 0 && !m_telling) {
        m_telling = true;
        while (m_sizeChanged) {
            m_sizeChanged = false;
            emit documentSizeChanged(documentSize());
        }
        m_telling = false;
    }
}

ParagraphLayout::RowEnd ParagraphLayout::exitOf(const QTextBlock& block, const RowEnd& entry,
                                                QTextLayout* layout, qreal lastLineWidth)
{
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    const bool inRow = layout->lineCount() == 1 && entry.rowHeight > 0;
    RowEnd exit;
    exit.rowX = inRow ? entry.rowX : last.x();
    exit.rowWidth = inRow ? entry.rowWidth : lastLineWidth;
    // Where the next character would stand, known without shaping the line again.
    exit.endX = last.x() + last.horizontalAdvance();
    exit.rowHeight = inRow ? entry.rowHeight : std::ceil(last.height());
    exit.pieces = inRow ? entry.pieces + 1 : 1;
    if (layout->textOption().wrapMode() != QTextOption::NoWrap)
        exit.rowText = (inRow ? entry.rowText : QString()) + block.text().mid(last.textStart());
    return exit;
}

int ParagraphLayout::rowBreak(const QString& rowText, qreal width, const QTextBlock& behind) const
{
    // Shaping costs by the character: the text behind the cut is taken as far as the rest of
    // the row and a word beyond may reach, and further only when that did not fill the row.
    const QFontMetricsF metrics(document()->defaultFont(), paintDevice());
    qsizetype ahead = qsizetype(width / std::max(1.0, metrics.averageCharWidth())) + wordLookAhead;
    for (;;) {
        QString text = rowText;
        const qsizetype wanted = rowText.size() + ahead;
        bool more = false;
        for (QTextBlock piece = behind; piece.isValid(); piece = piece.next()) {
            if (piece != behind && !LineEnds::isCut(piece))
                break;
            const QString own = piece.text();
            const qsizetype room = wanted - text.size();
            text += QStringView(own).left(room);
            if (own.size() >= room) {
                more = true;
                break;
            }
        }
        QTextLayout row(text, document()->defaultFont(), paintDevice());
        QTextOption option = document()->defaultTextOption();
        option.setAlignment(Qt::AlignLeft);
        row.setTextOption(option);
        row.beginLayout();
        QTextLine line = row.createLine();
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        const int fit = line.textLength();
        row.endLayout();
        if (fit < text.size() || !more)
            return fit;
        ahead *= 2;
    }
}

bool ParagraphLayout::cutsPossible() const
{
    return !m_cutsPossible || m_cutsPossible();
}

bool ParagraphLayout::isCut(const QTextBlock& block) const
{
    return cutsPossible() && LineEnds::isCut(block);
}

bool ParagraphLayout::inCutLine(const QTextBlock& block) const
{
    return cutsPossible() && (LineEnds::isCut(block) || LineEnds::isCut(block.next()));
}

bool ParagraphLayout::continuesRow(const QTextBlock& block)
{
    const QTextLayout* layout = block.layout();
    return layout && layout->lineCount() > 0 && layout->lineAt(0).y() < 0;
}

QTextBlock ParagraphLayout::rowStart(QTextBlock block)
{
    while (continuesRow(block) && block.previous().isValid())
        block = block.previous();
    return block;
}

const ParagraphLayout::Record* ParagraphLayout::validRecord(const QTextBlock& block,
                                                            const Geometry& geometry) const
{
    const auto found = m_records.find(block.fragmentIndex());
    if (found == m_records.end())
        return nullptr;
    const Record& record = found->second;
    const bool wrapped = document()->defaultTextOption().wrapMode() != QTextOption::NoWrap;
    if (record.length != block.length() || record.wrapped != wrapped ||
        !near(record.otherX, geometry.otherX) || !near(record.otherWidth, geometry.otherWidth))
        return nullptr;
    return &record;
}

ParagraphLayout::RowEnd ParagraphLayout::entryOf(const QTextBlock& block)
{
    // The pieces in front whose row ends are not known, nearest first.
    std::vector<QTextBlock> unknown;
    for (QTextBlock before = block.previous(); before.isValid(); before = before.previous()) {
        if (validRecord(before, geometryOf(before)))
            break;
        if (int(unknown.size()) == mostPiecesLaidOutAhead)
            return RowEnd();
        unknown.push_back(before);
        if (!LineEnds::isCut(before))
            break;
    }
    for (auto it = unknown.crbegin(); it != unknown.crend(); ++it)
        layOut(*it, geometryOf(*it));
    const QTextBlock before = block.previous();
    const Record* record = validRecord(before, geometryOf(before));
    return record ? record->exit : RowEnd();
}

qreal ParagraphLayout::shiftRow(const QTextBlock& block, qreal by)
{
    qreal widest = 0;
    for (QTextBlock piece = block; piece.isValid() && LineEnds::isCut(piece);
         piece = piece.next()) {
        const auto found = m_records.find(piece.fragmentIndex());
        if (found == m_records.end())
            break;
        RowEnd& entry = found->second.entry;
        entry.endX += by;
        // The next row starts where it did; it goes on from the moved row end.
        if (entry.rowHeight == 0 || entry.pieces >= MostPiecesInRow)
            break;
        found->second.exit.endX += by;
        QTextLayout* layout = piece.layout();
        if (layout->lineCount() == 0)
            continue;
        ColouredGlyphs::forget(piece);
        QTextLine line = layout->lineAt(0);
        line.setPosition(line.position() + QPointF(by, 0));
        widest = std::max(widest, line.x() + line.naturalTextWidth());
    }
    return widest + document()->documentMargin();
}

bool ParagraphLayout::moveFirstRow(const QTextBlock& block, const RowEnd& entry)
{
    // Typing in the row's own piece moves the row end and changes the row's text; as long as
    // the same characters of block stand in the row, block's rows below and its own row end
    // stay as they are, and it need not be shaped again.
    const auto found = m_records.find(block.fragmentIndex());
    if (found == m_records.end() || !validRecord(block, geometryOf(block)) || entry.carried <= 0)
        return false;
    Record& record = found->second;
    RowEnd same = record.entry;
    same.endX = entry.endX;
    same.rowText = entry.rowText;
    QTextLayout* layout = block.layout();
    if (!(same == entry) || layout->lineCount() < 2 || !linesCoverText(block))
        return false;
    QTextLine line = layout->lineAt(0);
    const int columns = line.textLength();
    const qreal room = std::max(entry.rowX + entry.rowWidth - entry.endX, 0.0);
    line.setLineWidth(room);
    if (line.textLength() != columns)
        fillColumns(line, columns, room);
    if (line.textLength() != columns)
        return false;
    line.setPosition(QPointF(entry.endX, -entry.rowHeight));
    ColouredGlyphs::forget(block);
    record.entry = entry;
    return true;
}

void ParagraphLayout::forget(const QTextBlock& block)
{
    // The row ends behind follow from this one: they go too, up to one that was never kept.
    for (QTextBlock piece = block; piece.isValid(); piece = piece.next()) {
        if (piece != block && !LineEnds::isCut(piece))
            break;
        if (m_records.erase(piece.fragmentIndex()) == 0 && piece != block)
            break;
    }
}

void ParagraphLayout::documentChanged(int from, int removed, int added)
{
    Q_UNUSED(removed);
    QTextDocument* doc = document();
    if (from == 0 && added >= doc->characterCount() - 1) {
        m_widest = 0;
        m_records.clear();
    }
    // The base layout would take the removed and the added characters together as the stretch
    // of new text to lay out again, which reaches into blocks behind the change; only the added
    // ones stand there.
    const int span = std::max(added, 1);
    const QTextBlock block = doc->findBlock(from);
    if (block.isValid() && block.isVisible() && block == doc->findBlock(from + span - 1) &&
        doc->blockCount() == m_blockCount) {
        // A change inside one block: laid out again here at once, drawn again alone unless its
        // height changed or it shares a row with another piece of its line. A block whose lines
        // were dropped (new colours do that) is laid out once only; its line count then tells
        // whether it grew.
        const bool laidOut = block.layout()->lineCount() > 0;
        // Where the block's lines started, to tell which rows the change moved.
        std::vector<int> startsBefore(std::size_t(block.layout()->lineCount()));
        for (int l = 0; l < int(startsBefore.size()); ++l)
            startsBefore[std::size_t(l)] = block.layout()->lineAt(l).textStart();
        // The height it had before the change: asked of the base, which takes the lines as
        // they stand, where this layout would lay the grown block out first.
        const qreal before =
            laidOut ? QPlainTextDocumentLayout::blockBoundingRect(block).height() : 0;
        const int linesBefore = block.lineCount();
        // Whatever moved beyond the block's own rows is drawn again in full.
        bool moved = false;
        bool rowOnly = false;
        // Wrapped, a row end that moved moves the rows of the pieces behind, but none above.
        bool onlyExitMoved = false;
        if (inCutLine(block)) {
            const auto kept = m_records.find(block.fragmentIndex());
            const RowEnd exitBefore = kept != m_records.end() ? kept->second.exit : RowEnd();
            // The row in front ends with this piece's first words: it may break elsewhere now.
            const QTextBlock front = block.previous();
            const Record* frontRecord =
                LineEnds::isCut(block) ? validRecord(front, geometryOf(front)) : nullptr;
            if (frontRecord && frontRecord->wrapped &&
                from - block.position() <= frontRecord->exit.carried + wordLookAhead) {
                const RowEnd& end = frontRecord->exit;
                const int fit = rowBreak(end.rowText, end.rowWidth, block);
                if (fit - end.rowText.size() != end.carried) {
                    m_records.erase(front.fragmentIndex());
                    layOut(front, geometryOf(front));
                    moved = true;
                }
            }
            // The pieces behind follow a new row end of this one as they are laid out.
            layOut(block, geometryOf(block));
            const auto now = m_records.find(block.fragmentIndex());
            if (now != m_records.end() && !now->second.wrapped) {
                // Unwrapped, the row's pieces behind only moved sideways: the row is drawn
                // again, from the piece whose box holds it.
                RowEnd sideways = now->second.exit;
                sideways.endX = exitBefore.endX;
                rowOnly = sideways == exitBefore;
            }
            const bool exitMoved = now != m_records.end() && !(now->second.exit == exitBefore);
            onlyExitMoved = !moved && exitMoved && now->second.wrapped;
            moved = moved || now == m_records.end() || exitMoved ||
                    (continuesRow(block) && !now->second.wrapped);
        } else {
            layOut(block, geometryOf(block));
        }
        // A cut that became a line end (or went) leaves the block behind on a row of its own.
        const QTextBlock behind = block.next();
        if (continuesRow(behind) && !LineEnds::isCut(behind)) {
            layOut(behind, geometryOf(behind));
            moved = true;
            rowOnly = false;
            onlyExitMoved = false;
        }
        // The pieces behind that only had their first row moved along keep their rows below.
        const Record* own = onlyExitMoved ? validRecord(block, geometryOf(block)) : nullptr;
        const Record* next = own && block.next().isValid()
                                 ? validRecord(block.next(), geometryOf(block.next()))
                                 : nullptr;
        const bool behindKept = next && next->entry.rowHeight > 0 && next->entry == own->exit;
        const bool sameHeight = laidOut ? blockBoundingRect(block).height() == before
                                        : block.lineCount() == linesBefore;
        const QTextLayout* lines = block.layout();
        const bool linesKnown = m_repaintLines && laidOut && added != removed &&
                                lines->lineCount() == int(startsBefore.size());
        if (sameHeight && (!moved || (onlyExitMoved && linesKnown))) {
            // Of typing in a long block, only the rows it changed are drawn again, and those
            // below them when the pieces behind go on from a moved row end.
            int firstChanged = 0;
            if (linesKnown) {
                const auto [first, last] =
                    changedLines(*lines, startsBefore, from - block.position(), added, removed);
                m_repaintLines(block, first,
                               !moved       ? last
                               : behindKept ? lines->lineCount() - 1
                                            : ToViewEnd);
                firstChanged = first;
            } else {
                emit updateBlock(block);
            }
            // The first row of a piece stands in the box of the one in front: when it changed,
            // that row is drawn again, not the whole piece in front.
            if (continuesRow(block) && firstChanged == 0) {
                const QTextBlock front = block.previous();
                const int last = front.layout()->lineCount() - 1;
                if (m_repaintLines)
                    m_repaintLines(front, last, last);
                else
                    emit updateBlock(front);
            }
        } else if (rowOnly && sameHeight) {
            emit updateBlock(rowStart(block));
        } else
            emit update(QRectF(0., -doc->documentMargin(), 1000000000., 1000000000.));
        return;
    }
    if (!m_records.empty() && block.isValid()) {
        // Every piece the change touched, the one in front (whose row end reads this one's
        // text) and the ones behind (which go on from it) are laid out anew.
        QTextBlock last = doc->findBlock(from + span - 1);
        if (!last.isValid())
            last = doc->lastBlock();
        QTextBlock first = LineEnds::isCut(block) ? block.previous() : block;
        for (QTextBlock piece = first; piece.isValid(); piece = piece.next()) {
            m_records.erase(piece.fragmentIndex());
            if (piece == last)
                break;
        }
        forget(last.next());
    }
    m_blockCount = doc->blockCount();
    QPlainTextDocumentLayout::documentChanged(from, 0, span);
}

QRectF ParagraphLayout::blockBoundingRect(const QTextBlock& block) const
{
    if (block.isValid() && block.isVisible()) {
        auto* self = const_cast<ParagraphLayout*>(this);
        // A block laid out for another width (the view was resized since) is laid out anew
        // when it is needed, instead of every block of the document at the resize.
        if (!linesCoverText(block)) {
            self->layOut(block, geometryOf(block));
        } else if (inCutLine(block)) {
            if (!laidOutInRow(block))
                self->layOut(block, geometryOf(block));
        } else if (continuesRow(block)) {
            self->layOut(block, geometryOf(block));
        } else {
            const Geometry geometry = geometryOf(block);
            if (!laidOutAs(block, geometry))
                self->layOut(block, geometry);
        }
    }
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

bool ParagraphLayout::laidOutInRow(const QTextBlock& block) const
{
    const Record* record = validRecord(block, geometryOf(block));
    if (!record)
        return false;
    if (!LineEnds::isCut(block))
        return true;
    // Laid out from the row end in front, or on a row of its own while that was not known
    // (which settle() mends when the block is drawn: laid out again here, each such piece would
    // move the ones behind and have the view walk the pieces once more).
    if (record->entry.rowHeight == 0)
        return true;
    const QTextBlock front = block.previous();
    const Record* frontRecord = validRecord(front, geometryOf(front));
    return frontRecord && frontRecord->exit == record->entry;
}

void ParagraphLayout::settle(const QTextBlock& block)
{
    if (!block.isValid() || !LineEnds::isCut(block))
        return;
    const Record* record = validRecord(block, geometryOf(block));
    if (!record || record->entry.rowHeight > 0)
        return;
    const QTextBlock front = block.previous();
    const Record* frontRecord = validRecord(front, geometryOf(front));
    if (frontRecord && frontRecord->exit.rowHeight > 0)
        layOut(block, geometryOf(block));
}

QSizeF ParagraphLayout::documentSize() const
{
    QSizeF size = QPlainTextDocumentLayout::documentSize();
    // Wrapped text is as wide as the view; only unwrapped lines reach past it. The base layout
    // learns of the view's width only when the whole text is laid out anew, which a resize
    // does not do here.
    const qreal viewWidth = m_view ? qreal(m_view->width()) : size.width();
    if (document()->defaultTextOption().wrapMode() == QTextOption::NoWrap)
        size.setWidth(std::max(viewWidth, m_widest));
    else
        size.setWidth(viewWidth);
    return size;
}
