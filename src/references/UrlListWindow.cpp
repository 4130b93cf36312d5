// TURLListe: the URL list window, its opening command and the document's "&URL Manager".
#include "references/UrlListWindow.h"

#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentHost.h"
#include "editor/DocumentWindow.h"

namespace
{

const EntryListSpec urlListSpec{
    "URLListe",
    "URL Liste",
    "*.url",
    TURLListe::HelpTopic,
    "Einstellung",
    "NachneuenURLListensuchen1",
    "&Nach neuen URL Listen suchen",
    "Die angezeigten URLs, können Sie per Drag and Drop in Ihrer Seite einfügen",
    &ShellState::urlListDir,
    &ShellState::urlListMayOpen,
};

} // namespace

TURLListe::TURLListe(ShellState& state, THintStatusBar* statusBar, QWidget* frame)
    : TEntryListWindow(urlListSpec, state, statusBar, frame)
{
}

TURLListe* openUrlListe(ShellState& state, THintStatusBar* statusBar, QWidget* frame)
{
    if (!state.urlListMayOpen && frame) {
        if (auto* open = frame->findChild<TURLListe*>(QString(), Qt::FindDirectChildrenOnly)) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* window = new TURLListe(state, statusBar, frame);
    window->show();
    return window;
}

void URLManager1Click(TMDIChild& child)
{
    DocumentHost* host = child.host();
    openUrlListe(shellStateOf(child), host ? host->hintStatusBar() : nullptr,
                 host ? child.window() : nullptr);
}

namespace
{

const DocumentCommand commands[] = {
    {"URLManager1Click", &URLManager1Click},
};

} // namespace

std::span<const DocumentCommand> urlListeCommands()
{
    return commands;
}
