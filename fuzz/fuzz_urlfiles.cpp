// Fuzz target of the URL-list and plug-in files: the entries of any file, written and read again,
// are the same entries in the same order, and writing them again gives the same bytes.
#include "FuzzSupport.h"

#include "references/EntryListWindow.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList entries = decodeEntryList(bytes);
    for (const QString& entry : entries) {
        for (const QChar c : entry) {
            if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator)
                fuzzFailure("an entry holds a line end", shown(entries));
        }
    }
    const QByteArray written = encodeEntryList(entries);
    const QStringList again = decodeEntryList(written);
    if (again != entries)
        fuzzFailure("a list file's entries changed on writing and reading",
                    QStringLiteral("input %1\nwritten %2\nentries:%3\nread again:%4")
                        .arg(hex(bytes), hex(written), shown(entries), shown(again)));
    if (encodeEntryList(again) != written)
        fuzzFailure("writing read entries again changed the file", hex(written));
    return 0;
}
