// The frameset dialog TFrameset and the frameset command.
#pragma once

#include "editor/DocumentCommands.h"
#include "references/FrameMarkup.h"
#include "widgets/DialogBase.h"

#include <array>
#include <span>

class QComboBox;
class QRadioButton;
class TMDIChild;

class TFrameset : public TDialog
{
    Q_OBJECT
public:
    explicit TFrameset(const DialogEnv& env);
    FramesetValues values() const;

    QRadioButton* RadioButton1; // rows
    QRadioButton* RadioButton2; // columns
    std::array<QComboBox*, 5> sizeBoxes{};
};

// The frameset dialog, then the frameset pair around the selection.
void Frameset1Click(TMDIChild& child);

std::span<const DocumentCommand> framesetCommands();
