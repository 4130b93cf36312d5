// Tests of the font, colour and rule commands through their real dialogs, pickers and input boxes.
#include "generators/AllFontSettingsDialog.h"
#include "generators/DocumentFixture.h"
#include "generators/FontCommands.h"
#include "generators/RuleDialog.h"
#include "widgets/ColorSwatch.h"
#include "widgets/InputBox.h"
#include "widgets/NameLists.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QToolButton>

class TestFontCommands : public QObject
{
    Q_OBJECT
private slots:
    void inputBoxes_data();
    void inputBoxes();
    void colourPicker_data();
    void colourPicker();
    void fontFace();
    void allFontSettings_data();
    void allFontSettings();
    void ruleDialog_data();
    void ruleDialog();
    void fontSizeMenuOfTheFrame();
};

namespace
{

// Answers the next colour picker with colour (00BBGGRR), or cancels it when there is none.
void answerPicker(std::optional<std::uint32_t> colour)
{
    whenModal([colour](QWidget* w) {
        auto* picker = qobject_cast<QColorDialog*>(w);
        if (!picker)
            return false;
        if (!colour) {
            picker->reject();
            return true;
        }
        picker->setCurrentColor(
            QColor(int(*colour & 0xFF), int((*colour >> 8) & 0xFF), int((*colour >> 16) & 0xFF)));
        picker->accept();
        return true;
    });
}

} // namespace

void TestFontCommands::inputBoxes_data()
{
    QTest::addColumn<QString>("control"); // a document item, or a frame control after "frame:"
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("answer"); // null: Abbrechen
    QTest::addColumn<QString>("expected");
    const QString sizeCaption = "Schriftgröße", sizePrompt = "(1-7, -2, -1, +0, +1, +2, +3)";
    QTest::newRow("size") << "Schriftgre11" << sizeCaption << sizePrompt << "+1"
                          << "<font size=\"+1\">Hallo</font>";
    QTest::newRow("size, empty answer") << "Schriftgre11" << sizeCaption << sizePrompt << ""
                                        << "Hallo";
    QTest::newRow("size, Abbrechen")
        << "Schriftgre11" << sizeCaption << sizePrompt << QString() << "Hallo";
    QTest::newRow("base size") << "Standard1"
                               << "Grundgröße Schrift"
                               << "Geben Sie hier die Standard-Größe der Schrift ein."
                               << "2"
                               << "<basefont size=\"2\">Hallo</basefont>";
    const QString ruleCaption = "Trennlinie size",
                  rulePrompt = "Geben Sie hier die Dicke der Linie ein.";
    QTest::newRow("rule with its default") << "frame:size1" << ruleCaption << rulePrompt << "1"
                                           << "<hr size=\"1\">";
    QTest::newRow("rule, typed") << "frame:size1" << ruleCaption << rulePrompt << "4"
                                 << "<hr size=\"4\">";
    QTest::newRow("rule, Abbrechen writes nothing")
        << "frame:size1" << ruleCaption << rulePrompt << QString() << "Hallo";
    QTest::newRow("rule, empty answer writes nothing")
        << "frame:size1" << ruleCaption << rulePrompt << ""
        << "Hallo";
}

void TestFontCommands::inputBoxes()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, prompt);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText("Hallo");
    doc.memo->selectAllText();
    QString shownCaption, shownPrompt, shownDefault;
    answerDialog<TInputBox>(
        [&](TInputBox* box) {
            shownCaption = box->windowTitle();
            shownPrompt = box->promptLabel()->text();
            shownDefault = box->field()->text();
            if (answer != shownDefault)
                box->field()->setText(answer);
        },
        answer.isNull() ? "CancelButton" : "OKButton");
    if (control.startsWith("frame:")) {
        runIdle();
        doc.frame->control(control.mid(6))->trigger();
    } else {
        doc.trigger(control.toLatin1());
    }
    QVERIFY(waitNoModal());
    QCOMPARE(shownCaption, caption);
    QCOMPARE(shownPrompt, prompt);
    QCOMPARE(shownDefault, control.startsWith("frame:") ? QString("1") : QString());
    QCOMPARE(doc.memo->text(), expected);
}

void TestFontCommands::colourPicker_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("picked");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pure red as a value") << "Farbwert1" << true << 0x000000FFu << "#FF0000";
    QTest::newRow("value 00123456") << "Farbwert1" << true << 0x00123456u << "#563412";
    QTest::newRow("value from the frame")
        << "frame:SBtnHexColor" << true << 0x00FF0000u << "#0000FF";
    QTest::newRow("value cancelled") << "Farbwert1" << false << 0u << "Wort";
    QTest::newRow("font colour red")
        << "Schriftfarbe1" << true << 0x000000FFu << "<font color=\"#FF0000\">Wort</font>";
    QTest::newRow("font colour from the frame")
        << "frame:SBtnTColor" << true << 0x00123456u << "<font color=\"#563412\">Wort</font>";
    QTest::newRow("font colour cancelled") << "Schriftfarbe1" << false << 0u << "Wort";
}

void TestFontCommands::colourPicker()
{
    QFETCH(QString, control);
    QFETCH(bool, picked);
    QFETCH(uint, colour);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText("Wort");
    doc.memo->selectAllText();
    answerPicker(picked ? std::optional<std::uint32_t>(colour) : std::nullopt);
    if (control.startsWith("frame:")) {
        runIdle();
        doc.frame->control(control.mid(6))->trigger();
    } else {
        doc.trigger(control.toLatin1());
    }
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), expected);
}

void TestFontCommands::fontFace()
{
    DocumentFixture doc;
    doc.setText("x");
    doc.memo->selectAllText();
    int offered = -1;
    answerDialog<TDSchriftart>([&](TDSchriftart* dialog) {
        offered = dialog->ComboBox1->count();
        dialog->ComboBox1->setEditText("Arial");
        dialog->ComboBox3->setEditText("Courier");
    });
    doc.trigger("Schriftart1");
    QVERIFY(waitNoModal());
    QCOMPARE(offered, int(NameLists::installedFontFamilies().size()));
    QCOMPARE(doc.memo->text(), QString("<font face=\"Arial,Courier\">x</font>"));

    answerDialog<TDSchriftart>([](TDSchriftart* dialog) { dialog->ComboBox1->setEditText("A"); },
                               "BitBtn2");
    doc.trigger("Schriftart1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), QString("<font face=\"Arial,Courier\">x</font>"));
}

void TestFontCommands::allFontSettings_data()
{
    QTest::addColumn<QStringList>("faces");
    QTest::addColumn<int>("size"); // index in the size box, -1 for none
    QTest::addColumn<bool>("pickRed");
    QTest::addColumn<QString>("colourName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("alternatives alone are dropped")
        << QStringList{"", "Arial", "Courier"} << 2 << false << ""
        << "<font size=\"3\">S</font>";
    QTest::newRow("picked colour") << QStringList{"Verdana", "", ""} << -1 << true << ""
                                   << "<font face=\"Verdana\" color=\"#FF0000\">S</font>";
    QTest::newRow("colour name, relative size") << QStringList{"", "", ""} << 7 << false << "navy"
                                                << "<font color=\"navy\" size=\"-3\">S</font>";
}

void TestFontCommands::allFontSettings()
{
    QFETCH(QStringList, faces);
    QFETCH(int, size);
    QFETCH(bool, pickRed);
    QFETCH(QString, colourName);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText("S");
    doc.memo->selectAllText();
    answerDialog<TDSchriftartAlle>(
        [&](TDSchriftartAlle* dialog) {
            dialog->ComboBox1->setEditText(faces[0]);
            dialog->ComboBox2->setEditText(faces[1]);
            dialog->ComboBox3->setEditText(faces[2]);
            dialog->CBoxFontsize->setCurrentIndex(size);
            if (!colourName.isEmpty())
                dialog->ComboBox4->setCurrentIndex(dialog->ComboBox4->findText(colourName));
            if (pickRed) {
                // The picker opens over the dialog; OK follows once it has closed.
                answerPicker(0x000000FFu);
                QTimer::singleShot(0, dialog->SBtnTColor, &QToolButton::click);
                whenModal([](QWidget* w) {
                    auto* again = qobject_cast<TDSchriftartAlle*>(w);
                    if (!again)
                        return false;
                    again->okButton()->click();
                    return true;
                });
            } else {
                dialog->okButton()->click();
            }
        },
        QString());
    doc.trigger("AlleSchrifteinstellungen1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), expected);
}

void TestFontCommands::ruleDialog_data()
{
    QTest::addColumn<QString>("how"); // menu item, context-menu item, frame item, or key
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");
    const QString rule = "vor<hr noshade width=\"50%\" align=\"center\">";
    QTest::newRow("Tags menu") << "WeitereTrennlinien2" << true << rule;
    QTest::newRow("context menu") << "WeitereTrennlinien1" << true << rule;
    QTest::newRow("frame's rule menu") << "frame:Weitere1" << true << rule;
    QTest::newRow("Ctrl+Shift+T") << "key" << true << rule;
    QTest::newRow("Abbruch") << "WeitereTrennlinien2" << false << "vor";
}

void TestFontCommands::ruleDialog()
{
    QFETCH(QString, how);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText("vor");
    answerDialog<TDHrMore>(
        [](TDHrMore* dialog) {
            QTest::keyClick(dialog->CheckBox1, Qt::Key_Space);
            QTest::keyClicks(dialog->Edit1, "50%");
            dialog->ComboBox1->setCurrentIndex(dialog->ComboBox1->findText("center"));
        },
        ok ? "BitBtn1" : "BitBtn2");
    if (how == "key") {
        QApplication::setActiveWindow(doc.frame.get());
        QVERIFY(QTest::qWaitForWindowActive(doc.frame.get()));
        doc.memo->setFocus();
        QTest::keyClick(doc.memo, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (how.startsWith("frame:")) {
        runIdle();
        doc.frame->control(how.mid(6))->trigger();
    } else {
        doc.trigger(how.toLatin1());
    }
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), expected);
}

void TestFontCommands::fontSizeMenuOfTheFrame()
{
    DocumentFixture doc;
    doc.setText("Hallo");
    doc.memo->selectAllText();
    runIdle();
    QMenu* sizes = doc.frame->dropDownMenu("PopupMenuFontSize");
    QCOMPARE(sizes->actions().size(), 14);
    doc.frame->control("N42")->trigger();
    QCOMPARE(doc.memo->text(), QString("<font size=\"+4\">Hallo</font>"));
    QCOMPARE(doc.frame->control("N42")->statusTip(), QString("relative Fontgröße"));
}

TESSALINE_TEST_MAIN(TestFontCommands)
#include "tst_fontcommands.moc"
