// Tests of the table markup and the table files, without the dialog.
#include "core/ShellState.h"
#include "core/TextFileCodec.h"
#include "generators/TableFile.h"
#include "generators/TableMarkup.h"
#include "platform/UserError.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTableMarkup : public QObject
{
    Q_OBJECT
private slots:
    void markup_data();
    void markup();
    void fileRoundTrip_data();
    void fileRoundTrip();
    void malformedFiles_data();
    void malformedFiles();
    void valuesBroughtIntoRange();
    void windows1252FileWithUmlauts();
    void valueWithALineBreakStaysOnItsLine();
    void savedTableLoadsAsItself_data();
    void savedTableLoadsAsItself();
};

namespace
{

// The table dialog's start values, as the memory holds them after OK at once.
TableMemory startTable()
{
    TableMemory t;
    t.columns = u"1"_s;
    t.rows = u"1"_s;
    t.border = u"1"_s;
    t.cellSpacing = u"0"_s;
    t.cellPadding = u"0"_s;
    t.title1 = u"Titel 1"_s;
    t.title2 = u"Titel 2"_s;
    t.title1On = true;
    t.rowHeight = 21;
    t.columnWidths = {85};
    return t;
}

// key=value pairs over the start values; flags take 1 or 0, widths a comma list.
TableMemory tableFrom(const QStringList& fields)
{
    TableMemory t = startTable();
    for (const QString& field : fields) {
        const QString key = field.section(u'=', 0, 0);
        const QString value = field.section(u'=', 1);
        const bool on = value == u"1";
        if (key == u"columns")
            t.columns = value;
        else if (key == u"rows")
            t.rows = value;
        else if (key == u"border")
            t.border = value;
        else if (key == u"spacing")
            t.cellSpacing = value;
        else if (key == u"padding")
            t.cellPadding = value;
        else if (key == u"height")
            t.tableHeight = value;
        else if (key == u"width")
            t.tableWidth = value;
        else if (key == u"title1")
            t.title1 = value;
        else if (key == u"title2")
            t.title2 = value;
        else if (key == u"header")
            t.firstRowHeader = on;
        else if (key == u"title1On")
            t.title1On = on;
        else if (key == u"title2On")
            t.title2On = on;
        else if (key == u"footer")
            t.title2Footer = on;
        else if (key == u"forceWidth")
            t.forceColumnWidth = on;
        else if (key == u"forceHeight")
            t.forceRowHeight = on;
        else if (key == u"rowHeight")
            t.rowHeight = value.toInt();
        else if (key == u"widths") {
            t.columnWidths.clear();
            for (const QString& w : value.split(u','))
                t.columnWidths << w.toInt();
        } else
            qFatal("unknown field %s", qPrintable(field));
    }
    return t;
}

// Lines joined with CR LF, the last one too.
QByteArray crlf(const QStringList& lines)
{
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

// A 2 x 2 table file with every kind of line, as the dialog writes it.
QStringList sampleLines()
{
    return {u"2"_s,   u"2"_s,    u"3"_s,    u"4"_s,     u"5"_s,    u"200"_s,   u"80%"_s,  u"Kopf"_s,
            u"Fuß"_s, u"true"_s, u"true"_s, u"false"_s, u"true"_s, u"false"_s, u"true"_s, u"30"_s,
            u"85"_s,  u"64"_s,   u"a"_s,    u"b"_s,     u"c"_s,    u"d"_s};
}

} // namespace

void TestTableMarkup::markup_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("expected");

    const QString defaultBody = u"\t<tr><th nowrap colspan=\"1\">Titel 1</th></tr>\r\n"
                                "\t<tr>\r\n\t\t<td></td>\r\n\t</tr>\r\n</table>"_s;
    QTest::newRow("start values, OK at once")
        << QStringList{} << QStringList{} << u"<table border=\"1\">\r\n"_s + defaultBody;
    QTest::newRow("zeros write no attribute")
        << QStringList{u"border=0"_s, u"spacing=0"_s, u"padding=0"_s} << QStringList{}
        << u"<table>\r\n"_s + defaultBody;
    QTest::newRow("width before height, only the height quoted")
        << QStringList{u"width=80%"_s, u"height=200"_s} << QStringList{}
        << u"<table border=\"1\" width=80% height=\"200\">\r\n"_s + defaultBody;
    QTest::newRow("every start attribute in order")
        << QStringList{u"border=2"_s, u"width=50"_s, u"height=10%"_s, u"spacing=3"_s,
                       u"padding=4"_s}
        << QStringList{}
        << u"<table border=\"2\" width=50 height=\"10%\" cellspacing=\"3\" cellpadding=\"4\">\r\n"_s +
               defaultBody;
    QTest::newRow("forced sizes only in the first row")
        << QStringList{u"columns=2"_s,    u"rows=2"_s,        u"title1On=0"_s,
                       u"forceWidth=1"_s, u"forceHeight=1"_s, u"widths=85,64"_s}
        << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}
        << u"<table border=\"1\">\r\n\t<tr>\r\n"
           "\t\t<td width=85 height=\"21\">a</td>\r\n\t\t<td width=64 height=\"21\">b</td>\r\n"
           "\t</tr>\r\n\t<tr>\r\n\t\t<td>c</td>\r\n\t\t<td>d</td>\r\n\t</tr>\r\n</table>"_s;
    QTest::newRow("header row with forced height only")
        << QStringList{u"columns=2"_s, u"title1On=0"_s, u"header=1"_s, u"forceHeight=1"_s,
                       u"rowHeight=40"_s}
        << QStringList{u"K1"_s, u"K2"_s}
        << u"<table border=\"1\">\r\n\t<tr>\r\n\t\t<th height=\"40\">K1</th>\r\n"
           "\t\t<th height=\"40\">K2</th>\r\n\t</tr>\r\n</table>"_s;
    QTest::newRow("header row with forced width")
        << QStringList{u"title1On=0"_s, u"header=1"_s, u"forceWidth=1"_s, u"widths=120"_s}
        << QStringList{u"K"_s}
        << u"<table border=\"1\">\r\n\t<tr>\r\n\t\t<th width=120>K</th>\r\n\t</tr>\r\n</table>"_s;
    QTest::newRow("title 2 as footer below the last row")
        << QStringList{u"title2On=1"_s, u"footer=1"_s, u"rows=2"_s} << QStringList{u"x"_s}
        << u"<table border=\"1\">\r\n\t<tr><th nowrap colspan=\"1\">Titel 1</th></tr>\r\n"
           "\t<tr>\r\n\t\t<td>x</td>\r\n\t</tr>\r\n\t<tr>\r\n\t\t<td></td>\r\n\t</tr>\r\n"
           "\t<tr><th nowrap colspan=\"1\">Titel 2</th></tr>\r\n</table>"_s;
    QTest::newRow("title 2 without footer right below title 1")
        << QStringList{u"title2On=1"_s, u"columns=3"_s} << QStringList{}
        << u"<table border=\"1\">\r\n\t<tr><th nowrap colspan=\"3\">Titel 1</th></tr>\r\n"
           "\t<tr><th nowrap colspan=\"3\">Titel 2</th></tr>\r\n\t<tr>\r\n\t\t<td></td>\r\n"
           "\t\t<td></td>\r\n\t\t<td></td>\r\n\t</tr>\r\n</table>"_s;
    QTest::newRow("footer switch alone writes no title")
        << QStringList{u"title1On=0"_s, u"footer=1"_s} << QStringList{}
        << u"<table border=\"1\">\r\n\t<tr>\r\n\t\t<td></td>\r\n\t</tr>\r\n</table>"_s;
    QTest::newRow("cells as typed, row by row")
        << QStringList{u"columns=2"_s, u"rows=2"_s, u"title1On=0"_s}
        << QStringList{u"&auml;<b>"_s, u" "_s, u"ü"_s}
        << u"<table border=\"1\">\r\n\t<tr>\r\n\t\t<td>&auml;<b></td>\r\n\t\t<td> </td>\r\n"
           "\t</tr>\r\n\t<tr>\r\n\t\t<td>ü</td>\r\n\t\t<td></td>\r\n\t</tr>\r\n</table>"_s;
    const QString longTitle(300, u'T');
    QTest::newRow("a long title is never cut")
        << QStringList{u"title1="_s + longTitle} << QStringList{}
        << u"<table border=\"1\">\r\n\t<tr><th nowrap colspan=\"1\">"_s + longTitle +
               u"</th></tr>\r\n\t<tr>\r\n\t\t<td></td>\r\n\t</tr>\r\n</table>"_s;
}

void TestTableMarkup::markup()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, cells);
    QFETCH(QString, expected);
    QCOMPARE(tableMarkup(tableFrom(fields), cells), expected);
}

void TestTableMarkup::fileRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("2 x 2 with every kind of line") << crlf(sampleLines());
    QStringList bom = sampleLines();
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + crlf(bom);
    QStringList w1252 = sampleLines();
    QTest::newRow("Windows-1252") << encodeWindows1252((w1252.join(u"\r\n"_s) + u"\r\n"_s));
    QStringList wide{u"3"_s,     u"1"_s,     u"0"_s,     u"0"_s,
                     u"0"_s,     QString(),  QString(),  QString(300, u'x'),
                     QString(),  u"false"_s, u"false"_s, u"false"_s,
                     u"false"_s, u"false"_s, u"false"_s, u"21"_s,
                     u"85"_s,    u"64"_s,    u"64"_s,    QString(),
                     u"mitte"_s, QString()};
    QTest::newRow("empty values and a long title") << crlf(wide);
}

void TestTableMarkup::fileRoundTrip()
{
    QFETCH(QByteArray, bytes);
    TextFileFormat format;
    TableMemoryTarget loaded;
    readTableFile(tableFileLines(bytes, &format), loaded);
    QCOMPARE(tableFileBytes(loaded.table, loaded.cells, format), bytes);
}

namespace
{

// counts;texts;row height:widths;flags;cells — everything a target holds, in file order.
QString describe(const TableMemoryTarget& target)
{
    const TableMemory& t = target.table;
    QStringList widths;
    for (int w : t.columnWidths)
        widths << QString::number(w);
    QString flags;
    for (bool on : {t.firstRowHeader, t.title1On, t.title2On, t.title2Footer, t.forceColumnWidth,
                    t.forceRowHeight})
        flags += on ? u'1' : u'0';
    return QStringList{t.columns, t.rows, t.border, t.cellSpacing, t.cellPadding}.join(u',') +
           u';' + QStringList{t.tableHeight, t.tableWidth, t.title1, t.title2}.join(u',') + u';' +
           QString::number(t.rowHeight) + u':' + widths.join(u',') + u';' + flags + u';' +
           target.cells.join(u'|');
}

} // namespace

void TestTableMarkup::malformedFiles_data()
{
    QTest::addColumn<int>("keep");        // lines of the sample file kept
    QTest::addColumn<int>("lineToSpoil"); // 0: none
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("loaded"); // what the target holds afterwards

    const QString notInteger = u"'zwei' ist kein gültiger Integerwert"_s;
    const QString tooShort = u"Listenindex außerhalb des zulässigen Bereichs"_s;
    QTest::newRow("non-number on line 3") << 22 << 3 << notInteger << u"2,2,,,;,,,;0:;000000;"_s;
    QTest::newRow("non-number on line 1") << 22 << 1 << notInteger << u",,,,;,,,;0:;000000;"_s;
    QTest::newRow("non-number row height")
        << 22 << 16 << notInteger << u"2,2,3,4,5;200,80%,Kopf,Fuß;0:0,0;000000;|||"_s;
    QTest::newRow("non-number second width")
        << 22 << 18 << notInteger << u"2,2,3,4,5;200,80%,Kopf,Fuß;30:85,0;000000;|||"_s;
    QTest::newRow("empty file") << 0 << 0 << tooShort << u",,,,;,,,;0:;000000;"_s;
    QTest::newRow("title 2 missing")
        << 8 << 0 << tooShort << u"2,2,3,4,5;200,80%,Kopf,;0:0,0;000000;|||"_s;
    QTest::newRow("row height missing")
        << 15 << 0 << tooShort << u"2,2,3,4,5;200,80%,Kopf,Fuß;0:0,0;000000;|||"_s;
    QTest::newRow("last cell missing")
        << 21 << 0 << tooShort << u"2,2,3,4,5;200,80%,Kopf,Fuß;30:85,64;110101;a|b|c|"_s;
}

void TestTableMarkup::malformedFiles()
{
    QFETCH(int, keep);
    QFETCH(int, lineToSpoil);
    QFETCH(QString, message);
    QFETCH(QString, loaded);
    QStringList lines = sampleLines().mid(0, keep);
    if (lineToSpoil)
        lines[lineToSpoil - 1] = u"zwei"_s;
    TableMemoryTarget target;
    try {
        readTableFile(lines, target);
        QFAIL("the file was taken whole");
    } catch (const UserError& error) {
        QCOMPARE(error.text(), message);
    }
    QCOMPARE(describe(target), loaded);
}

void TestTableMarkup::valuesBroughtIntoRange()
{
    QStringList lines = sampleLines();
    lines[0] = u"150"_s; // columns: 100 at most
    lines[1] = u"0"_s;   // rows: 1 at least
    lines[2] = u"-5"_s;  // border: 0 at least
    lines[3] = u"101"_s;
    lines[9] = u"True"_s; // only exactly "true" checks a box
    // 100 widths and 100 cells follow.
    lines = lines.mid(0, 16);
    for (int i = 0; i < 100; ++i)
        lines << u"10"_s;
    for (int i = 0; i < 100; ++i)
        lines << QString::number(i);
    TableMemoryTarget target;
    readTableFile(lines, target);
    QCOMPARE(target.table.columns, u"100"_s);
    QCOMPARE(target.table.rows, u"1"_s);
    QCOMPARE(target.table.border, u"0"_s);
    QCOMPARE(target.table.cellSpacing, u"100"_s);
    QVERIFY(!target.table.firstRowHeader);
    QCOMPARE(target.cells.size(), 100);
    QCOMPARE(target.cells.last(), u"99"_s);
}

void TestTableMarkup::windows1252FileWithUmlauts()
{
    QStringList lines = sampleLines();
    lines[7] = u"Größe & Maße"_s;
    lines[18] = u"Übel"_s;
    TextFileFormat format;
    TableMemoryTarget target;
    readTableFile(tableFileLines(encodeWindows1252(lines.join(u"\r\n"_s)), &format), target);
    QCOMPARE(format.encoding, TextFileFormat::Encoding::Windows1252);
    QCOMPARE(target.table.title1, u"Größe & Maße"_s);
    QCOMPARE(target.cells.first(), u"Übel"_s);
    // A character the code page lacks turns the file into UTF-8 rather than into '?'.
    target.cells[1] = u"€ und ✓"_s;
    const QByteArray saved = tableFileBytes(target.table, target.cells, format);
    TableMemoryTarget again;
    readTableFile(tableFileLines(saved), again);
    QCOMPARE(again.cells.at(1), u"€ und ✓"_s);
    QCOMPARE(again.table.title1, u"Größe & Maße"_s);
}

void TestTableMarkup::valueWithALineBreakStaysOnItsLine()
{
    TableMemory t = startTable();
    t.title1 = u"zwei\r\nZeilen"_s;
    const QByteArray bytes = tableFileBytes(t, {u"a\nb"_s});
    QCOMPARE(bytes.count("\r\n"), 18);
    TableMemoryTarget loaded;
    readTableFile(tableFileLines(bytes), loaded);
    QCOMPARE(loaded.table.title1, u"zwei  Zeilen"_s);
    QCOMPARE(loaded.cells, QStringList{u"a b"_s});
}

void TestTableMarkup::savedTableLoadsAsItself_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QStringList separator = sampleLines();
    separator[7] = u"Kopf\u2028zweite Zeile"_s; // U+2028 ends no line of a file
    separator[20] = u"\u2028"_s;
    QTest::newRow("line separator in a title and a cell") << crlf(separator);
    // The byte FF, which no UTF-8 file holds, stands in a line after the last cell: what is
    // saved without it must not read as UTF-8 ("Ã¤" would come back as "ä").
    QStringList ansi = sampleLines();
    ansi[7] = u"Ã¤"_s;
    ansi[8] = u"FuÃŸ"_s;
    ansi[19] = u"Â€"_s;
    QTest::newRow("Windows-1252 whose saved bytes are valid UTF-8")
        << encodeWindows1252(ansi.join(u"\r\n"_s)) + "\r\n\xFF\r\n";
}

void TestTableMarkup::savedTableLoadsAsItself()
{
    QFETCH(QByteArray, bytes);
    TextFileFormat format;
    TableMemoryTarget loaded;
    readTableFile(tableFileLines(bytes, &format), loaded);
    TableMemoryTarget again;
    readTableFile(tableFileLines(tableFileBytes(loaded.table, loaded.cells, format)), again);
    QCOMPARE(describe(again), describe(loaded));
}

QTEST_GUILESS_MAIN(TestTableMarkup)
#include "tst_tablemarkup.moc"
