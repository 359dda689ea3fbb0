#include "welded_diagrams.h"

#include <functional>

#include "drawing.h"

namespace {

using P = QPointF;

// H section: h left, b above, tw beside the web, t1 and t2 right of the flanges.
void H(Drawing& d) {
    d.Section(ISection(146, 64, 186, 150, 10, 14));
    d.Dimension(P(71, 64), P(71, 250), P(-57, 0));    // h, label at (22,155)
    d.Dimension(P(71, 64), P(221, 64), P(0, -8));     // b, label at (130,15)
    d.Leader(P(163, 172), P(151, 172));               // tw, label at (165,160)
    d.Leader(P(224, 62), P(214, 70));                 // t1, label at (225,52)
    d.Leader(P(224, 262), P(214, 243));               // t2, label at (225,252)
}

void UnequalH(Drawing& d) {
    d.Section(ISection(155, 78, 130, 140, 120, 10, 12, 12));
    d.Dimension(P(85, 78), P(85, 208), P(-79, 0));    // h, label at (12,142)
    d.Line(P(6, 208), P(95, 208), 0.8);
    d.Dimension(P(85, 78), P(225, 78), P(0, -6));     // b1, label at (130,28)
    d.Dimension(P(95, 208), P(215, 208), P(0, 14));   // b2, label at (125,232)
    d.Leader(P(165, 150), P(160, 150));               // tw, label at (167,140)
    d.Leader(P(246, 75), P(225, 84));                 // t1, label at (248,65)
    d.Leader(P(211, 212), P(205, 204));               // t2, label at (211,210)
}

void Box_(Drawing& d) {
    d.Hollow(Box(105, 60, 195, 195), Box(117, 72, 171, 171));
    d.Dimension(P(105, 60), P(105, 255), P(-95, 0));  // b1, label at (16,155)
    d.Dimension(P(105, 60), P(300, 60), P(0, -8));    // b2, label at (160,12)
    d.Leader(P(121, 125), P(111, 125));               // t1, label at (122,115)
    d.Leader(P(190, 262), P(190, 249));               // t2, label at (173,263)
}

void Tube(Drawing& d) {
    const P c(175, 150);
    d.Hollow(Circle(c, 95), Circle(c, 83));
    d.Arrow(c, P(175 - 67.2, 150 - 67.2));            // D through the centre, label at (47,30)
    d.Arrow(c, P(175 + 67.2, 150 + 67.2));
    d.Line(P(175 - 67.2, 150 - 67.2), P(118, 60));
    d.Leader(P(238, 247), P(234, 212));               // t, label at (235,245)
}

void Cross(Drawing& d) {
    // The main I stands, the second I lies across it.
    QPainterPath s = ISection(146, 64, 172, 80, 8, 8);
    s = s.united(Box(96, 160, 116, 8));               // horizontal web
    s = s.united(Box(88, 136, 8, 56));                // left end plate (t3)
    s = s.united(Box(204, 136, 8, 56));               // right end plate (t4)
    d.Section(s);
    d.Dimension(P(106, 64), P(106, 236), P(-100, 0)); // h1, label at (3,133)
    d.Dimension(P(88, 192), P(212, 192), P(0, 62));   // h2, label at (120,258)
    d.Dimension(P(106, 64), P(186, 64), P(0, -3));    // b1, label at (125,25)
    d.Dimension(P(212, 136), P(212, 192), P(3, 0));   // b2, label at (216,142)
    d.Leader(P(152, 182), P(146, 182));               // tw1, label at (153,170)
    d.Leader(P(150, 128), P(150, 161));               // tw2, label at (148,117)
    d.Leader(P(209, 70), P(186, 68));                 // t1, label at (210,60)
    d.Leader(P(194, 214), P(186, 232));               // t2, label at (195,207)
    d.Leader(P(92, 112), P(92, 136));                 // t3, label at (76,100)
    d.Leader(P(215, 112), P(208, 136));               // t4, label at (216,100)
}

void Tee(Drawing& d) {
    d.Section(Box(95, 100, 180, 14).united(Box(180, 114, 10, 156)));
    d.Dimension(P(95, 100), P(95, 270), P(-81, 0));   // h, label at (20,165)
    d.Line(P(95, 270), P(180, 270), 0.8);
    d.Dimension(P(95, 100), P(275, 100), P(0, -6));   // b, label at (170,56)
    d.Leader(P(198, 192), P(190, 192));               // t1, label at (200,180)
    d.Leader(P(120, 158), P(120, 114));               // t2, label at (91,155)
}

void BoxGirder(Drawing& d) {
    QPainterPath s = Box(70, 60, 220, 12).united(Box(70, 230, 220, 12));
    s = s.united(Box(98, 72, 8, 158)).united(Box(254, 72, 8, 158));
    d.Section(s);
    d.Dimension(P(70, 60), P(70, 242), P(-58, 0));    // h, label at (15,145)
    d.Dimension(P(70, 60), P(290, 60), P(0, -5));     // b, label at (150,18)
    d.Dimension(P(70, 242), P(98, 242), P(0, 10));    // D1, label at (100,255)
    d.Dimension(P(106, 242), P(254, 242), P(0, 10));  // D2, label at (175,255)
    d.Leader(P(243, 120), P(285, 72));                // t1, label at (243,115)
    d.Leader(P(108, 190), P(103, 190));               // t2, label at (107,180)
}

void CSection(Drawing& d) {
    QPainterPath s = Box(125, 50, 8, 188).united(Box(125, 50, 85, 8)).united(Box(125, 230, 85, 8));
    s = s.united(Box(202, 58, 8, 32)).united(Box(202, 198, 8, 32));
    d.Section(s);
    d.Dimension(P(125, 50), P(125, 238), P(-95, 0));  // h, label at (37,120)
    d.Dimension(P(125, 238), P(210, 238), P(0, 8));   // b, label at (160,250)
    d.Dimension(P(210, 58), P(210, 90), P(6, 0));     // c, label at (220,60)
    d.Leader(P(150, 122), P(133, 122));               // t, label at (152,112)
}

void ZSection(Drawing& d) {
    QPainterPath s = Box(120, 55, 8, 185).united(Box(120, 55, 90, 8)).united(Box(60, 232, 68, 8));
    s = s.united(Box(202, 25, 8, 30)).united(Box(60, 240, 8, 28));
    d.Section(s);
    d.Dimension(P(210, 55), P(210, 240), P(12, 0));   // h, label at (227,132)
    d.Dimension(P(60, 240), P(128, 240), P(0, 4));    // b, label at (87,245)
    d.Dimension(P(210, 25), P(210, 55), P(6, 0));     // c, label at (220,17)
    d.Leader(P(138, 90), P(128, 90));                 // t, label at (140,80)
}

void Wedge(Drawing& d) {
    // The tapered beam seen from the side: deep end h1, shallow end h2.
    const QPainterPath outer = Polygon({P(125, 65), P(245, 140), P(245, 250), P(125, 250)});
    const QPainterPath web = Polygon({P(125, 75), P(245, 150), P(245, 240), P(125, 240)});
    d.Section(outer);
    d.painter().setPen(QPen(d.palette().outline, 1.0));
    d.painter().drawLine(P(125, 75), P(245, 150));
    d.painter().drawLine(P(125, 240), P(245, 240));
    (void)web;
    d.Dimension(P(130, 68), P(130, 250), P(0, 0));    // h1, label at (133,130)
    d.Dimension(P(245, 140), P(245, 250), P(3, 0));   // h2, label at (250,150)
    d.Dimension(P(125, 65), P(205, 65), P(0, -6));    // b, label at (86,23)
    d.Leader(P(121, 150), P(140, 150));               // tw, label at (41,138)
    d.Leader(P(84, 100), P(125, 70));                 // t1, label at (3,88)
    d.Leader(P(84, 257), P(125, 245));                // t2, label at (3,245)
}

void Plate(Drawing& d) {
    d.Section(Box(60, 100, 180, 30));
    d.Dimension(P(60, 130), P(240, 130), P(0, 38));   // b, label at (103,173)
    d.Dimension(P(240, 100), P(240, 130), P(8, 0));   // t, label at (242,62)
    d.Leader(P(250, 84), P(248, 100));
}

void WeldedBall(Drawing& d) {
    const P c(190, 150);
    d.Hollow(Circle(c, 95), Circle(c, 83));
    d.Dimension(P(95, 150), P(285, 150), P(0, 0));    // D, label at (9,140)
    d.Line(P(90, 150), P(95, 150));
    d.Leader(P(248, 252), P(251, 208));               // t, label at (245,250)
}

void BoltBall(Drawing& d) {
    const P c(190, 150);
    QPainterPath s = Circle(c, 95);
    for (const P& off : {P(0, -60), P(60, 0), P(0, 60), P(-60, 0)}) s = s.subtracted(Circle(c + off, 10));
    d.Section(s);
    d.Dimension(P(95, 150), P(285, 150), P(0, 0));    // D, label at (15,130)
    d.Line(P(95, 150), P(95, 150));
}

}  // namespace

int DrawWeldedDiagrams(const QString& folder) {
    const std::pair<const char*, std::function<void(Drawing&)>> diagrams[] = {
        {"H型钢-01", H},      {"不等边-01", UnequalH}, {"箱型-01", Box_},      {"圆管-01", Tube},
        {"十字-01", Cross},   {"T型-01", Tee},        {"盒式-01", BoxGirder}, {"C型钢-01", CSection},
        {"楔型-01", Wedge},   {"钢板-01", Plate},     {"焊接球-01", WeldedBall}, {"螺栓球-01", BoltBall},
        {"Z型钢-01", ZSection}};
    int failures = 0;
    for (const auto& [name, draw] : diagrams) {
        if (!SavePicture(folder + "/" + QString::fromUtf8(name) + ".png", 340, 300, DiagramPalette(), draw)) ++failures;
    }
    return failures;
}
