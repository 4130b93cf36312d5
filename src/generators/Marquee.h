// The marquee: its markup, the dialog TDMarquee and the marquee command.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <cstdint>
#include <span>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TMDIChild;

// Every value is written unquoted, exactly as typed or picked; an empty value drops its
// attribute. The font element around the marquee appears only with a text colour.
struct MarqueeValues {
    QString text;
    QString direction, behavior, scrollAmount, scrollDelay, height, width, hspace, align;
    QString bgColor;   // "#RRGGBB" or empty
    QString textColor; // "#RRGGBB" or empty
    QString fontSize;  // written only inside the font element
    bool endless = true;
    int count = 0; // loop count when not endless; 0 writes no loop
};
QString marqueeMarkup(const MarqueeValues& values);

class TDMarquee : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 329;

    explicit TDMarquee(const DialogEnv& env);
    MarqueeValues values() const;

    QLineEdit* Edit1;
    QComboBox* ComboBox1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QComboBox* ComboBox2;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QComboBox* ComboBox3;
    QCheckBox* CheckBox1;
    QSpinBox* SpinEdit1;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QFrame* Shape1;
    QLabel* Label12;
    QComboBox* CBoxFontsize;

    // The colour buttons' work after the picker: store the colour and show it on the sample.
    void setBackgroundColor(std::uint32_t color);
    void setTextColor(std::uint32_t color);

private:
    void BitBtn4Click();
    void BitBtn5Click();

    // Emptied with every new dialog, so an earlier use never carries over.
    QString m_bgColor, m_textColor, m_fontSize;
};

// The marquee dialog, then the marquee at the caret.
void Marquee1Click(TMDIChild& child);

std::span<const DocumentCommand> marqueeCommands();
