// List files (".lst"): one line of the list per line of the file.
#pragma once

#include <QString>
#include <QStringList>

// A list is typed by hand: a file beyond either bound is no list and is refused before the dialog
// takes a line of it.
constexpr qint64 MaxListFileBytes = 32ll * 1024 * 1024;
constexpr int MaxListFileLines = 100000;

// The lines of the file; a final line end adds no empty line. Valid UTF-8 reads as UTF-8, anything
// else as Windows-1252, so files of older installations keep their umlauts. Every kind of line
// end counts. Throws UserError("Kann Datei %s nicht öffnen") when the file cannot be read, with
// the sizes added when it is larger than MaxListFileBytes (refused before it is read) and with
// ": Die Liste hat mehr als 100.000 Zeilen." when it holds more than MaxListFileLines lines.
QStringList readListFile(const QString& path);
// Writes every line with CR LF, as UTF-8 (with a byte-order mark only when the first line starts
// with U+FEFF), atomically; a line holding a line end is written as the lines it holds, so what is
// written reads back line for line: a failed write leaves the old file whole and throws
// UserError("Kann Datei %s nicht erstellen").
void writeListFile(const QString& path, const QStringList& lines);

// The lines a text holds: CR LF, a lone LF, a lone CR and U+2029 each end one, as in a list file;
// a final line end adds no line. A text without a line end is one line, also when empty.
QStringList splitListLine(const QString& text);
bool holdsLineEnd(const QString& text);

// The same for bytes in memory.
QStringList decodeListFile(const QByteArray& bytes);
QByteArray encodeListFile(const QStringList& lines);
