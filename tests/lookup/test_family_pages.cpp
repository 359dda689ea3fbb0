// Rolled families on the real window: the subtype each opens on and its first
// row, a long list, and the per-length column over every row.
#include "window_driver.h"

#include <QAccessible>

#include <cmath>

#include "carried_tables.h"
#include "numbers.h"

namespace {

TEST(TubeTables, RoundTubesOpenOnGalvanisedPipeFromDN6) {
    if (!CarriedTableText("热轧_圆管")) GTEST_SKIP() << "热轧_圆管 is not carried";
    TypeInto(41, "");
    Click(ToolbarButton(2, QStringLiteral("圆管")));
    EXPECT_EQ(currentSubtype, 33);
    EXPECT_TRUE(ToolbarButton(5, QStringLiteral("镀锌钢管")) != nullptr);
    EXPECT_EQ(Headers(), (std::vector<std::string>{"序号", "公称口径(mm)", "重量(kg/m)", "公称外径(mm)", "公称壁厚(mm)",
                                                   "1米重量(Kg)"}));
    ASSERT_GT(Rows(), 0);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "6", "0.430 ", "10.2", "2", "0.43"}));
}

TEST(TubeTables, LengthMultipliesEveryRowsWeight) {
    if (!CarriedTableText("热轧_圆管")) GTEST_SKIP() << "热轧_圆管 is not carried";
    Click(ToolbarButton(2, QStringLiteral("圆管")));
    Click(ToolbarButton(5, QStringLiteral("圆形冷弯空心型钢")));
    ASSERT_EQ(currentSubtype, 41);
    EXPECT_EQ(Rows(), 82);
    EXPECT_EQ(Row(0)[1], "D21.3 (21.3)×1.2");
    TypeInto(41, "6");
    EXPECT_EQ(Headers().back(), "6米重量(Kg)");
    ASSERT_EQ(Rows(), 82);
    const size_t weight = 2;  // 序号, 规格, 重量, ...
    ASSERT_EQ(Headers()[weight], "重量(kg/m)");
    for (int r = 0; r < Rows(); ++r) {
        const std::vector<std::string> row = Row(r);
        EXPECT_NEAR(ReadNumber(row.back()), ReadNumber(row[weight]) * 6, 1e-9) << "row " << r << " " << row[1];
    }
    EXPECT_EQ(Row(0).back(), "3.54");
    TypeInto(41, "");
}

TEST(BarTables, RoundBarsOpenOnHotRolledBarsFrom5Point5) {
    if (!CarriedTableText("热轧_圆钢")) GTEST_SKIP() << "热轧_圆钢 is not carried";
    TypeInto(41, "");
    Click(ToolbarButton(2, QStringLiteral("圆钢")));
    EXPECT_EQ(currentSubtype, 21);
    EXPECT_EQ(Headers(), (std::vector<std::string>{"序号", "直径(mm)", "重量(kg/m)", "表面积(m2/m)", "截面积(cm2)",
                                                   "1米重量(Kg)"}));
    ASSERT_GT(Rows(), 0);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "5.5", "0.187", "0.017", "0.238", "0.187"}));
}

TEST(BarTables, RailsOpenOnTheHeavy50KgRail) {
    if (!CarriedTableText("热轧_钢轨")) GTEST_SKIP() << "热轧_钢轨 is not carried";
    Click(ToolbarButton(2, QStringLiteral("钢轨")));
    EXPECT_EQ(currentSubtype, 54);
    ASSERT_GT(Rows(), 0);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "重型50kg/m", "51.514", "51.514"}));
    Click(ToolbarButton(5, QStringLiteral("起重机钢轨")));
    EXPECT_EQ(Rows(), 4);
    EXPECT_EQ(Row(3)[1], "QU120");
}

// A length so long that a piece would weigh "inf" is refused like a zero one.
TEST(LengthColumn, OverflowingLengthCountsAsInvalid) {
    Click(ToolbarButton(2, QStringLiteral("H型钢")));
    Click(ToolbarButton(5, QStringLiteral("热轧H型钢-2017")));
    XShapeText_SetText(statusText, u"");
    TypeInto(41, "1e308");
    EXPECT_EQ(Status(), "长度应为大于0的数值，否则按1米计算。");
    EXPECT_EQ(Headers().back(), "1米重量(Kg)");
    EXPECT_EQ(Row(0).back(), "16.9");
    TypeInto(41, "1e300");  // large, but every piece still has a weight
    EXPECT_EQ(Headers().back(), "1e+300米重量(Kg)");
    TypeInto(41, "");
}

// The family and subtype buttons answer assistive tools and the keyboard as they answer a click.
TEST(Buttons, AccessibleActionsAndSpacePressThem) {
    QToolButton* family = ToolbarButton(2, QStringLiteral("工字钢"));
    ASSERT_NE(family, nullptr);
    EXPECT_TRUE(family->isCheckable());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(family);
    ASSERT_NE(a, nullptr);
    QAccessibleActionInterface* actions = a->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(currentSubtype, 1);
    EXPECT_EQ(U8(XShapeText_GetText(MainElement(7))), "热轧工字钢");
    EXPECT_TRUE(a->state().checked);

    QToolButton* subtype = ToolbarButton(5, QStringLiteral("轻型工字钢"));
    ASSERT_NE(subtype, nullptr);
    QAccessible::queryAccessibleInterface(subtype)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_EQ(currentSubtype, 2);

    QToolButton* channel = ToolbarButton(2, QStringLiteral("槽钢"));
    ASSERT_NE(channel, nullptr);
    channel->setFocus();
    QTest::keyClick(channel, Qt::Key_Space);
    EXPECT_EQ(currentSubtype, 4);
    Click(ToolbarButton(2, QStringLiteral("H型钢")));
}

// Wire weighs in kg per km: its header says so and a piece is weighed per metre.
TEST(WireTables, WeightPerKilometre) {
    if (!CarriedTableText("热轧_钢丝")) GTEST_SKIP() << "热轧_钢丝 is not carried";
    TypeInto(41, "");
    Click(ToolbarButton(2, QStringLiteral("钢丝")));
    EXPECT_EQ(currentSubtype, 56);
    EXPECT_EQ(Headers(), (std::vector<std::string>{"序号", "直径(mm)", "重量（Kg/km）", "截面积(cm2)", "1米重量(Kg)"}));
    ASSERT_GT(Rows(), 1);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "0.05 ", "0.016 ", "0.0020 ", "0.000016"}));
    // 20 mm wire: 2466.2 kg/km, a metre of it 2.4662 kg.
    const std::vector<std::string> last = Row(Rows() - 1);
    EXPECT_NEAR(ReadNumber(last.back()), ReadNumber(last[2]) / 1000, 1e-9);
}

// Plates have no per-length column, so a bad length says nothing.
TEST(PlateTables, NoPerLengthColumn) {
    if (!CarriedTableText("热轧_钢板")) GTEST_SKIP() << "热轧_钢板 is not carried";
    Click(ToolbarButton(2, QStringLiteral("钢板")));
    EXPECT_EQ(currentSubtype, 42);
    EXPECT_EQ(XToolBar_GetCount(MainElement(5)), 7);
    XShapeText_SetText(statusText, u"");
    TypeInto(41, "abc");
    EXPECT_EQ(Headers(), (std::vector<std::string>{"序号", "厚度(mm)", "重量(kg/m2)"}));
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "0.20 ", "1.570 "}));
    EXPECT_EQ(Status(), "");
    TypeInto(41, "");
}

// The largest list: every seamless tube, and a search inside it.
TEST(TubeTables, SeamlessTubesAndASearchAmongThem) {
    Click(ToolbarButton(2, QStringLiteral("圆管")));
    Click(ToolbarButton(5, QStringLiteral("普通无缝钢管")));
    ASSERT_EQ(currentSubtype, 38);
    const std::string carried = QueryFirstValue("select count(*) from " + Utf8ToGbkBytes("热轧_圆管") + " where SUBTYPEID=38");
    EXPECT_EQ(Rows(), std::stoi(carried));
    EXPECT_GT(Rows(), 2500);
    TypeInto(29, "219");
    Click(Widget<QToolButton>(28));
    ASSERT_GT(Rows(), 0);
    for (int r = 0; r < Rows(); ++r) {
        const std::vector<std::string> row = Row(r);
        // The shown columns, not the per-length one the search does not look at.
        bool found = false;
        for (size_t c = 1; c + 1 < row.size(); ++c) found = found || row[c].find("219") != std::string::npos;
        EXPECT_TRUE(found) << "row " << r << " " << row[1];
    }
    TypeInto(29, "");
    ShowSubtype(38);
    EXPECT_EQ(Rows(), std::stoi(carried));
}

}  // namespace
