// TPlugInTags: the plug-in tag window and its opening command.
#pragma once

#include "references/EntryListWindow.h"

class TPlugInTags : public TEntryListWindow
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 324;

    TPlugInTags(ShellState& state, THintStatusBar* statusBar, QWidget* frame);

    void NachneuenPluginssuchen1Click() { rescan(); }
};

// Shows the plug-in tag window of frame without waiting: a new one while the window may open,
// otherwise the one already open, brought to the front.
TPlugInTags* openPlugInTags(ShellState& state, THintStatusBar* statusBar, QWidget* frame);
