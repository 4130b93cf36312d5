// The URL lists and plug-in tag files a new installation starts with.
#pragma once

#include <QString>
#include <QStringList>

// The names of the sample files shipped for a pattern such as "*.url".
QStringList sampleFileNames(const QString& pattern);

// Puts the sample ".url" lists into urlListDir and the sample ".plg" files into plugInDir, each
// only when that directory holds no file of its kind (a missing directory is made). Files are
// written with CR LF line ends. Throws UserError when a file cannot be written.
void installSampleFiles(const QString& urlListDir, const QString& plugInDir);
