// Font markup around the selection (size, base size, colour, face) and the face dialog
// TDSchriftart.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

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

// The three font boxes the face dialogs share: a first face and two alternatives, editable, over
// the installed font families.
struct FontFaceBoxes {
    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QComboBox* ComboBox2;
    QLabel* Label3;
    QComboBox* ComboBox3;
};
FontFaceBoxes createFontFaceBoxes(QWidget* parent, const QStringList& families, bool hintsOn);

// Asks for a font face and two alternatives; reports OK by its result.
class TDSchriftart : public QDialog
{
    Q_OBJECT
public:
    TDSchriftart(const QStringList& families, bool hintsOn, QWidget* parent = nullptr);

    QString faceList() const;

    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QComboBox* ComboBox2;
    QLabel* Label3;
    QComboBox* ComboBox3;
    QPushButton* OKBtn;
    QPushButton* AbbruchBtn;
    QPushButton* HilfeBtn;
};
