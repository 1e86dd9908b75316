// The view's input: the mouse (select, expand, divider drag, editors), the keyboard (moving the
// selection, expanding, opening editors), the scroll bar and the wheel. The selected row hears
// every key first (OnKeyDown, OnChar).
#include "toolkit/propgrid/pgsys.h"

#include <algorithm>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CXTPPropertyGridView, CWnd)
END_MESSAGE_MAP()

namespace {

constexpr int kDividerGrip = 3; // pixels either side of the divider that grab it
constexpr int kWheelLines = 3;

} // namespace

LRESULT CXTPPropertyGridView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    bool handled = false;
    const LRESULT result = m_impl->Message(message, wParam, lParam, handled);
    return handled ? result : CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CXTPPropertyGridView::Impl::Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    handled = true;
    const CPoint pt(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(self);
        Paint(dc);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN: LButtonDown(static_cast<UINT>(wp), pt); return 0;
    case WM_LBUTTONDBLCLK: LButtonDblClk(static_cast<UINT>(wp), pt); return 0;
    case WM_RBUTTONDOWN: RButtonDown(static_cast<UINT>(wp), pt); return 0;
    case WM_MOUSEMOVE: MouseMove(static_cast<UINT>(wp), pt); return 0;
    case WM_LBUTTONUP: LButtonUp(static_cast<UINT>(wp), pt); return 0;
    case WM_KEYDOWN:
        if (KeyDown(static_cast<UINT>(wp)))
            return 0;
        break;
    case WM_CHAR:
        if (Char(static_cast<UINT>(wp)))
            return 0;
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_VSCROLL: VScroll(LOWORD(wp)); return 0;
    case WM_MOUSEWHEEL: Wheel(static_cast<short>(HIWORD(wp))); return 0;
    case WM_SIZE:
        dirty = dirty || layout.rows.empty();
        EnsureLayout();
        UpdateScrollBar();
        SetTop(topIndex);
        self->Invalidate(FALSE);
        PlaceEditors();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (selected)
            selected->RedrawItem();
        break;
    case WM_CAPTURECHANGED:
        draggingDivider = false;
        break;
    default:
        break;
    }
    handled = false;
    return 0;
}

bool CXTPPropertyGridView::Impl::OnGlyph(const CXTPPropertyGridItem* item, CPoint pt) const
{
    if (!item || !item->HasChilds())
        return false;
    const int right = pgsys::kIndent * (pgsys::Depth(item) + 1);
    return pt.x >= right - pgsys::kIndent && pt.x < right;
}

void CXTPPropertyGridView::Impl::ToggleExpand(CXTPPropertyGridItem* item)
{
    if (!item || !item->HasChilds())
        return;
    if (item->IsExpanded())
        item->Collapse();
    else
        item->Expand();
    EnsureLayout();
    self->Invalidate(FALSE);
    PlaceEditors();
    Notify(XTP_PGN_ITEMEXPANDCHANGED, item);
}

void CXTPPropertyGridView::Impl::OpenEditor(CXTPPropertyGridItem* item)
{
    if (!item || item->GetReadOnly())
        return;
    if (item->GetFlags() & xtpGridItemHasComboButton) {
        item->OnInplaceButtonDown();
        return;
    }
    CXTPPropertyGridInplaceEdit& e = item->GetInplaceEdit();
    if ((item->GetFlags() & xtpGridItemHasEdit) && e.GetSafeHwnd() && e.GetItem() == item && e.IsWindowVisible()) {
        e.SetFocus();
        e.SetSel(0, -1);
        return;
    }
    if (item->GetFlags() & xtpGridItemHasExpandButton)
        item->OnInplaceButtonDown();
}

// ---- Mouse ----

void CXTPPropertyGridView::Impl::LButtonDown(UINT flags, CPoint pt)
{
    self->SetFocus(); // an edit that had the focus commits its text now
    CXTPPropertyGridItem* item = self->ItemFromPoint(pt);
    if (!item)
        return;
    const int divider = self->GetDividerPos();
    if (!item->IsCategory() && std::abs(pt.x - divider) <= kDividerGrip) {
        draggingDivider = true;
        self->SetCapture();
        return;
    }
    if (OnGlyph(item, pt)) {
        Select(item);
        ToggleExpand(item);
        return;
    }
    Select(item);
    if (selected == item)
        item->OnLButtonDown(flags, pt);
}

void CXTPPropertyGridView::Impl::LButtonDblClk(UINT flags, CPoint pt)
{
    CXTPPropertyGridItem* item = self->ItemFromPoint(pt);
    if (!item)
        return;
    if (OnGlyph(item, pt)) {
        ToggleExpand(item); // the second click of a quick pair on the box
        return;
    }
    (void)flags;
    Select(item);
    if (selected == item)
        item->OnLButtonDblClk();
}

void CXTPPropertyGridView::Impl::RButtonDown(UINT, CPoint pt)
{
    self->SetFocus();
    CXTPPropertyGridItem* item = self->ItemFromPoint(pt);
    if (!item)
        return;
    Select(item);
    if (selected != item)
        return;
    item->OnRButtonDown();
    Notify(XTP_PGN_RCLICK, item);
}

void CXTPPropertyGridView::Impl::MouseMove(UINT, CPoint pt)
{
    if (draggingDivider)
        self->SetDividerPos(pt.x);
}

void CXTPPropertyGridView::Impl::LButtonUp(UINT, CPoint pt)
{
    if (!draggingDivider)
        return;
    self->SetDividerPos(pt.x);
    draggingDivider = false;
    if (CWnd::GetCapture() == self)
        ::ReleaseCapture();
}

// ---- Keyboard ----

bool CXTPPropertyGridView::Impl::KeyDown(UINT key)
{
    EnsureLayout();
    CXTPPropertyGridItem* item = selected;
    if (item && item->OnKeyDown(key))
        return true;
    const int n = static_cast<int>(layout.rows.size());
    if (n == 0)
        return false;
    const int at = item ? item->m_index : -1;
    int target = -2;
    switch (key) {
    case VK_UP: target = at < 0 ? 0 : at - 1; break;
    case VK_DOWN: target = at + 1; break;
    case VK_PRIOR: target = at < 0 ? 0 : at - VisibleCount(); break;
    case VK_NEXT: target = at + VisibleCount(); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = n - 1; break;
    case VK_LEFT:
        if (item && item->HasChilds() && item->IsExpanded())
            ToggleExpand(item);
        else if (item && item->GetParentItem())
            Select(item->GetParentItem());
        return true;
    case VK_RIGHT:
        if (item && item->HasChilds() && !item->IsExpanded())
            ToggleExpand(item);
        else if (item && item->HasChilds())
            Select(item->GetChilds()->GetAt(0));
        return true;
    case VK_ADD:
    case VK_SUBTRACT:
    case VK_MULTIPLY:
        return false; // the characters they make do the work (Char)
    case VK_RETURN:
    case VK_F4:
        OpenEditor(item);
        return true;
    case VK_TAB: {
        CXTPPropertyGridInplaceEdit* e = item ? &item->GetInplaceEdit() : nullptr;
        if (e && e->GetSafeHwnd() && e->GetItem() == item && e->IsWindowVisible()) {
            e->SetFocus();
            e->SetSel(0, -1);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
    target = std::clamp(target, 0, n - 1);
    if (layout.rows[static_cast<size_t>(target)])
        Select(layout.rows[static_cast<size_t>(target)]);
    return true;
}

namespace {

void ExpandAll(CXTPPropertyGridItem* item)
{
    item->Expand();
    for (int i = 0; i < item->GetChilds()->GetCount(); ++i)
        ExpandAll(item->GetChilds()->GetAt(i));
}

} // namespace

bool CXTPPropertyGridView::Impl::Char(UINT ch)
{
    CXTPPropertyGridItem* item = selected;
    if (!item)
        return false;
    if (item->OnChar(ch))
        return true;
    if (item->HasChilds() && (ch == '+' || ch == '-' || ch == '*')) {
        const BOOL was = item->IsExpanded();
        if (ch == '*')
            ExpandAll(item);
        else if (ch == '+')
            item->Expand();
        else
            item->Collapse();
        EnsureLayout();
        self->Invalidate(FALSE);
        PlaceEditors();
        if (was != item->IsExpanded())
            Notify(XTP_PGN_ITEMEXPANDCHANGED, item);
        return true;
    }
    // A character typed on an editable row starts editing with it.
    CXTPPropertyGridInplaceEdit& e = item->GetInplaceEdit();
    if (ch >= 32 && !item->GetReadOnly() && (item->GetFlags() & xtpGridItemHasEdit) && e.GetSafeHwnd() &&
        e.GetItem() == item && e.IsWindowVisible()) {
        e.SetFocus();
        e.SetSel(0, -1);
        e.SendMessage(WM_CHAR, ch, 1);
        return true;
    }
    return false;
}

// ---- Scrolling ----

void CXTPPropertyGridView::Impl::VScroll(UINT code)
{
    EnsureLayout();
    const int page = VisibleCount();
    switch (code) {
    case SB_LINEUP: SetTop(topIndex - 1); break;
    case SB_LINEDOWN: SetTop(topIndex + 1); break;
    case SB_PAGEUP: SetTop(topIndex - page); break;
    case SB_PAGEDOWN: SetTop(topIndex + page); break;
    case SB_TOP: SetTop(0); break;
    case SB_BOTTOM: SetTop(MaxTopIndex()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS | SIF_POS;
        self->GetScrollInfo(SB_VERT, &si);
        SetTop(code == SB_THUMBTRACK ? si.nTrackPos : si.nPos);
        break;
    }
    default:
        break;
    }
}

void CXTPPropertyGridView::Impl::Wheel(short delta)
{
    if (delta == 0)
        return;
    const int steps = delta / WHEEL_DELTA;
    SetTop(topIndex - (steps != 0 ? steps : (delta > 0 ? 1 : -1)) * kWheelLines);
}
