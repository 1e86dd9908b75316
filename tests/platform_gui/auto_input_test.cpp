// The automation layer's verbs reach a window as a person's input: where they land, which
// buttons and modifier keys they carry, and that nothing stays held down afterwards.
#include "ctl_test_parent.h"
#include "gui_fixture.h"

#include "win32/automation.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace guitest;

namespace {

struct Input {
    UINT msg;
    POINT pt;
    WPARAM flags;
    bool ctrlDown; // GetKeyState(VK_CONTROL) while the message was handled
};

std::vector<Input> g_inputs;

LRESULT CALLBACK RecordProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    bool mouse = msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK;
    if (mouse || msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR)
        g_inputs.push_back(Input{msg, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, wParam, GetKeyState(VK_CONTROL) < 0});
    if (msg == WM_LBUTTONDOWN)
        SetFocus(hwnd);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND Recorder(NoteParent& parent)
{
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RecordProc;
    wc.lpszClassName = "AutoRecorder";
    RegisterClassA(&wc);
    g_inputs.clear();
    return CreateWindowExA(0, "AutoRecorder", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 60, parent.hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(9)), nullptr, nullptr);
}

std::vector<UINT> Messages(UINT first, UINT last)
{
    std::vector<UINT> out;
    for (const Input& i : g_inputs)
        if (i.msg >= first && i.msg <= last && i.msg != WM_MOUSEMOVE)
            out.push_back(i.msg);
    return out;
}

class AutoInputTest : public GuiTest {};

TEST_F(AutoInputTest, ClicksLandAtTheCentreAndReleaseEverything)
{
    NoteParent parent;
    HWND rec = Recorder(parent);
    MiscElement e(rec);
    ASSERT_TRUE(e.Click());
    EXPECT_EQ(Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(g_inputs.back().pt.x, 50);
    EXPECT_EQ(g_inputs.back().pt.y, 30);
    g_inputs.clear();
    ASSERT_TRUE(e.DoubleClick());
    EXPECT_EQ(Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
    g_inputs.clear();
    ASSERT_TRUE(e.RightClick());
    EXPECT_EQ(Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK), (std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP}));
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
    EXPECT_GE(GetKeyState(VK_RBUTTON), 0);
}

TEST_F(AutoInputTest, TwoClicksAtOnePlaceStayTwoClicks)
{
    NoteParent parent;
    HWND rec = Recorder(parent);
    MiscElement e(rec);
    e.Click();
    DWORD first = MiscClockNow();
    e.Click();
    // The second press waited out the double-click time, as a person's separate clicks do.
    EXPECT_GT(MiscClockNow() - first, GetDoubleClickTime());
    EXPECT_EQ(Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    // A click elsewhere needs no wait.
    DWORD second = MiscClockNow();
    MiscClickAt(rec, POINT{5, 5});
    EXPECT_EQ(MiscClockNow(), second);
}

TEST_F(AutoInputTest, ControlIsHeldForTheClickOnly)
{
    NoteParent parent;
    HWND rec = Recorder(parent);
    SetFocus(rec);
    g_inputs.clear();
    ASSERT_TRUE(MiscElement(rec).Click(MISC_MOD_CONTROL));
    // The key goes down at the focus before the click and comes up after it.
    ASSERT_GE(g_inputs.size(), 4u);
    EXPECT_EQ(g_inputs.front().msg, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(g_inputs.front().flags, static_cast<WPARAM>(VK_CONTROL));
    EXPECT_EQ(g_inputs.back().msg, static_cast<UINT>(WM_KEYUP));
    for (const Input& i : g_inputs) {
        if (i.msg == WM_LBUTTONDOWN || i.msg == WM_LBUTTONUP) {
            EXPECT_TRUE(i.flags & MK_CONTROL);
            EXPECT_TRUE(i.ctrlDown);
        }
    }
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    g_inputs.clear();
    MiscElement(rec).Click();
    for (const Input& i : g_inputs)
        EXPECT_FALSE(i.ctrlDown);
}

TEST_F(AutoInputTest, DragPressesAtTheCentreAndReleasesAtTheOffset)
{
    NoteParent parent;
    HWND rec = Recorder(parent);
    ASSERT_TRUE(MiscElement(rec).Drag(30, -20, MISC_MOD_SHIFT));
    std::vector<Input> mouse;
    for (const Input& i : g_inputs)
        if (i.msg != WM_KEYDOWN && i.msg != WM_KEYUP)
            mouse.push_back(i);
    ASSERT_GE(mouse.size(), 4u);
    auto down = std::find_if(mouse.begin(), mouse.end(), [](const Input& i) { return i.msg == WM_LBUTTONDOWN; });
    ASSERT_NE(down, mouse.end());
    EXPECT_EQ(down->pt.x, 50);
    EXPECT_EQ(down->pt.y, 30);
    int moves = 0;
    for (auto it = down; it != mouse.end(); ++it)
        if (it->msg == WM_MOUSEMOVE && (it->flags & MK_LBUTTON) && (it->flags & MK_SHIFT))
            ++moves;
    EXPECT_GE(moves, 2); // in steps, as a hand moves
    EXPECT_EQ(mouse.back().msg, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(mouse.back().pt.x, 80);
    EXPECT_EQ(mouse.back().pt.y, 10);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(AutoInputTest, KeysWithModifiersGoToTheElementsFocus)
{
    NoteParent parent;
    HWND rec = Recorder(parent);
    HWND other = parent.Child("Edit", WS_BORDER, 4, 10, 100, 80, 20);
    SetFocus(other);
    g_inputs.clear();
    ASSERT_TRUE(MiscElement(rec).PressKey('S', MISC_MOD_CONTROL));
    EXPECT_EQ(GetFocus(), rec);
    bool sawS = false;
    for (const Input& i : g_inputs)
        if (i.msg == WM_KEYDOWN && i.flags == 'S') {
            sawS = true;
            EXPECT_TRUE(i.ctrlDown);
        }
    EXPECT_TRUE(sawS);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
}

TEST_F(AutoInputTest, HiddenOrDisabledWindowsTakeNoVerb)
{
    NoteParent parent;
    HWND rec = Recorder(parent);
    EnableWindow(rec, FALSE);
    EXPECT_FALSE(MiscElement(rec).Click());
    EnableWindow(rec, TRUE);
    EnableWindow(parent.hwnd, FALSE); // a parent that takes no input leaves its children out too
    EXPECT_FALSE(MiscElement(rec).State().enabled);
    EnableWindow(parent.hwnd, TRUE);
    ShowWindow(rec, SW_HIDE);
    EXPECT_FALSE(MiscElement(rec).Click());
    EXPECT_TRUE(g_inputs.empty());
    DestroyWindow(rec);
    EXPECT_FALSE(MiscElement(rec).Exists());
    EXPECT_FALSE(MiscElement(rec).Click());
}

TEST_F(AutoInputTest, MnemonicsAreStrippedAsADialogShowsThem)
{
    EXPECT_EQ(MiscStripMnemonic("&Open"), "Open");
    EXPECT_EQ(MiscStripMnemonic("Save &As..."), "Save As...");
    EXPECT_EQ(MiscStripMnemonic("Fish && Chips"), "Fish & Chips");
    EXPECT_EQ(MiscStripMnemonic("trailing&"), "trailing");
    EXPECT_EQ(MiscStripMnemonic(""), "");
}

} // namespace
