// Editable drop-down lists that keep what the user typed: no inline completion, and only a pick
// from the open list counts as a pick.
#pragma once

#include <functional>

class QComboBox;
class QObject;
class QWidget;

// Switches inline completion off in every editable drop-down list inside root, so a typed text is
// never completed to an entry. The dialogs call it once before they are first shown.
void keepTypedTextInLists(QWidget* root);

// Calls pick with the entry's index whenever the user picks an entry from box's open list: a
// click on it, or Return/Enter on the entry the arrow keys moved to. QComboBox::activated also
// fires for a typed text that equals an entry (on Tab, Return or leaving the field) and for
// Up/Down or the wheel on the closed box; none of these is a pick. The callback ends with context.
void onListPick(QComboBox* box, QObject* context, std::function<void(int)> pick);
