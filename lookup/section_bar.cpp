#include "section_bar.h"

#include "db_state.h"
#include "numbers.h"
#include "program_directory.h"
#include "size_table.h"
#include "texts.h"
#include "window_state.h"

int (*weldedFamilyClickHandler)(HELE button, bool* handled) = nullptr;

void DressStateFills(HELE button) {
    XEle_EnableBkTransparent(button, true);
    HBKM bk = XEle_GetBkManager(button);
    XBkM_AddFill(bk, button_state_stay, XRGB(185, 210, 245), 255);
    XBkM_AddFill(bk, button_state_down, XRGB(168, 199, 246), 255);
    XBkM_AddFill(bk, button_state_check, XRGB(203, 219, 243), 255);
}

HELE CreateFamilyButton(const std::string& id, const std::string& name, const std::string& iconPath) {
    const std::u16string caption = GbkToUtf16(name);
    HELE button = XBtn_Create(0, 0, 50, 55, caption, nullptr);
    XBtn_SetTextAlign(button, 1);
    XEle_SetToolTip(button, caption);
    XEle_SetUID(button, ReadInteger(id));
    XEle_SetFont(button, XFont_Create2(u"微软雅黑", 9, 0));
    const std::string path = ConcatTexts({ProgramDirectory().c_str(), iconPath.c_str()});
    XBtn_SetIcon(button, XImage_LoadFileRect(GbkToUtf16(path), 0, 0, 32, 32));
    XBtn_SetIconAlign(button, 1);
    XBtn_SetStyle(button, 0);
    XBtn_SetType(button, button_type_radio);
    DressStateFills(button);
    return button;
}

void BuildSectionBar() {
    struct Pass {
        const char* type;
        int toolbar;
        int (*handler)(HELE, bool*);
    };
    const Pass passes[] = {{"0", 1, weldedFamilyClickHandler}, {"1", 2, &ShowRolledFamily}};
    for (const Pass& pass : passes) {
        const std::string sql =
            ConcatTexts({"select * from SECTIONTABLE where type=", pass.type, " order by \"ORDER\""});
        const ResultGrid grid = QueryCatalogue(sql);
        for (int r = 1; r < grid.rowCount; ++r) {
            HELE button = CreateFamilyButton(grid.Cell(r, 0), grid.Cell(r, 2), grid.Cell(r, 3));
            if (pass.handler) XEle_RegEventC1(button, XE_BNCLICK, pass.handler);
            HELE toolbar = MainElement(pass.toolbar);
            XToolBar_SetSpace(toolbar, 5);
            XToolBar_InsertEle(toolbar, button, -3);
        }
    }
}
