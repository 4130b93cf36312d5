// Seeds of the replace-in-files target: files in every encoding and line end, written as the
// target reads them (switches, search text, 0x01, replacement, 0x01, file).
#include "SeedWriter.h"

namespace
{

QByteArray seed(char switches, const QByteArray& find, const QByteArray& replacement,
                const QByteArray& file)
{
    return QByteArray(1, switches) + find + '\x01' + replacement + '\x01' + file;
}

void replaceSeeds()
{
    const QString topic = QStringLiteral("filereplace");
    writeSeed(topic, QStringLiteral("utf8-line-ends"),
              seed(0, "alt", "neu", "alt\r\nalt\nx alt\ralt\xE2\x80\xA9" "Ende alt\r\n"));
    writeSeed(topic, QStringLiteral("bom-umlauts"),
              seed(0, "gr\xC3\xB6\xC3\x9F" "e", "Stra\xC3\x9F" "e",
                   "\xEF\xBB\xBFGR\xC3\x96SSE gr\xC3\xB6\xC3\x9F" "e GR\xC3\x96\xC3\x9F" "E\n"));
    writeSeed(topic, QStringLiteral("windows-1252"),
              seed(1, "alt", "Gr\xC3\xB6\xC3\x9F" "e", "Gr\xFC\xDF" "e alt\r\nalt\n"));
    writeSeed(topic, QStringLiteral("windows-1252-lacks"),
              seed(0, "alt", "\xCE\xA9", "Gr\xFC\xDF" "e alt"));
    writeSeed(topic, QStringLiteral("emptied-line"), seed(0, "x", "", "a\rX\nb"));
    writeSeed(topic, QStringLiteral("whole-words"),
              seed(3, "alt", "neu", "alt alter Salt Alt alt-neu alt_x"));
    writeSeed(topic, QStringLiteral("becomes-utf8"), seed(0, "X", "\xC2\xA9", "\xC3X"));
    writeSeed(topic, QStringLiteral("surrogates"),
              seed(0, "\xF0\x9F\x98\x80", "ok", "a\xF0\x9F\x98\x80" "b\r\n\xF0\x9F\x98\x80"));
}

const SeedTopic replace(replaceSeeds);

} // namespace
