// Whole-document character conversions: umlauts and their entities, Windows and DOS code pages.
#include "editor/Conversions.h"

#include "editor/TextControl.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{

const UmlautEntity umlauts[] = {
    {u'\u00E4', "&auml;"_L1},  {u'\u00C4', "&Auml;"_L1}, {u'\u00FC', "&uuml;"_L1},
    {u'\u00DC', "&Uuml;"_L1},  {u'\u00F6', "&ouml;"_L1}, {u'\u00D6', "&Ouml;"_L1},
    {u'\u00DF', "&szlig;"_L1},
};

bool isLineBreak(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// One code page as two lookups: byte to character and character to byte. ASCII maps to itself
// in both directions, whatever the converter does with the control characters of the DOS page.
class CodePage
{
public:
    explicit CodePage(const char* name) : m_byteOf(0x10000, -1)
    {
        for (int b = 0; b < 0x80; ++b) {
            m_charOf[b] = char16_t(b);
            m_byteOf[b] = std::int16_t(b);
        }
        QStringDecoder decoder(name, QStringDecoder::Flag::Stateless);
        for (int b = 0x80; b < 0x100; ++b) {
            const char byte = char(b);
            const QString decoded =
                decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString(QChar(b));
            const bool defined = decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter;
            // An undefined byte shows as the control character of the same number.
            m_charOf[b] = defined ? decoded[0].unicode() : char16_t(b);
            if (defined && m_byteOf[m_charOf[b]] < 0)
                m_byteOf[m_charOf[b]] = std::int16_t(b);
        }
    }
    char16_t charOf(int byte) const { return m_charOf[byte]; }
    int byteOf(char16_t c) const { return m_byteOf[c]; }

private:
    std::array<char16_t, 0x100> m_charOf{};
    std::vector<std::int16_t> m_byteOf;
};

const CodePage& ansiPage()
{
    static const CodePage page("windows-1252");
    return page;
}

const CodePage& oemPage()
{
    static const CodePage page("IBM850");
    return page;
}

// Each character is taken as the byte it has in bytePage and comes back as the character that
// byte stands for in charPage, as text written in one page and shown in the other. A character
// bytePage lacks stays as it is.
QString recode(const QString& text, const CodePage& bytePage, const CodePage& charPage)
{
    const auto recoded = [&](char16_t c) {
        if (c < 0x80 || isLineBreak(c))
            return c;
        const int byte = bytePage.byteOf(c);
        return byte >= 0 ? charPage.charOf(byte) : c;
    };
    // A text without anything to change is handed back as it is, without a copy.
    const char16_t* in = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && recoded(in[i]) == in[i])
        ++i;
    if (i == n)
        return text;
    QString result = text;
    char16_t* data = reinterpret_cast<char16_t*>(result.data());
    for (; i < n; ++i)
        data[i] = recoded(data[i]);
    return result;
}

// Each line is converted on its own (no conversion reaches across a line break), and only its
// changed stretch is written back, all as one undo step.
bool convertDocument(TExtRich* memo, QString (*convert)(const QString&))
{
    return memo->convertLines(convert);
}

bool convertCodePage(TExtRich* memo, const QString& fileExt, QString (*convert)(const QString&))
{
    if (fileExt == ".rtf"_L1)
        return false;
    const bool changed = convertDocument(memo, convert);
    memo->setModified(true);
    return changed;
}

} // namespace

std::span<const UmlautEntity> umlautTable()
{
    return umlauts;
}

QString entityPrefix(QChar ch)
{
    for (const UmlautEntity& u : umlauts)
        if (u.character == ch.unicode())
            return QString(u.entity.chopped(1));
    return QString();
}

namespace Conversions
{

QString umlautsToEntities(const QString& text)
{
    // Each entity is plain ASCII, so no later row can find anything inside an earlier row's
    // replacement: one pass gives what the rows one after another would give.
    QString result;
    qsizetype copied = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0xC4 || c > 0xFC)
            continue;
        for (const UmlautEntity& u : umlauts) {
            if (u.character != c)
                continue;
            if (result.isEmpty())
                result.reserve(n + n / 8 + 16);
            result.append(QStringView(text).sliced(copied, i - copied));
            result.append(u.entity);
            copied = i + 1;
            break;
        }
    }
    if (copied == 0)
        return text;
    result.append(QStringView(text).sliced(copied));
    return result;
}

QString entitiesToUmlauts(const QString& text)
{
    // Entities cannot overlap (each ends at its only semicolon) and a replacing character joins
    // no neighbours into a new entity, so one pass from the left does all rows.
    QString result;
    qsizetype copied = 0;
    const qsizetype n = text.size();
    for (qsizetype i = text.indexOf(u'&'); i >= 0 && i < n; i = text.indexOf(u'&', i)) {
        const QStringView rest = QStringView(text).sliced(i);
        const UmlautEntity* found = nullptr;
        for (const UmlautEntity& u : umlauts) {
            if (rest.startsWith(u.entity, Qt::CaseSensitive)) {
                found = &u;
                break;
            }
        }
        if (!found) {
            ++i;
            continue;
        }
        if (result.isEmpty())
            result.reserve(n);
        result.append(QStringView(text).sliced(copied, i - copied));
        result.append(QChar(found->character));
        i += found->entity.size();
        copied = i;
    }
    if (copied == 0)
        return text;
    result.append(QStringView(text).sliced(copied));
    return result;
}

QString ansiToOem(const QString& text)
{
    return recode(text, oemPage(), ansiPage());
}

QString oemToAnsi(const QString& text)
{
    return recode(text, ansiPage(), oemPage());
}

bool umlautsToEntities(TExtRich* memo)
{
    return convertDocument(memo, &Conversions::umlautsToEntities);
}

bool entitiesToUmlauts(TExtRich* memo)
{
    return convertDocument(memo, &Conversions::entitiesToUmlauts);
}

bool ansiToOem(TExtRich* memo, const QString& fileExt)
{
    return convertCodePage(memo, fileExt, &Conversions::ansiToOem);
}

bool oemToAnsi(TExtRich* memo, const QString& fileExt)
{
    return convertCodePage(memo, fileExt, &Conversions::oemToAnsi);
}

} // namespace Conversions
