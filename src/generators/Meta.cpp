// Meta information and the base reference: their markup, the meta dialog and the commands.
#include "generators/Meta.h"

#include "editor/Childwin.h"
#include "widgets/InputBox.h"

QString baseReferenceMarkup(const QString& url)
{
    return QStringLiteral("<base href=\"") + url + QStringLiteral("\">");
}

void Basereferenz1Click(TMDIChild& child)
{
    const InputAnswer answer = inputBox(&child, QStringLiteral("Basereferenz"),
                                        QStringLiteral("Geben Sie hier die URL an."));
    if (answer.accepted && !answer.text.isEmpty())
        child.Insert(baseReferenceMarkup(answer.text));
}

namespace
{

const DocumentCommand commands[] = {
    {"Basereferenz1Click", &Basereferenz1Click},
};

} // namespace

std::span<const DocumentCommand> metaCommands()
{
    return commands;
}
