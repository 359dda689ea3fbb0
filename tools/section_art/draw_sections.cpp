// Draws the section pictures: draw_sections <output folder>. The section
// bar's icons, the size-table page's pictures with the symbols of their
// columns, and the calculator's diagrams with dimension lines where the
// calculator puts its labels.
#include <QGuiApplication>

#include <cstdio>
#include <vector>

#include "drawing.h"
#include "shapes.h"
#include "welded_diagrams.h"

namespace {

QString out;
int failures = 0;

void Check(bool ok, const QString& name) {
    if (!ok) {
        std::fprintf(stderr, "draw_sections: cannot write %s\n", name.toLocal8Bit().constData());
        ++failures;
    }
}

void Icon(const QString& folder, const QString& file, const QString& outline) {
    const QString path = out + "/Image/" + folder + "/" + file + ".png";
    Check(SavePicture(path, 32, 32, IconPalette(), [&](Drawing& d) { d.Section(FamilyOutline(outline, QRectF(4, 4, 24, 24))); }),
          path);
}

struct Leader {
    double fx, fy;
    const char* symbol;
};

struct Picture {
    const char* file;
    const char* outline;
    const char* left;    // symbol of the height, or nullptr
    const char* bottom;  // symbol of the width, or nullptr
    std::vector<Leader> leaders;
};

void RolledPicture(const Picture& pic) {
    const QString path = out + "/Image/SectionBarImage/" + QString::fromUtf8(pic.file) + ".png";
    Check(SavePicture(path, 250, 170, PicturePalette(), [&](Drawing& d) {
        const QPainterPath shape = FamilyOutline(QString::fromUtf8(pic.outline), QRectF(75, 22, 100, 100));
        d.Section(shape);
        const QRectF br = shape.boundingRect();
        if (pic.left) {
            d.Dimension(br.topLeft(), br.bottomLeft(), QPointF(-18, 0));
            d.Symbol(QPointF(br.left() - 34, br.center().y()), QString::fromUtf8(pic.left));
        }
        if (pic.bottom) {
            d.Dimension(br.bottomLeft(), br.bottomRight(), QPointF(0, 14));
            d.Symbol(QPointF(br.center().x(), br.bottom() + 30), QString::fromUtf8(pic.bottom));
        }
        double y = 30;
        for (const Leader& l : pic.leaders) {
            const QPointF target(br.left() + l.fx * br.width(), br.top() + l.fy * br.height());
            const QPointF label(226, y);
            d.Leader(QPointF(label.x() - 12, label.y()), target);
            d.Symbol(label, QString::fromUtf8(l.symbol));
            y += 28;
        }
    }), path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_sections <output folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    out = QString::fromLocal8Bit(argv[1]);

    // Section bar, rolled families (file name, outline).
    const std::pair<const char*, const char*> rolledIcons[] = {
        {"工字钢", "工字钢"}, {"槽钢", "槽钢"}, {"角钢", "角钢"}, {"不等边角钢", "不等边角钢"}, {"圆管", "圆管"},
        {"圆钢", "圆钢"}, {"H型钢", "H型钢"}, {"C型钢", "C型钢"}, {"Z型钢", "Z型钢"}, {"方形钢", "方形钢"},
        {"T型钢", "T型钢"}, {"钢板", "钢板"}, {"夹芯板", "夹芯板"}, {"压型钢板", "压型钢板"}, {"矩形管", "矩形管"},
        {"钢轨", "钢轨"}, {"钢丝", "钢丝"}, {"多边形钢", "多边形钢"}, {"其他钢管", "其他钢管"}, {"螺栓", "螺栓"},
        {"型钢", "型钢"}};
    for (const auto& [file, outline] : rolledIcons) Icon("SectionBar", QString::fromUtf8(file), QString::fromUtf8(outline));
    const std::pair<const char*, const char*> weldedIcons[] = {
        {"H型钢", "H型钢"}, {"不等边", "不等边"}, {"箱型", "箱型"}, {"圆管", "圆管"}, {"十字", "十字"}, {"T型", "T型"},
        {"盒式", "盒式"}, {"C型钢", "C型钢"}, {"楔型", "楔型"}, {"钢板", "钢板"}, {"焊接球", "焊接球"},
        {"螺栓球", "螺栓球"}, {"Z型钢", "Z型钢"}, {"矩形管", "矩形管"}};
    for (const auto& [file, outline] : weldedIcons) Icon("SectionWeld", QString::fromUtf8(file), QString::fromUtf8(outline));

    // Size-table pictures: the symbols are those of the family's columns.
    const Picture pictures[] = {
        {"工字钢", "工字钢", "h", "b", {{0.5, 0.5, "d"}, {0.85, 0.04, "t"}, {0.6, 0.12, "r"}}},
        {"槽钢", "槽钢", "h", "b", {{0.08, 0.5, "d"}, {0.8, 0.04, "t"}, {0.2, 0.12, "r"}}},
        {"角钢", "角钢", "b", "b", {{0.95, 0.94, "d"}, {0.14, 0.8, "r"}}},
        {"不等边角钢", "不等边角钢", "B", "b", {{0.9, 0.95, "d"}, {0.2, 0.85, "r"}}},
        {"圆管", "圆管", "D", nullptr, {{0.95, 0.5, "t"}}},
        {"圆钢", "圆钢", "d", nullptr, {}},
        {"H型钢", "H型钢", "H", "B", {{0.5, 0.5, "t₁"}, {0.9, 0.04, "t₂"}, {0.56, 0.12, "r"}}},
        {"C型钢", "C型钢", "h", "b", {{0.97, 0.12, "a"}, {0.03, 0.5, "t"}}},
        {"Z型钢", "Z型钢", "h", "b", {{0.97, 0.1, "a"}, {0.5, 0.5, "t"}}},
        {"方形钢", "方形钢", "B", "B", {{0.97, 0.5, "t"}}},
        {"T型钢", "T型钢", "h", "B", {{0.5, 0.6, "t₁"}, {0.9, 0.05, "t₂"}}},
        {"普通钢板", "钢板", nullptr, "b", {{0.95, 0.5, "δ"}}},
        {"夹芯板-01", "夹芯板", "δ", "B", {{0.2, 0.5, "芯材"}}},
        {"压型钢板", "压型钢板", "h", "B", {{0.3, 0.5, "t"}}},
        {"矩形管", "矩形管", "H", "B", {{0.97, 0.5, "t"}}},
        {"钢轨-01", "钢轨", "H", "B", {{0.5, 0.1, "b"}}},
        {"钢丝-01", "钢丝", nullptr, nullptr, {{0.15, 0.5, "d"}, {0.5, 0.35, "a"}, {0.85, 0.5, "s"}}},
        {"多边形钢-01", "多边形钢", "s", nullptr, {{0.95, 0.5, "a"}}},
        {"其他钢管-01", "其他钢管", "s", nullptr, {{0.97, 0.5, "t"}}},
        {"螺栓", "螺栓", "d", "l", {{0.12, 0.1, "M"}}},
    };
    for (const Picture& p : pictures) RolledPicture(p);

    failures += DrawWeldedDiagrams(out + "/Image/SectionWeldImage");
    return failures == 0 ? 0 : 1;
}
