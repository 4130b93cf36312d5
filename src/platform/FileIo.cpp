// Whole-file reading and atomic writing with the German error texts of the general error report.
#include "platform/FileIo.h"

#include "platform/UserError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

QString cannotOpenText(const QString& path)
{
    return QStringLiteral("Kann Datei %1 nicht öffnen").arg(QDir::toNativeSeparators(path));
}

QString cannotCreateText(const QString& path)
{
    return QStringLiteral("Kann Datei %1 nicht erstellen").arg(QDir::toNativeSeparators(path));
}

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(cannotOpenText(path));
    if (file.size() > MaxDocumentBytes)
        throw UserError(cannotOpenText(path) +
                        QStringLiteral(": Die Datei ist mit %1 MB zu groß (höchstens %2 MB).")
                            .arg(file.size() / (1024 * 1024))
                            .arg(MaxDocumentBytes / (1024 * 1024)));
    QByteArray data = file.readAll();
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
