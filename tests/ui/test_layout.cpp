#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "ui_fixture.h"

namespace {

QWidget* WindowWidget() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == QStringLiteral("测试窗口")) return w;
    }
    return nullptr;
}

TEST(Layout, ElementsCarryTheirIdsForToolsOutsideTheProcess) {
    ASSERT_NE(TestWindow(), nullptr);
    QWidget* root = WindowWidget();
    ASSERT_NE(root, nullptr);
    QWidget* list = root->findChild<QWidget*>("e9");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->accessibleDescription(), "e9");
    EXPECT_EQ(list->accessibleName(), QStringLiteral("尺寸表"));
    // A label keeps its visible text as what assistive tools read.
    QWidget* status = root->findChild<QWidget*>("e21");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(static_cast<QLabel*>(status)->text(), QStringLiteral("状态"));
    EXPECT_EQ(status->accessibleDescription(), "e21");
}

TEST(Layout, LookupsByIdNameAndType) {
    HWINDOW w = TestWindow();
    HELE edit = XC_GetObjectByID(w, 41);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(XEle_GetID(edit), 41);
    EXPECT_EQ(XC_GetObjectType(edit), XC_EDIT);
    EXPECT_EQ(XC_GetObjectType(XC_GetObjectByID(w, 21)), XC_SHAPE_TEXT);
    EXPECT_EQ(XC_GetObjectByID(w, 999), nullptr);
    EXPECT_EQ(XC_GetObjectType(nullptr), XC_ERROR);

    // Elements created at run time are found by the name they are given.
    HELE container = XC_GetObjectByID(w, 10);
    HELE input = XEdit_Create(10, 25, 80, 20, container);
    XEle_SetName(input, u"tw");
    EXPECT_EQ(XC_GetObjectByName(w, u"tw"), input);
    XEle_SetUID(input, 1042);
    EXPECT_EQ(XEle_GetUID(input), 1042);
    XEle_Destroy(input);
    EXPECT_EQ(XC_GetObjectByName(w, u"tw"), nullptr);
    EXPECT_EQ(XC_GetObjectType(input), XC_ERROR);  // a stale handle is refused, not followed
    XEle_SetUID(input, 1);
}

TEST(Layout, ChildrenOfAContainerInCreationOrderAndDestroyedOneByOne) {
    HELE container = XC_GetObjectByID(TestWindow(), 10);
    HELE label = XShapeText_Create(5, 5, 40, 20, u"h", container);
    HELE input = XEdit_Create(5, 20, 80, 20, container);
    ASSERT_EQ(XEle_GetChildCount(container), 2);
    EXPECT_EQ(XEle_GetChildByIndex(container, 0), label);
    EXPECT_EQ(XEle_GetChildByIndex(container, 1), input);
    EXPECT_EQ(XEle_GetChildByIndex(container, 2), nullptr);
    const XRect r = XEle_GetRect(input);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 80);
    for (int n = XEle_GetChildCount(container); n > 0; --n) {
        HXCGUI first = XEle_GetChildByIndex(container, 0);
        if (XC_GetObjectType(first) == XC_SHAPE_TEXT) {
            XShape_Destroy(first);
        } else {
            XEle_Destroy(first);
        }
    }
    EXPECT_EQ(XEle_GetChildCount(container), 0);
}

TEST(Layout, BrokenLayoutsAndWrongPasswordsLoadNothing) {
    const std::string& a = TestArchive();
    EXPECT_EQ(XC_LoadLayoutZipMem(a.data(), a.size(), u"main.xml", u"wrong-password-x"), nullptr);
    EXPECT_EQ(XC_LoadLayoutZipMem(a.data(), a.size(), u"missing.xml", u"Q4tR8wZ2kM6pX1vB"), nullptr);
    EXPECT_EQ(XC_LoadLayoutZipMem(a.data(), a.size() / 2, u"main.xml", u"Q4tR8wZ2kM6pX1vB"), nullptr);
    EXPECT_EQ(XC_LoadLayoutZipMem(nullptr, 0, u"main.xml", u"Q4tR8wZ2kM6pX1vB"), nullptr);
    std::string junk(1000, 'x');
    EXPECT_EQ(XC_LoadLayoutZipMem(junk.data(), junk.size(), u"main.xml", u""), nullptr);

    std::string bad;
    ASSERT_TRUE(WriteZip({{"a.xml", "<window><nonsense/></window>"}, {"b.xml", "<window><container>"},
                          {"c.xml", "<notawindow/>"}},
                         "pw", bad));
    EXPECT_EQ(XC_LoadLayoutZipMem(bad.data(), bad.size(), u"a.xml", u"pw"), nullptr);
    EXPECT_EQ(XC_LoadLayoutZipMem(bad.data(), bad.size(), u"b.xml", u"pw"), nullptr);
    EXPECT_EQ(XC_LoadLayoutZipMem(bad.data(), bad.size(), u"c.xml", u"pw"), nullptr);
}

TEST(Layout, WindowSizeOpacityAndTopMost) {
    HWINDOW w = TestWindow();
    XWnd_SetMinimumSize(w, 500, 300);
    QWidget* root = WindowWidget();
    root->resize(100, 100);
    EXPECT_GE(root->width(), 500);
    EXPECT_GE(root->height(), 300);
    XWnd_SetTransparentAlpha(w, 200);
    EXPECT_NEAR(root->windowOpacity(), 200 / 255.0, 0.01);
    HWND hwnd = XWnd_GetHWND(w);
    EXPECT_TRUE(SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE));
    EXPECT_TRUE(IsWindowTopMost(hwnd));
    EXPECT_TRUE(root->isVisible());
    EXPECT_TRUE(SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE));
    EXPECT_FALSE(IsWindowTopMost(hwnd));
}

TEST(Text, ConversionsRoundTripChinese) {
    const std::string gbk = Utf8ToGbkBytes("热轧H型钢×");
    EXPECT_EQ(XC_AnsiToUnicode(gbk), u"热轧H型钢×");
    EXPECT_EQ(XC_UnicodeToAnsi(u"热轧H型钢×"), gbk);
    EXPECT_EQ(XC_AnsiToUnicode(""), u"");
}

}  // namespace
