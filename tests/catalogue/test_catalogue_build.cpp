#include <gtest/gtest.h>

#include <vector>

#include "carried_tables.h"
#include "catalogue_build.h"
#include "codepage.h"
#include "db_state.h"

namespace {

std::string G(const char* utf8) { return Utf8ToGbkBytes(utf8); }

std::vector<std::string> Column(const ResultGrid& g, int column) {
    std::vector<std::string> out;
    for (int r = 1; r < g.rowCount; ++r) out.push_back(GbkToUtf8(g.Cell(r, column)));
    return out;
}

class Catalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BuildCatalogue(); }
};

TEST_F(Catalogue, EveryCarriedTableIsRegistered) {
    int carried = 0;
    for (std::string_view table : kCatalogueTables) {
        if (!CarriedTableText(table)) continue;
        ++carried;
        ResultGrid g = QueryCatalogue(G(("select count(*) from " + std::string(table)).c_str()));
        EXPECT_TRUE(dbLastOk) << table;
        EXPECT_EQ(g.rowCount, 2) << table;
    }
    EXPECT_GE(carried, 7);
}

TEST_F(Catalogue, SectionBarOrderIsTextOrder) {
    ResultGrid g = QueryCatalogue("select NAME from SECTIONTABLE where TYPE=1 order by \"ORDER\"");
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"H型钢", "圆管", "槽钢", "T型钢", "不等边角钢", "压型钢板",
                                                      "螺栓", "夹芯板", "钢丝", "钢轨", "多边形钢", "其他钢管",
                                                      "方钢管", "工字钢", "C型钢", "矩形管", "圆钢", "钢板",
                                                      "Z型钢", "等边角钢"}));
    g = QueryCatalogue("select NAME from SECTIONTABLE where TYPE=0 order by \"ORDER\"");
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"H型钢", "不等边H型", "十字", "焊接球", "楔形", "C型钢", "圆管",
                                                      "箱型", "Z型钢", "钢板", "螺栓球", "盒式", "T型"}));
}

TEST_F(Catalogue, NamesMatchCaseInsensitivelyForAsciiOnly) {
    ResultGrid g = QueryCatalogue("select name from subtypes where sectionid=19 order by \"order\"");
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"热轧H型钢-2017", "热轧H型钢-2010", "超厚超重H型钢",
                                                      "高频焊接轻型薄壁H型钢", "卷边高频焊接轻型薄壁H型钢"}));
    g = QueryCatalogue(G("select HEADERNAME from HEADERNAMES where `INDEX`='螺栓重量'"));
    EXPECT_EQ(Column(g, 0), std::vector<std::string>{"重量(kg/千套)"});
    // An empty value is an empty cell, not a missing row.
    g = QueryCatalogue("select NORMTABLE from SECTIONTABLE where ID=1");
    ASSERT_EQ(g.rowCount, 2);
    EXPECT_EQ(g.Cell(1, 0), "");
}

TEST_F(Catalogue, FailedQueryIsRecorded) {
    dbLastErrorMessage.clear();
    ResultGrid g = QueryCatalogue(G("select * from 热轧_不存在"));
    EXPECT_FALSE(dbLastOk);
    EXPECT_EQ(g.rowCount, 0);
    EXPECT_EQ(dbLastErrorCode, 1);
    EXPECT_EQ(dbLastErrorMessage, G("no such table: 热轧_不存在"));
    // The column-name lookup does not record its failure.
    dbLastErrorMessage = "earlier";
    QueryCatalogue("select nothing from SECTIONTABLE", false);
    EXPECT_FALSE(dbLastOk);
    EXPECT_EQ(dbLastErrorMessage, "earlier");
    // A success sets the flag but keeps the old message.
    QueryCatalogue("select 1");
    EXPECT_TRUE(dbLastOk);
    EXPECT_EQ(dbLastErrorMessage, "earlier");
}

}  // namespace
