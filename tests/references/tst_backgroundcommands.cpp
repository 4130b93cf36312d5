// Tests of the background commands: the quick colour, the background dialog and colour schemes.
#include "core/SettingsStore.h"
#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "generators/DocumentFixture.h"
#include "references/Background.h"
#include "references/BackgroundDialog.h"
#include "references/BackgroundMarkup.h"
#include "references/ColorSchemes.h"
#include "references/ReferenceFixture.h"
#include "references/SchemeNameDialog.h"
#include "widgets/ColorSwatch.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>
#include <QToolBar>

using namespace Qt::StringLiterals;

class TestBackgroundCommands : public QObject
{
    Q_OBJECT
private slots:
    void quickColor_data();
    void quickColor();
    void quickColorPresetsTheDialog();
    void dialog_data();
    void dialog();
    void imageHistory();
    void saveScheme_data();
    void saveScheme();
    void savedSchemeIsListedWhateverTheCount_data();
    void savedSchemeIsListedWhateverTheCount();
    void pickScheme();
    void deleteScheme_data();
    void deleteScheme();
    void frameControls_data();
    void frameControls();
    void dialogFitsASmallScreen();
};

namespace
{

const QString Schemes = u"BackPicture"_s;

// Answers the next colour picker with color, or cancels it when color is invalid.
void answerPicker(const QColor& color)
{
    whenModal([color](QWidget* w) {
        auto* picker = qobject_cast<QColorDialog*>(w);
        if (!picker)
            return false;
        if (color.isValid()) {
            picker->setCurrentColor(color);
            picker->accept();
        } else {
            picker->reject();
        }
        return true;
    });
}

// Answers the next scheme-name dialog with name.
void answerSchemeName(const QString& name)
{
    whenModal([name](QWidget* w) {
        auto* ask = qobject_cast<TDFSchema*>(w);
        if (!ask)
            return false;
        ask->EName->setText(name);
        ask->okButton()->click();
        return true;
    });
}

QString schemeValue(const QString& scheme, const char* name)
{
    return SettingsStore(SettingsStore::Key::Settings, Schemes)
        .readString(scheme, QLatin1String(name), u"<absent>"_s);
}

QString value(const QString& name)
{
    return SettingsStore().readString(Schemes, name, u"<absent>"_s);
}

void storeSchemes(const QList<QStringList>& schemes) // name, then five colour texts
{
    SettingsStore store;
    SettingsStore sub(SettingsStore::Key::Settings, Schemes);
    const char* names[] = {"Background", "Text", "Link", "VLink", "ALink"};
    for (int i = 0; i < schemes.size(); ++i) {
        store.writeString(Schemes, u"SName"_s + QString::number(i), schemes[i].at(0));
        for (int k = 1; k < schemes[i].size(); ++k)
            if (!schemes[i].at(k).isEmpty())
                sub.writeString(schemes[i].at(0), QLatin1String(names[k - 1]), schemes[i].at(k));
    }
    store.writeInteger(Schemes, u"SCount"_s, int(schemes.size()) - 1);
}

QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

QByteArray storeBytes(const DocumentFixture& doc)
{
    QFile file(doc.env.settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

void TestBackgroundCommands::quickColor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("color"); // invalid: cancel the picker
    QTest::addColumn<QString>("expected");

    QTest::newRow("tag begins its line") << u"<html>\r\n<body>Text"_s << QColor(255, 0, 0)
                                         << u"<html>\r\n<body bgcolor=\"#FF0000\">Text"_s;
    QTest::newRow("tag inside its line, old attributes go")
        << u"<head></head><BODY text=\"#000000\"><p>Hallo"_s << QColor(0x12, 0x34, 0x56)
        << u"<head></head><body bgcolor=\"#123456\"><p>Hallo"_s;
    QTest::newRow("tag over two lines")
        << u"<body\r\n  bgcolor=\"#FFFFFF\">\r\nText"_s << QColor(0, 0, 255)
        << u"<body bgcolor=\"#0000FF\">\r\nText"_s;
    QTest::newRow("only the first body tag")
        << u"<body>\r\n<body>"_s << QColor(0, 255, 0) << u"<body bgcolor=\"#00FF00\">\r\n<body>"_s;
    QTest::newRow("no body tag: at the caret")
        << u"<p>abc"_s << QColor(255, 255, 255) << u"<p>abc<body bgcolor=\"#FFFFFF\">"_s;
    QTest::newRow("cancelled") << u"<body>Text"_s << QColor() << u"<body>Text"_s;
}

void TestBackgroundCommands::quickColor()
{
    QFETCH(QString, text);
    QFETCH(QColor, color);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText(text);
    answerPicker(color);
    doc.trigger("Hintergrundfarbe1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), expected);
    QCOMPARE(shellStateOf(*doc.child).quickBackground.has_value(), color.isValid());
}

void TestBackgroundCommands::quickColorPresetsTheDialog()
{
    DocumentFixture doc;
    doc.setText(u"<body link=red>x"_s);
    answerPicker(QColor(0x33, 0x66, 0x99));
    doc.trigger("Hintergrundfarbe1");
    QVERIFY(waitNoModal());
    answerDialog<TDBgrdImage>([](TDBgrdImage* d) {
        QCOMPARE(d->BGrdColor1->ChangeColor(), 0x996633u);
        QCOMPARE(d->Edit2->text(), QString());
    });
    doc.trigger("Hintergrundbild2");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"<body bgcolor=\"#336699\">x"_s);
}

void TestBackgroundCommands::dialog_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected"); // the document after the dialog

    // The document holds "<p>\r\n<body bgcolor=\"#FFFFFF\" text=\"#000000\">Seite" before.
    QTest::newRow("nothing chosen drops every old attribute")
        << QStringList{} << u"<p>\r\n<body>Seite"_s;
    QTest::newRow("only the chosen colours")
        << QStringList{"color=1:#FF0000", "color=3:#00FF00"}
        << u"<p>\r\n<body text=\"#FF0000\" vlink=\"#00FF00\">Seite"_s;
    QTest::newRow("all five in order")
        << QStringList{"color=4:#000004", "color=3:#000003", "color=2:#000002", "color=1:#000001",
                       "color=0:#000000"}
        << u"<p>\r\n<body bgcolor=\"#000000\" text=\"#000001\" link=\"#000002\" "
           u"vlink=\"#000003\" alink=\"#000004\">Seite"_s;
    QTest::newRow("a cancelled picker changes nothing")
        << QStringList{"color=0:#123456", "cancel=0"}
        << u"<p>\r\n<body bgcolor=\"#123456\">Seite"_s;
    QTest::newRow("watermark without image") << QStringList{"fixed"}
                                             << u"<p>\r\n<body background=\"\" "
                                                u"bgproperties=fixed>Seite"_s;
    QTest::newRow("local image with path")
        << QStringList{"image=stein.gif", "path=bilder/", "color=0:#C0C0C0"}
        << u"<p>\r\n<body background=\"bilder/stein.gif\" bgcolor=\"#C0C0C0\">Seite"_s;
    QTest::newRow("external image")
        << QStringList{"external", "image=a.jpg", "path=/img/", "fixed"}
        << u"<p>\r\n<body background=\"http://www..com/img/a.jpg\" bgproperties=fixed>Seite"_s;
    QTest::newRow("Abbruch") << QStringList{"color=0:#FF0000", "abort"}
                             << u"<p>\r\n<body bgcolor=\"#FFFFFF\" text=\"#000000\">Seite"_s;
}

void TestBackgroundCommands::dialog()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText(u"<p>\r\n<body bgcolor=\"#FFFFFF\" text=\"#000000\">Seite"_s);
    // Shown without a modal loop of its own, so the pickers' answers are served in order.
    TDBgrdImage dialog(dialogEnv(*doc.child), std::nullopt);
    TDBgrdImage* d = &dialog;
    d->show();
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
    QCOMPARE(d->windowTitle(), u"Hintergrundeinstellungen"_s);
    bool abort = false;
    for (const QString& step : steps) {
        const QString key = step.section(u'=', 0, 0);
        const QString arg = step.section(u'=', 1);
        if (key == u"color" || key == u"cancel") {
            const int slot = arg.section(u':', 0, 0).toInt();
            answerPicker(key == u"cancel" ? QColor() : QColor(arg.section(u':', 1)));
            d->colorButtons[std::size_t(slot)]->click();
        } else if (key == u"fixed") {
            alt(d, Qt::Key_X);
            QTRY_VERIFY(d->CheckBox1->isChecked()); // a mnemonic clicks after a moment
        } else if (key == u"image") {
            alt(d, Qt::Key_B);
            QTest::keyClicks(d->focusWidget(), arg);
        } else if (key == u"path") {
            QTest::keyClicks(d->Edit2, arg);
        } else if (key == u"external") {
            alt(d, Qt::Key_E);
            QTRY_VERIFY(d->server.external());
        } else if (key == u"abort") {
            abort = true;
        }
    }
    (abort ? d->cancelButton() : d->okButton())->click();
    if (d->QDialog::result() == QDialog::Accepted)
        putBodyTag(*doc.memo, bodyTag(d->bodyAttributes()));
    QCOMPARE(doc.memo->text(), expected);
}

void TestBackgroundCommands::imageHistory()
{
    DocumentFixture doc;
    const int before = SettingsStore().readInteger(Schemes, u"Count"_s, -1);
    answerDialog<TDBgrdImage>([](TDBgrdImage* d) {
        QTest::keyClicks(d->BildComboBox->lineEdit(), u"wolken.jpg"_s);
        d->server.setExternal(true);
        d->server.Edit7->setText(u"www.orvanto"_s);
        d->Edit2->setText(u"/bg/"_s);
        d->CheckBox1->setChecked(true);
        QVERIFY(d->imageChanged());
    });
    doc.trigger("Hintergrundbild2");
    QVERIFY(waitNoModal());
    const int n = before + 1;
    QCOMPARE(SettingsStore().readInteger(Schemes, u"Count"_s, -1), n);
    const QString i = QString::number(n);
    QCOMPARE(value(u"Bild"_s + i), u"wolken.jpg"_s);
    QCOMPARE(value(u"Pfad"_s + i), u"/bg/"_s);
    QCOMPARE(value(u"Prot"_s + i), u"http://"_s);
    QCOMPARE(value(u"Server"_s + i), u"www.orvanto"_s);
    QCOMPARE(value(u"Typ"_s + i), u".com"_s);
    QCOMPARE(value(u"Link"_s + i), u"1"_s);
    QCOMPARE(value(u"Prop"_s + i), u"1"_s);

    // Picking the entry fills every input; an OK after the pick remembers nothing new.
    doc.setText(QString());
    const QByteArray stored = storeBytes(doc);
    answerDialog<TDBgrdImage>([&](TDBgrdImage* d) {
        QCOMPARE(d->BildComboBox->count(), n + 1);
        QCOMPARE(d->Edit2->text(), QString());
        pickEntry(d->BildComboBox, n);
        QCOMPARE(d->Edit2->text(), u"/bg/"_s);
        QVERIFY(d->server.external());
        QCOMPARE(d->server.Edit7->text(), u"www.orvanto"_s);
        QVERIFY(d->CheckBox1->isChecked());
        QVERIFY(!d->imageChanged());
    });
    doc.trigger("Hintergrundbild2");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(),
             u"<body background=\"http://www.orvanto.com/bg/wolken.jpg\" bgproperties=fixed>"_s);
    QCOMPARE(storeBytes(doc), stored);
}

void TestBackgroundCommands::saveScheme_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("textColor");                   // chosen before saving; invalid: none
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // to the replace question
    QTest::addColumn<QString>("storedText");                 // "Text" of the scheme afterwards
    QTest::addColumn<QStringList>("names");                  // SName 0.. afterwards
    QTest::addColumn<QString>("expected");                   // the document afterwards

    // "Alt" exists before with a red text colour.
    QTest::newRow("no colours chosen stores the system colours")
        << u"Hell"_s << QColor() << QMessageBox::NoButton << u"clWindowText"_s
        << QStringList{"Alt", "Hell"} << u"<body>"_s;
    QTest::newRow("name with a slash keeps the chosen colour")
        << u"Rot/Blau"_s << QColor(0, 0, 255) << QMessageBox::NoButton << u"clBlue"_s
        << QStringList{"Alt", "Rot/Blau"} << u"<body text=\"#0000FF\">"_s;
    QTest::newRow("existing name, replace")
        << u"Alt"_s << QColor(0, 0, 255) << QMessageBox::Ok << u"clBlue"_s << QStringList{"Alt"}
        << u"<body text=\"#0000FF\">"_s;
    QTest::newRow("existing name in another case, replace")
        << u"alt"_s << QColor(0, 0, 255) << QMessageBox::Ok << u"clBlue"_s << QStringList{"Alt"}
        << u"<body text=\"#0000FF\">"_s;
    QTest::newRow("existing name, keep")
        << u"Alt"_s << QColor(0, 0, 255) << QMessageBox::Cancel << u"clRed"_s << QStringList{"Alt"}
        << u"<body text=\"#0000FF\">"_s;
    QTest::newRow("empty name saves nothing") << QString() << QColor() << QMessageBox::NoButton
                                              << QString() << QStringList{"Alt"} << u"<body>"_s;
}

void TestBackgroundCommands::saveScheme()
{
    QFETCH(QString, name);
    QFETCH(QColor, textColor);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, storedText);
    QFETCH(QStringList, names);
    QFETCH(QString, expected);
    DocumentFixture doc;
    storeSchemes({{u"Alt"_s, u"clWhite"_s, u"clRed"_s, u"clRed"_s, u"clRed"_s, u"clRed"_s}});
    QString question;
    TDBgrdImage dialog(dialogEnv(*doc.child), std::nullopt);
    dialog.show();
    if (textColor.isValid()) {
        answerPicker(textColor);
        dialog.colorButtons[1]->click();
    }
    answerSchemeName(name);
    if (answer != QMessageBox::NoButton)
        answerMessageBox(answer, &question);
    dialog.BitBtnSichern->click();
    QVERIFY(waitNoModal());
    QCOMPARE(items(dialog.CBoxSchema), names);
    if (!name.isEmpty() && answer == QMessageBox::NoButton)
        QCOMPARE(dialog.CBoxSchema->currentText(), name);
    // Saving resets nothing: the chosen colours stay in the result.
    dialog.okButton()->click();
    QCOMPARE(bodyTag(dialog.bodyAttributes()), expected);
    QCOMPARE(question.isEmpty(), answer == QMessageBox::NoButton);
    if (!question.isEmpty())
        QCOMPARE(question, u"Wollen Sie das vorhandene Farbschema ersetzen?"_s);
    if (!name.isEmpty()) {
        QCOMPARE(schemeValue(name, "Text"), storedText);
        QCOMPARE(schemeValue(name, "VLink"),
                 answer == QMessageBox::Cancel ? u"clRed"_s : u"clWindowText"_s);
        if (name != u"Alt")
            QCOMPARE(schemeValue(name, "Background"), u"clWindow"_s);
    }
    QStringList stored;
    for (int i = 0; i <= SettingsStore().readInteger(Schemes, u"SCount"_s, -1); ++i)
        stored.append(value(u"SName"_s + QString::number(i)));
    QCOMPARE(stored, names);
}

void TestBackgroundCommands::savedSchemeIsListedWhateverTheCount_data()
{
    QTest::addColumn<QString>("scount");     // stored "SCount"
    QTest::addColumn<QStringList>("stored"); // "SName" 0, 1, ...; empty: absent
    QTest::addColumn<QStringList>("listed"); // the names afterwards, oldest first
    QTest::addColumn<QString>("scountAfter");

    const QStringList two{"Alt", "Blau"};
    const QStringList afterTwo{"Alt", "Blau", "Neu"};
    QTest::newRow("10^9") << u"1000000000"_s << two << afterTwo << u"2"_s;
    QTest::newRow("2147483647") << u"2147483647"_s << two << afterTwo << u"2"_s;
    QTest::newRow("hexadecimal 0x7FFFFFFF") << u"0x7FFFFFFF"_s << two << afterTwo << u"2"_s;
    QTest::newRow("at the bound, sparse")
        << u"999"_s << QStringList{"Alt", "", "", "Blau"} << afterTwo << u"2"_s;
    QTest::newRow("-5") << u"-5"_s << two << QStringList{"Neu"} << u"0"_s;
    QTest::newRow("-2147483648") << u"-2147483648"_s << two << QStringList{"Neu"} << u"0"_s;
    QTest::newRow("abc") << u"abc"_s << two << QStringList{"Neu"} << u"0"_s;
    QStringList full, fullAfter;
    for (int i = 0; i < SettingsStore::MaxListEntries; ++i)
        full << u"S"_s + QString::number(i);
    fullAfter = full.mid(1) << u"Neu"_s;
    QTest::newRow("full list drops its oldest") << u"999"_s << full << fullAfter << u"999"_s;
}

void TestBackgroundCommands::savedSchemeIsListedWhateverTheCount()
{
    QFETCH(QString, scount);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, listed);
    QFETCH(QString, scountAfter);
    DocumentFixture doc;
    {
        SettingsStore store;
        SettingsStore sub(SettingsStore::Key::Settings, Schemes);
        for (int i = 0; i < stored.size(); ++i) {
            if (stored[i].isEmpty())
                continue;
            store.writeString(Schemes, u"SName"_s + QString::number(i), stored[i]);
            sub.writeString(stored[i], u"Text"_s, u"clRed"_s);
        }
        store.writeString(Schemes, u"SCount"_s, scount);
    }
    {
        TDBgrdImage dialog(dialogEnv(*doc.child), std::nullopt);
        dialog.show();
        answerSchemeName(u"Neu"_s);
        dialog.BitBtnSichern->click();
        QVERIFY(waitNoModal());
        dialog.reject();
    }
    QCOMPARE(SchemaStore::names(), listed);
    QCOMPARE(value(u"SCount"_s), scountAfter);
    // The next dialog offers the new scheme, and the colours saved with it.
    TDBgrdImage next(dialogEnv(*doc.child), std::nullopt);
    QVERIFY(items(next.CBoxSchema).contains(u"Neu"_s));
    QCOMPARE(schemeValue(u"Neu"_s, "Background"), u"clWindow"_s);
    for (const QString& name : listed)
        if (name != u"Neu")
            QCOMPARE(schemeValue(name, "Text"), u"clRed"_s);
    // The scheme dropped from a full list goes with its colours.
    if (stored.size() == SettingsStore::MaxListEntries)
        QCOMPARE(schemeValue(stored.first(), "Text"), u"<absent>"_s);
}

void TestBackgroundCommands::pickScheme()
{
    DocumentFixture doc;
    // Stored oldest first; the box shows them sorted. "Nacht" lacks two values and has one
    // that is no colour.
    storeSchemes({{u"Zart"_s, u"$00E6E6FE"_s, u"clBlack"_s, u"clBlue"_s, u"clPurple"_s, u"clRed"_s},
                  {u"Nacht"_s, u"$00800000"_s, u"clWindowText"_s, u"rot"_s}});
    const QString windowText = htmlColorText(0x80000008);
    answerDialog<TDBgrdImage>([&](TDBgrdImage* d) {
        QCOMPARE(items(d->CBoxSchema), (QStringList{"Nacht", "Zart"}));
        QCOMPARE(d->CBoxSchema->currentText(), QString());
        pickEntry(d->CBoxSchema, 1);
        QCOMPARE(d->BGrdColor1->ChangeColor(), 0xE6E6FEu);
        QCOMPARE(d->LLinkFarbe->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        pickEntry(d->CBoxSchema, 0);
        QCOMPARE(d->BGrdColor1->ChangeColor(), 0x800000u);
    });
    doc.trigger("Hintergrundbild2");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"<body bgcolor=\"#000080\" text=\""_s + windowText +
                                   u"\" link=\""_s + windowText + u"\" vlink=\""_s + windowText +
                                   u"\" alink=\""_s + windowText + u"\">"_s);
    QVERIFY(!doc.memo->text().contains(u"clWindow"_s));
}

void TestBackgroundCommands::deleteScheme_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("deleted"); // typed into the scheme box
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("scount");

    QTest::newRow("the only scheme")
        << QStringList{"Rot/Blau"} << u"Rot/Blau"_s << QStringList{} << -1;
    QTest::newRow("the middle one")
        << QStringList{"A", "B", "C"} << u"B"_s << QStringList{"A", "C"} << 1;
    QTest::newRow("a name stored twice")
        << QStringList{"A", "B", "A"} << u"A"_s << QStringList{"B"} << 0;
    QTest::newRow("a name in other cases")
        << QStringList{"Rot", "B", "rot"} << u"ROT"_s << QStringList{"B"} << 0;
    QTest::newRow("empty box deletes nothing")
        << QStringList{"A"} << QString() << QStringList{"A"} << 0;
}

void TestBackgroundCommands::deleteScheme()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, deleted);
    QFETCH(QStringList, left);
    QFETCH(int, scount);
    DocumentFixture doc;
    QList<QStringList> schemes;
    for (const QString& name : stored)
        schemes.append({name, u"clRed"_s});
    storeSchemes(schemes);
    answerDialog<TDBgrdImage>(
        [&](TDBgrdImage* d) {
            d->CBoxSchema->setEditText(deleted);
            d->BitBtnLoeschen->click();
            QCOMPARE(d->CBoxSchema->currentText(), QString());
            if (!deleted.isEmpty())
                QCOMPARE(d->CBoxSchema->findText(deleted), -1);
            QCOMPARE(d->CBoxSchema->count(), int(left.size()));
        },
        u"BitBtn2"_s);
    doc.trigger("Hintergrundbild2");
    QVERIFY(waitNoModal());
    QCOMPARE(SettingsStore().readInteger(Schemes, u"SCount"_s, -2), scount);
    QStringList names;
    for (int i = 0; i <= scount; ++i)
        names.append(value(u"SName"_s + QString::number(i)));
    QCOMPARE(names, left);
    QCOMPARE(value(u"SName"_s + QString::number(scount + 1)), u"<absent>"_s);
    if (!deleted.isEmpty())
        QCOMPARE(schemeValue(deleted, "Background"), u"<absent>"_s);
}

void TestBackgroundCommands::frameControls_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");

    QTest::newRow("quick colour") << u"SBtnBgcolor"_s << u"Hintergrundfarbe Schnelleinstellung!"_s
                                  << u"Hintergrundfarbe1"_s << u"&Hintergrundfarbe schnell..."_s
                                  << u"Ctrl+Shift+F10"_s;
    QTest::newRow("settings") << u"SBtnBgscr"_s << u"Hintergrundeinstellungen"_s
                              << u"Hintergrundbild2"_s << u"Hintergrund&einstellungen..."_s
                              << u"Ctrl+Shift+F4"_s;
}

void TestBackgroundCommands::frameControls()
{
    QFETCH(QString, button);
    QFETCH(QString, hint);
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    DocumentFixture doc;
    QAction* action = doc.frame->control(button);
    QVERIFY(action);
    QVERIFY(action->toolTip().startsWith(hint));
    auto* bar = doc.frame->findChild<QToolBar*>(u"XToolBar4"_s);
    QVERIFY(bar && bar->actions().contains(action));
    runIdle();
    QVERIFY(action->isEnabled());
    QCOMPARE(doc.child->action(item)->text(), caption);
    QCOMPARE(doc.child->action(item)->shortcut().toString(), shortcut);

    // The button reaches the active document's command.
    doc.setText(u"<body>"_s);
    if (button == u"SBtnBgcolor")
        answerPicker(QColor(1, 2, 3));
    else
        answerDialog<TDBgrdImage>(
            [](TDBgrdImage* d) { d->setColor(TDBgrdImage::Background, 0x030201); });
    action->trigger();
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"<body bgcolor=\"#010203\">"_s);

    doc.child->closeWithoutQuery();
    runIdle();
    QVERIFY(!action->isEnabled());
}

void TestBackgroundCommands::dialogFitsASmallScreen()
{
    DocumentFixture doc;
    // Long history entries and scheme names must not widen it past the screen either.
    storeSchemes({{QString(60, u'S')}});
    writeState(Schemes, u"Count=0;Bild0="_s + QString(120, u'b') + u".gif"_s);
    TDBgrdImage dialog(dialogEnv(*doc.child), std::nullopt);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // An 800x600 screen leaves about 780x560 for a window with its frame and title bar.
    const QSize size = dialog.frameGeometry().size().expandedTo(dialog.size() + QSize(10, 30));
    QVERIFY2(size.width() <= 780 && size.height() <= 560,
             qPrintable(u"%1x%2"_s.arg(size.width()).arg(size.height())));
}

TESSALINE_TEST_MAIN(TestBackgroundCommands)
#include "tst_backgroundcommands.moc"
