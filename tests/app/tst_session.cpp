// Tests of the documents as tabs and of the last session opened again, through the real frame.
#include "app/Main.h"
#include "app/Session.h"
#include "app/SettingsDialog.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace
{

QString writeFile(const TestEnvironment& env, const QString& name, const QByteArray& bytes)
{
    QFile file(env.path(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? env.path(name)
                                                                                : QString();
}

bool storedOption(const char* name)
{
    return SettingsStore().readBool(QStringLiteral("Optionen"), QString::fromLatin1(name), false);
}

QStringList openFiles(const TMainForm& frame)
{
    QStringList names;
    for (QMdiSubWindow* window : frame.mdiArea()->subWindowList(QMdiArea::CreationOrder))
        names << QFileInfo(qobject_cast<TMDIChild*>(window->widget())->FileName).fileName();
    return names;
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void tabsShowDocumentsAndSurviveRestart();
    void sessionComesBackAtTheNextStart_data();
    void sessionComesBackAtTheNextStart();
    void settingsDialogSwitchesTheSession();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestSession::tabsShowDocumentsAndSurviveRestart()
{
    const QString a = writeFile(*m_env, QStringLiteral("a.html"), "eins\r\n");
    const QString b = writeFile(*m_env, QStringLiteral("b.html"), "zwei\r\n");
    {
        TMainForm frame{StartOptions{}};
        frame.show();
        QAction* tabs = frame.control(QStringLiteral("Reiter1"));
        QVERIFY(tabs && tabs->isCheckable() && !tabs->isChecked());
        QCOMPARE(frame.mdiArea()->viewMode(), QMdiArea::SubWindowView);
        TMDIChild* first = frame.openDocument(a);
        frame.openDocument(b);
        runIdle();
        QVERIFY(frame.control(QStringLiteral("WindowCascadeItem"))->isEnabled());
        tabs->trigger();
        QCOMPARE(frame.mdiArea()->viewMode(), QMdiArea::TabbedView);
        QVERIFY(storedOption("Reiter"));
        auto* bar = frame.mdiArea()->findChild<QTabBar*>();
        QVERIFY(bar && bar->tabsClosable());
        first->TextMemo->setSelStart(0);
        first->TextMemo->replaceSelection(QStringLiteral("x"));
        runIdle();
        QCOMPARE(bar->tabText(0), QStringLiteral("a.html *"));
        QCOMPARE(bar->tabText(1), QStringLiteral("b.html"));
        QCOMPARE(bar->tabToolTip(1), QDir::toNativeSeparators(b));
        // Arranging windows means nothing for tabs.
        for (const char* name : {"WindowCascadeItem", "WindowTileItem", "WindowArrangeItem",
                                 "SBtnWCascade", "SBtnWTile", "SBtnWSymbole"})
            QVERIFY2(!frame.control(QString::fromLatin1(name))->isEnabled(), name);
        // A middle click closes the unmodified document under it.
        const QPoint middle = bar->tabRect(1).center();
        QTest::mouseClick(bar, Qt::MiddleButton, Qt::NoModifier, middle);
        QTRY_COMPARE(openFiles(frame), QStringList{"a.html"});
        first->TextMemo->setModified(false);
    }
    {
        TMainForm frame{StartOptions{}};
        frame.show();
        QVERIFY(frame.control(QStringLiteral("Reiter1"))->isChecked());
        QCOMPARE(frame.mdiArea()->viewMode(), QMdiArea::TabbedView);
        frame.control(QStringLiteral("Reiter1"))->trigger();
        QCOMPARE(frame.mdiArea()->viewMode(), QMdiArea::SubWindowView);
        QVERIFY(!storedOption("Reiter"));
    }
}

void TestSession::sessionComesBackAtTheNextStart_data()
{
    QTest::addColumn<bool>("wanted");
    QTest::addColumn<bool>("commandLine");
    QTest::addColumn<bool>("deleteOne");
    QTest::addColumn<QStringList>("reopened");
    QTest::newRow("off by default") << false << false << false << QStringList{};
    QTest::newRow("on") << true << false << false << QStringList{"a.html", "b.html", "c.html"};
    QTest::newRow("a file given wins") << true << true << false << QStringList{"c.html"};
    QTest::newRow("missing file skipped with a notice")
        << true << false << true << QStringList{"a.html", "c.html"};
}

void TestSession::sessionComesBackAtTheNextStart()
{
    QFETCH(bool, wanted);
    QFETCH(bool, commandLine);
    QFETCH(bool, deleteOne);
    QFETCH(QStringList, reopened);
    QVERIFY(!Session::restoreWanted(SettingsStore()));
    const QByteArray lines = "1\r\n2\r\n3\r\n4\r\n5\r\n";
    const QString a = writeFile(*m_env, QStringLiteral("a.html"), lines);
    const QString b = writeFile(*m_env, QStringLiteral("b.html"), lines);
    const QString c = writeFile(*m_env, QStringLiteral("c.html"), lines);
    if (wanted) {
        SettingsStore store;
        Session::setRestoreWanted(store, true);
    }
    {
        TMainForm frame{StartOptions{}};
        frame.show();
        frame.openDocument(a)->TextMemo->setSelStart(6); // line 3
        frame.openDocument(b);
        frame.FileNewItemClick(); // untitled: not part of the session
        TMDIChild* active = frame.openDocument(c);
        active->TextMemo->setSelStart(9); // line 4
        frame.focusDocument(frame.children().at(1));
        frame.focusDocument(active);
        QVERIFY(frame.close());
    }
    if (deleteOne)
        QVERIFY(QFile::remove(b));
    QString notice;
    if (deleteOne)
        answerMessageBox(QMessageBox::Ok, &notice);
    StartOptions options;
    if (commandLine)
        options.commandLineFile = c;
    TMainForm frame{options};
    frame.show();
    QApplication::setActiveWindow(&frame);
    QTRY_COMPARE(openFiles(frame), reopened);
    if (deleteOne) {
        QTRY_VERIFY(!notice.isEmpty());
        QVERIFY2(notice.contains(QDir::toNativeSeparators(b)), qPrintable(notice));
    }
    QVERIFY(waitNoModal());
    if (reopened.isEmpty())
        return;
    TMDIChild* active = frame.activeChild();
    QVERIFY(active);
    QCOMPARE(QFileInfo(active->FileName).fileName(), QStringLiteral("c.html"));
    if (!commandLine) {
        QCOMPARE(active->TextMemo->lineOfPosition(active->TextMemo->selStart()), 3);
        TMDIChild* first = frame.children().at(0);
        QCOMPARE(first->TextMemo->lineOfPosition(first->TextMemo->selStart()), 2);
    }
}

void TestSession::settingsDialogSwitchesTheSession()
{
    TMainForm frame{StartOptions{}};
    frame.show();
    bool wasChecked = true;
    whenModal([&wasChecked](QWidget* w) {
        auto* dialog = qobject_cast<TEinstellungen*>(w);
        if (!dialog)
            return false;
        wasChecked = dialog->SitzungCheckBox->isChecked();
        dialog->SitzungCheckBox->click();
        dialog->okButton()->click();
        return true;
    });
    frame.control(QStringLiteral("Einstellungen1"))->trigger();
    QVERIFY(waitNoModal());
    QVERIFY(!wasChecked);
    QVERIFY(Session::restoreWanted(SettingsStore()));
}

TESSALINE_TEST_MAIN(TestSession)
#include "tst_session.moc"
