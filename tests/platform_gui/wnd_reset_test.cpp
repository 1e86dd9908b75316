// MiscResetPlatform: every kind of state a test can leave behind is gone afterwards, and what a
// process keeps for good (classes, registered messages, stock and kept objects) stays usable.
#include "gui_fixture.h"

#include <afxwin.h>

#include "win32/clipboard.h"
#include "win32/menu.h"

using namespace guitest;

namespace {

class ResetTest : public GuiTest {};

TEST_F(ResetTest, EverythingATestLeavesBehindIsGone)
{
    HWND w = CreateWindowExA(0, "STATIC", "left", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, nullptr,
                             nullptr);
    ASSERT_NE(w, nullptr);
    SetFocus(w);
    SetCapture(w);
    SetTimer(w, 1, 100, nullptr);
    PostMessageA(w, WM_USER, 0, 0);
    MiscSetKeyState(VK_CONTROL, TRUE);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 5, "Item");
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HFONT kept = CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    MiscKeepGdiObject(kept);
    ASSERT_TRUE(OpenClipboard(w));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 4);
    SetClipboardData(CF_TEXT, text); // left open on purpose
    AfxSetResourceHandle(TestModule());
    MiscSetModalHandler([](MiscModal&) {});
    MiscAdvanceClock(5000);
    SendMessageA(w, WM_NULL, 0, 0);
    int before = MiscResetGdiObjects(); // what a test leaks is counted...
    EXPECT_GE(before, 1);
    brush = CreateSolidBrush(RGB(1, 2, 3));

    MiscResetPlatform();

    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_FONT));
    EXPECT_NE(GetObjectType(GetStockObject(WHITE_BRUSH)), 0u);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(OpenClipboard(nullptr)); // nobody holds it any more
    CloseClipboard();
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA(nullptr));
    EXPECT_EQ(GetTickCount(), MISC_CLOCK_START);
    EXPECT_EQ(MiscActiveModal(), nullptr);
    DeleteObject(kept);

    // Classes stay registered and work as before.
    HWND again = CreateWindowExA(0, "STATIC", "again", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(again, nullptr);
    EXPECT_NE(again, w); // handles are not reused
}

TEST_F(ResetTest, NoScriptedUserAnswersAfterTheReset)
{
    MiscSetModalHandler([](MiscModal& m) { EndDialog(m.hwnd, IDOK); });
    MiscResetPlatform();
    EXPECT_EQ(DialogBoxParamA(TestModule(), MAKEINTRESOURCEA(kDlgBasic), nullptr, nullptr, 0), -1);
    ASSERT_EQ(MiscModalErrors().size(), 1u);
    EXPECT_NE(MiscModalErrors()[0].find("no scripted user"), std::string::npos);
    MiscClearModalErrors();
}

} // namespace
