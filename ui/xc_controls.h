// Buttons, toolbars, edits, shapes, the slider and the combobox.
#pragma once
#include <string>
#include <string_view>

#include "xc_types.h"

HELE XBtn_Create(int x, int y, int cx, int cy, std::u16string_view caption, HXCGUI parent = nullptr);
void XBtn_SetType(HELE button, int type);
void XBtn_SetStyle(HELE button, int style);
// 0 left, 1 centred, 4 left and vertically centred.
void XBtn_SetTextAlign(HELE button, int align);
void XBtn_SetIcon(HELE button, HIMAGE image);
// 0 left of the caption, 1 above it.
void XBtn_SetIconAlign(HELE button, int align);
bool XBtn_IsCheck(HELE button);
void XBtn_SetCheck(HELE button, bool check);
std::u16string XBtn_GetText(HELE button);
bool XBtn_HasIcon(HELE button);

// An index outside the range appends. Returns the position used.
int XToolBar_InsertEle(HELE toolbar, HELE ele, int index = -1);
void XToolBar_SetSpace(HELE toolbar, int space);
void XToolBar_DeleteAllEle(HELE toolbar);
int XToolBar_GetCount(HELE toolbar);
HELE XToolBar_GetEle(HELE toolbar, int index);

HELE XEdit_Create(int x, int y, int cx, int cy, HXCGUI parent = nullptr);
void XEdit_SetText(HELE edit, std::u16string_view text);
std::u16string XEdit_GetText(HELE edit);
int XEdit_GetLength(HELE edit);
void XEdit_SetDefaultText(HELE edit, std::u16string_view text);
void XEdit_SetCaretColor(HELE edit, uint32_t color);

HELE XShapeText_Create(int x, int y, int cx, int cy, std::u16string_view text, HXCGUI parent = nullptr);
void XShapeText_SetText(HELE shape, std::u16string_view text);
std::u16string XShapeText_GetText(HELE shape);
int XShapeText_GetTextLength(HELE shape);
void XShapeText_SetFont(HELE shape, HFONTX font);
void XShapeText_SetTextColor(HELE shape, uint32_t color, int alpha = 255);
void XShapePic_SetImage(HELE shape, HIMAGE image);
bool XShapePic_HasImage(HELE shape);
void XShape_Redraw(HELE shape);
void XShape_Destroy(HELE shape);

void XSliderBar_SetRange(HELE slider, int range);
void XSliderBar_SetPos(HELE slider, int pos);
int XSliderBar_GetPos(HELE slider);

// Template: <combobox><item><text field="name"/><text field="midu"/></item></combobox>
bool XComboBox_SetItemTemplateXMLFromString(HELE combo, std::string_view utf8Xml);
void XComboBox_BindAdapter(HELE combo, HADAPTER adapter);
XRect XComboBox_GetButtonRect(HELE combo);
bool XComboBox_IsPopupShown(HELE combo);
void XComboBox_SetSelItem(HELE combo, int index);
