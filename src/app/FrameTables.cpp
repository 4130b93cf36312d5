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

const TopMenuSpec topMenus[] = {
    {"Datei1", "&Datei", 0, false},         {"Bearbeiten2", "&Bearbeiten", 2, true},
    {"Optionen1", "&Optionen", 3, true},    {"Tags1", "&Tags", 4, true},
    {"Weiteretags1", "&Weitere tags", 5, false}, {"Helfer2", "He&lfer", 6, true},
    {"Tools1", "Tool&s", 9, false},         {"Window1", "&Fenster", 9, false},
    {"Hilfe1", "&Hilfe", 9, false},
};

using F = TMainForm;

const ToolButtonSpec toolButtons[] = {
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
