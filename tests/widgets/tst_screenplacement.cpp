// Tests of keeping windows and dialogs on the screen of the window they belong to.
#include "widgets/ScreenPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>

class TestScreenPlacement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placement_data();
    void placement();
    void shownWindowsLandOnTheScreen();
};

namespace
{

const QRect Screen(0, 0, 1280, 1024);
const QMargins Frame(4, 28, 4, 4); // borders and a title bar

} // namespace

void TestScreenPlacement::initTestCase()
{
    keepWindowsOnScreen(qApp);
    keepWindowsOnScreen(qApp); // a second call adds no second filter
}

void TestScreenPlacement::placement_data()
{
    QTest::addColumn<QRect>("client");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("placed");
    const QRect none;
    QTest::newRow("inside stays") << QRect(100, 100, 400, 300) << true << none << Screen
                                  << QRect(100, 100, 400, 300);
    QTest::newRow("lower edge off a 1024-pixel screen")
        << QRect(200, 500, 820, 600) << true << none << Screen << QRect(200, 420, 820, 600);
    QTest::newRow("right border off")
        << QRect(1000, 100, 400, 300) << true << none << Screen << QRect(876, 100, 400, 300);
    QTest::newRow("title bar above the screen")
        << QRect(-50, -10, 400, 300) << true << none << Screen << QRect(4, 28, 400, 300);
    QTest::newRow("larger than the screen")
        << QRect(0, 0, 2000, 1500) << true << none << Screen << QRect(4, 28, 1272, 992);
    QTest::newRow("new window centres on its owner")
        << QRect(0, 0, 400, 300) << false << QRect(100, 100, 600, 400) << Screen
        << QRect(200, 162, 400, 300);
    QTest::newRow("owner in the corner, window still on screen")
        << QRect(0, 0, 400, 300) << false << QRect(1000, 800, 280, 224) << Screen
        << QRect(876, 720, 400, 300);
    QTest::newRow("placed window keeps its place")
        << QRect(10, 40, 400, 300) << true << QRect(100, 100, 600, 400) << Screen
        << QRect(10, 40, 400, 300);
    QTest::newRow("second screen to the right")
        << QRect(3000, 900, 800, 600) << true << none << QRect(1280, 0, 1920, 1080)
        << QRect(2396, 476, 800, 600);
    QTest::newRow("screen above the primary")
        << QRect(10, -10, 400, 300) << true << none << QRect(0, -1024, 1280, 1024)
        << QRect(10, -304, 400, 300);
    QTest::newRow("no screen known")
        << QRect(5000, 5000, 400, 300) << true << none << QRect() << QRect(5000, 5000, 400, 300);
}

void TestScreenPlacement::placement()
{
    QFETCH(QRect, client);
    QFETCH(bool, moved);
    QFETCH(QRect, anchor);
    QFETCH(QRect, area);
    QFETCH(QRect, placed);
    const QRect result = windowPlacement(client, moved, anchor, Frame, area);
    QCOMPARE(result, placed);
    if (area.isValid())
        QVERIFY(area.contains(result.marginsAdded(Frame)));
}

void TestScreenPlacement::shownWindowsLandOnTheScreen()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.setGeometry(QRect(area.topLeft() + QPoint(20, 20), QSize(300, 200)));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    QDialog dialog(&owner);
    dialog.resize(200, 150);
    dialog.move(area.right() + 500, area.bottom() - 50); // where a stored place might put it
    dialog.show();
    QVERIFY(area.contains(dialog.frameGeometry()));
    dialog.hide();

    QWidget owned(&owner, Qt::Window);
    owned.resize(area.width() + 100, 100); // wider than the screen
    owned.show();
    QVERIFY(area.contains(owned.frameGeometry()));
    QCOMPARE(owned.frameGeometry().width(), area.width());
    QCOMPARE(owned.geometry().center().y(), owner.frameGeometry().center().y());

    // A window of its own, like the frame, keeps what it was given: it places itself.
    QWidget alone;
    alone.setGeometry(area.right() + 100, 50, 100, 100);
    alone.show();
    QVERIFY(alone.x() > area.right());
}

QTEST_MAIN(TestScreenPlacement)
#include "tst_screenplacement.moc"
