// Pieces every generator dialog shares: hints, the OK/Abbruch/Hilfe row, labelled fields.
#pragma once

#include <QString>

class QBoxLayout;
class QDialog;
class QLabel;
class QPushButton;
class QWidget;

struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr; // null when the dialog has none
};

// "&OK" (the default button), "&Abbruch" (rejects) and, for a topic above 0, "&Hilfe".
DialogButtons addDialogButtons(QDialog* dialog, QBoxLayout* layout, int helpTopic);
// The hint of a control: "@" breaks the line, the text after "|" goes to the status bar.
void setDialogHint(QWidget* control, const QString& hint, bool hintsOn);
// A label with a mnemonic that leads to field.
QLabel* buddyLabel(const QString& caption, QWidget* field, const char* name = "");
// Six upper-case hex digits red, green, blue of a 00BBGGRR value.
QString htmlColorDigits(unsigned value);
