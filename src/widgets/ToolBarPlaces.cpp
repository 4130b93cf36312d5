// Docked and floating places of the frame's toolbars and their round trip through the settings
// store.
#include "widgets/ToolBarPlaces.h"

#include "core/SettingsStore.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>
#include <QVariant>
#include <algorithm>
#include <optional>
#include <vector>

namespace
{

const QString DockedTo = QStringLiteral("DockedTo");
const QString DockLine = QStringLiteral("DockLine");
const QString DockPos = QStringLiteral("DockPos");
const QString Left = QStringLiteral("Left");
const QString Top = QStringLiteral("Top");
const QString Width = QStringLiteral("Width");
const QString Height = QStringLiteral("Height");

// The place a toolbar had when it was last laid out, kept on the toolbar itself: a hidden
// toolbar's geometry says nothing about where it sits.
const char* const RememberedPlace = "tessalineDockPlace";

// Stored coordinates beyond these cannot be meant and would overflow rectangle arithmetic.
constexpr int CoordinateLimit = 1000000;
constexpr int SizeLimit = 100000;

constexpr Qt::ToolBarArea DockAreas[] = {Qt::TopToolBarArea, Qt::LeftToolBarArea,
                                         Qt::RightToolBarArea, Qt::BottomToolBarArea};

bool isDockArea(Qt::ToolBarArea area)
{
    return std::find(std::begin(DockAreas), std::end(DockAreas), area) != std::end(DockAreas);
}

bool isHorizontal(Qt::ToolBarArea area)
{
    return area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
}

void remember(QToolBar* toolBar, const ToolBarPlace& place)
{
    toolBar->setProperty(RememberedPlace,
                         QVariant::fromValue(QList<int>{int(place.area), place.line, place.pos}));
}

std::optional<ToolBarPlace> rememberedPlace(const QToolBar* toolBar)
{
    const QList<int> values = toolBar->property(RememberedPlace).value<QList<int>>();
    if (values.size() != 3)
        return std::nullopt;
    return ToolBarPlace{Qt::ToolBarArea(values[0]), values[1], values[2]};
}

bool explicitlyHidden(const QWidget* widget)
{
    return widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// An absent value reads as def; a value that is present but no integer reads as nullopt.
std::optional<int> readNumber(const SettingsStore& store, const QString& section,
                              const QString& name, int def)
{
    if (!store.hasValue(section, name))
        return def;
    return parseStoreInteger(store.readString(section, name, QString()));
}

// Only a present, valid value counts.
std::optional<int> readOptionalNumber(const SettingsStore& store, const QString& section,
                                      const QString& name)
{
    if (!store.hasValue(section, name))
        return std::nullopt;
    return parseStoreInteger(store.readString(section, name, QString()));
}

struct StoredPlace {
    enum class Kind { Designed, Docked, Floating } kind = Kind::Designed;
    ToolBarPlace docked;
    std::optional<QPoint> topLeft;
    std::optional<QSize> size;
};

StoredPlace readStoredPlace(const SettingsStore& store, const QToolBar* toolBar)
{
    StoredPlace stored;
    const QString section = toolBar->objectName();
    if (section.isEmpty() || !store.hasValue(section, DockedTo))
        return stored;
    const QString dock = store.readString(section, DockedTo, QString());
    if (dock.isEmpty()) {
        if (!toolBar->isFloatable())
            return stored;
        stored.kind = StoredPlace::Kind::Floating;
        const auto left = readOptionalNumber(store, section, Left);
        const auto top = readOptionalNumber(store, section, Top);
        if (left && top)
            stored.topLeft = QPoint(std::clamp(*left, -CoordinateLimit, CoordinateLimit),
                                    std::clamp(*top, -CoordinateLimit, CoordinateLimit));
        const auto width = readOptionalNumber(store, section, Width);
        const auto height = readOptionalNumber(store, section, Height);
        if (width && height && *width > 0 && *height > 0)
            stored.size = QSize(std::min(*width, SizeLimit), std::min(*height, SizeLimit));
        return stored;
    }
    const Qt::ToolBarArea area = dockArea(dock);
    const auto line = readNumber(store, section, DockLine, 0);
    const auto pos = readNumber(store, section, DockPos, 0);
    if (area == Qt::NoToolBarArea || !toolBar->isAreaAllowed(area) || !line || !pos)
        return stored;
    stored.kind = StoredPlace::Kind::Docked;
    stored.docked = {area, *line, *pos};
    return stored;
}

// Keeps a floating toolbar reachable: moved (and if need be shrunk) into the screen it overlaps
// most, or into the window's screen when it overlaps none.
QRect onScreen(QRect rect, const QWidget* window)
{
    QScreen* best = nullptr;
    qint64 bestOverlap = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry().intersected(rect);
        const qint64 area = qint64(overlap.width()) * overlap.height();
        if (area > bestOverlap) {
            bestOverlap = area;
            best = screen;
        }
    }
    if (!best)
        best = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!best)
        return rect;
    const QRect available = best->availableGeometry();
    rect.setSize(rect.size().boundedTo(available.size()));
    rect.moveLeft(std::clamp(rect.left(), available.left(), available.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), available.top(), available.bottom() - rect.height() + 1));
    return rect;
}

struct DockedEntry {
    QToolBar* toolBar;
    ToolBarPlace place;
};

struct FloatingEntry {
    QToolBar* toolBar;
    Qt::ToolBarArea area;
    StoredPlace stored;
};

void dockInLines(QMainWindow* window, Qt::ToolBarArea area, std::vector<DockedEntry> entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return std::pair(a.place.line, a.place.pos) < std::pair(b.place.line, b.place.pos);
    });
    int ordinal = -1;
    int storedLine = 0;
    for (const DockedEntry& entry : entries) {
        if (ordinal < 0 || entry.place.line != storedLine) {
            if (ordinal >= 0)
                window->addToolBarBreak(area);
            ++ordinal;
            storedLine = entry.place.line;
        }
        // Adding again takes the toolbar out of its old line first, so re-placing works too.
        window->addToolBar(area, entry.toolBar);
        // Gaps between stored line numbers close up; remember the line the toolbar really got.
        remember(entry.toolBar, {area, ordinal, entry.place.pos});
    }
}

void makeFloating(QMainWindow* window, const FloatingEntry& entry)
{
    QToolBar* toolBar = entry.toolBar;
    // A floating toolbar still belongs to a dock: the one it returns to by the layout's rules.
    window->addToolBar(entry.area, toolBar);
    if (entry.stored.size)
        toolBar->setOrientation(entry.stored.size->height() > entry.stored.size->width()
                                    ? Qt::Vertical
                                    : Qt::Horizontal);
    const QSize size =
        entry.stored.size.value_or(toolBar->sizeHint()).expandedTo(toolBar->minimumSizeHint());
    const QPoint topLeft = entry.stored.topLeft.value_or(window->geometry().topLeft());
    // These are the window flags QToolBar itself gives a toolbar the user has torn off.
    toolBar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    toolBar->setGeometry(onScreen(QRect(topLeft, size), window));
}

// QMainWindow's layout lists its toolbars dock by dock, line by line, in order along the line,
// hidden and floating ones included; a toolbar break marks the first toolbar of a later line.
int lineOf(const QMainWindow* window, const QToolBar* toolBar, Qt::ToolBarArea area)
{
    const QLayout* layout = window->layout();
    if (!layout)
        return 0;
    int line = 0;
    bool first = true;
    for (int i = 0; const QLayoutItem* item = layout->itemAt(i); ++i) {
        auto* candidate = qobject_cast<QToolBar*>(item->widget());
        if (!candidate || window->toolBarArea(candidate) != area)
            continue;
        if (!first && window->toolBarBreak(candidate))
            ++line;
        first = false;
        if (candidate == toolBar)
            return line;
    }
    return 0;
}

bool isLaidOutInDock(const QMainWindow* window, const QToolBar* toolBar, Qt::ToolBarArea area)
{
    return toolBar->isVisible() && !toolBar->isFloating() && window->toolBarArea(toolBar) == area;
}

// Pixel offset along the dock: the top and bottom docks span the whole layout, the left and
// right docks begin below the top dock.
int offsetInDock(const QMainWindow* window, const QToolBar* toolBar, Qt::ToolBarArea area)
{
    const QRect layoutRect = window->layout() ? window->layout()->geometry() : window->rect();
    if (isHorizontal(area))
        return toolBar->x() - layoutRect.left();
    int start = layoutRect.top();
    for (const QToolBar* other : window->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
        if (isLaidOutInDock(window, other, Qt::TopToolBarArea))
            start = std::max(start, other->geometry().bottom() + 1);
    return toolBar->y() - start;
}

// Remembers a docked toolbar's place as it is hidden, while its geometry still tells it.
class PlaceKeeper : public QObject
{
public:
    explicit PlaceKeeper(QMainWindow* window) : QObject(window), m_window(window)
    {
        setObjectName(QString::fromLatin1(Name));
    }
    static constexpr const char* Name = "tessalineDockPlaceKeeper";

    static PlaceKeeper* of(QMainWindow* window)
    {
        auto* keeper = dynamic_cast<PlaceKeeper*>(
            window->findChild<QObject*>(QString::fromLatin1(Name), Qt::FindDirectChildrenOnly));
        return keeper ? keeper : new PlaceKeeper(window);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Only a toolbar hidden on its own: when the window goes, every geometry stays valid.
        if (event->type() == QEvent::Hide && !event->spontaneous() && m_window->isVisible()) {
            auto* toolBar = qobject_cast<QToolBar*>(watched);
            const Qt::ToolBarArea area =
                toolBar ? m_window->toolBarArea(toolBar) : Qt::NoToolBarArea;
            if (isDockArea(area) && !toolBar->isFloating())
                remember(toolBar, {area, lineOf(m_window, toolBar, area),
                                   offsetInDock(m_window, toolBar, area)});
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMainWindow* m_window;
};

} // namespace

QString dockName(Qt::ToolBarArea area)
{
    switch (area) {
    case Qt::TopToolBarArea:
        return QStringLiteral("Docks1");
    case Qt::LeftToolBarArea:
        return QStringLiteral("Docks2");
    case Qt::RightToolBarArea:
        return QStringLiteral("Docks3");
    case Qt::BottomToolBarArea:
        return QStringLiteral("Docks4");
    default:
        return QString();
    }
}

Qt::ToolBarArea dockArea(const QString& name)
{
    for (Qt::ToolBarArea area : DockAreas)
        if (name.compare(dockName(area), Qt::CaseInsensitive) == 0)
            return area;
    return Qt::NoToolBarArea;
}

void placeToolBars(QMainWindow* window, const QList<ToolBarEntry>& toolBars,
                   const SettingsStore& store)
{
    if (!window)
        return;
    std::vector<DockedEntry> docked;
    std::vector<FloatingEntry> floating;
    std::vector<std::pair<QToolBar*, bool>> wanted; // toolbar, whether it is meant to show
    for (const ToolBarEntry& entry : toolBars) {
        QToolBar* toolBar = entry.toolBar;
        if (!toolBar)
            continue;
        wanted.emplace_back(toolBar, !explicitlyHidden(toolBar));
        const ToolBarPlace designed{isDockArea(entry.designed.area) ? entry.designed.area
                                                                    : Qt::TopToolBarArea,
                                    entry.designed.line, entry.designed.pos};
        const StoredPlace stored = readStoredPlace(store, toolBar);
        switch (stored.kind) {
        case StoredPlace::Kind::Designed:
            docked.push_back({toolBar, designed});
            break;
        case StoredPlace::Kind::Docked:
            docked.push_back({toolBar, stored.docked});
            break;
        case StoredPlace::Kind::Floating: {
            const Qt::ToolBarArea current = window->toolBarArea(toolBar);
            floating.push_back({toolBar, isDockArea(current) ? current : designed.area, stored});
            break;
        }
        }
    }
    for (Qt::ToolBarArea area : DockAreas) {
        std::vector<DockedEntry> inArea;
        std::copy_if(docked.begin(), docked.end(), std::back_inserter(inArea),
                     [area](const DockedEntry& entry) { return entry.place.area == area; });
        dockInLines(window, area, std::move(inArea));
    }
    for (const FloatingEntry& entry : floating)
        makeFloating(window, entry);
    PlaceKeeper* keeper = PlaceKeeper::of(window);
    for (const auto& entry : wanted)
        entry.first->installEventFilter(keeper);
    // Docking or floating hides a toolbar that changes between child and window; bring back the
    // ones that were meant to show. Docked toolbars of a window not yet shown appear with it.
    for (const auto& [toolBar, show] : wanted)
        if (show && toolBar->isHidden() && (toolBar->isWindow() || window->isVisible()))
            toolBar->show();
}

ToolBarPlace currentPlace(QMainWindow* window, QToolBar* toolBar)
{
    ToolBarPlace place;
    if (!window || !toolBar)
        return place;
    const Qt::ToolBarArea area = window->toolBarArea(toolBar);
    const std::optional<ToolBarPlace> remembered = rememberedPlace(toolBar);
    if (!isDockArea(area))
        return remembered.value_or(place);
    place.area = area;
    place.line = lineOf(window, toolBar, area);
    if (isLaidOutInDock(window, toolBar, area)) {
        place.pos = offsetInDock(window, toolBar, area);
        remember(toolBar, place);
    } else if (remembered && remembered->area == area) {
        place.pos = remembered->pos;
    }
    return place;
}

void storeToolBarPlaces(QMainWindow* window, const QList<QToolBar*>& toolBars, SettingsStore& store)
{
    if (!window)
        return;
    // Geometry is read below; moves made just now must be laid out first.
    if (QLayout* layout = window->layout())
        layout->activate();
    for (QToolBar* toolBar : toolBars) {
        if (!toolBar || toolBar->objectName().isEmpty())
            continue;
        const QString section = toolBar->objectName();
        if (toolBar->isFloating()) {
            const QRect rect = toolBar->geometry();
            store.writeString(section, DockedTo, QString());
            store.writeInteger(section, Left, rect.x());
            store.writeInteger(section, Top, rect.y());
            store.writeInteger(section, Width, rect.width());
            store.writeInteger(section, Height, rect.height());
            continue;
        }
        if (!isDockArea(window->toolBarArea(toolBar)))
            continue;
        const ToolBarPlace place = currentPlace(window, toolBar);
        store.writeString(section, DockedTo, dockName(place.area));
        store.writeInteger(section, DockLine, place.line);
        store.writeInteger(section, DockPos, place.pos);
    }
}
