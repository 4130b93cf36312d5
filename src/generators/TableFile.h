// Table files: one value per line in a fixed order, written whole and read line by line.
#pragma once

#include "core/ShellState.h"
#include "core/TextFileCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TableLimits
{
constexpr int MinColumns = 1, MaxColumns = 100;
constexpr int MinRows = 1, MaxRows = 100;
constexpr int MinSpacing = 0, MaxSpacing = 100; // border, cellspacing, cellpadding
// The most lines a table file can put to use: the sixteen settings, the column widths, the cells.
constexpr int MaxFileLines = 16 + MaxColumns + MaxColumns * MaxRows;
// Larger files are refused before they are read: 4 096 bytes for each of 4 096 lines is far
// more than any table typed into the dialog.
constexpr qint64 MaxFileBytes = 4096ll * 4096;
} // namespace TableLimits

// Receives a table file's values in the order they are loaded, so that a fault half-way keeps
// everything before it.
class TableFileTarget
{
public:
    enum Count { Columns, Rows, Border, CellSpacing, CellPadding };
    enum Text { TableHeight, TableWidth, Title1, Title2 };
    enum Option {
        FirstRowHeader,
        Title1On,
        Title2On,
        Title2Footer,
        ForceColumnWidth,
        ForceRowHeight
    };

    virtual ~TableFileTarget() = default;
    virtual void setCount(Count which, int value) = 0; // already brought into its range
    virtual void sizeGrid(int columns, int rows) = 0;
    virtual void setText(Text which, const QString& text) = 0;
    virtual void setRowHeights(int height) = 0;
    virtual void setColumnWidth(int column, int width) = 0; // column counts from 0
    virtual void setOption(Option which, bool on) = 0;
    virtual void setCell(int row, int column, const QString& text) = 0;
};

// Fills a table memory and its cell list; what the dialog does with a file, without the dialog.
class TableMemoryTarget : public TableFileTarget
{
public:
    TableMemory table;
    QStringList cells; // row by row, sized by sizeGrid

    void setCount(Count which, int value) override;
    void sizeGrid(int columns, int rows) override;
    void setText(Text which, const QString& text) override;
    void setRowHeights(int height) override;
    void setColumnWidth(int column, int width) override;
    void setOption(Option which, bool on) override;
    void setCell(int row, int column, const QString& text) override;

private:
    int m_columns = 1;
};

// The file's lines: UTF-8 when the bytes are valid UTF-8, else Windows-1252; any line end. The
// encoding found goes to *format (its line end is always CR LF, the way table files are written).
// Lines past the last one a table can use are left out.
QStringList tableFileLines(const QByteArray& bytes, TextFileFormat* format = nullptr);
// The same for the file at path, refused with UserError("Kann Datei %s nicht öffnen: ... zu groß
// ...") from its size alone when it is larger than TableLimits::MaxFileBytes.
QStringList tableFileLines(const QString& path, TextFileFormat* format = nullptr);

// Loads lines into target: the five counts, the grid size, the four texts, the row height and
// column widths, the six options, the cells. A line that must be a whole number and is not
// throws UserError("'<line>' ist kein gültiger Integerwert"), a missing line
// UserError("Listenindex außerhalb des zulässigen Bereichs"); target keeps what came before.
void readTableFile(const QStringList& lines, TableFileTarget& target);

// The file for a table memory and its cells, every line ending in CR LF, in format's encoding
// (UTF-8 where Windows-1252 cannot hold a character or its bytes would read as UTF-8).
QByteArray tableFileBytes(const TableMemory& table, const QStringList& cells,
                          TextFileFormat format = {});
