// The display layer's headless side: what a program sees when no display runs or none can
// start, the key flag of composed text, and the end of a modeless dialog as the show tool reads
// it. The display itself is driven from outside the process in tests/display/.
#include "gui_fixture.h"

#include "win32/display.h"

#include <cstdlib>
#include <string>

using guitest::GuiTest;

namespace {

class DisplayTest : public GuiTest {};

INT_PTR CALLBACK EndingProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return msg == WM_INITDIALOG;
}

TEST_F(DisplayTest, WithoutADisplayTheRunLoopOnlyAsksWhetherItIsDone)
{
    EXPECT_FALSE(MiscDisplayActive());
    int asked = 0;
    EXPECT_TRUE(MiscDisplayRun([&] { return ++asked > 0; }));
    EXPECT_FALSE(MiscDisplayRun([] { return false; }));
}

TEST_F(DisplayTest, AnUnknownDisplayIsRefusedWithItsName)
{
    EXPECT_FALSE(MiscStartDisplay("teletype"));
    EXPECT_NE(std::string(MiscDisplayError()).find("teletype"), std::string::npos);
    EXPECT_FALSE(MiscDisplayActive());
    EXPECT_FALSE(MiscStartDisplay(nullptr));
}

TEST_F(DisplayTest, HeadlessIsTheDefaultAndCanBeNamed)
{
    const char* saved = std::getenv("MISC_DISPLAY");
    std::string keep = saved ? saved : "";
    unsetenv("MISC_DISPLAY");
    EXPECT_TRUE(MiscStartDisplayFromEnvironment());
    setenv("MISC_DISPLAY", "headless", 1);
    EXPECT_TRUE(MiscStartDisplayFromEnvironment());
    EXPECT_FALSE(MiscDisplayActive());
    if (saved)
        setenv("MISC_DISPLAY", keep.c_str(), 1);
    else
        unsetenv("MISC_DISPLAY");
}

TEST_F(DisplayTest, AKeyWhoseTextFollowsMakesNoCharacterOfItsOwn)
{
    MSG plain{nullptr, WM_KEYDOWN, 'A', 1, 0, {}};
    MSG composed{nullptr, WM_KEYDOWN, 'A', 1 | MISC_KEY_TEXT_FOLLOWS, 0, {}};
    HWND edit = CreateWindowA("EDIT", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    plain.hwnd = composed.hwnd = edit;
    EXPECT_TRUE(TranslateMessage(&plain));
    EXPECT_FALSE(TranslateMessage(&composed));
    DestroyWindow(edit);
}

TEST_F(DisplayTest, AModelessDialogTellsHowItEnded)
{
    HWND dialog = CreateDialogParamA(guitest::TestModule(), MAKEINTRESOURCEA(guitest::kDlgBasic), nullptr,
                                      &EndingProc, 0);
    ASSERT_TRUE(dialog);
    ShowWindow(dialog, SW_SHOW);
    MiscSettle();
    INT_PTR result = -1;
    EXPECT_FALSE(MiscDialogResult(dialog, &result));
    MiscSendKey(VK_ESCAPE, dialog);
    EXPECT_TRUE(MiscDialogResult(dialog, &result));
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_FALSE(MiscDialogResult(nullptr, &result));
    DestroyWindow(dialog);
}

} // namespace
