// Benchmark of the page check: pages of 100 KB, 1 MB and 10 MB with local links, anchors and
// faults; the 10 MB check's progress and how soon it stops; keystrokes while a check runs.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "app/Application.h"
#include "app/Main.h"
#include "editor/DocumentWindow.h"
#include "editor/PageCheck.h"
#include "editor/PageCheckRun.h"
#include "editor/TextControl.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

constexpr qsizetype KB = 1024;
constexpr qsizetype MB = 1024 * KB;

// A hand-written looking page: paragraphs, tables, links to present and missing files and
// anchors, images with and without alt, and now and then a fault Tidy reports.
QString generatePage(qsizetype size)
{
    static const char* const rows[] = {
        "<p>Willkommen auf unserer Seite mit Gr\u00fc\u00dfen &amp; Neuigkeiten.</p>",
        "<h2 id=\"kapitel%1\">Kapitel %1</h2>",
        "<p>Siehe <a href=\"#kapitel%1\">Kapitel %1</a> und <a "
        "href=\"seite.htm#teil\">Teil</a>.</p>",
        "<p><img src=\"bilder/logo.gif\" alt=\"Logo\" width=\"80\" height=\"40\"></p>",
        "<table border=\"1\"><tr><td>Zelle</td><td align=\"right\">%1</td></tr></table>",
        "<ul><li>Eins</li><li>Zwei <b>fett</b></li></ul>",
        "<p>Ein Bild ohne Text: <img src=\"bilder/fehlt%1.gif\"></p>",
        "<p>Ein <b>offenes Tag</p>",
        "<div class=\"box\"><span>Text</span> <a href=\"unterseite%1.htm\">weiter</a></div>",
    };
    QRandomGenerator random(4711);
    QString page = QStringLiteral("<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\">"
                                  "<title>Messseite</title></head><body>\r\n");
    page.reserve(size + 256);
    int n = 0;
    while (page.size() < size) {
        const int pick = random.bounded(int(std::size(rows)));
        // Faults are rarer than good markup.
        if (pick >= 6 && random.bounded(4) != 0)
            continue;
        QString row = QString::fromUtf8(rows[pick]);
        if (row.contains(QLatin1String("%1")))
            row = row.arg(++n);
        page += row + QStringLiteral("\r\n");
    }
    page += QStringLiteral("</body></html>\r\n");
    return page;
}

void prepareFolder(const QString& dir)
{
    QDir(dir).mkpath(QStringLiteral("bilder"));
    writeFile(dir + QStringLiteral("/bilder/logo.gif"), "GIF89a");
    writeFile(dir + QStringLiteral("/seite.htm"),
              "<html><body><a name=\"teil\"></a></body></html>");
}

void print(const char* name, double value, const char* unit)
{
    std::printf("  %-62s %10.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

void timeCheck(const QString& dir, qsizetype size, int runs, const char* name, double limitMs)
{
    const PageCheck::Page page{generatePage(size), dir, TextFileFormat::Encoding::Utf8};
    std::vector<double> times;
    qsizetype found = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        found = PageCheck::check(page).size();
        times.push_back(msSince(timer));
    }
    const double ms = median(times);
    std::printf("  %-62s %10.1f ms  (%lld findings, limit %.0f ms: %s)\n", name, ms,
                static_cast<long long>(found), limitMs, ms < limitMs ? "met" : "MISSED");
    std::fflush(stdout);
}

// The 10 MB check in the worker: how often it tells its progress, and how soon it stops.
void progressAndStop(const QString& dir)
{
    const QString text = generatePage(10 * MB);
    // The first run in a thread of its own also pays for that thread's fresh memory.
    for (const char* name : {"10 MB in the worker, to its findings (first run)",
                             "10 MB in the worker, to its findings (second run)"}) {
        PageCheckRun run;
        int reports = 0;
        int last = -1;
        QEventLoop loop; // waits as the program's own loop does, without spinning
        QObject::connect(&run, &PageCheckRun::progress, [&](int percent) {
            ++reports;
            last = percent;
        });
        QObject::connect(&run, &PageCheckRun::finished, &loop, &QEventLoop::quit);
        QElapsedTimer timer;
        timer.start();
        run.start({text, dir, TextFileFormat::Encoding::Utf8}, 1);
        loop.exec();
        print(name, msSince(timer), "ms");
        std::printf("  %-62s %10d (last %d %%)\n", "progress reports on the way", reports, last);
    }

    // Stopped a second in, the thread must end soon after.
    auto other = std::make_unique<PageCheckRun>();
    other->start({text, dir, TextFileFormat::Encoding::Utf8}, 2);
    {
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QElapsedTimer timer;
    timer.start();
    other->stop();
    other.reset(); // waits for the stopped thread
    print("10 MB stopped after 1 s: time until its thread has ended", msSince(timer), "ms");
}

void settle(TExtRich* memo)
{
    QCoreApplication::processEvents();
    memo->viewport()->repaint();
}

double keystrokes(TMainForm& frame, TExtRich* memo, int count)
{
    memo->setFocus();
    memo->setSelStart(memo->textLength() / 2);
    settle(memo);
    std::vector<double> keys;
    for (int i = 0; i < count + 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QString c(QChar(u'a' + i % 26));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, c);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, c);
        QCoreApplication::sendEvent(memo, &press);
        QCoreApplication::sendEvent(memo, &release);
        settle(memo);
        frame.onIdle();
        if (i >= 5) // the first few warm up
            keys.push_back(msSince(timer));
    }
    return median(keys);
}

// Keystrokes in a 1 MB document, without and with a 10 MB check running in the worker.
void keystrokeRatio(const QString& dir)
{
    TMainForm frame{StartOptions{}};
    frame.resize(1024, 768);
    frame.show();
    QCoreApplication::processEvents();
    TMDIChild* child = frame.createChild();
    child->TextMemo->loadText(generatePage(1 * MB));
    settle(child->TextMemo);
    const double without = keystrokes(frame, child->TextMemo, 41);

    QElapsedTimer copy;
    copy.start();
    const QString text = child->TextMemo->text();
    print("copy of a 1 MB document's text for a check", msSince(copy), "ms");

    PageCheckRun run;
    const QString big = generatePage(10 * MB);
    run.start({big, dir, TextFileFormat::Encoding::Utf8}, 1);
    const double with = keystrokes(frame, child->TextMemo, 41);
    const bool stillRunning = run.isRunning();
    run.stop();
    child->TextMemo->setModified(false);
    print("keystroke in a 1 MB document (median of 41)", without, "ms");
    print("the same while a 10 MB check runs in the worker", with, "ms");
    std::printf("  %-62s %10.2f (limit 1.10: %s; check still running at the end: %s)\n", "ratio",
                with / without, with / without <= 1.1 ? "met" : "MISSED",
                stillRunning ? "yes" : "no");
    Q_UNUSED(text);
}

} // namespace

int main(int argc, char** argv)
{
    TessalineApplication app(argc, argv);
    BenchSandbox sandbox;
    const QString dir = sandbox.path();
    prepareFolder(dir);
    std::printf("Page check\n");
    timeCheck(dir, 100 * KB, 9, "100 KB page (median of 9)", 100);
    timeCheck(dir, 1 * MB, 5, "1 MB page (median of 5)", 500);
    timeCheck(dir, 10 * MB, 3, "10 MB page (median of 3)", 5000);
    progressAndStop(dir);
    keystrokeRatio(dir);
    return 0;
}
