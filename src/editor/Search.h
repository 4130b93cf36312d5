// The search routine of the document windows: over a text in memory or the text control itself.
#pragma once

#include <QString>
#include <QStringView>

class TExtRich;

struct SearchOptions {
    bool down = true; // off: towards the start of the text
    bool matchCase = false;
    bool wholeWord = false;
};

// Find texts longer than this are cut to it.
constexpr qsizetype MaxSearchLength = 255;
constexpr qsizetype SearchNone = -1;

// Everything except the ASCII digits and letters ends a word, umlauts, ß, '_' and '-' included.
bool isWordDelimiter(char16_t ch);

// The capital of every UTF-16 unit, indexed by the unit, as searching without case compares
// them: ß has no single capital and stays as it is; surrogates stay as they are.
const char16_t* searchCapitals();

// Where searchString occurs in text, searching behind the selection going down and before it
// going up, or SearchNone. Whole words: going down, the word in which the search begins is
// skipped (also when the selection ends right at its first letter); a word is recognised by a
// delimiter in front (or the start of the text) and a delimiter behind (or the end of the
// search range). An occurrence that begins or ends between the CR and the LF of a CR LF is no
// occurrence; a lone CR or LF is an ordinary character. An empty searchString is never found.
qsizetype SearchBuffer(QStringView text, qsizetype selStart, qsizetype selLength,
                       QStringView searchString, SearchOptions options);

// The same search over the control's text (CR LF positions) from its current selection;
// selects the occurrence and returns true when one is found, else leaves the selection alone.
// Reads only the part of the text it passes, so repeated searches cost what they scan.
bool SearchInControl(TExtRich* control, const QString& searchString, SearchOptions options);
