#include "shape_text.h"

#include "texts.h"
#include "window_state.h"

void SetShapeText(HELE shape, const char* gbkText) {
    XShapeText_SetText(shape, GbkToUtf16(gbkText));
    XShape_Redraw(shape);
}

void SetShapeText(HELE shape, const std::string& gbkText) { SetShapeText(shape, gbkText.c_str()); }

void RelayoutMainWindow() {
    XWnd_AdjustLayout(mainWindow);
    XWnd_RedrawWnd(mainWindow, true);
}

std::string ReadEditText(HELE edit) {
    const std::u16string text = XEdit_GetText(edit);
    return XC_UnicodeToAnsi(std::u16string_view(text).substr(0, static_cast<size_t>(XEdit_GetLength(edit))));
}

std::string ReadShapeText(HELE shape) {
    const std::u16string text = XShapeText_GetText(shape);
    return XC_UnicodeToAnsi(std::u16string_view(text).substr(0, static_cast<size_t>(XShapeText_GetTextLength(shape))));
}

void ClipboardWrite(const std::string& gbkText) { XC_SetClipboardText(GbkToUtf16(gbkText)); }
