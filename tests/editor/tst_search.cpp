// Tests of the search routine: direction limits, case, whole words, CR LF positions in the
// control, long texts, and the control's windowed reading against a search of the whole text.
#include "editor/Search.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>

class TstSearch : public QObject
{
    Q_OBJECT

private slots:
    void buffer_data();
    void buffer();
    void controlPositions();
    void controlFailuresKeepSelection();
    void matchesNeverSplitLineBreaks_data();
    void matchesNeverSplitLineBreaks();
    void longTexts_data();
    void longTexts();
    void controlAgreesWithBuffer();
};

namespace
{
SearchOptions opts(const char* flags)
{
    const QByteArray f(flags);
    return {!f.contains('u'), f.contains('c'), f.contains('w')};
}
} // namespace

// flags: u = up, c = match case, w = whole word
void TstSearch::buffer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<int>("expected");

    auto row = [](const char* name, const char* text, int start, int length, const char* find,
                  const char* flags, int expected) {
        QTest::newRow(name) << QString::fromUtf8(text) << start << length << QString::fromUtf8(find)
                            << QByteArray(flags) << expected;
    };
    row("down from the very end", "abc abc", 7, 0, "abc", "", -1);
    row("up from the very start", "abc abc", 0, 0, "abc", "u", -1);
    row("down from the caret", "abc abc", 0, 0, "abc", "", 0);
    row("down behind the selection", "abc abc", 0, 3, "abc", "", 4);
    row("down inside a word", "xabcabc", 2, 0, "abc", "", 4);
    row("up before the caret", "abc abc", 7, 0, "abc", "u", 4);
    row("up before the selection", "abc abc", 4, 3, "abc", "u", 0);
    row("up overlapping", "aaaa", 4, 0, "aa", "u", 2);
    row("up, occurrence must end before the caret", "abc", 2, 0, "abc", "u", -1);
    row("empty text", "", 0, 0, "a", "", -1);
    row("empty find text", "abc", 0, 0, "", "", -1);
    row("find text longer than the text", "ab", 0, 0, "abc", "", -1);
    row("ends exactly at the end", "xyabc", 0, 0, "abc", "", 2);
    row("selection behind the end", "abc", 2, 3, "abc", "", -1);
    row("umlauts without case", "Das ÜBER", 0, 0, "über", "", 4);
    row("umlauts with case", "Das ÜBER", 0, 0, "über", "c", -1);
    row("case, down", "xABC abc", 0, 0, "abc", "c", 5);
    row("ß has no capital", "STRASSE", 0, 0, "straße", "", -1);
    row("ß against ß", "STRAßE", 0, 0, "straße", "", 0);
    row("accents fold", "café CAFÉ", 1, 0, "café", "", 5);
    row("word: Gr at the start of Größe", "Die Größe", 0, 0, "Gr", "w", 4);
    row("word: ber inside Über", "Das Über alles", 0, 0, "ber", "w", 5);
    row("word: up, match at the very start", "Hallo", 5, 0, "Hall", "uw", 0);
    row("word: up, match inside a word is not", "xHallo Hall", 11, 0, "Hall", "uw", 7);
    row("word: up, word start in front", "xy Hallo Hall", 8, 0, "Hall", "uw", -1);
    row("word: down from the first letter", "abc abc abc", 4, 0, "abc", "w", 8);
    row("word: down from a delimiter", "abc abc abc", 3, 0, "abc", "w", 4);
    row("word: down, letter behind refuses", "x abcd abc y", 0, 0, "abc", "w", 7);
    row("word: digits belong to words", "x abc1 abc", 0, 0, "abc", "w", 7);
    row("word: underscore and hyphen delimit", "x foo_bar-baz", 0, 0, "bar", "w", 6);
    row("word: at the end needs no delimiter", "xx abc", 0, 0, "abc", "w", 3);
    row("word: last position always compared", "xxabc", 0, 0, "abc", "w", 2);
    row("word: up, nothing left near a leading blank", " ab", 3, 0, "zz", "uw", -1);
    row("word: up, two leading blanks", "  ab", 4, 0, "zz", "uw", -1);
    row("word: up, text is the find text", "ab", 2, 0, "ab", "uw", 0);
    row("word: up with case", "ABC abc", 7, 0, "ABC", "uwc", 0);
    // Stepping forward onto a word's first letter must not reach the selection itself.
    row("word: up, never the selection itself", "éa", 1, 1, "a", "uw", -1);
    row("word: up, never across the caret", "-ab", 2, 0, "ab", "uw", -1);
    // In a text of our own, a lone LF or CR is an ordinary character; the two of a CR LF stay
    // together.
    row("LF of a CR LF passed, a lone LF found", "a\r\nb\nb", 0, 0, "\nb", "", 4);
    row("up, LF of a CR LF passed", "x\nb\r\nb", 6, 0, "\nb", "u", 1);
    row("CR before a CR LF is whole", "a\r\r\n", 0, 0, "a\r", "", 0);
    row("CR of a CR LF passed", "a\r\na\r", 0, 0, "a\r", "", 3);
}

void TstSearch::buffer()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, find);
    QFETCH(QByteArray, flags);
    QFETCH(int, expected);
    QCOMPARE(SearchBuffer(text, selStart, selLength, find, opts(flags.constData())),
             qsizetype(expected));
}

void TstSearch::controlPositions()
{
    TExtRich memo;
    memo.loadText(QStringLiteral("eins\r\nzwei\r\ndrei zwei"));
    QVERIFY(SearchInControl(&memo, QStringLiteral("ZWEI"), opts("")));
    QCOMPARE(memo.selStart(), 6);
    QCOMPARE(memo.selText(), QStringLiteral("zwei"));
    QVERIFY(SearchInControl(&memo, QStringLiteral("zwei"), opts("")));
    QCOMPARE(memo.selStart(), 17);
    QVERIFY(!SearchInControl(&memo, QStringLiteral("zwei"), opts("")));
    QCOMPARE(memo.selStart(), 17);
    QVERIFY(SearchInControl(&memo, QStringLiteral("eins"), opts("u")));
    QCOMPARE(memo.selStart(), 0);

    // A find text may span a line break.
    memo.setSelStart(0);
    QVERIFY(SearchInControl(&memo, QStringLiteral("s\r\nz"), opts("")));
    QCOMPARE(memo.selStart(), 3);
    QCOMPARE(memo.selText(), QStringLiteral("s\r\nz"));

    // Find texts are used up to 255 characters.
    memo.loadText(QString(300, u'a'));
    QVERIFY(SearchInControl(&memo, QString(255, u'a') + QStringLiteral("xyz"), opts("")));
    QCOMPARE(memo.selLength(), 255);
}

void TstSearch::controlFailuresKeepSelection()
{
    TExtRich memo;
    QVERIFY(!SearchInControl(&memo, QStringLiteral("a"), opts("")));
    QVERIFY(!SearchInControl(nullptr, QStringLiteral("a"), opts("")));
    memo.loadText(QStringLiteral("eins zwei"));
    memo.setSelStart(2);
    memo.setSelLength(3);
    QVERIFY(!SearchInControl(&memo, QString(), opts("")));
    QVERIFY(!SearchInControl(&memo, QStringLiteral("drei"), opts("")));
    QVERIFY(!SearchInControl(&memo, QStringLiteral("drei"), opts("uw")));
    QCOMPARE(memo.selStart(), 2);
    QCOMPARE(memo.selLength(), 3);
}

// A match that starts on the LF of a CR LF or ends between the two would select nothing in the
// control, and a following replace would insert instead of replacing: it is no match at all.
void TstSearch::matchesNeverSplitLineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<int>("expected");

    QTest::newRow("starts on the LF") << "eins\r\nzwei" << 0 << "\nzwei" << QByteArray("") << -1;
    QTest::newRow("ends on the CR") << "eins\r\nzwei" << 0 << "eins\r" << QByteArray("") << -1;
    QTest::newRow("a lone LF") << "a\r\nb\r\nc" << 0 << "\n" << QByteArray("") << -1;
    QTest::newRow("a lone CR") << "a\r\nb\r\nc" << 0 << "\r" << QByteArray("c") << -1;
    QTest::newRow("up, starts on the LF") << "eins\r\nzwei" << 10 << "\nZ" << QByteArray("u") << -1;
    QTest::newRow("up, ends on the CR") << "ab\r\nab" << 6 << "b\r" << QByteArray("u") << -1;
    QTest::newRow("whole word, ends on the CR")
        << "x ab\r\nab" << 0 << "ab\r" << QByteArray("w") << -1;
    QTest::newRow("the whole break is a match") << "a\r\nb" << 0 << "\r\n" << QByteArray("") << 1;
    QTest::newRow("break and the next line")
        << "a\r\nb\r\nc" << 0 << "\r\nc" << QByteArray("") << 4;
    QTest::newRow("up, the line and its break") << "b\r\nab\r\nb" << 8 << "b\r\n"
                                                << QByteArray("u") << 4;
}

void TstSearch::matchesNeverSplitLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(QString, find);
    QFETCH(QByteArray, flags);
    QFETCH(int, expected);

    QCOMPARE(SearchBuffer(text, start, 0, find, opts(flags.constData())), qsizetype(expected));

    TExtRich memo;
    memo.loadText(text);
    memo.setSelStart(start);
    QCOMPARE(memo.selStart(), start);
    const bool found = SearchInControl(&memo, find, opts(flags.constData()));
    QCOMPARE(found, expected >= 0);
    if (found) {
        QCOMPARE(memo.selStart(), expected);
        QCOMPARE(memo.selText().compare(find, Qt::CaseInsensitive), 0);
    } else {
        QCOMPARE(memo.selStart(), start);
        QCOMPARE(memo.selLength(), 0);
    }
}

// Texts of any length are searched; no range error past 65535 characters.
void TstSearch::longTexts_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("65535") << 65535;
    QTest::newRow("65536") << 65536;
    QTest::newRow("3 MB, many lines") << 3'000'000;
}

void TstSearch::longTexts()
{
    QFETCH(int, length);
    QString text;
    text.reserve(length);
    while (text.size() < length - 6)
        text += QString(68, u'x') + QStringLiteral("\r\n");
    text.truncate(length - 6);
    if (text.endsWith(u'\r'))
        text.back() = u'x';
    text += QStringLiteral(" Ziel.");
    QCOMPARE(text.size(), length);

    TExtRich memo;
    memo.loadText(text);
    QCOMPARE(memo.textLength(), length);
    QVERIFY(SearchInControl(&memo, QStringLiteral("ZIEL"), opts("w")));
    QCOMPARE(memo.selStart(), length - 5);
    memo.setSelStart(length);
    QVERIFY(SearchInControl(&memo, QStringLiteral("xx\r\nxx"), opts("u")));
    QVERIFY(memo.selStart() > length - 80);
    memo.setSelStart(length);
    QVERIFY(!SearchInControl(&memo, QStringLiteral("Ziel"), opts("")));
}

// The control reads its text in windows; it must find exactly what a search of the whole text
// finds, with every option, from anywhere, across windows and line breaks.
void TstSearch::controlAgreesWithBuffer()
{
    const QString alphabet = QStringLiteral("ab Ä-ß_1\n");
    QRandomGenerator random(20240611);
    QString text;
    for (int i = 0; i < 6000; ++i)
        text += alphabet[random.bounded(int(alphabet.size()))];
    TExtRich memo;
    memo.loadText(text);
    const QString crlf = memo.text();
    const int n = int(crlf.size());

    for (int round = 0; round < 600; ++round) {
        const SearchOptions options{random.bounded(2) == 0, random.bounded(2) == 0,
                                    random.bounded(2) == 0};
        const int start = random.bounded(n + 1);
        QString find;
        const int length = 1 + random.bounded(4);
        for (int k = 0; k < length; ++k)
            find += QStringLiteral("abAB ä")[random.bounded(6)];
        memo.setSelStart(start);
        const int selStart = memo.selStart(); // a position between CR and LF moves
        const qsizetype expected = SearchBuffer(crlf, selStart, 0, find, options);
        const bool found = SearchInControl(&memo, find, options);
        QCOMPARE(found, expected != SearchNone);
        if (found)
            QCOMPARE(memo.selStart(), int(expected));
    }
}

TESSALINE_TEST_MAIN(TstSearch)
#include "tst_search.moc"
