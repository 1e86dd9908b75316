// CxDlgSplitterWnd: a splitter bar between panes on its left and right.
#include <misc/geometry/splitter.h>

#include "splitter_drag.h"

#include <algorithm>

using misc_splitter::Pane;
using misc_splitter::RectInDialog;

namespace {

constexpr UINT kCursorId = 30980;

// Cursor resource 30980 from the current resource module, then the extension libraries.
HCURSOR FindSplitterCursor()
{
    HINSTANCE current = AfxGetResourceHandle();
    if (!current)
        return nullptr;
    if (HCURSOR c = ::LoadCursor(current, MAKEINTRESOURCE(kCursorId)))
        return c;
    for (CDynLinkLibrary* lib = AfxGetFirstDynLinkLibrary(); lib; lib = lib->m_pNextDLL)
        if (HCURSOR c = ::LoadCursor(lib->m_hResource, MAKEINTRESOURCE(kCursorId)))
            return c;
    return nullptr;
}

bool Contains(const CDWordArray& list, DWORD id)
{
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        if (list[i] == id)
            return true;
    return false;
}

} // namespace

BEGIN_MESSAGE_MAP(CxDlgSplitterWnd, CWnd)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CxDlgSplitterWnd::CxDlgSplitterWnd() : cursor(FindSplitterCursor()), parent(nullptr), minLeft(0), minRight(0) {}

CxDlgSplitterWnd::~CxDlgSplitterWnd()
{
    // A bar that is still bound gives its control back to the dialog.
    if (GetSafeHwnd())
        Unbind();
}

int CxDlgSplitterWnd::BindWithControl(CWnd* dialog, DWORD id)
{
    if (!dialog || !SubclassDlgItem(id, dialog))
        return 0;
    parent = dialog;
    ModifyStyle(0, SS_NOTIFY);
    minLeft = minRight = 10;
    return 1;
}

void CxDlgSplitterWnd::Unbind()
{
    DetachAllPanes();
    UnsubclassWindow();
}

void CxDlgSplitterWnd::SetMinWidth(int left, int right)
{
    minLeft = left;
    minRight = right;
}

int CxDlgSplitterWnd::AttachAsLeftPane(DWORD id)
{
    leftPanes.Add(id);
    return 1;
}

int CxDlgSplitterWnd::AttachAsRightPane(DWORD id)
{
    rightPanes.Add(id);
    return 1;
}

int CxDlgSplitterWnd::DetachAllPanes()
{
    leftPanes.RemoveAll();
    rightPanes.RemoveAll();
    return 1;
}

BOOL CxDlgSplitterWnd::IsRepaint(DWORD id)
{
    return Contains(repaints, id);
}

void CxDlgSplitterWnd::RemoveFromRepaints(DWORD id)
{
    for (INT_PTR i = repaints.GetSize() - 1; i >= 0; --i)
        if (repaints[i] == id)
            repaints.RemoveAt(i);
}

void CxDlgSplitterWnd::AddToRepaints(DWORD id)
{
    if (!Contains(repaints, id))
        repaints.Add(id);
}

void CxDlgSplitterWnd::RecalcLayout()
{
    if (!parent || !GetSafeHwnd())
        return;
    const CRect bar = RectInDialog(this, parent);
    for (INT_PTR i = 0; i < leftPanes.GetSize(); ++i)
        if (CWnd* pane = Pane(parent, leftPanes[i])) {
            CRect r = RectInDialog(pane, parent);
            r.right = bar.left;
            pane->MoveWindow(&r, IsRepaint(leftPanes[i]));
        }
    for (INT_PTR i = 0; i < rightPanes.GetSize(); ++i)
        if (CWnd* pane = Pane(parent, rightPanes[i])) {
            CRect r = RectInDialog(pane, parent);
            r.left = bar.right;
            pane->MoveWindow(&r, IsRepaint(rightPanes[i]));
        }
    // The whole dialog, its controls and their frames.
    parent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

int CxDlgSplitterWnd::GetMouseClipRect(RECT* r, CPoint p)
{
    if (!parent || !r)
        return 0;
    CRect client;
    parent->GetClientRect(&client);
    parent->ClientToScreen(&client);
    CRect bar;
    GetWindowRect(&bar);
    int lo = client.left + minLeft;
    for (INT_PTR i = 0; i < leftPanes.GetSize(); ++i)
        if (CWnd* pane = Pane(parent, leftPanes[i])) {
            CRect pr;
            pane->GetWindowRect(&pr);
            lo = std::max(lo, static_cast<int>(pr.left) + minLeft);
        }
    int hi = client.right - minRight;
    for (INT_PTR i = 0; i < rightPanes.GetSize(); ++i)
        if (CWnd* pane = Pane(parent, rightPanes[i])) {
            CRect pr;
            pane->GetWindowRect(&pr);
            hi = std::min(hi, static_cast<int>(pr.right) - minRight);
        }
    if (lo >= hi)
        return 0;
    const RECT range{lo + p.x, bar.top, hi + p.x - bar.Width() + 1, bar.bottom};
    if (range.right <= range.left)
        return 0; // narrower than the bar itself: no position keeps both minimums
    *r = range;
    return 1;
}

BOOL CxDlgSplitterWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    if (cursor)
        ::SetCursor(cursor);
    return TRUE;
}

void CxDlgSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    RECT clip;
    if (::GetCapture() || !parent || !GetMouseClipRect(&clip, point))
        return;
    const int dx = misc_splitter::RunDrag(this, parent, point, clip, true);
    if (dx == 0 || !GetSafeHwnd())
        return;
    CRect bar = RectInDialog(this, parent);
    bar.OffsetRect(dx, 0);
    MoveWindow(&bar, FALSE);
    RecalcLayout();
    parent->PostMessage(WM_SPLITTER_MOVED, static_cast<WPARAM>(dx), static_cast<LPARAM>(GetDlgCtrlID()));
}
