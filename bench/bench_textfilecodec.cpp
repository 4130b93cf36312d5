// Benchmark of the document file codec: decoding and encoding 10 MB pages, one line end kind or
// every kind mixed.
#include "core/TextFileCodec.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr qsizetype Size = 10 * 1024 * 1024;

QByteArray page(const std::vector<QByteArray>& lines)
{
    QByteArray bytes;
    bytes.reserve(Size + 128);
    for (size_t i = 0; bytes.size() < Size; ++i)
        bytes += lines[i % lines.size()];
    return bytes;
}

// The fastest of three decode and encode rounds: other load on the machine only adds time.
void measure(const char* name, const QByteArray& bytes)
{
    double decodeMs = 1e9, encodeMs = 1e9;
    bool exact = true;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        const DecodedText decoded = decodeTextFile(bytes);
        decodeMs = std::min(decodeMs, timer.nsecsElapsed() / 1e6);
        timer.restart();
        TextFileFormat format = decoded.format;
        const QByteArray written = encodeTextFile(decoded.text, decoded.lineEnds, &format);
        encodeMs = std::min(encodeMs, timer.nsecsElapsed() / 1e6);
        exact = exact && written == bytes;
    }
    std::printf("  %-40s decode %8.1f ms   encode %8.1f ms   %s\n", name, decodeMs, encodeMs,
                exact ? "byte-exact" : "CHANGED");
}

} // namespace

int main()
{
    const QByteArray utf8Line = "<p>Gr\xC3\xBC\xC3\x9F"
                                "e aus einem langen Dokument mit Umlauten</p>";
    QByteArray latin1Line = utf8Line;
    latin1Line.replace("\xC3\xBC", "\xFC").replace("\xC3\x9F", "\xDF");

    std::printf("10 MB pages, decode and encode (best of 3)\n");
    measure("UTF-8, CR LF", page({utf8Line + "\r\n"}));
    measure("Windows-1252, CR LF", page({latin1Line + "\r\n"}));
    measure("UTF-8, LF", page({utf8Line + "\n"}));
    measure("UTF-8, CR LF, LF, CR and U+2029 mixed",
            page({utf8Line + "\r\n", utf8Line + "\n", utf8Line + "\r", utf8Line + "\xE2\x80\xA9"}));
    measure("Windows-1252, one line", page({latin1Line}));
    return 0;
}
