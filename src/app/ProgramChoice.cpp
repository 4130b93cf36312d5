// Choosing programs and folders for the settings: file filters of this platform, path splitting.
#include "app/ProgramChoice.h"

#include "editor/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <algorithm>

namespace
{

// Hides the files without the executable bit while the dialog's first filter is chosen.
class ExecutableFilter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setProgramsOnly(bool on)
    {
        m_programsOnly = on;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        if (!m_programsOnly)
            return true;
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }

private:
    bool m_programsOnly = true;
};

QString startFolder(const QString& start)
{
    if (start.isEmpty())
        return QDir::homePath();
    const QFileInfo info(QDir::fromNativeSeparators(start));
    if (info.isDir())
        return info.absoluteFilePath();
    return info.absoluteDir().exists() ? info.absolutePath() : QDir::homePath();
}

} // namespace

namespace ProgramChoice
{

QStringList nameFilters(const QString& barFilter)
{
    const QStringList parts = barFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(
            parts.at(i) + QStringLiteral(" (") +
            parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')) +
            QLatin1Char(')'));
    return filters;
}

QString chooseProgram(QWidget* parent, const QString& barFilter, const QString& start)
{
    // Qt's own dialog: the filter on the executable bit needs its model, and tests answer it.
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ProgramDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = nameFilters(barFilter);
    dialog.setNameFilters(filters);
#ifndef Q_OS_WIN
    auto* proxy = new ExecutableFilter(&dialog);
    dialog.setProxyModel(proxy);
    QObject::connect(&dialog, &QFileDialog::filterSelected, proxy,
                     [proxy, filters](const QString& filter) {
                         proxy->setProgramsOnly(!filters.isEmpty() && filter == filters.first());
                     });
#endif
    dialog.setDirectory(startFolder(start));
    if (runFileDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QString chooseFolder(QWidget* parent, const QString& title, const QString& start)
{
    QFileDialog dialog(parent, title);
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setDirectory(startFolder(start));
    if (runFileDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

ProgramParts splitProgramPath(const QString& path)
{
    qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    if (cut >= 0)
        return {path.mid(cut + 1), path.left(cut)};
    // "C:chk.exe": the drive is the directory.
    cut = path.lastIndexOf(QLatin1Char(':'));
    if (cut >= 0)
        return {path.mid(cut + 1), path.left(cut + 1)};
    return {path, QString()};
}

} // namespace ProgramChoice
