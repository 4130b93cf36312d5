// All font settings at once: the markup and the dialog TDSchriftartAlle.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

struct AllFontSettings {
    QString first, second, third; // font faces; the alternatives count only after a first face
    QString color;                // a colour name or "#RRGGBB"
    QString size;
};

// "<font" + face, colour and size attributes that are not empty + ">" + selection + "</font>".
QString allFontMarkup(const AllFontSettings& settings, const QString& selection);

// Opens the colour picker; the picked 00BBGGRR value, or nothing when it was cancelled.
using ColorPick = std::function<std::optional<unsigned>()>;

// Asks for faces, size and colour at once; reports OK by its result.
class TDSchriftartAlle : public QDialog
{
    Q_OBJECT
public:
    TDSchriftartAlle(const QStringList& families, const QStringList& colorNames,
                     ColorPick pickColor, bool hintsOn, QWidget* parent = nullptr);

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
    QPushButton* OKBtn;
    QPushButton* AbbruchBtn;
    QPushButton* HilfeBtn;

    void SBtnTColorClick();

private:
    ColorPick m_pickColor;
};
