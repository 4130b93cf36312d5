// The about box: program name, version and the two browsers the settings name.
#pragma once

class QWidget;
struct ShellState;

void showAboutBox(QWidget* parent, const ShellState& state);
