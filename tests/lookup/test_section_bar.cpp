#include "window_driver.h"

#include <QPixmap>

#include "catalogue_build.h"
#include "carried_tables.h"
#include "db_state.h"
#include "size_table.h"

namespace {

std::vector<std::string> Captions(int toolbar) {
    std::vector<std::string> out;
    HELE bar = MainElement(toolbar);
    for (int i = 0; i < XToolBar_GetCount(bar); ++i) out.push_back(U8(XBtn_GetText(XToolBar_GetEle(bar, i))));
    return out;
}

TEST(SectionBar, BothToolbarsInTextOrder) {
    EXPECT_EQ(Captions(1), (std::vector<std::string>{"H型钢", "不等边H型", "十字", "焊接球", "楔形", "C型钢", "圆管",
                                                     "箱型", "Z型钢", "钢板", "螺栓球", "盒式", "T型"}));
    EXPECT_EQ(Captions(2), (std::vector<std::string>{"H型钢", "圆管", "槽钢", "T型钢", "不等边角钢", "压型钢板", "螺栓",
                                                     "夹芯板", "钢丝", "钢轨", "多边形钢", "其他钢管", "方钢管",
                                                     "工字钢", "C型钢", "矩形管", "圆钢", "钢板", "Z型钢", "等边角钢"}));
    EXPECT_EQ(XEle_GetUID(XToolBar_GetEle(MainElement(2), 17)), 25);  // 钢板, rolled
    EXPECT_EQ(XEle_GetUID(XToolBar_GetEle(MainElement(1), 9)), 10);   // 钢板, welded
    EXPECT_EQ(XEle_GetUID(XToolBar_GetEle(MainElement(1), 2)), 5);    // 十字
}

TEST(SectionBar, CheckingIsPerToolbar) {
    REQUIRE_H_TABLE();
    Click(ToolbarButton(2, QStringLiteral("H型钢")));
    Click(ToolbarButton(1, QStringLiteral("箱型")));
    EXPECT_TRUE(ToolbarButton(2, QStringLiteral("H型钢"))->isChecked());
    EXPECT_TRUE(ToolbarButton(1, QStringLiteral("箱型"))->isChecked());
    Click(ToolbarButton(1, QStringLiteral("十字")));
    EXPECT_FALSE(ToolbarButton(1, QStringLiteral("箱型"))->isChecked());
    EXPECT_TRUE(ToolbarButton(2, QStringLiteral("H型钢"))->isChecked());
    EXPECT_FALSE(XEle_IsShow(MainElement(4)));  // the welded click switched pages
    // Subtype buttons check among themselves.
    Click(ToolbarButton(2, QStringLiteral("H型钢")));
    Click(ToolbarButton(5, QStringLiteral("超厚超重H型钢")));
    EXPECT_EQ(currentSubtype, 30);
    EXPECT_TRUE(ToolbarButton(5, QStringLiteral("超厚超重H型钢"))->isChecked());
    Click(ToolbarButton(5, QStringLiteral("热轧H型钢-2010")));
    EXPECT_FALSE(ToolbarButton(5, QStringLiteral("超厚超重H型钢"))->isChecked());
    EXPECT_TRUE(ToolbarButton(2, QStringLiteral("H型钢"))->isChecked());
}

TEST(SectionBar, RemarkOverTwoLinesShowsOnOne) {
    REQUIRE_H_TABLE();
    Click(ToolbarButton(2, QStringLiteral("H型钢")));
    Click(ToolbarButton(5, QStringLiteral("超厚超重H型钢")));
    EXPECT_EQ(U8(XShapeText_GetText(MainElement(8))), "注：本数据来自《GB/T 11263-2017  热轧H型钢和剖分T型钢》");
}

// Every rolled family whose size table the program carries shows its
// subtypes and each subtype's rows.
TEST(SectionBar, EveryCarriedFamilyAndSubtypeShows) {
    const ResultGrid families = QueryCatalogue("select NAME, NORMTABLE, ID from SECTIONTABLE where TYPE=1");
    int shown = 0;
    for (int f = 1; f < families.rowCount; ++f) {
        const std::string table = GbkToUtf8(families.Cell(f, 1));
        if (!CarriedTableText(table)) continue;
        const QString caption = QString::fromStdString(GbkToUtf8(families.Cell(f, 0)));
        Click(ToolbarButton(2, caption));
        EXPECT_TRUE(XEle_IsShow(MainElement(4)));
        const ResultGrid subs =
            QueryCatalogue("select NAME, ID from SUBTYPES where SECTIONID=" + families.Cell(f, 2) + " order by \"ORDER\"");
        ASSERT_EQ(XToolBar_GetCount(MainElement(5)), subs.rowCount - 1) << table;
        for (int s = 1; s < subs.rowCount; ++s) {
            Click(ToolbarButton(5, QString::fromStdString(GbkToUtf8(subs.Cell(s, 0)))));
            EXPECT_EQ(currentSubtype, std::stoi(subs.Cell(s, 1)));
            EXPECT_TRUE(dbLastOk) << table << " subtype " << subs.Cell(s, 1);
            // Every carried row of the subtype is listed; a subtype without rows lists only 序号.
            const std::string carried =
                QueryFirstValue("select count(*) from " + families.Cell(f, 1) + " where SUBTYPEID=" + subs.Cell(s, 1));
            EXPECT_EQ(Rows(), std::stoi(carried)) << table << " subtype " << subs.Cell(s, 1);
            EXPECT_EQ(XList_GetColumnCount(sizeTableList) > 1, carried != "0") << table << " subtype " << subs.Cell(s, 1);
        }
        QApplication::processEvents();
        MainWidget()->grab().save(QStringLiteral(SB_SHOT_DIR "/family-%1.png").arg(families.Cell(f, 2).c_str()));
        ++shown;
    }
    if (shown == 0) GTEST_SKIP() << "no size table is carried yet";
    Click(ToolbarButton(2, QStringLiteral("H型钢")));
}

}  // namespace
