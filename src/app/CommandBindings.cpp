// Binds the names of the document window's commands to the modules that implement them.
//
// Adding a dialog command:
//  1. In its module (src/generators/X.cpp), a builder function that turns a struct of values into
//     markup, the command `void NameClick(TMDIChild&)` that shows the dialog and inserts, and a
//     table `std::span<const DocumentCommand> xCommands()` with one {"NameClick", &NameClick}
//     row per command.
//  2. Here: the module's table in moduleTables.
//  3. In src/editor/ChildMenus.cpp: one row whose command is "NameClick" (`cmd(...)`).
//  4. For a frame control that reaches it: one row in forwardSpecs (src/app/FrameTables.cpp)
//     whose document command is "NameClick".
// Basereferenz1Click in src/generators/Meta.cpp is a complete example.
#include "app/CommandBindings.h"

#include "app/Einstellungen.h"
#include "app/HelpWindow.h"
#include "editor/DocumentCommands.h"
#include "generators/Dbutt.h"
#include "generators/Deingab1.h"
#include "generators/Deingabe.h"
#include "generators/Dline.h"
#include "generators/Dlisten.h"
#include "generators/Dtitel.h"
#include "generators/Marquee.h"
#include "generators/Meta.h"
#include "generators/Tabelle.h"
#include "generators/Signatur.h"
#include "generators/Text1.h"
#include "generators/Text2.h"
#include "generators/Zieladr.h"
#include "references/Background.h"
#include "references/BgrMusic.h"
#include "references/Dbilder.h"
#include "references/Dialog.h"
#include "references/Embed.h"
#include "references/Frame.h"
#include "references/Frameset.h"
#include "references/Target.h"
#include "references/UrlListe.h"
#include "widgets/DialogHelp.h"

#include <QPointer>

namespace
{

using CommandTable = std::span<const DocumentCommand> (*)();

const CommandTable moduleTables[] = {
    &dtitelCommands,   &metaCommands,  &marqueeCommands, &zieladrCommands, &deingabeCommands,
    &deingab1Commands, &dbuttCommands, &text1Commands,   &text2Commands,   &dlineCommands,
    &dialogCommands,   &dbilderCommands,
    &tabelleCommands,
    &dlistenCommands,  &signaturCommands,
    &settingsCommands,
    &framesetCommands, &frameCommands, &targetCommands, &backgroundCommands,
    &bgrMusicCommands, &embedCommands, &urlListeCommands,
};

// A modal dialog blocks every other top-level window, so its help opens in a window of its own
// that belongs to the dialog; everywhere else the frame's one help window shows the topic.
void openHelpWindow(QWidget* from, int topic)
{
    QWidget* window = from ? from->window() : nullptr;
    if (window && window->isModal()) {
        auto* help = window->findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (!help)
            help = new THelpWindow(window);
        help->showTopic(topic);
        return;
    }
    showHelpTopic(from, topic);
}

} // namespace

void bindCommands()
{
    static const bool bound = [] {
        for (CommandTable table : moduleTables)
            bindDocumentCommands(table());
        setHelpOpener(&openHelpWindow);
        return true;
    }();
    Q_UNUSED(bound);
}
