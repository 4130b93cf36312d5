// One Alt+letter per control: dialog buttons give up a mnemonic letter a field already uses.
#pragma once

class QWidget;

// Removes the underline from each push button of window whose mnemonic letter a label, check box,
// radio button, group box or tab already carries; the button keeps its text (and Return, Escape
// and F1 keep working).
void resolveButtonMnemonics(QWidget* window);
