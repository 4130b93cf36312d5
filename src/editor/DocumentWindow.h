// TMDIChild: the document window with its text control, menus, timers and file handling.
#pragma once

#include "core/TextFileCodec.h"
#include "widgets/MenuTable.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QTimer>
#include <QWidget>
#include <memory>

class DiskWatch;
class DocumentHost;
class PageChecker;
class QFileDialog;
class QMenu;
class QPrinter;
struct SimpleCommand;
class SpellChecker;
class TExtRich;
class TFileDrag;
class TFindReplace;
class TRuler;

class TMDIChild : public QWidget
{
    Q_OBJECT
public:
    explicit TMDIChild(DocumentHost* host, QWidget* parent = nullptr);
    ~TMDIChild() override;

    static const QString Untitled; // "Dokument": the document was never saved

    QString FileName;
    QString FileExt;
    bool SearchStarted = false;
    TExtRich* TextMemo = nullptr;
    TRuler* Ruler = nullptr;
    QTimer* Timer1 = nullptr; // backup copies
    QTimer* Timer2 = nullptr; // automatic saves
    TFileDrag* FileDrag1 = nullptr;

    // The frame the window lives in; nullptr for a window standing alone.
    DocumentHost* host() const { return m_host; }
    TextFileFormat fileFormat() const { return m_format; }
    QPrinter* printer();
    QFileDialog* saveFileDialog();

    // The window's top-level menus with their merge groups, for the frame's menu bar.
    QList<QPair<int, QMenu*>> mergedMenus() const { return m_mergedMenus; }
    QMenu* memoPopUp() const { return m_memoPopUp; }
    QAction* action(const QString& name) const { return m_actions.value(name); }
    const QHash<QString, QAction*>& actions() const { return m_actions; }

    void NewChildWindow();
    // Throws UserError when the file cannot be read; the window keeps its name then.
    void LoadFile(const QString& path);
    void FormActivate();
    void Modifiziert();
    void FormShowN();

    // Returns whether the window may close: unmodified, saved, or the user said No.
    bool FormCloseQuery();
    // Closing without asking again (the frame has asked already).
    void closeWithoutQuery();

    void Save1Click() { save(); }
    void SaveAs1Click() { saveAs(); }
    // Return whether the document was written.
    bool save();
    bool saveAs();
    void Close1Click();
    void Print1Click();
    void Browser1aufrufenClick();
    void Browser2aufrufenClick();

    void Rckgngig2Click();
    void Wiederherstellen1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Delete1Click();
    void SelectAll1Click();
    void Edit1Click();
    // Word wrap and the Tab key switch of the text control, with their check marks.
    void WordWrap1Click();
    // Find, find next (enabled once a search has run) and replace.
    void Suchen2Click();
    void FindNext1Click();
    void Ersetzen2Click();
    TFindReplace* findReplace() const { return m_findReplace; }
    // Character conversions of the whole document, each one undo step.
    void mZAnsiOemClick();
    void mZOemAnsiClick();
    void UmlautezuHTML1Click();
    void HTMLzuUmlauten1Click();
    // Typed umlauts become entities while the switch is on; the status panel shows it.
    void AutoUmlaute1Click();
    // Opens another special-character palette through the frame.
    void WeitereSonderzeichen1Click();
    // Inserts the palette's pending entity.
    void S1();
    void Tabulatorverwenden1Click();
    // The view switches of every document window, kept in the settings store.
    void FarbigeTags1Click();
    void Zeilennummern1Click();
    // The spelling switch (kept in the settings store) and the walk to the next unknown word.
    void Rechtschreibungprfen1Click();
    void NchsterFehler1Click();
    SpellChecker* spelling() const { return m_spelling; }
    void GehezuZeile1Click();
    // The page check: on command, and after typing while the switch is on.
    void Seiteprfen1Click();
    void SeitebeimTippenprfen1Click();
    PageChecker* pageChecker() const { return m_pageCheck; }

    // The encoding and main line end the next save writes; both mark the document modified.
    // Windows-1252 is refused (with a message) while the text holds a character it lacks.
    bool setEncoding(TextFileFormat::Encoding encoding);
    void setMainLineBreak(TextFileFormat::LineBreak lineBreak);
    // The status panel's menu of encodings and line ends, at a global position.
    void showEncodingMenu(const QPoint& pos);
    static const char* const EncodingPanel;

    // Markup primitives: Insert replaces the selection; WrapSelection puts the selection
    // between the two tags. Both leave the caret behind what they wrote, nothing selected.
    void Insert(const QString& text);
    void WrapSelection(const QString& open, const QString& close);
    void runSimpleCommand(const SimpleCommand& command);
    // Wraps the selection in the shell state's pending heading tags.
    void HeaderClick();
    // Wraps the selection in the shell state's pending font-size tag and "</font>".
    void FontSizeClick();

    // Heading commands: the level's tags with this window's own alignment choice, wrapped
    // around the selection through HeaderClick.
    void headingCommand(int level);
    void Gre11Click() { headingCommand(1); }
    void Gre21Click() { headingCommand(2); }
    void Gre31Click() { headingCommand(3); }
    void Gre41Click() { headingCommand(4); }
    void Gre51Click() { headingCommand(5); }
    void Gre61Click() { headingCommand(6); }
    // Checks sender and unchecks the other two heading-alignment items.
    void SelectAlignHeader(QAction* sender);
    // Handler of the three alignment items: the triggering item is the signal's sender.
    void SelectAlignHeaderClick();

    void Timer1Timer();
    void Timer2Timer();

    // Whether another program has changed or deleted the file since it was read or written;
    // asks whether to reload, or tells about the deletion, once per change.
    void checkDisk();

    void TextMemoPosChange(int col, int row);
    void TextMemoModeChange(bool insertMode);

    // Drops a list entry: "open|close" wraps the selection, anything else replaces it.
    void dropListEntry(const QString& entry);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void writeDocument(const QString& path);
    // Before a save over a file another program has changed: the user decides.
    bool mayOverwrite();
    // Reads the file again after a change on disk, the caret kept where it was.
    void reloadFromDisk();
    bool isActiveDocument() const;
    void launchBrowser(int browser);
    // Timer writes report a failure once; while that report is open no timer opens another.
    void runTimerWrite(void (TMDIChild::*write)());
    void writeBackup();
    void writeAutoSave();
    QAction* twin(const char* name) const;
    void applyViewSwitches();
    void showEncoding();

    DocumentHost* m_host;
    TextFileFormat m_format;
    std::unique_ptr<QPrinter> m_printer;
    QFileDialog* m_saveDialog = nullptr;
    QHash<QString, QAction*> m_actions;
    QList<QPair<int, QMenu*>> m_mergedMenus;
    QMenu* m_memoPopUp = nullptr;
    TFindReplace* m_findReplace = nullptr;
    bool m_timerReportOpen = false;
    bool m_closeAsked = false;
    DiskWatch* m_disk = nullptr;
    bool m_checkingDisk = false;
    // A main line end chosen by the user: every line is written with it.
    bool m_unifyLineEnds = false;
    QWidget* m_rulerIndent = nullptr;
    PageChecker* m_pageCheck = nullptr;
    SpellChecker* m_spelling = nullptr;
};
