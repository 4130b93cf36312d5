// The base-target dialog TForm2 and the base-target and target commands.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <span>

class QComboBox;
class QPushButton;
class TMDIChild;

// One frame name with the remembered targets as its drop-down; the caller sets the caption.
class TForm2 : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 326;

    explicit TForm2(const DialogEnv& env);
    QString target() const;

    QComboBox* TargetComboBox;
    QPushButton* btnOk;
    QPushButton* btnAbort;
    QPushButton* btnHilfe;

    void accept() override; // btnOkClick: a typed target joins the target list

private:
    bool m_targetChanged = false;
};

// The dialog captioned "Base Target", then "<base target=...>" in place of the selection.
void Base1Click(TMDIChild& child);
// The dialog captioned "Target", then the target attribute in place of the selection.
void Target1Click(TMDIChild& child);

std::span<const DocumentCommand> targetCommands();
