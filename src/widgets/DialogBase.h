// TDialog and TFlagDialog: the common frame of the program's modal dialogs.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLayout;
class QSpacerItem;
class QPushButton;
class THintStatusBar;
class TDialogHints;

// What a dialog takes from the window that opens it.
struct DialogEnv {
    QWidget* parent = nullptr;
    THintStatusBar* statusBar = nullptr; // receives the long hints; may be null
    std::function<bool()> hintsOn;       // the hint switch; empty means on
};

// A fixed-size dialog with "&OK" (default, so Return presses it), "&Abbruch" (also Escape and
// the close button) and, given a topic, "&Hilfe" (also F1). Controls get their hints through
// setHint. Its title shows no mnemonic marks ("&&" stays one "&"), whoever sets it, and the dialog
// is at least as wide as the title bar needs to show the whole title.
class TDialog : public QDialog
{
    Q_OBJECT
public:
    TDialog(const DialogEnv& env, const QString& caption, int helpTopic = 0);

    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_help; }
    TDialogHints* hints() const { return m_hints; }
    int helpTopic() const { return m_helpTopic; }

    void setHint(QWidget* control, const char* hint);
    // A label whose "&" mnemonic puts the focus into field.
    QLabel* labelFor(const char* caption, QWidget* field);
    // Before the first show, while the dialog's size is still open, long list entries are kept
    // from widening it.
    void setVisible(bool visible) override;

protected:
    // Puts body above the button row and fixes the dialog's size.
    void finishLayout(QLayout* body);
    // At the first show every control of the dialog exists: lists are set to keep typed text and
    // buttons give up mnemonic letters the fields use.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Widens the room kept for the title to what the current title needs.
    void fitTitle();

    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help = nullptr;
    TDialogHints* m_hints;
    int m_helpTopic;
    bool m_prepared = false;
    bool m_listsNarrowed = false;
    bool m_settingTitle = false;
    QSpacerItem* m_titleRoom = nullptr; // in the outer layout, as wide as the title needs
};

// A window caption without mnemonic marks: single "&" go, "&&" becomes "&".
QString withoutMnemonics(const QString& caption);

// A dialog that reports through a flag that outlives it: OK sets the flag, every other way of
// closing (Abbruch, Escape, the close button) clears it, so a flag left from an earlier use never
// counts.
class TFlagDialog : public TDialog
{
    Q_OBJECT
public:
    TFlagDialog(const DialogEnv& env, const QString& caption, int helpTopic, bool& acceptFlag);

    void accept() override;
    void reject() override;

private:
    bool& m_flag;
};
