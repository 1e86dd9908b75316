#include "msg_log.h"

#include <cstdio>

namespace msgtest {

namespace {
Recorder* g_current = nullptr;

// Messages that Windows sends at moments the tables do not pin down.
bool Ignored(UINT msg)
{
    switch (msg) {
    case WM_GETICON: case WM_NCHITTEST: case WM_SETCURSOR: case WM_GETTEXT: case WM_GETTEXTLENGTH:
    case WM_GETFONT: case WM_NOTIFYFORMAT: case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}
} // namespace

Recorder::Recorder()
{
    g_current = this;
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Recorder::Proc;
    wc.lpszClassName = ClassName();
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&wc); // fails harmlessly when already registered
}

Recorder::~Recorder()
{
    if (g_current == this)
        g_current = nullptr;
}

Recorder& Recorder::Current() { return *g_current; }

LRESULT CALLBACK Recorder::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (g_current) {
        if (!Ignored(msg))
            g_current->m_log.push_back(Logged{hwnd, msg, wParam, lParam});
        LRESULT result = 0;
        if (g_current->m_hook && g_current->m_hook(hwnd, msg, wParam, lParam, &result))
            return result;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::vector<UINT> Recorder::MessagesOf(HWND hwnd) const
{
    std::vector<UINT> out;
    for (const Logged& l : m_log)
        if (l.hwnd == hwnd)
            out.push_back(l.msg);
    return out;
}

std::string Recorder::Compare(const std::vector<Expected>& want, HWND self, HWND parent, HWND child) const
{
    size_t at = 0;
    bool ok = true;
    for (const Expected& e : want) {
        HWND target = (e.flags & kParent) ? parent : (e.flags & kChild) ? child : self;
        bool match = at < m_log.size() && m_log[at].msg == e.msg && m_log[at].hwnd == target &&
                     (!(e.flags & kWParam) || m_log[at].wParam == e.wParam);
        if (match) {
            ++at;
        } else if (!(e.flags & kOptional)) {
            ok = false;
            break;
        }
    }
    if (ok && at == m_log.size())
        return std::string();
    std::string out = "expected:";
    for (const Expected& e : want)
        out += std::string(" ") + ((e.flags & kParent) ? "P:" : (e.flags & kChild) ? "C:" : "") + Name(e.msg) +
               ((e.flags & kOptional) ? "?" : "");
    out += "\n     got:";
    for (const Logged& l : m_log)
        out += std::string(" ") + (l.hwnd == parent && parent ? "P:" : (l.hwnd == child && child) ? "C:" : "") +
               Name(l.msg);
    return out;
}

std::string Name(UINT msg)
{
    switch (msg) {
#define NAME(m) case m: return #m;
        NAME(WM_CREATE) NAME(WM_DESTROY) NAME(WM_MOVE) NAME(WM_SIZE) NAME(WM_ACTIVATE) NAME(WM_SETFOCUS)
        NAME(WM_KILLFOCUS) NAME(WM_ENABLE) NAME(WM_SETTEXT) NAME(WM_PAINT) NAME(WM_CLOSE) NAME(WM_ERASEBKGND)
        NAME(WM_SHOWWINDOW) NAME(WM_GETMINMAXINFO) NAME(WM_WINDOWPOSCHANGING) NAME(WM_WINDOWPOSCHANGED)
        NAME(WM_NCCREATE) NAME(WM_NCDESTROY) NAME(WM_NCCALCSIZE) NAME(WM_NCPAINT) NAME(WM_NCACTIVATE)
        NAME(WM_KEYDOWN) NAME(WM_KEYUP) NAME(WM_CHAR) NAME(WM_COMMAND) NAME(WM_TIMER) NAME(WM_MOUSEMOVE)
        NAME(WM_LBUTTONDOWN) NAME(WM_LBUTTONUP) NAME(WM_RBUTTONDOWN) NAME(WM_PARENTNOTIFY)
        NAME(WM_CAPTURECHANGED) NAME(WM_STYLECHANGING) NAME(WM_STYLECHANGED) NAME(WM_USER) NAME(WM_NULL)
        NAME(WM_SETFONT) NAME(WM_INITDIALOG) NAME(WM_GETDLGCODE) NAME(WM_CTLCOLORDLG) NAME(WM_CTLCOLORSTATIC)
        NAME(WM_CTLCOLORBTN) NAME(WM_CANCELMODE) NAME(WM_SYSCOMMAND) NAME(WM_MOUSEACTIVATE)
#undef NAME
    default: {
        char buffer[16];
        std::snprintf(buffer, sizeof(buffer), "0x%04X", msg);
        return buffer;
    }
    }
}

} // namespace msgtest
