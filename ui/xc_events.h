// Event registration. A handler is a plain procedure; its parameter list says
// what it receives, in the order the event delivers it:
//   HELE       the element (XEle_RegEventC1 handlers only, always first)
//   unsigned   mouse flags (10, 11, 14) or the timer ID (WM_TIMER)
//   XPoint*    the mouse point (10, 11, 14)
//   int        slider position (63) or selected item index (71)
//   bool*      the handled flag, always last
// Handlers run in registration order; one that sets the handled flag stops
// the rest and the toolkit's own handling. A second registration of the same
// handler for the same event and element is refused (returns false).
#pragma once
#include <type_traits>

#include "xc_types.h"

struct XEventArgs {
    HELE element = nullptr;
    unsigned flags = 0;
    XPoint point;
    int value = 0;
    bool* handled = nullptr;
};

using XHandlerAddress = void (*)();
using XInvoker = int (*)(XHandlerAddress, XEventArgs&);

namespace xc_detail {
template <class T> T Arg(XEventArgs& a);
template <> inline HELE Arg<HELE>(XEventArgs& a) { return a.element; }
template <> inline unsigned Arg<unsigned>(XEventArgs& a) { return a.flags; }
template <> inline int Arg<int>(XEventArgs& a) { return a.value; }
template <> inline XPoint* Arg<XPoint*>(XEventArgs& a) { return &a.point; }
template <> inline bool* Arg<bool*>(XEventArgs& a) { return a.handled; }

template <class... Args>
int Invoke(XHandlerAddress fn, XEventArgs& a) {
    return reinterpret_cast<int (*)(Args...)>(fn)(Arg<Args>(a)...);
}
template <class First, class... Rest> constexpr bool FirstIsElement() { return std::is_same_v<First, HELE>; }
}  // namespace xc_detail

bool XRegisterHandler(HXCGUI target, int event, XHandlerAddress fn, XInvoker invoker);

// The handler receives the event's arguments, then the handled flag.
template <class... Args>
bool XEle_RegEventC(HELE ele, int event, int (*handler)(Args...)) {
    return XRegisterHandler(ele, event, reinterpret_cast<XHandlerAddress>(handler), &xc_detail::Invoke<Args...>);
}

// The handler receives the element first.
template <class... Args>
bool XEle_RegEventC1(HELE ele, int event, int (*handler)(Args...)) {
    static_assert(sizeof...(Args) > 0 && xc_detail::FirstIsElement<Args...>(), "the element comes first");
    return XRegisterHandler(ele, event, reinterpret_cast<XHandlerAddress>(handler), &xc_detail::Invoke<Args...>);
}

// Window messages (WM_TIMER: the timer ID, then the handled flag).
template <class... Args>
bool XWnd_RegEventC(HWINDOW window, int message, int (*handler)(Args...)) {
    return XRegisterHandler(window, message, reinterpret_cast<XHandlerAddress>(handler), &xc_detail::Invoke<Args...>);
}

// Delivers event to ele as the toolkit would: handlers first, then the
// toolkit's own handling unless a handler marked it handled. For the mouse
// events lParam carries the point as x + y * 65536.
int XEle_SendEvent(HELE ele, HELE eleFrom, int event, intptr_t wParam, intptr_t lParam);
