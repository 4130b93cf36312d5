// TFindInFilesDialog: what to find (and replace) in which files of which folder.
#pragma once

#include "widgets/DialogBase.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QPushButton;
class QToolButton;

struct FindInFilesValues {
    QString findText;
    QString replaceText;
    QString folder;
    QString types;
    bool subfolders = true;
    bool matchCase = false;
    bool wholeWord = false;
};

class TFindInFilesDialog : public TDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 341;
    static constexpr const char* DefaultTypes = "*.htm;*.html;*.shtml;*.php;*.css;*.js;*.txt";
    // Entries each drop-down remembers.
    static constexpr int MaxRemembered = 15;
    enum class Action { None, Search, ReplaceAll };

    // Fills the fields from the store: the remembered entries, the check boxes as last used.
    // findText and folder, when given, stand in their fields (the active document's selection
    // and folder); otherwise the last ones used do.
    TFindInFilesDialog(const DialogEnv& env, const QString& findText, const QString& folder);

    QComboBox* FindText;
    QComboBox* ReplaceText;
    QComboBox* FolderText;
    QToolButton* FolderButton;
    QComboBox* TypesText;
    QCheckBox* SubfoldersBox;
    QCheckBox* MatchCaseBox;
    QCheckBox* WholeWordsBox;
    QPushButton* SearchButton;     // the default button
    QPushButton* ReplaceAllButton; // "Alle &ersetzen"

    FindInFilesValues values() const;
    Action action() const { return m_action; }

private:
    // Checks the fields; on success remembers them and closes with the action.
    void finish(Action action);
    void remember() const;

    Action m_action = Action::None;
};
