// Per-user settings store over QSettings: escaped, case-insensitive names and typed text values.
#include "core/SettingsStore.h"

#include "core/ColorText.h"

#include <QHash>
#include <QSettings>
#include <QVariant>
#include <algorithm>
#include <limits>
#include <memory>

namespace
{

QString g_iniPath;
// Bumped by every change made through any open store, so each instance knows when the names it
// has looked up may be stale (several instances can be open at once within one event).
std::uint64_t g_generation = 0;

const QChar EscapeChar = u'%';

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// QSettings splits keys at "/" (and the registry at "\"), so both become %XX in stored names.
// An empty name is stored as a lone "%", which escaping never produces otherwise.
QString escapeName(const QString& name)
{
    if (name.isEmpty())
        return QString(EscapeChar);
    QString out;
    out.reserve(name.size() + 4);
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == EscapeChar) {
            out += EscapeChar;
            out += QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        } else {
            out += c;
        }
    }
    return out;
}

// Decodes every %XX, so names written by hand with other escapes still read sensibly; a "%" not
// followed by two hex digits stays as it is.
QString unescapeName(const QString& stored)
{
    if (stored.size() == 1 && stored.front() == EscapeChar)
        return QString();
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored.at(i) == EscapeChar && i + 2 < stored.size()) {
            const int hi = hexValue(stored.at(i + 1));
            const int lo = hexValue(stored.at(i + 2));
            if (hi >= 0 && lo >= 0) {
                out += QChar(char16_t(hi * 16 + lo));
                i += 2;
                continue;
            }
        }
        out += stored.at(i);
    }
    return out;
}

QString fold(const QString& name)
{
    return name.toCaseFolded();
}

// Values are text; a hand-edited INI line "a, b" comes back from QSettings as a string list and
// registry values seeded by other tools may be numbers, so those are turned into text too.
std::optional<QString> variantText(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    if (!v.isValid())
        return std::nullopt;
    QVariant copy = v;
    if (copy.convert(QMetaType::fromType<QString>()))
        return copy.toString();
    return std::nullopt;
}

std::unique_ptr<QSettings> openSettings()
{
    auto create = [] {
        auto s = g_iniPath.isEmpty()
                     ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                   QStringLiteral("Orvanto"),
                                                   QStringLiteral("TessalineL"))
                     : std::make_unique<QSettings>(g_iniPath, QSettings::IniFormat);
        // Only the user's own store counts: deleting a value must make it absent.
        s->setFallbacksEnabled(false);
        return s;
    };
    auto s = create();
    if (s->status() == QSettings::FormatError) {
        qWarning("Settings file %s is damaged; its readable parts are used",
                 qPrintable(s->fileName()));
        // The status sticks to the object and would hide a later write error; a second object
        // shares the parsed file without the flag.
        s = create();
    }
    return s;
}

QString rootGroup(SettingsStore::Key key)
{
    return key == SettingsStore::Key::Settings ? QStringLiteral("Einstellungen")
                                               : QStringLiteral("Toolbars");
}

SettingsError saveError(const QSettings& s)
{
    return SettingsError(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden: %1")
                             .arg(s.fileName())
                             .toStdString());
}

} // namespace

std::optional<int> parseStoreInteger(const QString& text)
{
    if (text.size() > 2 && text.at(0) == u'0' && (text.at(1) == u'x' || text.at(1) == u'X')) {
        // A hexadecimal text is a 32-bit pattern, so "0xFFFFFFFF" is -1.
        if (const auto bits = parseHexDigits(QStringView(text).mid(2)))
            return int(*bits);
        return std::nullopt;
    }
    const bool negative = text.startsWith(u'-');
    const QStringView digits = QStringView(text).mid(negative ? 1 : 0);
    if (digits.isEmpty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::int64_t(1) << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

struct SettingsStore::Impl {
    std::unique_ptr<QSettings> settings;
    QString root; // group path of the open key, without a trailing "/"
    bool writableChecked = false;

    // Stored spellings of the names looked up so far, by case-folded original name. Valid only
    // while cacheGeneration equals g_generation.
    mutable bool cacheFilled = false;
    mutable std::uint64_t cacheGeneration = 0;
    mutable QHash<QString, QString> sectionByName;
    mutable QHash<QString, QHash<QString, QString>> valuesBySection; // by stored section

    QStringList children(const QString& group, bool groups) const
    {
        settings->beginGroup(group);
        QStringList result = groups ? settings->childGroups() : settings->childKeys();
        settings->endGroup();
        return result;
    }

    void refreshIfStale() const
    {
        if (cacheFilled && cacheGeneration == g_generation)
            return;
        sectionByName.clear();
        valuesBySection.clear();
        for (const QString& stored : children(root, true))
            sectionByName.insert(fold(unescapeName(stored)), stored);
        cacheFilled = true;
        cacheGeneration = g_generation;
    }

    // Marks a change whose effect on the names the cache already reflects.
    void changedInCache()
    {
        const bool wasValid = cacheFilled && cacheGeneration == g_generation;
        cacheGeneration = ++g_generation;
        cacheFilled = wasValid;
    }

    std::optional<QString> storedSection(const QString& section) const
    {
        refreshIfStale();
        const auto it = sectionByName.constFind(fold(section));
        if (it == sectionByName.constEnd())
            return std::nullopt;
        return *it;
    }

    QHash<QString, QString>& valuesOf(const QString& storedSection) const
    {
        auto it = valuesBySection.find(storedSection);
        if (it == valuesBySection.end()) {
            QHash<QString, QString> names;
            for (const QString& stored : children(sectionPath(storedSection), false))
                names.insert(fold(unescapeName(stored)), stored);
            it = valuesBySection.insert(storedSection, names);
        }
        return *it;
    }

    QString sectionPath(const QString& storedSection) const { return root + u'/' + storedSection; }

    std::optional<QString> valuePath(const QString& section, const QString& name) const
    {
        const auto stored = storedSection(section);
        if (!stored)
            return std::nullopt;
        const QHash<QString, QString>& names = valuesOf(*stored);
        const auto it = names.constFind(fold(name));
        if (it == names.constEnd())
            return std::nullopt;
        return sectionPath(*stored) + u'/' + *it;
    }

    std::optional<QString> readText(const QString& section, const QString& name) const
    {
        const auto path = valuePath(section, name);
        if (!path)
            return std::nullopt;
        return variantText(settings->value(*path));
    }

    void ensureWritable()
    {
        if (writableChecked)
            return;
        if (!settings->isWritable())
            throw saveError(*settings);
        writableChecked = true;
    }

    void write(const QString& section, const QString& name, const QString& text)
    {
        ensureWritable();
        QString stored;
        if (const auto existing = storedSection(section)) {
            stored = *existing;
        } else {
            stored = escapeName(section);
            sectionByName.insert(fold(section), stored);
            valuesBySection.insert(stored, {});
        }
        QHash<QString, QString>& names = valuesOf(stored);
        QString& key = names[fold(name)];
        if (key.isEmpty())
            key = escapeName(name);
        settings->setValue(sectionPath(stored) + u'/' + key, text);
        changedInCache();
    }

    // QSettings::remove() drops a value together with a group of the same name; sections and
    // values are kept apart here, so the group's contents are put back.
    void removeValueOnly(const QString& path)
    {
        settings->beginGroup(path);
        const QStringList below = settings->allKeys();
        QVariantList kept;
        for (const QString& key : below)
            kept.append(settings->value(key));
        settings->endGroup();
        settings->remove(path);
        for (qsizetype i = 0; i < below.size(); ++i)
            settings->setValue(path + u'/' + below.at(i), kept.at(i));
    }

    void removeGroupOnly(const QString& path)
    {
        std::optional<QVariant> own;
        if (settings->contains(path))
            own = settings->value(path);
        settings->remove(path);
        if (own)
            settings->setValue(path, *own);
    }
};

SettingsStore::SettingsStore(Key key) : d(new Impl)
{
    d->settings = openSettings();
    d->root = rootGroup(key);
}

SettingsStore::SettingsStore(Key key, const QString& parentSection) : SettingsStore(key)
{
    const auto stored = d->storedSection(parentSection);
    d->root = d->sectionPath(stored ? *stored : escapeName(parentSection));
    d->cacheFilled = false;
}

SettingsStore::~SettingsStore()
{
    try {
        sync();
    } catch (const std::exception& e) {
        qWarning("%s", e.what());
    }
    delete d;
}

void SettingsStore::useFile(const QString& iniPath)
{
    g_iniPath = iniPath;
    ++g_generation;
}

bool SettingsStore::hasValue(const QString& section, const QString& name) const
{
    return d->valuePath(section, name).has_value();
}

bool SettingsStore::hasSection(const QString& section) const
{
    return d->storedSection(section).has_value();
}

QStringList SettingsStore::sections() const
{
    QStringList names;
    for (const QString& stored : d->children(d->root, true))
        names.append(unescapeName(stored));
    return names;
}

QStringList SettingsStore::valueNames(const QString& section) const
{
    QStringList names;
    if (const auto stored = d->storedSection(section)) {
        for (const QString& key : d->children(d->sectionPath(*stored), false))
            names.append(unescapeName(key));
    }
    return names;
}

QString SettingsStore::readString(const QString& section, const QString& name,
                                  const QString& def) const
{
    return d->readText(section, name).value_or(def);
}

int SettingsStore::readInteger(const QString& section, const QString& name, int def) const
{
    const auto text = d->readText(section, name);
    if (!text)
        return def;
    return parseStoreInteger(*text).value_or(def);
}

bool SettingsStore::readBool(const QString& section, const QString& name, bool def) const
{
    return readInteger(section, name, def ? 1 : 0) != 0;
}

bool SettingsStore::readBoolOption(const QString& section, const QString& name, bool ifAbsent,
                                   bool ifUnreadable) const
{
    const auto text = d->readText(section, name);
    if (!text)
        return ifAbsent;
    if (const auto value = parseStoreInteger(*text))
        return *value != 0;
    return ifUnreadable;
}

int SettingsStore::readBoundedInteger(const QString& section, const QString& name, int def, int low,
                                      int high) const
{
    const auto text = d->readText(section, name);
    if (!text)
        return def;
    if (const auto value = parseStoreInteger(*text))
        return std::clamp(*value, low, std::max(low, high));
    return def;
}

std::optional<std::uint32_t> SettingsStore::readColor(const QString& section,
                                                      const QString& name) const
{
    const auto text = d->readText(section, name);
    if (!text)
        return std::nullopt;
    return ColorText::fromText(*text);
}

void SettingsStore::writeString(const QString& section, const QString& name, const QString& value)
{
    d->write(section, name, value);
}

void SettingsStore::writeInteger(const QString& section, const QString& name, int value)
{
    d->write(section, name, QString::number(value));
}

void SettingsStore::writeBool(const QString& section, const QString& name, bool value)
{
    d->write(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::writeColor(const QString& section, const QString& name, std::uint32_t value)
{
    d->write(section, name, ColorText::toText(value));
}

void SettingsStore::deleteValue(const QString& section, const QString& name)
{
    const auto stored = d->storedSection(section);
    if (!stored)
        return;
    QHash<QString, QString>& names = d->valuesOf(*stored);
    const auto it = names.find(fold(name));
    if (it == names.end())
        return;
    d->ensureWritable();
    d->removeValueOnly(d->sectionPath(*stored) + u'/' + *it);
    names.erase(it);
    d->changedInCache();
    // The platform may drop a section with its last value (INI files do, the registry does not).
    if (names.isEmpty())
        d->cacheFilled = false;
}

void SettingsStore::renameValue(const QString& section, const QString& oldName,
                                const QString& newName)
{
    const auto stored = d->storedSection(section);
    if (!stored)
        return;
    QHash<QString, QString>& names = d->valuesOf(*stored);
    const auto old = names.constFind(fold(oldName));
    if (old == names.constEnd() || names.contains(fold(newName)))
        return;
    d->ensureWritable();
    const QString oldPath = d->sectionPath(*stored) + u'/' + *old;
    const QString newKey = escapeName(newName);
    // The value moves as stored, whatever it holds.
    const QVariant value = d->settings->value(oldPath);
    d->settings->setValue(d->sectionPath(*stored) + u'/' + newKey, value);
    d->removeValueOnly(oldPath);
    names.erase(old);
    names.insert(fold(newName), newKey);
    d->changedInCache();
}

void SettingsStore::deleteSection(const QString& section)
{
    const auto stored = d->storedSection(section);
    if (!stored)
        return;
    d->ensureWritable();
    d->removeGroupOnly(d->sectionPath(*stored));
    d->sectionByName.remove(fold(section));
    d->valuesBySection.remove(*stored);
    d->changedInCache();
}

int SettingsStore::readListSize(const QString& section, const QString& countName,
                                CountForm form) const
{
    const int count = readInteger(section, countName, -1);
    const qint64 entries = form == CountForm::HighestIndex ? qint64(count) + 1 : qint64(count);
    return int(std::clamp<qint64>(entries, 0, MaxListEntries));
}

QStringList SettingsStore::readList(const QString& section, const QString& field, CountForm form,
                                    const QString& def) const
{
    const int entries = readListSize(section, QStringLiteral("Count"), form);
    QStringList list;
    list.reserve(entries);
    for (int i = 0; i < entries; ++i)
        list.append(readString(section, field + QString::number(i), def));
    return list;
}

void SettingsStore::writeList(const QString& section, const QString& field,
                              const QStringList& entries, CountForm form)
{
    for (qsizetype i = 0; i < entries.size(); ++i)
        writeString(section, field + QString::number(i), entries.at(i));
    const qsizetype count = form == CountForm::HighestIndex ? entries.size() - 1 : entries.size();
    writeInteger(section, QStringLiteral("Count"), int(count));
}

void SettingsStore::sync()
{
    d->settings->sync();
    switch (d->settings->status()) {
    case QSettings::AccessError:
        throw saveError(*d->settings);
    case QSettings::FormatError:
        // Reported when the file on disk was damaged; its readable parts were kept and the
        // pending changes written all the same.
        qWarning("Settings file %s was damaged and has been rewritten",
                 qPrintable(d->settings->fileName()));
        break;
    case QSettings::NoError:
        break;
    }
}

std::optional<std::uint32_t> parseHexDigits(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int h = hexValue(c);
        if (h < 0)
            return std::nullopt;
        value = value * 16 + std::uint64_t(h);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return std::uint32_t(value);
}
