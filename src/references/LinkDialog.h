// The link dialog TDVerweis: a link's start tag, optionally with an image inside, and the link,
// target and image histories it offers and adds to.
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

struct LinkValues {
    bool external = false;
    QString protocol, server, type; // stand in front of the path in external mode
    QString path, file, anchor, target;
    QString image, imagePath, alt, border, align; // no image without an image file name
};

// "<a href=...>" with target and the image tag, everything unquoted the user typed for border
// and alignment.
QString linkStartTag(const LinkValues& values);

class TDVerweis : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 321;

    explicit TDVerweis(const DialogEnv& env);
    ~TDVerweis() override;

    LinkValues values() const;
    // The start tag OK built; empty before.
    QString startTag() const { return m_startTag; }

    bool linkChanged() const { return m_linkChanged; }
    bool targetChanged() const { return m_targetChanged; }
    bool imageChanged() const { return m_imageChanged; }

    std::unique_ptr<ServerInputs> server;
    QComboBox* LinkComboBox;
    QCheckBox* CBVPfad;
    QLineEdit* Edit5;
    QLineEdit* Edit2;
    QComboBox* BildComboBox;
    QCheckBox* CheckBox1;
    QLineEdit* Edit4;
    QLineEdit* Edit3;
    QLineEdit* Edit6;
    QComboBox* ComboBox1;
    QComboBox* TargetComboBox;
    QPushButton* SBtnFileOpen;
    QPushButton* SpeedButton1;

    // OK: builds the start tag and adds the edited entries to their lists.
    void accept() override;

    void SBtnFileOpenClick();
    void SpeedButton1Click();
    void LinkComboBoxListPick(int index);
    void BildComboBoxListPick(int index);

private:
    void FormCreate();
    void BitBtn1Click();

    bool m_linkChanged = false;
    bool m_targetChanged = false;
    bool m_imageChanged = false;
    QString m_startTag;
};

// The link dialog, then the selection between its start tag and "</a>".
void VerweiszuanderenDateien1Click(TMDIChild& child);

std::span<const DocumentCommand> dialogCommands();
