#include "resources.h"

#include <QApplication>
#include <QXmlStreamReader>

#include <map>

#include "archive.h"
#include "codepage.h"

namespace {

std::map<QString, QColor>& Colors() {
    static std::map<QString, QColor> colors;
    return colors;
}
std::map<QString, QFont>& Fonts() {
    static std::map<QString, QFont> fonts;
    return fonts;
}

}  // namespace

QFont MakeFont(const QString& family, int size, int style) {
    QFont font(family);
    // Windows sizes are points at 96 dpi; pixels keep the look independent of the screen.
    font.setPixelSize(std::max(1, (size * 96 + 36) / 72));
    font.setBold((style & 1) != 0);
    font.setItalic((style & 2) != 0);
    return font;
}

bool LoadResourceTable(std::string_view utf8Xml) {
    QXmlStreamReader xml(QByteArray(utf8Xml.data(), static_cast<qsizetype>(utf8Xml.size())));
    bool sawRoot = false;
    QString styleSheet;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        const QString tag = xml.name().toString();
        if (tag == QLatin1String("resources")) {
            sawRoot = true;
        } else if (tag == QLatin1String("color")) {
            Colors()[a.value("name").toString()] = QColor(a.value("value").toString());
        } else if (tag == QLatin1String("font")) {
            Fonts()[a.value("name").toString()] =
                MakeFont(a.value("family").toString(), a.value("size").toInt(), a.value("style").toInt());
        } else if (tag == QLatin1String("stylesheet")) {
            std::string bytes;
            if (CurrentArchive().Read(Utf8ToGbkBytes(a.value("src").toString().toStdString()), bytes)) {
                styleSheet += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
            }
        }
    }
    if (xml.hasError() || !sawRoot) return false;
    if (!styleSheet.isEmpty() && qApp) qApp->setStyleSheet(styleSheet);
    return true;
}

QColor ResourceColor(const QString& ref) {
    if (ref.startsWith(QLatin1Char('@'))) {
        auto it = Colors().find(ref.mid(1));
        return it == Colors().end() ? QColor() : it->second;
    }
    return QColor(ref);
}

QFont ResourceFont(const QString& ref) {
    if (ref.startsWith(QLatin1Char('@'))) {
        auto it = Fonts().find(ref.mid(1));
        return it == Fonts().end() ? QFont() : it->second;
    }
    return MakeFont(ref, 9, 0);
}
