// The file buttons of the reference dialogs: the system file dialog, and how a chosen file
// becomes a file name and a local path.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace FileChoice
{

// Filters in the program's "Name|patterns|Name|patterns|" form.
inline constexpr const char* PageFilter =
    "HTML Seiten|*.htm;*.html;*.shtml|Archive|*.zip|Anwendungen|*.exe|Alle Dateien|*.*|";
inline constexpr const char* ImageFilter = "GIF-Bilder|*.gif|JPEG-Bilder|*.jpg|";

// The part of a full name after its last "/", "\" or ":".
QString fileName(const QString& fullName);
// "file://localhost/" and the directory part of a full name (up to its last "/", "\" or ":")
// with forward slashes; an absolute directory that starts with "/" never doubles the slash.
QString localPath(const QString& fullName);

struct Chosen {
    QString name; // file name only
    QString path; // the local path when asked for, else empty
};
// Splits a chosen full name, cut to 255 characters as the fields hold it.
Chosen split(const QString& fullName, bool withPath);

// Qt's filter list for a filter in the program's form.
QStringList nameFilters(const char* filter);

// Runs the system file dialog (object name "FileChoiceDialog"); nullopt when cancelled.
std::optional<Chosen> choose(QWidget* parent, const char* filter, bool withPath);

} // namespace FileChoice
