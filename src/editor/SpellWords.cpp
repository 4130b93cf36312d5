// SpellWords: the words of an HTML text as a reader of the page reads them, for the spelling.
#include "editor/SpellWords.h"

#include "editor/Conversions.h"
#include "editor/SpecialCharacterPalette.h"

#include <QHash>
#include <QVarLengthArray>
#include <algorithm>

namespace SpellWords
{

namespace
{

constexpr qsizetype MaxName = 64;
constexpr qsizetype MaxEntity = 32;
constexpr qsizetype MetaLookahead = 1024;

// Named entities that stand for letters or for spaces; any other well-formed reference is
// neither letter nor space.
const QHash<QString, char32_t>& entityTable()
{
    static const QHash<QString, char32_t> table = [] {
        QHash<QString, char32_t> names;
        for (const UmlautEntity& u : umlautTable())
            names.insert(QString(u.entity.sliced(1).chopped(1)), u.character);
        for (const TFSonderZeichen::Cell& cell : TFSonderZeichen::cells())
            if (!cell.reference.startsWith(QLatin1String("&#")))
                names.insert(cell.reference.sliced(1).chopped(1), cell.character.unicode());
        const std::pair<const char*, char32_t> more[] = {
            {"nbsp", 0xA0},     {"shy", 0xAD},    {"ensp", 0x2002}, {"emsp", 0x2003},
            {"thinsp", 0x2009}, {"OElig", 0x152}, {"oelig", 0x153}, {"Scaron", 0x160},
            {"scaron", 0x161},  {"Yuml", 0x178},  {"amp", u'&'},    {"lt", u'<'},
            {"gt", u'>'},       {"quot", u'"'},   {"apos", u'\''},  {"ndash", 0x2013},
            {"mdash", 0x2014},
        };
        for (const auto& [name, character] : more)
            names.insert(QString::fromLatin1(name), character);
        return names;
    }();
    return table;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isSpace(char32_t c)
{
    return QChar::isSpace(c);
}

// One character of a stretch of text as the reader reads it.
struct Unit {
    char32_t character = 0; // 0: a reference that stands for no known character
    qsizetype start = 0;
    qsizetype end = 0;
    bool entity = false;
    bool ignored = false; // a soft hyphen or <wbr>
};

// A reference at the start of text: its length (0 when it is none) and character.
struct Reference {
    qsizetype length = 0;
    char32_t character = 0;
};

Reference referenceAt(QStringView text)
{
    // text[0] is '&'.
    const qsizetype n = std::min(text.size(), MaxEntity);
    if (n < 3)
        return {};
    if (text[1] == u'#') {
        const bool hex = n > 2 && (text[2] == u'x' || text[2] == u'X');
        qsizetype i = hex ? 3 : 2;
        const qsizetype digits = i;
        char32_t value = 0;
        bool overflow = false;
        for (; i < n; ++i) {
            int d = -1;
            const char16_t c = text[i].unicode();
            if (c >= u'0' && c <= u'9')
                d = c - u'0';
            else if (hex && c >= u'a' && c <= u'f')
                d = c - u'a' + 10;
            else if (hex && c >= u'A' && c <= u'F')
                d = c - u'A' + 10;
            if (d < 0)
                break;
            value = value * (hex ? 16 : 10) + char32_t(d);
            overflow = overflow || value > 0x10FFFF;
            if (overflow)
                value = 0x110000;
        }
        if (i == digits || i >= n || text[i] != u';')
            return {};
        const bool valid =
            !overflow && value != 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        return {i + 1, valid ? value : 0};
    }
    qsizetype i = 1;
    while (i < n && (isAsciiLetter(text[i]) || text[i].isDigit()))
        ++i;
    if (i == 1 || i >= n || text[i] != u';')
        return {};
    return {i + 1, entityTable().value(text.sliced(1, i - 1).toString(), 0)};
}

// The reader over one text; see read().
class Reader
{
public:
    Reader(QStringView text, qsizetype end, State state, bool wantWords)
        : t(text), n(text.size()), m_end(std::min(end, text.size())), s(state), want(wantWords)
    {
    }

    QList<Word> run(std::span<const qsizetype> stops, State* stopStates, State& finalState);

private:
    // Steps: each reads from i and returns where the next one begins; limit is the next place a
    // state is asked for, where a stretch of like characters stops early.
    qsizetype step(qsizetype i, qsizetype limit);
    qsizetype textStep(qsizetype i, qsizetype limit);
    qsizetype tagStep(qsizetype i, qsizetype limit);
    qsizetype valueStep(qsizetype i, qsizetype limit);
    qsizetype runWhile(qsizetype i, qsizetype limit, bool (*same)(QChar)) const;

    bool readsValue() const { return s.attribute == State::Read; }
    // '<' opening a tag, an end tag, a comment or a declaration.
    bool opensMarkup(qsizetype i) const;
    // Length of a <wbr> tag at i, 0 when there is none.
    qsizetype wbrAt(qsizetype i) const;
    // Length of a reference at i that stands for a space, 0 otherwise.
    qsizetype spaceReferenceAt(qsizetype i) const;
    bool endsChunk(qsizetype i) const;
    qsizetype chunk(qsizetype i);
    void takeWords();
    bool metaNamesText(qsizetype from) const;
    State::Element elementOf(QStringView name, qsizetype after);

    QStringView t;
    qsizetype n;
    qsizetype m_end;
    State s;
    bool want;
    QVarLengthArray<Unit, 64> units;
    QList<Word> words;
};

bool Reader::opensMarkup(qsizetype i) const
{
    if (i + 1 >= n)
        return false;
    const QChar next = t[i + 1];
    if (isAsciiLetter(next) || next == u'!' || next == u'?')
        return true;
    return next == u'/' && i + 2 < n && isAsciiLetter(t[i + 2]);
}

qsizetype Reader::wbrAt(qsizetype i) const
{
    if (i + 4 > n || t.sliced(i + 1, 3).compare(QLatin1String("wbr"), Qt::CaseInsensitive) != 0)
        return 0;
    const qsizetype last = std::min(n, i + MaxEntity);
    qsizetype j = i + 4;
    if (j < n && !(t[j] == u'>' || t[j] == u'/' || t[j].isSpace()))
        return 0;
    for (; j < last; ++j)
        if (t[j] == u'>')
            return j + 1 - i;
    return 0;
}

qsizetype Reader::spaceReferenceAt(qsizetype i) const
{
    if (t[i] != u'&')
        return 0;
    const Reference ref = referenceAt(t.sliced(i));
    return ref.length > 0 && ref.character && isSpace(ref.character) ? ref.length : 0;
}

bool Reader::endsChunk(qsizetype i) const
{
    const QChar c = t[i];
    if (c.isSpace() || spaceReferenceAt(i))
        return true;
    switch (s.mode) {
    case State::Text:
        return c == u'<' && opensMarkup(i) && !wbrAt(i);
    case State::Quoted:
        return c == (s.doubleQuote ? u'"' : u'\'');
    case State::Bare:
        return c == u'>';
    default:
        return true;
    }
}

// Reads a stretch of text up to a space or markup into units and takes its words.
qsizetype Reader::chunk(qsizetype i)
{
    units.clear();
    qsizetype j = i;
    while (j < n && j - i < MaxChunk && !endsChunk(j)) {
        Unit unit;
        unit.start = j;
        const QChar c = t[j];
        if (c == u'&') {
            const Reference ref = referenceAt(t.sliced(j));
            if (ref.length > 0) {
                unit.character = ref.character;
                unit.entity = true;
                unit.ignored = ref.character == 0xAD;
                j += ref.length;
            } else {
                unit.character = u'&';
                ++j;
            }
        } else if (c == u'<' && s.mode == State::Text && wbrAt(j)) {
            unit.ignored = true;
            j += wbrAt(j);
        } else if (c.isHighSurrogate() && j + 1 < n && t[j + 1].isLowSurrogate()) {
            unit.character = QChar::surrogateToUcs4(c, t[j + 1]);
            j += 2;
        } else {
            unit.character = c.unicode();
            unit.ignored = c.unicode() == 0xAD;
            ++j;
        }
        unit.end = j;
        units.append(unit);
    }
    if (want)
        takeWords();
    return std::max(j, i + 1);
}

bool isLetter(char32_t c)
{
    return QChar::isLetter(c) || QChar::isMark(c);
}

bool isWordCharacter(char32_t c)
{
    return isLetter(c) || QChar::isNumber(c) || c == u'_';
}

// Characters gathered one by one: a QString appended to a character at a time costs a call each.
using Letters = QVarLengthArray<char16_t, 2 * MaxChunk>;

void appendCharacter(Letters& letters, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        letters.append(QChar::highSurrogate(c));
        letters.append(QChar::lowSurrogate(c));
    } else {
        letters.append(char16_t(c));
    }
}

void Reader::takeWords()
{
    // Addresses are no words: an e-mail address has its "@", a URL its "://" or "www.".
    Letters plain;
    for (const Unit& unit : std::as_const(units)) {
        if (unit.character == u'@')
            return;
        if (!unit.ignored && unit.character)
            appendCharacter(plain, unit.character);
    }
    const QStringView shown(plain.constData(), plain.size());
    if (shown.contains(QLatin1String("://")) ||
        shown.contains(QLatin1String("www."), Qt::CaseInsensitive))
        return;

    const qsizetype count = units.size();
    // The next unit from k on that is not ignored.
    auto nextShown = [&](qsizetype k) {
        while (k < count && units[k].ignored)
            ++k;
        return k;
    };
    qsizetype k = 0;
    while (k < count) {
        if (units[k].ignored || !isWordCharacter(units[k].character)) {
            ++k;
            continue;
        }
        // A word: letters joined by single hyphens, one hyphen at its end allowed.
        const qsizetype first = k;
        qsizetype last = k;
        bool digits = false;
        bool entities = false;
        Letters text;
        while (k < count) {
            const Unit& unit = units[k];
            if (unit.ignored) {
                ++k;
                continue;
            }
            if (isWordCharacter(unit.character)) {
                digits = digits || !isLetter(unit.character);
                entities = entities || unit.entity;
                appendCharacter(text, unit.character);
                last = k++;
                continue;
            }
            if (unit.character != u'-')
                break;
            const qsizetype after = nextShown(k + 1);
            if (after < count && isWordCharacter(units[after].character)) {
                text.append(u'-');
                k = after;
                continue;
            }
            if (isLetter(units[last].character)) {
                text.append(u'-');
                last = k++;
            }
            break;
        }
        if (!digits)
            words.append({QString(reinterpret_cast<const QChar*>(text.constData()), text.size()),
                          units[first].start, units[last].end - units[first].start, entities});
    }
}

// Whether a meta tag whose attributes begin at from names a description or keywords.
bool Reader::metaNamesText(qsizetype from) const
{
    const qsizetype last = std::min(n, from + MetaLookahead);
    qsizetype i = from;
    auto skipSpaces = [&] {
        while (i < last && t[i].isSpace())
            ++i;
    };
    while (i < last) {
        skipSpaces();
        if (i >= last || t[i] == u'>')
            return false;
        const qsizetype nameStart = i;
        while (i < last && !t[i].isSpace() && t[i] != u'=' && t[i] != u'>')
            ++i;
        const QStringView name = t.sliced(nameStart, i - nameStart);
        if (i == nameStart)
            ++i;
        skipSpaces();
        if (i >= last || t[i] != u'=')
            continue;
        ++i;
        skipSpaces();
        qsizetype valueStart = i;
        if (i < last && (t[i] == u'"' || t[i] == u'\'')) {
            const QChar quote = t[i++];
            valueStart = i;
            while (i < last && t[i] != quote)
                ++i;
        } else {
            while (i < last && !t[i].isSpace() && t[i] != u'>')
                ++i;
        }
        const QStringView value = t.sliced(valueStart, i - valueStart).trimmed();
        if (i < last && (t[i] == u'"' || t[i] == u'\''))
            ++i;
        if (name.compare(QLatin1String("name"), Qt::CaseInsensitive) == 0)
            return value.compare(QLatin1String("description"), Qt::CaseInsensitive) == 0 ||
                   value.compare(QLatin1String("keywords"), Qt::CaseInsensitive) == 0;
    }
    return false;
}

State::Element Reader::elementOf(QStringView name, qsizetype after)
{
    s.metaContent = false;
    if (name.compare(QLatin1String("script"), Qt::CaseInsensitive) == 0)
        return State::Script;
    if (name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0)
        return State::Style;
    if (name.compare(QLatin1String("meta"), Qt::CaseInsensitive) == 0) {
        s.metaContent = metaNamesText(after);
        return State::Meta;
    }
    return State::Other;
}

qsizetype Reader::runWhile(qsizetype i, qsizetype limit, bool (*same)(QChar)) const
{
    qsizetype j = i;
    while (j < limit && same(t[j]))
        ++j;
    return std::max(j, i + 1);
}

bool isSpaceChar(QChar c)
{
    return c.isSpace();
}

qsizetype Reader::textStep(qsizetype i, qsizetype limit)
{
    const QChar c = t[i];
    if (c.isSpace())
        return runWhile(i, limit, isSpaceChar);
    if (const qsizetype space = spaceReferenceAt(i))
        return i + space;
    if (c != u'<' || !opensMarkup(i) || wbrAt(i))
        return chunk(i);
    const QStringView rest = t.sliced(i);
    if (rest.startsWith(QLatin1String("<!--"))) {
        s.mode = State::Comment;
        return i + 4;
    }
    if (t[i + 1] == u'!' || t[i + 1] == u'?') {
        s.mode = State::Declaration;
        return i + 2;
    }
    const bool endTag = t[i + 1] == u'/';
    qsizetype j = i + (endTag ? 2 : 1);
    const qsizetype nameStart = j;
    while (j < n && j - nameStart < MaxName &&
           (isAsciiLetter(t[j]) || t[j].isDigit() || t[j] == u'-' || t[j] == u':'))
        ++j;
    s.mode = State::Tag;
    s.attribute = State::Unread;
    s.element = endTag ? State::EndTag : elementOf(t.sliced(nameStart, j - nameStart), j);
    return j;
}

qsizetype Reader::tagStep(qsizetype i, qsizetype limit)
{
    const QChar c = t[i];
    switch (s.mode) {
    case State::Tag:
        if (c.isSpace())
            return runWhile(i, limit, isSpaceChar);
        if (c == u'>') {
            const bool raw = s.element == State::Script || s.element == State::Style;
            s.mode = raw ? State::Raw : State::Text;
            if (!raw)
                s.element = State::Other;
            s.metaContent = false;
            s.attribute = State::Unread;
            return i + 1;
        }
        if (c == u'/')
            return i + 1;
        {
            qsizetype j = i;
            while (j < n && j - i < MaxName && !t[j].isSpace() && t[j] != u'=' && t[j] != u'>' &&
                   t[j] != u'/')
                ++j;
            j = std::max(j, i + 1);
            const QStringView name = t.sliced(i, j - i);
            const bool read = s.element != State::EndTag &&
                              (name.compare(QLatin1String("alt"), Qt::CaseInsensitive) == 0 ||
                               name.compare(QLatin1String("title"), Qt::CaseInsensitive) == 0 ||
                               (s.element == State::Meta && s.metaContent &&
                                name.compare(QLatin1String("content"), Qt::CaseInsensitive) == 0));
            s.attribute = read ? State::Read : State::Unread;
            s.mode = State::AfterName;
            return j;
        }
    case State::AfterName:
        if (c.isSpace())
            return runWhile(i, limit, isSpaceChar);
        if (c == u'=') {
            s.mode = State::AfterEquals;
            return i + 1;
        }
        s.mode = State::Tag;
        return i;
    case State::AfterEquals:
        if (c.isSpace())
            return runWhile(i, limit, isSpaceChar);
        if (c == u'"' || c == u'\'') {
            s.mode = State::Quoted;
            s.doubleQuote = c == u'"';
            return i + 1;
        }
        s.mode = c == u'>' ? State::Tag : State::Bare;
        return i;
    default:
        return i + 1;
    }
}

qsizetype Reader::valueStep(qsizetype i, qsizetype limit)
{
    const QChar c = t[i];
    const bool quoted = s.mode == State::Quoted;
    const QChar quote = s.doubleQuote ? u'"' : u'\'';
    if (quoted && c == quote) {
        s.mode = State::Tag;
        return i + 1;
    }
    if (!quoted && (c.isSpace() || c == u'>')) {
        s.mode = State::Tag;
        return i;
    }
    if (!readsValue()) {
        qsizetype j = i;
        if (quoted)
            while (j < limit && t[j] != quote)
                ++j;
        else
            while (j < limit && !t[j].isSpace() && t[j] != u'>')
                ++j;
        return std::max(j, i + 1);
    }
    if (c.isSpace())
        return runWhile(i, limit, isSpaceChar);
    if (const qsizetype space = spaceReferenceAt(i))
        return i + space;
    return chunk(i);
}

qsizetype Reader::step(qsizetype i, qsizetype limit)
{
    switch (s.mode) {
    case State::Text:
        return textStep(i, limit);
    case State::Comment: {
        if (t[i] != u'-') {
            const qsizetype dash = t.sliced(i, limit - i).indexOf(u'-');
            return dash < 0 ? limit : std::max(i + dash, i + 1);
        }
        if (t.sliced(i).startsWith(QLatin1String("-->"))) {
            s.mode = State::Text;
            return i + 3;
        }
        return i + 1;
    }
    case State::Declaration: {
        if (t[i] != u'>') {
            const qsizetype close = t.sliced(i, limit - i).indexOf(u'>');
            return close < 0 ? limit : std::max(i + close, i + 1);
        }
        s.mode = State::Text;
        return i + 1;
    }
    case State::Raw: {
        if (t[i] != u'<') {
            const qsizetype open = t.sliced(i, limit - i).indexOf(u'<');
            return open < 0 ? limit : std::max(i + open, i + 1);
        }
        const QLatin1String name(s.element == State::Script ? "script" : "style");
        const qsizetype after = i + 2 + name.size();
        if (after <= n && t[i + 1] == u'/' &&
            t.sliced(i + 2, name.size()).compare(name, Qt::CaseInsensitive) == 0 &&
            (after == n || t[after].isSpace() || t[after] == u'/' || t[after] == u'>')) {
            s.mode = State::Tag;
            s.element = State::EndTag;
            s.attribute = State::Unread;
            return after;
        }
        return i + 1;
    }
    case State::Tag:
    case State::AfterName:
    case State::AfterEquals:
        return tagStep(i, limit);
    case State::Quoted:
    case State::Bare:
        return valueStep(i, limit);
    }
    return i + 1;
}

QList<Word> Reader::run(std::span<const qsizetype> stops, State* stopStates, State& finalState)
{
    std::size_t next = 0;
    // A stop inside the step that ended at stepEnd resumes with the state behind the step.
    auto record = [&](qsizetype before, qsizetype stepEnd) {
        while (next < stops.size() && stops[next] < before) {
            State at = s;
            at.skip = std::uint16_t(std::min<qsizetype>(stepEnd - stops[next], 0xFFFF));
            if (stopStates)
                stopStates[next] = at;
            ++next;
        }
    };
    qsizetype i = std::min<qsizetype>(s.skip, n);
    qsizetype skipped = s.skip;
    s.skip = 0;
    record(std::min(i, m_end + 1), skipped);
    while (i < m_end) {
        // A stop right here sees the state before the step.
        while (next < stops.size() && stops[next] == i) {
            if (stopStates)
                stopStates[next] = s;
            ++next;
        }
        const qsizetype limit = next < stops.size() ? std::min(stops[next], m_end) : m_end;
        const qsizetype after = step(i, std::max(limit, i + 1));
        // A step that takes nothing only changed the mode; the next one reads.
        record(after, after);
        i = after;
    }
    finalState = s;
    finalState.skip =
        std::uint16_t(std::min<qsizetype>(std::max<qsizetype>(skipped, i) - m_end, 0xFFFF));
    record(m_end + 1, std::max(i, skipped));
    return words;
}

} // namespace

std::uint32_t State::packed() const
{
    return std::uint32_t(mode) | std::uint32_t(element) << 4 | std::uint32_t(attribute) << 7 |
           std::uint32_t(doubleQuote) << 8 | std::uint32_t(metaContent) << 9 |
           std::uint32_t(skip) << 16;
}

State State::unpacked(std::uint32_t bits)
{
    State s;
    s.mode = Mode(std::min<std::uint32_t>(bits & 0xF, Bare));
    s.element = Element(std::min<std::uint32_t>((bits >> 4) & 0x7, EndTag));
    s.attribute = Attribute((bits >> 7) & 1);
    s.doubleQuote = (bits >> 8) & 1;
    s.metaContent = (bits >> 9) & 1;
    s.skip = std::uint16_t(bits >> 16);
    return s;
}

QList<Word> read(QStringView text, qsizetype end, State& state, std::span<const qsizetype> stops,
                 State* stopStates, bool wantWords)
{
    Reader reader(text, end, state, wantWords);
    return reader.run(stops, stopStates, state);
}

QList<Word> read(QStringView text)
{
    State state;
    return read(text, text.size(), state);
}

char32_t namedEntity(QStringView name)
{
    return entityTable().value(name.toString(), 0);
}

} // namespace SpellWords
