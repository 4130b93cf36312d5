// Path helpers: the program directory, file-name parts and backup names.
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString programDirectory()
{
    QString dir = QCoreApplication::applicationDirPath();
    while (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    return QDir::toNativeSeparators(dir);
}

QString fileNamePart(const QString& path)
{
    qsizetype cut = -1;
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        const QChar c = path.at(i);
        bool separator = c == QLatin1Char('/') || c == QLatin1Char('\\');
#ifdef Q_OS_WIN
        separator = separator || c == QLatin1Char(':');
#endif
        if (separator) {
            cut = i;
            break;
        }
    }
    return path.mid(cut + 1);
}

QString fileExtension(const QString& path)
{
    const QString name = fileNamePart(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

QString backupPath(const QString& documentPath, const QString& backupExt, const QString& backupDir)
{
    QString name = fileNamePart(documentPath);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    name += backupExt;
    return QDir::toNativeSeparators(QDir(backupDir).filePath(name));
}

QString userDataDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

namespace
{

QString& lastUsedFolder()
{
    static QString folder;
    return folder;
}

QString existingFolderOf(const QString& filePath)
{
    if (filePath.isEmpty())
        return QString();
    const QString folder = QFileInfo(filePath).absolutePath();
    return QFileInfo(folder).isDir() ? folder : QString();
}

} // namespace

QString dialogStartFolder(const QString& documentPath)
{
    // Never the process's working directory: a confirmed name would land in a folder the user
    // never chose.
    QString folder = existingFolderOf(documentPath);
    if (folder.isEmpty() && QFileInfo(lastUsedFolder()).isDir())
        folder = lastUsedFolder();
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir::toNativeSeparators(folder);
}

void rememberUsedFolder(const QString& filePath)
{
    if (filePath.isEmpty()) {
        lastUsedFolder().clear();
        return;
    }
    if (const QString folder = existingFolderOf(filePath); !folder.isEmpty())
        lastUsedFolder() = folder;
}
