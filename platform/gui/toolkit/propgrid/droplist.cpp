// The drop-down list of a row's constraints: opens under the row (above it when there is no room
// below), sized by the row's OnMergeItemConstraint, painted by its OnDrawItemConstraint. A click
// on an entry or Enter commits; Escape, a click elsewhere or the focus leaving closes it.
#include "toolkit/propgrid/pgsys.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTPPropertyGridInplaceList, CListBox)

BEGIN_MESSAGE_MAP(CXTPPropertyGridInplaceList, CListBox)
ON_WM_KEYDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

namespace {
constexpr int kMaxShown = 10; // entries shown before the list scrolls
}

void CXTPPropertyGridInplaceList::Create(CXTPPropertyGridItem* item, CRect rect)
{
    CXTPPropertyGridView* view = item ? item->GetGrid() : nullptr;
    if (!view || !view->GetSafeHwnd())
        return;
    CXTPPropertyGridItemConstraints* choices = item->GetConstraints();
    if (choices->IsEmpty())
        return;
    m_pItem = item;
    m_closing = FALSE;
    if (!GetSafeHwnd()) {
        const DWORD style = WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                            LBS_NOINTEGRALHEIGHT;
        if (!CListBox::Create(style, rect, view, 0))
            return;
        SetFont(CFont::FromHandle(pgsys::ViewFont()), FALSE);
    }
    ResetContent();

    // Entry sizes come from the row.
    CClientDC dc(view);
    HGDIOBJ oldFont = ::SelectObject(dc.GetSafeHdc(), pgsys::ViewFont());
    int width = rect.Width();
    int height = 0;
    for (int i = 0; i < choices->GetCount(); ++i) {
        CXTPPropertyGridItemConstraint* c = choices->GetConstraintAt(i);
        AddString(c->m_strConstraint);
        const CSize size = item->OnMergeItemConstraint(&dc, c);
        width = std::max(width, static_cast<int>(size.cx) + 4);
        height = std::max(height, static_cast<int>(size.cy));
    }
    ::SelectObject(dc.GetSafeHdc(), oldFont);
    height = std::max(height, 8);
    SetItemHeight(0, static_cast<UINT>(height));

    CRect client;
    view->GetClientRect(&client);
    const int shown = std::min(choices->GetCount(), kMaxShown);
    const int listHeight = shown * height + 2;
    CRect place(rect.right - width, rect.top, rect.right, rect.top + listHeight);
    if (place.left < client.left)
        place.OffsetRect(client.left - place.left, 0);
    if (place.bottom > client.bottom && rect.top - listHeight >= client.top - 1) {
        const CRect row = item->GetItemRect();
        place.OffsetRect(0, row.top - listHeight - place.top);
    }
    MoveWindow(&place, TRUE);
    const int current = choices->FindConstraint(static_cast<LPCTSTR>(item->GetValue()));
    SetCurSel(current);
    if (current >= 0)
        SetTopIndex(std::max(0, current - shown + 1));
    ShowWindow(SW_SHOW);
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFocus();
    SetCapture();
}

void CXTPPropertyGridInplaceList::Cancel()
{
    if (m_closing)
        return;
    m_closing = TRUE;
    if (GetSafeHwnd()) {
        if (GetCapture() == this)
            ReleaseCapture();
        if (IsWindowVisible()) {
            CXTPPropertyGridView* view = m_pItem ? m_pItem->GetGrid() : nullptr;
            ShowWindow(SW_HIDE);
            if (view && GetFocus() == this)
                view->SetFocus();
        }
    }
    m_pItem = nullptr;
    m_closing = FALSE;
}

void CXTPPropertyGridInplaceList::Apply()
{
    CXTPPropertyGridItem* item = m_pItem;
    const int sel = GetSafeHwnd() ? GetCurSel() : -1;
    CString text;
    if (item && sel >= 0)
        text = item->GetConstraints()->GetAt(sel);
    Cancel();
    if (!item || sel < 0 || text == item->GetValue())
        return;
    item->GetConstraints()->SetCurrent(sel);
    item->OnValueChanged(text);
}

void CXTPPropertyGridInplaceList::DrawItem(LPDRAWITEMSTRUCT draw)
{
    if (!draw || !m_pItem || static_cast<int>(draw->itemID) < 0)
        return;
    CXTPPropertyGridItemConstraint* c = m_pItem->GetConstraints()->GetConstraintAt(static_cast<int>(draw->itemID));
    if (!c)
        return;
    CDC* dc = CDC::FromHandle(draw->hDC);
    m_pItem->OnDrawItemConstraint(dc, c, CRect(draw->rcItem), (draw->itemState & ODS_SELECTED) ? TRUE : FALSE);
}

void CXTPPropertyGridInplaceList::MeasureItem(LPMEASUREITEMSTRUCT measure)
{
    if (measure && m_pItem)
        measure->itemHeight = static_cast<UINT>(m_pItem->GetHeight());
}

UINT CXTPPropertyGridInplaceList::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS | DLGC_WANTARROWS;
}

void CXTPPropertyGridInplaceList::OnKeyDown(UINT key, UINT, UINT)
{
    if (key == VK_RETURN) {
        Apply();
        return;
    }
    if (key == VK_ESCAPE || key == VK_F4) {
        Cancel();
        return;
    }
    Default();
}

void CXTPPropertyGridInplaceList::OnLButtonDown(UINT, CPoint point)
{
    CRect rc;
    GetClientRect(&rc);
    CRect window;
    GetWindowRect(&window);
    ScreenToClient(&window);
    if (!window.PtInRect(point)) {
        Cancel(); // a click elsewhere closes the list and does nothing else
        return;
    }
    Default();
    if (GetCapture() != this && IsWindowVisible())
        SetCapture();
}

void CXTPPropertyGridInplaceList::OnLButtonUp(UINT, CPoint point)
{
    CRect rc;
    GetClientRect(&rc);
    Default();
    if (rc.PtInRect(point) && m_pItem) {
        BOOL outside = FALSE;
        const UINT index = ItemFromPoint(point, outside);
        if (!outside && static_cast<int>(index) < GetCount())
            SetCurSel(static_cast<int>(index));
        Apply();
    } else if (IsWindowVisible() && GetCapture() != this) {
        SetCapture();
    }
}

void CXTPPropertyGridInplaceList::OnKillFocus(CWnd*)
{
    Default();
    Cancel();
}
