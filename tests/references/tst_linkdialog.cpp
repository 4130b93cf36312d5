// Tests of the link dialog: its start tag, the mode switch, history picks, file choices and
// which lists an OK writes.
#include "editor/DialogEnvironment.h"
#include "generators/DocumentFixture.h"
#include "references/LinkDialog.h"
#include "references/ReferenceFixture.h"
#include "references/RememberedList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace
{

LinkValues linkValues(const QStringList& fields)
{
    return valuesFromPairs<LinkValues>(fields, {
                                                   {u"protocol", &LinkValues::protocol},
                                                   {u"server", &LinkValues::server},
                                                   {u"type", &LinkValues::type},
                                                   {u"path", &LinkValues::path},
                                                   {u"file", &LinkValues::file},
                                                   {u"anchor", &LinkValues::anchor},
                                                   {u"target", &LinkValues::target},
                                                   {u"image", &LinkValues::image},
                                                   {u"imagePath", &LinkValues::imagePath},
                                                   {u"alt", &LinkValues::alt},
                                                   {u"border", &LinkValues::border},
                                                   {u"align", &LinkValues::align},
                                               });
}

const QString FrameWrittenLink = QStringLiteral(
    "Count=0;MaxCount=20;Datei0=rechts.htm;Pfad0=seiten/;Prot0=http://;Server0=www.;Typ0=.com;"
    "Anker0=;Bild0=;Border0=;Align0=;Alt0=;BPfad0=;Link0=0;Target0=haupt");

} // namespace

class TestLinkDialog : public QObject
{
    Q_OBJECT
private slots:
    void startTag_data();
    void startTag();
    void startValuesAndModeSwitch();
    void typedLinkThroughTheKeyboard();
    void pickingOnlyLeavesTheStoreAlone();
    void pickedEntryFillsTheInputs_data();
    void pickedEntryFillsTheInputs();
    void pickedImageFillsItsInputs();
    void changedFlagsChooseTheLists_data();
    void changedFlagsChooseTheLists();
    void fileChoices();
    void cancelLeavesEverything();
    void menuItemAndToolbarButton();
};

void TestLinkDialog::startTag_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all empty") << QStringList{} << "<a href=\"\">";
    QTest::newRow("example")
        << QStringList{"path=docs/",  "file=a.htm",  "anchor=top",
                       "target=main", "image=b.gif", "border=0"}
        << "<a href=\"docs/a.htm#top\" target=\"main\"><img src=\"b.gif\" border=0>";
    QTest::newRow("external prefix stands right before the path")
        << QStringList{"external", "protocol=ftp://", "server=ftp.beispiel",
                       "type=.de", "path=/pub/",      "file=x.zip"}
        << "<a href=\"ftp://ftp.beispiel.de/pub/x.zip\">";
    QTest::newRow("internal ignores the server inputs")
        << QStringList{"protocol=http://", "server=www.", "type=.com", "file=a.htm"}
        << "<a href=\"a.htm\">";
    QTest::newRow("external with only an anchor")
        << QStringList{"external", "protocol=http://", "server=www.beispiel", "type=.com",
                       "anchor=oben"}
        << "<a href=\"http://www.beispiel.com#oben\">";
    QTest::newRow("image path without image")
        << QStringList{"file=a.htm", "imagePath=bilder/", "alt=Logo", "border=1"}
        << "<a href=\"a.htm\">";
    QTest::newRow("whole image")
        << QStringList{"file=a.htm",   "image=logo.gif", "imagePath=bilder/",
                       "alt=Das Logo", "border=1",       "align=left"}
        << "<a href=\"a.htm\"><img src=\"bilder/logo.gif\" alt=\"Das Logo\" border=1 "
           "align=left>";
    QTest::newRow("image without border and alignment")
        << QStringList{"image=b.gif"} << "<a href=\"\"><img src=\"b.gif\">";
}

void TestLinkDialog::startTag()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    QCOMPARE(linkStartTag(linkValues(fields)), expected);
}

void TestLinkDialog::startValuesAndModeSwitch()
{
    TestEnvironment env;
    writeState(QStringLiteral("Target"), QStringLiteral("Count=1;T0=_blank;T1=_top"));
    TDVerweis dialog({});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Verweise"));
    QCOMPARE(dialog.Edit6->text(), QStringLiteral("1"));
    QCOMPARE(dialog.server->NeoComboBox1->currentText(), QStringLiteral("http://"));
    QCOMPARE(dialog.server->Edit7->text(), QStringLiteral("www."));
    QCOMPARE(dialog.server->NeoComboBox2->currentText(), QStringLiteral(".com"));
    QCOMPARE(dialog.server->NeoComboBox1->count(), 10);
    QCOMPARE(dialog.server->NeoComboBox2->count(), 5);
    QCOMPARE(dialog.ComboBox1->count(), 9);
    QCOMPARE(dialog.ComboBox1->currentText(), QString());
    QCOMPARE(dialog.TargetComboBox->count(), 2);
    QCOMPARE(dialog.TargetComboBox->itemText(1), QStringLiteral("_top"));
    QCOMPARE(dialog.TargetComboBox->currentText(), QString());

    auto check = [&](bool external) {
        QCOMPARE(dialog.server->NeoComboBox1->isEnabled(), external);
        QCOMPARE(dialog.server->Edit7->isEnabled(), external);
        QCOMPARE(dialog.server->NeoComboBox2->isEnabled(), external);
        QCOMPARE(dialog.server->protocolLabel->isEnabled(), external);
        QCOMPARE(dialog.server->serverPathLabel->isHidden(), !external);
        QCOMPARE(dialog.server->pathLabel->isHidden(), external);
        QCOMPARE(dialog.CBVPfad->isHidden(), external);
        QCOMPARE(dialog.CheckBox1->isHidden(), external);
    };
    check(false);
    dialog.server->RadioButton2->click();
    check(true);
    dialog.server->RadioButton1->click();
    check(false);
}

void TestLinkDialog::typedLinkThroughTheKeyboard()
{
    DocumentFixture f;
    f.setText(QStringLiteral("Start"));
    f.memo->selectAll();
    writeState(QStringLiteral("Link"), QStringLiteral("MaxCount=20"));
    const QString targetsBefore = sectionState(QStringLiteral("Target"));
    answerDialog<TDVerweis>(
        [](TDVerweis* d) {
            QTest::keyClicks(d->focusWidget(), QStringLiteral("a.htm"));
            QTest::keyClick(d, Qt::Key_R, Qt::AltModifier);
            QTest::keyClicks(d->focusWidget(), QStringLiteral("seiten/"));
            QTest::keyClick(d, Qt::Key_K, Qt::AltModifier);
            QTest::keyClicks(d->focusWidget(), QStringLiteral("oben"));
            QTest::keyClick(d, Qt::Key_Return);
        },
        QString());
    f.trigger("VerweiszuanderenDateien1");
    QCOMPARE(f.memo->text(), QStringLiteral("<a href=\"seiten/a.htm#oben\">Start</a>"));
    QCOMPARE(sectionState(QStringLiteral("Link")),
             QStringLiteral("Align0=;Alt0=;Anker0=oben;Bild0=;Border0=1;BPfad0=;Count=0;"
                            "Datei0=a.htm;Link0=0;MaxCount=20;Pfad0=seiten/;Prot0=http://;"
                            "Server0=www.;Target0=;Typ0=.com"));
    QCOMPARE(sectionState(QStringLiteral("Target")), targetsBefore);
    QCOMPARE(sectionState(QStringLiteral("InlineImage")), QString());
}

void TestLinkDialog::pickingOnlyLeavesTheStoreAlone()
{
    DocumentFixture f;
    f.setText(QStringLiteral("hier"));
    f.memo->selectAll();
    writeState(QStringLiteral("Link"), FrameWrittenLink);
    writeState(QStringLiteral("Target"), QStringLiteral("Count=0;T0=haupt"));
    const QString before = listsState();
    answerDialog<TDVerweis>([](TDVerweis* d) {
        pickFromOpenList(d->LinkComboBox, 0);
        QCOMPARE(d->LinkComboBox->currentText(), QStringLiteral("rechts.htm"));
        QVERIFY(!d->linkChanged() && !d->targetChanged() && !d->imageChanged());
    });
    f.trigger("VerweiszuanderenDateien1");
    QCOMPARE(f.memo->text(),
             QStringLiteral("<a href=\"seiten/rechts.htm\" target=\"haupt\">hier</a>"));
    QCOMPARE(listsState(), before);
}

void TestLinkDialog::pickedEntryFillsTheInputs_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<QStringList>("inputs"); // objectName=text after the pick
    QTest::addColumn<bool>("external");
    QTest::newRow("frame-written entry clears the image inputs")
        << FrameWrittenLink
        << QStringList{"Edit5=seiten/",
                       "Edit2=",
                       "BildComboBox=",
                       "Edit4=",
                       "Edit3=",
                       "Edit6=",
                       "ComboBox1=",
                       "TargetComboBox=haupt",
                       "NeoComboBox1=http://"}
        << false;
    QTest::newRow("absent values read Default, absent Link is external")
        << "Count=0;Datei0=alt.htm"
        << QStringList{"Edit5=Default", "Edit2=Default",          "BildComboBox=Default",
                       "Edit4=Default", "Edit3=Default",          "Edit6=Default",
                       "ComboBox1=",    "TargetComboBox=Default", "NeoComboBox1=Default",
                       "Edit7=Default", "NeoComboBox2=Default"}
        << true;
    QTest::newRow("whole record")
        << "Count=0;Datei0=b.htm;Pfad0=/p/;Prot0=ftp://;Server0=ftp.;Typ0=.de;Anker0=k;"
           "Bild0=b.gif;Border0=2;Align0=right;Link0=1;Alt0=Bild;BPfad0=img/;Target0=_top"
        << QStringList{"Edit5=/p/",
                       "NeoComboBox1=ftp://",
                       "Edit7=ftp.",
                       "NeoComboBox2=.de",
                       "Edit2=k",
                       "BildComboBox=b.gif",
                       "Edit6=2",
                       "ComboBox1=right",
                       "Edit3=Bild",
                       "Edit4=img/",
                       "TargetComboBox=_top"}
        << true;
}

void TestLinkDialog::pickedEntryFillsTheInputs()
{
    QFETCH(QString, store);
    QFETCH(QStringList, inputs);
    QFETCH(bool, external);
    TestEnvironment env;
    writeState(QStringLiteral("Link"), store);
    TDVerweis dialog({});
    dialog.server->setExternal(!external);
    dialog.Edit3->setText(QStringLiteral("vorher"));
    dialog.BildComboBox->setEditText(QStringLiteral("vorher.gif"));
    dialog.ComboBox1->setCurrentIndex(0);
    dialog.LinkComboBoxListPick(0);
    for (const QString& input : inputs) {
        const QString name = input.section(u'=', 0, 0);
        const QString text = input.section(u'=', 1);
        auto* widget = dialog.findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        if (auto* box = qobject_cast<QComboBox*>(widget))
            QCOMPARE(box->currentText(), text);
        else
            QCOMPARE(qobject_cast<QLineEdit*>(widget)->text(), text);
    }
    QCOMPARE(dialog.server->RadioButton2->isChecked(), external);
    QCOMPARE(dialog.server->Edit7->isEnabled(), external);
    QVERIFY(!dialog.linkChanged() && !dialog.targetChanged() && !dialog.imageChanged());
}

void TestLinkDialog::pickedImageFillsItsInputs()
{
    TestEnvironment env;
    writeState(QStringLiteral("InlineImage"),
               QStringLiteral("Count=1;Bild0=a.gif;Bild1=b.gif;Pfad1=bilder/;Alt1=B;"
                              "Border1=3;Align1=middle;Link1=1"));
    TDVerweis dialog({});
    dialog.Edit5->setText(QStringLiteral("seiten/"));
    dialog.show();
    pickFromOpenList(dialog.BildComboBox, 1);
    QCOMPARE(dialog.BildComboBox->currentText(), QStringLiteral("b.gif"));
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("bilder/"));
    QCOMPARE(dialog.Edit3->text(), QStringLiteral("B"));
    QCOMPARE(dialog.Edit6->text(), QStringLiteral("3"));
    QCOMPARE(dialog.ComboBox1->currentText(), QStringLiteral("middle"));
    // The image's own mode and the link inputs stay as they were.
    QVERIFY(dialog.server->RadioButton1->isChecked());
    QCOMPARE(dialog.Edit5->text(), QStringLiteral("seiten/"));
    QVERIFY(!dialog.imageChanged());
}

void TestLinkDialog::changedFlagsChooseTheLists_data()
{
    QTest::addColumn<QString>("typed"); // link, target, image: which inputs get typed text
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("image");
    const QString noTarget = QStringLiteral("Count=4;MaxCount=5;T0=a;T1=b;T2=c;T3=d;T4=e");
    QTest::newRow("nothing typed") << ""
                                   << "MaxCount=5" << noTarget << "MaxCount=5";
    QTest::newRow("target only") << "target"
                                 << "MaxCount=5"
                                 << "Count=4;MaxCount=5;T0=a;T1=b;T2=c;T3=d;T4=nav"
                                 << "MaxCount=5";
    QTest::newRow("all three")
        << "link target image"
        << "Align0=;Alt0=Bild;Anker0=;Bild0=b.gif;Border0=1;BPfad0=;Count=0;Datei0=x.htm;"
           "Link0=1;MaxCount=5;Pfad0=;Prot0=http://;Server0=www.;Target0=nav;Typ0=.com"
        << "Count=4;MaxCount=5;T0=a;T1=b;T2=c;T3=d;T4=nav"
        << "Align0=;Alt0=Bild;Bild0=b.gif;Border0=1;Count=0;height0=;hspace0=;Link0=0;"
           "lowsrc0=;MaxCount=5;Pfad0=;Prot0=http://;Server0=www.;Typ0=.com;vspace0=;width0=";
}

void TestLinkDialog::changedFlagsChooseTheLists()
{
    QFETCH(QString, typed);
    QFETCH(QString, link);
    QFETCH(QString, target);
    QFETCH(QString, image);
    TestEnvironment env;
    writeState(QStringLiteral("Link"), QStringLiteral("MaxCount=5"));
    writeState(QStringLiteral("Target"),
               QStringLiteral("Count=4;MaxCount=5;T0=a;T1=b;T2=c;T3=d;T4=e"));
    writeState(QStringLiteral("InlineImage"), QStringLiteral("MaxCount=5"));
    TDVerweis dialog({});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // Text the dialog fills in never counts: only the typed inputs are written.
    dialog.LinkComboBox->setEditText(QStringLiteral("x.htm"));
    dialog.TargetComboBox->setEditText(QStringLiteral("nav"));
    dialog.BildComboBox->setEditText(QStringLiteral("b.gif"));
    dialog.server->RadioButton2->click();
    dialog.Edit3->setText(QStringLiteral("Bild"));
    if (typed.contains(u"link")) {
        dialog.LinkComboBox->lineEdit()->clear();
        QTest::keyClicks(dialog.LinkComboBox->lineEdit(), QStringLiteral("x.htm"));
    }
    if (typed.contains(u"target")) {
        dialog.TargetComboBox->lineEdit()->clear();
        QTest::keyClicks(dialog.TargetComboBox->lineEdit(), QStringLiteral("nav"));
    }
    if (typed.contains(u"image")) {
        dialog.BildComboBox->lineEdit()->clear();
        QTest::keyClicks(dialog.BildComboBox->lineEdit(), QStringLiteral("b.gif"));
    }
    dialog.okButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.startTag(), QStringLiteral("<a href=\"http://www..comx.htm\" target=\"nav\">"
                                               "<img src=\"b.gif\" alt=\"Bild\" border=1>"));
    QCOMPARE(sectionState(QStringLiteral("Link")), link);
    QCOMPARE(sectionState(QStringLiteral("Target")), target);
    QCOMPARE(sectionState(QStringLiteral("InlineImage")), image);
}

void TestLinkDialog::fileChoices()
{
    TestEnvironment env;
    const QString page = env.path(QStringLiteral("seite.htm"));
    const QString picture = env.path(QStringLiteral("bild.gif"));
    for (const QString& file : {page, picture})
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
    const QString local = QStringLiteral("file://localhost") + env.dir() + QLatin1Char('/');
    TDVerweis dialog({});

    dialog.CBVPfad->setChecked(true);
    answerFileDialog(page);
    dialog.SBtnFileOpen->click();
    QCOMPARE(dialog.LinkComboBox->currentText(), QStringLiteral("seite.htm"));
    QCOMPARE(dialog.Edit5->text(), local);
    QVERIFY(dialog.linkChanged());
    QVERIFY(!dialog.imageChanged());

    dialog.CBVPfad->setChecked(false);
    answerFileDialog(page);
    dialog.SBtnFileOpen->click();
    QCOMPARE(dialog.Edit5->text(), QString());

    answerFileDialog(QString());
    dialog.Edit5->setText(QStringLiteral("alt/"));
    dialog.SBtnFileOpen->click();
    QCOMPARE(dialog.LinkComboBox->currentText(), QString());
    QCOMPARE(dialog.Edit5->text(), QString());

    answerFileDialog(QString());
    dialog.SpeedButton1->click();
    QVERIFY(!dialog.imageChanged());
    dialog.CheckBox1->setChecked(true);
    answerFileDialog(picture);
    dialog.SpeedButton1->click();
    QCOMPARE(dialog.BildComboBox->currentText(), QStringLiteral("bild.gif"));
    QCOMPARE(dialog.Edit4->text(), local);
    QVERIFY(dialog.imageChanged());
    QVERIFY(!dialog.targetChanged());
    QVERIFY(waitNoModal());
}

void TestLinkDialog::cancelLeavesEverything()
{
    DocumentFixture f;
    f.setText(QStringLiteral("Text"));
    f.memo->selectAll();
    const QString before = listsState();
    answerDialog<TDVerweis>(
        [](TDVerweis* d) {
            QTest::keyClicks(d->LinkComboBox->lineEdit(), QStringLiteral("a.htm"));
            QTest::keyClick(d, Qt::Key_Escape);
        },
        QString());
    f.trigger("VerweiszuanderenDateien1");
    QCOMPARE(f.memo->text(), QStringLiteral("Text"));
    QCOMPARE(listsState(), before);
}

void TestLinkDialog::menuItemAndToolbarButton()
{
    DocumentFixture f;
    QAction* item = f.child->action(QStringLiteral("VerweiszuanderenDateien1"));
    QVERIFY(item);
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QAction* button = f.frame->control(QStringLiteral("SBtnLink"));
    QVERIFY(button);
    runIdle();
    QVERIFY(button->isEnabled());
    answerDialog<TDVerweis>([](TDVerweis*) {});
    button->trigger();
    QCOMPARE(f.memo->text(), QStringLiteral("<a href=\"\"></a>"));
    f.child->closeWithoutQuery();
    runIdle();
    QVERIFY(!button->isEnabled());
}

TESSALINE_TEST_MAIN(TestLinkDialog)
#include "tst_linkdialog.moc"
