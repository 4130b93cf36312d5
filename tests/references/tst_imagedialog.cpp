// Tests of the inline image dialog: its tag, the preview image, history picks and file choices.
#include "generators/DocumentFixture.h"
#include "references/InlineImageDialog.h"
#include "references/ReferenceFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace
{

ImageValues imageValues(const QStringList& fields)
{
    return valuesFromPairs<ImageValues>(fields, {
                                                    {u"protocol", &ImageValues::protocol},
                                                    {u"server", &ImageValues::server},
                                                    {u"type", &ImageValues::type},
                                                    {u"path", &ImageValues::path},
                                                    {u"image", &ImageValues::image},
                                                    {u"lowsrc", &ImageValues::lowsrc},
                                                    {u"alt", &ImageValues::alt},
                                                    {u"border", &ImageValues::border},
                                                    {u"align", &ImageValues::align},
                                                    {u"vspace", &ImageValues::vspace},
                                                    {u"hspace", &ImageValues::hspace},
                                                    {u"width", &ImageValues::width},
                                                    {u"height", &ImageValues::height},
                                                });
}

QString inputText(QWidget* dialog, const QString& name)
{
    auto* widget = dialog->findChild<QWidget*>(name);
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return box->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    return QStringLiteral("<no input %1>").arg(name);
}

} // namespace

class TestImageDialog : public QObject
{
    Q_OBJECT
private slots:
    void tag_data();
    void tag();
    void startValues();
    void typedImageThroughTheKeyboard();
    void okWithoutImageEditKeepsTheHistory();
    void pickedEntryFillsTheInputs_data();
    void pickedEntryFillsTheInputs();
    void fileChoices();
    void menuItemAndToolbarButton();
};

void TestImageDialog::tag_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example")
        << QStringList{"path=bilder/", "image=logo.gif", "lowsrc=logo_s.gif",
                       "alt=Logo",     "border=0",       "width=80"}
        << "<img src=\"bilder/logo.gif\" lowsrc=\"bilder/logo_s.gif\" alt=\"Logo\" border=0 "
           "width=80>";
    QTest::newRow("empty with the start border")
        << QStringList{"border=0"} << "<img src=\"\" border=0>";
    QTest::newRow("cleared border") << QStringList{"image=a.gif"} << "<img src=\"a.gif\">";
    QTest::newRow("preview shares the external prefix and path")
        << QStringList{"external",   "protocol=http://", "server=www.bilder", "type=.de",
                       "path=/img/", "image=gross.jpg",  "lowsrc=klein.gif"}
        << "<img src=\"http://www.bilder.de/img/gross.jpg\" "
           "lowsrc=\"http://www.bilder.de/img/klein.gif\">";
    QTest::newRow("internal ignores the server inputs")
        << QStringList{"protocol=http://", "server=www.", "type=.com", "image=a.gif",
                       "lowsrc=b.gif"}
        << "<img src=\"a.gif\" lowsrc=\"b.gif\">";
    QTest::newRow("every attribute in order")
        << QStringList{"image=a.gif", "height=5",   "width=4",  "hspace=3",
                       "vspace=2",    "align=left", "border=1", "alt=A"}
        << "<img src=\"a.gif\" alt=\"A\" border=1 align=left vspace=2 hspace=3 width=4 "
           "height=5>";
}

void TestImageDialog::tag()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    QCOMPARE(imageTag(imageValues(fields)), expected);
}

void TestImageDialog::startValues()
{
    TestEnvironment env;
    writeState(QStringLiteral("InlineImage"), QStringLiteral("Count=1;Bild0=a.gif;Bild1=b.gif"));
    TDInlineImage dialog({});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Inline Image"));
    QCOMPARE(dialog.Edit6->text(), QStringLiteral("0"));
    QCOMPARE(dialog.BildComboBox->count(), 2);
    QCOMPARE(dialog.BildComboBox->currentText(), QString());
    QVERIFY(dialog.server->RadioButton1->isChecked());
    QVERIFY(!dialog.server->Edit7->isEnabled());
    QVERIFY(!dialog.CBVPfad->isHidden());
    dialog.server->RadioButton2->click();
    QVERIFY(dialog.server->Edit7->isEnabled());
    QVERIFY(dialog.CBVPfad->isHidden());
    QVERIFY(!dialog.server->serverPathLabel->isHidden());
    QVERIFY(dialog.server->pathLabel->isHidden());
}

void TestImageDialog::typedImageThroughTheKeyboard()
{
    DocumentFixture f;
    f.setText(QStringLiteral("weg"));
    f.memo->selectAll();
    writeState(QStringLiteral("InlineImage"), QStringLiteral("MaxCount=20"));
    answerDialog<TDInlineImage>(
        [](TDInlineImage* d) {
            QTest::keyClicks(d->focusWidget(), QStringLiteral("foto.jpg"));
            QTest::keyClick(d, Qt::Key_X, Qt::AltModifier);
            QTest::keyClicks(d->focusWidget(), QStringLiteral("Foto"));
            QTest::keyClick(d, Qt::Key_W, Qt::AltModifier);
            QTest::keyClicks(d->focusWidget(), QStringLiteral("120"));
            QTest::keyClick(d, Qt::Key_Return);
        },
        QString());
    f.trigger("Inlineimage1");
    QCOMPARE(f.memo->text(), QStringLiteral("<img src=\"foto.jpg\" alt=\"Foto\" border=0 "
                                            "width=120>"));
    QCOMPARE(sectionState(QStringLiteral("InlineImage")),
             QStringLiteral("Align0=;Alt0=Foto;Bild0=foto.jpg;Border0=0;Count=0;height0=;"
                            "hspace0=;Link0=0;lowsrc0=;MaxCount=20;Pfad0=;Prot0=http://;"
                            "Server0=www.;Typ0=.com;vspace0=;width0=120"));
}

void TestImageDialog::okWithoutImageEditKeepsTheHistory()
{
    DocumentFixture f;
    writeState(QStringLiteral("InlineImage"),
               QStringLiteral("Count=0;Bild0=a.gif;Pfad0=p/;Link0=0;Border0=;Alt0=;Align0=;"
                              "vspace0=;hspace0=;width0=;height0=;lowsrc0="));
    const QString before = listsState();
    answerDialog<TDInlineImage>([](TDInlineImage* d) {
        pickFromOpenList(d->BildComboBox, 0);
        d->Edit5->setText(QStringLiteral("10"));
    });
    f.trigger("Inlineimage1");
    QCOMPARE(f.memo->text(), QStringLiteral("<img src=\"p/a.gif\" width=10>"));
    QCOMPARE(listsState(), before);
}

void TestImageDialog::pickedEntryFillsTheInputs_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<bool>("external");
    QTest::newRow("whole record")
        << "Count=0;Bild0=a.gif;Pfad0=/b/;Prot0=ftp://;Server0=ftp.;Typ0=.net;Alt0=A;"
           "Border0=2;Align0=top;Link0=0;vspace0=1;hspace0=3;width0=4;height0=5;lowsrc0=s.gif"
        << QStringList{"Edit2=/b/",     "NeoComboBox1=ftp://",
                       "Edit7=ftp.",    "NeoComboBox2=.net",
                       "Edit3=A",       "Edit6=2",
                       "ComboBox1=top", "Edit1=1",
                       "Edit4=3",       "Edit5=4",
                       "Edit8=5",       "Edit9=s.gif"}
        << false;
    QTest::newRow("absent Link switches to external")
        << "Count=0;Bild0=a.gif;Pfad0=/b/"
        << QStringList{"Edit2=/b/", "Edit3=Default", "Edit6=Default", "ComboBox1=", "Edit9=Default"}
        << true;
    QTest::newRow("entry written by the link dialog")
        << "Count=0;Bild0=b.gif;Pfad0=img/;Prot0=http://;Server0=www.;Typ0=.com;Alt0=B;"
           "Border0=1;Align0=;Link0=0;vspace0=;hspace0=;width0=;height0=;lowsrc0="
        << QStringList{"Edit2=img/", "Edit3=B", "Edit6=1", "Edit1=", "Edit9="} << false;
}

void TestImageDialog::pickedEntryFillsTheInputs()
{
    QFETCH(QString, store);
    QFETCH(QStringList, inputs);
    QFETCH(bool, external);
    TestEnvironment env;
    writeState(QStringLiteral("InlineImage"), store);
    TDInlineImage dialog({});
    dialog.server->setExternal(!external);
    dialog.BildComboBoxListPick(0);
    for (const QString& input : inputs)
        QCOMPARE(inputText(&dialog, input.section(u'=', 0, 0)), input.section(u'=', 1));
    QCOMPARE(dialog.server->RadioButton2->isChecked(), external);
    QCOMPARE(dialog.server->Edit7->isEnabled(), external);
    QVERIFY(!dialog.imageChanged());
}

void TestImageDialog::fileChoices()
{
    TestEnvironment env;
    const QString picture = env.path(QStringLiteral("bild.gif"));
    const QString preview = env.path(QStringLiteral("klein.gif"));
    for (const QString& file : {picture, preview})
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
    TDInlineImage dialog({});
    dialog.CBVPfad->setChecked(true);
    answerFileDialog(picture);
    dialog.SBtnFileOpen->click();
    QCOMPARE(dialog.BildComboBox->currentText(), QStringLiteral("bild.gif"));
    QCOMPARE(dialog.Edit2->text(),
             QStringLiteral("file://localhost") + env.dir() + QLatin1Char('/'));
    QVERIFY(dialog.imageChanged());

    // A cancelled choice keeps name, path and preview as they are.
    dialog.Edit9->setText(QStringLiteral("alt.gif"));
    answerFileDialog(QString());
    dialog.SBtnFileOpen->click();
    answerFileDialog(QString());
    dialog.SpeedButton1->click();
    QCOMPARE(dialog.BildComboBox->currentText(), QStringLiteral("bild.gif"));
    QVERIFY(!dialog.Edit2->text().isEmpty());
    QCOMPARE(dialog.Edit9->text(), QStringLiteral("alt.gif"));

    answerFileDialog(preview);
    dialog.SpeedButton1->click();
    QCOMPARE(dialog.Edit9->text(), QStringLiteral("klein.gif"));
    QVERIFY(waitNoModal());
}

void TestImageDialog::menuItemAndToolbarButton()
{
    DocumentFixture f;
    QVERIFY(f.child->action(QStringLiteral("Inlineimage1")));
    QAction* button = f.frame->control(QStringLiteral("SBtnInlineImage"));
    QVERIFY(button);
    runIdle();
    QVERIFY(button->isEnabled());
    answerDialog<TDInlineImage>([](TDInlineImage*) {}, QStringLiteral("BitBtn2"));
    button->trigger();
    QCOMPARE(f.memo->text(), QString());
    answerDialog<TDInlineImage>([](TDInlineImage*) {});
    button->trigger();
    QCOMPARE(f.memo->text(), QStringLiteral("<img src=\"\" border=0>"));
}

TESSALINE_TEST_MAIN(TestImageDialog)
#include "tst_imagedialog.moc"
