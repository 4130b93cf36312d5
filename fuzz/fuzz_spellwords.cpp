// Fuzz target of the spelling's word reader: every word lies inside the text and, read alone,
// its source is that word again; the same text gives the same words; and reading in pieces, each
// from the state the one before ended in, gives the words of reading the whole at once.
#include "FuzzSupport.h"
#include "SpellWordsInput.h"

#include "editor/SpellWords.h"

#include <cstdint>
#include <vector>

namespace
{

using SpellWords::State;
using SpellWords::Word;

QString describe(const QList<Word>& words)
{
    QString out;
    for (const Word& word : words)
        out +=
            QStringLiteral("[%1 @%2+%3] ").arg(visible(word.text)).arg(word.start).arg(word.length);
    return out;
}

// Reads text in up to three pieces ending at the cuts; each piece may look at all the rest.
QList<Word> readInPieces(const QString& text, const std::vector<qsizetype>& ends)
{
    QList<Word> words;
    State state;
    qsizetype from = 0;
    for (const qsizetype end : ends) {
        for (Word word : SpellWords::read(QStringView(text).sliced(from), end - from, state)) {
            word.start += from;
            words.append(word);
        }
        from = end;
    }
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const SpellWordsInput::Input input = SpellWordsInput::decode(data, size);
    const QString& text = input.text;
    const QList<Word> words = SpellWords::read(text);
    qsizetype behind = 0;
    for (const Word& word : words) {
        if (word.length <= 0 || word.start < behind || word.start + word.length > text.size() ||
            word.text.isEmpty())
            fuzzFailure("a word lies outside the text or over another",
                        visible(text) + u'\n' + describe(words));
        behind = word.start + word.length;
        const QList<Word> alone =
            SpellWords::read(QStringView(text).sliced(word.start, word.length));
        if (alone.size() != 1 || alone.front().text != word.text ||
            alone.front().length != word.length)
            fuzzFailure("a word's source read alone is not that word",
                        visible(text) + u'\n' + describe(words) + u'\n' + describe(alone));
    }
    if (SpellWords::read(text) != words)
        fuzzFailure("the same text gave other words", visible(text));
    const QList<Word> pieces = readInPieces(text, {input.firstCut, input.secondCut, text.size()});
    if (pieces != words)
        fuzzFailure(
            "reading in pieces differs from reading the whole",
            visible(text) +
                QStringLiteral("\ncuts %1 %2\nwhole  ").arg(input.firstCut).arg(input.secondCut) +
                describe(words) + QStringLiteral("\npieces ") + describe(pieces));
    // The states given at stops are where a reading ending there stands.
    const std::vector<qsizetype> stops{input.firstCut, input.secondCut};
    std::vector<State> states(stops.size());
    State state;
    SpellWords::read(text, text.size(), state, stops, states.data(), false);
    for (std::size_t k = 0; k < stops.size(); ++k) {
        State ended;
        SpellWords::read(text, stops[k], ended, {}, nullptr, false);
        if (!(ended == states[k]) || !(State::unpacked(ended.packed()) == ended))
            fuzzFailure("a state at a stop differs from the state a reading ends in there",
                        visible(text) + QStringLiteral("\nstop %1").arg(stops[k]));
    }
    return 0;
}
