// The page-check fuzz target's input: a flag byte, then the page as UTF-8 (or UTF-16 LE).
#pragma once

#include <QByteArray>
#include <QString>

namespace PageCheckInput
{

enum Flag : unsigned char {
    Utf16 = 1,    // the text is UTF-16 LE, so any code unit (NUL, lone surrogates) can occur
    InFolder = 2, // the page lives in a folder with a few files; else it was never saved
    EncodingBits = 4 | 8,    // 0 no charset check, 1 UTF-8, 2 UTF-8 with BOM, 3 Windows-1252
    SeparatorBits = 16 | 32, // the variant's line end: CR LF, LF, CR, U+2029
};

inline QByteArray encode(const QString& page, unsigned char flags)
{
    return char(flags & ~Utf16) + page.toUtf8();
}

} // namespace PageCheckInput
