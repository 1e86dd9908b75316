// The COMBOBOX class: drop-down combo boxes with an edit (CBS_DROPDOWN, CBS_SIMPLE) and drop-down
// lists (CBS_DROPDOWNLIST). The entries live in the combo box itself; the edit is a child EDIT
// (identifier 1001) whose notifications become CBN_EDITUPDATE / CBN_EDITCHANGE. The window is as
// high as one line of its font; the height it was given is the height of its drop-down list,
// a pop-up window of its own (controls/combolist.h).
#include "controls/combolist.h"
#include "controls/ctlsys.h"
#include "controls/itemlist.h"
#include "win32/theme.h"

#include <cstring>

using namespace wndsys;

namespace {

const int kEditId = 1001;

struct ComboState {
    ctl::ItemList items;
    int selected = -1;
    bool dropped = false;
    int droppedHeight = 100;
    int itemHeight = 0;
    int droppedWidth = 0;
    int topIndex = 0;
    bool extendedUi = false;
    HWND edit = nullptr;
    HWND list = nullptr;
    int dropStart = -1;      // the selection when the list opened (restored on cancel)
    int listItemHeight = 0;  // from WM_MEASUREITEM for owner-drawn entries
    bool quietEdit = false;  // the edit's text follows the selection without CBN_EDIT* notes
};

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
DWORD Kind(HWND hwnd) { return StyleOf(hwnd) & 0x3; }
ComboState* Of(HWND hwnd) { return ctl::StateOf<ComboState>(hwnd); }

bool OwnerDrawn(HWND hwnd) { return (StyleOf(hwnd) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }
bool HasStrings(HWND hwnd) { return !OwnerDrawn(hwnd) || (StyleOf(hwnd) & CBS_HASSTRINGS); }

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

int FieldHeight(HWND hwnd)
{
    ComboState* s = Of(hwnd);
    int text = s && s->itemHeight > 0 ? s->itemHeight : FontHeight(hwnd) + 2;
    return text + 6; // the sunken edge and a pixel of padding above and below
}

int ButtonWidth() { return GetSystemMetrics(SM_CXVSCROLL); }

int ButtonLeft(HWND hwnd)
{
    RECT r;
    GetClientRect(hwnd, &r);
    return static_cast<int>(r.right) - 2 - ButtonWidth();
}

std::string ItemText(HWND hwnd, int index)
{
    ComboState* s = Of(hwnd);
    return s && s->items.Valid(index) ? s->items.At(index).text : std::string();
}

void SyncEdit(HWND hwnd)
{
    ComboState* s = Of(hwnd);
    if (s && s->edit) {
        std::string text = ItemText(hwnd, s->selected);
        s->quietEdit = true;
        SendMessageA(s->edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(s->edit, EM_SETSEL, 0, -1);
        if ((s = Of(hwnd)) != nullptr)
            s->quietEdit = false;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

void Layout(HWND hwnd)
{
    ComboState* s = Of(hwnd);
    if (!s || !s->edit)
        return;
    RECT r;
    GetClientRect(hwnd, &r);
    int h = Kind(hwnd) == CBS_SIMPLE ? FieldHeight(hwnd) : r.bottom;
    int right = Kind(hwnd) == CBS_SIMPLE ? r.right - 2 : r.right - 2 - ButtonWidth();
    MoveWindow(s->edit, 3, 3, right - 3 > 0 ? right - 3 : 0, h - 6 > 0 ? h - 6 : 0, FALSE);
}

void Open(HWND hwnd)
{
    ComboState* s = Of(hwnd);
    if (!s || Kind(hwnd) == CBS_SIMPLE || s->dropped)
        return;
    ctl::NotifyParent(hwnd, CBN_DROPDOWN);
    if (!IsWindow(hwnd) || !s->list)
        return;
    s->dropped = true;
    s->dropStart = s->selected;
    ctl::SetComboListHot(s->list, s->selected);
    ctl::ShowComboList(s->list, true);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// Closes the list: ok keeps the selection (CBN_SELENDOK), otherwise the selection made since
// the list opened is taken back (CBN_SELENDCANCEL); CBN_CLOSEUP follows.
void Close(HWND hwnd, bool ok)
{
    ComboState* s = Of(hwnd);
    if (!s || !s->dropped)
        return;
    s->dropped = false;
    ctl::ShowComboList(s->list, false);
    if (!ok && s->selected != s->dropStart) {
        s->selected = s->dropStart;
        SyncEdit(hwnd);
    }
    ctl::NotifyParent(hwnd, ok ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if (IsWindow(hwnd))
        ctl::NotifyParent(hwnd, CBN_CLOSEUP);
    if (IsWindow(hwnd))
        InvalidateRect(hwnd, nullptr, FALSE);
}

void SetDropped(HWND hwnd, bool dropped)
{
    if (dropped)
        Open(hwnd);
    else
        Close(hwnd, true);
}

// The user picks an entry: from the open list the list closes first (CBN_SELENDOK,
// CBN_CLOSEUP), then CBN_SELCHANGE reports the choice.
void UserSelect(HWND hwnd, int index)
{
    ComboState* s = Of(hwnd);
    s->selected = index;
    SyncEdit(hwnd);
    if (s->dropped) {
        Close(hwnd, true);
        if (!IsWindow(hwnd))
            return;
    }
    ctl::NotifyParent(hwnd, CBN_SELCHANGE);
}

// A step made with the keys: the selection moves at once and is reported; an open list follows.
void KeySelect(HWND hwnd, int index)
{
    ComboState* s = Of(hwnd);
    if (index == s->selected)
        return;
    s->selected = index;
    SyncEdit(hwnd);
    if (s->dropped)
        ctl::SetComboListHot(s->list, index);
    ctl::NotifyParent(hwnd, CBN_SELCHANGE);
}

void Measure(HWND hwnd, ComboState* s, int item)
{
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_COMBOBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    mis.itemID = static_cast<UINT>(item);
    mis.itemHeight = static_cast<UINT>(FontHeight(hwnd));
    if (item >= 0 && s->items.Valid(item))
        mis.itemData = s->items.At(item).data;
    SendMessageA(GetParent(hwnd), WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    if (!(s = Of(hwnd)))
        return;
    if (item == -1)
        s->itemHeight = static_cast<int>(mis.itemHeight);
    else if (StyleOf(hwnd) & CBS_OWNERDRAWVARIABLE)
        s->items.At(item).height = static_cast<int>(mis.itemHeight);
    else
        s->listItemHeight = static_cast<int>(mis.itemHeight);
}

LRESULT AddOrInsert(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ComboState* s = Of(hwnd);
    std::string text = HasStrings(hwnd) && lParam ? reinterpret_cast<const char*>(lParam) : "";
    int index = msg == CB_ADDSTRING ? s->items.Add(text, (StyleOf(hwnd) & CBS_SORT) && HasStrings(hwnd))
                                    : s->items.Insert(static_cast<int>(static_cast<INT_PTR>(wParam)), text);
    if (index < 0)
        return CB_ERR;
    if (!HasStrings(hwnd))
        s->items.At(index).data = static_cast<ULONG_PTR>(lParam);
    if (s->selected >= index)
        ++s->selected;
    if (StyleOf(hwnd) & CBS_OWNERDRAWVARIABLE)
        Measure(hwnd, s, index);
    InvalidateRect(hwnd, nullptr, FALSE);
    return index;
}

void PaintField(HWND hwnd, HDC dc, ComboState* s, RECT r, bool enabled)
{
    RECT field = r;
    field.right -= ButtonWidth();
    InflateRect(&field, -1, -1);
    HBRUSH brush = ctl::ControlColor(hwnd, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    FillRect(dc, &field, brush);
    if (s->selected < 0)
        return;
    bool focused = ctl::HasFocus(hwnd) && !s->dropped;
    RECT item = field;
    InflateRect(&item, -1, -1);
    if (OwnerDrawn(hwnd)) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        dis.itemID = static_cast<UINT>(s->selected);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ODS_COMBOBOXEDIT | (focused ? ODS_SELECTED | ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
        dis.hwndItem = hwnd;
        dis.hDC = dc;
        dis.rcItem = item;
        dis.itemData = s->items.At(s->selected).data;
        SendMessageA(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    if (focused) {
        FillRect(dc, &item, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    }
    SetBkMode(dc, TRANSPARENT);
    RECT text = item;
    text.left += 1;
    DrawTextA(dc, s->items.At(s->selected).text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    if (focused)
        ctl::DrawFocus(dc, item);
}

void Paint(HWND hwnd)
{
    ComboState* s = Of(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (s && dc) {
        bool enabled = IsWindowEnabled(hwnd) != FALSE;
        RECT r;
        GetClientRect(hwnd, &r);
        if (Kind(hwnd) != CBS_SIMPLE)
            r.bottom = r.top + FieldHeight(hwnd);
        HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(hwnd));
        RECT edge = r;
        if (Kind(hwnd) == CBS_SIMPLE) {
            FillRect(dc, &edge, GetSysColorBrush(COLOR_WINDOW));
        } else {
            if (Kind(hwnd) == CBS_DROPDOWNLIST)
                PaintField(hwnd, dc, s, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, enabled);
            else
                FillRect(dc, &edge, ctl::ControlColor(hwnd, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC));
            RECT button{r.right - 2 - ButtonWidth(), r.top + 2, r.right - 2, r.bottom - 2};
            MiscCurrentTheme().DrawComboButton(
                dc, button, (enabled ? MISC_TS_NORMAL : MISC_TS_DISABLED) | (s->dropped ? MISC_TS_PRESSED | MISC_TS_FLAT : 0));
        }
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

LRESULT TextMessage(HWND hwnd, ComboState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (s->edit)
        return SendMessageA(s->edit, msg, wParam, lParam);
    std::string text = ItemText(hwnd, s->selected);
    if (msg == WM_GETTEXTLENGTH)
        return static_cast<LRESULT>(text.size());
    char* out = reinterpret_cast<char*>(lParam);
    if (!out || wParam == 0)
        return 0;
    size_t n = std::min(text.size(), static_cast<size_t>(wParam) - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT ComboMessage(HWND hwnd, ComboState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING: return AddOrInsert(hwnd, msg, wParam, lParam);
    case CB_DELETESTRING:
        if (!s->items.Delete(index))
            return CB_ERR;
        if (s->selected == index)
            s->selected = -1;
        else if (s->selected > index)
            --s->selected;
        InvalidateRect(hwnd, nullptr, FALSE);
        return s->items.Count();
    case CB_RESETCONTENT:
        s->items.Clear();
        s->selected = -1;
        SyncEdit(hwnd);
        return CB_OKAY;
    case CB_GETCOUNT: return s->items.Count();
    case CB_GETCURSEL: return s->selected;
    case CB_SETCURSEL:
        s->selected = s->items.Valid(index) ? index : -1;
        SyncEdit(hwnd);
        return s->selected >= 0 ? s->selected : CB_ERR;
    case CB_GETLBTEXT: {
        if (!s->items.Valid(index) || !lParam)
            return CB_ERR;
        if (!HasStrings(hwnd)) {
            ULONG_PTR data = s->items.At(index).data;
            std::memcpy(reinterpret_cast<void*>(lParam), &data, sizeof(data));
            return sizeof(data);
        }
        const std::string& text = s->items.At(index).text;
        std::memcpy(reinterpret_cast<char*>(lParam), text.c_str(), text.size() + 1);
        return static_cast<LRESULT>(text.size());
    }
    case CB_GETLBTEXTLEN:
        if (!s->items.Valid(index))
            return CB_ERR;
        return HasStrings(hwnd) ? static_cast<LRESULT>(s->items.At(index).text.size()) : sizeof(ULONG_PTR);
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING: {
        std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        int found = msg == CB_FINDSTRINGEXACT ? s->items.FindExact(index, text) : s->items.FindPrefix(index, text);
        if (found < 0)
            return CB_ERR;
        if (msg == CB_SELECTSTRING) {
            s->selected = found;
            SyncEdit(hwnd);
        }
        return found;
    }
    case CB_SETITEMDATA:
        if (!s->items.Valid(index))
            return CB_ERR;
        s->items.At(index).data = static_cast<ULONG_PTR>(lParam);
        return CB_OKAY;
    case CB_GETITEMDATA: return s->items.Valid(index) ? static_cast<LRESULT>(s->items.At(index).data) : CB_ERR;
    case CB_SHOWDROPDOWN: SetDropped(hwnd, wParam != 0); return TRUE;
    case CB_GETDROPPEDSTATE: return s->dropped;
    case CB_GETDROPPEDCONTROLRECT: {
        RECT r;
        GetWindowRect(hwnd, &r);
        r.bottom = r.top + s->droppedHeight;
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = r;
        return CB_OKAY;
    }
    case CB_LIMITTEXT: return s->edit ? SendMessageA(s->edit, EM_LIMITTEXT, wParam, 0), TRUE : TRUE;
    case CB_GETEDITSEL: return s->edit ? SendMessageA(s->edit, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
        if (!s->edit)
            return CB_ERR;
        SendMessageA(s->edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(lParam))),
                     static_cast<SHORT>(HIWORD(lParam)));
        return TRUE;
    case CB_SETITEMHEIGHT:
        if (index == -1) {
            s->itemHeight = static_cast<int>(lParam);
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        } else if (StyleOf(hwnd) & CBS_OWNERDRAWVARIABLE) {
            if (!s->items.Valid(index))
                return CB_ERR;
            s->items.At(index).height = static_cast<int>(lParam);
        } else {
            s->listItemHeight = static_cast<int>(lParam);
        }
        return CB_OKAY;
    case CB_GETITEMHEIGHT:
        if (index == -1)
            return FieldHeight(hwnd) - 6;
        if (s->items.Valid(index) && s->items.At(index).height)
            return s->items.At(index).height;
        return s->listItemHeight > 0 ? s->listItemHeight : FontHeight(hwnd);
    case CB_GETTOPINDEX: return s->topIndex;
    case CB_SETTOPINDEX:
        if (!s->items.Valid(index))
            return CB_ERR;
        s->topIndex = index;
        return CB_OKAY;
    case CB_SETDROPPEDWIDTH: s->droppedWidth = index; return index;
    case CB_GETDROPPEDWIDTH: {
        RECT r;
        GetWindowRect(hwnd, &r);
        return s->droppedWidth > r.right - r.left ? s->droppedWidth : r.right - r.left;
    }
    case CB_SETEXTENDEDUI: s->extendedUi = wParam != 0; return CB_OKAY;
    case CB_GETCOMBOBOXINFO: {
        auto* info = reinterpret_cast<COMBOBOXINFO*>(lParam);
        if (!info || info->cbSize != sizeof(COMBOBOXINFO))
            return FALSE;
        RECT r;
        GetClientRect(hwnd, &r);
        r.bottom = r.top + FieldHeight(hwnd);
        info->rcItem = RECT{r.left + 3, r.top + 3, r.right - 2 - ButtonWidth(), r.bottom - 3};
        info->rcButton = Kind(hwnd) == CBS_SIMPLE ? RECT{} : RECT{r.right - 2 - ButtonWidth(), r.top + 2, r.right - 2, r.bottom - 2};
        info->stateButton = s->dropped ? STATE_SYSTEM_PRESSED : 0;
        info->hwndCombo = hwnd;
        info->hwndItem = s->edit ? s->edit : hwnd;
        info->hwndList = s->list;
        return TRUE;
    }
    case CB_GETEXTENDEDUI: return s->extendedUi;
    case MISCM_USERSELECT:
        if (!s->items.Valid(index))
            return FALSE;
        UserSelect(hwnd, index);
        return TRUE;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void KeyDown(HWND hwnd, ComboState* s, WPARAM vk)
{
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (vk == VK_F4 || (alt && (vk == VK_DOWN || vk == VK_UP))) {
        if (s->dropped)
            Close(hwnd, true);
        else
            Open(hwnd);
        return;
    }
    if (s->dropped && (vk == VK_RETURN || vk == VK_ESCAPE)) {
        Close(hwnd, vk == VK_RETURN);
        return;
    }
    if (!s->dropped && s->extendedUi && vk == VK_DOWN) {
        Open(hwnd);
        return;
    }
    const int n = s->items.Count();
    if (n == 0)
        return;
    const int page = s->dropped ? std::max(1, ctl::ComboListRows(s->list) - 1) : 1;
    int next = s->selected;
    switch (vk) {
    case VK_DOWN: next = s->selected < 0 ? 0 : s->selected + 1; break;
    case VK_UP: next = s->selected < 0 ? 0 : s->selected - 1; break;
    case VK_NEXT: next = std::max(s->selected, 0) + page; break;
    case VK_PRIOR: next = std::max(s->selected, 0) - page; break;
    case VK_HOME: next = 0; break;
    case VK_END: next = n - 1; break;
    default: return;
    }
    KeySelect(hwnd, std::clamp(next, 0, n - 1));
}

// A character typed at a drop-down list selects the next entry that begins with it.
void TypeAhead(HWND hwnd, ComboState* s, char c)
{
    if (static_cast<unsigned char>(c) < ' ')
        return;
    const int found = s->items.FindPrefix(s->selected, std::string(1, c));
    if (found >= 0)
        KeySelect(hwnd, found);
}

LRESULT CALLBACK ComboProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ComboState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ComboState* state = ctl::CreateState<ComboState>(hwnd);
        state->droppedHeight = cs->cy;
        // The box draws its own sunken edge; scroll bar styles belong to its drop-down list.
        SetWindowLongA(hwnd, GWL_STYLE, GetWindowLongA(hwnd, GWL_STYLE) & ~(WS_BORDER | WS_VSCROLL | WS_HSCROLL));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_CREATE: {
        if (Kind(hwnd) != CBS_DROPDOWNLIST) {
            DWORD es = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_NOHIDESEL;
            if (StyleOf(hwnd) & CBS_UPPERCASE)
                es |= ES_UPPERCASE;
            if (StyleOf(hwnd) & CBS_LOWERCASE)
                es |= ES_LOWERCASE;
            s->edit = CreateWindowExA(0, "Edit", "", es, 0, 0, 0, 0, hwnd,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), nullptr, nullptr);
        }
        if (StyleOf(hwnd) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
            Measure(hwnd, s, -1);
            if (StyleOf(hwnd) & CBS_OWNERDRAWFIXED)
                Measure(hwnd, s, 0);
        }
        if (Kind(hwnd) != CBS_SIMPLE) {
            s->list = ctl::CreateComboList(hwnd);
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE | SWP_FRAMECHANGED);
        }
        Layout(hwnd);
        return 0;
    }
    case WM_DESTROY:
        if (s && IsWindow(s->list))
            DestroyWindow(s->list);
        if (s)
            s->list = nullptr;
        return 0;
    case WM_NCDESTROY:
        ctl::DeleteState<ComboState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
        break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_WINDOWPOSCHANGING: {
        // The height given is the drop-down list's; the box keeps the height of one line.
        auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
        if (Kind(hwnd) != CBS_SIMPLE) {
            if (!(wp->flags & SWP_NOSIZE) && wp->cy != FieldHeight(hwnd))
                s->droppedHeight = wp->cy;
            wp->cy = FieldHeight(hwnd);
            wp->flags &= ~static_cast<UINT>(SWP_NOSIZE);
        }
        return 0;
    }
    case WM_SIZE: Layout(hwnd); return 0;
    case WM_SETFONT:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        if (s->edit)
            SendMessageA(s->edit, WM_SETFONT, wParam, lParam);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
        Layout(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        // An open list keeps Enter and Escape from the dialog: they close the list.
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (s->dropped ? DLGC_WANTALLKEYS : 0);
    case WM_SETTEXT:
        if (s->edit)
            return SendMessageA(s->edit, WM_SETTEXT, wParam, lParam);
        if (lParam) {
            int found = s->items.FindExact(-1, reinterpret_cast<const char*>(lParam));
            if (found < 0)
                return CB_ERR;
            s->selected = found;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return TRUE;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return TextMessage(hwnd, s, msg, wParam, lParam);
    case WM_COMMAND:
        if (s->edit && reinterpret_cast<HWND>(lParam) == s->edit) {
            if (s->quietEdit && (HIWORD(wParam) == EN_CHANGE || HIWORD(wParam) == EN_UPDATE))
                return 0;
            if (HIWORD(wParam) == EN_CHANGE)
                ctl::NotifyParent(hwnd, CBN_EDITCHANGE);
            else if (HIWORD(wParam) == EN_UPDATE)
                ctl::NotifyParent(hwnd, CBN_EDITUPDATE);
            else if (HIWORD(wParam) == EN_SETFOCUS)
                ctl::NotifyParent(hwnd, CBN_SETFOCUS);
            else if (HIWORD(wParam) == EN_KILLFOCUS)
                ctl::NotifyParent(hwnd, CBN_KILLFOCUS);
        }
        return 0;
    case WM_SETFOCUS:
        if (s->edit) {
            SetFocus(s->edit);
        } else {
            InvalidateRect(hwnd, nullptr, FALSE);
            ctl::NotifyParent(hwnd, CBN_SETFOCUS);
        }
        return 0;
    case WM_KILLFOCUS:
        if (reinterpret_cast<HWND>(wParam) != s->edit)
            Close(hwnd, false);
        if (!s->edit) {
            InvalidateRect(hwnd, nullptr, FALSE);
            ctl::NotifyParent(hwnd, CBN_KILLFOCUS);
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (s->dropped) {
            Close(hwnd, true);
            return 0;
        }
        if (GetFocus() != hwnd && GetFocus() != s->edit)
            SetFocus(hwnd);
        // A drop-down combo opens from its button; a drop-down list from anywhere.
        if (Kind(hwnd) == CBS_DROPDOWNLIST || GET_X_LPARAM(lParam) >= ButtonLeft(hwnd))
            Open(hwnd);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (msg == WM_SYSKEYDOWN && wParam != VK_DOWN && wParam != VK_UP)
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        KeyDown(hwnd, s, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        // The wheel scrolls an open list; on a closed box it steps through the entries.
        if (s->dropped)
            return SendMessageA(s->list, msg, wParam, lParam);
        if (s->items.Count() > 0)
            KeySelect(hwnd, std::clamp(s->selected + (static_cast<SHORT>(HIWORD(wParam)) > 0 ? -1 : 1), 0,
                                       s->items.Count() - 1));
        return 0;
    case WM_CHAR:
        if (!s->edit)
            TypeAhead(hwnd, s, static_cast<char>(wParam));
        return 0;
    case WM_ENABLE:
        if (s->edit)
            EnableWindow(s->edit, static_cast<BOOL>(wParam));
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return ComboMessage(hwnd, s, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterComboBoxClass()
{
    RegisterControlClass("ComboBox", ComboProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW);
    RegisterComboListClass();
}

void ComboListPicked(HWND combo, int index)
{
    ComboState* s = Of(combo);
    if (s && s->items.Valid(index))
        UserSelect(combo, index);
}

void ComboListClosed(HWND combo, bool ok)
{
    Close(combo, ok);
}
} // namespace ctl

BOOL GetComboBoxInfo(HWND combo, PCOMBOBOXINFO info)
{
    return static_cast<BOOL>(SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(info)));
}
