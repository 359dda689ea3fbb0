// What lies behind a handle. Every handle handed out is registered here and
// checked on every use, so a stale or foreign handle is ignored instead of
// followed.
#pragma once
#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

#include "xc_events.h"
#include "xc_types.h"

enum class XKind {
    Window,
    Container,
    Toolbar,
    Button,
    Edit,
    ShapeText,
    ShapePicture,
    List,
    ComboBox,
    Slider,
    AdapterTable,
    AdapterMap,
    Image,
    Font,
    BkManager,
};

struct XHandler {
    XHandlerAddress fn;
    XInvoker invoker;
};

struct XObject {
    explicit XObject(XKind k) : kind(k) {}
    virtual ~XObject() = default;
    XKind kind;
    uint64_t serial = 0;  // tells a reused address from the object it once held
    std::map<int, std::vector<XHandler>> handlers;  // by event code
};

// Look that the element's own style sheet is composed from.
struct XLook {
    bool transparent = false;
    std::map<int, QColor> fills;  // by state: 32 over, 64 pressed, 128 checked
    QColor textColor;             // invalid: the style's
    QColor caretColor;
    int textAlign = -1;  // -1: the widget's default
    bool hasFont = false;
    QFont font;
    QString layoutClass;
};

struct XElement : XObject {
    XElement(XKind k, QWidget* w) : XObject(k), widget(w) {}
    QPointer<QWidget> widget;
    int id = 0;
    int uid = 0;
    std::u16string name;
    XElement* parent = nullptr;          // where it was created or inserted
    std::vector<XObject*> children;      // created in it, in creation order
    XLook look;
    XObject* bkManager = nullptr;
    // Fonts and images in use by this element, released with it.
    std::map<int, XObject*> held;
    int buttonType = 0;
    bool hasIcon = false;
    bool hasImage = false;
};

// Fonts and images live while an element uses them: each use holds a
// reference, and the last element to let go releases the object.
struct XImageObject : XObject {
    explicit XImageObject(QPixmap p) : XObject(XKind::Image), pixmap(std::move(p)) {}
    QPixmap pixmap;
    int refs = 0;
};

struct XFontObject : XObject {
    explicit XFontObject(QFont f) : XObject(XKind::Font), font(std::move(f)) {}
    QFont font;
    int refs = 0;
};

// Slots of XElement::held.
enum XHeldSlot { kHeldFont = 0, kHeldIcon = 1, kHeldImage = 2 };

// The element holds object in slot (nullptr lets go of what it held).
void XHold(XElement* e, int slot, XObject* object);

struct XBkManagerObject : XObject {
    explicit XBkManagerObject(XElement* e) : XObject(XKind::BkManager), element(e) {}
    XElement* element;
};

// Registry.
void XRegister(XObject* object);
bool XIsLive(const XObject* object);
// Removes the object (and, for elements, its children and background
// manager) from the registry and deletes it.
void XRelease(XObject* object);

// The handle as the expected kind, or nullptr.
XElement* XAsElement(HXCGUI h);
XElement* XAsElement(HXCGUI h, XKind kind);
template <class T> T* XAs(HXCGUI h, XKind kind) {
    return XIsLive(h) && h->kind == kind ? static_cast<T*>(h) : nullptr;
}

// The element that wraps a widget, or nullptr.
XElement* XElementOf(const QWidget* widget);

// Creates the element for a widget: registers it, names the widget, and
// releases the element when the widget goes away.
XElement* XWrapWidget(XKind kind, QWidget* widget, XElement* parent);
// The same for an element object made by the caller (a kind with more state).
XElement* XAttach(XElement* e, XElement* parent);
void XSetElementId(XElement* e, int id);

// Fires an event at a target; returns true when a handler marked it handled.
bool XFire(XObject* target, int event, XEventArgs args);

// Re-applies the element's own style sheet from its look.
void XApplyLook(XElement* e);

QColor XColor(uint32_t colorref, int alpha);
QString XQ(std::u16string_view s);
std::u16string XU(const QString& s);
