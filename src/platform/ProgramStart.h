// Starting external programs without a shell, with the classic start result codes.
#pragma once

#include <QString>
#include <QStringList>

namespace ProgramStart
{

constexpr int Success = 33;        // any result above 32 means the program started
constexpr int FileNotFound = 2;    // the program does not exist
constexpr int PathNotFound = 3;    // its directory (or the working directory) does not exist
constexpr int AccessDenied = 5;    // it exists but cannot be executed
constexpr int InvalidProgram = 11; // it is executable but in no format the system runs

// Starts program with the arguments, each passed as one argument, never through a shell.
// A program named without a directory is searched on the PATH.
int start(const QString& program, const QStringList& arguments,
          const QString& workingDirectory = QString());

// German text for a result code below 33.
QString errorText(int code);

} // namespace ProgramStart
