// The one window and the element handles that stay program-wide after the
// window is set up.
#pragma once
#include "xcgui.h"

extern HWINDOW mainWindow;
extern HELE sizeTableList;     // element 9
extern HELE statusText;        // element 21
extern HELE materialCombo;     // element 22
extern HADAPTER materialAdapter;

// The element of the main window with this ID (nullptr without a window).
HELE MainElement(int id);
