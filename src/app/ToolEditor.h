// TToolBearb: the small dialog that enters or edits one external tool of the settings.
#pragma once

#include "core/ShellState.h"
#include "widgets/DialogBase.h"

class QLineEdit;
class QPushButton;

// The four values the tool editor exchanges with the settings dialog: filled before it opens,
// written back by its OK. They live for the whole run and keep the last entry.
ToolEntry& toolEditorValues();

class TToolBearb : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 333;

    // Fills the four fields from the shared values (FormCreate).
    explicit TToolBearb(const DialogEnv& env);

    QLineEdit* Edit1; // title
    QLineEdit* Edit2; // program
    QLineEdit* Edit3; // working directory
    QLineEdit* Edit4; // parameters
    QPushButton* BitBtn1;

    // "&Durchsuchen": a chosen program fills the program and working-directory fields.
    void BitBtn1Click();
    // OK: copies the four fields into the shared values; a tool needs a title.
    void BitBtn2Click();
};
