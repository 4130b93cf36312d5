// Shared pieces of the fuzz targets: the Qt application object and the verdict on a broken rule.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

// Creates the application object once, on the offscreen platform, for targets whose code needs
// fonts or widgets. It stays reachable until the process ends, so it is no leak.
template <class Application> void startQtApplication()
{
    static int argc = 1;
    static char name[] = "tessaline-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static Application* application = new Application(argc, argv);
    (void)application;
}

// A rule of the code under test did not hold: tell which and end the run, so that libFuzzer
// keeps the input that broke it.
[[noreturn]] inline void fuzzFailure(const char* rule, const QString& detail = QString())
{
    std::fprintf(stderr, "\n== fuzz rule broken: %s\n%s\n", rule, qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}

// Texts in failure details, with every character outside printable ASCII as \uXXXX.
inline QString visible(const QString& text, qsizetype limit = 400)
{
    QString out;
    for (const QChar c : QStringView(text).left(limit)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    if (text.size() > limit)
        out += QStringLiteral("...");
    return out;
}

// The first bytes of an input in hexadecimal, for failure details.
inline QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.left(300).toHex(' '));
}

// The first lines or entries of a list, one per line and quoted, for failure details.
inline QString shown(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines.mid(0, 40))
        text += QStringLiteral("\n'%1'").arg(visible(line, 80));
    return text;
}
