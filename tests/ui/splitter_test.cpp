// Dialog splitter bars: drags that move and stretch panes, the clip range and its minimums,
// clicks that leave no room, clicks without a move, Escape, a lost capture, and the message to
// the dialog (posted by the x form, sent by the y form).
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

enum : int { kLeft = 101, kBar = 102, kRight = 103, kAbove = 201, kYBar = 202, kBelow = 203 };
constexpr UINT kDropCapture = WM_APP + 7;

// The dialog: records message 2024, and drops the mouse capture when asked to.
class Host : public CWnd {
public:
    struct Moved {
        int delta;
        int id;
    };
    std::vector<Moved> moved;

protected:
    afx_msg LRESULT OnMoved(WPARAM w, LPARAM l)
    {
        moved.push_back({static_cast<int>(w), static_cast<int>(l)});
        return 0;
    }
    afx_msg LRESULT OnDropCapture(WPARAM, LPARAM)
    {
        ::SetCapture(m_hWnd);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Host, CWnd)
    ON_MESSAGE(WM_SPLITTER_MOVED, OnMoved)
    ON_MESSAGE(kDropCapture, OnDropCapture)
END_MESSAGE_MAP()

class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        ASSERT_TRUE(host.CreateEx(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr));
        CRect client;
        host.GetClientRect(&client);
        ASSERT_EQ(client.Width(), 300) << "a popup without frame";
        Child(kLeft, 10, 10, 130, 180);
        Child(kBar, 140, 10, 6, 180);
        Child(kRight, 146, 10, 144, 180);
        Child(kAbove, 0, 0, 300, 5);
        Child(kYBar, 0, 5, 300, 4);
        Child(kBelow, 0, 9, 300, 1);
    }
    void TearDown() override
    {
        x.DestroyWindow();
        y.DestroyWindow();
        host.DestroyWindow();
        MiscResetPlatform();
    }
    void Child(int id, int l, int t, int w, int h)
    {
        ASSERT_TRUE(::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, l, t, w, h, host.m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr));
    }
    CRect Rect(int id)
    {
        CRect r;
        host.GetDlgItem(id)->GetWindowRect(&r);
        host.ScreenToClient(&r);
        return r;
    }
    void BindX()
    {
        ASSERT_EQ(x.BindWithControl(&host, kBar), 1);
        x.AttachAsLeftPane(kLeft);
        x.AttachAsRightPane(kRight);
    }
    // Queues a drag on hwnd: press at (px, py), moves by each step, then `end` (a message).
    static void QueueDrag(HWND hwnd, int px, int py, std::vector<POINT> moves, UINT end = WM_LBUTTONUP)
    {
        ::PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(px, py));
        for (POINT m : moves)
            ::PostMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(m.x, m.y));
        if (end == WM_KEYDOWN)
            ::PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
        else
            ::PostMessageA(hwnd, end, 0, MAKELPARAM(px, py));
    }

    Host host;
    CxDlgSplitterWnd x;
    CyDlgSplitterWnd y;
};

TEST_F(SplitterTest, DragMovesTheBarAndStretchesThePanes)
{
    BindX();
    EXPECT_EQ(x.minLeft, 10);
    EXPECT_EQ(x.minRight, 10);
    EXPECT_TRUE(x.GetStyle() & SS_NOTIFY);
    QueueDrag(x.m_hWnd, 3, 50, {{13, 50}, {33, 52}});
    MiscPumpMessages();
    EXPECT_EQ(Rect(kBar), CRect(170, 10, 176, 190));
    EXPECT_EQ(Rect(kLeft).right, 170);
    EXPECT_EQ(Rect(kLeft).left, 10) << "only the bordering edge moves";
    EXPECT_EQ(Rect(kRight).left, 176);
    EXPECT_EQ(Rect(kRight).right, 290);
    ASSERT_EQ(host.moved.size(), 1u);
    EXPECT_EQ(host.moved[0].delta, 30);
    EXPECT_EQ(host.moved[0].id, kBar);
    EXPECT_EQ(::GetCapture(), nullptr);
    RECT clip;
    ::GetClipCursor(&clip);
    EXPECT_GT(clip.right - clip.left, 300) << "the cursor is free again";
}

TEST_F(SplitterTest, DragStopsAtThePaneMinimums)
{
    BindX();
    x.SetMinWidth(20, 30);
    QueueDrag(x.m_hWnd, 3, 50, {{-500, 50}});
    MiscPumpMessages();
    EXPECT_EQ(Rect(kBar).left, 10 + 20) << "left pane's left + minimum";
    QueueDrag(x.m_hWnd, 3, 50, {{900, 50}});
    MiscPumpMessages();
    EXPECT_EQ(Rect(kBar).right, 290 - 30) << "right pane's right - minimum";
    ASSERT_EQ(host.moved.size(), 2u);
    EXPECT_EQ(host.moved[0].delta, -110);
}

TEST_F(SplitterTest, BarWithoutPanesStaysInsideTheShrunkClientArea)
{
    ASSERT_EQ(x.BindWithControl(&host, kBar), 1);
    QueueDrag(x.m_hWnd, 0, 50, {{-1000, 50}});
    MiscPumpMessages();
    EXPECT_EQ(Rect(kBar).left, 10);
    QueueDrag(x.m_hWnd, 5, 50, {{1000, 50}});
    MiscPumpMessages();
    EXPECT_EQ(Rect(kBar).right, 290);
}

TEST_F(SplitterTest, ClickThatLeavesNoRoomDoesNothing)
{
    BindX();
    x.SetMinWidth(100, 100); // lo = 110, hi = 190: room, but ...
    x.SetMinWidth(150, 150); // lo = 160, hi = 140: none
    const CRect before = Rect(kBar);
    QueueDrag(x.m_hWnd, 3, 50, {{40, 50}});
    MiscPumpMessages();
    EXPECT_EQ(Rect(kBar), before);
    EXPECT_TRUE(host.moved.empty());
    EXPECT_EQ(::GetCapture(), nullptr);
    // Room narrower than the bar itself counts as none too: lo = 140 + 10, hi = 164 - 10.
    x.SetMinWidth(10, 10);
    ::MoveWindow(host.GetDlgItem(kRight)->m_hWnd, 146, 10, 18, 180, TRUE);
    x.DetachAllPanes();
    x.AttachAsLeftPane(kBar);
    x.AttachAsRightPane(kRight);
    QueueDrag(x.m_hWnd, 3, 50, {{40, 50}});
    MiscPumpMessages();
    EXPECT_EQ(Rect(kBar), before);
    EXPECT_TRUE(host.moved.empty());
}

TEST_F(SplitterTest, ClickWithoutMoveChangesNothing)
{
    BindX();
    const CRect left = Rect(kLeft), right = Rect(kRight);
    QueueDrag(x.m_hWnd, 3, 50, {});
    QueueDrag(x.m_hWnd, 3, 50, {{3, 80}}); // a move along the bar only
    MiscPumpMessages();
    EXPECT_EQ(Rect(kLeft), left);
    EXPECT_EQ(Rect(kRight), right);
    EXPECT_TRUE(host.moved.empty());
}

TEST_F(SplitterTest, EscapeEndsTheDragWhereItIs)
{
    BindX();
    QueueDrag(x.m_hWnd, 3, 50, {{23, 50}}, WM_KEYDOWN);
    ::PostMessageA(x.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(63, 50)); // after the drag
    MiscPumpMessages();
    EXPECT_EQ(Rect(kBar).left, 160);
    ASSERT_EQ(host.moved.size(), 1u);
    EXPECT_EQ(host.moved[0].delta, 20);
}

TEST_F(SplitterTest, OtherKeysAreSwallowedAndTheRightButtonEnds)
{
    BindX();
    ::PostMessageA(x.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 50));
    ::PostMessageA(x.m_hWnd, WM_KEYDOWN, 'A', 0);
    ::PostMessageA(x.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-7, 50));
    ::PostMessageA(x.m_hWnd, WM_RBUTTONDOWN, 0, 0);
    MiscPumpMessages();
    ASSERT_EQ(host.moved.size(), 1u);
    EXPECT_EQ(host.moved[0].delta, -10);
}

TEST_F(SplitterTest, LostCaptureEndsTheDrag)
{
    BindX();
    ::PostMessageA(x.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 50));
    ::PostMessageA(x.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, 50));
    ::PostMessageA(host.m_hWnd, kDropCapture, 0, 0); // dispatched inside the loop
    ::PostMessageA(x.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 50));
    MiscPumpMessages();
    EXPECT_EQ(::GetCapture(), host.m_hWnd) << "the other window keeps its capture";
    ASSERT_EQ(host.moved.size(), 1u);
    EXPECT_EQ(host.moved[0].delta, 5);
    ::ReleaseCapture();
}

TEST_F(SplitterTest, NothingWhileAnotherWindowHasTheCapture)
{
    BindX();
    ::SetCapture(host.m_hWnd);
    x.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 50));
    EXPECT_EQ(::GetCapture(), host.m_hWnd);
    ::ReleaseCapture();
    MiscPumpMessages();
    EXPECT_TRUE(host.moved.empty());
}

TEST_F(SplitterTest, XPostsAndYSends)
{
    BindX();
    ::PostMessageA(x.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(13, 50));
    ::PostMessageA(x.m_hWnd, WM_LBUTTONUP, 0, 0);
    x.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 50));
    EXPECT_TRUE(host.moved.empty()) << "posted, not yet delivered";
    MiscPumpMessages();
    ASSERT_EQ(host.moved.size(), 1u);

    // The y form: a bar between a pane above (0..5) and below (9..10) within a 200-high dialog.
    host.moved.clear();
    ::MoveWindow(host.GetDlgItem(kAbove)->m_hWnd, 0, 0, 300, 50, TRUE);
    ::MoveWindow(host.GetDlgItem(kYBar)->m_hWnd, 0, 50, 300, 4, TRUE);
    ::MoveWindow(host.GetDlgItem(kBelow)->m_hWnd, 0, 54, 300, 146, TRUE);
    ASSERT_EQ(y.BindWithControl(&host, kYBar), 1);
    y.AttachAsAbovePane(kAbove);
    y.AttachAsBelowPane(kBelow);
    ::PostMessageA(y.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 2 + 25));
    ::PostMessageA(y.m_hWnd, WM_LBUTTONUP, 0, 0);
    y.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 2));
    ASSERT_EQ(host.moved.size(), 1u) << "sent before the click returns";
    EXPECT_EQ(host.moved[0].delta, 25);
    EXPECT_EQ(host.moved[0].id, kYBar);
    EXPECT_EQ(Rect(kYBar), CRect(0, 75, 300, 79));
    EXPECT_EQ(Rect(kAbove).bottom, 74) << "one pixel above the bar";
    EXPECT_EQ(Rect(kBelow).top, 80) << "one pixel below the bar";
    EXPECT_EQ(Rect(kBelow).bottom, 200);
}

TEST_F(SplitterTest, YMinimumsLimitTheDrag)
{
    ::MoveWindow(host.GetDlgItem(kAbove)->m_hWnd, 0, 20, 300, 30, TRUE);
    ::MoveWindow(host.GetDlgItem(kYBar)->m_hWnd, 0, 50, 300, 4, TRUE);
    ::MoveWindow(host.GetDlgItem(kBelow)->m_hWnd, 0, 54, 300, 100, TRUE);
    ASSERT_EQ(y.BindWithControl(&host, kYBar), 1);
    EXPECT_EQ(y.minAbove, 10) << "the default before SetMinHeight";
    y.AttachAsAbovePane(kAbove);
    y.AttachAsBelowPane(kBelow);
    y.SetMinHeight(5, 40);
    QueueDrag(y.m_hWnd, 100, 1, {{100, -500}});
    MiscPumpMessages();
    EXPECT_EQ(Rect(kYBar).top, 25);
    QueueDrag(y.m_hWnd, 100, 1, {{100, 500}});
    MiscPumpMessages();
    EXPECT_EQ(Rect(kYBar).bottom, 154 - 40);
}

TEST_F(SplitterTest, BindingAndRepaintList)
{
    EXPECT_EQ(x.BindWithControl(&host, 999), 0) << "no such control";
    BindX();
    EXPECT_FALSE(x.IsRepaint(kLeft));
    x.AddToRepaints(kLeft);
    x.AddToRepaints(kLeft);
    EXPECT_TRUE(x.IsRepaint(kLeft));
    x.RemoveFromRepaints(kLeft);
    EXPECT_FALSE(x.IsRepaint(kLeft));
    HWND control = x.m_hWnd;
    x.Unbind();
    EXPECT_EQ(x.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(::IsWindow(control)) << "the control stays with the dialog";
    EXPECT_EQ(x.leftPanes.GetSize(), 0);
}

} // namespace
