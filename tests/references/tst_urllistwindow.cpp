// Tests of the URL list and plug-in tag windows: directory scan, entries, single windows, stay
// on top, entries written into a document, and the sample files of a new installation.
#include "core/ShellState.h"
#include "generators/DocumentFixture.h"
#include "platform/FileIo.h"
#include "references/BackgroundMusic.h"
#include "references/PlugInTagWindow.h"
#include "references/SampleFiles.h"
#include "references/UrlListWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>

using namespace Qt::StringLiterals;

class TestUrlListWindow : public QObject
{
    Q_OBJECT
private slots:
    void scanFindsListFiles_data();
    void scanFindsListFiles();
    void entriesOfAFile_data();
    void entriesOfAFile();
    void windowShowsTheFirstListAndLoadsTheChosenOne();
    void emptyOrMissingDirectory_data();
    void emptyOrMissingDirectory();
    void rescanListsANewFile();
    void urlListOpensOnceAndEnablesItsCommandsAgain();
    void plugInWindowDisablesItsItemAtOnce();
    void stayOnTopStartsCheckedOnEveryWindow();
    void escapeClosesAndTheDocumentTypesAgain_data();
    void escapeClosesAndTheDocumentTypesAgain();
    void doubleClickWrapsTheSelection_data();
    void doubleClickWrapsTheSelection();
    void musicButtonFollowsTheDocuments();
    void samplesGoOnlyIntoDirectoriesWithoutLists();
    void firstStartPutsSamplesIntoTheDirectories();
};

namespace
{

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList comboItems(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

// The frame's directories pointed into the test's own directory.
void useDirectories(DocumentFixture& f, const QString& urls, const QString& plugIns)
{
    f.frame->shellState().urlListDir = urls;
    f.frame->shellState().plugInDir = plugIns;
}

} // namespace

void TestUrlListWindow::scanFindsListFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("only the window's pattern") << QStringList{"a.url", "b.plg", "c.txt", "d.url"}
                                               << "*.url" << QStringList{"a.url", "d.url"};
    QTest::newRow("sorted without regard to case")
        << QStringList{"zeitung.url", "Archiv.url", "bücher.url", "Medien.url"} << "*.url"
        << QStringList{"Archiv.url", "bücher.url", "Medien.url", "zeitung.url"};
    QTest::newRow("hidden files count") << QStringList{".privat.plg", "tags.plg"} << "*.plg"
                                        << QStringList{".privat.plg", "tags.plg"};
    QTest::newRow("extension in capitals")
        << QStringList{"ALT.URL"} << "*.url" << QStringList{"ALT.URL"};
}

void TestUrlListWindow::scanFindsListFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    for (const QString& name : files)
        write(dir.filePath(name), "x\r\n");
    // A read-only file is listed as well.
    QFile(dir.filePath(files.last()))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadUser);
    QCOMPARE(listFileNames(dir.path(), pattern), expected);
}

void TestUrlListWindow::entriesOfAFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QByteArray>("written"); // what the entries are written as

    QTest::newRow("CR LF lines sorted")
        << QByteArray("https://www.zdf.de/\r\nhttps://de.wikipedia.org/\r\n")
        << QStringList{"https://de.wikipedia.org/", "https://www.zdf.de/"}
        << QByteArray("https://de.wikipedia.org/\r\nhttps://www.zdf.de/\r\n");
    QTest::newRow("last line without a break")
        << QByteArray("b\r\na") << QStringList{"a", "b"} << QByteArray("a\r\nb\r\n");
    QTest::newRow("LF lines of a file made elsewhere")
        << QByteArray("<b>|</b>\n<i>|</i>\n") << QStringList{"<b>|</b>", "<i>|</i>"}
        << QByteArray("<b>|</b>\r\n<i>|</i>\r\n");
    QTest::newRow("whole line is one entry, blanks and bars kept")
        << QByteArray("  <a href=\"\">|mitte|</a>  \r\n")
        << QStringList{"  <a href=\"\">|mitte|</a>  "}
        << QByteArray("  <a href=\"\">|mitte|</a>  \r\n");
    QTest::newRow("empty file has no entries") << QByteArray() << QStringList{} << QByteArray();
    QTest::newRow("byte-order mark alone has no entries")
        << QByteArray("\xef\xbb\xbf") << QStringList{} << QByteArray();
    QTest::newRow("empty line is an empty entry")
        << QByteArray("\r\nb\r\n") << QStringList{"", "b"} << QByteArray("\r\nb\r\n");
    QTest::newRow("umlauts in Windows text") << QByteArray("Gr\xfc\xdf"
                                                           "e\r\n")
                                             << QStringList{"Grüße"}
                                             << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                                           "e\r\n");
    QTest::newRow("entry starting with U+FEFF keeps it behind a mark")
        << QByteArray("\xef\xbb\xbf\xef\xbb\xbf"
                      "a\r\n")
        << QStringList{u"\uFEFFa"_s}
        << QByteArray("\xef\xbb\xbf\xef\xbb\xbf"
                      "a\r\n");
}

void TestUrlListWindow::entriesOfAFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    write(dir.filePath("liste.url"), bytes);
    QCOMPARE(readListEntries(dir.filePath("liste.url")), expected);
    // Written, the entries read back as themselves.
    QCOMPARE(encodeEntryList(expected), written);
    QCOMPARE(decodeEntryList(written), expected);
}

void TestUrlListWindow::windowShowsTheFirstListAndLoadsTheChosenOne()
{
    DocumentFixture f;
    const QString urls = f.env.path("urls");
    write(urls + "/Suchen.url", "https://www.ecosia.org/\r\nhttps://duckduckgo.com/\r\n");
    write(urls + "/Nachrichten.url", "https://www.tagesschau.de/\r\nhttps://www.br.de/\r\n");
    useDirectories(f, urls, f.env.path("plg"));

    f.frame->control("SBtnURL")->trigger();
    auto* window = f.frame->findChild<TURLListe*>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("URL Liste"));
    QVERIFY(!window->isModal());
    QCOMPARE(comboItems(window->ComboBox1), (QStringList{"Nachrichten.url", "Suchen.url"}));
    QCOMPARE(window->ComboBox1->currentText(), QStringLiteral("Nachrichten.url"));
    QCOMPARE(window->entries(), (QStringList{"https://www.br.de/", "https://www.tagesschau.de/"}));

    window->ComboBox1->setCurrentIndex(1);
    emit window->ComboBox1->activated(1);
    QCOMPARE(window->entries(),
             (QStringList{"https://duckduckgo.com/", "https://www.ecosia.org/"}));
    QVERIFY(window->ListBox1->dragEnabled());
    QCOMPARE(window->BitBtn3->text(), QStringLiteral("&Hilfe"));
    window->close();
}

void TestUrlListWindow::emptyOrMissingDirectory_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("empty") << true;
    QTest::newRow("missing") << false;
}

void TestUrlListWindow::emptyOrMissingDirectory()
{
    QFETCH(bool, exists);
    DocumentFixture f;
    const QString dir = f.env.path("leer");
    if (exists)
        write(dir + "/keine-liste.txt", "x");
    useDirectories(f, dir, dir);
    for (QWidget* window :
         {static_cast<QWidget*>(openUrlListe(f.frame->shellState(), nullptr, f.frame.get())),
          static_cast<QWidget*>(openPlugInTags(f.frame->shellState(), nullptr, f.frame.get()))}) {
        auto* list = static_cast<TEntryListWindow*>(window);
        QCOMPARE(list->ComboBox1->count(), 0);
        QVERIFY(list->ComboBox1->currentText().isEmpty());
        QCOMPARE(list->ListBox1->count(), 0);
        list->rescan();
        QCOMPARE(list->ListBox1->count(), 0);
        list->close();
    }
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(QDir(dir).exists(), exists); // never made by the windows
}

void TestUrlListWindow::rescanListsANewFile()
{
    DocumentFixture f;
    const QString plg = f.env.path("plg");
    write(plg + "/b.plg", "<b>|</b>\r\n");
    useDirectories(f, f.env.path("urls"), plg);
    f.frame->control("tagszeigen1")->trigger();
    auto* window = f.frame->findChild<TPlugInTags*>();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Plugin Tags"));
    QCOMPARE(comboItems(window->ComboBox1), QStringList{"b.plg"});

    write(plg + "/a.plg", "<center>|</center>\r\n");
    QCOMPARE(comboItems(window->ComboBox1), QStringList{"b.plg"});
    QCOMPARE(window->rescanItem->text(), QStringLiteral("&Nach neuen Plugins suchen"));
    window->rescanItem->trigger();
    QCOMPARE(comboItems(window->ComboBox1), (QStringList{"a.plg", "b.plg"}));
    QCOMPARE(window->ComboBox1->currentText(), QStringLiteral("a.plg"));
    QCOMPARE(window->entries(), QStringList{"<center>|</center>"});
    window->close();
}

void TestUrlListWindow::urlListOpensOnceAndEnablesItsCommandsAgain()
{
    DocumentFixture f;
    useDirectories(f, f.env.path("urls"), f.env.path("plg"));
    QAction* button = f.frame->control("SBtnURL");
    QVERIFY(button->isEnabled());
    QCOMPARE(button->toolTip(), QStringLiteral("Ruft die URL-Liste auf"));

    // The document's "&URL Manager" opens the frame's window.
    f.trigger("URLManager1");
    QCOMPARE(f.frame->findChildren<TURLListe*>().size(), 1);
    QVERIFY(!f.frame->shellState().urlListMayOpen);
    runIdle();
    QVERIFY(!button->isEnabled());

    // Neither road opens a second window while the first is open.
    f.trigger("URLManager1");
    f.frame->SBtnURLClick();
    QCOMPARE(f.frame->findChildren<TURLListe*>().size(), 1);

    f.frame->findChild<TURLListe*>()->close();
    QVERIFY(f.frame->shellState().urlListMayOpen);
    runIdle();
    QVERIFY(button->isEnabled());
    QTRY_COMPARE(f.frame->findChildren<TURLListe*>().size(), 0);

    // Without a document the frame's own menu item works.
    f.child->closeWithoutQuery();
    runIdle();
    QAction* item = f.frame->control("URLManager2");
    QVERIFY(item);
    QVERIFY(item->isEnabled());
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+F9")));
    item->trigger();
    QCOMPARE(f.frame->findChildren<TURLListe*>().size(), 1);
    runIdle();
    QVERIFY(!item->isEnabled());
    f.frame->findChild<TURLListe*>()->close();
}

void TestUrlListWindow::plugInWindowDisablesItsItemAtOnce()
{
    DocumentFixture f;
    useDirectories(f, f.env.path("urls"), f.env.path("plg"));
    QAction* item = f.frame->control("tagszeigen1");
    QCOMPARE(item->text(), QStringLiteral("&tags zeigen "));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F11));
    item->trigger();
    QVERIFY(!item->isEnabled());
    QVERIFY(!f.frame->shellState().plugInMayOpen);
    auto* window = f.frame->findChild<TPlugInTags*>();
    QVERIFY(window);
    // The URL list keeps its own flag.
    QVERIFY(f.frame->shellState().urlListMayOpen);
    window->close();
    QVERIFY(f.frame->shellState().plugInMayOpen);
    runIdle();
    QVERIFY(item->isEnabled());
}

void TestUrlListWindow::stayOnTopStartsCheckedOnEveryWindow()
{
    DocumentFixture f;
    useDirectories(f, f.env.path("urls"), f.env.path("plg"));
    TURLListe* window = openUrlListe(f.frame->shellState(), nullptr, f.frame.get());
    QCOMPARE(window->Einstellung1->title(), QStringLiteral("Einstellung"));
    QVERIFY(window->ImmerimVordergrund1->isChecked());
    QVERIFY(window->staysOnTop());

    window->ImmerimVordergrund1->trigger();
    QVERIFY(!window->ImmerimVordergrund1->isChecked());
    QVERIFY(!window->staysOnTop());
    QVERIFY(window->isVisible());
    window->ImmerimVordergrund1->trigger();
    QVERIFY(window->staysOnTop());
    window->ImmerimVordergrund1->trigger();
    QVERIFY(!window->staysOnTop());
    window->close();

    window = openUrlListe(f.frame->shellState(), nullptr, f.frame.get());
    QVERIFY(window->ImmerimVordergrund1->isChecked());
    QVERIFY(window->staysOnTop());
    window->close();

    TPlugInTags* tags = openPlugInTags(f.frame->shellState(), nullptr, f.frame.get());
    QCOMPARE(tags->Einstellung1->title(), QStringLiteral("&Einstellung"));
    QVERIFY(tags->staysOnTop());
    tags->close();
}

void TestUrlListWindow::escapeClosesAndTheDocumentTypesAgain_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("focus"); // the control that holds the keyboard when Escape comes
    QTest::newRow("URL list, entry list") << u"URLManager1"_s << u"ListBox1"_s;
    QTest::newRow("URL list, file list") << u"URLManager1"_s << u"ComboBox1"_s;
    QTest::newRow("plug-in tags, entry list") << u"tagszeigen1"_s << u"ListBox1"_s;
}

void TestUrlListWindow::escapeClosesAndTheDocumentTypesAgain()
{
    QFETCH(QString, item);
    QFETCH(QString, focus);
    DocumentFixture f;
    write(f.env.path("urls/a.url"), "https://a.example/\r\n");
    write(f.env.path("plg/a.plg"), "<b>|</b>\r\n");
    useDirectories(f, f.env.path("urls"), f.env.path("plg"));
    f.setText(u"ab"_s);
    if (QAction* frameItem = f.frame->control(item))
        frameItem->trigger(); // the plug-in tags come from the frame's own item
    else
        f.trigger(item.toLatin1().constData());
    auto* window = f.frame->findChild<TEntryListWindow*>();
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* control = window->findChild<QWidget*>(focus);
    control->setFocus();
    QTRY_VERIFY(control->hasFocus());
    QTest::keyClick(control, Qt::Key_Escape);
    QTRY_VERIFY(f.frame->findChildren<TEntryListWindow*>().isEmpty());
    QTRY_VERIFY(f.memo->hasFocus());
    QTest::keyClicks(f.memo, u"c"_s);
    QCOMPARE(f.memo->text(), u"abc"_s);
}

void TestUrlListWindow::doubleClickWrapsTheSelection_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("several bars: the middle text is dropped")
        << QByteArray("<center>|mitte|</center>\r\n") << "ein <center>Text</center> hier";
    // Entries wrap at their bars at any length.
    const QByteArray title(300, 'x');
    QTest::newRow("opening part past character 255")
        << "<span title=\"" + title + "\">|</span>\r\n"
        << "ein <span title=\"" + QString::fromLatin1(title) + "\">Text</span> hier";
    QTest::newRow("closing part past character 255")
        << "<i>|" + title + "|</i><!-- " + title + " -->\n"
        << "ein <i>Text</i><!-- " + QString::fromLatin1(title) + " --> hier";
    QTest::newRow("plain entry replaces the selection")
        << QByteArray("https://wiki.selfhtml.org/\r\n") << "ein https://wiki.selfhtml.org/ hier";
}

void TestUrlListWindow::doubleClickWrapsTheSelection()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    DocumentFixture f;
    write(f.env.path("plg/t.plg"), file);
    useDirectories(f, f.env.path("urls"), f.env.path("plg"));
    f.setText(QStringLiteral("ein Text hier"));
    f.memo->setSelStart(4);
    f.memo->setSelLength(4);
    TPlugInTags* window = openPlugInTags(f.frame->shellState(), nullptr, f.frame.get());
    QListWidget* list = window->ListBox1;
    QCOMPARE(list->count(), 1);
    list->setCurrentRow(0);
    emit list->itemDoubleClicked(list->item(0));
    QCOMPARE(f.memo->text(), expected);
    window->close();
}

void TestUrlListWindow::musicButtonFollowsTheDocuments()
{
    DocumentFixture f;
    QAction* music = f.frame->control("SBtnBgMusic");
    QVERIFY(f.frame->toolBar(4)->actions().contains(music));
    QVERIFY(f.frame->toolBar(7)->actions().contains(f.frame->control("SBtnURL")));
    runIdle();
    QVERIFY(music->isEnabled());
    // The button runs the document's music command.
    f.setText(QStringLiteral("<body>\r\nx"));
    musicMemory() = {QStringLiteral("a.mid"), QString(), QStringLiteral("1")};
    answerDialog<TDBgrMusic>([](TDBgrMusic*) {});
    music->trigger();
    QCOMPARE(f.memo->text(), QStringLiteral("<body>\r\n<bgsound src=\"a.mid\" loop=\"1\">\r\nx"));
    f.child->closeWithoutQuery();
    runIdle();
    QVERIFY(!music->isEnabled());
    QVERIFY(f.frame->control("SBtnURL")->isEnabled());
}

void TestUrlListWindow::samplesGoOnlyIntoDirectoriesWithoutLists()
{
    QTemporaryDir dir;
    const QString urls = dir.filePath("neu/URLList");
    const QString plg = dir.filePath("PlugIn");
    write(plg + "/eigene.plg", "<mein>|</mein>\r\n");
    installSampleFiles(urls, plg);

    const QStringList shipped = sampleFileNames("*.url");
    QVERIFY(shipped.size() >= 3);
    QCOMPARE(listFileNames(urls, "*.url"), shipped);
    QCOMPARE(listFileNames(plg, "*.plg"), QStringList{"eigene.plg"});
    for (const QString& name : shipped) {
        const QByteArray bytes = readWholeFile(urls + "/" + name);
        QVERIFY(bytes.contains("\r\n"));
        QVERIFY(!bytes.contains("\r\r"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(!readListEntries(urls + "/" + name).isEmpty());
    }
    QVERIFY(sampleFileNames("*.plg").size() >= 3);
    // A wrapping snippet and the sample addresses are there.
    QVERIFY(readListEntries(urls + "/Nachschlagewerke.url").contains("https://de.wikipedia.org/"));

    // Run again over the filled directory: nothing is added or changed.
    write(urls + "/Nachrichten.url", "eigene\r\n");
    installSampleFiles(urls, dir.filePath("leer"));
    QCOMPARE(readWholeFile(urls + "/Nachrichten.url"), QByteArray("eigene\r\n"));
    QCOMPARE(listFileNames(dir.filePath("leer"), "*.plg"), sampleFileNames("*.plg"));
    QVERIFY(
        readListEntries(dir.filePath("leer/Textauszeichnung.plg")).contains("<center>|</center>"));
}

void TestUrlListWindow::firstStartPutsSamplesIntoTheDirectories()
{
    TestEnvironment env;
    {
        TMainForm frame;
        const ShellState& state = frame.shellState();
        QCOMPARE(listFileNames(state.urlListDir, "*.url"), sampleFileNames("*.url"));
        QCOMPARE(listFileNames(state.plugInDir, "*.plg"), sampleFileNames("*.plg"));
        QFile::remove(QDir(state.urlListDir).filePath("Nachrichten.url"));
    }
    // A later start leaves the user's directory as it is.
    TMainForm second;
    QVERIFY(!QFile::exists(QDir(second.shellState().urlListDir).filePath("Nachrichten.url")));
}

TESSALINE_TEST_MAIN(TestUrlListWindow)
#include "tst_urllistwindow.moc"
