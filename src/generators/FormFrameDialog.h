// The form frame: its markup, the dialog TDZielanwendung that asks for action and method, and
// the command that writes it.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <span>

class QLabel;
class QLineEdit;
class QRadioButton;
class TMDIChild;

struct FormFrame {
    QString action;
    QString method; // "post" or "get"
};

// The form tags on lines of their own around the selected text.
QString formFrameMarkup(const FormFrame& frame, const QString& selection);

// Asks for the address the filled-in form goes to and the method; reports OK by its result.
class TDZielanwendung : public TDialog
{
    Q_OBJECT
public:
    explicit TDZielanwendung(const DialogEnv& env);

    FormFrame values() const;

    QLabel* Image1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
};

// Puts the selected text into a form; anything but OK leaves the document alone.
void Grundgerstformulareinfgen1Click(TMDIChild& child);

std::span<const DocumentCommand> zieladrCommands();
