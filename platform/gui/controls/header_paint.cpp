// Painting of the header control: each caption through the theme, owner-drawn captions by the
// parent, sort arrows, images, and the tracking line of a divider drag.
#include "controls/headersys.h"

#include "win32/theme.h"

namespace hdr {
namespace {

UINT ItemState(HWND hwnd, const HeaderState* s, int index)
{
    UINT state = IsWindowEnabled(hwnd) ? MISC_TS_NORMAL : MISC_TS_DISABLED;
    if (s->drag == Drag::Press && s->dragItem == index && s->pressedInside)
        state |= MISC_TS_PRESSED;
    if (s->hot == index && (StyleOf(hwnd) & HDS_HOTTRACK))
        state |= MISC_TS_HOT;
    if (StyleOf(hwnd) & HDS_FLAT)
        state |= MISC_TS_FLAT;
    return state;
}

void DrawSortArrow(HDC dc, RECT& text, bool up, COLORREF colour)
{
    int cx = text.right - 8, cy = (text.top + text.bottom) / 2;
    text.right -= 16;
    POINT pts[3];
    if (up) {
        pts[0] = POINT{cx - 4, cy + 2};
        pts[1] = POINT{cx + 4, cy + 2};
        pts[2] = POINT{cx, cy - 2};
    } else {
        pts[0] = POINT{cx - 4, cy - 2};
        pts[1] = POINT{cx + 4, cy - 2};
        pts[2] = POINT{cx, cy + 2};
    }
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, pts, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

std::string DisplayText(HWND hwnd, HeaderState* s, int index)
{
    HeaderItem& item = s->items[static_cast<size_t>(index)];
    if (!item.callbackText)
        return item.text;
    // Texts kept by the parent are asked for when they are drawn, as Windows does.
    char buffer[260] = {0};
    HDITEMA hd{};
    hd.mask = HDI_TEXT;
    hd.pszText = buffer;
    hd.cchTextMax = sizeof(buffer);
    NMHEADERA nm{};
    nm.iItem = index;
    nm.pitem = &hd;
    ctl::NotifyParent(hwnd, HDN_GETDISPINFOA, &nm.hdr);
    buffer[sizeof(buffer) - 1] = '\0';
    return hd.pszText && hd.pszText != LPSTR_TEXTCALLBACKA ? std::string(hd.pszText) : std::string();
}

void PaintItem(HWND hwnd, HDC dc, HeaderState* s, int index, RECT r)
{
    HeaderItem& item = s->items[static_cast<size_t>(index)];
    UINT state = ItemState(hwnd, s, index);
    if (item.fmt & HDF_OWNERDRAW) {
        DRAWITEMSTRUCT di{};
        di.CtlType = ODT_HEADER;
        di.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        di.itemID = static_cast<UINT>(index);
        di.itemAction = ODA_DRAWENTIRE;
        di.itemState = (state & MISC_TS_PRESSED) ? ODS_SELECTED : 0;
        di.hwndItem = hwnd;
        di.hDC = dc;
        di.rcItem = r;
        di.itemData = static_cast<ULONG_PTR>(item.data);
        SendMessageA(GetParent(hwnd), WM_DRAWITEM, di.CtlID, reinterpret_cast<LPARAM>(&di));
        return;
    }
    MiscTheme& theme = MiscCurrentTheme();
    theme.DrawHeaderItem(dc, r, state);
    COLORREF colour = theme.TextColor(MiscThemeElement::HeaderItem, state);
    RECT text{r.left + kTextMargin, r.top, r.right - kTextMargin, r.bottom};
    if (state & MISC_TS_PRESSED)
        OffsetRect(&text, 1, 1);
    if (item.fmt & (HDF_SORTUP | HDF_SORTDOWN))
        DrawSortArrow(dc, text, (item.fmt & HDF_SORTUP) != 0, colour);
    int cx = 0, cy = 0;
    auto* images = reinterpret_cast<HIMAGELIST>(s->images);
    if ((item.fmt & HDF_IMAGE) && item.image >= 0 && images && ImageList_GetIconSize(images, &cx, &cy)) {
        bool right = (item.fmt & HDF_BITMAP_ON_RIGHT) != 0;
        int x = right ? text.right - cx : text.left;
        ImageList_Draw(images, item.image, dc, x, (r.top + r.bottom - cy) / 2, ILD_TRANSPARENT);
        if (right)
            text.right -= cx + 2;
        else
            text.left += cx + 2;
    }
    UINT align = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT ? DT_RIGHT
                 : (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER : DT_LEFT;
    SetTextColor(dc, colour);
    std::string label = DisplayText(hwnd, s, index);
    DrawTextA(dc, label.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | align);
}

} // namespace

void Paint(HWND hwnd)
{
    HeaderState* s = Of(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (s && dc) {
        RECT client;
        GetClientRect(hwnd, &client);
        HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(hwnd));
        SetBkMode(dc, TRANSPARENT);
        int x = 0;
        for (size_t p = 0; p < s->order.size(); ++p) {
            int index = s->order[p];
            int w = s->items[static_cast<size_t>(index)].width;
            if (w > 0)
                PaintItem(hwnd, dc, s, index, RECT{x, 0, x + w, client.bottom});
            x += w;
        }
        // The part right of the last item is an empty caption.
        if (x < client.right) {
            RECT rest{x, 0, client.right, client.bottom};
            MiscCurrentTheme().DrawHeaderItem(dc, rest, IsWindowEnabled(hwnd) ? MISC_TS_NORMAL : MISC_TS_DISABLED);
        }
        // Without full drag the new divider position shows as a line until the drag ends.
        if (s->drag == Drag::Track && !(StyleOf(hwnd) & HDS_FULLDRAG)) {
            RECT r = ItemRect(hwnd, s, s->dragItem);
            RECT line{r.left + s->trackWidth - 1, 0, r.left + s->trackWidth + 1, client.bottom};
            InvertRect(dc, &line);
        }
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

} // namespace hdr
