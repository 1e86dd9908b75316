// The list view (SysListView32) in report view: columns with a header, items with sub-item texts,
// item data and states (selected, focused, check boxes), single or multiple selection, and the
// LVN_ / NM_ notifications to the parent. The other views show the same rows.
#include "controls/ctlsys.h"
#include "win32/theme.h"

#include <algorithm>
#include <cstring>
#include <strings.h>
#include <vector>

using namespace wndsys;

namespace {

struct Column {
    std::string text;
    int width = 50;
    int fmt = LVCFMT_LEFT;
};

struct Item {
    std::vector<std::string> texts; // sub-item 0 is the label
    LPARAM data = 0;
    UINT state = 0;
    int image = 0;
};

struct ViewState {
    std::vector<Column> columns;
    std::vector<Item> items;
    DWORD exStyle = 0;
    int top = 0;
    int selectionMark = -1;
    COLORREF back = CLR_NONE;
    HANDLE images[3] = {nullptr, nullptr, nullptr};
};

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
ViewState* Of(HWND hwnd) { return ctl::StateOf<ViewState>(hwnd); }
bool ValidItem(const ViewState* s, int i) { return i >= 0 && i < static_cast<int>(s->items.size()); }

int FontHeight(HWND hwnd)
{
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, ctl::FontOf(hwnd));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return tm.tmHeight > 0 ? tm.tmHeight : 13;
}

int RowHeight(HWND hwnd) { return FontHeight(hwnd) + 4; }
int HeaderHeight(HWND hwnd)
{
    return (StyleOf(hwnd) & LVS_NOCOLUMNHEADER) ? 0 : FontHeight(hwnd) + 7;
}

std::string Text(const Item& item, int sub)
{
    return sub >= 0 && sub < static_cast<int>(item.texts.size()) ? item.texts[static_cast<size_t>(sub)] : std::string();
}

void SetText(Item& item, int sub, const char* text)
{
    if (sub < 0)
        return;
    if (item.texts.size() <= static_cast<size_t>(sub))
        item.texts.resize(static_cast<size_t>(sub) + 1);
    item.texts[static_cast<size_t>(sub)] = text ? text : "";
}

void NotifyChange(HWND hwnd, UINT code, int item, UINT newState, UINT oldState, UINT changed)
{
    ViewState* s = Of(hwnd);
    NMLISTVIEW nm{};
    nm.iItem = item;
    nm.uNewState = newState;
    nm.uOldState = oldState;
    nm.uChanged = changed;
    if (ValidItem(s, item))
        nm.lParam = s->items[static_cast<size_t>(item)].data;
    ctl::NotifyParent(hwnd, code, &nm.hdr);
}

// Sets the state bits of one item with LVN_ITEMCHANGING (which may refuse) and LVN_ITEMCHANGED.
void SetState(HWND hwnd, int index, UINT state, UINT mask)
{
    ViewState* s = Of(hwnd);
    if (!ValidItem(s, index))
        return;
    UINT old = s->items[static_cast<size_t>(index)].state;
    UINT wanted = (old & ~mask) | (state & mask);
    if (wanted == old)
        return;
    if (s->items[static_cast<size_t>(index)].state == old) {
        NMLISTVIEW nm{};
        nm.iItem = index;
        nm.uNewState = wanted;
        nm.uOldState = old;
        nm.uChanged = LVIF_STATE;
        if (ctl::NotifyParent(hwnd, LVN_ITEMCHANGING, &nm.hdr))
            return;
    }
    if (!IsWindow(hwnd) || !ValidItem(s, index))
        return;
    // One selected item (and one focused item) at most where the style asks for it.
    if ((wanted & LVIS_SELECTED) && !(old & LVIS_SELECTED) && (StyleOf(hwnd) & LVS_SINGLESEL))
        for (int i = 0; i < static_cast<int>(s->items.size()); ++i)
            if (i != index && (s->items[static_cast<size_t>(i)].state & LVIS_SELECTED))
                SetState(hwnd, i, 0, LVIS_SELECTED);
    if ((wanted & LVIS_FOCUSED) && !(old & LVIS_FOCUSED))
        for (int i = 0; i < static_cast<int>(s->items.size()); ++i)
            if (i != index && (s->items[static_cast<size_t>(i)].state & LVIS_FOCUSED))
                SetState(hwnd, i, 0, LVIS_FOCUSED);
    if (!ValidItem(s, index))
        return;
    s->items[static_cast<size_t>(index)].state = wanted;
    if (wanted & LVIS_SELECTED)
        s->selectionMark = index;
    InvalidateRect(hwnd, nullptr, FALSE);
    NotifyChange(hwnd, LVN_ITEMCHANGED, index, wanted, old, LVIF_STATE);
}

int CountPerPage(HWND hwnd)
{
    RECT r;
    GetClientRect(hwnd, &r);
    return std::max(1, static_cast<int>((r.bottom - HeaderHeight(hwnd)) / RowHeight(hwnd)));
}

void PaintRow(HWND hwnd, HDC dc, ViewState* s, int index, RECT row, bool enabled, bool focused)
{
    const Item& item = s->items[static_cast<size_t>(index)];
    bool selected = (item.state & LVIS_SELECTED) && (focused || (StyleOf(hwnd) & LVS_SHOWSELALWAYS));
    bool full = (s->exStyle & LVS_EX_FULLROWSELECT) != 0;
    int x = 0;
    int columns = std::max<int>(1, static_cast<int>(s->columns.size()));
    for (int c = 0; c < columns; ++c) {
        int width = s->columns.empty() ? row.right : s->columns[static_cast<size_t>(c)].width;
        RECT cell{x, row.top, x + width, row.bottom};
        if (c == 0 && (s->exStyle & LVS_EX_CHECKBOXES)) {
            RECT box{cell.left + 3, (row.top + row.bottom - 13) / 2, cell.left + 16, (row.top + row.bottom - 13) / 2 + 13};
            bool checked = ((item.state & LVIS_STATEIMAGEMASK) >> 12) == 2;
            DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
            cell.left += 18;
        }
        std::string text = Text(item, c);
        bool highlight = selected && (full || c == 0);
        RECT textRect{cell.left + 2, cell.top, cell.right - 2, cell.bottom};
        if (highlight) {
            RECT back = c == 0 && !full ? RECT{cell.left, cell.top, cell.right, cell.bottom} : cell;
            FillRect(dc, &back, GetSysColorBrush(focused ? COLOR_HIGHLIGHT : COLOR_3DFACE));
            SetTextColor(dc, GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        } else {
            SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        }
        int fmt = s->columns.empty() ? LVCFMT_LEFT : s->columns[static_cast<size_t>(c)].fmt;
        UINT align = (fmt & LVCFMT_RIGHT) ? DT_RIGHT : (fmt & LVCFMT_CENTER) ? DT_CENTER : DT_LEFT;
        DrawTextA(dc, text.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | align);
        if (s->exStyle & LVS_EX_GRIDLINES) {
            RECT line{cell.right - 1, row.top, cell.right, row.bottom};
            FillRect(dc, &line, GetSysColorBrush(COLOR_3DFACE));
        }
        x += width;
    }
    if (s->exStyle & LVS_EX_GRIDLINES) {
        RECT line{0, row.bottom - 1, row.right, row.bottom};
        FillRect(dc, &line, GetSysColorBrush(COLOR_3DFACE));
    }
    if (focused && (item.state & LVIS_FOCUSED))
        ctl::DrawFocus(dc, full ? row : RECT{0, row.top, s->columns.empty() ? row.right : s->columns[0].width, row.bottom});
}

void Paint(HWND hwnd)
{
    ViewState* s = Of(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (s && dc) {
        RECT r;
        GetClientRect(hwnd, &r);
        HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(hwnd));
        SetBkMode(dc, TRANSPARENT);
        HBRUSH back = s->back == CLR_NONE ? GetSysColorBrush(COLOR_WINDOW) : CreateSolidBrush(s->back);
        FillRect(dc, &r, back);
        if (s->back != CLR_NONE)
            DeleteObject(back);
        bool enabled = IsWindowEnabled(hwnd) != FALSE;
        bool focused = ctl::HasFocus(hwnd);
        int y = HeaderHeight(hwnd), rowH = RowHeight(hwnd);
        for (int i = s->top; i < static_cast<int>(s->items.size()) && y < r.bottom; ++i, y += rowH)
            PaintRow(hwnd, dc, s, i, RECT{0, y, r.right, y + rowH}, enabled, focused);
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

LRESULT ColumnMessage(HWND hwnd, ViewState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    auto* col = reinterpret_cast<LVCOLUMNA*>(lParam);
    bool valid = index >= 0 && index < static_cast<int>(s->columns.size());
    switch (msg) {
    case LVM_INSERTCOLUMNA: {
        if (!col || index < 0)
            return -1;
        Column c;
        if (col->mask & LVCF_TEXT)
            c.text = col->pszText ? col->pszText : "";
        if (col->mask & LVCF_WIDTH)
            c.width = col->cx;
        if (col->mask & LVCF_FMT)
            c.fmt = col->fmt;
        index = std::min(index, static_cast<int>(s->columns.size()));
        s->columns.insert(s->columns.begin() + index, c);
        for (Item& item : s->items)
            if (static_cast<int>(item.texts.size()) > index && index > 0)
                item.texts.insert(item.texts.begin() + index, std::string());
        InvalidateRect(hwnd, nullptr, TRUE);
        return index;
    }
    case LVM_DELETECOLUMN:
        if (!valid)
            return FALSE;
        s->columns.erase(s->columns.begin() + index);
        for (Item& item : s->items)
            if (index < static_cast<int>(item.texts.size()) && index > 0)
                item.texts.erase(item.texts.begin() + index);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case LVM_GETCOLUMNA:
        if (!valid || !col)
            return FALSE;
        if (col->mask & LVCF_WIDTH)
            col->cx = s->columns[static_cast<size_t>(index)].width;
        if (col->mask & LVCF_FMT)
            col->fmt = s->columns[static_cast<size_t>(index)].fmt;
        if ((col->mask & LVCF_TEXT) && col->pszText && col->cchTextMax > 0) {
            std::string t = s->columns[static_cast<size_t>(index)].text.substr(0, static_cast<size_t>(col->cchTextMax - 1));
            std::memcpy(col->pszText, t.c_str(), t.size() + 1);
        }
        return TRUE;
    case LVM_SETCOLUMNA:
        if (!valid || !col)
            return FALSE;
        if (col->mask & LVCF_WIDTH)
            s->columns[static_cast<size_t>(index)].width = col->cx;
        if (col->mask & LVCF_FMT)
            s->columns[static_cast<size_t>(index)].fmt = col->fmt;
        if (col->mask & LVCF_TEXT)
            s->columns[static_cast<size_t>(index)].text = col->pszText ? col->pszText : "";
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case LVM_GETCOLUMNWIDTH: return valid ? s->columns[static_cast<size_t>(index)].width : 0;
    case LVM_SETCOLUMNWIDTH: {
        if (!valid)
            return FALSE;
        int width = static_cast<int>(static_cast<SHORT>(LOWORD(lParam)));
        if (width < 0) {
            // Autosize: the widest text of the column (and its header for USEHEADER).
            HDC dc = GetDC(hwnd);
            HGDIOBJ old = SelectObject(dc, ctl::FontOf(hwnd));
            width = 0;
            for (const Item& item : s->items) {
                SIZE sz{};
                std::string t = Text(item, index);
                GetTextExtentPoint32A(dc, t.c_str(), static_cast<int>(t.size()), &sz);
                width = std::max<int>(width, sz.cx + 12);
            }
            if (static_cast<SHORT>(LOWORD(lParam)) == LVSCW_AUTOSIZE_USEHEADER) {
                SIZE sz{};
                const std::string& t = s->columns[static_cast<size_t>(index)].text;
                GetTextExtentPoint32A(dc, t.c_str(), static_cast<int>(t.size()), &sz);
                width = std::max<int>(width, sz.cx + 12);
            }
            SelectObject(dc, old);
            ReleaseDC(hwnd, dc);
        }
        s->columns[static_cast<size_t>(index)].width = width;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ItemMessage(HWND hwnd, ViewState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    auto* lv = reinterpret_cast<LVITEMA*>(lParam);
    switch (msg) {
    case LVM_INSERTITEMA: {
        if (!lv || lv->iSubItem != 0)
            return -1;
        Item item;
        SetText(item, 0, (lv->mask & LVIF_TEXT) ? lv->pszText : "");
        if (lv->mask & LVIF_PARAM)
            item.data = lv->lParam;
        if (lv->mask & LVIF_IMAGE)
            item.image = lv->iImage;
        int at = std::clamp(lv->iItem, 0, static_cast<int>(s->items.size()));
        s->items.insert(s->items.begin() + at, item);
        if (s->selectionMark >= at)
            ++s->selectionMark;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyChange(hwnd, LVN_INSERTITEM, at, 0, 0, 0);
        if (IsWindow(hwnd) && (lv->mask & LVIF_STATE))
            SetState(hwnd, at, lv->state, lv->stateMask);
        return at;
    }
    case LVM_DELETEITEM:
        if (!ValidItem(s, index))
            return FALSE;
        NotifyChange(hwnd, LVN_DELETEITEM, index, 0, 0, 0);
        if (!IsWindow(hwnd) || !ValidItem(s, index))
            return FALSE;
        s->items.erase(s->items.begin() + index);
        if (s->selectionMark == index)
            s->selectionMark = -1;
        else if (s->selectionMark > index)
            --s->selectionMark;
        s->top = std::min(s->top, std::max(0, static_cast<int>(s->items.size()) - 1));
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case LVM_DELETEALLITEMS:
        NotifyChange(hwnd, LVN_DELETEALLITEMS, -1, 0, 0, 0);
        if (!IsWindow(hwnd))
            return FALSE;
        s->items.clear();
        s->top = 0;
        s->selectionMark = -1;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case LVM_GETITEMCOUNT: return static_cast<LRESULT>(s->items.size());
    case LVM_SETITEMA:
    case LVM_GETITEMA: {
        if (!lv || !ValidItem(s, lv->iItem))
            return FALSE;
        Item& item = s->items[static_cast<size_t>(lv->iItem)];
        if (msg == LVM_SETITEMA) {
            if (lv->mask & LVIF_TEXT)
                SetText(item, lv->iSubItem, lv->pszText);
            if (lv->mask & LVIF_PARAM)
                item.data = lv->lParam;
            if (lv->mask & LVIF_IMAGE)
                item.image = lv->iImage;
            if (lv->mask & LVIF_STATE)
                SetState(hwnd, lv->iItem, lv->state, lv->stateMask);
            InvalidateRect(hwnd, nullptr, TRUE);
            return TRUE;
        }
        if ((lv->mask & LVIF_TEXT) && lv->pszText && lv->cchTextMax > 0) {
            std::string t = Text(item, lv->iSubItem).substr(0, static_cast<size_t>(lv->cchTextMax - 1));
            std::memcpy(lv->pszText, t.c_str(), t.size() + 1);
        }
        if (lv->mask & LVIF_PARAM)
            lv->lParam = item.data;
        if (lv->mask & LVIF_IMAGE)
            lv->iImage = item.image;
        if (lv->mask & LVIF_STATE)
            lv->state = item.state & lv->stateMask;
        return TRUE;
    }
    case LVM_SETITEMTEXTA:
        if (!lv || !ValidItem(s, index))
            return FALSE;
        SetText(s->items[static_cast<size_t>(index)], lv->iSubItem, lv->pszText);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case LVM_GETITEMTEXTA: {
        if (!lv || !ValidItem(s, index) || !lv->pszText || lv->cchTextMax <= 0)
            return 0;
        std::string t = Text(s->items[static_cast<size_t>(index)], lv->iSubItem).substr(0, static_cast<size_t>(lv->cchTextMax - 1));
        std::memcpy(lv->pszText, t.c_str(), t.size() + 1);
        return static_cast<LRESULT>(t.size());
    }
    case LVM_SETITEMSTATE:
        if (!lv)
            return FALSE;
        if (index == -1) {
            for (int i = 0; i < static_cast<int>(s->items.size()); ++i)
                SetState(hwnd, i, lv->state, lv->stateMask);
            return TRUE;
        }
        if (!ValidItem(s, index))
            return FALSE;
        SetState(hwnd, index, lv->state, lv->stateMask);
        return TRUE;
    case LVM_GETITEMSTATE: return ValidItem(s, index) ? s->items[static_cast<size_t>(index)].state & static_cast<UINT>(lParam) : 0;
    default:
        return ColumnMessage(hwnd, s, msg, wParam, lParam);
    }
}

LRESULT ViewMessage(HWND hwnd, ViewState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    int n = static_cast<int>(s->items.size());
    switch (msg) {
    case LVM_GETNEXTITEM: {
        UINT flags = static_cast<UINT>(lParam);
        int step = (flags & (LVNI_ABOVE | LVNI_TOLEFT)) ? -1 : 1;
        UINT want = flags & (LVNI_SELECTED | LVNI_FOCUSED);
        for (int i = index < 0 ? (step > 0 ? 0 : n - 1) : index + step; i >= 0 && i < n; i += step) {
            UINT st = s->items[static_cast<size_t>(i)].state;
            if (((want & LVNI_SELECTED) && !(st & LVIS_SELECTED)) || ((want & LVNI_FOCUSED) && !(st & LVIS_FOCUSED)))
                continue;
            return i;
        }
        return -1;
    }
    case LVM_GETSELECTEDCOUNT:
        return std::count_if(s->items.begin(), s->items.end(), [](const Item& i) { return (i.state & LVIS_SELECTED) != 0; });
    case LVM_FINDITEMA: {
        auto* find = reinterpret_cast<const LVFINDINFOA*>(lParam);
        if (!find)
            return -1;
        for (int step = 1; step <= n; ++step) {
            int i = index + step;
            if (i >= n) {
                if (!(find->flags & LVFI_WRAP))
                    break;
                i %= n;
            }
            const Item& item = s->items[static_cast<size_t>(i)];
            if ((find->flags & LVFI_PARAM) && item.data == find->lParam)
                return i;
            if ((find->flags & (LVFI_STRING | LVFI_PARTIAL)) && find->psz) {
                std::string label = Text(item, 0);
                size_t len = std::strlen(find->psz);
                bool hit = (find->flags & LVFI_PARTIAL) ? strncasecmp(label.c_str(), find->psz, len) == 0
                                                        : strcasecmp(label.c_str(), find->psz) == 0;
                if (hit)
                    return i;
            }
        }
        return -1;
    }
    case LVM_ENSUREVISIBLE: {
        if (!ValidItem(s, index))
            return FALSE;
        int rows = CountPerPage(hwnd);
        if (index < s->top)
            s->top = index;
        else if (index >= s->top + rows)
            s->top = index - rows + 1;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    case LVM_GETTOPINDEX: return s->top;
    case LVM_GETCOUNTPERPAGE: return CountPerPage(hwnd);
    case LVM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!ValidItem(s, index) || !r)
            return FALSE;
        RECT client;
        GetClientRect(hwnd, &client);
        int y = HeaderHeight(hwnd) + (index - s->top) * RowHeight(hwnd);
        *r = RECT{0, y, client.right, y + RowHeight(hwnd)};
        return TRUE;
    }
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        DWORD old = s->exStyle;
        DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
        s->exStyle = (s->exStyle & ~mask) | (static_cast<DWORD>(lParam) & mask);
        InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return s->exStyle;
    case LVM_SETBKCOLOR: s->back = static_cast<COLORREF>(lParam); InvalidateRect(hwnd, nullptr, TRUE); return TRUE;
    case LVM_SETIMAGELIST: {
        size_t which = std::min<size_t>(static_cast<size_t>(wParam), 2);
        HANDLE old = s->images[which];
        s->images[which] = reinterpret_cast<HANDLE>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case LVM_GETSELECTIONMARK: return s->selectionMark;
    case LVM_SETSELECTIONMARK: { int old = s->selectionMark; s->selectionMark = static_cast<int>(lParam); return old; }
    case LVM_SETITEMCOUNT: return TRUE;
    default:
        return ItemMessage(hwnd, s, msg, wParam, lParam);
    }
}

void Click(HWND hwnd, ViewState* s, POINT pt, UINT code)
{
    SetFocus(hwnd);
    if (pt.y < HeaderHeight(hwnd))
        return; // the header child window takes clicks on the captions
    int index = s->top + (pt.y - HeaderHeight(hwnd)) / RowHeight(hwnd);
    if (ValidItem(s, index) && code == NM_CLICK) {
        bool ctrl = GetKeyState(VK_CONTROL) < 0;
        if (!ctrl && !(StyleOf(hwnd) & LVS_SINGLESEL))
            for (int i = 0; i < static_cast<int>(s->items.size()); ++i)
                if (i != index)
                    SetState(hwnd, i, 0, LVIS_SELECTED);
        UINT sel = ctrl ? (s->items[static_cast<size_t>(index)].state & LVIS_SELECTED) ^ LVIS_SELECTED : LVIS_SELECTED;
        SetState(hwnd, index, sel | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    if (!IsWindow(hwnd))
        return;
    NMHDR hdr{};
    ctl::NotifyParent(hwnd, code, &hdr);
}

LRESULT CALLBACK ViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ViewState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE:
        ctl::CreateState<ViewState>(hwnd);
        if (GetWindowLongA(hwnd, GWL_STYLE) & WS_BORDER) {
            SetWindowLongA(hwnd, GWL_STYLE, GetWindowLongA(hwnd, GWL_STYLE) & ~WS_BORDER);
            SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        ctl::DeleteState<ViewState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
        break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT hooked = 0;
    if (ctl::ListHeaderBefore(hwnd, msg, wParam, lParam, &hooked))
        return hooked;
    switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: Click(hwnd, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, NM_CLICK); return 0;
    case WM_LBUTTONDBLCLK: Click(hwnd, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, NM_DBLCLK); return 0;
    case WM_RBUTTONDOWN: Click(hwnd, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, NM_RCLICK); return 0;
    case WM_KEYDOWN: {
        int focus = static_cast<int>(ViewMessage(hwnd, s, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        int next = focus;
        if (wParam == VK_DOWN)
            next = std::min(focus + 1, static_cast<int>(s->items.size()) - 1);
        else if (wParam == VK_UP)
            next = std::max(focus - 1, 0);
        else if (wParam == VK_HOME)
            next = 0;
        else if (wParam == VK_END)
            next = static_cast<int>(s->items.size()) - 1;
        if (next != focus && ValidItem(s, next)) {
            for (int i = 0; i < static_cast<int>(s->items.size()); ++i)
                if (i != next)
                    SetState(hwnd, i, 0, LVIS_SELECTED);
            SetState(hwnd, next, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ViewMessage(hwnd, s, LVM_ENSUREVISIBLE, static_cast<WPARAM>(next), FALSE);
        }
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        InvalidateRect(hwnd, nullptr, FALSE);
        NMHDR hdr{};
        ctl::NotifyParent(hwnd, msg == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS, &hdr);
        return 0;
    }
    case WM_ENABLE:
    case WM_SETFONT: {
        LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return ctl::ListHeaderAfter(hwnd, msg, ViewMessage(hwnd, s, msg, wParam, lParam));
    }
}

} // namespace

namespace ctl {
void RegisterListViewClass() { RegisterControlClass(WC_LISTVIEWA, ViewProc, CS_DBLCLKS, IDC_ARROW); }
} // namespace ctl
