// What a dialog opened by a document command takes from the document's frame.
#include "editor/DialogEnvironment.h"

#include "core/ShellState.h"
#include "editor/DocumentHost.h"
#include "editor/DocumentWindow.h"

ShellState& shellStateOf(TMDIChild& child)
{
    if (DocumentHost* host = child.host())
        return host->shellState();
    static ShellState standalone;
    return standalone;
}

DialogEnv dialogEnv(TMDIChild& child)
{
    DialogEnv env;
    env.parent = &child;
    if (DocumentHost* host = child.host()) {
        env.statusBar = host->hintStatusBar();
        env.hintsOn = [host] { return host->shellState().hintsOn; };
    }
    return env;
}
