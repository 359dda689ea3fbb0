#include "object.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>
#include <unordered_set>

namespace {

std::unordered_set<const XObject*>& Live() {
    static std::unordered_set<const XObject*> live;
    return live;
}

const char* const kElementProperty = "sbElement";

}  // namespace

void XRegister(XObject* object) {
    static uint64_t nextSerial = 0;
    object->serial = ++nextSerial;
    Live().insert(object);
}

bool XIsLive(const XObject* object) { return object && Live().count(object) > 0; }

void XRelease(XObject* object) {
    if (!XIsLive(object)) return;
    Live().erase(object);
    if (object->kind != XKind::Image && object->kind != XKind::Font && object->kind != XKind::BkManager &&
        object->kind != XKind::AdapterTable && object->kind != XKind::AdapterMap) {
        auto* e = static_cast<XElement*>(object);
        for (XObject* child : std::vector<XObject*>(e->children)) XRelease(child);
        if (e->parent && XIsLive(e->parent)) {
            auto& siblings = e->parent->children;
            siblings.erase(std::remove(siblings.begin(), siblings.end(), object), siblings.end());
        }
        if (e->bkManager) XRelease(e->bkManager);
        for (const auto& held : std::map<int, XObject*>(e->held)) XHold(e, held.first, nullptr);
        if (e->widget) e->widget->setProperty(kElementProperty, QVariant());
    }
    delete object;
}

XElement* XAsElement(HXCGUI h) {
    if (!XIsLive(h)) return nullptr;
    switch (h->kind) {
        case XKind::AdapterTable:
        case XKind::AdapterMap:
        case XKind::Image:
        case XKind::Font:
        case XKind::BkManager:
            return nullptr;
        default:
            return static_cast<XElement*>(h);
    }
}

XElement* XAsElement(HXCGUI h, XKind kind) {
    XElement* e = XAsElement(h);
    return e && e->kind == kind && e->widget ? e : nullptr;
}

XElement* XElementOf(const QWidget* widget) {
    if (!widget) return nullptr;
    auto* e = static_cast<XElement*>(widget->property(kElementProperty).value<void*>());
    return XIsLive(e) ? e : nullptr;
}

XElement* XWrapWidget(XKind kind, QWidget* widget, XElement* parent) {
    return XAttach(new XElement(kind, widget), parent);
}

XElement* XAttach(XElement* e, XElement* parent) {
    QWidget* widget = e->widget;
    XRegister(e);
    e->parent = parent;
    if (parent) parent->children.push_back(e);
    widget->setProperty(kElementProperty, QVariant::fromValue(static_cast<void*>(e)));
    const uint64_t serial = e->serial;
    QObject::connect(widget, &QObject::destroyed, [e, serial] {
        if (XIsLive(e) && e->serial == serial) XRelease(e);
    });
    return e;
}

void XSetElementId(XElement* e, int id) {
    e->id = id;
    if (!e->widget) return;
    const QString tag = QStringLiteral("e%1").arg(id);
    e->widget->setObjectName(tag);
    e->widget->setAccessibleDescription(tag);
}

bool XFire(XObject* target, int event, XEventArgs args) {
    if (!XIsLive(target)) return false;
    auto it = target->handlers.find(event);
    if (it == target->handlers.end()) return false;
    bool handled = false;
    args.handled = &handled;
    // A handler may register more handlers or destroy the target: walk a copy
    // and stop once the target is gone.
    const std::vector<XHandler> handlers = it->second;
    for (const XHandler& h : handlers) {
        h.invoker(h.fn, args);
        if (handled || !XIsLive(target)) break;
    }
    return handled;
}

bool XRegisterHandler(HXCGUI target, int event, XHandlerAddress fn, XInvoker invoker) {
    if (!XIsLive(target) || !fn) return false;
    auto& list = target->handlers[event];
    for (const XHandler& h : list) {
        if (h.fn == fn) return false;
    }
    list.push_back({fn, invoker});
    return true;
}

QColor XColor(uint32_t c, int alpha) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF),
                  std::clamp(alpha, 0, 255));
}

QString XQ(std::u16string_view s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }

std::u16string XU(const QString& s) {
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size()));
}

namespace {

QString Rgba(const QColor& c) {
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

}  // namespace

void XApplyLook(XElement* e) {
    if (!e || !e->widget) return;
    const XLook& look = e->look;
    QString selector;
    switch (e->kind) {
        case XKind::Button: selector = QStringLiteral("QToolButton"); break;
        case XKind::Edit: selector = QStringLiteral("QLineEdit"); break;
        case XKind::ShapeText:
        case XKind::ShapePicture: selector = QStringLiteral("QLabel"); break;
        default: selector = QStringLiteral("QWidget"); break;
    }
    QString base;
    if (look.transparent) base += QStringLiteral("background: transparent; border: none;");
    if (look.textColor.isValid()) base += QStringLiteral("color: %1;").arg(Rgba(look.textColor));
    if (look.hasFont) {
        base += QStringLiteral("font-family: \"%1\"; font-size: %2px;").arg(look.font.family()).arg(look.font.pixelSize());
        if (look.font.bold()) base += QStringLiteral("font-weight: bold;");
        if (look.font.italic()) base += QStringLiteral("font-style: italic;");
    }
    if (e->kind == XKind::Button && (look.textAlign == 0 || look.textAlign == 4)) {
        base += QStringLiteral("text-align: left; padding-left: 6px; padding-right: 6px;");
    }
    QString sheet;
    if (!base.isEmpty()) sheet += selector + QStringLiteral(" {") + base + QStringLiteral("}");
    static const std::pair<int, const char*> kStates[] = {{32, ":hover"}, {128, ":checked"}, {64, ":pressed"}};
    for (const auto& [state, pseudo] : kStates) {
        auto it = look.fills.find(state);
        if (it == look.fills.end()) continue;
        sheet += selector + QString::fromLatin1(pseudo) + QStringLiteral(" { background: %1; border: none; }").arg(Rgba(it->second));
    }
    e->widget->setStyleSheet(sheet);
}

namespace {
int* RefsOf(XObject* o) {
    if (!XIsLive(o)) return nullptr;
    if (o->kind == XKind::Image) return &static_cast<XImageObject*>(o)->refs;
    if (o->kind == XKind::Font) return &static_cast<XFontObject*>(o)->refs;
    return nullptr;
}
}  // namespace

void XHold(XElement* e, int slot, XObject* object) {
    auto it = e->held.find(slot);
    XObject* old = it == e->held.end() ? nullptr : it->second;
    if (old == object) return;
    if (int* refs = RefsOf(object)) {
        ++*refs;
        e->held[slot] = object;
    } else {
        e->held.erase(slot);
    }
    if (int* refs = RefsOf(old); refs && --*refs <= 0) XRelease(old);
}
