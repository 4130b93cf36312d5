// Tests of the frame's file commands: New, Open with the recent-file list, Save As, drops, windows,
// the open dialog's folder, the focus after opening, and names that are no regular files.
#include "app/Main.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/FileDrop.h"
#include "editor/TextControl.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "support/FifoRescue.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
    void leftOverSelectionIsNotOpenedAgain();
    void sameFileTwiceGivesTwoEntries();
    void maxCountAbsent();
    void storedCountAboveMaxLoadsOnlyWhatShows();
    void recentEntryOpensAndEntryAboveLastDoesNothing();
    void saveAsAddsToTheList();
    void newNumbersByOpenWindows();
    void commandsNeedADocument();
    void droppedFilesOpenWithoutListing();
    void windowCommands();
    void openDialogStartFolder_data();
    void openDialogStartFolder();
    void openedDocumentHasTheFocus();
    void nonRegularFilesAreRefused_data();
    void nonRegularFilesAreRefused();

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

void TestFileCommands::leftOverSelectionIsNotOpenedAgain()
{
    putHistory("MaxCount", 7);
    TMainForm frame;
    chooseFiles({path(1)});
    frame.FileOpenItemClick();
    // The reused dialog's list still marks the first file, as its model may after loading late.
    QFileDialog* dialog = frame.openFileDialog();
    auto* view = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
    QVERIFY(view);
    QTRY_VERIFY(view->model()->rowCount(view->rootIndex()) > 0);
    const auto* model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view->rootIndex());
        if (index.data().toString() == QFileInfo(path(1)).fileName())
            view->selectionModel()->select(index,
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    chooseFiles({path(2)});
    frame.FileOpenItemClick();
    QCOMPARE(frame.documentCount(), 2);
    QCOMPARE(QDir::fromNativeSeparators(history("File0")), path(2));
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
    // Entries without a file stand hidden at the end of the menu.
    for (int k = 0; k < 4; ++k)
        QCOMPARE(frame.recentFileActions().at(k)->isVisible(), k == 0);
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
    QCOMPARE(frame.recentFileActions().size(), 8);
    for (QAction* entry : frame.recentFileActions())
        QVERIFY(!entry->isVisible());
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
    QVERIFY(frame.recentFileActions().at(0)->isVisible());
    QVERIFY(!frame.recentFileActions().at(1)->isVisible());
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

    // Cascaded documents stay large enough to read, each one lower than the last.
    frame.WindowCascadeItemClick();
    const QSize area = frame.mdiArea()->viewport()->size();
    for (QMdiSubWindow* window : windows) {
        QVERIFY(window->isVisible() && !window->isMaximized());
        QVERIFY2(window->width() * 3 >= area.width() * 2 - 3 &&
                     window->height() * 3 >= area.height() * 2 - 3,
                 qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                .arg(window->width())
                                .arg(window->height())
                                .arg(area.width())
                                .arg(area.height())));
        QVERIFY(QRect(QPoint(0, 0), area).contains(window->geometry()));
    }
    QVERIFY(windows.at(1)->y() > windows.at(0)->y());
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

void TestFileCommands::openDialogStartFolder_data()
{
    QTest::addColumn<QString>("before"); // what happened earlier in the run
    QTest::addColumn<QString>("folder"); // expected start, "~" for the user's home

    QTest::newRow("first run, no document") << ""
                                            << "~";
    QTest::newRow("first run, untitled document") << "new"
                                                  << "~";
    QTest::newRow("titled document") << "open ordner/a.html, open anders/b.html, back"
                                     << "ordner";
    QTest::newRow("untitled after an open") << "open anders/b.html, new"
                                            << "anders";
    QTest::newRow("no document after an open") << "open anders/b.html, close"
                                               << "anders";
    QTest::newRow("untitled after a save as") << "save as gespeichert/c.html, new"
                                              << "gespeichert";
}

void TestFileCommands::openDialogStartFolder()
{
    QFETCH(QString, before);
    QFETCH(QString, folder);
    rememberUsedFolder(QString()); // a fresh run
    TMainForm frame;
    for (const QString& step : before.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QString file = m_env->path(step.section(QLatin1Char(' '), -1));
        if (step.startsWith(QLatin1String("open"))) {
            QDir().mkpath(QFileInfo(file).absolutePath());
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            QVERIFY(frame.openDocument(file));
        } else if (step.startsWith(QLatin1String("save as"))) {
            QDir().mkpath(QFileInfo(file).absolutePath());
            frame.FileNewItemClick();
            frame.activeChild()->saveFileDialog()->setOption(QFileDialog::DontUseNativeDialog);
            chooseFiles({file});
            frame.Dokumentspeichernunter1Click();
            QVERIFY(QFile::exists(file));
        } else if (step == QLatin1String("new")) {
            frame.FileNewItemClick();
        } else if (step == QLatin1String("close")) {
            frame.activeChild()->closeWithoutQuery();
            QTRY_COMPARE(frame.documentCount(), 0);
        } else if (step == QLatin1String("back")) {
            frame.mdiArea()->setActiveSubWindow(frame.mdiArea()->subWindowList().first());
        }
    }
    QString start;
    whenModal([&start](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return false;
        start = dialog->directory().absolutePath();
        dialog->reject();
        return true;
    });
    frame.FileOpenItemClick();
    QVERIFY(waitNoModal());
    QCOMPARE(
        QDir::cleanPath(start),
        QDir::cleanPath(folder == QLatin1String("~") ? QDir::homePath() : m_env->path(folder)));
    rememberUsedFolder(QString());
}

void TestFileCommands::openedDocumentHasTheFocus()
{
    TMainForm frame;
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    frame.FileNewItemClick();
    // The name is typed and confirmed while the list of completions is still open.
    whenModal([this](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return false;
        dialog->setDirectory(m_env->dir());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("\"seite1.html\" \"seite2.html\""));
        auto* completions = new QMenu(dialog);
        completions->addAction(QStringLiteral("seite2.html"));
        completions->popup(dialog->mapToGlobal(QPoint(0, 0)));
        static_cast<QDialog*>(dialog)->accept();
        return true;
    });
    frame.FileOpenItemClick();
    QVERIFY(waitNoModal());
    QVERIFY(!QApplication::activePopupWidget());
    // The last file chosen is in front, and keys reach it and the frame's commands at once.
    TMDIChild* child = frame.activeChild();
    QVERIFY(child);
    const QStringList chosen = frame.openFileDialog()->selectedFiles();
    QCOMPARE(QDir::fromNativeSeparators(child->FileName), chosen.last());
    QTRY_COMPARE(QApplication::activeWindow(), &frame);
    QCOMPARE(QApplication::focusWidget(), child->TextMemo);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    QVERIFY(child->TextMemo->text().startsWith(QLatin1Char('x')));
    runIdle(); // the frame enables its document commands when it is idle
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!child->TextMemo->isModified());
}

void TestFileCommands::nonRegularFilesAreRefused_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("kind");
    for (const char* source : {"command line", "recent file", "drop"})
        for (const char* kind : {"FIFO", "/dev/null"})
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(source, kind)))
                << QString::fromLatin1(source) << QString::fromLatin1(kind);
}

void TestFileCommands::nonRegularFilesAreRefused()
{
    QFETCH(QString, source);
    QFETCH(QString, kind);
    QString name = kind;
    std::optional<FifoRescue> rescue;
    if (kind == QLatin1String("FIFO")) {
        name = m_env->path(QStringLiteral("rohr.html"));
        QVERIFY(mkfifo(QFile::encodeName(name).constData(), 0600) == 0);
        rescue.emplace(name);
    } else if (!QFileInfo::exists(name)) {
        QSKIP("no such device here");
    }
    putHistory("MaxCount", 3);
    putHistory("Count", 0);
    SettingsStore().writeString(QStringLiteral("History"), QStringLiteral("File0"), name);

    QString message;
    answerMessageBox(QMessageBox::Ok, &message);
    std::unique_ptr<TMainForm> frame;
    if (source == QLatin1String("command line")) {
        frame = std::make_unique<TMainForm>(StartOptions{name});
        frame->FormActivate();
    } else {
        frame = std::make_unique<TMainForm>();
        if (source == QLatin1String("recent file"))
            frame->recentFileActions().at(0)->trigger();
        else
            frame->FileDrag1->takeDrop({name, path(1)});
    }
    QVERIFY(waitNoModal());
    rescue.reset();
    QCOMPARE(message, cannotOpenText(name));
    QTRY_COMPARE(frame->documentCount(), source == QLatin1String("drop") ? 1 : 0);
    for (TMDIChild* child : frame->children())
        QCOMPARE(child->FileName, path(1));
}

TESSALINE_TEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
