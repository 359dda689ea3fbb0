#include "main_window.h"

#include "calculation.h"
#include "calculator_panel.h"
#include "carried_resources.h"
#include "date_bar.h"
#include "materials_list.h"
#include "row_copy.h"
#include "section_bar.h"
#include "size_table.h"
#include "program_state.h"
#include "shape_text.h"
#include "texts.h"
#include "window_chrome.h"
#include "window_state.h"

namespace {

constexpr unsigned kClockTimer = 100;

std::u16string Password() { return GbkToUtf16(archivePassword); }

}  // namespace

bool SetUpMainWindow() {
    // 1.
    if (!XInitXCGUI("")) return false;
    XC_QuitOnTerminate();
    // 2.
    const std::string_view archive = CarriedArchive();
    if (!XC_LoadResourceZipMem(archive.data(), archive.size(), u"resource.res", Password())) return false;
    mainWindow = XC_LoadLayoutZipMem(archive.data(), archive.size(), u"main.xml", Password(), nullptr);
    if (!mainWindow) return false;
    // 3.
    weldedFamilyClickHandler = &ShowWeldedFamily;
    BuildSectionBar();
    // 4.
    sizeTableList = MainElement(9);
    XList_SetItemTemplateXMLFromString(sizeTableList, ListItemTemplate());
    // 5-8.
    statusText = MainElement(21);
    materialCombo = MainElement(22);
    FillMaterialList(ComboItemTemplate());
    // 9.
    XEle_RegEventC(sizeTableList, XE_LBUTTONDBCLICK, &CopySelectedRow);
    // 10.
    HELE slider = MainElement(30);
    XSliderBar_SetRange(slider, 155);
    XSliderBar_SetPos(slider, 100);
    XEle_RegEventC(slider, XE_SLIDERBAR_CHANGE, &OnOpacityChanged);
    // 11.
    XEle_RegEventC1(MainElement(23), XE_EDIT_CHANGED, &Calculate);
    XEle_RegEventC1(MainElement(23), XE_RICHEDIT_SET, &Calculate);
    XEle_RegEventC1(MainElement(36), XE_EDIT_CHANGED, &Calculate);
    XEle_RegEventC1(MainElement(41), XE_EDIT_CHANGED, &OnLengthChanged);
    // 12.
    XEle_RegEventC(MainElement(40), XE_BNCLICK, &OnPanelToggle);
    // 13.
    XWnd_RegEventC(mainWindow, WM_TIMER, &OnClockTimer);
    XWnd_SetTimer(mainWindow, kClockTimer, 1000);
    // 14.
    HELE closeButton = MainElement(25);
    HELE minimizeButton = MainElement(26);
    HELE pinButton = MainElement(27);
    XBtn_SetIcon(closeButton, LoadTitleIcon(Gbk(kCloseIconPath).c_str()));
    XBtn_SetIcon(minimizeButton, LoadTitleIcon(Gbk(kMinimizeIconPath).c_str()));
    XBtn_SetIcon(pinButton, LoadTitleIcon(Gbk(kUnpinnedIconPath).c_str()));
    XEle_EnableBkTransparent(closeButton, true);
    XEle_EnableBkTransparent(minimizeButton, true);
    XEle_RegEventC1(pinButton, XE_BNCLICK, &OnPinClicked);
    // 15.
    ShowRolledFamily(nullptr, nullptr);
    // 16.
    FillDateBar();
    // 17.
    XWnd_SetMinimumSize(mainWindow, 900, 590);
    XWnd_AdjustLayout(mainWindow);
    XWnd_ShowWindow(mainWindow, SW_SHOW);
    return true;
}

void RunMainWindowLoop() {
    XRunXCGUI();
    XExitXCGUI();
    mainWindow = nullptr;
    sizeTableList = statusText = materialCombo = nullptr;
    materialAdapter = nullptr;
}

bool RunMainWindow() {
    if (!SetUpMainWindow()) return false;
    RunMainWindowLoop();
    return true;
}
