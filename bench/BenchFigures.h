// Small helpers the benchmarks share: writing their input files and summing up timings.
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

inline double msSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1.0e6;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// One line of a comparison: a figure with a switch on and off, and their ratio.
inline void printComparison(const char* name, double with, double without, int nameWidth)
{
    std::printf("  %-*s %10.1f ms %10.1f ms %8.2f\n", nameWidth, name, with, without,
                without > 0 ? with / without : 0.0);
    std::fflush(stdout);
}
