#include "size_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "db_state.h"
#include "keyword_search.h"
#include "multi_replace.h"
#include "numbers.h"
#include "program_directory.h"
#include "provenance.h"
#include "section_bar.h"
#include "shape_text.h"
#include "texts.h"
#include "window_state.h"

int currentSubtype = 0;

namespace {

constexpr int kDefaultFamily = 19;

// Wire subtypes list their weight in kg per km.
bool IsWireSubtype(int id) { return id == 56 || id == 57 || id == 58 || id == 59; }


// Each row's weight per metre (wire weighs in kg per km), read once per fill.
std::vector<double> WeightsPerMetre(const ResultGrid& grid, int weightColumn, bool perKilometre) {
    std::vector<double> weights;
    for (int r = 1; r < grid.rowCount; ++r) {
        const double w = ReadNumber(grid.Cell(r, weightColumn - 1));
        weights.push_back(perKilometre ? w / 1000 : w);
    }
    return weights;
}

// A length so long that some row's piece would weigh "inf" is no length to show.
bool WeighsFinitely(const std::vector<double>& weights, double length) {
    return std::all_of(weights.begin(), weights.end(), [length](double w) { return std::isfinite(w * length); });
}

std::u16string Field(int i) { return i == 0 ? std::u16string(u"number") : u"data" + GbkToUtf16(std::to_string(i)); }

}  // namespace

std::string FormatFixed(double value) {
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
    return res.ec == std::errc() ? std::string(buf, res.ptr) : WriteNumber(value);
}

int ShowRolledFamily(HELE button, bool*) {
    // 1. Page switch.
    XEle_AdjustLayout(MainElement(4));
    XEle_ShowEle(MainElement(3), false);
    XEle_ShowEle(MainElement(4), true);
    XEle_RedrawEle(MainElement(4), true);
    XEle_RedrawEle(MainElement(24), true);
    RelayoutMainWindow();
    // 2.
    const std::string family = std::to_string(button ? XEle_GetUID(button) : kDefaultFamily);
    // 3. Picture, not stretched.
    const std::string image = QueryFirstValue("select IMAGE from SECTIONTABLE where id=" + family);
    const std::string path = ConcatTexts({ProgramDirectory().c_str(), image.c_str()});
    HELE picture = MainElement(6);
    XShapePic_SetImage(picture, XImage_LoadFile(GbkToUtf16(path), false));
    XShape_Redraw(picture);
    // 4-5. Subtype bar; the first subtype is shown as soon as its button stands.
    HELE bar = MainElement(5);
    XToolBar_DeleteAllEle(bar);
    const ResultGrid subtypes =
        QueryCatalogue("select * from subtypes where sectionid=" + family + " order by \"ORDER\"");
    for (int r = 1; r < subtypes.rowCount; ++r) {
        HELE subtypeButton = CreateSubtypeButton(subtypes.Cell(r, 0), subtypes.Cell(r, 1));
        XEle_RegEventC1(subtypeButton, XE_BNCLICK, &OnSubtypeClicked);
        XToolBar_InsertEle(bar, subtypeButton, -3);
        if (r == 1) ShowSubtype(ReadInteger(subtypes.Cell(1, 0)));
    }
    // 6.
    XEle_RedrawEle(bar, true);
    // 7. Refused after the first time: one search handler however often this runs.
    XEle_RegEventC(MainElement(28), XE_BNCLICK, &OnSearchClicked);
    return 0;
}

HELE CreateSubtypeButton(const std::string& id, const std::string& name) {
    const std::u16string caption = GbkToUtf16(name);
    HELE button = XBtn_Create(0, 0, 50, 28, caption, nullptr);
    XBtn_SetTextAlign(button, 4);
    XEle_SetToolTip(button, caption);
    XEle_SetLayoutWidth(button, 2, 50);
    XEle_SetUID(button, ReadInteger(id) + 1000);
    XEle_SetFont(button, XFont_Create2(u"微软雅黑", 9, 0));
    XBtn_SetStyle(button, 0);
    XBtn_SetType(button, button_type_radio);
    DressStateFills(button);
    return button;
}

int OnSubtypeClicked(HELE button, bool*) {
    ShowSubtype(XEle_GetUID(button) - 1000);
    return 0;
}

int OnLengthChanged(HELE, bool*) {
    ShowSubtype(currentSubtype);
    return 0;
}

std::string ColumnDisplayName(const std::string& column) {
    const ResultGrid grid =
        QueryCatalogue("select headername from headernames where `index`='" + column + "'", false);
    return grid.rowCount > 1 && grid.columnCount > 0 ? grid.Cell(1, 0) : column;
}

ResultGrid QuerySizeTable(const std::string& subtypeId) {
    const std::string table = QueryFirstValue(
        "select normtable from SECTIONTABLE where id=(select sectionid from subtypes where id=" + subtypeId + ")");
    const std::string columns = QueryFirstValue("select showcols from SUBTYPES where id=" + subtypeId);
    const std::string filter = pendingSearch ? SearchFilterClause(columns) : std::string();
    pendingSearch = false;
    return QueryCatalogue("select " + columns + " from " + table + " where SUBTYPEID=" + subtypeId + filter);
}

void ShowSubtype(int subtype) {
    static const std::string kWeight = Gbk("重量");
    static const std::u16string kWireWeightHeader = u"重量（Kg/km）";
    const std::string s = std::to_string(subtype);
    // 1. A remark written over two lines shows on one.
    const std::string remark = MultiReplace(QueryFirstValue("select REMARK from subtypes where id=" + s),
                                            {{"\r\n", ""}, {"\n", ""}, {"\r", ""}}, 1, false);
    // 2-4.
    currentSubtype = subtype;
    const std::string name = QueryFirstValue("select NAME from subtypes where id=" + s);
    SetShapeText(MainElement(7), name);
    SetShapeText(MainElement(8), remark);
    // Where the rows come from, for whoever wonders how far to trust them.
    XEle_SetToolTip(MainElement(8), GbkToUtf16(ProvenanceLine(subtype)));
    // 5.
    const bool searching = pendingSearch;
    const ResultGrid grid = QuerySizeTable(s);
    const int rows = grid.rowCount;
    const int columns = grid.columnCount;
    // 6-7. Header.
    HELE list = sizeTableList;
    XList_DeleteColumnAll(list);
    XList_AddColumn(list, 40);
    HADAPTER header = XAdMap_Create();
    XList_BindAdapterHeader(list, header);
    XAdMap_AddItemText(header, u"number", u"序号");
    int weightColumn = 0;
    for (int i = 1; i <= columns; ++i) {
        XList_AddColumn(list, 100);
        const std::string& column = grid.Cell(0, i - 1);
        XAdMap_AddItemText(header, Field(i), GbkToUtf16(ColumnDisplayName(column)));
        if (IsWireSubtype(subtype) && column == kWeight) XAdMap_SetItemText(header, Field(i), kWireWeightHeader);
        if (column == kWeight) weightColumn = i;
    }
    // 8. Length in metres for the per-length column.
    double length = 0.0;
    std::vector<double> weights;
    if (weightColumn > 0) {
        weights = WeightsPerMetre(grid, weightColumn, IsWireSubtype(subtype));
        const std::string typed = ReadEditText(MainElement(41));
        length = typed.empty() ? 1.0 : ReadNumber(typed);
        if (!IsPositive(length) || !WeighsFinitely(weights, length)) {
            SetShapeText(statusText, Gbk("长度应为大于0的数值，否则按1米计算。"));
            length = 1.0;
        }
    }
    const bool perLength = IsPositive(length);
    // 9.
    if (perLength) {
        XList_AddColumn(list, 100);
        XAdMap_AddItemText(header, Field(columns + 1), GbkToUtf16(WriteNumber(length) + Gbk("米重量(Kg)")));
    }
    // 10. Data adapter.
    HADAPTER table = XAdTable_Create();
    XList_BindAdapter(list, table);
    for (int i = 0; i <= columns + (perLength ? 1 : 0); ++i) XAdTable_AddColumn(table, Field(i));
    // An empty list says why; the status line is left alone.
    std::u16string emptyText;
    if (rows <= 1) {
        // An empty keyword matches every row, so only a real keyword can be what found nothing.
        const std::string keyword = searching ? ReadEditText(MainElement(29)) : std::string();
        emptyText = keyword.empty() ? u"本子类尚无数据" : u"没有与“" + GbkToUtf16(keyword) + u"”匹配的行";
    }
    XList_SetEmptyText(list, emptyText);
    // 11. Rows.
    std::vector<std::u16string> fields;
    for (int i = 0; i <= columns + 1; ++i) fields.push_back(Field(i));
    for (int r = 1; r < rows; ++r) {
        const int item = XAdTable_AddItemTextEx(table, fields[0], GbkToUtf16(std::to_string(r)));
        for (int j = 1; j <= columns; ++j) XAdTable_SetItemTextEx(table, item, fields[j], GbkToUtf16(grid.Cell(r, j - 1)));
        if (perLength) {
            const double v = weights[static_cast<size_t>(r - 1)] * length;
            const std::string text = v - 0.0001 < -0.0000001 ? FormatFixed(v) : WriteNumber(v);
            XAdTable_SetItemTextEx(table, item, fields[columns + 1], GbkToUtf16(text));
        }
    }
}
