// Program entry: the command line, the application, the frame window, the message loop.
#include "app/Main.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "editor/DocumentPrefetch.h"
#include "editor/SpellDictionary.h"
#include "widgets/GlyphIcon.h"
#include "widgets/ScreenPlacement.h"

#include <cstdio>

namespace
{

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char** argv)
{
    // Help, version and usage errors need no display, so they are answered before Qt connects
    // to one.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine early = parseCommandLine(rawArguments);
    if (early.action == CommandLine::Action::Print) {
        print(stdout, early.output);
        return 0;
    }
    if (early.action == CommandLine::Action::Refuse) {
        print(stderr, early.output);
        return early.exitCode;
    }

    TessalineApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("de.orvanto.Tessaline"));
    setUpIcons();
    keepWindowsOnScreen(&app);
    StartOptions options;
    // Read again: on Windows only the application's list carries every character of a name.
    options.commandLineFile = parseCommandLine(QCoreApplication::arguments()).file;
    DocumentPrefetch::start(options.commandLineFile);
    SpellDictionary::instance().preload();
    TMainForm frame(options);
    frame.show();
    return app.exec();
}
