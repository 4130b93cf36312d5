// One Alt+letter per control: buttons give up a mnemonic letter a field already uses.
#pragma once

#include <QChar>
#include <QString>

class QPushButton;
class QWidget;

// The mnemonic letter of a caption in lower case ("PLZ/&Ort:" gives 'o'; "&&" is no mark), or a
// null character.
QChar mnemonicLetter(const QString& caption);
// The caption without its mnemonic mark; a doubled "&&" stays one visible ampersand.
QString withoutMnemonic(const QString& caption);

// Whether button closes or explains the window ("OK", "Abbruch", "Abbrechen", "Hilfe",
// "Schließen"): such a button has a key of its own (Return, Escape, F1) and so needs no letter.
bool isDialogButton(const QPushButton* button);

// Removes the underline from each push button of window whose mnemonic letter a field (a label
// with a buddy, a check box or radio button, a group box, a tab) shown with it already carries;
// the dialog buttons also give way to the other push buttons. Buttons keep their text, and OK,
// Abbruch and Hilfe keep Return, Escape and F1. Fields that share a letter keep it: Alt+letter
// then moves between them.
void resolveButtonMnemonics(QWidget* window);
