// Benchmark of list files: loading and saving 100 000 lines through the list dialog, and opening
// the dialog with that many lines in the list memory.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "core/ShellState.h"
#include "generators/ListDialog.h"
#include "generators/ListFile.h"

#include <QApplication>
#include <QTableView>
#include <cstdio>

namespace
{

constexpr int Lines = 100000;
constexpr int Runs = 5;

void settle()
{
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchSandbox sandbox;

    QStringList lines;
    lines.reserve(Lines);
    for (int i = 0; i < Lines; ++i)
        lines.append(
            QStringLiteral("<a href=\"seite%1.html\">Eintrag Nummer %1 mit Umlauten äöü</a>")
                .arg(i));
    const QString source = sandbox.filePath(QStringLiteral("gross.lst"));
    writeListFile(source, lines);
    const QString target = sandbox.filePath(QStringLiteral("kopie.lst"));

    std::vector<double> loads, saves, opens;
    bool exact = true;
    for (int run = 0; run < Runs; ++run) {
        ShellState state;
        state.listMemory.helpTopic = 314;
        state.listMemory.lineCount = 1;
        state.listGeneratorLines = {QString()};
        TDList dialog(DialogEnv{}, state.listMemory, state.listGeneratorLines,
                      listKindSpec(ListKind::Numbered));
        dialog.show();
        settle();

        QElapsedTimer timer;
        timer.start();
        dialog.loadListFile(source);
        settle();
        loads.push_back(msSince(timer));

        timer.restart();
        dialog.saveListFile(target);
        saves.push_back(msSince(timer));
        exact = exact && dialog.rowCount() == Lines;

        // OK hands the lines to the memory; the next dialog opens with all of them.
        dialog.accept();
        timer.restart();
        TDList again(DialogEnv{}, state.listMemory, state.listGeneratorLines,
                     listKindSpec(ListKind::BulletRound));
        again.show();
        settle();
        opens.push_back(msSince(timer));
        exact = exact && again.rowCount() == Lines;
    }
    QFile a(source), b(target);
    a.open(QIODevice::ReadOnly);
    b.open(QIODevice::ReadOnly);
    exact = exact && a.readAll() == b.readAll();

    std::printf("List file of %d lines through the list dialog (median of %d, target < 200 ms)\n",
                Lines, Runs);
    std::printf("  load (read, decode, fill the grid, paint)  %8.1f ms\n", median(loads));
    std::printf("  save (rows, encode, atomic write)          %8.1f ms\n", median(saves));
    std::printf("  open the dialog with the lines in memory   %8.1f ms\n", median(opens));
    std::printf("  round trip %s\n", exact ? "byte-exact" : "CHANGED");
    return exact ? 0 : 1;
}
