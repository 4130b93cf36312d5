// Binds the names of the document window's commands to the modules that implement them.
//
// Adding a dialog command:
//  1. In its module (src/generators/X.cpp), a builder function that turns a struct of values into
//     markup, the command `void NameClick(TMDIChild&)` that shows the dialog and inserts, and a
//     table `std::span<const DocumentCommand> xCommands()` with one {"NameClick", &NameClick}
//     row per command.
//  2. Here: the module's table in moduleTables.
//  3. In src/editor/DocumentMenus.cpp: one row whose command is "NameClick" (`cmd(...)`).
//  4. For a frame control that reaches it: one row in forwardSpecs (src/app/FrameTables.cpp)
//     whose document command is "NameClick".
// Basereferenz1Click in src/generators/MetaInformation.cpp is a complete example.
#include "app/CommandBindings.h"

#include "app/HelpWindow.h"
#include "app/SettingsDialog.h"
#include "editor/DocumentCommands.h"
#include "generators/AllFontSettingsDialog.h"
#include "generators/FontCommands.h"
#include "generators/FormButtonDialog.h"
#include "generators/FormFieldDialog.h"
#include "generators/FormFrameDialog.h"
#include "generators/FormSwitchDialog.h"
#include "generators/ListDialog.h"
#include "generators/Marquee.h"
#include "generators/MetaInformation.h"
#include "generators/PageSkeleton.h"
#include "generators/RuleDialog.h"
#include "generators/Signatures.h"
#include "generators/TableDialog.h"
#include "references/Background.h"
#include "references/BackgroundMusic.h"
#include "references/EmbedDialog.h"
#include "references/FrameDialog.h"
#include "references/FramesetDialog.h"
#include "references/InlineImageDialog.h"
#include "references/LinkDialog.h"
#include "references/TargetDialog.h"
#include "references/UrlListWindow.h"
#include "widgets/DialogHelp.h"

#include <QPointer>

namespace
{

using CommandTable = std::span<const DocumentCommand> (*)();

const CommandTable moduleTables[] = {
    &dtitelCommands,   &metaCommands,     &marqueeCommands,  &zieladrCommands, &deingabeCommands,
    &deingab1Commands, &dbuttCommands,    &text1Commands,    &text2Commands,   &dlineCommands,
    &dialogCommands,   &dbilderCommands,  &tabelleCommands,  &dlistenCommands, &signaturCommands,
    &settingsCommands, &framesetCommands, &frameCommands,    &targetCommands,  &backgroundCommands,
    &bgrMusicCommands, &embedCommands,    &urlListeCommands,
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
