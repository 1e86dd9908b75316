// The in-place edit and the in-place button: child windows of the view, created the first time
// a row asks for them and moved from row to row after that.
#include "toolkit/propgrid/pgsys.h"

#include "win32/theme.h"

IMPLEMENT_DYNAMIC(CXTPPropertyGridInplaceEdit, CEdit)
IMPLEMENT_DYNAMIC(CXTPPropertyGridInplaceButton, CStatic)

BEGIN_MESSAGE_MAP(CXTPPropertyGridInplaceEdit, CEdit)
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CXTPPropertyGridInplaceButton, CStatic)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {

CWnd* ViewOf(CXTPPropertyGridItem* item)
{
    CXTPPropertyGridView* view = item ? item->GetGrid() : nullptr;
    return view && view->GetSafeHwnd() ? view : nullptr;
}

} // namespace

// ---- Edit ----

void CXTPPropertyGridInplaceEdit::Create(CXTPPropertyGridItem* item, CRect rect)
{
    CWnd* view = ViewOf(item);
    if (!view)
        return;
    const bool sameItem = m_pItem == item && GetSafeHwnd() && IsWindowVisible();
    m_pItem = item;
    if (!GetSafeHwnd()) {
        if (!CEdit::Create(WS_CHILD | ES_AUTOHSCROLL, rect, view, 0))
            return;
        SetFont(CFont::FromHandle(pgsys::ViewFont()), FALSE);
    }
    MoveWindow(&rect, TRUE);
    SendMessage(EM_SETREADONLY, item->GetReadOnly() ? TRUE : FALSE, 0);
    if (!sameItem)
        SetValue(item->GetViewValue());
    ShowWindow(SW_SHOWNA);
}

void CXTPPropertyGridInplaceEdit::SetValue(LPCTSTR value)
{
    m_strValue = value ? value : "";
    if (GetSafeHwnd()) {
        SetWindowText(m_strValue);
        SetSel(0, 0);
    }
}

void CXTPPropertyGridInplaceEdit::HideWindow()
{
    if (GetSafeHwnd() && IsWindowVisible()) {
        if (GetFocus() == this && m_pItem && ViewOf(m_pItem))
            ViewOf(m_pItem)->SetFocus(); // commits the text on the way out
        ShowWindow(SW_HIDE);
    }
    m_pItem = nullptr;
}

void CXTPPropertyGridInplaceEdit::Abandon()
{
    CXTPPropertyGridItem* item = m_pItem;
    m_pItem = nullptr;
    if (GetSafeHwnd() && IsWindowVisible()) {
        if (GetFocus() == this && item && ViewOf(item))
            ViewOf(item)->SetFocus();
        ShowWindow(SW_HIDE);
    }
}

void CXTPPropertyGridInplaceEdit::Commit()
{
    CXTPPropertyGridItem* item = m_pItem;
    if (!item || !GetSafeHwnd() || item->GetReadOnly())
        return;
    CString text;
    GetWindowText(text);
    if (text == m_strValue)
        return;
    m_strValue = text; // a second commit of the same text does nothing
    item->OnValueChanged(text);
    // The row may have reformatted the value ("12" becomes "12 mm"); show and keep its form.
    if (m_pItem == item && GetSafeHwnd()) {
        m_strValue = item->GetViewValue();
        SetWindowText(m_strValue);
    }
}

UINT CXTPPropertyGridInplaceEdit::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
}

void CXTPPropertyGridInplaceEdit::OnChar(UINT ch, UINT, UINT)
{
    if (ch == VK_RETURN || ch == VK_ESCAPE || ch == VK_TAB)
        return; // handled at key-down
    if (m_pItem && m_pItem->OnChar(ch))
        return;
    Default();
}

void CXTPPropertyGridInplaceEdit::OnKeyDown(UINT key, UINT, UINT)
{
    CWnd* view = ViewOf(m_pItem);
    switch (key) {
    case VK_RETURN:
        Commit();
        SetSel(0, -1);
        return;
    case VK_ESCAPE:
        SetWindowText(m_strValue);
        SetSel(0, -1);
        return;
    case VK_TAB:
        Commit();
        if (view)
            view->SetFocus();
        return;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        // The selection moves on: pass the key to the view, which takes the focus.
        Commit();
        if (view) {
            view->SetFocus();
            view->SendMessage(WM_KEYDOWN, key, 0);
        }
        return;
    case VK_F4:
        if (m_pItem && (m_pItem->GetFlags() & xtpGridItemHasComboButton)) {
            Commit();
            m_pItem->OnInplaceButtonDown();
            return;
        }
        break;
    default:
        break;
    }
    Default();
}

void CXTPPropertyGridInplaceEdit::OnKillFocus(CWnd*)
{
    Commit();
    Default();
}

// ---- Button ----

void CXTPPropertyGridInplaceButton::Create(CXTPPropertyGridItem* item, CRect rect)
{
    CWnd* view = ViewOf(item);
    if (!view)
        return;
    m_pItem = item;
    if (!GetSafeHwnd()) {
        if (!CStatic::Create("", WS_CHILD | SS_NOTIFY, rect, view, 0))
            return;
    }
    MoveWindow(&rect, TRUE);
    ShowWindow(SW_SHOWNA);
    Invalidate(FALSE);
}

void CXTPPropertyGridInplaceButton::HideWindow()
{
    if (GetSafeHwnd() && IsWindowVisible())
        ShowWindow(SW_HIDE);
    m_pItem = nullptr;
    m_pressed = FALSE;
}

void CXTPPropertyGridInplaceButton::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const bool combo = m_pItem && (m_pItem->GetFlags() & xtpGridItemHasComboButton);
    const UINT state = m_pressed ? MISC_TS_PRESSED : MISC_TS_NORMAL;
    if (combo) {
        MiscCurrentTheme().DrawComboButton(dc.GetSafeHdc(), rc, state);
        return;
    }
    MiscCurrentTheme().DrawPushButton(dc.GetSafeHdc(), rc, state);
    // Three dots, centred.
    const COLORREF ink = MiscCurrentTheme().TextColor(MiscThemeElement::PushButton, state);
    const int cx = rc.left + rc.Width() / 2 + (m_pressed ? 1 : 0);
    const int cy = rc.top + rc.Height() / 2 + 2 + (m_pressed ? 1 : 0);
    for (int dx = -4; dx <= 4; dx += 4)
        dc.FillSolidRect(cx + dx - 1, cy - 1, 2, 2, ink);
}

void CXTPPropertyGridInplaceButton::OnLButtonDown(UINT, CPoint)
{
    m_pressed = TRUE;
    Invalidate(FALSE);
    SetCapture();
}

void CXTPPropertyGridInplaceButton::OnLButtonUp(UINT, CPoint point)
{
    if (!m_pressed)
        return;
    m_pressed = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    Invalidate(FALSE);
    CRect rc;
    GetClientRect(&rc);
    if (rc.PtInRect(point) && m_pItem) {
        // The edit's pending text counts before the button acts on the value.
        CXTPPropertyGridInplaceEdit& edit = m_pItem->GetInplaceEdit();
        if (edit.GetSafeHwnd() && edit.GetItem() == m_pItem)
            edit.Commit();
        if (m_pItem)
            m_pItem->OnInplaceButtonDown();
    }
}
