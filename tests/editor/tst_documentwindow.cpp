// Tests of the document window inside the real frame: file round trips, RTF, timers, closing,
// load failures, printing, list drops, caret reports, edit items, command keys, changes made to
// the file by other programs, the save dialog's folder and the undo state of new documents.
#include "app/Main.h"
#include "editor/DocumentWindow.h"
#include "editor/FrameFixture.h"
#include "editor/TextControl.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"
#include "widgets/HintStatusBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <memory>

using Indents = TExtRich::ParagraphIndents;

namespace
{

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Answers the next save dialog with a path, or cancels it when path is empty.
void answerSaveDialog(const QString& path)
{
    answerFileDialog(path);
}

// Gives the file another modification time, as a program would that touches it.
void touchFile(const QString& path, int secondsLater)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(secondsLater),
                             QFileDevice::FileModificationTime));
}

// What another program does to the document's file while it is open.
void changeFromOutside(const QString& path, const QString& how)
{
    if (how == QLatin1String("changed")) {
        writeBytes(path, "neu von au\xc3\x9f"
                         "en\r\n");
        touchFile(path, 60); // a second write within the same millisecond shows only by size
    } else if (how == QLatin1String("touched")) {
        touchFile(path, 60);
    } else if (how == QLatin1String("deleted")) {
        QVERIFY(QFile::remove(path));
    }
}

int visibleMessageBoxes()
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(w) && w->isVisible())
            ++count;
    return count;
}

} // namespace

class TstDocumentWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void plainRoundTrip_data();
    void plainRoundTrip();
    void richTextRoundTrip();
    void capitalRtfStaysPlain();
    void saveUntitled();
    void backupCopy_data();
    void backupCopy();
    void failedBackupKeepsOldCopy();
    void autoSave_data();
    void autoSave();
    void autoSaveFollowsInterval();
    void untitledTimersDoNothing();
    void failingTimerWriteOpensOneReport();
    void closeQuery_data();
    void closeQuery();
    void loadFailure_data();
    void loadFailure();
    void printToPdf();
    void dropListEntry_data();
    void dropListEntry();
    void foreignDragIsRefused();
    void caretPanel();
    void insertModePanel();
    void editItems_data();
    void editItems();
    void editItemsComeBackWhenMenuCloses();
    void controlKeysLeftToCommands();

    void changedOnDisk_data();
    void changedOnDisk();
    void saveOverChangedFileAsks_data();
    void saveOverChangedFileAsks();
    void changeNoticedWhileWorking();
    void reloadKeepsTheFileFormat();
    void nothingToUndoAtStart_data();
    void nothingToUndoAtStart();
    void saveDialogStartFolder_data();
    void saveDialogStartFolder();

private:
    TMDIChild* openFile(const QString& name, const QByteArray& bytes);
    QString panel(const char* name) const
    {
        return m_frame->hintStatusBar()->panelText(QString::fromLatin1(name));
    }
    void showFrame();

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TMainForm> m_frame;
    // A dialog nobody answers would block the test: it is closed after a while and reported.
    QTimer m_strayGuard;
    QElapsedTimer m_modalAge;
    QStringList m_strays;
};

void TstDocumentWindow::initTestCase()
{
    m_strayGuard.setInterval(100);
    m_strayGuard.callOnTimeout(this, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            m_modalAge.invalidate();
            return;
        }
        if (!m_modalAge.isValid())
            m_modalAge.start();
        if (m_modalAge.elapsed() < 3000)
            return;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        m_strays.append(box ? box->text() : QString::fromLatin1(dialog->metaObject()->className()));
        m_modalAge.invalidate();
        dialog->reject();
    });
}

void TstDocumentWindow::init()
{
    m_strays.clear();
    m_modalAge.invalidate();
    m_strayGuard.start();
    m_env = std::make_unique<TestEnvironment>();
    m_frame = std::make_unique<TMainForm>(StartOptions{});
    m_frame->shellState().backupDir = m_env->path(QStringLiteral("sicherung"));
    m_frame->shellState().backupExt = QStringLiteral(".bak");
}

void TstDocumentWindow::cleanup()
{
    waitNoModal(1000);
    m_strayGuard.stop();
    closeFrameQuietly(m_frame);
    m_env.reset();
    QVERIFY2(m_strays.isEmpty(), qPrintable(QStringLiteral("unanswered: ") + m_strays.join(u'|')));
}

TMDIChild* TstDocumentWindow::openFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_env->path(name);
    writeBytes(path, bytes);
    TMDIChild* child = m_frame->openDocument(path);
    // The activation's own look at the file comes first.
    QCoreApplication::processEvents();
    return child;
}

void TstDocumentWindow::showFrame()
{
    m_frame->show();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
}

// ---- files --------------------------------------------------------------------------------

void TstDocumentWindow::plainRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("afterEdit"); // "ö" + line break + "neu" appended at the end

    QTest::newRow("UTF-8, CR LF") << QByteArray("a\xc3\xa4\r\nb\r\n")
                                  << QByteArray("a\xc3\xa4\r\nb\r\n\xc3\xb6\r\nneu");
    QTest::newRow("UTF-8 with BOM, LF") << QByteArray("\xef\xbb\xbf"
                                                      "eins\nzwei\n")
                                        << QByteArray("\xef\xbb\xbf"
                                                      "eins\nzwei\n\xc3\xb6\nneu");
    QTest::newRow("Windows-1252, CR LF") << QByteArray("Gr\xfc\xdf"
                                                       "e \xe4\r\n")
                                         << QByteArray("Gr\xfc\xdf"
                                                       "e \xe4\r\n\xf6\r\nneu");
    QTest::newRow("Windows-1252 euro, LF")
        << QByteArray("\x80 \xe4\nx") << QByteArray("\x80 \xe4\nx\xf6\nneu");
    QTest::newRow("no line break at all")
        << QByteArray("caf\xe9") << QByteArray("caf\xe9\xf6\r\nneu");
    QTest::newRow("no final newline")
        << QByteArray("a\r\nb") << QByteArray("a\r\nb\xc3\xb6\r\nneu");
    QTest::newRow("empty file") << QByteArray() << QByteArray("\xc3\xb6\r\nneu");
    QTest::newRow("blank lines and tabs")
        << QByteArray("\t<p>\n\n\n</p>\n") << QByteArray("\t<p>\n\n\n</p>\n\xc3\xb6\nneu");
    QTest::newRow("non-breaking space") << QByteArray("a\xc2\xa0"
                                                      "b\r\n")
                                        << QByteArray("a\xc2\xa0"
                                                      "b\r\n\xc3\xb6\r\nneu");
}

void TstDocumentWindow::plainRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, afterEdit);
    TMDIChild* child = openFile(QStringLiteral("seite.html"), bytes);
    QVERIFY(child);
    QVERIFY(child->TextMemo->isPlainTextMode());
    m_frame->shellState().align = QStringLiteral("right");
    child->FormActivate();
    QCOMPARE(child->TextMemo->textAlignment(), Qt::AlignRight);
    QVERIFY(!child->TextMemo->isModified());
    QCOMPARE(child->TextMemo->selStart(), 0);
    QCOMPARE(child->windowTitle(), QStringLiteral("seite.html"));
    QCOMPARE(child->FileExt, QStringLiteral(".html"));

    child->Save1Click();
    QCOMPARE(readBytes(child->FileName), bytes);

    child->TextMemo->setSelStart(child->TextMemo->textLength());
    child->TextMemo->replaceSelection(QStringLiteral("ö\r\nneu"));
    QVERIFY(child->TextMemo->isModified());
    child->Save1Click();
    QVERIFY(!child->TextMemo->isModified());
    QCOMPARE(readBytes(child->FileName), afterEdit);
}

void TstDocumentWindow::richTextRoundTrip()
{
    TMDIChild* child = openFile(QStringLiteral("brief.rtf"),
                                "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Erste Zeile\\par "
                                "Zweite Zeile\\par Dritte\\par}");
    QVERIFY(child);
    QVERIFY(!child->TextMemo->isPlainTextMode());
    // The editor's alignment setting leaves the paragraphs of a rich-text document alone.
    m_frame->shellState().align = QStringLiteral("center");
    child->FormActivate();
    QVERIFY(!child->TextMemo->isModified());
    QCOMPARE(child->TextMemo->textAlignment(), Qt::AlignLeft);
    QCOMPARE(child->TextMemo->line(1), QStringLiteral("Zweite Zeile"));

    TExtRich* memo = child->TextMemo;
    memo->setSelStart(0);
    memo->setParagraphIndents({12, 24, 36});
    memo->setTextAlignment(Qt::AlignHCenter);
    memo->setSelStart(memo->firstPositionOfLine(1));
    memo->setTextAlignment(Qt::AlignRight);
    memo->setParagraphIndents({0, 18, 0});
    auto format = [memo](int line, int column, int length, auto apply) {
        QTextCursor cursor(memo->document()->findBlockByNumber(line));
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, length);
        QTextCharFormat f;
        apply(f);
        cursor.mergeCharFormat(f);
    };
    format(0, 0, 5, [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
    format(1, 7, 5, [](QTextCharFormat& f) { f.setFontItalic(true); });
    format(2, 0, 6, [](QTextCharFormat& f) { f.setFontUnderline(true); });
    child->Save1Click();
    QVERIFY(readBytes(child->FileName).startsWith("{\\rtf"));

    TMDIChild* again = m_frame->openDocument(child->FileName);
    QVERIFY(again && again != child);
    TExtRich* read = again->TextMemo;
    QCOMPARE(read->text(), memo->text());
    QCOMPARE(read->paragraphIndents(), (Indents{12, 24, 36}));
    QCOMPARE(read->textAlignment(), Qt::AlignHCenter);
    read->setSelStart(read->firstPositionOfLine(1));
    QCOMPARE(read->paragraphIndents(), (Indents{0, 18, 0}));
    QCOMPARE(read->textAlignment(), Qt::AlignRight);
    auto charAt = [read](int line, int column) {
        const QTextBlock block = read->document()->findBlockByNumber(line);
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + column + 1); // format of the character before
        return cursor.charFormat();
    };
    QVERIFY(charAt(0, 0).fontWeight() >= QFont::Bold);
    QVERIFY(charAt(0, 6).fontWeight() < QFont::Bold);
    QVERIFY(charAt(1, 8).fontItalic());
    QVERIFY(!charAt(1, 2).fontItalic());
    QVERIFY(charAt(2, 3).fontUnderline());

    // Save As under an HTML name keeps writing rich text.
    const QString html = m_env->path(QStringLiteral("brief.html"));
    again->saveFileDialog()->setOption(QFileDialog::DontUseNativeDialog);
    answerSaveDialog(html);
    QVERIFY(again->saveAs());
    QCOMPARE(again->FileName, html);
    QCOMPARE(again->windowTitle(), QStringLiteral("brief.html"));
    QVERIFY(readBytes(html).startsWith("{\\rtf"));
}

void TstDocumentWindow::capitalRtfStaysPlain()
{
    const QByteArray rtf = "{\\rtf1\\ansi Hallo\\par}";
    TMDIChild* child = openFile(QStringLiteral("GROSS.RTF"), rtf);
    QVERIFY(child);
    QVERIFY(child->TextMemo->isPlainTextMode());
    QCOMPARE(child->TextMemo->text(), QString::fromLatin1(rtf));
    child->Save1Click();
    QCOMPARE(readBytes(child->FileName), rtf);
}

void TstDocumentWindow::saveUntitled()
{
    TMDIChild* child = m_frame->createChild();
    child->saveFileDialog()->setOption(QFileDialog::DontUseNativeDialog);
    child->TextMemo->replaceSelection(QStringLiteral("erste\r\nzweite"));
    QString proposed;
    whenModal([this, &proposed](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        auto* edit =
            dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!edit)
            return false;
        proposed = edit->text();
        edit->setText(m_env->path(QStringLiteral("ohne")));
        QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        return true;
    });
    child->Save1Click();
    QVERIFY(waitNoModal());
    QCOMPARE(proposed, QStringLiteral("Dokument"));
    const QString path = m_env->path(QStringLiteral("ohne.html"));
    QCOMPARE(child->FileName, path);
    QCOMPARE(child->windowTitle(), QStringLiteral("ohne.html"));
    QCOMPARE(child->FileExt, QString());
    QCOMPARE(readBytes(path), QByteArray("erste\r\nzweite"));
    QVERIFY(!child->TextMemo->isModified());
    QCOMPARE(m_frame->shellState().recentFiles.value(0), path);

    // Titled now: the next save writes without asking.
    child->TextMemo->replaceSelection(QStringLiteral("!"));
    child->Save1Click();
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(readBytes(path), QByteArray("erste\r\nzweite!"));
}

// ---- timers -------------------------------------------------------------------------------

void TstDocumentWindow::backupCopy_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("backup");

    QTest::newRow("html") << "index.html"
                          << ".bak"
                          << "index.bak";
    QTest::newRow("two dots") << "b.c.html"
                              << ".bak"
                              << "b.c.bak";
    QTest::newRow("no dot") << "liesmich"
                            << ".bak"
                            << "liesmich.bak";
    QTest::newRow("own extension") << "seite.htm"
                                   << ".sic"
                                   << "seite.sic";
}

void TstDocumentWindow::backupCopy()
{
    QFETCH(QString, document);
    QFETCH(QString, extension);
    QFETCH(QString, backup);
    m_frame->shellState().backupExt = extension;
    const QString dir = m_env->path(QStringLiteral("ordner/tiefer"));
    m_frame->shellState().backupDir = dir;
    const QString target = QDir(dir).filePath(backup);

    TMDIChild* child = openFile(QStringLiteral("docs/") + document, "alt\r\n\xe4");
    QVERIFY(child);
    child->TextMemo->setSelStart(child->TextMemo->textLength());
    child->TextMemo->replaceSelection(QStringLiteral("\r\nneu"));
    child->Timer1Timer();
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(readBytes(target), QByteArray("alt\r\n\xe4\r\nneu"));
    QVERIFY(child->TextMemo->isModified());
    QCOMPARE(readBytes(child->FileName), QByteArray("alt\r\n\xe4"));

    // A later copy replaces the earlier one.
    child->TextMemo->replaceSelection(QStringLiteral("!"));
    child->Timer1Timer();
    QCOMPARE(readBytes(target), QByteArray("alt\r\n\xe4\r\nneu!"));
    QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{backup});
}

void TstDocumentWindow::failedBackupKeepsOldCopy()
{
    // The copy's temporary file gets a name longer than the file system allows, so the write
    // fails even for a privileged user while the old copy itself can exist.
    const QString stem(248, QLatin1Char('x'));
    const QString old = QDir(m_frame->shellState().backupDir).filePath(stem + ".bak");
    writeBytes(old, "alte Kopie");
    TMDIChild* child = openFile(stem + ".html", "neu");
    QVERIFY(child);
    QString text;
    answerMessageBox(QMessageBox::Ok, &text);
    child->Timer1Timer();
    QVERIFY(waitNoModal());
    QCOMPARE(text, QStringLiteral("Kann Datei %1 nicht erstellen").arg(old));
    QCOMPARE(readBytes(old), QByteArray("alte Kopie"));
}

void TstDocumentWindow::autoSave_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("outside"); // what another program does meanwhile
    QTest::addColumn<QByteArray>("file"); // "<none>": no file
    QTest::addColumn<bool>("modified");

    const QByteArray theirs("neu von au\xc3\x9f"
                            "en\r\n");
    QTest::newRow("edited") << true << "" << QByteArray("eins\nzwei") << false;
    QTest::newRow("untouched") << false << "" << QByteArray("eins\n") << false;
    QTest::newRow("untouched, changed outside") << false << "changed" << theirs << false;
    QTest::newRow("edited, changed outside") << true << "changed" << theirs << true;
    QTest::newRow("edited, deleted outside") << true << "deleted" << QByteArray("<none>") << true;
}

void TstDocumentWindow::autoSave()
{
    QFETCH(bool, edited);
    QFETCH(QString, outside);
    QFETCH(QByteArray, file);
    QFETCH(bool, modified);
    const QString path = m_env->path(QStringLiteral("auto.html"));
    writeBytes(path, "eins\n");
    // An old time shows whether the file was written again, even with the same bytes.
    const QDateTime old = QDateTime::currentDateTime().addYears(-3);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    TMDIChild* child = m_frame->openDocument(path);
    QVERIFY(child);
    QCoreApplication::processEvents();
    if (edited) {
        child->TextMemo->setSelStart(child->TextMemo->textLength());
        child->TextMemo->replaceSelection(QStringLiteral("zwei"));
    }
    changeFromOutside(path, outside);
    child->Timer2Timer();
    // The timer never asks: the question waits for the next activation.
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(QFileInfo::exists(path) ? readBytes(path) : QByteArray("<none>"), file);
    QCOMPARE(child->TextMemo->isModified(), modified);
    if (!edited && outside.isEmpty())
        QCOMPARE(QFileInfo(path).lastModified(), old);
    QVERIFY(!QFileInfo::exists(m_frame->shellState().backupDir + "/auto.bak"));

    if (outside.isEmpty() || !edited)
        return;
    // The next activation asks once; the next periods still leave the file alone.
    answerMessageBox(outside == QLatin1String("changed") ? QMessageBox::No : QMessageBox::Ok);
    child->FormActivate();
    runIdle(50);
    QVERIFY(waitNoModal());
    child->FormActivate();
    runIdle(50);
    child->Timer2Timer();
    QCOMPARE(QFileInfo::exists(path) ? readBytes(path) : QByteArray("<none>"), file);
    QVERIFY(child->TextMemo->isModified());
}

void TstDocumentWindow::autoSaveFollowsInterval()
{
    TMDIChild* child = openFile(QStringLiteral("takt.html"), "a");
    QVERIFY(child);
    m_frame->shellState().autoSaveInterval = 30;
    m_frame->shellState().backupInterval = 40;
    child->FormActivate();
    QCOMPARE(child->Timer2->interval(), 30);
    QCOMPARE(child->Timer1->interval(), 40);
    child->TextMemo->setSelStart(1);
    child->TextMemo->replaceSelection(QStringLiteral("b"));
    QTRY_COMPARE(readBytes(child->FileName), QByteArray("ab"));
    QTRY_COMPARE(readBytes(m_frame->shellState().backupDir + "/takt.bak"), QByteArray("ab"));
    QVERIFY(!child->TextMemo->isModified());
}

void TstDocumentWindow::untitledTimersDoNothing()
{
    TMDIChild* child = m_frame->createChild();
    QVERIFY(!child->TextMemo->isModified());
    child->NewChildWindow();
    QCOMPARE(child->FileName, QStringLiteral("Dokument"));
    child->TextMemo->replaceSelection(QStringLiteral("ungespeichert"));
    child->Timer1Timer();
    child->Timer2Timer();
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(child->TextMemo->isModified());
    QVERIFY(QDir(m_frame->shellState().backupDir).entryList(QDir::Files).isEmpty());
    QVERIFY(!QFileInfo::exists(QStringLiteral("Dokument")));
}

void TstDocumentWindow::failingTimerWriteOpensOneReport()
{
    // The document's temporary file gets a name longer than the file system allows, so its
    // write fails while the file itself stays as it was.
    TMDIChild* child = openFile(QString(250, QLatin1Char('s')) + QStringLiteral(".html"), "a");
    QVERIFY(child);
    // The backup directory cannot be made either: a file stands in its place.
    const QString blocked = m_env->path(QStringLiteral("blockiert"));
    writeBytes(blocked, "kein Ordner");
    m_frame->shellState().backupDir = blocked;
    child->TextMemo->replaceSelection(QStringLiteral("b"));

    // Both timers tick fast while the first report is open.
    int ticks = 0, mostBoxes = 0;
    QString text;
    connect(child->Timer1, &QTimer::timeout, this, [&ticks] { ++ticks; });
    connect(child->Timer2, &QTimer::timeout, this, [&ticks] { ++ticks; });
    child->Timer1->start(5);
    child->Timer2->start(5);
    QTimer watch;
    QElapsedTimer open;
    connect(&watch, &QTimer::timeout, this, [&] {
        const int boxes = visibleMessageBoxes();
        mostBoxes = std::max(mostBoxes, boxes);
        if (boxes == 0)
            return;
        if (!open.isValid())
            open.start();
        if (open.elapsed() < 200)
            return;
        child->Timer1->stop();
        child->Timer2->stop();
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    watch.start(10);
    QTRY_VERIFY(open.isValid() && !QApplication::activeModalWidget());
    watch.stop();
    QCOMPARE(mostBoxes, 1);
    QVERIFY2(ticks > 5, qPrintable(QString::number(ticks)));
    QVERIFY2(text.startsWith(QStringLiteral("Kann Datei ")) &&
                 text.endsWith(QStringLiteral(" nicht erstellen")),
             qPrintable(text));
    QVERIFY(child->TextMemo->isModified());

    // Once the report is closed, the next failing tick reports again.
    answerMessageBox(QMessageBox::Ok, &text);
    child->Timer2Timer();
    QVERIFY(waitNoModal());
    QCOMPARE(text, QStringLiteral("Kann Datei %1 nicht erstellen").arg(child->FileName));
    answerMessageBox(QMessageBox::Ok, &text);
    child->Timer1Timer();
    QVERIFY(waitNoModal());
    QVERIFY2(text.contains(QStringLiteral("blockiert")), qPrintable(text));
}

// ---- closing ------------------------------------------------------------------------------

enum class SaveDialog { None, Accept, Cancel };
Q_DECLARE_METATYPE(SaveDialog)

void TstDocumentWindow::closeQuery_data()
{
    QTest::addColumn<bool>("titled");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer"); // NoButton: no question expected
    QTest::addColumn<SaveDialog>("dialog");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");

    const int none = QMessageBox::NoButton;
    const auto noDialog = SaveDialog::None;
    QTest::newRow("unmodified") << true << false << none << noDialog << false << true << false;
    QTest::newRow("No") << true << true << int(QMessageBox::No) << noDialog << false << true
                        << false;
    QTest::newRow("Yes") << true << true << int(QMessageBox::Yes) << noDialog << false << true
                         << true;
    QTest::newRow("Cancel") << true << true << int(QMessageBox::Cancel) << noDialog << false
                            << false << false;
    QTest::newRow("Yes, save fails")
        << true << true << int(QMessageBox::Yes) << noDialog << true << false << false;
    QTest::newRow("untitled, Yes, saved")
        << false << true << int(QMessageBox::Yes) << SaveDialog::Accept << false << true << true;
    QTest::newRow("untitled, Yes, dialog cancelled")
        << false << true << int(QMessageBox::Yes) << SaveDialog::Cancel << false << false << false;
    QTest::newRow("untitled, unmodified")
        << false << false << none << noDialog << false << true << false;
}

void TstDocumentWindow::closeQuery()
{
    QFETCH(bool, titled);
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(SaveDialog, dialog);
    QFETCH(bool, saveFails);
    QFETCH(bool, closed);
    QFETCH(bool, written);

    const QString path = m_env->path(titled ? "seiten/seite.html" : "neu.html");
    TMDIChild* child =
        titled ? openFile(QStringLiteral("seiten/seite.html"), "alt") : m_frame->createChild();
    QVERIFY(child);
    child->saveFileDialog()->setOption(QFileDialog::DontUseNativeDialog);
    TMDIChild* other = m_frame->createChild();
    m_frame->mdiArea()->setActiveSubWindow(m_frame->mdiArea()->subWindowList().first());
    QCOMPARE(m_frame->activeChild(), child);
    if (modified) {
        child->TextMemo->selectAllText();
        child->TextMemo->replaceSelection(QStringLiteral("neu"));
    }
    if (saveFails)
        QVERIFY(QDir(m_env->path(QStringLiteral("seiten"))).removeRecursively());
    const QString textBefore = child->TextMemo->text();

    QString question, error;
    if (answer != QMessageBox::NoButton)
        answerMessageBox(QMessageBox::StandardButton(answer), &question);
    if (dialog != SaveDialog::None)
        answerSaveDialog(dialog == SaveDialog::Accept ? path : QString());
    if (saveFails)
        answerMessageBox(QMessageBox::Ok, &error);
    QPointer<TMDIChild> guard(child);
    child->Close1Click();
    QVERIFY(waitNoModal());

    if (answer != QMessageBox::NoButton)
        QCOMPARE(question, QStringLiteral("Änderungen speichern unter %1?")
                               .arg(titled ? path : QStringLiteral("Dokument")));
    if (saveFails)
        QCOMPARE(error, QStringLiteral("Kann Datei %1 nicht erstellen").arg(path));
    if (closed) {
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(m_frame->children(), QList<TMDIChild*>{other});
    } else {
        QTest::qWait(20);
        QVERIFY(guard);
        QCOMPARE(m_frame->documentCount(), 2);
        QCOMPARE(child->TextMemo->text(), textBefore);
        QVERIFY(child->TextMemo->isModified());
    }
    if (written)
        QCOMPARE(readBytes(path), QByteArray("neu"));
    else if (titled && !saveFails)
        QCOMPARE(readBytes(path), QByteArray("alt"));
    else if (!titled)
        QVERIFY(!QFileInfo::exists(path));
}

void TstDocumentWindow::loadFailure_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("directory") << "directory";
    QTest::newRow("missing directory") << "missing directory";
    QTest::newRow("unreadable") << "unreadable";
}

void TstDocumentWindow::loadFailure()
{
    QFETCH(QString, kind);
    TMDIChild* good = openFile(QStringLiteral("gut.html"), "gut");
    QVERIFY(good);
    QString path = m_env->path(QStringLiteral("fehlt.html"));
    if (kind == QLatin1String("directory")) {
        path = m_env->path(QStringLiteral("ordner.html"));
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("missing directory")) {
        path = m_env->path(QStringLiteral("nirgends/seite.html"));
    } else if (kind == QLatin1String("unreadable")) {
        writeBytes(path, "geheim");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("this user reads files without read permission");
    }
    QString text;
    answerMessageBox(QMessageBox::Ok, &text);
    QVERIFY(!m_frame->openDocument(path));
    QVERIFY(waitNoModal());
    QCOMPARE(text, QStringLiteral("Kann Datei %1 nicht öffnen").arg(path));
    QTRY_COMPARE(m_frame->documentCount(), 1);
    QCOMPARE(m_frame->children(), QList<TMDIChild*>{good});
    QCOMPARE(good->TextMemo->text(), QStringLiteral("gut"));
}

// ---- printing -----------------------------------------------------------------------------

void TstDocumentWindow::printToPdf()
{
    TMDIChild* child = openFile(QStringLiteral("druck.html"), "<p>Zum Drucken</p>\r\n");
    QVERIFY(child);
    const QString pdf = m_env->path(QStringLiteral("druck.pdf"));
    // The dialog shows the printer's own choice: printing to a PDF file.
    child->printer()->setOutputFormat(QPrinter::PdfFormat);
    child->printer()->setOutputFileName(pdf);
    bool answered = false;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QPrintDialog*>(w);
        if (!dialog)
            return false;
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        answered = true;
        dialog->accept();
        return true;
    });
    child->Print1Click();
    QVERIFY(answered);
    QCOMPARE(readBytes(pdf).left(4), QByteArray("%PDF"));
    QCOMPARE(child->printer()->docName(), child->FileName);
}

// ---- drops --------------------------------------------------------------------------------

void TstDocumentWindow::dropListEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    // The document is "ein Text\r\nhier".
    QTest::newRow("tag pair wraps the selection")
        << "<b>|</b>" << 4 << 4 << "ein <b>Text</b>\r\nhier" << 15;
    QTest::newRow("tag pair at the caret")
        << "<i>|</i>" << 3 << 0 << "ein<i></i> Text\r\nhier" << 10;
    QTest::newRow("first and last bar")
        << "<a>|mitte|</a>" << 0 << 3 << "<a>ein</a> Text\r\nhier" << 10;
    QTest::newRow("selection over a break")
        << "<p>|</p>" << 4 << 10 << "ein <p>Text\r\nhier</p>" << 21;
    QTest::newRow("plain entry replaces") << "Ersatz" << 4 << 4 << "ein Ersatz\r\nhier" << 10;
    QTest::newRow("plain entry at the caret")
        << "&nbsp;" << 14 << 0 << "ein Text\r\nhier&nbsp;" << 20;
}

void TstDocumentWindow::dropListEntry()
{
    QFETCH(QString, entry);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    TMDIChild* child = openFile(QStringLiteral("drop.html"), "ein Text\r\nhier");
    QVERIFY(child);
    QListWidget list;
    list.addItems({QStringLiteral("anderes"), entry});
    list.setCurrentRow(1);
    child->TextMemo->setSelStart(start);
    child->TextMemo->setSelLength(length);
    child->dropListEntry(list.currentItem()->text());
    QCOMPARE(child->TextMemo->text(), expected);
    QCOMPARE(child->TextMemo->selStart(), caret);
    QCOMPARE(child->TextMemo->selLength(), 0);
    QVERIFY(child->TextMemo->isModified());
}

void TstDocumentWindow::foreignDragIsRefused()
{
    // A drag from outside (no list of this program as its source) is refused and leaves the
    // text alone; the frame takes dropped files.
    TMDIChild* child = openFile(QStringLiteral("fremd.html"), "Text");
    QVERIFY(child);
    QMimeData data;
    data.setText(QStringLiteral("<b>|</b>"));
    QWidget* viewport = child->TextMemo->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    QCOMPARE(child->TextMemo->text(), QStringLiteral("Text"));
    QVERIFY(!child->TextMemo->isModified());
}

// ---- status panels ------------------------------------------------------------------------

void TstDocumentWindow::caretPanel()
{
    showFrame();
    TMDIChild* child = openFile(QStringLiteral("zeilen.html"), "ab\r\ncde\r\nf");
    QVERIFY(child);
    TExtRich* memo = child->TextMemo;
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("1 : 0"));

    QTest::keyClick(memo, Qt::Key_Down);
    QTest::keyClick(memo, Qt::Key_End);
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("2 : 3"));

    // Extended forward across a line break: the selection end, each break counting two.
    QTest::keyClick(memo, Qt::Key_Up);
    QTest::keyClick(memo, Qt::Key_Home);
    QTest::keyClick(memo, Qt::Key_Right);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(memo, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(memo->selText(), QStringLiteral("b\r\ncd"));
    QCOMPARE(memo->selLength(), 5);
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("2 : 2"));
    QTest::keyClick(memo, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("3 : 1"));

    // Extended backward from the end: the selection start.
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("3 : 1"));
    QTest::keyClick(memo, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("2 : 1"));
    QTest::keyClick(memo, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("2 : 0"));
    QTest::keyClick(memo, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("1 : 0"));
    QCOMPARE(memo->selLength(), 10);

    // The same with the mouse: a click, then Shift+clicks extending backwards.
    auto click = [memo](int line, int column, Qt::KeyboardModifiers modifiers) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(memo->document()->findBlockByNumber(line).position() + column);
        const QPoint point = memo->cursorRect(cursor).center();
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, modifiers, point);
    };
    click(2, 1, Qt::NoModifier);
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("3 : 1"));
    click(0, 1, Qt::ShiftModifier);
    QCOMPARE(memo->selText(), QStringLiteral("b\r\ncde\r\nf"));
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("1 : 1"));
    click(1, 0, Qt::ShiftModifier);
    QCOMPARE(memo->selText(), QStringLiteral("cde\r\nf"));
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("2 : 0"));

    // Activating the window reports where its caret stands.
    memo->setSelStart(6);
    child->FormActivate();
    QCOMPARE(panel("HintStatusPanel2"), QStringLiteral("2 : 2"));
}

void TstDocumentWindow::insertModePanel()
{
    showFrame();
    TMDIChild* child = openFile(QStringLiteral("modus.html"), "ab");
    QVERIFY(child);
    QCOMPARE(panel("HintStatusPanel5"), QStringLiteral("Einfg"));
    QTest::keyClick(child->TextMemo, Qt::Key_Insert);
    QCOMPARE(panel("HintStatusPanel5"), QStringLiteral("Übers"));
    QTest::keyClick(child->TextMemo, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(panel("HintStatusPanel5"), QStringLiteral("Übers"));
    QTest::keyClick(child->TextMemo, Qt::Key_Insert);
    QCOMPARE(panel("HintStatusPanel5"), QStringLiteral("Einfg"));
}

// ---- edit items ---------------------------------------------------------------------------

void TstDocumentWindow::editItems_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("clipboardText");
    QTest::addColumn<bool>("undoable");

    QTest::newRow("nothing") << false << false << false;
    QTest::newRow("selection") << true << false << false;
    QTest::newRow("clipboard") << false << true << false;
    QTest::newRow("undo") << false << false << true;
    QTest::newRow("everything") << true << true << true;
}

void TstDocumentWindow::editItems()
{
    QFETCH(bool, selected);
    QFETCH(bool, clipboardText);
    QFETCH(bool, undoable);
    TMDIChild* child = openFile(QStringLiteral("edit.html"), "abc");
    QVERIFY(child);
    if (clipboardText)
        QApplication::clipboard()->setText(QStringLiteral("aus der Ablage"));
    else
        QApplication::clipboard()->clear();
    if (undoable) {
        child->TextMemo->setSelStart(3);
        child->TextMemo->replaceSelection(QStringLiteral("d"));
    }
    if (selected) {
        child->TextMemo->setSelStart(0);
        child->TextMemo->setSelLength(2);
    }
    child->Edit1Click();
    auto enabled = [child](const char* name) {
        QAction* action = child->action(QString::fromLatin1(name));
        return action && action->isEnabled();
    };
    for (const char* name : {"Cut1", "Copy1", "Delete1", "Ausschneiden1", "Kopieren1", "Lschen1"})
        QVERIFY2(enabled(name) == selected, name);
    for (const char* name : {"Paste1", "Einfgen1"})
        QVERIFY2(enabled(name) == clipboardText, name);
    for (const char* name : {"Rckgngig2", "Rckgngig1"})
        QVERIFY2(enabled(name) == undoable, name);
    QVERIFY(enabled("SelectAll1"));
    QVERIFY(enabled("Allesauswhlen1"));
}

void TstDocumentWindow::editItemsComeBackWhenMenuCloses()
{
    TMDIChild* child = openFile(QStringLiteral("menu.html"), "abc");
    QVERIFY(child);
    QApplication::clipboard()->clear();
    QMenu* edit = child->mergedMenus().first().second;
    QCOMPARE(edit->objectName(), QStringLiteral("MDIBearbeiten"));
    edit->popup(QPoint(0, 0));
    QVERIFY(!child->action(QStringLiteral("Cut1"))->isEnabled());
    QVERIFY(!child->action(QStringLiteral("Rckgngig2"))->isEnabled());
    edit->hide();
    QVERIFY(child->action(QStringLiteral("Cut1"))->isEnabled());
    QVERIFY(child->action(QStringLiteral("Rckgngig2"))->isEnabled());

    child->memoPopUp()->popup(QPoint(0, 0));
    child->Edit1Click(); // what the context menu's opening runs
    QVERIFY(!child->action(QStringLiteral("Einfgen1"))->isEnabled());
    child->memoPopUp()->hide();
    QVERIFY(child->action(QStringLiteral("Einfgen1"))->isEnabled());
}

// ---- keys ---------------------------------------------------------------------------------

void TstDocumentWindow::controlKeysLeftToCommands()
{
    showFrame();
    TMDIChild* child = openFile(QStringLiteral("tasten.html"), "");
    QVERIFY(child);
    TExtRich* memo = child->TextMemo;
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("abc"));
    QCOMPARE(memo->text(), QStringLiteral("abc"));
    QVERIFY(memo->canUndo());

    // Ctrl+Z and Ctrl+B are commands here (centred paragraph, bold), not undo and nothing.
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(memo->text(), QStringLiteral("abc<p align=\"center\"></p>"));
    // Ctrl+A and Ctrl+Y open the font dialogs of their items, not select all and redo.
    for (int i = 0; i < 2; ++i)
        whenModal([](QWidget* w) {
            qobject_cast<QDialog*>(w)->reject();
            return true;
        });
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(memo->selLength(), 0);
    showFrame(); // the test platform leaves no window active after a dialog
    QTest::keyClick(memo, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(memo->text(), QStringLiteral("abc<p align=\"center\"></p><b></b>"));

    QTest::keyClick(memo, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(memo->text(), QStringLiteral("abc<p align=\"center\"></p>"));
    const QString undone = memo->text();
    QTest::keyClick(memo, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(memo->text(), undone);
    showFrame();
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(memo->text(), undone);

    QTest::keyClicks(memo, QStringLiteral("xy"));
    m_frame->onIdle(); // the frame enables its document commands when it is idle
    QTest::keyClick(memo, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(readBytes(child->FileName), memo->text().toUtf8());
    QVERIFY(!memo->isModified());
}

// ---- changes made by other programs ------------------------------------------------------

void TstDocumentWindow::changedOnDisk_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("outside");
    QTest::addColumn<int>("answer"); // NoButton: no question expected
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("modified");

    const QString changed =
        QStringLiteral("Die Datei %1 wurde von einem anderen Programm geändert.\nNeu laden?");
    const QString changedEdited =
        QStringLiteral("Die Datei %1 wurde von einem anderen Programm geändert.\nNeu laden und "
                       "die Änderungen in diesem Fenster verwerfen?");
    const QString deleted = QStringLiteral(
        "Die Datei %1 wurde von einem anderen Programm gelöscht oder umbenannt.\nDas Dokument "
        "bleibt geöffnet und gilt als geändert; speichern Sie es, um die Datei "
        "wiederherzustellen.");
    const QString theirs = QStringLiteral("neu von außen\r\n");
    const int yes = QMessageBox::Yes, no = QMessageBox::No;
    QTest::newRow("changed, reloaded") << false << "changed" << yes << changed << theirs << false;
    QTest::newRow("changed, kept") << false << "changed" << no << changed << "alt\r\n" << true;
    QTest::newRow("edited, changed, reloaded")
        << true << "changed" << yes << changedEdited << theirs << false;
    QTest::newRow("edited, changed, kept")
        << true << "changed" << no << changedEdited << "alt\r\n!" << true;
    QTest::newRow("only touched") << false << "touched" << int(QMessageBox::NoButton) << ""
                                  << "alt\r\n"
                                  << false;
    QTest::newRow("deleted") << false << "deleted" << int(QMessageBox::Ok) << deleted << "alt\r\n"
                             << true;
}

void TstDocumentWindow::changedOnDisk()
{
    QFETCH(bool, edited);
    QFETCH(QString, outside);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QString, text);
    QFETCH(bool, modified);
    TMDIChild* child = openFile(QStringLiteral("extern.html"), "alt\r\n");
    QVERIFY(child);
    TExtRich* memo = child->TextMemo;
    if (edited) {
        memo->setSelStart(memo->textLength());
        memo->replaceSelection(QStringLiteral("!"));
    }
    changeFromOutside(child->FileName, outside);

    QString asked;
    if (answer != QMessageBox::NoButton)
        answerMessageBox(QMessageBox::StandardButton(answer), &asked);
    child->FormActivate();
    runIdle(50);
    QVERIFY(waitNoModal());
    QCOMPARE(asked, question.arg(child->FileName));
    QCOMPARE(memo->text(), text);
    QCOMPARE(memo->isModified(), modified);
    QCOMPARE(m_frame->documentCount(), 1);
    if (answer == QMessageBox::Yes)
        QVERIFY(!memo->canUndo()); // a reload is a fresh start

    // Asked once: the next activation is quiet while the file stays as it is.
    child->FormActivate();
    runIdle(50);
    QVERIFY(!QApplication::activeModalWidget());

    // Saving a text the user kept over the other program's file asks first; bringing a deleted
    // file back or writing over the reloaded one does not.
    if (answer == QMessageBox::No)
        answerMessageBox(QMessageBox::Yes);
    memo->setSelStart(0);
    memo->replaceSelection(QStringLiteral("<"));
    child->Save1Click();
    QVERIFY(waitNoModal());
    QCOMPARE(QString::fromUtf8(readBytes(child->FileName)), memo->text());
    QVERIFY(!memo->isModified());
}

void TstDocumentWindow::saveOverChangedFileAsks_data()
{
    QTest::addColumn<QString>("how");   // "save" or "close"
    QTest::addColumn<int>("overwrite"); // the answer to the question
    QTest::addColumn<bool>("written");

    QTest::newRow("save, overwrite") << "save" << int(QMessageBox::Yes) << true;
    QTest::newRow("save, keep theirs") << "save" << int(QMessageBox::No) << false;
    QTest::newRow("close, overwrite") << "close" << int(QMessageBox::Yes) << true;
    QTest::newRow("close, keep theirs") << "close" << int(QMessageBox::No) << false;
}

void TstDocumentWindow::saveOverChangedFileAsks()
{
    QFETCH(QString, how);
    QFETCH(int, overwrite);
    QFETCH(bool, written);
    TMDIChild* child = openFile(QStringLiteral("beide.html"), "alt");
    QVERIFY(child);
    child->TextMemo->selectAllText();
    child->TextMemo->replaceSelection(QStringLiteral("meins"));
    // Changed without an activation in between: the save is the first to notice.
    changeFromOutside(child->FileName, QStringLiteral("changed"));
    const QByteArray theirs = readBytes(child->FileName);

    QString closeQuestion, question;
    if (how == QLatin1String("close"))
        answerMessageBox(QMessageBox::Yes, &closeQuestion);
    answerMessageBox(QMessageBox::StandardButton(overwrite), &question);
    QPointer<TMDIChild> guard(child);
    if (how == QLatin1String("close"))
        child->Close1Click();
    else
        child->Save1Click();
    QVERIFY(waitNoModal());
    QCOMPARE(question, QStringLiteral("Die Datei %1 wurde seit dem Laden oder letzten Speichern "
                                      "von einem anderen Programm geändert.\nTrotzdem "
                                      "überschreiben? Die Änderungen des anderen Programms gehen "
                                      "dann verloren.")
                           .arg(m_env->path(QStringLiteral("beide.html"))));
    QCOMPARE(readBytes(m_env->path(QStringLiteral("beide.html"))),
             written ? QByteArray("meins") : theirs);
    if (how == QLatin1String("close") && written) {
        QTRY_VERIFY(guard.isNull());
        return;
    }
    // Nothing written: the window and its text stay, still marked changed.
    QTest::qWait(20);
    QVERIFY(guard);
    QCOMPARE(child->TextMemo->text(), QStringLiteral("meins"));
    QCOMPARE(child->TextMemo->isModified(), !written);
}

void TstDocumentWindow::changeNoticedWhileWorking()
{
    // The user stays in the window: the question comes without waiting for an activation.
    showFrame();
    TMDIChild* child = openFile(QStringLiteral("laufend.html"), "alt");
    QVERIFY(child);
    runIdle(200);
    QString asked;
    answerMessageBox(QMessageBox::Yes, &asked);
    changeFromOutside(child->FileName, QStringLiteral("changed"));
    QTRY_VERIFY(!asked.isEmpty());
    QVERIFY(waitNoModal());
    QCOMPARE(child->TextMemo->text(), QStringLiteral("neu von außen\r\n"));

    // The window's own saves replace the file as well, and ask nothing.
    child->TextMemo->replaceSelection(QStringLiteral("!"));
    child->Save1Click();
    child->TextMemo->replaceSelection(QStringLiteral("?"));
    child->Save1Click();
    runIdle(400);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(readBytes(child->FileName), QByteArray("!?neu von au\xc3\x9f"
                                                    "en\r\n"));

    // A change after that is noticed again: the watch follows the replaced file. (The window
    // system gives the frame back its activation after a message box; here the test does.)
    showFrame();
    runIdle(50);
    asked.clear();
    answerMessageBox(QMessageBox::No, &asked);
    writeBytes(child->FileName, "dritte Fassung");
    QTRY_VERIFY(!asked.isEmpty());
    QVERIFY(waitNoModal());
    QCOMPARE(child->TextMemo->text(), QStringLiteral("!?neu von außen\r\n"));
    QVERIFY(child->TextMemo->isModified());
}

void TstDocumentWindow::reloadKeepsTheFileFormat()
{
    TMDIChild* child = openFile(QStringLiteral("ansi.txt"), "Gr\xfc\xdf"
                                                            "e\r\n");
    QVERIFY(child);
    writeBytes(child->FileName, "M\xfchle\r\nzwei\r\n");
    answerMessageBox(QMessageBox::Yes);
    child->FormActivate();
    runIdle(50);
    QVERIFY(waitNoModal());
    QCOMPARE(child->TextMemo->text(), QStringLiteral("Mühle\r\nzwei\r\n"));
    child->TextMemo->setSelStart(child->TextMemo->textLength());
    child->TextMemo->replaceSelection(QStringLiteral("ä"));
    child->Save1Click();
    QCOMPARE(readBytes(child->FileName), QByteArray("M\xfchle\r\nzwei\r\n\xe4"));

    // A rich-text document reads its file again as rich text.
    TMDIChild* rich = openFile(QStringLiteral("brief.rtf"), "{\\rtf1\\ansi Alt\\par}");
    QVERIFY(rich);
    writeBytes(rich->FileName, "{\\rtf1\\ansi {\\b Neu}\\par}");
    answerMessageBox(QMessageBox::Yes);
    rich->FormActivate();
    runIdle(50);
    QVERIFY(waitNoModal());
    QVERIFY(!rich->TextMemo->isPlainTextMode());
    QCOMPARE(rich->TextMemo->line(0), QStringLiteral("Neu"));
    QVERIFY(!rich->TextMemo->isModified());
}

// ---- a fresh start ------------------------------------------------------------------------

void TstDocumentWindow::nothingToUndoAtStart_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("new document") << "new";
    QTest::newRow("plain file") << "plain";
    QTest::newRow("rich-text file") << "rich";
}

void TstDocumentWindow::nothingToUndoAtStart()
{
    QFETCH(QString, how);
    showFrame(); // shown, laid out and painted like the user's
    TMDIChild* child = nullptr;
    if (how == QLatin1String("new")) {
        m_frame->FileNewItemClick();
        child = m_frame->activeChild();
    } else if (how == QLatin1String("plain")) {
        child = openFile(QStringLiteral("start.html"), "<p>Start</p>\r\n");
    } else {
        child = openFile(QStringLiteral("start.rtf"), "{\\rtf1\\ansi Start\\par}");
    }
    QVERIFY(child);
    TExtRich* memo = child->TextMemo;
    child->FormActivate();
    runIdle(20);
    const QString text = memo->text();
    QVERIFY(!memo->canUndo());
    QVERIFY(!m_frame->control(QStringLiteral("SBtnUndo"))->isEnabled());
    child->Edit1Click();
    QVERIFY(!child->action(QStringLiteral("Rckgngig2"))->isEnabled());
    QVERIFY(!child->action(QStringLiteral("Rckgngig1"))->isEnabled());

    // Undo does nothing, and undoing the user's own edit returns to an unmodified document.
    child->Rckgngig2Click();
    QCOMPARE(memo->text(), text);
    QVERIFY(!memo->isModified());
    memo->replaceSelection(QStringLiteral("x"));
    QVERIFY(memo->isModified());
    child->Rckgngig2Click();
    QCOMPARE(memo->text(), text);
    QVERIFY(!memo->isModified());
    child->Rckgngig2Click();
    QCOMPARE(memo->text(), text);
    QVERIFY(!memo->isModified());
}

void TstDocumentWindow::saveDialogStartFolder_data()
{
    QTest::addColumn<QString>("document"); // empty: untitled
    QTest::addColumn<QString>("opened");   // a file opened before, empty: none
    QTest::addColumn<QString>("folder");   // expected start, "~" for the user's home
    QTest::addColumn<QString>("name");

    QTest::newRow("untitled, first run") << ""
                                         << ""
                                         << "~"
                                         << "Dokument";
    QTest::newRow("untitled after an open") << ""
                                            << "zuletzt/a.html"
                                            << "zuletzt"
                                            << "Dokument";
    QTest::newRow("titled") << "seiten/index.html"
                            << "zuletzt/a.html"
                            << "seiten"
                            << "index.html";
}

void TstDocumentWindow::saveDialogStartFolder()
{
    QFETCH(QString, document);
    QFETCH(QString, opened);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    rememberUsedFolder(QString()); // a fresh run
    if (!opened.isEmpty())
        QVERIFY(openFile(opened, "vorher"));
    TMDIChild* child =
        document.isEmpty() ? m_frame->createChild() : openFile(document, "<p>Seite</p>");
    QVERIFY(child);
    if (!opened.isEmpty() && !document.isEmpty())
        QVERIFY(openFile(opened, "danach")); // the last file opened elsewhere
    m_frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(child->parentWidget()));
    child->saveFileDialog()->setOption(QFileDialog::DontUseNativeDialog);
    QString start, proposed;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return false;
        start = dialog->directory().absolutePath();
        if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            proposed = edit->text();
        // A list of completions still open when the dialog goes must go with it.
        auto* completions = new QMenu(dialog);
        completions->addAction(QStringLiteral("index.html"));
        completions->popup(dialog->mapToGlobal(QPoint(0, 0)));
        dialog->reject();
        return true;
    });
    QVERIFY(!child->saveAs());
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(
        QDir::cleanPath(start),
        QDir::cleanPath(folder == QLatin1String("~") ? QDir::homePath() : m_env->path(folder)));
    QCOMPARE(proposed, name);
    rememberUsedFolder(QString());
}

TESSALINE_TEST_MAIN(TstDocumentWindow)
#include "tst_documentwindow.moc"
