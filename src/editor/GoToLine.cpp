// GoToLine: asks for a line number and puts the caret at that line's start.
#include "editor/GoToLine.h"

#include "editor/TextControl.h"

#include <QInputDialog>
#include <algorithm>

bool GoToLine::ask(TExtRich* edit, QWidget* parent)
{
    const int last = edit->lineCount();
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("GeheZuZeile"));
    dialog.setWindowTitle(QStringLiteral("Gehe zu Zeile"));
    dialog.setLabelText(QStringLiteral("&Zeilennummer (1 bis %1):").arg(last));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, last);
    dialog.setIntValue(edit->lineOfPosition(edit->selStart()) + 1);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("&Abbruch"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    go(edit, dialog.intValue());
    return true;
}

void GoToLine::go(TExtRich* edit, int line)
{
    line = std::clamp(line, 1, edit->lineCount());
    edit->setSelStart(edit->firstPositionOfLine(line - 1));
    edit->centerCursor();
    edit->reportPosition();
}
