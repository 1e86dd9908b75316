// The STATIC class: text (left, centred, right, simple, no wrap), rectangles and frames, etched
// lines and frames, icons and bitmaps from the dialog's module, owner-drawn statics.
#include "controls/ctlsys.h"

#include <cstdlib>

using namespace wndsys;

namespace {

struct StaticState {
    HANDLE image = nullptr;
    UINT imageType = IMAGE_ICON;
};

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }

// "#123", "123" or a resource number given as MAKEINTRESOURCE.
LPCSTR ResourceName(LPCSTR text)
{
    if (!text || IS_INTRESOURCE(text))
        return text;
    const char* digits = text[0] == '#' ? text + 1 : text;
    char* end = nullptr;
    long id = std::strtol(digits, &end, 10);
    if (end != digits && *end == '\0' && id > 0 && id < 65536)
        return MAKEINTRESOURCEA(id);
    return text;
}

void LoadImageFromText(HWND hwnd, const CREATESTRUCTA* cs)
{
    StaticState* s = ctl::StateOf<StaticState>(hwnd);
    LPCSTR name = ResourceName(cs->lpszName);
    if (!name || !IS_INTRESOURCE(name))
        return;
    if ((cs->style & SS_TYPEMASK) == SS_ICON) {
        s->image = LoadIconA(cs->hInstance, name);
        if (!s->image)
            s->image = LoadIconA(nullptr, name);
        s->imageType = IMAGE_ICON;
    } else {
        s->image = LoadBitmapA(cs->hInstance, name);
        s->imageType = IMAGE_BITMAP;
    }
}

SIZE ImageSize(const StaticState* s)
{
    if (!s->image)
        return SIZE{0, 0};
    if (s->imageType == IMAGE_ICON)
        return SIZE{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    BITMAP bm{};
    GetObjectA(s->image, sizeof(bm), &bm);
    return SIZE{bm.bmWidth, bm.bmHeight};
}

void FitToImage(HWND hwnd)
{
    StaticState* s = ctl::StateOf<StaticState>(hwnd);
    if (!s || !s->image || (StyleOf(hwnd) & (SS_CENTERIMAGE | SS_REALSIZECONTROL)))
        return;
    SIZE size = ImageSize(s);
    if (size.cx > 0 && size.cy > 0)
        SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaintImage(HDC dc, const StaticState* s, RECT r, bool centre)
{
    SIZE size = ImageSize(s);
    int x = centre ? (r.left + r.right - size.cx) / 2 : r.left;
    int y = centre ? (r.top + r.bottom - size.cy) / 2 : r.top;
    if (s->imageType == IMAGE_ICON) {
        DrawIconEx(dc, x, y, static_cast<HICON>(s->image), 0, 0, 0, nullptr, DI_NORMAL);
        return;
    }
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, s->image);
    BitBlt(dc, x, y, size.cx, size.cy, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

void PaintText(HWND hwnd, HDC dc, RECT r, DWORD style)
{
    UINT format = DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_SIMPLE: format |= DT_SINGLELINE | DT_NOCLIP; break;
    case SS_LEFTNOWORDWRAP: format |= DT_SINGLELINE; break;
    default: format |= DT_LEFT | DT_WORDBREAK; break;
    }
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (style & SS_CENTERIMAGE)
        format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_VCENTER;
    switch (style & SS_ELLIPSISMASK) {
    case SS_ENDELLIPSIS: format |= DT_END_ELLIPSIS | DT_SINGLELINE; break;
    case SS_PATHELLIPSIS: format |= DT_PATH_ELLIPSIS | DT_SINGLELINE; break;
    case SS_WORDELLIPSIS: format |= DT_WORD_ELLIPSIS | DT_SINGLELINE; break;
    default: break;
    }
    ctl::DrawLabel(dc, ctl::TextOf(hwnd), r, format, IsWindowEnabled(hwnd) != FALSE);
}

void Paint(HWND hwnd)
{
    StaticState* s = ctl::StateOf<StaticState>(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!s || !dc) {
        EndPaint(hwnd, &ps);
        return;
    }
    RECT r;
    GetClientRect(hwnd, &r);
    DWORD style = StyleOf(hwnd);
    HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(hwnd));
    switch (style & SS_TYPEMASK) {
    case SS_BLACKRECT: FillRect(dc, &r, GetSysColorBrush(COLOR_3DDKSHADOW)); break;
    case SS_GRAYRECT: FillRect(dc, &r, GetSysColorBrush(COLOR_3DSHADOW)); break;
    case SS_WHITERECT: FillRect(dc, &r, GetSysColorBrush(COLOR_3DHILIGHT)); break;
    case SS_BLACKFRAME: FrameRect(dc, &r, GetSysColorBrush(COLOR_3DDKSHADOW)); break;
    case SS_GRAYFRAME: FrameRect(dc, &r, GetSysColorBrush(COLOR_3DSHADOW)); break;
    case SS_WHITEFRAME: FrameRect(dc, &r, GetSysColorBrush(COLOR_3DHILIGHT)); break;
    case SS_ETCHEDHORZ: DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP); break;
    case SS_ETCHEDVERT: DrawEdge(dc, &r, EDGE_ETCHED, BF_LEFT); break;
    case SS_ETCHEDFRAME: DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT); break;
    case SS_ICON:
    case SS_BITMAP:
        FillRect(dc, &r, ctl::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC));
        if (s->image)
            PaintImage(dc, s, r, (style & SS_CENTERIMAGE) != 0);
        break;
    case SS_OWNERDRAW: {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_STATIC;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED;
        dis.hwndItem = hwnd;
        dis.hDC = dc;
        dis.rcItem = r;
        if (HWND parent = GetParent(hwnd))
            SendMessageA(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        break;
    }
    default:
        FillRect(dc, &r, ctl::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC));
        PaintText(hwnd, dc, r, style);
        break;
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT SetImage(HWND hwnd, UINT type, HANDLE image)
{
    StaticState* s = ctl::StateOf<StaticState>(hwnd);
    if (!s)
        return 0;
    HANDLE old = s->image;
    s->image = image;
    s->imageType = type;
    FitToImage(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(old);
}

LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCREATE: {
        ctl::CreateState<StaticState>(hwnd);
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (cs->style & SS_SUNKEN)
            SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_STATICEDGE);
        DWORD type = static_cast<DWORD>(cs->style) & SS_TYPEMASK;
        if (type == SS_ICON || type == SS_BITMAP) {
            LoadImageFromText(hwnd, cs);
            CREATESTRUCTA copy = *cs;
            copy.lpszName = ""; // the resource name is not the window's text
            return DefWindowProcA(hwnd, msg, wParam, reinterpret_cast<LPARAM>(&copy));
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_CREATE:
        FitToImage(hwnd);
        return 0;
    case WM_NCDESTROY:
        ctl::DeleteState<StaticState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_NCHITTEST:
        return (StyleOf(hwnd) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
        if (StyleOf(hwnd) & SS_NOTIFY)
            ctl::NotifyParent(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (StyleOf(hwnd) & SS_NOTIFY)
            ctl::NotifyParent(hwnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        if (StyleOf(hwnd) & SS_NOTIFY)
            ctl::NotifyParent(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case STM_SETICON:
        return SetImage(hwnd, IMAGE_ICON, reinterpret_cast<HANDLE>(wParam));
    case STM_GETICON:
        return STM_GETIMAGE == msg ? 0 : SendMessageA(hwnd, STM_GETIMAGE, IMAGE_ICON, 0);
    case STM_SETIMAGE:
        return SetImage(hwnd, static_cast<UINT>(wParam), reinterpret_cast<HANDLE>(lParam));
    case STM_GETIMAGE: {
        StaticState* s = ctl::StateOf<StaticState>(hwnd);
        return s && s->imageType == wParam ? reinterpret_cast<LRESULT>(s->image) : 0;
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterStaticClass() { RegisterControlClass("Static", StaticProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW); }
} // namespace ctl
