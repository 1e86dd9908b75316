// The tab control: items and the selection, clicks and keys with TCN_SELCHANGING (which the parent
// may refuse) and TCN_SELCHANGE, item rectangles, hit testing, the display rectangle, rows, and
// the scripted user's click by text.
#include "ctl_notes.h"
#include "gui_fixture.h"

#include <afxcmn.h>

#include <string>
#include <vector>

using namespace guitest;

namespace {

class TabTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        parent = std::make_unique<NotifyParent>();
    }
    void TearDown() override
    {
        parent.reset();
        MiscSetKeyState(VK_CONTROL, FALSE);
        MiscSetKeyState(VK_SHIFT, FALSE);
        GuiTest::TearDown();
    }
    HWND Make(DWORD style, std::vector<const char*> texts, int width = 300)
    {
        HWND tab = parent->Child(WC_TABCONTROLA, style | WS_TABSTOP, 6, 0, 0, width, 150);
        for (const char* t : texts) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(t);
            SendMessageA(tab, TCM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&item));
        }
        parent->Clear();
        return tab;
    }
    static int Sel(HWND tab) { return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)); }
    static RECT ItemRect(HWND tab, int i)
    {
        RECT r{};
        SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static void Click(HWND tab, int i)
    {
        RECT r = ItemRect(tab, i);
        MiscSendMouse(tab, WM_LBUTTONDOWN, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        MiscSendMouse(tab, WM_LBUTTONUP, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    std::unique_ptr<NotifyParent> parent;
};

TEST_F(TabTest, InsertingAndDeletingKeepsTheSelectedTab)
{
    HWND tab = Make(0, {});
    EXPECT_EQ(Sel(tab), -1);
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>("One");
    item.lParam = 11;
    EXPECT_EQ(SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), 0);
    EXPECT_EQ(Sel(tab), 0); // the first tab is selected
    item.pszText = const_cast<char*>("Zero");
    item.lParam = 10;
    EXPECT_EQ(SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), 0);
    EXPECT_EQ(Sel(tab), 1); // still "One"
    char buffer[16] = {0};
    TCITEMA got{};
    got.mask = TCIF_TEXT | TCIF_PARAM;
    got.pszText = buffer;
    got.cchTextMax = 3;
    ASSERT_TRUE(SendMessageA(tab, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&got)));
    EXPECT_STREQ(buffer, "On"); // cut to the buffer
    EXPECT_EQ(got.lParam, 11);
    EXPECT_FALSE(SendMessageA(tab, TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&got)));

    // TCM_SETCURSEL answers the old selection and tells nobody.
    EXPECT_EQ(SendMessageA(tab, TCM_SETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(tab, TCM_SETCURSEL, 7, 0), -1);
    EXPECT_EQ(Sel(tab), 0);
    EXPECT_TRUE(parent->notes.empty());

    ASSERT_TRUE(SendMessageA(tab, TCM_DELETEITEM, 0, 0));
    EXPECT_EQ(Sel(tab), -1); // the selected tab went
    EXPECT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 1);
    ASSERT_TRUE(SendMessageA(tab, TCM_DELETEALLITEMS, 0, 0));
    EXPECT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(TabTest, ClickingATabAsksTheParentFirst)
{
    HWND tab = Make(0, {"General", "Units", "Colours"});
    Click(tab, 2);
    EXPECT_EQ(Sel(tab), 2);
    EXPECT_EQ(GetFocus(), tab);
    std::vector<UINT> want = {TCN_SELCHANGING, TCN_SELCHANGE, NM_CLICK};
    EXPECT_EQ(parent->Codes(), want);

    parent->Clear();
    parent->answer = [](const NMHDR& hdr) { return hdr.code == TCN_SELCHANGING ? 1 : 0; };
    Click(tab, 0);
    EXPECT_EQ(Sel(tab), 2);
    want = {TCN_SELCHANGING, NM_CLICK};
    EXPECT_EQ(parent->Codes(), want);

    parent->Clear();
    Click(tab, 2); // the selected tab: nothing to change
    EXPECT_EQ(parent->Codes(), std::vector<UINT>{NM_CLICK});
}

TEST_F(TabTest, KeysMoveTheSelectionAndCtrlTabWraps)
{
    HWND tab = Make(0, {"A", "B", "C"});
    SetFocus(tab);
    struct Step {
        int vk;
        bool ctrl, shift;
        int sel;
    } steps[] = {
        {VK_RIGHT, false, false, 1}, {VK_RIGHT, false, false, 2}, {VK_RIGHT, false, false, 2}, // arrows stop
        {VK_HOME, false, false, 0},  {VK_LEFT, false, false, 0},   {VK_END, false, false, 2},
        {VK_TAB, true, false, 0},    {VK_TAB, true, true, 2},      {VK_NEXT, true, false, 0}, // Ctrl wraps
        {VK_PRIOR, true, false, 2},
    };
    for (const Step& st : steps) {
        MiscSetKeyState(VK_CONTROL, st.ctrl);
        MiscSetKeyState(VK_SHIFT, st.shift);
        MiscSendKey(st.vk, tab);
        EXPECT_EQ(Sel(tab), st.sel) << "key " << st.vk << (st.ctrl ? " with Ctrl" : "");
    }
    // Every key is reported first; every change is asked and told.
    EXPECT_EQ(parent->notes.front().code, TCN_KEYDOWN);
    size_t changes = 0;
    for (const Notify& n : parent->notes)
        changes += n.code == TCN_SELCHANGE;
    EXPECT_EQ(changes, 8u);
}

TEST_F(TabTest, ItemRectanglesHitTestingAndTheDisplayRectangle)
{
    HWND tab = Make(0, {"Short", "A longer caption", "X"});
    RECT a = ItemRect(tab, 0), b = ItemRect(tab, 1), c = ItemRect(tab, 2);
    EXPECT_EQ(a.right, b.left);
    EXPECT_EQ(b.right, c.left);
    EXPECT_GT(b.right - b.left, a.right - a.left); // fitted to the text
    EXPECT_EQ(a.top, b.top);
    for (int i = 0; i < 3; ++i) {
        RECT r = ItemRect(tab, i);
        TCHITTESTINFO info{POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}, 0};
        EXPECT_EQ(SendMessageA(tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), i);
        EXPECT_EQ(info.flags, static_cast<UINT>(TCHT_ONITEMLABEL));
    }
    TCHITTESTINFO below{POINT{20, 120}, 0};
    EXPECT_EQ(SendMessageA(tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&below)), -1);
    EXPECT_EQ(below.flags, static_cast<UINT>(TCHT_NOWHERE));

    RECT window{100, 50, 400, 200};
    RECT display = window;
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_GT(display.top, window.top + (a.bottom - a.top));
    EXPECT_GT(display.left, window.left);
    EXPECT_LT(display.right, window.right);
    EXPECT_LT(display.bottom, window.bottom);
    RECT back = display;
    SendMessageA(tab, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&back));
    EXPECT_TRUE(EqualRect(&back, &window));
}

TEST_F(TabTest, MultiLineTabsWrapAndTheSelectedRowMovesToThePane)
{
    HWND tab = Make(TCS_MULTILINE, {"First page", "Second page", "Third page", "Fourth page", "Fifth page"}, 160);
    int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
    ASSERT_GT(rows, 1);
    EXPECT_EQ(static_cast<int>(SendMessageA(TabTest::Make(0, {"First page", "Second page", "Third page"}, 160),
                                            TCM_GETROWCOUNT, 0, 0)),
              1); // a single line never wraps
    int lowest = 0;
    for (int i = 0; i < 5; ++i)
        lowest = std::max<int>(lowest, ItemRect(tab, i).bottom);
    EXPECT_EQ(ItemRect(tab, 0).bottom, lowest);
    SendMessageA(tab, TCM_SETCURSEL, 4, 0);
    EXPECT_EQ(ItemRect(tab, 4).bottom, lowest);
    EXPECT_LT(ItemRect(tab, 0).bottom, lowest);
    Click(tab, 0);
    EXPECT_EQ(Sel(tab), 0);
}

TEST_F(TabTest, TheScriptedUserClicksATabByItsText)
{
    HWND tab = Make(0, {"&General", "Units"});
    EXPECT_EQ(MiscFindTab(tab, "general"), 0);
    EXPECT_EQ(MiscFindTab(tab, "Nothing"), -1);
    EXPECT_EQ(MiscFindTab(parent->hwnd, "Units"), -1); // not a tab control
    EXPECT_TRUE(MiscClickTab(tab, "UNITS"));
    EXPECT_EQ(Sel(tab), 1);
    EXPECT_EQ(parent->Codes(), (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE, NM_CLICK}));
    parent->answer = [](const NMHDR& hdr) { return hdr.code == TCN_SELCHANGING ? 1 : 0; };
    EXPECT_FALSE(MiscClickTab(tab, "General"));
    EnableWindow(tab, FALSE);
    parent->answer = nullptr;
    EXPECT_FALSE(MiscClickTab(tab, "General"));
}

TEST_F(TabTest, TabsWithPicturesMakeRoomForThem)
{
    HWND tab = Make(0, {"One", "Two"});
    RECT plain = ItemRect(tab, 0);
    HIMAGELIST images = ImageList_Create(24, 24, ILC_COLOR32, 2, 0);
    SendMessageA(tab, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    TCITEMA item{};
    item.mask = TCIF_IMAGE;
    item.iImage = 0;
    SendMessageA(tab, TCM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    RECT pictured = ItemRect(tab, 0), other = ItemRect(tab, 1);
    EXPECT_GE(pictured.right - pictured.left, plain.right - plain.left + 24);
    EXPECT_GE(pictured.bottom - pictured.top, 24);
    EXPECT_EQ(other.bottom - other.top, pictured.bottom - pictured.top); // one row height
    TCHITTESTINFO onIcon{POINT{pictured.left + 8, (pictured.top + pictured.bottom) / 2}, 0};
    EXPECT_EQ(SendMessageA(tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&onIcon)), 0);
    EXPECT_EQ(onIcon.flags, static_cast<UINT>(TCHT_ONITEMICON));
    MiscCaptureWindow(tab); // paints the picture
    SendMessageA(tab, TCM_SETIMAGELIST, 0, 0);
    ImageList_Destroy(images);
}

TEST_F(TabTest, MfcFront)
{
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), CWnd::FromHandle(parent->hwnd), 8));
    EXPECT_EQ(tabs.InsertItem(0, "One"), 0);
    EXPECT_EQ(tabs.InsertItem(1, "Two"), 1);
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_EQ(tabs.SetCurSel(1), 0);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    CRect r(0, 0, 200, 100);
    tabs.AdjustRect(FALSE, &r);
    EXPECT_GT(r.top, 0);
    MiscSurface shot = MiscCaptureWindow(tabs.m_hWnd);
    EXPECT_EQ(shot.height, 100);
    tabs.DestroyWindow();
}

} // namespace
