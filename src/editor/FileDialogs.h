// Running the open and save dialogs so that the window behind them gets the keyboard back.
#pragma once

class QFileDialog;

// Runs the dialog modally and returns its result. Typing a name opens the file-name field's list
// of completions; accepting with Return can leave that list open after the dialog has gone, and
// while it is open no window is active: the next key typed goes to the list and the frame's
// shortcuts reach nothing. Whatever popup the dialog left is closed here.
int runFileDialog(QFileDialog* dialog);
