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

namespace
{

// QTextLine keeps widths in 26.6 fixed point and clamps anything wider.
constexpr qreal widestLine = qreal(INT_MAX / 256);
// Positions come back rounded to 1/64 pixel.
constexpr qreal tolerance = 1.0 / 32;
// Indents wider than the text still leave room for a few characters per line.
constexpr qreal narrowestLine = 16;

// Block formats from files may hold anything; text never moves left of the edit rectangle.
qreal sane(qreal pixels)
{
    return std::isfinite(pixels) ? std::clamp(pixels, 0.0, widestLine) : 0.0;
}

bool near(qreal a, qreal b)
{
    return std::abs(a - b) < tolerance;
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
    const qreal first =
        LineEnds::isCut(block) ? other : sane(format.leftMargin() + format.textIndent());
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
    ColouredGlyphs::forget(block);
    QTextOption option = doc->defaultTextOption();
    option.setAlignment(geometry.alignment);
    layout->setTextOption(option);

    qreal height = 0;
    qreal widest = 0;
    layout->beginLayout();
    for (bool first = true;; first = false) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(first ? geometry.firstWidth : geometry.otherWidth);
        line.setPosition(QPointF(first ? geometry.firstX : geometry.otherX, height));
        widest = std::max(widest, line.x() + line.naturalTextWidth());
        height += line.height();
        if (line.leading() < 0)
            height += std::ceil(line.leading());
    }
    layout->endLayout();

    const int linesBefore = doc->lineCount();
    QTextBlock(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
    widest += doc->documentMargin();
    const bool wider = widest > m_widest;
    m_widest = std::max(m_widest, widest);
    if (doc->lineCount() != linesBefore || wider)
        emit documentSizeChanged(documentSize());
}

void ParagraphLayout::documentChanged(int from, int removed, int added)
{
    Q_UNUSED(removed);
    QTextDocument* doc = document();
    if (from == 0 && added >= doc->characterCount() - 1)
        m_widest = 0;
    // The base layout would take the removed and the added characters together as the stretch
    // of new text to lay out again, which reaches into blocks behind the change; only the added
    // ones stand there.
    const int span = std::max(added, 1);
    const QTextBlock block = doc->findBlock(from);
    if (block.isValid() && block.isVisible() && block == doc->findBlock(from + span - 1) &&
        doc->blockCount() == m_blockCount) {
        // A change inside one block: laid out again here at once, drawn again alone unless its
        // height changed. A block whose lines were dropped (new colours do that) is laid out
        // once only; its line count then tells whether it grew.
        const bool laidOut = block.layout()->lineCount() > 0;
        const qreal before = laidOut ? blockBoundingRect(block).height() : 0;
        const int linesBefore = block.lineCount();
        layOut(block, geometryOf(block));
        if (laidOut ? blockBoundingRect(block).height() == before
                    : block.lineCount() == linesBefore)
            emit updateBlock(block);
        else
            emit update(QRectF(0., -doc->documentMargin(), 1000000000., 1000000000.));
        return;
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
        const Geometry geometry = geometryOf(block);
        if (!linesCoverText(block) || !laidOutAs(block, geometry))
            self->layOut(block, geometry);
    }
    return QPlainTextDocumentLayout::blockBoundingRect(block);
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
