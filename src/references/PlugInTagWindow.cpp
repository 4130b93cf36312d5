// TPlugInTags: the plug-in tag window and its opening command.
#include "references/PlugInTagWindow.h"

#include "core/ShellState.h"

namespace
{

const EntryListSpec plugInSpec{
    "PlugInTags",
    "Plugin Tags",
    "*.plg",
    TPlugInTags::HelpTopic,
    "&Einstellung",
    "NachneuenPluginssuchen1",
    "&Nach neuen Plugins suchen",
    "Die angezeigten Tags können Sie per Drag and Drop in Ihre Seite einfügen",
    &ShellState::plugInDir,
    &ShellState::plugInMayOpen,
};

} // namespace

TPlugInTags::TPlugInTags(ShellState& state, THintStatusBar* statusBar, QWidget* frame)
    : TEntryListWindow(plugInSpec, state, statusBar, frame)
{
}

TPlugInTags* openPlugInTags(ShellState& state, THintStatusBar* statusBar, QWidget* frame)
{
    if (!state.plugInMayOpen && frame) {
        if (auto* open = frame->findChild<TPlugInTags*>(QString(), Qt::FindDirectChildrenOnly)) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* window = new TPlugInTags(state, statusBar, frame);
    window->show();
    return window;
}
