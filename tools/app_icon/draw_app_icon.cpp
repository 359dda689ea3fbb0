// Draws the program's icon for the desktop's icon theme:
// draw_app_icon <output folder>. Writes hicolor/<n>x<n>/apps/sectionbook.png
// for every size the desktops ask for, and hicolor/scalable/apps/sectionbook.svg
// from the same drawing code.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// A blue tile with a white I-section, the handbook's best-known shape. Below
// 48 pixels the edges are put on whole pixels so the section stays sharp.
void DrawIcon(QPainter& p, double s) {
    const bool snap = s < 48;
    auto px = [&](double v) { return snap ? std::round(v) : v; };
    p.setRenderHint(QPainter::Antialiasing);

    const double inset = std::max(px(s * 0.03), 1.0);
    const QRectF tile(inset, inset, s - 2 * inset, s - 2 * inset);
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    g.setColorAt(0, QColor(0x2f, 0x6f, 0xd6));
    g.setColorAt(1, QColor(0x1f, 0x4e, 0x8c));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(tile, s * 0.18, s * 0.18);

    const double h = px(s * 0.62), b = px(s * 0.52);
    const double tf = std::max(px(s * 0.13), 2.0), tw = std::max(px(s * 0.11), 2.0);
    const double top = px((s - h) / 2), left = px((s - b) / 2);
    const double webLeft = px(s / 2 - tw / 2);
    QPainterPath section;
    section.setFillRule(Qt::WindingFill);
    section.addRect(left, top, b, tf);
    section.addRect(left, top + h - tf, b, tf);
    section.addRect(webLeft, top, tw, h);
    if (!snap) {
        // Root fillets where the web meets the flanges.
        const double r = s * 0.05;
        for (double side : {-1.0, 1.0}) {
            const double x = side < 0 ? webLeft : webLeft + tw;
            for (double y : {top + tf, top + h - tf}) {
                const double dy = y < s / 2 ? r : -r;
                QPainterPath fillet;
                fillet.moveTo(x, y);
                fillet.lineTo(x + side * r, y);
                fillet.quadTo(x, y, x, y + dy);
                fillet.closeSubpath();
                section.addPath(fillet);
            }
        }
    }
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawPath(section.simplified());
}

QImage Raster(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        DrawIcon(p, size);
    }
    return image;
}

bool SavePng(const QString& root, int size) {
    const QString dir = root + QStringLiteral("/hicolor/%1x%1/apps").arg(size);
    if (!QDir().mkpath(dir)) return false;
    return Raster(size).save(dir + QStringLiteral("/sectionbook.png"), "PNG");
}

// The scalable icon must look like the raster ones: read it back and
// compare it, pixel by pixel, with the 256-pixel drawing.
bool SvgMatchesRaster(const QString& file) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) return false;
    QImage back(256, 256, QImage::Format_ARGB32_Premultiplied);
    back.fill(Qt::transparent);
    {
        QPainter p(&back);
        renderer.render(&p);
    }
    const QImage want = Raster(256);
    long long off = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const QRgb a = back.pixel(x, y), b = want.pixel(x, y);
            const int d = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) +
                          std::abs(qAlpha(a) - qAlpha(b));
            if (d > 24) ++off;
        }
    }
    return off < 256 * 256 / 100;  // edges may round differently
}

bool SaveSvg(const QString& root) {
    const QString dir = root + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(dir)) return false;
    const QString file = dir + QStringLiteral("/sectionbook.svg");
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("型钢手册"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    DrawIcon(p, 256);
    if (!p.end()) return false;
    if (!SvgMatchesRaster(file)) {
        std::fprintf(stderr, "draw_app_icon: the scalable icon does not render like the raster one\n");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_app_icon <output folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    int failures = 0;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        if (!SavePng(root, size)) {
            std::fprintf(stderr, "draw_app_icon: cannot write the %d pixel icon\n", size);
            ++failures;
        }
    }
    if (!SaveSvg(root)) {
        std::fprintf(stderr, "draw_app_icon: cannot write the scalable icon\n");
        ++failures;
    }
    return failures ? 1 : 0;
}
