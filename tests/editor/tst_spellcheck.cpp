// Tests of the spelling in the document window with the installed Hunspell dictionaries: what is
// underlined, the context menu's suggestions and word commands, the personal word list, the walk
// to the next error, the switch, the dictionary choice and marks that stay true through edits.
#include "app/Main.h"
#include "app/SettingsDialog.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/FrameFixture.h"
#include "editor/LineEnds.h"
#include "editor/ShownEdit.h"
#include "editor/SpellChecker.h"
#include "editor/SpellDictionary.h"
#include "editor/SpellWords.h"
#include "editor/TextControl.h"
#include "editor/TextMarks.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <memory>

namespace
{

constexpr auto Spelling = TextMarks::Layer::Spelling;

// The source text of every spelling mark, in order.
QStringList markedSources(TExtRich* memo)
{
    QStringList sources;
    for (const TextMarks::Mark& mark : memo->marks()->marks(Spelling)) {
        QTextCursor cursor(memo->document());
        cursor.setPosition(mark.start);
        cursor.setPosition(mark.end(), QTextCursor::KeepAnchor);
        sources.append(cursor.selectedText().remove(QChar::ParagraphSeparator));
    }
    return sources;
}

void showText(TMDIChild* child, const QString& text)
{
    child->TextMemo->loadText(text);
    child->TextMemo->viewport()->repaint();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Where a document position shows in the viewport.
QPoint pointOf(TExtRich* memo, int position)
{
    QTextCursor cursor(memo->document());
    cursor.setPosition(position);
    return memo->cursorRect(cursor).center() + QPoint(2, 0);
}

QAction* menuItem(QMenu* menu, const QString& name, const QString& text = {})
{
    for (QAction* action : menu->actions())
        if (action->objectName() == name && (text.isEmpty() || action->text() == text))
            return action;
    return nullptr;
}

} // namespace

class TstSpellCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void marksFollowTheHtmlRules_data();
    void marksFollowTheHtmlRules();
    void openedPageIsMarkedWhole();
    void wavesShowOnEveryLine();
    void suggestionKeepsTheDocumentsWriting_data();
    void suggestionKeepsTheDocumentsWriting();
    void ignoredAndPersonalWords();
    void badPersonalListIsReportedOnce_data();
    void badPersonalListIsReportedOnce();
    void nextErrorWalksAndWraps();
    void switchAndMissingDictionary();
    void dictionaryChoiceInTheSettings();
    void marksMatchAFreshReadingThroughEdits();
    void wordBehindACutKeepsOneMark_data();
    void wordBehindACutKeepsOneMark();

private:
    TMDIChild* newDocument()
    {
        m_frame->FileNewItemClick();
        runIdle();
        return m_frame->activeChild();
    }
    // Opens the context menu at a document position as the right mouse button does.
    QMenu* contextMenuAt(TMDIChild* child, int position)
    {
        emit child->TextMemo->customContextMenuRequested(pointOf(child->TextMemo, position));
        return child->memoPopUp();
    }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TMainForm> m_frame;
};

void TstSpellCheck::init()
{
    m_env = std::make_unique<TestEnvironment>();
    SpellDictionary::setSearchPaths({});
    m_frame = std::make_unique<TMainForm>();
    m_frame->show();
}

void TstSpellCheck::cleanup()
{
    waitNoModal(1000);
    closeFrameQuietly(m_frame);
    SpellDictionary::setSearchPaths({});
    m_env.reset();
}

void TstSpellCheck::marksFollowTheHtmlRules_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("marked");
    using L = QStringList;
    QTest::newRow("entity forms") << "<p>Gr&ouml;&szlig;e Gr&#246;&#223;e Gr&#xF6;&#xDF;e Größe "
                                     "Fehlerr Gr&ouml;sse</p>"
                                  << L{"Fehlerr", "Gr&ouml;sse"};
    QTest::newRow("attributes read and not")
        << "<img src=\"Quelle.gif\" alt=\"Bildd\" title=\"Tittel\" class=\"Klassse\">"
        << L{"Bildd", "Tittel"};
    QTest::newRow("meta content")
        << "<meta name=\"description\" content=\"Beschreibungg\">\n<meta name=\"author\" "
           "content=\"Autorr\">\n<meta content=\"Stichwortt\" name=\"keywords\">"
        << L{"Beschreibungg", "Stichwortt"};
    QTest::newRow("comments, script and style skipped")
        << "<!-- Kommentarr -->\n<script>var Skriptt;</script>\n<style>.Stiel{}</style>\n"
           "<p class=\"Klassse\">Textt</p>"
        << L{"Textt"};
    QTest::newRow("addresses and digits skipped")
        << "http://beispiell.de/Seitee fehlerr@beispiell.de Wortt2 www.seitee.de" << L{};
    QTest::newRow("soft hyphens, wbr and nbsp")
        << "Sil&shy;be Sil<wbr>be Sillbe Wort&nbsp;Wortt" << L{"Sillbe", "Wortt"};
    QTest::newRow("a tag over lines") << "<img\nalt=\"Ein\nBildd\"\nsrc=x>" << L{"Bildd"};
}

void TstSpellCheck::marksFollowTheHtmlRules()
{
    QFETCH(QString, page);
    QFETCH(QStringList, marked);
    TMDIChild* child = newDocument();
    showText(child, page);
    QCOMPARE(markedSources(child->TextMemo), marked);
    for (const TextMarks::Mark& mark : child->TextMemo->marks()->marks(Spelling))
        QCOMPARE(mark.tip, SpellChecker::Tip);
}

void TstSpellCheck::openedPageIsMarkedWhole()
{
    const QString path = m_env->path(QStringLiteral("seite.html"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "<!DOCTYPE html>\n<html><head><title>Unsere Seite</title>\n<meta name=\"description\" "
        "content=\"Eine Beschreibungg\">\n</head><body>\n<h1>Willkommen auf der Seitte</h1>\n"
        "<p>Die Gr&ouml;&szlig;e und die Gr\xc3\xb6sse.</p>\n<img "
        "alt=\"Bildd\">\n</body></html>\n");
    file.close();
    TMDIChild* child = m_frame->openDocument(path);
    QVERIFY(child);
    runIdle();
    child->TextMemo->viewport()->repaint();
    QCOMPARE(markedSources(child->TextMemo),
             (QStringList{"Beschreibungg", "Seitte", "Gr\u00F6sse", "Bildd"}));
}

void TstSpellCheck::wavesShowOnEveryLine()
{
    // A wave on the first and on the eighth line of a document inside the frame.
    TMDIChild* child = newDocument();
    showText(child, QStringLiteral("Fehlerr\n\n\n\n\n\n\nWortt"));
    QCOMPARE(markedSources(child->TextMemo), (QStringList{"Fehlerr", "Wortt"}));
    const QImage shown = shownImage(child->TextMemo);
    for (const int position : {1, 16}) {
        const QRect line = child->TextMemo->cursorRect(
            QTextCursor(child->TextMemo->document()->findBlock(position)));
        const QImage strip = shown.copy(QRect(0, line.top(), shown.width(), line.height() + 4));
        QVERIFY2(pixelsNear(strip, QColor(220, 0, 0), 60) > 5,
                 qPrintable(QString::number(position)));
    }
}

void TstSpellCheck::suggestionKeepsTheDocumentsWriting_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("autoUmlauts");
    QTest::addColumn<QString>("written");
    QTest::newRow("characters stay characters") << "Die Grösse." << false << "Die Größe.";
    QTest::newRow("entities stay entities")
        << "Die Gr&ouml;sse." << false << "Die Gr&ouml;&szlig;e.";
    QTest::newRow("auto umlauts write entities")
        << "Die Grösse." << true << "Die Gr&ouml;&szlig;e.";
}

void TstSpellCheck::suggestionKeepsTheDocumentsWriting()
{
    QFETCH(QString, page);
    QFETCH(bool, autoUmlauts);
    QFETCH(QString, written);
    TMDIChild* child = newDocument();
    if (child->action(QStringLiteral("AutoUmlaute1"))->isChecked() != autoUmlauts)
        child->action(QStringLiteral("AutoUmlaute1"))->trigger();
    showText(child, page);
    QMenu* menu = contextMenuAt(child, 6);
    QAction* suggestion =
        menuItem(menu, QStringLiteral("SpellSuggestion"), QStringLiteral("Größe"));
    QVERIFY(suggestion);
    // The suggestions come first, the word commands behind them, the usual items after.
    QCOMPARE(menu->actions().first()->objectName(), QStringLiteral("SpellSuggestion"));
    QVERIFY(menuItem(menu, QStringLiteral("SpellIgnore"), QStringLiteral("&Ignorieren")));
    QVERIFY(menuItem(menu, QStringLiteral("SpellAddWord"),
                     QStringLiteral("Zum &Wörterbuch hinzufügen")));
    QVERIFY(menuItem(menu, QStringLiteral("Rckgngig1")));
    menu->close();
    suggestion->trigger();
    QCOMPARE(child->TextMemo->text(), written);
    child->TextMemo->viewport()->repaint();
    QCOMPARE(markedSources(child->TextMemo), QStringList());
    // One undo step brings the word back.
    child->action(QStringLiteral("Rckgngig2"))->trigger();
    QCOMPARE(child->TextMemo->text(), page);
    // A word that is right offers nothing.
    menu = contextMenuAt(child, 1);
    QVERIFY(!menuItem(menu, QStringLiteral("SpellIgnore")));
    menu->close();
}

void TstSpellCheck::ignoredAndPersonalWords()
{
    TMDIChild* first = newDocument();
    showText(first, QStringLiteral("Tessaline Orvantoo Fehlerr"));
    TMDIChild* second = newDocument();
    showText(second, QStringLiteral("Orvantoo und Tessaline"));
    QCOMPARE(markedSources(second->TextMemo), (QStringList{"Orvantoo", "Tessaline"}));

    QMenu* menu = contextMenuAt(second, 14);
    menuItem(menu, QStringLiteral("SpellIgnore"))->trigger();
    menu->close();
    menu = contextMenuAt(second, 2);
    menuItem(menu, QStringLiteral("SpellAddWord"))->trigger();
    menu->close();
    // The shown document at once, the other one once the text has rested.
    second->TextMemo->viewport()->repaint();
    QCOMPARE(markedSources(second->TextMemo), QStringList());
    QTRY_COMPARE(markedSources(first->TextMemo), QStringList{"Fehlerr"});
    QCOMPARE(readBytes(SpellDictionary::personalListPath()), QByteArray("Orvantoo\n"));

    // After a restart the added word still counts, the ignored one no longer.
    SpellDictionary::instance().reset();
    TMDIChild* third = newDocument();
    showText(third, QStringLiteral("Tessaline Orvantoo"));
    QCOMPARE(markedSources(third->TextMemo), QStringList{"Tessaline"});
    // The list takes further words; each stays once.
    SpellDictionary::instance().addToPersonalList(QStringLiteral("Größenwahnn"));
    SpellDictionary::instance().addToPersonalList(QStringLiteral("Orvantoo"));
    QCOMPARE(QString::fromUtf8(readBytes(SpellDictionary::personalListPath())),
             QStringLiteral("Orvantoo\nGrößenwahnn\n"));
}

void TstSpellCheck::badPersonalListIsReportedOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("binary") << "binary";
    QTest::newRow("huge") << "huge";
    QTest::newRow("unreadable") << "unreadable";
    QTest::newRow("not UTF-8") << "latin1";
}

void TstSpellCheck::badPersonalListIsReportedOnce()
{
    QFETCH(QString, kind);
    const QString path = SpellDictionary::personalListPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray bytes;
    if (kind == QLatin1String("unreadable")) {
        QVERIFY(QDir().mkpath(path));
    } else {
        bytes = kind == QLatin1String("binary")   ? QByteArray("Orvantoo\n\0\1\2\3", 13)
                : kind == QLatin1String("latin1") ? QByteArray("Orvantoo\nGr\xf6\xdf"
                                                               "e\n")
                                                  : QByteArray("Orvantoo\n").repeated(200000);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    SpellDictionary::instance().reset();
    QString report;
    answerMessageBox(QMessageBox::Ok, &report);
    TMDIChild* child = newDocument();
    showText(child, QStringLiteral("Orvantoo"));
    QTRY_VERIFY(!report.isEmpty());
    QVERIFY2(report.contains(QStringLiteral("Wortliste")), qPrintable(report));
    QCOMPARE(markedSources(child->TextMemo), QStringList{"Orvantoo"});
    // Once is enough: another document says nothing more.
    TMDIChild* other = newDocument();
    showText(other, QStringLiteral("Orvantoo Zweitwortt"));
    QTest::qWait(50);
    QVERIFY(!QApplication::activeModalWidget());
    // Adding a word keeps the list on disk as it was and says so.
    QString notice;
    answerMessageBox(QMessageBox::Ok, &notice);
    SpellDictionary::instance().addToPersonalList(QStringLiteral("Zweitwortt"));
    QVERIFY(notice.contains(QStringLiteral("Zweitwortt")));
    if (kind != QLatin1String("unreadable"))
        QCOMPARE(readBytes(path), bytes);
    other->TextMemo->viewport()->repaint();
    QCOMPARE(markedSources(other->TextMemo), QStringList{"Orvantoo"});
}

void TstSpellCheck::nextErrorWalksAndWraps()
{
    TMDIChild* child = newDocument();
    QString page = QStringLiteral("<p>Erstes Fehlerr</p>\n");
    for (int i = 0; i < 600; ++i)
        page += QStringLiteral("<p>Eine Zeile mit richtigen Wörtern.</p>\n");
    page += QStringLiteral("<img alt=\"Zweitess\">Drittess");
    showText(child, page);
    TExtRich* memo = child->TextMemo;
    QAction* next = child->action(QStringLiteral("NchsterFehler1"));
    QCOMPARE(next->text(), QStringLiteral("Nächster &Fehler"));
    QCOMPARE(next->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+F8")));
    QStringList walked;
    for (int i = 0; i < 4; ++i) {
        next->trigger();
        walked.append(memo->selText());
    }
    QCOMPARE(walked, (QStringList{"Fehlerr", "Zweitess", "Drittess", "Fehlerr"}));

    showText(child, QStringLiteral("Alles richtig."));
    QString text;
    answerMessageBox(QMessageBox::Ok, &text);
    next->trigger();
    QCOMPARE(text, QStringLiteral("Der Text enthält keine unbekannten Wörter."));
}

void TstSpellCheck::switchAndMissingDictionary()
{
    TMDIChild* child = newDocument();
    showText(child, QStringLiteral("Fehlerr"));
    QAction* item = child->action(QStringLiteral("Rechtschreibungprfen1"));
    QCOMPARE(item->text(), QStringLiteral("&Rechtschreibung prüfen"));
    QVERIFY(item->isChecked());
    QCOMPARE(markedSources(child->TextMemo), QStringList{"Fehlerr"});
    item->trigger();
    QVERIFY(!item->isChecked());
    QCOMPARE(markedSources(child->TextMemo), QStringList());
    QCOMPARE(SettingsStore().readString("Optionen", "SpellCheck", ""), QStringLiteral("0"));
    item->trigger();
    child->TextMemo->viewport()->repaint();
    QCOMPARE(markedSources(child->TextMemo), QStringList{"Fehlerr"});

    // Without any dictionary the commands say so, and nothing else changes.
    SettingsStore().deleteValue("Optionen", "SpellCheck");
    SpellDictionary::setSearchPaths({m_env->path(QStringLiteral("leer"))});
    TMDIChild* bare = newDocument();
    showText(bare, QStringLiteral("Fehlerr"));
    QAction* bareItem = bare->action(QStringLiteral("Rechtschreibungprfen1"));
    QVERIFY(!bareItem->isChecked());
    QCOMPARE(markedSources(bare->TextMemo), QStringList());
    for (const char* name : {"Rechtschreibungprfen1", "NchsterFehler1"}) {
        QString text;
        answerMessageBox(QMessageBox::Ok, &text);
        bare->action(QString::fromLatin1(name))->trigger();
        QVERIFY2(text.contains(QStringLiteral("kein Wörterbuch")), qPrintable(text));
        QVERIFY(!bareItem->isChecked());
    }
    QVERIFY(!SettingsStore().hasValue("Optionen", "SpellCheck"));
}

void TstSpellCheck::dictionaryChoiceInTheSettings()
{
    const QStringList installed = SpellDictionary::instance().installedLanguages();
    QVERIFY(installed.contains(QStringLiteral("de_DE")));
    if (!installed.contains(QStringLiteral("en_US")))
        QSKIP("hunspell-en-us is not installed");
    // Links to another language's files (de_BE to de_DE) are offered once.
    QVERIFY(!installed.contains(QStringLiteral("de_BE")));
    TMDIChild* child = newDocument();
    showText(child, QStringLiteral("Haus house"));
    QCOMPARE(markedSources(child->TextMemo), QStringList{"house"});

    QStringList offered;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<TEinstellungen*>(w);
        if (!dialog)
            return false;
        auto* languages = dialog->findChild<QComboBox*>(QStringLiteral("CBSpellLanguage"));
        for (int i = 0; languages && i < languages->count(); ++i)
            offered.append(languages->itemData(i).toString());
        if (languages)
            languages->setCurrentIndex(languages->findData(QStringLiteral("en_US")));
        dialog->okButton()->click();
        return true;
    });
    m_frame->control("Einstellungen1")->trigger();
    QCOMPARE(offered, installed);
    QCOMPARE(SettingsStore().readString("Optionen", "SpellLanguage", ""), QStringLiteral("en_US"));
    child->TextMemo->viewport()->repaint();
    QCOMPARE(markedSources(child->TextMemo), QStringList{"Haus"});
}

void TstSpellCheck::marksMatchAFreshReadingThroughEdits()
{
    // Long lines are held as pieces; words across the cuts, tags over lines and edits anywhere
    // must leave the marks a reading of the whole text from scratch would give.
    const QString words[] = {"Wortt",       "Haus", "<b>",   "Gr&ouml;sse", "<!--", "-->",
                             "<img alt=\"", "\">",  "Bildd", "\n",          "xqzv", "Größe"};
    QRandomGenerator random(17);
    QString page;
    while (page.size() < 30000) {
        page += words[random.bounded(int(std::size(words)))];
        page += random.bounded(8) == 0 ? QString(900, u'q') : QStringLiteral(" ");
    }
    TMDIChild* child = newDocument();
    TExtRich* memo = child->TextMemo;
    memo->loadText(page);
    QVERIFY(memo->document()->blockCount() > memo->lineCount() + 3);
    SpellChecker* checker = child->spelling();
    for (int round = 0; round < 40; ++round) {
        if (round > 0) {
            QTextCursor cursor(memo->document());
            const int at = random.bounded(memo->document()->characterCount() - 1);
            cursor.setPosition(at);
            cursor.setPosition(
                std::min(at + random.bounded(6), memo->document()->characterCount() - 1),
                QTextCursor::KeepAnchor);
            cursor.insertText(words[random.bounded(int(std::size(words)))]);
            memo->viewport()->repaint();
        }
        checker->checkAll();
        // The model: the document's text without its cuts, read whole.
        QString whole;
        std::vector<int> positions;
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
            for (int k = 0; k < block.length() - 1; ++k)
                positions.push_back(block.position() + k);
            whole += block.text();
            if (block.next().isValid() && !block.next().text().isNull() &&
                memo->lineOfBlock(block.next()) != memo->lineOfBlock(block)) {
                whole += u'\n';
                positions.push_back(block.position() + block.length() - 1);
            }
        }
        QList<TextMarks::Mark> expected;
        for (const SpellWords::Word& word : SpellWords::read(whole)) {
            if (SpellDictionary::instance().isCorrect(word.text))
                continue;
            const int start = positions[std::size_t(word.start)];
            const int end = positions[std::size_t(word.start + word.length - 1)] + 1;
            expected.append({start, end - start, QColor(), {}});
        }
        QList<TextMarks::Mark> found = memo->marks()->marks(Spelling);
        for (TextMarks::Mark& mark : found) {
            mark.colour = QColor();
            mark.tip.clear();
        }
        QCOMPARE(found.size(), expected.size());
        QVERIFY2(found == expected, qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

void TstSpellCheck::wordBehindACutKeepsOneMark_data()
{
    QTest::addColumn<bool>("behindTheCut");
    QTest::newRow("far behind the cut") << true;
    QTest::newRow("in the piece in front") << false;
}

void TstSpellCheck::wordBehindACutKeepsOneMark()
{
    QFETCH(bool, behindTheCut);
    // The long line is cut behind "-->", so the word right behind the cut is read with the
    // piece in front, whose last step runs over the cut.
    const int words = int(LineEnds::PieceLength - 70) / 5;
    const int cut = words * 5 + 3;
    TMDIChild* child = newDocument();
    TExtRich* memo = child->TextMemo;
    showText(child, QStringLiteral("Haus ").repeated(words) + QStringLiteral("-->Wortt") +
                        QStringLiteral(" Haus").repeated(400));
    QCOMPARE(memo->document()->findBlock(cut + 1).position(), cut + 1);
    child->spelling()->checkAll();
    QCOMPARE(markedSources(memo), QStringList{"Wortt"});
    const int typedAt = behindTheCut ? cut + 1 + int(LineEnds::PieceLength) / 2 : cut / 2;
    QTextCursor cursor(memo->document());
    cursor.setPosition(memo->document()->find(QStringLiteral("Haus"), typedAt).selectionStart());
    cursor.insertText(QStringLiteral("Haus "));
    memo->viewport()->repaint();
    child->spelling()->checkAll();
    QCOMPARE(markedSources(memo), QStringList{"Wortt"});
}

TESSALINE_TEST_MAIN(TstSpellCheck)
#include "tst_spellcheck.moc"
