// Drop-down lists that keep what the user typed (no inline completion, only a pick from the open
// list counts as a pick) and keep a sane width whatever entries they hold.
#pragma once

#include <functional>

class QComboBox;
class QObject;
class QWidget;

// Switches inline completion off in every editable drop-down list inside root, so a typed text is
// never completed to an entry. The dialogs call it once before they are first shown.
void keepTypedTextInLists(QWidget* root);

// A list is never made wider than this many widest characters for its entries' sake.
constexpr int NarrowListChars = 40;
// Keeps every drop-down list inside root at a sane width however long its entries are: a list
// whose longest entry would make it (and its dialog) wider is held at NarrowListChars, and the
// open list is no wider than that or the box and shows long entries elided in the middle. Only
// the display is shortened; a picked entry is taken whole. The dialogs call it before they are
// first laid out for showing.
void keepListsNarrow(QWidget* root);

// Calls pick with the entry's index whenever the user picks an entry from box's open list: a
// click on it, or Return/Enter on the entry the arrow keys moved to. QComboBox::activated also
// fires for a typed text that equals an entry (on Tab, Return or leaving the field) and for
// Up/Down or the wheel on the closed box; none of these is a pick. The callback ends with context.
void onListPick(QComboBox* box, QObject* context, std::function<void(int)> pick);
