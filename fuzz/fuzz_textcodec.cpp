// Fuzz target of the document file codec: any bytes decode, and encoding the decoded text in the
// detected format, each line with its own line end, gives the same bytes back.
#include "FuzzSupport.h"

#include "core/TextFileCodec.h"

#include <QStringDecoder>

#include <cstdint>

namespace
{

const char* encodingName(TextFileFormat::Encoding encoding)
{
    switch (encoding) {
    case TextFileFormat::Encoding::Utf8:
        return "UTF-8";
    case TextFileFormat::Encoding::Utf8Bom:
        return "UTF-8 with BOM";
    case TextFileFormat::Encoding::Windows1252:
        return "Windows-1252";
    }
    return "?";
}

const char* lineBreakName(TextFileFormat::LineBreak lineBreak)
{
    switch (lineBreak) {
    case TextFileFormat::LineBreak::CrLf:
        return "CR LF";
    case TextFileFormat::LineBreak::Lf:
        return "LF";
    case TextFileFormat::LineBreak::Cr:
        return "CR";
    case TextFileFormat::LineBreak::ParagraphSeparator:
        return "U+2029";
    }
    return "?";
}

QString describe(const QByteArray& bytes, const DecodedText& decoded)
{
    return QStringLiteral("bytes %1\nformat %2, %3\ntext %4")
        .arg(QString::fromLatin1(bytes.left(200).toHex(' ')), encodingName(decoded.format.encoding),
             lineBreakName(decoded.format.lineBreak), visible(decoded.text));
}

// UTF-8 with a leading BOM kept as a character, as a text would hold it.
QString utf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // No copy: the code reads libFuzzer's buffer of exactly the input's size, so that a read
    // one byte past the end is reported (a QByteArray of its own would end in a NUL).
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const DecodedText decoded = decodeTextFile(bytes);

    TextFileFormat format = decoded.format;
    const QByteArray encoded = encodeTextFile(decoded.text, decoded.lineEnds, &format);
    if (!(format == decoded.format))
        fuzzFailure("a decoded text changed its format on encoding", describe(bytes, decoded));
    if (decoded.lineEnds.size() != decoded.text.count(u'\n'))
        fuzzFailure("a line lost its line end", describe(bytes, decoded));
    if (encoded != bytes)
        fuzzFailure("decoding and encoding changed the bytes",
                    describe(bytes, decoded) + QStringLiteral("\nencoded ") +
                        QString::fromLatin1(encoded.left(200).toHex(' ')));

    // Whatever was written reads back as the same text in the same format.
    const DecodedText again = decodeTextFile(encoded);
    if (again.text != decoded.text || again.lineEnds != decoded.lineEnds ||
        !(again.format == decoded.format))
        fuzzFailure("the encoded text does not decode to itself", describe(encoded, again));

    // Texts that are not the decoding of a file: a Windows-1252 text with a character the code
    // page lacks is written as UTF-8 instead, so no character is ever lost.
    const QString text = utf8(bytes);
    TextFileFormat ansi{TextFileFormat::Encoding::Windows1252, TextFileFormat::LineBreak::Lf};
    const QByteArray written = encodeTextFile(text, &ansi);
    const QString read = ansi.encoding == TextFileFormat::Encoding::Windows1252
                             ? decodeWindows1252(written)
                             : utf8(written);
    // A byte-order mark is written only in front of a text that begins with U+FEFF.
    const bool markWritten = ansi.encoding == TextFileFormat::Encoding::Utf8Bom;
    if (read != (markWritten ? QStringLiteral("\uFEFF") + text : text) ||
        markWritten != text.startsWith(QChar(0xFEFF)))
        fuzzFailure("a text did not survive encoding",
                    QStringLiteral("text %1\nread %2").arg(visible(text), visible(read)));
    return 0;
}
