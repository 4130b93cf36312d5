// Byte-exact decoding and encoding of document files (UTF-8 or Windows-1252, any line ends).
#include "core/TextFileCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>

// Every line keeps the end it had in the file: the decoded text separates lines by '\n' and
// lists each line's end beside it, and encoding writes each end back as listed. So decoding
// followed by encoding gives back the same bytes for every file, whatever its line ends.

namespace
{

// 0x80..0x9F of Windows-1252; the five bytes the code page leaves undefined stand for the C1
// control of the same number so that they, too, survive a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of c in Windows-1252, or -1 when the code page has none.
int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    // Everything else can only be one of the 32 characters of 0x80..0x9F.
    const auto* found = std::find(kHighControls.cbegin(), kHighControls.cend(), c);
    return found == kHighControls.cend() ? -1 : 0x80 + int(found - kHighControls.cbegin());
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no truncated sequence.
// Anything less strict would let QString's decoder replace bytes and break the round trip.
bool isValidUtf8(const unsigned char* p, qsizetype n)
{
    qsizetype i = 0;
    while (i < n) {
        // Skip ASCII eight bytes at a time: most of a typical page is ASCII.
        while (i + 8 <= n) {
            quint64 word;
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i >= n)
            break;
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length;
        unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                lo = 0xA0; // overlong
            else if (c == 0xED)
                hi = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                lo = 0x90; // overlong
            else if (c == 0xF4)
                hi = 0x8F; // above U+10FFFF
        } else {
            return false; // continuation byte, overlong lead C0/C1, or F5..FF
        }
        if (i + length > n)
            return false;
        if (p[i + 1] < lo || p[i + 1] > hi)
            return false;
        for (int k = 2; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

using LineBreak = TextFileFormat::LineBreak;

// In place: every line end becomes '\n', and its kind is listed.
void splitLines(QString* text, LineBreaks* ends)
{
    char16_t* data = reinterpret_cast<char16_t*>(text->data());
    const qsizetype n = text->size();
    qsizetype out = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i];
        if (c == u'\r') {
            const bool pair = i + 1 < n && data[i + 1] == u'\n';
            ends->append(pair ? LineBreak::CrLf : LineBreak::Cr);
            i += pair ? 1 : 0;
        } else if (c == u'\n') {
            ends->append(LineBreak::Lf);
        } else if (c == u'\u2029') {
            ends->append(LineBreak::ParagraphSeparator);
        } else {
            data[out++] = c;
            continue;
        }
        data[out++] = u'\n';
    }
    text->truncate(out);
}

// The kind found most often; on a tie the one found first.
LineBreak mainLineBreak(const LineBreaks& ends)
{
    if (ends.isEmpty())
        return LineBreak::CrLf;
    std::array<qsizetype, 4> counts{};
    for (const LineBreak end : ends)
        ++counts[size_t(end)];
    LineBreak best = ends.constFirst();
    for (const LineBreak end : ends) {
        if (counts[size_t(end)] > counts[size_t(best)])
            best = end;
    }
    return best;
}

QByteArrayView bytesOf(LineBreak end)
{
    switch (end) {
    case LineBreak::CrLf:
        return "\r\n";
    case LineBreak::Lf:
        return "\n";
    case LineBreak::Cr:
        return "\r";
    case LineBreak::ParagraphSeparator:
        return "\xE2\x80\xA9"; // UTF-8 only: Windows-1252 cannot write it
    }
    return "\n";
}

LineBreak listedEnd(const LineBreaks& ends, qsizetype line, LineBreak main)
{
    return line < ends.size() ? ends.at(line) : main;
}

// A lone CR in front of an empty line that ends with LF would read back as one CR LF, and the
// empty line would be lost: that line end is written as the main kind instead (CR LF where the
// main kind is CR itself), so that the file reads back as the same lines.
LineBreak endToWrite(const LineBreaks& ends, qsizetype line, LineBreak main, bool nextLineEmpty)
{
    const LineBreak listed = listedEnd(ends, line, main);
    if (listed != LineBreak::Cr || !nextLineEmpty ||
        listedEnd(ends, line + 1, main) != LineBreak::Lf)
        return listed;
    return main == LineBreak::Cr ? LineBreak::CrLf : main;
}

// '\n' is byte 0x0A in both encodings and no other character encodes to it, so the ends can be
// written after encoding: the i-th LF becomes the i-th listed end.
QByteArray writeLineEnds(const QByteArray& bytes, const LineBreaks& ends, LineBreak main)
{
    const bool uniform =
        std::all_of(ends.cbegin(), ends.cend(), [main](LineBreak end) { return end == main; });
    if (uniform && main == LineBreak::Lf)
        return bytes;
    const qsizetype lfCount = bytes.count('\n');
    if (lfCount == 0)
        return bytes;
    QByteArray out;
    out.reserve(bytes.size() + 2 * lfCount);
    const char* src = bytes.constData();
    const char* end = src + bytes.size();
    qsizetype line = 0;
    while (src < end) {
        const char* lf = static_cast<const char*>(std::memchr(src, '\n', size_t(end - src)));
        const char* stop = lf ? lf : end;
        out.append(src, stop - src);
        if (!lf)
            break;
        out.append(bytesOf(endToWrite(ends, line, main, lf + 1 < end && lf[1] == '\n')));
        ++line;
        src = lf + 1;
    }
    return out;
}

} // namespace

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i) {
        const unsigned char c = in[i];
        out[i] = (c >= 0x80 && c < 0xA0) ? QChar(kHighControls[c - 0x80]) : QChar(c);
    }
    return text;
}

QByteArray encodeWindows1252(const QString& text, bool* ok)
{
    bool allMapped = true;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const QChar* in = text.constData();
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        int byte = windows1252Byte(in[i].unicode());
        if (byte < 0) {
            allMapped = false;
            byte = '?';
        }
        out[i] = char(byte);
    }
    if (ok)
        *ok = allMapped;
    return bytes;
}

DecodedText decodeTextFile(const QByteArray& bytes)
{
    DecodedText result;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const bool hasBom = bytes.startsWith("\xEF\xBB\xBF");
    const qsizetype skip = hasBom ? 3 : 0;
    if (isValidUtf8(data + skip, bytes.size() - skip)) {
        result.format.encoding =
            hasBom ? TextFileFormat::Encoding::Utf8Bom : TextFileFormat::Encoding::Utf8;
        // QString::fromUtf8 would drop a second BOM as well; it belongs to the text.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                         QStringDecoder::Flag::Stateless);
        result.text = decoder(QByteArrayView(bytes).sliced(skip));
    } else {
        result.format.encoding = TextFileFormat::Encoding::Windows1252;
        result.text = decodeWindows1252(bytes);
    }
    splitLines(&result.text, &result.lineEnds);
    result.format.lineBreak = mainLineBreak(result.lineEnds);
    return result;
}

TextFileFormat::Encoding writtenEncoding(QStringView text, const LineBreaks& lineEnds,
                                         const TextFileFormat& format)
{
    TextFileFormat::Encoding encoding = format.encoding;
    if (encoding == TextFileFormat::Encoding::Windows1252) {
        const auto isSeparator = [](LineBreak end) { return end == LineBreak::ParagraphSeparator; };
        const bool separatorEnds =
            std::any_of(lineEnds.cbegin(), lineEnds.cend(), isSeparator) ||
            (isSeparator(format.lineBreak) && text.count(u'\n') > lineEnds.size());
        const bool fits = !separatorEnds && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
            return windows1252Byte(c.unicode()) >= 0;
        });
        if (!fits)
            encoding = TextFileFormat::Encoding::Utf8;
    }
    // A text that begins with U+FEFF would read back with that character taken for a byte-order
    // mark: it is written behind one.
    if (encoding == TextFileFormat::Encoding::Utf8 && text.startsWith(QChar(0xFEFF)))
        return TextFileFormat::Encoding::Utf8Bom;
    return encoding;
}

QByteArray encodeTextFile(const QString& text, const LineBreaks& lineEnds, TextFileFormat* format)
{
    format->encoding = writtenEncoding(text, lineEnds, *format);
    QByteArray bytes;
    if (format->encoding == TextFileFormat::Encoding::Windows1252) {
        bytes = encodeWindows1252(text);
    } else {
        bytes = text.toUtf8();
        if (format->encoding == TextFileFormat::Encoding::Utf8Bom)
            bytes.prepend("\xEF\xBB\xBF");
    }
    return writeLineEnds(bytes, lineEnds, format->lineBreak);
}

QByteArray encodeTextFile(const QString& text, TextFileFormat* format)
{
    return encodeTextFile(text, LineBreaks(), format);
}
