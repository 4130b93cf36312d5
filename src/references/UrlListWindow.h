// TURLListe: the URL list window, its opening command and the document's "&URL Manager".
#pragma once

#include "editor/DocumentCommands.h"
#include "references/EntryListWindow.h"

#include <span>

class TMDIChild;

class TURLListe : public TEntryListWindow
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 325;

    TURLListe(ShellState& state, THintStatusBar* statusBar, QWidget* frame);

    void NachneuenURLListensuchen1Click() { rescan(); }
};

// Shows the URL list window of frame without waiting: a new one while the window may open,
// otherwise the one already open, brought to the front.
TURLListe* openUrlListe(ShellState& state, THintStatusBar* statusBar, QWidget* frame);

// The document menu's "&URL Manager": the frame's URL list window.
void URLManager1Click(TMDIChild& child);

std::span<const DocumentCommand> urlListeCommands();
