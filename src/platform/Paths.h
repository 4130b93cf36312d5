// Path helpers: the program directory, file-name parts and backup names.
#pragma once

#include <QString>

// Directory of the running program's own file, without trailing separator.
QString programDirectory();
// The text after the last path separator ("\" or "/"; on Windows also after a drive colon).
QString fileNamePart(const QString& path);
// Extension of the file-name part from its last dot, dot included; empty without a dot.
QString fileExtension(const QString& path);
// Backup copy of a document: its file-name part with the extension (from the last dot) replaced
// by backupExt, or backupExt appended when there is no dot, inside backupDir.
QString backupPath(const QString& documentPath, const QString& backupExt, const QString& backupDir);
// Per-user data directory of the program (created on demand by callers).
QString userDataDirectory();
// The folder the open and save dialogs start in: the folder of documentPath when that exists
// (pass an empty path for an untitled document), else the folder last used in this run, else
// the user's home.
QString dialogStartFolder(const QString& documentPath);
// Remembers the folder of a file just opened or saved for dialogs of untitled documents; an
// empty path forgets it.
void rememberUsedFolder(const QString& filePath);
