// CyDlgSplitterWnd: a splitter bar between panes above and below it.
#include <misc/geometry/splitter.h>

#include "splitter_drag.h"

#include <algorithm>

using misc_splitter::Pane;
using misc_splitter::RectInDialog;

BEGIN_MESSAGE_MAP(CyDlgSplitterWnd, CWnd)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// The minimum heights have no value of their own before SetMinHeight; they start at the x form's
// 10 pixels once the bar is bound.
CyDlgSplitterWnd::CyDlgSplitterWnd() : parent(nullptr), minAbove(10), minBelow(10) {}

CyDlgSplitterWnd::~CyDlgSplitterWnd()
{
    if (GetSafeHwnd())
        Unbind();
}

int CyDlgSplitterWnd::BindWithControl(CWnd* dialog, DWORD id)
{
    if (!dialog || !SubclassDlgItem(id, dialog))
        return 0;
    parent = dialog;
    ModifyStyle(0, SS_NOTIFY);
    return 1;
}

void CyDlgSplitterWnd::Unbind()
{
    DetachAllPanes();
    UnsubclassWindow();
}

void CyDlgSplitterWnd::SetMinHeight(int above, int below)
{
    minAbove = above;
    minBelow = below;
}

int CyDlgSplitterWnd::AttachAsAbovePane(DWORD id)
{
    abovePanes.Add(id);
    return 1;
}

int CyDlgSplitterWnd::AttachAsBelowPane(DWORD id)
{
    belowPanes.Add(id);
    return 1;
}

int CyDlgSplitterWnd::DetachAllPanes()
{
    abovePanes.RemoveAll();
    belowPanes.RemoveAll();
    return 1;
}

void CyDlgSplitterWnd::RecalcLayout()
{
    if (!parent || !GetSafeHwnd())
        return;
    const CRect bar = RectInDialog(this, parent);
    for (INT_PTR i = 0; i < abovePanes.GetSize(); ++i)
        if (CWnd* pane = Pane(parent, abovePanes[i])) {
            CRect r = RectInDialog(pane, parent);
            r.bottom = bar.top - 1;
            pane->MoveWindow(&r, FALSE);
        }
    for (INT_PTR i = 0; i < belowPanes.GetSize(); ++i)
        if (CWnd* pane = Pane(parent, belowPanes[i])) {
            CRect r = RectInDialog(pane, parent);
            r.top = bar.bottom + 1;
            pane->MoveWindow(&r, FALSE);
        }
    // The whole dialog, its controls and their frames.
    parent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

int CyDlgSplitterWnd::GetMouseClipRect(RECT* r, CPoint p)
{
    if (!parent || !r)
        return 0;
    CRect client;
    parent->GetClientRect(&client);
    parent->ClientToScreen(&client);
    CRect bar;
    GetWindowRect(&bar);
    int lo = client.top + minAbove;
    for (INT_PTR i = 0; i < abovePanes.GetSize(); ++i)
        if (CWnd* pane = Pane(parent, abovePanes[i])) {
            CRect pr;
            pane->GetWindowRect(&pr);
            lo = std::max(lo, static_cast<int>(pr.top) + minAbove);
        }
    int hi = client.bottom - minBelow;
    for (INT_PTR i = 0; i < belowPanes.GetSize(); ++i)
        if (CWnd* pane = Pane(parent, belowPanes[i])) {
            CRect pr;
            pane->GetWindowRect(&pr);
            hi = std::min(hi, static_cast<int>(pr.bottom) - minBelow);
        }
    if (lo >= hi)
        return 0;
    const RECT range{bar.left, lo + p.y, bar.right, hi + p.y - bar.Height() + 1};
    if (range.bottom <= range.top)
        return 0; // lower than the bar itself: no position keeps both minimums
    *r = range;
    return 1;
}

BOOL CyDlgSplitterWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
    return TRUE;
}

void CyDlgSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    RECT clip;
    if (::GetCapture() || !parent || !GetMouseClipRect(&clip, point))
        return;
    const int dy = misc_splitter::RunDrag(this, parent, point, clip, false);
    if (dy == 0 || !GetSafeHwnd())
        return;
    CRect bar = RectInDialog(this, parent);
    bar.OffsetRect(0, dy);
    MoveWindow(&bar, FALSE);
    RecalcLayout();
    parent->SendMessage(WM_SPLITTER_MOVED, static_cast<WPARAM>(dy), static_cast<LPARAM>(GetDlgCtrlID()));
}
