// Tests of the page check: Tidy's findings in German at the editor's places, local links and
// anchors against a temporary folder, bad input, the findings window and the marks while typing.
#include "FrameFixture.h"
#include "editor/PageCheck.h"
#include "editor/PageCheckDocument.h"
#include "editor/PageCheckResults.h"
#include "editor/TextMarks.h"
#include "support/TestSupport.h"
#include "widgets/HintStatusBar.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTreeWidget>

using PageCheck::Finding;

namespace
{

const QString head =
    QStringLiteral("<!DOCTYPE html>\r\n<html><head><title>t</title></head><body>\r\n");
const QString tail = QStringLiteral("\r\n</body></html>");

QStringList rowsOf(const QList<Finding>& findings)
{
    QStringList rows;
    for (const Finding& f : findings)
        rows << QStringLiteral("%1:%2+%3 %4 %5")
                    .arg(f.line)
                    .arg(f.column)
                    .arg(f.length)
                    .arg(PageCheck::kindText(f.kind), f.message);
    return rows;
}

QStringList check(const QString& text, const QString& folder = QString(),
                  std::optional<TextFileFormat::Encoding> encoding = std::nullopt)
{
    return rowsOf(PageCheck::check({text, folder, encoding}));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TstPageCheck : public QObject
{
    Q_OBJECT
private slots:
    void findings_data();
    void findings();
    void declaredCharset_data();
    void declaredCharset();
    void openTagsClosedByTheirParagraph();
    void localLinks_data();
    void localLinks();
    void badInput_data();
    void badInput();
    void summary_data();
    void summary();
    void rowJumpsToThePlace();
    void marksWhileTyping();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TstPageCheck::findings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");
    const QString endTag = head + QStringLiteral("<p>Text <b>fett</p>") + tail;
    const QStringList endTagRows{QStringLiteral("3:8+3 Warnung Fehlendes </b> vor </p>")};
    QTest::newRow("missing end tag, CR LF") << endTag << endTagRows;
    QTest::newRow("LF") << QString(endTag).replace(QLatin1String("\r\n"), QLatin1String("\n"))
                        << endTagRows;
    QTest::newRow("lone CR") << QString(endTag).replace(QLatin1String("\r\n"), QLatin1String("\r"))
                             << endTagRows;
    QTest::newRow("U+2029") << QString(endTag).replace(QLatin1String("\r\n"), QChar(0x2029))
                            << endTagRows;
    // Columns count the line's characters as the caret panel does: an umlaut one, a character
    // beyond the BMP two, an entity its letters, a tab one.
    QTest::newRow("umlauts, emoji, entity, tab")
        << head + QStringLiteral("\t<p>Grüße \U0001F600 &auml; <foo>x</foo></p>") + tail
        << QStringList{QStringLiteral("3:20+5 Fehler Unbekanntes Element <foo>"),
                       QStringLiteral("3:20+5 Warnung Unerwartetes <foo> wird übergangen"),
                       QStringLiteral("3:26+6 Warnung Unerwartetes </foo> wird übergangen")};
    QTest::newRow("bad entities")
        << head + QStringLiteral("<p>A &bogus; B &amp C</p>") + tail
        << QStringList{QStringLiteral(
                           "3:5+1 Warnung Nicht maskiertes & oder unbekannte Entität \"&bogus\""),
                       QStringLiteral("3:15+1 Warnung Entität \"&amp\" endet nicht mit ';'")};
    QTest::newRow("one-line page")
        << QStringLiteral("<!DOCTYPE html><html><head><title>t</title></head><body><p>x</i></p>"
                          "<p align>y</p></body></html>")
        << QStringList{QStringLiteral("1:60+4 Warnung Unerwartetes </i> wird übergangen"),
                       QStringLiteral("1:68+9 Warnung <p>: Attribut \"align\" ohne Wert")};
    QTest::newRow("duplicate id")
        << head + QStringLiteral("<p id=\"a\">x</p><p id=\"a\">y</p>") + tail
        << QStringList{QStringLiteral("3:15+10 Warnung <p>: Anker \"a\" ist schon vergeben")};
    QTest::newRow("nested links")
        << head + QStringLiteral("<a href=\"#x\" id=\"x\"><a href=\"#x\">y</a></a>") + tail
        << QStringList{QStringLiteral("3:0+20 Warnung Fehlendes </a> vor <a>"),
                       QStringLiteral("3:38+4 Warnung Unerwartetes </a> wird übergangen")};
    QTest::newRow("no doctype, no title")
        << QStringLiteral("<p>x</p>")
        << QStringList{QStringLiteral("1:0+3 Warnung Fehlende <!DOCTYPE>-Angabe"),
                       QStringLiteral("1:0+3 Warnung Implizites <body> eingefügt"),
                       QStringLiteral("1:0+3 Warnung Fehlendes <title>-Element")};
    QTest::newRow("clean") << head + QStringLiteral("<p>x</p>") + tail << QStringList{};
    QTest::newRow("untitled: image without alt, links not looked for")
        << head + QStringLiteral("<p><img src=\"a.gif\"><a href=\"b.htm\">b</a></p>") + tail
        << QStringList{
               QStringLiteral("3:3+17 Warnung <img> ohne Attribut \"alt\" (Textalternative)"),
               QStringLiteral("3:13+5 Hinweis Das Dokument ist noch nicht gespeichert: lokale "
                              "Verweise werden nicht geprüft")};
    QTest::newRow("script content is no markup")
        << head + QStringLiteral("<script>if (a<b && c) x = \"<img src=q>\";</script>") + tail
        << QStringList{};
}

void TstPageCheck::findings()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    QCOMPARE(check(text), rows);
}

void TstPageCheck::declaredCharset_data()
{
    QTest::addColumn<QString>("meta");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QStringList>("rows");
    const QString mismatch = QStringLiteral("1:%1+%2 Fehler Die Seite gibt den Zeichensatz %3 an, "
                                            "das Dokument ist aber %4 kodiert");
    QTest::newRow("UTF-8 declared, Windows-1252 written")
        << "<meta charset=\"UTF-8\">" << int(TextFileFormat::Encoding::Windows1252)
        << QStringList{mismatch.arg(42).arg(5).arg("UTF-8", "Windows-1252")};
    QTest::newRow("Latin-1 declared, UTF-8 written")
        << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"
        << int(TextFileFormat::Encoding::Utf8)
        << QStringList{mismatch.arg(87).arg(10).arg("iso-8859-1", "UTF-8")};
    QTest::newRow("agreeing") << "<meta charset=\"utf-8\">"
                              << int(TextFileFormat::Encoding::Utf8Bom) << QStringList{};
    QTest::newRow("nothing declared")
        << "" << int(TextFileFormat::Encoding::Windows1252) << QStringList{};
}

void TstPageCheck::declaredCharset()
{
    QFETCH(QString, meta);
    QFETCH(int, encoding);
    QFETCH(QStringList, rows);
    const QString text = QStringLiteral("<!DOCTYPE html><html><head>") + meta +
                         QStringLiteral("<title>t</title></head><body><p>ä</p></body></html>");
    QCOMPARE(check(text, QString(), TextFileFormat::Encoding(encoding)), rows);
}

void TstPageCheck::openTagsClosedByTheirParagraph()
{
    // Inline tags that a paragraph's end closes, and paragraphs that end each other, do not
    // nest: a long page of them is no deep nesting, and Tidy still checks it.
    const QString text =
        head +
        QStringLiteral("<p>Ein <b>offenes Tag</p>\r\n<p>Absatz\r\n<ul><li>a<li>b</ul>\r\n")
            .repeated(1000) +
        QStringLiteral("<p>x</i></p>") + tail;
    const QStringList rows = check(text);
    QVERIFY(rows.filter(QStringLiteral("Ebenen")).isEmpty());
    QVERIFY2(rows.value(0) == QStringLiteral("3:7+3 Warnung Fehlendes </b> vor </p>"),
             qPrintable(rows.value(0)));
}

void TstPageCheck::localLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("row"); // empty: no finding
    const QString at = QStringLiteral("3:9+%1 ");
    const auto row = [&](const QString& link, const char* text) {
        return at.arg(link.size()) + QString::fromUtf8(text);
    };
    QTest::newRow("present") << "bilder/logo.gif" << QString();
    QTest::newRow("missing") << "bilder/fehlt.gif"
                             << row("bilder/fehlt.gif",
                                    "Fehler Datei nicht gefunden: bilder/fehlt.gif");
    QTest::newRow("case matters") << "bilder/Logo.gif"
                                  << row("bilder/Logo.gif",
                                         "Fehler Datei nicht gefunden: bilder/Logo.gif");
    QTest::newRow("percent-escaped") << "mein%20bild.gif" << QString();
    QTest::newRow("percent-escaped umlaut") << "gr%C3%BC%C3%9Fe.htm" << QString();
    QTest::newRow("missing, escaped")
        << "kein%20bild.gif"
        << row("kein%20bild.gif", "Fehler Datei nicht gefunden: kein bild.gif");
    QTest::newRow("query and fragment ignored") << "seite.htm?x=1#kap1" << QString();
    QTest::newRow("anchor in linked file, by name") << "seite.htm#kap1" << QString();
    QTest::newRow("anchor in linked file, by id") << "seite.htm#kap2" << QString();
    QTest::newRow("anchor missing in linked file")
        << "seite.htm#kap3"
        << row("seite.htm#kap3", "Warnung Anker nicht gefunden: seite.htm#kap3");
    QTest::newRow("anchor in the page") << "#oben" << QString();
    QTest::newRow("anchor missing in the page")
        << "#unten" << row("#unten", "Warnung Anker nicht gefunden: #unten");
    QTest::newRow("file: URL") << "file:bilder/logo.gif" << QString();
    QTest::newRow("other schemes are not looked for") << "http://example.org/x.gif" << QString();
    QTest::newRow("server root") << "/x.gif" << QString();
    QTest::newRow("escaped NUL") << "bild%00.gif"
                                 << row("bild%00.gif",
                                        "Fehler Datei nicht gefunden: bild\uFFFD.gif");
    QTest::newRow("amp entity in the value") << "seite.htm?a=1&amp;b=2#kap1" << QString();
}

void TstPageCheck::localLinks()
{
    QFETCH(QString, link);
    QFETCH(QString, row);
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("bilder/logo.gif")), "GIF89a");
    writeFile(dir.filePath(QStringLiteral("mein bild.gif")), "GIF89a");
    writeFile(dir.filePath(QStringLiteral("grüße.htm")), "x");
    writeFile(dir.filePath(QStringLiteral("seite.htm")),
              "<html><body><a name=\"kap1\">1</a><p id='kap2'>2</p></body></html>");
    const QString text = head + QStringLiteral("<a href=\"%1\" id=\"oben\">x</a>").arg(link) + tail;
    // The file system is asked nothing it would complain about.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QStringList rows = check(text, dir.path());
    QCOMPARE(rows, row.isEmpty() ? QStringList{} : QStringList{row});
    // The file's own path works as well as a file: URL of it.
    if (link == QLatin1String("file:bilder/logo.gif")) {
        const QString url =
            QUrl::fromLocalFile(dir.filePath(QStringLiteral("bilder/logo.gif"))).toString();
        QCOMPARE(check(QString(text).replace(link, url), dir.path()), QStringList{});
    }
}

void TstPageCheck::badInput_data()
{
    QTest::addColumn<QString>("text");
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i * 37) & 0xFF));
    QTest::newRow("binary") << QString::fromLatin1(bytes);
    QTest::newRow("NUL") << QStringLiteral("<p>a") + QChar(0) + QStringLiteral("<b>b</p>\r\n<i>");
    QTest::newRow("10 MB on one line")
        << QStringLiteral("<p class=x>Text <b>fett &amp;</b> <img src=a.gif>").repeated(200000);
    QTest::newRow("100 000 levels of tables") << QStringLiteral("<table><tr><td>").repeated(100000);
    QTest::newRow("100 000 levels of lists") << QStringLiteral("<ul><li>").repeated(100000);
    QTest::newRow("100 000 levels of blocks") << QStringLiteral("<div><span>").repeated(100000);
    QTest::newRow("malformed entities")
        << QStringLiteral("&#; &#x; &#xFFFFFFFFFF; &#99999999; &; &&; &a&b; &#55296; &\r\n")
               .repeated(100);
    QTest::newRow("unclosed quotes and tags")
        << QStringLiteral("<a href=\"x\n<img src='<b <!-- <script> </").repeated(1000);
    QTest::newRow("lone surrogates")
        << QString(QChar(0xD800)) + QStringLiteral("<p>") + QChar(0xDC00) + QStringLiteral("<x>");
}

void TstPageCheck::badInput()
{
    QFETCH(QString, text);
    const QList<Finding> findings = PageCheck::check({text, QString(), std::nullopt});
    QVERIFY(!findings.isEmpty());
    const PageCheck::LineIndex lines(text);
    for (const Finding& f : findings) {
        QVERIFY2(f.line >= 1 && f.line <= lines.lineCount(), qPrintable(f.message));
        const qsizetype length = lines.lineEnd(f.line - 1) - lines.lineStart(f.line - 1);
        QVERIFY2(f.column >= 0 && f.column + f.length <= length, qPrintable(f.message));
        QVERIFY(!f.message.isEmpty());
    }
    if (text.size() < 100000)
        QCOMPARE(PageCheck::check({text, QString(), std::nullopt}), findings);
}

void TstPageCheck::summary_data()
{
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << QList<int>{} << "Keine Probleme gefunden.";
    QTest::newRow("3 errors, 5 warnings")
        << QList<int>{0, 1, 0, 1, 1, 0, 1, 1} << "3 Fehler, 5 Warnungen";
    QTest::newRow("one of each") << QList<int>{2, 1, 0} << "1 Fehler, 1 Warnung, 1 Hinweis";
    QTest::newRow("notes") << QList<int>{2, 2} << "2 Hinweise";
}

void TstPageCheck::summary()
{
    QFETCH(QList<int>, kinds);
    QFETCH(QString, text);
    QList<Finding> findings;
    for (int kind : kinds)
        findings.append({1, 0, 0, PageCheck::Kind(kind), QStringLiteral("x")});
    QCOMPARE(PageCheck::summary(findings), text);
}

void TstPageCheck::rowJumpsToThePlace()
{
    m_env = std::make_unique<TestEnvironment>();
    auto frame = std::make_unique<TMainForm>(StartOptions{});
    frame->show();
    TMDIChild* child = frame->createChild();
    child->TextMemo->loadText(head + QStringLiteral("<p>Grüße <b>fett</b></p>\r\n<p>x <foo>y</p>") +
                              tail);
    QAction* command = child->action(QStringLiteral("Seiteprfen1"));
    QVERIFY(command);
    QCOMPARE(command->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    command->trigger();

    PageCheckResults* results = frame->pageCheckResults();
    QTRY_COMPARE(results->list()->topLevelItemCount(), 2);
    QVERIFY(frame->pageCheckDock()->isVisible());
    QCOMPARE(frame->pageCheckDock()->windowTitle(), QStringLiteral("Prüfergebnis"));
    QCOMPARE(results->summaryText(), QStringLiteral("1 Fehler, 1 Warnung"));
    QCOMPARE(frame->HintStatusBar1->panelText(QStringLiteral("HintStatusPanel3")),
             QStringLiteral("1 Fehler, 1 Warnung"));
    const QTreeWidgetItem* second = results->list()->topLevelItem(1);
    QCOMPARE(QStringList({second->text(0), second->text(1), second->text(2), second->text(3)}),
             QStringList({"4", "5", "Warnung", "Unerwartetes <foo> wird übergangen"}));

    // Return on the second row: the caret stands on the place, the document has the keyboard.
    results->list()->setFocus();
    results->list()->setCurrentItem(results->list()->topLevelItem(1));
    QTest::keyClick(results->list(), Qt::Key_Return);
    QTRY_VERIFY(child->TextMemo->hasFocus());
    QCOMPARE(child->TextMemo->selStart(), child->TextMemo->firstPositionOfLine(3) + 5);
    QCOMPARE(child->TextMemo->selText(), QStringLiteral("<foo>"));

    // The check runs again on command and the list follows the text; a clean page says so.
    child->TextMemo->loadText(head + QStringLiteral("<p>x</p>") + tail);
    command->trigger();
    QTRY_COMPARE(results->summaryText(), QStringLiteral("Keine Probleme gefunden."));
    QCOMPARE(results->list()->topLevelItemCount(), 0);

    // Escape closes the window and gives the document the keyboard; its place is kept.
    results->list()->setFocus();
    QTest::keyClick(results->list(), Qt::Key_Escape);
    QVERIFY(!frame->pageCheckDock()->isVisible());
    QTRY_VERIFY(child->TextMemo->hasFocus());
    frame->pageCheckDock()->show();
    frame->addDockWidget(Qt::LeftDockWidgetArea, frame->pageCheckDock());
    frame->close();
    closeFrameQuietly(frame);
    frame = std::make_unique<TMainForm>(StartOptions{});
    QVERIFY(frame->pageCheckDock()->isVisibleTo(frame.get()));
    QCOMPARE(frame->dockWidgetArea(frame->pageCheckDock()), Qt::LeftDockWidgetArea);
    closeFrameQuietly(frame);
    m_env.reset();
}

void TstPageCheck::marksWhileTyping()
{
    m_env = std::make_unique<TestEnvironment>();
    auto frame = std::make_unique<TMainForm>(StartOptions{});
    frame->show();
    TMDIChild* child = frame->createChild();
    TExtRich* text = child->TextMemo;
    // A line longer than a display piece: the finding stands in a later piece of it.
    const QString filler = QStringLiteral("Wort ").repeated(500);
    text->loadText(head + QStringLiteral("<p>") + filler + QStringLiteral("</i></p>") + tail);
    QVERIFY(text->document()->blockCount() > text->lineCount());

    PageChecker* checker = child->pageChecker();
    QSignalSpy checked(checker, &PageChecker::checked);
    QAction* sw = child->action(QStringLiteral("SeitebeimTippenprfen1"));
    QVERIFY(sw && sw->isCheckable() && !sw->isChecked());
    sw->trigger();
    QVERIFY(PageCheckSwitch::whileTyping());
    QTRY_COMPARE(checked.size(), 1);
    QList<TextMarks::Mark> marks = text->marks()->marks(TextMarks::Layer::PageCheck);
    QCOMPARE(marks.size(), 1);
    QTextCursor cursor(text->document());
    cursor.setPosition(marks[0].start);
    cursor.setPosition(marks[0].end(), QTextCursor::KeepAnchor);
    QCOMPARE(cursor.selectedText(), QStringLiteral("</i>"));
    QCOMPARE(marks[0].tip, QStringLiteral("Warnung: Unerwartetes </i> wird übergangen"));
    QCOMPARE(marks[0].colour, PageChecker::colour(PageCheck::Kind::Warning));

    // Typing supersedes the check: the findings that arrive fit the text as it is then.
    checked.clear();
    text->setSelStart(text->firstPositionOfLine(2));
    QTest::keyClicks(text, QStringLiteral("<b>"));
    QTRY_COMPARE(checked.size(), 1);
    QCOMPARE(rowsOf(checker->findings()), check(text->text()));
    QCOMPARE(text->marks()->marks(TextMarks::Layer::PageCheck).size(), checker->findings().size());

    // Switched off, the marks go; the switch is kept in the store.
    sw->trigger();
    QVERIFY(!PageCheckSwitch::whileTyping());
    QVERIFY(text->marks()->marks(TextMarks::Layer::PageCheck).isEmpty());
    closeFrameQuietly(frame);
    m_env.reset();
}

TESSALINE_TEST_MAIN(TstPageCheck)
#include "tst_pagecheck.moc"
