// TMainForm: the frame window with its menu bar, ten toolbars, status bar and document windows.
#pragma once

#include "core/ShellState.h"
#include "editor/DocumentHost.h"

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <memory>

class PageCheckResults;
class QDockWidget;
class QFileDialog;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class SettingsStore;
class TFileDrag;
class TMDIChild;
class TSuchergebnis;
struct FindInFilesValues;
namespace FindInFiles
{
class Job;
}

struct StartOptions {
    QString commandLineFile;
    // An installation writes its seed values into the store at start (tests may switch it off).
    bool seedStore = true;
};

class TMainForm : public QMainWindow, public DocumentHost
{
    Q_OBJECT
public:
    explicit TMainForm(const StartOptions& options = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // DocumentHost
    ShellState& shellState() override { return m_state; }
    THintStatusBar* hintStatusBar() override { return HintStatusBar1; }
    void setFindNextEnabled(bool enabled) override;
    QString browserButtonHint(int browser) const override;
    void documentSavedAs(const QString& path) override;
    QList<QKeySequence> frameCommandKeys() const override;
    void showSpecialCharacters() override { SonderZeichenClick(); }

    QMdiArea* mdiArea() const { return m_mdiArea; }
    TMDIChild* activeChild() const;
    QList<TMDIChild*> children() const;
    int documentCount() const;
    // A new, empty document window, shown maximized and active.
    TMDIChild* createChild();
    // The file in a new document window; when it cannot be loaded the report is shown and the
    // window closed again, so no empty window stays bound to that path.
    TMDIChild* openDocument(const QString& path);
    // Makes the document the active window with the keyboard focus in its text.
    void focusDocument(TMDIChild* child);

    QToolBar* toolBar(int number) const; // 1 ... 10
    // Any menu item, toolbar button or switch item of the frame by name.
    QAction* control(const QString& name) const { return m_controls.value(name); }
    QMenu* PopupMenuLeiste = nullptr;
    THintStatusBar* HintStatusBar1 = nullptr;

    void FormActivate();
    // Opens the file named on the command line, once.
    void openPendingFile();
    // The idle hook: edit buttons, the active document's modified mark, the menu state.
    void onIdle();
    void UpdateMenuItems();

    // File commands.
    void FileNewItemClick();
    void FileOpenItemClick();
    void Dokumentspeichern1Click();
    void FileSaveItemClick() { Dokumentspeichern1Click(); }
    void Dokumentspeichernunter1Click();
    void FileSaveAsItemClick() { Dokumentspeichernunter1Click(); }
    void Drucken1Click();
    void SBtnFPrintClick() { Drucken1Click(); }
    void DruckerSetup1Click();
    void AktuellesFensterschlieen1Click();
    void FileExitItemClick();
    // Opens recent entry k (its File-menu position minus 11) when the list has one.
    void recentFileClick(int k);
    void HistoryAktualisieren();
    void FileDrag1Drop();
    QFileDialog* openFileDialog();
    QList<QAction*> recentFileActions() const { return m_recentActions; }
    TFileDrag* FileDrag1 = nullptr;

    // Window commands.
    void WindowCascadeItemClick();
    void WindowTileItemClick();
    void WindowArrangeItemClick();
    void WindowMinimizeItemClick();
    void GanzesFenster1Click();
    void Vorheriges1Click();
    void Nchstes1Click();
    // Documents as tabs of the client area instead of windows inside it ("Optionen"/"Reiter").
    void Reiter1Click();
    bool tabbedDocuments() const;

    // Find and replace in the files of a folder tree; the hits go to the "Suchergebnis" dock.
    void InDateiensuchen1Click();
    // Runs the search (and, for ReplaceAll, asks and replaces once it has ended).
    void findInFiles(const FindInFilesValues& values, bool replaceAll);
    TSuchergebnis* findResults() const { return m_findResults; }
    FindInFiles::Job* findJob() const { return m_findJob; }
    // Opens the file (or activates its document) with the hit selected.
    void openHit(const QString& path, int line, int column, int length);
    // The document window of the file, nullptr when none has it open.
    TMDIChild* documentOf(const QString& path) const;

    // Browsers and help.
    void Browser1Click();
    void Browser2Click();
    void SBtnBrowser1Click();
    void SBtnBrowser2Click();
    void Inhalt1Click();
    void SBtnHelpClick() { Inhalt1Click(); }
    void Index1Click();
    void EinekleineEinfhrunginHTML1Click();
    void Tastatur1Click();
    void Info1Click();
    // The tip window in menu mode: always shown, nothing stored.
    void Tipszeigen1Click();
    // The settings dialog; afterwards, accepted or not, menus, toolbars and hints follow it.
    void Einstellungen1Click();
    // Rebuilds the Tools menu from the store (at start and after the settings dialog).
    void buildToolsMenu(const SettingsStore& store);

    // Routing to the active document: simple commands, headings and font sizes.
    void forwardToDocument(const QString& documentCommand);
    // H11Click ... H61Click: the heading markup with the toolbar's alignment, then HeaderClick.
    void headingClick(int level);
    // N11Click ... N42Click: the font-size markup with the item's caption, then FontSizeClick.
    void fontSizeClick(const QString& size);
    QMenu* dropDownMenu(const QString& name) const;

    // Forwarders that first make sure a document window is active.
    void SBtnUmbClick();
    void SBtnSearchClick();
    void SBtnAUClick();
    // Opens one more special-character palette; its clicks go to the document active then.
    void SonderZeichenClick();
    void SonderzeichenKlick();
    // The URL list and the plug-in tag window: each opens once; its command waits until it closes.
    void SBtnURLClick();
    void tagszeigen1Click();
    void SBtnGotoClick();
    void SBtnReplaceClick();

    void SBtnUndoClick();
    void SBtnRedoClick();
    void SBtnCutClick();
    void SBtnCopyClick();
    void SBtnPasteClick();
    void SBtnSelectAllClick();
    // The page check of the active document, and the window with its findings.
    void SBtnPageCheckClick();
    QDockWidget* pageCheckDock() const { return m_checkDock; }
    PageCheckResults* pageCheckResults() const { return m_checkResults; }

    // The docks' context menu: the toolbar switches.
    QMenu* createPopupMenu() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs one handler of the active document window; does nothing without one.
    void toActiveChild(void (TMDIChild::*handler)());
    void FormCreate(const StartOptions& options);
    void FormClose();
    void buildStatusBar();
    void buildMenuBar();
    void buildToolBars();
    void buildRecentFileEntries();
    void buildDropDownMenus();
    void buildForwardingControls();
    void buildListWindowControls();
    QAction* addToolButton(int toolBar, const QString& name, const QString& hint, const QIcon& icon,
                           bool needsDocument);
    void registerFrameActions(const QHash<QString, QAction*>& actions);
    void mergeMenus(TMDIChild* child);
    void applyWindowBounds();
    void toggleToolBar(int index);
    void fillWindowMenu();
    void subWindowActivated(QMdiSubWindow* window);
    void buildPageCheckDock();
    void connectPageCheck(TMDIChild* child);
    void showPageCheckOf(TMDIChild* child);
    void placePageCheckDock();
    void storePageCheckDock();
    void applyTabMode(bool tabs);
    void refreshTabs();
    void storeSession();
    void restoreSession();
    TSuchergebnis* ensureFindResults();
    void findBatch();
    void findEnded();
    void replaceInOpenDocuments(int* hits, int* files);
    void storeDockPlace();

    ShellState m_state;
    QMdiArea* m_mdiArea = nullptr;
    QList<QToolBar*> m_toolBars;
    QList<QMenu*> m_topMenus;
    QHash<QString, QAction*> m_controls;
    QList<QAction*> m_documentControls; // enabled exactly while a document window is open
    QList<QAction*> m_windowListActions;
    QList<QAction*> m_recentActions;
    QFileDialog* m_openDialog = nullptr;
    QHash<QString, QMenu*> m_dropDownMenus;
    bool m_clipboardHasText = false;
    bool m_closing = false;
    bool m_shownOnce = false;
    QDockWidget* m_checkDock = nullptr;
    PageCheckResults* m_checkResults = nullptr;
    bool m_sessionPending = false;
    QSet<QAction*> m_windowModeControls; // cascade, tile, arrange: window mode only
    TSuchergebnis* m_findResults = nullptr;
    FindInFiles::Job* m_findJob = nullptr;
    enum class FindRun { Idle, Search, SearchToReplace, Replace };
    FindRun m_findRun = FindRun::Idle;
    std::unique_ptr<FindInFilesValues> m_findValues;
    // Replacements in open documents, counted before the files on disk follow.
    int m_replacedHits = 0;
    int m_replacedFiles = 0;
};
