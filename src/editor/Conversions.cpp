// Whole-document character conversions: umlauts and their entities, Windows and DOS code pages.
#include "editor/Conversions.h"

#include "editor/ExtRich.h"

#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
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
    QString result = text;
    char16_t* data = reinterpret_cast<char16_t*>(result.data());
    for (qsizetype i = 0, n = result.size(); i < n; ++i) {
        const char16_t c = data[i];
        if (c < 0x80 || isLineBreak(c))
            continue;
        const int byte = bytePage.byteOf(c);
        if (byte >= 0)
            data[i] = charPage.charOf(byte);
    }
    return result;
}

qsizetype commonPrefix(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

qsizetype commonSuffix(QStringView a, QStringView b, qsizetype limit)
{
    qsizetype i = 0;
    while (i < limit && a[a.size() - 1 - i] == b[b.size() - 1 - i])
        ++i;
    return i;
}

// Only the changed stretch of each changed line is replaced, all in one edit block: paragraph
// and character formats stay wherever no character changes, and no line break is rebuilt
// (rebuilding them costs more than these small edits on large pages). The conversions never
// add or remove a line break, so old and new text run line by line side by side.
void replaceChangedLines(QTextDocument* doc, const QString& before, const QString& after)
{
    constexpr QChar Break = QChar::ParagraphSeparator;
    QTextCursor cursor(doc);
    qsizetype old = 0;
    qsizetype now = 0;
    while (old <= before.size() && now <= after.size()) {
        qsizetype oldEnd = before.indexOf(Break, old);
        if (oldEnd < 0)
            oldEnd = before.size();
        qsizetype nowEnd = after.indexOf(Break, now);
        if (nowEnd < 0)
            nowEnd = after.size();
        const QStringView was = QStringView(before).sliced(old, oldEnd - old);
        const QStringView is = QStringView(after).sliced(now, nowEnd - now);
        if (was != is) {
            // Every line above already holds its new text, so this line starts at now.
            const qsizetype start = commonPrefix(was, is);
            const qsizetype tail = commonSuffix(was, is, std::min(was.size(), is.size()) - start);
            cursor.setPosition(int(now + start));
            cursor.setPosition(int(now + was.size() - tail), QTextCursor::KeepAnchor);
            cursor.insertText(is.sliced(start, is.size() - tail - start).toString());
        }
        old = oldEnd + 1;
        now = nowEnd + 1;
    }
}

bool convertDocument(TExtRich* memo, QString (*convert)(const QString&))
{
    QTextDocument* doc = memo->document();
    // Raw text: one U+2029 per line break, positions as the document counts them.
    const QString before = doc->toRawText();
    const QString after = convert(before);
    if (after == before)
        return false;

    const QTextCursor shown = memo->textCursor();
    const int anchor = shown.anchor();
    const int position = shown.position();

    QTextCursor undoStep(doc);
    undoStep.beginEditBlock();
    replaceChangedLines(doc, before, after);
    undoStep.endEditBlock();

    // The caret keeps its place as far as the new text allows.
    const int last = doc->characterCount() - 1;
    QTextCursor caret(doc);
    caret.setPosition(std::min(anchor, last));
    caret.setPosition(std::min(position, last), QTextCursor::KeepAnchor);
    memo->setTextCursor(caret);
    return true;
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
