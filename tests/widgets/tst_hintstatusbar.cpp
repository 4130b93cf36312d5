// Tests of the status bar's panels: a long text in the stretching panel leaves the short panels
// beside it their whole texts; new texts of the short ones ask for no new layout.
#include "support/TestSupport.h"
#include "widgets/HintStatusBar.h"

#include <QLabel>
#include <QTest>

class TstHintStatusBar : public QObject
{
    Q_OBJECT
private slots:
    void longHintLeavesShortPanelsWhole();
    void positionTextsAskForNoNewLayout();
};

namespace
{

// Counts the layout requests a widget receives.
struct LayoutRequests : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::LayoutRequest;
        return false;
    }
};

} // namespace

void TstHintStatusBar::longHintLeavesShortPanelsWhole()
{
    THintStatusBar bar;
    bar.addPanel({"Modus", 40, QStringLiteral("AUML"), QString(), Qt::AlignCenter, Qt::blue, true});
    bar.addPanel({"Zeile", 70, QString(), QString()});
    bar.addPanel({"Geaendert", 60, QString(), QString()});
    bar.addPanel({"Einfg", 40, QString(), QString()});
    bar.addPanel({"Hinweis", 400, QString(), QString()});
    bar.addPanel({"Kodierung", 1, QString(), QString()});
    // Narrower than all given widths together: the hint panel gives way.
    bar.resize(700, 24);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.setPanelText(QStringLiteral("Hinweis"),
                     QStringLiteral("/home/anna/Webseiten/Verein/Sommerfest/Anmeldung/") +
                         QString(60, u'x') + QStringLiteral(".htm"));
    bar.setPanelText(QStringLiteral("Kodierung"), QStringLiteral("Windows-1252 · CR LF"));
    QTRY_VERIFY(bar.panel(QStringLiteral("Kodierung"))->width() >=
                bar.panel(QStringLiteral("Kodierung"))->sizeHint().width());
    QVERIFY(bar.panel(QStringLiteral("Modus"))->width() >=
            bar.panel(QStringLiteral("Modus"))->sizeHint().width());
    QVERIFY(bar.panel(QStringLiteral("Hinweis"))->width() >= 120);
    // In a roomy window it has its whole given width and more.
    bar.resize(1200, 24);
    QTRY_VERIFY(bar.panel(QStringLiteral("Hinweis"))->width() >= 400);
}

void TstHintStatusBar::positionTextsAskForNoNewLayout()
{
    THintStatusBar bar;
    bar.addPanel({"Zeile", 70, QStringLiteral("1 : 1"), QString()});
    bar.addPanel({"Hinweis", 400, QString(), QString()});
    bar.resize(700, 24);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCoreApplication::sendPostedEvents();
    LayoutRequests requests;
    bar.installEventFilter(&requests);
    // The caret's position changes on every key: the panel keeps its size.
    for (int column = 2; column < 40; ++column)
        bar.setPanelText(QStringLiteral("Zeile"), QStringLiteral("12 : %1").arg(column));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(requests.count, 0);
    // A text longer than the panel still shows whole.
    const QString longer = QStringLiteral("123456789 : 123456789");
    bar.setPanelText(QStringLiteral("Zeile"), longer);
    QLabel* panel = bar.panel(QStringLiteral("Zeile"));
    QTRY_VERIFY(panel->width() >= panel->sizeHint().width());
    QCOMPARE(panel->text(), longer);
}

TESSALINE_TEST_MAIN(TstHintStatusBar)
#include "tst_hintstatusbar.moc"
