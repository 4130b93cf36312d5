// Benchmark of the search across files: a site of 2 000 pages (100 MB) searched from the disk
// cache.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "app/FindInFilesJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace
{

constexpr int PageCount = 2000;
constexpr qsizetype PageBytes = 50 * 1024;

// A page of markup and German running text; every page ends with the same footer.
QByteArray page(int number)
{
    static const char* const lines[] = {
        "<p>Die Größe der Straße wird in der Tabelle <b>Übersicht</b> angegeben.</p>",
        "  <td align=\"left\">F&uuml;r alle Seiten gilt: Inhalt, Rahmen und Kopf.</td>",
        "<li><a href=\"seite.htm\">Verweis auf die nächste Seite mit Bild</a></li>",
        "    <font face=\"Arial\" size=\"2\">Formular, Feld und Knopf</font>"};
    QByteArray bytes = QByteArray("<html><head><title>Seite ") + QByteArray::number(number) +
                       "</title></head><body>\r\n";
    for (int i = 0; bytes.size() < PageBytes - 200; ++i)
        bytes += QByteArray(lines[(i + number) % 4]) + "\r\n";
    bytes += "<address>Kontakt: info@beispiel.de</address>\r\n</body></html>\r\n";
    return bytes;
}

struct Run {
    double ms = 0;
    int hits = 0;
    int files = 0;
};

Run search(const QString& folder, const QString& text, bool matchCase, bool wholeWord)
{
    FindInFiles::Request request;
    request.folder = folder;
    request.types = QStringLiteral("*.htm;*.html;*.shtml;*.php;*.css;*.js;*.txt");
    request.findText = text;
    request.matchCase = matchCase;
    request.wholeWord = wholeWord;
    FindInFiles::Job job;
    QElapsedTimer timer;
    timer.start();
    job.startSearch(request);
    job.wait();
    Run run;
    run.ms = msSince(timer);
    for (const FindInFiles::FileResult& result : job.takeResults()) {
        run.hits += result.hitCount;
        ++run.files;
    }
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchSandbox sandbox;
    QTemporaryDir site;
    qint64 total = 0;
    for (int i = 0; i < PageCount; ++i) {
        const QString folder = site.filePath(QStringLiteral("teil%1").arg(i / 100));
        QDir().mkpath(folder);
        const QByteArray bytes = page(i);
        total += bytes.size();
        writeFile(folder + QStringLiteral("/seite%1.html").arg(i), bytes);
    }
    std::printf("site: %d pages, %.1f MB, %d threads\n", PageCount, double(total) / (1 << 20),
                FindInFiles::Job::threadCount());

    struct Variant {
        const char* name;
        const char* text;
        bool matchCase, wholeWord;
    };
    const Variant variants[] = {
        {"footer address", "info@beispiel.de", false, false},
        {"footer, match case", "info@beispiel.de", true, false},
        {"absent word, whole words", "Nirgendwo", false, true},
        {"common word (10 000s of hits)", "Seite", false, true},
    };
    const Run first = search(site.path(), QStringLiteral("info@beispiel.de"), false, false);
    std::printf("first read (cache warm from writing)  %8.1f ms  %d hits in %d files\n", first.ms,
                first.hits, first.files);
    std::printf("after the first read (median of 5)\n");
    for (const Variant& v : variants) {
        std::vector<double> times;
        Run run;
        for (int i = 0; i < 5; ++i) {
            run = search(site.path(), QString::fromUtf8(v.text), v.matchCase, v.wholeWord);
            times.push_back(run.ms);
        }
        std::printf("  %-32s %8.1f ms  %7d hits in %4d files\n", v.name, median(times), run.hits,
                    run.files);
    }
    return 0;
}
