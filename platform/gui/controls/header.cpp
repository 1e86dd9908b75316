// The header control (SysHeader32): a row of column captions above a list or a grid. Items have
// a text, a width, a format and item data and are shown in an order of their own; the user clicks
// captions (HDN_ITEMCLICK), drags the dividers between them (HDN_BEGINTRACK, HDN_TRACK,
// HDN_ENDTRACK, then HDN_ITEMCHANGING / HDN_ITEMCHANGED) and double-clicks a divider to ask the
// parent to fit the column (HDN_DIVIDERDBLCLICK).
#include "controls/headersys.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace wndsys;

namespace hdr {

int HeaderHeight(HWND hwnd)
{
    if (StyleOf(hwnd) & HDS_HIDDEN)
        return 0;
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, ctl::FontOf(hwnd));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return (tm.tmHeight > 0 ? tm.tmHeight : 13) + 7;
}

// The rectangle of an item, from the widths of the items shown before it.
RECT ItemRect(HWND hwnd, const HeaderState* s, int index)
{
    RECT client;
    GetClientRect(hwnd, &client);
    int x = 0;
    for (int pos : s->order) {
        int w = s->items[static_cast<size_t>(pos)].width;
        if (pos == index)
            return RECT{x, 0, x + w, client.bottom};
        x += w;
    }
    return RECT{0, 0, 0, 0};
}

} // namespace hdr

using namespace hdr;

namespace {

// Which item and which part of it lies under a point of the client area.
HDHITTESTINFO HitTest(HWND hwnd, const HeaderState* s, POINT pt)
{
    HDHITTESTINFO hit{};
    hit.pt = pt;
    hit.iItem = -1;
    RECT client;
    GetClientRect(hwnd, &client);
    if (pt.y < client.top)
        hit.flags |= HHT_ABOVE;
    if (pt.y >= client.bottom)
        hit.flags |= HHT_BELOW;
    if (pt.x < client.left)
        hit.flags |= HHT_TOLEFT;
    if (pt.x >= client.right)
        hit.flags |= HHT_TORIGHT;
    if (hit.flags)
        return hit;
    // Dividers first: left of a divider grabs the first item ending there; on or right of it,
    // the last, which is a hidden (zero-width) item when one sits there.
    int x = 0, before = -1, after = -1;
    for (int pos : s->order) {
        x += s->items[static_cast<size_t>(pos)].width;
        if (pt.x >= x - kDividerGrip && pt.x < x && before < 0)
            before = pos;
        if (pt.x >= x && pt.x < x + kDividerGrip)
            after = pos;
    }
    if (before >= 0) {
        hit.iItem = before;
        hit.flags = HHT_ONDIVIDER;
        return hit;
    }
    if (after >= 0) {
        hit.iItem = after;
        hit.flags = s->items[static_cast<size_t>(after)].width == 0 ? HHT_ONDIVOPEN : HHT_ONDIVIDER;
        return hit;
    }
    x = 0;
    for (int pos : s->order) {
        int w = s->items[static_cast<size_t>(pos)].width;
        if (pt.x >= x && pt.x < x + w) {
            hit.iItem = pos;
            hit.flags = HHT_ONHEADER;
            return hit;
        }
        x += w;
    }
    hit.flags = HHT_NOWHERE;
    return hit;
}

void CopyText(const std::string& text, LPSTR out, int max)
{
    if (!out || max <= 0 || out == LPSTR_TEXTCALLBACKA)
        return;
    size_t n = std::min(text.size(), static_cast<size_t>(max - 1));
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

void FillItem(HeaderState* s, int index, HDITEMA* hd)
{
    const HeaderItem& item = s->items[static_cast<size_t>(index)];
    if (hd->mask & HDI_WIDTH)
        hd->cxy = item.width;
    if (hd->mask & HDI_FORMAT)
        hd->fmt = item.fmt;
    if (hd->mask & HDI_LPARAM)
        hd->lParam = item.data;
    if (hd->mask & HDI_IMAGE)
        hd->iImage = item.image;
    if (hd->mask & HDI_TEXT) {
        if (item.callbackText)
            hd->pszText = LPSTR_TEXTCALLBACKA;
        else
            CopyText(item.text, hd->pszText, hd->cchTextMax);
    }
    if (hd->mask & HDI_ORDER) {
        auto at = std::find(s->order.begin(), s->order.end(), index);
        hd->iOrder = static_cast<int>(at - s->order.begin());
    }
}

void ApplyItem(HeaderState* s, int index, const HDITEMA& hd)
{
    HeaderItem& item = s->items[static_cast<size_t>(index)];
    if (hd.mask & HDI_WIDTH)
        item.width = std::max(0, hd.cxy);
    if (hd.mask & HDI_FORMAT)
        item.fmt = hd.fmt;
    if (hd.mask & HDI_LPARAM)
        item.data = hd.lParam;
    if (hd.mask & HDI_IMAGE)
        item.image = hd.iImage;
    if (hd.mask & HDI_TEXT) {
        item.callbackText = hd.pszText == LPSTR_TEXTCALLBACKA;
        item.text = item.callbackText || !hd.pszText ? std::string() : std::string(hd.pszText);
    }
    if ((hd.mask & HDI_ORDER) && hd.iOrder >= 0 && hd.iOrder < Count(s)) {
        s->order.erase(std::find(s->order.begin(), s->order.end(), index));
        s->order.insert(s->order.begin() + hd.iOrder, index);
    }
}

LRESULT Notify(HWND hwnd, UINT code, int item, HDITEMA* hd, int button = 0)
{
    NMHEADERA nm{};
    nm.iItem = item;
    nm.iButton = button;
    nm.pitem = hd;
    return ctl::NotifyParent(hwnd, code, &nm.hdr);
}

// Changes an item with HDN_ITEMCHANGING (a non-zero answer refuses) and HDN_ITEMCHANGED.
BOOL ChangeItem(HWND hwnd, int index, const HDITEMA& change)
{
    HDITEMA hd = change;
    if (Notify(hwnd, HDN_ITEMCHANGINGA, index, &hd))
        return FALSE;
    HeaderState* s = Of(hwnd);
    if (!IsWindow(hwnd) || !s || !Valid(s, index))
        return FALSE;
    ApplyItem(s, index, change);
    InvalidateRect(hwnd, nullptr, TRUE);
    hd = change;
    Notify(hwnd, HDN_ITEMCHANGEDA, index, &hd);
    return TRUE;
}

BOOL ChangeWidth(HWND hwnd, int index, int width)
{
    HDITEMA hd{};
    hd.mask = HDI_WIDTH;
    hd.cxy = std::max(0, width);
    return ChangeItem(hwnd, index, hd);
}

int InsertItem(HWND hwnd, HeaderState* s, int index, const HDITEMA* hd)
{
    if (!hd || index < 0)
        return -1;
    index = std::min(index, Count(s));
    for (int& pos : s->order)
        if (pos >= index)
            ++pos;
    s->items.insert(s->items.begin() + index, HeaderItem{});
    int at = (hd->mask & HDI_ORDER) && hd->iOrder >= 0 ? std::min(hd->iOrder, Count(s) - 1) : index;
    s->order.insert(s->order.begin() + std::min<int>(at, static_cast<int>(s->order.size())), index);
    HDITEMA copy = *hd;
    copy.mask &= ~static_cast<UINT>(HDI_ORDER);
    ApplyItem(s, index, copy);
    InvalidateRect(hwnd, nullptr, TRUE);
    return index;
}

BOOL DeleteItem(HWND hwnd, HeaderState* s, int index)
{
    if (!Valid(s, index))
        return FALSE;
    s->items.erase(s->items.begin() + index);
    s->order.erase(std::find(s->order.begin(), s->order.end(), index));
    for (int& pos : s->order)
        if (pos > index)
            --pos;
    s->hot = -1;
    s->drag = Drag::None;
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

// ---- Mouse ----

void ButtonDown(HWND hwnd, HeaderState* s, POINT pt, bool dbl)
{
    HDHITTESTINFO hit = HitTest(hwnd, s, pt);
    if (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) {
        HDITEMA hd{};
        hd.mask = HDI_WIDTH;
        hd.cxy = s->items[static_cast<size_t>(hit.iItem)].width;
        if (dbl) {
            Notify(hwnd, HDN_DIVIDERDBLCLICKA, hit.iItem, nullptr);
            return;
        }
        if (Notify(hwnd, HDN_BEGINTRACKA, hit.iItem, &hd))
            return; // the parent refuses the drag
        s = Of(hwnd);
        if (!s || !Valid(s, hit.iItem))
            return;
        s->drag = Drag::Track;
        s->dragItem = hit.iItem;
        s->dragStartX = pt.x;
        s->dragStartWidth = s->items[static_cast<size_t>(hit.iItem)].width;
        s->trackWidth = s->dragStartWidth;
        SetCapture(hwnd);
        return;
    }
    if (!(hit.flags & HHT_ONHEADER))
        return;
    if (dbl) {
        Notify(hwnd, HDN_ITEMDBLCLICKA, hit.iItem, nullptr);
        return;
    }
    if (!(StyleOf(hwnd) & HDS_BUTTONS))
        return;
    s->drag = Drag::Press;
    s->dragItem = hit.iItem;
    s->pressedInside = true;
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void MouseMove(HWND hwnd, HeaderState* s, POINT pt)
{
    if (s->drag == Drag::Track) {
        int width = std::max(0, s->dragStartWidth + pt.x - s->dragStartX);
        HDITEMA hd{};
        hd.mask = HDI_WIDTH;
        hd.cxy = width;
        if (Notify(hwnd, HDN_TRACKA, s->dragItem, &hd))
            return; // the parent keeps the divider where it is
        s = Of(hwnd);
        if (!s || s->drag != Drag::Track)
            return;
        s->trackWidth = width;
        if (StyleOf(hwnd) & HDS_FULLDRAG)
            ChangeWidth(hwnd, s->dragItem, width);
        else
            InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    if (s->drag == Drag::Press) {
        RECT r = ItemRect(hwnd, s, s->dragItem);
        bool inside = PtInRect(&r, pt) != FALSE;
        if (inside != s->pressedInside) {
            s->pressedInside = inside;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return;
    }
    HDHITTESTINFO hit = HitTest(hwnd, s, pt);
    int hot = (hit.flags & HHT_ONHEADER) ? hit.iItem : -1;
    if (hot != s->hot) {
        s->hot = hot;
        if (StyleOf(hwnd) & HDS_HOTTRACK)
            InvalidateRect(hwnd, nullptr, FALSE);
    }
}

void ButtonUp(HWND hwnd, HeaderState* s)
{
    Drag drag = s->drag;
    int item = s->dragItem;
    bool inside = s->pressedInside;
    int width = s->trackWidth;
    s->drag = Drag::None;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (drag == Drag::Track) {
        HDITEMA hd{};
        hd.mask = HDI_WIDTH;
        hd.cxy = width;
        Notify(hwnd, HDN_ENDTRACKA, item, &hd);
        s = Of(hwnd);
        if (s && Valid(s, item) && s->items[static_cast<size_t>(item)].width != width)
            ChangeWidth(hwnd, item, width);
        InvalidateRect(hwnd, nullptr, FALSE);
    } else if (drag == Drag::Press) {
        InvalidateRect(hwnd, nullptr, FALSE);
        if (inside)
            Notify(hwnd, HDN_ITEMCLICKA, item, nullptr);
    }
}

// Escape, or the capture taken away: the drag ends where it began.
void CancelDrag(HWND hwnd, HeaderState* s)
{
    Drag drag = s->drag;
    int item = s->dragItem, start = s->dragStartWidth;
    s->drag = Drag::None;
    if (drag == Drag::Track) {
        HDITEMA hd{};
        hd.mask = HDI_WIDTH;
        hd.cxy = start;
        Notify(hwnd, HDN_ENDTRACKA, item, &hd);
        s = Of(hwnd);
        if (s && Valid(s, item) && s->items[static_cast<size_t>(item)].width != start)
            ChangeWidth(hwnd, item, start);
    }
    if (drag != Drag::None)
        InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT HeaderMessage(HWND hwnd, HeaderState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    auto* hd = reinterpret_cast<HDITEMA*>(lParam);
    switch (msg) {
    case HDM_GETITEMCOUNT: return Count(s);
    case HDM_INSERTITEMA: return InsertItem(hwnd, s, index, hd);
    case HDM_DELETEITEM: return DeleteItem(hwnd, s, index);
    case HDM_GETITEMA:
        if (!hd || !Valid(s, index))
            return FALSE;
        FillItem(s, index, hd);
        return TRUE;
    case HDM_SETITEMA: return hd && Valid(s, index) ? ChangeItem(hwnd, index, *hd) : FALSE;
    case HDM_LAYOUT: {
        auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
        if (!layout || !layout->prc || !layout->pwpos)
            return FALSE;
        int h = HeaderHeight(hwnd);
        RECT* r = layout->prc;
        *layout->pwpos = WINDOWPOS{hwnd, nullptr, r->left, r->top, r->right - r->left, h, SWP_NOZORDER};
        r->top += h;
        return TRUE;
    }
    case HDM_HITTEST: {
        auto* info = reinterpret_cast<HDHITTESTINFO*>(lParam);
        if (!info)
            return -1;
        HDHITTESTINFO hit = HitTest(hwnd, s, info->pt);
        info->flags = hit.flags;
        info->iItem = hit.iItem;
        return hit.iItem;
    }
    case HDM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r || !Valid(s, index))
            return FALSE;
        *r = ItemRect(hwnd, s, index);
        return TRUE;
    }
    case HDM_SETIMAGELIST: {
        HANDLE old = s->images;
        s->images = reinterpret_cast<HANDLE>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    case HDM_GETIMAGELIST: return reinterpret_cast<LRESULT>(s->images);
    case HDM_ORDERTOINDEX: return index >= 0 && index < Count(s) ? s->order[static_cast<size_t>(index)] : index;
    case HDM_GETORDERARRAY: {
        auto* out = reinterpret_cast<int*>(lParam);
        if (!out || index != Count(s))
            return FALSE;
        std::copy(s->order.begin(), s->order.end(), out);
        return TRUE;
    }
    case HDM_SETORDERARRAY: {
        auto* in = reinterpret_cast<const int*>(lParam);
        if (!in || index != Count(s))
            return FALSE;
        std::vector<int> order(in, in + index);
        std::vector<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < index; ++i)
            if (sorted[static_cast<size_t>(i)] != i)
                return FALSE; // not a permutation of the items
        s->order = order;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HeaderState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE: ctl::CreateState<HeaderState>(hwnd); return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY: ctl::DeleteState<HeaderState>(hwnd); return DefWindowProcA(hwnd, msg, wParam, lParam);
    default: break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_LBUTTONDOWN: ButtonDown(hwnd, s, pt, false); return 0;
    case WM_LBUTTONDBLCLK: ButtonDown(hwnd, s, pt, true); return 0;
    case WM_MOUSEMOVE: MouseMove(hwnd, s, pt); return 0;
    case WM_LBUTTONUP: ButtonUp(hwnd, s); return 0;
    case WM_RBUTTONUP: {
        NMHDR hdr{};
        ctl::NotifyParent(hwnd, NM_RCLICK, &hdr);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd)
            CancelDrag(hwnd, s);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && s->drag != Drag::None) {
            CancelDrag(hwnd, s);
            ReleaseCapture();
        }
        return 0;
    case WM_SETCURSOR:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ENABLE:
    case WM_SETFONT: {
        LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return HeaderMessage(hwnd, s, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterHeaderClass() { RegisterControlClass(WC_HEADERA, HeaderProc, CS_DBLCLKS, IDC_ARROW); }
} // namespace ctl
