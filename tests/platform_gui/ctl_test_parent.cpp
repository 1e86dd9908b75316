#include "ctl_test_parent.h"

namespace guitest {

namespace {
NoteParent* g_parent = nullptr;

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    NoteParent* p = g_parent;
    if (!p)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_COMMAND:
        p->notes.push_back(Note{msg, LOWORD(wParam), HIWORD(wParam), 0});
        return 0;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        int value = 0;
        if (hdr->code == UDN_DELTAPOS) {
            value = reinterpret_cast<NMUPDOWN*>(lParam)->iDelta;
            p->notes.push_back(Note{msg, static_cast<int>(hdr->idFrom), hdr->code, value});
            return p->refuseDelta;
        }
        if (hdr->code == LVN_ITEMCHANGED || hdr->code == LVN_ITEMCHANGING)
            value = reinterpret_cast<NMLISTVIEW*>(lParam)->iItem;
        p->notes.push_back(Note{msg, static_cast<int>(hdr->idFrom), hdr->code, value});
        return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        p->notes.push_back(Note{msg, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam),
                                static_cast<SHORT>(HIWORD(wParam))});
        return 0;
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        mis->itemHeight = static_cast<UINT>(p->measureHeight);
        p->notes.push_back(Note{msg, static_cast<int>(mis->CtlID), 0, static_cast<int>(mis->itemID)});
        return TRUE;
    }
    case WM_DRAWITEM:
        ++p->drawCount;
        return TRUE;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
} // namespace

NoteParent::NoteParent()
{
    g_parent = this;
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "MiscNoteParent";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, "MiscNoteParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                           nullptr);
}

NoteParent::~NoteParent()
{
    if (IsWindow(hwnd))
        DestroyWindow(hwnd);
    if (g_parent == this)
        g_parent = nullptr;
}

HWND NoteParent::Child(const char* cls, DWORD style, int id, int x, int y, int w, int h, const char* text)
{
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

std::vector<UINT> NoteParent::Codes(UINT msg) const
{
    std::vector<UINT> out;
    for (const Note& n : notes)
        if (n.msg == msg)
            out.push_back(n.code);
    return out;
}

} // namespace guitest
