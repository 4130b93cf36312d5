// HtmlHighlighter: colours the HTML of a plain-text document, only the blocks about to be shown.
#include "editor/HtmlHighlighter.h"

#include <QAbstractTextDocumentLayout>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace
{

using State = HtmlHighlighter::State;
using ColourClass = HtmlHighlighter::ColourClass;

constexpr int Unknown = 0xFF;
// Blocks to find states for beyond which the whole text is read at once.
constexpr int LongJump = 2000;
// Characters beyond which a block is expected to wrap.
constexpr int LongBlock = 160;

int endOf(int packed)
{
    return packed & 0xFF;
}
int startOf(int packed)
{
    return (packed >> 8) & 0xFF;
}
int colouredOf(int packed)
{
    return (packed >> 16) & 0xFF;
}
int pack(int end, int start, int coloured)
{
    return end | (start << 8) | (coloured << 16);
}

// The scanner looks at every character of a tag: the common ASCII cases stay off QChar's tables.
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

// Where c stands at or behind from, -1 when nowhere. Tags and values are short: a plain loop
// beats the vectorised search, whose setup costs more than the few characters it would skip.
inline qsizetype nearIndexOf(QStringView s, QChar c, qsizetype from)
{
    for (qsizetype k = from; k < s.size(); ++k)
        if (s[k] == c)
            return k;
    return -1;
}

// Where "-->" begins at or behind from, -1 when nowhere.
qsizetype commentEnd(QStringView s, qsizetype from)
{
    for (qsizetype k = s.indexOf(u'-', from); k >= 0 && k + 2 < s.size();
         k = s.indexOf(u'-', k + 1))
        if (s[k + 1] == u'-' && s[k + 2] == u'>')
            return k;
    return -1;
}

// Walks one block's text from state start and reports every stretch that is not plain text.
template <bool Colours, typename Emit> State scan(QStringView s, State state, Emit&& report)
{
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        switch (state) {
        case State::InText: {
            qsizetype k = i;
            // References change no state: without colours only tags are looked for.
            if constexpr (Colours) {
                while (k < n && s[k] != u'<' && s[k] != u'&')
                    ++k;
            } else {
                while (k < n && s[k] != u'<')
                    ++k;
            }
            if (k >= n)
                return state;
            i = k;
            if (s[i] == u'&') {
                qsizetype j = i + 1;
                if (j < n && s[j] == u'#')
                    ++j;
                while (j < n && (s[j].isLetterOrNumber()))
                    ++j;
                if (j < n && s[j] == u';' && j > i + 1) {
                    report(i, j + 1 - i, ColourClass::Reference);
                    i = j + 1;
                } else {
                    ++i;
                }
                break;
            }
            const QChar next = i + 1 < n ? s[i + 1] : QChar();
            if (next == u'!' && i + 3 < n && s[i + 2] == u'-' && s[i + 3] == u'-') {
                report(i, 4, ColourClass::Comment);
                i += 4;
                state = State::InComment;
            } else if (next == u'!' || next == u'?') {
                report(i, 2, ColourClass::Doctype);
                i += 2;
                state = State::InDeclaration;
            } else if (isLetter(next) || next == u'/') {
                const int length = next == u'/' ? 2 : 1;
                report(i, length, ColourClass::TagName);
                i += length;
                state = State::InTagName;
            } else {
                ++i;
            }
            break;
        }
        case State::InComment: {
            const qsizetype k = commentEnd(s, i);
            const qsizetype end = k < 0 ? n : k + 3;
            report(i, end - i, ColourClass::Comment);
            i = end;
            if (k >= 0)
                state = State::InText;
            break;
        }
        case State::InDeclaration: {
            const qsizetype k = nearIndexOf(s, u'>', i);
            const qsizetype end = k < 0 ? n : k + 1;
            report(i, end - i, ColourClass::Doctype);
            i = end;
            if (k >= 0)
                state = State::InText;
            break;
        }
        case State::InTagName: {
            qsizetype j = i;
            while (j < n && !isBlank(s[j]) && s[j] != u'>' && s[j] != u'/')
                ++j;
            if (j > i)
                report(i, j - i, ColourClass::TagName);
            i = j;
            if (j < n)
                state = State::InTag;
            break;
        }
        case State::InTag: {
            const QChar c = s[i];
            if (isBlank(c)) {
                ++i;
            } else if (c == u'>') {
                report(i, 1, ColourClass::TagName);
                ++i;
                state = State::InText;
            } else if (c == u'/') {
                report(i, 1, ColourClass::TagName);
                ++i;
            } else if (c == u'=') {
                ++i;
                state = State::AfterEquals;
            } else {
                state = State::InAttributeName;
            }
            break;
        }
        case State::InAttributeName: {
            qsizetype j = i;
            while (j < n && !isBlank(s[j]) && s[j] != u'=' && s[j] != u'>' && s[j] != u'/')
                ++j;
            if (j > i)
                report(i, j - i, ColourClass::AttributeName);
            i = j;
            if (j < n)
                state = State::InTag;
            break;
        }
        case State::AfterEquals: {
            const QChar c = s[i];
            if (isBlank(c)) {
                ++i;
            } else if (c == u'"' || c == u'\'') {
                const qsizetype k = nearIndexOf(s, c, i + 1);
                const qsizetype end = k < 0 ? n : k + 1;
                report(i, end - i, ColourClass::AttributeValue);
                i = end;
                state = k >= 0                  ? State::InTag
                        : c == QLatin1Char('"') ? State::InDoubleQuoted
                                                : State::InSingleQuoted;
            } else if (c == u'>') {
                state = State::InTag;
            } else {
                state = State::InBareValue;
            }
            break;
        }
        case State::InDoubleQuoted:
        case State::InSingleQuoted: {
            const QChar quote = state == State::InDoubleQuoted ? u'"' : u'\'';
            const qsizetype k = nearIndexOf(s, quote, i);
            const qsizetype end = k < 0 ? n : k + 1;
            report(i, end - i, ColourClass::AttributeValue);
            i = end;
            if (k >= 0)
                state = State::InTag;
            break;
        }
        case State::InBareValue: {
            qsizetype j = i;
            while (j < n && !isBlank(s[j]) && s[j] != u'>')
                ++j;
            report(i, j - i, ColourClass::AttributeValue);
            i = j;
            if (j < n)
                state = State::InTag;
            break;
        }
        }
    }
    // A name or bare value ends with its line; the next line starts between attributes.
    if (state == State::InTagName || state == State::InAttributeName || state == State::InBareValue)
        return s.isEmpty() ? state : State::InTag;
    return state;
}

} // namespace

HtmlHighlighter::HtmlHighlighter(QTextDocument* document, QObject* parent)
    : QObject(parent), m_doc(document), m_blockCount(document->blockCount())
{
    connect(document, &QTextDocument::contentsChange, this, &HtmlHighlighter::contentsChanged);
}

QList<HtmlHighlighter::Span> HtmlHighlighter::spans(QStringView text, State start, State* end)
{
    QList<Span> result;
    const State last =
        scan<true>(text, start, [&result](qsizetype from, qsizetype length, ColourClass c) {
            // Neighbours of one class are one span (a quoted value across a cut, "</" and the
            // name).
            if (!result.isEmpty() && result.last().colour == c &&
                result.last().start + result.last().length == from)
                result.last().length += int(length);
            else
                result.append(Span{int(from), int(length), c});
        });
    if (end)
        *end = last;
    return result;
}

HtmlHighlighter::State HtmlHighlighter::endState(QStringView text, State start)
{
    return scan<false>(text, start, [](qsizetype, qsizetype, ColourClass) {});
}

void HtmlHighlighter::setEnabled(bool on)
{
    if (m_enabled == on)
        return;
    m_enabled = on;
    if (!on)
        forgetColours();
}

void HtmlHighlighter::setBackground(const QColor& background)
{
    const bool dark = background.lightness() < 128;
    if (dark == m_dark)
        return;
    m_dark = dark;
    forgetColours();
}

QColor HtmlHighlighter::colourOf(ColourClass colour) const
{
    // One hue per class; the lightness stands far from the background's.
    int hue = 0;
    int saturation = 200;
    switch (colour) {
    case ColourClass::Text:
        return QColor();
    case ColourClass::TagName:
        hue = 230;
        break;
    case ColourClass::AttributeName:
        hue = 10;
        break;
    case ColourClass::AttributeValue:
        hue = 130;
        break;
    case ColourClass::Comment:
        hue = 0;
        saturation = 0;
        break;
    case ColourClass::Reference:
        hue = 290;
        break;
    case ColourClass::Doctype:
        hue = 40;
        break;
    }
    return QColor::fromHsl(hue, saturation, m_dark ? 185 : 80);
}

void HtmlHighlighter::forgetColours()
{
    for (QTextBlock block = m_doc->begin(); block.isValid(); block = block.next()) {
        const int packed = block.userState();
        if (colouredOf(packed) == Unknown)
            continue;
        if (BlockColours* colours = BlockColours::of(block); colours && colours->byFormats)
            block.layout()->clearFormats();
        block.setUserData(nullptr);
        block.setUserState(pack(endOf(packed), startOf(packed), Unknown));
    }
    reportOwnChange();
}

void HtmlHighlighter::contentsChanged(int from, int removed, int added)
{
    Q_UNUSED(removed);
    if (m_flushing)
        return;
    const int count = m_doc->blockCount();
    const int delta = count - m_blockCount;
    m_blockCount = count;
    // A whole-text replacement leaves nothing worth keeping. The document keeps one of its old
    // blocks for the new text, with the states and colours of the old text: those go too.
    if (from == 0 && added >= m_doc->characterCount() - 1) {
        for (QTextBlock block = m_doc->begin(); block.isValid(); block = block.next())
            block.setUserState(-1);
        m_known = m_validTo = 0;
        return;
    }
    const int last = std::min(from + added, m_doc->characterCount() - 1);
    QTextBlock block = m_doc->findBlock(from);
    const int first = block.blockNumber();
    const QTextBlock lastBlock = m_doc->findBlock(last);
    const int lastNew = lastBlock.blockNumber();
    const int lastOld = lastNew - delta;
    // A change inside one coloured block (typing) colours that block again right now, before
    // the layout lays it out: a block coloured through formats would otherwise be laid out with
    // its old colours first and then a second time.
    if (m_enabled && delta == 0 && block == lastBlock && first <= m_known &&
        colouredOf(block.userState()) != Unknown && recolourInPlace(block))
        return;
    for (; block.isValid(); block = block.next()) {
        block.setUserState(-1);
        if (block == lastBlock)
            break;
    }
    if (first >= m_known) {
        // Nothing in front of the change moves; the stretch still to be confirmed ends there.
        m_validTo = std::min(m_validTo, first);
        return;
    }
    m_validTo = m_known > lastOld ? m_known + delta : 0;
    m_known = first;
}

bool HtmlHighlighter::recolourInPlace(QTextBlock& block)
{
    const std::optional<State> start = startStateOf(block);
    if (!start)
        return false;
    const int oldEnd = endOf(block.userState());
    block.setUserState(pack(oldEnd, *start, Unknown));
    colourBlock(block);
    const int end = endOf(block.userState());
    // An unchanged end state keeps every state behind it; a changed one is carried forward as
    // far as it changes something, when the blocks behind are drawn. A block at the edge of the
    // known states ends the stretch that may count again: its end is new.
    const int number = block.blockNumber();
    if (number >= m_known) {
        m_validTo = std::min(m_validTo, number);
    } else if (end != oldEnd) {
        m_validTo = m_known;
        m_known = number + 1;
    }
    return true;
}

void HtmlHighlighter::ensureStates(int lastBlock)
{
    lastBlock = std::min(lastBlock, m_doc->blockCount() - 1);
    if (m_known > lastBlock)
        return;
    QTextBlock block = m_doc->findBlockByNumber(m_known);
    int start = m_known == 0 ? State::InText : endOf(block.previous().userState());
    // A far jump over many short lines reads the text in one piece: a copy per line would cost
    // more than the scan. Long pieces are copied one by one, which stays in the cache.
    QString whole;
    if (lastBlock - m_known > LongJump) {
        const int chars = m_doc->findBlockByNumber(lastBlock).position() - block.position();
        if (chars / (lastBlock - m_known) < LongBlock)
            whole = m_doc->toRawText();
    }
    while (block.isValid() && m_known <= lastBlock) {
        const int packed = block.userState();
        if (m_known < m_validTo && packed != -1 && startOf(packed) == start) {
            // From here on the states are those found before the change.
            m_known = m_validTo;
            m_validTo = 0;
            if (m_known > lastBlock)
                return;
            block = m_doc->findBlockByNumber(m_known);
            start = endOf(block.previous().userState());
            continue;
        }
        const QString own = whole.isNull() ? block.text() : QString();
        const int end = endState(
            whole.isNull() ? QStringView(own)
                           : QStringView(whole).sliced(block.position(), block.length() - 1),
            State(start));
        block.setUserState(pack(end, start, packed == -1 ? Unknown : colouredOf(packed)));
        start = end;
        ++m_known;
        block = block.next();
    }
    if (m_validTo <= m_known)
        m_validTo = 0;
}

bool HtmlHighlighter::colourBlock(QTextBlock& block)
{
    const int packed = block.userState();
    const int start = startOf(packed);
    if (colouredOf(packed) == start)
        return false;
    State end = State::InText;
    QList<Span> found = spans(block.text(), State(start), &end);
    BlockColours* colours = BlockColours::of(block);
    if (!colours) {
        colours = new BlockColours;
        block.setUserData(colours);
    }
    // The glyphs are painted in the colours of the spans; only a block that needs formats is
    // laid out again for new colours.
    colours->glyphs.reset();
    if (colours->byFormats)
        setFormats(block, found);
    colours->spans = std::move(found);
    block.setUserState(pack(end, start, start));
    return true;
}

void HtmlHighlighter::setFormats(QTextBlock& block, const QList<Span>& spans)
{
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(spans.size());
    for (const Span& span : spans) {
        QTextLayout::FormatRange range;
        range.start = span.start;
        range.length = span.length;
        range.format.setForeground(colourOf(span.colour));
        ranges.append(range);
    }
    block.layout()->setFormats(ranges);
}

void HtmlHighlighter::colourByFormats(QTextBlock& block)
{
    BlockColours* colours = BlockColours::of(block);
    if (!colours || colours->byFormats)
        return;
    colours->byFormats = true;
    colours->glyphs.reset();
    setFormats(block, colours->spans);
    reportOwnChange();
}

std::pair<QTextBlock, QTextBlock> HtmlHighlighter::colourShown(const QTextBlock& first, int height,
                                                               qreal lineHeight)
{
    if (!m_enabled || !first.isValid())
        return {};
    // Colours are painted glyph by glyph and need no new layout; a block coloured through
    // formats reports them at once, so that it is laid out a single time, with its colours,
    // before it is drawn. Short blocks not laid out yet count one line, which colours a few too
    // many at most. A long one (a piece of a long line) is laid out: counted as one line, it
    // would have dozens of pieces behind it coloured for nothing.
    QTextBlock firstColoured;
    QTextBlock lastColoured;
    qreal covered = 0;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        ensureStates(block.blockNumber());
        if (colourBlock(block)) {
            if (BlockColours::of(block)->byFormats)
                reportOwnChange(true);
            if (!firstColoured.isValid())
                firstColoured = block;
            lastColoured = block;
        }
        int lines = block.layout()->lineCount();
        if (lines == 0 && block.length() > LongBlock) {
            m_doc->documentLayout()->blockBoundingRect(block);
            lines = block.layout()->lineCount();
        }
        // A piece of a cut line may go on in the row of the one in front: its own rows leave
        // that one out.
        lines = lines == 0 ? std::max(1, block.lineCount()) : block.lineCount();
        covered += lines * lineHeight;
        if (covered > height + lineHeight)
            break;
    }
    return {firstColoured, lastColoured};
}

void HtmlHighlighter::reportOwnChange(bool quiet)
{
    // New formats count as a change of their blocks, which the document would otherwise report
    // together with the next edit, as if that edit had touched every block coloured since. An
    // empty edit block reports them now, and the layout lays those blocks out again. Colours
    // change no line's height, so a quiet report keeps the layout from asking for a repaint of
    // the whole screen while it is being drawn.
    const QScopedValueRollback flushing(m_flushing, true);
    const QSignalBlocker silence(quiet ? m_doc->documentLayout() : nullptr);
    QTextCursor cursor(m_doc);
    cursor.beginEditBlock();
    cursor.endEditBlock();
}

std::optional<HtmlHighlighter::State> HtmlHighlighter::stateAt(const QTextBlock& block, int column)
{
    if (!block.isValid())
        return std::nullopt;
    if (m_enabled && block.blockNumber() > m_known)
        ensureStates(block.blockNumber() - 1);
    if (block.blockNumber() > m_known)
        return std::nullopt;
    const std::optional<State> start = startStateOf(block);
    if (!start)
        return std::nullopt;
    return endState(QStringView(block.text()).left(column), *start);
}

std::optional<HtmlHighlighter::State> HtmlHighlighter::startStateOf(const QTextBlock& block)
{
    const QTextBlock previous = block.previous();
    if (!previous.isValid())
        return State::InText;
    const int packed = previous.userState();
    if (packed == -1)
        return std::nullopt;
    return State(endOf(packed));
}

HtmlHighlighter::ColourClass HtmlHighlighter::classAt(const QTextBlock& block, int column)
{
    const BlockColours* colours = BlockColours::of(block);
    if (!colours)
        return ColourClass::Text;
    for (const Span& span : colours->spans)
        if (column >= span.start && column < span.start + span.length)
            return span.colour;
    return ColourClass::Text;
}

bool HtmlHighlighter::isColoured(const QTextBlock& block)
{
    return BlockColours::of(block) != nullptr;
}
