// The remembered lists of the reference dialogs: link, target, image and background-image
// histories in the settings store, each described by a table of its record fields.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <span>

class QComboBox;

// One record of a list: field name ("Datei", "Pfad", ...) to its text. Fields of the list that
// are missing here are written empty.
using ListRecord = QMap<QString, QString>;

// A list lives in one subkey of the settings store: "Count" is the index of the newest entry
// (absent or -1: empty), "MaxCount" the most entries it may hold, and entry i of field F is the
// value F + i (0 = oldest). Every call opens the store, works and closes it again.
class RememberedList
{
public:
    // The lists of the reference dialogs.
    static const RememberedList& link();        // "Link", 13 fields
    static const RememberedList& target();      // "Target", "T" i with a fixed head T0 to T4
    static const RememberedList& inlineImage(); // "InlineImage", 14 fields
    static const RememberedList& backPicture(); // "BackPicture", 7 fields

    // Used when "MaxCount" is absent or below 1, so a list can always grow.
    static constexpr int FallbackMaxCount = 20;

    RememberedList(const char* section, std::span<const char* const> fields, int fixedHead = 0);

    QString section() const;
    QStringList fields() const;
    // The field the drop-down shows ("Datei", "T", "Bild").
    QString mainField() const;

    // The entries of the main field (or another field), oldest first, "Count" + 1 of them;
    // an absent value reads as "Default".
    QStringList entries() const;
    QStringList entries(const QString& field) const;
    // Replaces the drop-down of box by the entries, keeping the text in its edit field.
    void loadInto(QComboBox* box) const;

    // The value of field at index; "Default" when absent.
    QString value(int index, const QString& field) const;
    // A boolean field ("Link", "Prop"); absent reads as def.
    bool flag(int index, const QString& field, bool def) const;

    // "MaxCount" as the insertion uses it: within 1 ... SettingsStore::MaxListEntries, the bound
    // every reader of the list stops at, so an inserted entry is always read back.
    int maxCount() const;

    // The insertion procedure: the text of box joins its drop-down, and the record is written
    // at the index that new drop-down entry gets; a full list first drops its oldest entry
    // after the fixed head and moves the later ones down. Returns the index written.
    int insert(QComboBox* box, const ListRecord& record) const;
    // The same for a list whose drop-down held entryCount entries before.
    int insert(int entryCount, const ListRecord& record) const;

private:
    QString m_section;
    std::span<const char* const> m_fields;
    int m_fixedHead;
};
