// Tests of the special-character palette: layout, references, window kind, and insertion into
// whichever document is active at the click.
#include "app/Main.h"
#include "editor/DocumentWindow.h"
#include "editor/SpecialCharacterPalette.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TstSpecialCharacterPalette : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void references_data();
    void references();
    void insertsIntoActiveDocument();
    void escapeGivesTheKeyboardBack();

private:
    TestEnvironment m_env;
};

void TstSpecialCharacterPalette::layout()
{
    TFSonderZeichen palette({});
    QCOMPARE(palette.windowTitle(), u"Sonderzeichen"_s);
    // At least the classic client area, and wide enough that every tab label shows whole.
    QCOMPARE(palette.height(), 112);
    QVERIFY(palette.width() >= 293);
    palette.show();
    QTabBar* bar = palette.notebook()->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        const int needed = bar->fontMetrics().horizontalAdvance(u"Sonderzeichen 4"_s);
        QVERIFY2(bar->tabRect(i).width() > needed, qPrintable(QString::number(i)));
    }
    QVERIFY(bar->tabRect(3).right() <= bar->width());
    QCOMPARE(bar->elideMode(), Qt::ElideNone);
    QVERIFY(palette.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(palette.windowType(), Qt::Tool);
    QTabWidget* book = palette.notebook();
    QCOMPARE(book->count(), 4);
    QCOMPARE(book->tabText(3), u"Sonderzeichen &4"_s);
    QCOMPARE(TFSonderZeichen::cells().size(), 101);
    const int perPage[] = {19, 24, 29, 29};
    for (int page = 0; page < 4; ++page)
        QCOMPARE(book->widget(page)->findChildren<QToolButton*>().size(), perPage[page]);
    // Rows end where the table ends.
    QVERIFY(palette.button(1, 1, 11) && !palette.button(1, 1, 12) && !palette.button(1, 2, 9));
    QVERIFY(palette.button(2, 3, 3) && !palette.button(2, 3, 4) && !palette.button(1, 3, 1));

    QCOMPARE(palette.button(1, 2, 2)->geometry(), QRect(30, 30, 25, 25));
    QToolButton* last = palette.button(4, 3, 7);
    QCOMPARE(last->geometry(), QRect(155, 55, 25, 25));
    QCOMPARE(last->parentWidget(), book->widget(3));
    QCOMPARE(last->objectName(), u"SpeedButton101"_s);
    QCOMPARE(palette.button(2, 1, 1)->objectName(), u"SpeedButton20"_s);
    QCOMPARE(last->text(), u"ÿ"_s);
    QVERIFY(last->font().bold() && last->toolTip().isEmpty());
}

void TstSpecialCharacterPalette::references_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("reference");
    QTest::newRow("soft hyphen") << 1 << 2 << 2 << u"&#173;"_s;
    QTest::newRow("THORN") << 1 << 1 << 11 << u"&THORN;"_s;
    QTest::newRow("quot") << 1 << 2 << 7 << u"&quot;"_s;
    QTest::newRow("trade mark") << 2 << 1 << 1 << u"&#153;"_s;
    QTest::newRow("three quarters") << 2 << 3 << 3 << u"&#190;"_s;
    QTest::newRow("AElig") << 3 << 1 << 6 << u"&AElig;"_s;
    QTest::newRow("OE ligature") << 3 << 2 << 1 << u"&#140;"_s;
    QTest::newRow("aelig") << 4 << 1 << 6 << u"&aelig;"_s;
    QTest::newRow("yuml") << 4 << 3 << 7 << u"&yuml;"_s;
}

void TstSpecialCharacterPalette::references()
{
    QFETCH(int, page);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, reference);
    int klicks = 0;
    TFSonderZeichen palette([&klicks] { ++klicks; });
    palette.show();
    palette.notebook()->setCurrentIndex(page - 1);
    QTest::mouseClick(palette.button(page, row, column), Qt::LeftButton);
    QCOMPARE(TFSonderZeichen::PendingEntity, reference);
    QCOMPARE(klicks, 1);
}

void TstSpecialCharacterPalette::insertsIntoActiveDocument()
{
    TMainForm frame{StartOptions{}};
    frame.show();
    // The frame's part: the pending reference goes to the active document, if there is one.
    const auto klick = [&frame] {
        if (TMDIChild* child = frame.activeChild())
            child->Insert(TFSonderZeichen::PendingEntity);
    };
    QPointer<TFSonderZeichen> palette = TFSonderZeichen::open(klick, &frame);
    QPointer<TFSonderZeichen> second = TFSonderZeichen::open(klick, &frame);
    QVERIFY(palette != second && palette->isVisible() && !palette->isModal());
    QTest::mouseClick(palette->button(1, 1, 1), Qt::LeftButton); // no document: nothing happens
    QCOMPARE(TFSonderZeichen::PendingEntity, u"&#130;"_s);

    TMDIChild* a = frame.createChild();
    TMDIChild* b = frame.createChild();
    a->TextMemo->loadText(u"A: ersetzen"_s);
    a->TextMemo->setSelStart(3);
    a->TextMemo->setSelLength(8);
    palette->activateWindow();
    frame.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(a->parentWidget()));
    palette->notebook()->setCurrentIndex(2);
    QTest::mouseClick(palette->button(3, 1, 6), Qt::LeftButton);
    QCOMPARE(a->TextMemo->text(), u"A: &AElig;"_s);
    QCOMPARE(a->TextMemo->selStart(), 10);

    frame.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(b->parentWidget()));
    palette->notebook()->setCurrentIndex(0);
    QTest::mouseClick(palette->button(1, 2, 2), Qt::LeftButton);
    QCOMPARE(b->TextMemo->text(), u"&#173;"_s);
    QCOMPARE(a->TextMemo->text(), u"A: &AElig;"_s);

    // Closing destroys just that palette.
    second->close();
    QTRY_VERIFY(!second);
    QVERIFY(palette);
    a->TextMemo->setModified(false);
    b->TextMemo->setModified(false);
}

void TstSpecialCharacterPalette::escapeGivesTheKeyboardBack()
{
    TMainForm frame{StartOptions{}};
    frame.show();
    TMDIChild* child = frame.createChild();
    QApplication::setActiveWindow(&frame);
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    frame.focusDocument(child);
    QPointer<TFSonderZeichen> palette = TFSonderZeichen::open({}, &frame);
    QApplication::setActiveWindow(palette);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(palette));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                : static_cast<QWidget*>(palette),
                    Qt::Key_Escape);
    QTRY_VERIFY(!palette);
    QTRY_COMPARE(QApplication::activeWindow(), &frame);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(child->TextMemo));
    QTest::keyClicks(QApplication::focusWidget(), u"ab"_s);
    QCOMPARE(child->TextMemo->text(), u"ab"_s);
    child->TextMemo->setModified(false);
}

TESSALINE_TEST_MAIN(TstSpecialCharacterPalette)
#include "tst_specialcharacterpalette.moc"
