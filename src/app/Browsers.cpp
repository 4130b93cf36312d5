// The frame's browser commands: the configured browser gets the program directory.
#include "app/Browsers.h"

#include "core/ShellState.h"
#include "platform/Paths.h"
#include "platform/ShellLaunch.h"

#include <QDir>

bool frameBrowserCommand(QWidget* frame, const ShellState& state, int browser)
{
    const QString& program = browser == 2 ? state.browser2Path : state.browser1Path;
    return launchInShell(frame, program, QDir::toNativeSeparators(programDirectory()));
}
