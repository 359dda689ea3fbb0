// Writing texts to the window: GBK texts go to the toolkit as UTF-16.
#pragma once
#include <string>

#include "xcgui.h"

// Sets a text shape's text and redraws it.
void SetShapeText(HELE shape, const std::string& gbkText);
void SetShapeText(HELE shape, const char* gbkText);

// Lays the window out again and redraws it, after a page is shown or hidden.
void RelayoutMainWindow();

// An edit's text as GBK.
std::string ReadEditText(HELE edit);

// A text shape's whole text as GBK.
std::string ReadShapeText(HELE shape);

// Puts a GBK text on the clipboard as plain text.
void ClipboardWrite(const std::string& gbkText);
