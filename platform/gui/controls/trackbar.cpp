// The track bar (msctls_trackbar32, the slider): a range, a position, page and line sizes, tick
// marks and a selection range. Moves made by the user are reported to the parent as WM_HSCROLL
// (WM_VSCROLL for TBS_VERT) with TB_ codes; TBM_SETPOS reports nothing.
#include "controls/ctlsys.h"
#include "win32/theme.h"
#include "window/scrollbars.h"

#include <algorithm>

using namespace wndsys;

namespace {

struct TrackState {
    int min = 0;
    int max = 100;
    int pos = 0;
    int page = 20;
    int line = 1;
    int ticFreq = 1;
    bool pageSet = false; // TBM_SETPAGESIZE was used: ranges no longer change the page
    int selStart = 0;
    int selEnd = 0;
    HWND buddy[2] = {nullptr, nullptr};
    bool dragging = false; // the thumb is held
    int grab = 0;          // from the thumb's centre to the pointer, along the channel
    bool paging = false;   // a press on the channel, reported at release with TB_ENDTRACK
    bool keyMove = false;  // a key moved the thumb; its release sends TB_ENDTRACK
};

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
bool Vertical(HWND hwnd) { return (StyleOf(hwnd) & TBS_VERT) != 0; }
TrackState* Of(HWND hwnd) { return ctl::StateOf<TrackState>(hwnd); }

const int kThumbLong = 21;
const int kThumbShort = 11;

void Clamp(TrackState* s) { s->pos = std::clamp(s->pos, s->min, std::max(s->min, s->max)); }

// A new range: the position stays inside it and the page is a fifth of it unless one was set.
void RangeChanged(HWND hwnd, TrackState* s, bool redraw)
{
    Clamp(s);
    if (!s->pageSet)
        s->page = std::max(1, (s->max - s->min) / 5);
    if (redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
}

RECT Channel(HWND hwnd)
{
    RECT r;
    GetClientRect(hwnd, &r);
    if (Vertical(hwnd)) {
        int x = r.right / 2;
        return RECT{x - 2, r.top + 8, x + 2, r.bottom - 8};
    }
    // The channel runs through the middle of the thumb, which sits at the top with the tick
    // marks below it.
    int y = std::min<int>(r.bottom / 2, 10);
    return RECT{r.left + 8, y - 2, r.right - 8, y + 2};
}

RECT Thumb(HWND hwnd)
{
    TrackState* s = Of(hwnd);
    RECT c = Channel(hwnd);
    int span = std::max(1, s->max - s->min);
    if (Vertical(hwnd)) {
        int y = c.top + (c.bottom - c.top) * (s->pos - s->min) / span;
        int x = (c.left + c.right) / 2;
        return RECT{x - kThumbLong / 2, y - kThumbShort / 2, x + kThumbLong / 2 + 1, y + kThumbShort / 2 + 1};
    }
    int x = c.left + (c.right - c.left) * (s->pos - s->min) / span;
    int y = (c.top + c.bottom) / 2;
    int top = std::max(0, y - kThumbLong / 2);
    return RECT{x - kThumbShort / 2, top, x + kThumbShort / 2 + 1, top + kThumbLong - 2};
}

void Notify(HWND hwnd, WORD code)
{
    TrackState* s = Of(hwnd);
    HWND parent = GetParent(hwnd);
    WORD pos = (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) ? static_cast<WORD>(s->pos) : 0;
    if (parent)
        SendMessageA(parent, Vertical(hwnd) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(hwnd));
}

// A step made by a key or a press on the channel: the shared scroll model moves the position
// (a track bar's range has no page at its end); TB_ENDTRACK follows when the key or button is
// released.
void Step(HWND hwnd, WORD code)
{
    TrackState* s = Of(hwnd);
    const SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, s->min, std::max(s->min, s->max), 0, s->pos, 0};
    s->pos = ScrollModel::Apply(si, code, s->line, s->page, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, code);
}

int PosAt(HWND hwnd, int at)
{
    TrackState* s = Of(hwnd);
    RECT c = Channel(hwnd);
    const int from = Vertical(hwnd) ? c.top : c.left;
    const int length = std::max(1, Vertical(hwnd) ? static_cast<int>(c.bottom - c.top) : static_cast<int>(c.right - c.left));
    const int span = s->max - s->min;
    const int offset = std::clamp(at - from, 0, length);
    return s->min + (offset * span + (span >= 0 ? length / 2 : -length / 2)) / length;
}

void Drag(HWND hwnd, POINT pt)
{
    TrackState* s = Of(hwnd);
    const int pos = std::clamp(PosAt(hwnd, (Vertical(hwnd) ? pt.y : pt.x) - s->grab), s->min, std::max(s->min, s->max));
    if (pos == s->pos)
        return;
    s->pos = pos;
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, TB_THUMBTRACK);
}

// The end of a press: the thumb's final position, then TB_ENDTRACK.
void Release(HWND hwnd)
{
    TrackState* s = Of(hwnd);
    const bool dragged = s->dragging, paged = s->paging;
    s->dragging = s->paging = false;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (dragged)
        Notify(hwnd, TB_THUMBPOSITION);
    if ((dragged || paged) && IsWindow(hwnd))
        Notify(hwnd, TB_ENDTRACK);
    if (IsWindow(hwnd))
        InvalidateRect(hwnd, nullptr, TRUE);
}

void UserMoveTo(HWND hwnd, int pos)
{
    TrackState* s = Of(hwnd);
    s->pos = pos;
    Clamp(s);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, TB_THUMBTRACK);
    if (IsWindow(hwnd))
        Notify(hwnd, TB_THUMBPOSITION);
    if (IsWindow(hwnd))
        Notify(hwnd, TB_ENDTRACK);
}

void Paint(HWND hwnd)
{
    TrackState* s = Of(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (s && dc) {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, ctl::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC));
        RECT c = Channel(hwnd);
        DrawEdge(dc, &c, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
        DWORD style = StyleOf(hwnd);
        if (!(style & TBS_NOTICKS) && s->ticFreq > 0 && s->max > s->min) {
            HPEN pen = CreatePen(PS_SOLID, 1, MiscCurrentTheme().TextColor(MiscThemeElement::Window, MISC_TS_NORMAL));
            HGDIOBJ old = SelectObject(dc, pen);
            int span = s->max - s->min;
            int step = (style & TBS_AUTOTICKS) ? s->ticFreq : span;
            for (int v = s->min; v <= s->max; v += std::max(1, step)) {
                if (Vertical(hwnd)) {
                    int y = c.top + (c.bottom - c.top) * (v - s->min) / span;
                    MoveToEx(dc, c.right + 9, y, nullptr);
                    LineTo(dc, c.right + 12, y);
                } else {
                    int x = c.left + (c.right - c.left) * (v - s->min) / span;
                    int y = Thumb(hwnd).bottom + 1;
                    MoveToEx(dc, x, y, nullptr);
                    LineTo(dc, x, y + 3);
                }
            }
            SelectObject(dc, old);
            DeleteObject(pen);
        }
        if (!(style & TBS_NOTHUMB)) {
            RECT t = Thumb(hwnd);
            UINT state = s->dragging ? MISC_TS_PRESSED : MISC_TS_NORMAL;
            if (!IsWindowEnabled(hwnd))
                state |= MISC_TS_DISABLED;
            MiscCurrentTheme().DrawScrollThumb(dc, t, Vertical(hwnd), state);
        }
        if (ctl::HasFocus(hwnd))
            ctl::DrawFocus(dc, r);
    }
    EndPaint(hwnd, &ps);
}

LRESULT TrackMessage(HWND hwnd, TrackState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case TBM_GETPOS: return s->pos;
    case TBM_SETPOS:
        s->pos = static_cast<int>(lParam);
        Clamp(s);
        if (wParam)
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case TBM_SETRANGE:
        s->min = static_cast<SHORT>(LOWORD(lParam));
        s->max = static_cast<SHORT>(HIWORD(lParam));
        RangeChanged(hwnd, s, wParam != 0);
        return 0;
    case TBM_SETRANGEMIN: s->min = static_cast<int>(lParam); RangeChanged(hwnd, s, wParam != 0); return 0;
    case TBM_SETRANGEMAX: s->max = static_cast<int>(lParam); RangeChanged(hwnd, s, wParam != 0); return 0;
    case TBM_GETRANGEMIN: return s->min;
    case TBM_GETRANGEMAX: return s->max;
    case TBM_SETPAGESIZE: {
        int old = s->page;
        s->page = static_cast<int>(lParam);
        s->pageSet = true;
        return old;
    }
    case TBM_GETPAGESIZE: return s->page;
    case TBM_SETLINESIZE: { int old = s->line; s->line = static_cast<int>(lParam); return old; }
    case TBM_GETLINESIZE: return s->line;
    case TBM_SETTICFREQ: s->ticFreq = static_cast<int>(wParam); InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case TBM_GETNUMTICS:
        return (StyleOf(hwnd) & TBS_NOTICKS) ? 0 : (s->ticFreq > 0 ? (s->max - s->min) / s->ticFreq + 1 : 2);
    case TBM_SETSEL:
        s->selStart = static_cast<SHORT>(LOWORD(lParam));
        s->selEnd = static_cast<SHORT>(HIWORD(lParam));
        return 0;
    case TBM_SETSELSTART: s->selStart = static_cast<int>(lParam); return 0;
    case TBM_SETSELEND: s->selEnd = static_cast<int>(lParam); return 0;
    case TBM_GETSELSTART: return s->selStart;
    case TBM_GETSELEND: return s->selEnd;
    case TBM_CLEARSEL: s->selStart = s->selEnd = 0; return 0;
    case TBM_GETTHUMBRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = Thumb(hwnd);
        return 0;
    case TBM_GETCHANNELRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = Channel(hwnd);
        return 0;
    case TBM_SETBUDDY: {
        HWND old = s->buddy[wParam ? 0 : 1];
        s->buddy[wParam ? 0 : 1] = reinterpret_cast<HWND>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case TBM_GETBUDDY: return reinterpret_cast<LRESULT>(s->buddy[wParam ? 0 : 1]);
    case MISCM_USERSELECT: UserMoveTo(hwnd, static_cast<int>(static_cast<INT_PTR>(wParam))); return TRUE;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK TrackProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TrackState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE:
        ctl::CreateState<TrackState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        ctl::DeleteState<TrackState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
        break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_KEYDOWN: {
        WORD code = 0xFFFF;
        switch (wParam) {
        case VK_LEFT: case VK_UP: code = TB_LINEUP; break;
        case VK_RIGHT: case VK_DOWN: code = TB_LINEDOWN; break;
        case VK_PRIOR: code = TB_PAGEUP; break;
        case VK_NEXT: code = TB_PAGEDOWN; break;
        case VK_HOME: code = TB_TOP; break;
        case VK_END: code = TB_BOTTOM; break;
        default: break;
        }
        if (code != 0xFFFF) {
            s->keyMove = true;
            Step(hwnd, code);
        }
        return 0;
    }
    case WM_KEYUP:
        if (s->keyMove) {
            s->keyMove = false;
            Notify(hwnd, TB_ENDTRACK);
        }
        return 0;
    case WM_LBUTTONDOWN: {
        SetFocus(hwnd);
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT t = Thumb(hwnd);
        const int at = Vertical(hwnd) ? pt.y : pt.x;
        const int thumbAt = Vertical(hwnd) ? (t.top + t.bottom) / 2 : (t.left + t.right) / 2;
        SetCapture(hwnd);
        if (PtInRect(&t, pt) && !(StyleOf(hwnd) & TBS_NOTHUMB)) {
            s->dragging = true;
            s->grab = at - thumbAt;
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        }
        s->paging = true;
        Step(hwnd, at < thumbAt ? TB_PAGEUP : TB_PAGEDOWN);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (s->dragging)
            Drag(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        if (s->dragging || s->paging)
            Release(hwnd);
        return 0;
    case WM_CAPTURECHANGED:
        if ((s->dragging || s->paging) && reinterpret_cast<HWND>(lParam) != hwnd)
            Release(hwnd);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return TrackMessage(hwnd, s, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterTrackBarClass() { RegisterControlClass(TRACKBAR_CLASSA, TrackProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW); }
} // namespace ctl
