// Benchmark of find and replace: absent strings in large documents, replace-all at scale.
#include "BenchSandbox.h"
#include "app/Application.h"
#include "core/SettingsStore.h"
#include "editor/FindReplace.h"
#include "editor/Search.h"
#include "editor/TextControl.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace
{

// Lines of about 80 characters of markup and German running text, CR LF breaks.
QString generatePage(qsizetype size)
{
    static const char* const lines[] = {
        "<p>Die Größe der Straße wird in der Tabelle <b>Übersicht</b> angegeben.</p>",
        "  <td align=\"left\">F&uuml;r alle Seiten gilt: Inhalt, Rahmen und Kopf.</td>",
        "<li><a href=\"seite.htm\">Verweis auf die nächste Seite mit Bild</a></li>",
        "    <font face=\"Arial\" size=\"2\">Formular, Feld und Knopf</font>"};
    QString page;
    page.reserve(size + 128);
    for (int i = 0; page.size() < size; ++i) {
        page += QString::fromUtf8(lines[i % 4]);
        page += QLatin1String("\r\n");
    }
    return page;
}

double bestOf(int runs, const std::function<void()>& run)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// Milliseconds to search the whole document for a string it does not hold.
double absentSearch(TExtRich& memo, SearchOptions options)
{
    return bestOf(3, [&] {
        memo.setSelStart(options.down ? 0 : memo.textLength());
        if (SearchInControl(&memo, QStringLiteral("Nirgendwo"), options))
            std::fprintf(stderr, "unexpectedly found\n");
    });
}

// Milliseconds for a replace-all over `occurrences` occurrences, each answered Yes.
double replaceAll(int occurrences)
{
    QWidget owner;
    auto* memo = new TExtRich(&owner);
    QString text;
    for (int i = 0; i < occurrences; ++i)
        text += QStringLiteral("<p>Absatz mit dem Wort alt darin.</p>\r\n");
    memo->loadText(text);
    TFindReplace commands(memo, &owner);
    commands.replaceDialog()->setFindText(QStringLiteral("alt"));
    commands.replaceDialog()->setReplaceText(QStringLiteral("neu und alt"));
    int asked = 0;
    commands.setAnswerer([&asked](QMessageBox::StandardButtons) {
        ++asked;
        return QMessageBox::Yes;
    });
    QElapsedTimer timer;
    timer.start();
    commands.Replace(true);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (asked != occurrences)
        std::fprintf(stderr, "asked %d times\n", asked);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    TessalineApplication app(argc, argv);
    BenchSandbox dir;

    struct Variant {
        const char* name;
        SearchOptions options;
    };
    const Variant variants[] = {{"down", {true, false, false}},
                                {"down, match case", {true, true, false}},
                                {"down, whole word", {true, false, true}},
                                {"up", {false, false, false}},
                                {"up, whole word", {false, false, true}}};
    TExtRich small, large;
    small.loadText(generatePage(1024 * 1024));
    large.loadText(generatePage(10 * 1024 * 1024));
    std::printf("absent string (best of 3)       1 MB ms   10 MB ms   ratio\n");
    for (const Variant& v : variants) {
        const double a = absentSearch(small, v.options);
        const double b = absentSearch(large, v.options);
        std::printf("  %-28s %9.2f  %9.2f  %6.2f\n", v.name, a, b, b / a);
    }

    const double r1 = replaceAll(1000);
    const double r10 = replaceAll(10000);
    std::printf("replace-all, each answered Yes\n");
    std::printf("  1 000 occurrences   %9.2f ms\n", r1);
    std::printf("  10 000 occurrences  %9.2f ms   ratio %.2f\n", r10, r10 / r1);

    return 0;
}
