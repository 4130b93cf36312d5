// Whole-file reading and atomic writing with the German error texts of the general error report.
#include "platform/FileIo.h"

#include "platform/UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QString cannotOpenText(const QString& path)
{
    return QStringLiteral("Kann Datei %1 nicht öffnen").arg(QDir::toNativeSeparators(path));
}

QString cannotCreateText(const QString& path)
{
    return QStringLiteral("Kann Datei %1 nicht erstellen").arg(QDir::toNativeSeparators(path));
}

size_t contentHash(const QByteArray& bytes)
{
    return qHash(QByteArrayView(bytes), size_t(0));
}

namespace
{

UserError tooLarge(const QString& path, qint64 size, qint64 maxBytes)
{
    // Whole megabytes round up, so a file just over the limit never reads "512 MB, at most 512".
    constexpr qint64 megabyte = 1024 * 1024;
    return UserError(cannotOpenText(path) +
                     QStringLiteral(": Die Datei ist mit %1 MB zu groß (höchstens %2 MB).")
                         .arg((size + megabyte - 1) / megabyte)
                         .arg(maxBytes / megabyte));
}

QByteArray readOpenFile(QFile& file, const QString& path, qint64 maxBytes)
{
    const qint64 size = file.size();
    if (size > maxBytes)
        throw tooLarge(path, size, maxBytes);
    QByteArray data;
    if (!file.isSequential() && size > 0) {
        data = file.readAll();
    } else {
        // Kernel files report no size; reading in pieces stops one that would not end at the
        // limit instead of exhausting memory.
        constexpr qint64 piece = 1024 * 1024;
        for (;;) {
            const qsizetype filled = data.size();
            data.resize(filled + piece);
            const qint64 got = file.read(data.data() + filled, piece);
            data.resize(filled + std::max<qint64>(got, 0));
            if (got <= 0)
                break;
            if (data.size() > maxBytes)
                throw tooLarge(path, data.size(), maxBytes);
        }
    }
    if (file.error() != QFileDevice::NoError)
        throw UserError(cannotOpenText(path));
    return data;
}

} // namespace

void openRegularFile(QFile& file, const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw UserError(cannotOpenText(path));
    // Files compiled into the program are never FIFOs, and the system knows no name for them.
    if (path.startsWith(QLatin1Char(':'))) {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly))
            throw UserError(cannotOpenText(path));
        return;
    }
#ifdef Q_OS_UNIX
    // The name may have become a FIFO since the look above: a non-blocking open returns at once
    // even then, and the open file itself is checked again.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw UserError(cannotOpenText(path));
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw UserError(cannotOpenText(path));
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(cannotOpenText(path));
#endif
}

QByteArray readWholeFile(const QString& path)
{
    return readDocumentFile(path);
}

QByteArray readWholeFile(const QString& path, qint64 maxBytes)
{
    QFile file;
    openRegularFile(file, path);
    return readOpenFile(file, path, std::min(maxBytes, MaxDocumentBytes));
}

QByteArray readDocumentFile(const QString& path, FileStamp* stamp)
{
    QFile file;
    openRegularFile(file, path);
    // The time before the bytes: a change while reading then shows as a change later.
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    QByteArray data = readOpenFile(file, path, MaxDocumentBytes);
    if (stamp)
        *stamp = {true, data.size(), modified, contentHash(data)};
    return data;
}

void writeFileAtomically(const QString& path, const QByteArray& data, FileStamp* stamp)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw UserError(cannotCreateText(path));
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        throw UserError(cannotCreateText(path));
    }
    // The rename keeps the written file's time; taken now, no later writer can slip in.
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    if (!file.commit())
        throw UserError(cannotCreateText(path));
    if (stamp)
        *stamp = {true, data.size(), modified, contentHash(data)};
}

bool fileMatchesStamp(const QString& path, FileStamp& stamp)
{
    const QFileInfo info(path);
    if (!info.exists())
        return !stamp.exists;
    if (!stamp.exists || !info.isFile() || info.size() != stamp.size)
        return false;
    if (info.lastModified() == stamp.modified)
        return true;
    // Touched, or rewritten with the same length: only the bytes can tell.
    try {
        FileStamp now;
        readDocumentFile(path, &now);
        if (now.size != stamp.size || now.hash != stamp.hash)
            return false;
        stamp.modified = now.modified;
        return true;
    } catch (const UserError&) {
        return false;
    }
}
