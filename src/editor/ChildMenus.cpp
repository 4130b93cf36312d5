// The document window's menu tables: its menu-bar menus and the text control's context menu.
#include "editor/ChildMenus.h"

#include "editor/Childwin.h"

namespace {

using R = ChildRow;
using C = TMDIChild;
constexpr auto Sep = R{R::Separator};

const ChildRow editRows[] = {
    {R::Item, "Rckgngig2", "&Rückgängig", "Alt+Backspace", "Letzte Eingabe rückgängig",
     &C::Rckgngig2Click},
    Sep,
    {R::Item, "Cut1", "&Ausschneiden", "Ctrl+X", "Auswahl ausschneiden", &C::Cut1Click},
    {R::Item, "Copy1", "&Kopieren", "Ctrl+C", "Auswahl kopieren", &C::Copy1Click},
    {R::Item, "Paste1", "&Einfügen", "Ctrl+V", "Aus der Zwischenablage einfügen", &C::Paste1Click},
    {R::Item, "Delete1", "&Löschen", "Ctrl+Del", "Auswahl löschen", &C::Delete1Click},
    {R::Item, "SelectAll1", "Alles ausw&ählen", "", "Alles auswählen", &C::SelectAll1Click},
};

const ChildRow optionRows[] = {
    {R::Item, "Browser1aufrufen", "&Browser 1 aufrufen", "F8", "Ruft den Browser 1 auf",
     &C::Browser1aufrufenClick, MenuFlag::Disabled},
    {R::Item, "Browser2aufrufen", "Browser &2 aufrufen", "F9", "Ruft den Browser 2 auf",
     &C::Browser2aufrufenClick, MenuFlag::Disabled},
};

const ChildMenu menus[] = {
    {"MDIBearbeiten", "&Bearbeiten", 2, editRows},
    {"MDIOptionen", "&Optionen", 3, optionRows},
    {"MDITags", "&Tags", 4, {}},
    {"MDIHelfer", "He&lfer", 6, {}},
};

constexpr unsigned Shown = MenuFlag::ShowShortcutOnly;

// The context menu shows its twins' shortcuts; the menu-bar items (and the frame's File menu for
// Ctrl+S) own the keys.
const ChildRow popUpRows[] = {
    {R::Item, "Rckgngig1", "&Rückgängig", "Alt+Backspace", "Letzte Eingabe rückgängig",
     &C::Rckgngig2Click, Shown},
    Sep,
    {R::Item, "Ausschneiden1", "&Ausschneiden", "Ctrl+X", "Auswahl ausschneiden", &C::Cut1Click,
     Shown},
    {R::Item, "Kopieren1", "&Kopieren", "Ctrl+C", "Auswahl kopieren", &C::Copy1Click, Shown},
    {R::Item, "Einfgen1", "&Einfügen", "Ctrl+V", "Aus der Zwischenablage einfügen",
     &C::Paste1Click, Shown},
    {R::Item, "Lschen1", "Lösc&hen", "Ctrl+Del", "Auswahl löschen", &C::Delete1Click, Shown},
    {R::Item, "Allesauswhlen1", "Alles aus&wählen", "", "Alles auswählen", &C::SelectAll1Click},
    Sep,
    {R::Item, "Speichern1", "Speichern", "Ctrl+S", "Datei speichern", &C::Save1Click, Shown},
};

} // namespace

std::span<const ChildMenu> childMenus() { return menus; }

std::span<const ChildRow> memoPopUpRows() { return popUpRows; }
