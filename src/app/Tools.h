// The Tools menu: reading the tool list, building the menu and starting a tool without a shell.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QMenu;
class QWidget;
class SettingsStore;
struct ShellState;
struct ToolEntry;

// Reads "Tools"/"Count" entries into state.tools[0 .. n-1]: the list grows with "leer" entries
// where it is too short and keeps any entries beyond n; missing fields read "Default". A stored
// count beyond SettingsStore::MaxListEntries reads that many tools.
void readToolList(ShellState& state, const SettingsStore& store);

// Empties tools1, reads the tool list and adds one item "Tool<i>" per tool; a tool named "-" is
// a separator. Clicking item i calls onTool(i).
void fillToolsMenu(QMenu* tools1, ShellState& state, const SettingsStore& store,
                   std::function<void(int)> onTool);

struct ToolCommand {
    QString program; // the working directory joined with the program's file name
    QStringList arguments;
    QString workingDirectory;
};

// Splits text into words the way a POSIX shell does ('...', "...", backslash escapes, blanks)
// without expanding anything: $, * and ; stay literal.
QStringList splitShellWords(const QString& text);

ToolCommand toolCommand(const ToolEntry& tool);

// Starts the tool detached; on failure beeps and shows the "Exec-Fehler!" message. Returns
// whether it started.
bool runTool(QWidget* owner, const ToolEntry& tool);
