// TTableGrid: the table dialog's preview grid, one editable cell per table cell.
#pragma once

#include <QTableWidget>

class QStyledItemDelegate;

// The headers stand for the fixed first row and column and carry no text. Cells are edited in
// place and Tab moves between them; rows and columns are sized and moved with the mouse, and a
// moved row or column takes its texts and size along, so view order and data order stay the same.
// When a mouse button is released over the grid, every row takes the height of the first.
class TTableGrid : public QTableWidget
{
    Q_OBJECT
public:
    static constexpr int DefaultRowHeight = 21;
    static constexpr int FixedColumnWidth = 64;
    static constexpr int FirstColumnWidth = 85;
    static constexpr int NewColumnWidth = 64;

    explicit TTableGrid(QWidget* parent = nullptr);

    void setDataColumns(int count);
    void setDataRows(int count);
    int dataColumns() const { return columnCount(); }
    int dataRows() const { return rowCount(); }

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    // Row by row, left to right.
    QStringList cellTexts() const;

    int firstRowHeight() const { return rowHeight(0); }
    void setRowHeights(int height);
    void snapRowHeights() { setRowHeights(firstRowHeight()); }

    // The border of the table drawn between the cells; 0 draws no lines.
    void setGridLineWidth(int width);
    int gridLineWidth() const { return m_lineWidth; }

    // Takes over what the cell editor holds, so a button pressed while a cell is being edited
    // sees the text typed there.
    void commitEditor();

signals:
    // The pointer is over the cell at column:row, counting the fixed column and row as 0.
    void pointerOver(int column, int row, int columnWidth);
    // The pointer is over no cell: beyond the last column or row, or off the grid.
    void pointerOutside();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveColumnData(int from, int to);
    void moveRowData(int from, int to);
    void blankHeaders();

    QStyledItemDelegate* m_delegate;
    int m_lineWidth = 1;
    bool m_moving = false;
};
