// Fuzz target of the remembered lists against a store holding any values: reading never fails,
// an inserted entry is read back at the index the insertion reports, and every entry read before
// is still read afterwards, in its order (less the one a full list drops), with every field's
// values moving along with their entry.
#include "FuzzSupport.h"
#include "StoreInput.h"

#include "references/RememberedList.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

namespace
{

QString where(const RememberedList& list, const QString& field, qsizetype index)
{
    return list.section() + u'/' + field + QString::number(index);
}

// The values present in the list's section below index limit, by field and index: what the
// readers find, told apart from what they read as "Default" because it is absent.
using Present = QList<QMap<qsizetype, QString>>;

Present presentValues(const RememberedList& list, qsizetype limit)
{
    const QStringList fields = list.fields();
    Present present(fields.size());
    const SettingsStore store;
    for (const QString& name : store.valueNames(list.section()))
        for (qsizetype f = 0; f < fields.size(); ++f) {
            if (!name.startsWith(fields.at(f), Qt::CaseInsensitive))
                continue;
            // The readers ask for field + QString::number(i) and nothing else.
            bool ok = false;
            const QString digits = name.mid(fields.at(f).size());
            const int index = digits.toInt(&ok);
            if (ok && index >= 0 && index < limit && digits == QString::number(index))
                present[f].insert(index, store.readString(list.section(), name, QString()));
        }
    return present;
}

void checkInsertion(const RememberedList& list, const QStringList& texts)
{
    const QStringList fields = list.fields();
    const QStringList before = list.entries();
    const qsizetype shown = before.size();
    if (shown > SettingsStore::MaxListEntries)
        fuzzFailure("a list reads more entries than its bound", list.section());
    const Present presentBefore = presentValues(list, shown);
    const int max = list.maxCount();
    if (max < 1 || max > SettingsStore::MaxListEntries)
        fuzzFailure("MaxCount is used outside the list bound",
                    list.section() + QStringLiteral(": ") + QString::number(max));

    ListRecord record;
    for (qsizetype i = 0; i < fields.size(); ++i)
        record.insert(fields.at(i), texts.value(i, QStringLiteral("neu") + QString::number(i)));
    // The drop-down held the entries read; the new text joins it, as in the dialogs.
    const int written = list.insert(int(shown), record);

    // The new record lies last, and what was read before is read again, less the one entry a
    // full list drops: the first after the fixed head, or the last one when the head fills it.
    const bool full = shown >= max;
    const qsizetype dropped =
        full ? std::min<qsizetype>(&list == &RememberedList::target() ? 5 : 0, shown - 1) : -1;
    if (written != (full ? shown - 1 : shown))
        fuzzFailure(
            "the insertion wrote at an unexpected index",
            list.section() +
                QStringLiteral(": %1 of %2 entries, MaxCount %3").arg(written).arg(shown).arg(max));
    QStringList expected = before;
    if (dropped >= 0)
        expected.removeAt(dropped);
    expected.append(record.value(list.mainField()));
    const QStringList after = list.entries();
    if (after.size() != expected.size())
        fuzzFailure(
            "the list reads another length after an insertion",
            list.section() +
                QStringLiteral(": %1 instead of %2").arg(after.size()).arg(expected.size()));
    for (qsizetype i = 0; i < after.size(); ++i)
        if (after.at(i) != expected.at(i))
            fuzzFailure(i == written ? "the inserted entry is not read back"
                                     : "an entry read before the insertion is lost",
                        where(list, list.mainField(), i) +
                            QStringLiteral(": '%1' instead of '%2'")
                                .arg(visible(after.at(i)), visible(expected.at(i))));

    // Every field's values move with their entry, and absent ones stay absent.
    const Present presentAfter = presentValues(list, written + 1);
    for (qsizetype f = 0; f < fields.size(); ++f) {
        QMap<qsizetype, QString> moved;
        for (auto it = presentBefore.at(f).begin(); it != presentBefore.at(f).end(); ++it)
            if (it.key() != dropped)
                moved.insert(dropped >= 0 && it.key() > dropped ? it.key() - 1 : it.key(), *it);
        moved.insert(written, record.value(fields.at(f)));
        if (presentAfter.at(f) != moved) {
            QString detail;
            for (auto it = moved.begin(); it != moved.end(); ++it)
                if (presentAfter.at(f).value(it.key(), QStringLiteral("<absent>")) != *it)
                    detail += where(list, fields.at(f), it.key()) +
                              QStringLiteral(" should be '%1'; ").arg(visible(*it));
            fuzzFailure("a field's values did not move with their entries",
                        detail.isEmpty()
                            ? where(list, fields.at(f), 0) + QStringLiteral("...: a value appeared")
                            : detail);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startQtApplication<QCoreApplication>();
    useEmptyStore();
    const StoreInput input = parseStoreInput(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), QStringLiteral("Link"));
    {
        SettingsStore store;
        for (const StoreInput::Value& v : input.values)
            store.writeString(v.section, v.name, v.value);
    }
    bool any = false;
    for (const RememberedList* list :
         {&RememberedList::link(), &RememberedList::target(), &RememberedList::inlineImage(),
          &RememberedList::backPicture()}) {
        if (!input.sections.contains(list->section(), Qt::CaseInsensitive))
            continue;
        checkInsertion(*list, input.texts);
        any = true;
    }
    if (!any)
        checkInsertion(RememberedList::link(), input.texts);
    return 0;
}
