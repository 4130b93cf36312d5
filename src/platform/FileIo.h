// Whole-file reading and atomic writing with the German error texts of the general error report.
#pragma once

#include <QByteArray>
#include <QString>

// Larger files are refused with a message instead of exhausting memory.
constexpr qint64 MaxDocumentBytes = 512ll * 1024 * 1024;

// Throws UserError("Kann Datei %s nicht öffnen") when the file cannot be read.
QByteArray readWholeFile(const QString& path);
// Writes through a temporary file renamed over the target, so a failed write leaves the old file
// whole. Throws UserError("Kann Datei %s nicht erstellen") on failure.
void writeFileAtomically(const QString& path, const QByteArray& data);

QString cannotOpenText(const QString& path);
QString cannotCreateText(const QString& path);
