// Benchmark of the spelling: opening and typing in pages of 10 MB with and without the check,
// the memory the check takes once it has read the whole page, and how long that reading takes.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "app/Application.h"
#include "core/TextFileCodec.h"
#include "editor/SpellChecker.h"
#include "editor/SpellDictionary.h"
#include "editor/TextControl.h"
#include "editor/TextMarks.h"

#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <cstdio>
#include <malloc.h>
#include <memory>
#include <vector>

namespace
{

constexpr qint64 MB = 1024 * 1024;
constexpr int Runs = 5;

// A hand-written German page: paragraphs of text with umlauts as characters and entities, tags,
// attributes, comments, and about one word in fifty misspelt.
QByteArray generatePage(qint64 size, bool oneLine)
{
    static const char* const words[] = {"Die",
                                        "Seite",
                                        "zeigt",
                                        "Gr&ouml;&szlig;e",
                                        "und",
                                        "Gewicht",
                                        "der",
                                        "Bilder",
                                        "f&uuml;r",
                                        "unsere",
                                        "Kunden",
                                        "im",
                                        "Überblick",
                                        "mit",
                                        "Preisen",
                                        "während",
                                        "Straße",
                                        "Häuser",
                                        "schön",
                                        "Beispiel",
                                        "Verzeichnis",
                                        "Anfahrt",
                                        "Öffnungszeiten",
                                        "Kontakt"};
    static const char* const wrong[] = {"Fehlerr", "Bildd", "Seitte", "Kundn", "Grösse"};
    static const char* const markup[] = {"<p>",
                                         "</p>",
                                         "<b>",
                                         "</b>",
                                         "<br>",
                                         "<img src=\"bild.gif\" alt=\"Ein Bild\">",
                                         "<a href=\"seite.html\" title=\"Zur Seite\">",
                                         "</a>",
                                         "<!-- Kommentar -->"};
    QRandomGenerator random(4711);
    QByteArray page = "<!DOCTYPE html>\r\n<html><head><title>Messseite</title></head><body>\r\n";
    page.reserve(size + 256);
    int column = 0;
    while (page.size() < size) {
        const int pick = random.bounded(100);
        QByteArray piece = pick < 2    ? wrong[random.bounded(int(std::size(wrong)))]
                           : pick < 12 ? markup[random.bounded(int(std::size(markup)))]
                                       : words[random.bounded(int(std::size(words)))];
        page += piece;
        column += int(piece.size()) + 1;
        if (!oneLine && column > 70) {
            page += "\r\n";
            column = 0;
        } else {
            page += ' ';
        }
    }
    page += "</body></html>\r\n";
    return page;
}

void settle(TExtRich* memo)
{
    QCoreApplication::processEvents();
    memo->viewport()->repaint();
}

struct Page {
    std::unique_ptr<TExtRich> memo;
    SpellChecker* checker = nullptr;
};

Page openPage(const QByteArray& bytes, bool check, double* ms)
{
    QElapsedTimer timer;
    timer.start();
    Page page;
    page.memo = std::make_unique<TExtRich>();
    page.checker = new SpellChecker(page.memo.get());
    page.checker->setEnabled(check);
    page.memo->resize(900, 700);
    const DecodedText decoded = decodeTextFile(bytes);
    page.memo->loadText(decoded.text, decoded.lineEnds, decoded.format.lineBreak);
    page.memo->show();
    settle(page.memo.get());
    *ms = msSince(timer);
    return page;
}

double medianOpen(const QByteArray& bytes, bool check)
{
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        double ms = 0;
        openPage(bytes, check, &ms);
        times.push_back(ms);
    }
    return median(times);
}

// One letter typed in the middle of the shown text and drawn, median of 40.
double medianKeystroke(TExtRich* memo)
{
    memo->setSelStart(memo->firstPositionOfLine(memo->lineCount() / 2) + 3);
    memo->ensureCursorVisible();
    settle(memo);
    std::vector<double> times;
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(memo, &press);
        QCoreApplication::sendEvent(memo, &release);
        settle(memo);
        times.push_back(msSince(timer));
    }
    return median(times);
}

// Bytes the heap holds for the program now; freed memory the allocator keeps does not count.
double heapMb()
{
    return double(mallinfo2().uordblks) / double(MB);
}

void row(const char* name, double with, double without)
{
    printComparison(name, with, without, 46);
}

} // namespace

int main(int argc, char** argv)
{
    TessalineApplication app(argc, argv);
    BenchSandbox sandbox;
    SpellDictionary& dictionary = SpellDictionary::instance();
    if (!dictionary.isAvailable()) {
        std::printf("no spelling dictionary installed\n");
        return 1;
    }
    QElapsedTimer load;
    load.start();
    const double heapBefore = heapMb();
    dictionary.isCorrect(QStringLiteral("Haus"));
    const double dictionaryMb = heapMb() - heapBefore;
    std::printf("Spelling (%s; dictionary loaded in %.1f ms; median of %d openings, 40 keys)\n",
                qPrintable(dictionary.language()), msSince(load), Runs);
    std::printf("  %-46s %13s %13s %8s\n", "", "checked", "unchecked", "ratio");

    const QByteArray page10 = generatePage(10 * MB, false);
    // A single figure, repeated, for a profiler: "keystroke" (10 MB, checked; unchecked with a
    // second argument).
    if (argc > 1) {
        double ms = 0;
        for (int i = 0; i < 3; ++i) {
            Page page = openPage(page10, argc < 3, &ms);
            std::printf("keystroke, 10 MB page: %.1f ms\n", medianKeystroke(page.memo.get()));
        }
        return 0;
    }
    const QByteArray oneLine10 = generatePage(10 * MB, true);
    row("open 10 MB page", medianOpen(page10, true), medianOpen(page10, false));

    double ms = 0;
    double key[2], keyAll[2], oneKey[2];
    for (int c = 0; c < 2; ++c) {
        const bool check = c == 0;
        Page page = openPage(page10, check, &ms);
        key[c] = medianKeystroke(page.memo.get());
        page.checker->checkAll();
        keyAll[c] = medianKeystroke(page.memo.get());
        page = openPage(oneLine10, check, &ms);
        oneKey[c] = medianKeystroke(page.memo.get());
    }
    row("keystroke, 10 MB page", key[0], key[1]);
    row("keystroke, 10 MB page read whole", keyAll[0], keyAll[1]);
    row("keystroke, one-line 10 MB page", oneKey[0], oneKey[1]);

    // Memory: what the check keeps for a 10 MB page once it has read all of it (its states,
    // marks and the words it has looked up), beside the dictionary, which is loaded once.
    Page page = openPage(page10, true, &ms);
    const double before = heapMb();
    QElapsedTimer timer;
    timer.start();
    page.checker->checkAll();
    const double whole = msSince(timer);
    const auto marks = page.memo->marks()->marks(TextMarks::Layer::Spelling).size();
    std::printf("  whole 10 MB page checked in %.0f ms, %lld words marked\n", whole,
                static_cast<long long>(marks));
    std::printf("  memory: %+.1f MB for the checked 10 MB page, %.1f MB for the dictionary\n",
                heapMb() - before, dictionaryMb);
    return 0;
}
