#include "ctl_notes.h"

namespace guitest {

namespace {
NotifyParent* g_current = nullptr;

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    NotifyParent* p = g_current;
    if (!p || msg != WM_NOTIFY)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    Notify n{hdr->code, -1, 0};
    if (hdr->code <= HDN_FIRST && hdr->code > HDN_FIRST - 100) {
        auto* nm = reinterpret_cast<NMHEADERA*>(lParam);
        n.item = nm->iItem;
        if (nm->pitem && (nm->pitem->mask & HDI_WIDTH))
            n.value = nm->pitem->cxy;
    }
    if (hdr->code == LVN_COLUMNCLICK)
        n.item = reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem;
    p->notes.push_back(n);
    return p->answer ? p->answer(*hdr) : 0;
}
} // namespace

NotifyParent::NotifyParent(int width, int height)
{
    g_current = this;
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "MiscNotifyParent";
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, "MiscNotifyParent", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                           nullptr, nullptr);
}

NotifyParent::~NotifyParent()
{
    if (IsWindow(hwnd))
        DestroyWindow(hwnd);
    if (g_current == this)
        g_current = nullptr;
}

HWND NotifyParent::Child(const char* cls, DWORD style, int id, int x, int y, int w, int h)
{
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

std::vector<UINT> NotifyParent::Codes() const
{
    std::vector<UINT> out;
    for (const Notify& n : notes)
        out.push_back(n.code);
    return out;
}

} // namespace guitest
