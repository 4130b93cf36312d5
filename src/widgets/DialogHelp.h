// Help for dialogs: the "&Hilfe" button and F1 open the help window at a topic number.
#pragma once

#include <functional>

class QPushButton;
class QWidget;

// The program installs the function that shows a help topic; from is the widget asking. Returns
// the opener installed before.
using HelpOpener = std::function<void(QWidget* from, int topic)>;
HelpOpener setHelpOpener(HelpOpener opener);
// Shows the topic through the installed opener; does nothing before one is installed.
void openHelp(QWidget* from, int topic);

// A "&Hilfe" button of dialog that opens topic.
QPushButton* makeHelpButton(QWidget* dialog, int topic);
// F1 anywhere in dialog opens topic.
void bindHelpKey(QWidget* dialog, int topic);
