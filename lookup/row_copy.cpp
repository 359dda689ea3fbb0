#include "row_copy.h"

#include <string>

#include "shape_text.h"
#include "texts.h"
#include "window_state.h"

namespace {

// Header and cell texts are read as at most their first 255 bytes.
std::string ReadListText(const std::u16string& text) {
    std::string gbk = XC_UnicodeToAnsi(std::u16string_view(text).substr(0, 127));
    if (gbk.size() > 255) gbk.resize(255);
    return gbk;
}

}  // namespace

int CopySelectedRow(unsigned, XPoint*, bool*) {
    const std::string name = ReadShapeText(MainElement(7));
    const int row = XList_GetSelectItem(sizeTableList);
    HADAPTER header = XList_GetAdapterHeader(sizeTableList);
    const int columns = XList_GetColumnCount(sizeTableList) - 1;
    std::string text;
    for (int i = 1; i <= columns; ++i) {
        const std::string head = ReadListText(XAdMap_GetItemText(header, u"data" + GbkToUtf16(std::to_string(i))));
        const std::string value = ReadListText(XList_GetItemText(sizeTableList, row, i));
        text += i == 1 ? name + head + " " + value : "," + head + "=" + value;
    }
    ClipboardWrite(text);
    SetShapeText(statusText, Gbk("已复制到剪辑版：") + text);
    return 0;
}
