// Element and window operations.
#include "xc_element.h"

#include <QApplication>
#include <QLayout>
#include <QWindow>

#include "internal/object.h"
#include "internal/widgets.h"

int XEle_GetID(HELE ele) {
    XElement* e = XAsElement(ele);
    return e ? e->id : 0;
}

void XEle_SetUID(HELE ele, int uid) {
    if (XElement* e = XAsElement(ele)) e->uid = uid;
}

int XEle_GetUID(HELE ele) {
    XElement* e = XAsElement(ele);
    return e ? e->uid : 0;
}

void XEle_SetName(HELE ele, std::u16string_view name) {
    XElement* e = XAsElement(ele);
    if (!e) return;
    e->name = std::u16string(name);
    // Tools outside the process find a named input as "dim-<name>".
    if (e->kind == XKind::Edit && e->widget && e->id == 0) e->widget->setAccessibleDescription(QStringLiteral("dim-") + XQ(name));
}

std::u16string XEle_GetName(HELE ele) {
    XElement* e = XAsElement(ele);
    return e ? e->name : std::u16string();
}

int XEle_GetChildCount(HELE ele) {
    XElement* e = XAsElement(ele);
    return e ? static_cast<int>(e->children.size()) : 0;
}

HXCGUI XEle_GetChildByIndex(HELE ele, int index) {
    XElement* e = XAsElement(ele);
    if (!e || index < 0 || index >= static_cast<int>(e->children.size())) return nullptr;
    return e->children[static_cast<size_t>(index)];
}

void XEle_ShowEle(HELE ele, bool show) {
    XElement* e = XAsElement(ele);
    if (e && e->widget) e->widget->setVisible(show);
}

bool XEle_IsShow(HELE ele) {
    XElement* e = XAsElement(ele);
    return e && e->widget && !e->widget->isHidden();
}

void XEle_AdjustLayout(HELE ele) {
    XElement* e = XAsElement(ele);
    if (e && e->widget && e->widget->layout()) e->widget->layout()->activate();
}

void XEle_RedrawEle(HELE ele, bool immediate) {
    XElement* e = XAsElement(ele);
    if (!e || !e->widget) return;
    if (immediate) {
        e->widget->repaint();
    } else {
        e->widget->update();
    }
}

void XEle_Destroy(HELE ele) {
    XElement* e = XAsElement(ele);
    if (!e || e->kind == XKind::Window) return;
    QWidget* w = e->widget;
    if (e->parent && e->parent->kind == XKind::Toolbar) {
        auto& items = static_cast<XToolbarElement*>(e->parent)->items;
        items.erase(std::remove(items.begin(), items.end(), e), items.end());
    }
    XRelease(e);
    // The widget goes once control is back in the event loop: the caller may
    // be inside one of its signals.
    if (w) {
        w->hide();
        if (QWidget* p = w->parentWidget(); p && p->layout()) p->layout()->removeWidget(w);
        w->deleteLater();
    }
}

void XEle_SetToolTip(HELE ele, std::u16string_view text) {
    XElement* e = XAsElement(ele);
    if (e && e->widget) e->widget->setToolTip(XQ(text));
}

void XEle_SetFont(HELE ele, HFONTX font) {
    XElement* e = XAsElement(ele);
    auto* f = XAs<XFontObject>(font, XKind::Font);
    if (!e || !f) return;
    e->look.hasFont = true;
    e->look.font = f->font;
    XHold(e, kHeldFont, f);
    if (e->widget) e->widget->setFont(f->font);
    XApplyLook(e);
}

void XEle_SetTextColor(HELE ele, uint32_t color, int alpha) {
    XElement* e = XAsElement(ele);
    if (!e) return;
    e->look.textColor = XColor(color, alpha);
    XApplyLook(e);
}

void XEle_EnableBkTransparent(HELE ele, bool transparent) {
    XElement* e = XAsElement(ele);
    if (!e) return;
    e->look.transparent = transparent;
    XApplyLook(e);
}

HBKM XEle_GetBkManager(HELE ele) {
    XElement* e = XAsElement(ele);
    if (!e) return nullptr;
    if (!e->bkManager) {
        e->bkManager = new XBkManagerObject(e);
        XRegister(e->bkManager);
    }
    return e->bkManager;
}

void XBkM_AddFill(HBKM manager, int state, uint32_t color, int alpha) {
    auto* m = XAs<XBkManagerObject>(manager, XKind::BkManager);
    if (!m || !XIsLive(m->element)) return;
    m->element->look.fills[state] = XColor(color, alpha);
    XApplyLook(m->element);
}

void XEle_SetLayoutWidth(HELE ele, int mode, int width) {
    XElement* e = XAsElement(ele);
    if (!e || !e->widget) return;
    if (mode == 2) {
        // Sized to its content, never narrower than width.
        e->widget->setMinimumWidth(width);
        e->widget->setMaximumWidth(QWIDGETSIZE_MAX);
        e->widget->setSizePolicy(QSizePolicy::Fixed, e->widget->sizePolicy().verticalPolicy());
    } else {
        e->widget->setFixedWidth(width);
    }
}

XRect XEle_GetRect(HELE ele) {
    XElement* e = XAsElement(ele);
    if (!e || !e->widget) return {};
    const QRect r = e->widget->geometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

namespace {
XWindowWidget* WindowWidget(HWINDOW window) {
    XElement* e = XAsElement(window, XKind::Window);
    return e ? static_cast<XWindowWidget*>(e->widget.data()) : nullptr;
}
}  // namespace

void XWnd_SetMinimumSize(HWINDOW window, int width, int height) {
    if (auto* w = WindowWidget(window)) w->setMinimumSize(width, height);
}

void XWnd_AdjustLayout(HWINDOW window) {
    if (auto* w = WindowWidget(window); w && w->layout()) w->layout()->activate();
}

void XWnd_RedrawWnd(HWINDOW window, bool immediate) {
    auto* w = WindowWidget(window);
    if (!w) return;
    if (immediate) {
        w->repaint();
    } else {
        w->update();
    }
}

void XWnd_ShowWindow(HWINDOW window, int command) {
    auto* w = WindowWidget(window);
    if (!w) return;
    if (command == SW_HIDE) w->hide();
    if (command == SW_SHOW) w->show();
    if (command == SW_MINIMIZE) w->showMinimized();
}

HWND XWnd_GetHWND(HWINDOW window) { return WindowWidget(window) ? window : nullptr; }

void XWnd_SetTransparentAlpha(HWINDOW window, int alpha) {
    if (auto* w = WindowWidget(window)) w->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

bool XWnd_SetTimer(HWINDOW window, unsigned id, unsigned milliseconds) {
    auto* w = WindowWidget(window);
    return w && w->StartTimer(id, milliseconds) != 0;
}

void XWnd_CloseWindow(HWINDOW window) {
    if (auto* w = WindowWidget(window)) w->close();
}

bool SetForegroundWindow(HWND hwnd) {
    auto* w = WindowWidget(hwnd);
    if (!w) return false;
    w->raise();
    w->activateWindow();
    return true;
}

bool SetWindowPos(HWND hwnd, HWND insertAfter, int, int, int, int, unsigned) {
    auto* w = WindowWidget(hwnd);
    if (!w || (insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST)) return false;
    const bool top = insertAfter == HWND_TOPMOST;
    if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == top) return true;
    // Changing the flags re-creates the native window; keep it where it was.
    const bool visible = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, top);
    if (visible) w->show();
    return true;
}

bool IsWindowTopMost(HWND hwnd) {
    auto* w = WindowWidget(hwnd);
    return w && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}
