// Named commands of the document window that live beside their own modules.
#include "editor/DocumentCommands.h"

#include "editor/DocumentWindow.h"
#include "editor/SimpleCommands.h"

#include <QList>

namespace
{

QList<DocumentCommand>& boundCommands()
{
    static QList<DocumentCommand> commands;
    return commands;
}

} // namespace

void bindDocumentCommands(std::span<const DocumentCommand> commands)
{
    for (const DocumentCommand& command : commands)
        if (!findDocumentCommand(QString::fromLatin1(command.name)))
            boundCommands().append(command);
}

const DocumentCommand* findDocumentCommand(QStringView name)
{
    for (const DocumentCommand& command : std::as_const(boundCommands()))
        if (name == QLatin1StringView(command.name))
            return &command;
    return nullptr;
}

bool hasNamedCommand(QStringView name)
{
    return findSimpleCommand(name) || findDocumentCommand(name);
}

bool runNamedCommand(TMDIChild& child, QStringView name)
{
    if (const SimpleCommand* simple = findSimpleCommand(name)) {
        child.runSimpleCommand(*simple);
        return true;
    }
    if (const DocumentCommand* bound = findDocumentCommand(name)) {
        bound->run(child);
        return true;
    }
    return false;
}
