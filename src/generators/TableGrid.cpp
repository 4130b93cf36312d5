// TTableGrid: the table dialog's preview grid, one editable cell per table cell.
#include "generators/TableGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace
{

// Draws the grid lines as wide as the table's border; the view's own lines are one pixel.
class GridLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int width = 1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (width <= 1)
            return;
        const QRect r = option.rect;
        const int w = std::min(width - 1, std::min(r.width(), r.height()) / 2);
        const QColor line = option.palette.color(QPalette::Mid);
        painter->fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), line);
        painter->fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), line);
    }
};

} // namespace

TTableGrid::TTableGrid(QWidget* parent) : QTableWidget(1, 1, parent)
{
    setObjectName(QStringLiteral("StringGrid1"));
    m_delegate = new GridLineDelegate(this);
    setItemDelegate(m_delegate);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(true);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);

    QHeaderView* top = horizontalHeader();
    top->setDefaultSectionSize(NewColumnWidth);
    top->setMinimumSectionSize(1);
    top->setFixedHeight(DefaultRowHeight);
    top->setSectionsMovable(true);
    top->setHighlightSections(false);
    QHeaderView* side = verticalHeader();
    side->setDefaultSectionSize(DefaultRowHeight);
    side->setMinimumSectionSize(1);
    side->setFixedWidth(FixedColumnWidth);
    side->setSectionsMovable(true);
    side->setHighlightSections(false);
    setColumnWidth(0, FirstColumnWidth);
    setRowHeight(0, DefaultRowHeight);
    blankHeaders();

    connect(top, &QHeaderView::sectionMoved, this,
            [this](int, int from, int to) { moveColumnData(from, to); });
    connect(side, &QHeaderView::sectionMoved, this,
            [this](int, int from, int to) { moveRowData(from, to); });

    for (QWidget* surface : {viewport(), top->viewport(), side->viewport()}) {
        surface->setMouseTracking(true);
        surface->installEventFilter(this);
    }
}

void TTableGrid::blankHeaders()
{
    for (int c = 0; c < columnCount(); ++c)
        if (!horizontalHeaderItem(c))
            setHorizontalHeaderItem(c, new QTableWidgetItem);
    for (int r = 0; r < rowCount(); ++r)
        if (!verticalHeaderItem(r))
            setVerticalHeaderItem(r, new QTableWidgetItem);
}

void TTableGrid::setDataColumns(int count)
{
    if (count == columnCount())
        return;
    setColumnCount(count);
    blankHeaders();
}

void TTableGrid::setDataRows(int count)
{
    if (count == rowCount())
        return;
    setRowCount(count);
    blankHeaders();
}

QString TTableGrid::cellText(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TTableGrid::setCellText(int row, int column, const QString& text)
{
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(text);
    else if (!text.isEmpty())
        setItem(row, column, new QTableWidgetItem(text));
}

QStringList TTableGrid::cellTexts() const
{
    QStringList texts;
    texts.reserve(qsizetype(rowCount()) * columnCount());
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            texts << cellText(r, c);
    return texts;
}

void TTableGrid::setRowHeights(int height)
{
    QHeaderView* side = verticalHeader();
    for (int r = 0; r < rowCount(); ++r)
        if (side->sectionSize(r) != height)
            side->resizeSection(r, height);
}

void TTableGrid::setGridLineWidth(int width)
{
    m_lineWidth = width;
    static_cast<GridLineDelegate*>(m_delegate)->width = width;
    setShowGrid(width > 0);
    viewport()->update();
}

void TTableGrid::commitEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex()))
        commitData(editor);
}

void TTableGrid::moveColumnData(int from, int to)
{
    if (m_moving)
        return;
    m_moving = true;
    // Back to identity order, then the texts and the width move instead.
    horizontalHeader()->moveSection(to, from);
    const int width = columnWidth(from);
    QList<QTableWidgetItem*> cells;
    for (int r = 0; r < rowCount(); ++r)
        cells << takeItem(r, from);
    removeColumn(from);
    insertColumn(to);
    setHorizontalHeaderItem(to, new QTableWidgetItem);
    for (int r = 0; r < rowCount(); ++r)
        if (cells.at(r))
            setItem(r, to, cells.at(r));
    setColumnWidth(to, width);
    m_moving = false;
}

void TTableGrid::moveRowData(int from, int to)
{
    if (m_moving)
        return;
    m_moving = true;
    verticalHeader()->moveSection(to, from);
    const int height = rowHeight(from);
    QList<QTableWidgetItem*> cells;
    for (int c = 0; c < columnCount(); ++c)
        cells << takeItem(from, c);
    removeRow(from);
    insertRow(to);
    setVerticalHeaderItem(to, new QTableWidgetItem);
    for (int c = 0; c < columnCount(); ++c)
        if (cells.at(c))
            setItem(to, c, cells.at(c));
    setRowHeight(to, height);
    m_moving = false;
}

bool TTableGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        snapRowHeights();
    } else if (event->type() == QEvent::MouseMove) {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        // -1 where the pointer is beyond the last column or row.
        int column = -1, row = -1;
        if (watched == viewport()) {
            column = columnAt(pos.x()) + 1;
            row = rowAt(pos.y()) + 1;
            if (column == 0 || row == 0)
                column = row = -1;
        } else if (watched == horizontalHeader()->viewport()) {
            column = horizontalHeader()->logicalIndexAt(pos.x()) + 1;
            row = column > 0 ? 0 : -1;
        } else if (watched == verticalHeader()->viewport()) {
            row = verticalHeader()->logicalIndexAt(pos.y()) + 1;
            column = row > 0 ? 0 : -1;
        }
        if (column > 0 && row >= 0)
            emit pointerOver(column, row, columnWidth(column - 1));
        else if (column == 0 && row > 0)
            emit pointerOver(0, row, verticalHeader()->width());
        else
            emit pointerOutside();
    } else if (event->type() == QEvent::Leave) {
        emit pointerOutside();
    }
    return QTableWidget::eventFilter(watched, event);
}
