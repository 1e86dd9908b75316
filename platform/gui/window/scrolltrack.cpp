// The scroll model, the layout of a scroll bar's parts, and the tracking of a press on a bar.
// Windows runs a modal loop while a bar is held; here the press captures the mouse for a hidden
// tracking window that takes the moves and the release the scripted user gives, one by one.
#include "window/scrollbars.h"

#include <algorithm>

#include "window/wndsys.h"
#include "win32/theme.h"

using namespace wndsys;

namespace wndsys {

void ScrollModel::Normalise(SCROLLINFO& si)
{
    if (si.nMax < si.nMin)
        si.nMax = si.nMin;
    const UINT range = static_cast<UINT>(si.nMax - si.nMin + 1);
    si.nPage = std::min(si.nPage, range);
    si.nPos = std::clamp(si.nPos, si.nMin, MaxPos(si));
}

int ScrollModel::MaxPos(const SCROLLINFO& si)
{
    return std::max(si.nMin, si.nMax - std::max(static_cast<int>(si.nPage) - 1, 0));
}

int ScrollModel::Apply(const SCROLLINFO& si, WORD code, int line, int pageSize, int thumbPos)
{
    const int page = pageSize > 0 ? pageSize : std::max(1, static_cast<int>(si.nPage));
    int pos = si.nPos;
    switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = thumbPos; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = MaxPos(si); break;
    default: break;
    }
    return std::clamp(pos, si.nMin, MaxPos(si));
}

ScrollBarLayout LayoutScrollBar(const RECT& r, bool vertical, const SCROLLINFO& si, bool enabled)
{
    ScrollBarLayout l;
    const int extent = vertical ? r.bottom - r.top : r.right - r.left;
    const int arrow = std::min<int>(GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL), extent / 2);
    l.first = l.last = l.track = r;
    if (vertical) {
        l.first.bottom = r.top + arrow;
        l.last.top = r.bottom - arrow;
        l.track = RECT{r.left, l.first.bottom, r.right, l.last.top};
    } else {
        l.first.right = r.left + arrow;
        l.last.left = r.right - arrow;
        l.track = RECT{l.first.right, r.top, l.last.left, r.bottom};
    }
    const int range = si.nMax - si.nMin + 1;
    l.active = enabled && range > 0 && range > static_cast<int>(si.nPage);
    if (!l.active)
        return l;
    const int length = vertical ? l.track.bottom - l.track.top : l.track.right - l.track.left;
    const int page = si.nPage ? static_cast<int>(si.nPage) : 1;
    const int thumb = std::max(8, static_cast<int>(static_cast<long long>(length) * page / range));
    if (thumb >= length)
        return l;
    const int span = range - page;
    int offset = span > 0 ? static_cast<int>(static_cast<long long>(length - thumb) * (si.nPos - si.nMin) / span) : 0;
    offset = std::clamp(offset, 0, length - thumb);
    l.thumb = l.track;
    if (vertical) {
        l.thumb.top += offset;
        l.thumb.bottom = l.thumb.top + thumb;
    } else {
        l.thumb.left += offset;
        l.thumb.right = l.thumb.left + thumb;
    }
    l.thumbShown = true;
    return l;
}

ScrollPart HitScrollBar(const ScrollBarLayout& l, bool vertical, POINT p)
{
    if (PtInRect(&l.first, p))
        return ScrollPart::FirstArrow;
    if (PtInRect(&l.last, p))
        return ScrollPart::LastArrow;
    if (!PtInRect(&l.track, p) || !l.thumbShown)
        return ScrollPart::None;
    if (PtInRect(&l.thumb, p))
        return ScrollPart::Thumb;
    const bool before = vertical ? p.y < l.thumb.top : p.x < l.thumb.left;
    return before ? ScrollPart::FirstPage : ScrollPart::LastPage;
}

int ScrollPosAt(const ScrollBarLayout& l, bool vertical, const SCROLLINFO& si, int thumbStart)
{
    if (!l.thumbShown)
        return si.nPos;
    const int length = vertical ? l.track.bottom - l.track.top : l.track.right - l.track.left;
    const int thumb = vertical ? l.thumb.bottom - l.thumb.top : l.thumb.right - l.thumb.left;
    const int room = length - thumb;
    const int range = si.nMax - si.nMin + 1;
    const int span = range - (si.nPage ? static_cast<int>(si.nPage) : 1);
    if (room <= 0 || span <= 0)
        return si.nMin;
    const int at = std::clamp(thumbStart, 0, room);
    const int pos = si.nMin + static_cast<int>((static_cast<long long>(at) * span + room / 2) / room);
    return std::clamp(pos, si.nMin, ScrollModel::MaxPos(si));
}

void PaintScrollBar(HDC dc, const RECT& r, bool vertical, const SCROLLINFO& si, bool enabled, ScrollPart pressed,
                    int trackPos)
{
    SCROLLINFO shown = si;
    if (pressed == ScrollPart::Thumb)
        shown.nPos = trackPos;
    const ScrollBarLayout l = LayoutScrollBar(r, vertical, shown, enabled);
    MiscTheme& theme = MiscCurrentTheme();
    const UINT off = l.active ? MISC_TS_NORMAL : MISC_TS_DISABLED;
    auto held = [&](ScrollPart part) { return pressed == part ? MISC_TS_PRESSED : MISC_TS_NORMAL; };
    theme.DrawScrollArrow(dc, l.first, vertical ? 0 : 2, off | held(ScrollPart::FirstArrow));
    theme.DrawScrollArrow(dc, l.last, vertical ? 1 : 3, off | held(ScrollPart::LastArrow));
    if (!l.thumbShown) {
        theme.DrawScrollTrack(dc, l.track, vertical, off);
        return;
    }
    RECT before = l.track, after = l.track;
    if (vertical) {
        before.bottom = l.thumb.top;
        after.top = l.thumb.bottom;
    } else {
        before.right = l.thumb.left;
        after.left = l.thumb.right;
    }
    theme.DrawScrollTrack(dc, before, vertical, held(ScrollPart::FirstPage));
    theme.DrawScrollTrack(dc, after, vertical, held(ScrollPart::LastPage));
    theme.DrawScrollThumb(dc, l.thumb, vertical, held(ScrollPart::Thumb));
}

bool WindowScrollBarRect(HWND hwnd, int bar, RECT* r)
{
    WndRec* w = Find(hwnd);
    if (!w || !r)
        return false;
    const RECT& c = w->client;
    if (bar == SB_VERT && (w->style & WS_VSCROLL)) {
        *r = RECT{c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom};
        return c.right < w->window.right - w->window.left;
    }
    if (bar == SB_HORZ && (w->style & WS_HSCROLL)) {
        *r = RECT{c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
        return c.bottom < w->window.bottom - w->window.top;
    }
    return false;
}

} // namespace wndsys

namespace {

struct Track {
    HWND owner = nullptr;
    HWND tracker = nullptr;
    int bar = SB_VERT;
    bool vertical = true;
    ScrollPart part = ScrollPart::None;
    int grab = 0; // from the thumb's start to the pointer, along the bar
    int trackPos = 0;
};

Track g_track;

const char kTrackerClass[] = "MiscScrollTracker";

bool Vertical(HWND owner, int bar)
{
    if (bar == SB_CTL)
        return (GetWindowLongA(owner, GWL_STYLE) & SBS_VERT) != 0;
    return bar == SB_VERT;
}

// The bar's rectangle and state, in screen coordinates.
bool BarOnScreen(HWND owner, int bar, RECT* r, SCROLLINFO* si)
{
    si->cbSize = sizeof(*si);
    si->fMask = SIF_ALL;
    if (!GetScrollInfo(owner, bar, si))
        return false;
    if (bar == SB_CTL) {
        GetClientRect(owner, r);
        MapWindowPoints(owner, nullptr, reinterpret_cast<POINT*>(r), 2);
        return true;
    }
    if (!WindowScrollBarRect(owner, bar, r))
        return false;
    RECT wr;
    GetWindowRect(owner, &wr);
    OffsetRect(r, wr.left, wr.top);
    return true;
}

void Report(const Track& t, WORD code, int pos)
{
    const UINT msg = t.vertical ? WM_VSCROLL : WM_HSCROLL;
    if (t.bar == SB_CTL) {
        if (HWND parent = GetParent(t.owner))
            SendMessageA(parent, msg, MAKEWPARAM(code, static_cast<WORD>(pos)), reinterpret_cast<LPARAM>(t.owner));
    } else {
        SendMessageA(t.owner, msg, MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
    }
}

void RedrawBar(HWND owner, int bar)
{
    if (bar == SB_CTL)
        InvalidateRect(owner, nullptr, FALSE);
    else if (WndRec* w = Find(owner))
        w->ncDirty = true;
}

// Ends the press: the thumb's final position and SB_ENDSCROLL are reported (unless the press
// is abandoned), the bar is drawn released and the capture given back.
void Finish(bool report)
{
    static bool finishing = false;
    if (finishing || !g_track.owner)
        return;
    finishing = true;
    const Track t = g_track;
    if (report && IsWindow(t.owner)) {
        if (t.part == ScrollPart::Thumb)
            Report(t, SB_THUMBPOSITION, t.trackPos);
        if (IsWindow(t.owner))
            Report(t, SB_ENDSCROLL, 0);
    }
    g_track = Track{};
    if (IsWindow(t.owner))
        RedrawBar(t.owner, t.bar);
    if (IsWindow(t.tracker)) {
        if (GetCapture() == t.tracker)
            ReleaseCapture();
        DestroyWindow(t.tracker);
    }
    finishing = false;
}

void Drag(POINT screen)
{
    RECT r;
    SCROLLINFO si;
    if (!BarOnScreen(g_track.owner, g_track.bar, &r, &si))
        return;
    const ScrollBarLayout l = LayoutScrollBar(r, g_track.vertical, si, true);
    const int along = g_track.vertical ? screen.y - l.track.top : screen.x - l.track.left;
    const int pos = ScrollPosAt(l, g_track.vertical, si, along - g_track.grab);
    if (pos == g_track.trackPos)
        return;
    g_track.trackPos = pos;
    if (g_track.bar != SB_CTL)
        if (WndRec* w = Find(g_track.owner))
            w->scroll[g_track.bar].nTrackPos = pos;
    RedrawBar(g_track.owner, g_track.bar);
    Report(g_track, SB_THUMBTRACK, pos);
}

LRESULT CALLBACK TrackerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == g_track.tracker) {
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        switch (msg) {
        case WM_MOUSEMOVE:
            ClientToScreen(hwnd, &screen);
            if (g_track.part == ScrollPart::Thumb)
                Drag(screen);
            return 0;
        case WM_LBUTTONUP: Finish(true); return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd)
                Finish(true);
            return 0;
        default: break;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeTracker()
{
    static bool registered = false;
    WNDCLASSA existing{};
    if (!registered || !GetClassInfoA(nullptr, kTrackerClass, &existing)) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = TrackerProc;
        wc.lpszClassName = kTrackerClass;
        RegisterClassA(&wc);
        registered = true;
    }
    return CreateWindowExA(WS_EX_TOOLWINDOW, kTrackerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                           nullptr);
}

} // namespace

namespace wndsys {

bool StartScrollTrack(HWND hwnd, int bar, POINT screen)
{
    if (g_track.owner)
        Finish(false);
    RECT r;
    SCROLLINFO si;
    if (!IsWindowEnabled(hwnd) || !BarOnScreen(hwnd, bar, &r, &si))
        return false;
    const bool vertical = Vertical(hwnd, bar);
    const ScrollBarLayout l = LayoutScrollBar(r, vertical, si, true);
    const ScrollPart part = HitScrollBar(l, vertical, screen);
    if (part == ScrollPart::None)
        return false;
    HWND tracker = MakeTracker();
    if (!tracker)
        return false;
    g_track.owner = hwnd;
    g_track.tracker = tracker;
    g_track.bar = bar;
    g_track.vertical = vertical;
    g_track.part = part;
    g_track.trackPos = si.nPos;
    g_track.grab = vertical ? screen.y - l.thumb.top : screen.x - l.thumb.left;
    SetCapture(tracker);
    RedrawBar(hwnd, bar);
    switch (part) {
    case ScrollPart::FirstArrow: Report(g_track, SB_LINEUP, 0); break;
    case ScrollPart::LastArrow: Report(g_track, SB_LINEDOWN, 0); break;
    case ScrollPart::FirstPage: Report(g_track, SB_PAGEUP, 0); break;
    case ScrollPart::LastPage: Report(g_track, SB_PAGEDOWN, 0); break;
    default: break; // the thumb reports when it moves
    }
    return true;
}

ScrollPart TrackedScrollPart(HWND hwnd, int bar, int* trackPos)
{
    if (!hwnd || g_track.owner != hwnd || g_track.bar != bar)
        return ScrollPart::None;
    if (trackPos)
        *trackPos = g_track.trackPos;
    return g_track.part;
}

} // namespace wndsys
