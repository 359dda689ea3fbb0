// The calculator page of a welded family: title, diagram, one label and one
// input per dimension placed on the diagram, and the formula texts.
#pragma once
#include "xcgui.h"

extern int currentWeldedFamily;

// Click handler of the welded-family buttons.
int ShowWeldedFamily(HELE button, bool* handled);
