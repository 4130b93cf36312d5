// Tests of the frame commands through their real dialogs: frameset, frame, base target, target.
#include "core/SettingsStore.h"
#include "editor/DialogEnvironment.h"
#include "generators/DocumentFixture.h"
#include "references/FrameDialog.h"
#include "references/FramesetDialog.h"
#include "references/LinkDialog.h"
#include "references/ReferenceFixture.h"
#include "references/TargetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QRadioButton>

using namespace Qt::StringLiterals;

class TestFrameDialogs : public QObject
{
    Q_OBJECT
private slots:
    void frameset_data();
    void frameset();
    void frameFromTheKeyboard();
    void pickedLinkFillsTheInputs();
    void fileChoice_data();
    void fileChoice();
    void targetDialogs_data();
    void targetDialogs();
    void newTargetIsOfferedEverywhere();
    void frameEntryClearsTheLinkDialogsImage();
    void fullTargetListKeepsItsHead();
    void menuItems_data();
    void menuItems();
};

namespace
{

QString value(const char* section, const QString& name)
{
    return SettingsStore().readString(QLatin1String(section), name, u"<absent>"_s);
}

QByteArray storeBytes(const DocumentFixture& doc)
{
    QFile file(doc.env.settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

// A link entry as the link dialog would have stored it, at the next free index.
void storeLink(const QStringList& fields)
{
    SettingsStore store;
    const int index = store.readInteger(u"Link"_s, u"Count"_s, -1) + 1;
    for (const QString& field : fields)
        store.writeString(u"Link"_s, field.section(u'=', 0, 0) + QString::number(index),
                          field.section(u'=', 1));
    store.writeInteger(u"Link"_s, u"Count"_s, index);
}

// Picks entry index of a drop-down from its open list, as a user does.
void pickEntry(QComboBox* box, int index)
{
    pickFromOpenList(box, index);
}

// A mnemonic typed where the focus stands, as a user would.
void alt(QWidget* dialog, int key)
{
    QWidget* focus = dialog->focusWidget();
    QTest::keyClick(focus ? focus : dialog, Qt::Key(key), Qt::AltModifier);
}

} // namespace

void TestFrameDialogs::frameset_data()
{
    QTest::addColumn<bool>("columns");
    QTest::addColumn<QStringList>("sizes"); // typed into lists 1 to 5
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty dialog") << false << QStringList{} << u"BitBtn1"_s
                                  << u"<frameset rows=\"\">Inhalt</frameset>"_s;
    QTest::newRow("rows 20 and 80") << false << QStringList{"20%", "80%"} << u"BitBtn1"_s
                                    << u"<frameset rows=\"20%,80%\">Inhalt</frameset>"_s;
    QTest::newRow("first column only") << true << QStringList{"30%"} << u"BitBtn1"_s
                                       << u"<frameset cols=\"30%,\">Inhalt</frameset>"_s;
    QTest::newRow("lists 1 and 3") << false << QStringList{"20%", "", "30%"} << u"BitBtn1"_s
                                   << u"<frameset rows=\"20%,,30%\">Inhalt</frameset>"_s;
    QTest::newRow("Abbruch") << true << QStringList{"50%"} << u"BitBtn2"_s << u"Inhalt"_s;
}

void TestFrameDialogs::frameset()
{
    QFETCH(bool, columns);
    QFETCH(QStringList, sizes);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText(u"Inhalt"_s);
    doc.memo->selectAllText();
    answerDialog<TFrameset>(
        [&](TFrameset* d) {
            QVERIFY(d->RadioButton1->isChecked());
            QCOMPARE(d->windowTitle(), u"Frameset"_s);
            QCOMPARE(d->sizeBoxes[0]->count(), 11);
            QCOMPARE(d->sizeBoxes[0]->currentText(), QString());
            if (columns) {
                alt(d, Qt::Key_S);
                QTRY_VERIFY(d->RadioButton2->isChecked()); // a mnemonic clicks after a moment
            }
            for (int i = 0; i < sizes.size(); ++i) {
                alt(d, Qt::Key_1 + i);
                QTest::keyClicks(d->focusWidget(), sizes.at(i));
            }
            QCOMPARE(d->RadioButton2->isChecked(), columns);
        },
        button);
    doc.trigger("Frameset1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), expected);
}

void TestFrameDialogs::frameFromTheKeyboard()
{
    DocumentFixture doc;
    doc.setText(u"<frameset cols=\"20%,*\">\r\n"_s);
    const int targetsBefore = SettingsStore().readInteger(u"Target"_s, u"Count"_s, -1);
    answerDialog<TForm1>(
        [&](TForm1* d) {
            QCOMPARE(d->windowTitle(), u"Frame"_s);
            QVERIFY(!d->server.CBVPfad->isHidden());
            QVERIFY(d->server.serverPathLabel->isHidden());
            QVERIFY(!d->server.NeoComboBox1->isEnabled());
            alt(d, Qt::Key_Z);
            QTest::keyClicks(d->focusWidget(), u"links.htm"_s);
            alt(d, Qt::Key_N);
            QTest::keyClicks(d->focusWidget(), u"nav"_s);
            alt(d, Qt::Key_C);
            QCOMPARE(d->focusWidget(), d->ComboBox1);
            d->ComboBox1->setCurrentText(u"no"_s);
            d->CheckBox1->setFocus();
            QTest::keyClick(d->CheckBox1, Qt::Key_Space);
            QVERIFY(d->CheckBox1->isChecked());
            QVERIFY(d->linkChanged());
            QVERIFY(d->targetChanged());
            QTest::keyClick(d, Qt::Key_Return);
        },
        QString());
    doc.trigger("Frame1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"<frameset cols=\"20%,*\">\r\n"
                               u"<frame src=\"links.htm\" name=\"nav\" scrolling=no noresize>"_s);

    // The link history got an internal entry with empty image fields and the frame name.
    const int link = SettingsStore().readInteger(u"Link"_s, u"Count"_s, -1);
    QVERIFY(link >= 0);
    const QString n = QString::number(link);
    QCOMPARE(value("Link", u"Datei"_s + n), u"links.htm"_s);
    QCOMPARE(value("Link", u"Link"_s + n), u"0"_s);
    QCOMPARE(value("Link", u"Target"_s + n), u"nav"_s);
    for (const char* empty : {"Bild", "Border", "Align", "Alt", "BPfad", "Pfad", "Anker"})
        QCOMPARE(value("Link", QLatin1String(empty) + n), QString());
    QCOMPARE(SettingsStore().readInteger(u"Target"_s, u"Count"_s, -1), targetsBefore + 1);
    QCOMPARE(value("Target", u"T"_s + QString::number(targetsBefore + 1)), u"nav"_s);
}

void TestFrameDialogs::pickedLinkFillsTheInputs()
{
    DocumentFixture doc;
    storeLink({"Datei=haupt.htm", "Pfad=/seiten/", "Prot=ftp://", "Server=www.orvanto", "Typ=.de",
               "Anker=oben", "Target=inhalt", "Link=1"});
    storeLink({"Datei=alt.htm"}); // every other value absent
    const QByteArray before = storeBytes(doc);
    const int last = SettingsStore().readInteger(u"Link"_s, u"Count"_s, -1);
    answerDialog<TForm1>([&](TForm1* d) {
        pickEntry(d->LinkComboBox, last);
        QCOMPARE(d->Edit5->text(), u"Default"_s);
        QVERIFY(d->server.external()); // an absent "Link" means external
        pickEntry(d->LinkComboBox, last - 1);
        QCOMPARE(d->LinkComboBox->currentText(), u"haupt.htm"_s);
        QCOMPARE(d->Edit5->text(), u"/seiten/"_s);
        QCOMPARE(d->server.NeoComboBox1->currentText(), u"ftp://"_s);
        QCOMPARE(d->Edit2->text(), u"oben"_s);
        QCOMPARE(d->TargetComboBox->currentText(), u"inhalt"_s);
        QVERIFY(d->server.external());
        QVERIFY(d->server.NeoComboBox1->isEnabled());
        QVERIFY(!d->server.serverPathLabel->isHidden());
        QVERIFY(!d->linkChanged());
        QVERIFY(!d->targetChanged());
    });
    doc.trigger("Frame1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(),
             u"<frame src=\"ftp://www.orvanto.de/seiten/haupt.htm#oben\" name=\"inhalt\">"_s);
    QCOMPARE(storeBytes(doc), before); // merely picking remembers nothing
}

void TestFrameDialogs::fileChoice_data()
{
    QTest::addColumn<bool>("localPath");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("withPathPrefix");

    QTest::newRow("name only") << false << false << false;
    QTest::newRow("with local path") << true << false << true;
    QTest::newRow("cancel empties") << true << true << false;
}

void TestFrameDialogs::fileChoice()
{
    QFETCH(bool, localPath);
    QFETCH(bool, cancel);
    QFETCH(bool, withPathPrefix);
    DocumentFixture doc;
    const QString file = doc.env.path(u"seite.htm"_s);
    QFile(file).open(QIODevice::WriteOnly);
    // Shown without a modal loop of its own, so the file dialog's answer is served in order.
    TForm1 d(dialogEnv(*doc.child));
    d.show();
    QTest::keyClicks(d.LinkComboBox->lineEdit(), u"vorher.htm"_s);
    d.Edit5->setText(u"vorher/"_s);
    d.server.CBVPfad->setChecked(localPath);
    answerFileDialog(cancel ? QString() : file);
    d.SBtnFileOpen->click();
    if (cancel) {
        QCOMPARE(d.LinkComboBox->currentText(), QString());
        QCOMPARE(d.Edit5->text(), QString());
    } else {
        QCOMPARE(d.LinkComboBox->currentText(), u"seite.htm"_s);
        const QString dir = QFileInfo(file).absolutePath();
        QCOMPARE(d.Edit5->text(), withPathPrefix ? u"file://localhost"_s + dir + u'/' : QString());
        QVERIFY(!d.Edit5->text().contains(u"//localhost//"_s));
        QVERIFY(d.linkChanged());
    }
}

void TestFrameDialogs::targetDialogs_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");

    QTest::newRow("base target") << u"Base1"_s << u"Base Target"_s << u"haupt"_s << u"btnOk"_s
                                 << u"<base target=\"haupt\">"_s;
    QTest::newRow("target") << u"Target1"_s << u"Target"_s << u"haupt"_s << u"btnOk"_s
                            << u"target=\"haupt\""_s;
    QTest::newRow("empty base inserts nothing")
        << u"Base1"_s << u"Base Target"_s << QString() << u"btnOk"_s << QString();
    QTest::newRow("empty target inserts nothing")
        << u"Target1"_s << u"Target"_s << QString() << u"btnOk"_s << QString();
    QTest::newRow("Abbruch") << u"Target1"_s << u"Target"_s << u"haupt"_s << u"btnAbort"_s
                             << QString();
}

void TestFrameDialogs::targetDialogs()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    DocumentFixture doc;
    const QByteArray before = storeBytes(doc);
    const int count = SettingsStore().readInteger(u"Target"_s, u"Count"_s, -1);
    answerDialog<TForm2>(
        [&](TForm2* d) {
            QCOMPARE(d->windowTitle(), caption);
            QCOMPARE(d->btnHilfe->text(), u"&Hilfe"_s);
            QCOMPARE(d->TargetComboBox->count(), count + 1);
            QCOMPARE(d->focusWidget(), d->TargetComboBox);
            QTest::keyClicks(d->TargetComboBox->lineEdit(), typed);
        },
        button);
    doc.trigger(item.toLatin1().constData());
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), expected);
    const bool remembered = !typed.isEmpty() && button == u"btnOk";
    QCOMPARE(SettingsStore().readInteger(u"Target"_s, u"Count"_s, -1),
             remembered ? count + 1 : count);
    if (!remembered && typed.isEmpty())
        QCOMPARE(storeBytes(doc), before);
}

void TestFrameDialogs::newTargetIsOfferedEverywhere()
{
    DocumentFixture doc;
    answerDialog<TForm1>(
        [](TForm1* d) { QTest::keyClicks(d->TargetComboBox->lineEdit(), u"rechts"_s); });
    doc.trigger("Frame1");
    QVERIFY(waitNoModal());

    auto offered = [&](const char* item) {
        QStringList seen;
        whenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (!dialog || !dialog->isActiveWindow())
                return false;
            if (auto* box = dialog->findChild<QComboBox*>(u"TargetComboBox"_s))
                seen = items(box);
            dialog->reject();
            return true;
        });
        if (QAction* action = doc.child->action(QLatin1String(item)))
            action->trigger();
        waitNoModal();
        return seen;
    };
    for (const char* item : {"Frame1", "Base1", "Target1", "VerweiszuanderenDateien1"})
        QVERIFY2(offered(item).contains(u"rechts"_s), item);
}

void TestFrameDialogs::frameEntryClearsTheLinkDialogsImage()
{
    DocumentFixture doc;
    answerDialog<TForm1>([](TForm1* d) {
        QTest::keyClicks(d->LinkComboBox->lineEdit(), u"rahmen.htm"_s);
        QTest::keyClicks(d->TargetComboBox->lineEdit(), u"unten"_s);
    });
    doc.trigger("Frame1");
    QVERIFY(waitNoModal());
    const int entry = SettingsStore().readInteger(u"Link"_s, u"Count"_s, -1);
    answerDialog<TDVerweis>(
        [&](TDVerweis* d) {
            QTest::keyClicks(d->BildComboBox->lineEdit(), u"bild.gif"_s);
            d->Edit4->setText(u"img/"_s);
            d->Edit3->setText(u"Bild"_s);
            pickEntry(d->LinkComboBox, entry);
            QCOMPARE(d->LinkComboBox->currentText(), u"rahmen.htm"_s);
            QCOMPARE(d->TargetComboBox->currentText(), u"unten"_s);
            QCOMPARE(d->BildComboBox->currentText(), QString());
            QCOMPARE(d->Edit4->text(), QString());
            QCOMPARE(d->Edit3->text(), QString());
            QCOMPARE(d->Edit6->text(), QString());
        },
        u"BitBtn2"_s);
    doc.trigger("VerweiszuanderenDateien1");
    QVERIFY(waitNoModal());
}

void TestFrameDialogs::fullTargetListKeepsItsHead()
{
    DocumentFixture doc;
    {
        SettingsStore store;
        for (int i = 0; i < 7; ++i)
            store.writeString(u"Target"_s, u"T"_s + QString::number(i), u"t%1"_s.arg(i));
        store.writeInteger(u"Target"_s, u"Count"_s, 6);
        store.writeInteger(u"Target"_s, u"MaxCount"_s, 7);
    }
    answerDialog<TForm2>(
        [](TForm2* d) { QTest::keyClicks(d->TargetComboBox->lineEdit(), u"neu"_s); }, u"btnOk"_s);
    doc.trigger("Base1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"<base target=\"neu\">"_s);
    QStringList targets;
    for (int i = 0; i < 7; ++i)
        targets.append(value("Target", u"T"_s + QString::number(i)));
    QCOMPARE(targets, (QStringList{"t0", "t1", "t2", "t3", "t4", "t6", "neu"}));
    QCOMPARE(SettingsStore().readInteger(u"Target"_s, u"Count"_s, -1), 6);
}

void TestFrameDialogs::menuItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");

    QTest::newRow("frameset") << u"Frameset1"_s << u"&Frameset..."_s << u"Ctrl+F1"_s;
    QTest::newRow("frame") << u"Frame1"_s << u"F&rame..."_s << u"Ctrl+F2"_s;
    QTest::newRow("base target") << u"Base1"_s << u"&Base target"_s << QString();
    QTest::newRow("target") << u"Target1"_s << u"&Target"_s << QString();
}

void TestFrameDialogs::menuItems()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    DocumentFixture doc;
    QAction* action = doc.child->action(item);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);
    // The items stand in "Fra&mes" in their order around "&Noframe".
    auto* menu = doc.child->findChild<QMenu*>(u"Frames1"_s);
    QVERIFY(menu);
    QStringList names;
    for (QAction* a : menu->actions())
        names.append(a->objectName());
    QCOMPARE(names, (QStringList{"Frameset1", "Frame1", "Noframe1", "Base1", "Target1"}));
}

TESSALINE_TEST_MAIN(TestFrameDialogs)
#include "tst_framedialogs.moc"
