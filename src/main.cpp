// Program entry: the application, the frame window with the command-line file, the message loop.
#include "app/Main.h"
#include "app/Application.h"

int main(int argc, char** argv)
{
    TessalineApplication app(argc, argv);
    StartOptions options;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        options.commandLineFile = arguments.at(1); // further arguments are ignored
    TMainForm frame(options);
    frame.show();
    return app.exec();
}
