// Byte-exact decoding and encoding of document files: UTF-8 (with or without BOM) or Windows-1252,
// CR LF or LF line breaks.
#pragma once

#include <QByteArray>
#include <QString>

struct TextFileFormat {
    enum class Encoding { Utf8, Utf8Bom, Windows1252 };
    enum class LineBreak { CrLf, Lf };
    Encoding encoding = Encoding::Utf8;
    LineBreak lineBreak = LineBreak::CrLf; // new documents use CR LF
    bool operator==(const TextFileFormat&) const = default;
};

struct DecodedText {
    QString text; // lines separated by '\n'; a final line break leaves an empty last line
    TextFileFormat format;
};

// Valid UTF-8 (a BOM is remembered) decodes as UTF-8, anything else as Windows-1252. The first
// line break found decides CR LF or LF; a file without any keeps CR LF for lines added later.
DecodedText decodeTextFile(const QByteArray& bytes);
// The inverse: decodeTextFile(encodeTextFile(d.text, d.format)) == d for any decoded d.
// A Windows-1252 text holding characters that code page cannot write is written as UTF-8 and
// *format is changed accordingly, so no character is ever lost.
QByteArray encodeTextFile(const QString& text, TextFileFormat* format);

// Windows-1252 with the five undefined bytes mapped to the C1 controls of the same number, so
// that every byte value survives decoding and encoding.
QString decodeWindows1252(const QByteArray& bytes);
// Sets *ok to false when a character has no byte in the code page (written as '?').
QByteArray encodeWindows1252(const QString& text, bool* ok = nullptr);
