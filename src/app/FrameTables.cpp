// The frame's tables: toolbars with their places and switches, top-level menus, toolbar buttons.
#include "app/FrameTables.h"

#include "app/Main.h"

namespace
{

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
    {R::Item, "Reiter1", "&Reiter", "", "Dokumente als Reiter statt als Fenster zeigen",
     &F::Reiter1Click, MenuFlag::Checkable},
    Sep,
    {R::Item, "Vorheriges1", "&Vorheriges", "", "Vorheriges Fenster", &F::Vorheriges1Click},
    {R::Item, "Nchstes1", "N&ächstes", "", "Nächstes Fenster", &F::Nchstes1Click},
};

const FrameRow helpRows[] = {
    {R::Item, "Inhalt1", "&Inhalt", "F1", "Inhalt der Hilfe", &F::Inhalt1Click},
    {R::Item, "Index1", "Inde&x", "", "Stichwörter der Hilfe durchsuchen", &F::Index1Click},
    {R::Item, "EinekleineEinfhrunginHTML1", "Eine &kleine Einführung in HTML", "",
     "Eine kleine Einführung in HTML", &F::EinekleineEinfhrunginHTML1Click},
    {R::Item, "Tastatur1", "&Tastatur", "", "Die Tastenkürzel des Editors", &F::Tastatur1Click},
    {R::Item, "Tipszeigen1", "Tips &zeigen", "", "Zeigt Tips und Tricks", &F::Tipszeigen1Click},
    Sep,
    {R::Item, "Info1", "&Info ...", "", "Programmname und Version", &F::Info1Click},
};

const FrameRow weitereTagsRows[] = {
    {R::Item, "tagszeigen1", "&tags zeigen ", "F11", "Zeigt das Fenster mit den Plugin Tags",
     &F::tagszeigen1Click},
};

const TopMenuSpec topMenus[] = {
    {"Datei1", "&Datei", 0, false, fileRows},
    {"Bearbeiten2", "&Bearbeiten", 2, true},
    {"Optionen1", "&Optionen", 3, true},
    {"Tags1", "&Tags", 4, true},
    {"Weiteretags1", "&Weitere tags", 5, false, weitereTagsRows},
    {"Helfer2", "He&lfer", 6, true},
    // No mnemonic: Alt+S saves under another name, and a key with two owners runs neither.
    {"Tools1", "Tools", 9, false},
    {"Window1", "&Fenster", 9, false, windowRows},
    {"Hilfe1", "&Hilfe", 9, false, helpRows},
};

const ToolButtonSpec toolButtons[] = {
    {10, "SBtnMoreZeichen", "Weitere Sonderzeichen", "", "SZ", &F::SonderZeichenClick, true},
    {1, "SBtnFileNew", "Erstellt eine neue Datei", "document-new", "N", &F::FileNewItemClick,
     false},
    {1, "OpenBtn", "Öffnen|Öffnet eine vorhandene Datei", "document-open", "Ö",
     &F::FileOpenItemClick, false},
    {1, "SaveBtn", "Speichern|Datei speichern", "document-save", "S", &F::FileSaveItemClick, true},
    {1, "SBtnFSaveAs", "Speichern unter|Speichern der Datei als", "document-save-as", "S…",
     &F::FileSaveAsItemClick, true},
    {1, "SBtnFPrint", "Drucken der aktuellen Datei", "document-print", "D", &F::SBtnFPrintClick,
     true},
    {1, "SBtnFPrintSetup", "Drucker einrichten", "document-properties", "DS",
     &F::DruckerSetup1Click, true},
    {1, "SBtnWCascade", "Fenster überlappend", "window-duplicate", "▚", &F::WindowCascadeItemClick,
     true},
    {1, "SBtnWTile", "Fenster nebeneinander", "view-split-left-right", "◫", &F::WindowTileItemClick,
     true},
    {1, "SBtnWSymbole", "Symbole anordnen", "view-list-icons", "▁", &F::WindowArrangeItemClick,
     true},
    // Themes draw "window-minimize" as the same chevron as find next's "go-down-search".
    {1, "SBtnWFull", "Vollbild", "go-bottom", "⇊", &F::WindowMinimizeItemClick, true},
    {1, "SBtnWPrev", "Vorheriges Fenster", "go-previous", "◀", &F::Vorheriges1Click, true},
    {1, "SBtnWNext", "Nächstes Fenster", "go-next", "▶", &F::Nchstes1Click, true},
    {1, "SBtnHelp", "Hilfe", "help-contents", "?", &F::SBtnHelpClick, false},
    {1, "ExitBtn", "Beenden|Beendet den Editor", "application-exit", "X", &F::FileExitItemClick,
     false},
    {3, "SBtnUndo", "Rückgängig", "edit-undo", "↶", &F::SBtnUndoClick, false},
    {3, "SBtnRedo", "Wiederherstellen", "edit-redo", "↷", &F::SBtnRedoClick, false},
    {3, "SBtnCut", "Auschneiden in die Zwischenablage", "edit-cut", "✂", &F::SBtnCutClick, false},
    {3, "SBtnCopy", "Kopieren in die Zwischenablage", "edit-copy", "❐", &F::SBtnCopyClick, false},
    {3, "SBtnPaste", "Aus der Zwischenablage einfügen", "edit-paste", "⇩", &F::SBtnPasteClick,
     false},
    {3, "SBtnSelectAll", "Alles auswählen", "edit-select-all", "▣", &F::SBtnSelectAllClick, true},
    {3, "SBtnAU", "Automatische Umlaute einschalten/ausschalten", "", "AU", &F::SBtnAUClick, true},
    {3, "SBtnSearch", "nach Text suchen", "edit-find", "⌕", &F::SBtnSearchClick, true},
    {3, "SBtnGoto", "Weitersuchen", "go-down-search", "F3", &F::SBtnGotoClick, false},
    {3, "SBtnReplace", "Text suchen und ersetzen", "edit-find-replace", "↹", &F::SBtnReplaceClick,
     true},
    {3, "SBtnUmb", "Wortumbruch einschalten", "text-wrap", "↵", &F::SBtnUmbClick, true},
    {3, "SBtnBrowser1", "HTML Datei mit Browser 1 testen", "", "B1", &F::SBtnBrowser1Click, false},
    {3, "SBtnBrowser2", "HTML Datei mit Browser 2 testen", "", "B2", &F::SBtnBrowser2Click, false},
    {7, "SBtnURL", "Ruft die URL-Liste auf", "", "URLs", &F::SBtnURLClick, false},
    {9, "SBtnPageCheck", "Seite prüfen|Prüft Markup, lokale Verweise, Anker und Bilder der Seite",
     "", "✔", &F::SBtnPageCheckClick, true},
};

// Buttons and drop-down items that run a named command of the active document (a simple
// command or one bound by app/CommandBindings), in the order they stand on their toolbars and in
// their menus.
const ForwardSpec forwards[] = {
    {2, "", "SBtnALeft", "SBtnALeftClick", "Absatz linksbündig", "⇤", "Alignleft1Click"},
    {2, "", "SBtnACenter", "SBtnACenterClick", "Absatz zentriert", "↔", "Aligncenter1Click"},
    {2, "", "SBtnARight", "SBtnARightClick", "Absatzs rechtsbündig", "⇥",
     "Ausrichtungrechts1Click"},
    {2, "", "SBtnP", "SBtnPClick", "Neuer Absatz", "<p>", "NeuerAbsatz1Click"},
    {2, "", "SBtnBreak", "SBtnBreakClick", "Zeilenumbruch", "<br>", "Zeilenumbruch1Click"},
    {2, "", "SBtnNoBreak", "SBtnNoBreakClick", "Bereich ohne Umbruchmöglichkeit", "nobr",
     "keinZeilenumbruchimBereich1Click"},
    {2, "", "SBtnBreakinNoBreak", "SBtnBreakinNoBreakClick", "Umbruch im Nicht Umbruchbereich",
     "wbr", "ZeilenumbruchNOBRBereich1Click"},
    {2, "", "SBtnTBold", "SBtnTBoldClick", "Text fett", "B", "fett1Click"},
    {2, "", "SBtnTItalic", "SBtnTItalicClick", "Text kursiv", "I", "kursiv1Click"},
    {2, "", "SBtnTUnderline", "SBtnTUnderlineClick", "Text unterstrichen", "U",
     "unterstrichen1Click"},
    {2, "", "SBtnFont", "SBtnFontClick", "Alle Schrifteinstellungen", "Aa",
     "AlleSchrifteinstellungen1Click"},
    {2, "", "SBtnTColor", "SBtnTColorClick", "Schriftfarbe", "A#", "Schriftfarbe1Click"},
    {2, "", "SBtnTPre", "SBtnTPreClick", "Text Präformatiert", "pre", "PrformatierterText1Click"},

    {0, "PopupMenuText", "test1", "test1Click", "strong", "", "wichtig1Click"},
    {0, "PopupMenuText", "em1", "em1Click", "em", "", "emphatisch1Click"},
    {0, "PopupMenuText", "cite1", "cite1Click", "cite", "", "Zitat2Click"},
    {0, "PopupMenuText", "var1", "var1Click", "var", "", "Variable1Click"},
    {0, "PopupMenuText", "kbd1", "kbd1Click", "kbd", "", "Terminal1Click"},
    {0, "PopupMenuText", "samp1", "samp1Click", "samp", "", "Beispiel1Click"},
    {0, "PopupMenuText", "dfn1", "dfn1Click", "dfn", "", "Definition2Click"},
    {0, "PopupMenuText", "code1", "code1Click", "code", "", "Quellcode1Click"},
    {0, "PopupMenuText", "s1", "s1Click", "s", "", "durchgestrichenstrike1Click"},
    {0, "PopupMenuText", "strike1", "strike1Click", "strike", "", "durchgestrichen1Click"},
    {0, "PopupMenuText", "big1", "big1Click", "big", "", "groeSchrift1Click"},
    {0, "PopupMenuText", "small1", "small1Click", "small", "", "kleineSchrift1Click"},
    {0, "PopupMenuText", "sub1", "sub1Click", "sub", "", "tiefgestellt1Click"},
    {0, "PopupMenuText", "sup1", "sup1Click", "sup", "", "hochgestellt1Click"},
    {0, "PopupMenuText", "tt1", "tt1Click", "tt", "", "dicktengleich1Click"},
    {0, "PopupMenuText", "abbre1", "abbre1Click", "abbre.", "", "Abkrzung1Click"},
    {0, "PopupMenuText", "acron1", "acron1Click", "acron.", "", "Akronyme1Click"},
    {0, "PopupMenuText", "del1", "del1Click", "del", "", "Delete3Click"},
    {0, "PopupMenuText", "ins1", "ins1Click", "ins", "", "Insert1Click"},
    {0, "PopupMenuText", "lang1", "lang1Click", "lang", "", "Language1Click"},
    {0, "PopupMenuText", "pers1", "pers1Click", "pers.", "", "Personenname1Click"},
    {0, "PopupMenuText", "q1", "q1Click", "q", "", "Kurzzitat1Click"},
    {0, "PopupMenuText", "Zitat1", "Zitat1Click", "Zitat", "", "Zitat1Click"},

    {0, "PopupMenu1", "Trenlinie1", "Trenlinie1Click", "&Trennlinie", "", "Trennlinie1Click"},
    {0, "PopupMenu1", "noshade1", "noshade1Click", "&noshade", "", "TrennlinieNoShade"},
    {0, "PopupMenu1", "size1", "size1Click", "&size", "", "HRSizeClick",
     "Trennlinie mit Size Eistellung"},
    {0, "PopupMenu1", "Weitere1", "Weitere1Click", "&Weitere...", "", "WeitereTrennlinien2Click"},

    {4, "", "SBtnWWW", "SBtnWWWClick", "WWW Seiten Grundgerüst", "www", "Grundgersteinfgen1Click"},
    {4, "", "SBtnForm", "SBtnFormClick", "Formulare Grundgerüst", "form",
     "Grundgerstformulareinfgen1Click"},
    {4, "", "SBtnBgcolor", "SBtnBgcolorClick", "Hintergrundfarbe Schnelleinstellung!", "bg",
     "Hintergrundfarbe1Click"},
    {4, "", "SBtnBgscr", "SBtnBgscrClick", "Hintergrundeinstellungen", "bg…",
     "Hintergrundbild2Click"},
    {4, "", "SBtnBgMusic", "SBtnBgMusicClick", "Hintergrundmusik", "♫", "Hintergrundmusik1Click"},

    {5, "", "SBtnListNum", "SBtnListNumClick", "Liste nummeriert", "1.", "Listenummeriert1Click"},
    {5, "", "SBtnListAlpha1", "SBtnListAlpha1Click", "Listen mit Buchstaben groß", "A.",
     "ListenmitBuchstabengro1Click"},
    {5, "", "SBtnListAlpha2", "SBtnListAlpha2Click", "Liste Buchstaben klein", "a.",
     "ListeBuchstabenklein1Click"},
    {5, "", "SBtnListRoma1", "SBtnListRoma1Click", "Liste Römische Zahlen groß", "I.",
     "ListeRmischeZahlengro1Click"},
    {5, "", "SBtnListRoma2", "SBtnListRoma2Click", "Liste Römische Zahlen klein", "i.",
     "ListeRmischeZahlenklein1Click"},
    {5, "", "SBtnBullListRect", "SBtnBullListRectClick", "Bulletliste Rechteckig", "▪",
     "BulletlisteRechteckig1Click"},
    {5, "", "SBtnBulListCirc", "SBtnBulListCircClick", "Bulletliste Rund", "•",
     "BulletlisteRund1Click"},
    {5, "", "SBtnDirList", "SBtnDirListClick", "Directory Liste", "dir", "DirectoryListe1Click"},
    {5, "", "SBtnListItem", "SBtnListItemClick", "List Item", "<li>", "ListItem1Click"},
    {5, "", "SBtnTable", "SBtnTableClick", "Tabelle", "▦", "Tabelle1Click"},

    {6, "", "SBtnAuswahl", "SBtnAuswahlClick", "Auswahlliste", "▾", "Auswahlliste1Click"},
    {6, "", "SBtnMEingabe", "SBtnMEingabeClick", "Mehrzeiliges Eingabefeld ", "▤",
     "MehrzeiligesEingabefeld1Click"},
    {6, "", "SBtnEdit", "SBtnEditClick", "Einzeiliges Eingabefeld", "▭", "Eingabefelder1Click"},
    {6, "", "SBtnRadio", "SBtnRadioClick", "Radiobutton", "◉", "N25Click"},
    {6, "", "SBtnCheck", "SBtnCheckClick", "Checkbutton", "☑", "Checkbutton1Click"},
    {6, "", "SBtnBtn", "SBtnBtnClick", "Ausführungsbutton", "OK", "Ausfhrungsbutton1Click"},

    // The anchor buttons' hints stand as the menu-state table gives them; "URLs" follows.
    {7, "", "SBtnMail", "SBtnMailClick", "Mailadresse", "@", "EMailAdresse1Click"},
    {7, "", "SBtnLink", "SBtnLinkClick", "Verweis zu anderen Dateien.", "href",
     "VerweiszuanderenDateien1Click"},
    {7, "", "SBtnAnker", "SBtnAnkerClick", "Anker setzen", "#a", "GoAnkerClick"},
    {7, "", "SBtnAnkerSet", "SBtnAnkerSetClick", "Verweis zum Anker", "⚓", "SetAnkerClick"},

    {9, "", "SBtnBlink", "SBtnBlinkClick", "Blinkender Text", "blink", "blinkend1Click"},
    {9, "", "SBtnCenter", "SBtnCenterClick", "Alle Elemente zentrieren", "ctr",
     "Elementezentrieren1Click"},
    {9, "", "SBtnKommentar", "SBtnKommentarClick", "Kommentar", "<!>", "Kommentar2Click"},
    {9, "", "SBtnHexColor", "SBtnHexColorClick", "Fügt einen Hexadezimalen Farbwert ein.", "#",
     "Farbwert1Click"},
    {9, "", "SBtnInlineImage", "SBtnInlineImageClick", "Inline Image", "img", "Inlineimage1Click"},

    {10, "", "SBtnBindestich", "SBtnBindestichClick", "Bindestrich", "–", "S14"},
    {10, "", "SBtnGedankenstrich", "SBtnGedankenstrichClick", "Gedankenstrich", "—", "S15"},
    {10, "", "SBtnSpaceYes", "SBtnSpaceYesClick", "erzwungenes Leerzeichen", "␣",
     "SBtnSpaceYesClick"},
    {10, "", "SBtnSpaceNoBreak", "SBtnSpaceNoBreakClick", "Leerzeichen ohne Umbruchmöglichkeit",
     "nb", "SBtnSpaceNoBreakClick"},
    {10, "", "SBtnA1", "SBtnA1Click", "Anführungszeichen", "„", "S2"},
    {10, "", "SBtnA2", "SBtnA2Click", "Anführungszeichen", "“", "S3"},
    {10, "", "SBtnA3", "SBtnA3Click", "Anführungszeichen", "»", "S7"},
    {10, "", "SBtnA4", "SBtnA4Click", "Anführungszeichen", "«", "S8"},
    {10, "", "SBtnParagraph", "SBtnParagraphClick", "Paragraph", "§", "S18"},
    {10, "", "SBtnAmp", "SBtnAmpClick", "Kaufmanns und", "&", "S30"},
    {10, "", "SBtnKleiner", "SBtnKleinerClick", "Kleiner als ...", "<", "S31"},
    {10, "", "SBtnGroesser", "SBtnGroesserClick", "Größer als ...", ">", "S32"},
    {10, "", "SBtnPlusMinus", "SBtnPlusMinusClick", "Plus minus", "±", "S29"},
    {10, "", "SBtnGeteilt", "SBtnGeteiltClick", "Geteilt", "÷", "S27"},
    {10, "", "SBtnMal", "SBtnMalClick", "Mal", "×", "S28"},
    {10, "", "SBtnPunktPP", "SBtnPunktPPClick", "Weiterführungspunkte", "…", "S9"},
    {10, "", "SBtnCopyright", "SBtnCopyrightClick", "Copyright", "©", "N30Click"},
};

const DropDownSpec dropDowns[] = {
    {2, "SBtnFontSize", "Fontgröße|Wählen Sie hier die Schriftgröße!", "±A", "PopupMenuFontSize"},
    {2, "PopUpBtnMoreText", "Weitere Textfunktionen", "»T", "PopupMenuText"},
    {8, "SBtnHeader", "Überschriften", "H", "PopupMenuHeader"},
    {9, "SBtnHR", "Trennlinien", "hr", "PopupMenu1"},
};

// Theme icons of the forwarding and drop-down buttons that stand for standard actions; the
// others show their glyphs.
const ButtonIcon buttonIcons[] = {
    {"SBtnALeft", "format-justify-left"},      {"SBtnACenter", "format-justify-center"},
    {"SBtnARight", "format-justify-right"},    {"SBtnTBold", "format-text-bold"},
    {"SBtnTItalic", "format-text-italic"},     {"SBtnTUnderline", "format-text-underline"},
    {"SBtnFont", "preferences-desktop-font"},  {"SBtnTColor", "format-text-color"},
    {"SBtnFontSize", "format-font-size-more"}, {"SBtnListItem", "format-list-unordered"},
    {"SBtnKommentar", "edit-comment"},         {"SBtnHexColor", "color-picker"},
    {"SBtnHR", "insert-horizontal-rule"},
};

} // namespace

QString buttonThemeIcon(const QString& name)
{
    for (const ButtonIcon& row : buttonIcons)
        if (name == QLatin1String(row.name))
            return QString::fromLatin1(row.themeIcon);
    return {};
}

std::span<const ForwardSpec> forwardSpecs()
{
    return forwards;
}

std::span<const DropDownSpec> dropDownSpecs()
{
    return dropDowns;
}

std::span<const ToolBarSpec> toolBarSpecs()
{
    return toolBars;
}

std::span<const int> switchMenuOrder()
{
    return switchOrder;
}

std::span<const TopMenuSpec> topMenuSpecs()
{
    return topMenus;
}

std::span<const ToolButtonSpec> toolButtonSpecs()
{
    return toolButtons;
}
