// Every picture the catalogue and the window name is in the archive and
// loads at its size; the welded diagrams are composed with their labels and
// inputs as the calculator places them, for a person to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <set>

#include "db_state.h"
#include "program_directory.h"
#include "window_driver.h"

namespace {

HIMAGE LoadCataloguePicture(const std::string& gbkPath) {
    return XImage_LoadFile(GbkToUtf16Units(ProgramDirectory() + gbkPath));
}

TEST(Artwork, EveryCataloguePictureLoadsAtItsSize) {
    const ResultGrid g = QueryCatalogue("select ICON, IMAGE, TYPE from SECTIONTABLE");
    ASSERT_EQ(g.rowCount, 34);
    for (int r = 1; r < g.rowCount; ++r) {
        HIMAGE icon = LoadCataloguePicture(g.Cell(r, 0));
        ASSERT_NE(icon, nullptr) << GbkToUtf8(g.Cell(r, 0));
        EXPECT_EQ(XImage_GetWidth(icon), 32);
        EXPECT_EQ(XImage_GetHeight(icon), 32);
        HIMAGE picture = LoadCataloguePicture(g.Cell(r, 1));
        ASSERT_NE(picture, nullptr) << GbkToUtf8(g.Cell(r, 1));
        if (g.Cell(r, 2) == "0") {
            EXPECT_GE(XImage_GetWidth(picture), 330);
            EXPECT_GE(XImage_GetHeight(picture), 300);
        } else {
            EXPECT_EQ(XImage_GetWidth(picture), 250);
            EXPECT_EQ(XImage_GetHeight(picture), 170);
        }
    }
    for (const char* extra : {"/Image/SectionBar/型钢.png", "/Image/SectionWeld/矩形管.png"})
        EXPECT_NE(LoadCataloguePicture(Utf8ToGbkBytes(extra)), nullptr) << extra;
}

// Each family button shows its own section: the welded ball is no tube.
TEST(Artwork, FamilyIconsDifferFromEachOther) {
    std::set<QByteArray> seen;
    for (const char* name : {"圆管", "焊接球", "螺栓球", "箱型", "钢板"}) {
        QImage icon(QStringLiteral(SB_ART_DIR "/Image/SectionWeld/") + QString::fromUtf8(name) + ".png");
        ASSERT_FALSE(icon.isNull()) << name;
        icon = icon.convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(seen.insert(QByteArray(reinterpret_cast<const char*>(icon.constBits()), icon.sizeInBytes())).second)
            << name << " looks like another family's icon";
    }
}

TEST(Artwork, SectionBarButtonsHaveIcons) {
    for (int bar : {1, 2}) {
        HELE toolbar = MainElement(bar);
        ASSERT_GT(XToolBar_GetCount(toolbar), 0);
        for (int i = 0; i < XToolBar_GetCount(toolbar); ++i) EXPECT_TRUE(XBtn_HasIcon(XToolBar_GetEle(toolbar, i))) << bar << "/" << i;
    }
    EXPECT_TRUE(XShapePic_HasImage(MainElement(6)));  // the start-up family's picture
}

TEST(Artwork, WeldedDiagramsWithTheirLabelsAndInputs) {
    QDir().mkpath(QStringLiteral(SB_SHOT_DIR));
    const ResultGrid families = QueryCatalogue("select ID, IMAGE from SECTIONTABLE where TYPE=0");
    for (int f = 1; f < families.rowCount; ++f) {
        HIMAGE image = LoadCataloguePicture(families.Cell(f, 1));
        ASSERT_NE(image, nullptr);
        QWidget area;
        area.resize(340, 300);
        auto* picture = new QLabel(&area);
        picture->setGeometry(0, 0, 340, 300);
        std::string bytes;
        std::string entry = families.Cell(f, 1).substr(1);
        ASSERT_TRUE(XC_ReadArchiveEntry(GbkToUtf16Units(entry), bytes));
        QPixmap pixmap;
        pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()));
        picture->setPixmap(pixmap);
        const ResultGrid marks = QueryCatalogue("select TEXT, POS from WELDMARKINFO where sectionid=" + families.Cell(f, 0));
        ASSERT_GT(marks.rowCount, 1);
        for (int m = 1; m < marks.rowCount; ++m) {
            const std::string pos = marks.Cell(m, 1);
            const int x = std::stoi(pos.substr(0, pos.find(','))), y = std::stoi(pos.substr(pos.find(',') + 1));
            auto* label = new QLabel(QString::fromStdString(marks.Cell(m, 0)), &area);
            label->setGeometry(x, y, 40, 20);
            label->setStyleSheet("color: rgb(42,227,0); font-size: 16px;");
            auto* input = new QLineEdit(&area);
            input->setGeometry(x, y + 15, 80, 20);
            input->setPlaceholderText(QStringLiteral("请输入"));
            input->setStyleSheet("background: transparent; border: none; color: white;");
        }
        const QString name = QString::fromStdString(GbkToUtf8(entry)).section('/', -1);
        EXPECT_TRUE(area.grab().save(QStringLiteral(SB_SHOT_DIR "/") + name));
    }
}

}  // namespace

namespace {

// Each rolled family's page as the user sees it, for a person to look at.
TEST(Artwork, EveryRolledFamilyPageShowsItsPicture) {
    HELE bar = MainElement(2);
    for (int i = 0; i < XToolBar_GetCount(bar); ++i) {
        HELE button = XToolBar_GetEle(bar, i);
        Click(ToolbarButton(2, QString::fromStdU16String(XBtn_GetText(button))));
        EXPECT_TRUE(XShapePic_HasImage(MainElement(6))) << XEle_GetUID(button);
        QApplication::processEvents();
        MainWidget()->grab(QRect(0, 170, 620, 240))
            .save(QStringLiteral(SB_SHOT_DIR "/rolled-%1.png").arg(XEle_GetUID(button)));
    }
}

}  // namespace
