// List files (".lst"): one line of the list per line of the file.
#pragma once

#include <QString>
#include <QStringList>

// The lines of the file; a final line end adds no empty line. Valid UTF-8 reads as UTF-8, anything
// else as Windows-1252, so files of older installations keep their umlauts. Every kind of line
// end counts. Throws UserError("Kann Datei %s nicht öffnen") when the file cannot be read.
QStringList readListFile(const QString& path);
// Writes every line with CR LF, as UTF-8, atomically: a failed write leaves the old file whole and
// throws UserError("Kann Datei %s nicht erstellen").
void writeListFile(const QString& path, const QStringList& lines);

// The same for bytes in memory.
QStringList decodeListFile(const QByteArray& bytes);
QByteArray encodeListFile(const QStringList& lines);
