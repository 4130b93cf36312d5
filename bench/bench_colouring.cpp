// Benchmark of the HTML colours: opening, typing and scrolling in pages of 100 KB to 50 MB, each
// figure measured with and without colours in the same run.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "app/Application.h"
#include "core/TextFileCodec.h"
#include "editor/HtmlHighlighter.h"
#include "editor/TextControl.h"

#include <QKeyEvent>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

constexpr qint64 MB = 1024 * 1024;
constexpr int Runs = 5;

// A hand-written page: short lines of markup, comments now and then, a few values over two lines.
QByteArray generatePage(qint64 size, bool oneLine)
{
    static const char* const lines[] = {
        "<p class=\"absatz\">Ein Absatz mit <b>fettem</b> Text und &auml;hnlichem.</p>",
        "<a href=\"seite.html\" title=\"Zur Seite\">Verweis</a> &amp; mehr",
        "<!-- Kommentar zur Tabelle -->",
        "<td align=\"left\" valign=\"top\">Zelle</td>",
        "<img src=\"bild.gif\" alt=\"Bild\n mit Zeilenumbruch\" width=\"20\">",
        "Nur Text ohne jede Auszeichnung, wie er in Absätzen steht.",
        "<ul><li>Eins</li><li>Zwei</li></ul>"};
    QRandomGenerator random(4711);
    QByteArray page = "<!DOCTYPE html>\r\n<html><head><title>Messseite</title></head><body>\r\n";
    page.reserve(size + 256);
    while (page.size() < size) {
        QByteArray line = lines[random.bounded(int(std::size(lines)))];
        if (oneLine)
            line.replace('\n', ' ');
        page += line;
        if (!oneLine)
            page += "\r\n";
    }
    page += "</body></html>\r\n";
    return page;
}

void settle(TExtRich* memo)
{
    QCoreApplication::processEvents();
    memo->viewport()->repaint();
}

void typeKey(TExtRich* memo, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(memo, &press);
    QCoreApplication::sendEvent(memo, &release);
}

std::unique_ptr<TExtRich> openPage(const QByteArray& bytes, bool colours, double* ms)
{
    QElapsedTimer timer;
    timer.start();
    auto memo = std::make_unique<TExtRich>();
    memo->setSyntaxColours(colours);
    memo->resize(900, 700);
    const DecodedText decoded = decodeTextFile(bytes);
    memo->loadText(decoded.text, decoded.lineEnds, decoded.format.lineBreak);
    memo->show();
    settle(memo.get());
    *ms = msSince(timer);
    return memo;
}

double medianOpen(const QByteArray& bytes, bool colours)
{
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        double ms = 0;
        openPage(bytes, colours, &ms);
        times.push_back(ms);
    }
    return median(times);
}

// One key at the caret and the drawing after it, median of 40.
double medianOfKeys(TExtRich* memo, int key, const QString& text)
{
    settle(memo);
    std::vector<double> times;
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer timer;
        timer.start();
        typeKey(memo, key, text);
        settle(memo);
        times.push_back(msSince(timer));
    }
    return median(times);
}

// One letter typed in the middle of the shown text and drawn, median of many.
double medianKeystroke(TExtRich* memo)
{
    memo->setSelStart(memo->firstPositionOfLine(memo->lineCount() / 2) + 3);
    memo->ensureCursorVisible();
    return medianOfKeys(memo, Qt::Key_X, QStringLiteral("x"));
}

// Backspace at the end of the widest line of unwrapped text, which narrows it, median of many.
double medianBackspaceInWidestLine(TExtRich* memo)
{
    memo->setWordWrap(false);
    QTextBlock widest = memo->document()->firstBlock();
    for (QTextBlock block = widest; block.isValid(); block = block.next())
        if (block.length() > widest.length())
            widest = block;
    QTextCursor caret(widest);
    caret.movePosition(QTextCursor::EndOfBlock);
    memo->setTextCursor(caret);
    memo->ensureCursorVisible();
    return medianOfKeys(memo, Qt::Key_Backspace, QString());
}

// Types "<!--" at the very top and takes it away again; the two durations.
std::pair<double, double> commentAtTop(TExtRich* memo)
{
    memo->setSelStart(0);
    memo->ensureCursorVisible();
    settle(memo);
    QElapsedTimer timer;
    timer.start();
    for (const QChar c : QStringLiteral("<!--")) {
        typeKey(memo,
                c == u'<'   ? Qt::Key_Less
                : c == u'!' ? Qt::Key_Exclam
                            : Qt::Key_Minus,
                QString(c));
        settle(memo);
    }
    const double typed = msSince(timer);
    timer.restart();
    for (int i = 0; i < 4; ++i) {
        typeKey(memo, Qt::Key_Backspace, QString());
        settle(memo);
    }
    return {typed, msSince(timer)};
}

// Lets the page rest as a reader would before jumping: the states ahead are found meanwhile.
void rest()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
}

double scrollToEnd(TExtRich* memo)
{
    QElapsedTimer timer;
    timer.start();
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
    settle(memo);
    return msSince(timer);
}

void row(const char* name, double with, double without)
{
    printComparison(name, with, without, 44);
}

} // namespace

int main(int argc, char** argv)
{
    TessalineApplication app(argc, argv);
    BenchSandbox sandbox;
    // A single figure of a coloured page (plain with a second argument), repeated, for a
    // profiler: "keystroke" (10 MB), "scroll" (to the end of 50 MB), "oneline" (keystroke and
    // scroll, one-line 10 MB) or "onelinekey" (its keystroke only).
    if (argc > 1) {
        const QByteArray what = argv[1];
        const bool colours = argc < 3;
        double ms = 0;
        for (int i = 0; i < 5; ++i) {
            if (what == "keystroke") {
                auto memo = openPage(generatePage(10 * MB, false), colours, &ms);
                std::printf("keystroke, 10 MB page: %.1f ms\n", medianKeystroke(memo.get()));
            } else if (what == "scroll") {
                auto memo = openPage(generatePage(50 * MB, false), colours, &ms);
                std::printf("scroll to the end of 50 MB: %.1f ms\n", scrollToEnd(memo.get()));
            } else {
                auto memo = openPage(generatePage(10 * MB, true), colours, &ms);
                const double key = medianKeystroke(memo.get());
                std::printf("one line: keystroke %.1f ms, scroll %.1f ms\n", key,
                            what == "oneline" ? scrollToEnd(memo.get()) : 0.0);
            }
        }
        return 0;
    }
    const QByteArray small = generatePage(100 * 1024, false);
    const QByteArray page10 = generatePage(10 * MB, false);
    const QByteArray page50 = generatePage(50 * MB, false);
    const QByteArray oneLine10 = generatePage(10 * MB, true);

    std::printf("HTML colours (median of %d openings, 40 keystrokes)\n", Runs);
    std::printf("  %-44s %13s %13s %8s\n", "", "coloured", "plain", "ratio");
    const double open10 = medianOpen(page10, true);
    const double open10Plain = medianOpen(page10, false);
    row("open 10 MB page", open10, open10Plain);

    double ms = 0;
    double keySmall[2], key10[2], widest10[2], top[2][2], scroll[2], scrollRested[2], oneOpen[2],
        oneKey[2], oneScroll[2], oneScrollRested[2];
    for (int c = 0; c < 2; ++c) {
        const bool colours = c == 0;
        keySmall[c] = medianKeystroke(openPage(small, colours, &ms).get());
        auto memo = openPage(page10, colours, &ms);
        key10[c] = medianKeystroke(memo.get());
        const auto [typed, removed] = commentAtTop(memo.get());
        top[c][0] = typed;
        top[c][1] = removed;
        widest10[c] = medianBackspaceInWidestLine(memo.get());
        memo.reset();
        memo = openPage(page50, colours, &ms);
        scroll[c] = scrollToEnd(memo.get());
        memo.reset();
        memo = openPage(page50, colours, &ms);
        rest();
        scrollRested[c] = scrollToEnd(memo.get());
        memo.reset();
        memo = openPage(oneLine10, colours, &oneOpen[c]);
        oneKey[c] = medianKeystroke(memo.get());
        oneScroll[c] = scrollToEnd(memo.get());
        memo.reset();
        memo = openPage(oneLine10, colours, &ms);
        rest();
        oneScrollRested[c] = scrollToEnd(memo.get());
    }
    row("keystroke, 100 KB page", keySmall[0], keySmall[1]);
    row("keystroke, 10 MB page", key10[0], key10[1]);
    row("backspace in the widest line, unwrapped 10 MB", widest10[0], widest10[1]);
    row("type \"<!--\" at the top of 10 MB", top[0][0], top[1][0]);
    row("remove it again", top[0][1], top[1][1]);
    row("scroll to the end of 50 MB at once", scroll[0], scroll[1]);
    row("scroll to the end of 50 MB after 1 s at rest", scrollRested[0], scrollRested[1]);
    row("one-line 10 MB page: open", oneOpen[0], oneOpen[1]);
    row("one-line 10 MB page: keystroke", oneKey[0], oneKey[1]);
    row("one-line 10 MB page: scroll to the end at once", oneScroll[0], oneScroll[1]);
    row("one-line 10 MB: scroll to the end after 1 s", oneScrollRested[0], oneScrollRested[1]);
    std::printf("  keystroke 10 MB / 100 KB, coloured: %.2f (target at most 2)\n",
                keySmall[0] > 0 ? key10[0] / keySmall[0] : 0.0);
    std::printf("  opening 10 MB coloured / plain: %.2f (target at most 1.2)\n",
                open10Plain > 0 ? open10 / open10Plain : 0.0);
    return 0;
}
