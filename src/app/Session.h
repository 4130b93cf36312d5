// The last session: the documents open when the frame closed, kept in the store for the next start.
#pragma once

#include <QList>
#include <QString>

class SettingsStore;

namespace Session
{

struct Document {
    QString path;
    int line = 1; // the caret's line, 1-based
};

struct Saved {
    QList<Document> documents; // in the frame's window order
    int active = -1;           // index of the active one, -1 for none
};

// "Optionen"/"LetzteSitzung": whether the next start without a file opens the session again
// (absent or garbled: no, so a first start opens no document window).
bool restoreWanted(const SettingsStore& store);
void setRestoreWanted(SettingsStore& store, bool wanted);

// The section "Sitzung": "Datei<i>" and "Zeile<i>" for each document, "Count" and "Aktiv".
void write(SettingsStore& store, const Saved& session);
// A garbled line reads as 1, an active index out of range as none; empty paths are left out.
Saved read(const SettingsStore& store);
void clear(SettingsStore& store);

} // namespace Session
