// Tests of the form commands through their real dialogs, from the menus and the frame's buttons.
#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "generators/DocumentFixture.h"
#include "generators/FormButtonDialog.h"
#include "generators/FormFieldDialog.h"
#include "generators/FormFrameDialog.h"
#include "generators/FormSwitchDialog.h"

#include <QComboBox>
#include <QRadioButton>

class TestFormCommands : public QObject
{
    Q_OBJECT
private slots:
    void formFrame_data();
    void formFrame();
    void fields_data();
    void fields();
    void staleFlagNeverInserts_data();
    void staleFlagNeverInserts();
    void switchesOfOneGroupShareTheirName();
    void button();
    void longValuesAreWrittenWhole();
    void frameButtonsOpenTheDialogs_data();
    void frameButtonsOpenTheDialogs();
};

void TestFormCommands::formFrame_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("action"); // null keeps the start value
    QTest::addColumn<bool>("get");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("start values, nothing selected")
        << "" << false << QString() << false << "BitBtn1"
        << "<form action=\"http:/\" method=\"post\">\r\n\r\n</form>";
    QTest::newRow("around the selection, empty action, get")
        << "abc" << true << "" << true << "BitBtn1"
        << "<form action=\"\" method=\"get\">\r\nabc\r\n</form>";
    QTest::newRow("Abbruch") << "abc" << true << "x" << false << "BitBtn2"
                             << "abc";
    QTest::newRow("Escape") << "abc" << true << "x" << false << ""
                            << "abc";
}

void TestFormCommands::formFrame()
{
    QFETCH(QString, text);
    QFETCH(bool, selectAll);
    QFETCH(QString, action);
    QFETCH(bool, get);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText(text);
    if (selectAll)
        doc.memo->selectAllText();
    answerDialog<TDZielanwendung>(
        [&](TDZielanwendung* dialog) {
            if (!action.isNull())
                dialog->Edit1->setText(action);
            dialog->RadioButton2->setChecked(get);
            if (button.isEmpty())
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        },
        button);
    doc.trigger("Grundgerstformulareinfgen1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), expected);
    if (expected != text)
        QCOMPARE(doc.memo->selStart(), doc.memo->textLength());
}

void TestFormCommands::fields_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("typed"); // name, second and third field
    QTest::addColumn<int>("kind");          // index in the choice box, -1 for none
    QTest::addColumn<QString>("expected");
    QTest::newRow("name and size only") << "Eingabefelder1" << QStringList{"vorname", "20", ""}
                                        << -1 << "<input name=\"vorname\" size=20 maxlength=>";
    QTest::newRow("password") << "Eingabefelder1" << QStringList{"pw", "10", "8"} << 0
                              << "<input name=\"pw\" type=password size=10 maxlength=8>";
    QTest::newRow("text area with wrap")
        << "MehrzeiligesEingabefeld1" << QStringList{"text", "5", "40"} << 0
        << "<textarea name=\"text\" rows=5 cols=40 wrap=virtual></textarea>";
    QTest::newRow("text area off") << "MehrzeiligesEingabefeld1" << QStringList{"t", "", ""} << 2
                                   << "<textarea name=\"t\" rows= cols= wrap=off></textarea>";
}

void TestFormCommands::fields()
{
    QFETCH(QString, item);
    QFETCH(QStringList, typed);
    QFETCH(int, kind);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText("vor X nach");
    doc.memo->setSelStart(4);
    doc.memo->setSelLength(1);
    answerDialog<TEingabe>(
        [&](TEingabe* dialog) {
            QTest::keyClicks(dialog->Edit1, typed[0]);
            QTest::keyClicks(dialog->Edit2, typed[1]);
            QTest::keyClicks(dialog->Edit3, typed[2]);
            dialog->ComboBox1->setCurrentIndex(kind);
            QTest::keyClick(dialog->Edit3, Qt::Key_Return);
        },
        QString());
    doc.trigger(item.toLatin1());
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), "vor " + expected + " nach");
    QCOMPARE(doc.memo->selStart(), 4 + expected.size());
}

void TestFormCommands::staleFlagNeverInserts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("escape"); // else the window's close button
    for (const char* item : {"Eingabefelder1", "N25", "Checkbutton1", "Ausfhrungsbutton1"}) {
        QTest::addRow("%s, Escape", item) << item << true;
        QTest::addRow("%s, closed", item) << item << false;
    }
}

void TestFormCommands::staleFlagNeverInserts()
{
    QFETCH(QString, item);
    QFETCH(bool, escape);
    DocumentFixture doc;
    doc.setText("Text");
    shellStateOf(*doc.child).acceptFlag = true; // as an earlier dialog's OK left it
    whenModal([escape](QWidget* w) {
        if (!qobject_cast<TFlagDialog*>(w))
            return false;
        if (escape)
            QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        else
            w->close();
        return true;
    });
    doc.trigger(item.toLatin1());
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), QString("Text"));
    QVERIFY(!shellStateOf(*doc.child).acceptFlag);
}

void TestFormCommands::switchesOfOneGroupShareTheirName()
{
    DocumentFixture doc;
    QString caption, offered;
    answerDialog<TEingabe1>([&](TEingabe1* dialog) {
        caption = dialog->windowTitle();
        QTest::keyClicks(dialog->Edit1, "farbe");
        QTest::keyClicks(dialog->Edit2, "rot");
    });
    doc.trigger("N25");
    QVERIFY(waitNoModal());
    QCOMPARE(caption, QString("Radiobutton"));
    answerDialog<TEingabe1>([&](TEingabe1* dialog) {
        offered = dialog->Edit1->text();
        QTest::keyClicks(dialog->Edit2, "blau");
    });
    doc.trigger("N25");
    QVERIFY(waitNoModal());
    QCOMPARE(offered, QString("farbe"));
    answerDialog<TEingabe1>([&](TEingabe1* dialog) {
        caption = dialog->windowTitle();
        offered = dialog->Edit1->text();
        dialog->Edit1->setText("agb");
        dialog->Edit2->setText("ja");
    });
    doc.trigger("Checkbutton1");
    QVERIFY(waitNoModal());
    QCOMPARE(caption, QString("Checkbutton"));
    QCOMPARE(offered, QString("farbe"));
    QCOMPARE(doc.memo->text(), QString("<input type=radio name=\"farbe\" value=\"rot\">"
                                       "<input type=radio name=\"farbe\" value=\"blau\">"
                                       "<input type=checkbox name=\"agb\" value=\"ja\">"));
    QCOMPARE(shellStateOf(*doc.child).switchName, QString("agb"));
}

void TestFormCommands::button()
{
    DocumentFixture doc;
    doc.setText("alt");
    doc.memo->selectAllText();
    answerDialog<TDButton>([](TDButton* dialog) {
        QTest::keyClicks(dialog->Edit1, "Senden");
        dialog->RadioButton2->setChecked(true);
    });
    doc.trigger("Ausfhrungsbutton1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), QString("<input type=reset value=\"Senden\">"));
}

void TestFormCommands::longValuesAreWrittenWhole()
{
    DocumentFixture doc;
    const QString name(255, u'n'), value(255, u'v');
    answerDialog<TEingabe1>([&](TEingabe1* dialog) {
        dialog->Edit1->setText(name + "cut"); // the field holds 255 characters
        dialog->Edit2->setText(value);
    });
    doc.trigger("Checkbutton1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(),
             "<input type=checkbox name=\"" + name + "\" value=\"" + value + "\">");
}

void TestFormCommands::frameButtonsOpenTheDialogs_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::newRow("SBtnForm") << "SBtnForm"
                              << "DZielanwendung"
                              << "Zielanwendung eingeben";
    QTest::newRow("SBtnEdit") << "SBtnEdit"
                              << "Eingabe"
                              << "Einzeiliges Eingabefeld";
    QTest::newRow("SBtnMEingabe") << "SBtnMEingabe"
                                  << "Eingabe"
                                  << "Mehrzeiliges Eingabefeld";
    QTest::newRow("SBtnRadio") << "SBtnRadio"
                               << "Eingabe1"
                               << "Radiobutton";
    QTest::newRow("SBtnCheck") << "SBtnCheck"
                               << "Eingabe1"
                               << "Checkbutton";
    QTest::newRow("SBtnBtn") << "SBtnBtn"
                             << "DButton"
                             << "Ausführungsbutton";
}

void TestFormCommands::frameButtonsOpenTheDialogs()
{
    QFETCH(QString, control);
    QFETCH(QString, dialog);
    QFETCH(QString, caption);
    DocumentFixture doc;
    runIdle();
    QAction* action = doc.frame->control(control);
    QVERIFY(action && action->isEnabled());
    QString shown, title;
    whenModal([&](QWidget* w) {
        shown = w->objectName();
        title = w->windowTitle();
        static_cast<QDialog*>(w)->reject();
        return true;
    });
    action->trigger();
    QVERIFY(waitNoModal());
    QCOMPARE(shown, dialog);
    QCOMPARE(title, caption);
    // Without a document the buttons rest.
    doc.child->closeWithoutQuery();
    runIdle();
    QVERIFY(!action->isEnabled());
}

TESSALINE_TEST_MAIN(TestFormCommands)
#include "tst_formcommands.moc"
