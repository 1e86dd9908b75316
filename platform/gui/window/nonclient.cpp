// The non-client area in the classic Windows look: frames, the caption bar with its buttons, the
// client edge and the window's own scroll bars.
#include "window/wndsys.h"
#include "win32/theme.h"
#include "window/scrollbars.h"

#include <algorithm>
#include <cstring>

using namespace wndsys;

namespace {

HFONT CaptionFont(bool small)
{
    static HFONT fonts[2] = {nullptr, nullptr};
    HFONT& f = fonts[small ? 1 : 0];
    if (!f) {
        NONCLIENTMETRICSA m{};
        m.cbSize = sizeof(m);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0);
        f = CreateFontIndirectA(small ? &m.lfSmCaptionFont : &m.lfCaptionFont);
        MiscKeepGdiObject(f);
    }
    return f;
}

void FrameBand(HDC dc, RECT* r, int width, int color)
{
    HBRUSH brush = GetSysColorBrush(color);
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, r, brush);
        InflateRect(r, -1, -1);
    }
}

void DrawFrame(HDC dc, const WndRec* w, RECT* r)
{
    DWORD style = w->style, ex = w->exStyle;
    bool thick = (style & WS_THICKFRAME) != 0;
    bool dlg = (style & WS_DLGFRAME) || (ex & WS_EX_DLGMODALFRAME);
    if ((ex & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE && !thick && !(style & WS_DLGFRAME)) {
        DrawEdge(dc, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        if (style & WS_BORDER)
            FrameBand(dc, r, 1, COLOR_WINDOWFRAME);
        return;
    }
    if (thick || dlg) {
        DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        int total = 2;
        if (thick)
            total += GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
        if ((style & (WS_BORDER | WS_DLGFRAME)) || (ex & WS_EX_DLGMODALFRAME))
            total += 1;
        FrameBand(dc, r, total - 2, thick ? COLOR_ACTIVEBORDER : COLOR_3DFACE);
        return;
    }
    if (style & WS_BORDER)
        FrameBand(dc, r, 1, COLOR_WINDOWFRAME);
}

void DrawCaption(HDC dc, const WndRec* w, RECT* r)
{
    bool small = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
    int height = GetSystemMetrics(small ? SM_CYSMCAPTION : SM_CYCAPTION);
    RECT bar{r->left, r->top, r->right, r->top + height - 1};
    RECT line{r->left, bar.bottom, r->right, r->top + height};
    r->top += height;
    bool active = GetActiveWindow() == w->handle || (w->style & WS_CHILD);
    const UINT state = active ? MISC_TS_SELECTED : MISC_TS_NORMAL;
    MiscCurrentTheme().DrawCaption(dc, bar, state);
    FillRect(dc, &line, GetSysColorBrush(COLOR_3DFACE));

    int buttonW = GetSystemMetrics(small ? SM_CXSMSIZE : SM_CXSIZE) - 2;
    int buttonH = height - 5;
    int right = bar.right - 2;
    if (w->style & WS_SYSMENU) {
        RECT b{right - buttonW, bar.top + 2, right, bar.top + 2 + buttonH};
        DrawFrameControl(dc, &b, DFC_CAPTION, DFCS_CAPTIONCLOSE);
        right = b.left - 2;
        if (!small && (w->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
            RECT mx{right - buttonW, b.top, right, b.bottom};
            DrawFrameControl(dc, &mx, DFC_CAPTION,
                             ((w->style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) |
                                 ((w->style & WS_MAXIMIZEBOX) ? 0 : DFCS_INACTIVE));
            RECT mn{mx.left - buttonW, b.top, mx.left, b.bottom};
            DrawFrameControl(dc, &mn, DFC_CAPTION,
                             DFCS_CAPTIONMIN | ((w->style & WS_MINIMIZEBOX) ? 0 : DFCS_INACTIVE));
            right = mn.left - 2;
        }
    }
    RECT text{bar.left + 4, bar.top, right - 2, bar.bottom};
    HGDIOBJ oldFont = SelectObject(dc, CaptionFont(small));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, MiscCurrentTheme().TextColor(MiscThemeElement::Caption, state));
    DrawTextA(dc, w->text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

} // namespace

namespace wndsys {

void DrawNonClient(HWND hwnd, HDC dc)
{
    WndRec* w = Find(hwnd);
    if (!w || !dc)
        return;
    RECT r{0, 0, w->window.right - w->window.left, w->window.bottom - w->window.top};
    DrawFrame(dc, w, &r);
    if ((w->style & WS_CAPTION) == WS_CAPTION)
        DrawCaption(dc, w, &r);
    DrawMenuBarArea(hwnd, dc, &r); // menu/menu_bar.cpp
    if (w->exStyle & WS_EX_CLIENTEDGE)
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    bool enabled = !(w->style & WS_DISABLED);
    bool v = (w->style & WS_VSCROLL) != 0, h = (w->style & WS_HSCROLL) != 0;
    int sv = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
    for (int bar : {SB_VERT, SB_HORZ}) {
        RECT area;
        if (!WindowScrollBarRect(hwnd, bar, &area))
            continue;
        int trackPos = w->scroll[bar].nPos;
        const ScrollPart pressed = TrackedScrollPart(hwnd, bar, &trackPos);
        PaintScrollBar(dc, area, bar == SB_VERT, w->scroll[bar], enabled, pressed, trackPos);
    }
    if (v && h) {
        RECT corner{r.right - sv, r.bottom - sh, r.right, r.bottom};
        FillRect(dc, &corner, GetSysColorBrush(COLOR_3DFACE));
    }
}

} // namespace wndsys

// Draws a scroll bar control's face; used by the scroll bar control.
void MiscDrawScrollBar(HDC dc, const RECT* r, BOOL vertical, const SCROLLINFO* si, BOOL enabled)
{
    if (dc && r && si)
        PaintScrollBar(dc, *r, vertical != FALSE, *si, enabled != FALSE, ScrollPart::None, si->nPos);
}
