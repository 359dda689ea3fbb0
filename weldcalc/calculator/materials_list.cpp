#include "materials_list.h"

#include "calculation.h"
#include "db_state.h"
#include "shape_text.h"
#include "texts.h"
#include "window_state.h"

void FillMaterialList(std::string_view itemTemplate) {
    // 1-2.
    XComboBox_SetItemTemplateXMLFromString(materialCombo, itemTemplate);
    materialAdapter = XAdTable_Create();
    XComboBox_BindAdapter(materialCombo, materialAdapter);
    XAdTable_AddColumn(materialAdapter, u"name");
    XAdTable_AddColumn(materialAdapter, u"midu");
    // 3.
    XEle_RegEventC(materialCombo, XE_LBUTTONUP, &OpenMaterialDropDown);
    // 4.
    const ResultGrid grid = QueryCatalogue("select * from midu order by paixu");
    for (int r = 1; r < grid.rowCount && grid.columnCount >= 3; ++r) {
        const int row = XAdTable_AddItemText(materialAdapter, GbkToUtf16(grid.Cell(r, 1)));
        XAdTable_SetItemTextEx(materialAdapter, row, u"midu", GbkToUtf16(grid.Cell(r, 2)));
    }
    // 5.
    XEle_RegEventC(materialCombo, XE_COMBOBOX_SELECT, &OnMaterialSelected);
}

int OpenMaterialDropDown(unsigned, XPoint*, bool*) {
    const XRect r = XComboBox_GetButtonRect(materialCombo);
    XEle_SendEvent(materialCombo, materialCombo, XE_LBUTTONDOWN, 0, (r.left + 1) + (r.top + 1) * 65536);
    return 0;
}

int OnMaterialSelected(int index, bool* handled) {
    const std::string density = XC_UnicodeToAnsi(XAdTable_GetItemTextEx(materialAdapter, index, u"midu"));
    HELE input = MainElement(23);
    XEdit_SetText(input, GbkToUtf16(density));
    XEle_RedrawEle(input, true);
    Calculate(nullptr, nullptr);
    *handled = true;
    return 0;
}
