// Values an installation provides: written at each start where absent, never over a stored one.
#pragma once

#include <QString>

class SettingsStore;

void seedMissingValues(SettingsStore& store);
// The browser a fresh installation names first (the desktop's default-browser opener).
QString defaultBrowserProgram();
// A monospaced font family that is installed.
QString defaultEditorFont();
