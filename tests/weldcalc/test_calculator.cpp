// The calculator on the real window: choose a welded family, type its
// dimensions, choose a material, read the results and copy them.
#include <QComboBox>
#include <QAbstractItemView>

#include "calculation.h"
#include "calculator_panel.h"
#include "window_driver.h"

namespace {

QLineEdit* Input(const char* name) {
    for (auto* e : MainWidget()->findChildren<QLineEdit*>()) {
        if (e->accessibleDescription() == QStringLiteral("dim-") + name && e->isVisible()) return e;
    }
    return nullptr;
}

void TypeDimension(const char* name, const QString& text) {
    QLineEdit* edit = Input(name);
    ASSERT_NE(edit, nullptr) << name;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    TypeText(edit, text);
}

// The whole text in one change, as a paste or an input method commits it.
void Paste(QLineEdit* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

std::string Text(int id) { return U8(XShapeText_GetText(MainElement(id))); }

void Choose(const char* family) {
    Click(ToolbarButton(1, QString::fromUtf8(family)));
    QApplication::processEvents();
}

TEST(Calculator, StartsWithoutAFamily) {
    EXPECT_EQ(currentWeldedFamily, 0);
    EXPECT_EQ(XEle_GetChildCount(MainElement(10)), 0);
}

TEST(Calculator, PlateWorkedExample) {
    Choose("钢板");
    EXPECT_TRUE(XEle_IsShow(MainElement(3)));
    EXPECT_FALSE(XEle_IsShow(MainElement(4)));
    EXPECT_EQ(Text(13), "焊接-钢板");
    EXPECT_EQ(XEle_GetChildCount(MainElement(10)), 4);  // two labels, two inputs
    TypeInto(23, "7850");
    TypeInto(36, "");
    TypeDimension("t", "10");
    TypeDimension("b", "200");
    EXPECT_EQ(Text(16), "20c㎡");
    EXPECT_EQ(Text(18), "15.7Kg/m");
    EXPECT_EQ(Text(20), "0.42㎡/m");
    EXPECT_EQ(Status(), "计算完成，你可以将结果复制到剪贴板。");
    TypeInto(36, "2");
    EXPECT_EQ(Text(18), "2m×15.7Kg/m=31.4Kg");
    Click(Widget<QToolButton>(34));
    EXPECT_EQ(Clipboard(), "2m×15.7Kg/m=31.4Kg");
    EXPECT_EQ(Status(), "内容已复制到剪辑版：2m×15.7Kg/m=31.4Kg");
    auto* length = Widget<QLineEdit>(36);
    QTest::keyClick(length, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(length, "0");  // replaces the selection in one change
    EXPECT_EQ(Status(), "要计算的长度值输入不正确，应为不小于0的数值。");
    EXPECT_EQ(Text(18), "2m×15.7Kg/m=31.4Kg");  // unchanged
    TypeInto(36, "");
}

TEST(Calculator, HSectionAndTheOrderOfTheChecks) {
    Choose("H型钢");
    EXPECT_EQ(Text(15), "(b*t1+b*t2+(h-t1-t2)*tw)/100");
    EXPECT_EQ(Text(19).find('\n'), std::string::npos);
    XShapeText_SetText(statusText, u"");
    TypeDimension("h", "300");
    EXPECT_EQ(Status(), "你还没有输入 b 的数值。");
    TypeDimension("b", "abc");
    EXPECT_EQ(Status(), "您输入的 b 值有误，请检查后重新输入。");
    TypeDimension("b", "1,5");  // a comma would change the formula: refused
    EXPECT_EQ(Status(), "您输入的 b 值有误，请检查后重新输入。");
    TypeDimension("b", "２００");  // full-width digits read as digits
    TypeDimension("tw", "8");
    TypeDimension("t1", "12");
    TypeDimension("t2", "14");
    EXPECT_EQ(Text(16), "73.92c㎡");
    EXPECT_EQ(Text(18), "58.027Kg/m");
    EXPECT_EQ(Text(20), "1.384㎡/m");
    TypeInto(23, "");
    EXPECT_EQ(Status(), "你还没有选择材质类型，将影响重量相关的计算。");
}

TEST(Calculator, FamiliesWithoutAreaFormula) {
    Choose("螺栓球");
    EXPECT_EQ(Text(15), "无截面面积公式可用。");
    ASSERT_EQ(XEle_GetChildCount(MainElement(10)), 2);
    TypeInto(23, "7850");
    TypeDimension("D", "100");
    EXPECT_EQ(Text(16), "0c㎡");
    EXPECT_EQ(Text(18), "4.11Kg/m");  // pi * 100^3 * 7.85 * 4/3 / 8 / 1e6 = 4.1102...
}

TEST(Calculator, SwitchingFamiliesReplacesTheMarks) {
    Choose("十字");
    EXPECT_EQ(XEle_GetChildCount(MainElement(10)), 20);
    Choose("钢板");
    EXPECT_EQ(XEle_GetChildCount(MainElement(10)), 4);
    EXPECT_EQ(XC_GetObjectByName(mainWindow, u"h1"), nullptr);
    QApplication::processEvents();
    MainWidget()->grab().save(QStringLiteral(SB_SHOT_DIR "/calculator.png"));
}

TEST(Calculator, MaterialsListWritesTheDensity) {
    auto* combo = Widget<QComboBox>(22);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 11);
    EXPECT_EQ(U8(XAdTable_GetItemTextEx(materialAdapter, 0, u"name")), "碳钢");
    EXPECT_EQ(U8(XAdTable_GetItemTextEx(materialAdapter, 4, u"name")), "铝板");
    Choose("钢板");
    TypeDimension("t", "10");
    TypeDimension("b", "200");
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(4, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(U8(XEdit_GetText(MainElement(23))), "2810");
    EXPECT_EQ(Text(18), "5.62Kg/m");  // 2000 mm2 * 2.81 g/cm3
}

// Inputs that would give a wrong number stop with a message and leave the
// last good results on screen.
TEST(Calculator, NoWrongNumberIsReportedAsDone) {
    Choose("钢板");
    TypeInto(36, "");
    TypeInto(23, "7850");
    TypeDimension("t", "10");
    TypeDimension("b", "200");
    ASSERT_EQ(Text(18), "15.7Kg/m");
    const auto unchanged = [] {
        EXPECT_EQ(Text(16), "20c㎡");
        EXPECT_EQ(Text(18), "15.7Kg/m");
        EXPECT_EQ(Text(20), "0.42㎡/m");
    };
    Paste(Input("t"), "1e308");  // b × t overflows
    EXPECT_EQ(Status(), "计算结果无效，请检查输入的尺寸是否合理。");
    unchanged();
    Paste(Input("b"), "1e308");
    EXPECT_EQ(Status(), "计算结果无效，请检查输入的尺寸是否合理。");
    unchanged();
    Paste(Input("t"), "10");
    Paste(Input("b"), "200");
    for (const char* density : {"abc", "-7850", "0"}) {
        Paste(Widget<QLineEdit>(23), QString::fromUtf8(density));
        EXPECT_EQ(Status(), "您输入的密度值有误，请检查后重新输入。") << density;
        unchanged();
    }
    Paste(Widget<QLineEdit>(23), "7850");
    EXPECT_EQ(Status(), "计算完成，你可以将结果复制到剪贴板。");
    // A finite weight per metre whose total overflows.
    Paste(Widget<QLineEdit>(36), "1e307");
    EXPECT_EQ(Status(), "计算结果无效，请检查输入的尺寸是否合理。");
    unchanged();
    TypeInto(36, "");
}

TEST(Calculator, ContradictingDimensionsStop) {
    Choose("H型钢");
    TypeInto(36, "");
    TypeInto(23, "7850");
    TypeDimension("h", "300");
    TypeDimension("b", "200");
    TypeDimension("tw", "8");
    TypeDimension("t1", "12");
    TypeDimension("t2", "14");
    ASSERT_EQ(Text(16), "73.92c㎡");
    Paste(Input("t1"), "290");  // t1 + t2 > h: the web would be less than nothing
    EXPECT_EQ(Status(), "计算结果无效，请检查输入的尺寸是否合理。");
    EXPECT_EQ(Text(16), "73.92c㎡");
    EXPECT_EQ(Text(18), "58.027Kg/m");
}

}  // namespace
