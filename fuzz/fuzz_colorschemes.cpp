// Fuzz target of the colour schemes against a store holding any values: the names list reads
// within its bound, a saved scheme is listed afterwards with its colours, the schemes listed
// before keep their places and colours, and a deleted scheme is gone.
#include "FuzzSupport.h"
#include "StoreInput.h"

#include "core/ColorText.h"
#include "references/ColorSchemes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>

namespace
{

const QString Section = QStringLiteral("BackPicture");

// Sections other than "BackPicture" are scheme subkeys below it. Its own values go in first, so
// that the subkeys land below the spelling the input gave it.
void fill(const StoreInput& input)
{
    {
        SettingsStore store;
        for (const StoreInput::Value& v : input.values)
            if (v.section.compare(Section, Qt::CaseInsensitive) == 0)
                store.writeString(v.section, v.name, v.value);
    }
    SettingsStore schemes(SettingsStore::Key::Settings, Section);
    for (const StoreInput::Value& v : input.values)
        if (v.section.compare(Section, Qt::CaseInsensitive) != 0)
            schemes.writeString(v.section, v.name, v.value);
}

// How many "SName" values the names list reads from, duplicates included.
int storedNames()
{
    const SettingsStore store;
    const int entries = store.readListSize(Section, QStringLiteral("SCount"),
                                           SettingsStore::CountForm::HighestIndex);
    int present = 0;
    for (int i = 0; i < entries; ++i)
        present += store.hasValue(Section, QStringLiteral("SName") + QString::number(i));
    return present;
}

QString shownList(const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names.mid(0, 20))
        shown << visible(name, 40);
    return shown.join(QStringLiteral(", ")) +
           (names.size() > 20 ? QStringLiteral(", ...") : QString());
}

void compareNames(const char* rule, const QStringList& actual, const QStringList& expected)
{
    if (actual != expected)
        fuzzFailure(
            rule,
            QStringLiteral("listed: %1\nexpected: %2").arg(shownList(actual), shownList(expected)));
}

QString colourList(const SchemaStore::Colors& colors)
{
    QStringList texts;
    for (const std::uint32_t c : colors)
        texts << ColorText::toText(c);
    return texts.join(u' ');
}

void compareColours(const char* rule, const QString& name, const SchemaStore::Colors& expected)
{
    const SchemaStore::Colors actual = SchemaStore::read(name);
    if (actual != expected)
        fuzzFailure(rule, QStringLiteral("scheme '%1': %2 instead of %3")
                              .arg(visible(name), colourList(actual), colourList(expected)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startQtApplication<QCoreApplication>();
    useEmptyStore();
    const StoreInput input =
        parseStoreInput(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), Section);
    fill(input);

    const QStringList before = SchemaStore::names();
    if (before.size() > SettingsStore::MaxListEntries)
        fuzzFailure("more schemes listed than the list bound", QString::number(before.size()));
    for (qsizetype i = 0; i < before.size(); ++i)
        for (qsizetype k = 0; k < i; ++k)
            if (before.at(i).compare(before.at(k), Qt::CaseInsensitive) == 0)
                fuzzFailure("a scheme is listed twice", visible(before.at(i)));
    QList<SchemaStore::Colors> colours;
    for (const QString& name : before)
        colours.append(SchemaStore::read(name));
    const bool full = storedNames() >= SettingsStore::MaxListEntries;

    // Saved as the background dialog does: an empty name is refused there, a listed one (in any
    // case) is replaced under its listed spelling, a new one is written and then named.
    const QString typed = input.texts.value(0);
    const QString name = typed.isEmpty() ? QStringLiteral("Neu") : typed;
    SchemaStore::Colors saved = SchemaStore::defaultColors();
    for (std::size_t i = 0; i < saved.size(); ++i)
        if (const auto c = ColorText::fromText(input.texts.value(qsizetype(i) + 1)))
            saved[i] = *c;
    SchemaStore::Colors savedRead = saved;
    for (std::size_t i = 0; i < saved.size(); ++i)
        if (saved[i] == ColorText::None)
            savedRead[i] = SchemaStore::defaultColors()[i];

    qsizetype listed = -1;
    for (qsizetype i = 0; i < before.size() && listed < 0; ++i)
        if (before.at(i).compare(name, Qt::CaseInsensitive) == 0)
            listed = i;
    const QString spelling = listed >= 0 ? before.at(listed) : name;
    SchemaStore::write(spelling, saved);
    if (listed < 0)
        SchemaStore::addName(name);

    const QStringList after = SchemaStore::names();
    QStringList expected = before;
    if (listed < 0) {
        if (full)
            expected.removeFirst();
        expected.append(name);
    }
    if (listed < 0 && full) {
        // The oldest name goes, and with it maybe its place among later spellings: only what is
        // certain is checked.
        if (after.size() > SettingsStore::MaxListEntries || after.isEmpty() || after.back() != name)
            compareNames("a saved scheme is not listed last", after, expected);
    } else {
        compareNames(listed < 0 ? "a saved scheme is not listed, or a listed one is lost"
                                : "replacing a scheme changed the list",
                     after, expected);
    }
    compareColours("a saved scheme does not read back its colours", spelling, savedRead);
    for (qsizetype i = 0; i < before.size(); ++i)
        if (i != listed && after.contains(before.at(i)))
            compareColours("saving a scheme changed another one's colours", before.at(i),
                           colours.at(i));

    SchemaStore::remove(spelling);
    QStringList left;
    for (const QString& n : after)
        if (n.compare(spelling, Qt::CaseInsensitive) != 0)
            left.append(n);
    compareNames("deleting a scheme changed the other names", SchemaStore::names(), left);
    compareColours("a deleted scheme keeps its colours", spelling, SchemaStore::defaultColors());
    return 0;
}
