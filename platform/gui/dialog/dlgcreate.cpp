// Dialogs from the compiled templates of the resource module: the dialog window with its font,
// the controls converted from dialog units (x * baseX / 4, y * baseY / 8, where baseX is the
// font's average character width and baseY its height, as Windows measures them), WM_INITDIALOG,
// and the modal and modeless forms.
#include "dialog/dlgsys.h"

#include "mfc/module.h"

using namespace wndsys;

namespace {

HFONT TemplateFont(const MiscResDialog* t, bool* owned)
{
    *owned = false;
    if (!t->fontFace || !*t->fontFace)
        return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    int points = t->fontPointSize > 0 ? t->fontPointSize : 8;
    HFONT font = CreateFontA(-MulDiv(points, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, t->fontFace);
    if (!font)
        return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    *owned = true;
    return font;
}

RECT DialogUnitsToPixels(int x, int y, int cx, int cy, const SIZE& base)
{
    RECT r;
    r.left = MulDiv(x, base.cx, 4);
    r.top = MulDiv(y, base.cy, 8);
    r.right = r.left + MulDiv(cx, base.cx, 4);
    r.bottom = r.top + MulDiv(cy, base.cy, 8);
    return r;
}

// Where a dialog of window size (w, h) goes: centred on the work area (DS_CENTER), at the
// template position relative to the owner's client area, or absolute (DS_ABSALIGN).
POINT DialogPosition(DWORD style, const RECT& px, int w, int h, HWND owner)
{
    if (style & WS_CHILD)
        return POINT{px.left, px.top};
    if (style & DS_CENTER) {
        RECT area;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        return POINT{area.left + (area.right - area.left - w) / 2, area.top + (area.bottom - area.top - h) / 2};
    }
    POINT p{px.left, px.top};
    if (owner && !(style & DS_ABSALIGN))
        ClientToScreen(owner, &p);
    return p;
}

bool CreateControls(HWND dialog, HINSTANCE instance, const MiscResDialog* t, HFONT font, const SIZE& base)
{
    DialogRec* d = DialogOf(dialog);
    for (int i = 0; i < t->controlCount; ++i) {
        const MiscResControl& c = t->controls[i];
        RECT r = DialogUnitsToPixels(c.x, c.y, c.cx, c.cy, base);
        HWND ctl = CreateWindowExA(c.exStyle | WS_EX_NOPARENTNOTIFY, c.className, c.text ? c.text : "",
                                   (c.style | WS_CHILD) & ~static_cast<DWORD>(WS_POPUP), r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (!Find(dialog))
            return false;
        if (!ctl) {
            if (t->style & DS_NOFAILCREATE)
                continue;
            return false;
        }
        SendMessageA(ctl, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (d && (SendMessageA(ctl, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
            d->defId = c.id;
    }
    return true;
}

} // namespace

namespace wndsys {

SIZE DialogBaseUnits(HFONT font)
{
    SIZE base{6, 13};
    HDC dc = GetDC(nullptr);
    if (!dc)
        return base;
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    SIZE sz{};
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (GetTextMetricsA(dc, &tm) && tm.tmHeight > 0)
        base.cy = tm.tmHeight;
    if (GetTextExtentPoint32A(dc, kAlphabet, 52, &sz) && sz.cx > 0)
        base.cx = (sz.cx / 26 + 1) / 2;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return base;
}

// The initial strings of the template's combo boxes and list boxes (the DLGINIT resource of the
// same number), given before WM_INITDIALOG so that the dialog's own code finds them there, as
// MFC's dialogs do.
void ApplyDlgInit(HWND dialog, HINSTANCE instance, UINT templateId)
{
    const MiscResDlgInit* init = MiscFindDlgInit(instance, templateId);
    for (int i = 0; init && i < init->count; ++i) {
        const MiscResDlgInitEntry& e = init->entries[i];
        if (HWND control = GetDlgItem(dialog, e.control))
            SendMessageA(control, e.message, 0, reinterpret_cast<LPARAM>(e.text));
    }
}

HWND CreateDialogFromTemplate(HINSTANCE instance, const MiscResDialog* t, HWND owner, DLGPROC proc, LPARAM param,
                              bool forModal)
{
    if (!t) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    DWORD style = t->style;
    DWORD ex = t->exStyle;
    if (style & DS_MODALFRAME)
        ex |= WS_EX_DLGMODALFRAME;
    if (style & DS_CONTROL) {
        style &= ~static_cast<DWORD>(WS_CAPTION | WS_SYSMENU);
        ex |= WS_EX_CONTROLPARENT;
    }
    if ((style & WS_CHILD) && !owner)
        style &= ~static_cast<DWORD>(WS_CHILD);
    bool ownFont = false;
    HFONT font = TemplateFont(t, &ownFont);
    SIZE base = DialogBaseUnits(font);
    RECT px = DialogUnitsToPixels(t->x, t->y, t->cx, t->cy, base);
    RECT frame{0, 0, px.right - px.left, px.bottom - px.top};
    AdjustWindowRectEx(&frame, style, FALSE, ex);
    int w = frame.right - frame.left, h = frame.bottom - frame.top;
    POINT pos = DialogPosition(style, px, w, h, owner);

    HWND dialog = CreateWindowExA(ex, "#32770", t->caption ? t->caption : "", style & ~static_cast<DWORD>(WS_VISIBLE),
                                  pos.x, pos.y, w, h, owner, nullptr, instance, nullptr);
    if (!dialog) {
        if (ownFont)
            DeleteObject(font);
        return nullptr;
    }
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    DialogRec* d = EnsureDialog(dialog);
    d->templateId = t->id;
    d->font = font;
    d->ownFont = ownFont;
    d->baseX = base.cx;
    d->baseY = base.cy;
    SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    if (!CreateControls(dialog, instance, t, font, base)) {
        if (Find(dialog))
            DestroyWindow(dialog);
        SetLastError(1407);
        return nullptr;
    }
    ApplyDlgInit(dialog, instance, t->id);
    HWND focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), param) && Find(dialog)) {
        focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (focus)
            SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
    }
    if (!Find(dialog))
        return nullptr;
    if ((t->style & WS_VISIBLE) && !forModal)
        ShowWindow(dialog, SW_SHOWNORMAL);
    return dialog;
}

} // namespace wndsys

namespace {

const MiscResDialog* FindTemplate(HINSTANCE* instance, LPCSTR name)
{
    if (!IS_INTRESOURCE(name))
        return nullptr;
    UINT id = static_cast<UINT>(reinterpret_cast<uintptr_t>(name));
    if (const MiscResDialog* t = MiscFindDialog(*instance, id))
        return t;
    if (*instance)
        return nullptr;
    // Without a module, look where MFC would: the current resource module, then the libraries.
    *instance = AfxGetResourceHandle();
    if (const MiscResDialog* t = MiscFindDialog(*instance, id))
        return t;
    for (CDynLinkLibrary* lib = AfxGetFirstDynLinkLibrary(); lib; lib = lib->m_pNextDLL)
        if (const MiscResDialog* t = MiscFindDialog(lib->m_hResource, id)) {
            *instance = lib->m_hResource;
            return t;
        }
    return nullptr;
}

} // namespace

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM param)
{
    const MiscResDialog* t = FindTemplate(&instance, templateName);
    if (!t) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return CreateDialogFromTemplate(instance, t, parent, proc, param, false);
}

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM param)
{
    const MiscResDialog* t = FindTemplate(&instance, templateName);
    if (!t) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    bool disabled = owner && IsWindowEnabled(owner);
    if (disabled)
        EnableWindow(owner, FALSE);
    HWND dialog = CreateDialogFromTemplate(instance, t, owner, proc, param, true);
    INT_PTR result = -1;
    if (dialog) {
        if (!IsWindowVisible(dialog))
            ShowWindow(dialog, SW_SHOWNORMAL);
        MiscModal info;
        info.kind = MiscModalKind::Dialog;
        info.hwnd = dialog;
        info.templateId = t->id;
        info.caption = t->caption ? t->caption : "";
        bool ok = RunModal(dialog, info, [dialog] {
            DialogRec* d = DialogOf(dialog);
            return !d || d->ended;
        });
        DialogRec* d = DialogOf(dialog);
        if (ok && d && d->ended)
            result = d->result;
    }
    if (disabled && Find(owner))
        EnableWindow(owner, TRUE);
    if (dialog && Find(dialog))
        DestroyWindow(dialog);
    if (owner && Find(owner) && IsWindowVisible(owner))
        SetActiveWindow(owner);
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    DialogRec* d = DialogOf(dialog);
    if (!d)
        return FALSE;
    d->result = result;
    d->ended = true;
    WndRec* w = Find(dialog);
    HWND owner = w ? w->owner : nullptr;
    if (owner && Find(owner))
        EnableWindow(owner, TRUE);
    if (GetActiveWindow() == dialog && owner && IsWindowVisible(owner))
        SetActiveWindow(owner);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    PostMessageA(dialog, WM_NULL, 0, 0);
    return TRUE;
}

BOOL MapDialogRect(HWND dialog, LPRECT rect)
{
    DialogRec* d = DialogOf(dialog);
    if (!d || !rect)
        return FALSE;
    SIZE base{d->baseX, d->baseY};
    if (base.cx <= 0 || base.cy <= 0)
        base = DialogBaseUnits(d->font ? d->font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    rect->left = MulDiv(rect->left, base.cx, 4);
    rect->right = MulDiv(rect->right, base.cx, 4);
    rect->top = MulDiv(rect->top, base.cy, 8);
    rect->bottom = MulDiv(rect->bottom, base.cy, 8);
    return TRUE;
}

LONG GetDialogBaseUnits()
{
    SIZE base = DialogBaseUnits(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    return MAKELONG(base.cx, base.cy);
}

BOOL MiscDialogResult(HWND dialog, INT_PTR* result)
{
    DialogRec* d = DialogOf(dialog);
    if (!d || !d->ended)
        return FALSE;
    if (result)
        *result = d->result;
    return TRUE;
}
