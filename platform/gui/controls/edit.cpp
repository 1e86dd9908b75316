// The EDIT class: single and multi-line edits, read-only, password, number-only and case-folding
// styles, the text limit, the selection, undo, and EN_UPDATE / EN_CHANGE after every change.
#include "controls/ctlsys.h"
#include "controls/edittext.h"
#include "win32/clipboard.h"

#include <cctype>
#include <cstring>

using namespace wndsys;

namespace {

struct EditState {
    ctl::EditText text;
    bool modified = false;
    char password = 0;
    int leftMargin = 1;
    int rightMargin = 1;
    int firstLine = 0;
    HDC measureDc = nullptr; // a memory context in the control's font, for word wrap
};

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
bool Multi(HWND hwnd) { return (StyleOf(hwnd) & ES_MULTILINE) != 0; }
EditState* Of(HWND hwnd) { return ctl::StateOf<EditState>(hwnd); }

void Changed(HWND hwnd)
{
    if (EditState* s = Of(hwnd))
        s->modified = true;
    InvalidateRect(hwnd, nullptr, TRUE);
    ctl::NotifyParent(hwnd, EN_UPDATE);
    if (IsWindow(hwnd))
        ctl::NotifyParent(hwnd, EN_CHANGE);
}

std::string Fold(HWND hwnd, std::string text)
{
    DWORD style = StyleOf(hwnd);
    for (char& c : text) {
        if (style & ES_UPPERCASE)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        else if (style & ES_LOWERCASE)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (!(style & ES_MULTILINE)) {
        // A single-line edit keeps the first line only.
        size_t stop = text.find_first_of("\r\n");
        if (stop != std::string::npos)
            text.resize(stop);
    }
    return text;
}

// The clipboard's CF_TEXT: the selection copied out, or the clipboard's text pasted in.
void CopySelection(HWND hwnd)
{
    EditState* s = Of(hwnd);
    if (!s || s->password || !s->text.HasSelection())
        return;
    std::string text = s->text.Text().substr(static_cast<size_t>(s->text.SelStart()),
                                             static_cast<size_t>(s->text.SelEnd() - s->text.SelStart()));
    if (!OpenClipboard(hwnd))
        return;
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (char* p = mem ? static_cast<char*>(GlobalLock(mem)) : nullptr) {
        std::memcpy(p, text.c_str(), text.size() + 1);
        GlobalUnlock(mem);
        SetClipboardData(CF_TEXT, mem);
    }
    CloseClipboard();
}

void Paste(HWND hwnd)
{
    EditState* s = Of(hwnd);
    if (!s || (StyleOf(hwnd) & ES_READONLY) || !OpenClipboard(hwnd))
        return;
    std::string text;
    if (HANDLE mem = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(mem))) {
            text.assign(p, strnlen(p, GlobalSize(mem)));
            GlobalUnlock(mem);
        }
    }
    CloseClipboard();
    if (s->text.ReplaceSel(Fold(hwnd, text), true, true))
        Changed(hwnd);
}

void TypeChar(HWND hwnd, char c)
{
    EditState* s = Of(hwnd);
    DWORD style = StyleOf(hwnd);
    if (s && c == 0x03) { // Ctrl+C
        CopySelection(hwnd);
        return;
    }
    if (!s || (style & ES_READONLY))
        return;
    if (c == '\b') {
        if (s->text.DeleteBack())
            Changed(hwnd);
        return;
    }
    if (c == 0x16) { // Ctrl+V
        Paste(hwnd);
        return;
    }
    if (c == 0x18) { // Ctrl+X
        CopySelection(hwnd);
        if (s->text.HasSelection() && s->text.ReplaceSel("", false, true))
            Changed(hwnd);
        return;
    }
    if (c == 0x1A) { // Ctrl+Z
        if (s->text.Undo())
            Changed(hwnd);
        return;
    }
    std::string insert;
    if (c == '\r') {
        // Enter makes a new line only in a multi-line edit, and inside a dialog only with
        // ES_WANTRETURN (there it presses the default button instead).
        if (!(style & ES_MULTILINE))
            return;
        const WndRec* parent = Find(GetParent(hwnd)); // a dialog's windows carry dialog state
        if (!(style & ES_WANTRETURN) && parent && parent->dialog)
            return;
        insert = "\r\n";
    } else if (c == '\t') {
        if (!(style & ES_MULTILINE))
            return;
        insert = "\t";
    } else if (static_cast<unsigned char>(c) < 0x20) {
        return; // control characters (the clipboard keys among them) are not text
    } else {
        if ((style & ES_NUMBER) && !std::isdigit(static_cast<unsigned char>(c))) {
            MessageBeep(0);
            return;
        }
        insert = Fold(hwnd, std::string(1, c));
    }
    if (s->text.ReplaceSel(insert, true, true)) {
        Changed(hwnd);
    } else {
        MessageBeep(0);
        ctl::NotifyParent(hwnd, EN_MAXTEXT);
    }
}

// The edit of a combo box hands the keys that work the list to the combo box.
HWND ComboOf(HWND hwnd)
{
    HWND parent = GetParent(hwnd);
    char cls[16] = {0};
    if (!parent || !GetClassNameA(parent, cls, sizeof(cls)) || std::strcmp(cls, "ComboBox") != 0)
        return nullptr;
    return parent;
}

bool ForwardToCombo(HWND hwnd, WPARAM vk)
{
    HWND combo = ComboOf(hwnd);
    if (!combo)
        return false;
    const bool dropped = SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    switch (vk) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_F4: break;
    case VK_RETURN: case VK_ESCAPE: if (!dropped) return false; break;
    default: return false;
    }
    SendMessageA(combo, WM_KEYDOWN, vk, 0);
    return true;
}

void KeyDown(HWND hwnd, WPARAM vk)
{
    EditState* s = Of(hwnd);
    if (!s || ForwardToCombo(hwnd, vk))
        return;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    ctl::EditText& t = s->text;
    switch (vk) {
    case VK_LEFT: t.MoveCaret(t.Caret() - 1, shift); break;
    case VK_RIGHT: t.MoveCaret(t.Caret() + 1, shift); break;
    case VK_HOME: t.MoveCaret(Multi(hwnd) ? t.LineIndex(t.LineFromChar(t.Caret())) : 0, shift); break;
    case VK_END:
        if (Multi(hwnd)) {
            int line = t.LineFromChar(t.Caret());
            t.MoveCaret(t.LineIndex(line) + static_cast<int>(t.Line(line).size()), shift);
        } else {
            t.MoveCaret(t.Length(), shift);
        }
        break;
    case VK_UP:
    case VK_DOWN:
        if (Multi(hwnd)) {
            int line = t.LineFromChar(t.Caret());
            int column = t.Caret() - t.LineIndex(line);
            int target = vk == VK_UP ? line - 1 : line + 1;
            if (target >= 0 && target < t.LineCount())
                t.MoveCaret(t.LineIndex(target) + std::min<int>(column, static_cast<int>(t.Line(target).size())), shift);
        }
        break;
    case VK_DELETE:
        if (!(StyleOf(hwnd) & ES_READONLY) && t.DeleteForward())
            Changed(hwnd);
        break;
    case VK_RETURN:
        // A multi-line edit without ES_WANTRETURN in a dialog presses the default button.
        if (Multi(hwnd) && !(StyleOf(hwnd) & ES_WANTRETURN)) {
            HWND dialog = GetParent(hwnd);
            LRESULT def = dialog ? SendMessageA(dialog, DM_GETDEFID, 0, 0) : 0;
            if (HIWORD(def) == DC_HASDEFID)
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(def), BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, LOWORD(def))));
        }
        break;
    case VK_ESCAPE:
        if (Multi(hwnd) && GetParent(hwnd))
            PostMessageA(GetParent(hwnd), WM_CLOSE, 0, 0);
        break;
    default:
        return;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

// A multi-line edit that does not scroll sideways (no ES_AUTOHSCROLL, no WS_HSCROLL) wraps its
// words at the width of its client area.
void UpdateWrap(HWND hwnd)
{
    EditState* s = Of(hwnd);
    if (!s)
        return;
    const DWORD style = StyleOf(hwnd);
    if (!(style & ES_MULTILINE) || (style & (ES_AUTOHSCROLL | WS_HSCROLL))) {
        s->text.SetWrap(0, nullptr);
        return;
    }
    if (!s->measureDc)
        s->measureDc = CreateCompatibleDC(nullptr);
    SelectObject(s->measureDc, ctl::FontOf(hwnd));
    RECT r;
    GetClientRect(hwnd, &r);
    HDC dc = s->measureDc;
    s->text.SetWrap(std::max(1, static_cast<int>(r.right) - s->leftMargin - s->rightMargin), [dc](const std::string& piece) {
        SIZE sz{};
        GetTextExtentPoint32A(dc, piece.c_str(), static_cast<int>(piece.size()), &sz);
        return static_cast<int>(sz.cx);
    });
    InvalidateRect(hwnd, nullptr, FALSE);
}

int LineHeight(HDC dc)
{
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    return tm.tmHeight > 0 ? tm.tmHeight : 13;
}

int Width(HDC dc, const std::string& text)
{
    SIZE sz{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &sz);
    return sz.cx;
}

// One line at (x, y) with the part [selFrom, selTo) of it highlighted.
void PaintLine(HDC dc, const std::string& line, int x, int y, int height, int selFrom, int selTo, bool enabled)
{
    COLORREF normal = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    auto draw = [&](size_t from, size_t to, bool selected, int& cx) {
        if (from >= to)
            return;
        std::string part = line.substr(from, to - from);
        int w = Width(dc, part);
        if (selected) {
            RECT r{cx, y, cx + w, y + height};
            FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            SetTextColor(dc, normal);
        }
        TextOutA(dc, cx, y, part.c_str(), static_cast<int>(part.size()));
        cx += w;
    };
    int cx = x;
    size_t a = static_cast<size_t>(std::clamp(selFrom, 0, static_cast<int>(line.size())));
    size_t b = static_cast<size_t>(std::clamp(selTo, 0, static_cast<int>(line.size())));
    draw(0, a, false, cx);
    draw(a, b, true, cx);
    draw(b, line.size(), false, cx);
}

void Paint(HWND hwnd)
{
    EditState* s = Of(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!s || !dc) {
        EndPaint(hwnd, &ps);
        return;
    }
    DWORD style = StyleOf(hwnd);
    bool enabled = IsWindowEnabled(hwnd) != FALSE;
    RECT r;
    GetClientRect(hwnd, &r);
    UINT colorMsg = (!enabled || (style & ES_READONLY)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HBRUSH brush = ctl::ControlColor(hwnd, dc, colorMsg);
    FillRect(dc, &r, brush);
    HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(hwnd));
    SetBkMode(dc, TRANSPARENT);
    int height = LineHeight(dc);
    bool focused = ctl::HasFocus(hwnd);
    bool showSel = focused || (style & ES_NOHIDESEL);
    const ctl::EditText& t = s->text;
    int lines = (style & ES_MULTILINE) ? t.LineCount() : 1;
    int top = (style & ES_MULTILINE) ? r.top : r.top + (r.bottom - r.top - height) / 2;
    for (int line = s->firstLine; line < lines; ++line) {
        int y = top + (line - s->firstLine) * height;
        if (y >= r.bottom)
            break;
        int start = t.LineIndex(line);
        std::string shown = t.Line(line);
        if (s->password)
            shown.assign(shown.size(), s->password);
        int w = Width(dc, shown);
        int x = r.left + s->leftMargin;
        if (style & ES_RIGHT)
            x = r.right - s->rightMargin - w;
        else if (style & ES_CENTER)
            x = (r.left + r.right - w) / 2;
        int selFrom = showSel ? t.SelStart() - start : 0;
        int selTo = showSel ? t.SelEnd() - start : 0;
        PaintLine(dc, shown, x, y, height, selFrom, selTo, enabled);
        if (focused && !t.HasSelection() && t.LineFromChar(t.Caret()) == line) {
            int cx = x + Width(dc, shown.substr(0, static_cast<size_t>(t.Caret() - start)));
            RECT caret{cx, y, cx + 1, y + height};
            FillRect(dc, &caret, GetSysColorBrush(COLOR_WINDOWTEXT));
        }
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

int CaretFromPoint(HWND hwnd, POINT pt)
{
    EditState* s = Of(hwnd);
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, ctl::FontOf(hwnd));
    int height = LineHeight(dc);
    const ctl::EditText& t = s->text;
    int line = Multi(hwnd) ? std::clamp<int>(s->firstLine + pt.y / height, 0, t.LineCount() - 1) : 0;
    std::string text = t.Line(line);
    int index = static_cast<int>(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        int w = Width(dc, text.substr(0, i + 1));
        int prev = Width(dc, text.substr(0, i));
        if (pt.x - s->leftMargin < (prev + w) / 2) {
            index = static_cast<int>(i);
            break;
        }
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return t.LineIndex(line) + index;
}

LRESULT CopyOut(const std::string& text, WPARAM size, LPARAM buffer)
{
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0)
        return 0;
    size_t n = std::min(text.size(), static_cast<size_t>(size) - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT EditMessage(HWND hwnd, EditState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ctl::EditText& t = s->text;
    switch (msg) {
    case EM_GETSEL:
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(t.SelStart());
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(t.SelEnd());
        return MAKELONG(std::min(t.SelStart(), 0xFFFF), std::min(t.SelEnd(), 0xFFFF));
    case EM_SETSEL:
        t.SetSel(static_cast<int>(static_cast<INT_PTR>(wParam)), static_cast<int>(lParam));
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case EM_REPLACESEL:
        if (t.ReplaceSel(Fold(hwnd, lParam ? reinterpret_cast<const char*>(lParam) : ""), true, wParam != 0))
            Changed(hwnd);
        return 0;
    case EM_LIMITTEXT:
        t.SetLimit(static_cast<int>(wParam));
        return 0;
    case EM_GETLIMITTEXT: return t.Limit();
    case EM_GETMODIFY: return s->modified;
    case EM_SETMODIFY: s->modified = wParam != 0; return 0;
    case EM_CANUNDO: return t.CanUndo();
    case EM_UNDO:
        if (!t.Undo())
            return FALSE;
        Changed(hwnd);
        return TRUE;
    case EM_EMPTYUNDOBUFFER: t.EmptyUndo(); return 0;
    case EM_SETREADONLY: {
        DWORD style = StyleOf(hwnd);
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(wParam ? style | ES_READONLY : style & ~static_cast<DWORD>(ES_READONLY)));
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    case EM_GETLINECOUNT: return Multi(hwnd) ? t.LineCount() : 1;
    case EM_LINEINDEX: {
        int line = static_cast<int>(static_cast<INT_PTR>(wParam));
        return t.LineIndex(line < 0 ? t.LineFromChar(t.Caret()) : line);
    }
    case EM_LINEFROMCHAR: return t.LineFromChar(static_cast<int>(static_cast<INT_PTR>(wParam)));
    case EM_LINELENGTH: return t.LineLength(static_cast<int>(static_cast<INT_PTR>(wParam)));
    case EM_GETLINE: {
        // The buffer's first word gives its size; the line is copied without a terminating NUL.
        char* out = reinterpret_cast<char*>(lParam);
        if (!out)
            return 0;
        WORD size;
        std::memcpy(&size, out, sizeof(size));
        std::string line = Multi(hwnd) ? t.Line(static_cast<int>(wParam)) : t.Text();
        size_t n = std::min<size_t>(line.size(), size);
        std::memcpy(out, line.data(), n);
        return static_cast<LRESULT>(n);
    }
    case EM_SETPASSWORDCHAR:
        s->password = static_cast<char>(wParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case EM_GETPASSWORDCHAR: return static_cast<unsigned char>(s->password);
    case EM_SETMARGINS:
        if (wParam & EC_LEFTMARGIN)
            s->leftMargin = LOWORD(lParam);
        if (wParam & EC_RIGHTMARGIN)
            s->rightMargin = HIWORD(lParam);
        UpdateWrap(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case EM_GETMARGINS: return MAKELONG(s->leftMargin, s->rightMargin);
    case EM_GETFIRSTVISIBLELINE: return s->firstLine;
    case EM_LINESCROLL:
        if (Multi(hwnd)) {
            s->firstLine = std::clamp<int>(s->firstLine + static_cast<int>(lParam), 0, t.LineCount() - 1);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return TRUE;
    case EM_SCROLLCARET: return TRUE;
    case EM_GETRECT:
        if (lParam)
            GetClientRect(hwnd, reinterpret_cast<RECT*>(lParam));
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    EditState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE: {
        EditState* state = ctl::CreateState<EditState>(hwnd);
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (cs->style & ES_PASSWORD)
            state->password = '*';
        // A bordered edit is drawn with the sunken edge of Windows' 3-D look.
        if (cs->style & WS_BORDER) {
            SetWindowLongA(hwnd, GWL_STYLE, GetWindowLongA(hwnd, GWL_STYLE) & ~WS_BORDER);
            SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        }
        if (cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            state->text.SetText(Fold(hwnd, cs->lpszName));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
        if (s && s->measureDc)
            DeleteDC(s->measureDc);
        ctl::DeleteState<EditState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
        break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (Multi(hwnd))
            code |= DLGC_WANTALLKEYS;
        if (HWND combo = ComboOf(hwnd); combo && SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0))
            code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_SETTEXT:
        s->text.SetText(Fold(hwnd, lParam ? reinterpret_cast<const char*>(lParam) : ""));
        Changed(hwnd);
        if (IsWindow(hwnd))
            s->modified = false;
        return TRUE;
    case WM_GETTEXT: return CopyOut(s->text.Text(), wParam, lParam);
    case WM_GETTEXTLENGTH: return s->text.Length();
    case WM_CHAR: TypeChar(hwnd, static_cast<char>(wParam)); return 0;
    case WM_KEYDOWN: KeyDown(hwnd, wParam); return 0;
    case WM_CLEAR:
        if (!(StyleOf(hwnd) & ES_READONLY) && s->text.HasSelection() && s->text.ReplaceSel("", false, true))
            Changed(hwnd);
        return 0;
    case WM_UNDO: return EditMessage(hwnd, s, EM_UNDO, 0, 0);
    case WM_COPY: CopySelection(hwnd); return 0;
    case WM_PASTE: Paste(hwnd); return 0;
    case WM_CUT:
        CopySelection(hwnd);
        if (!(StyleOf(hwnd) & ES_READONLY) && s->text.HasSelection() && s->text.ReplaceSel("", false, true))
            Changed(hwnd);
        return 0;
    case WM_SETFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        ctl::NotifyParent(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        ctl::NotifyParent(hwnd, EN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(hwnd);
        s->text.MoveCaret(CaretFromPoint(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}), GetKeyState(VK_SHIFT) < 0);
        if (msg == WM_LBUTTONDBLCLK)
            s->text.SetSel(0, -1);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_ENABLE:
    case WM_SETFONT: {
        LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
        if (msg == WM_SETFONT)
            UpdateWrap(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_CREATE:
    case WM_SIZE:
        UpdateWrap(hwnd);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return EditMessage(hwnd, s, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterEditClass() { RegisterControlClass("Edit", EditProc, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM); }
} // namespace ctl
