// Tests of the table dialog and the table command: memory, grid, reactions and table files.
#include "core/ShellState.h"
#include "core/TextFileCodec.h"
#include "generators/DocumentFixture.h"
#include "generators/TableDialog.h"
#include "generators/TableFile.h"
#include "generators/TableGrid.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>

using namespace Qt::StringLiterals;

class TestTableDialog : public QObject
{
    Q_OBJECT
private slots:
    void okAtOnceInsertsTheStartTable();
    void closingWithoutOkKeepsTheTable_data();
    void closingWithoutOkKeepsTheTable();
    void cellsTypedInPlaceWithTab();
    void rowHeightsSnapToTheFirstRow();
    void pointerFields();
    void pointerOutsideTheCellsShowsNothing_data();
    void pointerOutsideTheCellsShowsNothing();
    void controlReactions();
    void movedColumnTakesItsTextsAndWidth();
    void savingWritesTheFileLayout();
    void openingAFile_data();
    void openingAFile();
    void cancelledFileDialogChangesNothing();

private:
    TestEnvironment m_env;
};

namespace
{

const QString StartTable = u"<table border=\"1\">\r\n"
                           "\t<tr><th nowrap colspan=\"1\">Titel 1</th></tr>\r\n"
                           "\t<tr>\r\n\t\t<td></td>\r\n\t</tr>\r\n</table>"_s;

void showActive(QDialog* dialog)
{
    dialog->show();
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

// Answers the next file dialog with path, or cancels it when path is empty.
void chooseFile(const QString& path)
{
    whenModal([path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog)
            return false;
        if (path.isEmpty()) {
            dialog->reject();
            return true;
        }
        dialog->setDirectory(QFileInfo(path).absolutePath());
        dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(QFileInfo(path).fileName());
        static_cast<QDialog*>(dialog)->accept(); // runs the file dialog's own checks
        return true;
    });
}

QByteArray crlf(const QStringList& lines)
{
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Types into whatever has the focus, key by key, as a cell editor opens and closes.
void typeKeys(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

// Drags the lower edge of a data row's header by dy pixels and lets go.
void dragRowEdge(TTableGrid* grid, int row, int dy)
{
    QHeaderView* side = grid->verticalHeader();
    const QPoint edge(side->width() / 2,
                      side->sectionViewportPosition(row) + side->sectionSize(row) - 1);
    QTest::mousePress(side->viewport(), Qt::LeftButton, {}, edge);
    QTest::mouseMove(side->viewport(), edge + QPoint(0, dy / 2));
    QTest::mouseMove(side->viewport(), edge + QPoint(0, dy));
    QTest::mouseRelease(side->viewport(), Qt::LeftButton, {}, edge + QPoint(0, dy));
}

} // namespace

void TestTableDialog::okAtOnceInsertsTheStartTable()
{
    DocumentFixture doc;
    doc.setText(u"<body>"_s);
    answerDialog<TDTableForm>([](TDTableForm* d) {
        QCOMPARE(d->windowTitle(), u"Tabelle"_s);
        QCOMPARE(QApplication::focusWidget(), d->SpinEdit1);
        QCOMPARE(d->Cell->text(), u"Cell"_s);
        QCOMPARE(d->StringGrid1->columnWidth(0), 85);
        QCOMPARE(d->StringGrid1->rowHeight(0), 21);
        QCOMPARE(d->StringGrid1->gridLineWidth(), 1);
    });
    doc.trigger("Tabelle1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"<body>"_s + StartTable);
    QCOMPARE(doc.memo->selStart(), doc.memo->textLength());
}

void TestTableDialog::closingWithoutOkKeepsTheTable_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Abbruch") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("window frame") << 2;
}

void TestTableDialog::closingWithoutOkKeepsTheTable()
{
    QFETCH(int, way);
    DocumentFixture doc;
    // A table inserted before leaves the accept flag set; closing without OK must clear it.
    answerDialog<TDTableForm>([](TDTableForm*) {});
    doc.trigger("Tabelle1");
    QVERIFY(waitNoModal());
    doc.setText(u"x"_s);

    answerDialog<TDTableForm>(
        [way](TDTableForm* d) {
            d->SpinEdit1->setValue(2);
            d->SpinEdit2->setValue(2);
            d->SpinEdit3->setValue(0);
            d->StringGrid1->setCellText(0, 0, u"a"_s);
            d->StringGrid1->setCellText(1, 1, u"d"_s);
            d->StringGrid1->setColumnWidth(1, 90);
            d->CheckBox1->setChecked(true);
            d->CheckBox3->setChecked(true);
            d->CheckBox4->setChecked(true);
            d->Edit2->setText(u"Ende"_s);
            QTest::keyClicks(d->Edit4, u"50%"_s);
            if (way == 0)
                d->cancelButton()->click();
            else if (way == 1)
                QTest::keyClick(d->SpinEdit1, Qt::Key_Escape);
            else
                d->close();
        },
        QString());
    doc.trigger("Tabelle1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"x"_s);

    answerDialog<TDTableForm>([](TDTableForm* d) {
        QCOMPARE(d->SpinEdit1->value(), 2);
        QCOMPARE(d->SpinEdit2->value(), 2);
        QCOMPARE(d->SpinEdit3->value(), 0);
        QCOMPARE(d->StringGrid1->gridLineWidth(), 0);
        QCOMPARE(d->StringGrid1->columnCount(), 2);
        QCOMPARE(d->StringGrid1->columnWidth(1), 90);
        QCOMPARE(d->StringGrid1->cellTexts(), (QStringList{u"a"_s, {}, {}, u"d"_s}));
        QVERIFY(d->CheckBox1->isChecked() && d->CheckBox3->isChecked());
        QCOMPARE(d->Edit2->text(), u"Ende"_s);
        QCOMPARE(d->Edit4->text(), u"50%"_s);
    });
    doc.trigger("Tabelle1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(),
             u"x<table width=50%>\r\n\t<tr><th nowrap colspan=\"2\">Titel 1</th></tr>\r\n"
             "\t<tr>\r\n\t\t<th>a</th>\r\n\t\t<th></th>\r\n\t</tr>\r\n"
             "\t<tr>\r\n\t\t<td></td>\r\n\t\t<td>d</td>\r\n\t</tr>\r\n"
             "\t<tr><th nowrap colspan=\"2\">Ende</th></tr>\r\n</table>"_s);
}

void TestTableDialog::cellsTypedInPlaceWithTab()
{
    ShellState state;
    TDTableForm dialog({}, state);
    dialog.SpinEdit1->setValue(2);
    dialog.SpinEdit2->setValue(2);
    showActive(&dialog);
    TTableGrid* grid = dialog.StringGrid1;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 0)).center());
    typeKeys(u"eins"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    typeKeys(u"zwei"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    typeKeys(u"drei"_s);
    // OK while the last cell is still being edited takes its text too.
    dialog.okButton()->click();
    QVERIFY(state.acceptFlag);
    QCOMPARE(state.tableGeneratorLines, (QStringList{u"eins"_s, u"zwei"_s, u"drei"_s, {}}));
    QCOMPARE(state.tableMemory.columns, u"2"_s);
}

void TestTableDialog::rowHeightsSnapToTheFirstRow()
{
    ShellState state;
    TDTableForm dialog({}, state);
    dialog.SpinEdit2->setValue(4);
    showActive(&dialog);
    TTableGrid* grid = dialog.StringGrid1;

    dragRowEdge(grid, 2, 15);
    for (int r = 0; r < 4; ++r)
        QCOMPARE(grid->rowHeight(r), 21);

    dragRowEdge(grid, 0, 14);
    QCOMPARE(grid->rowHeight(0), 35);
    for (int r = 1; r < 4; ++r)
        QCOMPARE(grid->rowHeight(r), 35);

    dialog.reject();
    QCOMPARE(state.tableMemory.rowHeight, 35);
    TDTableForm again({}, state);
    for (int r = 0; r < 4; ++r)
        QCOMPARE(again.StringGrid1->rowHeight(r), 35);
}

void TestTableDialog::pointerFields()
{
    ShellState state;
    TDTableForm dialog({}, state);
    dialog.SpinEdit1->setValue(3);
    dialog.SpinEdit2->setValue(2);
    showActive(&dialog);
    TTableGrid* grid = dialog.StringGrid1;
    grid->setColumnWidth(2, 70);
    grid->setRowHeight(0, 30);
    QTest::mouseMove(grid->viewport(), grid->visualRect(grid->model()->index(1, 2)).center());
    QCOMPARE(dialog.Cell->text(), u"3:2"_s);
    QCOMPARE(dialog.PX->text(), u"70"_s);
    QCOMPARE(dialog.PY->text(), u"30"_s);
    QTest::mouseMove(grid->verticalHeader()->viewport(), QPoint(5, 5));
    QCOMPARE(dialog.Cell->text(), u"0:1"_s);
    QCOMPARE(dialog.PX->text(), u"64"_s);
}

void TestTableDialog::pointerOutsideTheCellsShowsNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("right of the cells") << "right";
    QTest::newRow("below the cells") << "below";
    QTest::newRow("right of the last column head") << "top";
    QTest::newRow("below the last row head") << "side";
}

void TestTableDialog::pointerOutsideTheCellsShowsNothing()
{
    QFETCH(QString, where);
    ShellState state;
    TDTableForm dialog({}, state);
    dialog.SpinEdit1->setValue(2);
    dialog.SpinEdit2->setValue(2);
    showActive(&dialog);
    TTableGrid* grid = dialog.StringGrid1;
    const QRect last = grid->visualRect(grid->model()->index(1, 1));
    QTest::mouseMove(grid->viewport(), grid->visualRect(grid->model()->index(0, 0)).center());
    QCOMPARE(dialog.Cell->text(), u"1:1"_s);

    QWidget* surface = grid->viewport();
    QPoint outside;
    if (where == u"right") {
        outside = QPoint(last.right() + 20, last.center().y());
    } else if (where == u"below") {
        outside = QPoint(last.center().x(), last.bottom() + 20);
    } else if (where == u"top") {
        surface = grid->horizontalHeader()->viewport();
        outside = QPoint(last.right() + 20, surface->height() / 2);
    } else {
        surface = grid->verticalHeader()->viewport();
        outside = QPoint(surface->width() / 2, last.bottom() + 20);
    }
    QVERIFY2(surface->rect().contains(outside), "the grid has room beside its cells");
    QTest::mouseMove(surface, outside);
    QCOMPARE(dialog.Cell->text(), QString());
    QCOMPARE(dialog.PX->text(), QString());
    QCOMPARE(dialog.PY->text(), QString());
    // Back over a cell, the panes tell it again.
    QTest::mouseMove(grid->viewport(), last.center());
    QCOMPARE(dialog.Cell->text(), u"2:2"_s);
}

void TestTableDialog::controlReactions()
{
    ShellState state;
    TDTableForm dialog({}, state);
    showActive(&dialog);
    TTableGrid* grid = dialog.StringGrid1;

    dialog.SpinEdit1->setValue(4);
    QCOMPARE(grid->columnCount(), 4);
    QCOMPARE(grid->columnWidth(0), 85);
    QCOMPARE(grid->columnWidth(3), 64);
    QCOMPARE(state.tableMemory.columns, u"4"_s);
    dialog.SpinEdit2->setValue(3);
    QCOMPARE(grid->rowCount(), 3);
    dialog.SpinEdit3->setValue(5);
    QCOMPARE(grid->gridLineWidth(), 5);
    QCOMPARE(state.tableMemory.border, u"5"_s);

    dialog.CheckBox5->click();
    dialog.CheckBox6->click();
    QTest::keyClicks(dialog.Edit3, u"1"_s);
    QVERIFY(!dialog.CheckBox5->isChecked() && !dialog.CheckBox6->isChecked());
    QTest::keyClicks(dialog.Edit4, u"80%"_s);
    dialog.CheckBox6->click();
    QVERIFY(dialog.CheckBox6->isChecked());
    QVERIFY(dialog.Edit3->text().isEmpty() && dialog.Edit4->text().isEmpty());

    // Titles turn typed umlauts into entities; the size fields and cells take them as typed.
    dialog.Edit1->clear();
    QTest::keyClicks(dialog.Edit1, u"Maß"_s);
    QCOMPARE(dialog.Edit1->text(), u"Ma&szlig;"_s);
}

void TestTableDialog::movedColumnTakesItsTextsAndWidth()
{
    ShellState state;
    TDTableForm dialog({}, state);
    dialog.SpinEdit1->setValue(3);
    TTableGrid* grid = dialog.StringGrid1;
    for (int c = 0; c < 3; ++c)
        grid->setCellText(0, c, QString::number(c + 1));
    grid->setColumnWidth(0, 100);
    grid->horizontalHeader()->moveSection(0, 2);
    QCOMPARE(grid->cellTexts(), (QStringList{u"2"_s, u"3"_s, u"1"_s}));
    QCOMPARE(grid->columnWidth(2), 100);
    QCOMPARE(grid->horizontalHeader()->logicalIndex(2), 2);
    dialog.SpinEdit1->setValue(2); // the last column goes, whichever it was
    QCOMPARE(grid->cellTexts(), (QStringList{u"2"_s, u"3"_s}));
}

void TestTableDialog::savingWritesTheFileLayout()
{
    ShellState state;
    TDTableForm dialog({}, state);
    dialog.SpinEdit1->setValue(2);
    dialog.Edit1->setText(u"Größe"_s);
    dialog.StringGrid1->setCellText(0, 1, u"b"_s);
    showActive(&dialog);
    const QString path = m_env.path(u"neu"_s);
    chooseFile(path);
    dialog.BitBtn5->click();
    QVERIFY(waitNoModal());
    // No extension is added to a name typed without one.
    QCOMPARE(readAll(path), crlf({u"2"_s,    u"1"_s,     u"1"_s,     u"0"_s,       u"0"_s,
                                  {},        {},         u"Größe"_s, u"Titel 2"_s, u"false"_s,
                                  u"true"_s, u"false"_s, u"false"_s, u"false"_s,   u"false"_s,
                                  u"21"_s,   u"85"_s,    u"64"_s,    {},           u"b"_s}));
    QVERIFY(dialog.isVisible());
}

void TestTableDialog::openingAFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");   // empty: loads whole
    QTest::addColumn<QStringList>("after"); // columns, rows, border, title 1, cells
    QTest::addColumn<qint64>("size");       // the file is made this large (sparse); 0: as written

    const QStringList good{u"2"_s,     u"1"_s,    u"0"_s,    u"2"_s,    u"3"_s,
                           u"10"_s,    u"20%"_s,  u"Kopf"_s, u"Fuß"_s,  u"false"_s,
                           u"false"_s, u"true"_s, u"true"_s, u"true"_s, u"false"_s,
                           u"25"_s,    u"70"_s,   u"90"_s,   u"x"_s,    u"y"_s};
    QTest::newRow("whole file") << crlf(good) << QString()
                                << QStringList{u"2"_s, u"1"_s, u"0"_s, u"Kopf"_s, u"x|y"_s} << 0ll;
    QStringList spoiled = good;
    spoiled[2] = u"dick"_s;
    QTest::newRow("non-number on line 3")
        << crlf(spoiled) << u"'dick' ist kein gültiger Integerwert"_s
        << QStringList{u"2"_s, u"1"_s, u"1"_s, u"Titel 1"_s, u"|"_s} << 0ll;
    QTest::newRow("too few lines")
        << crlf(good.mid(0, 19)) << u"Listenindex außerhalb des zulässigen Bereichs"_s
        << QStringList{u"2"_s, u"1"_s, u"0"_s, u"Kopf"_s, u"x|"_s} << 0ll;
    QStringList umlauts = good;
    umlauts[7] = u"Überschrift"_s;
    umlauts[18] = u"Größe"_s;
    QTest::newRow("Windows-1252 with umlauts")
        << encodeWindows1252(umlauts.join(u"\r\n"_s)) << QString()
        << QStringList{u"2"_s, u"1"_s, u"0"_s, u"Überschrift"_s, u"Größe|y"_s} << 0ll;
    // A good table in front: a file this large is refused before a byte of it is read.
    QTest::newRow("larger than a table file can be")
        << crlf(good)
        << u"Kann Datei <path> nicht öffnen: Die Datei ist mit 17 MB zu groß "
           "(höchstens 16 MB)."_s
        << QStringList{u"1"_s, u"1"_s, u"1"_s, u"Titel 1"_s, QString()}
        << TableLimits::MaxFileBytes + 1;
}

void TestTableDialog::openingAFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QStringList, after);
    QFETCH(qint64, size);
    const QString path = m_env.path(u"tabelle.tab"_s);
    writeAll(path, bytes);
    if (size > 0)
        QVERIFY(QFile::resize(path, size));
    message.replace(u"<path>"_s, QDir::toNativeSeparators(path));

    ShellState state;
    TDTableForm dialog({}, state);
    showActive(&dialog);
    chooseFile(path);
    QString shown;
    if (!message.isEmpty())
        answerMessageBox(QMessageBox::Ok, &shown);
    dialog.BitBtn4->click();
    QVERIFY(waitNoModal());
    QCOMPARE(shown, message);
    QVERIFY(dialog.isVisible());
    const QStringList got{QString::number(dialog.SpinEdit1->value()),
                          QString::number(dialog.SpinEdit2->value()),
                          QString::number(dialog.SpinEdit3->value()), dialog.Edit1->text(),
                          dialog.StringGrid1->cellTexts().join(u'|')};
    QCOMPARE(got, after);
    if (!message.isEmpty())
        return;
    QVERIFY(dialog.CheckBox3->isChecked() && dialog.CheckBox5->isChecked());
    QCOMPARE(dialog.Edit3->text(), u"10"_s); // loading keeps both sizes and forced widths
    QCOMPARE(dialog.StringGrid1->rowHeight(0), 25);
    QCOMPARE(dialog.StringGrid1->columnWidth(1), 90);

    // Saved again, the file comes back byte for byte, in its own encoding.
    static int copies = 0;
    const QString copy = m_env.path(u"kopie%1.tab"_s.arg(++copies));
    chooseFile(copy);
    dialog.BitBtn5->click();
    QVERIFY(waitNoModal());
    QCOMPARE(readAll(copy), bytes.endsWith("\r\n") ? bytes : bytes + "\r\n");
}

void TestTableDialog::cancelledFileDialogChangesNothing()
{
    ShellState state;
    TDTableForm dialog({}, state);
    dialog.Edit1->setText(u"bleibt"_s);
    const QStringList files = QDir(m_env.dir()).entryList(QDir::Files);
    showActive(&dialog);
    chooseFile(QString());
    dialog.BitBtn4->click();
    QVERIFY(waitNoModal());
    chooseFile(QString());
    dialog.BitBtn5->click();
    QVERIFY(waitNoModal());
    QCOMPARE(dialog.Edit1->text(), u"bleibt"_s);
    QCOMPARE(QDir(m_env.dir()).entryList(QDir::Files), files);
}

TESSALINE_TEST_MAIN(TestTableDialog)
#include "tst_tabledialog.moc"
