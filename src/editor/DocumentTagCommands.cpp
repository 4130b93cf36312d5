// TMDIChild's markup primitives: inserting at the caret, wrapping the selection, headings.
#include "editor/DocumentWindow.h"

#include "core/ShellState.h"
#include "editor/DocumentHost.h"
#include "editor/SimpleCommands.h"
#include "editor/TextControl.h"

#include <QAction>

namespace
{

struct HeadingAlignment {
    const char* item;
    const char* attribute;
};

constexpr HeadingAlignment headingAlignments[] = {
    {"Ausrichtunglinks1", " align=\"left\""},
    {"Ausrichtungzentriert1", " align=\"center\""},
    {"Ausrichtungrechts2", " align=\"right\""},
};

} // namespace

void TMDIChild::Insert(const QString& text)
{
    TextMemo->replaceSelection(text);
}

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

void TMDIChild::headingCommand(int level)
{
    // The last checked item wins; SelectAlignHeader keeps at most one checked anyway.
    QString attribute;
    for (const HeadingAlignment& alignment : headingAlignments)
        if (const QAction* item = twin(alignment.item); item && item->isChecked())
            attribute = QString::fromLatin1(alignment.attribute);
    const QString open = QStringLiteral("<h%1%2>").arg(level).arg(attribute);
    const QString close = QStringLiteral("</h%1>").arg(level);
    if (!m_host) {
        WrapSelection(open, close);
        return;
    }
    ShellState& state = m_host->shellState();
    state.headingOpen = open;
    state.headingClose = close;
    HeaderClick();
}

void TMDIChild::SelectAlignHeader(QAction* sender)
{
    for (const HeadingAlignment& alignment : headingAlignments)
        if (QAction* item = twin(alignment.item))
            item->setChecked(false);
    if (sender)
        sender->setChecked(true);
}

void TMDIChild::SelectAlignHeaderClick()
{
    SelectAlignHeader(qobject_cast<QAction*>(sender()));
}
