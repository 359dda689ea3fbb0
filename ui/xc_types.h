// Handles, colours and event codes of the toolkit layer. Handles are opaque:
// feature code never sees what is behind them.
#pragma once
#include <cstdint>

struct XObject;
using HXCGUI = XObject*;
using HWINDOW = XObject*;
using HELE = XObject*;
using HADAPTER = XObject*;
using HIMAGE = XObject*;
using HFONTX = XObject*;
using HBKM = XObject*;
// The native-window stand-in behind the always-on-top switch.
using HWND = XObject*;

struct XPoint {
    int x = 0;
    int y = 0;
};
struct XRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Windows colour value: red + green * 256 + blue * 65536.
constexpr uint32_t XRGB(int r, int g, int b) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}

// Event codes.
constexpr int XE_LBUTTONDOWN = 10;
constexpr int XE_LBUTTONUP = 11;
constexpr int XE_LBUTTONDBCLICK = 14;
constexpr int XE_BNCLICK = 34;
constexpr int XE_SLIDERBAR_CHANGE = 63;
constexpr int XE_COMBOBOX_SELECT = 71;
constexpr int XE_RICHEDIT_SET = 162;
constexpr int XE_EDIT_CHANGED = 182;
constexpr int WM_TIMER = 0x113;

// Object types that callers test.
constexpr int XC_ERROR = -1;
constexpr int XC_WINDOW = 1;
constexpr int XC_ELE = 2;
constexpr int XC_BUTTON = 22;
constexpr int XC_TOOLBAR = 23;
constexpr int XC_LIST = 30;
constexpr int XC_COMBOBOX = 33;
constexpr int XC_SLIDERBAR = 36;
constexpr int XC_EDIT = 45;
constexpr int XC_SHAPE_TEXT = 62;
constexpr int XC_SHAPE_PICTURE = 63;
constexpr int XC_ADAPTER_TABLE = 70;
constexpr int XC_ADAPTER_MAP = 71;
constexpr int XC_IMAGE = 80;
constexpr int XC_FONT = 81;
constexpr int XC_BKMANAGER = 82;

// Button types (XBtn_SetType).
constexpr int button_type_default = 0;
constexpr int button_type_radio = 1;
constexpr int button_type_check = 2;

// Button element states for background fills (XBkM_AddFill).
constexpr int button_state_stay = 32;
constexpr int button_state_down = 64;
constexpr int button_state_check = 128;

// Window commands and z-order switches.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
inline HWND const HWND_TOPMOST = reinterpret_cast<HWND>(-1);
inline HWND const HWND_NOTOPMOST = reinterpret_cast<HWND>(-2);
constexpr unsigned SWP_NOSIZE = 1;
constexpr unsigned SWP_NOMOVE = 2;
