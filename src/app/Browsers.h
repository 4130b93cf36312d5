// The frame's browser commands: the configured browser gets the program directory.
#pragma once

class QWidget;
struct ShellState;

// Starts browser 1 or 2 of state with the program directory; failures show the German error.
bool frameBrowserCommand(QWidget* frame, const ShellState& state, int browser);
