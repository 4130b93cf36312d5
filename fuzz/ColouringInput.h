// The input format of the colouring fuzz target, shared with the seed writer.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// An input is a text and a list of steps. Characters are bytes indexing kAlphabet; numbers are
// single bytes taken modulo what they count.
//   text:  length byte, then that many characters (the starting text)
//   steps: one operation byte each, then its arguments:
//     Insert      position, length, characters
//     Remove      position, length
//     Replace     position, length, text length, characters   (one edit)
//     ReplaceAll  text length, characters                     (select all, paste over)
//     Show        first line, lines                           (colours what is shown)
//     Rest        -                                           (the pause after typing)
//     StateAt     line, column
//     Switch      what: colours off/on, dark/light background, a line coloured by formats,
//                 undo, redo, or two edits as one
//   Positions are in characters of the document, modulo its length.
namespace ColouringInput
{

// Few characters, so that tags, comments, values and references form often: each way the
// scanner changes state, line breaks (U+2029 among them) and a few characters outside ASCII.
constexpr char16_t kAlphabet[] = u"<>!-&;#a=\"'/\n? x\u2029\u00E9\u00A0\t1b";
constexpr int kAlphabetSize = int(sizeof(kAlphabet) / sizeof(kAlphabet[0])) - 1;

enum Operation : std::uint8_t {
    Insert,
    Remove,
    Replace,
    ReplaceAll,
    Show,
    Rest,
    StateAt,
    Switch,
    OperationCount
};

enum SwitchKind : std::uint8_t {
    ColoursOff,
    ColoursOn,
    DarkBackground,
    LightBackground,
    ByFormats,
    Undo,
    Redo,
    TwoEdits,
    SwitchCount
};

// The bytes that stand for text; characters outside the alphabet become 'x'.
inline QByteArray encodeText(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        int k = 0;
        while (k < kAlphabetSize && kAlphabet[k] != c.unicode())
            ++k;
        bytes += char(k < kAlphabetSize ? k : 15);
    }
    return bytes;
}

// A length byte, then the text.
inline QByteArray encodeChunk(const QString& text)
{
    return char(text.size()) + encodeText(text);
}

} // namespace ColouringInput
