// The remembered lists of the reference dialogs and their insertion procedure.
#include "references/RememberedList.h"

#include "core/SettingsStore.h"

#include <QComboBox>

#include <algorithm>

namespace
{

const QString Default = QStringLiteral("Default");
const QString CountName = QStringLiteral("Count");

constexpr const char* linkFields[] = {"Datei",  "Pfad",  "Prot", "Server", "Typ",   "Anker", "Bild",
                                      "Border", "Align", "Link", "Alt",    "BPfad", "Target"};
constexpr const char* targetFields[] = {"T"};
constexpr const char* inlineImageFields[] = {"Bild",   "Pfad",   "Prot",   "Server", "Typ",
                                             "Alt",    "Border", "Align",  "Link",   "vspace",
                                             "hspace", "width",  "height", "lowsrc"};
constexpr const char* backPictureFields[] = {"Bild", "Pfad", "Prot", "Server",
                                             "Typ",  "Link", "Prop"};

QString indexed(const char* field, int index)
{
    return QLatin1String(field) + QString::number(index);
}

// The indices from..to (inclusive) that have a value field + index among names, ascending. Only
// the spelling the readers ask for counts ("Datei1", not "Datei01").
QList<int> storedIndices(const QStringList& names, const char* field, int from, int to)
{
    const QLatin1String prefix(field);
    QList<int> indices;
    for (const QString& name : names) {
        if (!name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QStringView digits = QStringView(name).mid(prefix.size());
        bool ok = false;
        const int index = digits.toInt(&ok);
        if (ok && index >= from && index <= to && digits == QString::number(index))
            indices.append(index);
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

} // namespace

const RememberedList& RememberedList::link()
{
    static const RememberedList list("Link", linkFields);
    return list;
}

const RememberedList& RememberedList::target()
{
    // T0 to T4 come with the settings and stay where they are.
    static const RememberedList list("Target", targetFields, 5);
    return list;
}

const RememberedList& RememberedList::inlineImage()
{
    static const RememberedList list("InlineImage", inlineImageFields);
    return list;
}

const RememberedList& RememberedList::backPicture()
{
    static const RememberedList list("BackPicture", backPictureFields);
    return list;
}

RememberedList::RememberedList(const char* section, std::span<const char* const> fields,
                               int fixedHead)
    : m_section(QString::fromLatin1(section)), m_fields(fields), m_fixedHead(fixedHead)
{
}

QString RememberedList::section() const
{
    return m_section;
}

QStringList RememberedList::fields() const
{
    QStringList names;
    for (const char* field : m_fields)
        names << QString::fromLatin1(field);
    return names;
}

QString RememberedList::mainField() const
{
    return QString::fromLatin1(m_fields.front());
}

QStringList RememberedList::entries() const
{
    return entries(mainField());
}

QStringList RememberedList::entries(const QString& field) const
{
    const SettingsStore store;
    return store.readList(m_section, field, SettingsStore::CountForm::HighestIndex, Default);
}

void RememberedList::loadInto(QComboBox* box) const
{
    const QString text = box->currentText();
    box->clear();
    box->addItems(entries());
    box->setCurrentIndex(-1);
    if (box->isEditable())
        box->setEditText(text);
}

QString RememberedList::value(int index, const QString& field) const
{
    const SettingsStore store;
    return store.readString(m_section, field + QString::number(index), Default);
}

bool RememberedList::flag(int index, const QString& field, bool def) const
{
    const SettingsStore store;
    return store.readBool(m_section, field + QString::number(index), def);
}

int RememberedList::maxCount() const
{
    const SettingsStore store;
    const int max = store.readInteger(m_section, QStringLiteral("MaxCount"), -1);
    // The readers stop at the store's list bound; a larger maximum would let an insertion write
    // beyond it, where no drop-down ever shows the entry.
    return max < 1 ? FallbackMaxCount : std::min(max, SettingsStore::MaxListEntries);
}

int RememberedList::insert(QComboBox* box, const ListRecord& record) const
{
    box->addItem(box->currentText());
    return insert(box->count() - 1, record);
}

int RememberedList::insert(int entryCount, const ListRecord& record) const
{
    const int max = maxCount();
    SettingsStore store;
    // A drop-down never holds more than the list reads, but callers count for themselves.
    int n = std::clamp(entryCount, 0, SettingsStore::MaxListEntries);
    if (n >= max) {
        n = n - 1;
        // The oldest entry after the fixed head drops out and the later ones move down, a gap
        // with them. Only values that exist move: a garbled "Count" may span a thousand places
        // that are mostly empty.
        const QStringList names = store.valueNames(m_section);
        for (const char* field : m_fields) {
            store.deleteValue(m_section, indexed(field, m_fixedHead));
            for (const int k : storedIndices(names, field, m_fixedHead + 1, n))
                store.renameValue(m_section, indexed(field, k), indexed(field, k - 1));
        }
    }
    store.writeInteger(m_section, CountName, n);
    for (const char* field : m_fields) {
        const QString name = QString::fromLatin1(field);
        store.writeString(m_section, indexed(field, n), record.value(name));
    }
    return n;
}
