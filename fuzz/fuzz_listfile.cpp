// Fuzz target of the list files: the lines of any file, written and read again, are the same
// lines; and lines as the grid holds them (line ends, U+FEFF and all) read back as the lines
// they hold.
#include "FuzzSupport.h"

#include "generators/ListFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    // A file from anywhere.
    const QStringList lines = decodeListFile(bytes);
    const QByteArray written = encodeListFile(lines);
    const QStringList again = decodeListFile(written);
    if (again != lines)
        fuzzFailure("a list file's lines changed on saving and loading",
                    QStringLiteral("input %1\nwritten %2\nlines:%3\nread again:%4")
                        .arg(hex(bytes), hex(written), shown(lines), shown(again)));
    if (encodeListFile(again) != written)
        fuzzFailure("saving loaded lines again changed the file", hex(written));

    // Rows of the grid: the input as UTF-8, cut at each 0x01 byte. A row may hold line ends
    // (pasted text); it is written as the lines it holds.
    const QStringList rows = QString::fromUtf8(bytes).split(QChar(1));
    QStringList expected;
    for (const QString& row : rows)
        expected += splitListLine(row);
    const QByteArray saved = encodeListFile(rows);
    const QStringList loaded = decodeListFile(saved);
    if (loaded != expected)
        fuzzFailure("typed rows did not read back as the lines they hold",
                    QStringLiteral("rows:%1\nsaved %2\nloaded:%3")
                        .arg(shown(rows), hex(saved), shown(loaded)));
    return 0;
}
