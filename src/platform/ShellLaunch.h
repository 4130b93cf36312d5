// Starting the browsers: one program with one parameter, failures shown in a "Fehler" box.
#pragma once

#include <QString>

class QWidget;

// Starts program with parameter as its only argument (none when parameter is empty), never
// through a shell. On failure a critical message box owned by owner shows the German start
// error. Returns whether the program started; the caller never waits for it.
bool launchInShell(QWidget* owner, const QString& program, const QString& parameter);
