// What a dialog opened by a document command takes from the document's frame.
#pragma once

#include "widgets/DialogBase.h"

struct ShellState;
class TMDIChild;

// Parent, hint switch and hint panel for a dialog of child's commands.
DialogEnv dialogEnv(TMDIChild& child);
// The frame's shell state; a window standing alone (in tests) shares one of its own.
ShellState& shellStateOf(TMDIChild& child);
