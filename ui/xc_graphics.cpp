// Images and fonts.
#include "xc_graphics.h"

#include <QFile>

#include "codepage.h"
#include "internal/factory.h"
#include "internal/object.h"
#include "internal/resources.h"
#include "program_directory.h"

namespace {

// From the file when there is one, else from the archive entry of the same
// name relative to the program's folder.
QPixmap LoadPicture(std::u16string_view path) {
    QString p = XQ(path);
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QPixmap pixmap;
    if (!p.isEmpty() && QFile::exists(p) && pixmap.load(p)) return pixmap;
    QString dir = QString::fromStdString(GbkToUtf8(ProgramDirectory()));
    if (!dir.isEmpty() && p.startsWith(dir + QLatin1Char('/'))) p = p.mid(dir.size() + 1);
    return ArchivePixmap(p);
}

HIMAGE Wrap(QPixmap pixmap) {
    if (pixmap.isNull()) return nullptr;
    auto* image = new XImageObject(std::move(pixmap));
    XRegister(image);
    return image;
}

}  // namespace

HIMAGE XImage_LoadFile(std::u16string_view path, bool) { return Wrap(LoadPicture(path)); }

HIMAGE XImage_LoadFileRect(std::u16string_view path, int x, int y, int cx, int cy) {
    QPixmap full = LoadPicture(path);
    if (full.isNull() || cx <= 0 || cy <= 0) return nullptr;
    return Wrap(full.copy(x, y, cx, cy));
}

int XImage_GetWidth(HIMAGE image) {
    auto* i = XAs<XImageObject>(image, XKind::Image);
    return i ? i->pixmap.width() : 0;
}

int XImage_GetHeight(HIMAGE image) {
    auto* i = XAs<XImageObject>(image, XKind::Image);
    return i ? i->pixmap.height() : 0;
}

HFONTX XFont_Create2(std::u16string_view family, int size, int style) {
    auto* font = new XFontObject(MakeFont(XQ(family), size, style));
    XRegister(font);
    return font;
}
