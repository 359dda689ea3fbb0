// The main window: set up from the carried archive, then run until closed.
#pragma once

// Steps 1 to 17: toolkit, resources and layout, look-ups, handlers, first
// screens, minimum size, shown. False when the archive or the layout cannot
// be read (nothing is shown then).
bool SetUpMainWindow();

// Step 18: the message loop until the window closes, then the toolkit's end.
void RunMainWindowLoop();

// Both halves. False when the set-up failed (the loop is not entered).
bool RunMainWindow();
