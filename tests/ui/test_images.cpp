#include <QDir>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "program_directory.h"
#include "ui_fixture.h"

namespace {

TEST(Images, FromAFileWithEitherSeparator) {
    TestWindow();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QString path = dir.filePath(QStringLiteral("图.png"));
    ASSERT_TRUE(image.save(path));
    QString windowsStyle = path;
    windowsStyle.replace(QLatin1Char('/'), QLatin1Char('\\'));
    windowsStyle.replace(0, 1, QLatin1Char('/'));  // keep it absolute
    for (const QString& p : {path, windowsStyle}) {
        HIMAGE img = XImage_LoadFile(p.toStdU16String());
        ASSERT_NE(img, nullptr) << p.toStdString();
        EXPECT_EQ(XImage_GetWidth(img), 20);
        EXPECT_EQ(XImage_GetHeight(img), 10);
    }
    HIMAGE square = XImage_LoadFileRect(path.toStdU16String(), 0, 0, 8, 8);
    EXPECT_EQ(XImage_GetWidth(square), 8);
}

TEST(Images, WithoutAFileFromTheArchiveEntryOfTheSameName) {
    TestWindow();  // loads the archive
    const std::u16string dir = XC_AnsiToUnicode(ProgramDirectory());
    HIMAGE icon = XImage_LoadFileRect(dir + u"\\Image\\关闭.png", 0, 0, 16, 16);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(XImage_GetWidth(icon), 16);
    HIMAGE whole = XImage_LoadFile(dir + u"/Image/pic.png");
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(XImage_GetWidth(whole), 40);
    EXPECT_EQ(XImage_LoadFile(dir + u"/Image/none.png"), nullptr);
    // Buttons and pictures take them; a missing one leaves nothing behind.
    HELE button = XBtn_Create(0, 0, 50, 55, u"图标", nullptr);
    XBtn_SetIcon(button, icon);
    EXPECT_TRUE(XBtn_HasIcon(button));
    XBtn_SetIcon(button, nullptr);
    EXPECT_FALSE(XBtn_HasIcon(button));
    EXPECT_EQ(XBtn_GetText(button), u"图标");
    XEle_Destroy(button);
    HELE picture = XC_GetObjectByID(TestWindow(), 6);
    EXPECT_TRUE(XShapePic_HasImage(picture));  // from the layout's own src
    XShapePic_SetImage(picture, nullptr);
    EXPECT_FALSE(XShapePic_HasImage(picture));
}

TEST(Images, WrongPasswordLoadsNothing) {
    const std::string& a = TestArchive();
    // Resources read with a wrong password fail, and no archive picture is served afterwards.
    EXPECT_FALSE(XC_LoadResourceZipMem(a.data(), a.size(), u"resource.res", u"not-the-password"));
    const std::u16string dir = XC_AnsiToUnicode(ProgramDirectory());
    EXPECT_EQ(XImage_LoadFile(dir + u"/Image/pic.png"), nullptr);
    std::string bytes;
    EXPECT_FALSE(XC_ReadArchiveEntry(u"main.xml", bytes));
    // With the right one everything is back.
    EXPECT_TRUE(XC_LoadResourceZipMem(a.data(), a.size(), u"resource.res", u"Q4tR8wZ2kM6pX1vB"));
    EXPECT_NE(XImage_LoadFile(dir + u"/Image/pic.png"), nullptr);
}

TEST(Fonts, ChineseUiFontFallsBack) {
    HFONTX f = XFont_Create2(u"微软雅黑", 9, 0);
    EXPECT_EQ(XC_GetObjectType(f), XC_FONT);
    HELE label = XShapeText_Create(0, 0, 40, 20, u"字", XC_GetObjectByID(TestWindow(), 10));
    XShapeText_SetFont(label, f);
    XShapeText_SetTextColor(label, XRGB(42, 227, 0), 255);
    EXPECT_EQ(XShapeText_GetText(label), u"字");
    EXPECT_EQ(XShapeText_GetTextLength(label), 1);
    XShape_Destroy(label);
}

}  // namespace

namespace {

TEST(Fonts, LiveWhileAnElementUsesThem) {
    HELE container = XC_GetObjectByID(TestWindow(), 10);
    HFONTX f = XFont_Create2(u"微软雅黑", 12, 0);
    HELE a = XShapeText_Create(0, 0, 40, 20, u"a", container);
    HELE b = XEdit_Create(0, 20, 80, 20, container);
    XShapeText_SetFont(a, f);
    XEle_SetFont(b, f);
    XShape_Destroy(a);
    EXPECT_EQ(XC_GetObjectType(f), XC_FONT);  // b still uses it
    XEle_Destroy(b);
    EXPECT_EQ(XC_GetObjectType(f), XC_ERROR);
    // An icon replaced by another is let go of.
    const std::u16string dir = XC_AnsiToUnicode(ProgramDirectory());
    HIMAGE first = XImage_LoadFile(dir + u"/Image/pic.png");
    HIMAGE second = XImage_LoadFile(dir + u"/Image/pic.png");
    HELE button = XBtn_Create(0, 0, 20, 20, u"b", nullptr);
    XBtn_SetIcon(button, first);
    XBtn_SetIcon(button, second);
    EXPECT_EQ(XC_GetObjectType(first), XC_ERROR);
    EXPECT_EQ(XC_GetObjectType(second), XC_IMAGE);
    XEle_Destroy(button);
    EXPECT_EQ(XC_GetObjectType(second), XC_ERROR);
}

}  // namespace
