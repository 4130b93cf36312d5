// The recent-file list: new paths go to the front, entries 0 ... MaxCount are stored and shown.
#pragma once

#include <QString>

struct ShellState;
class SettingsStore;

// Inserts the path at the front of the list and counts it; the list is never shortened.
void insertRecentFile(ShellState& state, const QString& path);
// Clamps the last index to the maximum index and writes "History": "Count" and "File" + i.
void storeRecentFiles(ShellState& state, SettingsStore& store);
// Caption of File-menu recent entry k: "&" + (k+1) + " " + path while the list shows an entry k,
// else only "&" + (k+1).
QString recentFileCaption(const ShellState& state, int k);
// Whether File-menu recent entry k names a file; the others stay hidden until one comes.
bool recentFileShown(const ShellState& state, int k);
