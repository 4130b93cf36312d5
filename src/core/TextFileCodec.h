// Byte-exact decoding and encoding of document files: UTF-8 (with or without BOM) or Windows-1252,
// each line with its own line end.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

struct TextFileFormat {
    enum class Encoding { Utf8, Utf8Bom, Windows1252 };
    // The ways a line can end in a file. U+2028 is no line end: it stays a character of its line.
    enum class LineBreak : quint8 { CrLf, Lf, Cr, ParagraphSeparator };
    Encoding encoding = Encoding::Utf8;
    // The file's main line end, which lines added by the user get (new documents: CR LF).
    LineBreak lineBreak = LineBreak::CrLf;
    bool operator==(const TextFileFormat&) const = default;
};

using LineBreaks = QList<TextFileFormat::LineBreak>;

struct DecodedText {
    QString text;        // lines separated by '\n'; a final line end leaves an empty last line
    LineBreaks lineEnds; // how each line but the last ended in the file, one per '\n' of text
    TextFileFormat format;
};

// Valid UTF-8 (a BOM is remembered) decodes as UTF-8, anything else as Windows-1252. CR LF, a lone
// LF, a lone CR and U+2029 each end a line; the kind found most often (on a tie the one found
// first) is the main kind. A file without any line end keeps CR LF for lines added later.
DecodedText decodeTextFile(const QByteArray& bytes);
// The inverse: encodeTextFile(d.text, d.lineEnds, &d.format) gives back the decoded bytes. Lines
// without an entry in lineEnds end with format->lineBreak. A lone CR that an empty line's LF
// would follow is written as the main kind, so the bytes always decode to text again. A
// Windows-1252 text holding characters that code page cannot write (U+2029 as a line end included)
// is written as UTF-8 and *format is changed accordingly, so no character is ever lost; so is a
// UTF-8 text that begins with U+FEFF, which is written behind a byte-order mark (else the
// character would be read as the mark).
QByteArray encodeTextFile(const QString& text, const LineBreaks& lineEnds, TextFileFormat* format);
// The encoding encodeTextFile(text, lineEnds, &format) writes, for callers that must know before
// writing: format.encoding, or UTF-8 for a Windows-1252 text that code page cannot write.
TextFileFormat::Encoding writtenEncoding(QStringView text, const LineBreaks& lineEnds,
                                         const TextFileFormat& format);
// Every line ends with format->lineBreak.
QByteArray encodeTextFile(const QString& text, TextFileFormat* format);

// Windows-1252 with the five undefined bytes mapped to the C1 controls of the same number, so
// that every byte value survives decoding and encoding.
QString decodeWindows1252(const QByteArray& bytes);
// Sets *ok to false when a character has no byte in the code page (written as '?').
QByteArray encodeWindows1252(const QString& text, bool* ok = nullptr);
