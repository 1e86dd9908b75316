// The toolkit's dialog resizer, colour pop-up and folder browser, driven as a person would.
#include "gui_fixture.h"

#include <afxwin.h>

#include <vector>

#include "toolkit/browsedlg.h"
#include "toolkit/colorpopup.h"
#include "toolkit/resize.h"
#include "win32/automation.h"

using namespace guitest;

namespace {

// A sizable window with a stretching list and a button that follows the bottom-right corner.
class ResizeHost : public CWnd, public CXTResize {
public:
    explicit ResizeHost(UINT flags = 0) : CXTResize(this, flags) {}
    CStatic list, button;
    void Make()
    {
        CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE | WS_THICKFRAME, 0, 0, 300, 200, nullptr, nullptr);
        CRect client;
        GetClientRect(&client);
        list.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, client.right - 10, client.bottom - 40), this, 1);
        button.Create("", WS_CHILD | WS_VISIBLE, CRect(client.right - 70, client.bottom - 30, client.right - 10, client.bottom - 10),
                      this, 2);
        SetResize(1, SZ_TOP_LEFT, SZ_BOTTOM_RIGHT);
        SetResize(2, SZ_BOTTOM_RIGHT, SZ_BOTTOM_RIGHT);
        Init();
    }
    CRect Place(CWnd& c)
    {
        CRect r;
        c.GetWindowRect(&r);
        ScreenToClient(&r);
        return r;
    }

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg void OnSize(UINT, int, int) { Size(); }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* info) { CXTResize::OnGetMinMaxInfo(info); }
};

BEGIN_MESSAGE_MAP(ResizeHost, CWnd)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

class ToolkitTest : public GuiTest {};

// A person's drag in screen coordinates (the grip moves under the mouse as the window grows).
void DragGrip(HWND grip, int dx, int dy)
{
    RECT r;
    ::GetWindowRect(grip, &r);
    const int x = r.left + 4, y = r.top + 4;
    MiscSendMouseAt(WM_MOUSEMOVE, x, y);
    MiscSendMouseAt(WM_LBUTTONDOWN, x, y);
    for (int i = 1; i <= 4; ++i)
        MiscSendMouseAt(WM_MOUSEMOVE, x + dx * i / 4, y + dy * i / 4);
    MiscSendMouseAt(WM_LBUTTONUP, x + dx, y + dy);
    MiscSettle();
}

TEST_F(ToolkitTest, ResizerStretchesAndMovesControlsByTheirAnchors)
{
    ResizeHost host;
    host.Make();
    const CRect list0 = host.Place(host.list), button0 = host.Place(host.button);
    host.SetWindowPos(nullptr, 0, 0, 400, 260, SWP_NOMOVE | SWP_NOZORDER);
    const CRect list1 = host.Place(host.list), button1 = host.Place(host.button);
    EXPECT_EQ(list1.TopLeft(), list0.TopLeft());
    EXPECT_EQ(list1.Width(), list0.Width() + 100);
    EXPECT_EQ(list1.Height(), list0.Height() + 60);
    EXPECT_EQ(button1.left, button0.left + 100);
    EXPECT_EQ(button1.top, button0.top + 60);
    EXPECT_EQ(button1.Size(), button0.Size());
    host.DestroyWindow();
}

TEST_F(ToolkitTest, SizeGripDragsTheWindowButNotBelowItsSizeAtInit)
{
    ResizeHost host;
    host.Make();
    ASSERT_NE(host.GetSizeGrip(), nullptr);
    CRect client, grip;
    host.GetClientRect(&client);
    ::GetWindowRect(host.GetSizeGrip(), &grip);
    host.ScreenToClient(&grip);
    EXPECT_EQ(grip.BottomRight(), client.BottomRight());

    CRect before;
    host.GetWindowRect(&before);
    DragGrip(host.GetSizeGrip(), 50, 30);
    CRect after;
    host.GetWindowRect(&after);
    EXPECT_EQ(after.Width(), before.Width() + 50);
    EXPECT_EQ(after.Height(), before.Height() + 30);

    DragGrip(host.GetSizeGrip(), -250, -250);
    host.GetWindowRect(&after);
    EXPECT_EQ(after.Size(), before.Size()); // the minimum is the size at Init
    host.DestroyWindow();
}

TEST_F(ToolkitTest, NoSizeIconFlagLeavesTheGripOut)
{
    ResizeHost host(xtResizeNoSizeIcon);
    host.Make();
    EXPECT_EQ(host.GetSizeGrip(), nullptr);
    host.DestroyWindow();
}

// Listener of the pop-up's notifications.
std::vector<std::pair<UINT, COLORREF>> g_heard;
LRESULT CALLBACK ListenerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= CPN_XT_SELCHANGE && msg <= CPN_XT_SELENDCANCEL)
        g_heard.emplace_back(msg, static_cast<COLORREF>(wParam));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class PopupTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_heard.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = ListenerProc;
        wc.lpszClassName = "PopupListener";
        AfxRegisterClass(&wc);
        listener = CreateWindowExA(0, "PopupListener", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr,
                                   nullptr, nullptr);
    }
    bool Heard(UINT msg, COLORREF* colour = nullptr)
    {
        for (auto& [m, c] : g_heard)
            if (m == msg) {
                if (colour)
                    *colour = c;
                return true;
            }
        return false;
    }
    HWND listener = nullptr;
};

// Remembers what the pop-up reported through its virtual hooks (it is not auto-deleted).
class ProbePopup : public CXTColorPopup {
public:
    ProbePopup() : CXTColorPopup(FALSE) {}
    int ok = 0, cancel = 0;
    COLORREF picked = 0;

protected:
    void OnSelEndOK(COLORREF c) override
    {
        CXTColorPopup::OnSelEndOK(c);
        ++ok;
        picked = c;
    }
    void OnSelEndCancel() override
    {
        CXTColorPopup::OnSelEndCancel();
        ++cancel;
    }
};

TEST_F(PopupTest, OpensUnderTheRectangleAsWideAsItAndAClickedCellIsPicked)
{
    ProbePopup popup;
    CRect opened;
    int cells = 0;
    MiscScriptedUser user;
    user.Expect(MiscModalKind::ColorChooser, [](const MiscModal& m) { return m.caption == XT_COLORPOPUP_CAPTION; },
                [&](MiscModal& m) {
                    ::GetWindowRect(m.hwnd, &opened);
                    MiscElement e(m.hwnd);
                    cells = e.ItemCount();
                    EXPECT_TRUE(e.Item("FF0000").Click());
                });
    CRect row(200, 150, 358, 170);
    popup.AddListener(listener);
    ASSERT_TRUE(popup.Create(row, CWnd::FromHandle(listener), CPS_XT_EXTENDED | CPS_XT_DEFAULT, RGB(0, 0, 255)));
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(opened.left, 200);
    EXPECT_EQ(opened.top, 170);
    EXPECT_EQ(opened.Width(), 158);
    EXPECT_EQ(cells, 41); // the default button and 40 colours
    EXPECT_EQ(popup.ok, 1);
    EXPECT_EQ(popup.picked, RGB(255, 0, 0));
    COLORREF c = 0;
    EXPECT_TRUE(Heard(CPN_XT_SELENDOK, &c));
    EXPECT_EQ(c, RGB(255, 0, 0));
    EXPECT_FALSE(::IsWindow(popup.GetSafeHwnd()));
}

TEST_F(PopupTest, EscapeCancelsAndTheDefaultButtonPicksTheDefaultColour)
{
    {
        ProbePopup popup;
        MiscScriptedUser user;
        user.Expect(MiscModalKind::ColorChooser, {}, [](MiscModal&) { MiscPressKey(VK_ESCAPE); });
        CRect row(10, 10, 168, 30);
        popup.AddListener(listener);
        popup.Create(row, nullptr, CPS_XT_DEFAULT, RGB(1, 2, 3));
        EXPECT_TRUE(user.AllDone()) << user.Report();
        EXPECT_EQ(popup.cancel, 1);
        EXPECT_EQ(popup.ok, 0);
        EXPECT_TRUE(Heard(CPN_XT_SELENDCANCEL));
        EXPECT_FALSE(Heard(CPN_XT_SELENDOK));
    }
    ProbePopup popup;
    MiscScriptedUser user;
    user.Expect(MiscModalKind::ColorChooser, {}, [](MiscModal& m) { MiscElement(m.hwnd).Item("Automatic").Click(); });
    CRect row(10, 10, 168, 30);
    popup.Create(row, nullptr, CPS_XT_DEFAULT, RGB(1, 2, 3), RGB(40, 50, 60));
    EXPECT_EQ(popup.picked, RGB(40, 50, 60));
}

TEST_F(PopupTest, AChooserAnswerPicksAnyColourAndNonsenseCancels)
{
    ProbePopup popup;
    MiscScriptedUser user;
    user.Expect(MiscModalKind::ColorChooser, {}, [](MiscModal& m) {
        m.answer = "12ab4F";
        m.answered = true;
    });
    CRect row(10, 10, 168, 30);
    popup.Create(row, nullptr, 0, 0);
    EXPECT_EQ(popup.ok, 1);
    EXPECT_EQ(popup.picked, RGB(0x12, 0xAB, 0x4F));

    ProbePopup other;
    MiscScriptedUser user2;
    user2.Expect(MiscModalKind::ColorChooser, {}, [](MiscModal& m) {
        m.answer = "not a colour";
        m.answered = true;
    });
    other.Create(row, nullptr, 0, 0);
    EXPECT_EQ(other.ok, 0);
    EXPECT_EQ(other.cancel, 1);
}

TEST_F(PopupTest, OpensAboveWhenTheScreenHasNoRoomBelow)
{
    ProbePopup popup;
    CRect opened;
    MiscScriptedUser user;
    user.Expect(MiscModalKind::ColorChooser, {}, [&](MiscModal& m) {
        ::GetWindowRect(m.hwnd, &opened);
        MiscPressKey(VK_ESCAPE);
    });
    const int screen = GetSystemMetrics(SM_CYSCREEN);
    CRect row(10, screen - 20, 168, screen);
    popup.Create(row, nullptr, CPS_XT_EXTENDED, 0);
    EXPECT_EQ(opened.bottom, screen - 20);
}

TEST_F(ToolkitTest, BrowseDialogIsPresetAndCancelKeepsThePath)
{
    CXTBrowseDialog dialog;
    dialog.SetSelPath("/data/pieces");
    std::string preset;
    {
        MiscScriptedUser user;
        user.Expect(MiscModalKind::Folder, {}, [&](MiscModal& m) { preset = m.initialDir; });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(user.AllDone()) << user.Report();
    }
    EXPECT_EQ(preset, "/data/pieces");
    EXPECT_EQ(dialog.GetSelPath(), CString("/data/pieces"));
    MiscScriptedUser user;
    user.ExpectFolder("/data/markers");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetSelPath(), CString("/data/markers"));
}

} // namespace
