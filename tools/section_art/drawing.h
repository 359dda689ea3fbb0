// Small drawing vocabulary for section pictures: filled outlines, dimension
// lines with arrows, leaders and symbols.
#pragma once
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <functional>

struct Palette {
    QColor background;  // transparent when invalid
    QColor fill;
    QColor outline;
    QColor dimension;
    QColor symbol;
};

Palette DiagramPalette();  // dark, for the calculator's diagrams
Palette PicturePalette();  // light, for the size-table page
Palette IconPalette();     // the section bar

class Drawing {
public:
    Drawing(QPainter& p, const Palette& palette) : p_(p), c_(palette) {}

    void Section(const QPainterPath& path);
    void Hollow(const QPainterPath& outer, const QPainterPath& inner);
    void Line(QPointF a, QPointF b, double width = 1.0);
    // A dimension between a and b, drawn offset, with extension lines from
    // the measured points.
    void Dimension(QPointF a, QPointF b, QPointF offset);
    void Arrow(QPointF from, QPointF to);
    void Leader(QPointF from, QPointF to);
    void Symbol(QPointF at, const QString& text, int pixelSize = 14);
    QPainter& painter() { return p_; }
    const Palette& palette() const { return c_; }

private:
    QPainter& p_;
    Palette c_;
};

QPainterPath Polygon(std::initializer_list<QPointF> points);
QPainterPath Box(double x, double y, double w, double h);
QPainterPath Circle(QPointF c, double r);

// An I (or H) section: flanges of width b at top and bottom, a web between.
QPainterPath ISection(double cx, double top, double h, double b, double tw, double tf);
QPainterPath ISection(double cx, double top, double h, double bTop, double bBottom, double tw, double tTop,
                      double tBottom);

bool SavePicture(const QString& path, int w, int h, const Palette& palette,
                 const std::function<void(Drawing&)>& draw);
