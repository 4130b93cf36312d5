// TagMatcher: shows the partner of the tag whose name the caret stands in.
#pragma once

#include "editor/HtmlHighlighter.h"

#include <QObject>
#include <QStringView>
#include <QTimer>

class TExtRich;

namespace TagMatch
{

// Neither direction looks for a partner whose '<' stands further than this many characters from
// the '<' of the caret's tag.
constexpr qsizetype SearchLimit = qsizetype(1) << 20;

// Where the reading of a text starts: the colouring's scanner state at its first character.
using State = HtmlHighlighter::State;

// One tag as the text is read: "<" or "</", then its name up to a blank, '>' or '/'.
struct Tag {
    qsizetype lt = -1; // the '<'
    qsizetype nameStart = 0;
    qsizetype nameEnd = 0;
    bool closing = false;
    bool valid() const { return lt >= 0; }
};

struct Match {
    qsizetype nameStart = -1; // the tag name at the caret, "<" and "/" not included
    qsizetype nameLength = 0;
    qsizetype partnerStart = -1; // the partner's name; -1 when none was found
    qsizetype partnerLength = 0;
    bool atTag() const { return nameStart >= 0; }
    bool found() const { return partnerStart >= 0; }
};

// The tag whose name holds caret (its end included), the text read from its start in state
// start; an invalid tag when the caret stands in no tag name. Comments, declarations and quoted
// attribute values are read exactly as the colouring reads them, so a '<' inside one is no tag.
Tag tagAt(QStringView text, qsizetype caret, State start = State::InText);

// The tag at caret and its partner (elements without a closing tag, such as "br", are no such
// tag): the closing tag of an opening one and the reverse, same-named tags (any case) in between
// counted, at most limit characters away. Both directions read the one tokenization of the text
// from its start, so the partner's partner is the tag itself. The text is read from its start up
// to the tag and, for an opening tag, limit characters beyond: callers hand in a stretch that
// starts at a known state near the tag, never a huge document.
Match find(QStringView text, qsizetype caret, qsizetype limit = SearchLimit,
           State start = State::InText);

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
        // Whether the colouring knew the state in front of the tag's line.
        bool stateKnown = false;
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
