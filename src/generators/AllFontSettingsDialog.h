// All font settings at once: the markup, the dialog TDSchriftartAlle and the command.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <span>

class QComboBox;
class QLabel;
class QToolButton;
class TMDIChild;

struct AllFontSettings {
    QString first, second, third; // font faces; the alternatives count only after a first face
    QString color;                // a colour name or "#RRGGBB"
    QString size;
};

// "<font" + face, colour and size attributes that are not empty + ">" + selection + "</font>".
QString allFontMarkup(const AllFontSettings& settings, const QString& selection);

// An editable box of the colour names, for a name or a "#RRGGBB" from the colour picker.
QComboBox* createColorNameBox(QWidget* parent);
// The small button beside a colour box that opens the colour picker.
QToolButton* createColorButton(TDialog* dialog);

// Asks for faces, size and colour at once; reports OK by its result.
class TDSchriftartAlle : public TDialog
{
    Q_OBJECT
public:
    explicit TDSchriftartAlle(const DialogEnv& env);

    AllFontSettings settings() const;

    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QComboBox* ComboBox2;
    QLabel* Label3;
    QComboBox* ComboBox3;
    QLabel* Label4;
    QComboBox* CBoxFontsize;
    QLabel* Label5;
    QComboBox* ComboBox4;
    QToolButton* SBtnTColor;

    // Opens the colour picker; a picked colour goes into the colour box as "#RRGGBB".
    void SBtnTColorClick();
};

void AlleSchrifteinstellungen1Click(TMDIChild& child);

std::span<const DocumentCommand> text2Commands();
