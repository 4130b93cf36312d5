// The frame dialog TForm1 and the frame command.
#pragma once

#include "editor/DocumentCommands.h"
#include "references/FileChoice.h"
#include "references/FrameMarkup.h"
#include "references/FrameServerInputs.h"
#include "widgets/DialogBase.h"

#include <optional>
#include <span>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TMDIChild;

// The source of one frame, from the link history or a file choice, and its frame attributes;
// shares the link history and the target list with the link dialog.
class TForm1 : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 327;

    explicit TForm1(const DialogEnv& env);
    FrameValues values() const;

    QLineEdit* Edit5; // path
    FrameServerInputs server;
    QComboBox* LinkComboBox;
    QPushButton* SBtnFileOpen;
    QLineEdit* Edit2; // anchor
    QComboBox* TargetComboBox;
    QLineEdit* Edit1; // margin width
    QLineEdit* Edit3; // margin height
    QComboBox* ComboBox1;
    QCheckBox* CheckBox1;

    bool linkChanged() const { return m_linkChanged; }
    bool targetChanged() const { return m_targetChanged; }

    void accept() override; // BitBtn1Click: the remembered lists

private:
    void SBtnFileOpenClick();
    void takeFile(const std::optional<FileChoice::Chosen>& chosen);
    void LinkComboBoxListPick(int index);

    bool m_linkChanged = false;
    bool m_targetChanged = false;
};

// The frame dialog, then the frame tag in place of the selection.
void Frame1Click(TMDIChild& child);

std::span<const DocumentCommand> frameCommands();
