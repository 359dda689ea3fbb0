// Elements and the window.
#pragma once
#include <string>
#include <string_view>

#include "xc_types.h"

int XEle_GetID(HELE ele);
void XEle_SetUID(HELE ele, int uid);
int XEle_GetUID(HELE ele);
void XEle_SetName(HELE ele, std::u16string_view name);
std::u16string XEle_GetName(HELE ele);
// Children created in an element (elements and shapes), in creation order.
int XEle_GetChildCount(HELE ele);
HXCGUI XEle_GetChildByIndex(HELE ele, int index);

void XEle_ShowEle(HELE ele, bool show);
bool XEle_IsShow(HELE ele);
void XEle_AdjustLayout(HELE ele);
void XEle_RedrawEle(HELE ele, bool immediate = false);
void XEle_Destroy(HELE ele);
void XEle_SetToolTip(HELE ele, std::u16string_view text);
void XEle_SetFont(HELE ele, HFONTX font);
void XEle_SetTextColor(HELE ele, uint32_t color, int alpha = 255);
void XEle_EnableBkTransparent(HELE ele, bool transparent);
HBKM XEle_GetBkManager(HELE ele);
void XBkM_AddFill(HBKM manager, int state, uint32_t color, int alpha = 255);
// Mode 2 sizes the element to its content, at least width.
void XEle_SetLayoutWidth(HELE ele, int mode, int width);
// Position and size relative to the parent (for elements placed freely).
XRect XEle_GetRect(HELE ele);

void XWnd_SetMinimumSize(HWINDOW window, int width, int height);
void XWnd_AdjustLayout(HWINDOW window);
void XWnd_RedrawWnd(HWINDOW window, bool immediate = false);
void XWnd_ShowWindow(HWINDOW window, int command);
HWND XWnd_GetHWND(HWINDOW window);
void XWnd_SetTransparentAlpha(HWINDOW window, int alpha);
bool XWnd_SetTimer(HWINDOW window, unsigned id, unsigned milliseconds);
void XWnd_CloseWindow(HWINDOW window);

// The platform calls behind the always-on-top switch.
bool SetForegroundWindow(HWND hwnd);
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, unsigned flags);
bool IsWindowTopMost(HWND hwnd);
