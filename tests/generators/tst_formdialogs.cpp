// Tests of the form and font dialogs on their own: start state, keyboard, what OK hands over.
#include "generators/CShape.h"
#include "generators/Dbutt.h"
#include "generators/Deingab1.h"
#include "generators/Deingabe.h"
#include "generators/Dline.h"
#include "generators/Text1.h"
#include "generators/Text2.h"
#include "generators/Zieladr.h"
#include "support/TestSupport.h"

#include <QCheckBox>
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
    void flagDialogsClearTheFlagUnlessOk_data();
    void flagDialogsClearTheFlagUnlessOk();
    void switchDialogOffersThePreviousName();
    void buttonDialog();
    void fontDialogs();
    void ruleDialog();

private:
    static void showActive(QDialog* dialog);
};

namespace
{

const QStringList families{"Arial", "Courier", "Times"};
const QStringList colours{"aqua", "black", "navy"};

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
        return std::make_unique<TDZielanwendung>(true);
    case 1: {
        auto dialog = std::make_unique<TEingabe>(flag, true);
        dialog->setRole(singleLineFieldRole());
        return dialog;
    }
    case 2: {
        auto dialog = std::make_unique<TEingabe>(flag, true);
        dialog->setRole(textAreaRole());
        return dialog;
    }
    case 3:
        return std::make_unique<TEingabe1>(flag, name, true);
    case 4:
        return std::make_unique<TDButton>(flag, true);
    case 5:
        return std::make_unique<TDSchriftart>(families, true);
    case 6:
        return std::make_unique<TDSchriftartAlle>(families, colours, ColorPick(), true);
    default:
        return std::make_unique<TDHrMore>(colours, ColorPick(), true);
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
    TDZielanwendung dialog(true);
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
    QTest::newRow("single line") << false << "&Einzeiliges Eingabefeld"
                                 << QStringList{"&Size:", "&Max:", "&Typ:"}
                                 << QStringList{"password", "int", "float", "date", "url"};
    QTest::newRow("text area") << true << "&Mehrzeiliges Eingabefeld"
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
    TEingabe dialog(flag, true);
    dialog.setRole(textArea ? textAreaRole() : singleLineFieldRole());
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
    dialog.OKBtn->click();
    QVERIFY(flag);
    const FieldValues values = dialog.values();
    QCOMPARE(values.name, QString("größe"));
    QCOMPARE(values.value2, QString("20"));
    QCOMPARE(values.value3, QString());
    QCOMPARE(values.kind, kinds[1]);
}

void TstFormDialogs::flagDialogsClearTheFlagUnlessOk_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("how"); // 0 Abbruch, 1 Escape, 2 closing the window
    for (int which : {1, 3, 4})
        for (int how : {0, 1, 2})
            QTest::addRow("dialog %d, way %d", which, how) << which << how;
}

void TstFormDialogs::flagDialogsClearTheFlagUnlessOk()
{
    QFETCH(int, which);
    QFETCH(int, how);
    bool flag = true; // left set by an earlier dialog
    QString name;
    std::unique_ptr<QDialog> dialog = makeDialog(which, flag, name);
    showActive(dialog.get());
    if (how == 0)
        dialog->findChild<QPushButton*>("AbbruchBtn")->click();
    else if (how == 1)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(!dialog->isVisible());
    QVERIFY(!flag);
}

void TstFormDialogs::switchDialogOffersThePreviousName()
{
    bool flag = false;
    QString switchName;
    {
        TEingabe1 first(flag, switchName, true);
        first.setWindowTitle("Radiobutton");
        showActive(&first);
        QVERIFY(first.Edit1->text().isEmpty());
        QTest::keyClicks(first.Edit1, "farbe");
        QTest::keyClicks(first.Edit2, "rot");
        QTest::keyClick(first.Edit2, Qt::Key_Return);
        QVERIFY(flag);
        QCOMPARE(first.values().value, QString("rot"));
    }
    QCOMPARE(switchName, QString("farbe"));
    TEingabe1 second(flag, switchName, true);
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
    QCOMPARE(second.Edit2->statusTip(),
             QString("Geben Sie hier den  Bezeichnerwert für den Button an."));
    // Abbruch keeps the remembered name.
    second.AbbruchBtn->click();
    QCOMPARE(switchName, QString("farbe"));
}

void TstFormDialogs::buttonDialog()
{
    bool flag = false;
    TDButton dialog(flag, true);
    showActive(&dialog);
    QCOMPARE(dialog.windowTitle(), QString("Ausführungsbutton"));
    QVERIFY(dialog.RadioButton1->isChecked());
    QTest::keyClicks(dialog.Edit1, "Senden");
    QTest::keyClick(dialog.Edit1, Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(dialog.RadioButton2->isChecked()); // a mnemonic clicks after a moment
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(flag);
    QCOMPARE(dialog.values().caption, QString("Senden"));
    QCOMPARE(dialog.values().kind, QString("reset"));
}

void TstFormDialogs::fontDialogs()
{
    TDSchriftart faces(families, true);
    showActive(&faces);
    QCOMPARE(QApplication::focusWidget(), faces.ComboBox1);
    QVERIFY(faces.ComboBox1->currentText().isEmpty() && faces.ComboBox1->isEditable());
    QCOMPARE(faces.ComboBox2->count(), 3);
    faces.ComboBox1->setCurrentIndex(0);
    faces.ComboBox3->setEditText("Courier New");
    QCOMPARE(faces.faceList(), QString("Arial,Courier New"));

    std::optional<unsigned> next = 0x000000FFu;
    TDSchriftartAlle all(
        families, colours, [&next] { return next; }, true);
    showActive(&all);
    QCOMPARE(all.windowTitle(), QString("Alle Schrifteinstellungen"));
    QStringList sizes;
    for (int i = 0; i < all.CBoxFontsize->count(); ++i)
        sizes << all.CBoxFontsize->itemText(i);
    QCOMPARE(sizes.join(u' '), QString("1 2 3 4 5 6 7 -3 -2 -1 +0 +1 +2 +3 +4 "));
    QVERIFY(!all.CBoxFontsize->isEditable());
    QCOMPARE(all.CBoxFontsize->maxVisibleItems(), 7);
    all.SBtnTColor->click();
    QCOMPARE(all.ComboBox4->currentText(), QString("#FF0000"));
    next.reset(); // a cancelled picker leaves the box alone
    all.SBtnTColor->click();
    QCOMPARE(all.ComboBox4->currentText(), QString("#FF0000"));
    all.ComboBox2->setEditText("Times");
    all.CBoxFontsize->setCurrentIndex(2);
    QCOMPARE(allFontMarkup(all.settings(), "S"),
             QString("<font color=\"#FF0000\" size=\"3\">S</font>"));
}

void TstFormDialogs::ruleDialog()
{
    std::optional<unsigned> next = 0x00123456u;
    TDHrMore dialog(
        colours, [&next] { return next; }, true);
    showActive(&dialog);
    QCOMPARE(dialog.windowTitle(), QString("Trennlinie"));
    QVERIFY(!dialog.findChild<QPushButton*>("HilfeBtn"));
    QCOMPARE(dialog.Shape1->brushColor(), dialog.palette().color(QPalette::Button));
    dialog.SBtnTColor->click();
    QCOMPARE(dialog.ComboBox4->currentText(), QString("#563412"));
    QCOMPARE(dialog.Shape1->brushColor(), QColor(0x56, 0x34, 0x12));
    // White is the swatch's start value, and still shows.
    next = 0x00FFFFFFu;
    dialog.SBtnTColor->click();
    QCOMPARE(dialog.Shape1->brushColor(), QColor(Qt::white));
    QCOMPARE(dialog.ComboBox4->currentText(), QString("#FFFFFF"));
    dialog.ComboBox4->setEditText(QString());
    QTest::keyClick(dialog.CheckBox1, Qt::Key_Space);
    QTest::keyClicks(dialog.Edit1, "50%");
    dialog.ComboBox1->setCurrentIndex(2);
    QVERIFY(dialog.ruleResult().isEmpty());
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.ruleResult(), QString("<hr noshade width=\"50%\" align=\"center\">"));
}

TESSALINE_TEST_MAIN(TstFormDialogs)
#include "tst_formdialogs.moc"
