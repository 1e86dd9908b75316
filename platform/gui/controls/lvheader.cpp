// The header of a list view: a header control (SysHeader32, identifier 0) along the top of the
// list, kept in step with the list's columns. The list passes its messages through two hooks:
// ListHeaderBefore sees them first (creation, size, font, the header's notifications,
// LVM_GETHEADER) and ListHeaderAfter sees the answer to column messages, after which the
// header shows the columns again. Header notifications go on to the list's parent, as
// Windows forwards them (a parent may refuse a drag); a caption click becomes LVN_COLUMNCLICK,
// a new width the column's width, a divider double click an autosized column.
#include "controls/ctlsys.h"

#include <strings.h>
#include <string>

namespace {

// Set while the list tells the header about its columns, so that the header's own change
// notifications are not taken for a user's change.
bool g_syncing = false;

HWND HeaderOf(HWND list)
{
    for (HWND c = GetWindow(list, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[32] = {0};
        GetClassNameA(c, cls, sizeof(cls));
        if (strcasecmp(cls, WC_HEADERA) == 0 && GetDlgCtrlID(c) == 0)
            return c;
    }
    return nullptr;
}

void Layout(HWND list, HWND header)
{
    RECT client;
    GetClientRect(list, &client);
    WINDOWPOS pos{};
    HDLAYOUT layout{&client, &pos};
    if (SendMessageA(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout)))
        SetWindowPos(header, nullptr, pos.x, pos.y, pos.cx, pos.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Create(HWND list)
{
    DWORD style = static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE));
    if (style & LVS_NOCOLUMNHEADER)
        return;
    DWORD hs = WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_FULLDRAG | ((style & LVS_NOSORTHEADER) ? 0 : HDS_BUTTONS);
    HWND header = CreateWindowExA(0, WC_HEADERA, "", hs, 0, 0, 0, 0, list, nullptr, nullptr, nullptr);
    if (!header)
        return;
    SendMessageA(header, WM_SETFONT, reinterpret_cast<WPARAM>(ctl::FontOf(list)), FALSE);
    Layout(list, header);
}

// Shows the list's columns (asked of the list itself) in the header.
void Sync(HWND list, HWND header)
{
    g_syncing = true;
    int count = 0;
    for (;; ++count) {
        char text[260] = {0};
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        col.pszText = text;
        col.cchTextMax = sizeof(text);
        if (!SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&col)))
            break;
        int fmt = HDF_STRING | ((col.fmt & LVCFMT_RIGHT) ? HDF_RIGHT : (col.fmt & LVCFMT_CENTER) ? HDF_CENTER : HDF_LEFT);
        char now[260] = {0};
        HDITEMA have{};
        have.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        have.pszText = now;
        have.cchTextMax = sizeof(now);
        HDITEMA want{};
        want.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        want.pszText = text;
        want.cxy = col.cx;
        want.fmt = fmt;
        if (!SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&have)))
            SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&want));
        else if (have.cxy != col.cx || have.fmt != fmt || std::string(now) != text)
            SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&want));
    }
    while (SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) > count)
        SendMessageA(header, HDM_DELETEITEM, static_cast<WPARAM>(count), 0);
    g_syncing = false;
}

LRESULT HeaderNotify(HWND list, NMHDR* hdr)
{
    if (g_syncing)
        return 0;
    // The list's parent hears the header first and may refuse (HDN_BEGINTRACK, HDN_ITEMCHANGING).
    HWND parent = GetParent(list);
    LRESULT answer = parent ? SendMessageA(parent, WM_NOTIFY, hdr->idFrom, reinterpret_cast<LPARAM>(hdr)) : 0;
    if (!IsWindow(list))
        return answer;
    auto* nm = reinterpret_cast<NMHEADERA*>(hdr);
    switch (hdr->code) {
    case HDN_ITEMCHANGEDA:
        if (nm->pitem && (nm->pitem->mask & HDI_WIDTH))
            SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nm->iItem), MAKELPARAM(nm->pitem->cxy, 0));
        break;
    case HDN_ITEMCLICKA: {
        NMLISTVIEW lv{};
        lv.iItem = -1;
        lv.iSubItem = nm->iItem;
        ctl::NotifyParent(list, LVN_COLUMNCLICK, &lv.hdr);
        break;
    }
    case HDN_DIVIDERDBLCLICKA:
        SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nm->iItem), MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
        break;
    default: break;
    }
    return answer;
}

} // namespace

namespace ctl {

bool ListHeaderBefore(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    bool mine = msg == WM_SIZE || msg == WM_SETFONT || msg == WM_NOTIFY || msg == LVM_GETHEADER;
    HWND header = mine ? HeaderOf(list) : nullptr;
    switch (msg) {
    case WM_CREATE: Create(list); return false;
    case WM_SIZE:
        if (header)
            Layout(list, header);
        return false;
    case WM_SETFONT:
        if (header) {
            SendMessageA(header, WM_SETFONT, wParam, lParam);
            Layout(list, header);
        }
        return false;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (!header || !hdr || hdr->hwndFrom != header)
            return false;
        *result = HeaderNotify(list, hdr);
        return true;
    }
    case LVM_GETHEADER: *result = reinterpret_cast<LRESULT>(header); return true;
    default: return false;
    }
}

LRESULT ListHeaderAfter(HWND list, UINT msg, LRESULT result)
{
    switch (msg) {
    case LVM_INSERTCOLUMNA: case LVM_DELETECOLUMN: case LVM_SETCOLUMNA: case LVM_SETCOLUMNWIDTH:
        if (HWND header = HeaderOf(list))
            Sync(list, header);
        break;
    default: break;
    }
    return result;
}

} // namespace ctl
