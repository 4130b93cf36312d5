// Background music: the bgsound tag, its place below the body line, the dialog TDBgrMusic and
// the command that writes it.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <span>

class QComboBox;
class QLineEdit;
class QToolButton;
class TExtRich;
class TMDIChild;

struct MusicValues {
    QString fileName; // the name without directory
    QString path;     // written in front of the name as it stands
    QString loop;     // loop count text, such as "infinite" or "3"
};

// The last confirmed values for this run of the program; all empty at start.
MusicValues& musicMemory();

// "<bgsound src=\"" + path + name + "\" loop=\"" + loop + "\">", never shortened.
QString bgsoundTag(const MusicValues& values);

// Index of the first line whose lower-cased text holds "<body", -1 when none does.
int bodyLineIndex(const TExtRich& memo);

// Puts the tag on a line of its own directly below the body line, or in place of the selection
// when the document has no body tag. A body line that ends the document gets a new last line.
void placeBgsound(TExtRich& memo, const QString& tag);

// Asks for music file, path and loop count; works on the memory it is given, which keeps the
// values for the next use (Abbruch forgets only the file name).
class TDBgrMusic : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 311;
    static constexpr int FieldLimit = 255;

    TDBgrMusic(const DialogEnv& env, MusicValues& memory);

    void FormActivate();
    void Edit1Change();
    void SBtnFileOpenClick();
    void BitBtn1Click();
    void BitBtn2Click();

    void reject() override;

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QComboBox* ComboBox1;
    QToolButton* SBtnFileOpen;

protected:
    void showEvent(QShowEvent* event) override;

private:
    MusicValues& m_memory;
};

// The music dialog, then the bgsound tag below the body line (or at the caret).
void Hintergrundmusik1Click(TMDIChild& child);

std::span<const DocumentCommand> bgrMusicCommands();
