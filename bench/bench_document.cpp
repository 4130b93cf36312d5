// Benchmark of the document window: loading, saving, typing and caret access on large pages.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "app/Application.h"
#include "app/Main.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "platform/UserError.h"

#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace
{

constexpr qint64 LargeSize = 10ll * 1024 * 1024;
constexpr qint64 SmallSize = 100ll * 1024;

// Lines of about 80 characters as a hand-written page has them: nested tags, attributes,
// running text with entities and umlauts, CR LF breaks.
QByteArray generatePage(qint64 size)
{
    static const char* const words[] = {
        "Tessaline", "Seite", "Bild",     "Verweis",   "Tabelle", "Liste",    "Text",  "und",
        "oder",      "mit",   "f&uuml;r", "&Uuml;ber", "Zeile",   "Absatz",   "Grüße", "Straße",
        "HTML",      "Kopf",  "Fuß",      "Inhalt",    "Rahmen",  "Formular", "Feld",  "Knopf"};
    static const char* const openers[] = {"<p>",
                                          "<b>",
                                          "<i>",
                                          "<td align=\"left\">",
                                          "<li>",
                                          "<a href=\"seite.htm\">",
                                          "<font face=\"Arial\" size=\"2\">",
                                          "<h2>",
                                          "<div class=\"inhalt\">"};
    static const char* const closers[] = {"</p>", "</b>",    "</i>",  "</td>", "</li>",
                                          "</a>", "</font>", "</h2>", "</div>"};
    constexpr int wordCount = int(std::size(words));
    constexpr int tagCount = int(std::size(openers));

    QRandomGenerator random(4711); // the same page on every run
    QByteArray page;
    page.reserve(size + 256);
    page += "<html>\r\n<head>\r\n<title>Messseite</title>\r\n</head>\r\n<body>\r\n";
    while (page.size() < size) {
        QByteArray line;
        const int indent = int(random.bounded(4)) * 2;
        line += QByteArray(indent, ' ');
        const int tag = int(random.bounded(tagCount));
        line += openers[tag];
        const int target = 60 + int(random.bounded(40));
        while (line.size() < target) {
            line += words[random.bounded(wordCount)];
            line += ' ';
        }
        line.chop(1);
        line += closers[tag];
        line += "\r\n";
        page += line;
    }
    page += "</body>\r\n</html>\r\n";
    return page;
}

// Layout and paint happen lazily; this runs them now, as the next idle moment would.
void settle(TExtRich* memo)
{
    QCoreApplication::processEvents();
    memo->viewport()->repaint();
}

class Bench
{
public:
    explicit Bench(const QString& dir) : m_dir(dir) {}
    void run();

private:
    TMDIChild* load(const QString& path, double* loadMs, double* paintMs);
    void close(TMDIChild* child);
    // A printable character, or a line break for '\r'.
    void typeKey(TExtRich* memo, QChar c);
    void measureLoadAndSave();
    // Median of one typed character including layout and paint; *idleMs gets the idle hook's
    // median, which runs after every keystroke as well.
    double measureKeystrokes(const QString& path, double* idleMs, double* returnMs);
    void measureSelection();
    void add(const QString& name, double value, const QString& unit)
    {
        std::printf("  %-58s %10.3f %s\n", qPrintable(name), value, qPrintable(unit));
        std::fflush(stdout);
    }

    QString m_dir;
    QString m_largePath, m_smallPath;
    std::unique_ptr<TMainForm> m_frame;
    double m_loadMs = 0;
};

TMDIChild* Bench::load(const QString& path, double* loadMs, double* paintMs)
{
    QElapsedTimer timer;
    timer.start();
    TMDIChild* child = m_frame->createChild();
    try {
        child->LoadFile(path);
    } catch (const UserError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text()));
        std::exit(1);
    }
    if (loadMs)
        *loadMs = msSince(timer);
    settle(child->TextMemo);
    if (paintMs)
        *paintMs = msSince(timer);
    return child;
}

void Bench::close(TMDIChild* child)
{
    child->closeWithoutQuery();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Bench::typeKey(TExtRich* memo, QChar c)
{
    const int key = c == QLatin1Char('\r') ? int(Qt::Key_Return) : int(Qt::Key_X);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(memo, &press);
    QCoreApplication::sendEvent(memo, &release);
}

void Bench::measureLoadAndSave()
{
    std::vector<double> loads, paints, saves;
    for (int run = 0; run < 3; ++run) {
        double loadMs = 0, paintMs = 0;
        TMDIChild* child = load(m_largePath, &loadMs, &paintMs);
        loads.push_back(loadMs);
        paints.push_back(paintMs);
        QElapsedTimer timer;
        timer.start();
        child->save();
        saves.push_back(msSince(timer));
        close(child);
    }
    m_loadMs = median(loads);
    add(QStringLiteral("load 10 MB (LoadFile, median of 3)"), m_loadMs, QStringLiteral("ms"));
    add(QStringLiteral("load 10 MB incl. first layout and paint"), median(paints),
        QStringLiteral("ms"));
    add(QStringLiteral("save 10 MB (save, median of 3)"), median(saves), QStringLiteral("ms"));
}

double Bench::measureKeystrokes(const QString& path, double* idleMs, double* returnMs)
{
    TMDIChild* child = load(path, nullptr, nullptr);
    TExtRich* memo = child->TextMemo;
    memo->setFocus();
    memo->setSelStart(memo->textLength() / 2);
    settle(memo);
    for (int i = 0; i < 10; ++i) { // warm-up: caches, first undo command, glyph cache
        typeKey(memo, QLatin1Char('w'));
        settle(memo);
        m_frame->onIdle();
    }
    const int lengthBefore = memo->textLength();
    std::vector<double> keys, idles, returns;
    for (int i = 0; i < 41; ++i) {
        QElapsedTimer timer;
        timer.start();
        typeKey(memo, QLatin1Char('a' + i % 26));
        settle(memo);
        keys.push_back(msSince(timer));
        timer.restart();
        m_frame->onIdle();
        idles.push_back(msSince(timer));
    }
    if (QApplication::focusWidget() != memo)
        std::fprintf(stderr, "warning: the text control has no focus; the idle hook skips it\n");
    if (memo->textLength() != lengthBefore + 41)
        std::fprintf(stderr, "warning: the typed characters did not all arrive\n");
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        typeKey(memo, QLatin1Char('\r'));
        settle(memo);
        returns.push_back(msSince(timer));
        m_frame->onIdle();
    }
    *idleMs = median(idles);
    *returnMs = median(returns);
    close(child);
    return median(keys);
}

void Bench::measureSelection()
{
    TMDIChild* child = load(m_largePath, nullptr, nullptr);
    TExtRich* memo = child->TextMemo;
    const int end = memo->textLength();
    constexpr int rounds = 2000;
    volatile int sink = 0;

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        memo->setSelStart(end - (i % 64)); // a changing caret, so each call really moves it
    const double setUs = msSince(timer) * 1000.0 / rounds;

    timer.restart();
    for (int i = 0; i < rounds; ++i)
        sink = sink + memo->selStart();
    const double getUs = msSince(timer) * 1000.0 / rounds;

    timer.restart();
    for (int i = 0; i < rounds; ++i)
        sink = sink + memo->lineOfPosition(end - (i % 64));
    const double lineUs = msSince(timer) * 1000.0 / rounds;

    timer.restart();
    constexpr int lengthRounds = 20;
    for (int i = 0; i < lengthRounds; ++i) {
        memo->setSelStart(end / 2);
        memo->setSelLength(end / 2 - i);
        sink = sink + memo->selLength();
    }
    const double lengthUs = msSince(timer) * 1000.0 / lengthRounds;

    add(QStringLiteral("setSelStart at the end of 10 MB"), setUs, QStringLiteral("µs"));
    add(QStringLiteral("selStart at the end of 10 MB"), getUs, QStringLiteral("µs"));
    add(QStringLiteral("lineOfPosition at the end of 10 MB"), lineUs, QStringLiteral("µs"));
    add(QStringLiteral("select half of 10 MB (setSelStart+setSelLength+selLength)"), lengthUs,
        QStringLiteral("µs"));
    close(child);
}

void Bench::run()
{
    QElapsedTimer total;
    total.start();
    m_largePath = m_dir + QStringLiteral("/gross.htm");
    m_smallPath = m_dir + QStringLiteral("/klein.htm");
    QElapsedTimer timer;
    timer.start();
    const QByteArray large = generatePage(LargeSize);
    writeFile(m_largePath, large);
    writeFile(m_smallPath, generatePage(SmallSize));
    std::printf("Test pages: %lld bytes and %lld bytes, generated in %.0f ms\n\n",
                qint64(large.size()), qint64(QFile(m_smallPath).size()), msSince(timer));

    m_frame = std::make_unique<TMainForm>(StartOptions{});
    m_frame->resize(1024, 768);
    m_frame->show();
    m_frame->activateWindow();
    QCoreApplication::processEvents();

    std::printf("%-60s %10s\n", "Measurement", "Value");
    measureLoadAndSave();
    double smallIdle = 0, largeIdle = 0, smallReturn = 0, largeReturn = 0;
    const double smallKey = measureKeystrokes(m_smallPath, &smallIdle, &smallReturn);
    add(QStringLiteral("keystroke in 100 KB (incl. layout+paint, median of 41)"), smallKey,
        QStringLiteral("ms"));
    add(QStringLiteral("  idle hook after it"), smallIdle, QStringLiteral("ms"));
    add(QStringLiteral("  Return key in 100 KB (median of 21)"), smallReturn, QStringLiteral("ms"));
    const double largeKey = measureKeystrokes(m_largePath, &largeIdle, &largeReturn);
    add(QStringLiteral("keystroke in 10 MB (incl. layout+paint, median of 41)"), largeKey,
        QStringLiteral("ms"));
    add(QStringLiteral("  idle hook after it"), largeIdle, QStringLiteral("ms"));
    add(QStringLiteral("  Return key in 10 MB (median of 21)"), largeReturn, QStringLiteral("ms"));
    measureSelection();

    const double ratio = largeKey / smallKey;
    const double ratioWithIdle = (largeKey + largeIdle) / (smallKey + smallIdle);
    add(QStringLiteral("ratio keystroke 10 MB / 100 KB"), ratio, QString());
    add(QStringLiteral("ratio incl. idle hook"), ratioWithIdle, QString());
    add(QStringLiteral("ratio Return key 10 MB / 100 KB"), largeReturn / smallReturn, QString());

    std::printf("\nTargets:\n");
    std::printf("  keystroke ratio <= 2 ........ %s (%.2f)\n", ratio <= 2.0 ? "OK" : "FAILED",
                ratio);
    std::printf("  load 10 MB < 1 s ............ %s (%.0f ms)\n",
                m_loadMs < 1000.0 ? "OK" : "FAILED", m_loadMs);
    std::printf("\nTotal run time: %.1f s\n", msSince(total) / 1000.0);
    m_frame.reset();
}

} // namespace

int main(int argc, char** argv)
{
    TessalineApplication app(argc, argv);
    BenchSandbox dir;

    Bench bench(dir.path());
    bench.run();
    return 0;
}
