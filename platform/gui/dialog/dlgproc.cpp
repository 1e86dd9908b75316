// The dialog manager: the dialog class "#32770" with DefDlgProc, the default push button, focus
// saving, and IsDialogMessage's keyboard interface (Tab, arrows, Enter, Escape, mnemonics).
#include "dialog/dlgsys.h"

#include <cctype>
#include <vector>

using namespace wndsys;

namespace {

void DeleteDialogRec(DialogRec* d) { delete d; }

bool IsSpecialResult(UINT msg)
{
    return msg == WM_COMPAREITEM || msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM ||
           msg == WM_QUERYDRAGICON || msg == WM_INITDIALOG ||
           (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC);
}

UINT DlgCode(HWND hwnd, const MSG* msg = nullptr)
{
    return static_cast<UINT>(SendMessageA(hwnd, WM_GETDLGCODE, msg ? msg->wParam : 0,
                                          reinterpret_cast<LPARAM>(msg)));
}

bool Eligible(HWND hwnd, bool needTabStop)
{
    WndRec* w = Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_DISABLED))
        return false;
    return !needTabStop || (w->style & WS_TABSTOP);
}

// The dialog's controls in tab order: its children, with the children of a visible, enabled
// WS_EX_CONTROLPARENT child (a page, a pane) in place of that child, to any depth.
void Flatten(HWND parent, std::vector<HWND>& out, int depth = 0)
{
    WndRec* p = Find(parent);
    if (!p || depth > 32)
        return;
    for (HWND h : p->children) {
        WndRec* c = Find(h);
        if (!c)
            continue;
        if ((c->exStyle & WS_EX_CONTROLPARENT) && !c->children.empty()) {
            if ((c->style & WS_VISIBLE) && !(c->style & WS_DISABLED))
                Flatten(h, out, depth + 1);
            continue;
        }
        out.push_back(h);
    }
}

// The entry of `list` that is `control` or holds it (a combo box for the edit inside it).
int IndexOf(const std::vector<HWND>& list, HWND control)
{
    for (HWND h = control; h; h = GetParent(h))
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i] == h)
                return static_cast<int>(i);
    return -1;
}

// The mnemonic character of a control's text ('&x'), 0 when none.
char MnemonicOf(const WndRec* c)
{
    const std::string& text = c->text;
    for (size_t at = text.find('&'); at != std::string::npos && at + 1 < text.size(); at = text.find('&', at + 2)) {
        if (text[at + 1] != '&')
            return static_cast<char>(std::tolower(static_cast<unsigned char>(text[at + 1])));
    }
    return 0;
}

HWND FindDefButton(HWND dialog)
{
    WndRec* d = Find(dialog);
    if (!d)
        return nullptr;
    for (HWND h : d->children)
        if (DlgCode(h) & DLGC_DEFPUSHBUTTON)
            return h;
    return nullptr;
}

// Makes `button` look like the default button (or the dialog's default id's button when null).
void ShowDefaultButton(HWND dialog, HWND button)
{
    DialogRec* d = DialogOf(dialog);
    if (!d)
        return;
    if (!button)
        button = GetDlgItem(dialog, d->defId);
    HWND current = FindDefButton(dialog);
    if (current == button)
        return;
    if (current)
        SendMessageA(current, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (button && (DlgCode(button) & DLGC_UNDEFPUSHBUTTON))
        SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void SetDialogFocus(HWND dialog, HWND control)
{
    if (!control)
        return;
    UINT code = DlgCode(control);
    if (code & DLGC_HASSETSEL)
        SendMessageA(control, EM_SETSEL, 0, -1);
    SetFocus(control);
    if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
        ShowDefaultButton(dialog, control);
    else
        ShowDefaultButton(dialog, nullptr);
}

void SaveFocus(HWND dialog)
{
    DialogRec* d = DialogOf(dialog);
    HWND focus = GetFocus();
    if (d && focus && IsChild(dialog, focus))
        d->focusSave = focus;
}

void RestoreFocus(HWND dialog)
{
    DialogRec* d = DialogOf(dialog);
    if (!d || IsIconic(dialog))
        return;
    HWND target = d->focusSave;
    if (!target || !IsChild(dialog, target) || !Eligible(target, false))
        target = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (target)
        SetDialogFocus(dialog, target);
}

LRESULT DefaultDialogHandling(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DialogRec* d = DialogOf(hwnd);
    switch (msg) {
    case WM_ERASEBKGND: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        auto brush = reinterpret_cast<HBRUSH>(SendMessageA(hwnd, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hwnd)));
        if (!brush)
            brush = reinterpret_cast<HBRUSH>(DefWindowProcA(hwnd, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hwnd)));
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, brush);
        return 1;
    }
    case WM_SHOWWINDOW:
        if (!wParam)
            SaveFocus(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            RestoreFocus(hwnd);
        else
            SaveFocus(hwnd);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus(hwnd);
        return 0;
    case DM_SETDEFID:
        if (!d || d->ended)
            return FALSE;
        d->defId = static_cast<int>(wParam);
        ShowDefaultButton(hwnd, nullptr);
        return TRUE;
    case DM_GETDEFID: {
        if (!d || d->ended)
            return 0;
        if (d->defId)
            return MAKELONG(d->defId, DC_HASDEFID);
        HWND def = FindDefButton(hwnd);
        return def ? MAKELONG(GetDlgCtrlID(def), DC_HASDEFID) : 0;
    }
    case WM_NEXTDLGCTL: {
        HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
        SetDialogFocus(hwnd, target);
        return 0;
    }
    case WM_CLOSE: {
        HWND cancel = GetDlgItem(hwnd, IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel))
            PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_SETFONT:
        if (d)
            d->font = reinterpret_cast<HFONT>(wParam);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(d ? d->font : nullptr);
    case WM_NCDESTROY:
        if (d && d->ownFont && d->font) {
            DeleteObject(d->font);
            d->font = nullptr;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

// Alt+letter or a plain letter the focus does not want: the control whose text marks that letter
// with '&' is clicked (buttons) or its next control focused (labels, group boxes). Controls inside
// pages and panes count too. When several controls share the letter, the next one after the
// focus only takes the focus, so that pressing the letter again moves on.
bool HandleMnemonic(HWND dialog, char ch)
{
    char want = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    std::vector<HWND> list;
    Flatten(dialog, list);
    int n = static_cast<int>(list.size());
    int start = IndexOf(list, GetFocus());
    std::vector<HWND> matches;
    for (int step = 1; step <= n; ++step) {
        HWND h = list[static_cast<size_t>((start + step + n) % n)];
        WndRec* c = Find(h);
        if (!c || !Eligible(h, false))
            continue;
        if ((c->style & SS_NOPREFIX) && (DlgCode(h) & DLGC_STATIC) && !(DlgCode(h) & DLGC_BUTTON))
            continue;
        if (MnemonicOf(c) == want)
            matches.push_back(h);
    }
    if (matches.empty())
        return false;
    HWND h = matches.front();
    UINT code = DlgCode(h);
    if (code & DLGC_STATIC) {
        SetDialogFocus(dialog, GetNextDlgTabItem(dialog, h, FALSE));
    } else if ((code & DLGC_BUTTON) && matches.size() == 1) {
        SetDialogFocus(dialog, h);
        SendMessageA(h, BM_CLICK, 0, 0);
    } else {
        SetDialogFocus(dialog, h);
    }
    return true;
}

bool HandleKeyDown(HWND dialog, MSG* msg)
{
    UINT code = DlgCode(msg->hwnd, msg);
    if (code & DLGC_WANTMESSAGE)
        return false;
    switch (msg->wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        SendMessageA(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS)
            return false;
        bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
        HWND next = GetNextDlgGroupItem(dialog, GetFocus(), back);
        if (next && next != GetFocus()) {
            SetDialogFocus(dialog, next);
            if (DlgCode(next) & DLGC_RADIOBUTTON)
                SendMessageA(next, BM_CLICK, 0, 0);
        }
        return true;
    }
    case VK_ESCAPE:
    case VK_CANCEL:
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    case VK_RETURN:
    case VK_EXECUTE: {
        HWND focus = GetFocus();
        if (focus && IsChild(dialog, focus) && (DlgCode(focus) & DLGC_DEFPUSHBUTTON)) {
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                         reinterpret_cast<LPARAM>(focus));
            return true;
        }
        LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(def) == DC_HASDEFID) {
            HWND button = GetDlgItem(dialog, LOWORD(def));
            if (!button || IsWindowEnabled(button))
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(def), BN_CLICKED), reinterpret_cast<LPARAM>(button));
        } else {
            SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace

namespace wndsys {

DialogRec* DialogOf(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    return w ? w->dialog.get() : nullptr;
}

DialogRec* EnsureDialog(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return nullptr;
    if (!w->dialog)
        w->dialog = std::unique_ptr<DialogRec, void (*)(DialogRec*)>(new DialogRec, &DeleteDialogRec);
    return w->dialog.get();
}

void RegisterDialogClass()
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "#32770";
    RegisterClassExA(&wc);
}

} // namespace wndsys

LRESULT DefDlgProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!Find(hwnd))
        return 0;
    if (msg == WM_NCCREATE)
        EnsureDialog(hwnd);
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hwnd, DWLP_DLGPROC));
    if (proc) {
        INT_PTR handled = proc(hwnd, msg, wParam, lParam);
        if (!Find(hwnd))
            return handled;
        if (handled)
            return IsSpecialResult(msg) ? handled : GetWindowLongPtrA(hwnd, DWLP_MSGRESULT);
    }
    return DefaultDialogHandling(hwnd, msg, wParam, lParam);
}

BOOL IsDialogMessageA(HWND dialog, LPMSG msg)
{
    if (!msg || !Find(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)))
        return FALSE;
    switch (msg->message) {
    case WM_KEYDOWN:
        if (HandleKeyDown(dialog, msg))
            return TRUE;
        break;
    case WM_CHAR: {
        UINT code = DlgCode(msg->hwnd, msg);
        if (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE))
            break;
        if (msg->wParam == '\t' && (code & DLGC_WANTTAB))
            break;
        if (msg->wParam > ' ' && HandleMnemonic(dialog, static_cast<char>(msg->wParam)))
            return TRUE;
        break;
    }
    case WM_SYSCHAR:
        if (HandleMnemonic(dialog, static_cast<char>(msg->wParam)))
            return TRUE;
        break;
    default:
        break;
    }
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> list;
    Flatten(dialog, list);
    if (list.empty())
        return nullptr;
    int n = static_cast<int>(list.size());
    int start = IndexOf(list, control);
    if (start < 0)
        start = previous ? 0 : n - 1; // so that the first step lands on the first (or last) item
    for (int step = 1; step <= n; ++step) {
        int i = previous ? (start - step + n * 2) % n : (start + step) % n;
        if (Eligible(list[static_cast<size_t>(i)], true))
            return list[static_cast<size_t>(i)];
    }
    return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    // The group is among the siblings of the control (inside a page when the control is on one).
    std::vector<HWND> all;
    Flatten(dialog, all);
    int at0 = IndexOf(all, control);
    if (at0 >= 0)
        control = all[static_cast<size_t>(at0)];
    WndRec* d = Find(control && IsChild(dialog, control) ? GetParent(control) : dialog);
    if (!d || d->children.empty())
        return nullptr;
    const std::vector<HWND>& list = d->children;
    int n = static_cast<int>(list.size());
    int at = 0;
    for (int i = 0; i < n; ++i)
        if (list[i] == control)
            at = i;
    // The group runs from the nearest WS_GROUP control at or before `at` to the control before
    // the next WS_GROUP control.
    int first = at;
    while (first > 0 && !(Find(list[first])->style & WS_GROUP))
        --first;
    int last = at;
    while (last + 1 < n && !(Find(list[last + 1])->style & WS_GROUP))
        ++last;
    int size = last - first + 1;
    for (int step = 1; step <= size; ++step) {
        int offset = previous ? (at - first - step + size * 2) % size : (at - first + step) % size;
        HWND h = list[first + offset];
        if (Eligible(h, false))
            return h;
    }
    return control;
}
