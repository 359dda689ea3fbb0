#include "result_copy.h"

#include "shape_text.h"
#include "texts.h"
#include "window_state.h"

int CopyCalculatorResult(HELE button, bool*) {
    const int id = XEle_GetID(button);
    const int shape = id == 33 ? 16 : id == 34 ? 18 : id == 35 ? 20 : 0;
    const std::string text = shape ? ReadShapeText(MainElement(shape)) : std::string();
    ClipboardWrite(text);
    SetShapeText(statusText, Gbk("内容已复制到剪辑版：") + text);
    return 0;
}
