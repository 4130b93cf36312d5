// TagMatcher: shows the partner of the tag whose name the caret stands in.
#include "editor/TagMatcher.h"

#include "editor/HtmlHighlighter.h"
#include "editor/TextControl.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace
{

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

// Whether a tag of that name (any case) starts at pos, name standing behind skip characters.
bool tagNamed(QStringView text, qsizetype pos, QStringView name)
{
    if (pos + name.size() > text.size())
        return false;
    if (text.sliced(pos, name.size()).compare(name, Qt::CaseInsensitive) != 0)
        return false;
    return pos + name.size() == text.size() || !isNameChar(text[pos + name.size()]);
}

qsizetype forwardPartner(QStringView text, qsizetype from, QStringView name, qsizetype end)
{
    int depth = 1;
    for (qsizetype pos = text.indexOf(u'<', from); pos >= 0 && pos < end;
         pos = text.indexOf(u'<', pos + 1)) {
        if (text.sliced(pos).startsWith(u"<!--")) {
            const qsizetype close = text.indexOf(u"-->", pos + 4);
            if (close < 0)
                return -1;
            pos = close + 2;
            continue;
        }
        const bool closing = pos + 1 < text.size() && text[pos + 1] == u'/';
        const qsizetype at = pos + (closing ? 2 : 1);
        if (!tagNamed(text, at, name))
            continue;
        depth += closing ? -1 : 1;
        if (depth == 0)
            return at;
    }
    return -1;
}

qsizetype backwardPartner(QStringView text, qsizetype before, QStringView name, qsizetype begin)
{
    int depth = 1;
    qsizetype pos = before - 1;
    qsizetype commentEnd = pos >= 2 ? text.lastIndexOf(u"-->", pos - 2) : -1;
    while (pos >= begin) {
        const qsizetype lt = text.lastIndexOf(u'<', pos);
        if (lt < begin)
            return -1;
        if (commentEnd > lt) {
            // Behind this '<' a comment ends: go on in front of its start.
            const qsizetype open = text.lastIndexOf(u"<!--", commentEnd);
            if (open < 0)
                return -1;
            pos = open - 1;
            commentEnd = pos >= 2 ? text.lastIndexOf(u"-->", pos - 2) : -1;
            continue;
        }
        const bool closing = lt + 1 < text.size() && text[lt + 1] == u'/';
        const qsizetype at = lt + (closing ? 2 : 1);
        if (tagNamed(text, at, name)) {
            depth += closing ? 1 : -1;
            if (depth == 0)
                return at;
        }
        pos = lt - 1;
    }
    return -1;
}

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

} // namespace

TagMatch::Match TagMatch::find(QStringView text, qsizetype caret, qsizetype limit,
                               CommentsBefore comments)
{
    Match match;
    if (caret < 0 || caret > text.size())
        return match;
    qsizetype start = caret;
    while (start > 0 && isNameChar(text[start - 1]))
        --start;
    qsizetype end = caret;
    while (end < text.size() && isNameChar(text[end]))
        ++end;
    if (end == start || !text[start].isLetter() || start == 0)
        return match;
    const bool closing = start >= 2 && text[start - 1] == u'/' && text[start - 2] == u'<';
    if (!closing && text[start - 1] != u'<')
        return match;
    const qsizetype lt = closing ? start - 2 : start - 1;
    // A tag inside a comment is no tag.
    const qsizetype low = std::max<qsizetype>(0, lt - limit);
    const QStringView before = text.sliced(low, lt - low);
    if (comments == CommentsBefore::Unknown &&
        before.lastIndexOf(u"<!--") > before.lastIndexOf(u"-->"))
        return match;

    const QStringView name = text.sliced(start, end - start);
    if (isVoid(name))
        return match;
    match.nameStart = start;
    match.nameLength = end - start;
    const qsizetype partner =
        closing ? backwardPartner(text, lt, name, low)
                : forwardPartner(text, end, name, std::min(text.size(), end + limit));
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

TagMatcher::Tag TagMatcher::tagAtCaret() const
{
    if (!m_edit->isPlainTextMode())
        return {};
    const QTextCursor caret = m_edit->textCursor();
    const QTextBlock block = caret.block();
    const QString text = block.text();
    // Cheap test first: a caret outside every tag name searches nothing.
    const TagMatch::Match local =
        TagMatch::find(text, caret.positionInBlock(), 0, TagMatch::CommentsBefore::None);
    if (!local.atTag())
        return {};
    Tag tag;
    tag.closing = local.nameStart >= 2 && text.at(local.nameStart - 1) == u'/';
    const int lt = int(local.nameStart) - (tag.closing ? 2 : 1);
    tag.start = block.position() + lt;
    tag.nameEnd = block.position() + int(local.nameStart + local.nameLength);
    // The colouring knows whether a comment or a quoted value begun lines before holds the '<'.
    if (HtmlHighlighter* colours = m_edit->highlighter()) {
        if (const auto state = colours->stateAt(block, lt)) {
            if (*state == HtmlHighlighter::InComment || *state == HtmlHighlighter::InDoubleQuoted ||
                *state == HtmlHighlighter::InSingleQuoted)
                return {};
            tag.inCommentUnknown = false;
        }
    }
    return tag;
}

TagMatch::Match TagMatcher::search(const Tag& tag, qsizetype reach, bool* whole) const
{
    QTextDocument* doc = m_edit->document();
    const int docEnd = doc->characterCount() - 1;
    // Only the direction of the partner is read, and the stretch in front of an opening tag
    // only when an open comment there is not known otherwise.
    const bool readBack = tag.closing || tag.inCommentUnknown;
    const int from = readBack ? int(std::max<qsizetype>(0, tag.start - reach)) : tag.start;
    const int to =
        tag.closing ? tag.nameEnd : int(std::min<qsizetype>(docEnd, tag.nameEnd + reach));
    *whole = reach >= TagMatch::SearchLimit || (tag.closing ? from == 0 : to == docEnd);
    QTextCursor span(doc);
    span.setPosition(from);
    span.setPosition(to, QTextCursor::KeepAnchor);
    TagMatch::Match found = TagMatch::find(
        span.selectedText(), tag.nameEnd - from, TagMatch::SearchLimit,
        tag.inCommentUnknown ? TagMatch::CommentsBefore::Unknown : TagMatch::CommentsBefore::None);
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
