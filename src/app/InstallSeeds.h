// Values an installation provides: written at each start where absent, never over a stored one.
#pragma once

#include <QString>

class QWidget;
class SettingsStore;

void seedMissingValues(SettingsStore& store);
// The browser a fresh installation names first (the desktop's default-browser opener).
QString defaultBrowserProgram();
// A monospaced font family that is installed: the desktop's choice when it draws evenly, else
// the first installed family that does.
QString defaultEditorFont();
// Whether the family draws narrow and wide letters equally wide. Judged by measuring, because
// some monospaced fonts lack the flag that says so.
bool drawsFixedPitch(const QString& family);
// The sample URL lists and plug-in tag files of a new installation; a file that cannot be
// written is reported and the start goes on.
void seedSampleFiles(QWidget* parent, const QString& urlListDir, const QString& plugInDir);
