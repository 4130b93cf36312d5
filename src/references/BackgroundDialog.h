// The background dialog TDBgrdImage: image, watermark, five colours and the colour schemes.
#pragma once

#include "references/BackgroundMarkup.h"
#include "references/ColorSchemes.h"
#include "references/FileChoice.h"
#include "references/FrameServerInputs.h"
#include "widgets/DialogBase.h"

#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCShape;

class TDBgrdImage : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 309;
    static constexpr int ColorHelpTopic = 319;
    // The five colours in the order of the scheme values and of the buttons BitBtn4 to BitBtn8.
    enum Slot { Background, Text, Link, VLink, ALink };

    // quickColor, the run's last quick background colour, presets the background colour.
    TDBgrdImage(const DialogEnv& env, std::optional<std::uint32_t> quickColor);

    // The attributes of the new body tag; the image part is set by OK.
    BodyAttributes bodyAttributes() const;
    // The colours the swatch and its labels show now (saved with a scheme).
    SchemaStore::Colors shownColors() const;
    // A colour button's work after the picker: the preview shows it and the tag gets it.
    void setColor(Slot slot, std::uint32_t color);

    QLineEdit* Edit2; // path
    FrameServerInputs server;
    QComboBox* BildComboBox;
    QPushButton* SBtnFileOpen;
    QCheckBox* CheckBox1;
    std::array<QPushButton*, 5> colorButtons{}; // BitBtn4 to BitBtn8
    TCShape* BGrdColor1;
    QLabel* LTextFarbe;
    QLabel* LLinkFarbe;
    QLabel* LBesuchterLinkFarbe;
    QLabel* LAktiverLinkFarbe;
    QComboBox* CBoxSchema;
    QPushButton* BitBtnSichern;
    QPushButton* BitBtnLoeschen;

    bool imageChanged() const { return m_imageChanged; }
    void accept() override; // BitBtn1Click: the image attribute and the image history

private:
    void SBtnFileOpenClick();
    void BildComboBoxListPick(int index);
    void colorButtonClick(Slot slot);
    void CBoxSchemaListPick(int index);
    void BitBtnSichernClick();
    void BitBtnLoeschenClick();
    QLabel* slotLabel(Slot slot) const;

    bool m_imageChanged = false;
    SchemaStore::Colors m_colors = SchemaStore::defaultColors();
    std::array<QString, 5> m_attributes; // empty until a colour is chosen
    QString m_image;
};
