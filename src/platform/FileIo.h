// Whole-file reading and atomic writing with the German error texts of the general error report.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QFile;

// Larger files are refused with a message instead of exhausting memory.
constexpr qint64 MaxDocumentBytes = 512ll * 1024 * 1024;

// What a file held when the editor last read or wrote it: enough to tell later whether another
// program has changed it since.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    size_t hash = 0; // of the bytes
};

// The one gate every read of a file passes: opens path for reading when it is a regular file (or
// a file compiled into the program) and refuses anything else (a FIFO, a device, a socket, a
// directory) at once, without waiting for a writer. Throws UserError("Kann Datei %s nicht öffnen").
void openRegularFile(QFile& file, const QString& path);

// The whole file, opened through openRegularFile. Throws UserError("Kann Datei %s nicht öffnen")
// when the file cannot be read.
QByteArray readWholeFile(const QString& path);
// The same for files of a kind that is never larger than maxBytes: a larger one is refused from
// its size, before a byte is read, with the text above and the sizes in MB.
QByteArray readWholeFile(const QString& path, qint64 maxBytes);
// readWholeFile for a document: fills *stamp when given.
QByteArray readDocumentFile(const QString& path, FileStamp* stamp = nullptr);
// Writes through a temporary file renamed over the target, so a failed write leaves the old file
// whole. Throws UserError("Kann Datei %s nicht erstellen") on failure. Fills *stamp when given.
void writeFileAtomically(const QString& path, const QByteArray& data, FileStamp* stamp = nullptr);

// Whether the file on disk still holds what stamp describes (both missing counts as the same).
// A new modification time over the same bytes counts as unchanged and refreshes the stamp's time.
bool fileMatchesStamp(const QString& path, FileStamp& stamp);
size_t contentHash(const QByteArray& bytes);

QString cannotOpenText(const QString& path);
QString cannotCreateText(const QString& path);
