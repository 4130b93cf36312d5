// LineNumberGutter: the strip left of the text that numbers its hard lines.
#include "editor/LineNumberGutter.h"

#include "editor/LineEnds.h"
#include "editor/PageCheckDocument.h"
#include "editor/TextControl.h"
#include "editor/TextMarks.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

LineNumberGutter::LineNumberGutter(TExtRich* edit) : QWidget(edit), m_edit(edit)
{
    setObjectName(QStringLiteral("LineNumbers"));
}

int LineNumberGutter::widthFor(int lines) const
{
    const int digits = std::max(4, int(QString::number(std::max(1, lines)).size()));
    return fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + 8;
}

int LineNumberGutter::numberAt(int y) const
{
    QTextBlock block = m_edit->firstVisibleBlock();
    const QPointF offset = m_edit->contentOffset();
    for (; block.isValid(); block = block.next()) {
        const QRectF box = m_edit->blockBoundingGeometry(block).translated(offset);
        if (box.top() > y)
            break;
        if (y < box.bottom())
            return LineEnds::isCut(block) ? 0 : m_edit->lineOfBlock(block) + 1;
    }
    return 0;
}

void LineNumberGutter::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette& pal = m_edit->palette();
    painter.fillRect(event->rect(), pal.color(QPalette::Window));
    painter.setPen(pal.color(QPalette::PlaceholderText));
    painter.setFont(m_edit->font());
    const QPointF offset = m_edit->contentOffset();
    const int lineHeight = painter.fontMetrics().height();
    // The line number of the first piece, counted once; later blocks count on from it.
    QTextBlock block = m_edit->firstVisibleBlock();
    int line = block.isValid() ? m_edit->lineOfBlock(block) : 0;
    for (bool first = true; block.isValid(); block = block.next(), first = false) {
        const bool cut = LineEnds::isCut(block);
        if (!first && !cut)
            ++line;
        const QRectF box = m_edit->blockBoundingGeometry(block).translated(offset);
        if (box.top() > event->rect().bottom())
            break;
        if (box.bottom() < event->rect().top() || !block.isVisible())
            continue;
        // A bar at the left edge beside every piece of line that carries a finding of the page
        // check (misspelt words are marked in the text only).
        if (const TextMarks* marks = m_edit->marks()) {
            const QList<TextMarks::Mark> found =
                marks->marksIn(block.position(), block.position() + block.length() - 1,
                               TextMarks::Layer::PageCheck);
            if (!found.isEmpty()) {
                // An error's colour wins over a warning's, and that over the rest.
                QColor colour = found.first().colour;
                for (PageCheck::Kind kind : {PageCheck::Kind::Warning, PageCheck::Kind::Error})
                    for (const TextMarks::Mark& mark : found)
                        if (mark.colour == PageChecker::colour(kind))
                            colour = mark.colour;
                painter.fillRect(QRectF(0, box.top() + 1, 3, box.height() - 2), colour);
            }
        }
        if (cut)
            continue;
        painter.drawText(QRectF(0, box.top(), width() - 6, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(line + 1));
    }
}
