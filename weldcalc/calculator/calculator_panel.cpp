#include "calculator_panel.h"

#include <string>

#include "calculation.h"
#include "db_state.h"
#include "family_formulas.h"
#include "numbers.h"
#include "program_directory.h"
#include "shape_text.h"
#include "texts.h"
#include "window_state.h"

int currentWeldedFamily = 0;

namespace {


// The container holds only the previous family's labels and inputs.
void ClearMarks(HELE container) {
    for (int n = XEle_GetChildCount(container); n > 0; --n) {
        HXCGUI first = XEle_GetChildByIndex(container, 0);
        const int type = XC_GetObjectType(first);
        if (type == XC_SHAPE_TEXT) {
            XShape_Destroy(first);
        } else if (type == XC_EDIT) {
            XEle_Destroy(first);
        } else {
            break;  // nothing of ours: leave it
        }
    }
}

void AddMark(HELE container, const std::string& name, const std::string& pos) {
    const size_t comma = pos.find(',');
    const int x = ReadInteger(pos.substr(0, comma));
    const int y = comma == std::string::npos ? 0 : ReadInteger(pos.substr(comma + 1));
    const std::u16string text = GbkToUtf16(name);
    HELE label = XShapeText_Create(x, y, 40, 20, text, container);
    XShapeText_SetFont(label, XFont_Create2(u"微软雅黑", 12, 0));
    XShapeText_SetTextColor(label, XRGB(42, 227, 0), 255);
    HELE input = XEdit_Create(x, y + 15, 80, 20, container);
    XEle_SetToolTip(input, u"请输入对应数值，就可以计算了，单位为mm");
    XEdit_SetDefaultText(input, u"请输入");
    XEle_EnableBkTransparent(input, true);
    XEle_SetFont(input, XFont_Create2(u"微软雅黑", 9, 0));
    XEdit_SetCaretColor(input, XRGB(255, 255, 255));
    XEle_SetTextColor(input, XRGB(255, 255, 255), 255);
    XEle_SetName(input, text);
    XEle_RegEventC1(input, XE_EDIT_CHANGED, &Calculate);
}

}  // namespace

int ShowWeldedFamily(HELE button, bool*) {
    // 1. Page switch.
    HELE page = MainElement(3);
    XEle_AdjustLayout(page);
    XEle_ShowEle(page, true);
    XEle_ShowEle(MainElement(4), false);
    XEle_RedrawEle(page, true);
    RelayoutMainWindow();
    // 2-5.
    const std::string family = std::to_string(XEle_GetUID(button));
    const std::string name = QueryFirstValue("select name from SECTIONTABLE where id=" + family);
    currentWeldedFamily = XEle_GetUID(button);
    SetShapeText(MainElement(13), Gbk("焊接-") + name);
    // 6. Refused after the first time: one calculation per click.
    XEle_RegEventC1(MainElement(14), XE_BNCLICK, &Calculate);
    // 7-9. Diagram, drawn 1:1 beneath the marks.
    const std::string image = QueryFirstValue("select IMAGE from SECTIONTABLE where id=" + family);
    HIMAGE picture = XImage_LoadFile(GbkToUtf16(ProgramDirectory() + image), false);
    HELE container = MainElement(10);
    ClearMarks(container);
    HELE diagram = MainElement(12);
    XShapePic_SetImage(diagram, picture);
    XShape_Redraw(diagram);
    // 10.
    const ResultGrid marks = QueryCatalogue("select * from WELDMARKINFO where sectionid=" + family);
    for (int r = 1; r < marks.rowCount && marks.columnCount >= 4; ++r) AddMark(container, marks.Cell(r, 2), marks.Cell(r, 3));
    // 11. Formula texts as the catalogue writes them.
    FamilyFormulas f = ReadFamilyFormulas(family);
    if (f.area.empty() && !(f.weight.empty() && f.surface.empty())) f.area = Gbk("无截面面积公式可用。");
    SetShapeText(MainElement(15), f.area);
    SetShapeText(MainElement(17), f.weight);
    SetShapeText(MainElement(19), f.surface);
    return 0;
}
