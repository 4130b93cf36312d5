// SpellWords: the words of an HTML text as a reader of the page reads them, for the spelling.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <span>

namespace SpellWords
{

// Where the reader stands. Text between tags and the values of alt, title and of the content of
// a description or keywords meta tag are read; everything else is only passed over. skip counts
// the characters at this place that still belong to a step begun in front of it (a word, a tag
// name, an entity), so that reading can go on from any place with the state found there.
struct State {
    enum Mode : std::uint8_t {
        Text,
        Comment,
        Declaration, // <!DOCTYPE ...>, <?...?>
        Raw,         // the content of script or style
        Tag,         // between the attributes of a tag
        AfterName,   // behind an attribute name
        AfterEquals,
        Quoted,
        Bare,
    };
    enum Element : std::uint8_t { Other, Meta, Script, Style, EndTag };
    enum Attribute : std::uint8_t { Unread, Read };

    Mode mode = Text;
    Element element = Other;
    Attribute attribute = Unread;
    bool doubleQuote = false;
    // The meta tag names a description or keywords, so its content is read.
    bool metaContent = false;
    std::uint16_t skip = 0;

    bool operator==(const State&) const = default;
    std::uint32_t packed() const;
    static State unpacked(std::uint32_t bits);
};

struct Word {
    QString text;          // entities decoded, soft hyphens and <wbr> left out
    qsizetype start = 0;   // where the word stands in the text read
    qsizetype length = 0;  // of the source, entities and all
    bool entities = false; // a letter of it is written as an entity
    bool operator==(const Word&) const = default;
};

// No step of the reader reaches further than this behind the place where it begins.
constexpr qsizetype Lookahead = 2048;
// Apart from the attributes of a meta tag, the reader looks no further than this behind the end
// of a step (an entity or a tag's name right behind it): text that far behind the place where a
// reading stops, and the characters skip gives, do not change what it found.
constexpr qsizetype Peek = 64;
// A run of letters longer than this is read as several words.
constexpr qsizetype MaxChunk = 256;

// Reads text[0, end) beginning in state; the rest of text is only looked at, and callers give at
// least Lookahead characters of it where the text goes on. Words that begin in front of end are
// reported whole. state becomes the state at end; for every offset of stops (ascending, each at
// most end) the state there goes into stopStates. Without wantWords only the states are found.
QList<Word> read(QStringView text, qsizetype end, State& state,
                 std::span<const qsizetype> stops = {}, State* stopStates = nullptr,
                 bool wantWords = true);
// The words of a whole text.
QList<Word> read(QStringView text);

// The character a named entity stands for (name without "&" and ";"), 0 when unknown.
char32_t namedEntity(QStringView name);

} // namespace SpellWords
