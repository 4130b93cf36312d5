// Tests of the tip window: the start-up switch, the Help-menu showing, more tips and its help.
#include "app/Main.h"
#include "app/Tips.h"
#include "core/SettingsStore.h"
#include "support/TestSupport.h"
#include "widgets/DialogHelp.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>

class TstTips : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { QVERIFY(waitNoModal()); }

    void startUpFollowsTheStoredSwitch_data();
    void startUpFollowsTheStoredSwitch();
    void menuAlwaysShowsCheckedAndStoresNothing();
    void moreTipsDrawsFromTheWholeRange();
    void helpButtonOpensTheGivenContext();

private:
    QByteArray rawSettings() const
    {
        QFile file(m_env->settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<TestEnvironment> m_env;
};

void TstTips::startUpFollowsTheStoredSwitch_data()
{
    QTest::addColumn<QString>("stored"); // empty: no value at all
    QTest::addColumn<bool>("uncheck");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("storedAfter");

    QTest::newRow("first start") << QString() << false << true << true;
    QTest::newRow("switched on") << "1" << false << true << true;
    QTest::newRow("unchecked at start") << "1" << true << true << false;
    QTest::newRow("switched off") << "0" << false << false << false;
    QTest::newRow("garbled reads as on") << "ja" << false << true << true;
}

void TstTips::startUpFollowsTheStoredSwitch()
{
    QFETCH(QString, stored);
    QFETCH(bool, uncheck);
    QFETCH(bool, shown);
    QFETCH(bool, storedAfter);

    m_env->clearSettings();
    if (!stored.isEmpty()) {
        SettingsStore store;
        store.writeString("TipsDialog", "DialogZeigen", stored);
    }
    bool opened = false;
    bool checkedWhenShown = false;
    QString tip, title;
    if (shown)
        whenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TTipsDialog*>(w);
            if (!dialog)
                return false;
            opened = true;
            title = dialog->windowTitle();
            checkedWhenShown = dialog->TipsZeigenCheckBox->isChecked();
            tip = dialog->TipLabel->text();
            if (uncheck)
                dialog->TipsZeigenCheckBox->click();
            dialog->OKBtn->click();
            return true;
        });
    {
        TMainForm frame;
        QCOMPARE(opened, shown);
        if (shown) {
            QVERIFY(checkedWhenShown);
            QCOMPARE(title, QString("Tips und Tricks"));
            QVERIFY(!tip.isEmpty());
        }
    }
    SettingsStore store;
    QVERIFY(store.hasValue("TipsDialog", "DialogZeigen")); // written also when not shown
    QCOMPARE(store.readBool("TipsDialog", "DialogZeigen", !storedAfter), storedAfter);

    // The next start follows what was stored.
    if (!storedAfter) {
        TMainForm again;
        runIdle();
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void TstTips::menuAlwaysShowsCheckedAndStoresNothing()
{
    TMainForm frame;
    QAction* item = frame.control("Tipszeigen1");
    QVERIFY(item);
    QCOMPARE(item->text(), QString("Tips &zeigen"));
    QVERIFY(item->isEnabled()); // also without a document
    const QByteArray before = rawSettings();
    QVERIFY(before.contains("DialogZeigen=0") || before.contains("DialogZeigen=false"));

    bool checked = false;
    int topic = 0;
    const HelpOpener opener = setHelpOpener([&](QWidget*, int t) { topic = t; });
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<TTipsDialog*>(w);
        if (!dialog)
            return false;
        checked = dialog->TipsZeigenCheckBox->isChecked();
        dialog->TipsZeigenCheckBox->click();
        dialog->HelpBtn->click();
        dialog->OKBtn->click();
        return true;
    });
    item->trigger();
    setHelpOpener(opener);
    QVERIFY(checked);
    // The Help menu's window helps at the tips' topic.
    QCOMPARE(topic, 600);
    QCOMPARE(rawSettings(), before);
}

void TstTips::moreTipsDrawsFromTheWholeRange()
{
    QSet<QString> all;
    for (int n = 1; n <= 22; ++n)
        all.insert(tipText(n));
    QCOMPARE(all.size(), 22);
    QVERIFY(tipText(0).isEmpty() && tipText(23).isEmpty());
    QVERIFY(tipText(3).contains("<spacer type=block width=100 height=50 align=left>"));

    TTipsDialog dialog;
    dialog.setTipRange(5, 3);
    dialog.show();
    QSet<QString> seen{dialog.TipLabel->text()};
    for (int i = 0; i < 200; ++i) {
        dialog.BitBtn1->click();
        seen.insert(dialog.TipLabel->text());
    }
    QCOMPARE(seen, (QSet<QString>{tipText(5), tipText(6), tipText(7)}));
    // Markup in a tip shows as typed.
    QCOMPARE(dialog.TipLabel->textFormat(), Qt::PlainText);
    dialog.close();
}

void TstTips::helpButtonOpensTheGivenContext()
{
    int topic = 0;
    QString caption;
    const HelpOpener before = setHelpOpener([&](QWidget*, int t) { topic = t; });
    SettingsStore store;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<TTipsDialog*>(w);
        if (!dialog)
            return false;
        caption = dialog->HelpBtn->text();
        dialog->HelpBtn->click();
        dialog->OKBtn->click();
        return true;
    });
    showTips(nullptr, 1, 22, store, 600, false);
    setHelpOpener(before);
    QCOMPARE(caption, QString("&Hilfe"));
    QCOMPARE(topic, 600);
}

TESSALINE_TEST_MAIN(TstTips)
#include "tst_tips.moc"
