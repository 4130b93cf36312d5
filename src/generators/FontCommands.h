// Font markup around the selection (size, base size, colour, face), the colour value, the face
// dialog TDSchriftart and their commands.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <span>

class QComboBox;
class QLabel;
class TMDIChild;

// "<font size=\"answer\">" + selection + "</font>".
QString fontSizeMarkup(const QString& answer, const QString& selection);
// "<basefont size=\"answer\">" + selection + "</basefont>".
QString baseFontMarkup(const QString& answer, const QString& selection);
// "<font color=\"#RRGGBB\">" + selection + "</font>"; htmlColor is the six digits.
QString fontColorMarkup(const QString& htmlColor, const QString& selection);

// The first face, then each alternative that is not empty, separated by commas.
QString fontFaceList(const QString& first, const QString& second, const QString& third);
// "<font face=\"list\">" + selection + "</font>".
QString fontFaceMarkup(const QString& faceList, const QString& selection);

// The three font boxes the face dialogs share: a first face and two alternatives, editable,
// filled with the installed font families.
struct FontFaceBoxes {
    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QComboBox* ComboBox2;
    QLabel* Label3;
    QComboBox* ComboBox3;
};
FontFaceBoxes createFontFaceBoxes(TDialog* dialog);

// Asks for a font face and two alternatives; reports OK by its result.
class TDSchriftart : public TDialog
{
    Q_OBJECT
public:
    explicit TDSchriftart(const DialogEnv& env);

    QString faceList() const;

    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QComboBox* ComboBox2;
    QLabel* Label3;
    QComboBox* ComboBox3;
};

// Input boxes: size and base size around the selection; cancel or an empty answer do nothing.
void Schriftgre11Click(TMDIChild& child);
void Standard1Click(TMDIChild& child);
// Colour picker: the font colour around the selection, or the colour value "#RRGGBB" alone.
void Schriftfarbe1Click(TMDIChild& child);
void Farbwert1Click(TMDIChild& child);
void Schriftart1Click(TMDIChild& child);

std::span<const DocumentCommand> text1Commands();
