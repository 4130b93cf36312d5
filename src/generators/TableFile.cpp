// Table files: one value per line in a fixed order, written whole and read line by line.
#include "generators/TableFile.h"

#include "platform/FileIo.h"
#include "platform/UserError.h"

#include <algorithm>

namespace
{

const QString True = QStringLiteral("true");

const QString& line(const QStringList& lines, int number)
{
    if (number < 1 || number > lines.size())
        throw UserError(QStringLiteral("Listenindex außerhalb des zulässigen Bereichs"));
    return lines.at(number - 1);
}

int wholeNumber(const QStringList& lines, int number)
{
    const QString& text = line(lines, number);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw UserError(QStringLiteral("'%s' ist kein gültiger Integerwert")
                            .replace(QStringLiteral("%s"), text));
    return value;
}

// A value that would split its line in two is written with blanks in place of line breaks. U+2028
// ends no line of a file, so it stays.
QString oneLine(QString text)
{
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator)
            c = u' ';
    return text;
}

QString flag(bool on)
{
    return on ? True : QStringLiteral("false");
}

} // namespace

void TableMemoryTarget::setCount(Count which, int value)
{
    const QString text = QString::number(value);
    switch (which) {
    case Columns:
        table.columns = text;
        break;
    case Rows:
        table.rows = text;
        break;
    case Border:
        table.border = text;
        break;
    case CellSpacing:
        table.cellSpacing = text;
        break;
    case CellPadding:
        table.cellPadding = text;
        break;
    }
}

void TableMemoryTarget::sizeGrid(int columns, int rows)
{
    m_columns = columns;
    cells = QStringList(qsizetype(columns) * rows);
    table.columnWidths.resize(columns);
}

void TableMemoryTarget::setText(Text which, const QString& text)
{
    QString* field[] = {&table.tableHeight, &table.tableWidth, &table.title1, &table.title2};
    *field[which] = text;
}

void TableMemoryTarget::setRowHeights(int height)
{
    table.rowHeight = height;
}

void TableMemoryTarget::setColumnWidth(int column, int width)
{
    table.columnWidths[column] = width;
}

void TableMemoryTarget::setOption(Option which, bool on)
{
    bool* field[] = {&table.firstRowHeader, &table.title1On,         &table.title2On,
                     &table.title2Footer,   &table.forceColumnWidth, &table.forceRowHeight};
    *field[which] = on;
}

void TableMemoryTarget::setCell(int row, int column, const QString& text)
{
    cells[row * m_columns + column] = text;
}

QStringList tableFileLines(const QByteArray& bytes, TextFileFormat* format)
{
    DecodedText decoded = decodeTextFile(bytes);
    if (format) {
        *format = decoded.format;
        format->lineBreak = TextFileFormat::LineBreak::CrLf;
    }
    QStringList lines;
    const QString& text = decoded.text;
    qsizetype start = 0;
    while (lines.size() < TableLimits::MaxFileLines) {
        const qsizetype end = text.indexOf(u'\n', start);
        // A final line end closes the last line; it does not open another.
        if (end < 0) {
            if (start < text.size())
                lines.append(text.mid(start));
            break;
        }
        lines.append(text.mid(start, end - start));
        start = end + 1;
    }
    return lines;
}

QStringList tableFileLines(const QString& path, TextFileFormat* format)
{
    return tableFileLines(readWholeFile(path, TableLimits::MaxFileBytes), format);
}

void readTableFile(const QStringList& lines, TableFileTarget& target)
{
    using namespace TableLimits;
    using T = TableFileTarget;
    const struct {
        T::Count which;
        int min, max;
    } counts[] = {{T::Columns, MinColumns, MaxColumns},
                  {T::Rows, MinRows, MaxRows},
                  {T::Border, MinSpacing, MaxSpacing},
                  {T::CellSpacing, MinSpacing, MaxSpacing},
                  {T::CellPadding, MinSpacing, MaxSpacing}};
    int value[5] = {};
    for (int i = 0; i < 5; ++i) {
        value[i] = std::clamp(wholeNumber(lines, i + 1), counts[i].min, counts[i].max);
        target.setCount(counts[i].which, value[i]);
    }
    const int columns = value[0], rows = value[1];
    target.sizeGrid(columns, rows);

    const T::Text texts[] = {T::TableHeight, T::TableWidth, T::Title1, T::Title2};
    for (int i = 0; i < 4; ++i)
        target.setText(texts[i], line(lines, 6 + i));

    target.setRowHeights(wholeNumber(lines, 16));
    for (int c = 1; c <= columns; ++c)
        target.setColumnWidth(c - 1, wholeNumber(lines, 16 + c));

    const T::Option options[] = {T::FirstRowHeader, T::Title1On,         T::Title2On,
                                 T::Title2Footer,   T::ForceColumnWidth, T::ForceRowHeight};
    for (int i = 0; i < 6; ++i)
        target.setOption(options[i], line(lines, 10 + i) == True);

    int number = 17 + columns;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            target.setCell(r, c, line(lines, number++));
}

QByteArray tableFileBytes(const TableMemory& t, const QStringList& cells, TextFileFormat format)
{
    const int columns = std::max(1, t.columns.toInt());
    const int rows = std::max(1, t.rows.toInt());
    QStringList lines{t.columns,
                      t.rows,
                      t.border,
                      t.cellSpacing,
                      t.cellPadding,
                      oneLine(t.tableHeight),
                      oneLine(t.tableWidth),
                      oneLine(t.title1),
                      oneLine(t.title2),
                      flag(t.firstRowHeader),
                      flag(t.title1On),
                      flag(t.title2On),
                      flag(t.title2Footer),
                      flag(t.forceColumnWidth),
                      flag(t.forceRowHeight),
                      QString::number(t.rowHeight)};
    for (int c = 0; c < columns; ++c)
        lines << QString::number(t.columnWidths.value(c, 64));
    for (int k = 0; k < rows * columns; ++k)
        lines << oneLine(cells.value(k));
    format.lineBreak = TextFileFormat::LineBreak::CrLf;
    // The empty last line gives the last value its line end.
    lines << QString();
    const QString text = lines.join(u'\n');
    QByteArray bytes = encodeTextFile(text, &format);
    // Windows-1252 bytes that happen to be valid UTF-8 would read back as other characters: the
    // bytes that made the file read as Windows-1252 may have stood in lines a table does not use.
    if (decodeTextFile(bytes).text != text) {
        format.encoding = TextFileFormat::Encoding::Utf8;
        bytes = encodeTextFile(text, &format);
    }
    return bytes;
}
