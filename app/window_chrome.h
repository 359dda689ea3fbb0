// The window's own controls: always on top, opacity, folding the formulas.
#pragma once
#include "xcgui.h"

int OnPinClicked(HELE button, bool* handled);
int OnOpacityChanged(int position, bool* handled);
int OnPanelToggle(bool* handled);

// The 16 x 16 title-bar icon of a picture below the program's folder
// (path written from the folder on, e.g. "\Image\关闭.png" as GBK).
HIMAGE LoadTitleIcon(const char* gbkRelativePath);

// Title-bar icons, in the order of the buttons 25, 26, 27 (unpinned), 27 (pinned).
extern const char* const kCloseIconPath;
extern const char* const kMinimizeIconPath;
extern const char* const kUnpinnedIconPath;
extern const char* const kPinnedIconPath;
