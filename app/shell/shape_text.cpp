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
