// Tests of the toolbar places: designed places, stored docked and floating places, bad values.
#include "core/SettingsStore.h"
#include "support/TestSupport.h"
#include "widgets/ToolBarPlaces.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <memory>

Q_DECLARE_METATYPE(Qt::ToolBarArea)

namespace
{

using Section = QList<QPair<QString, QString>>;

// A frame with four toolbars. Designed: XToolBar1 left; top line 0 holds XToolBar4 then
// XToolBar3; top line 1 holds XToolBar2 (listed out of order on purpose).
struct Frame {
    QMainWindow window;
    QList<ToolBarEntry> entries;

    Frame()
    {
        window.setCentralWidget(new QPlainTextEdit);
        window.resize(800, 500);
        const ToolBarPlace designed[] = {{Qt::LeftToolBarArea, 0, 0},
                                         {Qt::TopToolBarArea, 1, 0},
                                         {Qt::TopToolBarArea, 0, 300},
                                         {Qt::TopToolBarArea, 0, 0}};
        for (int n = 1; n <= 4; ++n) {
            auto* toolBar = new QToolBar(QStringLiteral("Leiste %1").arg(n), &window);
            toolBar->setObjectName(QStringLiteral("XToolBar%1").arg(n));
            for (int a = 0; a < 3; ++a)
                toolBar->addAction(QStringLiteral("Knopf %1.%2").arg(n).arg(a));
            entries.append({toolBar, designed[n - 1]});
        }
    }
    QToolBar* bar(int n) const { return entries[n - 1].toolBar; }
    QList<QToolBar*> bars() const
    {
        QList<QToolBar*> list;
        for (const ToolBarEntry& entry : entries)
            list.append(entry.toolBar);
        return list;
    }
    void place()
    {
        SettingsStore store(SettingsStore::Key::Toolbars);
        placeToolBars(&window, entries, store);
    }
    bool show()
    {
        window.show();
        const bool exposed = QTest::qWaitForWindowExposed(&window);
        window.layout()->activate();
        return exposed;
    }
    void store()
    {
        SettingsStore store(SettingsStore::Key::Toolbars);
        storeToolBarPlaces(&window, bars(), store);
    }
};

void writeSection(const QString& section, const Section& values)
{
    SettingsStore store(SettingsStore::Key::Toolbars);
    for (const auto& [name, value] : values)
        store.writeString(section, name, value);
}

QString readValue(const QString& section, const QString& name)
{
    SettingsStore store(SettingsStore::Key::Toolbars);
    return store.readString(section, name, QStringLiteral("<fehlt>"));
}

// Distance of a docked toolbar from the edge its dock belongs to.
int distanceFromEdge(const QMainWindow& window, const QToolBar* toolBar, Qt::ToolBarArea area)
{
    const QRect r = toolBar->geometry();
    switch (area) {
    case Qt::TopToolBarArea:
        return r.top();
    case Qt::LeftToolBarArea:
        return r.left();
    case Qt::RightToolBarArea:
        return window.width() - 1 - r.right();
    default:
        return window.height() - 1 - r.bottom();
    }
}

} // namespace

class TestToolBarPlaces : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }
    void dockNames();
    void designedPlacesWhenStoreIsEmpty();
    void movedToolBarsComeBack_data();
    void movedToolBarsComeBack();
    void floatingRoundTrip_data();
    void floatingRoundTrip();
    void floatingOffScreenComesBack();
    void garbledValuesGiveDesignedPlace_data();
    void garbledValuesGiveDesignedPlace();
    void hiddenToolBarsKeepTheirPlace();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestToolBarPlaces::dockNames()
{
    const Qt::ToolBarArea areas[] = {Qt::TopToolBarArea, Qt::LeftToolBarArea, Qt::RightToolBarArea,
                                     Qt::BottomToolBarArea};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(dockName(areas[i]), QStringLiteral("Docks%1").arg(i + 1));
        QCOMPARE(dockArea(dockName(areas[i])), areas[i]);
    }
    QCOMPARE(dockArea(QStringLiteral("Docks5")), Qt::NoToolBarArea);
    QCOMPARE(dockArea(QString()), Qt::NoToolBarArea);
}

void TestToolBarPlaces::designedPlacesWhenStoreIsEmpty()
{
    Frame frame;
    frame.place();
    QVERIFY(frame.show());
    QCOMPARE(frame.window.toolBarArea(frame.bar(1)), Qt::LeftToolBarArea);
    for (int n = 2; n <= 4; ++n)
        QCOMPARE(frame.window.toolBarArea(frame.bar(n)), Qt::TopToolBarArea);
    // Line 0 above line 1, and XToolBar4 before XToolBar3 on line 0.
    QCOMPARE(frame.bar(3)->y(), frame.bar(4)->y());
    QVERIFY(frame.bar(2)->y() > frame.bar(4)->y());
    QVERIFY(frame.bar(3)->x() > frame.bar(4)->x());

    QCOMPARE(currentPlace(&frame.window, frame.bar(4)).line, 0);
    QCOMPARE(currentPlace(&frame.window, frame.bar(4)).pos, 0);
    QCOMPARE(currentPlace(&frame.window, frame.bar(3)).line, 0);
    QCOMPARE(currentPlace(&frame.window, frame.bar(3)).pos, frame.bar(4)->width());
    QCOMPARE(currentPlace(&frame.window, frame.bar(2)).line, 1);
    QCOMPARE(currentPlace(&frame.window, frame.bar(1)).area, Qt::LeftToolBarArea);
    QCOMPARE(currentPlace(&frame.window, frame.bar(1)).pos, 0);

    frame.store();
    QCOMPARE(readValue("XToolBar1", "DockedTo"), QStringLiteral("Docks2"));
    QCOMPARE(readValue("XToolBar2", "DockedTo"), QStringLiteral("Docks1"));
    QCOMPARE(readValue("XToolBar2", "DockLine"), QStringLiteral("1"));
    QCOMPARE(readValue("XToolBar3", "DockLine"), QStringLiteral("0"));
}

void TestToolBarPlaces::movedToolBarsComeBack_data()
{
    QTest::addColumn<Qt::ToolBarArea>("area");
    QTest::newRow("top") << Qt::TopToolBarArea;
    QTest::newRow("left") << Qt::LeftToolBarArea;
    QTest::newRow("right") << Qt::RightToolBarArea;
    QTest::newRow("bottom") << Qt::BottomToolBarArea;
}

// XToolBar2 and XToolBar3 are moved into two lines of one dock, XToolBar4 joins XToolBar2's line.
void TestToolBarPlaces::movedToolBarsComeBack()
{
    QFETCH(Qt::ToolBarArea, area);
    {
        Frame frame;
        frame.place();
        QVERIFY(frame.show());
        frame.window.addToolBar(area, frame.bar(2));
        frame.window.addToolBar(area, frame.bar(4));
        frame.window.addToolBarBreak(area);
        frame.window.addToolBar(area, frame.bar(3));
        frame.store();
    }
    Frame frame;
    frame.place();
    QVERIFY(frame.show());
    for (int n = 2; n <= 4; ++n)
        QCOMPARE(frame.window.toolBarArea(frame.bar(n)), area);
    QCOMPARE(currentPlace(&frame.window, frame.bar(2)).line, 0);
    QCOMPARE(currentPlace(&frame.window, frame.bar(4)).line, 0);
    QCOMPARE(currentPlace(&frame.window, frame.bar(3)).line, 1);
    QVERIFY(currentPlace(&frame.window, frame.bar(4)).pos >
            currentPlace(&frame.window, frame.bar(2)).pos);
    // Line 0 is the one at the window's edge.
    QVERIFY(distanceFromEdge(frame.window, frame.bar(3), area) >
            distanceFromEdge(frame.window, frame.bar(2), area));
    QCOMPARE(distanceFromEdge(frame.window, frame.bar(4), area),
             distanceFromEdge(frame.window, frame.bar(2), area));
}

void TestToolBarPlaces::floatingRoundTrip_data()
{
    QTest::addColumn<Section>("stored");
    QTest::addColumn<QRect>("expected"); // empty size: the size hint

    QTest::newRow("whole rectangle") << Section{{"DockedTo", ""},
                                                {"Left", "120"},
                                                {"Top", "90"},
                                                {"Width", "260"},
                                                {"Height", "40"}}
                                     << QRect(120, 90, 260, 40);
    QTest::newRow("no size") << Section{{"DockedTo", ""}, {"Left", "50"}, {"Top", "60"}}
                             << QRect(50, 60, 0, 0);
    QTest::newRow("tall") << Section{{"DockedTo", ""},
                                     {"Left", "10"},
                                     {"Top", "20"},
                                     {"Width", "100"},
                                     {"Height", "200"}}
                          << QRect(10, 20, 100, 200);
}

void TestToolBarPlaces::floatingRoundTrip()
{
    QFETCH(Section, stored);
    QFETCH(QRect, expected);
    writeSection("XToolBar2", stored);
    QRect floated;
    {
        Frame frame;
        frame.place();
        QVERIFY(frame.show());
        QToolBar* bar = frame.bar(2);
        QVERIFY(bar->isFloating());
        QVERIFY(bar->isVisible());
        if (expected.isEmpty())
            expected.setSize(bar->sizeHint().expandedTo(bar->minimumSizeHint()));
        QCOMPARE(bar->geometry(), expected);
        QCOMPARE(bar->orientation(),
                 expected.height() > expected.width() ? Qt::Vertical : Qt::Horizontal);
        frame.store();
        floated = bar->geometry();
    }
    QCOMPARE(readValue("XToolBar2", "DockedTo"), QString());
    Frame frame;
    frame.place();
    QVERIFY(frame.show());
    QVERIFY(frame.bar(2)->isFloating());
    QCOMPARE(frame.bar(2)->geometry(), floated);
}

void TestToolBarPlaces::floatingOffScreenComesBack()
{
    writeSection("XToolBar1", {{"DockedTo", ""}, {"Left", "5000"}, {"Top", "-3000"}});
    writeSection("XToolBar2", {{"DockedTo", ""},
                               {"Left", "2147483647"},
                               {"Top", "0"},
                               {"Width", "2147483647"},
                               {"Height", "30"}});
    Frame frame;
    frame.place();
    QVERIFY(frame.show());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (int n = 1; n <= 2; ++n) {
        QVERIFY(frame.bar(n)->isFloating());
        QVERIFY2(screen.contains(frame.bar(n)->geometry()), qPrintable(frame.bar(n)->objectName()));
    }
}

void TestToolBarPlaces::garbledValuesGiveDesignedPlace_data()
{
    QTest::addColumn<Section>("stored");
    QTest::newRow("unknown dock") << Section{{"DockedTo", "Nirgendwo"}, {"DockLine", "0"}};
    QTest::newRow("line no number") << Section{{"DockedTo", "Docks4"}, {"DockLine", "abc"}};
    QTest::newRow("pos no number") << Section{{"DockedTo", "Docks3"}, {"DockPos", "12px"}};
}

void TestToolBarPlaces::garbledValuesGiveDesignedPlace()
{
    QFETCH(Section, stored);
    writeSection("XToolBar2", stored);
    writeSection("XToolBar3", stored);
    Frame frame;
    frame.place();
    QVERIFY(frame.show());
    QCOMPARE(frame.window.toolBarArea(frame.bar(2)), Qt::TopToolBarArea);
    QCOMPARE(frame.window.toolBarArea(frame.bar(3)), Qt::TopToolBarArea);
    QCOMPARE(currentPlace(&frame.window, frame.bar(2)).line, 1);
    QCOMPARE(currentPlace(&frame.window, frame.bar(3)).line, 0);
    QVERIFY(frame.bar(3)->x() > frame.bar(4)->x());
}

void TestToolBarPlaces::hiddenToolBarsKeepTheirPlace()
{
    {
        Frame frame;
        frame.place();
        QVERIFY(frame.show());
        // XToolBar3 sits right behind XToolBar4, not at its designed 300 pixels.
        const int pos3 = frame.bar(3)->x();
        QVERIFY(pos3 != 300);
        // With line 0 hidden, XToolBar2 moves up to the edge but still belongs to line 1.
        frame.bar(3)->hide();
        frame.bar(4)->hide();
        frame.window.layout()->activate();
        QCOMPARE(frame.bar(2)->y(), 0);
        frame.store();
        QCOMPARE(readValue("XToolBar2", "DockLine"), QStringLiteral("1"));
        QCOMPARE(readValue("XToolBar3", "DockLine"), QStringLiteral("0"));
        QCOMPARE(readValue("XToolBar3", "DockPos"), QString::number(pos3));
        QCOMPARE(readValue("XToolBar4", "DockPos"), QStringLiteral("0"));
    }
    Frame frame;
    frame.bar(4)->hide();
    frame.place();
    QVERIFY(frame.show());
    QVERIFY(frame.bar(4)->isHidden());
    QCOMPARE(currentPlace(&frame.window, frame.bar(4)).line, 0);
    QCOMPARE(currentPlace(&frame.window, frame.bar(3)).line, 0);
    QCOMPARE(currentPlace(&frame.window, frame.bar(2)).line, 1);
    frame.bar(4)->show();
    frame.window.layout()->activate();
    QVERIFY(frame.bar(3)->x() > frame.bar(4)->x());
}

QTEST_MAIN(TestToolBarPlaces)
#include "tst_toolbarplaces.moc"
