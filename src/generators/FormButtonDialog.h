// Submit and reset buttons: their markup, the dialog TDButton that asks for caption and kind,
// and the command.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <span>

class QLabel;
class QLineEdit;
class QRadioButton;
class TMDIChild;

struct ButtonValues {
    QString caption;
    QString kind; // "submit" or "reset"
};

// "<input type=submit value=\"...\">".
QString buttonMarkup(const ButtonValues& values);

// Asks for the caption and kind of a form button; OK sets the accept flag and keeps the values,
// every other way of closing clears the flag.
class TDButton : public TFlagDialog
{
    Q_OBJECT
public:
    TDButton(const DialogEnv& env, bool& acceptFlag);

    ButtonValues values() const { return m_values; }
    void accept() override;

    QLabel* Label1;
    QLineEdit* Edit1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;

private:
    ButtonValues m_values;
};

void Ausfhrungsbutton1Click(TMDIChild& child);

std::span<const DocumentCommand> dbuttCommands();
