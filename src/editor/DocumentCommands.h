// Named commands of the document window that live beside their own modules.
#pragma once

#include <QStringView>
#include <span>

class TMDIChild;

// A command the document window's menu rows and the frame's controls reach by name only, so the
// window never includes the module (a generator, a reference dialog) that implements it.
struct DocumentCommand {
    const char* name; // the handler name, for example "Grundgersteinfgen1Click"
    void (*run)(TMDIChild& child);
};

// Adds commands to the table the names are looked up in; a name bound again keeps its first row.
void bindDocumentCommands(std::span<const DocumentCommand> commands);
// The bound command of that name, nullptr when there is none.
const DocumentCommand* findDocumentCommand(QStringView name);
// Whether a simple command or a bound command answers to name.
bool hasNamedCommand(QStringView name);
// Runs the simple or bound command of that name on child; false when there is none.
bool runNamedCommand(TMDIChild& child, QStringView name);
