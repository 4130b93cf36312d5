// Fuzz target of the table files: whatever file loads, written and loaded again, gives the same
// table memory (counts, texts, options, sizes) and the same cells, and writing it again gives the
// same bytes.
#include "FuzzSupport.h"

#include "generators/TableFile.h"
#include "platform/UserError.h"

#include <cstdint>

namespace
{

QString describe(const TableMemoryTarget& t)
{
    const TableMemory& m = t.table;
    QString text =
        QStringLiteral("counts %1 %2 %3 %4 %5\ntexts '%6' '%7' '%8' '%9'")
            .arg(m.columns, m.rows, m.border, m.cellSpacing, m.cellPadding, visible(m.tableHeight),
                 visible(m.tableWidth), visible(m.title1), visible(m.title2));
    text += QStringLiteral("\noptions %1%2%3%4%5%6 row height %7 widths")
                .arg(m.firstRowHeader)
                .arg(m.title1On)
                .arg(m.title2On)
                .arg(m.title2Footer)
                .arg(m.forceColumnWidth)
                .arg(m.forceRowHeight)
                .arg(m.rowHeight);
    for (const int width : m.columnWidths)
        text += QStringLiteral(" %1").arg(width);
    for (const QString& cell : t.cells)
        text += QStringLiteral("\ncell '%1'").arg(visible(cell, 80));
    return text;
}

bool sameTable(const TableMemoryTarget& a, const TableMemoryTarget& b)
{
    const TableMemory &x = a.table, &y = b.table;
    return x.columns == y.columns && x.rows == y.rows && x.border == y.border &&
           x.cellSpacing == y.cellSpacing && x.cellPadding == y.cellPadding &&
           x.tableHeight == y.tableHeight && x.tableWidth == y.tableWidth && x.title1 == y.title1 &&
           x.title2 == y.title2 && x.firstRowHeader == y.firstRowHeader &&
           x.title1On == y.title1On && x.title2On == y.title2On &&
           x.title2Footer == y.title2Footer && x.forceColumnWidth == y.forceColumnWidth &&
           x.forceRowHeight == y.forceRowHeight && x.rowHeight == y.rowHeight &&
           x.columnWidths == y.columnWidths && a.cells == b.cells;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    TextFileFormat format;
    TableMemoryTarget first;
    try {
        readTableFile(tableFileLines(bytes, &format), first);
    } catch (const UserError&) {
        // Not a table file; the dialog reports it and keeps what came before.
        return 0;
    }

    // The dialog writes in the encoding the file was read in.
    const QByteArray written = tableFileBytes(first.table, first.cells, format);
    TextFileFormat again;
    TableMemoryTarget second;
    try {
        readTableFile(tableFileLines(written, &again), second);
    } catch (const UserError& error) {
        fuzzFailure("a written table file does not load",
                    error.text() + QStringLiteral("\ninput ") + hex(bytes) +
                        QStringLiteral("\nwritten ") + hex(written));
    }
    if (!sameTable(first, second))
        fuzzFailure("a table changed on its way through a file",
                    QStringLiteral("input %1\nread:\n%2\nread again:\n%3")
                        .arg(hex(bytes), describe(first), describe(second)));
    if (tableFileBytes(second.table, second.cells, again) != written)
        fuzzFailure("writing a loaded table file again changed its bytes",
                    QStringLiteral("written %1").arg(hex(written)));
    return 0;
}
