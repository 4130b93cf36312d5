// Per-user settings store: sections and text values over QSettings, typed reads and indexed lists.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <stdexcept>

// Raised when the platform store cannot be opened or written; the general error report shows it.
class SettingsError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One open key of the store ("Einstellungen" or "Toolbars" below Software\Orvanto\TessalineL).
// Opening creates nothing on disk until something is written; the destructor commits (close).
// Section and value names are compared without regard to case; a "/" or "\" inside a name
// never splits the key, so a section may be called "Rot/Blau".
class SettingsStore
{
public:
    enum class Key { Settings, Toolbars };

    explicit SettingsStore(Key key = Key::Settings);
    // Opens the subkeys below one section as the sections of this store (the colour schemes
    // below "BackPicture"); that section's own values stay with the plain key.
    SettingsStore(Key key, const QString& parentSection);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Tests (and only tests) redirect the whole store into one INI file; empty restores the
    // platform store (registry on Windows, INI file under the XDG config directory elsewhere).
    static void useFile(const QString& iniPath);

    bool hasValue(const QString& section, const QString& name) const;
    bool hasSection(const QString& section) const;
    QStringList sections() const;
    QStringList valueNames(const QString& section) const;

    QString readString(const QString& section, const QString& name, const QString& def) const;
    int readInteger(const QString& section, const QString& name, int def) const;
    bool readBool(const QString& section, const QString& name, bool def) const;
    // A Boolean whose absence and whose unreadable text (not an integer) mean different things:
    // a garbled option must not switch on what its designed value leaves off.
    bool readBoolOption(const QString& section, const QString& name, bool ifAbsent,
                        bool ifUnreadable) const;
    // An integer held within [low, high]; an absent or unreadable value yields def as it is.
    int readBoundedInteger(const QString& section, const QString& name, int def, int low,
                           int high) const;
    // nullopt when the stored text is neither a colour name nor an integer text.
    std::optional<std::uint32_t> readColor(const QString& section, const QString& name) const;

    void writeString(const QString& section, const QString& name, const QString& value);
    void writeInteger(const QString& section, const QString& name, int value);
    void writeBool(const QString& section, const QString& name, bool value);
    void writeColor(const QString& section, const QString& name, std::uint32_t value);

    void deleteValue(const QString& section, const QString& name);
    // Nothing happens when the old name is absent or the new name exists already.
    void renameValue(const QString& section, const QString& oldName, const QString& newName);
    void deleteSection(const QString& section);

    // Indexed lists: entry i of field F is the value F + i. HighestIndex lists store the highest
    // index in use as "Count" (-1 or absent: empty); EntryCount lists store the number of entries.
    enum class CountForm { HighestIndex, EntryCount };
    // No list reads more entries than this, whatever its stored "Count" or "MaxCount" says: a
    // garbled count would otherwise make a reader build millions of entries.
    static constexpr int MaxListEntries = 1000;
    // "Count" (or another count value) of a list as a number of entries, within
    // 0 ... MaxListEntries; absent or unreadable is empty.
    int readListSize(const QString& section, const QString& countName, CountForm form) const;
    QStringList readList(const QString& section, const QString& field, CountForm form,
                         const QString& def = QStringLiteral("Default")) const;
    // Writes the entries and "Count"; entries beyond the new count stay in the store.
    void writeList(const QString& section, const QString& field, const QStringList& entries,
                   CountForm form);

    // Commits pending writes; throws SettingsError when the platform store refuses them.
    void sync();

private:
    struct Impl;
    Impl* d;
};

// Integer text as the store reads it: decimal with optional "-", or hexadecimal after "0x"/"0X"
// (texts longer than two characters only). nullopt when it is not a valid 32-bit integer.
std::optional<int> parseStoreInteger(const QString& text);
// Hexadecimal digits (either case) as a 32-bit value; nullopt when empty, not hex or too long.
std::optional<std::uint32_t> parseHexDigits(QStringView digits);
