// DrawFrameControl in the classic Windows look: push buttons, check boxes, radio buttons,
// scroll arrows, caption buttons and menu glyphs.
#include <algorithm>

#include "../stock.h"
#include "style_painter.h"
#include "win32/gdi.h"

using namespace gdi;

namespace {

// The square of a check box or radio button: at the left, centred vertically.
RECT ButtonBox(const RECT& r, int size)
{
    const int s = std::min({size, static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)});
    const int top = r.top + (r.bottom - r.top - s) / 2;
    return RECT{r.left, top, r.left + s, top + s};
}

void CheckMark(StylePainter& p, const RECT& box, COLORREF color)
{
    // A tick of seven columns, three pixels high, in the middle of the box.
    const int x0 = box.left + (box.right - box.left - 7) / 2;
    const int y0 = box.top + (box.bottom - box.top - 7) / 2;
    static const int rise[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i)
        p.Fill(x0 + i, y0 + rise[i], x0 + i + 1, y0 + rise[i] + 3, color);
}

void Disc(StylePainter& p, int cx, int cy, int radius2, COLORREF color)
{
    // Pixels whose centres lie within the circle of squared radius radius2 / 4 about (cx, cy)
    // (coordinates doubled, so half pixels count).
    const int r = radius2;
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
            if ((2 * x + 1) * (2 * x + 1) + (2 * y + 1) * (2 * y + 1) <= 4 * r * r)
                p.Pixel(cx + x, cy + y, color);
}

BOOL DrawButton(HDC hdc, LPRECT rect, UINT state)
{
    const UINT kind = state & 0x1F;
    if (kind & DFCS_BUTTONPUSH) {
        const bool pushed = (state & (DFCS_PUSHED | DFCS_CHECKED)) != 0;
        RECT r = *rect;
        if (state & DFCS_FLAT)
            DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
        else
            DrawEdge(hdc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED,
                     BF_RECT | BF_SOFT | BF_MIDDLE | BF_ADJUST);
        if (state & DFCS_ADJUSTRECT)
            *rect = r;
        return TRUE;
    }
    const bool inactive = (state & DFCS_INACTIVE) != 0;
    const bool checked = (state & DFCS_CHECKED) != 0;
    if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
        StylePainter p(hdc);
        const RECT b = ButtonBox(*rect, 12);
        const int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
        const int rad = (b.right - b.left) / 2;
        if (kind & DFCS_BUTTONRADIOMASK) {
            p.Fill(b, RGB(255, 255, 255));
            Disc(p, cx, cy, rad, RGB(0, 0, 0));
            return TRUE;
        }
        Disc(p, cx, cy, rad, SysColor(COLOR_3DHILIGHT));
        Disc(p, cx, cy, rad - 1, SysColor(COLOR_3DSHADOW));
        Disc(p, cx, cy, rad - 2,
             SysColor((inactive || (state & DFCS_PUSHED)) ? COLOR_3DFACE : COLOR_WINDOW));
        if (checked)
            Disc(p, cx, cy, std::max(1, rad / 3),
                 SysColor(inactive ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
        return TRUE;
    }
    // Check boxes (two- and three-state): the sunken box first, then its face.
    RECT b = ButtonBox(*rect, 13);
    const bool threeState = (kind & DFCS_BUTTON3STATE) != 0;
    DrawEdge(hdc, &b, EDGE_SUNKEN,
             (state & DFCS_FLAT) ? BF_RECT | BF_FLAT | BF_ADJUST : BF_RECT | BF_ADJUST);
    StylePainter p(hdc);
    const bool grey = inactive || (state & DFCS_PUSHED) || (threeState && checked);
    p.Fill(b, SysColor(grey ? COLOR_3DFACE : COLOR_WINDOW));
    if (checked)
        CheckMark(p, b, SysColor(inactive || threeState ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    return TRUE;
}

void RaisedButton(HDC hdc, RECT& r, UINT state)
{
    if (state & DFCS_FLAT)
        DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
    else
        DrawEdge(hdc, &r, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED,
                 BF_RECT | BF_SOFT | BF_MIDDLE | BF_ADJUST);
}

BOOL DrawScroll(HDC hdc, LPRECT rect, UINT state)
{
    const UINT kind = state & 0x1F;
    if (kind & (DFCS_SCROLLSIZEGRIP | DFCS_SCROLLSIZEGRIPRIGHT)) {
        StylePainter p(hdc);
        const RECT& r = *rect;
        p.Fill(r, SysColor(COLOR_3DFACE));
        const int n = std::min(r.right - r.left, r.bottom - r.top);
        // Diagonal grooves: a highlight with two shadow lines beside it, every four pixels.
        for (int k = 4; k <= n; k += 4) {
            for (int i = 0; i < k; ++i) {
                const int x = r.right - 1 - i, y = r.bottom - k + i;
                p.Pixel(x, y, SysColor(COLOR_3DHILIGHT));
                if (x - 1 >= r.left)
                    p.Pixel(x - 1, y, SysColor(COLOR_3DSHADOW));
                if (x - 2 >= r.left)
                    p.Pixel(x - 2, y, SysColor(COLOR_3DSHADOW));
            }
        }
        return TRUE;
    }
    RECT r = *rect;
    RaisedButton(hdc, r, state);
    StylePainter p(hdc);
    const int size = std::max(1, (std::min(r.right - r.left, r.bottom - r.top) + 1) / 3);
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    if (state & DFCS_PUSHED)
        ++cx, ++cy;
    int direction = 0;
    switch (kind) {
    case DFCS_SCROLLUP: direction = 0; break;
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX: direction = 1; break;
    case DFCS_SCROLLLEFT: direction = 2; break;
    default: direction = 3; break;
    }
    if (state & DFCS_INACTIVE) {
        p.Arrow(cx + 1, cy + 1, size, direction, SysColor(COLOR_3DHILIGHT));
        p.Arrow(cx, cy, size, direction, SysColor(COLOR_3DSHADOW));
    } else {
        p.Arrow(cx, cy, size, direction, SysColor(COLOR_BTNTEXT));
    }
    return TRUE;
}

BOOL DrawCaption(HDC hdc, LPRECT rect, UINT state)
{
    RECT r = *rect;
    RaisedButton(hdc, r, state);
    StylePainter p(hdc);
    const COLORREF ink = SysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int s = std::max(2, std::min(w, h) - 4 - (std::min(w, h) & 1));
    const int x0 = r.left + (w - s) / 2 + ((state & DFCS_PUSHED) ? 1 : 0);
    const int y0 = r.top + (h - s) / 2 + ((state & DFCS_PUSHED) ? 1 : 0);
    switch (state & 0x1F) {
    case DFCS_CAPTIONCLOSE:
        for (int i = 0; i < s; ++i) { // two diagonals, two pixels wide
            p.Fill(x0 + i, y0 + i, x0 + i + 2, y0 + i + 1, ink);
            p.Fill(x0 + s - 2 - i, y0 + i, x0 + s - i, y0 + i + 1, ink);
        }
        break;
    case DFCS_CAPTIONMIN:
        p.Fill(x0, y0 + s - 2, x0 + s * 2 / 3, y0 + s, ink);
        break;
    case DFCS_CAPTIONMAX:
        p.Fill(x0, y0, x0 + s, y0 + 2, ink);
        p.Fill(x0, y0 + s - 1, x0 + s, y0 + s, ink);
        p.Fill(x0, y0, x0 + 1, y0 + s, ink);
        p.Fill(x0 + s - 1, y0, x0 + s, y0 + s, ink);
        break;
    case DFCS_CAPTIONRESTORE: {
        const int k = s * 2 / 3;
        for (int d = 0; d <= s - k; d += s - k) {
            const int bx = x0 + (s - k) - d, by = y0 + d;
            p.Fill(bx, by, bx + k, by + 2, ink);
            p.Fill(bx, by + k - 1, bx + k, by + k, ink);
            p.Fill(bx, by, bx + 1, by + k, ink);
            p.Fill(bx + k - 1, by, bx + k, by + k, ink);
        }
        break;
    }
    default: // DFCS_CAPTIONHELP: a question mark drawn as strokes
        p.Fill(x0 + s / 4, y0, x0 + s * 3 / 4, y0 + 2, ink);
        p.Fill(x0 + s * 3 / 4 - 2, y0, x0 + s * 3 / 4, y0 + s / 2, ink);
        p.Fill(x0 + s / 2 - 1, y0 + s / 2 - 1, x0 + s * 3 / 4, y0 + s / 2 + 1, ink);
        p.Fill(x0 + s / 2 - 1, y0 + s / 2, x0 + s / 2 + 1, y0 + s * 3 / 4, ink);
        p.Fill(x0 + s / 2 - 1, y0 + s - 2, x0 + s / 2 + 1, y0 + s, ink);
        break;
    }
    return TRUE;
}

BOOL DrawMenuGlyph(HDC hdc, LPRECT rect, UINT state)
{
    // Menu glyphs are masks: black on white.
    StylePainter p(hdc);
    const RECT& r = *rect;
    p.Fill(r, RGB(255, 255, 255));
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const int s = std::max(1, std::min(r.right - r.left, r.bottom - r.top) / 3);
    switch (state & 0x1F) {
    case DFCS_MENUCHECK: CheckMark(p, r, RGB(0, 0, 0)); break;
    case DFCS_MENUBULLET: Disc(p, cx, cy, std::max(1, s / 2), RGB(0, 0, 0)); break;
    case DFCS_MENUARROWRIGHT: p.Arrow(cx, cy, s, 2, RGB(0, 0, 0)); break;
    default: p.Arrow(cx, cy, s, 3, RGB(0, 0, 0)); break;
    }
    return TRUE;
}

} // namespace

BOOL DrawFrameControl(HDC hdc, LPRECT rect, UINT type, UINT state)
{
    if (!rect || !FindDC(hdc))
        return FALSE;
    switch (type) {
    case DFC_BUTTON: return DrawButton(hdc, rect, state);
    case DFC_SCROLL: return DrawScroll(hdc, rect, state);
    case DFC_CAPTION: return DrawCaption(hdc, rect, state);
    case DFC_MENU:
    case DFC_POPUPMENU: return DrawMenuGlyph(hdc, rect, state);
    default: return FALSE;
    }
}
