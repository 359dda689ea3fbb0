#include "shapes.h"

#include "drawing.h"

namespace {

QPainterPath Ring(QPointF c, double r, double t) { return Circle(c, r).subtracted(Circle(c, r - t)); }

QPainterPath Channel(const QRectF& r, double t, bool lips) {
    const double x = r.left(), y = r.top(), w = r.width() * 0.62, h = r.height();
    QPainterPath p = Box(x, y, t, h).united(Box(x, y, w, t)).united(Box(x, y + h - t, w, t));
    if (lips) p = p.united(Box(x + w - t, y, t, h * 0.22)).united(Box(x + w - t, y + h * 0.78, t, h * 0.22));
    p.translate(r.width() * 0.19, 0);
    return p;
}

QPainterPath Angle(const QRectF& r, double a, double b, double t) {
    const double x = r.left() + (r.width() - a) / 2, y = r.top() + (r.height() - b) / 2;
    return Polygon({{x, y}, {x + t, y}, {x + t, y + b - t}, {x + a, y + b - t}, {x + a, y + b}, {x, y + b}});
}

QPainterPath Zed(const QRectF& r, double t, bool lips) {
    const double cx = r.center().x(), y = r.top(), h = r.height(), w = r.width() * 0.36;
    QPainterPath p = Box(cx - t / 2, y, t, h).united(Box(cx - t / 2, y, w, t)).united(Box(cx + t / 2 - w, y + h - t, w, t));
    if (lips) {
        p = p.united(Box(cx - t / 2 + w - t, y, t, h * 0.2)).united(Box(cx + t / 2 - w, y + h * 0.8, t, h * 0.2));
    }
    return p;
}

QPainterPath Hexagon(QPointF c, double s) {
    QPainterPath p;
    for (int i = 0; i < 6; ++i) {
        const double a = (60.0 * i + 30.0) * 3.14159265358979 / 180.0;
        const QPointF pt(c.x() + s * std::cos(a), c.y() + s * std::sin(a));
        if (i == 0) p.moveTo(pt); else p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

}  // namespace

QPainterPath FamilyOutline(const QString& n, const QRectF& r) {
    const double w = r.width(), h = r.height(), t = std::max(2.0, w * 0.1);
    const QPointF c = r.center();
    if (n == "工字钢") return ISection(c.x(), r.top(), h, w * 0.62, t * 0.8, t);
    if (n == "H型钢") return ISection(c.x(), r.top(), h, w, t * 0.8, t);
    if (n == "不等边") return ISection(c.x(), r.top(), h, w * 0.7, w, t * 0.8, t, t);
    if (n == "槽钢") return Channel(r, t, false);
    if (n == "C型钢") return Channel(r, t * 0.7, true);
    if (n == "角钢") return Angle(r, w * 0.8, h * 0.8, t);
    if (n == "不等边角钢") return Angle(r, w * 0.55, h * 0.9, t);
    if (n == "Z型钢") return Zed(r, t * 0.7, true);
    if (n == "圆管") return Ring(c, w / 2, t);
    if (n == "圆钢") return Circle(c, w / 2.2);
    if (n == "方形钢" || n == "箱型") return Box(r.left(), r.top(), w, h).subtracted(Box(r.left() + t, r.top() + t, w - 2 * t, h - 2 * t));
    if (n == "矩形管") {
        const double y = r.top() + h * 0.2, hh = h * 0.6;
        return Box(r.left(), y, w, hh).subtracted(Box(r.left() + t, y + t, w - 2 * t, hh - 2 * t));
    }
    if (n == "T型钢" || n == "T型") {
        return Box(r.left(), r.top(), w, t).united(Box(c.x() - t * 0.4, r.top(), t * 0.8, h));
    }
    if (n == "盒式") {
        return Box(r.left(), r.top(), w, t).united(Box(r.left(), r.bottom() - t, w, t))
            .united(Box(r.left() + w * 0.18, r.top(), t * 0.8, h)).united(Box(r.right() - w * 0.18 - t * 0.8, r.top(), t * 0.8, h));
    }
    if (n == "十字") {
        return ISection(c.x(), r.top(), h, w * 0.7, t * 0.7, t)
            .united(Box(r.left() + w * 0.1, c.y() - t * 0.35, w * 0.8, t * 0.7))
            .united(Box(r.left() + w * 0.1, c.y() - h * 0.25, t, h * 0.5))
            .united(Box(r.right() - w * 0.1 - t, c.y() - h * 0.25, t, h * 0.5));
    }
    if (n == "楔型") {
        return Polygon({{r.left(), r.top()}, {r.right(), r.top() + h * 0.35}, {r.right(), r.bottom()}, {r.left(), r.bottom()}})
            .subtracted(Polygon({{r.left() + t, r.top() + t * 1.4}, {r.right() - t, r.top() + h * 0.35 + t * 1.2},
                                 {r.right() - t, r.bottom() - t}, {r.left() + t, r.bottom() - t}}));
    }
    if (n == "钢板") return Box(r.left(), c.y() - h * 0.12, w, h * 0.24);
    if (n == "焊接球") {
        // A hollow sphere of two halves: the shell, its equator where the halves are welded, and a
        // meridian, so that it reads as a ball and not as the tube's ring.
        const double r = w / 2, s = t * 0.6;
        auto ellipse = [&](double rx, double ry) {
            QPainterPath e;
            e.addEllipse(c, rx, ry);
            return e;
        };
        QPainterPath seam = ellipse(r, r * 0.32).subtracted(ellipse(r - s, r * 0.32 - s));
        QPainterPath meridian = ellipse(r * 0.4, r).subtracted(ellipse(r * 0.4 - s * 0.8, r - s * 0.8));
        return Ring(c, r, s).united(seam.intersected(Circle(c, r))).united(meridian.intersected(Circle(c, r)));
    }
    if (n == "螺栓球") {
        QPainterPath p = Circle(c, w / 2);
        for (const QPointF& d : {QPointF(0, -w * 0.3), QPointF(w * 0.3, 0), QPointF(0, w * 0.3), QPointF(-w * 0.3, 0)})
            p = p.subtracted(Circle(c + d, w * 0.08));
        return p;
    }
    if (n == "钢板网" || n == "夹芯板") {
        QPainterPath p = Box(r.left(), c.y() - h * 0.3, w, t * 0.5).united(Box(r.left(), c.y() + h * 0.3 - t * 0.5, w, t * 0.5));
        for (int i = 0; i < 4; ++i) p = p.united(Box(r.left() + i * w / 4 + w / 16, c.y() - h * 0.3, w / 8, h * 0.6));
        return p;
    }
    if (n == "压型钢板") {
        QPainterPath line;
        const double y0 = c.y() + h * 0.2, y1 = c.y() - h * 0.2, step = w / 3;
        line.moveTo(r.left(), y0);
        for (int i = 0; i < 3; ++i) {
            const double x = r.left() + i * step;
            line.lineTo(x + step * 0.2, y0);
            line.lineTo(x + step * 0.35, y1);
            line.lineTo(x + step * 0.65, y1);
            line.lineTo(x + step * 0.8, y0);
            line.lineTo(x + step, y0);
        }
        QPainterPathStroker s;
        s.setWidth(t * 0.6);
        s.setJoinStyle(Qt::MiterJoin);
        return s.createStroke(line);
    }
    if (n == "钢轨") {
        const double x = c.x();
        return Polygon({{x - w * 0.22, r.top()}, {x + w * 0.22, r.top()}, {x + w * 0.22, r.top() + h * 0.25},
                        {x + w * 0.07, r.top() + h * 0.32}, {x + w * 0.07, r.bottom() - h * 0.2}, {x + w * 0.5, r.bottom() - h * 0.08},
                        {x + w * 0.5, r.bottom()}, {x - w * 0.5, r.bottom()}, {x - w * 0.5, r.bottom() - h * 0.08},
                        {x - w * 0.07, r.bottom() - h * 0.2}, {x - w * 0.07, r.top() + h * 0.32}, {x - w * 0.22, r.top() + h * 0.25}});
    }
    if (n == "钢丝") {
        return Circle(QPointF(r.left() + w * 0.22, c.y()), w * 0.18)
            .united(Box(c.x() - w * 0.15, c.y() - w * 0.15, w * 0.3, w * 0.3))
            .united(Hexagon(QPointF(r.right() - w * 0.22, c.y()), w * 0.18));
    }
    if (n == "多边形钢") return Hexagon(c, w / 2);
    if (n == "其他钢管") return Hexagon(c, w / 2).subtracted(Hexagon(c, w / 2 - t));
    if (n == "螺栓") {
        return Box(r.left(), c.y() - h * 0.3, w * 0.25, h * 0.6).united(Box(r.left() + w * 0.25, c.y() - h * 0.14, w * 0.75, h * 0.28));
    }
    if (n == "型钢") {
        return ISection(r.left() + w * 0.3, r.top(), h, w * 0.55, t * 0.7, t * 0.8)
            .united(Angle(QRectF(r.left() + w * 0.55, r.top() + h * 0.45, w * 0.45, h * 0.55), w * 0.4, h * 0.5, t * 0.8));
    }
    return {};
}
