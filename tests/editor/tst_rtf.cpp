// Tests of the RTF reader and writer: round trips, a WordPad sample and malformed input.
#include "editor/Rtf.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace
{

struct RunSpec {
    QString text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

} // namespace

Q_DECLARE_METATYPE(RunSpec)

namespace
{

QTextCharFormat formatOf(const RunSpec& run)
{
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline);
    return format;
}

// The runs of a document's first block, with neighbours of equal format merged.
QList<RunSpec> runsOf(const QTextDocument& document)
{
    QList<RunSpec> runs;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        RunSpec run{it.fragment().text(), format.fontWeight() >= QFont::DemiBold,
                    format.fontItalic(), format.fontUnderline()};
        if (!runs.isEmpty() && runs.last().bold == run.bold && runs.last().italic == run.italic &&
            runs.last().underline == run.underline)
            runs.last().text += run.text;
        else
            runs.append(run);
    }
    return runs;
}

void roundTrip(const QTextDocument& source, QTextDocument* target)
{
    readRtf(writeRtf(&source), target);
}

QTextCharFormat charFormatAt(const QTextDocument& document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

const char* const kWordPadSample =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 "
    "Calibri;}{\\f1\\fswiss\\fprq2\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang7 Gr\\'fc\\'dfe aus M\\'fcnchen\\par\r\n"
    "\\pard\\qc\\sa200\\sl276\\slmult1\\b\\fs28 Titel\\b0\\fs22\\par\r\n"
    "\\pard\\li720\\ri360\\fi-360\\sa200\\sl276\\slmult1\\cf1\\f1\\fs20 Rot\\cf0 , "
    "\\i kursiv\\i0 , \\ul unter\\ulnone , B\\'e4r\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\par\r\n"
    "Ende\\tab mit\\line Umbruch\\par\r\n"
    "}\r\n";

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT
private slots:
    void indents_data();
    void indents();
    void alignment_data();
    void alignment();
    void characterStyles_data();
    void characterStyles();
    void fontSizeAndColour();
    void fontNames_data();
    void fontNames();
    void text_data();
    void text();
    void everyCodeUnit_data();
    void everyCodeUnit();
    void everyUnicodeEscape();
    void emptyDocumentAndEmptyLines_data();
    void emptyDocumentAndEmptyLines();
    void wordPadSample();
    void skippedDestinationsAndUnicodeFallback();
    void notRtfIsReadAsPlainText();
    void replacesContentAndClearsUndo();
    void malformed_data();
    void malformed();
    void truncatedAtEveryOffset();
    void randomGarbage();
};

void TestRtf::indents_data()
{
    QTest::addColumn<qreal>("first");
    QTest::addColumn<qreal>("left");
    QTest::addColumn<qreal>("right");
    QTest::addColumn<QByteArray>("words");

    QTest::newRow("all three") << 20.0 << 40.0 << 10.0 << QByteArray("\\fi300\\li600\\ri150");
    QTest::newRow("hanging") << -20.0 << 40.0 << 0.0 << QByteArray("\\fi-300\\li600");
    QTest::newRow("right only") << 0.0 << 0.0 << 96.0 << QByteArray("\\ql\\ri1440");
    QTest::newRow("none") << 0.0 << 0.0 << 0.0 << QByteArray("\\pard\\ql ");
    QTest::newRow("fraction of a pixel") << 13.4 << 0.0 << 0.0 << QByteArray("\\fi201");
}

void TestRtf::indents()
{
    QFETCH(qreal, first);
    QFETCH(qreal, left);
    QFETCH(qreal, right);
    QFETCH(QByteArray, words);

    QTextDocument source;
    QTextCursor cursor(&source);
    cursor.insertText(QStringLiteral("Absatz"));
    QTextBlockFormat format;
    format.setTextIndent(first);
    format.setLeftMargin(left);
    format.setRightMargin(right);
    cursor.setBlockFormat(format);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("ohne"));

    const QByteArray rtf = writeRtf(&source);
    QVERIFY2(rtf.contains(words), rtf.constData());

    QTextDocument target;
    readRtf(rtf, &target);
    QCOMPARE(target.blockCount(), 2);
    const QTextBlockFormat read = target.begin().blockFormat();
    QCOMPARE(qRound(read.textIndent() * 15), qRound(first * 15));
    QCOMPARE(qRound(read.leftMargin() * 15), qRound(left * 15));
    QCOMPARE(qRound(read.rightMargin() * 15), qRound(right * 15));
    const QTextBlockFormat second = target.lastBlock().blockFormat();
    QCOMPARE(second.textIndent(), 0.0);
    QCOMPARE(second.leftMargin(), 0.0);
}

void TestRtf::alignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QByteArray>("word");
    QTest::newRow("left") << int(Qt::AlignLeft) << QByteArray("\\ql");
    QTest::newRow("center") << int(Qt::AlignHCenter) << QByteArray("\\qc");
    QTest::newRow("right") << int(Qt::AlignRight) << QByteArray("\\qr");
    QTest::newRow("justify") << int(Qt::AlignJustify) << QByteArray("\\qj");
}

void TestRtf::alignment()
{
    QFETCH(int, alignment);
    QFETCH(QByteArray, word);

    QTextDocument source;
    QTextCursor cursor(&source);
    cursor.insertText(QStringLiteral("erster"));
    QTextBlockFormat format;
    format.setAlignment(Qt::Alignment(alignment));
    cursor.setBlockFormat(format);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("zweiter"));

    const QByteArray rtf = writeRtf(&source);
    QVERIFY(rtf.contains("\\pard" + word));
    QTextDocument target;
    readRtf(rtf, &target);
    QCOMPARE(int(target.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE(int(target.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask),
             int(Qt::AlignLeft));
}

void TestRtf::characterStyles_data()
{
    QTest::addColumn<QList<RunSpec>>("runs");
    auto runs = [](std::initializer_list<RunSpec> list) { return QList<RunSpec>(list); };
    QTest::newRow("bold") << runs({{"a"}, {"fett", true}, {"b"}});
    QTest::newRow("italic") << runs({{"a"}, {"kursiv", false, true}, {"b"}});
    QTest::newRow("underline") << runs({{"a"}, {"unter", false, false, true}, {"b"}});
    QTest::newRow("all at once, then off one by one")
        << runs({{"x", true, true, true}, {"y", true, true}, {"z", true}, {"w"}});
    QTest::newRow("overlapping") << runs({{"b", true},
                                          {"bi", true, true},
                                          {"i", false, true},
                                          {"iu", false, true, true},
                                          {"u", false, false, true}});
    QTest::newRow("digits and spaces after a switch")
        << runs({{"1", true}, {" 2"}, {"-3", false, true}});
}

void TestRtf::characterStyles()
{
    QFETCH(QList<RunSpec>, runs);

    QTextDocument source;
    QTextCursor cursor(&source);
    for (const RunSpec& run : runs)
        cursor.insertText(run.text, formatOf(run));
    QTextDocument target;
    roundTrip(source, &target);

    const QList<RunSpec> read = runsOf(target);
    QCOMPARE(read.size(), runs.size());
    for (qsizetype i = 0; i < runs.size(); ++i) {
        QCOMPARE(read[i].text, runs[i].text);
        QCOMPARE(read[i].bold, runs[i].bold);
        QCOMPARE(read[i].italic, runs[i].italic);
        QCOMPARE(read[i].underline, runs[i].underline);
    }
}

void TestRtf::fontSizeAndColour()
{
    QTextDocument source;
    QFont base(QStringLiteral("Arial"));
    base.setPointSize(11);
    source.setDefaultFont(base);
    QTextCursor cursor(&source);
    cursor.insertText(QStringLiteral("normal "));
    QTextCharFormat special;
    special.setFontFamilies({QStringLiteral("Courier New")});
    special.setFontPointSize(10.5);
    special.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("rot"), special);
    QTextCharFormat blue;
    blue.setForeground(QColor(0, 0, 255));
    blue.setFontPointSize(18);
    cursor.insertText(QStringLiteral("blau"), blue);

    const QByteArray rtf = writeRtf(&source);
    QVERIFY(rtf.contains("{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Courier New;}"));
    QVERIFY(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"));
    QVERIFY(rtf.contains("\\f1\\fs21\\cf1 rot"));

    QTextDocument target;
    readRtf(rtf, &target);
    QCOMPARE(target.toRawText(), QStringLiteral("normal rotblau"));
    const QTextCharFormat normal = charFormatAt(target, 0);
    QCOMPARE(normal.fontPointSize(), 11.0);
    QCOMPARE(normal.property(QTextFormat::FontFamilies).toStringList(),
             QStringList{QStringLiteral("Arial")});
    QVERIFY(normal.foreground().style() == Qt::NoBrush);
    const QTextCharFormat red = charFormatAt(target, 7);
    QCOMPARE(red.fontPointSize(), 10.5);
    QCOMPARE(red.property(QTextFormat::FontFamilies).toStringList(),
             QStringList{QStringLiteral("Courier New")});
    QCOMPARE(red.foreground().color(), QColor(255, 0, 0));
    const QTextCharFormat blueRead = charFormatAt(target, 10);
    QCOMPARE(blueRead.fontPointSize(), 18.0);
    QCOMPARE(blueRead.foreground().color(), QColor(0, 0, 255));
    QCOMPARE(blueRead.property(QTextFormat::FontFamilies).toStringList(),
             QStringList{QStringLiteral("Arial")});
}

// A family name comes back as it was, whatever characters it holds (apart from the ';' that ends
// it in the font table).
void TestRtf::fontNames_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("plain") << QStringLiteral("Courier New");
    QTest::newRow("umlaut and CJK") << QStringLiteral("Grüße 中文");
    QTest::newRow("braces and backslash") << QStringLiteral("a{b}\\c");
    QTest::newRow("tab inside") << QStringLiteral("a\tb");
    QTest::newRow("line separator inside") << QStringLiteral("a\u2028b");
    QTest::newRow("digits behind a tab") << QStringLiteral("a\t8704? x");
}

void TestRtf::fontNames()
{
    QFETCH(QString, family);
    QTextDocument source;
    QTextCharFormat format;
    format.setFontFamilies({family});
    QTextCursor(&source).insertText(QStringLiteral("x"), format);
    QTextDocument target;
    roundTrip(source, &target);
    QCOMPARE(target.toRawText(), QStringLiteral("x"));
    QCOMPARE(charFormatAt(target, 0).property(QTextFormat::FontFamilies).toStringList(),
             QStringList{family});
}

void TestRtf::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("umlauts") << QStringLiteral("Grüße äöÜ€") << QByteArray("Gr\\'fc\\'dfe");
    QTest::newRow("euro") << QStringLiteral("5 €") << QByteArray("5 \\'80");
    QTest::newRow("CJK") << QStringLiteral("中文") << QByteArray("\\u20013?\\u25991?");
    QTest::newRow("above 32767") << QStringLiteral("\uFF21") << QByteArray("\\u-223?");
    QTest::newRow("surrogate pair") << QStringLiteral("😀") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("braces and backslashes")
        << QStringLiteral("{a} \\b\\ \\par") << QByteArray("\\{a\\} \\\\b\\\\ \\\\par");
    QTest::newRow("tab and line break")
        << QStringLiteral("a\tb\u2028c") << QByteArray("a\\tab b\\line c");
    QTest::newRow("undefined 1252 byte") << QStringLiteral("\u0081") << QByteArray("\\u129?");
    QTest::newRow("object replacement") << QStringLiteral("a\uFFFCb") << QByteArray("a\\u-4?b");
    QTest::newRow("U+FFFE") << QStringLiteral("\uFFFE") << QByteArray("\\u-2?");
    QTest::newRow("U+FFFF") << QStringLiteral("\uFFFF") << QByteArray("\\u-1?");
    QTest::newRow("NUL and DEL") << QStringView(u"\0\x7F", 2).toString()
                                 << QByteArray("\\u0?\\u127?");
    // The control-word delimiter, then the two spaces of the text.
    QTest::newRow("leading space") << QStringLiteral("  zwei") << QByteArray("   zwei");
}

void TestRtf::text()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, written);

    QTextDocument source;
    QTextCursor(&source).insertText(text);
    const QByteArray rtf = writeRtf(&source);
    QVERIFY2(rtf.contains(written), rtf.constData());
    for (const char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);

    QTextDocument target;
    readRtf(rtf, &target);
    QCOMPARE(target.toRawText(), text);
}

// Every UTF-16 unit a line can hold, written and read again, comes back; the characters that
// end a paragraph in a QTextDocument cannot stand inside a line.
void TestRtf::everyCodeUnit_data()
{
    QTest::addColumn<QString>("text");
    auto units = [](char32_t from, char32_t to) {
        QString text;
        for (char32_t u = from; u < to; ++u) {
            if (u != u'\n' && u != u'\r' && u != 0x2029 && u != 0xFDD0 && u != 0xFDD1)
                text += QChar(char16_t(u));
        }
        return text;
    };
    QTest::newRow("C0 controls and ASCII") << units(0, 0x80);
    QTest::newRow("C1 controls and Latin-1") << units(0x80, 0x100);
    QTest::newRow("up to the surrogates") << units(0x100, 0xD800);
    QTest::newRow("private use up to U+FFFF") << units(0xE000, 0x10000);
    QString pairs;
    for (char32_t high = 0xD800; high < 0xDC00; ++high) {
        pairs += QChar(char16_t(high));
        pairs += QChar(char16_t(0xDC00 + (high & 0x3FF)));
    }
    pairs += QString::fromUcs4(U"\U00010000\U0010FFFF\U0001F600");
    QTest::newRow("surrogate pairs") << pairs;
}

void TestRtf::everyCodeUnit()
{
    QFETCH(QString, text);
    QTextDocument source;
    QTextCursor(&source).insertText(text);
    QCOMPARE(source.toRawText(), text);
    QTextDocument target;
    roundTrip(source, &target);
    const QString read = target.toRawText();
    qsizetype k = 0;
    while (k < std::min(read.size(), text.size()) && read.at(k) == text.at(k))
        ++k;
    QVERIFY2(
        k == text.size() && k == read.size(),
        qPrintable(QStringLiteral("first difference at U+%1")
                       .arg(int(k < text.size() ? text.at(k).unicode() : 0), 4, 16, QChar(u'0'))));
}

// Whatever unit a \u escape gives the reader, the writer writes and the reader reads again.
void TestRtf::everyUnicodeEscape()
{
    QByteArray rtf = "{\\rtf1\\uc1 ";
    QString units;
    for (int value = -32768; value <= 65535; ++value) {
        rtf += "\\u" + QByteArray::number(value) + '?';
        units += QChar(char16_t((value + 65536) % 65536));
    }
    rtf += '}';
    QTextDocument expected;
    QTextCursor(&expected).insertText(units);

    QTextDocument first;
    readRtf(rtf, &first);
    QCOMPARE(first.toRawText().size(), expected.toRawText().size());
    QVERIFY(first.toRawText() == expected.toRawText());
    QTextDocument second;
    roundTrip(first, &second);
    QCOMPARE(second.toRawText().size(), first.toRawText().size());
    QVERIFY(second.toRawText() == first.toRawText());
}

void TestRtf::emptyDocumentAndEmptyLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one empty line") << QStringLiteral("\u2029");
    QTest::newRow("empty lines between and after") << QStringLiteral("a\u2029\u2029b\u2029\u2029");
}

void TestRtf::emptyDocumentAndEmptyLines()
{
    QFETCH(QString, text);
    QTextDocument source;
    QTextCursor(&source).insertText(text);
    QTextDocument target;
    target.setPlainText(QStringLiteral("alt"));
    roundTrip(source, &target);
    QCOMPARE(target.blockCount(), source.blockCount());
    QCOMPARE(target.toRawText(), source.toRawText());
}

void TestRtf::wordPadSample()
{
    QTextDocument document;
    readRtf(kWordPadSample, &document);
    QCOMPARE(document.blockCount(), 5);
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines << block.text();
    QCOMPARE(lines, QStringList({QStringLiteral("Grüße aus München"), QStringLiteral("Titel"),
                                 QStringLiteral("Rot, kursiv, unter, Bär"), QString(),
                                 QStringLiteral("Ende\tmit\u2028Umbruch")}));

    const QTextCharFormat first = charFormatAt(document, 0);
    QCOMPARE(first.fontPointSize(), 11.0);
    QCOMPARE(first.property(QTextFormat::FontFamilies).toStringList(),
             QStringList{QStringLiteral("Calibri")});
    QVERIFY(first.fontWeight() < QFont::DemiBold);

    const QTextBlock title = document.findBlockByNumber(1);
    QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat titleFormat = charFormatAt(document, title.position());
    QVERIFY(titleFormat.fontWeight() >= QFont::DemiBold);
    QCOMPARE(titleFormat.fontPointSize(), 14.0);

    const QTextBlock third = document.findBlockByNumber(2);
    QCOMPARE(third.blockFormat().leftMargin(), 48.0);  // 720 twips
    QCOMPARE(third.blockFormat().rightMargin(), 24.0); // 360 twips
    QCOMPARE(third.blockFormat().textIndent(), -24.0); // -360 twips
    QCOMPARE(third.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const QTextCharFormat red = charFormatAt(document, third.position());
    QCOMPARE(red.foreground().color(), QColor(255, 0, 0));
    QCOMPARE(red.property(QTextFormat::FontFamilies).toStringList(),
             QStringList{QStringLiteral("Arial")});
    QCOMPARE(red.fontPointSize(), 10.0);
    const int comma = third.position() + 3;
    QVERIFY(charFormatAt(document, comma).foreground().style() == Qt::NoBrush);
    QVERIFY(charFormatAt(document, third.position() + 5).fontItalic());
    QVERIFY(charFormatAt(document, third.position() + 13).fontUnderline());
    QVERIFY(!charFormatAt(document, third.position() + 19).fontUnderline());

    // Our own writer reads back the same text and paragraph formats.
    QTextDocument again;
    roundTrip(document, &again);
    QCOMPARE(again.toRawText(), document.toRawText());
    QCOMPARE(again.findBlockByNumber(2).blockFormat().textIndent(), -24.0);
}

void TestRtf::skippedDestinationsAndUnicodeFallback()
{
    QTextDocument document;
    readRtf("{\\rtf1{\\info{\\title Titel}{\\author A}}{\\stylesheet{\\s0 Normal;}}"
            "{\\*\\unknowndest x}{\\header Kopf}{\\pict\\wmetafile8 0102ff}"
            "A{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt Link}}"
            "\\uc2\\u8364\\'80\\'80{\\uc1\\u8364?}\\u20013 xx\\unknown7 B"
            "{\\bin5 {}\\\\x}C\\~D}nachher",
            &document);
    QCOMPARE(document.toRawText(), QStringLiteral("ALink€€中BC\u00A0D"));
}

void TestRtf::notRtfIsReadAsPlainText()
{
    QTextDocument document;
    readRtf("Hallo \\b Welt\r\nzweite Zeile \xE4", &document);
    QCOMPARE(document.blockCount(), 2);
    QCOMPARE(document.begin().text(), QStringLiteral("Hallo \\b Welt"));
    QCOMPARE(document.lastBlock().text(), QStringLiteral("zweite Zeile ä"));
}

void TestRtf::replacesContentAndClearsUndo()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("alter Text"));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QVERIFY(document.isUndoAvailable());

    readRtf("{\\rtf1 neu}", &document);
    QCOMPARE(document.toRawText(), QStringLiteral("neu"));
    QCOMPARE(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QVERIFY(!document.isUndoAvailable());
    QVERIFY(document.isUndoRedoEnabled());

    readRtf("kein RTF", &document);
    QCOMPARE(document.toRawText(), QStringLiteral("kein RTF"));
    QVERIFY(!document.isUndoAvailable());
}

void TestRtf::malformed_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {\\b {{ fett") << " fett";
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}}} b") << "a";
    QTest::newRow("huge numbers")
        << QByteArray("{\\rtf1\\fs99999999999999999999\\li-99999999999999\\cf12345678901 x"
                      "\\f-2147483648 y\\uc99999 z\\u99999999999 q}")
        << "xyz";
    QTest::newRow("huge \\bin") << QByteArray("{\\rtf1 a\\bin999999999999 b}") << "a";
    QTest::newRow("negative \\bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << "ab";
    QTest::newRow("backslash at end") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("hex escape cut") << QByteArray("{\\rtf1 a\\'e") << "a\u000E";
    QTest::newRow("bad hex escape") << QByteArray("{\\rtf1 a\\'zz}") << "azz";
    QTest::newRow("long control word")
        << QByteArray("{\\rtf1 \\" + QByteArray(100000, 'a') + " b}") << "b";
    QTest::newRow("deep nesting") << QByteArray("{\\rtf1 " + QByteArray(200000, '{') + "tief" +
                                                QByteArray(200000, '}') + " hinten}")
                                  << "tief hinten";
    QTest::newRow("font table without semicolons")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial}{\\f1\\'e4}}\\f1 x}") << "x";
    QTest::newRow("colour table garbage")
        << QByteArray("{\\rtf1{\\colortbl\\red999\\green-4;;;\\blue7}\\cf1 x\\cf-1 y\\cf9 z}")
        << "xyz";
    QTest::newRow("NUL bytes") << QByteArray("{\\rtf1 a\0b}", 11) << "ab";
    QTest::newRow("star outside a group") << QByteArray("{\\rtf1\\*\\foo a}") << "a";
    QTest::newRow("only the start") << QByteArray("{\\rtf") << "";
}

void TestRtf::malformed()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    readRtf(rtf, &document);
    QCOMPARE(document.toRawText(), text);
}

void TestRtf::truncatedAtEveryOffset()
{
    QTextDocument source;
    readRtf(kWordPadSample, &source);
    QTextCursor cursor(&source);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" 中 {\\}"));
    const QByteArray full = writeRtf(&source) + QByteArray(kWordPadSample);

    QTextDocument target;
    for (qsizetype length = 0; length <= full.size(); ++length) {
        readRtf(full.left(length), &target);
        QVERIFY(target.blockCount() >= 1);
    }
    readRtf(full, &target);
    QCOMPARE(target.toRawText(), source.toRawText());
}

void TestRtf::randomGarbage()
{
    QRandomGenerator random(4711);
    const QByteArray alphabet = "{}\\'*;- 0123456789abfiluqcdrtpn\r\n\xE4\x80";
    QTextDocument document;
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf = "{\\rtf1 ";
        const int length = int(random.bounded(400));
        for (int i = 0; i < length; ++i) {
            rtf += random.bounded(4) == 0 ? char(random.bounded(256))
                                          : alphabet.at(random.bounded(int(alphabet.size())));
        }
        readRtf(rtf, &document);
        QVERIFY(document.blockCount() >= 1);
        writeRtf(&document);
    }
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
