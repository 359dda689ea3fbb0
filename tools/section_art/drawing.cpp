#include "drawing.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>

#include <cmath>

Palette DiagramPalette() {
    return {QColor(30, 42, 56), QColor(74, 106, 138), QColor(207, 224, 245), QColor(143, 179, 217), QColor(143, 179, 217)};
}
Palette PicturePalette() {
    return {QColor(), QColor(182, 200, 222), QColor(31, 78, 140), QColor(90, 110, 135), QColor(178, 58, 42)};
}
Palette IconPalette() {
    return {QColor(), QColor(93, 140, 201), QColor(31, 78, 140), QColor(31, 78, 140), QColor(31, 78, 140)};
}

void Drawing::Section(const QPainterPath& path) {
    p_.setPen(QPen(c_.outline, 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p_.setBrush(c_.fill);
    p_.drawPath(path);
}

void Drawing::Hollow(const QPainterPath& outer, const QPainterPath& inner) {
    Section(outer.subtracted(inner));
}

void Drawing::Line(QPointF a, QPointF b, double width) {
    p_.setPen(QPen(c_.dimension, width));
    p_.drawLine(a, b);
}

void Drawing::Arrow(QPointF from, QPointF to) {
    Line(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const double size = 6;
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to.x() - size * std::cos(angle - 0.4), to.y() - size * std::sin(angle - 0.4));
    head.lineTo(to.x() - size * std::cos(angle + 0.4), to.y() - size * std::sin(angle + 0.4));
    head.closeSubpath();
    p_.setPen(Qt::NoPen);
    p_.setBrush(c_.dimension);
    p_.drawPath(head);
}

void Drawing::Dimension(QPointF a, QPointF b, QPointF offset) {
    const QPointF a2 = a + offset, b2 = b + offset;
    const double len = std::hypot(offset.x(), offset.y());
    const QPointF unit = len > 0 ? offset / len : QPointF();
    Line(a + unit * 2, a2 + unit * 3, 0.8);
    Line(b + unit * 2, b2 + unit * 3, 0.8);
    const QPointF mid = (a2 + b2) / 2;
    Arrow(mid, a2);
    Arrow(mid, b2);
}

void Drawing::Leader(QPointF from, QPointF to) {
    p_.setPen(QPen(c_.dimension, 0.8, Qt::DashLine));
    p_.drawLine(from, to);
    p_.setPen(Qt::NoPen);
    p_.setBrush(c_.dimension);
    p_.drawEllipse(to, 2.2, 2.2);
}

void Drawing::Symbol(QPointF at, const QString& text, int pixelSize) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setItalic(true);
    p_.setFont(f);
    p_.setPen(c_.symbol);
    p_.drawText(QRectF(at.x() - 30, at.y() - 12, 60, 24), Qt::AlignCenter, text);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first) {
            path.moveTo(pt);
            first = false;
        } else {
            path.lineTo(pt);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath Box(double x, double y, double w, double h) {
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath Circle(QPointF c, double r) {
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath ISection(double cx, double top, double h, double bTop, double bBottom, double tw, double tTop,
                      double tBottom) {
    const double bottom = top + h;
    return Polygon({{cx - bTop / 2, top}, {cx + bTop / 2, top}, {cx + bTop / 2, top + tTop}, {cx + tw / 2, top + tTop},
                    {cx + tw / 2, bottom - tBottom}, {cx + bBottom / 2, bottom - tBottom}, {cx + bBottom / 2, bottom},
                    {cx - bBottom / 2, bottom}, {cx - bBottom / 2, bottom - tBottom}, {cx - tw / 2, bottom - tBottom},
                    {cx - tw / 2, top + tTop}, {cx - bTop / 2, top + tTop}});
}

QPainterPath ISection(double cx, double top, double h, double b, double tw, double tf) {
    return ISection(cx, top, h, b, b, tw, tf, tf);
}

bool SavePicture(const QString& path, int w, int h, const Palette& palette,
                 const std::function<void(Drawing&)>& draw) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(palette.background.isValid() ? palette.background : QColor(Qt::transparent));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        Drawing d(p, palette);
        draw(d);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
}
