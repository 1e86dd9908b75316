// The combo box's CB_ messages: entries added, inserted, deleted and searched, the selection,
// the heights, the drop-down state and the parts of the box.
#include "controls/combolist.h"
#include "controls/combostate.h"

#include <cstring>

using namespace wndsys;

namespace ctl::combo {

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
    case CB_GETLBTEXT: return s->items.CopyText(index, HasStrings(hwnd), lParam); // -1 is CB_ERR
    case CB_GETLBTEXTLEN: return s->items.TextLength(index, HasStrings(hwnd));
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
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace ctl::combo
