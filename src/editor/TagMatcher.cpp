// TagMatcher: shows the partner of the tag whose name the caret stands in.
#include "editor/TagMatcher.h"

#include "editor/TextControl.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace
{

using TagMatch::State;

// The colouring's notion of blanks and letters: a tag is read here exactly where it colours one.
inline bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u == u' ' || (u >= u'\t' && u <= u'\r');
    return c.isSpace() || u == QChar::ParagraphSeparator;
}

inline bool isLetter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u | 0x20) >= u'a' && (u | 0x20) <= u'z';
    return c.isLetter();
}

qsizetype indexOf(QStringView s, QChar c, qsizetype from)
{
    return from < s.size() ? s.indexOf(c, from) : -1;
}

// Where "-->" begins at or behind from, -1 when nowhere.
qsizetype commentEnd(QStringView s, qsizetype from)
{
    for (qsizetype k = indexOf(s, u'-', from); k >= 0 && k + 2 < s.size();
         k = indexOf(s, u'-', k + 1))
        if (s[k + 1] == u'-' && s[k + 2] == u'>')
            return k;
    return -1;
}

// Reads a text forward with the colouring's scanner and reports each tag that begins in plain
// text. Both search directions read through it, so a comment, a declaration or a quoted value
// hides the same '<' whichever way the partner is looked for. A line break is a blank here, which
// gives the same states at each line's start as the colouring's line-by-line reading.
class TagReader
{
public:
    TagReader(QStringView text, State start) : m_s(text), m_state(start) {}

    // The next tag; false at the end of the text.
    bool next(TagMatch::Tag* tag)
    {
        const qsizetype n = m_s.size();
        while (m_i < n) {
            switch (m_state) {
            case State::InText: {
                const qsizetype lt = indexOf(m_s, u'<', m_i);
                if (lt < 0) {
                    m_i = n;
                    return false;
                }
                const QChar next = lt + 1 < n ? m_s[lt + 1] : QChar();
                if (next == u'!' && lt + 3 < n && m_s[lt + 2] == u'-' && m_s[lt + 3] == u'-') {
                    m_i = lt + 4;
                    m_state = State::InComment;
                } else if (next == u'!' || next == u'?') {
                    m_i = lt + 2;
                    m_state = State::InDeclaration;
                } else if (isLetter(next) || next == u'/') {
                    tag->lt = lt;
                    tag->closing = next == u'/';
                    tag->nameStart = lt + (tag->closing ? 2 : 1);
                    tag->nameEnd = nameEnd(tag->nameStart);
                    m_i = tag->nameEnd;
                    m_state = State::InTag;
                    return true;
                } else {
                    m_i = lt + 1;
                }
                break;
            }
            case State::InComment: {
                const qsizetype k = commentEnd(m_s, m_i);
                m_i = k < 0 ? n : k + 3;
                m_state = State::InText;
                break;
            }
            case State::InDeclaration:
                skipTo(u'>', State::InText);
                break;
            case State::InTagName:
                // A name begun in front of the text: its tag is unknown.
                m_i = nameEnd(m_i);
                m_state = State::InTag;
                break;
            case State::InTag: {
                const QChar c = m_s[m_i];
                if (c == u'>') {
                    ++m_i;
                    m_state = State::InText;
                } else if (c == u'=') {
                    ++m_i;
                    m_state = State::AfterEquals;
                } else if (isBlank(c) || c == u'/') {
                    ++m_i;
                } else {
                    m_state = State::InAttributeName;
                }
                break;
            }
            case State::InAttributeName: {
                while (m_i < n && !isBlank(m_s[m_i]) && m_s[m_i] != u'=' && m_s[m_i] != u'>' &&
                       m_s[m_i] != u'/')
                    ++m_i;
                m_state = State::InTag;
                break;
            }
            case State::AfterEquals: {
                const QChar c = m_s[m_i];
                if (isBlank(c)) {
                    ++m_i;
                } else if (c == u'"' || c == u'\'') {
                    ++m_i;
                    skipTo(c, State::InTag);
                } else {
                    m_state = c == u'>' ? State::InTag : State::InBareValue;
                }
                break;
            }
            case State::InDoubleQuoted:
                skipTo(u'"', State::InTag);
                break;
            case State::InSingleQuoted:
                skipTo(u'\'', State::InTag);
                break;
            case State::InBareValue:
                while (m_i < n && !isBlank(m_s[m_i]) && m_s[m_i] != u'>')
                    ++m_i;
                m_state = State::InTag;
                break;
            }
        }
        return false;
    }

private:
    qsizetype nameEnd(qsizetype from) const
    {
        qsizetype j = from;
        while (j < m_s.size() && !isBlank(m_s[j]) && m_s[j] != u'>' && m_s[j] != u'/')
            ++j;
        return j;
    }

    // Goes behind the next c and on in state then; at the text's end when there is none.
    void skipTo(QChar c, State then)
    {
        const qsizetype k = indexOf(m_s, c, m_i);
        m_i = k < 0 ? m_s.size() : k + 1;
        m_state = then;
    }

    QStringView m_s;
    qsizetype m_i = 0;
    State m_state;
};

// Elements that never have a closing tag.
bool isVoid(QStringView name)
{
    static const char* const names[] = {"area",  "base",  "br",       "col",   "embed",   "hr",
                                        "img",   "input", "link",     "meta",  "param",   "source",
                                        "track", "wbr",   "basefont", "frame", "isindex", "keygen"};
    for (const char* v : names)
        if (name.compare(QLatin1String(v), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringView nameOf(QStringView text, const TagMatch::Tag& tag)
{
    return text.sliced(tag.nameStart, tag.nameEnd - tag.nameStart);
}

bool sameName(QStringView a, QStringView b)
{
    // Case folding keeps the length, so the cheap test goes first.
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

TagMatch::Tag TagMatch::tagAt(QStringView text, qsizetype caret, State start)
{
    if (caret < 0 || caret > text.size())
        return {};
    TagReader reader(text, start);
    Tag tag;
    while (reader.next(&tag) && tag.nameStart <= caret) {
        if (caret <= tag.nameEnd)
            return tag;
    }
    return {};
}

TagMatch::Match TagMatch::find(QStringView text, qsizetype caret, qsizetype limit, State start)
{
    Match match;
    const Tag tag = tagAt(text, caret, start);
    if (!tag.valid() || tag.nameEnd == tag.nameStart || !isLetter(text[tag.nameStart]))
        return match;
    const QStringView name = nameOf(text, tag);
    if (isVoid(name))
        return match;
    match.nameStart = tag.nameStart;
    match.nameLength = name.size();

    qsizetype partner = -1;
    TagReader reader(text, start);
    Tag other;
    if (tag.closing) {
        // The opening tags not yet closed when the reading reaches the tag; the last is its
        // partner.
        std::vector<qsizetype> open;
        while (reader.next(&other) && other.lt < tag.lt) {
            if (other.lt < tag.lt - limit || !sameName(nameOf(text, other), name))
                continue;
            if (!other.closing)
                open.push_back(other.nameStart);
            else if (!open.empty())
                open.pop_back();
        }
        if (!open.empty())
            partner = open.back();
    } else {
        while (reader.next(&other) && other.lt <= tag.lt) {
        }
        int depth = 1;
        for (bool more = other.lt > tag.lt; more && other.lt - tag.lt <= limit;
             more = reader.next(&other)) {
            if (!sameName(nameOf(text, other), name))
                continue;
            depth += other.closing ? -1 : 1;
            if (depth == 0) {
                partner = other.nameStart;
                break;
            }
        }
    }
    if (partner >= 0) {
        match.partnerStart = partner;
        match.partnerLength = name.size();
    }
    return match;
}

TagMatcher::TagMatcher(TExtRich* edit) : QObject(edit), m_edit(edit)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(RestMs);
    connect(&m_rest, &QTimer::timeout, this, &TagMatcher::searchFar);
    connect(edit, &QPlainTextEdit::cursorPositionChanged, this, &TagMatcher::caretMoved);
}

namespace
{

// The colouring's state in front of block; empty when it does not know it.
std::optional<TagMatch::State> stateBefore(TExtRich* edit, const QTextBlock& block)
{
    HtmlHighlighter* colours = edit->highlighter();
    return colours ? colours->stateAt(block, 0) : std::nullopt;
}

} // namespace

TagMatcher::Tag TagMatcher::tagAtCaret() const
{
    if (!m_edit->isPlainTextMode())
        return {};
    const QTextCursor caret = m_edit->textCursor();
    const QTextBlock block = caret.block();
    // The colouring knows whether a comment or a quoted value begun lines before holds the
    // caret; without it the line is taken to start in plain text, and the search reads back.
    const std::optional<TagMatch::State> state = stateBefore(m_edit, block);
    const TagMatch::Tag local = TagMatch::tagAt(block.text(), caret.positionInBlock(),
                                                state.value_or(TagMatch::State::InText));
    if (!local.valid())
        return {};
    Tag tag;
    tag.start = block.position() + int(local.lt);
    tag.nameEnd = block.position() + int(local.nameEnd);
    tag.closing = local.closing;
    tag.stateKnown = state.has_value();
    return tag;
}

TagMatch::Match TagMatcher::search(const Tag& tag, qsizetype reach, bool* whole) const
{
    QTextDocument* doc = m_edit->document();
    const int docEnd = doc->characterCount() - 1;
    // The stretch read starts where the state is known: at an opening tag in plain text, or at
    // the start of a line whose state the colouring knows; lines are short pieces, so that
    // costs at most a piece more.
    int from = tag.start;
    TagMatch::State state = TagMatch::State::InText;
    if (tag.closing || !tag.stateKnown) {
        const QTextBlock first = doc->findBlock(int(std::max<qsizetype>(0, tag.start - reach)));
        from = first.position();
        if (tag.stateKnown)
            state = stateBefore(m_edit, first).value_or(TagMatch::State::InText);
    }
    int to = tag.nameEnd;
    if (!tag.closing) {
        to = int(std::max<qsizetype>(to, std::min<qsizetype>(docEnd, tag.start + reach)));
        // A partner whose '<' is inside the bound is read with its whole name.
        const int nameLimit = int(std::min<qsizetype>(docEnd, qsizetype(to) + reach));
        for (QChar c;
             to < nameLimit && (c = doc->characterAt(to)) != u'>' && c != u'/' && !isBlank(c);)
            ++to;
    }
    *whole = reach >= TagMatch::SearchLimit ||
             ((from == 0 || from == tag.start) && (tag.closing || to == docEnd));
    QTextCursor span(doc);
    span.setPosition(from);
    span.setPosition(to, QTextCursor::KeepAnchor);
    TagMatch::Match found = TagMatch::find(span.selectedText(), tag.nameEnd - from, reach, state);
    if (found.atTag()) {
        found.nameStart += from;
        if (found.found())
            found.partnerStart += from;
    }
    return found;
}

void TagMatcher::caretMoved()
{
    m_rest.stop();
    const Tag tag = tagAtCaret();
    TagMatch::Match found;
    if (tag.start >= 0) {
        bool whole = false;
        found = search(tag, NearReach, &whole);
        if (!found.found() && !whole)
            m_rest.start();
    }
    show(found);
}

void TagMatcher::searchFar()
{
    const Tag tag = tagAtCaret();
    bool whole = false;
    show(tag.start < 0 ? TagMatch::Match() : search(tag, TagMatch::SearchLimit, &whole));
}
void TagMatcher::show(const TagMatch::Match& found)
{
    if (found.nameStart == m_match.nameStart && found.partnerStart == m_match.partnerStart &&
        found.nameLength == m_match.nameLength)
        return;
    m_match = found;
    QList<QTextEdit::ExtraSelection> marks;
    if (found.found()) {
        const bool dark = m_edit->palette().color(QPalette::Base).lightness() < 128;
        QTextCharFormat format;
        format.setBackground(dark ? QColor(96, 84, 32) : QColor(255, 226, 140));
        for (const auto& [start, length] : {std::pair{found.nameStart, found.nameLength},
                                            std::pair{found.partnerStart, found.partnerLength}}) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(m_edit->document());
            mark.cursor.setPosition(int(start));
            mark.cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
            mark.format = format;
            marks.append(mark);
        }
    }
    m_edit->setExtraSelections(marks);
}
