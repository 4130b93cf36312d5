// ViewSwitches: the document windows' colour, line-number and spelling switches, kept in the
// settings store.
#include "editor/ViewSwitches.h"

#include "core/SettingsStore.h"

namespace
{

const QString section = QStringLiteral("Optionen");
const QString coloursName = QStringLiteral("SyntaxColors");
const QString numbersName = QStringLiteral("LineNumbers");
const QString spellingName = QStringLiteral("SpellCheck");
const QString languageName = QStringLiteral("SpellLanguage");

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

bool ViewSwitches::spelling()
{
    return SettingsStore().readBoolOption(section, spellingName, true, true);
}

QString ViewSwitches::spellLanguage()
{
    const QString language = SettingsStore().readString(section, languageName, QString()).trimmed();
    return language.isEmpty() ? QStringLiteral("de_DE") : language;
}

void ViewSwitches::setSpelling(bool on)
{
    SettingsStore().writeBool(section, spellingName, on);
    emit changed();
}

void ViewSwitches::setSpellLanguage(const QString& language)
{
    SettingsStore().writeString(section, languageName, language);
    emit changed();
}
