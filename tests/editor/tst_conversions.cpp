// Tests of the character conversions: umlauts and entities, Windows and DOS code pages, and
// their use on a text control as one undo step that keeps formats.
#include "editor/Conversions.h"
#include "editor/LineEnds.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

class TstConversions : public QObject
{
    Q_OBJECT

private slots:
    void pure_data();
    void pure();
    void documentUndoAndFormats();
    void codePages();
    void linesCutForDisplay();

private:
    TestEnvironment m_env;
};

void TstConversions::pure_data()
{
    QTest::addColumn<bool>("toEntities");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << true << u"Größe ändern"_s << u"Gr&ouml;&szlig;e &auml;ndern"_s;
    QTest::newRow("all, lines") << true << u"äÄüÜ\r\nöÖß é"_s
                                << u"&auml;&Auml;&uuml;&Uuml;\r\n&ouml;&Ouml;&szlig; é"_s;
    QTest::newRow("back") << false << u"&Uuml;ber&szlig;\r\n&auml;&Auml;&ouml;"_s
                          << u"Überß\r\näÄö"_s;
    QTest::newRow("no semicolon, capitals")
        << false << u"&uuml &UUML; &Szlig;"_s << u"&uuml &UUML; &Szlig;"_s;
    QTest::newRow("ampersands") << false << u"&&auml;& &amp;ouml;"_s << u"&ä& &amp;ouml;"_s;
}

void TstConversions::pure()
{
    QFETCH(bool, toEntities);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const auto convert = [toEntities](const QString& text) {
        return toEntities ? Conversions::umlautsToEntities(text)
                          : Conversions::entitiesToUmlauts(text);
    };
    QCOMPARE(convert(input), expected);
    QCOMPARE(convert(expected), expected); // twice in one direction is harmless
}

void TstConversions::documentUndoAndFormats()
{
    const QString page = u"Größe ändern\r\nkein Umlaut\r\nÜber"_s;
    const QString html = u"Gr&ouml;&szlig;e &auml;ndern\r\nkein Umlaut\r\n&Uuml;ber"_s;
    TExtRich memo;
    memo.loadText(page);
    memo.setSelStart(memo.firstPositionOfLine(1));
    memo.setParagraphIndents({10, 5, 3});
    memo.document()->setModified(false);
    memo.setSelStart(3);
    QVERIFY(Conversions::umlautsToEntities(&memo));
    QCOMPARE(memo.text(), html);
    QVERIFY(memo.isModified());
    QCOMPARE(memo.selStart(), 3);
    memo.setSelStart(memo.firstPositionOfLine(1));
    QCOMPARE(memo.paragraphIndents(), TExtRich::ParagraphIndents({10, 5, 3}));

    QVERIFY(Conversions::entitiesToUmlauts(&memo));
    QCOMPARE(memo.text(), page);
    QVERIFY(!Conversions::entitiesToUmlauts(&memo)); // nothing left: no undo step either
    memo.undoLast();
    QCOMPARE(memo.text(), html);
    memo.undoLast();
    QCOMPARE(memo.text(), page);

    // Rich text keeps the character formats beside each change.
    memo.setPlainTextMode(false);
    memo.loadText(u"fett ä"_s);
    QTextCursor bold(memo.document());
    bold.setPosition(4, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    bold.mergeCharFormat(format);
    QVERIFY(Conversions::umlautsToEntities(&memo));
    QCOMPARE(memo.text(), u"fett &auml;"_s);
    bold.setPosition(2);
    QCOMPARE(bold.charFormat().fontWeight(), int(QFont::Bold));
}

void TstConversions::codePages()
{
    const QString windows = u"äöüÄÖÜß\r\nGröße"_s;
    // ä is 0x84 in the DOS page, which the Windows page shows as „; ü is 0x81, undefined there.
    const QString dos = u"„”\u0081Ž™šá\r\nGr”áe"_s;
    QCOMPARE(Conversions::ansiToOem(windows), dos);
    QCOMPARE(Conversions::oemToAnsi(dos), windows);
    // ASCII and line breaks pass; the euro sign has no DOS byte and stays.
    QCOMPARE(Conversions::ansiToOem(u"a\x1A\x7F\u2029€"_s), u"a\x1A\x7F\u2029€"_s);

    TExtRich memo;
    memo.loadText(windows);
    QVERIFY(Conversions::ansiToOem(&memo, u".htm"_s));
    QCOMPARE(memo.text(), dos);
    QVERIFY(Conversions::oemToAnsi(&memo, u".htm"_s));
    QCOMPARE(memo.text(), windows);
    memo.undoLast();
    QCOMPARE(memo.text(), dos);

    // Rich-text documents are never recoded.
    memo.loadText(windows);
    QVERIFY(!Conversions::ansiToOem(&memo, u".rtf"_s) && !Conversions::oemToAnsi(&memo, u".rtf"_s));
    QCOMPARE(memo.text(), windows);
    QVERIFY(!memo.isModified());
    // Every line is written anew, so a page of plain ASCII counts as changed all the same.
    memo.loadText(u"abc"_s);
    QVERIFY(!Conversions::ansiToOem(&memo, u".htm"_s));
    QVERIFY(memo.isModified());
}

void TstConversions::linesCutForDisplay()
{
    // An entity across a cut is still one entity; pieces grown by entities are cut again.
    constexpr qsizetype piece = LineEnds::PieceLength;
    QString straddling(3 * piece, u'x');
    straddling.replace(piece - 3, 6, u"&auml;"_s);
    const QString umlauts = QString(2 * piece, u'\u00FC');
    const QString page = straddling + u"\r\n"_s + umlauts;
    TExtRich memo;
    memo.loadText(page);
    memo.setSelStart(7);

    QVERIFY(Conversions::entitiesToUmlauts(&memo));
    QString expected = page;
    expected.replace(piece - 3, 6, u"ä"_s);
    QCOMPARE(memo.text(), expected);
    QCOMPARE(memo.selStart(), 7);

    QVERIFY(Conversions::umlautsToEntities(&memo));
    const QString html = Conversions::umlautsToEntities(expected);
    QCOMPARE(memo.text(), html);
    QCOMPARE(memo.lineCount(), 2);
    QCOMPARE(memo.line(1), u"&uuml;"_s.repeated(2 * piece));
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.length() - 1 <= piece);

    memo.undoLast();
    QCOMPARE(memo.text(), expected);
    memo.undoLast();
    QCOMPARE(memo.text(), page);
}

TESSALINE_TEST_MAIN(TstConversions)
#include "tst_conversions.moc"
