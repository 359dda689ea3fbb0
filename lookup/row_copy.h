// Copying the selected row of the size table to the clipboard.
#pragma once
#include "xcgui.h"

// Double-click handler of the list: name, then "header value" and
// ",header=value" for every column but the running number.
int CopySelectedRow(unsigned flags, XPoint* point, bool* handled);
