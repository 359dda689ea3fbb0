// Images and fonts.
#pragma once
#include <string_view>

#include "xc_types.h"

// Paths may use "\" or "/". Without such a file the entry of the same
// relative name (below the program's folder) in the loaded archive is used.
// nullptr when neither exists or the bytes are no image.
HIMAGE XImage_LoadFile(std::u16string_view path, bool stretch = false);
// The given rectangle of the image.
HIMAGE XImage_LoadFileRect(std::u16string_view path, int x, int y, int cx, int cy);
int XImage_GetWidth(HIMAGE image);
int XImage_GetHeight(HIMAGE image);

// style: 0 regular, 1 bold, 2 italic. "微软雅黑" falls back to a Chinese sans font.
HFONTX XFont_Create2(std::u16string_view family, int size, int style);
