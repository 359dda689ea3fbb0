// Writing texts to the window: GBK texts go to the toolkit as UTF-16.
#pragma once
#include <string>

#include "xcgui.h"

// Sets a text shape's text and redraws it.
void SetShapeText(HELE shape, const std::string& gbkText);
void SetShapeText(HELE shape, const char* gbkText);

// Lays the window out again and redraws it, after a page is shown or hidden.
void RelayoutMainWindow();
