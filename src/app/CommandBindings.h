// Binds the names of the document window's commands to the modules that implement them.
#pragma once

// Binds every module's document commands and lets dialogs open the help window. Runs once at
// start, before the first document window is built; calling it again changes nothing.
void bindCommands();
