// The document window's menu tables: its menu-bar menus and the text control's context menu.
#include "editor/ChildMenus.h"

#include "editor/Childwin.h"

namespace
{

using R = ChildRow;
using C = TMDIChild;
constexpr auto Sep = R{R::Separator};
constexpr auto End = R{R::End};
constexpr unsigned Shown = MenuFlag::ShowShortcutOnly;

constexpr R sub(const char* name, const char* caption)
{
    return R{R::Submenu, name, caption};
}

// An item that runs the simple command registered under that handler name.
constexpr R cmd(const char* name, const char* caption, const char* shortcut, const char* command,
                const char* hint = "", unsigned flags = 0)
{
    return R{R::Item, name, caption, shortcut, hint, nullptr, flags, command};
}

constexpr const char* wideSpace = "|Dieses Leerzeichen können nicht alle Browser darstellen!";
constexpr const char* wideDash = "|Diesen Bindestrich können nicht alle Browser darstellen!";

const ChildRow editRows[] = {
    {R::Item, "Rckgngig2", "&Rückgängig", "Alt+Backspace", "Letzte Eingabe rückgängig",
     &C::Rckgngig2Click},
    // The key pairs with undo's; Ctrl+Shift+Z aligns headings.
    {R::Item, "Wiederherstellen1", "&Wiederherstellen", "Alt+Shift+Backspace",
     "Letzte rückgängig gemachte Eingabe wiederherstellen", &C::Wiederherstellen1Click},
    Sep,
    {R::Item, "Cut1", "&Ausschneiden", "Ctrl+X", "Auswahl ausschneiden", &C::Cut1Click},
    {R::Item, "Copy1", "&Kopieren", "Ctrl+C", "Auswahl kopieren", &C::Copy1Click},
    {R::Item, "Paste1", "&Einfügen", "Ctrl+V", "Aus der Zwischenablage einfügen", &C::Paste1Click},
    {R::Item, "Delete1", "&Löschen", "Ctrl+Del", "Auswahl löschen", &C::Delete1Click},
    {R::Item, "SelectAll1", "Alles ausw&ählen", "", "Alles auswählen", &C::SelectAll1Click},
    Sep,
    {R::Item, "Suchen2", "&Suchen...", "F2", "Nach Zeichenfolge suchen", &C::Suchen2Click},
    {R::Item, "FindNext1", "&Weitersuchen...", "F3", "Weitersuchen", &C::FindNext1Click,
     MenuFlag::Disabled},
    {R::Item, "Ersetzen2", "Erse&tzen...", "F4", "Zeichenfolge durch neue Zeichenfolge ersetzen",
     &C::Ersetzen2Click},
    Sep,
    {R::Item, "mZAnsiOem", "A&NSI zu OEM ", "", "Wandelt Windows Text in DOS Text",
     &C::mZAnsiOemClick},
    {R::Item, "mZOemAnsi", "&OEM zu ANSI", "", "Wandelt DOS Text in Windows Text",
     &C::mZOemAnsiClick},
    Sep,
    {R::Item, "UmlautezuHTML1", "&Umlaute zu HTML", "Shift+F10", "Wandelt Umlaute zu HTML Zeichen",
     &C::UmlautezuHTML1Click},
    {R::Item, "HTMLzuUmlauten1", "&HTML zu Umlauten", "Shift+F11",
     "Wandelt HTML Zeichen zu Umlauten", &C::HTMLzuUmlauten1Click},
};

const ChildRow optionRows[] = {
    {R::Item, "WordWrap1", "&Wortumbruch", "F5", "Schaltet Wortumbruch um", &C::WordWrap1Click,
     MenuFlag::Checked},
    {R::Item, "AutoUmlaute1", "Auto &Umlaute", "F6", "Schaltet AutoUmlaute um",
     &C::AutoUmlaute1Click, MenuFlag::Checked},
    {R::Item, "Tabulatorverwenden1", "&Tabulator verwenden", "F7",
     "Schaltet die Tabulatorfunktion ein/aus", &C::Tabulatorverwenden1Click, MenuFlag::Checked},
    Sep,
    cmd("Einstellungen", "&Einstellungen", "F10", "Einstellungen1Click",
        "Ruft den Einstellungsdialog auf"),
    Sep,
    {R::Item, "Browser1aufrufen", "&Browser 1 aufrufen", "F8", "Ruft den Browser 1 auf",
     &C::Browser1aufrufenClick, MenuFlag::Disabled},
    {R::Item, "Browser2aufrufen", "Browser &2 aufrufen", "F9", "Ruft den Browser 2 auf",
     &C::Browser2aufrufenClick, MenuFlag::Disabled},
};

// Slots of commands still to come are marked where they belong, so that they keep the menu's
// order and separators.
const ChildRow tagRows[] = {
    sub("Grundgerst1", "&Grundgerüst"),
    cmd("Grundgersteinfgen1", "&Grundgerüst einfügen...", "Ctrl+J", "Grundgersteinfgen1Click",
        "Fügt das Grundgerüst einer WWW Seite ein"),
    cmd("Grundgerstformulareinfgen1", "Grundgerüst &Formular einfügen...", "Ctrl+M",
        "Grundgerstformulareinfgen1Click", "Fügt das Grundgerüst eines Formulars ein"),
    // The two background items and "Hintergrund&musik...".
    Sep,
    cmd("MetaInformationen1", "&Meta Informationen...", "Ctrl+Shift+F5", "MetaInformationen1Click",
        "Fügt eine Meta Information ein"),
    Sep,
    cmd("Basereferenz1", "&Basereferenz...", "", "Basereferenz1Click",
        "Fügt eine Basereferenz ein"),
    End,
    Sep,
    sub("Absatz1", "&Absatz"),
    cmd("Alignleft1", "Ausrichtung &links", "Ctrl+L", "Alignleft1Click"),
    cmd("Aligncenter1", "Ausrichtung &zentriert", "Ctrl+Z", "Aligncenter1Click"),
    cmd("Ausrichtungrechts1", "Ausrichtung &rechts", "Ctrl+R", "Ausrichtungrechts1Click"),
    cmd("NeuerAbsatz1", "Neuer &Absatz", "Ctrl+P", "NeuerAbsatz1Click"),
    cmd("Zeilenumbruch1", "&Zeilenumbruch", "Ctrl+U", "Zeilenumbruch1Click"),
    cmd("keinZeilenumbruchimBereich1", "kein Zeilenumbruch im &Bereich", "",
        "keinZeilenumbruchimBereich1Click"),
    cmd("ZeilenumbruchNOBRBereich1", "Zeilenumbruch &NOBR-Bereich", "",
        "ZeilenumbruchNOBRBereich1Click"),
    cmd("Elementezentrieren1", "&Elemente zentrieren (center)", "Ctrl+W",
        "Elementezentrieren1Click"),
    cmd("PrformatierterText1", "Pr&äformatierter Text", "", "PrformatierterText1Click"),
    cmd("InternetAdresse1", "&Internet-Adresse", "", "InternetAdresse1Click"),
    cmd("Zitat3", "Zi&tat", "", "Zitat1Click"),
    cmd("Kommentar2", "&Kommentar", "Ctrl+K", "Kommentar2Click"),
    cmd("Trennlinie1", "Trenn&linie", "Ctrl+T", "Trennlinie1Click"),
    cmd("WeitereTrennlinien2", "&Weitere Trennlinien", "Ctrl+Shift+T", "WeitereTrennlinien2Click",
        "Ruft den Dialog für weitere Trennlinien auf"),
    End,
    sub("PhysischeTextauszeichnung1", "&Physische Textauszeichnung"),
    cmd("fett1", "&fett", "Ctrl+B", "fett1Click"),
    cmd("kursiv1", "&kursiv", "Ctrl+I", "kursiv1Click"),
    cmd("unterstrichen1", "&unterstrichen", "Ctrl+F3", "unterstrichen1Click"),
    cmd("durchgestrichenstrike1", "dur&chgestrichen (s)", "", "durchgestrichenstrike1Click"),
    cmd("durchgestrichen1", "&durchgestrichen (strike)", "", "durchgestrichen1Click"),
    cmd("groeSchrift1", "große &Schrift (big)", "", "groeSchrift1Click"),
    cmd("kleineSchrift1", "k&leine Schrift (small)", "", "kleineSchrift1Click"),
    cmd("tiefgestellt1", "&tiefgestellt (sub)", "", "tiefgestellt1Click"),
    cmd("hochgestellt1", "&hochgestellt (sup)", "", "hochgestellt1Click"),
    cmd("dicktengleich1", "&dicktengleich (TT)", "", "dicktengleich1Click"),
    End,
    sub("LogischeTextauszeichnung1", "&Logische Textauszeichnung"),
    cmd("wichtig1", "wichtig (STRONG)", "", "wichtig1Click"),
    cmd("emphatisch1", "&emphatisch (EM)", "", "emphatisch1Click"),
    cmd("Zitat2", "&Zitat (CITE)", "", "Zitat2Click"),
    cmd("Quellcode1", "&Quellcode (CODE)", "", "Quellcode1Click"),
    cmd("Terminal1", "&Terminal (KBD)", "", "Terminal1Click"),
    cmd("Variable1", "&Variable (VAR)", "", "Variable1Click"),
    cmd("Beispiel1", "&Beispiel (SAMP)", "", "Beispiel1Click"),
    cmd("Definition2", "&Definition", "", "Definition2Click"),
    End,
    sub("SonstigeTextauszeichnungen1", "Sonstige Te&xtauszeichnungen"),
    cmd("Abkrzung1", "Abkürzung ", "", "Abkrzung1Click"),
    cmd("Akronyme1", "&Akronyme", "", "Akronyme1Click"),
    cmd("Delete3", "&Delete", "", "Delete3Click"),
    cmd("Insert1", "&Insert", "", "Insert1Click"),
    cmd("Kurzzitat1", "&Kurzzitat", "", "Kurzzitat1Click"),
    cmd("Language1", "&Language", "", "Language1Click"),
    cmd("Personenname1", "&Personenname", "", "Personenname1Click"),
    End,
    sub("berschriften1", "&Überschriften"),
    {R::Item, "Gre11", "Größe &1", "Shift+F1", "", &C::Gre11Click},
    {R::Item, "Gre21", "Größe &2", "Shift+F2", "", &C::Gre21Click},
    {R::Item, "Gre31", "Größe &3", "Shift+F3", "", &C::Gre31Click},
    {R::Item, "Gre41", "Größe &4", "Shift+F4", "", &C::Gre41Click},
    {R::Item, "Gre51", "Größe &5", "Shift+F5", "", &C::Gre51Click},
    {R::Item, "Gre61", "Größe &6", "Shift+F6", "", &C::Gre61Click},
    Sep,
    {R::Item, "Ausrichtunglinks1", "Ausrichtung &links", "Ctrl+Shift+L", "",
     &C::SelectAlignHeaderClick, MenuFlag::Checkable},
    {R::Item, "Ausrichtungzentriert1", "Ausrichtung &zentriert", "Ctrl+Shift+Z", "",
     &C::SelectAlignHeaderClick, MenuFlag::Checkable},
    {R::Item, "Ausrichtungrechts2", "Ausrichtung &rechts", "Ctrl+Shift+R", "",
     &C::SelectAlignHeaderClick, MenuFlag::Checkable},
    End,
    sub("Listen1", "L&isten"),
    // The list generators and a separator come first once they exist.
    cmd("ListItem1", "&List Item", "Alt+F9", "ListItem1Click"),
    Sep,
    cmd("GlossarAnfang1", "Glo&ssar-Anfang", "Alt+F10", "GlossarAnfang1Click"),
    cmd("zudefinierenderAusdruck1", "&zu definierender Ausdruck", "Alt+F11",
        "zudefinierenderAusdruck1Click"),
    cmd("Definition1", "De&finition", "Alt+F12", "Definition1Click"),
    cmd("GlossarEnde1", "Gloss&ar-Ende", "Shift+F7", "GlossarEnde1Click"),
    End,
    // "&Tabellen" comes here.
    sub("Schrifteinstellung1", "&Schrifteinstellung"),
    cmd("Standard1", "&Standard-Schriftgröße...", "Shift+F9", "Standard1Click",
        "Umschließt den Text mit der Grundgröße der Schrift"),
    cmd("Schriftgre11", "S&chriftgröße...", "Ctrl+G", "Schriftgre11Click",
        "Umschließt den Text mit einer Schriftgröße"),
    cmd("Schriftfarbe1", "Schrift&farbe...", "Ctrl+Y", "Schriftfarbe1Click",
        "Umschließt den Text mit einer Schriftfarbe"),
    cmd("Schriftart1", "Schrift&art...", "Ctrl+H", "Schriftart1Click",
        "Umschließt den Text mit einer Schriftart"),
    cmd("AlleSchrifteinstellungen1", "All&e Schrifteinstellungen...", "Ctrl+A",
        "AlleSchrifteinstellungen1Click", "Schriftart, Farbe und Größe auf einmal"),
    End,
    Sep,
    // "&Verweise" and a separator come here.
    sub("Formulare2", "&Formulare"),
    // "&Auswahlliste" comes first.
    cmd("Eingabefelder1", "&Eingabefeld", "", "Eingabefelder1Click",
        "Fügt ein einzeiliges Eingabefeld ein"),
    cmd("MehrzeiligesEingabefeld1", "&Mehrzeiliges Eingabefeld ", "",
        "MehrzeiligesEingabefeld1Click", "Fügt ein mehrzeiliges Eingabefeld ein"),
    cmd("N25", "&Radiobutton", "", "N25Click", "Fügt einen Radiobutton ein"),
    cmd("Checkbutton1", "&Checkbutton", "", "Checkbutton1Click", "Fügt einen Checkbutton ein"),
    cmd("Ausfhrungsbutton1", "Ausführungs&button", "", "Ausfhrungsbutton1Click",
        "Fügt einen Schalter zum Senden oder Löschen des Formulars ein"),
    End,
    Sep,
    sub("Sonderzeichen2", "S&onderzeichen"),
    cmd("LeerzeichenBreiten1", "Leerzeichen Breite &n", "", "SBtnSpaceNClick", wideSpace),
    cmd("LeerzeichenBreitem1", "Leerzeichen Breite &m", "", "SBtnSpaceMClick", wideSpace),
    cmd("BindestrichBreiten1", "&Bindestrich Breite n", "", "SBtnBNClick", wideDash),
    cmd("BindestrichBreitem1", "B&indestrich Breite m", "", "SBtnBMClick", wideDash),
    cmd("ErzwungenesLeerzeichen1", "Erzwungenes &Leerzeichen", "", "SBtnSpaceYesClick"),
    Sep,
    cmd("S31", "&Maskierung <", "", "S31"),
    cmd("S32", "M&askierung >", "", "S32"),
    cmd("S33", "Ma&skierung \"", "", "S33"),
    cmd("S30", "Mas&kierung &&", "", "S30"),
    Sep,
    cmd("N30", "© &copyright", "", "N30Click"),
    cmd("S35", "® &rechtlich geschützt", "", "S35"),
    cmd("S34", "&Trademark", "", "S34"),
    cmd("S18", "§ &Paragraph", "", "S18"),
    cmd("S14", "Bin&destrich", "", "S14"),
    cmd("S15", "&Gedankenstrich", "", "S15"),
    cmd("S7", "» Anführungz. &1", "", "S7"),
    cmd("S8", "« Anführungz. &2", "", "S8"),
    Sep,
    {R::Item, "WeitereSonderzeichen1", "Weitere Sonderzeichen...", "",
     "Öffnet das Fenster für weitere Sonderzeichen", &C::WeitereSonderzeichen1Click},
    End,
    Sep,
    sub("Frames1", "Fra&mes"),
    // "&Frameset..." and "F&rame..." come before, "&Base target" and "&Target" after.
    cmd("Noframe1", "&Noframe", "Ctrl+F10", "Noframe1Click"),
    End,
    Sep,
    // "M&ultimedia" and a separator.
    sub("Netscape1", "&Netscape"),
    cmd("blinkend1", "&blinkend", "", "blinkend1Click"),
    End,
    sub("Microsoft1", "Mi&crosoft"),
    cmd("Marquee1", "&Marquee", "", "Marquee1Click", "Fügt einen Lauftext ein (nur MSIE)"),
    End,
    Sep,
    cmd("Farbwert1", "Hexadezimaler Farb&wert einf.", "", "Farbwert1Click",
        "Fügt einen Hexadezimalen Farbwert ein."),
    // A separator and "Inline Image" close the menu.
};

const ChildRow helferRows[] = {
    // The signature items and a separator come first, a separator and "&Zeit" last. Alt+F12
    // stays with the glossary's "De&finition", which comes first in the menu bar.
    cmd("MetaInformationen", "&Meta Informationen", "", "MetaInformationenClick",
        "Fügt einen Block von Meta Informationen ein"),
};

const ChildMenu menus[] = {
    {"MDIBearbeiten", "&Bearbeiten", 2, editRows},
    {"MDIOptionen", "&Optionen", 3, optionRows},
    {"MDITags", "&Tags", 4, tagRows},
    {"MDIHelfer", "He&lfer", 6, helferRows},
};

// The context menu shows its twins' shortcuts; the menu-bar items (and the frame's File menu for
// Ctrl+S) own the keys.
const ChildRow popUpRows[] = {
    {R::Item, "Rckgngig1", "&Rückgängig", "Alt+Backspace", "Letzte Eingabe rückgängig",
     &C::Rckgngig2Click, Shown},
    {R::Item, "Wiederherstellen2", "&Wiederherstellen", "Alt+Shift+Backspace",
     "Letzte rückgängig gemachte Eingabe wiederherstellen", &C::Wiederherstellen1Click, Shown},
    Sep,
    {R::Item, "Ausschneiden1", "&Ausschneiden", "Ctrl+X", "Auswahl ausschneiden", &C::Cut1Click,
     Shown},
    {R::Item, "Kopieren1", "&Kopieren", "Ctrl+C", "Auswahl kopieren", &C::Copy1Click, Shown},
    {R::Item, "Einfgen1", "&Einfügen", "Ctrl+V", "Aus der Zwischenablage einfügen", &C::Paste1Click,
     Shown},
    {R::Item, "Lschen1", "Lösc&hen", "Ctrl+Del", "Auswahl löschen", &C::Delete1Click, Shown},
    {R::Item, "Allesauswhlen1", "Alles aus&wählen", "", "Alles auswählen", &C::SelectAll1Click},
    Sep,
    {R::Item, "Suchen1", "&Suchen...", "F2", "Nach Zeichenfolge suchen", &C::Suchen2Click, Shown},
    {R::Item, "Weitersuchen1", "&Weitersuchen...", "F3", "Weitersuchen", &C::FindNext1Click,
     Shown | MenuFlag::Disabled},
    {R::Item, "Ersetzen1", "Erse&tzen...", "F4", "Zeichenfolge durch neue Zeichenfolge ersetzen",
     &C::Ersetzen2Click, Shown},
    Sep,
    cmd("Zeilenumbruchweichbr1", "&Zeilenumbruch weich <br>", "Ctrl+U", "Zeilenumbruch1Click", "",
        Shown),
    cmd("neuerAbsatzp1", "&neuer Absatz <p>", "Ctrl+P", "NeuerAbsatz1Click", "", Shown),
    sub("TextausrichtungAbsatz1", "Te&xtausrichtung (Absatz)"),
    cmd("Links1", "&Links", "Ctrl+L", "Alignleft1Click", "", Shown),
    cmd("Zentriert1", "&Zentriert", "Ctrl+Z", "Aligncenter1Click", "", Shown),
    cmd("Rechts1", "&Rechts", "Ctrl+R", "Ausrichtungrechts1Click", "", Shown),
    End,
    Sep,
    cmd("hr1", "<&hr>", "Ctrl+T", "Trennlinie1Click", "", Shown),
    cmd("WeitereTrennlinien1", "Weitere Trennlinien ", "Ctrl+Shift+T", "WeitereTrennlinien2Click",
        "Ruft den Dialog für weitere Trennlinien auf", Shown),
    cmd("Kommentar1", "K&ommentar", "Ctrl+K", "Kommentar2Click", "", Shown),
    cmd("amp1", "a&mp", "", "S30"),
    cmd("lt1", "&< lt", "", "S31"),
    cmd("gt1", "&> gt", "", "S32"),
    cmd("quot1", "&\" quot", "", "S33"),
    Sep,
    {R::Item, "Speichern1", "Speichern", "Ctrl+S", "Datei speichern", &C::Save1Click, Shown},
};

} // namespace

std::span<const ChildMenu> childMenus()
{
    return menus;
}

std::span<const ChildRow> memoPopUpRows()
{
    return popUpRows;
}
