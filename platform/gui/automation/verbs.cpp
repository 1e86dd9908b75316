// The scripted user's short verbs on a dialog's controls (win32/script.h), made of elements.
#include "autosys.h"

#include "win32/script.h"

using namespace autosys;

namespace {

// A direct child that a person can reach: present, enabled and shown.
MiscElement Reachable(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item || !IsWindowEnabled(item) || !IsWindowVisible(item))
        return MiscElement();
    return MiscElement(item);
}

} // namespace

BOOL MiscClickButton(HWND dialog, int id)
{
    MiscElement e = Reachable(dialog, id);
    return e.Window() && e.Click();
}

BOOL MiscSetControlText(HWND dialog, int id, const char* text)
{
    MiscElement e = Reachable(dialog, id);
    return e.Window() && e.TypeText(text ? text : "");
}

std::string MiscGetControlText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item)
        return std::string();
    int length = GetWindowTextLengthA(item);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int n = GetWindowTextA(item, text.data(), length + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

BOOL MiscSetCheck(HWND dialog, int id, UINT state)
{
    MiscElement e = Reachable(dialog, id);
    return e.Window() && e.SetCheck(static_cast<int>(state));
}

// Lists and combo boxes choose entry `index`; a track bar moves to position `index`; an up-down
// control clicks its up arrow for a non-zero index and its down arrow for zero.
BOOL MiscSelectItem(HWND dialog, int id, int index)
{
    MiscElement e = Reachable(dialog, id);
    if (!e.Window())
        return FALSE;
    std::string cls = ClassOf(e.Window());
    if (cls == "MSCTLS_TRACKBAR32")
        return e.SetValue(index);
    if (cls == "MSCTLS_UPDOWN32")
        return e.Item(index ? 1 : 0).Click();
    return e.Item(index).Select();
}

// Matched as LB_FINDSTRINGEXACT and CB_FINDSTRINGEXACT match: the whole text, any case.
BOOL MiscSelectString(HWND dialog, int id, const char* text)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item)
        return FALSE;
    std::string cls = ClassOf(item);
    LRESULT index = -1;
    if (cls == "LISTBOX" || cls == "COMBOBOX") {
        UINT find = cls == "LISTBOX" ? LB_FINDSTRINGEXACT : CB_FINDSTRINGEXACT;
        index = SendMessageA(item, find, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    } else {
        MiscElement found = MiscElement(item).Item(text ? text : "");
        index = found.Path().items.size() == 1 ? found.Path().items[0] : -1;
    }
    return index >= 0 && MiscSelectItem(dialog, id, static_cast<int>(index));
}

void MiscPressKey(int vk) { MiscPressKeyWith(vk, 0); }

BOOL MiscCloseWindow(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return FALSE;
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    MiscSettle();
    return TRUE;
}
