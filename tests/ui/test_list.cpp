#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

#include "ui_fixture.h"

namespace {

int doubleClicks = 0;
XPoint lastPoint;
int OnDoubleClick(unsigned, XPoint* pt, bool*) {
    ++doubleClicks;
    lastPoint = *pt;
    return 0;
}

const char* kTemplate = R"(<list>
  <header height="30"><cell field="number"/><cell field="data1"/><cell field="data2"/><cell field="data3"/></header>
  <item height="30"><cell field="number" align="center"/><cell field="data1" align="left"/>
    <cell field="data2" align="left"/><cell field="data3" align="center"/></item>
</list>)";

QTableView* View() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* v = top->findChild<QTableView*>("e9")) return v;
    }
    return nullptr;
}

// Fills the list the way a size table is filled: columns, a fresh header
// map and a fresh table adapter, then rows cell by cell.
void Fill(HELE list, int rows) {
    XList_DeleteColumnAll(list);
    XList_AddColumn(list, 40);
    HADAPTER header = XAdMap_Create();
    XList_BindAdapterHeader(list, header);
    XAdMap_AddItemText(header, u"number", u"序号");
    XList_AddColumn(list, 100);
    XAdMap_AddItemText(header, u"data1", u"规格");
    XList_AddColumn(list, 100);
    XAdMap_AddItemText(header, u"data2", u"重量");
    XAdMap_SetItemText(header, u"data2", u"重量(kg/m)");
    HADAPTER table = XAdTable_Create();
    XList_BindAdapter(list, table);
    XAdTable_AddColumn(table, u"number");
    XAdTable_AddColumn(table, u"data1");
    XAdTable_AddColumn(table, u"data2");
    for (int r = 0; r < rows; ++r) {
        const int item = XAdTable_AddItemTextEx(table, u"number", XC_AnsiToUnicode(std::to_string(r + 1)));
        XAdTable_SetItemTextEx(table, item, u"data1", r == 0 ? u"HW100×100" : u"HW125×125");
        XAdTable_SetItemTextEx(table, item, u"data2", u"21.58 ");
    }
}

class List : public ::testing::Test {
protected:
    void SetUp() override {
        list = XC_GetObjectByID(TestWindow(), 9);
        ASSERT_TRUE(XList_SetItemTemplateXMLFromString(list, kTemplate));
        Fill(list, 3);
    }
    HELE list = nullptr;
};

TEST_F(List, HeaderAndCellsByField) {
    EXPECT_EQ(XList_GetColumnCount(list), 3);  // the running number counts
    HADAPTER header = XList_GetAdapterHeader(list);
    EXPECT_EQ(XAdMap_GetItemText(header, u"data1"), u"规格");
    EXPECT_EQ(XAdMap_GetItemText(header, u"data2"), u"重量(kg/m)");
    EXPECT_EQ(XAdMap_GetItemText(header, u"data9"), u"");
    EXPECT_EQ(XList_GetItemText(list, 0, 0), u"1");
    EXPECT_EQ(XList_GetItemText(list, 0, 1), u"HW100×100");
    EXPECT_EQ(XList_GetItemText(list, 2, 2), u"21.58 ");  // trailing blank kept
    EXPECT_EQ(XList_GetItemText(list, 3, 1), u"");         // no such row
    EXPECT_EQ(XList_GetItemText(list, -1, 1), u"");
    EXPECT_EQ(XList_GetItemText(list, 0, 3), u"");         // no such column
    // What the user sees agrees with what the operations read.
    QTableView* view = View();
    ASSERT_NE(view, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(view->model()->rowCount(), 3);
    EXPECT_EQ(view->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("重量(kg/m)"));
    EXPECT_EQ(view->model()->index(0, 1).data().toString(), QStringLiteral("HW100×100"));
    EXPECT_EQ(view->model()->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    EXPECT_EQ(view->columnWidth(0), 40);
}

TEST_F(List, SelectionAndDoubleClick) {
    EXPECT_EQ(XList_GetSelectItem(list), -1);
    static bool registered = XEle_RegEventC(list, XE_LBUTTONDBCLICK, &OnDoubleClick);
    EXPECT_TRUE(registered);
    QTableView* view = View();
    ASSERT_NE(view, nullptr);
    doubleClicks = 0;
    const QRect cell = view->visualRect(view->model()->index(1, 1));
    ASSERT_TRUE(cell.isValid());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(XList_GetSelectItem(list), 1);
    EXPECT_EQ(lastPoint.x, cell.center().x());
    // A refill clears the selection.
    Fill(list, 2);
    EXPECT_EQ(XList_GetSelectItem(list), -1);
}

TEST_F(List, RefillReplacesAdaptersAndColumns) {
    HADAPTER first = XList_GetAdapter(list);
    Fill(list, 5);
    EXPECT_NE(XList_GetAdapter(list), nullptr);
    EXPECT_EQ(XC_GetObjectType(first), XC_ERROR);  // the old adapter went with its binding
    EXPECT_EQ(XList_GetRowCount(list), 5);
    XList_DeleteColumnAll(list);
    EXPECT_EQ(XList_GetColumnCount(list), 0);
    EXPECT_EQ(XList_GetItemText(list, 0, 0), u"");
}

TEST(Adapters, RoundTripChineseTexts) {
    HADAPTER t = XAdTable_Create();
    EXPECT_EQ(XAdTable_AddColumn(t, u"名称"), 0);
    EXPECT_EQ(XAdTable_AddColumn(t, u"密度"), 1);
    EXPECT_EQ(XAdTable_AddColumn(t, u"名称"), 0);
    const int row = XAdTable_AddItemTextEx(t, u"密度", u"８９００");
    EXPECT_EQ(XAdTable_GetItemTextEx(t, row, u"密度"), u"８９００");
    EXPECT_EQ(XAdTable_GetItemTextEx(t, row, u"名称"), u"");
    EXPECT_FALSE(XAdTable_SetItemTextEx(t, 5, u"名称", u"x"));
    EXPECT_FALSE(XAdTable_SetItemTextEx(t, row, u"没有", u"x"));
    EXPECT_EQ(XAdTable_AddItemTextEx(t, u"没有", u"x"), -1);
    HADAPTER m = XAdMap_Create();
    EXPECT_TRUE(XAdMap_AddItemText(m, u"data1", u"截面积(cm2)"));
    EXPECT_FALSE(XAdMap_AddItemText(m, u"data1", u"again"));
    EXPECT_FALSE(XAdMap_SetItemText(m, u"data2", u"x"));
    EXPECT_EQ(XAdMap_GetItemText(m, u"data1"), u"截面积(cm2)");
    // Operations on the wrong kind of handle do nothing.
    EXPECT_EQ(XAdMap_GetItemText(t, u"data1"), u"");
    EXPECT_EQ(XAdTable_AddColumn(m, u"x"), -1);
}

}  // namespace
