// Benchmark of the whole program on big pages: the real program started on a generated page
// until it has been idle for half a second (wall time, CPU and memory from /proc), then CPU per
// typed key and the jump to the end in a frame of this process.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "app/Application.h"
#include "app/Main.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"

#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace
{

constexpr qint64 MB = 1024 * 1024;

// Lines of about 80 characters with nested tags, attributes, entities and umlauts, CR LF
// breaks; or, for oneLine, the same markup without any line break.
QByteArray generatePage(qint64 size, bool oneLine)
{
    static const char* const words[] = {"Tessaline", "Seite",    "Bild",   "Verweis", "und",
                                        "f&uuml;r",  "Grüße",    "Straße", "Absatz",  "Kopf",
                                        "Fuß",       "Formular", "&nbsp;", "Inhalt",  "Rahmen"};
    static const char* const tags[][2] = {{"<p>", "</p>"},
                                          {"<b>", "</b>"},
                                          {"<td align=\"left\">", "</td>"},
                                          {"<li>", "</li>"},
                                          {"<a href=\"seite.htm#oben\">", "</a>"},
                                          {"<h2>", "</h2>"},
                                          {"<div class=\"inhalt\">", "</div>"}};
    QRandomGenerator random(4711);
    QByteArray page = "<html>\r\n<head>\r\n<title>Messseite</title>\r\n</head>\r\n<body>\r\n";
    page.reserve(size + 256);
    while (page.size() < size) {
        const auto& tag = tags[random.bounded(int(std::size(tags)))];
        QByteArray line = QByteArray(int(random.bounded(4)) * 2, ' ') + tag[0];
        const int target = 60 + int(random.bounded(40));
        while (line.size() < target)
            line += QByteArray(words[random.bounded(int(std::size(words)))]) + ' ';
        line.chop(1);
        line += tag[1];
        page += oneLine ? line : line + "\r\n";
    }
    page += "</body>\r\n</html>\r\n";
    return page;
}

qint64 cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields behind the command name, which may hold blanks: utime and stime are 14 and 15.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 13 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

double rssMB(qint64 pid)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid)
                     : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

double ownCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 +
           usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3;
}

struct Start {
    double idleMs = 0; // from the start until the last CPU use before half a second of rest
    double cpuMs = 0;
    double rss = 0;
};

// Starts the program on path and waits until it has used no CPU for half a second.
Start startProgram(const QString& program, const QString& path, const QString& sandbox)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), sandbox + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), sandbox + QStringLiteral("/data"));
    if (!env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double tick = 1000.0 / double(sysconf(_SC_CLK_TCK));
    QElapsedTimer clock;
    clock.start();
    process.start(program, {path});
    if (!process.waitForStarted()) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
        std::exit(1);
    }
    const qint64 pid = process.processId();
    qint64 ticks = 0;
    double lastUse = 0;
    while (clock.elapsed() < 60000) {
        QThread::msleep(2);
        const qint64 now = cpuTicks(pid);
        if (now < 0)
            break;
        if (now != ticks) {
            ticks = now;
            lastUse = msSince(clock);
        } else if (msSince(clock) - lastUse > 500) {
            break;
        }
    }
    Start start{lastUse, double(ticks) * tick, rssMB(pid)};
    process.kill();
    process.waitForFinished();
    return start;
}

void typeKey(TExtRich* memo, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(memo, &press);
    QCoreApplication::sendEvent(memo, &release);
}

// Delivers what a keystroke leaves pending, as the event loop would: the repaint of the
// changed part only, then the idle hook.
void settle(TExtRich*)
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// CPU per typed key in the middle of the page, layout and paint included, over 200 keys.
double cpuPerKey(TMainForm* frame, const QString& path, bool atLineEnd)
{
    TMDIChild* child = frame->openDocument(path);
    TExtRich* memo = child->TextMemo;
    memo->setFocus();
    int at = memo->textLength() / 2;
    if (atLineEnd)
        at = memo->firstPositionOfLine(memo->lineOfPosition(at) + 1) - 2;
    memo->setSelStart(at);
    settle(memo);
    for (int i = 0; i < 20; ++i) {
        typeKey(memo, QLatin1Char('w'));
        settle(memo);
        frame->onIdle();
    }
    const double before = ownCpuMs();
    for (int i = 0; i < 200; ++i) {
        typeKey(memo, QLatin1Char('a' + i % 26));
        settle(memo);
        frame->onIdle();
    }
    const double perKey = (ownCpuMs() - before) / 200;
    child->TextMemo->setModified(false);
    child->closeWithoutQuery();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return perKey;
}

// Wall time of Ctrl+End in a freshly opened page until the end is drawn.
double jumpToEnd(TMainForm* frame, const QString& path)
{
    TMDIChild* child = frame->openDocument(path);
    TExtRich* memo = child->TextMemo;
    memo->setFocus();
    settle(memo);
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::sendEvent(memo, &press);
    settle(memo);
    const double ms = msSince(timer);
    child->closeWithoutQuery();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

void verdict(const char* what, double value, double limit, const char* unit)
{
    std::printf("  %-44s %8.1f %-3s (target <= %.1f) %s\n", what, value, unit, limit,
                value <= limit ? "OK" : "GAP");
}

} // namespace

int main(int argc, char** argv)
{
    TessalineApplication app(argc, argv);
    BenchSandbox sandbox;
    // The program started below reads its settings from the sandbox: no tip window.
    QDir().mkpath(sandbox.filePath(QStringLiteral("config/Orvanto")));
    writeFile(sandbox.filePath(QStringLiteral("config/Orvanto/TessalineL.conf")),
              "[Einstellungen]\nTipsDialog\\DialogZeigen=0\n");
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tessaline");

    struct Page {
        const char* name;
        qint64 size;
        bool oneLine;
        QString path;
    };
    std::vector<Page> pages = {{"100 KB", 100 * 1024, false, {}},
                               {"1 MB", MB, false, {}},
                               {"10 MB", 10 * MB, false, {}},
                               {"50 MB", 50 * MB, false, {}},
                               {"10 MB one line", 10 * MB, true, {}}};
    for (Page& page : pages) {
        page.path = sandbox.filePath(QString::fromLatin1(page.name).replace(u' ', u'_') +
                                     QStringLiteral(".htm"));
        writeFile(page.path, generatePage(page.size, page.oneLine));
    }

    // --keys measures the keystrokes and the jump only, for profiling them.
    const bool keysOnly = QCoreApplication::arguments().contains(QStringLiteral("--keys"));
    std::vector<Start> first(pages.size()), second(pages.size());
    if (!keysOnly) {
        std::printf("Program started on a page until idle for 0.5 s (two runs, interleaved):\n");
        std::printf("  %-16s %10s %10s %10s   %10s %10s %10s\n", "page", "idle ms", "CPU ms",
                    "RSS MB", "idle ms", "CPU ms", "RSS MB");
        for (std::size_t i = 0; i < pages.size(); ++i)
            first[i] = startProgram(program, pages[i].path, sandbox.path());
        for (std::size_t i = 0; i < pages.size(); ++i)
            second[i] = startProgram(program, pages[i].path, sandbox.path());
        for (std::size_t i = 0; i < pages.size(); ++i)
            std::printf("  %-16s %10.0f %10.0f %10.1f   %10.0f %10.0f %10.1f\n", pages[i].name,
                        first[i].idleMs, first[i].cpuMs, first[i].rss, second[i].idleMs,
                        second[i].cpuMs, second[i].rss);
        std::fflush(stdout);
    }

    TMainForm frame{StartOptions{}};
    frame.resize(1024, 768);
    frame.show();
    QCoreApplication::processEvents();
    const double key100k = cpuPerKey(&frame, pages[0].path, false);
    const double key10m = cpuPerKey(&frame, pages[2].path, false);
    const double keyOneLine = cpuPerKey(&frame, pages[4].path, false);
    const double jump50 = jumpToEnd(&frame, pages[3].path);
    std::printf("\nIn this process (frame shown, colouring on):\n");
    std::printf("  CPU per key, 100 KB %33.3f ms\n", key100k);
    std::printf("  CPU per key, 10 MB %34.3f ms\n", key10m);
    std::printf("  CPU per key, 10 MB one line %25.3f ms\n", keyOneLine);
    std::printf("  Ctrl+End in 50 MB until drawn %23.0f ms\n", jump50);

    const auto best = [](const Start& a, const Start& b) { return std::min(a.idleMs, b.idleMs); };
    const auto lowRss = [](const Start& a, const Start& b) { return std::min(a.rss, b.rss); };
    std::printf("\nTargets:\n");
    verdict("open 10 MB to idle", best(first[2], second[2]), 450, "ms");
    verdict("open 50 MB to idle", best(first[3], second[3]), 1000, "ms");
    verdict("RSS after opening 10 MB", lowRss(first[2], second[2]), 100, "MB");
    verdict("RSS after opening 50 MB", lowRss(first[3], second[3]), 300, "MB");
    verdict("CPU per key, 100 KB", key100k, 1.5, "ms");
    verdict("CPU per key, 10 MB", key10m, 1.5, "ms");
    verdict("CPU per key, 10 MB one line (<= 100 KB)", keyOneLine, key100k, "ms");
    verdict("Ctrl+End in 50 MB", jump50, 1000, "ms");
    return 0;
}
