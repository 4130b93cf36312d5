// List files (".lst"): one line of the list per line of the file.
#pragma once

#include <QString>
#include <QStringList>

// The lines of the file; a final line end adds no empty line. Valid UTF-8 reads as UTF-8, anything
// else as Windows-1252, so files of older installations keep their umlauts. Every kind of line
// end counts. Throws UserError("Kann Datei %s nicht öffnen") when the file cannot be read.
QStringList readListFile(const QString& path);
// Writes every line with CR LF, as UTF-8, atomically; a line holding a line end is written as the
// lines it holds, so what is written reads back line for line: a failed write leaves the old file
// whole and throws UserError("Kann Datei %s nicht erstellen").
void writeListFile(const QString& path, const QStringList& lines);

// The lines a text holds: CR LF, a lone LF, a lone CR and U+2029 each end one, as in a list file;
// a final line end adds no line. A text without a line end is one line, also when empty.
QStringList splitListLine(const QString& text);
bool holdsLineEnd(const QString& text);

// The same for bytes in memory.
QStringList decodeListFile(const QByteArray& bytes);
QByteArray encodeListFile(const QStringList& lines);
