// The main window as the program builds it, driven through real input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "program_state.h"
#include "window_driver.h"
#include "window_state.h"
#include "xcgui.h"

namespace {

QWidget* Window() { return MainWidget(); }

template <class T = QWidget>
T* Element(int id) {
    return Widget<T>(id);
}

TEST(MainWindow, EveryElementOfTheLayoutIsThereWithItsKind) {
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    const std::pair<int, int> typed[] = {{9, XC_LIST},        {21, XC_SHAPE_TEXT}, {22, XC_COMBOBOX}, {23, XC_EDIT},
                                         {36, XC_EDIT},       {41, XC_EDIT},       {29, XC_EDIT},     {30, XC_SLIDERBAR},
                                         {1, XC_TOOLBAR},     {2, XC_TOOLBAR},     {5, XC_TOOLBAR},   {6, XC_SHAPE_PICTURE},
                                         {12, XC_SHAPE_PICTURE}, {7, XC_SHAPE_TEXT}, {8, XC_SHAPE_TEXT}, {13, XC_SHAPE_TEXT},
                                         {14, XC_BUTTON},     {25, XC_BUTTON},     {26, XC_BUTTON},   {27, XC_BUTTON},
                                         {28, XC_BUTTON},     {33, XC_BUTTON},     {34, XC_BUTTON},   {35, XC_BUTTON},
                                         {40, XC_BUTTON},     {31, XC_SHAPE_TEXT}, {32, XC_SHAPE_TEXT}};
    for (auto [id, type] : typed) EXPECT_EQ(XC_GetObjectType(MainElement(id)), type) << "element " << id;
    for (int id : {15, 16, 17, 18, 19, 20}) EXPECT_EQ(XC_GetObjectType(MainElement(id)), XC_SHAPE_TEXT) << id;
    for (int id : {3, 4, 10, 24, 37, 38, 39}) EXPECT_NE(MainElement(id), nullptr) << id;
    EXPECT_EQ(sizeTableList, MainElement(9));
    EXPECT_EQ(statusText, MainElement(21));
    EXPECT_EQ(materialCombo, MainElement(22));
    // Elements without visible text of their own are named for assistive tools.
    EXPECT_EQ(Element(41)->accessibleName(), QStringLiteral("长度（米）"));
    EXPECT_EQ(Element(41)->accessibleDescription(), QStringLiteral("e41"));
}

TEST(MainWindow, StartsOnTheSizeTablePage) {
    EXPECT_TRUE(XEle_IsShow(MainElement(4)));
    EXPECT_FALSE(XEle_IsShow(MainElement(3)));
}

TEST(MainWindow, CannotBeMadeSmallerThanItsMinimum) {
    QWidget* w = Window();
    w->resize(600, 400);
    EXPECT_EQ(w->width(), 900);
    EXPECT_EQ(w->height(), 590);
    w->resize(1180, 720);
}

TEST(MainWindow, OpacitySliderSetsTheWindowAlpha) {
    auto* slider = Element<QSlider>(30);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->value(), 100);
    EXPECT_EQ(slider->maximum(), 155);
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(windowAlpha, 100);
    EXPECT_NEAR(Window()->windowOpacity(), 100 / 255.0, 0.01);
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(windowAlpha, 255);
    QTest::keyClick(slider, Qt::Key_PageDown);  // one page step back from the end
    EXPECT_EQ(windowAlpha, 100 + slider->value());
}

TEST(MainWindow, PinTwiceReturnsToNotTopmost) {
    auto* pin = Element<QToolButton>(27);
    ASSERT_NE(pin, nullptr);
    HWND hwnd = XWnd_GetHWND(mainWindow);
    EXPECT_FALSE(IsWindowTopMost(hwnd));
    const QImage unpinned = pin->icon().pixmap(16, 16).toImage();
    QTest::mouseClick(pin, Qt::LeftButton);
    EXPECT_TRUE(XBtn_IsCheck(MainElement(27)));
    EXPECT_TRUE(IsWindowTopMost(hwnd));
    EXPECT_TRUE(Window()->isVisible());
    QTest::mouseClick(pin, Qt::LeftButton);
    EXPECT_FALSE(IsWindowTopMost(hwnd));
    EXPECT_EQ(pin->icon().pixmap(16, 16).toImage(), unpinned);
}

TEST(MainWindow, FoldButtonFollowsElement37) {
    auto* fold = Element<QToolButton>(40);
    ASSERT_NE(fold, nullptr);
    const bool start = XEle_IsShow(MainElement(37));
    XEle_ShowEle(MainElement(38), !start);  // 38 out of step with 37
    QTest::mouseClick(fold, Qt::LeftButton);
    for (int id : {37, 38, 39}) EXPECT_EQ(XEle_IsShow(MainElement(id)), !start) << id;
    QTest::mouseClick(fold, Qt::LeftButton);
    for (int id : {37, 38, 39}) EXPECT_EQ(XEle_IsShow(MainElement(id)), start) << id;
}

TEST(MainWindow, RendersToAPicture) {
    QWidget* w = Window();
    QApplication::processEvents();
    const QImage shot = w->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.width(), w->width());
    EXPECT_TRUE(shot.save(QStringLiteral(SB_SCREENSHOT_PATH)));
}

}  // namespace

namespace {

TEST(MainWindow, DateBarAndClock) {
    const QString line = QString::fromStdU16String(XShapeText_GetText(MainElement(31)));
    EXPECT_TRUE(line.startsWith(QStringLiteral("农历"))) << line.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral("周 第"))) << line.toStdString();
    // Timer 100 fires every second; allow a slow machine some seconds.
    QString clock;
    for (int waited = 0; waited < 5000 && clock.isEmpty(); waited += 50) {
        QTest::qWait(50);
        clock = QString::fromStdU16String(XShapeText_GetText(MainElement(32)));
    }
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$")).match(clock).hasMatch())
        << clock.toStdString();
}

}  // namespace
