// Message boxes as real modal windows: the window system's backend for MessageBoxA (win32/msgbox.h).
// The box is laid out as Windows does (icon, word-wrapped text, a centred row of buttons with the
// default one focused), opened, and answered by the message box handler when one is installed
// (the box is then MiscActiveModal()), else by the modal handler, else by its default button.
#include "dialog/dlgsys.h"

#include <algorithm>
#include <cstring>

using namespace wndsys;

namespace {

const int kMargin = 12;
const int kButtonWidth = 75;
const int kButtonHeight = 23;
const int kButtonGap = 6;
const int kTextId = 0xFFFF;
const int kIconId = 0x14;

const char* ButtonText(int id)
{
    switch (id) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "&Abort";
    case IDRETRY: return "&Retry";
    case IDIGNORE: return "&Ignore";
    case IDYES: return "&Yes";
    case IDNO: return "&No";
    case IDHELP: return "Help";
    case IDTRYAGAIN: return "&Try Again";
    case IDCONTINUE: return "&Continue";
    default: return "?";
    }
}

LPCSTR IconFor(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
    case MB_ICONASTERISK: return IDI_ASTERISK;
    default: return nullptr;
    }
}

HFONT MessageFont()
{
    static HFONT font = nullptr;
    if (!font) {
        NONCLIENTMETRICSA m{};
        m.cbSize = sizeof(m);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0);
        font = CreateFontIndirectA(&m.lfMessageFont);
        MiscKeepGdiObject(font);
    }
    return font;
}

INT_PTR CALLBACK BoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg != WM_COMMAND)
        return FALSE;
    int id = LOWORD(wParam);
    if (id == IDCANCEL && !GetDlgItem(hwnd, IDCANCEL)) {
        // Escape and the close box answer Cancel only when the box has that button; a box with
        // OK alone answers OK.
        HWND ok = GetDlgItem(hwnd, IDOK);
        if (ok && !GetDlgItem(hwnd, IDYES) && !GetDlgItem(hwnd, IDNO))
            EndDialog(hwnd, IDOK);
        return TRUE;
    }
    if (GetDlgItem(hwnd, id))
        EndDialog(hwnd, id);
    return TRUE;
}

SIZE MeasureText(const std::string& text, int maxWidth)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MessageFont());
    RECT r{0, 0, maxWidth, 0};
    DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

HWND CreateBox(const MiscMessageBoxRequest& request, HWND owner)
{
    std::vector<int> buttons = MiscMessageBoxButtons(request.type);
    int defaultButton = MiscMessageBoxDefaultButton(request.type);
    LPCSTR iconName = IconFor(request.type);
    int iconSize = GetSystemMetrics(SM_CXICON);
    SIZE text = MeasureText(request.text, GetSystemMetrics(SM_CXSCREEN) * 5 / 8);

    int textLeft = kMargin + (iconName ? iconSize + kMargin : 0);
    int top = kMargin;
    int contentHeight = std::max<int>(text.cy, iconName ? iconSize : 0);
    int textTop = top + (contentHeight - text.cy) / 2;
    int rowWidth = static_cast<int>(buttons.size()) * kButtonWidth + (static_cast<int>(buttons.size()) - 1) * kButtonGap;
    int clientWidth = std::max<int>(textLeft + text.cx + kMargin, rowWidth + 2 * kMargin);
    int buttonTop = top + contentHeight + kMargin;
    int clientHeight = buttonTop + kButtonHeight + kMargin;

    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_NOIDLEMSG;
    DWORD ex = WS_EX_DLGMODALFRAME;
    if (request.type & MB_TOPMOST)
        ex |= WS_EX_TOPMOST;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, ex);
    int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    HWND box = CreateWindowExA(ex, "#32770", request.caption.c_str(), style, (area.right - w) / 2,
                               (area.bottom - h) / 2, w, h, owner, nullptr, nullptr, nullptr);
    if (!box)
        return nullptr;
    SetWindowLongPtrA(box, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&BoxProc));
    HFONT font = MessageFont();
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (iconName) {
        HWND icon = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_ICON, kMargin, top, iconSize, iconSize,
                                    box, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIconId)), nullptr, nullptr);
        SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, iconName)), 0);
    }
    HWND label = CreateWindowExA(0, "Static", request.text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                 textLeft, textTop, text.cx, text.cy, box,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)), nullptr, nullptr);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    int x = (clientWidth - rowWidth) / 2;
    HWND focus = nullptr;
    for (size_t i = 0; i < buttons.size(); ++i) {
        int id = buttons[i];
        DWORD bs = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (id == defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (i == 0)
            bs |= WS_GROUP;
        HWND button = CreateWindowExA(0, "Button", ButtonText(id), bs, x, buttonTop, kButtonWidth, kButtonHeight, box,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (id == defaultButton)
            focus = button;
        x += kButtonWidth + kButtonGap;
    }
    // Windows disables the close box of a box that cannot be cancelled.
    if (DialogRec* d = DialogOf(box))
        d->defId = defaultButton;
    ShowWindow(box, SW_SHOWNORMAL);
    if (focus)
        SendMessageA(box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
    return box;
}

bool Ended(HWND box)
{
    DialogRec* d = DialogOf(box);
    return !d || d->ended;
}

void Press(HWND box, int id)
{
    if (Ended(box))
        return;
    HWND button = GetDlgItem(box, id);
    if (button && IsWindowEnabled(button))
        MiscClickButton(box, id);
    if (!Ended(box))
        EndDialog(box, id);
}

int ShowBox(const MiscMessageBoxRequest& request)
{
    HWND owner = request.owner ? GetAncestor(request.owner, GA_ROOT) : nullptr;
    bool reenable = owner && IsWindowEnabled(owner) && !(request.type & MB_SYSTEMMODAL);
    if (reenable)
        EnableWindow(owner, FALSE);
    HWND box = CreateBox(request, owner);
    int defaultButton = MiscMessageBoxDefaultButton(request.type);
    int result = defaultButton;
    if (box) {
        Settle([box] { return Ended(box); }); // shown and painted before anybody answers
        if (MiscMessageBoxHandler handler = MiscGetMessageBoxHandler()) {
            ModalScope scope(box);
            int answer = handler(request);
            if (IsWindow(box))
                Press(box, answer);
        } else if (CurrentModalHandler()) {
            MiscModal info;
            info.kind = MiscModalKind::MessageBox;
            info.hwnd = box;
            info.caption = request.caption;
            info.text = request.text;
            info.type = request.type;
            RunModal(box, info, [box] { return Ended(box); });
        }
        // Nobody pressed a button: the box gives its default answer.
        if (IsWindow(box) && !Ended(box))
            EndDialog(box, defaultButton);
        if (DialogRec* d = DialogOf(box))
            result = static_cast<int>(d->result);
        if (IsWindow(box))
            DestroyWindow(box);
    }
    if (reenable && IsWindow(owner))
        EnableWindow(owner, TRUE);
    return result;
}

} // namespace

// Message boxes become windows of the window system from its start-up on (MiscStartWindowSystem).
void wndsys::InstallMessageBoxWindows()
{
    MiscSetMessageBoxBackend(&ShowBox);
}
