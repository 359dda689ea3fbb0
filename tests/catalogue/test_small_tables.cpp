// The bytes of the descriptive tables that are easy to lose in transcription,
// read back through SQL from the registered catalogue.
#include <gtest/gtest.h>

#include "catalogue_build.h"
#include "codepage.h"
#include "db_state.h"

namespace {

class SmallTables : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BuildCatalogue(); }

    // The single value a query answers, as UTF-8.
    static std::string One(const std::string& utf8Sql) {
        ResultGrid g = QueryCatalogue(Utf8ToGbkBytes(utf8Sql));
        EXPECT_EQ(g.rowCount, 2) << utf8Sql;
        EXPECT_EQ(g.columnCount, 1) << utf8Sql;
        return g.rowCount == 2 && g.columnCount == 1 ? GbkToUtf8(g.Cell(1, 0)) : "<no single value>";
    }
};

TEST_F(SmallTables, RowCounts) {
    EXPECT_EQ(One("select count(*) from BARTOWELD"), "8");
    EXPECT_EQ(One("select count(*) from SECTIONTABLE"), "33");
    EXPECT_EQ(One("select count(*) from HEADERNAMES"), "25");
    EXPECT_EQ(One("select count(*) from SUBTYPES"), "81");
    EXPECT_EQ(One("select count(*) from WELDCALCINFO"), "13");
    EXPECT_EQ(One("select count(*) from WELDMARKINFO"), "56");
    EXPECT_EQ(One("select count(*) from midu"), "11");
}

TEST_F(SmallTables, LineFeedsAndBlanksInsideValues) {
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=30"),
              "注：本数据来自《GB/T 11263-2017  热轧H型钢和剖分T型钢\n》");
    EXPECT_EQ(One("select AREAPERM from WELDCALCINFO where ID=1"),
              "\nb*l*2/1000000+(b-tw)*l*2/1000000+[(h-t1-t2)*l*2]/1000000+t1*l*2/1000000+t2*l*2/1000000");
    EXPECT_EQ(One("select AREAPERM from WELDCALCINFO where ID=9"),
              "(b*Math.sqrt(l*l+(h1-h2)*(h1-h2)))/1000000+((b-tw)*Math.sqrt(l*l+(h1-h2)*(h1-h2)))/1000000"
              "+b*l/1000000+(b-tw)*l/1000000+(((h1-t1-t2)+(h2-t1-t2))*l/2)*2/1000000+t1*l*2/1000000"
              "+t2*l*2/1000000\n");
    EXPECT_EQ(One("select WEIGHTPERM from WELDCALCINFO where ID=12"), " pi*D*D*D*p*4/3/8/1000000");
    EXPECT_EQ(One("select WEIGHTPERM from WELDCALCINFO where ID=11"),
              "pi*(D/2)*(D/2)*(D/2)*p*4/3/1000000- pi*(D/2-t)*(D/2-t)*(D/2-t)*p*4/3/1000000");
}

TEST_F(SmallTables, RunsOfBlanksInRemarks) {
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=1"), "注：本数据来自《GB/T 706-2016  热轧型钢》");
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=17"),
              "注：本数据来自《GB  50018-2002  冷弯薄壁型钢结构技术规范》");
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=22"),
              "注：本数据来自《GB/T 14981-2009   热轧圆盘条尺寸、外形、重量及允许偏差》");
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=36"), "注：本数据来自《GB/T  13793-2008  直缝电焊钢管》");
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=38"),
              "注：本数据来自《GB/T  17395-2008  无缝钢管尺寸、外形、重量及允许偏差》");
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=39"),
              "注：本数据来自《GB/T  17395-2008 无缝钢管尺寸、外形、重量及允许偏差》");
    // Full-width and division slashes are different characters.
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=48"), "注：本数据来自《YB／T4001.1-2007钢格栅板及配套件》");
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=75"), "注：本数据来自《GB∕T 3094-2012冷拔异型钢管》");
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=23"),
              "注：本数据来自《GB/T905-1994冷拉圆钢,方钢,六角钢尺寸,外形,重量及允许偏差》");
    EXPECT_EQ(One("select REMARK from SUBTYPES where ID=2"), "");
}

TEST_F(SmallTables, EmptyAndMissingRows) {
    EXPECT_EQ(One("select NAME||SECTIONID||REMARK||\"ORDER\"||SHOWCOLS from SUBTYPES where ID=73"), "");
    EXPECT_EQ(One("select count(*) from WELDCALCINFO where ID=8"), "0");
    EXPECT_EQ(One("select ID from WELDCALCINFO where SECTIONID=8"), "13");
    EXPECT_EQ(One("select ID from WELDCALCINFO where SECTIONID=24"), "14");
    EXPECT_EQ(One("select AREA from WELDCALCINFO where ID=9"), "");
    EXPECT_EQ(One("select count(*) from midu where note<>''"), "0");
}

TEST_F(SmallTables, SpotValues) {
    EXPECT_EQ(One("select SHOWCOLS from SUBTYPES where ID=79"), "规格,详情,重量,表面积,截面积");
    EXPECT_EQ(One("select SHOWCOLS from SUBTYPES where ID=75"), "型号,重量,截面积,公称壁厚,长轴外径,短轴外径");
    EXPECT_EQ(One("select group_concat(TEXT||'@'||POS||CENTER, ';') from WELDMARKINFO where SECTIONID=5"),
              "h1@3,133N;h2@120,258Y;b1@125,25Y;b2@216,142N;tw1@153,170Y;tw2@148,117Y;t1@210,60N;"
              "t2@195,207N;t3@76,100Y;t4@216,100N");
    EXPECT_EQ(One("select IMAGE from SECTIONTABLE where ID=25"), "/Image/SectionBarImage/普通钢板.png");
    EXPECT_EQ(One("select ICON from SECTIONTABLE where ID=9"), "/Image/SectionWeld/楔型.png");
    EXPECT_EQ(One("select group_concat(name||p, ',') from (select * from midu order by paixu)"),
              "碳钢7850,3047930,3167980,铝材2700,铝板2810,铜材8900,紫铜8960,黄铜8500,锌7140,镍板8900,钛板4710");
    EXPECT_EQ(One("select group_concat(BARID||'>'||WELDID, ',') from BARTOWELD"),
              "19>1,20>8,21>24,23>6,22>3,28>3,17>4,25>10");
    EXPECT_EQ(One("select HEADERNAME from HEADERNAMES where ID=25"), "板重(kg/m)");
}

}  // namespace
