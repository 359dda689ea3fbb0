#include "window_driver.h"

#include "size_table.h"

namespace {

const std::vector<std::string> kHeader79 = {"序号", "规格", "详情", "重量(kg/m)", "表面积(m2/m)", "截面积(cm2)", "1米重量(Kg)"};

TEST(SizeTable, StartsOnSubtype79) {
    REQUIRE_H_TABLE();
    EXPECT_EQ(currentSubtype, 79);
    EXPECT_EQ(Headers(), kHeader79);
    ASSERT_GT(Rows(), 0);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "HW100×100", "100×100×6×8", "16.9", "0.574", "21.58 ", "16.9"}));
    EXPECT_EQ(Rows(), SubtypeRows79());
    EXPECT_EQ(U8(XShapeText_GetText(MainElement(7))), "热轧H型钢-2017");
    EXPECT_EQ(U8(XShapeText_GetText(MainElement(8))), "注：本数据来自《GB/T 11263-2017 热轧H型钢和热轧T型钢》");
}

TEST(SizeTable, DoubleClickCopiesTheRow) {
    REQUIRE_H_TABLE();
    XList_SetSelectItem(sizeTableList, -1);
    DoubleClickRow(0);
    const std::string expected =
        "热轧H型钢-2017规格 HW100×100,详情=100×100×6×8,重量(kg/m)=16.9,表面积(m2/m)=0.574,截面积(cm2)=21.58 ,1米重量(Kg)=16.9";
    EXPECT_EQ(Clipboard(), expected);
    EXPECT_EQ(Status(), "已复制到剪辑版：" + expected);
}

TEST(SizeTable, CopyWithoutSelectionCopiesHeadersOnly) {
    REQUIRE_H_TABLE();
    XList_SetSelectItem(sizeTableList, -1);
    // The list answers an invalid row with empty texts; the separators stay.
    XEle_SendEvent(sizeTableList, sizeTableList, XE_LBUTTONDBCLICK, 0, 0);
    EXPECT_EQ(Clipboard(), "热轧H型钢-2017规格 ,详情=,重量(kg/m)=,表面积(m2/m)=,截面积(cm2)=,1米重量(Kg)=");
}

TEST(SizeTable, LengthSetsThePerLengthColumn) {
    REQUIRE_H_TABLE();
    TypeInto(41, "2.5");
    EXPECT_EQ(Headers().back(), "2.5米重量(Kg)");
    EXPECT_EQ(Row(0).back(), "42.25");
    DoubleClickRow(0);
    EXPECT_NE(Clipboard().find(",2.5米重量(Kg)=42.25"), std::string::npos);
    EXPECT_EQ(Clipboard().substr(Clipboard().size() - std::string(",2.5米重量(Kg)=42.25").size()),
              ",2.5米重量(Kg)=42.25");

    for (const char* bad : {"0", "-1", "abc"}) {
        XShapeText_SetText(statusText, u"");
        TypeInto(41, QString::fromUtf8(bad));
        EXPECT_EQ(Status(), "长度应为大于0的数值，否则按1米计算。") << bad;
        EXPECT_EQ(Headers().back(), "1米重量(Kg)") << bad;
        EXPECT_EQ(Row(0).back(), "16.9") << bad;
    }
    TypeInto(41, QStringLiteral("２"));
    EXPECT_EQ(Headers().back(), "2米重量(Kg)");
    EXPECT_EQ(Row(0).back(), "33.8");
    TypeInto(41, "");
    EXPECT_EQ(Headers(), kHeader79);
}

TEST(SizeTable, FormatFixedForTinyValues) {
    EXPECT_EQ(FormatFixed(0.000016), "0.000016");
    EXPECT_EQ(FormatFixed(0.0), "0.000000");
    EXPECT_EQ(FormatFixed(-0.5), "-0.500000");
}

}  // namespace
