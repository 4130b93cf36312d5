// The search routine of the document windows: over a text in memory or the text control itself.
#include "editor/Search.h"

#include "editor/TextControl.h"

#include <algorithm>
#include <array>
#include <memory>

namespace
{

struct SameCase {
    char16_t operator()(char16_t ch) const { return ch; }
};

struct Capital {
    const char16_t* table = searchCapitals();
    char16_t operator()(char16_t ch) const { return table[ch]; }
};

// Characters of a text in memory. Positions outside the text read as NUL, a delimiter.
class ViewChars
{
public:
    explicit ViewChars(QStringView text) : m_text(text) {}
    qsizetype size() const { return m_text.size(); }
    char16_t at(qsizetype i) const
    {
        return i >= 0 && i < m_text.size() ? m_text[i].unicode() : char16_t(0);
    }
    // The first position in [from, end) whose character maps to target, else end.
    template <class Map>
    qsizetype findMapped(qsizetype from, qsizetype end, char16_t target, Map map)
    {
        const char16_t* data = reinterpret_cast<const char16_t*>(m_text.data());
        for (qsizetype i = from; i < std::min(end, m_text.size()); ++i)
            if (map(data[i]) == target)
                return i;
        return end;
    }

private:
    QStringView m_text;
};

// Characters of a text control as its CR LF text, read through the control into a window
// around the position asked for. Each new window reaches twice as far as the last one in the
// direction of the search, so a search costs what it scans, not the size of the document.
class DocumentChars
{
public:
    DocumentChars(const TExtRich* control, qsizetype length, bool down, qsizetype margin)
        : m_control(control), m_length(length), m_down(down), m_margin(margin)
    {
    }
    qsizetype size() const { return m_length; }
    char16_t at(qsizetype i)
    {
        const qsizetype k = i - m_base;
        if (k >= 0 && k < m_window.size())
            return m_window[k].unicode();
        if (i < 0 || i >= m_length)
            return 0;
        load(i);
        return m_window[i - m_base].unicode();
    }
    // The first position in [from, end) whose character maps to target, else end. Scans the
    // windows directly: the search spends most of its time here.
    template <class Map>
    qsizetype findMapped(qsizetype from, qsizetype end, char16_t target, Map map)
    {
        qsizetype i = from;
        while (i < std::min(end, m_length)) {
            if (i < m_base || i >= m_base + m_window.size())
                load(i);
            const char16_t* data = reinterpret_cast<const char16_t*>(m_window.constData());
            const qsizetype stop = std::min(end, m_base + m_window.size());
            for (; i < stop; ++i)
                if (map(data[i - m_base]) == target)
                    return i;
        }
        return end;
    }

private:
    static constexpr qsizetype FirstReach = 512;
    static constexpr qsizetype MaxReach = 256 * 1024;

    void load(qsizetype i)
    {
        const qsizetype from = std::max<qsizetype>(0, i - (m_down ? m_margin : m_reach));
        const qsizetype to = std::min(m_length, i + (m_down ? m_reach : m_margin) + 1);
        m_reach = std::min(MaxReach, m_reach * 2);
        m_base = from;
        m_window = m_control->textSpan(int(from), int(to - from));
    }

    const TExtRich* m_control;
    qsizetype m_length;
    bool m_down;
    qsizetype m_margin; // read against the direction: the search string and one behind it
    qsizetype m_reach = FirstReach;
    QString m_window;
    qsizetype m_base = 0;
};

// The search proper, over any character source; pattern is already mapped like the text.
template <class Chars, class Map>
qsizetype searchChars(Chars& text, qsizetype selStart, qsizetype selLength, QStringView pattern,
                      const SearchOptions& options, Map map)
{
    const qsizetype n = text.size();
    const qsizetype m = pattern.size();
    if (n <= 0 || m == 0)
        return SearchNone;

    qsizetype step, start, count;
    if (options.down) {
        step = 1;
        start = selStart + selLength;
        count = n - start - m;
        if (count < 0 || start + count > n)
            return SearchNone;
    } else {
        step = -1;
        start = selStart - m;
        count = start;
    }
    if (start < 0 || start > n)
        return SearchNone;

    auto delimiter = [&text](qsizetype i) { return isWordDelimiter(text.at(i)); };
    // Between the CR and the LF of one line break: the control cannot select from or to there.
    auto splitsLineBreak = [&text, n](qsizetype i) {
        return i > 0 && i < n && text.at(i) == u'\n' && text.at(i - 1) == u'\r';
    };
    auto matchesAt = [&](qsizetype c) {
        if (c + m > n)
            return false;
        for (qsizetype k = 0; k < m; ++k)
            if (map(text.at(c + k)) != pattern[k].unicode())
                return false;
        return true;
    };

    const char16_t first = pattern[0].unicode();
    qsizetype c = start;
    // Going up, stepping forward onto a word's first letter near the start of the text could
    // return to a candidate already compared, or pass the first candidate and reach into the
    // selection; there is no earlier word left then.
    qsizetype lastCompared = start + 1;
    while (count >= 0) {
        if (options.wholeWord) {
            if (options.down) {
                while (count > 0 && !delimiter(c)) {
                    ++c;
                    --count;
                }
                while (count > 0 && delimiter(c)) {
                    ++c;
                    --count;
                }
            } else {
                while (count > 0 && delimiter(c)) {
                    --c;
                    --count;
                }
                while (count > 0 && !delimiter(c)) {
                    --c;
                    --count;
                }
                if (delimiter(c)) {
                    ++c;
                    ++count;
                }
                if (c >= lastCompared)
                    return SearchNone;
                lastCompared = c;
            }
        } else if (options.down) {
            // Nothing but the first character can start a match: pass the rest quickly.
            const qsizetype next = text.findMapped(c, c + count, first, map);
            count -= next - c;
            c = next;
        }
        if (matchesAt(c) && !splitsLineBreak(c) && !splitsLineBreak(c + m) &&
            (!options.wholeWord || count == 0 || delimiter(c + m)))
            return c;
        c += step;
        --count;
    }
    return SearchNone;
}

template <class Chars>
qsizetype searchIn(Chars& text, qsizetype selStart, qsizetype selLength, QStringView searchString,
                   const SearchOptions& options)
{
    if (options.matchCase)
        return searchChars(text, selStart, selLength, searchString, options, SameCase());
    const Capital capital;
    QString pattern(searchString.size(), Qt::Uninitialized);
    for (qsizetype k = 0; k < searchString.size(); ++k)
        pattern[k] = QChar(capital(searchString[k].unicode()));
    return searchChars(text, selStart, selLength, pattern, options, capital);
}

} // namespace

bool isWordDelimiter(char16_t ch)
{
    return !((ch >= u'0' && ch <= u'9') || (ch >= u'A' && ch <= u'Z') ||
             (ch >= u'a' && ch <= u'z'));
}

qsizetype SearchBuffer(QStringView text, qsizetype selStart, qsizetype selLength,
                       QStringView searchString, SearchOptions options)
{
    ViewChars chars(text);
    return searchIn(chars, selStart, selLength, searchString, options);
}

bool SearchInControl(TExtRich* control, const QString& searchString, SearchOptions options)
{
    const QStringView pattern = QStringView(searchString).left(MaxSearchLength);
    if (!control || pattern.isEmpty())
        return false;
    const qsizetype length = control->textLength();
    if (length <= 0)
        return false;

    DocumentChars chars(control, length, options.down, pattern.size() + 2);
    const qsizetype found =
        searchIn(chars, control->selStart(), control->selLength(), pattern, options);
    if (found == SearchNone)
        return false;
    control->setSelStart(int(found));
    control->setSelLength(int(pattern.size()));
    control->ensureCursorVisible();
    return true;
}

const char16_t* searchCapitals()
{
    static const std::unique_ptr<char16_t[]> table = [] {
        auto t = std::make_unique<char16_t[]>(0x10000);
        for (char32_t ch = 0; ch < 0x10000; ++ch) {
            const char32_t upper = QChar::isSurrogate(ch) ? ch : QChar::toUpper(ch);
            t[ch] = char16_t(upper < 0x10000 ? upper : ch);
        }
        return t;
    }();
    return table.get();
}
