// TExtRich in the rows that pieces of a cut line share: clicks, drags and Up/Down find the
// piece that stands at the place, which the plain-text edit alone would not.
#include "editor/LineEnds.h"
#include "editor/ParagraphLayout.h"
#include "editor/TextControl.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

int TExtRich::rowPositionAt(const QPointF& point) const
{
    if (m_cuts.isEmpty())
        return -1;
    // The plain-text edit takes the block whose box holds the point; of a shared row that box
    // holds only the first piece, whose last line it then searches.
    const QTextBlock block = cursorForPosition(point.toPoint()).block();
    if (!LineEnds::isCut(block.next()))
        return -1;
    const QPointF offset = contentOffset();
    const QTextLayout* layout = block.layout();
    if (layout->lineCount() == 0)
        return -1;
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    const qreal rowTop = blockBoundingGeometry(block).translated(offset).top() + last.y();
    if (point.y() < rowTop || point.y() >= rowTop + last.height())
        return -1;
    const qreal x = point.x() - offset.x();
    QAbstractTextDocumentLayout* documentLayout = document()->documentLayout();
    int found = -1;
    for (QTextBlock piece = block.next(); piece.isValid() && LineEnds::isCut(piece);
         piece = piece.next()) {
        documentLayout->blockBoundingRect(piece);
        if (!ParagraphLayout::continuesRow(piece))
            break;
        const QTextLine first = piece.layout()->lineAt(0);
        if (x < first.x())
            break;
        found = piece.position() + first.xToCursor(x, overwriteMode()
                                                          ? QTextLine::CursorOnCharacter
                                                          : QTextLine::CursorBetweenCharacters);
        if (piece.layout()->lineCount() > 1)
            break;
    }
    return found;
}

void TExtRich::placeCaretInRow(const QMouseEvent* event, RowPlacement placement)
{
    if (m_cuts.isEmpty() || !(event->buttons() & Qt::LeftButton))
        return;
    const int found = rowPositionAt(event->position());
    if (found < 0)
        return;
    QTextCursor cursor = textCursor();
    switch (placement) {
    case RowPlacement::Press:
        cursor.setPosition(found, (event->modifiers() & Qt::ShiftModifier)
                                      ? QTextCursor::KeepAnchor
                                      : QTextCursor::MoveAnchor);
        break;
    case RowPlacement::Drag:
        cursor.setPosition(found, QTextCursor::KeepAnchor);
        break;
    case RowPlacement::Word:
        cursor.setPosition(found);
        cursor.select(QTextCursor::WordUnderCursor);
        break;
    }
    if (cursor != textCursor())
        setTextCursor(cursor);
}

void TExtRich::moveAcrossCutRows(bool down, QTextCursor::MoveMode mode, int rowBefore)
{
    QTextCursor cursor = textCursor();
    const int x = cursor.verticalMovementX();
    if (x < 0)
        return;
    // The edit moves line by line of each block: from the last row of a piece into the first
    // line of the piece behind, which stands in the same row; and back.
    for (int step = 0; step < 64 && cursorRect(cursor).top() == rowBefore; ++step) {
        const int at = cursor.position();
        if (!wordWrap()) {
            // An unwrapped piece stands in one row with the pieces around it.
            const QTextBlock block = cursor.block();
            const QTextBlock end = down ? lastPieceInRow(block) : ParagraphLayout::rowStart(block);
            cursor.setPosition(down ? end.position() + end.length() - 1 : end.position(), mode);
        }
        cursor.setVerticalMovementX(x);
        cursor.movePosition(down ? QTextCursor::Down : QTextCursor::Up, mode);
        if (cursor.position() == at)
            break;
    }
    // The edit looked for the x in one piece; the row may hold several.
    const QPointF point(x + contentOffset().x(), cursorRect(cursor).center().y());
    int found = rowPositionAt(point);
    if (found < 0)
        found = cursorForPosition(point.toPoint()).position();
    if (found != cursor.position())
        cursor.setPosition(found, mode);
    cursor.setVerticalMovementX(x);
    setTextCursor(cursor);
    // The edit scrolls a piece's box into view, which leaves out its first row.
    if (cursorRect().top() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
}

QTextBlock TExtRich::lastPieceInRow(QTextBlock block) const
{
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    for (QTextBlock next = block.next(); next.isValid() && LineEnds::isCut(next);
         next = next.next()) {
        layout->blockBoundingRect(next);
        if (!ParagraphLayout::continuesRow(next))
            break;
        block = next;
        // A piece that wraps ends the row in its own first line.
        if (next.layout()->lineCount() > 1)
            break;
    }
    return block;
}

void TExtRich::moveToRowEdge(bool end, QTextCursor::MoveMode mode)
{
    QTextCursor cursor = textCursor();
    QTextBlock block = cursor.block();
    const QTextLayout* lines = block.layout();
    if (!lines || lines->lineCount() == 0)
        return;
    const int inBlock = cursor.position() - block.position();
    const QTextLine line = lines->lineForTextPosition(inBlock);
    if (end) {
        // Only from the end of a block's last line does the row go on in the piece behind.
        if (line.lineNumber() != lines->lineCount() - 1 || inBlock != block.length() - 1)
            return;
        const QTextBlock last = lastPieceInRow(block);
        if (last == block)
            return;
        const QTextLine first = last.layout()->lineAt(0);
        int at = last.position() + first.textStart() + first.textLength();
        // As the edit does at a wrapped line's end: the blank it broke at stays behind.
        if (last.layout()->lineCount() > 1 && last.text().at(first.textLength() - 1).isSpace())
            --at;
        cursor.setPosition(at, mode);
    } else {
        if (line.lineNumber() != 0 || inBlock != 0 || !ParagraphLayout::continuesRow(block))
            return;
        const QTextBlock first = ParagraphLayout::rowStart(block);
        const QTextLayout* firstLines = first.layout();
        const QTextLine rowLine = firstLines->lineAt(firstLines->lineCount() - 1);
        cursor.setPosition(first.position() + rowLine.textStart(), mode);
    }
    setTextCursor(cursor);
}
