// The tab control (SysTabControl32): a row of tabs over a pane. The user picks a tab with the
// mouse or the keyboard (arrows, Home, End, Ctrl+Tab and Ctrl+Shift+Tab, Ctrl+PageDown and
// Ctrl+PageUp); the parent is asked first (TCN_SELCHANGING, non-zero refuses) and told after
// (TCN_SELCHANGE). TCM_SETCURSEL changes the selection silently, as on Windows. With
// TCS_MULTILINE the tabs wrap into rows, and the row of the selected tab moves next to the pane.
#include "controls/ctlsys.h"

#include <algorithm>
#include <cstring>
#include <strings.h>
#include <vector>

#include "win32/theme.h"

using namespace wndsys;

namespace {

constexpr int kMargin = 2;     // space left of the first tab and above the top row
constexpr int kPaneInset = 4;  // from the pane's edge to the display rectangle

struct TabItem {
    std::string text;
    int image = -1;
    LPARAM data = 0;
    DWORD state = 0;
};

struct TabState {
    std::vector<TabItem> items;
    int sel = -1;
    int focus = -1;
    int hot = -1;
    HANDLE images = nullptr;
    SIZE padding{6, 3};
    SIZE fixed{0, 0}; // TCM_SETITEMSIZE; zero means "fit the text"
    int minWidth = -1;
};

// The tab rectangles of one layout pass, and the rows they fill.
struct Layout {
    std::vector<RECT> rects;
    int rows = 1;
    int rowHeight = 0;
    RECT pane{};
};

TabState* Of(HWND hwnd) { return ctl::StateOf<TabState>(hwnd); }
DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
// The size of the image list's pictures (none without a list).
SIZE ImageSize(const TabState* s)
{
    int cx = 0, cy = 0;
    if (!s->images || !ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(s->images), &cx, &cy))
        return SIZE{0, 0};
    return SIZE{cx, cy};
}

int Count(const TabState* s) { return static_cast<int>(s->items.size()); }
bool Valid(const TabState* s, int i) { return i >= 0 && i < Count(s); }

SIZE TextSize(HWND hwnd, const std::string& text)
{
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, ctl::FontOf(hwnd));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.empty() ? "X" : text.c_str(), text.empty() ? 1 : static_cast<int>(text.size()), &size);
    if (text.empty())
        size.cx = 0;
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return size;
}

std::string Unprefixed(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

Layout ComputeLayout(HWND hwnd, const TabState* s)
{
    Layout l;
    RECT client;
    GetClientRect(hwnd, &client);
    SIZE image = ImageSize(s);
    int textH = TextSize(hwnd, "Xg").cy;
    l.rowHeight = s->fixed.cy > 0 ? s->fixed.cy : std::max<int>(textH, image.cy) + 2 * s->padding.cy + 1;
    // Widths first, then the rows they wrap into.
    std::vector<int> widths;
    for (const TabItem& item : s->items) {
        int w = s->fixed.cx > 0 && (StyleOf(hwnd) & TCS_FIXEDWIDTH)
                    ? s->fixed.cx
                    : TextSize(hwnd, Unprefixed(item.text)).cx + 2 * s->padding.cx + (image.cx > 0 && item.image >= 0 ? image.cx + s->padding.cx : 0);
        widths.push_back(std::max(w, s->minWidth >= 0 ? s->minWidth : 2 * s->padding.cx + 12));
    }
    std::vector<int> rowOf(widths.size(), 0);
    int x = kMargin, row = 0;
    bool multi = (StyleOf(hwnd) & TCS_MULTILINE) != 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (multi && x > kMargin && x + widths[i] > client.right - kMargin) {
            ++row;
            x = kMargin;
        }
        rowOf[i] = row;
        x += widths[i];
    }
    l.rows = row + 1;
    // The selected tab's row sits next to the pane; the other rows keep their turn above it.
    int selRow = Valid(s, s->sel) ? rowOf[static_cast<size_t>(s->sel)] : 0;
    x = kMargin;
    int lastRow = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        if (rowOf[i] != lastRow) {
            x = kMargin;
            lastRow = rowOf[i];
        }
        int fromPane = (rowOf[i] - selRow + l.rows) % l.rows;
        int y = kMargin + (l.rows - 1 - fromPane) * l.rowHeight;
        l.rects.push_back(RECT{x, y, x + widths[i], y + l.rowHeight});
        x += widths[i];
    }
    l.pane = RECT{0, kMargin + l.rows * l.rowHeight, client.right, client.bottom};
    return l;
}

int HitTest(HWND hwnd, const TabState* s, POINT pt, UINT* flags)
{
    Layout l = ComputeLayout(hwnd, s);
    for (int i = 0; i < Count(s); ++i) {
        RECT r = l.rects[static_cast<size_t>(i)];
        if (i == s->sel)
            InflateRect(&r, 2, 0), r.top -= 2;
        if (PtInRect(&r, pt)) {
            if (flags) {
                bool icon = s->items[static_cast<size_t>(i)].image >= 0 &&
                            pt.x < r.left + s->padding.cx + ImageSize(s).cx;
                *flags = icon ? TCHT_ONITEMICON : TCHT_ONITEMLABEL;
            }
            return i;
        }
    }
    if (flags)
        *flags = TCHT_NOWHERE;
    return -1;
}

// A selection change as a user makes it: asked, made, told. False when refused or impossible.
bool UserSelect(HWND hwnd, int index)
{
    TabState* s = Of(hwnd);
    if (!s || !Valid(s, index))
        return false;
    if (index == s->sel)
        return true;
    NMHDR hdr{};
    if (ctl::NotifyParent(hwnd, TCN_SELCHANGING, &hdr))
        return false;
    s = Of(hwnd);
    if (!IsWindow(hwnd) || !s || !Valid(s, index))
        return false;
    s->sel = index;
    s->focus = index;
    InvalidateRect(hwnd, nullptr, TRUE);
    hdr = NMHDR{};
    ctl::NotifyParent(hwnd, TCN_SELCHANGE, &hdr);
    return true;
}

void FillItem(const TabItem& item, TCITEMA* tc)
{
    if ((tc->mask & TCIF_TEXT) && tc->pszText && tc->cchTextMax > 0) {
        size_t n = std::min(item.text.size(), static_cast<size_t>(tc->cchTextMax - 1));
        std::memcpy(tc->pszText, item.text.data(), n);
        tc->pszText[n] = '\0';
    }
    if (tc->mask & TCIF_IMAGE)
        tc->iImage = item.image;
    if (tc->mask & TCIF_PARAM)
        tc->lParam = item.data;
    if (tc->mask & TCIF_STATE)
        tc->dwState = item.state & tc->dwStateMask;
}

void ApplyItem(TabItem& item, const TCITEMA& tc)
{
    if (tc.mask & TCIF_TEXT)
        item.text = tc.pszText ? tc.pszText : "";
    if (tc.mask & TCIF_IMAGE)
        item.image = tc.iImage;
    if (tc.mask & TCIF_PARAM)
        item.data = tc.lParam;
    if (tc.mask & TCIF_STATE)
        item.state = (item.state & ~tc.dwStateMask) | (tc.dwState & tc.dwStateMask);
}

// ---- Painting ----

void PaintItem(HWND hwnd, HDC dc, TabState* s, int index, RECT r, bool focused)
{
    const TabItem& item = s->items[static_cast<size_t>(index)];
    UINT state = IsWindowEnabled(hwnd) ? MISC_TS_NORMAL : MISC_TS_DISABLED;
    if (index == s->sel)
        state |= MISC_TS_SELECTED;
    if (index == s->hot && (StyleOf(hwnd) & TCS_HOTTRACK))
        state |= MISC_TS_HOT;
    if (focused && index == s->focus)
        state |= MISC_TS_FOCUSED;
    if (item.state & TCIS_HIGHLIGHTED)
        state |= MISC_TS_CHECKED;
    if (StyleOf(hwnd) & TCS_OWNERDRAWFIXED) {
        DRAWITEMSTRUCT di{};
        di.CtlType = ODT_TAB;
        di.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        di.itemID = static_cast<UINT>(index);
        di.itemAction = ODA_DRAWENTIRE;
        di.itemState = (index == s->sel ? ODS_SELECTED : 0) | ((state & MISC_TS_FOCUSED) ? ODS_FOCUS : 0);
        di.hwndItem = hwnd;
        di.hDC = dc;
        di.rcItem = r;
        di.itemData = static_cast<ULONG_PTR>(item.data);
        SendMessageA(GetParent(hwnd), WM_DRAWITEM, di.CtlID, reinterpret_cast<LPARAM>(&di));
        return;
    }
    MiscTheme& theme = MiscCurrentTheme();
    theme.DrawTab(dc, r, state);
    RECT text{r.left + s->padding.cx, r.top, r.right - s->padding.cx, r.bottom};
    SIZE image = ImageSize(s);
    if (image.cx > 0 && item.image >= 0) {
        ImageList_Draw(reinterpret_cast<HIMAGELIST>(s->images), item.image, dc, text.left, (r.top + r.bottom - image.cy) / 2,
                       ILD_TRANSPARENT);
        text.left += image.cx + s->padding.cx;
        // The label follows the picture rather than centring across the whole tab.
        SetTextColor(dc, theme.TextColor(MiscThemeElement::Tab, state));
        DrawTextA(dc, item.text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    } else {
        SetTextColor(dc, theme.TextColor(MiscThemeElement::Tab, state));
        DrawTextA(dc, item.text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    if ((state & MISC_TS_FOCUSED) && index == s->sel && !(StyleOf(hwnd) & TCS_FOCUSNEVER)) {
        RECT f{r.left + 3, r.top + 3, r.right - 3, r.bottom - 2};
        ctl::DrawFocus(dc, f);
    }
}

void Paint(HWND hwnd)
{
    TabState* s = Of(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (s && dc) {
        RECT client;
        GetClientRect(hwnd, &client);
        MiscTheme& theme = MiscCurrentTheme();
        HBRUSH back = CreateSolidBrush(theme.SysColor(COLOR_3DFACE));
        FillRect(dc, &client, back);
        DeleteObject(back);
        HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(hwnd));
        SetBkMode(dc, TRANSPARENT);
        Layout l = ComputeLayout(hwnd, s);
        theme.DrawTabPane(dc, l.pane);
        bool focused = ctl::HasFocus(hwnd);
        for (int i = 0; i < Count(s); ++i)
            if (i != s->sel)
                PaintItem(hwnd, dc, s, i, l.rects[static_cast<size_t>(i)], focused);
        // The selected tab stands out: a little wider and taller, joined to the pane.
        if (Valid(s, s->sel)) {
            RECT r = l.rects[static_cast<size_t>(s->sel)];
            InflateRect(&r, 2, 0);
            r.top -= 2;
            r.bottom += 1;
            PaintItem(hwnd, dc, s, s->sel, r, focused);
        }
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

// ---- Input ----

void KeyDown(HWND hwnd, TabState* s, WPARAM vk)
{
    NMTCKEYDOWN kd{};
    kd.wVKey = static_cast<WORD>(vk);
    ctl::NotifyParent(hwnd, TCN_KEYDOWN, &kd.hdr);
    s = Of(hwnd);
    if (!s || Count(s) == 0)
        return;
    int n = Count(s);
    int cur = Valid(s, s->sel) ? s->sel : 0;
    bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    int next = cur;
    switch (vk) {
    case VK_LEFT: case VK_UP: next = std::max(0, cur - 1); break;
    case VK_RIGHT: case VK_DOWN: next = std::min(n - 1, cur + 1); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = n - 1; break;
    case VK_TAB:
        if (!ctrl)
            return;
        next = (cur + (shift ? n - 1 : 1)) % n;
        break;
    case VK_NEXT: case VK_PRIOR:
        if (!ctrl)
            return;
        next = (cur + (vk == VK_PRIOR ? n - 1 : 1)) % n;
        break;
    default: return;
    }
    UserSelect(hwnd, next);
}

LRESULT ItemMessage(HWND hwnd, TabState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    auto* tc = reinterpret_cast<TCITEMA*>(lParam);
    switch (msg) {
    case TCM_GETITEMCOUNT: return Count(s);
    case TCM_INSERTITEMA: {
        if (!tc || index < 0)
            return -1;
        index = std::min(index, Count(s));
        TabItem item;
        ApplyItem(item, *tc);
        s->items.insert(s->items.begin() + index, item);
        // The first tab is selected; later ones keep the selected tab selected.
        if (s->sel < 0)
            s->sel = s->focus = 0;
        else if (s->sel >= index)
            ++s->sel, s->focus = s->sel;
        InvalidateRect(hwnd, nullptr, TRUE);
        return index;
    }
    case TCM_DELETEITEM:
        if (!Valid(s, index))
            return FALSE;
        s->items.erase(s->items.begin() + index);
        // Windows leaves no tab selected when the selected one goes.
        if (s->sel == index)
            s->sel = -1;
        else if (s->sel > index)
            --s->sel;
        s->focus = s->sel;
        s->hot = -1;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case TCM_DELETEALLITEMS:
        s->items.clear();
        s->sel = s->focus = s->hot = -1;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case TCM_GETITEMA:
        if (!tc || !Valid(s, index))
            return FALSE;
        FillItem(s->items[static_cast<size_t>(index)], tc);
        return TRUE;
    case TCM_SETITEMA:
        if (!tc || !Valid(s, index))
            return FALSE;
        ApplyItem(s->items[static_cast<size_t>(index)], *tc);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case TCM_SETITEMEXTRA: return Count(s) == 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT TabMessage(HWND hwnd, TabState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
    case TCM_GETCURSEL: return s->sel;
    case TCM_SETCURSEL: {
        if (!Valid(s, index))
            return -1;
        int old = s->sel;
        s->sel = s->focus = index;
        InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case TCM_GETCURFOCUS: return s->focus;
    case TCM_SETCURFOCUS:
        if (Valid(s, index))
            UserSelect(hwnd, index);
        return 0;
    case TCM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r || !Valid(s, index))
            return FALSE;
        *r = ComputeLayout(hwnd, s).rects[static_cast<size_t>(index)];
        return TRUE;
    }
    case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
        return info ? HitTest(hwnd, s, info->pt, &info->flags) : -1;
    }
    case TCM_ADJUSTRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r)
            return 0;
        Layout l = ComputeLayout(hwnd, s);
        int top = l.pane.top + kPaneInset;
        if (wParam) {
            r->left -= kPaneInset, r->right += kPaneInset, r->bottom += kPaneInset;
            r->top -= top;
        } else {
            r->left += kPaneInset, r->right -= kPaneInset, r->bottom -= kPaneInset;
            r->top += top;
        }
        return 0;
    }
    case TCM_SETITEMSIZE: {
        SIZE old = s->fixed;
        s->fixed = SIZE{LOWORD(lParam), HIWORD(lParam)};
        InvalidateRect(hwnd, nullptr, TRUE);
        return MAKELONG(old.cx, old.cy);
    }
    case TCM_SETPADDING:
        s->padding = SIZE{LOWORD(lParam), HIWORD(lParam)};
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case TCM_SETMINTABWIDTH: {
        int old = s->minWidth;
        s->minWidth = static_cast<int>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return old;
    }
    case TCM_GETROWCOUNT: return ComputeLayout(hwnd, s).rows;
    case TCM_SETIMAGELIST: {
        HANDLE old = s->images;
        s->images = reinterpret_cast<HANDLE>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    case TCM_GETIMAGELIST: return reinterpret_cast<LRESULT>(s->images);
    default: return ItemMessage(hwnd, s, msg, wParam, lParam);
    }
}

LRESULT CALLBACK TabProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TabState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE: ctl::CreateState<TabState>(hwnd); return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY: ctl::DeleteState<TabState>(hwnd); return DefWindowProcA(hwnd, msg, wParam, lParam);
    default: break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_GETDLGCODE:
        // Ctrl+Tab switches tabs; a plain Tab moves on to the next control.
        return DLGC_WANTARROWS | (GetKeyState(VK_CONTROL) < 0 ? DLGC_WANTTAB : 0);
    case WM_LBUTTONDOWN: {
        int hit = HitTest(hwnd, s, pt, nullptr);
        if (hit >= 0 && !(StyleOf(hwnd) & TCS_FOCUSNEVER))
            SetFocus(hwnd);
        if (hit >= 0)
            UserSelect(hwnd, hit);
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (HitTest(hwnd, s, pt, nullptr) >= 0) {
            NMHDR hdr{};
            ctl::NotifyParent(hwnd, msg == WM_LBUTTONUP ? NM_CLICK : NM_RCLICK, &hdr);
        }
        return 0;
    case WM_MOUSEMOVE: {
        int hot = HitTest(hwnd, s, pt, nullptr);
        if (hot != s->hot) {
            s->hot = hot;
            if (StyleOf(hwnd) & TCS_HOTTRACK)
                InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    }
    case WM_KEYDOWN: KeyDown(hwnd, s, wParam); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ENABLE:
    case WM_SETFONT: {
        LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return TabMessage(hwnd, s, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterTabClass() { RegisterControlClass(WC_TABCONTROLA, TabProc, CS_DBLCLKS, IDC_ARROW); }
} // namespace ctl

int MiscFindTab(HWND tab, const char* text)
{
    TabState* s = IsWindow(tab) ? Of(tab) : nullptr;
    char cls[32] = {0};
    GetClassNameA(tab, cls, sizeof(cls));
    if (!s || !text || strcasecmp(cls, WC_TABCONTROLA) != 0)
        return -1;
    std::string wanted = Unprefixed(text);
    for (int i = 0; i < Count(s); ++i)
        if (strcasecmp(Unprefixed(s->items[static_cast<size_t>(i)].text).c_str(), wanted.c_str()) == 0)
            return i;
    return -1;
}

BOOL MiscClickTab(HWND tab, const char* text)
{
    int index = MiscFindTab(tab, text);
    if (index < 0 || !IsWindowEnabled(tab))
        return FALSE;
    RECT r{};
    SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    MiscSendMouse(tab, WM_LBUTTONDOWN, x, y);
    if (IsWindow(tab))
        MiscSendMouse(tab, WM_LBUTTONUP, x, y);
    return IsWindow(tab) && SendMessageA(tab, TCM_GETCURSEL, 0, 0) == index;
}
