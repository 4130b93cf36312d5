// TExtRich's drawing: colours found for what is about to be shown, and coloured blocks drawn
// glyph by glyph in them.
#include "editor/ColouredGlyphs.h"
#include "editor/GlyphCache.h"
#include "editor/HtmlHighlighter.h"
#include "editor/ParagraphLayout.h"
#include "editor/TextControl.h"
#include "editor/TextMarks.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <algorithm>

void TExtRich::paintEvent(QPaintEvent* event)
{
    const bool coloured = m_highlighter && m_highlighter->isEnabled();
    // Colours are found just before their blocks are drawn, never for what stays unseen.
    if (coloured) {
        // The first block may begin above the view: its rows up there count as well.
        const QTextBlock top = firstVisibleBlock();
        const int above = -int(blockBoundingGeometry(top).translated(contentOffset()).top());
        const auto [first, last] =
            m_highlighter->colourShown(top, viewport()->height() + std::max(0, above),
                                       QFontMetricsF(document()->defaultFont()).lineSpacing());
        // Newly coloured blocks outside the area being drawn are drawn next.
        if (first.isValid()) {
            const QPointF offset = contentOffset();
            const QRect changed = blockBoundingGeometry(first)
                                      .united(blockBoundingGeometry(last))
                                      .translated(offset)
                                      .toAlignedRect()
                                      .intersected(viewport()->rect());
            const QRegion missing = QRegion(changed).subtracted(event->region());
            if (!missing.isEmpty())
                viewport()->update(missing);
        }
    }
    // The blocks on screen keep their shaped glyphs between repaints.
    const auto [first, last] = shownBlocks();
    m_glyphs->keepShown(first, last);
    emit aboutToDrawBlocks(first, last, event->region());
    // The placeholder of an empty text is the base's to draw. The base would leave out the part
    // of a row that a piece of a cut line draws above its own block.
    if ((!coloured && m_cuts.isEmpty()) || document()->isEmpty())
        QPlainTextEdit::paintEvent(event);
    else
        paintColoured(event);
    paintMarks(event);
}

std::pair<QTextBlock, QTextBlock> TExtRich::shownBlocks()
{
    const QTextBlock first = firstVisibleBlock();
    QTextBlock last = first;
    qreal bottom = blockBoundingGeometry(first).top() + contentOffset().y();
    auto* layout = qobject_cast<ParagraphLayout*>(document()->documentLayout());
    const int right = viewport()->width() - int(contentOffset().x());
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (layout && !m_cuts.isEmpty())
            layout->settle(block);
        last = block;
        bottom += blockBoundingRect(block).height();
        if (bottom >= viewport()->height())
            break;
        const QTextLayout* lines = block.layout();
        if (!wordWrap() && LineEnds::isCut(block.next()) && lines->lineCount() > 0 &&
            lines->lineAt(0).x() > right) {
            block = pastCutRow(block.next()).previous();
            last = block;
        }
    }
    return {first, last};
}

QTextBlock TExtRich::pastCutRow(QTextBlock block) const
{
    while (block.isValid() && LineEnds::isCut(block) && ParagraphLayout::continuesRow(block))
        block = block.next();
    return block;
}

void TExtRich::paintMarks(const QPaintEvent* event)
{
    if (m_marks->isEmpty())
        return;
    QPainter painter(viewport());
    const int bottom = viewport()->height();
    // Each block stands below the one before: asking the control for every block's geometry
    // would walk from the first shown block each time.
    const QTextBlock first = firstVisibleBlock();
    QPointF topLeft = blockBoundingGeometry(first).translated(contentOffset()).topLeft();
    const int right = viewport()->width();
    const QRectF area = event->rect();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (topLeft.y() > bottom)
            break;
        const qreal height = blockBoundingRect(block).height();
        // Only blocks in the area being drawn are marked; pieces of an unwrapped cut line
        // share one row, which reaches far beyond the view.
        const QRectF extent = block.layout()->boundingRect().translated(topLeft);
        if (extent.intersects(area))
            m_marks->paintBlock(&painter, block, topLeft, area);
        topLeft.ry() += height;
        if (!wordWrap() && LineEnds::isCut(block.next()) && extent.left() > right)
            block = pastCutRow(block.next()).previous();
    }
}

bool TExtRich::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = m_marks->tipAt(cursorForPosition(help->pos()).position());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport());
        return true;
    }
    return QPlainTextEdit::viewportEvent(event);
}

// The plain-text edit's own drawing, but for the text of coloured blocks.
void TExtRich::paintColoured(QPaintEvent* event)
{
    QPainter painter(viewport());
    QPointF offset = contentOffset();
    QRect area = event->rect();
    const QRect shown = viewport()->rect();
    const bool editable = !isReadOnly();
    const qreal widest = document()->documentLayout()->documentSize().width();
    painter.setBrushOrigin(offset);
    // The right margin stays clear of selections that run to the line's end.
    const int right = int(offset.x() + std::max<qreal>(shown.width(), widest) -
                          document()->documentMargin() + cursorWidth());
    area.setRight(std::min(area.right(), right));
    painter.setClipRect(area);

    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    const QColor text = context.palette.text().color();
    QTextBlock block = firstVisibleBlock();
    while (block.isValid()) {
        const QRectF bounds = blockBoundingRect(block).translated(offset);
        QTextLayout* layout = block.layout();
        // A piece of a cut line may begin in the row above its block.
        const qreal top =
            bounds.top() + std::min<qreal>(0, layout->lineCount() > 0 ? layout->lineAt(0).y() : 0);
        // Pieces of an unwrapped cut line left or right of the area are not drawn.
        const QRectF extent = layout->boundingRect().translated(offset);
        const bool across = layout->lineCount() != 1 ||
                            (extent.right() >= area.left() && extent.left() <= area.right());
        if (block.isVisible() && bounds.bottom() >= area.top() && top <= area.bottom() && across) {
            const QBrush background = block.blockFormat().background();
            if (background != Qt::NoBrush) {
                QRectF behind = bounds;
                behind.setWidth(std::max(bounds.width(), widest));
                painter.fillRect(behind, background);
            }
            const int blockStart = block.position();
            const int blockLength = block.length();
            QList<QTextLayout::FormatRange> selections;
            for (const QAbstractTextDocumentLayout::Selection& range : context.selections) {
                const int from = range.cursor.selectionStart() - blockStart;
                const int to = range.cursor.selectionEnd() - blockStart;
                if (from < blockLength && to > 0 && to > from) {
                    selections.append({from, to - from, range.format});
                } else if (!range.cursor.hasSelection() &&
                           range.format.hasProperty(QTextFormat::FullWidthSelection) &&
                           block.contains(range.cursor.position())) {
                    const QTextLine line =
                        layout->lineForTextPosition(range.cursor.position() - blockStart);
                    int length = line.textLength();
                    if (line.textStart() + length == blockLength - 1)
                        ++length;
                    selections.append({line.textStart(), length, range.format});
                }
            }
            const bool caretHere =
                (editable || (textInteractionFlags() & Qt::TextSelectableByKeyboard)) &&
                context.cursorPosition >= blockStart &&
                context.cursorPosition < blockStart + blockLength;
            // In overwrite mode the caret is the character it stands on, shown inverted.
            const bool caretAsBlock = caretHere && overwriteMode() &&
                                      context.cursorPosition != blockStart + blockLength - 1;
            if (caretAsBlock) {
                QTextCharFormat inverted;
                inverted.setForeground(palette().base());
                inverted.setBackground(palette().text());
                selections.append({context.cursorPosition - blockStart, 1, inverted});
            }
            paintBlockText(&painter, block, offset, selections, area, text);
            if ((caretHere && !caretAsBlock) ||
                (editable && context.cursorPosition < -1 && !layout->preeditAreaText().isEmpty())) {
                int caret = context.cursorPosition;
                caret =
                    caret < -1 ? layout->preeditAreaPosition() - (caret + 2) : caret - blockStart;
                layout->drawCursor(&painter, offset, caret, cursorWidth());
            }
        }
        offset.ry() += bounds.height();
        if (offset.y() > shown.height())
            break;
        block = block.next();
        // The rest of an unwrapped cut line right of the area stays unseen, in its row.
        if (!wordWrap() && LineEnds::isCut(block) && extent.left() > area.right())
            block = pastCutRow(block);
    }
    if (backgroundVisible() && !block.isValid() && offset.y() <= area.bottom() &&
        (centerOnScroll() || verticalScrollBar()->maximum() == verticalScrollBar()->minimum()))
        painter.fillRect(QRect(QPoint(area.left(), int(offset.y())), area.bottomRight()),
                         palette().window());
}

void TExtRich::paintBlockText(QPainter* painter, const QTextBlock& block, const QPointF& offset,
                              const QList<QTextLayout::FormatRange>& selections, const QRect& area,
                              const QColor& text)
{
    // Selections that bring a text colour of their own keep it; the glyphs of the others are
    // drawn over the selections' backgrounds in their colours.
    QList<QTextLayout::FormatRange> ownColour;
    for (const QTextLayout::FormatRange& range : selections)
        if (range.format.hasProperty(QTextFormat::ForegroundBrush))
            ownColour.append(range);
    QTextLayout* layout = block.layout();
    const auto readiness = ColouredGlyphs::prepare(block, offset, area);
    if (readiness != ColouredGlyphs::Readiness::Ready) {
        if (readiness == ColouredGlyphs::Readiness::NeedsFormats) {
            QTextBlock own = block;
            m_highlighter->colourByFormats(own);
        }
        painter->setPen(text);
        layout->draw(painter, offset, selections, area);
        return;
    }
    // The layout draws the selections' backgrounds and own-coloured text; without a pen it leaves
    // out the rest of the text, which costs next to nothing.
    if (!selections.isEmpty()) {
        painter->setPen(Qt::NoPen);
        layout->draw(painter, offset, selections, area);
    }
    ColouredGlyphs::draw(painter, block, offset, *m_highlighter, text, ownColour, area);
}
