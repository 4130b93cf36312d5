// Tests of the settings dialog through the frame: what OK stores and keeps, and what follows it.
#include "app/EditorSample.h"
#include "app/Main.h"
#include "app/SettingsDialog.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"
#include "widgets/ColorGrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace
{

// Types text as key presses that carry the characters, the way a German keyboard sends them.
void type(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}

} // namespace

class TstSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { QVERIFY(waitNoModal()); }

    void opensWithoutAndWithADocument();
    void okStoresEditorLookAlsoWithoutTools();
    void clearedBrowserIsSwitchedOff();
    void emptyNameKeepsStoredUserData();
    void missingValuesStayMissing_data();
    void missingValuesStayMissing();
    void intervalsAreStoredInMilliseconds_data();
    void intervalsAreStoredInMilliseconds();
    void cancelKeepsOnlyStyleAndAlignment();
    void toolbarBoxesShowAndHideToolbars();
    void fillsFromStateAndStore();
    void keyboardReachesEveryField();
    void fitsASmallScreen();

private:
    // Opens the settings dialog from the frame's menu item and runs body on it; body closes it.
    static bool runSettings(TMainForm& frame, const std::function<void(TEinstellungen*)>& body)
    {
        bool seen = false;
        whenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TEinstellungen*>(w);
            if (!dialog)
                return false;
            seen = true;
            body(dialog);
            return true;
        });
        frame.control("Einstellungen1")->trigger();
        return seen;
    }

    std::unique_ptr<TestEnvironment> m_env;
};

void TstSettingsDialog::opensWithoutAndWithADocument()
{
    TMainForm frame;
    QAction* item = frame.control("Einstellungen1");
    QVERIFY(item);
    QCOMPARE(item->text(), QString("&Einstellungen"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F10));
    runIdle();
    QVERIFY(item->isEnabled()); // no document open

    QString caption, cancel;
    QVERIFY(runSettings(frame, [&](TEinstellungen* d) {
        caption = d->windowTitle();
        cancel = d->cancelButton()->text();
        d->cancelButton()->click();
    }));
    QCOMPARE(caption, QString("Einstellungen"));
    // "A&utomatische Sicherung" keeps its letter; the button stays on Escape.
    QCOMPARE(cancel, QString("Abbruch"));

    // The document window's own item of the same name opens the same dialog.
    TMDIChild* child = frame.createChild();
    QAction* own = nullptr;
    for (QAction* a : child->findChildren<QAction*>())
        if (a->objectName() == "Einstellungen")
            own = a;
    QVERIFY(own);
    QCOMPARE(own->shortcut(), QKeySequence(Qt::Key_F10));
    bool opened = false;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<TEinstellungen*>(w);
        if (!dialog)
            return false;
        opened = true;
        dialog->cancelButton()->click();
        return true;
    });
    own->trigger();
    QVERIFY(opened);
}

void TstSettingsDialog::okStoresEditorLookAlsoWithoutTools()
{
    TMainForm frame;
    const QString family = [] {
        ShellState state;
        TEinstellungen probe({}, state);
        return probe.MFontListBox->item(probe.MFontListBox->count() - 1)->text();
    }();
    TMDIChild* child = frame.createChild();
    QVERIFY(runSettings(frame, [&](TEinstellungen* d) {
        QCOMPARE(d->PickList1->count(), 0);
        d->MFontListBox->setCurrentRow(d->MFontListBox->count() - 1);
        d->MFontSizeEdit->setValue(14);
        d->MFontColorGrid->cell(9)->click(); // red
        d->MBackListBox->setCurrentRow(
            d->MBackListBox->row(d->MBackListBox->findItems("clYellow", Qt::MatchExactly)[0]));
        d->MAlignCenter->click();
        d->MStyleBold->setChecked(false);
        d->MStyleBold->click();
        d->MStyleItalic->setChecked(true);
        d->MStyleItalic->click();
        const EditorLook& look = d->RichEdit1->look();
        QCOMPARE(look.fontName, family);
        QCOMPARE(look.fontColor, 0x0000FFu);
        QCOMPARE(look.align, Qt::Alignment(Qt::AlignHCenter));
        QVERIFY(d->RichEdit1->font().bold());
        d->okButton()->click();
    }));
    const SettingsStore store;
    QCOMPARE(store.readString("Tools", "Count", ""), QString("0"));
    QCOMPARE(store.readString("Optionen", "FontName", ""), family);
    QCOMPARE(store.readString("Optionen", "FontSize", ""), QString("14"));
    QCOMPARE(store.readString("Optionen", "FontColor", ""), QString("clRed"));
    QCOMPARE(store.readString("Optionen", "Background", ""), QString("clYellow"));
    QCOMPARE(store.readString("Optionen", "Align", ""), QString("center"));
    QCOMPARE(store.readString("Optionen", "fsBold", ""), QString("1"));
    QCOMPARE(store.readString("Optionen", "fsItalic", ""), QString("0"));
    // Without tools the menu holds only its disabled note.
    const QList<QAction*> toolItems = frame.findChild<QMenu*>("Tools1")->actions();
    QCOMPARE(toolItems.size(), 1);
    QVERIFY(!toolItems.first()->isEnabled());

    // The open document takes the new look when it is next activated.
    child->FormActivate();
    QCOMPARE(child->TextMemo->font().family(), family);
    QCOMPARE(child->TextMemo->font().pointSize(), 14);
    QVERIFY(child->TextMemo->font().bold());
    QCOMPARE(child->TextMemo->palette().color(QPalette::Base), QColor(Qt::yellow));
}

void TstSettingsDialog::clearedBrowserIsSwitchedOff()
{
    {
        SettingsStore store;
        store.writeBool("Browser", "Browser1Select", true);
        store.writeBool("Browser", "Browser2Select", true);
        store.writeString("Browser", "Browser1", "/opt/web/firefox.exe");
        store.writeString("Browser", "Browser2", "/opt/web/opera.exe");
    }
    TMainForm frame;
    runIdle();
    QVERIFY(frame.control("SBtnBrowser2")->isEnabled());
    QVERIFY(runSettings(frame, [](TEinstellungen* d) {
        QCOMPARE(d->EBrowser2->text(), QString("/opt/web/opera.exe"));
        QCOMPARE(d->EBrowser1->maxLength(), 255);
        d->EBrowser2->clear();
        d->EBrowser1->setText("chromium"); // a command name on the search path
        d->okButton()->click();
    }));
    runIdle();
    const SettingsStore store;
    QCOMPARE(store.readString("Browser", "Browser2Select", ""), QString("0"));
    QCOMPARE(store.readString("Browser", "Browser2", "x"), QString());
    QCOMPARE(store.readString("Browser", "Browser1Select", ""), QString("1"));
    QCOMPARE(store.readString("Browser", "Browser1", ""), QString("chromium"));
    QVERIFY(!frame.control("SBtnBrowser2")->isEnabled());
    QVERIFY(!frame.control("Browser2aufrufen1")->isEnabled());
    QVERIFY(frame.control("SBtnBrowser1")->isEnabled());
    QCOMPARE(frame.control("SBtnBrowser2")->toolTip(), QString("HTML Datei mit  testen"));
    QCOMPARE(frame.control("SBtnBrowser1")->toolTip(), QString("HTML Datei mit chromium testen"));
}

void TstSettingsDialog::emptyNameKeepsStoredUserData()
{
    {
        SettingsStore store;
        store.writeString("User", "UserName", "Erika Muster");
        store.writeString("User", "UserFirma", "Alt GmbH");
    }
    TMainForm frame;
    QString typed;
    QVERIFY(runSettings(frame, [&](TEinstellungen* d) {
        QLineEdit* name = d->userFields[0];
        QLineEdit* firma = d->userFields[1];
        QCOMPARE(name->objectName(), QString("Edit2"));
        QCOMPARE(firma->text(), QString("Alt GmbH"));
        name->clear();
        firma->clear();
        firma->setFocus();
        type(firma, "Bär");
        typed = firma->text();
        // The home page is an address: umlauts stay as typed.
        d->userFields[9]->clear();
        type(d->userFields[9], "ä");
        QCOMPARE(d->userFields[9]->text(), QString("ä"));
        d->okButton()->click();
    }));
    QCOMPARE(typed, QString("B&auml;r"));
    const SettingsStore store;
    QCOMPARE(store.readString("User", "UserFirma", ""), QString("Alt GmbH"));
    QCOMPARE(store.readString("User", "UserName", ""), QString("Erika Muster"));
    QCOMPARE(store.readString("User", "User", ""), QString("1"));
    QCOMPARE(frame.shellState().user.UserFirma, QString("B&auml;r"));
    QCOMPARE(frame.shellState().user.UserName, QString());

    // With a name, the ten values are written and "User" is false.
    QVERIFY(runSettings(frame, [](TEinstellungen* d) {
        d->userFields[0]->setText("Max");
        d->okButton()->click();
    }));
    const SettingsStore after;
    QCOMPARE(after.readString("User", "UserName", ""), QString("Max"));
    QCOMPARE(after.readString("User", "UserFirma", ""), QString("B&auml;r"));
    QCOMPARE(after.readString("User", "User", ""), QString("0"));
}

namespace
{

// Every value of the sections the browser and user fields write, by "section/name".
QMap<QString, QString> browserAndUserValues()
{
    const SettingsStore store;
    QMap<QString, QString> values;
    for (const QString& section : {QStringLiteral("Browser"), QStringLiteral("User")})
        for (const QString& name : store.valueNames(section))
            values.insert(section + '/' + name, store.readString(section, name, QString()));
    // The one value OK always writes: whether the name field was empty.
    values.remove(QStringLiteral("User/User"));
    return values;
}

} // namespace

void TstSettingsDialog::missingValuesStayMissing_data()
{
    QTest::addColumn<bool>("writtenAsDefault");
    QTest::newRow("fresh installation") << false;
    QTest::newRow("stored as the word Default") << true;
}

void TstSettingsDialog::missingValuesStayMissing()
{
    QFETCH(bool, writtenAsDefault);
    if (writtenAsDefault) {
        SettingsStore store;
        store.writeBool("Browser", "Browser2Select", true);
        store.writeString("Browser", "Browser2", "Default");
        for (const char* name : {"UserName", "UserFirma", "UserEMail", "UserHomepage"})
            store.writeString("User", name, "Default");
    }
    TMainForm frame;
    runIdle();
    QVERIFY(!frame.control("SBtnBrowser2")->isEnabled());
    QCOMPARE(frame.shellState().user.UserEMail, QString()); // the mail link's preset
    const QMap<QString, QString> before = browserAndUserValues();
    QVERIFY(runSettings(frame, [](TEinstellungen* d) {
        QCOMPARE(d->EBrowser2->text(), QString());
        for (QLineEdit* field : d->userFields)
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        d->okButton()->click();
    }));
    runIdle();
    QCOMPARE(browserAndUserValues(), before);
    QVERIFY(!frame.control("SBtnBrowser2")->isEnabled());
    QVERIFY(!frame.control("Browser2aufrufen1")->isEnabled());
    QVERIFY(!frame.shellState().browser2Selected);
    QCOMPARE(frame.shellState().user.UserName, QString());
    // The next start reads the same: still no second browser.
    TMainForm next;
    QVERIFY(!next.shellState().browser2Selected);
}

void TstSettingsDialog::intervalsAreStoredInMilliseconds_data()
{
    QTest::addColumn<int>("storedMs");
    QTest::addColumn<int>("shownSeconds");
    QTest::addColumn<int>("typedSeconds");
    QTest::addColumn<int>("storedAfter");
    QTest::newRow("ten seconds") << 60000 << 60 << 10 << 10000;
    QTest::newRow("below the range") << 2000 << 10 << 7 << 10000;
    QTest::newRow("above the range") << 5000000 << 1000 << 2000 << 1000000;
    QTest::newRow("whole seconds") << 125999 << 125 << 125 << 125000;
}

void TstSettingsDialog::intervalsAreStoredInMilliseconds()
{
    QFETCH(int, storedMs);
    QFETCH(int, shownSeconds);
    QFETCH(int, typedSeconds);
    QFETCH(int, storedAfter);
    {
        SettingsStore store;
        store.writeInteger("Optionen", "AutoBackUp", storedMs);
        store.writeInteger("Optionen", "AutoSave", storedMs);
    }
    {
        TMainForm frame;
        QVERIFY(runSettings(frame, [&](TEinstellungen* d) {
            QCOMPARE(d->SEIntervall->value(), shownSeconds);
            QCOMPARE(d->SEAutmSich->singleStep(), 5);
            d->SEIntervall->setValue(typedSeconds);
            d->SEAutmSich->setValue(typedSeconds);
            d->okButton()->click();
        }));
        QCOMPARE(frame.shellState().backupInterval, storedAfter);
        // Written at shutdown, not by OK.
        QCOMPARE(SettingsStore().readInteger("Optionen", "AutoBackUp", -1), storedMs);
        QVERIFY(frame.close());
    }
    const SettingsStore store;
    QCOMPARE(store.readInteger("Optionen", "AutoBackUp", -1), storedAfter);
    QCOMPARE(store.readInteger("Optionen", "AutoSave", -1), storedAfter);
}

void TstSettingsDialog::cancelKeepsOnlyStyleAndAlignment()
{
    {
        SettingsStore store;
        store.writeString("Optionen", "Align", "left");
        store.writeBool("Optionen", "fsUnderline", false);
        store.writeString("Tools", "Count", "1");
        store.writeString("Tools", "Name0", "Prüfer");
    }
    TMainForm frame;
    const QString before = frame.shellState().fontName;
    QVERIFY(runSettings(frame, [](TEinstellungen* d) {
        QVERIFY(d->MAlignLeft->isChecked());
        QVERIFY(!d->MAlignRight->isChecked());
        d->MAlignRight->click();
        d->MStyleUnderline->click();
        d->MFontSizeEdit->setValue(23);
        d->EBrowser1->setText("anders");
        d->cancelButton()->click();
    }));
    ShellState& state = frame.shellState();
    QCOMPARE(state.align, QString("right"));
    QVERIFY(state.underline);
    QCOMPARE(state.fontName, before);
    QVERIFY(state.fontSize != 23);
    QVERIFY(state.browser1Path != "anders");
    const SettingsStore store;
    QCOMPARE(store.readString("Optionen", "Align", ""), QString("left"));
    QVERIFY(!store.readBool("Optionen", "fsUnderline", true));
    // The Tools menu is rebuilt from the unchanged store.
    QMenu* tools = frame.findChild<QMenu*>("Tools1");
    QCOMPARE(tools->actions().size(), 1);
    QCOMPARE(tools->actions().first()->text(), QString("Prüfer"));
}

void TstSettingsDialog::toolbarBoxesShowAndHideToolbars()
{
    TMainForm frame;
    frame.show();
    frame.shellState().hintsOn = true;
    QVERIFY(runSettings(frame, [](TEinstellungen* d) {
        QCOMPARE(d->toolBarBoxes[7]->objectName(), QString("CBUeberschriften"));
        QVERIFY(d->toolBarBoxes[7]->isChecked());
        d->toolBarBoxes[7]->click();
        d->toolBarBoxes[0]->click();
        QVERIFY(d->HintCheckBox->isChecked());
        d->HintCheckBox->click();
        d->okButton()->click();
    }));
    QVERIFY(!frame.toolBar(8)->isVisible());
    QVERIFY(!frame.toolBar(1)->isVisible());
    QVERIFY(frame.toolBar(2)->isVisible());
    QVERIFY(!frame.control("Ueberschriften1")->isChecked());
    QVERIFY(!frame.control("Programm1")->isChecked());
    QVERIFY(frame.control("Sonstiges1")->isChecked());
    QVERIFY(!frame.shellState().hintsOn);
    QVERIFY(!frame.shellState().toolBarVisible[7]);

    // With hints off the dialog shows no tooltips.
    QVERIFY(runSettings(frame, [](TEinstellungen* d) {
        QVERIFY(d->SpeedButton6->toolTip().isEmpty());
        d->cancelButton()->click();
    }));
    frame.shellState().hintsOn = true;
    QVERIFY(runSettings(frame, [](TEinstellungen* d) {
        QCOMPARE(d->SpeedButton6->toolTip(),
                 QString("Verschiebt ein ausgewähltes Programm nach oben"));
        d->cancelButton()->click();
    }));
}

void TstSettingsDialog::fillsFromStateAndStore()
{
    ShellState state;
    state.fontName = "Kein Font mit einem sehr langen Namen, den es nicht gibt";
    state.fontSize = 40;
    state.background = 0x00C8C8FF;
    state.plugInDir = "/p";
    state.urlListDir = "/u";
    state.backupDir = "/b";
    state.backupExt = ".alt";
    state.browser1Path = "b1";
    state.user.UserHomepage = "http://x";
    {
        SettingsStore store;
        store.writeString("Tools", "Count", "2");
        store.writeString("Tools", "Name0", "A");
        store.writeString("Tools", "Name1", "B");
        store.writeString("Tools", "ExePfad1", "b.exe");
    }
    TEinstellungen d({}, state);
    d.show();
    QCOMPARE(d.PageControl1->count(), 4);
    QStringList backgrounds;
    for (int i = 0; i < d.MBackListBox->count(); ++i)
        backgrounds << d.MBackListBox->item(i)->text();
    QCOMPARE(backgrounds.size(), 18);
    QCOMPARE(backgrounds.first(), QString("clBlack"));
    QCOMPARE(backgrounds.at(16), QString("clNone"));
    QCOMPARE(backgrounds.last(), QString("$00C8C8FF")); // the current one, appended
    QCOMPARE(d.MBackListBox->currentRow(), 17);
    QStringList fonts;
    for (int i = 0; i < d.MFontListBox->count(); ++i)
        fonts << d.MFontListBox->item(i)->text();
    QStringList sorted = fonts;
    sorted.sort(Qt::CaseInsensitive);
    QCOMPARE(fonts, sorted);
    // Each family once, without its foundry ("C059 [urw]" and "C059 [UKWN]" are one entry).
    QCOMPARE(QSet<QString>(fonts.begin(), fonts.end()).size(), fonts.size());
    QVERIFY(!fonts.join('\n').contains(" ["));
    QCOMPARE(d.RichEdit1->look().fontName, state.fontName.left(31));
    QCOMPARE(d.MFontSizeEdit->value(), 24);
    QCOMPARE(d.MFontColorGrid->marked(), -1);
    QVERIFY(d.RichEdit1->isReadOnly());
    QCOMPARE(d.RichEdit1->toPlainText(),
             QString("Muster:\n<p align=\"center\">\n&Auml;hnlich <!-- Komentar -->\n</p>"));
    // No style stored: all three read as on.
    QVERIFY(d.MStyleBold->isChecked() && d.MStyleItalic->isChecked());
    QVERIFY(state.underline);
    QCOMPARE(d.PickList1->count(), 2);
    QCOMPARE(d.workingTools().at(1).program, QString("b.exe"));
    QCOMPARE(d.workingTools().at(0).parameters, QString("Default"));
    QCOMPARE(d.EBackUpExten->text(), QString(".alt"));
    QCOMPARE(d.Edit13->text(), QString("/p"));
    QCOMPARE(d.Edit14->text(), QString("/u"));
    QCOMPARE(d.EPfadBackUp->text(), QString("/b"));
    QCOMPARE(d.EBrowser1->text(), QString("b1"));
    QCOMPARE(d.userFields[9]->text(), QString("http://x"));
    // Nothing aligned while the stored alignment is none of the three.
    QVERIFY(!d.MAlignLeft->isChecked() && !d.MAlignCenter->isChecked());
    QVERIFY(!d.BitBtn5->isEnabled() && !d.BitBtn6->isEnabled());
    d.reject();
}

void TstSettingsDialog::keyboardReachesEveryField()
{
    ShellState state;
    TEinstellungen d({}, state);
    // Within a page no two captions share a mnemonic, and every label leads to a field.
    for (int page = 0; page < d.PageControl1->count(); ++page) {
        QWidget* sheet = d.PageControl1->widget(page);
        QSet<QChar> keys;
        QStringList captions;
        for (QLabel* label : sheet->findChildren<QLabel*>())
            if (label->buddy())
                captions << label->text();
            else if (!label->text().isEmpty())
                QFAIL(qPrintable("label without a field: " + label->text()));
        for (QAbstractButton* button : sheet->findChildren<QAbstractButton*>())
            if (!button->text().isEmpty() && button->text() != QString("…"))
                captions << button->text();
        for (const QString& caption : captions) {
            const qsizetype amp = caption.indexOf('&');
            QVERIFY2(amp >= 0 && amp + 1 < caption.size(), qPrintable(caption));
            const QChar key = caption.at(amp + 1).toLower();
            QVERIFY2(!keys.contains(key), qPrintable(caption));
            keys.insert(key);
        }
    }

    // Return is OK, Escape is cancel.
    for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
        TEinstellungen dialog({}, state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.EBackUpExten->setFocus();
        bool accepted = false;
        connect(&dialog, &QDialog::accepted, [&] { accepted = true; });
        QTest::keyClick(dialog.EBackUpExten, Qt::Key(key));
        QCOMPARE(accepted, key == Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }
}

void TstSettingsDialog::fitsASmallScreen()
{
    // An 800 × 600 screen leaves about 780 × 560 for a dialog once its frame and a task bar
    // are drawn: every page must fit there with the buttons in sight.
    TMainForm frame;
    QSize shown;
    QVERIFY(runSettings(frame, [&](TEinstellungen* d) {
        for (int page = 0; page < d->PageControl1->count(); ++page) {
            d->PageControl1->setCurrentIndex(page);
            shown = shown.expandedTo(d->size()).expandedTo(d->minimumSizeHint());
        }
        QVERIFY(d->rect().contains(d->okButton()->geometry().translated(
            d->okButton()->parentWidget()->mapTo(d, QPoint(0, 0)))));
        d->cancelButton()->click();
    }));
    QVERIFY2(shown.width() <= 780 && shown.height() <= 530,
             qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));
}

TESSALINE_TEST_MAIN(TstSettingsDialog)
#include "tst_settingsdialog.moc"
