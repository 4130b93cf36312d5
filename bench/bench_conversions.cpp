// Benchmark of the whole-document conversions on large pages with one umlaut in a hundred.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "app/Application.h"
#include "app/Main.h"
#include "core/SettingsStore.h"
#include "editor/Conversions.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

constexpr qsizetype MB = 1024 * 1024;

// Lines of 60 to 100 characters of markup and words; one character in a hundred is an umlaut.
QString generatePage(qsizetype size)
{
    static const char16_t umlauts[] = u"äÄüÜöÖß";
    static const char* const words[] = {"<p>",     "</p>",  "<b>",     "Seite", "Text",   "und",
                                        "Tabelle", "Liste", "Verweis", "Kopf",  "Inhalt", "mit"};
    QRandomGenerator random(4711);
    QString page;
    page.reserve(size + 128);
    qsizetype sinceUmlaut = 0;
    while (page.size() < size) {
        const qsizetype lineEnd = page.size() + 60 + random.bounded(40);
        while (page.size() < lineEnd) {
            const QLatin1StringView word(words[random.bounded(int(std::size(words)))]);
            for (const QChar c : word) {
                if (++sinceUmlaut >= 100) {
                    page += QChar(umlauts[random.bounded(7)]);
                    sinceUmlaut = 0;
                } else {
                    page += c;
                }
            }
            page += u' ';
        }
        page += u"\r\n";
    }
    return page;
}

// Layout and paint run lazily; this runs them now, as the next idle moment would.
void settle(TExtRich* memo)
{
    QCoreApplication::processEvents();
    memo->viewport()->repaint();
}

// The fastest of several runs: other load on the machine only ever adds time.
double fastest(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

struct Figures {
    double toHtml = 0, toUmlauts = 0, ansiOem = 0, pureToHtml = 0;
};

Figures measure(TMainForm& frame, qsizetype size, bool rich = false)
{
    const QString page = generatePage(size);
    TMDIChild* child = frame.createChild();
    TExtRich* memo = child->TextMemo;
    memo->setPlainTextMode(!rich);
    memo->loadText(page);
    settle(memo);

    Figures f;
    QElapsedTimer timer;
    timer.start();
    const QString pure = Conversions::umlautsToEntities(page);
    f.pureToHtml = msSince(timer);

    // Back and forth five times; the fastest run counts.
    std::vector<double> toHtml, toUmlauts;
    for (int run = 0; run < 5; ++run) {
        timer.restart();
        Conversions::umlautsToEntities(memo);
        settle(memo);
        toHtml.push_back(msSince(timer));
        if (memo->textLength() != pure.size())
            std::fprintf(stderr, "warning: the document differs from the pure conversion\n");
        timer.restart();
        Conversions::entitiesToUmlauts(memo);
        settle(memo);
        toUmlauts.push_back(msSince(timer));
    }
    f.toHtml = fastest(toHtml);
    f.toUmlauts = fastest(toUmlauts);

    timer.restart();
    Conversions::ansiToOem(memo, QStringLiteral(".htm"));
    settle(memo);
    f.ansiOem = msSince(timer);

    memo->setModified(false);
    child->closeWithoutQuery();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return f;
}

void print(const char* name, double value)
{
    std::printf("  %-52s %10.1f ms\n", name, value);
}

} // namespace

int main(int argc, char** argv)
{
    TessalineApplication app(argc, argv);
    BenchSandbox dir;

    {
        TMainForm frame{StartOptions{}};
        frame.resize(1024, 768);
        frame.show();
        QCoreApplication::processEvents();

        const Figures small = measure(frame, MB);
        const Figures large = measure(frame, 10 * MB);
        const Figures rich = measure(frame, MB, true);
        std::printf("Pages of 1 MB and 10 MB characters, 1 %% umlauts\n");
        print("Umlaute zu HTML, 1 MB (best of 5, with layout)", small.toHtml);
        print("Umlaute zu HTML, 10 MB (best of 5, with layout)", large.toHtml);
        print("  pure string conversion, 10 MB", large.pureToHtml);
        print("HTML zu Umlauten, 1 MB (best of 5)", small.toUmlauts);
        print("HTML zu Umlauten, 10 MB (best of 5)", large.toUmlauts);
        print("ANSI zu OEM, 1 MB", small.ansiOem);
        print("ANSI zu OEM, 10 MB", large.ansiOem);
        print("Umlaute zu HTML, 1 MB in rich-text mode", rich.toHtml);
        const double ratio = large.toHtml / small.toHtml;
        std::printf("  %-52s %10.2f\n", "ratio Umlaute zu HTML 10 MB / 1 MB", ratio);
        std::printf("\nTargets:\n");
        std::printf("  ratio 10 MB / 1 MB <= 12 ...... %s (%.2f)\n", ratio <= 12 ? "OK" : "FAILED",
                    ratio);
        std::printf("  10 MB within 2 s ............. %s (%.0f ms)\n",
                    large.toHtml <= 2000 ? "OK" : "FAILED", large.toHtml);
    }
    return 0;
}
