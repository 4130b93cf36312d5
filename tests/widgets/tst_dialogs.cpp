// Tests of the dialog pieces: input box, flag dialogs, hints, help, colour picker, name lists.
#include "core/ColorText.h"
#include "support/TestSupport.h"
#include "widgets/ColorPicker.h"
#include "widgets/DialogBase.h"
#include "widgets/DialogHelp.h"
#include "widgets/DialogHints.h"
#include "widgets/HintStatusBar.h"
#include "widgets/InputBox.h"
#include "widgets/ListPick.h"
#include "widgets/NameLists.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace
{

// The smallest flag dialog: one labelled field.
class SampleDialog : public TFlagDialog
{
public:
    SampleDialog(const DialogEnv& env, bool& flag, int topic)
        : TFlagDialog(env, QStringLiteral("Probe"), topic, flag)
    {
        field = new QLineEdit(this);
        auto* body = new QFormLayout;
        body->addRow(labelFor("&Name:", field), field);
        setHint(field, "Kurz@zweite Zeile|Lang@im Panel");
        finishLayout(body);
    }
    QLineEdit* field;
};

// A dialog with one short field, so that its buttons alone set the width.
class TitleDialog : public TDialog
{
public:
    explicit TitleDialog(const QString& caption) : TDialog(DialogEnv{}, caption)
    {
        auto* body = new QFormLayout;
        body->addRow(labelFor("&Wert:", new QLineEdit(this)));
        finishLayout(body);
    }
};

enum class Close { Ok, Return, Abbruch, Escape, Frame };

void closeDialog(QDialog* dialog, Close how)
{
    switch (how) {
    case Close::Ok:
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        break;
    case Close::Return:
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        break;
    case Close::Abbruch:
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        break;
    case Close::Escape:
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        break;
    case Close::Frame:
        dialog->close();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Close)

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        QVERIFY(waitNoModal(1000));
        m_env.reset();
    }

    void inputBoxAnswers_data();
    void inputBoxAnswers();
    void flagDialogClosings_data();
    void flagDialogClosings();
    void hintsFollowTheSwitch_data();
    void hintsFollowTheSwitch();
    void helpButtonAndF1OpenTheTopic();
    void colorPickerReturnsTheValue();
    void colorNames();
    void fontFamilies();
    void titlesShowNoMarksAndFit_data();
    void titlesShowNoMarksAndFit();
    void onlyTheOpenListPicks_data();
    void onlyTheOpenListPicks();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestDialogs::inputBoxAnswers_data()
{
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button"); // OK, Abbrechen, Return, Escape, Frame
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("text");

    const QString longText(300, QLatin1Char('x'));
    QTest::newRow("OK keeps the default") << "1"
                                          << ""
                                          << "OK" << true << "1";
    QTest::newRow("typing replaces the selected default") << "1"
                                                          << "5"
                                                          << "OK" << true << "5";
    QTest::newRow("Return is OK") << ""
                                  << "abc"
                                  << "Return" << true << "abc";
    QTest::newRow("empty answer") << "1"
                                  << "\b"
                                  << "OK" << true << "";
    QTest::newRow("Abbrechen gives the default") << "1"
                                                 << "7"
                                                 << "Abbrechen" << false << "1";
    QTest::newRow("Escape cancels") << ""
                                    << "abc"
                                    << "Escape" << false << "";
    QTest::newRow("close button cancels") << "x"
                                          << "abc"
                                          << "Frame" << false << "x";
    QTest::newRow("at most 255 characters") << "" << longText << "OK" << true << longText.left(255);
}

void TestDialogs::inputBoxAnswers()
{
    QFETCH(QString, defaultText);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(bool, accepted);
    QFETCH(QString, text);

    QString caption, prompt, selected;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<TInputBox*>(w);
        if (!box)
            return false;
        caption = box->windowTitle();
        prompt = box->promptLabel()->text();
        selected = box->field()->selectedText();
        if (typed == QLatin1String("\b"))
            QTest::keyClick(box->field(), Qt::Key_Backspace);
        else
            QTest::keyClicks(box->field(), typed);
        if (button == QLatin1String("OK") || button == QLatin1String("Abbrechen"))
            box->findChild<QPushButton*>(button == QLatin1String("OK")
                                             ? QStringLiteral("OKButton")
                                             : QStringLiteral("CancelButton"))
                ->click();
        else if (button == QLatin1String("Return"))
            QTest::keyClick(box->field(), Qt::Key_Return);
        else if (button == QLatin1String("Escape"))
            QTest::keyClick(box->field(), Qt::Key_Escape);
        else
            box->close();
        return true;
    });
    const InputAnswer answer =
        inputBox(nullptr, QStringLiteral("Titel"), QStringLiteral("Frage?"), defaultText);
    QCOMPARE(caption, QStringLiteral("Titel"));
    QCOMPARE(prompt, QStringLiteral("Frage?"));
    QCOMPARE(selected, defaultText);
    QCOMPARE(answer.accepted, accepted);
    QCOMPARE(answer.text, text);
}

void TestDialogs::flagDialogClosings_data()
{
    QTest::addColumn<Close>("how");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("OK sets") << Close::Ok << false << true;
    QTest::newRow("Return sets") << Close::Return << false << true;
    QTest::newRow("Abbruch clears") << Close::Abbruch << true << false;
    QTest::newRow("Escape clears a stale flag") << Close::Escape << true << false;
    QTest::newRow("frame close clears a stale flag") << Close::Frame << true << false;
}

void TestDialogs::flagDialogClosings()
{
    QFETCH(Close, how);
    QFETCH(bool, before);
    QFETCH(bool, after);
    bool flag = before;
    SampleDialog dialog(DialogEnv{}, flag, 0);
    QCOMPARE(dialog.okButton()->text(), QStringLiteral("&OK"));
    QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("&Abbruch"));
    QVERIFY(!dialog.helpButton());
    whenModal([&](QWidget* w) {
        if (w != &dialog)
            return false;
        // The label's mnemonic reaches the field.
        dialog.okButton()->setFocus();
        QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier);
        if (!dialog.field->hasFocus())
            return false;
        closeDialog(&dialog, how);
        return true;
    });
    const int result = dialog.exec();
    QCOMPARE(flag, after);
    QCOMPARE(result == QDialog::Accepted, after);
}

void TestDialogs::hintsFollowTheSwitch_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("hints on") << true;
    QTest::newRow("hints off") << false;
}

void TestDialogs::hintsFollowTheSwitch()
{
    QFETCH(bool, on);
    THintStatusBar bar;
    bar.addPanel({"HintStatusPanel3", 400, QStringLiteral("Start"), QString()});
    bool hintsOn = on;
    bool flag = false;
    SampleDialog dialog(DialogEnv{nullptr, &bar, [&] { return hintsOn; }}, flag, 0);
    QCOMPARE(dialog.field->toolTip(), on ? QStringLiteral("Kurz\nzweite Zeile") : QString());

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(dialog.field, &enter);
    QCOMPARE(bar.panelText(QStringLiteral("HintStatusPanel3")),
             on ? QStringLiteral("Lang\nim Panel") : QStringLiteral("Start"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(dialog.field, &leave);
    QCOMPARE(bar.panelText(QStringLiteral("HintStatusPanel3")),
             on ? QString() : QStringLiteral("Start"));

    // Applying again follows the switch as it stands then.
    hintsOn = !on;
    dialog.hints()->apply();
    QCOMPARE(dialog.field->toolTip().isEmpty(), on);

    // A hint without a bar shows all of it in both places.
    QCOMPARE(TDialogHints::toolTipPart(QStringLiteral("a@b")), QStringLiteral("a\nb"));
    QCOMPARE(TDialogHints::statusPart(QStringLiteral("a@b")), QStringLiteral("a\nb"));
    QCOMPARE(TDialogHints::statusPart(QStringLiteral("a|b|c")), QStringLiteral("b|c"));
}

void TestDialogs::helpButtonAndF1OpenTheTopic()
{
    QList<int> topics;
    const HelpOpener programs = setHelpOpener([&](QWidget*, int topic) { topics.append(topic); });
    auto restore = qScopeGuard([&] { setHelpOpener(programs); });
    bool flag = false;
    SampleDialog dialog(DialogEnv{}, flag, 308);
    QVERIFY(dialog.helpButton());
    QCOMPARE(dialog.helpButton()->text(), QStringLiteral("&Hilfe"));
    whenModal([&](QWidget* w) {
        if (w != &dialog)
            return false;
        dialog.helpButton()->click();
        QTest::keyClick(dialog.field, Qt::Key_F1);
        // The help button is not the default: Return still presses OK.
        dialog.helpButton()->setFocus();
        QTest::keyClick(dialog.helpButton(), Qt::Key_Return);
        return true;
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(topics, (QList<int>{308, 308}));
}

void TestDialogs::colorPickerReturnsTheValue()
{
    QList<int> topics;
    const HelpOpener programs = setHelpOpener([&](QWidget*, int topic) { topics.append(topic); });
    auto restore = qScopeGuard([&] { setHelpOpener(programs); });
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        if (!dialog || !dialog->isActiveWindow())
            return false;
        for (int slot = 0; slot < 16; ++slot)
            if (ColorText::fromQColor(QColorDialog::customColor(slot)) !=
                ColorPicker::CustomColors[slot])
                return true; // leaves the dialog open: the test fails below
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
        return true;
    });
    QCOMPARE(ColorPicker::pick(nullptr), std::optional<std::uint32_t>(0x563412));
    QCOMPARE(topics, QList<int>{319});

    whenModal([](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        if (dialog)
            dialog->reject();
        return dialog != nullptr;
    });
    QVERIFY(!ColorPicker::pick(nullptr, 0x0000FF));
}

void TestDialogs::colorNames()
{
    const QStringList names = NameLists::colorNames();
    QCOMPARE(names.size(), 139);
    QCOMPARE(names.first(), QStringLiteral("aliceblue"));
    QCOMPARE(names.last(), QStringLiteral("yellowgreen"));
    for (qsizetype i = 0; i < names.size(); ++i) {
        QVERIFY2(QColor::isValidColorName(names.at(i)), qPrintable(names.at(i)));
        QVERIFY2(!names.at(i).contains(QLatin1String("grey")), qPrintable(names.at(i)));
        if (i > 0)
            QVERIFY2(names.at(i - 1) < names.at(i), qPrintable(names.at(i)));
    }
    QVERIFY(!names.contains(QStringLiteral("cyan")));
    QVERIFY(names.contains(QStringLiteral("aqua")) && names.contains(QStringLiteral("darkcyan")));

    QComboBox box;
    box.setEditable(true);
    NameLists::fillColorNames(&box);
    QCOMPARE(box.count(), 139);
    QCOMPARE(box.currentText(), QString()); // starts empty
}

void TestDialogs::fontFamilies()
{
    const QStringList families = NameLists::installedFontFamilies();
    for (qsizetype i = 1; i < families.size(); ++i)
        QVERIFY2(families.at(i - 1).compare(families.at(i), Qt::CaseInsensitive) <= 0 &&
                     families.at(i - 1) != families.at(i),
                 qPrintable(families.at(i)));
    QComboBox box;
    box.setEditable(true);
    NameLists::fillFontFamilies(&box);
    QCOMPARE(box.count(), families.size());
    QCOMPARE(box.currentText(), QString());
}

void TestDialogs::titlesShowNoMarksAndFit_data()
{
    QTest::addColumn<QString>("caption"); // given to the constructor
    QTest::addColumn<QString>("later");   // set by the command afterwards; empty: none
    QTest::addColumn<QString>("shown");

    QTest::newRow("mark in the caption") << "&Einzeiliges Eingabefeld"
                                         << ""
                                         << "Einzeiliges Eingabefeld";
    QTest::newRow("doubled mark is one ampersand") << "Kopf && Fuß"
                                                   << ""
                                                   << "Kopf & Fuß";
    QTest::newRow("title set by the command") << "Eingabe"
                                              << "&Mehrzeiliges Eingabefeld"
                                              << "Mehrzeiliges Eingabefeld";
    QTest::newRow("long title") << "Mehrzeiliges Eingabefeld mit einem sehr langen Titel"
                                << ""
                                << "Mehrzeiliges Eingabefeld mit einem sehr langen Titel";
}

void TestDialogs::titlesShowNoMarksAndFit()
{
    QFETCH(QString, caption);
    QFETCH(QString, later);
    QFETCH(QString, shown);
    TitleDialog dialog(caption);
    if (!later.isEmpty())
        dialog.setWindowTitle(later);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), shown);
    // Room for the whole title and the title bar's buttons.
    const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(shown);
    QVERIFY2(dialog.width() >= titleWidth + 80, qPrintable(QString::number(dialog.width())));
}

void TestDialogs::onlyTheOpenListPicks_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<int>>("picks");

    QTest::newRow("typed entry, Tab") << "type" << QList<int>{};
    QTest::newRow("typed entry, Return") << "return" << QList<int>{};
    QTest::newRow("Down on the closed list") << "down" << QList<int>{};
    QTest::newRow("Return in the open list") << "open return" << QList<int>{1};
    QTest::newRow("click in the open list") << "open click" << QList<int>{2};
    QTest::newRow("Escape closes the open list") << "open escape" << QList<int>{};
}

void TestDialogs::onlyTheOpenListPicks()
{
    QFETCH(QString, action);
    QFETCH(QList<int>, picks);
    QWidget window;
    auto* box = new QComboBox(&window);
    box->setEditable(true);
    box->addItems({"a.htm", "b.htm", "c.htm"});
    box->setCurrentIndex(-1);
    auto* next = new QLineEdit(&window);
    next->move(0, 40);
    QList<int> picked;
    onListPick(box, &window, [&picked](int index) { picked.append(index); });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    keepTypedTextInLists(&window);
    box->setFocus();
    QAbstractItemView* view = box->view();
    if (action == u"type" || action == u"return") {
        QTest::keyClicks(box->lineEdit(), QStringLiteral("b.htm"));
        QTest::keyClick(box->lineEdit(), action == u"type" ? Qt::Key_Tab : Qt::Key_Return);
    } else if (action == u"down") {
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentIndex(), 0);
    } else {
        box->showPopup();
        QTRY_VERIFY(view->isVisible());
        if (action == u"open return") {
            view->setCurrentIndex(box->model()->index(0, 0));
            QTest::keyClick(view, Qt::Key_Down);
            QTest::keyClick(view, Qt::Key_Return);
        } else if (action == u"open click") {
            QTest::qWait(QApplication::doubleClickInterval());
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->visualRect(box->model()->index(2, 0)).center());
        } else {
            QTest::keyClick(view, Qt::Key_Escape);
        }
        QTRY_VERIFY(!view->isVisible());
    }
    QCOMPARE(picked, picks);
}

TESSALINE_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
