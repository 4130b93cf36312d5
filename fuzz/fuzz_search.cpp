// Fuzz target of the search: every match it reports is a real occurrence in the searched range
// that does not split a line break, no nearer one was passed over, and the text control's search
// finds what the search over its whole text finds.
#include "FuzzSupport.h"

#include "editor/Search.h"
#include "editor/TextControl.h"

#include <QApplication>

#include <cstdint>

namespace
{

// Few characters, so that matches are frequent: letters in both cases, umlauts, ß and its
// capital, delimiters and line breaks.
constexpr char16_t kAlphabet[] = u"aAbB\u00E4\u00C4\u00DF\u1E9E -_1\r\n\t\u00E9";
constexpr int kAlphabetSize = int(sizeof(kAlphabet) / sizeof(kAlphabet[0])) - 1;

struct Input {
    SearchOptions options;
    int selFrom = 0;
    int selLength = 0;
    QString pattern;
    QString text;
};

// Layout: options, selection start (two bytes), selection length, pattern length, then one
// byte per character, the pattern's first.
bool parse(const std::uint8_t* data, std::size_t size, Input* input)
{
    if (size < 5)
        return false;
    input->options = {(data[0] & 1) == 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
    input->selFrom = data[1] | data[2] << 8;
    input->selLength = data[3];
    const std::size_t m = 1 + data[4] % 16;
    QString chars;
    for (std::size_t i = 5; i < size; ++i)
        chars += QChar(kAlphabet[data[i] % kAlphabetSize]);
    if (std::size_t(chars.size()) < m)
        return false;
    input->pattern = chars.left(qsizetype(m));
    input->text = chars.mid(qsizetype(m));
    return true;
}

bool insideLineBreak(QStringView text, qsizetype p)
{
    return p > 0 && p < text.size() && text[p - 1] == u'\r' && text[p] == u'\n';
}

// An occurrence at c: the same characters (capitals compared unless case matters) that leave
// every CR LF whole.
bool occursAt(QStringView text, qsizetype c, QStringView pattern, bool matchCase)
{
    if (c < 0 || c + pattern.size() > text.size())
        return false;
    for (qsizetype k = 0; k < pattern.size(); ++k) {
        const QChar a = text[c + k];
        const QChar b = pattern[k];
        if (matchCase ? a != b : a.toUpper() != b.toUpper())
            return false;
    }
    return !insideLineBreak(text, c) && !insideLineBreak(text, c + pattern.size());
}

QString describe(QStringView text, qsizetype selStart, qsizetype selLength, QStringView pattern,
                 SearchOptions options, qsizetype found)
{
    return QStringLiteral("text '%1'\npattern '%2' selection %3+%4 %5%6%7 found %8")
        .arg(visible(text.toString()), visible(pattern.toString()))
        .arg(selStart)
        .arg(selLength)
        .arg(options.down ? "down" : "up", options.matchCase ? " case" : "",
             options.wholeWord ? " words" : "")
        .arg(found);
}

// Checks one result of SearchBuffer over text.
void checkResult(QStringView text, qsizetype selStart, qsizetype selLength, QStringView pattern,
                 SearchOptions options, qsizetype found)
{
    const qsizetype n = text.size();
    const qsizetype m = pattern.size();
    // Candidates lie behind the selection going down, wholly before its start going up.
    const qsizetype first = options.down ? selStart + selLength : 0;
    const qsizetype last = options.down ? n - m : selStart - m;
    if (found != SearchNone) {
        if (found < first || found > last)
            fuzzFailure("a match outside the searched range",
                        describe(text, selStart, selLength, pattern, options, found));
        if (!occursAt(text, found, pattern, options.matchCase))
            fuzzFailure("a reported match is no occurrence",
                        describe(text, selStart, selLength, pattern, options, found));
    }
    if (options.wholeWord)
        return; // which occurrences count as words is the search's own rule
    // Without whole words the nearest occurrence in the search direction is the one found.
    qsizetype nearest = SearchNone;
    if (options.down) {
        for (qsizetype c = std::max<qsizetype>(first, 0); c <= last && nearest == SearchNone; ++c)
            if (occursAt(text, c, pattern, options.matchCase))
                nearest = c;
    } else {
        for (qsizetype c = std::min(last, n - m); c >= 0 && nearest == SearchNone; --c)
            if (occursAt(text, c, pattern, options.matchCase))
                nearest = c;
    }
    if (nearest != found)
        fuzzFailure("the search passed over the nearest occurrence",
                    describe(text, selStart, selLength, pattern, options, found) +
                        QStringLiteral(" nearest %1").arg(nearest));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startQtApplication<QApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input;
    if (!parse(data, size, &input))
        return 0;

    // The search over a text in memory, where a lone CR or LF is an ordinary character.
    const qsizetype n = input.text.size();
    const qsizetype selStart = input.selFrom % (n + 1);
    const qsizetype selLength = input.selLength % (n - selStart + 1);
    checkResult(input.text, selStart, selLength, input.pattern, input.options,
                SearchBuffer(input.text, selStart, selLength, input.pattern, input.options));

    // The text control: its text has CR LF breaks, and the search reads it in windows.
    static TExtRich* memo = new TExtRich;
    memo->loadText(input.text);
    const QString crlf = memo->text();
    memo->setSelStart(int(input.selFrom % (crlf.size() + 1)));
    memo->setSelLength(input.selLength);
    const int start = memo->selStart();
    const int length = memo->selLength();
    const qsizetype expected = SearchBuffer(crlf, start, length, input.pattern, input.options);
    checkResult(crlf, start, length, input.pattern, input.options, expected);

    const bool found = SearchInControl(memo, input.pattern, input.options);
    if (found != (expected != SearchNone) ||
        (found && (memo->selStart() != expected || memo->selLength() != input.pattern.size() ||
                   memo->selText() != crlf.mid(expected, input.pattern.size()))) ||
        (!found && (memo->selStart() != start || memo->selLength() != length)))
        fuzzFailure("the control's search differs from the search of its text",
                    describe(crlf, start, length, input.pattern, input.options, expected) +
                        QStringLiteral("\ncontrol: %1 at %2+%3")
                            .arg(found)
                            .arg(memo->selStart())
                            .arg(memo->selLength()));
    // What the control posted (updates, deferred deletes) is handled before the next input.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
