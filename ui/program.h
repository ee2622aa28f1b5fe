// Start-up, the message loop and shutdown.
#pragma once

#include <windows.h>

#include "entries/text.h"

// Fixes the program's paths from `modulePath`, makes its folder the current
// directory, starts with empty entries and opens the main window. False when
// the main window could not be opened.
bool StartProgram(const Text& modulePath);

// Runs until the last window of the program has been destroyed.
int RunMessageLoop();

// Releases the entries and the edit mode; registered to run at exit.
void ReleaseProgramState();

// Every top-level window of the program reports its creation and its end;
// the end of the last one ends the message loop.
void ProgramWindowOpened();
void ProgramWindowClosed();
int OpenProgramWindows();

// Hands keyboard navigation (Tab, Shift+Tab, Enter, Esc) of the program's
// windows to IsDialogMessage; true when the message was used so.
bool HandleDialogKeys(MSG& message);
