// TEntryListWindow: the common tool window of the URL list and the plug-in tags, which shows the
// entries of one list file of a directory for dragging into a document.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAction;
class QComboBox;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class TDialogHints;
class THintStatusBar;
struct ShellState;

// The names of the list files in dir that match pattern (hidden, system and read-only files
// included), sorted without regard to case; empty for an empty or missing directory.
QStringList listFileNames(const QString& dir, const QString& pattern);
// The entries of a list file, one per line (CR LF, LF or CR), sorted without regard to case.
// Throws UserError when the file cannot be read.
QStringList readListEntries(const QString& path);
// The same for a file's bytes.
QStringList decodeEntryList(const QByteArray& bytes);
// The file that reads back as entries (in readListEntries' order): each entry on a line of its
// own, ended by CR LF, in UTF-8. Entries hold no line end, as read ones never do.
QByteArray encodeEntryList(const QStringList& entries);

// What tells the two windows apart.
struct EntryListSpec {
    const char* objectName;
    const char* caption;
    const char* pattern;
    int helpTopic;
    const char* settingsMenu; // caption of the menu with the stay-on-top and rescan items
    const char* rescanName;
    const char* rescanCaption;
    const char* entryHint;
    QString ShellState::*directory;
    bool ShellState::*mayOpen;
};

// A modeless window that clears its may-open flag while it exists and sets it again when it is
// closed (and then destroyed). It starts on top of the other windows; Escape closes it and the
// active document gets the keyboard back.
class TEntryListWindow : public QWidget
{
    Q_OBJECT
public:
    TEntryListWindow(const EntryListSpec& spec, ShellState& state, THintStatusBar* statusBar,
                     QWidget* parent);

    // The handlers, named after their controls.
    void FormCreate();
    void FormActivate();
    void ComboBox1Change();
    void rescan();
    void ImmerimVordergrund1Click();
    void BitBtn3Click();

    // The directory the window reads, as the settings name it now.
    QString directory() const;
    bool staysOnTop() const;
    QStringList entries() const;

    QMenuBar* MainMenu1;
    QMenu* Einstellung1;
    QAction* ImmerimVordergrund1;
    QAction* rescanItem;
    QComboBox* ComboBox1;
    QListWidget* ListBox1;
    QPushButton* BitBtn3;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Scan steps 2 to 4: the file names, the first one chosen and loaded.
    void scan();
    void loadFile(const QString& name);
    // A double click writes the entry into the active document, as a drop would.
    void insertIntoActiveDocument(const QString& entry);

    const EntryListSpec& m_spec;
    ShellState& m_state;
    TDialogHints* m_hints;
};
