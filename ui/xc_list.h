// The list view and its adapters. A table adapter holds rows of texts under
// named columns; a map adapter holds texts under keys (the list's header).
// The item template binds the list's columns, in order, to adapter fields.
#pragma once
#include <string>
#include <string_view>

#include "xc_types.h"

// Template: <list><header height=".."><cell field="number" align="center"/>..</header>
//           <item height="..">..</item></list>
bool XList_SetItemTemplateXMLFromString(HELE list, std::string_view utf8Xml);
void XList_DeleteColumnAll(HELE list);
int XList_AddColumn(HELE list, int width);
void XList_BindAdapter(HELE list, HADAPTER adapter);
void XList_BindAdapterHeader(HELE list, HADAPTER adapter);
HADAPTER XList_GetAdapter(HELE list);
HADAPTER XList_GetAdapterHeader(HELE list);
// Counts the running-number column too.
int XList_GetColumnCount(HELE list);
int XList_GetSelectItem(HELE list);  // -1 without a selection
void XList_SetSelectItem(HELE list, int row);
// The empty text for a row or column that does not exist.
std::u16string XList_GetItemText(HELE list, int row, int column);
std::u16string XList_GetHeaderText(HELE list, int column);
int XList_GetRowCount(HELE list);
// A line shown centred in the list while it has no rows (not a row itself);
// the empty text shows nothing.
void XList_SetEmptyText(HELE list, std::u16string_view text);
std::u16string XList_GetEmptyText(HELE list);

HADAPTER XAdTable_Create();
int XAdTable_AddColumn(HADAPTER adapter, std::u16string_view name);
// Adds a row with the text in the first column; returns the row index.
int XAdTable_AddItemText(HADAPTER adapter, std::u16string_view text);
// Adds a row with the text in the named column; returns the row index.
int XAdTable_AddItemTextEx(HADAPTER adapter, std::u16string_view column, std::u16string_view text);
bool XAdTable_SetItemTextEx(HADAPTER adapter, int row, std::u16string_view column, std::u16string_view text);
std::u16string XAdTable_GetItemTextEx(HADAPTER adapter, int row, std::u16string_view column);
int XAdTable_GetCount(HADAPTER adapter);

HADAPTER XAdMap_Create();
bool XAdMap_AddItemText(HADAPTER adapter, std::u16string_view key, std::u16string_view text);
bool XAdMap_SetItemText(HADAPTER adapter, std::u16string_view key, std::u16string_view text);
std::u16string XAdMap_GetItemText(HADAPTER adapter, std::u16string_view key);
