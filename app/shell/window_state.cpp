#include "window_state.h"

HWINDOW mainWindow = nullptr;
HELE sizeTableList = nullptr;
HELE statusText = nullptr;
HELE materialCombo = nullptr;
HADAPTER materialAdapter = nullptr;

HELE MainElement(int id) { return XC_GetObjectByID(mainWindow, id); }
