// Benchmark of very long lines: a minified page of 10 MB (and 20 MB) that is one single line,
// and a page of two 32 000-character lines for the umlaut conversions.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "app/Application.h"
#include "app/Main.h"
#include "editor/Conversions.h"
#include "editor/DocumentWindow.h"
#include "editor/Search.h"
#include "editor/TextControl.h"
#include "platform/UserError.h"

#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace
{

constexpr qint64 MB = 1024 * 1024;
// A scenario that takes longer than this counts as never reaching idle.
constexpr int ScenarioTimeoutMs = 90000;

// Markup without a single line break, as minifiers write it; one character in a hundred is an
// umlaut (UTF-8), so the conversions have work to do.
QByteArray generateOneLinePage(qint64 size)
{
    static const char* const parts[] = {"<div class=\"inhalt\">",
                                        "<p>",
                                        "Seite",
                                        " ",
                                        "<b>",
                                        "Tabelle",
                                        "</b>",
                                        "<a href=\"x.htm\">",
                                        "Verweis",
                                        "</a>",
                                        " und ",
                                        "<td align=\"left\">",
                                        "Text",
                                        "</td>",
                                        "</p>",
                                        "</div>",
                                        "<li>",
                                        "Liste</li>"};
    static const char* const umlauts[] = {"\xC3\xA4", "\xC3\x84", "\xC3\xBC", "\xC3\x9C",
                                          "\xC3\xB6", "\xC3\x96", "\xC3\x9F"};
    QRandomGenerator random(4711);
    QByteArray page;
    page.reserve(size + 64);
    page += "<html><head><title>Messseite</title></head><body>";
    qint64 sinceUmlaut = 0;
    while (page.size() < size) {
        const char* part = parts[random.bounded(int(std::size(parts)))];
        page += part;
        sinceUmlaut += qint64(std::strlen(part));
        if (sinceUmlaut >= 100) {
            page += umlauts[random.bounded(int(std::size(umlauts)))];
            sinceUmlaut = 0;
        }
    }
    page += "</body></html>";
    return page;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Peak resident memory of this process so far, in MB (Linux; 0 elsewhere).
double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Layout and paint happen lazily; this runs them now, as the next idle moment would.
void settle(TExtRich* memo)
{
    QCoreApplication::processEvents();
    memo->viewport()->repaint();
}

void typeKey(TExtRich* memo, QChar c)
{
    const int key = c == QLatin1Char('\r') ? int(Qt::Key_Return) : int(Qt::Key_X);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(memo, &press);
    QCoreApplication::sendEvent(memo, &release);
}

void print(const char* name, double value, const char* unit)
{
    std::printf("  %-58s %10.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

class Scenario
{
public:
    Scenario()
    {
        m_frame = std::make_unique<TMainForm>(StartOptions{});
        m_frame->resize(1024, 768);
        m_frame->show();
        m_frame->activateWindow();
        QCoreApplication::processEvents();
    }
    ~Scenario()
    {
        for (TMDIChild* child : m_children) {
            child->TextMemo->setModified(false);
            child->closeWithoutQuery();
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the file and runs layout, paint and the idle hook once: the time to idle.
    TMDIChild* open(const QString& path, double* idleMs)
    {
        QElapsedTimer timer;
        timer.start();
        TMDIChild* child = m_frame->createChild();
        m_children.push_back(child);
        try {
            child->LoadFile(path);
        } catch (const UserError& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.text()));
            std::exit(1);
        }
        settle(child->TextMemo);
        m_frame->onIdle();
        *idleMs = msSince(timer);
        return child;
    }

    // Median of typed characters in the middle of the text, with layout, paint and idle hook.
    double keystrokes(TExtRich* memo, int count)
    {
        memo->setFocus();
        memo->setSelStart(memo->textLength() / 2);
        settle(memo);
        for (int i = 0; i < 5; ++i) { // warm-up
            typeKey(memo, QLatin1Char('w'));
            settle(memo);
        }
        std::vector<double> keys;
        for (int i = 0; i < count; ++i) {
            QElapsedTimer timer;
            timer.start();
            typeKey(memo, QLatin1Char('a' + i % 26));
            settle(memo);
            m_frame->onIdle();
            keys.push_back(msSince(timer));
        }
        return median(keys);
    }

    TMainForm& frame() { return *m_frame; }

private:
    std::unique_ptr<TMainForm> m_frame;
    std::vector<TMDIChild*> m_children;
};

void openTenMegabytes(const QString& dir)
{
    const QString path = dir + QStringLiteral("/minified10.htm");
    const QByteArray page = generateOneLinePage(10 * MB);
    writeFile(path, page);
    Scenario scenario;
    double idleMs = 0;
    TMDIChild* child = scenario.open(path, &idleMs);
    TExtRich* memo = child->TextMemo;
    print("open 10 MB one-line page, to idle", idleMs, "ms");

    QElapsedTimer timer;
    timer.start();
    child->save();
    print("save it unchanged", msSince(timer), "ms");
    std::printf("  %-58s %10s\n", "saved file equals the opened one",
                readFile(path) == page ? "yes" : "NO");

    print("keystroke in the middle (with layout, paint, idle; median of 21)",
          scenario.keystrokes(memo, 21), "ms");

    timer.restart();
    typeKey(memo, QLatin1Char('\r'));
    settle(memo);
    print("Return key in the middle", msSince(timer), "ms");

    memo->setSelStart(0);
    timer.restart();
    const bool found = SearchInControl(memo, QStringLiteral("</body>"), SearchOptions{});
    print("find \"</body>\" from the start (near the end)", msSince(timer), "ms");
    if (!found)
        std::fprintf(stderr, "warning: the search found nothing\n");

    timer.restart();
    const int line = memo->lineOfPosition(memo->textLength() - 1);
    const int first = memo->firstPositionOfLine(line);
    memo->setSelStart(memo->textLength() - 10);
    memo->reportPosition();
    print("caret position at the end (line, first position, report)", msSince(timer), "ms");
    if (line != 1 || first == 0)
        std::fprintf(stderr, "warning: unexpected line %d at %d\n", line, first);

    timer.restart();
    Conversions::umlautsToEntities(memo);
    settle(memo);
    print("Umlaute zu HTML on it", msSince(timer), "ms");
    timer.restart();
    Conversions::entitiesToUmlauts(memo);
    settle(memo);
    print("HTML zu Umlauten on it", msSince(timer), "ms");
    // Unwrapped, the whole line is one row: what it costs to show its end.
    memo->setSelStart(0);
    timer.restart();
    memo->setWordWrap(false);
    settle(memo);
    print("word wrap off, at the start", msSince(timer), "ms");
    timer.restart();
    memo->setSelStart(memo->textLength());
    settle(memo);
    print("word wrap off, caret to the end and shown", msSince(timer), "ms");
    print("keystroke in the middle, word wrap off (median of 21)", scenario.keystrokes(memo, 21),
          "ms");
    print("peak memory of the process", peakMemoryMb(), "MB");
}

void openTwentyMegabytes(const QString& dir)
{
    const QString path = dir + QStringLiteral("/minified20.htm");
    writeFile(path, generateOneLinePage(20 * MB));
    const double before = peakMemoryMb();
    Scenario scenario;
    double idleMs = 0;
    TMDIChild* child = scenario.open(path, &idleMs);
    print("open 20 MB one-line page, to idle", idleMs, "ms");
    print("keystroke in the middle (median of 11)", scenario.keystrokes(child->TextMemo, 11), "ms");
    print("peak memory of the process (before the page: MB)", before, "MB");
    print("peak memory of the process", peakMemoryMb(), "MB");
}

void convertTwoLongLines(const QString& dir)
{
    // Two lines of 32 000 characters each, with one umlaut in a hundred characters.
    QByteArray line = generateOneLinePage(40000);
    QString text = QString::fromUtf8(line).left(32000);
    const QString page = text + QStringLiteral("\r\n") + text;
    const QString path = dir + QStringLiteral("/zwei.htm");
    writeFile(path, page.toUtf8());
    Scenario scenario;
    double idleMs = 0;
    TMDIChild* child = scenario.open(path, &idleMs);
    TExtRich* memo = child->TextMemo;
    print("open two 32 000-character lines, to idle", idleMs, "ms");
    std::vector<double> toHtml, toUmlauts;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        Conversions::umlautsToEntities(memo);
        settle(memo);
        toHtml.push_back(msSince(timer));
        timer.restart();
        Conversions::entitiesToUmlauts(memo);
        settle(memo);
        toUmlauts.push_back(msSince(timer));
    }
    print("Umlaute zu HTML (median of 3, with layout and paint)", median(toHtml), "ms");
    print("HTML zu Umlauten (median of 3)", median(toUmlauts), "ms");
    if (memo->text() != page)
        std::fprintf(stderr, "warning: converting back and forth changed the text\n");
    print("keystroke in a long line (median of 21)", scenario.keystrokes(memo, 21), "ms");

    // Without word wrap every screen line is as long as its block.
    memo->setWordWrap(false);
    settle(memo);
    QElapsedTimer timer;
    timer.start();
    Conversions::umlautsToEntities(memo);
    settle(memo);
    print("Umlaute zu HTML, word wrap off", msSince(timer), "ms");
    timer.restart();
    Conversions::entitiesToUmlauts(memo);
    settle(memo);
    print("HTML zu Umlauten, word wrap off", msSince(timer), "ms");
    print("keystroke in a long line, word wrap off (median of 21)", scenario.keystrokes(memo, 21),
          "ms");
}

// A page whose paragraph is one line of 5 000 characters of prose, typed in with word wrap on
// and off.
void typeInParagraph(const QString& dir)
{
    static const char* const words[] = {"Seite", "und",   "Tabelle", "mit", "<b>Verweis</b>",
                                        "eine",  "lange", "Zeile",   "im",  "Absatz"};
    QRandomGenerator random(815);
    QString paragraph = QStringLiteral("<p>");
    while (paragraph.size() < 5000) {
        paragraph += QLatin1String(words[random.bounded(int(std::size(words)))]);
        paragraph += QLatin1Char(' ');
    }
    paragraph.truncate(4996);
    paragraph += QStringLiteral("</p>");
    const QString page =
        QStringLiteral("<html><body>\r\n") + paragraph + QStringLiteral("\r\n</body></html>\r\n");
    const QString path = dir + QStringLiteral("/absatz.htm");
    writeFile(path, page.toUtf8());
    Scenario scenario;
    double idleMs = 0;
    TMDIChild* child = scenario.open(path, &idleMs);
    TExtRich* memo = child->TextMemo;
    print("open a page with a 5 000-character paragraph, to idle", idleMs, "ms");
    print("keystroke in the paragraph, word wrap on (median of 41)", scenario.keystrokes(memo, 41),
          "ms");
    memo->setWordWrap(false);
    settle(memo);
    print("keystroke in the paragraph, word wrap off (median of 41)", scenario.keystrokes(memo, 41),
          "ms");
}

// Each scenario runs in a process of its own, so that a hang shows as a timeout and each
// memory peak is its own.
int runScenarios(const QString& program)
{
    const QStringList names = {QStringLiteral("paragraph"), QStringLiteral("two-lines"),
                               QStringLiteral("ten"), QStringLiteral("twenty")};
    const QStringList titles = {QStringLiteral("Paragraph of 5 000 characters"),
                                QStringLiteral("Two lines of 32 000 characters"),
                                QStringLiteral("10 MB page in one line"),
                                QStringLiteral("20 MB page in one line")};
    for (int i = 0; i < names.size(); ++i) {
        std::printf("%s\n", qPrintable(titles[i]));
        std::fflush(stdout);
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {QStringLiteral("--scenario"), names[i]});
        if (!process.waitForFinished(ScenarioTimeoutMs)) {
            process.kill();
            process.waitForFinished();
            std::printf("  did not finish within %d s (%.0f ms)\n", ScenarioTimeoutMs / 1000,
                        msSince(timer));
        } else if (process.exitCode() != 0) {
            std::printf("  failed with exit code %d\n", process.exitCode());
        }
        std::printf("\n");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    TessalineApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--scenario"));
    if (at < 0)
        return runScenarios(QCoreApplication::applicationFilePath());

    BenchSandbox dir;
    const QString scenario = args.value(at + 1);
    if (scenario == QLatin1String("ten"))
        openTenMegabytes(dir.path());
    else if (scenario == QLatin1String("twenty"))
        openTwentyMegabytes(dir.path());
    else if (scenario == QLatin1String("paragraph"))
        typeInParagraph(dir.path());
    else if (scenario == QLatin1String("two-lines"))
        convertTwoLongLines(dir.path());
    else
        return 2;
    return 0;
}
