// Tests of the ruler: marker placement, dragging and dropping the three indent markers, and the
// dropped indents surviving an RTF round trip.
#include "editor/Rtf.h"
#include "editor/Ruler.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

using Indents = TExtRich::ParagraphIndents;
Q_DECLARE_METATYPE(Indents)

namespace
{

// Mouse events straight to a marker, with the left button held as during a drag.
void sendMouse(QWidget* marker, QEvent::Type type, int x)
{
    const QPointF pos(x, 4);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, marker->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(marker, &event);
}

// Grabs the marker at its centre, drags it until its left edge stands at left, lets it go.
void dragTo(QWidget* marker, int left)
{
    sendMouse(marker, QEvent::MouseButtonPress, 5);
    sendMouse(marker, QEvent::MouseMove, left - marker->x() + 5);
    sendMouse(marker, QEvent::MouseButtonRelease, 5);
}

// A ruler 583 pixels wide over a text control, as in a document window.
struct RulerWindow {
    QWidget window;
    TRuler* ruler;
    TExtRich* edit;
    RulerWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        ruler = new TRuler;
        edit = new TExtRich;
        layout->addWidget(ruler);
        layout->addWidget(edit);
        window.resize(583, 300);
        window.show();
        ruler->attach(edit);
    }
};

} // namespace

class TstRuler : public QObject
{
    Q_OBJECT

private slots:
    void layoutOfTheStrip();
    void placement_data();
    void placement();
    void dropFirstIndent_data();
    void dropFirstIndent();
    void dropLeftAndRightIndent();
    void droppedIndentsSurviveRtf();

private:
    TestEnvironment m_env;
};

void TstRuler::layoutOfTheStrip()
{
    RulerWindow w;
    TRuler& ruler = *w.ruler;
    QCOMPARE(ruler.height(), 24);
    QCOMPARE(ruler.caption(), QStringLiteral("\t|").repeated(100));
    QCOMPARE(ruler.font().pixelSize(), 11);
    QCOMPARE(ruler.rulerLine()->geometry(), QRect(4, 12, 575, 2));
    QCOMPARE(ruler.firstInd()->geometry(), QRect(2, 2, 10, 9));
    QCOMPARE(ruler.leftInd()->geometry(), QRect(2, 12, 10, 11));
    QCOMPARE(ruler.rightInd()->geometry(), QRect(569, 14, 10, 9));

    // A narrower window keeps the line's margins and moves the right marker along.
    w.window.resize(400, 300);
    QTRY_COMPARE(ruler.width(), 400);
    QCOMPARE(ruler.rulerLine()->width(), 392);
    QCOMPARE(ruler.rightInd()->x(), 400 - 14);
    QVERIFY(!ruler.grab().isNull());
}

void TstRuler::placement_data()
{
    QTest::addColumn<Indents>("indents");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::newRow("all zero") << Indents{0, 0, 0} << 2 << 2 << 569;
    QTest::newRow("typical") << Indents{30, 15, 12} << 42 << 62 << 553;
    QTest::newRow("truncated") << Indents{14, -14, 1} << 20 << 2 << 568;
    QTest::newRow("negative toward zero") << Indents{-1, -2, -7} << 1 << -2 << 578;
}

void TstRuler::placement()
{
    QFETCH(Indents, indents);
    QFETCH(int, first);
    QFETCH(int, left);
    QFETCH(int, right);
    RulerWindow w;
    w.edit->loadText("a\nb");
    w.edit->setParagraphIndents(indents);
    QCOMPARE(w.ruler->firstInd()->x(), first);
    QCOMPARE(w.ruler->leftInd()->x(), left);
    QCOMPARE(w.ruler->rightInd()->x(), right);
    // The markers follow the caret into the unformatted paragraph and back.
    QTest::keyClick(w.edit, Qt::Key_Down);
    QCOMPARE(w.ruler->firstInd()->x(), 2);
    w.edit->setSelStart(0);
    QCOMPARE(w.ruler->leftInd()->x(), left);
}

void TstRuler::dropFirstIndent_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<Indents>("indents");
    QTest::newRow("at 20") << 20 << Indents{14, -14, 0};
    QTest::newRow("just left of the gutter") << 0 << Indents{0, 0, 0};
    QTest::newRow("far left of the gutter") << -3 << Indents{-3, 3, 0};
}

void TstRuler::dropFirstIndent()
{
    QFETCH(int, left);
    QFETCH(Indents, indents);
    RulerWindow w;
    TRuler& ruler = *w.ruler;
    w.edit->loadText("eins\nzwei\ndrei");
    w.edit->setSelStart(2);
    w.edit->setSelLength(6); // into the second paragraph
    QSignalSpy dropped(&ruler, &TRuler::indentsDropped);
    QWidget* marker = ruler.firstInd();

    sendMouse(marker, QEvent::MouseButtonPress, 8);
    QVERIFY(ruler.isDragging());
    QCOMPARE(ruler.dragOffset(), 5);
    QCOMPARE(marker->x(), 2 + 8 - 5); // centre under the mouse
    sendMouse(marker, QEvent::MouseMove, left - marker->x() + 5);
    QCOMPARE(marker->x(), left);
    sendMouse(marker, QEvent::MouseButtonRelease, 5);
    QVERIFY(!ruler.isDragging());
    QCOMPARE(dropped.count(), 1);

    QCOMPARE(w.edit->paragraphIndents(), indents);
    w.edit->setSelStart(w.edit->firstPositionOfLine(1));
    QCOMPARE(w.edit->paragraphIndents(), indents);
    w.edit->setSelStart(w.edit->firstPositionOfLine(2));
    QCOMPARE(w.edit->paragraphIndents(), Indents{});
    // The other lines stay where the left marker stood.
    w.edit->setSelStart(0);
    QCOMPARE(ruler.leftInd()->x(), 2);
    QCOMPARE(ruler.firstInd()->x(), (indents.first * 4 / 3) + 2);

    // Both indents of the drop are one undo step.
    w.edit->undoLast();
    QCOMPARE(w.edit->paragraphIndents(), Indents{});
}

void TstRuler::dropLeftAndRightIndent()
{
    RulerWindow w;
    TRuler& ruler = *w.ruler;
    w.edit->setParagraphIndents({10, 5, 0});
    QCOMPARE(ruler.leftInd()->x(), 22);

    sendMouse(ruler.leftInd(), QEvent::MouseMove, 40); // no press: not dragging
    QCOMPARE(ruler.leftInd()->x(), 22);
    dragTo(ruler.leftInd(), 50); // trunc((50 + 5 - 6) * 3/4) = 36 points from the gutter
    QCOMPARE(w.edit->paragraphIndents(), Indents({10, 26, 0}));
    QCOMPARE(ruler.leftInd()->x(), 48 - 4 + 6);

    dragTo(ruler.rightInd(), 549); // trunc((583 - 549 + 5 - 2) * 3/4) - 12
    QCOMPARE(w.edit->paragraphIndents(), Indents({10, 26, 15}));
    QCOMPARE(ruler.rightInd()->x(), 549);
    dragTo(ruler.rightInd(), 600); // beyond the ruler's end
    QCOMPARE(w.edit->paragraphIndents().right, (583 - 600 + 3) * 3 / 4 - 12);
}

void TstRuler::droppedIndentsSurviveRtf()
{
    RulerWindow w;
    w.edit->setPlainTextMode(false);
    w.edit->loadText("erster Absatz\nzweiter Absatz");
    dragTo(w.ruler->firstInd(), 20);
    w.edit->setSelStart(w.edit->firstPositionOfLine(1));
    dragTo(w.ruler->rightInd(), 549);
    const QByteArray rtf = writeRtf(w.edit->document());
    QVERIFY2(rtf.contains("\\fi280"), rtf.constData());

    TExtRich reread;
    reread.setPlainTextMode(false);
    readRtf(rtf, reread.document());
    reread.setSelStart(0);
    QCOMPARE(reread.lineCount(), 2);
    QCOMPARE(reread.paragraphIndents(), Indents({14, -14, 0}));
    reread.setSelStart(reread.firstPositionOfLine(1));
    QCOMPARE(reread.paragraphIndents(), Indents({0, 0, 15}));
}

TESSALINE_TEST_MAIN(TstRuler)
#include "tst_ruler.moc"
