// Tests of the frame's file commands: New, Open with the recent-file list, Save As, drops, windows.
#include "app/Main.h"
#include "core/SettingsStore.h"
#include "editor/Childwin.h"
#include "editor/ExtRich.h"
#include "editor/filedrag.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <memory>

namespace
{

void putHistory(const char* name, int value)
{
    SettingsStore store;
    store.writeInteger(QStringLiteral("History"), QString::fromLatin1(name), value);
    store.sync();
}

QString history(const QString& name)
{
    return SettingsStore().readString(QStringLiteral("History"), name, QStringLiteral("absent"));
}

// Answers the next open or save dialog by typing the names into its file-name field and accepting.
void chooseFiles(const QStringList& paths)
{
    whenModal([paths](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return false;
        QStringList quoted;
        for (const QString& path : paths)
            quoted << QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"');
        dialog->setDirectory(QFileInfo(paths.first()).absolutePath());
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        field->setText(paths.size() == 1 ? QFileInfo(paths.first()).fileName() : quoted.join(' '));
        static_cast<QDialog*>(dialog)->accept(); // runs the file dialog's own checks
        return true;
    });
}

QStringList fileMenuCaptions(TMainForm& frame)
{
    QStringList captions;
    for (QAction* action : frame.recentFileActions())
        captions << action->text();
    return captions;
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        for (int i = 1; i <= 6; ++i) {
            QFile file(path(i));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("<p>Datei ") + QByteArray::number(i) + "</p>\r\n");
        }
    }
    void cleanup()
    {
        waitNoModal(1000);
        m_env.reset();
    }

    void fileMenuLayout();
    void sixOpensWithMaxCountThree();
    void threeFilesChosenAtOnce();
    void sameFileTwiceGivesTwoEntries();
    void maxCountAbsent();
    void storedCountAboveMaxLoadsOnlyWhatShows();
    void recentEntryOpensAndEntryAboveLastDoesNothing();
    void saveAsAddsToTheList();
    void newNumbersByOpenWindows();
    void commandsNeedADocument();
    void droppedFilesOpenWithoutListing();
    void windowCommands();

private:
    QString path(int i) const { return m_env->path(QStringLiteral("seite%1.html").arg(i)); }
    std::unique_ptr<TestEnvironment> m_env;
};

void TestFileCommands::fileMenuLayout()
{
    putHistory("MaxCount", 1);
    TMainForm frame;
    auto* menu = frame.findChild<QMenu*>(QStringLiteral("Datei1"));
    QVERIFY(menu);
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 11 + 2);
    QCOMPARE(actions.at(0)->objectName(), QStringLiteral("NeuesDokument1"));
    QCOMPARE(actions.at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(actions.at(3)->text(), QStringLiteral("Dokument speichern &unter..."));
    QCOMPARE(actions.at(3)->shortcut(), QKeySequence(QStringLiteral("Alt+S")));
    QVERIFY(actions.at(4)->isSeparator());
    QCOMPARE(actions.at(8)->objectName(), QStringLiteral("AktuellesFensterschlieen1"));
    QCOMPARE(actions.at(9)->objectName(), QStringLiteral("FileExitItem"));
    QVERIFY(actions.at(10)->isSeparator());
    QVERIFY(!actions.at(10)->isVisible()); // nothing listed yet
    QCOMPARE(actions.at(11)->text(), QStringLiteral("&1"));
    QCOMPARE(actions.at(12)->text(), QStringLiteral("&2"));
    // The open dialog offers the file kinds, HTML first.
    QFileDialog* dialog = frame.openFileDialog();
    QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
    QCOMPARE(dialog->nameFilters().size(), 9);
    QVERIFY(dialog->selectedNameFilter().startsWith(QStringLiteral("HTML-Dokumente")));
    QVERIFY(dialog->nameFilters().last().startsWith(QStringLiteral("Alle Dateien")));
}

void TestFileCommands::sixOpensWithMaxCountThree()
{
    putHistory("MaxCount", 3);
    TMainForm frame;
    for (int i = 1; i <= 6; ++i) {
        chooseFiles({path(i)});
        frame.FileOpenItemClick();
    }
    QCOMPARE(frame.documentCount(), 6);
    QCOMPARE(history("Count"), QStringLiteral("3"));
    for (int k = 0; k <= 3; ++k)
        QCOMPARE(QDir::fromNativeSeparators(history(QStringLiteral("File%1").arg(k))), path(6 - k));
    QCOMPARE(history("File4"), QStringLiteral("absent"));
    const QStringList captions = fileMenuCaptions(frame);
    QCOMPARE(captions.size(), 4);
    QCOMPARE(QDir::fromNativeSeparators(captions.at(0)), QStringLiteral("&1 ") + path(6));
    QCOMPARE(QDir::fromNativeSeparators(captions.at(3)), QStringLiteral("&4 ") + path(3));
    QVERIFY(frame.control(QStringLiteral("N44"))->isVisible());
}

void TestFileCommands::threeFilesChosenAtOnce()
{
    putHistory("MaxCount", 7);
    TMainForm frame;
    chooseFiles({path(1), path(2), path(3)});
    frame.FileOpenItemClick();
    QCOMPARE(frame.documentCount(), 3);
    QCOMPARE(history("Count"), QStringLiteral("2"));
    // Inserted one after another: the last one chosen ends up in front.
    const QStringList chosen = frame.openFileDialog()->selectedFiles();
    QCOMPARE(QDir::fromNativeSeparators(history("File0")), chosen.last());
    QCOMPARE(QDir::fromNativeSeparators(history("File2")), chosen.first());
}

void TestFileCommands::sameFileTwiceGivesTwoEntries()
{
    putHistory("MaxCount", 7);
    TMainForm frame;
    chooseFiles({path(1)});
    frame.FileOpenItemClick();
    chooseFiles({path(1)});
    frame.FileOpenItemClick();
    QCOMPARE(frame.documentCount(), 2);
    QCOMPARE(history("File0"), history("File1"));
}

void TestFileCommands::maxCountAbsent()
{
    TMainForm frame(StartOptions{QString(), false});
    auto* menu = frame.findChild<QMenu*>(QStringLiteral("Datei1"));
    QVERIFY(menu->actions().last()->isSeparator());
    QVERIFY(frame.recentFileActions().isEmpty());
    chooseFiles({path(1)});
    frame.FileOpenItemClick();
    QCOMPARE(frame.documentCount(), 1);
    QCOMPARE(history("Count"), QStringLiteral("-1"));
    QCOMPARE(history("File0"), QStringLiteral("absent"));
    QVERIFY(frame.recentFileActions().isEmpty());
}

void TestFileCommands::storedCountAboveMaxLoadsOnlyWhatShows()
{
    putHistory("MaxCount", 1);
    putHistory("Count", 4);
    for (int i = 0; i <= 4; ++i) {
        SettingsStore store;
        store.writeString(QStringLiteral("History"), QStringLiteral("File%1").arg(i), path(i + 1));
    }
    TMainForm frame;
    QCOMPARE(frame.shellState().recentLastIndex, 1);
    QCOMPARE(frame.shellState().recentFiles.size(), 2);
    QCOMPARE(fileMenuCaptions(frame).size(), 2);
    QCOMPARE(fileMenuCaptions(frame).at(1), QStringLiteral("&2 ") + path(2));
}

void TestFileCommands::recentEntryOpensAndEntryAboveLastDoesNothing()
{
    putHistory("MaxCount", 3);
    putHistory("Count", 0);
    {
        SettingsStore store;
        store.writeString(QStringLiteral("History"), QStringLiteral("File0"), path(5));
    }
    TMainForm frame;
    QCOMPARE(fileMenuCaptions(frame),
             (QStringList{QStringLiteral("&1 ") + path(5), "&2", "&3", "&4"}));
    frame.recentFileActions().at(2)->trigger();
    QCOMPARE(frame.documentCount(), 0);
    frame.recentFileActions().at(0)->trigger();
    QCOMPARE(frame.documentCount(), 1);
    QCOMPARE(frame.activeChild()->FileName, path(5));
    // Opening from the list neither reorders nor writes it.
    QCOMPARE(history("Count"), QStringLiteral("0"));
    QCOMPARE(frame.shellState().recentFiles.size(), 1);

    // An entry whose file has gone is reported by the loading and leaves no window.
    QFile::remove(path(5));
    QString message;
    answerMessageBox(QMessageBox::Ok, &message);
    frame.recentFileActions().at(0)->trigger();
    QVERIFY(waitNoModal());
    QVERIFY(message.contains(QStringLiteral("seite5.html")));
    QTRY_COMPARE(frame.documentCount(), 1);
}

void TestFileCommands::saveAsAddsToTheList()
{
    putHistory("MaxCount", 7);
    TMainForm frame;
    frame.FileNewItemClick();
    QTest::keyClicks(frame.activeChild()->TextMemo, QStringLiteral("<b>neu</b>"));
    const QString target = m_env->path(QStringLiteral("neu.html"));
    chooseFiles({target});
    frame.Dokumentspeichernunter1Click();
    QVERIFY(QFile::exists(target));
    QCOMPARE(QDir::fromNativeSeparators(history("File0")), target);
    QCOMPARE(history("Count"), QStringLiteral("0"));
    QCOMPARE(QDir::fromNativeSeparators(fileMenuCaptions(frame).at(0)),
             QStringLiteral("&1 ") + target);
}

void TestFileCommands::newNumbersByOpenWindows()
{
    TMainForm frame;
    frame.FileNewItemClick();
    frame.FileNewItemClick();
    QList<TMDIChild*> children = frame.children();
    QCOMPARE(children.at(0)->windowTitle(), QStringLiteral("Dokument 1"));
    QCOMPARE(children.at(1)->windowTitle(), QStringLiteral("Dokument 2"));
    QCOMPARE(children.at(1)->FileName, QStringLiteral("Dokument"));
    QVERIFY(!children.at(1)->TextMemo->isModified());
    // Closing the first and choosing New repeats the number 2.
    children.at(0)->closeWithoutQuery();
    QTRY_COMPARE(frame.documentCount(), 1);
    frame.FileNewItemClick();
    QCOMPARE(frame.activeChild()->windowTitle(), QStringLiteral("Dokument 2"));
    QCOMPARE(frame.documentCount(), 2);
}

void TestFileCommands::commandsNeedADocument()
{
    TMainForm frame;
    frame.show();
    runIdle();
    for (const char* name :
         {"Dokumentspeichern1", "Dokumentspeichernunter1", "Drucken1", "DruckerSetup1",
          "AktuellesFensterschlieen1", "SaveBtn", "SBtnFSaveAs", "SBtnFPrint", "SBtnFPrintSetup",
          "SBtnWCascade", "SBtnWTile", "SBtnWFull", "WindowCascadeItem", "WindowTileItem"})
        QVERIFY2(!frame.control(QString::fromLatin1(name))->isEnabled(), name);
    for (const char* name :
         {"NeuesDokument1", "FileOpenItem", "FileExitItem", "SBtnFileNew", "OpenBtn", "ExitBtn"})
        QVERIFY2(frame.control(QString::fromLatin1(name))->isEnabled(), name);
    // The handlers do nothing without a document, even when called directly.
    frame.Dokumentspeichern1Click();
    frame.Drucken1Click();
    frame.AktuellesFensterschlieen1Click();

    frame.control(QStringLiteral("SBtnFileNew"))->trigger();
    runIdle();
    QVERIFY(frame.control(QStringLiteral("SaveBtn"))->isEnabled());
    QVERIFY(frame.control(QStringLiteral("AktuellesFensterschlieen1"))->isEnabled());
    frame.control(QStringLiteral("AktuellesFensterschlieen1"))->trigger();
    QTRY_COMPARE(frame.documentCount(), 0);
}

void TestFileCommands::droppedFilesOpenWithoutListing()
{
    putHistory("MaxCount", 7);
    TMainForm frame;
    QVERIFY(frame.FileDrag1->enableDrop());
    frame.FileDrag1->takeDrop({path(1), path(2)});
    QCOMPARE(frame.documentCount(), 2);
    QCOMPARE(frame.children().at(0)->FileName, path(1));
    QCOMPARE(frame.children().at(1)->FileName, path(2));
    QCOMPARE(history("Count"), QStringLiteral("absent"));
}

void TestFileCommands::windowCommands()
{
    TMainForm frame;
    frame.resize(900, 700);
    frame.show();
    frame.FileNewItemClick();
    frame.FileNewItemClick();
    frame.FileNewItemClick();
    const QList<QMdiSubWindow*> windows = frame.mdiArea()->subWindowList();
    frame.WindowTileItemClick();
    for (QMdiSubWindow* window : windows)
        QVERIFY(!window->isMaximized());
    QVERIFY(windows.at(0)->geometry() != windows.at(1)->geometry());

    TMDIChild* active = frame.activeChild();
    frame.Nchstes1Click();
    QVERIFY(frame.activeChild() != active);
    frame.Vorheriges1Click();
    QCOMPARE(frame.activeChild(), active);

    frame.WindowMinimizeItemClick();
    for (QMdiSubWindow* window : windows)
        QVERIFY(window->isMinimized());
    frame.WindowArrangeItemClick();
    QCOMPARE(windows.at(0)->y(), windows.at(1)->y());
    QVERIFY(windows.at(0)->x() != windows.at(1)->x());

    frame.WindowCascadeItemClick();
    QVERIFY(windows.at(0)->pos() != windows.at(1)->pos());

    const bool wasMaximized = frame.isMaximized();
    frame.GanzesFenster1Click();
    QCOMPARE(frame.isMaximized(), !wasMaximized);
}

TESSALINE_TEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
