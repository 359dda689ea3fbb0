// Toolkit life, resources and layouts, look-ups, and text conversion.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "xc_types.h"

// True when a UI platform can start: QT_QPA_PLATFORM names one, a display
// named by DISPLAY can be opened, or WAYLAND_DISPLAY is set. Runs before any
// Qt object exists (creating the application without a platform aborts).
bool XC_PlatformAvailable();

bool XInitXCGUI(const char* unused = "");
void XRunXCGUI();  // until the last window closes or XC_QuitLoop
void XExitXCGUI();
void XC_QuitLoop();  // ends XRunXCGUI as closing the window does

// Reads member (the resource table) from the encrypted ZIP held in memory and
// keeps the archive for layouts and images loaded later. False on any failure.
bool XC_LoadResourceZipMem(const void* data, size_t size, std::u16string_view member, std::u16string_view password);
// Builds the window of the layout member; nullptr on any failure.
HWINDOW XC_LoadLayoutZipMem(const void* data, size_t size, std::u16string_view member,
                            std::u16string_view password, HWINDOW parent = nullptr);
// The bytes of an entry of the archive kept by XC_LoadResourceZipMem.
bool XC_ReadArchiveEntry(std::u16string_view member, std::string& bytes);

HELE XC_GetObjectByID(HWINDOW window, int id);
HELE XC_GetObjectByName(HWINDOW window, std::u16string_view name);
int XC_GetObjectType(HXCGUI object);

// GBK (code page 936) to UTF-16 and back.
std::u16string XC_AnsiToUnicode(std::string_view gbk);
std::string XC_UnicodeToAnsi(std::u16string_view text);

// The one message box of the program: an error with its caption.
void XC_MessageBox(std::u16string_view text, std::u16string_view caption);

// SIGTERM (and SIGINT) end XRunXCGUI as closing the window does.
void XC_QuitOnTerminate();

// The system clipboard as plain text.
void XC_SetClipboardText(std::u16string_view text);
std::u16string XC_GetClipboardText();

// The user's locale: the full name of a weekday (0 Sunday .. 6 Saturday),
// and whether times are written with a 24-hour clock.
std::u16string XC_LocaleDayName(int weekday);
bool XC_Locale24Hour();
