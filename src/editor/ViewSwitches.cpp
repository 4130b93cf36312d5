// ViewSwitches: the document windows' colour and line-number switches, kept in the settings store.
#include "editor/ViewSwitches.h"

#include "core/SettingsStore.h"

namespace
{

const QString section = QStringLiteral("Optionen");
const QString coloursName = QStringLiteral("SyntaxColors");
const QString numbersName = QStringLiteral("LineNumbers");

} // namespace

ViewSwitches& ViewSwitches::instance()
{
    static ViewSwitches switches;
    return switches;
}

bool ViewSwitches::syntaxColours()
{
    // A garbled value keeps the designed state.
    return SettingsStore().readBoolOption(section, coloursName, true, true);
}

bool ViewSwitches::lineNumbers()
{
    return SettingsStore().readBoolOption(section, numbersName, false, false);
}

void ViewSwitches::setSyntaxColours(bool on)
{
    SettingsStore().writeBool(section, coloursName, on);
    emit changed();
}

void ViewSwitches::setLineNumbers(bool on)
{
    SettingsStore().writeBool(section, numbersName, on);
    emit changed();
}
