// The colour schemes of the background dialog in the settings store, below "BackPicture".
#include "references/ColorSchemes.h"

#include "core/ColorText.h"
#include "core/SettingsStore.h"

namespace
{

const QString Section = QStringLiteral("BackPicture");
const QString SCount = QStringLiteral("SCount");
const char* const ValueNames[] = {"Background", "Text", "Link", "VLink", "ALink"};

QString nameKey(int index)
{
    return QStringLiteral("SName") + QString::number(index);
}

// Highest stored index, -1 for none; a garbled or huge count reads no more than the store allows.
int lastIndex(const SettingsStore& store)
{
    return store.readListSize(Section, SCount, SettingsStore::CountForm::HighestIndex) - 1;
}

// Rewrites the listed names that keep() accepts as "SName" 0, 1, 2 ... in their order and returns
// them; "SCount" is left to the caller.
template <class Keep> QStringList closeUp(SettingsStore& store, Keep keep)
{
    const int last = lastIndex(store);
    QStringList kept;
    for (int i = 0; i <= last; ++i) {
        if (!store.hasValue(Section, nameKey(i)))
            continue;
        const QString stored = store.readString(Section, nameKey(i), QString());
        store.deleteValue(Section, nameKey(i));
        if (keep(stored))
            kept.append(stored);
    }
    for (int i = 0; i < kept.size(); ++i)
        store.writeString(Section, nameKey(i), kept.at(i));
    return kept;
}

} // namespace

namespace SchemaStore
{

Colors defaultColors()
{
    constexpr std::uint32_t window = ColorText::SystemColorBase + 5;
    constexpr std::uint32_t windowText = ColorText::SystemColorBase + 8;
    return {window, windowText, windowText, windowText, windowText};
}

QStringList names()
{
    const SettingsStore store;
    QStringList list;
    for (int i = 0, last = lastIndex(store); i <= last; ++i) {
        if (!store.hasValue(Section, nameKey(i)))
            continue;
        // Names that differ only in case share one subkey: the first spelling stands for it.
        const QString name = store.readString(Section, nameKey(i), QString());
        if (!list.contains(name, Qt::CaseInsensitive))
            list.append(name);
    }
    return list;
}

Colors read(const QString& name)
{
    const SettingsStore schemes(SettingsStore::Key::Settings, Section);
    Colors colors = defaultColors();
    for (std::size_t i = 0; i < colors.size(); ++i)
        if (const auto c = schemes.readColor(name, QLatin1String(ValueNames[i]));
            c && *c != ColorText::None)
            colors[i] = *c;
    return colors;
}

void write(const QString& name, const Colors& colors)
{
    SettingsStore schemes(SettingsStore::Key::Settings, Section);
    for (std::size_t i = 0; i < colors.size(); ++i)
        schemes.writeColor(name, QLatin1String(ValueNames[i]), colors[i]);
}

void addName(const QString& name)
{
    SettingsStore store;
    int count = lastIndex(store) + 1;
    if (count >= SettingsStore::MaxListEntries) {
        // "SCount" at the bound may be garbled, with few names below it: close the listed names
        // up from 0 first. A list really full of names lets its oldest scheme go.
        QStringList kept = closeUp(store, [](const QString&) { return true; });
        if (kept.size() >= SettingsStore::MaxListEntries) {
            const QString oldest = kept.takeFirst();
            // The scheme's colours stay while another spelling still lists them, or when they
            // are the ones just saved under this name.
            if (!kept.contains(oldest, Qt::CaseInsensitive) &&
                oldest.compare(name, Qt::CaseInsensitive) != 0) {
                SettingsStore schemes(SettingsStore::Key::Settings, Section);
                schemes.deleteSection(oldest);
            }
            // The new name takes the last index below.
            for (int i = 0; i < kept.size(); ++i)
                store.writeString(Section, nameKey(i), kept.at(i));
        }
        count = int(kept.size());
    }
    store.writeInteger(Section, SCount, count);
    store.writeString(Section, nameKey(count), name);
}

void remove(const QString& name)
{
    {
        SettingsStore schemes(SettingsStore::Key::Settings, Section);
        schemes.deleteSection(name);
    }
    SettingsStore store;
    const QStringList kept = closeUp(store, [&name](const QString& stored) {
        return stored.compare(name, Qt::CaseInsensitive) != 0;
    });
    store.writeInteger(Section, SCount, int(kept.size()) - 1);
}

} // namespace SchemaStore
