// Painting the view: only the rows on screen. Category rows are bold on the theme's category
// colour with a +/- box; other rows show the caption column, the divider and the value column,
// the value painted by the row first (OnDrawItemValue) and by the view when the row leaves it.
#include "toolkit/propgrid/pgsys.h"

#include "win32/theme.h"

#include <algorithm>

namespace {

HFONT MakeFont(bool bold)
{
    LOGFONTA lf{};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    if (bold)
        lf.lfWeight = FW_BOLD;
    return ::CreateFontIndirectA(&lf);
}

COLORREF Either(COLORREF custom, COLORREF fallback)
{
    return custom == XTP_PG_COLOR_DEFAULT ? fallback : custom;
}

// The +/- box of an expandable row, centred at (cx, cy).
void DrawGlyph(CDC& dc, int cx, int cy, bool expanded, COLORREF ink, COLORREF back)
{
    const int h = pgsys::kGlyphSize / 2;
    CRect box(cx - h, cy - h, cx + h + 1, cy + h + 1);
    dc.FillSolidRect(&box, back);
    CBrush frame(::GetSysColor(COLOR_BTNSHADOW));
    dc.FrameRect(&box, &frame);
    dc.FillSolidRect(cx - h + 2, cy, 2 * h - 3, 1, ink);
    if (!expanded)
        dc.FillSolidRect(cx, cy - h + 2, 1, 2 * h - 3, ink);
}

} // namespace

HFONT pgsys::ViewFont()
{
    return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

HFONT pgsys::BoldFont()
{
    // One bold font for every grid of the process, made on first use; it lives as long as the
    // process, like the stock font it is made from.
    static HFONT bold = nullptr;
    if (!bold) {
        bold = MakeFont(true);
        MiscKeepGdiObject(bold);
    }
    return bold;
}

void CXTPPropertyGridView::Impl::Paint(CDC& dc)
{
    EnsureLayout();
    CXTPPropertyGrid* grid = self->m_pGrid;
    CRect client;
    self->GetClientRect(&client);
    const COLORREF back = grid ? grid->GetViewBackColor() : ::GetSysColor(COLOR_WINDOW);
    HGDIOBJ oldFont = ::SelectObject(dc.GetSafeHdc(), pgsys::ViewFont());
    dc.SetBkMode(TRANSPARENT);
    const int n = static_cast<int>(layout.rows.size());
    int bottom = 0;
    for (int i = topIndex; i < n; ++i) {
        const CRect rc = RowRect(i);
        if (rc.top >= client.bottom)
            break;
        if (layout.rows[static_cast<size_t>(i)])
            PaintRow(dc, layout.rows[static_cast<size_t>(i)], rc);
        bottom = rc.bottom;
    }
    if (bottom < client.bottom) {
        CRect rest(client.left, bottom, client.right, client.bottom);
        dc.FillSolidRect(&rest, back);
    }
    ::SelectObject(dc.GetSafeHdc(), oldFont);
}

void CXTPPropertyGridView::Impl::PaintRow(CDC& dc, CXTPPropertyGridItem* item, const CRect& rc)
{
    CXTPPropertyGrid* grid = self->m_pGrid;
    const COLORREF back = grid ? grid->GetViewBackColor() : ::GetSysColor(COLOR_WINDOW);
    const COLORREF fore = grid ? grid->GetViewForeColor() : ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF line = grid ? grid->GetViewLineColor() : ::GetSysColor(COLOR_BTNFACE);
    const bool isSelected = item == selected;
    const bool focused = ::GetFocus() == self->GetSafeHwnd() || (::GetFocus() && ::IsChild(self->GetSafeHwnd(), ::GetFocus()));
    const int indent = pgsys::kIndent * (pgsys::Depth(item) + 1);
    const CXTPPropertyGridItemMetrics& capMetrics = item->m_captionMetrics;

    if (item->IsCategory()) {
        MiscCurrentTheme().DrawGridCategory(dc.GetSafeHdc(), rc, isSelected ? static_cast<UINT>(MISC_TS_SELECTED) : 0u);
        if (item->HasChilds())
            DrawGlyph(dc, pgsys::kIndent / 2 + pgsys::kIndent * pgsys::Depth(item), (rc.top + rc.bottom) / 2,
                      item->IsExpanded(), fore, back);
        CRect text(rc.left + indent, rc.top, rc.right - 2, rc.bottom);
        HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), pgsys::BoldFont());
        if (isSelected) {
            const CSize size = dc.GetTextExtent(item->GetCaption());
            CRect mark(text.left - 1, text.top + 1, std::min(text.right, static_cast<LONG>(text.left + size.cx + 2)),
                       text.bottom - 1);
            dc.FillSolidRect(&mark, ::GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
            dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            dc.SetTextColor(Either(capMetrics.m_clrFore, grid ? grid->GetViewCategoryForeColor() : fore));
        }
        dc.DrawText(item->GetCaption(), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        ::SelectObject(dc.GetSafeHdc(), old);
        return;
    }

    const int divider = self->GetDividerPos();
    // The margin left of the caption column takes the line colour, as the category rows do.
    CRect margin(rc.left, rc.top, rc.left + indent, rc.bottom);
    dc.FillSolidRect(&margin, line);
    if (item->HasChilds())
        DrawGlyph(dc, indent - pgsys::kIndent / 2, (rc.top + rc.bottom) / 2, item->IsExpanded(), fore, back);

    // Caption column.
    CRect caption(rc.left + indent, rc.top, divider, rc.bottom - 1);
    COLORREF capBack = Either(capMetrics.m_clrBack, back);
    COLORREF capFore = Either(capMetrics.m_clrFore, fore);
    if (item->GetReadOnly())
        capFore = ::GetSysColor(COLOR_GRAYTEXT);
    if (isSelected) {
        capBack = ::GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
        capFore = ::GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    }
    dc.FillSolidRect(&caption, capBack);
    CRect captionText(caption);
    if (capMetrics.m_nImage >= 0 && grid) {
        CXTPImageManager* images = grid->GetImageManager();
        const UINT id = static_cast<UINT>(capMetrics.m_nImage);
        if (images->HasImage(id)) {
            const CSize size = images->GetImageSize(id);
            images->DrawImage(&dc, id, CPoint(captionText.left + 1, rc.top + (rc.Height() - size.cy) / 2));
            captionText.left += size.cx + 3;
        }
    }
    captionText.left += 3;
    dc.SetTextColor(capFore);
    dc.DrawText(item->GetCaption(), &captionText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);

    // Value column.
    const CXTPPropertyGridItemMetrics& valMetrics = item->m_valueMetrics;
    CRect value(divider + 1, rc.top, rc.right, rc.bottom - 1);
    dc.FillSolidRect(&value, Either(valMetrics.m_clrBack, back));
    COLORREF valFore = Either(valMetrics.m_clrFore, fore);
    if (item->GetReadOnly())
        valFore = ::GetSysColor(COLOR_GRAYTEXT);
    dc.SetTextColor(valFore);
    CRect valueRect = item->GetValueRect();
    if (valueRect.IsRectEmpty())
        valueRect = value;
    CRect valueText(valueRect);
    valueText.left += 3;
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(&value);
    if (!item->OnDrawItemValue(dc, valueText)) {
        if (valMetrics.m_nImage >= 0 && grid) {
            CXTPImageManager* images = grid->GetImageManager();
            const UINT id = static_cast<UINT>(valMetrics.m_nImage);
            if (images->HasImage(id)) {
                const CSize size = images->GetImageSize(id);
                images->DrawImage(&dc, id, CPoint(valueText.left, rc.top + (rc.Height() - size.cy) / 2), CSize(0, 0),
                                  item->GetReadOnly());
                valueText.left += size.cx + 3;
            }
        }
        dc.SetTextColor(valFore);
        dc.DrawText(item->GetViewValue(), &valueText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    dc.RestoreDC(saved);

    // Grid lines: the divider and the line under the row.
    dc.FillSolidRect(divider, rc.top, 1, rc.Height(), line);
    dc.FillSolidRect(rc.left + indent, rc.bottom - 1, rc.Width() - indent, 1, line);
}
