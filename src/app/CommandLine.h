// The program's command line: help, version, Qt's own options and the one file to open.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action {
        Run,    // start the editor, opening file when it is not empty
        Print,  // print output on standard output and end with exit code 0
        Refuse, // print output on standard error and end with exitCode, no window
    };
    Action action = Action::Run;
    QString file;   // the first file name; further ones are ignored
    QString output; // the text to print for Print and Refuse
    int exitCode = 0;
};

// Reads arguments (the program's name first). Qt's own options such as "-platform offscreen"
// or "-style fusion" are accepted and left to the application object.
CommandLine parseCommandLine(const QStringList& arguments);
