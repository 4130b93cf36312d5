// Tests of the document file codec: golden round trips of encodings and line breaks.
#include "core/TextFileCodec.h"

#include <QElapsedTimer>
#include <QTest>

using Encoding = TextFileFormat::Encoding;
using LineBreak = TextFileFormat::LineBreak;

Q_DECLARE_METATYPE(TextFileFormat::Encoding)
Q_DECLARE_METATYPE(TextFileFormat::LineBreak)

class TestTextFileCodec : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void mixedLineBreaks_data();
    void mixedLineBreaks();
    void allBytesAs1252();
    void unmappableCharacterSwitchesToUtf8();
    void newDocumentDefaults();
    void largeFileIsFast();
};

void TestTextFileCodec::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<LineBreak>("lineBreak");

    QTest::newRow("empty file") << QByteArray() << QString() << Encoding::Utf8 << LineBreak::CrLf;
    QTest::newRow("single CR LF") << QByteArray("\r\n") << QStringLiteral("\n") << Encoding::Utf8
                                  << LineBreak::CrLf;
    QTest::newRow("single LF") << QByteArray("\n") << QStringLiteral("\n") << Encoding::Utf8
                               << LineBreak::Lf;
    QTest::newRow("CR LF final newline") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\nb\n")
                                         << Encoding::Utf8 << LineBreak::CrLf;
    QTest::newRow("CR LF no final newline")
        << QByteArray("a\r\nb") << QStringLiteral("a\nb") << Encoding::Utf8 << LineBreak::CrLf;
    QTest::newRow("LF final newline")
        << QByteArray("a\nb\n") << QStringLiteral("a\nb\n") << Encoding::Utf8 << LineBreak::Lf;
    QTest::newRow("LF no final newline")
        << QByteArray("a\nb") << QStringLiteral("a\nb") << Encoding::Utf8 << LineBreak::Lf;
    QTest::newRow("no line break")
        << QByteArray("abc") << QStringLiteral("abc") << Encoding::Utf8 << LineBreak::CrLf;
    QTest::newRow("lone CR") << QByteArray("a\rb\r\nc\r") << QStringLiteral("a\rb\nc\r")
                             << Encoding::Utf8 << LineBreak::CrLf;
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringLiteral("a\r\nb")
                              << Encoding::Utf8 << LineBreak::CrLf;
    QTest::newRow("NUL bytes") << QByteArray("a\0b\r\n\0", 6)
                               << QString(QStringLiteral("a_b\n_")).replace(u'_', QChar(0))
                               << Encoding::Utf8 << LineBreak::CrLf;
    QTest::newRow("UTF-8") << QByteArray("\xC3\xA4\xE4\xB8\xAD\xF0\x9F\x98\x80\r\n")
                           << QStringLiteral("ä中😀\n") << Encoding::Utf8 << LineBreak::CrLf;
    QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF\xC3\xA4\n") << QStringLiteral("ä\n")
                               << Encoding::Utf8Bom << LineBreak::Lf;
    QTest::newRow("BOM only") << QByteArray("\xEF\xBB\xBF") << QString() << Encoding::Utf8Bom
                              << LineBreak::CrLf;
    QTest::newRow("two BOMs keep the second")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QString(QChar(0xFEFF)) + u'x'
        << Encoding::Utf8Bom << LineBreak::CrLf;
    QTest::newRow("1252 umlauts") << QByteArray("\xE4\xF6\xFC\xDF\r\n") << QStringLiteral("äöüß\n")
                                  << Encoding::Windows1252 << LineBreak::CrLf;
    QTest::newRow("1252 euro and undefined")
        << QByteArray("\x80\x81\x9D\x9F") << QStringLiteral("€\u0081\u009DŸ")
        << Encoding::Windows1252 << LineBreak::CrLf;
    QTest::newRow("invalid UTF-8 C3 28") << QByteArray("\xC3\x28") << QStringLiteral("Ã(")
                                         << Encoding::Windows1252 << LineBreak::CrLf;
    QTest::newRow("overlong C0 AF") << QByteArray("\xC0\xAF") << QStringLiteral("À¯")
                                    << Encoding::Windows1252 << LineBreak::CrLf;
    QTest::newRow("overlong E0 80 AF") << QByteArray("\xE0\x80\xAF") << QStringLiteral("à€¯")
                                       << Encoding::Windows1252 << LineBreak::CrLf;
    QTest::newRow("surrogate ED A0 80") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€")
                                        << Encoding::Windows1252 << LineBreak::CrLf;
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QStringLiteral("ô\u0090€€")
                                    << Encoding::Windows1252 << LineBreak::CrLf;
    QTest::newRow("truncated sequence") << QByteArray("ab\xE4\xB8") << QStringLiteral("abä¸")
                                        << Encoding::Windows1252 << LineBreak::CrLf;
    QTest::newRow("BOM then invalid") << QByteArray("\xEF\xBB\xBF\xFF") << QStringLiteral("ï»¿ÿ")
                                      << Encoding::Windows1252 << LineBreak::CrLf;
}

void TestTextFileCodec::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(Encoding, encoding);
    QFETCH(LineBreak, lineBreak);

    const DecodedText decoded = decodeTextFile(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.format.encoding, encoding);
    QCOMPARE(decoded.format.lineBreak, lineBreak);

    TextFileFormat format = decoded.format;
    QCOMPARE(encodeTextFile(decoded.text, &format), bytes);
    QCOMPARE(format, decoded.format);
}

void TestTextFileCodec::mixedLineBreaks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("CR LF first: bare LF ends a line")
        << QByteArray("a\r\nb\nc") << QStringLiteral("a\nb\nc") << QByteArray("a\r\nb\r\nc");
    QTest::newRow("LF first: CR stays in the line")
        << QByteArray("a\nb\r\nc") << QStringLiteral("a\nb\r\nc") << QByteArray("a\nb\r\nc");
}

void TestTextFileCodec::mixedLineBreaks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, written);

    const DecodedText decoded = decodeTextFile(bytes);
    QCOMPARE(decoded.text, text);
    TextFileFormat format = decoded.format;
    QCOMPARE(encodeTextFile(decoded.text, &format), written);
}

void TestTextFileCodec::allBytesAs1252()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    for (const QByteArray& file : {bytes, bytes + "\r\n" + bytes}) {
        const DecodedText decoded = decodeTextFile(file);
        QCOMPARE(decoded.format.encoding, Encoding::Windows1252);
        // The first LF follows byte 09: an LF file, where the CR of CR LF stays in the text.
        QCOMPARE(decoded.format.lineBreak, LineBreak::Lf);
        QCOMPARE(decoded.text.size(), file.size());
        TextFileFormat format = decoded.format;
        QCOMPARE(encodeTextFile(decoded.text, &format), file);
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

void TestTextFileCodec::largeFileIsFast()
{
    QByteArray line = "<p>Gr\xC3\xBC\xC3\x9F"
                      "e aus einem langen Dokument mit Umlauten</p>\r\n";
    QByteArray utf8;
    utf8.reserve(10 * 1024 * 1024 + line.size());
    while (utf8.size() < 10 * 1024 * 1024)
        utf8 += line;
    QByteArray latin1 = utf8;
    latin1.replace("\xC3\xBC", "\xFC");

    for (const QByteArray& file : {utf8, latin1}) {
        QElapsedTimer timer;
        timer.start();
        const DecodedText decoded = decodeTextFile(file);
        TextFileFormat format = decoded.format;
        const QByteArray written = encodeTextFile(decoded.text, &format);
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(written, file);
        // Generous bound for a loaded build machine; catches per-character reallocation.
        QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        qDebug("%s: %lld ms for decode and encode", file == utf8 ? "UTF-8" : "1252", elapsed);
    }
}

QTEST_GUILESS_MAIN(TestTextFileCodec)
#include "tst_textfilecodec.moc"
