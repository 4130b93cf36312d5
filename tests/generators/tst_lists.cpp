// Tests of the lists: their markup, list files, and the list dialog driven through the commands.
#include "core/ShellState.h"
#include "generators/DocumentFixture.h"
#include "generators/ListDialog.h"
#include "generators/ListFile.h"
#include "generators/ListMarkup.h"
#include "platform/FileIo.h"
#include "support/FifoRescue.h"
#include "widgets/DialogHints.h"

#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace
{

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Types text into a grid row as the user does: the first key opens the cell's editor, Return
// takes the line.
void typeRow(TDList* dialog, int row, const QString& text)
{
    QTableView* grid = dialog->StringGrid1;
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, 0));
    grid->edit(grid->currentIndex());
    QWidget* editor = grid->indexWidget(grid->currentIndex());
    QVERIFY(editor);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

void setRows(TDList* dialog, const QStringList& lines)
{
    dialog->SpinEdit1->setValue(int(lines.size()));
    for (int i = 0; i < lines.size(); ++i)
        dialog->StringGrid1->model()->setData(dialog->StringGrid1->model()->index(i, 0),
                                              lines.at(i));
}

// Steps that open dialogs of their own run after the answer to the list dialog has returned, so
// that the next queued answer gets its turn; they close the list dialog themselves.
void afterwards(TDList* dialog, std::function<void()> steps)
{
    QTimer::singleShot(0, dialog, std::move(steps));
}

// The lines in the order the grid shows them on screen, whatever the row header remembers.
QStringList shownLines(TDList* dialog)
{
    const QHeaderView* header = dialog->StringGrid1->verticalHeader();
    QStringList lines;
    for (int visual = 0; visual < header->count(); ++visual)
        lines << dialog->StringGrid1->model()
                     ->index(header->logicalIndex(visual), 0)
                     .data()
                     .toString();
    return lines;
}

// Runs the list command of that menu item and answers its dialog: fill, then the button.
QString runList(DocumentFixture& doc, const char* item, std::function<void(TDList*)> fill,
                const QString& button = u"BitBtn1"_s)
{
    doc.setText(QString());
    answerDialog<TDList>(fill, button);
    doc.trigger(item);
    [] { QVERIFY(waitNoModal()); }();
    return doc.memo->text();
}

} // namespace

class TestLists : public QObject
{
    Q_OBJECT
private slots:
    void listMarkup_data();
    void listMarkup();
    void selectListMarkup_data();
    void selectListMarkup();
    void listFileBytes_data();
    void listFileBytes();
    void dialogLayout_data();
    void dialogLayout();
    void firstUseAndSharedMemory();
    void typedLinesAndRowCount();
    void keyboardOnlyEntry();
    void selectionListFields();
    void closingWays_data();
    void closingWays();
    void openAndSaveListFiles();
    void longListFileLoadsWhole();
    void cancelledFileDialogsChangeNothing();
    void failedSaveKeepsTheLines();
    void movedRowsStayWhereTheyAreShown_data();
    void movedRowsStayWhereTheyAreShown();
    void pastedLinesFillRows_data();
    void pastedLinesFillRows();
    void linesHoldingLineEndsAreWrittenAsLines_data();
    void linesHoldingLineEndsAreWrittenAsLines();
    void fifoIsRefusedAtOnce();
    void oversizedListFileIsRefused_data();
    void oversizedListFileIsRefused();
    void toolbarButtonsReachTheirLists_data();
    void toolbarButtonsReachTheirLists();
};

void TestLists::listMarkup_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expected");
    QTest::newRow("numbered, first use")
        << int(ListKind::Numbered) << QStringList{QString()} << "<ol>\r\n\t<li></li>\r\n</ol>";
    QTest::newRow("square bullets") << int(ListKind::BulletSquare) << QStringList{"a", "b"}
                                    << "<ul type=square>\r\n\t<li>a</li>\r\n\t<li>b</li>\r\n</ul>";
    QTest::newRow("upper letters")
        << int(ListKind::UpperAlpha) << QStringList{"x"} << "<ol type=A>\r\n\t<li>x</li>\r\n</ol>";
    QTest::newRow("lower letters")
        << int(ListKind::LowerAlpha) << QStringList{"x"} << "<ol type=a>\r\n\t<li>x</li>\r\n</ol>";
    QTest::newRow("upper Roman") << int(ListKind::UpperRoman) << QStringList{"x"}
                                 << "<ol type=I>\r\n\t<li>x</li>\r\n</ol>";
    QTest::newRow("lower Roman") << int(ListKind::LowerRoman) << QStringList{"x"}
                                 << "<ol type=i>\r\n\t<li>x</li>\r\n</ol>";
    QTest::newRow("round bullets")
        << int(ListKind::BulletRound) << QStringList{"x"} << "<ul>\r\n\t<li>x</li>\r\n</ul>";
    QTest::newRow("directory, text as typed")
        << int(ListKind::Directory) << QStringList{"<b>ä & ö</b>", ""}
        << "<dir>\r\n\t<li><b>ä & ö</b></li>\r\n\t<li></li>\r\n</dir>";
    const QString longLine(300, u'z');
    QTest::newRow("long line stays whole") << int(ListKind::Numbered) << QStringList{longLine}
                                           << u"<ol>\r\n\t<li>"_s + longLine + u"</li>\r\n</ol>"_s;
}

void TestLists::listMarkup()
{
    QFETCH(int, kind);
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    QCOMPARE(::listMarkup(ListKind(kind), lines), expected);
}

void TestLists::selectListMarkup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all fields") << "farbe"
                                << "3" << true << QStringList{"rot", "blau"}
                                << "<select name=\"farbe\" size=3 multiple>\r\n"
                                   "\t<option>rot\r\n\t<option>blau\r\n</select>";
    QTest::newRow("all fields empty")
        << ""
        << "" << false << QStringList{QString()} << "<select name=\"\">\r\n\t<option>\r\n</select>";
    QTest::newRow("size only") << ""
                               << "5" << false << QStringList{"a"}
                               << "<select name=\"\" size=5>\r\n\t<option>a\r\n</select>";
}

void TestLists::selectListMarkup()
{
    QFETCH(QString, name);
    QFETCH(QString, size);
    QFETCH(bool, multiple);
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    QCOMPARE(::selectListMarkup(selectListValues(name, size, multiple), lines), expected);
}

void TestLists::listFileBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("written"); // empty: the same bytes
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << QByteArray();
    QTest::newRow("no line end at the end")
        << QByteArray("a\r\nb") << QStringList{"a", "b"} << QByteArray("a\r\nb\r\n");
    QTest::newRow("LF and empty lines")
        << QByteArray("a\n\nc\n") << QStringList{"a", "", "c"} << QByteArray("a\r\n\r\nc\r\n");
    QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{""} << QByteArray();
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QByteArray();
    QTest::newRow("Windows-1252 umlauts") << QByteArray("Gr\xfc\xdf"
                                                        "e\r\n\xc4pfel\r\n")
                                          << QStringList{u"Grüße"_s, u"Äpfel"_s}
                                          << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                                        "e\r\n\xc3\x84pfel\r\n");
    QTest::newRow("UTF-8 umlauts")
        << QByteArray("\xc3\xa4\r\n") << QStringList{u"ä"_s} << QByteArray();
    QTest::newRow("byte-order mark at the start is no character")
        << QByteArray("\xef\xbb\xbf"
                      "a\r\n")
        << QStringList{u"a"_s} << QByteArray("a\r\n");
    QTest::newRow("first line starting with U+FEFF keeps it behind a mark")
        << QByteArray("\xef\xbb\xbf\xef\xbb\xbf"
                      "a\r\n\xef\xbb\xbf"
                      "b\r\n")
        << QStringList{u"\uFEFFa"_s, u"\uFEFFb"_s} << QByteArray();
    QTest::newRow("U+FEFF alone on the first line")
        << QByteArray("\xef\xbb\xbf\xef\xbb\xbf\r\n") << QStringList{u"\uFEFF"_s} << QByteArray();
}

void TestLists::listFileBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, written);
    QCOMPARE(decodeListFile(bytes), lines);
    QCOMPARE(encodeListFile(lines), written.isEmpty() ? bytes : written);
}

void TestLists::dialogLayout_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("gridHeight");
    QTest::addColumn<int>("panelHeight");
    QTest::addColumn<int>("topic");
    QTest::newRow("numbered") << "Listenummeriert1"
                              << "Liste nummeriert (1., 2., 3., ...)" << 201 << 36 << 314;
    QTest::newRow("lower Roman") << "ListeRmischeZahlenklein1"
                                 << "Listen Römische zahlen klein (i., ii., iii., ...)" << 201 << 36
                                 << 314;
    QTest::newRow("selection list") << "Auswahlliste1"
                                    << "Auswahliste" << 176 << 63 << 302;
}

void TestLists::dialogLayout()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(int, gridHeight);
    QFETCH(int, panelHeight);
    QFETCH(int, topic);
    DocumentFixture doc;
    QString shownCaption, spinHint, cancelHint;
    int shownGrid = 0, shownPanel = 0, shownTopic = 0;
    bool fieldsShown = false, focusOnCount = false;
    runList(
        doc, item.toLatin1().constData(),
        [&](TDList* d) {
            shownCaption = d->windowTitle();
            shownGrid = d->StringGrid1->height();
            shownPanel = d->Panel1->height();
            shownTopic = d->helpTopic();
            fieldsShown =
                d->Edit2->isVisible() && d->Edit3->isVisible() && d->CheckBox1->isVisible();
            focusOnCount = d->SpinEdit1->hasFocus();
            spinHint = d->SpinEdit1->toolTip();
            cancelHint = d->cancelButton()->toolTip();
        },
        u"BitBtn2"_s);
    QCOMPARE(shownCaption, caption);
    QCOMPARE(shownGrid, gridHeight);
    QCOMPARE(shownPanel, panelHeight);
    QCOMPARE(shownTopic, topic);
    QCOMPARE(fieldsShown, topic == 302);
    QVERIFY(focusOnCount);
    QCOMPARE(spinHint, u"Geben Sie hier die Anzahl der Zeilen ein"_s);
    QCOMPARE(
        cancelHint,
        u"Wenn Sie bei einer gefüllten Liste auf Abbruch klicken,\nwird das Listenfeld geleert!"_s);
}

void TestLists::firstUseAndSharedMemory()
{
    DocumentFixture doc;
    int rows = 0, spin = 0;
    QString text = runList(doc, "Listenummeriert1", [&](TDList* d) {
        rows = d->rowCount();
        spin = d->SpinEdit1->value();
    });
    QCOMPARE(rows, 1);
    QCOMPARE(spin, 1);
    QCOMPARE(text, u"<ol>\r\n\t<li></li>\r\n</ol>"_s);
    QCOMPARE(doc.memo->selStart(), doc.memo->textLength());

    runList(doc, "Listenummeriert1", [](TDList* d) { setRows(d, {u"a"_s, u"b"_s}); });
    QStringList shown;
    text = runList(doc, "BulletlisteRechteckig1", [&](TDList* d) { shown = d->gridLines(); });
    QCOMPARE(shown, (QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(text, u"<ul type=square>\r\n\t<li>a</li>\r\n\t<li>b</li>\r\n</ul>"_s);
    // The selection list shares the lines.
    text = runList(doc, "Auswahlliste1", [](TDList*) {});
    QCOMPARE(text, u"<select name=\"\">\r\n\t<option>a\r\n\t<option>b\r\n</select>"_s);
}

void TestLists::typedLinesAndRowCount()
{
    DocumentFixture doc;
    QStringList afterTyping;
    const QString text = runList(doc, "DirectoryListe1", [&](TDList* d) {
        d->SpinEdit1->setFocus();
        QTest::keyClick(d->SpinEdit1, Qt::Key_Up);
        QTest::keyClick(d->SpinEdit1, Qt::Key_Up);
        typeRow(d, 0, u"eins"_s);
        // Return took the line and moved on; the next keys go into the second row.
        QTest::keyClicks(d->StringGrid1, u"z"_s);
        QTest::keyClicks(QApplication::focusWidget(), u"wei"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        typeRow(d, 2, u"drei"_s);
        afterTyping = d->gridLines();
        // Fewer rows drop the last ones; more rows come back empty.
        d->SpinEdit1->setValue(1);
        d->SpinEdit1->setValue(2);
        typeRow(d, 1, u"neu"_s);
    });
    QCOMPARE(afterTyping, (QStringList{u"eins"_s, u"zwei"_s, u"drei"_s}));
    QCOMPARE(text, u"<dir>\r\n\t<li>eins</li>\r\n\t<li>neu</li>\r\n</dir>"_s);
}

void TestLists::keyboardOnlyEntry()
{
    // From the row count, Tab and typing fill the first line without touching the mouse.
    DocumentFixture doc;
    const QString text = runList(doc, "Listenummeriert1", [](TDList* d) {
        QTest::keyClick(d->SpinEdit1, Qt::Key_Up);
        QTest::keyClick(d->SpinEdit1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d->StringGrid1);
        QTest::keyClicks(d->StringGrid1, u"Ä"_s);
        QTest::keyClicks(QApplication::focusWidget(), u"pfel"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(d->StringGrid1, u"B"_s);
        QTest::keyClicks(QApplication::focusWidget(), u"irnen"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(text, u"<ol>\r\n\t<li>Äpfel</li>\r\n\t<li>Birnen</li>\r\n</ol>"_s);
}

void TestLists::selectionListFields()
{
    DocumentFixture doc;
    QString text = runList(doc, "Auswahlliste1", [](TDList* d) {
        QTest::keyClick(d, Qt::Key_N, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), u"farbe"_s);
        d->Edit3->setText(u"3"_s);
        d->CheckBox1->setChecked(true);
        setRows(d, {u"rot"_s, u"blau"_s});
    });
    QCOMPARE(text, u"<select name=\"farbe\" size=3 multiple>\r\n\t<option>rot\r\n"
                   "\t<option>blau\r\n</select>"_s);
    // A new dialog starts with empty fields; the lines are kept.
    bool empty = false;
    text = runList(doc, "Auswahlliste1", [&](TDList* d) {
        empty =
            d->Edit2->text().isEmpty() && d->Edit3->text().isEmpty() && !d->CheckBox1->isChecked();
    });
    QVERIFY(empty);
    QCOMPARE(text, u"<select name=\"\">\r\n\t<option>rot\r\n\t<option>blau\r\n</select>"_s);
}

void TestLists::closingWays_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QStringList>("nextShows");
    QTest::newRow("Abbruch empties the list") << "Abbruch" << QStringList{QString()};
    QTest::newRow("Escape keeps what was typed") << "Escape" << QStringList{"a", "b"};
    QTest::newRow("the window frame keeps it too") << "close" << QStringList{"a", "b"};
}

void TestLists::closingWays()
{
    QFETCH(QString, way);
    QFETCH(QStringList, nextShows);
    DocumentFixture doc;
    const QString text = runList(
        doc, "ListenmitBuchstabengro1",
        [&](TDList* d) {
            setRows(d, {u"a"_s, u"b"_s});
            if (way == u"Abbruch")
                d->cancelButton()->click();
            else if (way == u"Escape")
                QTest::keyClick(d->SpinEdit1, Qt::Key_Escape);
            else
                d->close();
        },
        QString());
    QCOMPARE(text, QString());
    QStringList shown;
    runList(
        doc, "ListeBuchstabenklein1", [&](TDList* d) { shown = d->gridLines(); }, u"BitBtn2"_s);
    QCOMPARE(shown, nextShows);
}

void TestLists::openAndSaveListFiles()
{
    DocumentFixture doc;
    const QString five = doc.env.path(u"fuenf.lst"_s);
    writeBytes(five, "eins\r\nzwei\r\ndrei\r\nvier\r\nf\xfc"
                     "nf\r\n");
    const QString saved = doc.env.path(u"neu"_s); // no extension is added
    int spin = 0, rows = 0;
    QString openName, saveName;
    QStringList openFilters, saveFilters;
    const QString text = runList(
        doc, "Listenummeriert1",
        [&](TDList* d) {
            afterwards(d, [&, d] {
                answerFileDialog(five, &openName, &openFilters);
                d->BitBtn4->click();
                spin = d->SpinEdit1->value();
                rows = d->rowCount();
                typeRow(d, 0, u"Eins"_s);
                answerFileDialog(saved, &saveName, &saveFilters);
                d->BitBtn5->click();
                d->okButton()->click();
            });
        },
        QString());
    QCOMPARE(openName, u"OpenDialog1"_s);
    QCOMPARE(openFilters, (QStringList{u"Liste (*.lst)"_s, u"Alle Dateien (*.*)"_s}));
    QCOMPARE(saveName, u"SaveDialog1"_s);
    QCOMPARE(saveFilters, QStringList{u"Listen (*.lst)"_s});
    QCOMPARE(spin, 5);
    QCOMPARE(rows, 5);
    QCOMPARE(text, u"<ol>\r\n\t<li>Eins</li>\r\n\t<li>zwei</li>\r\n\t<li>drei</li>\r\n"
                   "\t<li>vier</li>\r\n\t<li>fünf</li>\r\n</ol>"_s);
    QCOMPARE(readBytes(saved), QByteArray("Eins\r\nzwei\r\ndrei\r\nvier\r\nf\xc3\xbcnf\r\n"));
}

void TestLists::longListFileLoadsWhole()
{
    DocumentFixture doc;
    const QString path = doc.env.path(u"lang.lst"_s);
    QStringList lines;
    for (int i = 1; i <= 1500; ++i)
        lines.append(QString::number(i));
    writeListFile(path, lines);
    int spin = 0, maximum = 0;
    const QString text = runList(doc, "BulletlisteRund1", [&](TDList* d) {
        d->loadListFile(path);
        spin = d->SpinEdit1->value();
        maximum = d->SpinEdit1->maximum();
    });
    QCOMPARE(spin, 1500);
    QVERIFY(maximum >= 1500);
    QCOMPARE(text.count(u"<li>"_s), 1500);
    QVERIFY(text.endsWith(u"\t<li>1500</li>\r\n</ul>"_s));
    // The next dialog shows all of them again.
    int again = 0;
    runList(doc, "BulletlisteRund1", [&](TDList* d) { again = d->SpinEdit1->value(); });
    QCOMPARE(again, 1500);
}

void TestLists::cancelledFileDialogsChangeNothing()
{
    DocumentFixture doc;
    const QString path = doc.env.path(u"nie.lst"_s);
    QStringList shown;
    runList(
        doc, "Listenummeriert1",
        [&](TDList* d) {
            afterwards(d, [&, d] {
                setRows(d, {u"x"_s, u"y"_s});
                answerFileDialog(QString());
                d->BitBtn4->click();
                answerFileDialog(QString());
                d->BitBtn5->click();
                shown = d->gridLines();
                d->okButton()->click();
            });
        },
        QString());
    QCOMPARE(shown, (QStringList{u"x"_s, u"y"_s}));
    QVERIFY(!QFile::exists(path));
}

void TestLists::failedSaveKeepsTheLines()
{
    DocumentFixture doc;
    const QString target = doc.env.path(u"fehlt/liste.lst"_s); // its directory does not exist
    QString message;
    QStringList shown;
    const QString text = runList(
        doc, "Listenummeriert1",
        [&](TDList* d) {
            afterwards(d, [&, d] {
                setRows(d, {u"bleibt"_s});
                answerFileDialog(target);
                answerMessageBox(QMessageBox::Ok, &message);
                // Posted, so the error reaches the general error report as a click's would.
                QMetaObject::invokeMethod(d->BitBtn5, &QPushButton::click, Qt::QueuedConnection);
                QTRY_VERIFY(!message.isEmpty());
                shown = d->gridLines();
                d->okButton()->click();
            });
        },
        QString());
    QVERIFY2(message.contains(u"nicht erstellen"_s), qPrintable(message));
    QCOMPARE(shown, QStringList{u"bleibt"_s});
    QCOMPARE(text, u"<ol>\r\n\t<li>bleibt</li>\r\n</ol>"_s);
}

void TestLists::movedRowsStayWhereTheyAreShown_data()
{
    QTest::addColumn<QString>("then");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QByteArray>("saved"); // empty: nothing saved
    QTest::newRow("OK") << "" << QStringList{"b", "c", "a"} << QByteArray();
    QTest::newRow("Speichern") << "save" << QStringList{"b", "c", "a"}
                               << QByteArray("b\r\nc\r\na\r\n");
    QTest::newRow("Öffnen") << "open" << QStringList{"x", "y", "z"} << QByteArray();
    QTest::newRow("Öffnen, then Speichern")
        << "open save" << QStringList{"x", "y", "z"} << QByteArray("x\r\ny\r\nz\r\n");
    QTest::newRow("fewer rows") << "fewer" << QStringList{"b", "c"} << QByteArray();
    QTest::newRow("another move") << "move" << QStringList{"c", "b", "a"} << QByteArray();
}

void TestLists::movedRowsStayWhereTheyAreShown()
{
    QFETCH(QString, then);
    QFETCH(QStringList, shown);
    QFETCH(QByteArray, saved);
    DocumentFixture doc;
    const QString file = doc.env.path(u"xyz.lst"_s);
    writeBytes(file, "x\r\ny\r\nz\r\n");
    const QString copy = doc.env.path(u"kopie.lst"_s);
    QStringList onScreen, read;
    const QString text = runList(
        doc, "Listenummeriert1",
        [&](TDList* d) {
            afterwards(d, [&, d] {
                setRows(d, {u"a"_s, u"b"_s, u"c"_s});
                // The first row dragged below the last, as with the mouse on the row header.
                d->StringGrid1->verticalHeader()->moveSection(0, 2);
                if (then.contains(u"open")) {
                    answerFileDialog(file);
                    d->BitBtn4->click();
                }
                if (then.contains(u"save")) {
                    answerFileDialog(copy);
                    d->BitBtn5->click();
                }
                if (then == u"fewer")
                    d->SpinEdit1->setValue(2);
                if (then == u"move")
                    d->StringGrid1->verticalHeader()->moveSection(1, 0);
                onScreen = shownLines(d);
                read = d->gridLines();
                d->okButton()->click();
            });
        },
        QString());
    QCOMPARE(onScreen, shown);
    QCOMPARE(read, shown);
    QCOMPARE(text, ::listMarkup(ListKind::Numbered, shown));
    if (!saved.isEmpty())
        QCOMPARE(readBytes(copy), saved);
}

void TestLists::pastedLinesFillRows_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("cursor"); // in the open cell; -1: pasted into the grid, no cell open
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("into the first row")
        << QStringList{""} << 0 << -1 << "a\nb\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("from a middle row, over its neighbours")
        << QStringList{"x", "y", "z"} << 1 << -1 << "a\r\nb\r\nc\r\n"
        << QStringList{"x", "a", "b", "c"};
    QTest::newRow("one line replaces the row")
        << QStringList{"x", "y"} << 0 << -1 << "a" << QStringList{"a", "y"};
    QTest::newRow("into an open cell, at its cursor")
        << QStringList{"xy", "z"} << 0 << 1 << u"a\rb\u2029c"_s << QStringList{"xa", "b", "cy"};
}

void TestLists::pastedLinesFillRows()
{
    QFETCH(QStringList, before);
    QFETCH(int, row);
    QFETCH(int, cursor);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, after);
    DocumentFixture doc;
    const QString file = doc.env.path(u"eingefuegt.lst"_s);
    QStringList pasted, reopened;
    int spin = 0;
    const QString text = runList(
        doc, "BulletlisteRund1",
        [&](TDList* d) {
            afterwards(d, [&, d] {
                setRows(d, before);
                QApplication::clipboard()->setText(clipboard);
                QTableView* grid = d->StringGrid1;
                grid->setFocus();
                grid->setCurrentIndex(grid->model()->index(row, 0));
                if (cursor < 0) {
                    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
                } else {
                    grid->edit(grid->currentIndex());
                    auto* editor =
                        qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
                    QVERIFY(editor);
                    editor->setCursorPosition(cursor);
                    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
                }
                pasted = d->gridLines();
                spin = d->SpinEdit1->value();
                // Saved and opened again, every row comes back as one line.
                answerFileDialog(file);
                d->BitBtn5->click();
                d->SpinEdit1->setValue(1);
                answerFileDialog(file);
                d->BitBtn4->click();
                reopened = d->gridLines();
                d->okButton()->click();
            });
        },
        QString());
    QCOMPARE(pasted, after);
    QCOMPARE(spin, int(after.size()));
    QCOMPARE(reopened, after);
    QCOMPARE(text, ::listMarkup(ListKind::BulletRound, after));
}

void TestLists::linesHoldingLineEndsAreWrittenAsLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("LF") << "a\nb" << QByteArray("a\r\nb\r\n");
    QTest::newRow("CR LF and CR") << "a\r\nb\rc" << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("paragraph separator") << u"a\u2029b"_s << QByteArray("a\r\nb\r\n");
    QTest::newRow("final line end") << "a\n" << QByteArray("a\r\n");
    QTest::newRow("line separator is a character") << u"a\u2028b"_s
                                                   << QByteArray("a\xe2\x80\xa8"
                                                                 "b\r\n");
}

void TestLists::linesHoldingLineEndsAreWrittenAsLines()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, bytes);
    const QByteArray written = encodeListFile({u"vor"_s, line, QString()});
    QCOMPARE(written, "vor\r\n" + bytes + "\r\n");
    // What is written reads back line for line.
    QCOMPARE(encodeListFile(decodeListFile(written)), written);
}

void TestLists::fifoIsRefusedAtOnce()
{
    DocumentFixture doc;
    const QString fifo = doc.env.path(u"rohr.lst"_s);
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QString message;
    QStringList shown;
    runList(
        doc, "Listenummeriert1",
        [&](TDList* d) {
            afterwards(d, [&, d] {
                setRows(d, {u"bleibt"_s});
                // Should the open wait for a writer, this one ends the wait with a line.
                FifoRescue rescue(fifo);
                answerFileDialog(fifo);
                answerMessageBox(QMessageBox::Ok, &message);
                d->BitBtn4->click();
                QTRY_VERIFY(!message.isEmpty());
                shown = d->gridLines();
                d->okButton()->click();
            });
        },
        QString());
    QCOMPARE(message, cannotOpenText(fifo));
    QCOMPARE(shown, QStringList{u"bleibt"_s});
}

void TestLists::oversizedListFileIsRefused_data()
{
    QTest::addColumn<int>("lines");       // of "x" CR LF
    QTest::addColumn<QByteArray>("tail"); // after them
    QTest::addColumn<qint64>("size");     // the file is made this large (sparse), 0: as written
    QTest::addColumn<QString>("refusal"); // after the open text; empty: the file loads

    QTest::newRow("as many lines as a list holds")
        << MaxListFileLines << QByteArray() << 0ll << QString();
    const QString tooLong = u": Die Liste hat mehr als 100.000 Zeilen."_s;
    QTest::newRow("one line more") << MaxListFileLines + 1 << QByteArray() << 0ll << tooLong;
    QTest::newRow("one more without a line end")
        << MaxListFileLines << QByteArray("x") << 0ll << tooLong;
    QTest::newRow("lines ended by CR alone")
        << 2 << QByteArray("\r").repeated(MaxListFileLines - 1) << 0ll << tooLong;
    QTest::newRow("larger than a list can be, refused before reading")
        << 2 << QByteArray() << MaxListFileBytes + 1
        << u": Die Datei ist mit 33 MB zu groß (höchstens 32 MB)."_s;
}

void TestLists::oversizedListFileIsRefused()
{
    QFETCH(int, lines);
    QFETCH(QByteArray, tail);
    QFETCH(qint64, size);
    QFETCH(QString, refusal);
    DocumentFixture doc;
    const QString path = doc.env.path(u"lang.lst"_s);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("x\r\n").repeated(lines) + tail);
        if (size > 0)
            QVERIFY(file.resize(size));
    }
    QString message;
    QStringList shown;
    int spin = 0;
    QElapsedTimer timer;
    const QString text = runList(
        doc, "BulletlisteRund1",
        [&](TDList* d) {
            afterwards(d, [&, d] {
                setRows(d, {u"bleibt"_s});
                if (!refusal.isEmpty())
                    answerMessageBox(QMessageBox::Ok, &message);
                timer.start();
                d->loadListFile(path);
                shown = d->gridLines().mid(0, 2);
                spin = d->SpinEdit1->value();
                d->okButton()->click();
            });
        },
        QString());
    QFile::remove(path);
    if (refusal.isEmpty()) {
        QCOMPARE(spin, lines);
        QCOMPARE(text.count(u"<li>x</li>"_s), lines);
        // Loading, OK and the insertion of the longest list stay quick.
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        return;
    }
    QCOMPARE(message, cannotOpenText(path) + refusal);
    // The list in the dialog stays as it was.
    QCOMPARE(shown, QStringList{u"bleibt"_s});
    QCOMPARE(spin, 1);
    QCOMPARE(text, u"<ul>\r\n\t<li>bleibt</li>\r\n</ul>"_s);
}

void TestLists::toolbarButtonsReachTheirLists_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opening");
    const char* const rows[][2] = {
        {"SBtnListNum", "<ol>"},
        {"SBtnListAlpha1", "<ol type=A>"},
        {"SBtnListAlpha2", "<ol type=a>"},
        {"SBtnListRoma1", "<ol type=I>"},
        {"SBtnListRoma2", "<ol type=i>"},
        {"SBtnBullListRect", "<ul type=square>"},
        {"SBtnBulListCirc", "<ul>"},
        {"SBtnDirList", "<dir>"},
        {"SBtnAuswahl", "<select name=\"\">"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << row[0] << row[1];
}

void TestLists::toolbarButtonsReachTheirLists()
{
    QFETCH(QString, button);
    QFETCH(QString, opening);
    DocumentFixture doc;
    runIdle(); // the menu-state update enables the buttons
    QAction* action = doc.frame->control(button);
    QVERIFY(action && action->isEnabled());
    answerDialog<TDList>([](TDList*) {});
    action->trigger();
    QVERIFY(waitNoModal());
    QVERIFY2(doc.memo->text().startsWith(opening + u"\r\n"_s), qPrintable(doc.memo->text()));
}

TESSALINE_TEST_MAIN(TestLists)
#include "tst_lists.moc"
