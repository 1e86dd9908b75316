// The in-place editors of the table grid.
#include "editors.h"

#include "model.h"

namespace tablegrid {

namespace {

constexpr UINT kEditorId = 0x7A01;

// Tells the grid about a key that ends the edit; true when the key was taken.
bool ForwardEndKey(HWND editor, UINT vk, bool comboDropped)
{
    HWND grid = ::GetParent(editor);
    if (!grid)
        return false;
    switch (vk) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_TAB:
        ::SendMessageA(grid, GXM_EDITKEY, vk, 0);
        return true;
    case VK_UP:
    case VK_DOWN:
        if (comboDropped)
            return false;
        ::SendMessageA(grid, GXM_EDITKEY, vk, 0);
        return true;
    default:
        return false;
    }
}

// A window that lost the focus tells the grid at once (so that a button the person pressed
// finds the edit stored), unless the focus went to the grid itself or to a window of the editor.
void ReportFocusLoss(HWND editor, HWND newFocus)
{
    HWND grid = ::GetParent(editor);
    if (!grid || newFocus == grid || newFocus == editor || (newFocus && ::IsChild(editor, newFocus)))
        return;
    ::SendMessageA(grid, GXM_EDITLOST, 0, 0);
}

class InplaceEdit : public CEdit {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (ForwardEndKey(m_hWnd, static_cast<UINT>(wParam), false))
                return 0;
            break;
        case WM_CHAR:
            if (wParam == '\r' || wParam == 27 || wParam == '\t')
                return 0;
            break;
        case WM_KILLFOCUS:
            ReportFocusLoss(m_hWnd, reinterpret_cast<HWND>(wParam));
            break;
        default:
            break;
        }
        return CEdit::WindowProc(message, wParam, lParam);
    }
};

class InplaceCombo : public CComboBox {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (ForwardEndKey(m_hWnd, static_cast<UINT>(wParam), GetDroppedState() != FALSE))
                return 0;
            break;
        case WM_KILLFOCUS:
            ReportFocusLoss(m_hWnd, reinterpret_cast<HWND>(wParam));
            break;
        default:
            break;
        }
        return CComboBox::WindowProc(message, wParam, lParam);
    }
};

// Splits a choice list at '\n' (a trailing '\r' of a line is dropped).
void FillChoices(CComboBox& combo, const CString& choices)
{
    const char* p = choices;
    while (p && *p) {
        const char* nl = p;
        while (*nl && *nl != '\n')
            ++nl;
        size_t len = static_cast<size_t>(nl - p);
        if (len && p[len - 1] == '\r')
            --len;
        combo.AddString(CString(p, static_cast<int>(len)));
        p = *nl ? nl + 1 : nl;
    }
}

} // namespace

Editor::~Editor()
{
    Reap();
    if (m_wnd && m_wnd->GetSafeHwnd())
        m_wnd->DestroyWindow();
}

bool Editor::Open(ROWCOL row, ROWCOL col, const CGXStyle& style, const CRect& rect, const CString& text,
                  bool caretAtEnd, bool dropDown)
{
    if (m_wnd)
        Close();
    const WORD control = style.GetControl();
    m_row = row;
    m_col = col;
    m_combo = control == GX_IDS_CTRL_COMBOBOX || control == GX_IDS_CTRL_CBS_DROPDOWNLIST;
    CFont* font = m_grid.GetFont();
    if (m_combo) {
        auto combo = std::make_unique<InplaceCombo>();
        const DWORD kind = control == GX_IDS_CTRL_COMBOBOX ? CBS_DROPDOWN : CBS_DROPDOWNLIST;
        CRect r(rect);
        r.bottom = r.top + 200; // the height of the dropped list
        if (!combo->Create(WS_CHILD | WS_VSCROLL | kind, r, &m_grid, kEditorId))
            return false;
        if (font)
            combo->SetFont(font, FALSE);
        FillChoices(*combo, style.GetChoiceList());
        const int found = combo->FindStringExact(-1, text);
        if (found >= 0)
            combo->SetCurSel(found);
        else if (kind == CBS_DROPDOWN)
            combo->SetWindowText(text);
        m_wnd = std::move(combo);
    } else {
        auto edit = std::make_unique<InplaceEdit>();
        CRect r(rect);
        r.DeflateRect(1, 1, 1, 1);
        DWORD align = ES_LEFT;
        if (style.GetHorizontalAlignment() == DT_RIGHT)
            align = ES_RIGHT;
        else if (style.GetHorizontalAlignment() == DT_CENTER)
            align = ES_CENTER;
        if (!edit->Create(WS_CHILD | ES_AUTOHSCROLL | align, r, &m_grid, kEditorId))
            return false;
        if (font)
            edit->SetFont(font, FALSE);
        if (style.GetMaxLength() > 0)
            edit->SetLimitText(static_cast<UINT>(style.GetMaxLength()));
        edit->SetWindowText(text);
        if (caretAtEnd)
            edit->SetSel(text.GetLength(), text.GetLength());
        else
            edit->SetSel(0, -1);
        m_wnd = std::move(edit);
    }
    m_wnd->ShowWindow(SW_SHOW);
    m_wnd->SetFocus();
    if (m_combo && dropDown)
        static_cast<CComboBox*>(m_wnd.get())->ShowDropDown(TRUE);
    return true;
}

CString Editor::Text() const
{
    CString text;
    if (!m_wnd || !m_wnd->GetSafeHwnd())
        return text;
    if (m_combo) {
        auto* combo = static_cast<CComboBox*>(m_wnd.get());
        const int sel = combo->GetCurSel();
        if ((combo->GetStyle() & 0x3) == CBS_DROPDOWNLIST) {
            if (sel >= 0)
                combo->GetLBText(sel, text);
            return text;
        }
    }
    m_wnd->GetWindowText(text);
    return text;
}

void Editor::Close()
{
    if (!m_wnd)
        return;
    // The editor is closed before its window hides, so that the messages hiding sends (a lost
    // focus) find no edit to end again.
    CWnd* wnd = m_wnd.get();
    for (auto& slot : m_closed) {
        if (!slot) {
            slot = std::move(m_wnd);
            break;
        }
    }
    if (m_wnd) { // every slot taken: the oldest closed editor is surely out of its messages
        m_closed[0]->DestroyWindow();
        m_closed[0] = std::move(m_wnd);
    }
    m_row = m_col = 0;
    if (wnd->GetSafeHwnd()) {
        if (m_combo)
            static_cast<CComboBox*>(wnd)->ShowDropDown(FALSE);
        const bool hadFocus = ::GetFocus() == wnd->m_hWnd || ::IsChild(wnd->m_hWnd, ::GetFocus());
        wnd->ShowWindow(SW_HIDE);
        if (hadFocus && m_grid.GetSafeHwnd())
            m_grid.SetFocus();
    }
    if (m_grid.GetSafeHwnd())
        m_grid.PostMessage(GXM_REAP);
}

void Editor::Move(const CRect& rect)
{
    if (!m_wnd || !m_wnd->GetSafeHwnd())
        return;
    if (rect.IsRectEmpty()) {
        m_wnd->ShowWindow(SW_HIDE);
        return;
    }
    CRect r(rect);
    if (m_combo)
        r.bottom = r.top + 200;
    else
        r.DeflateRect(1, 1, 1, 1);
    m_wnd->MoveWindow(&r, TRUE);
    m_wnd->ShowWindow(SW_SHOW);
}

void Editor::Reap()
{
    for (auto& slot : m_closed) {
        if (slot && slot->GetSafeHwnd())
            slot->DestroyWindow();
        slot.reset();
    }
}

} // namespace tablegrid
