// The BUTTON class: push buttons (normal and default), check boxes (two and three states, manual
// and automatic), radio buttons, group boxes, owner-drawn buttons, and bitmap or icon faces.
#include "controls/ctlsys.h"
#include "win32/theme.h"

using namespace wndsys;

namespace {

struct ButtonState {
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool tracking = false; // the mouse or the space bar holds the button down
    HANDLE image = nullptr;
    UINT imageType = IMAGE_BITMAP;
};

UINT TypeOf(HWND hwnd) { return static_cast<UINT>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK; }
DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }

bool IsCheckType(UINT type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
           type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsRadio(UINT type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

UINT DialogCode(HWND hwnd)
{
    switch (TypeOf(hwnd)) {
    case BS_PUSHBUTTON: case BS_USERBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

void SetPushed(HWND hwnd, bool pushed)
{
    ButtonState* s = ctl::StateOf<ButtonState>(hwnd);
    if (!s || s->pushed == pushed)
        return;
    s->pushed = pushed;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void SetCheck(HWND hwnd, UINT check)
{
    ButtonState* s = ctl::StateOf<ButtonState>(hwnd);
    UINT type = TypeOf(hwnd);
    if (!s || !IsCheckType(type))
        return;
    if (check > BST_INDETERMINATE || (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE))
        check = check ? BST_CHECKED : BST_UNCHECKED;
    if (IsRadio(type)) {
        // Only the checked radio button of a group is a tab stop.
        DWORD style = StyleOf(hwnd);
        DWORD wanted = check ? (style | WS_TABSTOP) : (style & ~static_cast<DWORD>(WS_TABSTOP));
        if (wanted != style)
            SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(wanted));
    }
    if (s->check != check) {
        s->check = check;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

void UncheckGroupSiblings(HWND hwnd)
{
    HWND parent = GetParent(hwnd);
    if (!parent)
        return;
    HWND sibling = hwnd;
    for (int i = 0; i < 1000; ++i) {
        sibling = GetNextDlgGroupItem(parent, sibling, FALSE);
        if (!sibling || sibling == hwnd)
            break;
        if (SendMessageA(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
            SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

// What a completed click does before BN_CLICKED goes to the parent.
void Click(HWND hwnd)
{
    ButtonState* s = ctl::StateOf<ButtonState>(hwnd);
    switch (TypeOf(hwnd)) {
    // The new state goes through BM_SETCHECK, as on Windows, so that a subclass sees the change.
    case BS_AUTOCHECKBOX:
        SendMessageA(hwnd, BM_SETCHECK, s->check ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessageA(hwnd, BM_SETCHECK, (s->check + 1) % 3, 0);
        break;
    case BS_AUTORADIOBUTTON:
        SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        UncheckGroupSiblings(hwnd);
        break;
    default:
        break;
    }
    if (IsWindow(hwnd)) // the subclass may have closed the button over the new state
        ctl::NotifyParent(hwnd, BN_CLICKED);
}

void EndTracking(HWND hwnd, bool click)
{
    ButtonState* s = ctl::StateOf<ButtonState>(hwnd);
    if (!s || !s->tracking)
        return;
    s->tracking = false;
    bool wasPushed = s->pushed;
    SetPushed(hwnd, false);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (click && wasPushed && IsWindow(hwnd))
        Click(hwnd);
}

void PaintImage(HDC dc, const ButtonState* s, RECT r, bool pushed)
{
    if (!s->image)
        return;
    if (pushed)
        OffsetRect(&r, 1, 1);
    if (s->imageType == IMAGE_ICON) {
        int size = GetSystemMetrics(SM_CXICON);
        DrawIconEx(dc, (r.left + r.right - size) / 2, (r.top + r.bottom - size) / 2, static_cast<HICON>(s->image), 0,
                   0, 0, nullptr, DI_NORMAL);
        return;
    }
    BITMAP bm{};
    if (!GetObjectA(s->image, sizeof(bm), &bm))
        return;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, s->image);
    BitBlt(dc, (r.left + r.right - bm.bmWidth) / 2, (r.top + r.bottom - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight,
           mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

UINT TextFormat(DWORD style, UINT type, bool push)
{
    UINT format = (style & BS_MULTILINE) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
    DWORD h = style & BS_CENTER;
    if (h == BS_LEFT)
        format |= DT_LEFT;
    else if (h == BS_RIGHT)
        format |= DT_RIGHT;
    else if (h == BS_CENTER || (push && h == 0))
        format |= DT_CENTER;
    (void)type;
    return format;
}

void PaintPush(HWND hwnd, HDC dc, const ButtonState* s, RECT r, bool enabled)
{
    DWORD style = StyleOf(hwnd);
    HBRUSH brush = ctl::ControlColor(hwnd, dc, WM_CTLCOLORBTN);
    FillRect(dc, &r, brush);
    bool focused = ctl::HasFocus(hwnd);
    UINT state = (s->pushed ? MISC_TS_PRESSED : 0) | (enabled ? 0 : MISC_TS_DISABLED) | (focused ? MISC_TS_FOCUSED : 0);
    if (TypeOf(hwnd) == BS_DEFPUSHBUTTON)
        state |= MISC_TS_DEFAULT;
    MiscCurrentTheme().DrawPushButton(dc, r, state);
    if (state & MISC_TS_DEFAULT)
        InflateRect(&r, -1, -1);
    RECT content = r;
    InflateRect(&content, -3, -3);
    if (style & (BS_BITMAP | BS_ICON)) {
        PaintImage(dc, s, content, s->pushed);
    } else {
        RECT text = content;
        if (s->pushed)
            OffsetRect(&text, 1, 1);
        SetTextColor(dc, MiscCurrentTheme().TextColor(MiscThemeElement::PushButton, MISC_TS_NORMAL));
        ctl::DrawLabel(dc, ctl::TextOf(hwnd), text, TextFormat(style, TypeOf(hwnd), true), enabled);
    }
    if (focused)
        ctl::DrawFocus(dc, content);
}

void PaintCheck(HWND hwnd, HDC dc, const ButtonState* s, RECT r, bool enabled)
{
    DWORD style = StyleOf(hwnd);
    UINT type = TypeOf(hwnd);
    HBRUSH brush = ctl::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &r, brush);
    const int box = 13;
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    int top = (style & BS_MULTILINE) ? r.top + (tm.tmHeight - box) / 2 : (r.top + r.bottom - box) / 2;
    bool leftText = (style & BS_LEFTTEXT) != 0;
    RECT boxRect{leftText ? r.right - box : r.left, top, leftText ? r.right : r.left + box, top + box};
    UINT state = MISC_TS_NORMAL;
    if (s->check == BST_CHECKED)
        state |= MISC_TS_CHECKED;
    else if (s->check == BST_INDETERMINATE)
        state |= MISC_TS_MIXED;
    if (s->pushed)
        state |= MISC_TS_PRESSED;
    if (!enabled)
        state |= MISC_TS_DISABLED;
    if (IsRadio(type))
        MiscCurrentTheme().DrawRadioButton(dc, boxRect, state);
    else
        MiscCurrentTheme().DrawCheckBox(dc, boxRect, state);
    RECT text = r;
    if (leftText)
        text.right = boxRect.left - 4;
    else
        text.left = boxRect.right + 4;
    std::string label = ctl::TextOf(hwnd);
    UINT format = TextFormat(style, type, false);
    ctl::DrawLabel(dc, label, text, format, enabled);
    if (ctl::HasFocus(hwnd) && !label.empty()) {
        RECT measure = text;
        DrawTextA(dc, label.c_str(), -1, &measure, format | DT_CALCRECT);
        int h = measure.bottom - measure.top;
        RECT focus{measure.left - 1, (format & DT_VCENTER) ? (r.top + r.bottom - h) / 2 - 1 : measure.top - 1,
                   measure.right + 1, 0};
        focus.bottom = focus.top + h + 2;
        ctl::DrawFocus(dc, focus);
    }
}

// The frame and the caption only: the inside stays unpainted, so that the controls the group box
// lies over (it comes before them in the z-order) show through.
void PaintGroup(HWND hwnd, HDC dc, RECT r, bool enabled)
{
    HBRUSH brush = ctl::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    RECT frame = r;
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    std::string label = ctl::TextOf(hwnd);
    if (label.empty())
        return;
    RECT text{r.left + 8, r.top, r.right - 8, r.top + tm.tmHeight};
    DrawTextA(dc, label.c_str(), -1, &text, DT_SINGLELINE | DT_LEFT | DT_CALCRECT);
    text.left -= 2;
    text.right += 2;
    FillRect(dc, &text, brush);
    text.left += 2;
    ctl::DrawLabel(dc, label, text, DT_SINGLELINE | DT_LEFT, enabled);
}

void PaintOwnerDrawn(HWND hwnd, HDC dc, const ButtonState* s, RECT r, bool enabled)
{
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (s->pushed ? ODS_SELECTED : 0) | (ctl::HasFocus(hwnd) ? ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
    dis.hwndItem = hwnd;
    dis.hDC = dc;
    dis.rcItem = r;
    ctl::ControlColor(hwnd, dc, WM_CTLCOLORBTN);
    if (HWND parent = GetParent(hwnd))
        SendMessageA(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void Paint(HWND hwnd)
{
    ButtonState* s = ctl::StateOf<ButtonState>(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (s && dc) {
        RECT r;
        GetClientRect(hwnd, &r);
        HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(hwnd));
        bool enabled = IsWindowEnabled(hwnd) != FALSE;
        switch (TypeOf(hwnd)) {
        case BS_PUSHBUTTON: case BS_DEFPUSHBUTTON: case BS_USERBUTTON: case BS_PUSHBOX:
            PaintPush(hwnd, dc, s, r, enabled);
            break;
        case BS_GROUPBOX:
            PaintGroup(hwnd, dc, r, enabled);
            break;
        case BS_OWNERDRAW:
            PaintOwnerDrawn(hwnd, dc, s, r, enabled);
            break;
        default:
            if (StyleOf(hwnd) & BS_PUSHLIKE) {
                ButtonState shown = *s;
                shown.pushed = s->pushed || s->check != BST_UNCHECKED;
                PaintPush(hwnd, dc, &shown, r, enabled);
            } else {
                PaintCheck(hwnd, dc, s, r, enabled);
            }
            break;
        }
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ButtonState* s = ctl::StateOf<ButtonState>(hwnd);
    switch (msg) {
    case WM_NCCREATE:
        ctl::CreateState<ButtonState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        ctl::DeleteState<ButtonState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
        return DialogCode(hwnd);
    case WM_NCHITTEST:
        if (TypeOf(hwnd) == BS_GROUPBOX)
            return HTTRANSPARENT;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        if (msg == WM_KILLFOCUS)
            EndTracking(hwnd, false);
        if ((StyleOf(hwnd) & BS_NOTIFY) && msg != WM_ENABLE)
            ctl::NotifyParent(hwnd, msg == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
        return 0;
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_LBUTTONDBLCLK: {
        UINT type = TypeOf(hwnd);
        if ((StyleOf(hwnd) & BS_NOTIFY) || IsRadio(type) || type == BS_OWNERDRAW || type == BS_USERBUTTON) {
            ctl::NotifyParent(hwnd, BN_DOUBLECLICKED);
            return 0;
        }
        [[fallthrough]];
    }
    case WM_LBUTTONDOWN:
        if (!s || TypeOf(hwnd) == BS_GROUPBOX)
            return 0;
        SetFocus(hwnd);
        SetCapture(hwnd);
        s->tracking = true;
        SetPushed(hwnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (s && s->tracking && GetCapture() == hwnd) {
            RECT r;
            GetClientRect(hwnd, &r);
            SetPushed(hwnd, PtInRect(&r, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE);
        }
        return 0;
    case WM_LBUTTONUP:
        if (s && s->tracking) {
            RECT r;
            GetClientRect(hwnd, &r);
            bool inside = PtInRect(&r, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
            if (!inside)
                SetPushed(hwnd, false);
            EndTracking(hwnd, inside);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (s && s->tracking && reinterpret_cast<HWND>(lParam) != hwnd)
            EndTracking(hwnd, false);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && s && !s->tracking) {
            s->tracking = true;
            SetPushed(hwnd, true);
            SetCapture(hwnd);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && s && s->tracking)
            EndTracking(hwnd, true);
        return 0;
    case BM_GETCHECK:
        return s && IsCheckType(TypeOf(hwnd)) ? s->check : BST_UNCHECKED;
    case BM_SETCHECK:
        SetCheck(hwnd, static_cast<UINT>(wParam));
        return 0;
    case BM_GETSTATE:
        if (!s)
            return 0;
        return s->check | (s->pushed ? BST_PUSHED : 0) | (ctl::HasFocus(hwnd) ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(hwnd, wParam != 0);
        return 0;
    case BM_SETSTYLE: {
        DWORD style = (StyleOf(hwnd) & 0xFFFF0000u) | (static_cast<DWORD>(wParam) & 0xFFFFu);
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style));
        if (lParam)
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    case BM_CLICK:
        if (!IsWindowEnabled(hwnd) || TypeOf(hwnd) == BS_GROUPBOX)
            return 0;
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
        return 0;
    case BM_SETIMAGE: {
        if (!s)
            return 0;
        HANDLE old = s->image;
        s->image = reinterpret_cast<HANDLE>(lParam);
        s->imageType = static_cast<UINT>(wParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    case BM_GETIMAGE:
        return s && s->imageType == wParam ? reinterpret_cast<LRESULT>(s->image) : 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterButtonClass() { RegisterControlClass("Button", ButtonProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW); }
} // namespace ctl
