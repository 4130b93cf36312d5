// Tests of the document window's view: the colour and line-number switches with their stored
// values in every open window, the line numbers beside the text and the ruler, and go to line.
#include "app/Main.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/FrameFixture.h"
#include "editor/LineNumberGutter.h"
#include "editor/Ruler.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QInputDialog>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <memory>

class TstDocumentView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void switchesApplyToEveryWindowAndAreKept();
    void storedSwitchesOpenNewWindows_data();
    void storedSwitchesOpenNewWindows();
    void rulerMovesWithTheText();
    void numbersCountHardLines();
    void goToLine_data();
    void goToLine();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TMainForm> m_frame;
};

void TstDocumentView::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_frame = std::make_unique<TMainForm>(StartOptions{});
}

void TstDocumentView::cleanup()
{
    waitNoModal(1000);
    closeFrameQuietly(m_frame);
    m_env.reset();
}

void TstDocumentView::switchesApplyToEveryWindowAndAreKept()
{
    TMDIChild* one = m_frame->createChild();
    TMDIChild* two = m_frame->createChild();
    for (TMDIChild* child : {one, two}) {
        QVERIFY(child->action(QStringLiteral("FarbigeTags1"))->isChecked());
        QVERIFY(!child->action(QStringLiteral("Zeilennummern1"))->isChecked());
        QVERIFY(child->TextMemo->syntaxColours());
        QVERIFY(!child->TextMemo->lineNumbersShown());
    }

    one->action(QStringLiteral("Zeilennummern1"))->trigger();
    one->action(QStringLiteral("FarbigeTags1"))->trigger();
    for (TMDIChild* child : {one, two}) {
        QVERIFY(!child->action(QStringLiteral("FarbigeTags1"))->isChecked());
        QVERIFY(child->action(QStringLiteral("Zeilennummern1"))->isChecked());
        QVERIFY(!child->TextMemo->syntaxColours());
        QVERIFY(child->TextMemo->lineNumbersShown());
    }
    {
        SettingsStore store;
        QCOMPARE(store.readString(QStringLiteral("Optionen"), QStringLiteral("SyntaxColors"), {}),
                 QStringLiteral("0"));
        QCOMPARE(store.readString(QStringLiteral("Optionen"), QStringLiteral("LineNumbers"), {}),
                 QStringLiteral("1"));
    }
    two->action(QStringLiteral("FarbigeTags1"))->trigger();
    QVERIFY(one->TextMemo->syntaxColours());
    QVERIFY(SettingsStore().readBool(QStringLiteral("Optionen"), QStringLiteral("SyntaxColors"),
                                     false));
}

void TstDocumentView::storedSwitchesOpenNewWindows_data()
{
    QTest::addColumn<QString>("colours"); // stored text, "-" for absent
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<bool>("coloursOn");
    QTest::addColumn<bool>("numbersOn");
    QTest::newRow("absent") << "-"
                            << "-" << true << false;
    QTest::newRow("both switched") << "0"
                                   << "1" << false << true;
    QTest::newRow("garbled keeps the design") << "ja"
                                              << "ja" << true << false;
}

void TstDocumentView::storedSwitchesOpenNewWindows()
{
    QFETCH(QString, colours);
    QFETCH(QString, numbers);
    QFETCH(bool, coloursOn);
    QFETCH(bool, numbersOn);
    {
        SettingsStore store;
        if (colours != QLatin1String("-"))
            store.writeString(QStringLiteral("Optionen"), QStringLiteral("SyntaxColors"), colours);
        if (numbers != QLatin1String("-"))
            store.writeString(QStringLiteral("Optionen"), QStringLiteral("LineNumbers"), numbers);
    }
    TMDIChild* child = m_frame->createChild();
    QCOMPARE(child->TextMemo->syntaxColours(), coloursOn);
    QCOMPARE(child->action(QStringLiteral("FarbigeTags1"))->isChecked(), coloursOn);
    QCOMPARE(child->TextMemo->lineNumbersShown(), numbersOn);
    QCOMPARE(child->action(QStringLiteral("Zeilennummern1"))->isChecked(), numbersOn);
}

void TstDocumentView::rulerMovesWithTheText()
{
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    TMDIChild* child = m_frame->createChild();
    child->show();
    QCoreApplication::processEvents();
    const auto rulerX = [child] { return child->Ruler->mapTo(child, QPoint(0, 0)).x(); };
    const int rulerBefore = rulerX();
    const int textBefore = child->TextMemo->textLeft();
    const int markerBefore = child->Ruler->firstInd()->mapTo(child, QPoint(0, 0)).x();

    child->action(QStringLiteral("Zeilennummern1"))->trigger();
    QCoreApplication::processEvents();
    const int shift = child->TextMemo->textLeft() - textBefore;
    QVERIFY(shift > 20);
    QCOMPARE(rulerX() - rulerBefore, shift);
    QCOMPARE(child->Ruler->firstInd()->mapTo(child, QPoint(0, 0)).x() - markerBefore, shift);

    child->action(QStringLiteral("Zeilennummern1"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(rulerX(), rulerBefore);
    QCOMPARE(child->TextMemo->textLeft(), textBefore);
}

void TstDocumentView::numbersCountHardLines()
{
    TExtRich edit;
    edit.resize(400, 600);
    edit.setWordWrap(true);
    edit.loadText(QStringLiteral("eins\nzwei\n") + QString(3000, u'x') + QStringLiteral("\nvier"));
    edit.setLineNumbersShown(true);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    auto* gutter = edit.findChild<LineNumberGutter*>();
    QVERIFY(gutter && gutter->isVisible());
    const auto numberOfLine = [&](int line) {
        edit.setSelStart(edit.firstPositionOfLine(line));
        edit.ensureCursorVisible();
        return gutter->numberAt(edit.cursorRect().center().y());
    };
    QCOMPARE(numberOfLine(0), 1);
    QCOMPARE(numberOfLine(2), 3);
    QCOMPARE(numberOfLine(3), 4);
    // The second piece of the long line carries no number of its own.
    edit.setSelStart(edit.firstPositionOfLine(2) + 1500);
    edit.ensureCursorVisible();
    QCOMPARE(gutter->numberAt(edit.cursorRect().center().y()), 0);
}

void TstDocumentView::goToLine_data()
{
    QTest::addColumn<int>("typed"); // 0: cancel
    QTest::addColumn<int>("line");  // 1-based line of the caret afterwards
    QTest::newRow("first") << 1 << 1;
    QTest::newRow("last") << 40 << 40;
    QTest::newRow("beyond the last") << 99 << 40;
    QTest::newRow("middle") << 17 << 17;
    QTest::newRow("cancel") << 0 << 5;
}

void TstDocumentView::goToLine()
{
    QFETCH(int, typed);
    QFETCH(int, line);
    TMDIChild* child = m_frame->createChild();
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("Zeile %1").arg(i);
    child->TextMemo->loadText(lines.join(u'\n'));
    child->TextMemo->setSelStart(child->TextMemo->firstPositionOfLine(4) + 3);
    QAction* item = child->action(QStringLiteral("GehezuZeile1"));
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+G")));
    QString label;
    whenModal([typed, &label](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        if (!dialog)
            return false;
        label = dialog->labelText();
        if (typed == 0) {
            dialog->reject();
        } else {
            dialog->setIntValue(typed);
            dialog->accept();
        }
        return true;
    });
    item->trigger();
    QVERIFY(waitNoModal());
    QCOMPARE(label, QStringLiteral("&Zeilennummer (1 bis 40):"));
    TExtRich* memo = child->TextMemo;
    const int expected =
        typed == 0 ? memo->firstPositionOfLine(4) + 3 : memo->firstPositionOfLine(line - 1);
    QCOMPARE(memo->selStart(), expected);
    QCOMPARE(memo->lineOfPosition(memo->selStart()) + 1, line);
}

TESSALINE_TEST_MAIN(TstDocumentView)
#include "tst_documentview.moc"
