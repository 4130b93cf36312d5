// Fuzz target of the document file codec: any bytes decode, and encoding the decoded text in the
// detected format gives the same bytes back.
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

QString describe(const QByteArray& bytes, const DecodedText& decoded)
{
    return QStringLiteral("bytes %1\nformat %2, %3\ntext %4")
        .arg(QString::fromLatin1(bytes.left(200).toHex(' ')), encodingName(decoded.format.encoding),
             decoded.format.lineBreak == TextFileFormat::LineBreak::CrLf ? "CR LF" : "LF",
             visible(decoded.text));
}

// A CR LF file in which some line ends with a bare LF: that LF comes back as CR LF, the one
// change the codec makes to a file.
bool hasBareLfInCrLfFile(const QByteArray& bytes, const DecodedText& decoded)
{
    if (decoded.format.lineBreak != TextFileFormat::LineBreak::CrLf)
        return false;
    for (qsizetype i = bytes.indexOf('\n'); i >= 0; i = bytes.indexOf('\n', i + 1)) {
        if (i == 0 || bytes.at(i - 1) != '\r')
            return true;
    }
    return false;
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
    const QByteArray encoded = encodeTextFile(decoded.text, &format);
    if (!(format == decoded.format))
        fuzzFailure("a decoded text changed its format on encoding", describe(bytes, decoded));
    if (encoded != bytes && !hasBareLfInCrLfFile(bytes, decoded))
        fuzzFailure("decoding and encoding changed the bytes",
                    describe(bytes, decoded) + QStringLiteral("\nencoded ") +
                        QString::fromLatin1(encoded.left(200).toHex(' ')));

    // Whatever was written reads back as the same text in the same format.
    const DecodedText again = decodeTextFile(encoded);
    if (again.text != decoded.text || !(again.format == decoded.format))
        fuzzFailure("the encoded text does not decode to itself", describe(encoded, again));

    // Texts that are not the decoding of a file: a Windows-1252 text with a character the code
    // page lacks is written as UTF-8 instead, so no character is ever lost.
    const QString text = utf8(bytes);
    TextFileFormat ansi{TextFileFormat::Encoding::Windows1252, TextFileFormat::LineBreak::Lf};
    const QByteArray written = encodeTextFile(text, &ansi);
    const QString read = ansi.encoding == TextFileFormat::Encoding::Windows1252
                             ? decodeWindows1252(written)
                             : utf8(written);
    if (read != text || ansi.encoding == TextFileFormat::Encoding::Utf8Bom)
        fuzzFailure("a text did not survive encoding",
                    QStringLiteral("text %1\nread %2").arg(visible(text), visible(read)));
    return 0;
}
