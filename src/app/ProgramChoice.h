// Choosing programs and folders for the settings: file filters of this platform, path splitting.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ProgramChoice
{

// Filters in the bar form "text|patterns|text|patterns" (patterns separated by ";").
#ifdef Q_OS_WIN
inline const QString BrowserFilter = QStringLiteral("Anwendungen|*.exe|Alle Dateien|*.*");
inline const QString ToolFilter = QStringLiteral("Anwendungen|*.exe;*.com;*.pif|Alle Dateien|*.*");
#else
// Programs here carry no extension; "Anwendungen" shows the files with the executable bit.
inline const QString BrowserFilter = QStringLiteral("Anwendungen|*|Alle Dateien|*");
inline const QString ToolFilter = BrowserFilter;
#endif

// The bar form as Qt's name filters: "Anwendungen (*.exe *.com)", ...
QStringList nameFilters(const QString& barFilter);

// A file dialog over the program filter; the chosen file in native separators, or empty when
// the choice was cancelled. Outside Windows the first filter shows executable files only.
QString chooseProgram(QWidget* parent, const QString& barFilter, const QString& start);
// A folder dialog with the title; the chosen folder in native separators, or empty.
QString chooseFolder(QWidget* parent, const QString& title, const QString& start);

struct ProgramParts {
    QString name;      // the text after the last separator
    QString directory; // the text before it, without a trailing separator
};
// Splits at the last "\" or "/" (or the drive's ":"), so a Windows path splits the same on
// every platform.
ProgramParts splitProgramPath(const QString& path);

} // namespace ProgramChoice
