// What a document window needs from its frame: shell state, status panels and frame controls.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

struct ShellState;
class THintStatusBar;

class DocumentHost
{
public:
    virtual ~DocumentHost() = default;
    virtual ShellState& shellState() = 0;
    virtual THintStatusBar* hintStatusBar() = 0;
    // The frame's find-next toolbar button follows the active document's search state.
    virtual void setFindNextEnabled(bool enabled) = 0;
    // Hint of the frame's toolbar button for browser 1 or 2.
    virtual QString browserButtonHint(int browser) const = 0;
    // A document was saved under a new name (the recent-file list learns of it).
    virtual void documentSavedAs(const QString& path) = 0;
    // Opens one more special-character palette, which writes into the active document.
    virtual void showSpecialCharacters() = 0;
    // Keys of the frame's own commands, which the text control must leave to them.
    virtual QList<QKeySequence> frameCommandKeys() const = 0;
};
