// The frame's tables: toolbars with their places and switches, top-level menus, toolbar buttons.
#pragma once

#include "widgets/MenuTable.h"
#include "widgets/ToolBarPlaces.h"

#include <QString>
#include <span>

class TMainForm;

struct ToolBarSpec {
    const char* name;    // "XToolBar1" ... "XToolBar10"
    const char* caption; // shown while it floats
    ToolBarPlace designed;
    const char* switchItem; // its item in PopupMenuLeiste
};

using FrameRow = MenuRow<TMainForm>;

struct TopMenuSpec {
    const char* name;
    const char* caption;
    int group;
    bool replacedByDocument; // the active document's menu of the same group takes its place
    std::span<const FrameRow> rows = {}; // the frame's own items
};

struct ToolButtonSpec {
    int toolBar; // 1 ... 10
    const char* name;
    const char* hint;
    const char* themeIcon; // desktop theme icon name, empty for a drawn glyph
    const char* glyph;     // short text drawn when the theme has no icon
    void (TMainForm::*handler)();
    bool needsDocument; // enabled only while a document window is open
};

// A frame control that runs one named command of the active document window: a toolbar button
// (toolBar 1 ... 10) or an item of one of the frame's drop-down menus (toolBar 0, menu named).
struct ForwardSpec {
    int toolBar;
    const char* menu; // drop-down menu of the item, empty for a toolbar button
    const char* name;
    const char* frameHandler; // the frame's handler name, so a search for it finds this row
    const char* hint;         // hint of a button, caption of a menu item
    const char* glyph;
    const char* documentCommand; // handler name of the document's command
    const char* itemHint = "";   // hint of a menu item
};

// A toolbar button that opens one of the frame's drop-down menus.
struct DropDownSpec {
    int toolBar;
    const char* name;
    const char* hint;
    const char* glyph;
    const char* menu;
};

// A theme icon for a button whose row has no icon column.
struct ButtonIcon {
    const char* name;
    const char* themeIcon;
};
// The theme icon name of a forwarding or drop-down button, empty when it shows its glyph.
QString buttonThemeIcon(const QString& name);

// In toolbar number order (index 0 is XToolBar1).
std::span<const ToolBarSpec> toolBarSpecs();
// Switch items of PopupMenuLeiste in menu order, as indexes into toolBarSpecs().
std::span<const int> switchMenuOrder();
// The menu bar's entries from left to right.
std::span<const TopMenuSpec> topMenuSpecs();
std::span<const ToolButtonSpec> toolButtonSpecs();
std::span<const ForwardSpec> forwardSpecs();
std::span<const DropDownSpec> dropDownSpecs();
