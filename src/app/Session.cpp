// The last session: the documents open when the frame closed, kept in the store for the next start.
#include "app/Session.h"

#include "core/SettingsStore.h"

namespace Session
{

namespace
{

const QString Optionen = QStringLiteral("Optionen");
const QString Wanted = QStringLiteral("LetzteSitzung");
const QString Section = QStringLiteral("Sitzung");
const QString Files = QStringLiteral("Datei");
const QString Lines = QStringLiteral("Zeile");
const QString Active = QStringLiteral("Aktiv");

} // namespace

bool restoreWanted(const SettingsStore& store)
{
    return store.readBoolOption(Optionen, Wanted, false, false);
}

void setRestoreWanted(SettingsStore& store, bool wanted)
{
    store.writeBool(Optionen, Wanted, wanted);
}

void write(SettingsStore& store, const Saved& session)
{
    store.deleteSection(Section);
    QStringList files, lines;
    for (const Document& document : session.documents) {
        files.append(document.path);
        lines.append(QString::number(document.line));
    }
    store.writeList(Section, Files, files, SettingsStore::CountForm::EntryCount);
    store.writeList(Section, Lines, lines, SettingsStore::CountForm::EntryCount);
    store.writeInteger(Section, Active, session.active);
}

Saved read(const SettingsStore& store)
{
    Saved session;
    const QStringList files =
        store.readList(Section, Files, SettingsStore::CountForm::EntryCount, QString());
    const QStringList lines =
        store.readList(Section, Lines, SettingsStore::CountForm::EntryCount, QString());
    const int active = store.readInteger(Section, Active, -1);
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (files.at(i).isEmpty())
            continue;
        if (i == active)
            session.active = int(session.documents.size());
        bool ok = false;
        const int line = lines.value(i).toInt(&ok);
        session.documents.append({files.at(i), ok && line > 0 ? line : 1});
    }
    return session;
}

void clear(SettingsStore& store)
{
    if (store.hasSection(Section))
        store.deleteSection(Section);
}

} // namespace Session
