#include "window_chrome.h"

#include <string>

#include "program_directory.h"
#include "program_state.h"
#include "shape_text.h"
#include "texts.h"
#include "window_state.h"

// UTF-8 here; converted to GBK where used.
const char* const kCloseIconPath = "\\Image\\关闭.png";
const char* const kMinimizeIconPath = "\\Image\\最小化.png";
const char* const kUnpinnedIconPath = "\\Image\\置顶状态.png";
const char* const kPinnedIconPath = "\\Image\\置顶状态1.png";

HIMAGE LoadTitleIcon(const char* gbkRelativePath) {
    const std::string path = ConcatTexts({ProgramDirectory().c_str(), gbkRelativePath});
    return XImage_LoadFileRect(GbkToUtf16(path), 0, 0, 16, 16);
}

int OnPinClicked(HELE button, bool*) {
    HWND hwnd = XWnd_GetHWND(mainWindow);
    HIMAGE icon = nullptr;
    if (XBtn_IsCheck(button)) {
        icon = LoadTitleIcon(Gbk(kPinnedIconPath).c_str());
        SetForegroundWindow(hwnd);
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    } else {
        icon = LoadTitleIcon(Gbk(kUnpinnedIconPath).c_str());
        SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    }
    XBtn_SetIcon(button, icon);
    XEle_RedrawEle(button, true);
    return 0;
}

int OnOpacityChanged(int position, bool*) {
    windowAlpha = position + 100;
    XWnd_SetTransparentAlpha(mainWindow, windowAlpha);
    XWnd_RedrawWnd(mainWindow, true);
    return 0;
}

int OnPanelToggle(bool*) {
    // Element 37 alone decides; 38 and 39 follow it.
    const bool show = !XEle_IsShow(MainElement(37));
    for (int id : {37, 38, 39}) XEle_ShowEle(MainElement(id), show);
    HELE page = MainElement(3);
    XEle_AdjustLayout(page);
    XEle_RedrawEle(page, true);
    return 0;
}
