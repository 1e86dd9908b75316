#include "gui_fixture.h"

namespace guitest {

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;

const MiscResControl kBasicControls[] = {
    {"STATIC", "&Name:", kLabel, kChild | SS_LEFT, 0, 7, 9, 40, 8},
    {"EDIT", "", kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 50, 7, 100, 14},
    {"BUTTON", "&Check", kCheck, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 26, 80, 10},
    {"COMBOBOX", "", kCombo, kChild | WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 0, 7, 40, 100, 60},
    {"BUTTON", "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 60, 70, 50, 14},
    {"BUTTON", "Cancel", IDCANCEL, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 115, 70, 50, 14},
};

const MiscResControl kDataControls[] = {
    {"EDIT", "", kInt, kChild | WS_BORDER | WS_TABSTOP, 0, 7, 7, 60, 14},
    {"EDIT", "", kText, kChild | WS_BORDER | WS_TABSTOP, 0, 7, 25, 60, 14},
    {"EDIT", "", kReal, kChild | WS_BORDER | WS_TABSTOP, 0, 7, 43, 60, 14},
    {"EDIT", "", kUInt, kChild | WS_BORDER | WS_TABSTOP, 0, 7, 61, 60, 14},
    {"BUTTON", "One", kRadio1, kChild | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 0, 80, 7, 50, 10},
    {"BUTTON", "Two", kRadio2, kChild | BS_AUTORADIOBUTTON, 0, 80, 19, 50, 10},
    {"BUTTON", "Three", kRadio3, kChild | BS_AUTORADIOBUTTON, 0, 80, 31, 50, 10},
    {"BUTTON", "Tri", kTriState, kChild | WS_GROUP | WS_TABSTOP | BS_AUTO3STATE, 0, 80, 45, 50, 10},
    {"COMBOBOX", "", kDropList, kChild | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 140, 7, 60, 60},
    {"LISTBOX", "", kList, kChild | WS_TABSTOP | WS_BORDER | LBS_NOTIFY, 0, 140, 25, 60, 40},
    {"msctls_trackbar32", "", kSlider, kChild | WS_TABSTOP, 0, 140, 70, 60, 14},
    {"BUTTON", "OK", IDOK, kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 90, 90, 50, 14},
    {"BUTTON", "Cancel", IDCANCEL, kChild | WS_TABSTOP, 0, 150, 90, 50, 14},
};

const MiscResControl kNoFontControls[] = {
    {"BUTTON", "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 10, 10, 40, 12},
};

const DWORD kDialog = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const MiscResDialog kDialogs[] = {
    {kDlgBasic, kDialog, 0, 0, 0, 180, 90, "Basic", "MS Shell Dlg", 8, nullptr, kBasicControls,
     static_cast<int>(sizeof(kBasicControls) / sizeof(kBasicControls[0]))},
    {kDlgData, kDialog, 0, 0, 0, 210, 110, "Data", "MS Shell Dlg", 8, nullptr, kDataControls,
     static_cast<int>(sizeof(kDataControls) / sizeof(kDataControls[0]))},
    {kDlgNoFont, WS_POPUP | WS_CAPTION, 0, 0, 0, 60, 30, "No font", nullptr, 0, nullptr, kNoFontControls, 1},
};

const MiscResourceTable kTable = {nullptr, 0, kDialogs, 3, nullptr, 0, nullptr, 0, nullptr, 0};

} // namespace

HMODULE TestModule() { return MiscRegisterModule("gui_test.dll", &kTable); }

} // namespace guitest
