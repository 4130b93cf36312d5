// Fuzz target of the charset guard: for any text and format, the question it would ask (whether,
// and about which encoding) is the one the written file calls for. The file is written by the
// real writer and read back in the encoding the writer reports; its declaration is looked up
// without the characters outside the BMP, which cannot be part of one.
#include "CharsetGuardInput.h"
#include "FuzzSupport.h"

#include "core/TextFileCodec.h"
#include "editor/CharsetGuard.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstring>

using Encoding = TextFileFormat::Encoding;
using LineBreak = TextFileFormat::LineBreak;

namespace
{

const char* nameOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return "UTF-8";
    case Encoding::Utf8Bom:
        return "UTF-8 with BOM";
    case Encoding::Windows1252:
        return "Windows-1252";
    }
    return "?";
}

bool utf8Family(Encoding encoding)
{
    return encoding != Encoding::Windows1252;
}

// The loops below walk the raw code units: a text may be 64 K characters long, and the fuzz
// build is neither optimised nor quick with QString's checked accessors.

// Every line end becomes '\n', and its kind is listed.
QString splitLines(const QString& raw, LineBreaks* ends)
{
    const auto* in = reinterpret_cast<const char16_t*>(raw.utf16());
    const qsizetype n = raw.size();
    QString text(n, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype k = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i];
        if (c == u'\r' && i + 1 < n && in[i + 1] == u'\n') {
            ends->append(LineBreak::CrLf);
            ++i;
        } else if (c == u'\r') {
            ends->append(LineBreak::Cr);
        } else if (c == u'\n') {
            ends->append(LineBreak::Lf);
        } else if (c == u'\u2029') {
            ends->append(LineBreak::ParagraphSeparator);
        } else {
            out[k++] = c;
            continue;
        }
        out[k++] = u'\n';
    }
    text.truncate(k);
    return text;
}

const char16_t* lineEndText(LineBreak end)
{
    switch (end) {
    case LineBreak::CrLf:
        return u"\r\n";
    case LineBreak::Lf:
        return u"\n";
    case LineBreak::Cr:
        return u"\r";
    case LineBreak::ParagraphSeparator:
        return u"\u2029";
    }
    return u"";
}

bool isHigh(char16_t c)
{
    return c >= 0xD800 && c < 0xDC00;
}
bool isLow(char16_t c)
{
    return c >= 0xDC00 && c < 0xE000;
}

// The characters a file holding text should read back as: every line with its end, and every
// lone surrogate as the writer writes one in UTF-8 ('?': it has no encoding of its own).
QString fileCharacters(const QString& text, const LineBreaks& ends, LineBreak main, bool utf8)
{
    const auto* in = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    QString result(2 * n, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    qsizetype k = 0;
    qsizetype line = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i];
        if (c == u'\n') {
            for (const char16_t* e = lineEndText(line < ends.size() ? ends.at(line) : main); *e;
                 ++e)
                out[k++] = *e;
            ++line;
        } else if (utf8 && isHigh(c) && i + 1 < n && isLow(in[i + 1])) {
            out[k++] = c;
            out[k++] = in[++i];
        } else if (utf8 && (isHigh(c) || isLow(c))) {
            out[k++] = u'?';
        } else {
            out[k++] = c;
        }
    }
    result.truncate(k);
    return result;
}

// Every surrogate, paired or not, as U+FFFD: none can stand in a declaration.
QString withoutSurrogates(QString text)
{
    char16_t* p = reinterpret_cast<char16_t*>(text.data());
    for (char16_t* end = p + text.size(); p != end; ++p)
        if (*p >= 0xD800 && *p < 0xE000)
            *p = 0xFFFD;
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    TextFileFormat format;
    format.encoding = Encoding((data[0] & 3) % 3);
    format.lineBreak = LineBreak((data[0] >> 2) & 3);
    const bool unify = (data[0] & CharsetGuardInput::UnifyLineEnds) != 0;
    QString raw;
    raw.resize(qsizetype((size - 2) / 2));
    std::memcpy(raw.data(), data + 2, std::size_t(raw.size()) * 2); // little endian
    // The filler holds no line end and no surrogate, so it is put in after the character by
    // character work (which it would only slow down) with the same result.
    const auto expand = [&](QString s) {
        if ((data[0] & CharsetGuardInput::AtReadLimit) != 0) {
            const qsizetype nul = s.indexOf(QChar(0));
            s.replace(nul < 0 ? s.size() : nul, nul < 0 ? 0 : 1,
                      QString(CharsetGuard::SearchedLength - data[1], u'y'));
        }
        return s;
    };
    LineBreaks lineEnds;
    const QString lines = splitLines(raw, &lineEnds);
    if (unify)
        lineEnds.clear();
    const QString text = expand(lines);

    const std::optional<CharsetGuard::Question> question =
        CharsetGuard::question(text, lineEnds, format);

    TextFileFormat written = format;
    const QByteArray bytes = encodeTextFile(text, lineEnds, &written);
    // The bytes are the text in the encoding the writer reports.
    QString read;
    if (written.encoding == Encoding::Windows1252) {
        read = decodeWindows1252(bytes);
    } else {
        const bool bom = written.encoding == Encoding::Utf8Bom;
        if (bom && !bytes.startsWith("\xEF\xBB\xBF"))
            fuzzFailure("UTF-8 with BOM written without the mark", visible(text));
        // A U+FEFF at the start of a text without a mark is a character of the text.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                         QStringDecoder::Flag::ConvertInitialBom);
        read = decoder(QByteArrayView(bytes).sliced(bom ? 3 : 0));
        if (decoder.hasError())
            fuzzFailure("the writer reports UTF-8 but wrote other bytes", visible(text));
    }
    const QString characters = fileCharacters(lines, lineEnds, written.lineBreak,
                                              written.encoding != Encoding::Windows1252);
    const QString expected = expand(characters);
    if (read != expected)
        fuzzFailure(
            "the written file does not hold the text in the encoding written",
            QStringLiteral("%1 written\ntext %2\nread %3")
                .arg(QLatin1String(nameOf(written.encoding)), visible(text), visible(read)));

    // The question the written file calls for: the page declares one encoding, the file has the
    // other.
    LineBreaks readEnds;
    const std::optional<CharsetGuard::Declaration> declaration =
        CharsetGuard::declared(expand(withoutSurrogates(splitLines(characters, &readEnds))));
    const bool mismatch =
        declaration && utf8Family(declaration->encoding) != utf8Family(written.encoding);
    const QString detail =
        QStringLiteral("format %1, %2 written, declared %3, asked %4 about %5\n"
                       "text %6")
            .arg(QLatin1String(nameOf(format.encoding)), QLatin1String(nameOf(written.encoding)),
                 declaration ? declaration->name : QStringLiteral("nothing"))
            .arg(question.has_value())
            .arg(QLatin1String(question ? nameOf(question->written) : "-"), visible(text));
    if (question.has_value() != mismatch)
        fuzzFailure(mismatch ? "the guard does not ask although the file needs it"
                             : "the guard asks although the file agrees with its declaration",
                    detail);
    if (question &&
        (question->written != written.encoding || !(question->declaration == *declaration)))
        fuzzFailure("the guard asks about another encoding or declaration", detail);
    return 0;
}
