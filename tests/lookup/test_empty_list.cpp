// What the page tells a user about the rows it shows: where they come from
// (the remark line's tooltip) and why a list is empty.
#include "window_driver.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "provenance.h"

namespace {

void ShowFamilySubtype(const QString& family, const QString& subtype) {
    Click(ToolbarButton(2, family));
    Click(ToolbarButton(5, subtype));
}

// The tooltip a resting pointer brings up over an element.
QString HoverToolTip(QWidget* w) {
    const QPoint at = w->rect().center();
    QTest::mouseMove(w, at);
    QHelpEvent help(QEvent::ToolTip, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &help);
    QApplication::processEvents();
    return QToolTip::text();
}

void SaveToolTipShot(const QString& file) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible()) {
            // The window with the tooltip painted where it stands over it.
            QPixmap shot = MainWidget()->grab();
            QPainter painter(&shot);
            painter.drawPixmap(MainWidget()->mapFromGlobal(w->pos()), w->grab());
            shot.save(QStringLiteral(SB_SHOT_DIR "/") + file);
            return;
        }
    }
}

TEST(EmptyList, RemarkLineTellsWhereTheRowsComeFrom) {
    ShowFamilySubtype(QStringLiteral("H型钢"), QStringLiteral("热轧H型钢-2010"));
    ASSERT_EQ(currentSubtype, 29);
    QWidget* remark = Widget(8);
    ASSERT_NE(remark, nullptr);
    const QString tip = HoverToolTip(remark);
    EXPECT_EQ(tip.toStdString(), FindProvenance(29)->utf8Line);
    EXPECT_TRUE(tip.contains(QStringLiteral("GB/T 11263-2010")));
    EXPECT_EQ(remark->accessibleDescription(), QStringLiteral("e8"));
    SaveToolTipShot(QStringLiteral("remark_tooltip.png"));
    // Another subtype brings its own line.
    Click(ToolbarButton(5, QStringLiteral("热轧H型钢-2017")));
    EXPECT_EQ(HoverToolTip(remark).toStdString(), FindProvenance(79)->utf8Line);
    QToolTip::hideText();
}

TEST(EmptyList, SubtypeWithoutRowsSaysSo) {
    XShapeText_SetText(statusText, u"状态不变");
    ShowFamilySubtype(QStringLiteral("H型钢"), QStringLiteral("高频焊接轻型薄壁H型钢"));
    ASSERT_EQ(currentSubtype, 31);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(U8(XList_GetEmptyText(sizeTableList)), "本子类尚无数据");
    EXPECT_EQ(Status(), "状态不变");
    EXPECT_EQ(HoverToolTip(Widget(8)).toStdString(), FindProvenance(31)->utf8Line);
    QToolTip::hideText();
    QApplication::processEvents();
    MainWidget()->grab().save(QStringLiteral(SB_SHOT_DIR "/empty_subtype.png"));
    // A subtype with rows shows them, not the placeholder.
    Click(ToolbarButton(5, QStringLiteral("热轧H型钢-2017")));
    EXPECT_GT(Rows(), 0);
    EXPECT_EQ(U8(XList_GetEmptyText(sizeTableList)), "");
}

TEST(EmptyList, SearchWithoutMatchNamesTheKeyword) {
    ShowFamilySubtype(QStringLiteral("H型钢"), QStringLiteral("热轧H型钢-2017"));
    XShapeText_SetText(statusText, u"状态不变");
    TypeInto(29, QStringLiteral("HZ999"));
    Click(Widget<QToolButton>(28));
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(U8(XList_GetEmptyText(sizeTableList)), "没有与“HZ999”匹配的行");
    EXPECT_EQ(Status(), "状态不变");
    QApplication::processEvents();
    MainWidget()->grab().save(QStringLiteral(SB_SHOT_DIR "/search_without_match.png"));
    // The next fill is unfiltered again and says nothing.
    TypeInto(41, "");
    ShowSubtype(79);
    EXPECT_EQ(Rows(), 130);
    EXPECT_EQ(U8(XList_GetEmptyText(sizeTableList)), "");
    TypeInto(29, "");
}

// A family that holds only the catalogue's own rows says where the rest would come from.
TEST(EmptyList, BoltsShowTheirFixedRowsAndTheirSource) {
    Click(ToolbarButton(2, QStringLiteral("螺栓")));
    ASSERT_EQ(currentSubtype, 77);
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "M16", "45", "221.3"}));
    EXPECT_EQ(Headers().back(), "重量(kg/千套)");
    EXPECT_EQ(HoverToolTip(Widget(8)).toStdString(), FindProvenance(77)->utf8Line);
    Click(ToolbarButton(5, QStringLiteral("扭剪型高强螺栓")));
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "M24", "150", "987"}));
    EXPECT_EQ(HoverToolTip(Widget(8)).toStdString(), FindProvenance(78)->utf8Line);
    QToolTip::hideText();
    Click(ToolbarButton(2, QStringLiteral("H型钢")));
}

}  // namespace
