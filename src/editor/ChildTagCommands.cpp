// TMDIChild's markup primitives: inserting at the caret, wrapping the selection, headings.
#include "editor/Childwin.h"

#include "app/ShellState.h"
#include "editor/DocumentHost.h"
#include "editor/ExtRich.h"
#include "editor/SimpleCommands.h"

void TMDIChild::Insert(const QString& text) { TextMemo->replaceSelection(text); }

void TMDIChild::WrapSelection(const QString& open, const QString& close)
{
    // One replacement, so the command is one undo step; the caret ends behind the closing tag.
    TextMemo->replaceSelection(open + TextMemo->selText() + close);
}

void TMDIChild::runSimpleCommand(const SimpleCommand& command)
{
    if (command.kind == SimpleCommand::Wrap)
        WrapSelection(QString::fromUtf8(command.open), QString::fromUtf8(command.close));
    else
        Insert(QString::fromUtf8(command.open));
}

void TMDIChild::HeaderClick()
{
    const ShellState& state = m_host->shellState();
    WrapSelection(state.headingOpen, state.headingClose);
}

void TMDIChild::FontSizeClick()
{
    WrapSelection(m_host->shellState().fontSizeOpen, QStringLiteral("</font>"));
}
