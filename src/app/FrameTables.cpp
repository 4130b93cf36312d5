// The frame's tables: toolbars with their places and switches, top-level menus, toolbar buttons.
#include "app/FrameTables.h"

#include "app/Main.h"

namespace {

constexpr Qt::ToolBarArea Top = Qt::TopToolBarArea;
constexpr Qt::ToolBarArea Left = Qt::LeftToolBarArea;

const ToolBarSpec toolBars[] = {
    {"XToolBar1", "Programm", {Left, 0, 0}, "Programm1"},
    {"XToolBar2", "Text und Absatz", {Top, 0, 0}, "TextundAbsatz1"},
    {"XToolBar3", "Bearbeiten", {Left, 1, 0}, "Bearbeiten1"},
    {"XToolBar4", "Grundgerüst", {Top, 1, 0}, "Grundgeruest1"},
    {"XToolBar5", "Listen und Tabellen", {Top, 1, 133}, "ListenundTabellen1"},
    {"XToolBar6", "Formulare", {Top, 1, 392}, "Formulare1"},
    {"XToolBar7", "Verweise", {Top, 1, 550}, "Verweise1"},
    {"XToolBar8", "Überschriften", {Top, 2, 466}, "Ueberschriften1"},
    {"XToolBar9", "Sonstiges", {Top, 0, 409}, "Sonstiges1"},
    {"XToolBar10", "Sonderzeichen", {Top, 2, 5}, "Sonderzeichen1"},
};

// TextundAbsatz, Sonstiges, ListenundTabellen, Formulare, Verweise, Grundgeruest, Sonderzeichen,
// Ueberschriften, Programm, Bearbeiten.
const int switchOrder[] = {1, 8, 4, 5, 6, 3, 9, 7, 0, 2};

using F = TMainForm;
using R = FrameRow;
constexpr auto Sep = R{R::Separator};
constexpr unsigned Doc = MenuFlag::NeedsDocument | MenuFlag::Disabled;

// The recent-file entries follow these rows from position 11 on.
const FrameRow fileRows[] = {
    {R::Item, "NeuesDokument1", "&Neues Dokument", "Ctrl+N", "Neue Datei erstellen",
     &F::FileNewItemClick},
    {R::Item, "FileOpenItem", "Dokument &öffnen...", "Ctrl+O", "Datei öffnen",
     &F::FileOpenItemClick},
    {R::Item, "Dokumentspeichern1", "Dokument &speichern", "Ctrl+S", "Datei speichern",
     &F::Dokumentspeichern1Click, Doc},
    {R::Item, "Dokumentspeichernunter1", "Dokument speichern &unter...", "Alt+S",
     "Datei speichern unter", &F::Dokumentspeichernunter1Click, Doc},
    {R::Separator, "N1"},
    {R::Item, "Drucken1", "&Drucken", "Ctrl+D", "Aktuelles Dokument drucken", &F::Drucken1Click,
     Doc},
    {R::Item, "DruckerSetup1", "Drucker Se&tup...", "", "Druckersetup aufrufen",
     &F::DruckerSetup1Click, Doc},
    {R::Separator, "N3"},
    {R::Item, "AktuellesFensterschlieen1", "Aktuelles Fenster schließen", "Ctrl+F4",
     "Aktuelles Fenster schließen", &F::AktuellesFensterschlieen1Click, Doc},
    {R::Item, "FileExitItem", "&Beenden", "Alt+F4", "Beendet den Editor", &F::FileExitItemClick},
    {R::Separator, "N44"},
};

const FrameRow windowRows[] = {
    {R::Item, "WindowCascadeItem", "&Überlappend", "", "Fenster überlappend anordnen",
     &F::WindowCascadeItemClick, Doc},
    {R::Item, "WindowTileItem", "&Nebeneinander", "", "Fenster nebeneinander anordnen",
     &F::WindowTileItemClick, Doc},
    {R::Item, "WindowArrangeItem", "&Symbole anordnen", "", "Verkleinerte Fenster anordnen",
     &F::WindowArrangeItemClick, Doc},
    {R::Item, "WindowMinimizeItem", "&Alle verkleinern", "", "Alle Fenster verkleinern",
     &F::WindowMinimizeItemClick, Doc},
    {R::Item, "GanzesFenster1", "&Ganzes Fenster", "", "Hauptfenster vergrößern oder verkleinern",
     &F::GanzesFenster1Click},
    Sep,
    {R::Item, "Vorheriges1", "&Vorheriges", "", "Vorheriges Fenster", &F::Vorheriges1Click},
    {R::Item, "Nchstes1", "N&ächstes", "", "Nächstes Fenster", &F::Nchstes1Click},
};

const TopMenuSpec topMenus[] = {
    {"Datei1", "&Datei", 0, false, fileRows},
    {"Bearbeiten2", "&Bearbeiten", 2, true},
    {"Optionen1", "&Optionen", 3, true},
    {"Tags1", "&Tags", 4, true},
    {"Weiteretags1", "&Weitere tags", 5, false},
    {"Helfer2", "He&lfer", 6, true},
    {"Tools1", "Tool&s", 9, false},
    {"Window1", "&Fenster", 9, false, windowRows},
    {"Hilfe1", "&Hilfe", 9, false},
};

const ToolButtonSpec toolButtons[] = {
    {1, "SBtnFileNew", "Erstellt eine neue Datei", "document-new", "N", &F::FileNewItemClick,
     false},
    {1, "OpenBtn", "Öffnen|Öffnet eine vorhandene Datei", "document-open", "Ö",
     &F::FileOpenItemClick, false},
    {1, "SaveBtn", "Speichern|Datei speichern", "document-save", "S", &F::FileSaveItemClick, true},
    {1, "SBtnFSaveAs", "Speichern unter|Speichern der Datei als", "document-save-as", "S…",
     &F::FileSaveAsItemClick, true},
    {1, "SBtnFPrint", "Drucken der aktuellen Datei", "document-print", "D", &F::SBtnFPrintClick,
     true},
    {1, "SBtnFPrintSetup", "Drucker einrichten", "document-page-setup", "DS",
     &F::DruckerSetup1Click, true},
    {1, "SBtnWCascade", "Fenster überlappend", "", "⧉", &F::WindowCascadeItemClick, true},
    {1, "SBtnWTile", "Fenster nebeneinander", "", "◫", &F::WindowTileItemClick, true},
    {1, "SBtnWSymbole", "Symbole anordnen", "", "▁", &F::WindowArrangeItemClick, true},
    {1, "SBtnWFull", "Vollbild", "", "▭", &F::WindowMinimizeItemClick, true},
    {1, "SBtnWPrev", "Vorheriges Fenster", "go-previous", "◀", &F::Vorheriges1Click, true},
    {1, "SBtnWNext", "Nächstes Fenster", "go-next", "▶", &F::Nchstes1Click, true},
    {1, "ExitBtn", "Beenden|Beendet den Editor", "application-exit", "X", &F::FileExitItemClick,
     false},
    {3, "SBtnUndo", "Rückgängig", "edit-undo", "↶", &F::SBtnUndoClick, false},
    {3, "SBtnCut", "Auschneiden in die Zwischenablage", "edit-cut", "✂", &F::SBtnCutClick, false},
    {3, "SBtnCopy", "Kopieren in die Zwischenablage", "edit-copy", "⎘", &F::SBtnCopyClick, false},
    {3, "SBtnPaste", "Aus der Zwischenablage einfügen", "edit-paste", "📋", &F::SBtnPasteClick,
     false},
    {3, "SBtnSelectAll", "Alles auswählen", "edit-select-all", "▣", &F::SBtnSelectAllClick, true},
};

} // namespace

std::span<const ToolBarSpec> toolBarSpecs() { return toolBars; }

std::span<const int> switchMenuOrder() { return switchOrder; }

std::span<const TopMenuSpec> topMenuSpecs() { return topMenus; }

std::span<const ToolButtonSpec> toolButtonSpecs() { return toolButtons; }
