// Embedded media: the EMBED tag, the dialog TForm4 and the command that writes it.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <span>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
class TMDIChild;

struct EmbedValues {
    QString file; // including any path
    QString width, height, autostart, loop;
};

// "<EMBED src=\"" + file + "\"" and the unquoted width, height, autostart and loop parts that
// have a value, then ">".
QString embedMarkup(const EmbedValues& values);

// Asks for the media file and how it is shown; resizable, unlike the other dialogs.
class TForm4 : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 328;

    explicit TForm4(const DialogEnv& env);

    EmbedValues values() const;
    void SBtnFileOpenClick();

    QLineEdit* Edit2;
    QToolButton* SBtnFileOpen;
    QCheckBox* CBVPfad;
    QLineEdit* Edit3;
    QLineEdit* Edit1;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
};

// The embed dialog; OK with a file replaces the selection by the EMBED tag.
void EmbedLiveaudi1Click(TMDIChild& child);

std::span<const DocumentCommand> embedCommands();
