// How menus look: the sizes of items and their painting, on the bar and in pop-up menus. The
// backgrounds and text colours come from the current theme; the glyphs (check mark, radio
// bullet, submenu arrow) are drawn in the text colour.
#include "menu/menusys.h"

#include <algorithm>
#include <string>

#include "win32/gdi.h"
#include "win32/theme.h"

namespace menusys {

namespace {

const int kBarPadding = 6;     // each side of a bar item's text
const int kCheckColumn = 18;   // left of a pop-up item's text
const int kArrowColumn = 14;   // right of a pop-up item, for the submenu arrow
const int kAccelGap = 16;      // between the text and the accelerator text
const int kSeparatorHeight = 9;

std::string Label(const std::string& text)
{
    size_t tab = text.find('\t');
    return tab == std::string::npos ? text : text.substr(0, tab);
}

std::string AccelText(const std::string& text)
{
    size_t tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

SIZE TextSize(HDC dc, const std::string& text)
{
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void Glyph(HDC dc, const RECT& box, int kind, COLORREF color)
{
    // kind: 0 check mark, 1 radio bullet, 2 arrow to the right.
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ op = SelectObject(dc, pen), ob = SelectObject(dc, brush);
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    if (kind == 0) {
        for (int d = 0; d < 3; ++d) {
            MoveToEx(dc, cx - 3, cy - 1 + d, nullptr);
            LineTo(dc, cx - 1, cy + 1 + d);
            LineTo(dc, cx + 4, cy - 4 + d);
        }
    } else if (kind == 1) {
        Ellipse(dc, cx - 3, cy - 3, cx + 3, cy + 3);
    } else {
        POINT tri[3] = {{cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}};
        Polygon(dc, tri, 3);
    }
    SelectObject(dc, op);
    SelectObject(dc, ob);
    DeleteObject(pen);
    DeleteObject(brush);
}

void Text(HDC dc, const std::string& text, RECT r, UINT format, COLORREF color, bool embossed)
{
    int mode = SetBkMode(dc, TRANSPARENT);
    if (embossed) {
        RECT shade = r;
        OffsetRect(&shade, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextA(dc, text.c_str(), -1, &shade, format);
        color = GetSysColor(COLOR_3DSHADOW);
    }
    COLORREF old = SetTextColor(dc, color);
    DrawTextA(dc, text.c_str(), -1, &r, format);
    SetTextColor(dc, old);
    SetBkMode(dc, mode);
}

void DrawBackground(HDC dc, const RECT& r, UINT state, bool bar)
{
    if (bar)
        MiscCurrentTheme().DrawMenuBar(dc, r);
    else
        MiscCurrentTheme().DrawMenuItem(dc, r, state);
}

COLORREF TextColorFor(UINT state, bool bar)
{
    bool onBar = bar && !(state & MISC_TS_SELECTED);
    return MiscCurrentTheme().TextColor(onBar ? MiscThemeElement::MenuBar : MiscThemeElement::MenuItem, state);
}

} // namespace

void PaintBarBackground(HDC dc, const RECT& r) { DrawBackground(dc, r, MISC_TS_NORMAL, true); }

HFONT MenuFont()
{
    static HFONT font = nullptr;
    if (!font) {
        NONCLIENTMETRICSA m{};
        m.cbSize = sizeof(m);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0);
        font = CreateFontIndirectA(&m.lfMenuFont);
        MiscKeepGdiObject(font); // cached for the process: the platform's reset must not delete it
    }
    return font;
}

SIZE MeasureItem(HDC dc, const Item& item, bool bar)
{
    HGDIOBJ old = SelectObject(dc, MenuFont());
    SIZE label = TextSize(dc, Label(item.text));
    SIZE accel = TextSize(dc, AccelText(item.text));
    SelectObject(dc, old);
    if (bar)
        return SIZE{label.cx + 2 * kBarPadding, GetSystemMetrics(SM_CYMENU)};
    if (item.Separator())
        return SIZE{kCheckColumn, kSeparatorHeight};
    int height = std::max<int>(label.cy + 4, GetSystemMetrics(SM_CYMENUCHECK) + 4);
    int width = kCheckColumn + label.cx + kArrowColumn;
    if (accel.cx > 0)
        width += kAccelGap + accel.cx;
    return SIZE{width, height};
}

void PaintItem(HDC dc, const Item& item, const RECT& r, bool selected, bool bar)
{
    UINT state = MISC_TS_NORMAL;
    if (selected)
        state |= MISC_TS_SELECTED;
    if (item.Disabled())
        state |= MISC_TS_DISABLED;
    if (item.flags & MF_CHECKED)
        state |= MISC_TS_CHECKED;
    if (item.Separator()) {
        DrawBackground(dc, r, MISC_TS_NORMAL, false);
        RECT line{r.left + 1, (r.top + r.bottom) / 2 - 1, r.right - 1, (r.top + r.bottom) / 2 + 1};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    // On the bar only the open item is highlighted, with the pop-up's colours.
    DrawBackground(dc, r, state, bar && !selected);
    COLORREF color = TextColorFor(state, bar);
    const bool embossed = item.Grayed() && !selected;
    HGDIOBJ old = SelectObject(dc, MenuFont());
    if (bar) {
        Text(dc, Label(item.text), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER, color, embossed);
        SelectObject(dc, old);
        return;
    }
    if (item.flags & MF_CHECKED) {
        RECT box{r.left, r.top, r.left + kCheckColumn, r.bottom};
        Glyph(dc, box, (item.flags & MFT_RADIOCHECK) ? 1 : 0, embossed ? GetSysColor(COLOR_3DSHADOW) : color);
    }
    RECT text{r.left + kCheckColumn, r.top, r.right - kArrowColumn, r.bottom};
    const UINT format = DT_SINGLELINE | DT_VCENTER;
    Text(dc, Label(item.text), text, format | DT_LEFT, color, embossed);
    std::string accel = AccelText(item.text);
    if (!accel.empty())
        Text(dc, accel, text, format | DT_RIGHT | DT_NOPREFIX, color, embossed);
    if (item.sub) {
        RECT box{r.right - kArrowColumn, r.top, r.right, r.bottom};
        Glyph(dc, box, 2, embossed ? GetSysColor(COLOR_3DSHADOW) : color);
    }
    SelectObject(dc, old);
}

} // namespace menusys
