// The document window's simple commands: fixed tags, tag pairs and character entities.
#pragma once

#include <QStringView>
#include <span>

struct SimpleCommand {
    enum Kind { Wrap, Insert };
    const char* handler; // the command's handler name, for example "fett1Click"
    Kind kind;
    const char* open;  // the inserted string, or the opening tag of a pair
    const char* close; // the closing tag of a pair, empty for Insert
};

std::span<const SimpleCommand> simpleCommands();
// The command with that handler name, nullptr when there is none.
const SimpleCommand* findSimpleCommand(QStringView handler);
