// Benchmark of the table generator: a 100 x 100 table into a 1 MB page, and the dialog opening
// with a 100 x 100 table in its memory.
#include "BenchFigures.h"
#include "BenchSandbox.h"
#include "app/Application.h"
#include "app/Main.h"
#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "generators/TableDialog.h"
#include "generators/TableGrid.h"
#include "generators/TableMarkup.h"

#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace
{

constexpr int Size = 100;
constexpr int Runs = 5;

// A page of about 1 MB in lines of markup.
QString page()
{
    const QString line = QStringLiteral("<p>Eine Zeile Text mit <b>Auszeichnung</b> und "
                                        "einem <a href=\"x.html\">Verweis</a>.</p>\r\n");
    QString text;
    text.reserve(1024 * 1024 + line.size());
    while (text.size() < 1024 * 1024)
        text += line;
    return text;
}

// A 100 x 100 table as the dialog leaves it in the memory, with forced sizes and both titles.
void fillMemory(ShellState& state)
{
    TableMemory& t = state.tableMemory;
    t.columns = QString::number(Size);
    t.rows = QString::number(Size);
    t.border = QStringLiteral("1");
    t.cellSpacing = QStringLiteral("2");
    t.cellPadding = QStringLiteral("3");
    t.title1 = QStringLiteral("Titel 1");
    t.title2 = QStringLiteral("Titel 2");
    t.title1On = t.title2On = t.title2Footer = true;
    t.forceColumnWidth = t.forceRowHeight = true;
    t.rowHeight = 21;
    t.columnWidths = QList<int>(Size, 64);
    state.tableGeneratorLines.clear();
    for (int r = 0; r < Size; ++r)
        for (int c = 0; c < Size; ++c)
            state.tableGeneratorLines << QStringLiteral("Zelle %1:%2").arg(r + 1).arg(c + 1);
}

void print(const char* name, double value)
{
    std::printf("  %-56s %8.1f ms\n", name, value);
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
        TMDIChild* child = frame.createChild();
        TExtRich* memo = child->TextMemo;
        ShellState& state = shellStateOf(*child);
        const QString text = page();

        std::vector<double> build, insert;
        qsizetype tableSize = 0;
        for (int run = 0; run < Runs; ++run) {
            memo->loadText(text);
            memo->setSelStart(text.size() / 2);
            QCoreApplication::processEvents();
            fillMemory(state);
            QElapsedTimer timer;
            timer.start();
            const QString table = tableMarkup(state.tableMemory, state.tableGeneratorLines);
            build.push_back(msSince(timer));
            child->Insert(table);
            QCoreApplication::processEvents();
            memo->viewport()->repaint();
            insert.push_back(msSince(timer));
            tableSize = table.size();
        }

        std::vector<double> open, close;
        for (int run = 0; run < Runs; ++run) {
            fillMemory(state);
            QElapsedTimer timer;
            timer.start();
            {
                TDTableForm dialog(dialogEnv(*child), state);
                dialog.show();
                QCoreApplication::processEvents();
                dialog.StringGrid1->viewport()->repaint();
                open.push_back(msSince(timer));
                if (dialog.StringGrid1->cellText(Size - 1, Size - 1) !=
                    QStringLiteral("Zelle 100:100"))
                    std::fprintf(stderr, "warning: the grid lost cells\n");
                timer.restart();
                dialog.reject();
                close.push_back(msSince(timer));
            }
        }

        memo->setModified(false);
        child->closeWithoutQuery();
        QCoreApplication::processEvents();

        const double generate = median(insert);
        const double opening = median(open);
        std::printf("Table generator, 100 x 100 cells (%lld characters of markup), median of %d\n",
                    static_cast<long long>(tableSize), Runs);
        print("markup from the table memory", median(build));
        print("markup and insertion into a 1 MB document", generate);
        print("dialog opening with a 100 x 100 memory, shown", opening);
        print("dialog closing into the memory", median(close));
        std::printf("\nTargets:\n");
        std::printf("  table into 1 MB document < 200 ms ... %s (%.0f ms)\n",
                    generate < 200 ? "OK" : "FAILED", generate);
        std::printf("  dialog opens < 300 ms ............... %s (%.0f ms)\n",
                    opening < 300 ? "OK" : "FAILED", opening);
    }
    return 0;
}
