// Tests of find and replace in files through the frame: hits, bytes kept, open documents, bad
// input.
#include "app/FindInFilesDialog.h"
#include "app/FindInFilesEngine.h"
#include "app/FindInFilesJob.h"
#include "app/FindInFilesResults.h"
#include "app/Main.h"
#include "core/TextFileCodec.h"
#include "editor/DocumentWindow.h"
#include "editor/Search.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QTreeWidget>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

bool put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// "relative:line:column" of every listed hit, and "relative: reason" of every skipped file.
QStringList listed(const TSuchergebnis* dock, QStringList* skipped = nullptr)
{
    QStringList hits;
    const QTreeWidget* tree = dock->list();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* group = tree->topLevelItem(i);
        for (int k = 0; k < group->childCount(); ++k) {
            const QTreeWidgetItem* row = group->child(k);
            const QString path = row->data(0, TSuchergebnis::PathRole).toString();
            if (path.isEmpty()) {
                if (skipped)
                    skipped->append(row->text(0));
                continue;
            }
            hits << QStringLiteral("%1:%2:%3")
                        .arg(QFileInfo(path).fileName())
                        .arg(row->data(0, TSuchergebnis::LineRole).toInt())
                        .arg(row->data(0, TSuchergebnis::ColumnRole).toInt());
        }
    }
    return hits;
}

void waitForRun(TMainForm& frame)
{
    QTRY_VERIFY_WITH_TIMEOUT(frame.findJob() && !frame.findJob()->isRunning(), 20000);
    QTest::qWait(20);
}

FindInFilesValues valuesFor(const QString& folder, const QString& find, const QString& replace,
                            bool matchCase = false, bool wholeWord = false, bool subfolders = true)
{
    FindInFilesValues v;
    v.folder = folder;
    v.findText = find;
    v.replaceText = replace;
    v.types = QString::fromLatin1(TFindInFilesDialog::DefaultTypes);
    v.matchCase = matchCase;
    v.wholeWord = wholeWord;
    v.subfolders = subfolders;
    return v;
}

} // namespace

class TestFindInFiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_site = m_env->path(QStringLiteral("site"));
    }
    void cleanup() { m_env.reset(); }

    void matcherFindsWhatTheDocumentSearchFinds_data();
    void matcherFindsWhatTheDocumentSearchFinds();
    void searchThroughTheDialogListsHits_data();
    void searchThroughTheDialogListsHits();
    void replaceKeepsEveryOtherByte_data();
    void replaceKeepsEveryOtherByte();
    void openModifiedDocumentIsReplacedInTheEditor();
    void answeringNoChangesNothing();
    void returnOnAHitOpensTheFileWithTheHitSelected();
    void badInputIsListedNotFatal();
    void frameGoesWhileASearchRuns();
    void resultsDockKeepsItsPlace();

private:
    std::unique_ptr<TestEnvironment> m_env;
    QString m_site;
};

void TestFindInFiles::matcherFindsWhatTheDocumentSearchFinds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::newRow("case folded") << "Alt alt ALT aLt"
                                 << "alt" << false << false;
    QTest::newRow("case kept") << "Alt alt ALT aLt"
                               << "alt" << true << false;
    QTest::newRow("umlauts without case") << "Größe GRÖSSE größe GRÖßE"
                                          << "größe" << false << false;
    QTest::newRow("whole words") << "alt alter Salt alt-neu alt_x 2alt alt"
                                 << "alt" << false << true;
    QTest::newRow("umlaut ends a word") << "altä älta alt"
                                        << "alt" << false << true;
    QTest::newRow("no overlap") << "aaaaa"
                                << "aa" << true << false;
    QTest::newRow("dotless i matches I") << "ıd Id id"
                                         << "ID" << false << false;
    QTest::newRow("lines") << "alt\nalt\n\nalt"
                           << "alt" << false << true;
}

void TestFindInFiles::matcherFindsWhatTheDocumentSearchFinds()
{
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    const FindInFiles::TextMatcher matcher(find, matchCase, wholeWord);
    QList<qsizetype> ours;
    for (qsizetype c = matcher.find(text, 0); c >= 0; c = matcher.find(text, c + find.size()))
        ours.append(c);
    // The document's search from the start of a text behind one blank, hit after hit.
    const QString padded = QLatin1Char(' ') + text;
    QList<qsizetype> single;
    qsizetype from = 0, length = 0;
    for (;;) {
        const qsizetype c =
            SearchBuffer(padded, from, length, find, SearchOptions{true, matchCase, wholeWord});
        if (c == SearchNone)
            break;
        single.append(c - 1);
        from = c;
        length = find.size();
    }
    QCOMPARE(ours, single);
    QVERIFY(!single.isEmpty());
    // The quick look at a file's bytes lets none of these texts pass, in either encoding.
    QVERIFY(matcher.mayOccurIn(text.toUtf8()));
    bool ansi = true;
    const QByteArray ansiBytes = encodeWindows1252(text, &ansi);
    QVERIFY(!ansi || matcher.mayOccurIn(ansiBytes));
    // Without case, only an ASCII text can be looked for in the bytes.
    const bool ascii = find.toLatin1() == find.toUtf8();
    QCOMPARE(matcher.mayOccurIn("nichts davon"), !matchCase && !ascii);
}

void TestFindInFiles::searchThroughTheDialogListsHits_data()
{
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("subfolders");
    QTest::addColumn<QStringList>("hits");
    QTest::newRow("any case, subfolders") << "hallo" << false << false << true
                                          << QStringList{"a.html:1:0", "a.html:2:0", "a.html:3:0",
                                                         "a.html:4:4", "w.txt:1:6",  "b.htm:1:3"};
    QTest::newRow("case") << "Hallo" << true << false << true
                          << QStringList{"a.html:1:0", "w.txt:1:6", "b.htm:1:3"};
    QTest::newRow("whole words") << "hallo" << false << true << true
                                 << QStringList{"a.html:1:0", "a.html:2:0", "a.html:3:0",
                                                "w.txt:1:6", "b.htm:1:3"};
    QTest::newRow("no subfolders")
        << "hallo" << false << false << false
        << QStringList{"a.html:1:0", "a.html:2:0", "a.html:3:0", "a.html:4:4", "w.txt:1:6"};
}

void TestFindInFiles::searchThroughTheDialogListsHits()
{
    QFETCH(QString, find);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(bool, subfolders);
    QFETCH(QStringList, hits);
    // CR LF, LF, a lone CR and U+2029 each end a line; Windows-1252 decodes; NUL means binary.
    QVERIFY(put(m_site + "/a.html", "Hallo Welt\r\nhallo welt\nHALLO\rWelthallo\xE2\x80\xA9x"));
    QVERIFY(put(m_site + "/w.txt", "Gr\xFC\xDF"
                                   "e Hallo"));
    QVERIFY(put(m_site + "/unter/b.htm", "<p>Hallo</p>"));
    QVERIFY(put(m_site + "/bild.html", QByteArray("Hallo\0binär", 12)));
    QVERIFY(put(m_site + "/andere.xyz", "Hallo"));

    TMainForm frame{StartOptions{}};
    frame.show();
    // The real dialog from the keyboard: no document is open, the item works all the same.
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<TFindInFilesDialog*>(w);
        if (!dialog)
            return false;
        // The search field takes the keys once the dialog is active.
        if (!dialog->isActiveWindow())
            return false;
        if (!dialog->FindText->hasFocus() ||
            dialog->TypesText->currentText() != QLatin1String(TFindInFilesDialog::DefaultTypes)) {
            dialog->reject();
            return true;
        }
        QTest::keyClicks(dialog->FindText->lineEdit(), find);
        QTest::keyClick(dialog, Qt::Key_O, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), m_site);
        dialog->MatchCaseBox->setChecked(matchCase);
        dialog->WholeWordsBox->setChecked(wholeWord);
        dialog->SubfoldersBox->setChecked(subfolders);
        QTest::keyClick(dialog->FindText->lineEdit(), Qt::Key_Return);
        return true;
    });
    frame.control(QStringLiteral("InDateiensuchen2"))->trigger();
    QVERIFY(frame.findResults());
    waitForRun(frame);
    QStringList skipped;
    QCOMPARE(listed(frame.findResults(), &skipped), hits);
    QCOMPARE(skipped, QStringList{"bild.html: Binärdatei (enthält Null-Bytes)"});
    QVERIFY(frame.findResults()->isVisible());
    // The drop-downs offer what was used, newest first.
    TFindInFilesDialog again({&frame, nullptr, {}}, QString(), QString());
    QCOMPARE(again.FindText->currentText(), find);
    QCOMPARE(again.FolderText->currentText(), m_site);
}

void TestFindInFiles::replaceKeepsEveryOtherByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("reason");
    QTest::newRow("utf-8, every line end") << QByteArray("alt\r\nalt\nx alt\ralt\xE2\x80\xA9"
                                                         "Ende alt\r\n")
                                           << "alt"
                                           << "neu" << false << false
                                           << QByteArray("neu\r\nneu\nx neu\rneu\xE2\x80\xA9"
                                                         "Ende neu\r\n")
                                           << "";
    QTest::newRow("utf-8 with bom, longer text")
        << QByteArray("\xEF\xBB\xBF<b>ALT</b> äöü\n") << "alt"
        << "Straße" << false << false << QByteArray("\xEF\xBB\xBF<b>Straße</b> äöü\n") << "";
    QTest::newRow("windows-1252 keeps its bytes") << QByteArray("Gr\xFC\xDF"
                                                                "e alt\r\nalt\n")
                                                  << "alt"
                                                  << "Größe" << true << false
                                                  << QByteArray("Gr\xFC\xDF"
                                                                "e Gr\xF6\xDF"
                                                                "e\r\nGr\xF6\xDF"
                                                                "e\n")
                                                  << "";
    QTest::newRow("windows-1252 lacks the character")
        << QByteArray("Gr\xFC\xDF"
                      "e alt")
        << "alt"
        << "Ω" << false << false
        << QByteArray("Gr\xFC\xDF"
                      "e alt")
        << "Der Ersatztext enthält Zeichen, die in der Kodierung der Datei (Windows-1252) fehlen";
    QTest::newRow("lone cr before an emptied line")
        << QByteArray("a\rX\nb") << "x"
        << "" << false << false << QByteArray("a\r\nb") << "";
    QTest::newRow("whole words, case kept")
        << QByteArray("alt alter Salt Alt alt") << "alt"
        << "neu" << true << true << QByteArray("neu alter Salt Alt neu") << "";
    // A file of 3 MB whose every character would become 200: refused before it is built.
    QTest::newRow("too large afterwards")
        << QByteArray(3 << 20, 'a') << "a" << QString(200, QLatin1Char('x')) << true << false
        << QByteArray(3 << 20, 'a') << "Die Datei würde mit 594 MB zu groß (höchstens 512 MB)";
    QTest::newRow("umlaut found without case")
        << QByteArray("GRÖSSE größe GRÖßE") << "größe"
        << "x" << false << false << QByteArray("GRÖSSE x x") << "";
}

void TestFindInFiles::replaceKeepsEveryOtherByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(QByteArray, after);
    QFETCH(QString, reason);
    const QString path = m_site + QStringLiteral("/seite.html");
    const QString untouched = m_site + QStringLiteral("/ohne.html");
    QVERIFY(put(path, before));
    QVERIFY(put(untouched, "nichts\r\n"));
    TMainForm frame{StartOptions{}};
    frame.show();
    QString question, summary;
    answerMessageBox(QMessageBox::Yes, &question);
    answerMessageBox(QMessageBox::Ok, &summary);
    frame.findInFiles(valuesFor(m_site, find, replacement, matchCase, wholeWord), true);
    QTRY_VERIFY_WITH_TIMEOUT(!summary.isEmpty(), 20000);
    QVERIFY2(question.contains(QStringLiteral("in 1 Datei gefunden")), qPrintable(question));
    QCOMPARE(bytesOf(path), after);
    QCOMPARE(bytesOf(untouched), QByteArray("nichts\r\n"));
    QStringList skipped;
    listed(frame.findResults(), &skipped);
    if (reason.isEmpty()) {
        QVERIFY(skipped.isEmpty());
        QVERIFY2(summary.contains(QStringLiteral(" in 1 Datei ersetzt")), qPrintable(summary));
    } else {
        QCOMPARE(skipped, QStringList{QStringLiteral("seite.html: ") + reason});
        QVERIFY2(summary.startsWith(QStringLiteral("0 Treffer")), qPrintable(summary));
    }
}

void TestFindInFiles::openModifiedDocumentIsReplacedInTheEditor()
{
    const QString open = m_site + QStringLiteral("/offen.html");
    const QString closed = m_site + QStringLiteral("/zu.html");
    const QString readOnly = m_site + QStringLiteral("/fest.html");
    QVERIFY(put(open, "alt\r\nalt\r\n"));
    QVERIFY(put(closed, "alt\n"));
    QVERIFY(put(readOnly, "alt\n"));
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup));
    TMainForm frame{StartOptions{}};
    frame.show();
    TMDIChild* child = frame.openDocument(open);
    QVERIFY(child);
    // Typed but not saved: the search sees the editor's text, not the file's.
    child->TextMemo->setSelStart(0);
    child->TextMemo->replaceSelection(QStringLiteral("alt alt "));
    QVERIFY(child->TextMemo->isModified());
    QString question, summary;
    answerMessageBox(QMessageBox::Yes, &question);
    answerMessageBox(QMessageBox::Ok, &summary);
    frame.findInFiles(valuesFor(m_site, QStringLiteral("alt"), QStringLiteral("neu")), true);
    QTRY_VERIFY_WITH_TIMEOUT(!summary.isEmpty(), 20000);
    QCOMPARE(question.left(question.indexOf(QLatin1Char('\n'))),
             QStringLiteral("6 Treffer in 3 Dateien gefunden."));
    QCOMPARE(child->TextMemo->text(), QStringLiteral("neu neu neu\r\nneu\r\n"));
    QCOMPARE(bytesOf(open), QByteArray("alt\r\nalt\r\n"));
    QCOMPARE(bytesOf(closed), QByteArray("neu\n"));
    QCOMPARE(bytesOf(readOnly), QByteArray("alt\n"));
    QStringList skipped;
    listed(frame.findResults(), &skipped);
    QCOMPARE(skipped, QStringList{"fest.html: schreibgeschützt"});
    QVERIFY2(summary.startsWith(QStringLiteral("5 Treffer in 2 Dateien ersetzt")),
             qPrintable(summary));
    // The replacement is one step: one undo brings back what was typed.
    child->TextMemo->undoLast();
    QCOMPARE(child->TextMemo->text(), QStringLiteral("alt alt alt\r\nalt\r\n"));
}

void TestFindInFiles::answeringNoChangesNothing()
{
    QVERIFY(put(m_site + "/a.html", "alt"));
    TMainForm frame{StartOptions{}};
    frame.show();
    bool defaultNo = false;
    whenModal([&defaultNo](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        defaultNo = box->defaultButton() == box->button(QMessageBox::No);
        // Return takes the default.
        QTest::keyClick(box, Qt::Key_Return);
        return true;
    });
    frame.findInFiles(valuesFor(m_site, QStringLiteral("alt"), QStringLiteral("neu")), true);
    waitForRun(frame);
    QVERIFY(waitNoModal());
    QVERIFY(defaultNo);
    QCOMPARE(bytesOf(m_site + "/a.html"), QByteArray("alt"));
}

void TestFindInFiles::returnOnAHitOpensTheFileWithTheHitSelected()
{
    QVERIFY(put(m_site + "/a.html", "erste Zeile\r\nzweite mit Ziel darin\r\n"));
    QVERIFY(put(m_site + "/b.html", "Ziel"));
    TMainForm frame{StartOptions{}};
    frame.show();
    QApplication::setActiveWindow(&frame);
    TMDIChild* b = frame.openDocument(m_site + "/b.html");
    frame.findInFiles(valuesFor(m_site, QStringLiteral("ziel"), QString()), false);
    waitForRun(frame);
    QTreeWidget* tree = frame.findResults()->list();
    QCOMPARE(listed(frame.findResults()), (QStringList{"a.html:2:11", "b.html:1:0"}));
    // The first hit is current; Return opens its file with the hit selected.
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
    TMDIChild* a = frame.activeChild();
    QVERIFY(a && a != b);
    QCOMPARE(QFileInfo(a->FileName).fileName(), QStringLiteral("a.html"));
    QCOMPARE(a->TextMemo->selText(), QStringLiteral("Ziel"));
    QCOMPARE(a->TextMemo->selStart(), 13 + 11);
    // A hit in an open document activates that document instead of opening the file again.
    const int count = frame.documentCount();
    tree->setCurrentItem(tree->topLevelItem(1)->child(0));
    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(frame.documentCount(), count);
    QCOMPARE(frame.activeChild(), b);
    QCOMPARE(b->TextMemo->selText(), QStringLiteral("Ziel"));
    // Escape in the list gives the keyboard back to the document.
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Escape);
    QVERIFY(!frame.findResults()->isVisible());
}

void TestFindInFiles::badInputIsListedNotFatal()
{
    QVERIFY(put(m_site + "/gut.html", "Ziel"));
    // A FIFO nobody writes to: opening it for reading would wait for ever.
    QCOMPARE(::mkfifo(QFile::encodeName(m_site + "/rohr.html").constData(), 0644), 0);
    // A link back up the tree, and one without a target.
    QDir().mkpath(m_site + "/unter");
    QVERIFY(QFile::link(m_site, m_site + "/unter/zurueck"));
    QVERIFY(QFile::link(m_site + "/fehlt.html", m_site + "/tot.html"));
    // A line break in a name, and a name that is no UTF-8.
    QVERIFY(put(m_site + "/zwei\nzeilen.html", "Ziel"));
    const QByteArray raw = QFile::encodeName(m_site) + "/kaputt\xFF.html";
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0);
    // Qt cannot name this file, so the temporary folder could not remove it.
    const auto removeRaw = qScopeGuard([raw] { ::unlink(raw.constData()); });
    QCOMPARE(::write(fd, "Ziel", 4), 4);
    ::close(fd);
    // Larger than 50 MB (sparse, so it costs no disk).
    {
        QFile big(m_site + "/gross.html");
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(FindInFiles::MaxFileBytes + 1));
    }
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_site + "/geraet.html"));
    // A folder of 20 000 files: the frame keeps answering while they are searched.
    // (Hard links to one file: new inodes would cost the file system seconds.)
    QVERIFY(put(m_site + "/viele/s0.html", "x"));
    const QByteArray one = QFile::encodeName(m_site + "/viele/s0.html");
    for (int i = 1; i < 20000; ++i)
        QCOMPARE(
            ::link(
                one.constData(),
                QFile::encodeName(m_site + QStringLiteral("/viele/s%1.html").arg(i)).constData()),
            0);
    TMainForm frame{StartOptions{}};
    frame.show();
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(5);
    frame.findInFiles(valuesFor(m_site, QStringLiteral("Ziel"), QString()), false);
    QVERIFY(frame.findJob()->isRunning());
    waitForRun(frame);
    QVERIFY(ticks > 0);
    QCOMPARE(frame.findJob()->filesTotal(), 20000 + 3); // gut, zwei zeilen, gross
    QStringList skipped;
    const QStringList hits = listed(frame.findResults(), &skipped);
    QVERIFY(hits.contains("gut.html:1:0"));
    QVERIFY(hits.contains("zwei\nzeilen.html:1:0"));
    QVERIFY2(skipped.contains("rohr.html: keine gewöhnliche Datei"), qPrintable(skipped.join('|')));
    QVERIFY(skipped.contains("tot.html: Verknüpfung ohne Ziel"));
    QVERIFY(skipped.contains("geraet.html: keine gewöhnliche Datei"));
    QVERIFY(skipped.contains("gross.html: größer als 50 MB"));
    QVERIFY(skipped.contains("unter/zurueck: Ordner schon durchsucht (Verknüpfung)"));
    // Shown names keep to one line.
    for (const QString& row : skipped)
        QVERIFY(!row.contains(QLatin1Char('\n')));
    // Escape in the list stops a search that is still running.
    frame.findInFiles(valuesFor(m_site, QStringLiteral("Ziel"), QString()), false);
    QTest::keyClick(frame.findResults()->list(), Qt::Key_Escape);
    waitForRun(frame);
    QVERIFY(frame.findJob()->wasStopped());
    QVERIFY2(frame.findResults()->statusLabel()->text().endsWith(QStringLiteral("(angehalten)")),
             qPrintable(frame.findResults()->statusLabel()->text()));
    QVERIFY(frame.findJob()->filesDone() < 20003);
}

void TestFindInFiles::frameGoesWhileASearchRuns()
{
    QVERIFY(put(m_site + "/s0.html", "Ziel"));
    const QByteArray one = QFile::encodeName(m_site + "/s0.html");
    for (int i = 1; i < 5000; ++i)
        QCOMPARE(::link(one.constData(),
                        QFile::encodeName(m_site + QStringLiteral("/s%1.html").arg(i)).constData()),
                 0);
    for (int round = 0; round < 3; ++round) {
        auto frame = std::make_unique<TMainForm>(StartOptions{});
        frame->show();
        frame->findInFiles(valuesFor(m_site, QStringLiteral("Ziel"), QString()), round == 2);
        QTest::qWait(round * 20);
        QVERIFY(frame->findJob()->isRunning() || round > 0);
        frame.reset();
    }
}

void TestFindInFiles::resultsDockKeepsItsPlace()
{
    QVERIFY(put(m_site + "/a.html", "Ziel"));
    {
        TMainForm frame{StartOptions{}};
        frame.show();
        frame.findInFiles(valuesFor(m_site, QStringLiteral("Ziel"), QString()), false);
        waitForRun(frame);
        QCOMPARE(frame.dockWidgetArea(frame.findResults()), Qt::BottomDockWidgetArea);
        frame.addDockWidget(Qt::LeftDockWidgetArea, frame.findResults());
        QVERIFY(frame.close());
    }
    TMainForm frame{StartOptions{}};
    frame.show();
    frame.findInFiles(valuesFor(m_site, QStringLiteral("Ziel"), QString()), false);
    waitForRun(frame);
    QCOMPARE(frame.dockWidgetArea(frame.findResults()), Qt::LeftDockWidgetArea);
}

TESSALINE_TEST_MAIN(TestFindInFiles)
#include "tst_findinfiles.moc"
