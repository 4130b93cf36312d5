// Whole-file reading and atomic writing with the German error texts of the general error report.
#include "platform/FileIo.h"

#include "platform/UserError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

QString cannotOpenText(const QString& path)
{
    return QStringLiteral("Kann Datei %1 nicht öffnen").arg(QDir::toNativeSeparators(path));
}

QString cannotCreateText(const QString& path)
{
    return QStringLiteral("Kann Datei %1 nicht erstellen").arg(QDir::toNativeSeparators(path));
}

namespace
{

UserError tooLarge(const QString& path, qint64 size)
{
    // Whole megabytes round up, so a file just over the limit never reads "512 MB, at most 512".
    constexpr qint64 megabyte = 1024 * 1024;
    return UserError(cannotOpenText(path) +
                     QStringLiteral(": Die Datei ist mit %1 MB zu groß (höchstens %2 MB).")
                         .arg((size + megabyte - 1) / megabyte)
                         .arg(MaxDocumentBytes / megabyte));
}

} // namespace

QByteArray readWholeFile(const QString& path)
{
    if (path.isEmpty())
        throw UserError(cannotOpenText(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(cannotOpenText(path));
    const qint64 size = file.size();
    if (size > MaxDocumentBytes)
        throw tooLarge(path, size);
    QByteArray data;
    if (!file.isSequential() && size > 0) {
        data = file.readAll();
    } else {
        // Pipes, devices and kernel files report no size; reading in pieces stops an endless
        // one (/dev/zero) at the limit instead of exhausting memory.
        constexpr qint64 piece = 1024 * 1024;
        for (;;) {
            const qsizetype filled = data.size();
            data.resize(filled + piece);
            const qint64 got = file.read(data.data() + filled, piece);
            data.resize(filled + std::max<qint64>(got, 0));
            if (got <= 0)
                break;
            if (data.size() > MaxDocumentBytes)
                throw tooLarge(path, data.size());
        }
    }
    if (file.error() != QFileDevice::NoError)
        throw UserError(cannotOpenText(path));
    return data;
}

void writeFileAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw UserError(cannotCreateText(path));
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        throw UserError(cannotCreateText(path));
    }
    if (!file.commit())
        throw UserError(cannotCreateText(path));
}
