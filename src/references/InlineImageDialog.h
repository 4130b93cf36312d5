// The inline image dialog TDInlineImage: one image tag with its placement attributes, and the
// image history it offers and adds to.
#pragma once

#include "editor/DocumentCommands.h"
#include "references/ServerInputs.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <memory>
#include <span>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TMDIChild;

struct ImageValues {
    bool external = false;
    QString protocol, server, type; // stand in front of the path in external mode
    QString path, image, lowsrc;    // the preview image shares protocol, server and path
    QString alt, border, align, vspace, hspace, width, height;
};

// "<img src=...>"; numbers and keywords unquoted, each attribute only when its value is there.
QString imageTag(const ImageValues& values);

class TDInlineImage : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 313;

    explicit TDInlineImage(const DialogEnv& env);
    ~TDInlineImage() override;

    ImageValues values() const;
    // The tag OK built; empty before.
    QString tag() const { return m_tag; }
    bool imageChanged() const { return m_imageChanged; }

    std::unique_ptr<ServerInputs> server;
    QComboBox* BildComboBox;
    QCheckBox* CBVPfad;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit6;
    QComboBox* ComboBox1;
    QLineEdit* Edit1;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit8;
    QLineEdit* Edit9;
    QPushButton* SBtnFileOpen;
    QPushButton* SpeedButton1;

    // OK: builds the tag and remembers an edited image.
    void accept() override;

    void SBtnFileOpenClick();
    void SpeedButton1Click();
    void BildComboBoxListPick(int index);

private:
    void FormCreate();
    void BitBtn1Click();

    bool m_imageChanged = false;
    QString m_tag;
};

// The image dialog, then its tag in place of the selection.
void Inlineimage1Click(TMDIChild& child);

std::span<const DocumentCommand> dbilderCommands();
