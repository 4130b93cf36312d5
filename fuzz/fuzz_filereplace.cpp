// Fuzz target of replacing in files: the replaced bytes equal the file's text replaced as a whole
// and written again in its encoding, so no byte outside a hit changes and no line end moves.
#include "FuzzSupport.h"

#include "app/FindInFilesEngine.h"
#include "core/TextFileCodec.h"

#include <QStringDecoder>

#include <cstdint>

namespace
{

// The file's characters as they stand, line ends included (a byte-order mark left out).
QString rawText(const QByteArray& bytes, TextFileFormat::Encoding encoding)
{
    if (encoding == TextFileFormat::Encoding::Windows1252)
        return decodeWindows1252(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    return decoder(
        QByteArrayView(bytes).sliced(encoding == TextFileFormat::Encoding::Utf8Bom ? 3 : 0));
}

QByteArray rawBytes(const QString& text, TextFileFormat::Encoding encoding, bool* ok)
{
    *ok = true;
    if (encoding == TextFileFormat::Encoding::Windows1252)
        return encodeWindows1252(text, ok);
    QByteArray bytes = text.toUtf8();
    if (encoding == TextFileFormat::Encoding::Utf8Bom)
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

} // namespace

// Input: one byte of switches (bit 0 case, bit 1 whole words), the search text, a byte 0x01, the
// replacement, a byte 0x01, then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype cut1 = input.indexOf('\x01');
    const qsizetype cut2 = cut1 < 0 ? -1 : input.indexOf('\x01', cut1 + 1);
    if (cut2 < 0)
        return 0;
    const QString find = QString::fromUtf8(input.left(cut1));
    const QString replacement = QString::fromUtf8(input.mid(cut1 + 1, cut2 - cut1 - 1));
    const QByteArray bytes = input.mid(cut2 + 1);
    const FindInFiles::TextMatcher matcher(find, data[0] & 1, data[0] & 2);
    const DecodedText decoded = decodeTextFile(bytes);
    const FindInFiles::ByteReplacement result =
        FindInFiles::replaceInBytes(bytes, decoded, matcher, replacement);

    // From scratch: every hit replaced in the file's whole text, which is written back plainly.
    const TextFileFormat::Encoding encoding = decoded.format.encoding;
    int count = 0;
    const QString replaced = matcher.replaceAll(rawText(bytes, encoding), replacement, &count);
    bool encodable = true;
    const QByteArray expected = rawBytes(replaced, encoding, &encodable);
    const QString detail =
        QStringLiteral("find %1\nreplacement %2\nbytes %3\nresult %4\nreason %5")
            .arg(visible(find), visible(replacement),
                 QString::fromLatin1(bytes.left(200).toHex(' ')),
                 QString::fromLatin1(result.bytes.left(200).toHex(' ')), result.reason);
    // The quick look at the bytes never passes over a file that holds a hit.
    if (count > 0 && !matcher.mayOccurIn(bytes))
        fuzzFailure("a file with hits was taken for one without", detail);
    if (FindInFiles::holdsLineBreak(replacement)) {
        if (result.reason.isEmpty())
            fuzzFailure("a replacement with a line break was taken", detail);
        return 0;
    }
    if (count == 0) {
        if (result.count != 0 || !result.reason.isEmpty() || !result.bytes.isEmpty())
            fuzzFailure("a file without hits was changed", detail);
        return 0;
    }
    if (!result.reason.isEmpty()) {
        // Refused only where writing would lose a character or the file's encoding.
        const bool keepsEncoding =
            encodable && decodeTextFile(expected).format.encoding == encoding;
        if (keepsEncoding)
            fuzzFailure("a replacement was refused without need", detail);
        return 0;
    }
    if (result.count != count)
        fuzzFailure("the count of replaced hits differs", detail);
    if (result.bytes != expected)
        fuzzFailure("bytes outside the hits changed",
                    detail + QStringLiteral("\nexpected %1")
                                 .arg(QString::fromLatin1(expected.left(200).toHex(' '))));
    return 0;
}
