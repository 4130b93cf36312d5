// Tests of the word reader of the spelling: which words of an HTML text are read, how entities
// read, and that reading in pieces gives what reading the whole gives.
#include "editor/SpellWords.h"

#include <QTest>

using SpellWords::State;
using SpellWords::Word;

namespace
{

QStringList texts(const QList<Word>& words)
{
    QStringList list;
    for (const Word& word : words)
        list.append(word.text);
    return list;
}

// Reads text in two pieces split at cut, the second one with the state the first ended in.
QList<Word> readInTwo(const QString& text, qsizetype cut)
{
    State state;
    QList<Word> words = SpellWords::read(text, cut, state);
    State resumed = state;
    const QList<Word> rest =
        SpellWords::read(QStringView(text).sliced(cut), text.size() - cut, resumed);
    for (Word word : rest) {
        word.start += cut;
        words.append(word);
    }
    return words;
}

} // namespace

class TstSpellWords : public QObject
{
    Q_OBJECT

private slots:
    void wordsOfPages_data();
    void wordsOfPages();
    void entityFormsAndSpans();
    void piecesReadAsTheWhole_data();
    void piecesReadAsTheWhole();
    void farChangesLeaveTheReadingInFront_data() { piecesReadAsTheWhole_data(); }
    void farChangesLeaveTheReadingInFront();
    void badInputEnds();
};

void TstSpellWords::wordsOfPages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("words");
    using L = QStringList;
    QTest::newRow("plain text") << "Ein kleiner Text." << L{"Ein", "kleiner", "Text"};
    QTest::newRow("named entities") << "Gr&ouml;&szlig;e" << L{"Größe"};
    QTest::newRow("decimal references") << "Gr&#246;&#223;e" << L{"Größe"};
    QTest::newRow("hexadecimal references") << "Gr&#xF6;&#XDF;e" << L{"Größe"};
    QTest::newRow("characters") << "Größe" << L{"Größe"};
    QTest::newRow("nbsp separates")
        << "zwei&nbsp;Worte zwei\u00A0Worte" << L{"zwei", "Worte", "zwei", "Worte"};
    QTest::newRow("soft hyphens inside")
        << "Sil&shy;be Sil\u00ADbe &shy;Wort" << L{"Silbe", "Silbe", "Wort"};
    QTest::newRow("wbr inside") << "Sil<wbr>be Sil<WBR/>be Sil<wbr >be"
                                << L{"Silbe", "Silbe", "Silbe"};
    QTest::newRow("tags separate, names unread")
        << "<p class=\"absatz\">Text<br>mehr</p>" << L{"Text", "mehr"};
    QTest::newRow("alt and title read")
        << "<img src=\"bild.gif\" alt=\"Ein Bild\" TITLE='Titel hier' width=20>"
        << L{"Ein", "Bild", "Titel", "hier"};
    QTest::newRow("bare alt") << "<img alt=Bild src=x.gif>" << L{"Bild"};
    QTest::newRow("other values unread")
        << "<a href=\"seite.html\" class=\"Klasse\" name=\"Anker\">Verweis</a>" << L{"Verweis"};
    QTest::newRow("meta description")
        << "<meta name=\"description\" content=\"Eine Seite\">" << L{"Eine", "Seite"};
    QTest::newRow("meta keywords, content first")
        << "<meta content=\"Worte, hier\" name=keywords>" << L{"Worte", "hier"};
    QTest::newRow("meta of another name") << "<meta name=\"author\" content=\"Hans Wurst\">" << L{};
    QTest::newRow("values over two lines") << "<img alt=\"Ein\nBild\">" << L{"Ein", "Bild"};
    QTest::newRow("end tags") << "</p title=\"nicht hier\">Text" << L{"Text"};
    QTest::newRow("comment") << "a <!-- Kommentar <b>x</b> --> b" << L{"a", "b"};
    QTest::newRow("script") << "<script type=\"x\">var wort = '<b>';</script>Text" << L{"Text"};
    QTest::newRow("style") << "<STYLE>p { color: red }</Style >Text" << L{"Text"};
    QTest::newRow("script not closed by another end tag")
        << "<script>a</scripts> b</script>c" << L{"c"};
    QTest::newRow("declarations") << "<!DOCTYPE html><?xml x?>Text" << L{"Text"};
    QTest::newRow("addresses")
        << "siehe http://example.com/Seite und www.beispiel.de oder name@example.de (info&#64;x.de)"
        << L{"siehe", "und", "oder"};
    QTest::newRow("words with digits") << "MP3 und 1990er, 3D-Grafik m² x_y" << L{"und"};
    QTest::newRow("hyphens") << "E-Mail Haupt- und Nebensatz -nein Bind--strich"
                             << L{"E-Mail", "Haupt-", "und",   "Nebensatz",
                                  "nein",   "Bind-",  "strich"};
    QTest::newRow("apostrophes and dots") << "geht's z.B. usw." << L{"geht", "s", "z", "B", "usw"};
    QTest::newRow("entity without semicolon") << "Gr&uumlne" << L{"Gr", "uumlne"};
    QTest::newRow("invalid references")
        << "&#xFFFFFFFF;Wort &#0;x &#55296;y &foo;z" << L{"Wort", "x", "y", "z"};
    QTest::newRow("mixed scripts") << "Straßeабв Ελλάδα" << L{"Straßeабв", "Ελλάδα"};
    QTest::newRow("letters outside the BMP")
        << u"\U0001D518\U0001D52B x"_qs << L{u"\U0001D518\U0001D52B"_qs, "x"};
    QTest::newRow("a lone less-than") << "a < b" << L{"a", "b"};
    QTest::newRow("tag names with digits") << "<h1 title=\"Kopf\">Titel</h1>" << L{"Kopf", "Titel"};
}

void TstSpellWords::wordsOfPages()
{
    QFETCH(QString, page);
    QFETCH(QStringList, words);
    const QList<Word> found = SpellWords::read(page);
    QCOMPARE(texts(found), words);
    // Every word maps back to its source: read alone, the source is that word.
    for (const Word& word : found) {
        QVERIFY(word.start >= 0 && word.start + word.length <= page.size());
        const QList<Word> alone =
            SpellWords::read(QStringView(page).sliced(word.start, word.length));
        QCOMPARE(texts(alone), QStringList{word.text});
        QCOMPARE(alone.front().length, word.length);
    }
}

void TstSpellWords::entityFormsAndSpans()
{
    const QString page = QStringLiteral("<b>Gr&ouml;&szlig;e</b> Größe Sil&shy;be");
    const QList<Word> words = SpellWords::read(page);
    QCOMPARE(words.size(), 3);
    QCOMPARE(words[0].start, 3);
    QCOMPARE(words[0].length, 16);
    QVERIFY(words[0].entities);
    QVERIFY(!words[1].entities);
    // A soft hyphen is no letter written as an entity.
    QVERIFY(!words[2].entities);
    QCOMPARE(page.mid(words[2].start, words[2].length), QStringLiteral("Sil&shy;be"));
}

void TstSpellWords::piecesReadAsTheWhole_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("text and entities") << "Gr&ouml;&szlig;e und Sil&shy;be<wbr>n, E-Mail-Adresse";
    QTest::newRow("tags and values")
        << "<img alt=\"Ein Bild\" src='x'><meta content=\"Worte\" name=\"description\">Text";
    QTest::newRow("comment and script")
        << "a<!-- b --->c<script>d</script >e<style>f</style>g<!DOCTYPE h>i";
    QTest::newRow("addresses") << "x http://a.b/c y@z.de www.q.de w";
    QTest::newRow("long run") << QString(600, u'a') + QStringLiteral(" Ende");
    QTest::newRow("spaces and breaks written as markup")
        << QStringLiteral("Wort&nbsp;Haus<wbr>teil&thinsp;Ende<wbr  >Gr&ouml;&szlig;e ")
               .repeated(3);
    QTest::newRow("mixed, long")
        << QStringLiteral("Gr&ouml;&szlig;e <b class=\"x\">Wort-</b>Teil <img alt='Ein Bild'>"
                          "<!-- k -->&nbsp;<script>s</script>&#xFC;ber ")
               .repeated(3);
}

void TstSpellWords::piecesReadAsTheWhole()
{
    QFETCH(QString, page);
    const QList<Word> whole = SpellWords::read(page);
    for (qsizetype cut = 0; cut <= page.size(); ++cut)
        QVERIFY2(readInTwo(page, cut) == whole, qPrintable(QStringLiteral("cut at %1").arg(cut)));
    // States asked for on the way are those a reading that ends there reaches.
    std::vector<qsizetype> stops;
    for (qsizetype at = 0; at <= page.size(); at += 3)
        stops.push_back(at);
    std::vector<State> states(stops.size());
    State state;
    SpellWords::read(page, page.size(), state, stops, states.data());
    for (std::size_t k = 0; k < stops.size(); ++k) {
        State ended;
        SpellWords::read(page, stops[k], ended);
        QCOMPARE(states[k].packed(), ended.packed());
        QCOMPARE(State::unpacked(ended.packed()), ended);
    }
}

void TstSpellWords::farChangesLeaveTheReadingInFront()
{
    // Text behind a reading's end, further than its last step's skip and a peek, changes neither
    // its words nor the state it ends in; the attributes of a meta tag are read further on.
    QFETCH(QString, page);
    const QString tails[] = {QString(),
                             QStringLiteral("&uuml;x"),
                             QStringLiteral("<meta name=a>"),
                             QStringLiteral("-->"),
                             QStringLiteral("</script>q"),
                             QString(300, u'b')};
    for (qsizetype cut = 0; cut <= page.size(); ++cut) {
        State state;
        const QList<Word> words = SpellWords::read(page, cut, state);
        // Right at the bound and a little behind it, where a longer look would show first.
        const qsizetype bound = cut + state.skip + SpellWords::Peek;
        for (const qsizetype at : {bound, bound + 1, bound + 2, bound + 5, bound + 31}) {
            if (at >= page.size() || page.left(at).contains(QLatin1String("<meta")))
                break;
            for (const QString& tail : tails) {
                State changed;
                const QString text = page.left(at) + tail;
                QVERIFY2(SpellWords::read(text, cut, changed) == words && changed == state,
                         qPrintable(QStringLiteral("cut %1, change at %2").arg(cut).arg(at)));
            }
        }
    }
}

void TstSpellWords::badInputEnds()
{
    // A word of 10 000 letters is read in pieces; nothing hangs on huge or broken input.
    const QString longWord(10000, u'x');
    const QList<Word> pieces = SpellWords::read(longWord);
    QCOMPARE(pieces.size(), int((10000 + SpellWords::MaxChunk - 1) / SpellWords::MaxChunk));
    qsizetype covered = 0;
    for (const Word& word : pieces)
        covered += word.length;
    QCOMPARE(covered, 10000);
    const QString broken = QStringLiteral("<img alt=\"&#xFFFFFFFF;&uuml&#99999999999;<<<>>>\"") +
                           QString(5000, u'&') + QStringLiteral("<!--") + QString(5000, u'-');
    QVERIFY(SpellWords::read(broken).size() < 10);
}

QTEST_APPLESS_MAIN(TstSpellWords)
#include "tst_spellwords.moc"
