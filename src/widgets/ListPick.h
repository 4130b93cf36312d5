// Editable drop-down lists that keep what the user typed: no inline completion, and only a pick
// from the open list counts as a pick.
#pragma once

#include <functional>

class QComboBox;
class QWidget;

// Switches inline completion off in every editable drop-down list inside root, so a typed text is
// never completed to an entry. The dialogs call it once before they are first shown.
void keepTypedTextInLists(QWidget* root);
