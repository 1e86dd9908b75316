// Scroll bars that a user presses: a window's own bars and the scroll bar control (arrows, page
// areas, dragging the thumb, the SB_ codes they report), and ScrollWindowEx.
#include "gui_fixture.h"
#include "ctl_test_parent.h"

#include <vector>

#include "win32/surface.h"

using namespace guitest;

namespace {

struct Report {
    UINT code;
    int pos;
};
std::vector<Report> g_reports;
bool g_follow = true; // the window moves its bar as an application does

LRESULT CALLBACK ScrollingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_VSCROLL || msg == WM_HSCROLL) {
        const int bar = msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
        const UINT code = LOWORD(wParam);
        g_reports.push_back(Report{code, static_cast<SHORT>(HIWORD(wParam))});
        if (!g_follow)
            return 0;
        int pos = GetScrollPos(hwnd, bar);
        switch (code) {
        case SB_LINEUP: --pos; break;
        case SB_LINEDOWN: ++pos; break;
        case SB_PAGEUP: pos -= 10; break;
        case SB_PAGEDOWN: pos += 10; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = static_cast<SHORT>(HIWORD(wParam)); break;
        default: return 0;
        }
        SetScrollPos(hwnd, bar, pos, TRUE);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::vector<UINT> Codes()
{
    std::vector<UINT> out;
    for (const Report& r : g_reports)
        out.push_back(r.code);
    return out;
}

class ScrollTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_reports.clear();
        g_follow = true;
        WNDCLASSA wc{};
        wc.lpfnWndProc = ScrollingProc;
        wc.lpszClassName = "ScrollTestWindow";
        RegisterClassA(&wc);
        // No frame: window, screen and bar coordinates are easy to tell apart.
        wnd = CreateWindowExA(0, "ScrollTestWindow", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 216,
                              216, nullptr, nullptr, nullptr, nullptr);
        SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
        SetScrollInfo(wnd, SB_VERT, &si, TRUE);
        SetScrollInfo(wnd, SB_HORZ, &si, TRUE);
        MiscSettle();
    }
    // The press as the input router delivers it over a window's bar, then the rest as the user's
    // mouse (client coordinates of the window, which may lie outside its client area).
    void Press(int x, int y, LRESULT hit = HTVSCROLL)
    {
        POINT pt{x, y};
        ClientToScreen(wnd, &pt);
        SendMessageA(wnd, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(pt.x, pt.y));
    }
    HWND wnd = nullptr;
};

// The vertical bar lies at x 200..216, y 0..200: arrows 0..16 and 184..200.
TEST_F(ScrollTest, ArrowsAndPageAreasReportOneStepAndEndScrollOnRelease)
{
    Press(208, 190);
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_LINEDOWN}));
    MiscSendMouse(wnd, WM_LBUTTONUP, 208, 190);
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(wnd, SB_VERT), 1);
    EXPECT_EQ(GetCapture(), nullptr);

    g_reports.clear();
    Press(208, 150); // below the thumb
    MiscSendMouse(wnd, WM_LBUTTONUP, 208, 150);
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_PAGEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(wnd, SB_VERT), 11);

    g_reports.clear();
    Press(208, 5);
    MiscSendMouse(wnd, WM_LBUTTONUP, 208, 5);
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_LINEUP, SB_ENDSCROLL}));

    g_reports.clear();
    Press(100, 208, HTHSCROLL); // the horizontal bar, right of its thumb
    MiscSendMouse(wnd, WM_LBUTTONUP, 100, 208);
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_PAGEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(wnd, SB_HORZ), 10);
}

TEST_F(ScrollTest, DraggingTheThumbTracksThenSetsThePosition)
{
    g_follow = false; // the thumb follows the mouse even when the window does not move its bar
    // The track is 168 pixels, the thumb 16 (10 of 100): 152 pixels for positions 0..90.
    Press(208, 20); // on the thumb, 4 pixels into it
    EXPECT_TRUE(g_reports.empty());
    MiscSendMouse(wnd, WM_MOUSEMOVE, 208, 96); // the thumb moves by 76 pixels: half way
    ASSERT_EQ(Codes(), (std::vector<UINT>{SB_THUMBTRACK}));
    EXPECT_EQ(g_reports[0].pos, 45);
    SCROLLINFO si{sizeof(si), SIF_TRACKPOS | SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(wnd, SB_VERT, &si);
    EXPECT_EQ(si.nTrackPos, 45);
    EXPECT_EQ(si.nPos, 0);
    MiscSendMouse(wnd, WM_MOUSEMOVE, 208, 96); // no move, no report
    MiscSendMouse(wnd, WM_MOUSEMOVE, 208, 500); // far beyond the end: the last position
    MiscSendMouse(wnd, WM_LBUTTONUP, 208, 500);
    ASSERT_EQ(Codes(), (std::vector<UINT>{SB_THUMBTRACK, SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(g_reports[1].pos, 90);
    EXPECT_EQ(g_reports[2].pos, 90);
    EXPECT_EQ(GetCapture(), nullptr);
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(wnd, SB_VERT, &si);
    EXPECT_EQ(si.nTrackPos, 0); // the press is over: the position again
}

TEST_F(ScrollTest, ABarWhoseRangeFitsThePageTakesNoPressOnItsTrack)
{
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE, 0, 9, 10, 0, 0};
    SetScrollInfo(wnd, SB_VERT, &si, TRUE);
    Press(208, 100);
    MiscSendMouse(wnd, WM_LBUTTONUP, 208, 100);
    EXPECT_TRUE(g_reports.empty());
}

TEST_F(ScrollTest, TheScrollBarControlReportsToItsParentWithItsHandle)
{
    NoteParent parent;
    HWND bar = parent.Child("ScrollBar", SBS_VERT, 9, 10, 10, 16, 200);
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
    MiscSendMouse(bar, WM_LBUTTONDOWN, 8, 195);
    MiscSendMouse(bar, WM_LBUTTONUP, 8, 195);
    MiscSendMouse(bar, WM_LBUTTONDOWN, 8, 4); // thumb (at 16..32), then dragged down
    MiscSendMouse(bar, WM_MOUSEMOVE, 8, 80);
    MiscSendMouse(bar, WM_LBUTTONUP, 8, 80);
    EXPECT_EQ(parent.Codes(WM_VSCROLL), (std::vector<UINT>{SB_LINEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL}));
    parent.notes.clear();
    MiscSendMouse(bar, WM_LBUTTONDOWN, 8, 20);
    MiscSendMouse(bar, WM_MOUSEMOVE, 8, 96);
    MiscSendMouse(bar, WM_LBUTTONUP, 8, 96);
    ASSERT_EQ(parent.Codes(WM_VSCROLL), (std::vector<UINT>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(parent.notes[0].id, 9);
    EXPECT_EQ(parent.notes[0].value, 45);
}

LRESULT CALLBACK QuietProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND)
        return 1;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(ScrollTest, ScrollWindowExMovesPixelsChildrenAndInvalidatesWhatItUncovers)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = QuietProc;
    wc.lpszClassName = "ScrollQuiet";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, "ScrollQuiet", "", WS_POPUP | WS_VISIBLE, 300, 0, 100, 100, nullptr, nullptr,
                             nullptr, nullptr);
    HWND child = CreateWindowExA(0, "ScrollQuiet", "", WS_CHILD, 10, 50, 10, 10, w, nullptr, nullptr, nullptr);
    MiscSettle();
    HDC dc = GetDC(w);
    RECT all{0, 0, 100, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT mark{0, 40, 100, 50};
    FillRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(w, dc);

    RECT uncovered{};
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ScrollWindowEx(w, 0, -30, nullptr, nullptr, rgn, &uncovered, SW_INVALIDATE | SW_SCROLLCHILDREN),
              SIMPLEREGION);
    EXPECT_EQ(uncovered.top, 70);
    EXPECT_EQ(uncovered.bottom, 100);
    RECT box{};
    GetRgnBox(rgn, &box);
    EXPECT_TRUE(EqualRect(&box, &uncovered));
    DeleteObject(rgn);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(w, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &uncovered));
    RECT cr;
    GetWindowRect(child, &cr);
    EXPECT_EQ(cr.top, 20);

    MiscSurface shot = MiscCaptureWindow(w);
    auto at = [&](int x, int y) { return MiscColorFromPixel(shot.pixels[static_cast<size_t>(y) * shot.width + x]); };
    EXPECT_EQ(at(50, 15), RGB(0, 0, 0)); // the band moved up by 30
    EXPECT_EQ(at(50, 45), RGB(255, 255, 255));

    // Nothing uncovered when nothing moves.
    EXPECT_EQ(ScrollWindowEx(w, 0, 0, nullptr, nullptr, nullptr, &uncovered, SW_INVALIDATE), NULLREGION);
}

} // namespace

namespace {

TEST_F(ScrollTest, TrackBarThumbDragsWithTrackReportsAndPageClicksEndOnRelease)
{
    NoteParent parent;
    HWND bar = parent.Child(TRACKBAR_CLASSA, 0, 4, 0, 0, 200, 30);
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    // The channel runs from x 8 to 192; the thumb is centred on its position.
    MiscSendMouse(bar, WM_LBUTTONDOWN, 9, 10); // a pixel right of the thumb's centre
    EXPECT_EQ(GetCapture(), bar);
    MiscSendMouse(bar, WM_MOUSEMOVE, 101, 10);
    MiscSendMouse(bar, WM_MOUSEMOVE, 101, 25); // off the channel sideways: still dragging
    MiscSendMouse(bar, WM_LBUTTONUP, 101, 25);
    EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_EQ(parent.Codes(WM_HSCROLL), (std::vector<UINT>{TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK}));
    EXPECT_EQ(parent.notes[0].id, 4);
    EXPECT_EQ(parent.notes[0].value, 50);
    EXPECT_EQ(parent.notes[1].value, 50);

    parent.notes.clear();
    MiscSendMouse(bar, WM_LBUTTONDOWN, 150, 10); // right of the thumb: a page (a fifth of the range)
    EXPECT_EQ(parent.Codes(WM_HSCROLL), (std::vector<UINT>{TB_PAGEDOWN}));
    MiscSendMouse(bar, WM_LBUTTONUP, 150, 10);
    EXPECT_EQ(parent.Codes(WM_HSCROLL), (std::vector<UINT>{TB_PAGEDOWN, TB_ENDTRACK}));
    EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 70);

    parent.notes.clear();
    MiscSendMouse(bar, WM_LBUTTONDOWN, 137, 10); // on the thumb (centred at 136), dragged past the end
    MiscSendMouse(bar, WM_MOUSEMOVE, 400, 10);
    MiscSendMouse(bar, WM_LBUTTONUP, 400, 10);
    EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 100);
    EXPECT_EQ(parent.Codes(WM_HSCROLL), (std::vector<UINT>{TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK}));
}

TEST_F(ScrollTest, VerticalTrackBarReportsWithVScroll)
{
    NoteParent parent;
    HWND bar = parent.Child(TRACKBAR_CLASSA, TBS_VERT, 5, 0, 0, 30, 200);
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SetFocus(bar);
    MiscSendKey(VK_DOWN);
    MiscSendKey(VK_END);
    EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 10);
    EXPECT_EQ(parent.Codes(WM_VSCROLL), (std::vector<UINT>{TB_LINEDOWN, TB_ENDTRACK, TB_BOTTOM, TB_ENDTRACK}));
}

} // namespace
