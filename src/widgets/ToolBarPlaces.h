// Places of the frame's dockable toolbars: designed places, and their own position values in the
// "Toolbars" key of the settings store (one section per toolbar, named after its objectName).
#pragma once

#include <QList>
#include <QString>
#include <Qt>

class QMainWindow;
class QToolBar;
class SettingsStore;

struct ToolBarPlace {
    Qt::ToolBarArea area = Qt::TopToolBarArea;
    int line = 0; // row of toolbars in that dock, 0 nearest the edge
    int pos = 0;  // pixels along the line
};

// Dock names as stored in "DockedTo": Docks1 top, Docks2 left, Docks3 right, Docks4 bottom.
QString dockName(Qt::ToolBarArea area);
Qt::ToolBarArea dockArea(const QString& name); // NoToolBarArea for unknown names

struct ToolBarEntry {
    QToolBar* toolBar;
    ToolBarPlace designed;
};

// Adds every toolbar to the window: at its stored place when "DockedTo" names a dock (with
// "DockLine" and "DockPos"), floating at "Left"/"Top"/"Width"/"Height" when "DockedTo" is empty,
// at its designed place when "DockedTo" is missing or garbled. Toolbars sharing a line are
// ordered by position. Visibility is not touched (the frame owns "Visible").
void placeToolBars(QMainWindow* window, const QList<ToolBarEntry>& toolBars,
                   const SettingsStore& store);
// Writes each toolbar's current place: "DockedTo", "DockLine", "DockPos" when docked, an empty
// "DockedTo" and "Left"/"Top"/"Width"/"Height" when floating.
void storeToolBarPlaces(QMainWindow* window, const QList<QToolBar*>& toolBars,
                        SettingsStore& store);
// The current place of a docked toolbar as storeToolBarPlaces computes it.
ToolBarPlace currentPlace(QMainWindow* window, QToolBar* toolBar);
