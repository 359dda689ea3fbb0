// The section bar: one button per family, welded families in toolbar 1 and
// rolled families in toolbar 2, in the text order of ORDER.
#pragma once
#include <string>

#include "xcgui.h"

// The click handler of welded-family buttons (the calculator's); none until
// the calculator is there.
extern int (*weldedFamilyClickHandler)(HELE button, bool* handled);

void BuildSectionBar();

// One dressed family button, neither attached nor inserted (GBK texts).
HELE CreateFamilyButton(const std::string& id, const std::string& name, const std::string& iconPath);

// Transparent background with the mouse-over, pressed and checked fills that
// family and subtype buttons share.
void DressStateFills(HELE button);
