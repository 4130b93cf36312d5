// GoToLine: asks for a line number and puts the caret at that line's start.
#pragma once

class QWidget;
class TExtRich;

namespace GoToLine
{

// Returns whether the caret moved (false when the user cancelled).
bool ask(TExtRich* edit, QWidget* parent);
// The caret at the start of line (1-based, held within the document's lines), shown.
void go(TExtRich* edit, int line);

} // namespace GoToLine
