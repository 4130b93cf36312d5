// Tests of where the frame lands at start: stored bounds against one or two screen areas.
#include "core/ShellState.h"

#include <QTest>
#include <limits>

class TestFramePlacement : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void decorationsFit_data();
    void decorationsFit();
};

namespace
{

constexpr int Max = std::numeric_limits<int>::max();
constexpr int Min = std::numeric_limits<int>::min();
const QSize Designed(800, 600);
const QRect Primary(0, 0, 1920, 1050);      // below a task bar
const QRect Second(1920, -200, 1280, 1024); // to the right, reaching higher
const QRect Tiny(0, 0, 300, 200);
// Without a stored size: the primary area less the margin on every side.
const QSize Unstored(1920 - 48, 1050 - 48);

} // namespace

void TestFramePlacement::placement_data()
{
    QTest::addColumn<QList<int>>("stored"); // Left, Top, Width, Height
    QTest::addColumn<QList<QRect>>("areas");
    QTest::addColumn<bool>("placed");
    QTest::addColumn<QRect>("bounds");
    const QList<QRect> one{Primary};
    const QList<QRect> two{Primary, Second};
    QTest::newRow("as stored") << QList<int>{30, 40, 1000, 700} << one << true
                               << QRect(30, 40, 1000, 700);
    QTest::newRow("nothing stored")
        << QList<int>{-1, -1, -1, -1} << one << false << QRect(QPoint(0, 0), Unstored);
    QTest::newRow("nothing stored, 1280 wide")
        << QList<int>{-1, -1, -1, -1} << QList<QRect>{QRect(0, 0, 1280, 1024)} << false
        << QRect(0, 0, 1232, 976);
    QTest::newRow("size without place")
        << QList<int>{-1, -1, 5000, 5000} << one << false << QRect(0, 0, 1920, 1050);
    QTest::newRow("width only") << QList<int>{10, 10, 900, -1} << one << true
                                << QRect(QPoint(10, 10), Unstored);
    QTest::newRow("largest integers") << QList<int>{Max, Max, Max, Max} << one << true << Primary;
    QTest::newRow("smallest integers")
        << QList<int>{Min, Min, Min, Min} << one << true << QRect(QPoint(0, 0), Unstored);
    QTest::newRow("huge top") << QList<int>{100, Max, 1000, 700} << one << true
                              << QRect(100, 350, 1000, 700);
    QTest::newRow("left just off")
        << QList<int>{-1, 0, 1000, 700} << one << true << QRect(0, 0, 1000, 700);
    QTest::newRow("tiny") << QList<int>{10, 10, 1, 1} << one << true << QRect(10, 10, 600, 240);
    QTest::newRow("tiny screen") << QList<int>{50, 50, 1000, 700} << QList<QRect>{Tiny} << true
                                 << Tiny;
    QTest::newRow("on the second screen")
        << QList<int>{2000, -100, 1000, 700} << two << true << QRect(2000, -100, 1000, 700);
    QTest::newRow("mostly on the second screen")
        << QList<int>{1500, 100, 1000, 700} << two << true << QRect(1920, 100, 1000, 700);
    QTest::newRow("above the primary, inside the second")
        << QList<int>{2500, -150, 600, 400} << two << true << QRect(2500, -150, 600, 400);
    QTest::newRow("on no screen goes to the primary")
        << QList<int>{9000, 9000, 1000, 700} << two << true << QRect(920, 350, 1000, 700);
    QTest::newRow("larger than the second")
        << QList<int>{2000, 0, 3000, 3000} << two << true << Second;
    QTest::newRow("no screen known") << QList<int>{Max, Max, Max, Max} << QList<QRect>{} << false
                                     << QRect(QPoint(0, 0), Designed);
}

void TestFramePlacement::placement()
{
    QFETCH(QList<int>, stored);
    QFETCH(QList<QRect>, areas);
    QFETCH(bool, placed);
    QFETCH(QRect, bounds);
    ShellState state;
    state.left = stored.at(0);
    state.top = stored.at(1);
    state.width = stored.at(2);
    state.height = stored.at(3);
    // The frame's own minimum width, 600, counts where the stored width is smaller.
    const FramePlacement result = state.framePlacement(Designed, QSize(600, 100), areas);
    QCOMPARE(result.placed, placed);
    if (placed)
        QCOMPARE(result.bounds, bounds);
    else
        QCOMPARE(result.bounds.size(), bounds.size());
}

void TestFramePlacement::decorationsFit_data()
{
    QTest::addColumn<QRect>("client");
    QTest::addColumn<QRect>("fitted");
    // Decorations: 5 pixels at the sides and bottom, a 30-pixel title bar.
    QTest::newRow("inside stays") << QRect(100, 100, 800, 600) << QRect(100, 100, 800, 600);
    QTest::newRow("whole area") << Primary << QRect(5, 30, 1910, 1015);
    QTest::newRow("title above the area") << QRect(100, 10, 800, 600) << QRect(100, 30, 800, 600);
    QTest::newRow("right border off") << QRect(1120, 100, 800, 600) << QRect(1115, 100, 800, 600);
}

void TestFramePlacement::decorationsFit()
{
    QFETCH(QRect, client);
    QFETCH(QRect, fitted);
    QCOMPARE(fitFrameOnScreen(client.x(), client.y(), client.size(), QSize(300, 200),
                              QMargins(5, 30, 5, 5), {Primary, Second}),
             fitted);
}

QTEST_MAIN(TestFramePlacement)
#include "tst_frameplacement.moc"
