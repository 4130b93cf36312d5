// The application-wide values the frame loads at start and every command reads while it runs.
#include "core/ShellState.h"

#include "core/SettingsStore.h"
#include "platform/Paths.h"

#include <QDir>
#include <algorithm>

namespace
{

const QString Default = QStringLiteral("Default");

QString path(const char* section)
{
    return QString::fromLatin1(section);
}

} // namespace

void ShellState::readRecentFiles(const SettingsStore& store)
{
    const QString h = path("History");
    recentMaxIndex =
        store.readBoundedInteger(h, QStringLiteral("MaxCount"), -1, -1, MaxRecentFiles - 1);
    // A stored count above the maximum loads only the entries the menu can show; one below -1
    // is an empty list, so the next file opened becomes entry 0.
    recentLastIndex = store.readBoundedInteger(h, QStringLiteral("Count"), -1, -1, recentMaxIndex);
    recentFiles.clear();
    for (int i = 0; i <= recentLastIndex; ++i)
        recentFiles.append(store.readString(path("History"),
                                            QStringLiteral("File") + QString::number(i), Default));
}

void ShellState::readEditorOptions(const SettingsStore& store)
{
    const QString o = path("Optionen");
    backupInterval = timerInterval(store.readInteger(o, QStringLiteral("AutoBackUp"), -1),
                                   DesignedBackupInterval);
    autoSaveInterval = timerInterval(store.readInteger(o, QStringLiteral("AutoSave"), -1),
                                     DesignedAutoSaveInterval);
    backupExt = store.readString(o, QStringLiteral("BackUpExt"), Default);
    fontName = store.readString(o, QStringLiteral("FontName"), Default);
    fontColor = store.readColor(o, QStringLiteral("FontColor")).value_or(0x000000);
    background = store.readColor(o, QStringLiteral("Background")).value_or(0xFFFFFF);
    fontSize = store.readInteger(o, QStringLiteral("FontSize"), -1);
    if (fontSize > MaxFontSize)
        fontSize = -1; // the platform's size, as for an unreadable one
    align = store.readString(o, QStringLiteral("Align"), Default);
    // An absent style reads as set; a garbled one ("yes") keeps the designed plain font.
    bold = store.readBoolOption(o, QStringLiteral("fsBold"), true, false);
    italic = store.readBoolOption(o, QStringLiteral("fsItalic"), true, false);
    underline = store.readBoolOption(o, QStringLiteral("fsUnderline"), true, false);
}

void ShellState::readBrowsers(const SettingsStore& store)
{
    const QString b = path("Browser");
    auto read = [&](const QString& select, const QString& program, bool& selected,
                    QString& programPath) {
        const QString stored = store.readString(b, program, Default);
        const bool named = !isMissingText(stored);
        // A garbled switch follows what the settings dialog would have written: on when a
        // browser program is named. Without a program the switch cannot start anything.
        selected = store.readBoolOption(b, select, true, named) && named;
        programPath = selected ? stored : QString();
    };
    read(QStringLiteral("Browser1Select"), QStringLiteral("Browser1"), browser1Selected,
         browser1Path);
    read(QStringLiteral("Browser2Select"), QStringLiteral("Browser2"), browser2Selected,
         browser2Path);
}

void ShellState::readWindowBounds(const SettingsStore& store)
{
    const QString m = path("MainForm");
    left = store.readInteger(m, QStringLiteral("Left"), -1);
    top = store.readInteger(m, QStringLiteral("top"), -1);
    width = store.readInteger(m, QStringLiteral("Width"), -1);
    height = store.readInteger(m, QStringLiteral("Height"), -1);
    windowState = store.readString(m, QStringLiteral("WindowState"), Default);
}

void ShellState::readDirectories(SettingsStore& store)
{
    const QString p = path("Path");
    urlListDir = store.readString(p, QStringLiteral("URLListen"), Default);
    plugInDir = store.readString(p, QStringLiteral("PlugIns"), Default);
    backupDir = store.readString(p, QStringLiteral("BackUp"), Default);
    // A garbled value was written by some earlier start: the directories the user has chosen
    // since must not be reset.
    if (store.readBoolOption(path("Optionen"), QStringLiteral("FirstStart"), true, false)) {
        // The program directory is not writable for every user, so the three directories live
        // in the per-user data directory.
        const QDir base(userDataDirectory());
        urlListDir = QDir::toNativeSeparators(base.filePath(QStringLiteral("URLList")));
        plugInDir = QDir::toNativeSeparators(base.filePath(QStringLiteral("PlugIn")));
        backupDir = QDir::toNativeSeparators(base.filePath(QStringLiteral("BackUp")));
        for (const QString& dir : {urlListDir, plugInDir, backupDir})
            QDir().mkpath(dir);
        store.writeString(p, QStringLiteral("URLListen"), urlListDir);
        store.writeString(p, QStringLiteral("PlugIns"), plugInDir);
        store.writeString(p, QStringLiteral("BackUp"), backupDir);
        store.writeBool(path("Optionen"), QStringLiteral("FirstStart"), false);
    }
}

void ShellState::readUserData(const SettingsStore& store)
{
    const QString u = path("User");
    // A missing entry is no data: the signature blocks leave its place empty.
    auto read = [&](const char* name) {
        return enteredText(store.readString(u, QString::fromLatin1(name), Default));
    };
    user = {read("UserName"),   read("UserFirma"),   read("UserStreet"), read("UserZip"),
            read("UserState"),  read("UserTel"),     read("UserFax"),    read("UserEMail"),
            read("UserEMail1"), read("UserHomepage")};
}

void ShellState::readHints(const SettingsStore& store)
{
    hintsOn = store.readBool(path("Optionen"), QStringLiteral("Hints"), true);
}

void ShellState::readToolBarVisibility(const SettingsStore& toolbarStore)
{
    for (int n = 1; n <= ToolBarCount; ++n)
        toolBarVisible[n - 1] = toolbarStore.readBool(QStringLiteral("XToolBar%1").arg(n),
                                                      QStringLiteral("Visible"), true);
}

namespace
{

// The largest width or height a window can have.
constexpr int MaxExtent = (1 << 24) - 1;

// Length of the overlap of [a, a + aLength) and [b, b + bLength), in 64 bits because stored
// values may be anywhere in the integer range.
qint64 overlap(qint64 a, qint64 aLength, qint64 b, qint64 bLength)
{
    return std::max<qint64>(0, std::min(a + aLength, b + bLength) - std::max(a, b));
}

} // namespace

QRect fitFrameOnScreen(qint64 left, qint64 top, QSize size, QSize minimumSize, QMargins margins,
                       const QList<QRect>& availableAreas)
{
    if (availableAreas.isEmpty())
        return QRect(QPoint(int(std::clamp<qint64>(left, -MaxExtent, MaxExtent)),
                            int(std::clamp<qint64>(top, -MaxExtent, MaxExtent))),
                     size.boundedTo(QSize(MaxExtent, MaxExtent)));
    const QSize decorations(margins.left() + margins.right(), margins.top() + margins.bottom());
    QSize frame = size.boundedTo(QSize(MaxExtent, MaxExtent)) + decorations;
    const qint64 frameLeft = left - margins.left();
    const qint64 frameTop = top - margins.top();

    QRect area = availableAreas.first();
    qint64 best = 0;
    for (const QRect& candidate : availableAreas) {
        const qint64 shared = overlap(frameLeft, frame.width(), candidate.x(), candidate.width()) *
                              overlap(frameTop, frame.height(), candidate.y(), candidate.height());
        if (shared > best) {
            best = shared;
            area = candidate;
        }
    }
    const QSize smallest =
        (minimumSize.expandedTo(MinFrameSize) + decorations).boundedTo(area.size());
    frame = frame.boundedTo(area.size()).expandedTo(smallest);
    const qint64 x =
        std::clamp<qint64>(frameLeft, area.x(), qint64(area.x()) + area.width() - frame.width());
    const qint64 y =
        std::clamp<qint64>(frameTop, area.y(), qint64(area.y()) + area.height() - frame.height());
    return QRect(QPoint(int(x) + margins.left(), int(y) + margins.top()),
                 (frame - decorations).expandedTo(QSize(1, 1)));
}

FramePlacement ShellState::framePlacement(QSize designedSize, QSize minimumSize,
                                          const QList<QRect>& availableAreas) const
{
    // -1 is what an absent value reads as: only then does the platform place the frame.
    const bool placed = left != -1 || top != -1;
    if (availableAreas.isEmpty())
        return {QRect(QPoint(0, 0), designedSize), false};
    // The designed size hides toolbar buttons behind their chevrons on a usual screen.
    const QSize firstSize = availableAreas.first().size().shrunkBy(
        QMargins(FirstStartMargin, FirstStartMargin, FirstStartMargin, FirstStartMargin));
    const QSize size = width > 0 && height > 0 ? QSize(width, height) : firstSize;
    if (!placed) {
        // The platform's place is on a screen; the size must fit the primary one.
        const QRect fitted =
            fitFrameOnScreen(0, 0, size, minimumSize, {}, availableAreas.mid(0, 1));
        return {QRect(QPoint(0, 0), fitted.size()), false};
    }
    return {fitFrameOnScreen(left, top, size, minimumSize, {}, availableAreas), true};
}

int ShellState::timerInterval(int stored, int designed)
{
    if (stored == 0 || stored >= MinTimerInterval)
        return stored;
    return designed;
}

void ShellState::writeShutdownOptions(SettingsStore& store) const
{
    const QString o = path("Optionen");
    store.writeInteger(o, QStringLiteral("AutoBackUp"), backupInterval);
    store.writeInteger(o, QStringLiteral("AutoSave"), autoSaveInterval);
    store.writeString(o, QStringLiteral("BackUpExt"), backupExt);
    store.writeBool(o, QStringLiteral("Hints"), hintsOn);
    const QString p = path("Path");
    store.writeString(p, QStringLiteral("PlugIns"), plugInDir);
    store.writeString(p, QStringLiteral("URLListen"), urlListDir);
    store.writeString(p, QStringLiteral("BackUp"), backupDir);
}

void ShellState::writeToolBarVisibility(SettingsStore& toolbarStore) const
{
    for (int n = 1; n <= ToolBarCount; ++n)
        toolbarStore.writeBool(QStringLiteral("XToolBar%1").arg(n), QStringLiteral("Visible"),
                               toolBarVisible[n - 1]);
}

bool isMissingText(const QString& text)
{
    return text.isEmpty() || text == Default;
}

QString enteredText(const QString& stored)
{
    return isMissingText(stored) ? QString() : stored;
}

QString browserCaption(const QString& browserPath)
{
    QString name = fileNamePart(browserPath);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        // Four characters go from the first place where the extension occurs in the name.
        const qsizetype at = name.indexOf(name.mid(dot));
        name.remove(at, 4);
    }
    return QStringLiteral("HTML Datei mit ") + name + QStringLiteral(" testen");
}
