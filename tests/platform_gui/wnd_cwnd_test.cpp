// CWnd: creation through the hook, message maps with MFC's handler signatures, commands and
// notifications from controls, reflection, subclassing and the handle maps.
#include "gui_fixture.h"

#include <afxwin.h>

#include <string>
#include <vector>

using namespace guitest;

namespace {

UINT g_registered = RegisterWindowMessageA("MiscCWndTestMessage");

class Recording : public CWnd {
public:
    std::vector<std::string> log;
    bool deleteOnDestroy = false;
    bool* deleted = nullptr;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        log.push_back(std::string("create ") + (cs->lpszName ? cs->lpszName : ""));
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnSize(UINT type, int cx, int cy) { log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy)); }
    afx_msg void OnTimer(UINT_PTR id) { log.push_back("timer " + std::to_string(id)); }
    afx_msg void OnLButtonDown(UINT flags, CPoint pt)
    {
        log.push_back("down " + std::to_string(pt.x) + "," + std::to_string(pt.y) + ((flags & MK_CONTROL) ? " ctrl" : ""));
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        log.push_back("paint");
    }
    afx_msg BOOL OnEraseBkgnd(CDC* dc)
    {
        log.push_back(dc ? "erase" : "erase without dc");
        return TRUE;
    }
    afx_msg void OnDestroy() { log.push_back("destroy"); }
    afx_msg void OnApply() { log.push_back("apply"); }
    afx_msg void OnRange(UINT id) { log.push_back("range " + std::to_string(id)); }
    afx_msg void OnButton() { log.push_back("clicked 10"); }
    afx_msg void OnEditChange() { log.push_back("edit changed"); }
    afx_msg LRESULT OnPrivate(WPARAM w, LPARAM l)
    {
        log.push_back("private " + std::to_string(w) + " " + std::to_string(l));
        return 99;
    }
    afx_msg LRESULT OnRegistered(WPARAM w, LPARAM) { log.push_back("registered " + std::to_string(w)); return 5; }
    afx_msg void OnNotifyClick(NMHDR* hdr, LRESULT* result)
    {
        log.push_back("notify " + std::to_string(hdr->idFrom));
        *result = 3;
    }
    void PostNcDestroy() override
    {
        log.push_back("post nc destroy");
        if (deleteOnDestroy) {
            if (deleted)
                *deleted = true;
            delete this;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Recording, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
    ON_COMMAND(500, OnApply)
    ON_COMMAND_RANGE(600, 610, OnRange)
    ON_BN_CLICKED(10, OnButton)
    ON_EN_CHANGE(11, OnEditChange)
    ON_MESSAGE(WM_USER + 5, OnPrivate)
    ON_REGISTERED_MESSAGE(g_registered, OnRegistered)
    ON_NOTIFY(NM_CLICK, 12, OnNotifyClick)
END_MESSAGE_MAP()

// A button that handles its own click (reflection) and so hides it from the parent.
class SelfClicking : public CButton {
public:
    int clicks = 0;

protected:
    afx_msg void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfClicking, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CWndTest : public GuiTest {};

TEST_F(CWndTest, CreateExRoutesCreationMessagesThroughTheMessageMap)
{
    Recording wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "main", WS_POPUP, 10, 20, 200, 100, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"create main", "size 200x100"}));
    CRect r;
    wnd.GetWindowRect(&r);
    EXPECT_EQ(r, CRect(10, 20, 210, 120));
    wnd.log.clear();
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"destroy", "post nc destroy"}));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST_F(CWndTest, WindowMessagesCrackIntoHandlerArguments)
{
    Recording wnd;
    wnd.CreateEx(0, nullptr, "w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr);
    wnd.UpdateWindow();
    wnd.log.clear();
    wnd.SetTimer(7, 100, nullptr);
    MiscAdvanceClock(100);
    MiscSetKeyState(VK_CONTROL, TRUE);
    MiscSendMouse(wnd.m_hWnd, WM_LBUTTONDOWN, 12, 34);
    MiscSetKeyState(VK_CONTROL, FALSE);
    EXPECT_EQ(wnd.SendMessage(WM_USER + 5, 1, 2), 99);
    EXPECT_EQ(wnd.SendMessage(g_registered, 8, 0), 5);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"timer 7", "down 12,34 ctrl", "private 1 2", "registered 8"}));
}

TEST_F(CWndTest, PaintingGoesThroughEraseAndPaintHandlers)
{
    Recording wnd;
    wnd.CreateEx(0, nullptr, "w", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr);
    wnd.UpdateWindow();
    wnd.log.clear();
    wnd.Invalidate(TRUE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"erase", "paint"}));
    wnd.log.clear();
    wnd.Invalidate(FALSE);
    MiscPumpMessages();
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"paint"}));
}

TEST_F(CWndTest, CommandsAndControlNotificationsFindTheirHandlers)
{
    Recording wnd;
    wnd.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr);
    CButton button;
    button.Create("B", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20), &wnd, 10);
    CEdit edit;
    edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 80, 50), &wnd, 11);
    wnd.log.clear();
    wnd.SendMessage(WM_COMMAND, 500, 0);             // a menu command
    wnd.SendMessage(WM_COMMAND, 605, 0);             // a command in a range
    wnd.SendMessage(WM_COMMAND, 611, 0);             // outside the range: nobody
    button.SendMessage(BM_CLICK);
    edit.SetWindowText("x");                         // EN_CHANGE from the edit
    NMHDR hdr{nullptr, 12, NM_CLICK};
    hdr.hwndFrom = button.m_hWnd;
    LRESULT r = wnd.SendMessage(WM_NOTIFY, 12, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(r, 3);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"apply", "range 605", "clicked 10", "edit changed", "notify 12"}));
}

TEST_F(CWndTest, AControlThatReflectsItsNotificationKeepsItFromTheParent)
{
    Recording wnd;
    wnd.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr);
    SelfClicking button;
    button.Create("B", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &wnd, 10);
    wnd.log.clear();
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.clicks, 1);
    EXPECT_TRUE(wnd.log.empty());
}

TEST_F(CWndTest, SubclassDlgItemRoutesAnExistingControlThroughItsObject)
{
    // Reflection needs an MFC parent, whose OnCommand offers the notification to the control.
    CWnd parentWnd;
    parentWnd.CreateEx(0, nullptr, "p", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr);
    HWND parent = parentWnd.m_hWnd;
    HWND raw = CreateWindowExA(0, "Button", "raw", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(33)), nullptr, nullptr);
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(raw, GWLP_WNDPROC));
    SelfClicking button;
    ASSERT_TRUE(button.SubclassDlgItem(33, CWnd::FromHandle(parent)));
    EXPECT_EQ(button.m_hWnd, raw);
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(raw, GWLP_WNDPROC)), original);
    // The control still behaves as a button underneath.
    SendMessageA(raw, BM_CLICK, 0, 0);
    EXPECT_EQ(button.clicks, 1);
    // A second object cannot take the same window.
    SelfClicking other;
    EXPECT_FALSE(other.SubclassDlgItem(33, CWnd::FromHandle(parent)));
    EXPECT_EQ(button.UnsubclassWindow(), raw);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(raw, GWLP_WNDPROC)), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    SendMessageA(raw, BM_CLICK, 0, 0);
    EXPECT_EQ(button.clicks, 1);
}

TEST_F(CWndTest, TemporaryWrappersAreSharedAndDieWithTheirWindow)
{
    HWND raw = CreateWindowExA(0, "Static", "t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* a = CWnd::FromHandle(raw);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(CWnd::FromHandle(raw), a);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    CString text;
    a->GetWindowText(text);
    EXPECT_STREQ(text, "t");
    DestroyWindow(raw);
    EXPECT_EQ(CWnd::FromHandle(raw), nullptr);
}

TEST_F(CWndTest, AttachAndDetachDoNotTouchTheWindowsProcedure)
{
    HWND raw = CreateWindowExA(0, "Static", "t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(raw));
    EXPECT_EQ(CWnd::FromHandle(raw), &wnd);
    EXPECT_EQ(wnd.Detach(), raw);
    EXPECT_TRUE(IsWindow(raw));
    // Attached at destruction time, the object lets go when the window goes.
    wnd.Attach(raw);
    DestroyWindow(raw);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST_F(CWndTest, AnObjectThatDeletesItselfInPostNcDestroyIsNotTouchedAfterwards)
{
    auto* wnd = new Recording;
    bool deleted = false;
    wnd->deleteOnDestroy = true;
    wnd->deleted = &deleted;
    wnd->CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    HWND hwnd = wnd->m_hWnd;
    ::DestroyWindow(hwnd);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST_F(CWndTest, DestroyingTheObjectDestroysItsWindow)
{
    HWND hwnd;
    {
        Recording wnd;
        wnd.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
        hwnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(CWndTest, ModifyStyleChangesBitsAndReportsWhetherAnythingChanged)
{
    CWnd wnd;
    wnd.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
    EXPECT_TRUE(wnd.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED));
    EXPECT_TRUE(wnd.GetStyle() & WS_BORDER);
    EXPECT_FALSE(wnd.ModifyStyle(0, WS_BORDER));
    CRect client;
    wnd.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 98); // the border took a pixel on each side
    EXPECT_TRUE(wnd.ModifyStyleEx(0, WS_EX_LAYERED));
    EXPECT_TRUE(wnd.SetLayeredWindowAttributes(0, 128, LWA_ALPHA));
    BYTE alpha = 0;
    EXPECT_TRUE(wnd.GetLayeredWindowAttributes(nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 128);
}

} // namespace
