// Draws the window's own pictures (title-bar icons, bar backgrounds, small
// triangles) as PNGs: draw_chrome <output folder>. Everything is drawn from
// code here, so the pictures are the same on every build.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

QString outDir;
int failures = 0;

void Save(const char* name, int w, int h, const std::function<void(QPainter&)>& draw) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    const QString path = outDir + QLatin1Char('/') + QString::fromUtf8(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "draw_chrome: cannot write %s\n", path.toLocal8Bit().constData());
        ++failures;
    }
}

void VerticalGradient(QPainter& p, int w, int h, QColor top, QColor bottom) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(0, 0, w, h, g);
}

QPen Pen(QColor c, double width) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Cross(QPainter& p, QColor c) {
    p.setPen(Pen(c, 1.8));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void Minus(QPainter& p, QColor c) {
    p.setPen(Pen(c, 1.8));
    p.drawLine(QPointF(4, 8.5), QPointF(12, 8.5));
}

// A push pin; upright and filled when pinned, tilted and hollow when not.
void Pin(QPainter& p, QColor c, bool pinned) {
    p.translate(8, 8);
    if (!pinned) p.rotate(40);
    QPainterPath head;
    head.addRoundedRect(QRectF(-3.5, -7, 7, 3), 1, 1);
    QPainterPath body;
    body.moveTo(-2.5, -4);
    body.lineTo(2.5, -4);
    body.lineTo(4.5, 1);
    body.lineTo(-4.5, 1);
    body.closeSubpath();
    p.setPen(Pen(c, 1.2));
    p.setBrush(pinned ? QBrush(c) : Qt::NoBrush);
    p.drawPath(head);
    p.drawPath(body);
    p.drawLine(QPointF(0, 1), QPointF(0, 7));
    p.resetTransform();
}

void Magnifier(QPainter& p, QColor c, double scale) {
    p.scale(scale, scale);
    p.setPen(Pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.resetTransform();
}

void Triangle(QPainter& p, QColor c, double w, double h, bool down) {
    QPainterPath t;
    if (down) {
        t.moveTo(0, 0);
        t.lineTo(w, 0);
        t.lineTo(w / 2, h);
    } else {
        t.moveTo(0, h);
        t.lineTo(w, h);
        t.lineTo(w / 2, 0);
    }
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(t);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_chrome <output folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    outDir = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/Image");
    QDir().mkpath(outDir);

    const QColor white(255, 255, 255);
    const QColor accent(47, 111, 214);
    const QColor ink(71, 96, 127);

    Save("关闭.png", 16, 16, [&](QPainter& p) { Cross(p, white); });
    Save("关闭1.png", 16, 16, [&](QPainter& p) {
        p.fillRect(0, 0, 16, 16, QColor(224, 67, 67));
        Cross(p, white);
    });
    Save("最小化.png", 16, 16, [&](QPainter& p) { Minus(p, white); });
    Save("最小化a.png", 16, 16, [&](QPainter& p) {
        p.fillRect(0, 0, 16, 16, QColor(255, 255, 255, 50));
        Minus(p, white);
    });
    Save("置顶状态.png", 16, 16, [&](QPainter& p) { Pin(p, white, false); });
    Save("置顶状态1.png", 16, 16, [&](QPainter& p) { Pin(p, QColor(255, 214, 102), true); });
    Save("置顶状态a.png", 16, 16, [&](QPainter& p) {
        p.fillRect(0, 0, 16, 16, QColor(255, 255, 255, 50));
        Pin(p, white, false);
    });
    Save("置顶状态b.png", 16, 16, [&](QPainter& p) {
        p.fillRect(0, 0, 16, 16, QColor(255, 255, 255, 50));
        Pin(p, QColor(255, 214, 102), true);
    });
    Save("搜索.png", 16, 16, [&](QPainter& p) { Magnifier(p, white, 1.0); });
    Save("search-25.png", 25, 25, [&](QPainter& p) { Magnifier(p, accent, 25.0 / 16.0); });
    Save("复制.png", 16, 16, [&](QPainter& p) {
        p.setPen(Pen(ink, 1.2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2.5, 2.5, 8, 9), 1, 1);
        p.drawRoundedRect(QRectF(5.5, 5.5, 8, 9), 1, 1);
    });
    Save("下拉列表三角.png", 12, 8, [&](QPainter& p) { Triangle(p, ink, 10, 6, true); });
    Save("帮助下拉三角.png", 8, 5, [&](QPainter& p) { Triangle(p, white, 8, 5, true); });
    Save("操作区-展开三角默认.png", 12, 12, [&](QPainter& p) {
        p.translate(1, 3);
        Triangle(p, accent, 10, 6, true);
    });
    Save("操作区-收起三角默认.png", 12, 12, [&](QPainter& p) {
        p.translate(1, 3);
        Triangle(p, accent, 10, 6, false);
    });
    Save("帮助下拉-帮助中心.png", 16, 16, [&](QPainter& p) {
        p.setPen(Pen(ink, 1.4));
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        QPainterPath q;
        q.moveTo(5.8, 6.2);
        q.cubicTo(5.8, 3.6, 10.4, 3.6, 10.2, 6.4);
        q.cubicTo(10.0, 8.0, 8.0, 8.0, 8.0, 9.8);
        p.drawPath(q);
        p.drawPoint(QPointF(8, 12));
    });
    Save("帮助下拉-反馈中心.png", 16, 16, [&](QPainter& p) {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(1.5, 2.5, 13, 9), 2, 2);
        bubble.moveTo(4.5, 11.5);
        bubble.lineTo(4.5, 14.5);
        bubble.lineTo(7.5, 11.5);
        p.setPen(Pen(ink, 1.2));
        p.drawPath(bubble);
        p.drawLine(QPointF(4.5, 6), QPointF(11.5, 6));
        p.drawLine(QPointF(4.5, 8.5), QPointF(9.5, 8.5));
    });
    Save("帮助右侧间隔线.png", 1, 20, [&](QPainter& p) { p.fillRect(0, 2, 1, 16, QColor(255, 255, 255, 90)); });
    Save("顶部条-背景.png", 16, 38, [&](QPainter& p) {
        VerticalGradient(p, 16, 38, QColor(39, 92, 160), QColor(29, 72, 130));
    });
    Save("截面操作区-背景.png", 16, 136, [&](QPainter& p) {
        VerticalGradient(p, 16, 136, QColor(240, 244, 250), QColor(226, 234, 245));
    });
    Save("二级-3像素投影.png", 16, 3, [&](QPainter& p) {
        VerticalGradient(p, 16, 3, QColor(31, 45, 61, 60), QColor(31, 45, 61, 0));
    });
    Save("底部条-背景.png", 16, 28, [&](QPainter& p) {
        VerticalGradient(p, 16, 28, QColor(228, 235, 245), QColor(214, 224, 238));
        p.fillRect(0, 0, 16, 1, QColor(197, 209, 224));
    });
    Save("表头-背景.png", 16, 30, [&](QPainter& p) {
        VerticalGradient(p, 16, 30, QColor(234, 240, 248), QColor(219, 228, 241));
        p.fillRect(0, 29, 16, 1, QColor(197, 209, 224));
    });
    Save("表格与截面图后-渐变背景.png", 16, 176, [&](QPainter& p) {
        VerticalGradient(p, 16, 176, QColor(255, 255, 255), QColor(238, 243, 250));
    });
    Save("表格序号-背景.png", 40, 30, [&](QPainter& p) {
        p.fillRect(0, 0, 40, 30, QColor(243, 246, 251));
        p.fillRect(39, 0, 1, 30, QColor(214, 223, 235));
    });
    return failures == 0 ? 0 : 1;
}
