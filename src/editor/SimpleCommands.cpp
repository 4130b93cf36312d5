// The document window's simple commands: fixed tags, tag pairs and character entities.
#include "editor/SimpleCommands.h"

#include <QLatin1StringView>

namespace
{

constexpr auto W = SimpleCommand::Wrap;
constexpr auto I = SimpleCommand::Insert;

const SimpleCommand commands[] = {
    {"Alignleft1Click", W, "<p align=\"left\">", "</p>"},
    {"Aligncenter1Click", W, "<p align=\"center\">", "</p>"},
    {"Ausrichtungrechts1Click", W, "<p align=\"right\">", "</p>"},
    {"NeuerAbsatz1Click", I, "<p>", ""},
    {"Zeilenumbruch1Click", I, "<br>", ""},
    {"keinZeilenumbruchimBereich1Click", W, "<nobr>", "</nobr>"},
    {"ZeilenumbruchNOBRBereich1Click", I, "<wbr>", ""},
    {"Elementezentrieren1Click", W, "<center>", "</center>"},
    {"PrformatierterText1Click", W, "<pre>", "</pre>"},
    {"InternetAdresse1Click", W, "<address>", "</address>"},
    {"Zitat1Click", W, "<blockquote>", "</blockquote>"},
    {"Kommentar2Click", W, "<!-- ", " -->"},
    {"Trennlinie1Click", I, "<hr>", ""},
    {"TrennlinieNoShade", I, "<hr noshade>", ""},
    {"fett1Click", W, "<b>", "</b>"},
    {"kursiv1Click", W, "<i>", "</i>"},
    {"unterstrichen1Click", W, "<u>", "</u>"},
    {"durchgestrichenstrike1Click", W, "<s>", "</s>"},
    {"durchgestrichen1Click", W, "<strike>", "</strike>"},
    {"groeSchrift1Click", W, "<big>", "</big>"},
    {"kleineSchrift1Click", W, "<small>", "</small>"},
    {"tiefgestellt1Click", W, "<sub>", "</sub>"},
    {"hochgestellt1Click", W, "<sup>", "</sup>"},
    {"dicktengleich1Click", W, "<tt>", "</tt>"},
    {"wichtig1Click", W, "<strong>", "</strong>"},
    {"emphatisch1Click", W, "<em>", "</em>"},
    {"Zitat2Click", W, "<cite>", "</cite>"},
    {"Quellcode1Click", W, "<code>", "</code>"},
    {"Terminal1Click", W, "<kbd>", "</kbd>"},
    {"Variable1Click", W, "<var>", "</var>"},
    {"Beispiel1Click", W, "<samp>", "</samp>"},
    {"Definition2Click", W, "<dfn>", "</dfn>"},
    {"Abkrzung1Click", W, "<abbrev>", "</abbrev>"},
    {"Akronyme1Click", W, "<acronym>", "</acronym>"},
    {"Delete3Click", W, "<del>", "</del>"},
    {"Insert1Click", W, "<ins>", "</ins>"},
    {"Kurzzitat1Click", W, "<q>", "</q>"},
    {"Language1Click", W, "<lang>", "</lang>"},
    {"Personenname1Click", W, "<person>", "</person>"},
    {"ListItem1Click", W, "<li>", "</li>"},
    {"GlossarAnfang1Click", I, "<dl>", ""},
    {"zudefinierenderAusdruck1Click", W, "<dt>", "</dt>"},
    {"Definition1Click", W, "<dd>", "</dd>"},
    {"GlossarEnde1Click", I, "</dl>", ""},
    {"Noframe1Click", W, "<noframes>", "</noframes>"},
    {"blinkend1Click", W, "<blink>", "</blink>"},

    {"SBtnSpaceNClick", I, "&ensp;", ""},
    {"SBtnSpaceMClick", I, "&emsp;", ""},
    {"SBtnBNClick", I, "&endash;", ""},
    {"SBtnBMClick", I, "&emdash;", ""},
    {"SBtnSpaceYesClick", I, "&#160;", ""},
    {"SBtnSpaceNoBreakClick", I, "&nbsp;", ""},
    {"S31", I, "&lt;", ""},
    {"S32", I, "&gt;", ""},
    {"S33", I, "&quot;", ""},
    {"S30", I, "&amp;", ""},
    {"N30Click", I, "&copy;", ""},
    {"S35", I, "&reg;", ""},
    {"S34", I, "&#153;", ""},
    {"S18", I, "&#167;", ""},
    {"S14", I, "&#150;", ""},
    {"S15", I, "&#151;", ""},
    {"S7", I, "&#187;", ""},
    {"S8", I, "&#171;", ""},
    {"S2", I, "&#132;", ""},
    {"S3", I, "&#147;", ""},
    {"S9", I, "&#133;", ""},
    {"S27", I, "&#247;", ""},
    {"S28", I, "&#215;", ""},
    {"S29", I, "&#177;", ""},
};

} // namespace

std::span<const SimpleCommand> simpleCommands()
{
    return commands;
}

const SimpleCommand* findSimpleCommand(QStringView handler)
{
    for (const SimpleCommand& command : commands)
        if (handler == QLatin1StringView(command.handler))
            return &command;
    return nullptr;
}
