// Tests of the marquee: its markup and the dialog with its colour and size choices.
#include "editor/DialogEnvironment.h"
#include "generators/DocumentFixture.h"
#include "generators/Marquee.h"
#include "widgets/DialogHelp.h"

#include <QScopeGuard>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QSpinBox>

using namespace Qt::StringLiterals;

class TestMarquee : public QObject
{
    Q_OBJECT
private slots:
    void markup_data();
    void markup();
    void throughTheDialog();
    void colourButtonsUseThePicker();
    void cancelAndFreshStart_data();
    void cancelAndFreshStart();
    void dialogLayoutAndKeys();
};

void TestMarquee::markup_data()
{
    QTest::addColumn<QStringList>("fields"); // attribute=value pairs of MarqueeValues
    QTest::addColumn<QString>("expected");

    QTest::newRow("start values") << QStringList{"text=Hallo"}
                                  << "<marquee loop=INFINITE>Hallo</marquee>";
    QTest::newRow("counted loop") << QStringList{"endless=0", "count=3"}
                                  << "<marquee loop=3></marquee>";
    QTest::newRow("count 0 writes no loop")
        << QStringList{"endless=0", "count=0"} << "<marquee></marquee>";
    QTest::newRow("font wrapper with text colour")
        << QStringList{"direction=right", "behavior=alternate", "scrollAmount=5",
                       "textColor=#FF0000", "text=T"}
        << "<font color=#FF0000><marquee direction=right behavior=alternate scrollamount=5 "
           "loop=INFINITE>T</marquee></font>";
    QTest::newRow("size with colour")
        << QStringList{"fontSize=+2", "textColor=#123456"}
        << "<font size=+2 color=#123456><marquee loop=INFINITE></marquee></font>";
    QTest::newRow("size without colour is dropped")
        << QStringList{"fontSize=+2"} << "<marquee loop=INFINITE></marquee>";
    QTest::newRow("every attribute in order")
        << QStringList{"direction=left",  "behavior=slide", "scrollAmount=2", "scrollDelay=90",
                       "height=20",       "width=50%",      "hspace=4",       "align=middle",
                       "bgColor=#FFFFFF", "text=x"}
        << "<marquee direction=left behavior=slide scrollamount=2 scrolldelay=90 height=20 "
           "width=50% hspace=4 align=middle bgcolor=#FFFFFF loop=INFINITE>x</marquee>";
}

void TestMarquee::markup()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    MarqueeValues v;
    for (const QString& field : fields) {
        const QString key = field.section(u'=', 0, 0);
        const QString value = field.section(u'=', 1);
        QString* target = key == u"text"           ? &v.text
                          : key == u"direction"    ? &v.direction
                          : key == u"behavior"     ? &v.behavior
                          : key == u"scrollAmount" ? &v.scrollAmount
                          : key == u"scrollDelay"  ? &v.scrollDelay
                          : key == u"height"       ? &v.height
                          : key == u"width"        ? &v.width
                          : key == u"hspace"       ? &v.hspace
                          : key == u"align"        ? &v.align
                          : key == u"bgColor"      ? &v.bgColor
                          : key == u"textColor"    ? &v.textColor
                          : key == u"fontSize"     ? &v.fontSize
                                                   : nullptr;
        if (target)
            *target = value;
        else if (key == u"endless")
            v.endless = value == u"1";
        else if (key == u"count")
            v.count = value.toInt();
        else
            QFAIL(qPrintable(field));
    }
    QCOMPARE(marqueeMarkup(v), expected);
}

namespace
{

// Picks the colour in the next colour picker.
void pickColor(const QColor& color)
{
    whenModal([color](QWidget* w) {
        auto* picker = qobject_cast<QColorDialog*>(w);
        if (!picker)
            return false;
        picker->setCurrentColor(color);
        picker->accept();
        return true;
    });
}

} // namespace

void TestMarquee::throughTheDialog()
{
    DocumentFixture doc;
    doc.setText(u"<p>"_s);
    answerDialog<TDMarquee>(
        [&](TDMarquee* d) {
            QTest::keyClicks(d->Edit1, u"Lauf"_s);
            d->ComboBox1->setCurrentIndex(1);
            QTest::keyClicks(d->Edit2, u"5"_s);
            QTest::keyClicks(d->ComboBox3->lineEdit(), u"alternate"_s);
            d->CheckBox1->click();
            d->SpinEdit1->setValue(2);
            d->setBackgroundColor(0xFFFFFF);
            d->setTextColor(0x0000FF);
            d->CBoxFontsize->setCurrentIndex(d->CBoxFontsize->findText(u"+2"_s));
            QTest::keyClick(d->Edit1, Qt::Key_Return);
        },
        QString());
    doc.trigger("Marquee1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(),
             u"<p><font size=+2 color=#FF0000><marquee direction=right behavior=alternate "
             "scrollamount=5 bgcolor=#FFFFFF loop=2>Lauf</marquee></font>"_s);
    QCOMPARE(doc.memo->selStart(), doc.memo->textLength());
}

void TestMarquee::colourButtonsUseThePicker()
{
    DocumentFixture doc;
    TDMarquee dialog(dialogEnv(*doc.child));
    dialog.show();
    pickColor(QColor(0x56, 0x34, 0x12));
    dialog.BitBtn4->click();
    QVERIFY(waitNoModal());
    QCOMPARE(dialog.Shape1->palette().color(QPalette::Window), QColor(0x56, 0x34, 0x12));
    pickColor(Qt::red);
    dialog.BitBtn5->click();
    QVERIFY(waitNoModal());
    QCOMPARE(dialog.Label12->palette().color(QPalette::WindowText), QColor(Qt::red));
    // A cancelled picker keeps the colour chosen before.
    whenModal([](QWidget* w) {
        auto* picker = qobject_cast<QColorDialog*>(w);
        if (picker)
            picker->reject();
        return picker != nullptr;
    });
    dialog.BitBtn5->click();
    QVERIFY(waitNoModal());
    const MarqueeValues v = dialog.values();
    QCOMPARE(v.bgColor, u"#563412"_s);
    QCOMPARE(v.textColor, u"#FF0000"_s);
}

void TestMarquee::cancelAndFreshStart_data()
{
    QTest::addColumn<QString>("leave"); // Abbruch, Escape, Frame
    QTest::newRow("Abbruch") << "Abbruch";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("window frame") << "Frame";
}

void TestMarquee::cancelAndFreshStart()
{
    QFETCH(QString, leave);
    DocumentFixture doc;
    doc.setText(u"x"_s);
    answerDialog<TDMarquee>(
        [&](TDMarquee* d) {
            QTest::keyClicks(d->Edit1, u"weg"_s);
            d->setTextColor(0x0000FF);
            d->CBoxFontsize->setCurrentIndex(0);
            if (leave == u"Abbruch")
                d->cancelButton()->click();
            else if (leave == u"Escape")
                QTest::keyClick(d->Edit1, Qt::Key_Escape);
            else
                d->close();
        },
        QString());
    doc.trigger("Marquee1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"x"_s);

    // The next dialog starts afresh: no colour or size carries over.
    answerDialog<TDMarquee>([](TDMarquee* d) { QTest::keyClicks(d->Edit1, u"neu"_s); });
    doc.trigger("Marquee1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"x<marquee loop=INFINITE>neu</marquee>"_s);
}

void TestMarquee::dialogLayoutAndKeys()
{
    DocumentFixture doc;
    QList<int> topics;
    const HelpOpener programs = setHelpOpener([&](QWidget*, int topic) { topics.append(topic); });
    auto restore = qScopeGuard([&] { setHelpOpener(programs); });
    QString caption, tip;
    bool focusOnText = false, countFollowsSwitch = false, emptyStart = false, mnemonic = false;
    QStringList sizes;
    answerDialog<TDMarquee>(
        [&](TDMarquee* d) {
            caption = d->windowTitle();
            focusOnText = d->focusWidget() == d->Edit1;
            emptyStart =
                d->ComboBox1->currentText().isEmpty() && d->ComboBox2->currentText().isEmpty() &&
                d->ComboBox3->currentText().isEmpty() && d->CBoxFontsize->currentIndex() < 0;
            countFollowsSwitch = !d->SpinEdit1->isEnabled() && d->CheckBox1->isChecked();
            d->CheckBox1->click();
            countFollowsSwitch =
                countFollowsSwitch && d->SpinEdit1->isEnabled() && d->SpinEdit1->maximum() == 9999;
            for (int i = 0; i < d->CBoxFontsize->count(); ++i)
                sizes << d->CBoxFontsize->itemText(i);
            tip = d->Shape1->toolTip();
            QTest::keyClick(d->Edit1, Qt::Key_L, Qt::AltModifier);
            mnemonic = d->ComboBox1->hasFocus();
            QTest::keyClick(d->Edit1, Qt::Key_F1);
            d->reject();
        },
        QString());
    doc.trigger("Marquee1");
    QVERIFY(waitNoModal());
    QCOMPARE(caption, u"Marquee (Nur MSIE)"_s);
    QVERIFY(focusOnText);
    QVERIFY(emptyStart);
    QVERIFY(countFollowsSwitch);
    QVERIFY(mnemonic);
    QCOMPARE(tip, u"Anzeigebereich Hintegrund- und Textfarbe"_s);
    QCOMPARE(sizes, (QStringList{"1", "2", "3", "4", "5", "6", "7", "-2", "-1", "+0", "+1", "+2",
                                 "+3", "+4"}));
    QCOMPARE(topics, QList<int>{329});
}

TESSALINE_TEST_MAIN(TestMarquee)
#include "tst_marquee.moc"
