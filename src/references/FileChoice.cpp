// The file buttons of the reference dialogs: file dialog, file name part and local path.
#include "references/FileChoice.h"

#include "editor/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

#include <algorithm>

namespace FileChoice
{

namespace
{

constexpr int FieldLimit = 255;

qsizetype lastSeparator(const QString& fullName)
{
    qsizetype at = -1;
    for (QChar separator : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        at = std::max(at, fullName.lastIndexOf(separator));
    return at;
}

} // namespace

QString fileName(const QString& fullName)
{
    return fullName.mid(lastSeparator(fullName) + 1);
}

QString localPath(const QString& fullName)
{
    QString directory = fullName.left(lastSeparator(fullName) + 1);
    directory.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (directory.startsWith(QLatin1Char('/')))
        return QStringLiteral("file://localhost") + directory;
    return QStringLiteral("file://localhost/") + directory;
}

Chosen split(const QString& fullName, bool withPath)
{
    const QString name = fullName.left(FieldLimit);
    return {fileName(name), withPath ? localPath(name) : QString()};
}

QStringList nameFilters(const char* filter)
{
    const QStringList parts = QString::fromLatin1(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts.at(i).isEmpty())
            continue;
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts.at(i) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

std::optional<Chosen> choose(QWidget* parent, const char* filter, bool withPath)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FileChoiceDialog"));
    // Qt's own dialog, as everywhere in the editor.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(filter));
    if (runFileDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return split(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()), withPath);
}

} // namespace FileChoice
