// The calculator's copy buttons.
#pragma once
#include "xcgui.h"

// Button 33, 34 or 35 copies the text of result 16, 18 or 20.
int CopyCalculatorResult(HELE button, bool* handled);
