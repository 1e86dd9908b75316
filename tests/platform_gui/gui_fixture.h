#pragma once
// Shared set-up of the window tests: a clean window system and scripted user for every test, and
// a test module with dialog templates built here.
#include <gtest/gtest.h>

#include <windows.h>
#include "win32/script.h"

namespace guitest {

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override
    {
        // A runaway loop (a window that repaints or reposts for ever) fails the test that made it.
        EXPECT_EQ(MiscWindowSystemErrors(), std::vector<std::string>());
        Reset();
    }
    static void Reset() { MiscResetPlatform(); }
};

// Template numbers and control identifiers of the test module "gui_test.dll".
enum : UINT {
    kDlgBasic = 100, // edit, check box, combo box, label, OK (default), Cancel
    kDlgData = 101,  // the data exchange dialog below
    kDlgNoFont = 102 // a dialog without DS_SETFONT
};
enum : int {
    kEdit = 1001, kCheck = 1002, kCombo = 1003, kLabel = 1004,
    kInt = 1010, kText = 1011, kReal = 1012, kUInt = 1013,
    kRadio1 = 1020, kRadio2 = 1021, kRadio3 = 1022,
    kTriState = 1030, kDropList = 1040, kList = 1050, kSlider = 1060, kAfterGroup = 1070
};

HMODULE TestModule();

} // namespace guitest
