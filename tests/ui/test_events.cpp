#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <vector>

#include "ui_fixture.h"

namespace {

std::vector<std::string> calls;
HELE lastElement = nullptr;
int lastValue = -1;

int ClickC1(HELE ele, bool*) {
    lastElement = ele;
    calls.push_back("C1");
    return 0;
}
int ClickC(bool*) {
    calls.push_back("C");
    return 0;
}
int ClickHandled(bool* handled) {
    calls.push_back("handled");
    *handled = true;
    return 0;
}
int Slid(int pos, bool*) {
    lastValue = pos;
    return 0;
}
int Selected(int index, bool* handled) {
    lastValue = index;
    *handled = true;
    return 0;
}
int EditChanged(HELE ele, bool*) {
    lastElement = ele;
    calls.push_back("edit");
    return 0;
}
unsigned timerSeen = 0;
int Timer(unsigned id, bool*) {
    timerSeen = id;
    return 0;
}
int MouseDown(unsigned, XPoint* pt, bool*) {
    lastValue = pt->x * 1000 + pt->y;
    return 0;
}


class Events : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        lastElement = nullptr;
        lastValue = -1;
        window = TestWindow();
    }
    static QWidget* Widget(int id) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* w = top->findChild<QWidget*>(QStringLiteral("e%1").arg(id))) return w;
        }
        return nullptr;
    }
    static QToolButton* ButtonWidget(HELE button) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            for (auto* b : top->findChildren<QToolButton*>()) {
                if (b->accessibleName() == QString::fromStdU16String(XBtn_GetText(button))) return b;
            }
        }
        return nullptr;
    }
    HWINDOW window = nullptr;
};

TEST_F(Events, SecondRegistrationIsRefusedAndOrderIsKept) {
    HELE b = XBtn_Create(0, 0, 50, 28, u"注册", nullptr);
    XToolBar_InsertEle(XC_GetObjectByID(window, 1), b, -3);
    EXPECT_TRUE(XEle_RegEventC1(b, XE_BNCLICK, &ClickC1));
    EXPECT_FALSE(XEle_RegEventC1(b, XE_BNCLICK, &ClickC1));
    EXPECT_TRUE(XEle_RegEventC(b, XE_BNCLICK, &ClickC));
    EXPECT_FALSE(XEle_RegEventC(b, XE_BNCLICK, &ClickC));
    // The same handler on another event or element is a new registration.
    HELE other = XBtn_Create(0, 0, 50, 28, u"另一个", nullptr);
    EXPECT_TRUE(XEle_RegEventC(other, XE_BNCLICK, &ClickC));
    QToolButton* qb = ButtonWidget(b);
    ASSERT_NE(qb, nullptr);
    QTest::mouseClick(qb, Qt::LeftButton);
    EXPECT_EQ(calls, (std::vector<std::string>{"C1", "C"}));
    EXPECT_EQ(lastElement, b);  // the element comes first for C1 handlers
    XEle_Destroy(other);
}

TEST_F(Events, HandledStopsLaterHandlers) {
    HELE b = XBtn_Create(0, 0, 50, 28, u"拦截", nullptr);
    XToolBar_InsertEle(XC_GetObjectByID(window, 1), b, -3);
    XEle_RegEventC(b, XE_BNCLICK, &ClickHandled);
    XEle_RegEventC(b, XE_BNCLICK, &ClickC);
    QTest::mouseClick(ButtonWidget(b), Qt::LeftButton);
    EXPECT_EQ(calls, std::vector<std::string>{"handled"});
}

TEST_F(Events, RadioButtonsAreGroupedPerToolbar) {
    HELE bar1 = XC_GetObjectByID(window, 1);
    HELE bar2 = XC_GetObjectByID(window, 2);
    std::vector<HELE> a, b;
    for (int i = 0; i < 2; ++i) {
        HELE x = XBtn_Create(0, 0, 50, 28, i == 0 ? u"甲一" : u"甲二", nullptr);
        XBtn_SetType(x, button_type_radio);
        XToolBar_InsertEle(bar1, x, -3);
        a.push_back(x);
        HELE y = XBtn_Create(0, 0, 50, 28, i == 0 ? u"乙一" : u"乙二", nullptr);
        XToolBar_InsertEle(bar2, y, -3);
        XBtn_SetType(y, button_type_radio);  // type set after insertion works too
        b.push_back(y);
    }
    QTest::mouseClick(ButtonWidget(a[0]), Qt::LeftButton);
    QTest::mouseClick(ButtonWidget(b[1]), Qt::LeftButton);
    EXPECT_TRUE(XBtn_IsCheck(a[0]));
    EXPECT_TRUE(XBtn_IsCheck(b[1]));
    QTest::mouseClick(ButtonWidget(a[1]), Qt::LeftButton);
    EXPECT_FALSE(XBtn_IsCheck(a[0]));
    EXPECT_TRUE(XBtn_IsCheck(a[1]));
    EXPECT_TRUE(XBtn_IsCheck(b[1]));  // the other toolbar keeps its state
    // A click on the checked button keeps it checked.
    QTest::mouseClick(ButtonWidget(a[1]), Qt::LeftButton);
    EXPECT_TRUE(XBtn_IsCheck(a[1]));
    for (HELE x : a) XEle_Destroy(x);
    for (HELE x : b) XEle_Destroy(x);
}

TEST_F(Events, ToolbarInsertionOutsideTheRangeAppends) {
    HELE bar = XC_GetObjectByID(window, 2);
    XToolBar_DeleteAllEle(bar);
    HELE first = XBtn_Create(0, 0, 50, 28, u"一", nullptr);
    HELE second = XBtn_Create(0, 0, 50, 28, u"二", nullptr);
    HELE front = XBtn_Create(0, 0, 50, 28, u"零", nullptr);
    EXPECT_EQ(XToolBar_InsertEle(bar, first, -3), 0);
    EXPECT_EQ(XToolBar_InsertEle(bar, second, -3), 1);
    EXPECT_EQ(XToolBar_InsertEle(bar, front, 0), 0);
    ASSERT_EQ(XToolBar_GetCount(bar), 3);
    EXPECT_EQ(XToolBar_GetEle(bar, 0), front);
    EXPECT_EQ(XToolBar_GetEle(bar, 1), first);
    EXPECT_EQ(XToolBar_GetEle(bar, 2), second);
    XToolBar_DeleteAllEle(bar);
    EXPECT_EQ(XToolBar_GetCount(bar), 0);
    EXPECT_EQ(XC_GetObjectType(first), XC_ERROR);
}

TEST_F(Events, EditChangesFireOnTypingAndOnProgramChanges) {
    HELE edit = XC_GetObjectByID(window, 41);
    XEle_RegEventC1(edit, XE_EDIT_CHANGED, &EditChanged);
    auto* line = qobject_cast<QLineEdit*>(Widget(41));
    ASSERT_NE(line, nullptr);
    line->setFocus();
    QTest::keyClicks(line, "2.5");
    EXPECT_EQ(calls.size(), 3u);
    EXPECT_EQ(lastElement, edit);
    EXPECT_EQ(XEdit_GetText(edit), u"2.5");
    EXPECT_EQ(XEdit_GetLength(edit), 3);
    XEdit_SetText(edit, u"７");
    EXPECT_EQ(calls.size(), 4u);
    EXPECT_EQ(XEdit_GetText(edit), u"７");
    XEdit_SetText(edit, u"");
}

TEST_F(Events, SliderReportsUserMovesOnly) {
    HELE slider = XC_GetObjectByID(window, 30);
    XSliderBar_SetRange(slider, 155);
    XSliderBar_SetPos(slider, 100);
    XEle_RegEventC(slider, XE_SLIDERBAR_CHANGE, &Slid);
    EXPECT_EQ(lastValue, -1);
    EXPECT_EQ(XSliderBar_GetPos(slider), 100);
    auto* s = qobject_cast<QSlider*>(Widget(30));
    ASSERT_NE(s, nullptr);
    QTest::keyClick(s, Qt::Key_End);
    EXPECT_EQ(lastValue, 155);
    QTest::keyClick(s, Qt::Key_Home);
    EXPECT_EQ(lastValue, 0);
}

TEST_F(Events, TimerDeliversItsId) {
    XWnd_RegEventC(window, WM_TIMER, &Timer);
    ASSERT_TRUE(XWnd_SetTimer(window, 100, 20));
    QElapsedTimer clock;
    clock.start();
    while (timerSeen == 0 && clock.elapsed() < 3000) QTest::qWait(10);
    EXPECT_EQ(timerSeen, 100u);
}

TEST_F(Events, ComboboxSelectionAndSentPress) {
    HELE combo = XC_GetObjectByID(window, 22);
    ASSERT_TRUE(XComboBox_SetItemTemplateXMLFromString(
        combo, R"(<combobox><item><text field="name"/><text field="midu"/></item></combobox>)"));
    HADAPTER adapter = XAdTable_Create();
    XComboBox_BindAdapter(combo, adapter);
    XAdTable_AddColumn(adapter, u"name");
    XAdTable_AddColumn(adapter, u"midu");
    const int row = XAdTable_AddItemText(adapter, u"碳钢");
    EXPECT_EQ(row, 0);
    XAdTable_SetItemTextEx(adapter, row, u"midu", u"7850");
    XAdTable_SetItemTextEx(adapter, XAdTable_AddItemText(adapter, u"铝板"), u"midu", u"2810");
    EXPECT_EQ(XAdTable_GetItemTextEx(adapter, 1, u"midu"), u"2810");
    XEle_RegEventC(combo, XE_COMBOBOX_SELECT, &Selected);
    XEle_RegEventC(combo, XE_LBUTTONDOWN, &MouseDown);

    // A press sent on the button reaches the handlers, then opens the list.
    const XRect r = XComboBox_GetButtonRect(combo);
    EXPECT_GT(r.right, r.left);
    XEle_SendEvent(combo, combo, XE_LBUTTONDOWN, 0, (r.left + 1) + (r.top + 1) * 65536);
    EXPECT_EQ(lastValue, (r.left + 1) * 1000 + (r.top + 1));
    EXPECT_TRUE(XComboBox_IsPopupShown(combo));
    // Choosing with the keyboard in the open list reports the index.
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Down);
    QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Return);
    EXPECT_EQ(lastValue, 1);
}

}  // namespace
