// Seeds of the table, list and URL-list/plug-in file targets, written by the program's writers.
#include "SeedWriter.h"

#include "generators/ListFile.h"
#include "generators/TableFile.h"
#include "platform/FileIo.h"
#include "references/EntryListWindow.h"
#include "references/SampleFiles.h"

namespace
{

void tableSeeds()
{
    TableMemory start;
    start.columns = start.rows = start.border = QStringLiteral("1");
    start.cellSpacing = start.cellPadding = QStringLiteral("0");
    start.title1 = QStringLiteral("Titel 1");
    start.title2 = QStringLiteral("Titel 2");
    start.title1On = true;
    start.rowHeight = 21;
    start.columnWidths = {85};
    writeSeed("tablefile", "start.tab", tableFileBytes(start, {QString()}));

    TableMemory full = start;
    full.columns = QStringLiteral("3");
    full.rows = QStringLiteral("2");
    full.border = QStringLiteral("0");
    full.cellSpacing = QStringLiteral("2");
    full.cellPadding = QStringLiteral("100");
    full.tableHeight = QStringLiteral("50%");
    full.tableWidth = QStringLiteral("400");
    full.title1 = QStringLiteral("Grüße");
    full.title2 = QStringLiteral("Fuß\u2028zeile");
    full.firstRowHeader = full.title2On = full.title2Footer = true;
    full.forceColumnWidth = full.forceRowHeight = true;
    full.rowHeight = 30;
    full.columnWidths = {85, 64, 120};
    const QStringList cells{QStringLiteral("<b>fett</b>"), QString(),
                            QStringLiteral("€ 5"),         QStringLiteral("true"),
                            QStringLiteral("\uFEFFmark"),  QStringLiteral(" Leer ")};
    using E = TextFileFormat::Encoding;
    writeSeed("tablefile", "full-utf8.tab", tableFileBytes(full, cells, {E::Utf8}));
    writeSeed("tablefile", "full-bom.tab", tableFileBytes(full, cells, {E::Utf8Bom}));
    TableMemory ansi = full;
    ansi.title2 = QStringLiteral("Fußzeile");
    writeSeed("tablefile", "full-ansi.tab", tableFileBytes(ansi, cells, {E::Windows1252}));
    // A file cut short inside its cells: the dialog keeps what it read before the gap.
    const QByteArray whole = tableFileBytes(full, cells);
    writeSeed("tablefile", "cut.tab", whole.left(whole.indexOf("fett")));
}

void listSeeds()
{
    writeSeed("listfile", "lines.lst",
              encodeListFile({QStringLiteral("eins"), QString(), QStringLiteral("Grüße 5 €"),
                              QStringLiteral("<a href=\"x\">|</a>")}));
    writeSeed("listfile", "empty.lst", encodeListFile({}));
    writeSeed("listfile", "pasted.lst",
              encodeListFile({QStringLiteral("a\r\nb\rc\nd\u2029e\u2028f")}));
    // A first line that starts with U+FEFF keeps it only behind a byte-order mark of its own.
    writeSeed("listfile", "first-line-feff.lst",
              encodeListFile({QStringLiteral("\uFEFFerste"), QStringLiteral("\uFEFFzweite")}));
    // Rows for the grid half of the target, cut at 0x01: the second row starts with U+FEFF.
    writeSeed("listfile", "rows-feff",
              QByteArray("a\r\x01\xEF\xBB\xBF"
                         "b\x01\n"));
}

void urlSeeds()
{
    for (const char* pattern : {"*.url", "*.plg"}) {
        for (const QString& name : sampleFileNames(QLatin1String(pattern))) {
            const QStringList entries =
                decodeEntryList(readWholeFile(QStringLiteral(":/samples/") + name));
            writeSeed("urlfiles", name, encodeEntryList(entries));
        }
    }
    writeSeed("urlfiles", "first-entry-feff.url",
              encodeEntryList({QStringLiteral("\uFEFFhttps://example.org/"),
                               QStringLiteral("<b>|mitte|</b>")}));
}

const SeedTopic tables(tableSeeds);
const SeedTopic lists(listSeeds);
const SeedTopic urls(urlSeeds);

} // namespace
