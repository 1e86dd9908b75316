// The view's layout: which rows are shown (expanded parents only), where each stands, the top
// row and the scroll bar, and the selection. Only the shown rows are laid out; painting touches
// only the rows on screen.
#include "toolkit/propgrid/pgsys.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTPPropertyGridView, CWnd)

// ---- Tree walks ----

void pgsys::CollectShown(const CXTPPropertyGridItems* items, std::vector<CXTPPropertyGridItem*>& out)
{
    if (!items)
        return;
    for (int i = 0; i < items->GetCount(); ++i) {
        CXTPPropertyGridItem* item = items->GetAt(i);
        out.push_back(item);
        if (item->IsExpanded())
            CollectShown(item->GetChilds(), out);
    }
}

int pgsys::Depth(const CXTPPropertyGridItem* item)
{
    int depth = 0;
    for (const CXTPPropertyGridItem* p = item ? item->GetParentItem() : nullptr; p; p = p->GetParentItem())
        ++depth;
    return depth;
}

// ---- Rebuilding the shown rows ----

void CXTPPropertyGridView::Impl::Rebuild()
{
    if (inRefresh)
        return;
    inRefresh = true;
    dirty = false;
    std::vector<CXTPPropertyGridItem*> rows;
    if (self->m_pGrid)
        pgsys::CollectShown(self->m_pGrid->GetCategories(), rows);

    // Mark the rows that stay shown with their new place (negative, so that the old rows not
    // marked are the ones that went away), remembering where they stood.
    std::vector<int> before(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        before[i] = rows[i]->m_index;
        rows[i]->m_index = -2 - static_cast<int>(i);
    }
    std::vector<CXTPPropertyGridItem*> old;
    old.swap(layout.rows);
    layout.rows = rows;
    layout.tops.assign(rows.size() + 1, 0);
    for (size_t i = 0; i < rows.size(); ++i)
        layout.tops[i + 1] = layout.tops[i] + RowHeight(rows[i]);
    const int oldTop = topIndex;
    topIndex = std::clamp(topIndex, 0, MaxTopIndex());
    bool moved = topIndex != oldTop;
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i]->m_index = static_cast<int>(i);

    for (CXTPPropertyGridItem* item : old) {
        if (item && item->m_index == -1 && item->m_visibleRow) {
            item->m_visibleRow = FALSE;
            item->SetVisible(FALSE);
        }
    }
    // Rows that went away were not renumbered above: their old index still stands.
    for (CXTPPropertyGridItem* item : old) {
        if (item && item->m_index >= 0 && (static_cast<size_t>(item->m_index) >= rows.size() || rows[item->m_index] != item)) {
            item->m_index = -1;
            if (item->m_visibleRow) {
                item->m_visibleRow = FALSE;
                item->SetVisible(FALSE);
            }
        }
    }
    if (selected && selected->m_index < 0) {
        // The selected row went out of sight with its branch: its editors go with it.
        if (edit.GetItem() == selected)
            edit.HideWindow();
        if (button.GetItem() == selected)
            button.HideWindow();
        if (list.GetItem() == selected)
            list.Cancel();
        selected = nullptr;
        if (self->m_pGrid && self->m_pGrid->GetSafeHwnd())
            self->m_pGrid->Invalidate(FALSE); // the help pane has nothing to describe now
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        CXTPPropertyGridItem* item = rows[i];
        if (!item->m_visibleRow) {
            item->m_visibleRow = TRUE;
            item->SetVisible(TRUE);
        }
        if (before[i] != static_cast<int>(i)) {
            item->OnIndexChanged();
            moved = moved || item == selected;
        }
    }
    inRefresh = false;
    UpdateScrollBar();
    if (moved)
        PlaceEditors(); // the selected row moved: its editors follow
}

void CXTPPropertyGridView::Impl::EnsureLayout()
{
    if (dirty && !inRefresh)
        Rebuild();
}

void CXTPPropertyGridView::Impl::Forget(CXTPPropertyGridItem* item)
{
    if (selected == item) {
        selected = nullptr;
        if (self->m_pGrid && self->m_pGrid->GetSafeHwnd())
            self->m_pGrid->Invalidate(FALSE);
    }
    if (edit.GetItem() == item)
        edit.Abandon(); // text typed into a row that goes away goes with it
    if (button.GetItem() == item)
        button.HideWindow();
    if (list.GetItem() == item)
        list.Cancel();
    const int index = item->m_index;
    if (index >= 0 && static_cast<size_t>(index) < layout.rows.size() && layout.rows[index] == item)
        layout.rows[index] = nullptr;
    item->m_index = -1;
    dirty = true;
    if (self->GetSafeHwnd())
        self->Invalidate(FALSE);
}

// ---- Geometry ----

int CXTPPropertyGridView::Impl::RowHeight(const CXTPPropertyGridItem* item) const
{
    return item && item->m_height > 0 ? item->m_height : self->GetDefaultRowHeight();
}

int CXTPPropertyGridView::Impl::ClientWidth() const
{
    if (!self->GetSafeHwnd())
        return 0;
    CRect rc;
    self->GetClientRect(&rc);
    return rc.Width();
}

int CXTPPropertyGridView::Impl::ClientHeight() const
{
    if (!self->GetSafeHwnd())
        return 0;
    CRect rc;
    self->GetClientRect(&rc);
    return rc.Height();
}

CRect CXTPPropertyGridView::Impl::RowRect(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= layout.rows.size())
        return CRect(0, 0, 0, 0);
    const int origin = layout.tops[static_cast<size_t>(topIndex)];
    const int top = layout.tops[static_cast<size_t>(index)] - origin;
    const int bottom = layout.tops[static_cast<size_t>(index) + 1] - origin;
    return CRect(0, top, ClientWidth(), bottom);
}

int CXTPPropertyGridView::Impl::IndexFromY(int y) const
{
    if (layout.rows.empty() || y < 0)
        return -1;
    const int absolute = y + layout.tops[static_cast<size_t>(topIndex)];
    auto it = std::upper_bound(layout.tops.begin(), layout.tops.end(), absolute);
    const int index = static_cast<int>(it - layout.tops.begin()) - 1;
    return index >= 0 && static_cast<size_t>(index) < layout.rows.size() ? index : -1;
}

int CXTPPropertyGridView::Impl::VisibleCount() const
{
    const int height = ClientHeight();
    const int n = static_cast<int>(layout.rows.size());
    int i = topIndex;
    const int start = layout.tops[static_cast<size_t>(topIndex)];
    while (i < n && layout.tops[static_cast<size_t>(i) + 1] - start <= height)
        ++i;
    return std::max(1, i - topIndex);
}

int CXTPPropertyGridView::Impl::MaxTopIndex() const
{
    const int n = static_cast<int>(layout.rows.size());
    if (n == 0)
        return 0;
    const int total = layout.tops.back();
    const int height = ClientHeight();
    // The first top from which the rest fits on one screen.
    auto it = std::lower_bound(layout.tops.begin(), layout.tops.end() - 1, total - height);
    return std::clamp(static_cast<int>(it - layout.tops.begin()), 0, n - 1);
}

void CXTPPropertyGridView::Impl::UpdateScrollBar()
{
    if (!self->GetSafeHwnd())
        return;
    const int n = static_cast<int>(layout.rows.size());
    const int maxTop = MaxTopIndex();
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = n > 0 ? n - 1 : 0;
    si.nPage = static_cast<UINT>(n - maxTop);
    si.nPos = topIndex;
    const bool needed = maxTop > 0;
    self->ShowScrollBar(SB_VERT, needed);
    if (needed)
        self->SetScrollInfo(SB_VERT, &si, TRUE);
}

// ---- Selection and scrolling ----

void CXTPPropertyGridView::Impl::Select(CXTPPropertyGridItem* item, bool notify)
{
    if (item == selected)
        return;
    CXTPPropertyGridItem* old = selected;
    selected = item;
    if (old) {
        old->OnDeselect();
        old->RedrawItem();
    }
    if (item) {
        EnsureLayout();
        if (item->m_index >= 0)
            EnsureVisible(item->m_index);
        item->OnSelect();
        item->RedrawItem();
    }
    if (self->m_pGrid && self->m_pGrid->GetSafeHwnd())
        self->m_pGrid->Invalidate(FALSE); // the help pane follows the selection
    (void)notify;
    Notify(XTP_PGN_SELECTION_CHANGED, item);
}

void CXTPPropertyGridView::Impl::EnsureVisible(int index)
{
    if (index < topIndex) {
        SetTop(index);
        return;
    }
    const int height = ClientHeight();
    if (height <= 0)
        return;
    int top = topIndex;
    const int bottom = layout.tops[static_cast<size_t>(index) + 1];
    while (top < index && bottom - layout.tops[static_cast<size_t>(top)] > height)
        ++top;
    if (top != topIndex)
        SetTop(top);
}

void CXTPPropertyGridView::Impl::SetTop(int index)
{
    EnsureLayout();
    index = std::clamp(index, 0, MaxTopIndex());
    if (index == topIndex)
        return;
    const int oldTop = topIndex;
    const int oldCount = VisibleCount() + 1;
    topIndex = index;
    UpdateScrollBar();
    if (self->GetSafeHwnd())
        self->Invalidate(FALSE);
    // The rows that moved on screen (the old screenful and the new one) hear of it, so that rows
    // with windows of their own can move them.
    const int newCount = VisibleCount() + 1;
    const int n = static_cast<int>(layout.rows.size());
    for (int i = oldTop; i < std::min(n, oldTop + oldCount); ++i)
        if (layout.rows[static_cast<size_t>(i)])
            layout.rows[static_cast<size_t>(i)]->OnIndexChanged();
    for (int i = topIndex; i < std::min(n, topIndex + newCount); ++i)
        if ((i < oldTop || i >= oldTop + oldCount) && layout.rows[static_cast<size_t>(i)])
            layout.rows[static_cast<size_t>(i)]->OnIndexChanged();
    PlaceEditors();
}

void CXTPPropertyGridView::Impl::PlaceEditors()
{
    if (!selected || !self->GetSafeHwnd())
        return;
    const CRect row = RowRect(selected->m_index);
    if (row.bottom <= 0 || row.top >= ClientHeight() || row.IsRectEmpty())
        selected->OnDeselect();
    else
        selected->OnSelect();
}

void CXTPPropertyGridView::Impl::HideEditors()
{
    edit.HideWindow();
    button.HideWindow();
    list.Cancel();
}

LRESULT CXTPPropertyGridView::Impl::Notify(WPARAM code, CXTPPropertyGridItem* item)
{
    return self->m_pGrid ? self->m_pGrid->SendNotifyMessage(code, item) : 0;
}

// ---- The view's public face ----

CXTPPropertyGridView::CXTPPropertyGridView() : m_impl(std::make_unique<Impl>())
{
    m_impl->self = this;
}

CXTPPropertyGridView::~CXTPPropertyGridView()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

int CXTPPropertyGridView::GetDividerPos() const
{
    const int width = m_impl->ClientWidth();
    const int pos = static_cast<int>(width * m_dDivider + 0.5);
    if (width <= 2 * pgsys::kMinColumn)
        return width / 2;
    return std::clamp(pos, pgsys::kMinColumn, width - pgsys::kMinColumn);
}

void CXTPPropertyGridView::SetDividerPos(int pixels)
{
    const int width = m_impl->ClientWidth();
    if (width <= 0)
        return;
    SetDivider(static_cast<double>(pixels) / width);
}

void CXTPPropertyGridView::SetDivider(double fraction)
{
    if (!(fraction == fraction)) // not a number
        fraction = 0.5;
    m_dDivider = std::clamp(fraction, 0.0, 1.0);
    const int width = m_impl->ClientWidth();
    if (width > 2 * pgsys::kMinColumn) {
        const double lo = static_cast<double>(pgsys::kMinColumn) / width;
        m_dDivider = std::clamp(m_dDivider, lo, 1.0 - lo);
    }
    if (GetSafeHwnd()) {
        Invalidate(FALSE);
        m_impl->PlaceEditors();
    }
}

int CXTPPropertyGridView::GetCount() const
{
    m_impl->EnsureLayout();
    return static_cast<int>(m_impl->layout.rows.size());
}

CXTPPropertyGridItem* CXTPPropertyGridView::GetItem(int index) const
{
    m_impl->EnsureLayout();
    if (index < 0 || static_cast<size_t>(index) >= m_impl->layout.rows.size())
        return nullptr;
    return m_impl->layout.rows[static_cast<size_t>(index)];
}

int CXTPPropertyGridView::GetTopIndex() const
{
    m_impl->EnsureLayout();
    return m_impl->topIndex;
}

void CXTPPropertyGridView::SetTopIndex(int index)
{
    m_impl->SetTop(index);
}

int CXTPPropertyGridView::GetDefaultRowHeight() const
{
    if (m_impl->defaultHeight <= 0) {
        // From the font: its height and a little air above and below.
        HDC dc = ::GetDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, pgsys::ViewFont());
        TEXTMETRICA tm{};
        ::GetTextMetricsA(dc, &tm);
        ::SelectObject(dc, old);
        ::ReleaseDC(nullptr, dc);
        m_impl->defaultHeight = std::max(8, static_cast<int>(tm.tmHeight) + 5);
    }
    return m_impl->defaultHeight;
}

CXTPPropertyGridItem* CXTPPropertyGridView::ItemFromPoint(CPoint point) const
{
    m_impl->EnsureLayout();
    if (point.x < 0 || point.x >= m_impl->ClientWidth())
        return nullptr;
    const int index = m_impl->IndexFromY(point.y);
    return index >= 0 ? m_impl->layout.rows[static_cast<size_t>(index)] : nullptr;
}

CXTPPropertyGridItem* CXTPPropertyGridView::GetSelectedItem() const
{
    return m_impl->selected;
}

void CXTPPropertyGridView::Refresh()
{
    m_impl->dirty = true;
    m_impl->Rebuild();
    if (GetSafeHwnd())
        Invalidate(FALSE);
    m_impl->PlaceEditors();
}
