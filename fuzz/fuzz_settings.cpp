// Fuzz target of the settings store's value readers: integer (which also decides Booleans),
// hexadecimal and colour texts. Whatever a reader accepts means what Qt's own parsers say it means,
// and every value the store writes reads back as itself.
#include "FuzzSupport.h"

#include "core/ColorText.h"
#include "core/SettingsStore.h"

#include <cstdint>
#include <cstring>

namespace
{

bool isAsciiDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool isHexDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

QString shown(const QString& text)
{
    return QStringLiteral("text '%1'").arg(visible(text));
}

void checkHex(QStringView digits)
{
    const std::optional<std::uint32_t> value = parseHexDigits(digits);
    if (!isHexDigits(digits)) {
        if (value)
            fuzzFailure("hex digits accepted what is not hex", shown(digits.toString()));
        return;
    }
    bool ok = false;
    const qulonglong expected = digits.toULongLong(&ok, 16);
    // Qt's parser stops at 64 bits; anything it cannot hold is far beyond 32 bits anyway.
    const bool fits = ok && expected <= 0xFFFFFFFFull;
    if (fits != value.has_value() || (value && *value != expected))
        fuzzFailure("hex digits read a wrong value", shown(digits.toString()));
}

void checkInteger(const QString& text)
{
    const std::optional<int> value = parseStoreInteger(text);
    if (text.size() > 2 && text.at(0) == u'0' && (text.at(1) == u'x' || text.at(1) == u'X')) {
        // A 32-bit pattern: "0xFFFFFFFF" is -1.
        const std::optional<std::uint32_t> bits = parseHexDigits(QStringView(text).mid(2));
        if (bits.has_value() != value.has_value() || (value && std::uint32_t(*value) != *bits))
            fuzzFailure("a hexadecimal integer read a wrong value", shown(text));
    } else {
        const bool negative = text.startsWith(u'-');
        bool ok = false;
        const qlonglong expected = text.toLongLong(&ok, 10);
        const bool valid = isAsciiDigits(QStringView(text).mid(negative ? 1 : 0)) && ok &&
                           expected >= std::numeric_limits<int>::min() &&
                           expected <= std::numeric_limits<int>::max();
        // Qt refuses runs of digits beyond 64 bits that may still be a small number with
        // leading zeros; only what Qt can judge is compared.
        const bool judged = ok || !isAsciiDigits(QStringView(text).mid(negative ? 1 : 0));
        if (judged && (valid != value.has_value() || (value && *value != expected)))
            fuzzFailure("a decimal integer read a wrong value", shown(text));
    }
    if (value) {
        // What writeInteger stores for that value reads back as the value.
        if (parseStoreInteger(QString::number(*value)) != value)
            fuzzFailure("a written integer does not read back", shown(text));
    }
}

void checkColour(const QString& text)
{
    const std::optional<std::uint32_t> value = ColorText::fromText(text);
    if (!value)
        return;
    const QString written = ColorText::toText(*value);
    if (ColorText::fromText(written) != value)
        fuzzFailure("a colour text does not read back as written",
                    shown(text) + QStringLiteral(" written '%1'").arg(written));
    if (ColorText::toText(*ColorText::fromText(written)) != written)
        fuzzFailure("a written colour text changes on a second round", shown(written));
}

void checkText(const QString& text)
{
    checkInteger(text);
    checkHex(text);
    checkColour(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The store holds text: read the bytes both as UTF-8 and as UTF-16 units.
    checkText(QString::fromUtf8(bytes));
    checkText(QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2));

    // Every colour value has a text that reads back as that value.
    if (size >= 4) {
        std::uint32_t value;
        std::memcpy(&value, data, 4);
        const std::optional<std::uint32_t> read = ColorText::fromText(ColorText::toText(value));
        if (read != value)
            fuzzFailure("a colour value does not survive its text", QString::number(value, 16) +
                                                                        QStringLiteral(" as ") +
                                                                        ColorText::toText(value));
    }
    return 0;
}
