// The document window's menu tables: its menu-bar menus and the text control's context menu.
#pragma once

#include "widgets/MenuTable.h"

#include <span>

class TMDIChild;

using ChildRow = MenuRow<TMDIChild>;

struct ChildMenu {
    const char* name; // objectName of the top-level menu
    const char* caption;
    int group; // merge group in the frame's menu bar
    std::span<const ChildRow> rows;
};

// The top-level menus in menu-bar order.
std::span<const ChildMenu> childMenus();
// The rows of the context menu MemoPopUp.
std::span<const ChildRow> memoPopUpRows();
