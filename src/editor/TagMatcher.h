// TagMatcher: shows the partner of the tag whose name the caret stands in.
#pragma once

#include <QObject>
#include <QStringView>
#include <QTimer>

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

// Whether a '<' that may begin a tag could stand inside a comment begun in front of the text.
enum class CommentsBefore { Unknown, None };

// The tag whose name holds caret (its end included) and its partner (elements without a closing
// tag, such as "br", are no such tag): the closing tag of an opening one and the reverse,
// same-named tags in between counted, comments skipped, at most limit characters away from the
// tag. Unless told there is none, a comment left open in front of the tag makes it no tag.
Match find(QStringView text, qsizetype caret, qsizetype limit = SearchLimit,
           CommentsBefore comments = CommentsBefore::Unknown);

} // namespace TagMatch

// A partner near the caret is marked at once; the rest of the bound is searched only once the
// caret has rested, so typing a new tag far from any partner never reads a megabyte per key.
class TagMatcher : public QObject
{
    Q_OBJECT
public:
    // How far from its tag a partner is looked for at once.
    static constexpr int NearReach = 1 << 14;
    // How long the caret rests before the rest of the bound is searched.
    static constexpr int RestMs = 150;

    explicit TagMatcher(TExtRich* edit);
    // The document positions of the marked names (empty when nothing is marked).
    const TagMatch::Match& current() const { return m_match; }

private:
    struct Tag {
        int start = -1; // the '<'
        int nameEnd = 0;
        bool closing = false;
        bool inCommentUnknown = true;
    };
    void caretMoved();
    void searchFar();
    Tag tagAtCaret() const;
    // Searches reach characters around the tag; *whole tells whether that was the whole bound.
    TagMatch::Match search(const Tag& tag, qsizetype reach, bool* whole) const;
    void show(const TagMatch::Match& found);

    TExtRich* m_edit;
    TagMatch::Match m_match; // in document positions
    QTimer m_rest;
};
