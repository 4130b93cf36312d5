// Tests of the form and font dialogs on their own: start state, keyboard, what OK hands over.
#include "core/ColorText.h"
#include "generators/AllFontSettingsDialog.h"
#include "generators/FontCommands.h"
#include "generators/FormButtonDialog.h"
#include "generators/FormFieldDialog.h"
#include "generators/FormFrameDialog.h"
#include "generators/FormSwitchDialog.h"
#include "generators/RuleDialog.h"
#include "support/TestSupport.h"
#include "widgets/ColorSwatch.h"
#include "widgets/HintStatusBar.h"
#include "widgets/NameLists.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <memory>

using namespace Qt::StringLiterals;

class TstFormDialogs : public QObject
{
    Q_OBJECT
private slots:
    void everyLabelLeadsToItsField_data();
    void everyLabelLeadsToItsField();
    void formFrameDialog();
    void fieldDialogRoles_data();
    void fieldDialogRoles();
    void switchDialogOffersThePreviousName();
    void fontDialogs();
    void ruleDialog();

private:
    static void showActive(QDialog* dialog);
};

namespace
{

const DialogEnv env;

// Types text as key events carrying the characters, umlauts included.
void type(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &release);
    }
}

// Answers the next colour picker with colour (00BBGGRR), or cancels it when there is none.
void answerPicker(std::optional<std::uint32_t> colour)
{
    whenModal([colour](QWidget* w) {
        auto* picker = qobject_cast<QColorDialog*>(w);
        if (!picker)
            return false;
        if (colour)
            picker->setCurrentColor(ColorText::toQColor(*colour));
        colour ? picker->accept() : picker->reject();
        return true;
    });
}

QChar mnemonic(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == u'&' && caption[i + 1] != u'&')
            return caption[i + 1].toUpper();
    return {};
}

std::unique_ptr<QDialog> makeDialog(int which, bool& flag, QString& name)
{
    switch (which) {
    case 0:
        return std::make_unique<TDZielanwendung>(env);
    case 1:
        return std::make_unique<TEingabe>(env, singleLineFieldRole(), flag);
    case 2:
        return std::make_unique<TEingabe>(env, textAreaRole(), flag);
    case 3:
        return std::make_unique<TEingabe1>(env, "Radiobutton", flag, name);
    case 4:
        return std::make_unique<TDButton>(env, flag);
    case 5:
        return std::make_unique<TDSchriftart>(env);
    case 6:
        return std::make_unique<TDSchriftartAlle>(env);
    default:
        return std::make_unique<TDHrMore>(env);
    }
}

} // namespace

void TstFormDialogs::showActive(QDialog* dialog)
{
    dialog->show();
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

void TstFormDialogs::everyLabelLeadsToItsField_data()
{
    QTest::addColumn<int>("which");
    const char* names[] = {
        "TDZielanwendung", "TEingabe single line", "TEingabe text area", "TEingabe1",
        "TDButton",        "TDSchriftart",         "TDSchriftartAlle",   "TDHrMore"};
    for (int i = 0; i < 8; ++i)
        QTest::newRow(names[i]) << i;
}

void TstFormDialogs::everyLabelLeadsToItsField()
{
    QFETCH(int, which);
    bool flag = false;
    QString name;
    std::unique_ptr<QDialog> dialog = makeDialog(which, flag, name);
    showActive(dialog.get());
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    int fields = 0;
    for (QLabel* label : labels) {
        if (!label->buddy())
            continue;
        ++fields;
        const QChar key = mnemonic(label->text());
        QVERIFY2(!key.isNull(), qPrintable(label->text()));
        // A letter that a button shares takes at most two presses.
        for (int press = 0; press < 2 && QApplication::focusWidget() != label->buddy(); ++press)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1(), Qt::AltModifier);
        QVERIFY2(QApplication::focusWidget() == label->buddy(), qPrintable(label->text()));
    }
    QVERIFY(fields >= 1);
    // Return presses OK wherever the focus stands; the dialog closes accepted.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->isVisible());
}

void TstFormDialogs::formFrameDialog()
{
    TDZielanwendung dialog(env);
    showActive(&dialog);
    QCOMPARE(dialog.windowTitle(), QString("Zielanwendung eingeben"));
    QCOMPARE(QApplication::focusWidget(), dialog.Edit1);
    QCOMPARE(dialog.Edit1->text(), QString("http:/"));
    QCOMPARE(dialog.values().method, QString("post"));
    QCOMPARE(dialog.Edit1->toolTip(),
             QString("Sie können hier auch eine E-Mail Adresse verwenden!"));
    dialog.Edit1->clear();
    type(dialog.Edit1, u"grün"_s);
    QCOMPARE(dialog.Edit1->text(), QString("gr&uuml;n"));
    QTest::keyClick(dialog.Edit1, Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(dialog.RadioButton2->isChecked()); // a mnemonic clicks after a moment
    QCOMPARE(dialog.values().method, QString("get"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TstFormDialogs::fieldDialogRoles_data()
{
    QTest::addColumn<bool>("textArea");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("kinds");
    QTest::newRow("single line") << false << "Einzeiliges Eingabefeld"
                                 << QStringList{"&Size:", "&Max:", "&Typ:"}
                                 << QStringList{"password", "int", "float", "date", "url"};
    QTest::newRow("text area") << true << "Mehrzeiliges Eingabefeld"
                               << QStringList{"&Rows:", "&Cols:", "&Wrap:"}
                               << QStringList{"virtual", "physical", "off"};
}

void TstFormDialogs::fieldDialogRoles()
{
    QFETCH(bool, textArea);
    QFETCH(QString, caption);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, kinds);
    bool flag = false;
    TEingabe dialog(env, textArea ? textAreaRole() : singleLineFieldRole(), flag);
    showActive(&dialog);
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(dialog.Label1->text(), QString("&Name des Eingabefeldes:"));
    QCOMPARE((QStringList{dialog.Label2->text(), dialog.Label3->text(), dialog.Label4->text()}),
             labels);
    QStringList entries;
    for (int i = 0; i < dialog.ComboBox1->count(); ++i)
        entries << dialog.ComboBox1->itemText(i);
    QCOMPARE(entries, kinds);
    QCOMPARE(dialog.ComboBox1->currentIndex(), -1);
    QVERIFY(!dialog.ComboBox1->isEditable());
    QVERIFY(!dialog.Edit2->toolTip().contains(u'@'));
    // No entity filter here: the name keeps its umlaut.
    type(dialog.Edit1, u"größe"_s);
    QTest::keyClicks(dialog.Edit2, "20");
    dialog.ComboBox1->setCurrentIndex(1);
    dialog.okButton()->click();
    QVERIFY(flag);
    const FieldValues values = dialog.values();
    QCOMPARE(values.name, QString("größe"));
    QCOMPARE(values.value2, QString("20"));
    QCOMPARE(values.value3, QString());
    QCOMPARE(values.kind, kinds[1]);
}

void TstFormDialogs::switchDialogOffersThePreviousName()
{
    bool flag = false;
    QString switchName;
    {
        TEingabe1 first(env, "Radiobutton", flag, switchName);
        showActive(&first);
        QVERIFY(first.Edit1->text().isEmpty());
        QTest::keyClicks(first.Edit1, "farbe");
        QTest::keyClicks(first.Edit2, "rot");
        QTest::keyClick(first.Edit2, Qt::Key_Return);
        QVERIFY(flag);
        QCOMPARE(first.values().value, QString("rot"));
    }
    QCOMPARE(switchName, QString("farbe"));
    THintStatusBar bar;
    bar.addPanel({"HintStatusPanel3", 300, QString(), QString()});
    TEingabe1 second(DialogEnv{nullptr, &bar, {}}, "Radiobutton", flag, switchName);
    showActive(&second);
    QCOMPARE(second.Edit1->text(), QString("farbe"));
    QCOMPARE(QApplication::focusWidget(), second.Edit1);
    // The value field has no entity filter; the name field has one.
    type(second.Edit2, u"ä"_s);
    QCOMPARE(second.Edit2->text(), QString("ä"));
    second.Edit1->clear();
    type(second.Edit1, u"ß"_s);
    QCOMPARE(second.Edit1->text(), QString("&szlig;"));
    QCOMPARE(second.Edit2->toolTip(), QString("Geben Sie hier den  Bezeichnerwert für den Button "
                                              "an.\nWichtig ! Verwenden Sie bei Valuewerten keine "
                                              "Umlaute!"));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(second.Edit2, &enter);
    QCOMPARE(bar.panelText("HintStatusPanel3"),
             QString("Geben Sie hier den  Bezeichnerwert für den Button an."));
    // Abbruch keeps the remembered name.
    second.cancelButton()->click();
    QCOMPARE(switchName, QString("farbe"));

    // With the hint switch off no control shows a tooltip.
    TEingabe1 quiet(DialogEnv{nullptr, nullptr, [] { return false; }}, "Checkbutton", flag,
                    switchName);
    QVERIFY(quiet.Edit1->toolTip().isEmpty() && quiet.Edit2->toolTip().isEmpty());
}

void TstFormDialogs::fontDialogs()
{
    TDSchriftart faces(env);
    showActive(&faces);
    QCOMPARE(QApplication::focusWidget(), faces.ComboBox1);
    QVERIFY(faces.ComboBox1->currentText().isEmpty() && faces.ComboBox1->isEditable());
    QCOMPARE(faces.ComboBox2->count(), int(NameLists::installedFontFamilies().size()));
    faces.ComboBox1->setEditText("Arial");
    faces.ComboBox3->setEditText("Courier New");
    QCOMPARE(faces.faceList(), QString("Arial,Courier New"));

    TDSchriftartAlle all(env);
    showActive(&all);
    QStringList sizes;
    for (int i = 0; i < all.CBoxFontsize->count(); ++i)
        sizes << all.CBoxFontsize->itemText(i);
    QCOMPARE(sizes.join(u' '), QString("1 2 3 4 5 6 7 -3 -2 -1 +0 +1 +2 +3 +4 "));
    QVERIFY(!all.CBoxFontsize->isEditable());
    QCOMPARE(all.CBoxFontsize->maxVisibleItems(), 7);
    QCOMPARE(all.ComboBox4->count(), 139);
    QVERIFY(all.ComboBox4->isEditable() && all.ComboBox4->currentText().isEmpty());
    answerPicker(0x000000FFu);
    all.SBtnTColor->click();
    QCOMPARE(all.ComboBox4->currentText(), QString("#FF0000"));
    answerPicker(std::nullopt); // a cancelled picker leaves the box alone
    all.SBtnTColor->click();
    QCOMPARE(all.ComboBox4->currentText(), QString("#FF0000"));
}

void TstFormDialogs::ruleDialog()
{
    TDHrMore dialog(env);
    showActive(&dialog);
    QVERIFY(!dialog.helpButton() && !dialog.findChild<QPushButton*>("BitBtn3"));
    QCOMPARE(QApplication::focusWidget(), dialog.CheckBox1);
    QCOMPARE(dialog.Shape1->brushColor(), dialog.palette().color(QPalette::Button));
    answerPicker(0x00123456u);
    dialog.SBtnTColor->click();
    QCOMPARE(dialog.ComboBox4->currentText(), QString("#563412"));
    QCOMPARE(dialog.Shape1->brushColor(), QColor(0x56, 0x34, 0x12));
    // White is the swatch's start value, and still shows.
    answerPicker(0x00FFFFFFu);
    dialog.SBtnTColor->click();
    QCOMPARE(dialog.Shape1->brushColor(), QColor(Qt::white));
    QCOMPARE(dialog.ComboBox4->currentText(), QString("#FFFFFF"));
    QVERIFY(dialog.ruleResult().isEmpty());
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.ruleResult(), QString("<hr color=\"#FFFFFF\">"));
}

TESSALINE_TEST_MAIN(TstFormDialogs)
#include "tst_formdialogs.moc"
