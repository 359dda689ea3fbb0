// The calculation of a welded section from the typed dimensions, density
// and length, run on every change of them.
#pragma once
#include "xcgui.h"

int Calculate(HELE element, bool* handled);
