// The page skeleton: its markup, the title dialog TDTitelSeite and the skeleton command.
#pragma once

#include "editor/DocumentCommands.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <QStringList>
#include <span>

class QComboBox;
class QLabel;
class QLineEdit;
struct ShellState;
class TMDIChild;

struct SkeletonValues {
    QString docTypeLine; // the document type as chosen, no line break
    QString titleLine;   // "<title>...</title>" CR LF, or empty
};

// "<title>" + title + "</title>" CR LF, or the empty string for an empty title.
QString titleLineFor(const QString& title);
// The skeleton for a document of at most one line, inserted at the caret as one block: the
// document type stands on the same line as "<html>".
QString skeletonBlock(const SkeletonValues& values);
// The skeleton around the whole text of a longer document, which goes into the body.
QString skeletonAround(const SkeletonValues& values, const QString& text);

// The ten document types of the title dialog, in their order.
QStringList documentTypes();

class TDTitelSeite : public TFlagDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 308;

    // OK stores the title line and the document type line in state.
    TDTitelSeite(const DialogEnv& env, ShellState& state);

    QLineEdit* Edit1;
    QLabel* Label1;
    QComboBox* ComboBox1;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ShellState& m_state;
};

// Title dialog, then the skeleton: at the caret in a document of at most one line, around the
// whole text otherwise. Abbruch leaves the document as it was.
void Grundgersteinfgen1Click(TMDIChild& child);

std::span<const DocumentCommand> dtitelCommands();
