// Tests of the document file codec: golden round trips of encodings and of every line end.
#include "core/TextFileCodec.h"

#include <QTest>
#include <iterator>

using Encoding = TextFileFormat::Encoding;
using LineBreak = TextFileFormat::LineBreak;

Q_DECLARE_METATYPE(TextFileFormat::Encoding)
Q_DECLARE_METATYPE(TextFileFormat::LineBreak)

namespace
{

// Line ends written as in the file: "rn" CR LF, "n" LF, "r" CR, "p" U+2029, blank separated.
LineBreaks ends(const char* kinds)
{
    LineBreaks result;
    for (const QByteArray& kind : QByteArray(kinds).split(' ')) {
        if (kind == "rn")
            result.append(LineBreak::CrLf);
        else if (kind == "n")
            result.append(LineBreak::Lf);
        else if (kind == "r")
            result.append(LineBreak::Cr);
        else if (kind == "p")
            result.append(LineBreak::ParagraphSeparator);
    }
    return result;
}

} // namespace

class TestTextFileCodec : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void mainLineBreak_data();
    void mainLineBreak();
    void writtenLineEnds_data();
    void writtenLineEnds();
    void allBytesAs1252();
    void unmappableCharacterSwitchesToUtf8();
    void newDocumentDefaults();
    void largeFileRoundTrip();
};

void TestTextFileCodec::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<LineBreaks>("lineEnds");
    QTest::addColumn<Encoding>("encoding");

    QTest::newRow("empty file") << QByteArray() << QString() << ends("") << Encoding::Utf8;
    QTest::newRow("single CR LF") << QByteArray("\r\n") << "\n" << ends("rn") << Encoding::Utf8;
    QTest::newRow("single LF") << QByteArray("\n") << "\n" << ends("n") << Encoding::Utf8;
    QTest::newRow("single CR") << QByteArray("\r") << "\n" << ends("r") << Encoding::Utf8;
    QTest::newRow("CR LF final newline") << QByteArray("a\r\nb\r\n") << "a\nb\n"
                                         << ends("rn rn") << Encoding::Utf8;
    QTest::newRow("LF no final newline")
        << QByteArray("a\nb") << "a\nb" << ends("n") << Encoding::Utf8;
    QTest::newRow("no line break") << QByteArray("abc") << "abc" << ends("") << Encoding::Utf8;
    QTest::newRow("every kind in one file")
        << QByteArray("a\r\nb\nc\rd\xE2\x80\xA9"
                      "e\xE2\x80\xA8"
                      "f\r\n")
        << QStringLiteral("a\nb\nc\nd\ne\u2028f\n") << ends("rn n r p rn") << Encoding::Utf8;
    QTest::newRow("CR CR LF and LF CR")
        << QByteArray("a\r\r\nb\n\rc") << "a\n\nb\n\nc" << ends("r rn n r") << Encoding::Utf8;
    QTest::newRow("NUL bytes") << QByteArray("a\0b\r\n\0", 6)
                               << QString(QStringLiteral("a_b\n_")).replace(u'_', QChar(0))
                               << ends("rn") << Encoding::Utf8;
    QTest::newRow("UTF-8") << QByteArray("\xC3\xA4\xE4\xB8\xAD\xF0\x9F\x98\x80\r\n")
                           << QStringLiteral("ä中😀\n") << ends("rn") << Encoding::Utf8;
    QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF\xC3\xA4\n") << QStringLiteral("ä\n")
                               << ends("n") << Encoding::Utf8Bom;
    QTest::newRow("BOM only") << QByteArray("\xEF\xBB\xBF") << QString() << ends("")
                              << Encoding::Utf8Bom;
    QTest::newRow("two BOMs keep the second")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QString(QChar(0xFEFF)) + u'x' << ends("")
        << Encoding::Utf8Bom;
    QTest::newRow("1252 umlauts, mixed ends")
        << QByteArray("\xE4\xF6\r\xFC\xDF\r\n\n") << QStringLiteral("äö\nüß\n\n") << ends("r rn n")
        << Encoding::Windows1252;
    QTest::newRow("1252 euro and undefined")
        << QByteArray("\x80\x81\x9D\x9F") << QStringLiteral("€\u0081\u009DŸ") << ends("")
        << Encoding::Windows1252;
    QTest::newRow("1252 has no U+2029: E2 80 A9 is text there")
        << QByteArray("\xE2\x80\xA9\xFF") << QStringLiteral("â€©ÿ") << ends("")
        << Encoding::Windows1252;
    QTest::newRow("invalid UTF-8 C3 28")
        << QByteArray("\xC3\x28") << QStringLiteral("Ã(") << ends("") << Encoding::Windows1252;
    QTest::newRow("overlong C0 AF")
        << QByteArray("\xC0\xAF") << QStringLiteral("À¯") << ends("") << Encoding::Windows1252;
    QTest::newRow("overlong E0 80 AF")
        << QByteArray("\xE0\x80\xAF") << QStringLiteral("à€¯") << ends("") << Encoding::Windows1252;
    QTest::newRow("surrogate ED A0 80") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€")
                                        << ends("") << Encoding::Windows1252;
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QStringLiteral("ô\u0090€€")
                                    << ends("") << Encoding::Windows1252;
    QTest::newRow("truncated sequence")
        << QByteArray("ab\xE4\xB8") << QStringLiteral("abä¸") << ends("") << Encoding::Windows1252;
    QTest::newRow("BOM then invalid") << QByteArray("\xEF\xBB\xBF\xFF") << QStringLiteral("ï»¿ÿ")
                                      << ends("") << Encoding::Windows1252;
}

void TestTextFileCodec::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(LineBreaks, lineEnds);
    QFETCH(Encoding, encoding);

    const DecodedText decoded = decodeTextFile(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.lineEnds, lineEnds);
    QCOMPARE(decoded.format.encoding, encoding);

    TextFileFormat format = decoded.format;
    QCOMPARE(encodeTextFile(decoded.text, decoded.lineEnds, &format), bytes);
    QCOMPARE(format, decoded.format);
}

void TestTextFileCodec::mainLineBreak_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<LineBreak>("main");

    QTest::newRow("none: CR LF for new lines") << QByteArray("abc") << LineBreak::CrLf;
    QTest::newRow("most often wins") << QByteArray("a\r\nb\nc\nd") << LineBreak::Lf;
    QTest::newRow("tie: the first found") << QByteArray("a\nb\r\nc") << LineBreak::Lf;
    QTest::newRow("old Mac file") << QByteArray("a\rb\rc\r\n") << LineBreak::Cr;
    QTest::newRow("paragraph separators") << QByteArray("a\xE2\x80\xA9"
                                                        "b\xE2\x80\xA9")
                                          << LineBreak::ParagraphSeparator;
    QTest::newRow("U+2028 is no line end") << QByteArray("a\xE2\x80\xA8"
                                                         "b\xE2\x80\xA8"
                                                         "c\n")
                                           << LineBreak::Lf;
}

void TestTextFileCodec::mainLineBreak()
{
    QFETCH(QByteArray, bytes);
    QFETCH(LineBreak, main);
    QCOMPARE(decodeTextFile(bytes).format.lineBreak, main);
}

void TestTextFileCodec::writtenLineEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LineBreaks>("lineEnds");
    QTest::addColumn<LineBreak>("main");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Encoding>("written");

    QTest::newRow("lines without an end listed take the main kind")
        << "a\nb\nc\nd" << ends("r") << LineBreak::Lf << Encoding::Utf8 << QByteArray("a\rb\nc\nd")
        << Encoding::Utf8;
    QTest::newRow("new document: CR LF")
        << "a\n\nb" << ends("") << LineBreak::CrLf << Encoding::Utf8 << QByteArray("a\r\n\r\nb")
        << Encoding::Utf8;
    QTest::newRow("U+2029 in a 1252 file needs UTF-8")
        << QStringLiteral("ä\nb") << ends("p") << LineBreak::CrLf << Encoding::Windows1252
        << QByteArray("\xC3\xA4\xE2\x80\xA9"
                      "b")
        << Encoding::Utf8;
    QTest::newRow("main kind U+2029 in a 1252 file")
        << QStringLiteral("ä\nb") << ends("") << LineBreak::ParagraphSeparator
        << Encoding::Windows1252
        << QByteArray("\xC3\xA4\xE2\x80\xA9"
                      "b")
        << Encoding::Utf8;
    QTest::newRow("1252 stays without one")
        << QStringLiteral("ä\nb") << ends("r") << LineBreak::ParagraphSeparator
        << Encoding::Windows1252 << QByteArray("\xE4\rb") << Encoding::Windows1252;

    // A lone CR in front of an empty line's LF would read back as one CR LF.
    QTest::newRow("CR before an empty LF line: main LF")
        << "a\nb\n\nc\nd\n"
        << ends("n r n n") << LineBreak::Lf << Encoding::Utf8 << QByteArray("a\nb\n\nc\nd\n")
        << Encoding::Utf8;
    QTest::newRow("CR before an empty LF line: main CR LF")
        << "b\n\nc" << ends("r n") << LineBreak::CrLf << Encoding::Utf8 << QByteArray("b\r\n\nc")
        << Encoding::Utf8;
    QTest::newRow("CR before an empty LF line: main CR")
        << "b\n\n\n"
        << ends("r n") << LineBreak::Cr << Encoding::Windows1252 << QByteArray("b\r\n\n\r")
        << Encoding::Windows1252;
    QTest::newRow("CR before empty lines of other ends stays")
        << "b\n\n\n\nc" << ends("r r rn p") << LineBreak::Lf << Encoding::Utf8
        << QByteArray("b\r\r\r\n\xE2\x80\xA9"
                      "c")
        << Encoding::Utf8;
    QTest::newRow("U+FEFF first in a UTF-8 text gets a byte-order mark")
        << QStringLiteral("\uFEFFa\nb") << ends("") << LineBreak::Lf << Encoding::Utf8
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                      "a\nb")
        << Encoding::Utf8Bom;
    QTest::newRow("U+FEFF first in a 1252 text: UTF-8 with a byte-order mark")
        << QStringLiteral("\uFEFFa") << ends("") << LineBreak::Lf << Encoding::Windows1252
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                      "a")
        << Encoding::Utf8Bom;
    QTest::newRow("CR before a line with text stays")
        << "b\nx\nc" << ends("r n") << LineBreak::Lf << Encoding::Utf8 << QByteArray("b\rx\nc")
        << Encoding::Utf8;
}

void TestTextFileCodec::writtenLineEnds()
{
    QFETCH(QString, text);
    QFETCH(LineBreaks, lineEnds);
    QFETCH(LineBreak, main);
    QFETCH(Encoding, encoding);
    QFETCH(QByteArray, bytes);
    QFETCH(Encoding, written);

    TextFileFormat format{encoding, main};
    QCOMPARE(encodeTextFile(text, lineEnds, &format), bytes);
    QCOMPARE(format.encoding, written);
    QCOMPARE(format.lineBreak, main);
    // Whatever is written reads back as the same lines.
    QCOMPARE(decodeTextFile(bytes).text, text);
}

void TestTextFileCodec::allBytesAs1252()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    for (const QByteArray& file : {bytes, bytes + "\r\n" + bytes}) {
        const DecodedText decoded = decodeTextFile(file);
        QCOMPARE(decoded.format.encoding, Encoding::Windows1252);
        TextFileFormat format = decoded.format;
        QCOMPARE(encodeTextFile(decoded.text, decoded.lineEnds, &format), file);
        QCOMPARE(format.encoding, Encoding::Windows1252);
    }
    bool ok = false;
    QCOMPARE(encodeWindows1252(decodeWindows1252(bytes), &ok), bytes);
    QVERIFY(ok);
}

void TestTextFileCodec::unmappableCharacterSwitchesToUtf8()
{
    const DecodedText decoded = decodeTextFile("gr\xFC\xDF\r\n");
    QCOMPARE(decoded.format.encoding, Encoding::Windows1252);
    const QString edited = decoded.text + QChar(0x4E2D);

    TextFileFormat format = decoded.format;
    const QByteArray bytes = encodeTextFile(edited, &format);
    QCOMPARE(format.encoding, Encoding::Utf8);
    QCOMPARE(format.lineBreak, LineBreak::CrLf);
    QCOMPARE(bytes, QByteArray("gr\xC3\xBC\xC3\x9F\r\n\xE4\xB8\xAD"));
    QCOMPARE(decodeTextFile(bytes).text, edited);
    QCOMPARE(encodeTextFile(edited, decoded.lineEnds, &format), bytes);

    bool ok = true;
    QCOMPARE(encodeWindows1252(QStringLiteral("a\u0080b"), &ok), QByteArray("a?b"));
    QVERIFY(!ok);
}

void TestTextFileCodec::newDocumentDefaults()
{
    TextFileFormat format;
    QCOMPARE(encodeTextFile(QStringLiteral("a\nä\n"), &format), QByteArray("a\r\n\xC3\xA4\r\n"));
    QCOMPARE(format, TextFileFormat());
}

void TestTextFileCodec::largeFileRoundTrip()
{
    // Every kind of line end many times over; the timing of such files is in bench/.
    const QByteArray lines[] = {"<p>Gr\xC3\xBC\xC3\x9F"
                                "e aus einem langen Dokument</p>\r\n",
                                "<td>\xC3\xA4</td>\n", "<br>\r", "Absatz\xE2\x80\xA9",
                                "Zeile\xE2\x80\xA8weiter\r\n"};
    QByteArray utf8;
    for (int i = 0; utf8.size() < 2 * 1024 * 1024; ++i)
        utf8 += lines[i % std::size(lines)];
    QByteArray latin1 = utf8;
    latin1.replace("\xE2\x80\xA9", "\n").replace("\xE2\x80\xA8", " ");
    latin1.replace("\xC3\xBC", "\xFC").replace("\xC3\x9F", "\xDF").replace("\xC3\xA4", "\xE4");

    for (const QByteArray& file : {utf8, latin1}) {
        const DecodedText decoded = decodeTextFile(file);
        QCOMPARE(decoded.format.encoding, file == utf8 ? Encoding::Utf8 : Encoding::Windows1252);
        QCOMPARE(decoded.lineEnds.size(), decoded.text.count(u'\n'));
        TextFileFormat format = decoded.format;
        QCOMPARE(encodeTextFile(decoded.text, decoded.lineEnds, &format), file);
    }
}

QTEST_GUILESS_MAIN(TestTextFileCodec)
#include "tst_textfilecodec.moc"
