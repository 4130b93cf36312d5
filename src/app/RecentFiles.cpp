// The recent-file list: new paths go to the front, entries 0 ... MaxCount are stored and shown.
#include "app/RecentFiles.h"

#include "core/SettingsStore.h"
#include "core/ShellState.h"

void insertRecentFile(ShellState& state, const QString& path)
{
    state.recentFiles.prepend(path);
    ++state.recentLastIndex;
}

void storeRecentFiles(ShellState& state, SettingsStore& store)
{
    const QString history = QStringLiteral("History");
    if (state.recentLastIndex >= state.recentMaxIndex)
        state.recentLastIndex = state.recentMaxIndex;
    store.writeInteger(history, QStringLiteral("Count"), state.recentLastIndex);
    for (int i = 0; i <= state.recentLastIndex && i < state.recentFiles.size(); ++i)
        store.writeString(history, QStringLiteral("File") + QString::number(i),
                          state.recentFiles.at(i));
}

QString recentFileCaption(const ShellState& state, int k)
{
    const QString number = QStringLiteral("&") + QString::number(k + 1);
    if (recentFileShown(state, k))
        return number + QLatin1Char(' ') + state.recentFiles.at(k);
    return number;
}

bool recentFileShown(const ShellState& state, int k)
{
    return k >= 0 && k <= state.recentLastIndex && k < state.recentFiles.size();
}
