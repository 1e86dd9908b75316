// The LISTBOX class: single, multiple (LBS_MULTIPLESEL) and extended (LBS_EXTENDEDSEL) selection,
// sorted lists, owner-drawn fixed and variable entries (WM_MEASUREITEM, WM_DRAWITEM), and the
// LBN_ notifications that LBS_NOTIFY asks for.
#include "controls/ctlsys.h"
#include "window/scrollbars.h"
#include "controls/itemlist.h"

#include <algorithm>
#include <cstring>

using namespace wndsys;

namespace {

struct ListState {
    ctl::ItemList items;
    int selected = -1; // single selection
    int caret = 0;
    int anchor = 0;
    int top = 0;
    int itemHeight = 0;
    bool wantsScrollBar = false; // WS_VSCROLL given: shown while the entries do not fit
};

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
ListState* Of(HWND hwnd) { return ctl::StateOf<ListState>(hwnd); }
bool Multi(HWND hwnd) { return (StyleOf(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
bool OwnerDrawn(HWND hwnd) { return (StyleOf(hwnd) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
bool HasStrings(HWND hwnd) { return !OwnerDrawn(hwnd) || (StyleOf(hwnd) & LBS_HASSTRINGS); }
bool Notifies(HWND hwnd) { return (StyleOf(hwnd) & LBS_NOTIFY) != 0; }

int ItemHeight(HWND hwnd, int index)
{
    ListState* s = Of(hwnd);
    if ((StyleOf(hwnd) & LBS_OWNERDRAWVARIABLE) && s->items.Valid(index) && s->items.At(index).height > 0)
        return s->items.At(index).height;
    return s->itemHeight > 0 ? s->itemHeight : 13;
}

void Measure(HWND hwnd, int index)
{
    ListState* s = Of(hwnd);
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_LISTBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    mis.itemID = static_cast<UINT>(index < 0 ? 0 : index);
    RECT r;
    GetClientRect(hwnd, &r);
    mis.itemWidth = static_cast<UINT>(r.right);
    mis.itemHeight = static_cast<UINT>(s->itemHeight);
    if (index >= 0 && s->items.Valid(index))
        mis.itemData = s->items.At(index).data;
    if (HWND parent = GetParent(hwnd))
        SendMessageA(parent, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    if (index < 0)
        s->itemHeight = static_cast<int>(mis.itemHeight);
    else if (s->items.Valid(index))
        s->items.At(index).height = static_cast<int>(mis.itemHeight);
}

int VisibleRows(HWND hwnd)
{
    RECT r;
    GetClientRect(hwnd, &r);
    int h = ItemHeight(hwnd, -1);
    return h > 0 ? std::max(1, static_cast<int>(r.bottom) / h) : 1;
}

void UpdateScroll(HWND hwnd)
{
    ListState* s = Of(hwnd);
    if (!s->wantsScrollBar)
        return;
    // As in Windows, the bar appears only while the entries do not fit (LBS_DISABLENOSCROLL
    // keeps it, disabled).
    bool needed = s->items.Count() > VisibleRows(hwnd) || (StyleOf(hwnd) & LBS_DISABLENOSCROLL);
    if (needed != ((StyleOf(hwnd) & WS_VSCROLL) != 0))
        ShowScrollBar(hwnd, SB_VERT, needed);
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, std::max(0, s->items.Count() - 1), static_cast<UINT>(VisibleRows(hwnd)),
                  s->top, 0};
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void Changed(HWND hwnd)
{
    UpdateScroll(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void EnsureVisible(HWND hwnd, int index)
{
    ListState* s = Of(hwnd);
    int rows = VisibleRows(hwnd);
    if (index < s->top)
        s->top = index;
    else if (index >= s->top + rows)
        s->top = index - rows + 1;
    s->top = std::max(0, s->top);
}

bool IsSelected(HWND hwnd, int index)
{
    ListState* s = Of(hwnd);
    if (!s->items.Valid(index))
        return false;
    return Multi(hwnd) ? s->items.At(index).selected : s->selected == index;
}

void UserSelect(HWND hwnd, int index, bool toggle)
{
    ListState* s = Of(hwnd);
    if (Multi(hwnd)) {
        ctl::ListItem& item = s->items.At(index);
        if (toggle || (StyleOf(hwnd) & LBS_MULTIPLESEL)) {
            item.selected = !item.selected;
        } else {
            for (int i = 0; i < s->items.Count(); ++i)
                s->items.At(i).selected = i == index;
        }
        s->anchor = index;
    } else {
        s->selected = index;
    }
    s->caret = index;
    EnsureVisible(hwnd, index);
    Changed(hwnd);
    if (Notifies(hwnd))
        ctl::NotifyParent(hwnd, LBN_SELCHANGE);
}

int ItemAt(HWND hwnd, POINT pt)
{
    ListState* s = Of(hwnd);
    int y = 0;
    for (int i = s->top; i < s->items.Count(); ++i) {
        int h = ItemHeight(hwnd, i);
        if (pt.y >= y && pt.y < y + h)
            return i;
        y += h;
    }
    return -1;
}

RECT ItemRect(HWND hwnd, int index)
{
    ListState* s = Of(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    int y = 0;
    for (int i = s->top; i < index; ++i)
        y += ItemHeight(hwnd, i);
    if (index < s->top)
        for (int i = index; i < s->top; ++i)
            y -= ItemHeight(hwnd, i);
    return RECT{0, y, client.right, y + ItemHeight(hwnd, index)};
}

void Paint(HWND hwnd)
{
    ListState* s = Of(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!s || !dc) {
        EndPaint(hwnd, &ps);
        return;
    }
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    bool focused = ctl::HasFocus(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(hwnd));
    HBRUSH brush = ctl::ControlColor(hwnd, dc, WM_CTLCOLORLISTBOX);
    FillRect(dc, &client, brush);
    SetBkMode(dc, TRANSPARENT);
    for (int i = s->top; i < s->items.Count(); ++i) {
        RECT r = ItemRect(hwnd, i);
        if (r.top >= client.bottom)
            break;
        bool selected = IsSelected(hwnd, i);
        if (OwnerDrawn(hwnd)) {
            DRAWITEMSTRUCT dis{};
            dis.CtlType = ODT_LISTBOX;
            dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
            dis.itemID = static_cast<UINT>(i);
            dis.itemAction = ODA_DRAWENTIRE;
            dis.itemState = (selected ? ODS_SELECTED : 0) | (focused && i == s->caret ? ODS_FOCUS : 0) |
                            (enabled ? 0 : ODS_DISABLED);
            dis.hwndItem = hwnd;
            dis.hDC = dc;
            dis.rcItem = r;
            dis.itemData = s->items.At(i).data;
            SendMessageA(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
            continue;
        }
        if (selected) {
            FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        }
        RECT text = r;
        text.left += 2;
        DrawTextA(dc, s->items.At(i).text.c_str(), -1, &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_EXPANDTABS);
        if (focused && i == s->caret)
            ctl::DrawFocus(dc, r);
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT AddOrInsert(HWND hwnd, ListState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::string text = HasStrings(hwnd) && lParam ? reinterpret_cast<const char*>(lParam) : "";
    int index = msg == LB_ADDSTRING ? s->items.Add(text, (StyleOf(hwnd) & LBS_SORT) && HasStrings(hwnd))
                                    : s->items.Insert(static_cast<int>(static_cast<INT_PTR>(wParam)), text);
    if (index < 0)
        return LB_ERR;
    if (!HasStrings(hwnd))
        s->items.At(index).data = static_cast<ULONG_PTR>(lParam);
    if (s->selected >= index)
        ++s->selected;
    if (StyleOf(hwnd) & LBS_OWNERDRAWVARIABLE)
        Measure(hwnd, index);
    Changed(hwnd);
    return index;
}

LRESULT SelectionMessage(HWND hwnd, ListState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
    case LB_SETCURSEL:
        if (Multi(hwnd))
            return LB_ERR;
        s->selected = s->items.Valid(index) ? index : -1;
        if (s->selected >= 0) {
            s->caret = index;
            EnsureVisible(hwnd, index);
        }
        Changed(hwnd);
        return s->selected >= 0 ? s->selected : LB_ERR;
    case LB_GETCURSEL:
        return Multi(hwnd) ? (s->items.Count() ? s->caret : LB_ERR) : s->selected;
    case LB_SETSEL: {
        if (!Multi(hwnd))
            return LB_ERR;
        int item = static_cast<int>(lParam);
        if (item == -1) {
            for (int i = 0; i < s->items.Count(); ++i)
                s->items.At(i).selected = wParam != 0;
        } else if (s->items.Valid(item)) {
            s->items.At(item).selected = wParam != 0;
            s->caret = item;
        } else {
            return LB_ERR;
        }
        Changed(hwnd);
        return LB_OKAY;
    }
    case LB_GETSEL: return s->items.Valid(index) ? (IsSelected(hwnd, index) ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT: {
        if (!Multi(hwnd))
            return LB_ERR;
        int count = 0;
        for (int i = 0; i < s->items.Count(); ++i)
            count += s->items.At(i).selected ? 1 : 0;
        return count;
    }
    case LB_GETSELITEMS: {
        if (!Multi(hwnd))
            return LB_ERR;
        int* out = reinterpret_cast<int*>(lParam);
        int count = 0;
        for (int i = 0; i < s->items.Count() && count < index; ++i)
            if (s->items.At(i).selected && out)
                out[count++] = i;
        return count;
    }
    case LB_SELITEMRANGE:
    case LB_SELITEMRANGEEX: {
        if (!Multi(hwnd))
            return LB_ERR;
        int first = msg == LB_SELITEMRANGE ? LOWORD(lParam) : static_cast<int>(wParam);
        int last = msg == LB_SELITEMRANGE ? HIWORD(lParam) : static_cast<int>(lParam);
        bool select = msg == LB_SELITEMRANGE ? wParam != 0 : first <= last;
        if (first > last)
            std::swap(first, last);
        for (int i = std::max(0, first); i <= last && i < s->items.Count(); ++i)
            s->items.At(i).selected = select;
        Changed(hwnd);
        return LB_OKAY;
    }
    case LB_SETCARETINDEX:
        if (!s->items.Valid(index))
            return LB_ERR;
        s->caret = index;
        EnsureVisible(hwnd, index);
        Changed(hwnd);
        return LB_OKAY;
    case LB_GETCARETINDEX: return s->caret;
    case LB_SETANCHORINDEX: s->anchor = index; return LB_OKAY;
    case LB_GETANCHORINDEX: return s->anchor;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ListMessage(HWND hwnd, ListState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: return AddOrInsert(hwnd, s, msg, wParam, lParam);
    case LB_DELETESTRING:
        if (!s->items.Delete(index))
            return LB_ERR;
        if (s->selected == index)
            s->selected = -1;
        else if (s->selected > index)
            --s->selected;
        s->caret = std::min(s->caret, std::max(0, s->items.Count() - 1));
        s->top = std::min(s->top, std::max(0, s->items.Count() - 1));
        Changed(hwnd);
        return s->items.Count();
    case LB_RESETCONTENT:
        s->items.Clear();
        s->selected = -1;
        s->caret = s->anchor = s->top = 0;
        Changed(hwnd);
        return 0;
    case LB_GETCOUNT: return s->items.Count();
    case LB_GETTEXT: return s->items.CopyText(index, HasStrings(hwnd), lParam); // -1 is LB_ERR
    case LB_GETTEXTLEN: return s->items.TextLength(index, HasStrings(hwnd));
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: {
        std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        int found = msg == LB_FINDSTRINGEXACT ? s->items.FindExact(index, text) : s->items.FindPrefix(index, text);
        if (found < 0)
            return LB_ERR;
        if (msg == LB_SELECTSTRING) {
            if (Multi(hwnd))
                s->items.At(found).selected = true;
            else
                s->selected = found;
            s->caret = found;
            EnsureVisible(hwnd, found);
            Changed(hwnd);
        }
        return found;
    }
    case LB_SETITEMDATA:
        if (!s->items.Valid(index))
            return LB_ERR;
        s->items.At(index).data = static_cast<ULONG_PTR>(lParam);
        return LB_OKAY;
    case LB_GETITEMDATA: return s->items.Valid(index) ? static_cast<LRESULT>(s->items.At(index).data) : LB_ERR;
    case LB_GETTOPINDEX: return s->top;
    case LB_SETTOPINDEX:
        if (!s->items.Valid(index) && index != 0)
            return LB_ERR;
        s->top = index;
        Changed(hwnd);
        return LB_OKAY;
    case LB_GETITEMRECT:
        if (!s->items.Valid(index) && !(index == 0 && s->items.Count() == 0))
            return LB_ERR;
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = ItemRect(hwnd, index);
        return LB_OKAY;
    case LB_SETITEMHEIGHT:
        if ((StyleOf(hwnd) & LBS_OWNERDRAWVARIABLE) && s->items.Valid(index))
            s->items.At(index).height = LOWORD(lParam);
        else
            s->itemHeight = LOWORD(lParam);
        Changed(hwnd);
        return LB_OKAY;
    case LB_GETITEMHEIGHT: return ItemHeight(hwnd, index);
    case LB_ITEMFROMPOINT: {
        int item = ItemAt(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return item < 0 ? MAKELONG(std::max(0, s->items.Count() - 1), 1) : MAKELONG(item, 0);
    }
    case LB_SETTABSTOPS:
    case LB_SETCOLUMNWIDTH:
    case LB_SETHORIZONTALEXTENT: return TRUE;
    case LB_GETHORIZONTALEXTENT: return 0;
    default: return SelectionMessage(hwnd, s, msg, wParam, lParam);
    }
}

void KeyDown(HWND hwnd, ListState* s, WPARAM vk)
{
    int n = s->items.Count();
    if (n == 0)
        return;
    int from = Multi(hwnd) ? s->caret : s->selected;
    int next = from;
    switch (vk) {
    case VK_UP: next = std::max(0, from - 1); break;
    case VK_DOWN: next = std::min(n - 1, from + 1); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = n - 1; break;
    case VK_PRIOR: next = std::max(0, from - VisibleRows(hwnd)); break;
    case VK_NEXT: next = std::min(n - 1, from + VisibleRows(hwnd)); break;
    case VK_SPACE:
        if (Multi(hwnd))
            UserSelect(hwnd, s->caret, true);
        return;
    default: return;
    }
    if (from < 0)
        next = 0;
    if ((StyleOf(hwnd) & LBS_MULTIPLESEL)) {
        s->caret = next; // the space bar chooses
        EnsureVisible(hwnd, next);
        Changed(hwnd);
    } else if (next != from || from < 0) {
        UserSelect(hwnd, next, false);
    }
}

LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ListState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE:
        ctl::CreateState<ListState>(hwnd)->wantsScrollBar = (StyleOf(hwnd) & WS_VSCROLL) != 0;
        // A bordered list box is drawn with the sunken edge of Windows' 3-D look.
        if (StyleOf(hwnd) & WS_BORDER) {
            SetWindowLongA(hwnd, GWL_STYLE, GetWindowLongA(hwnd, GWL_STYLE) & ~WS_BORDER);
            SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_CREATE:
        if (StyleOf(hwnd) & LBS_OWNERDRAWFIXED)
            Measure(hwnd, -1);
        UpdateScroll(hwnd);
        return 0;
    case WM_NCDESTROY:
        ctl::DeleteState<ListState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
        break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_SETFONT: {
        DefWindowProcA(hwnd, msg, wParam, lParam);
        if (!(StyleOf(hwnd) & LBS_OWNERDRAWFIXED) || s->itemHeight <= 0) {
            HDC dc = GetDC(hwnd);
            HGDIOBJ old = SelectObject(dc, ctl::FontOf(hwnd));
            TEXTMETRICA tm{};
            GetTextMetricsA(dc, &tm);
            SelectObject(dc, old);
            ReleaseDC(hwnd, dc);
            if (!OwnerDrawn(hwnd))
                s->itemHeight = tm.tmHeight;
        }
        Changed(hwnd);
        return 0;
    }
    case WM_SIZE: UpdateScroll(hwnd); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        if (Notifies(hwnd))
            ctl::NotifyParent(hwnd, msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN: {
        SetFocus(hwnd);
        int item = ItemAt(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (item >= 0)
            UserSelect(hwnd, item, (wParam & MK_CONTROL) != 0);
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        if (Notifies(hwnd))
            ctl::NotifyParent(hwnd, LBN_DBLCLK);
        return 0;
    case WM_KEYDOWN: KeyDown(hwnd, s, wParam); return 0;
    case WM_VSCROLL: {
        // The shared scroll model; the dragged thumb's position comes in full from the bar
        // (the 16 bits of the message would cut it short in a long list).
        const int rows = VisibleRows(hwnd), n = s->items.Count();
        const SCROLLINFO model{sizeof(SCROLLINFO), SIF_ALL, 0, std::max(0, n - 1), static_cast<UINT>(std::max(1, rows)),
                               s->top, 0};
        int thumb = static_cast<SHORT>(HIWORD(wParam)), tracked = 0;
        if (wndsys::TrackedScrollPart(hwnd, SB_VERT, &tracked) == wndsys::ScrollPart::Thumb)
            thumb = tracked;
        s->top = wndsys::ScrollModel::Apply(model, LOWORD(wParam), 1, 0, thumb);
        s->top = std::clamp(s->top, 0, std::max(0, n - rows));
        Changed(hwnd);
        return 0;
    }
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return ListMessage(hwnd, s, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterListBoxClass() { RegisterControlClass("ListBox", ListProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW); }
} // namespace ctl
