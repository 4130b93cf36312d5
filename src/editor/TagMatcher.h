// TagMatcher: shows the partner of the tag whose name the caret stands in.
#pragma once

#include <QObject>
#include <QStringView>

class TExtRich;

namespace TagMatch
{

// Neither direction searches further than this many characters from the caret's tag.
constexpr qsizetype SearchLimit = qsizetype(1) << 20;

struct Match {
    qsizetype nameStart = -1; // the tag name at the caret, "<" and "/" not included
    qsizetype nameLength = 0;
    qsizetype partnerStart = -1; // the partner's name; -1 when none was found
    qsizetype partnerLength = 0;
    bool atTag() const { return nameStart >= 0; }
    bool found() const { return partnerStart >= 0; }
};

// The tag whose name holds caret (its end included) and its partner (elements without a closing
// tag, such as "br", are no such tag): the closing tag of an
// opening one and the reverse, same-named tags in between counted, comments skipped, at most
// limit characters away from the tag.
Match find(QStringView text, qsizetype caret, qsizetype limit = SearchLimit);

} // namespace TagMatch

class TagMatcher : public QObject
{
    Q_OBJECT
public:
    explicit TagMatcher(TExtRich* edit);
    // The document positions of the marked names (empty when nothing is marked).
    const TagMatch::Match& current() const { return m_match; }

private:
    void caretMoved();

    TExtRich* m_edit;
    TagMatch::Match m_match; // in document positions
};
