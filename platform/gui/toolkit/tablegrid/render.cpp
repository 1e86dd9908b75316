// Layout and painting of the table grid, through the theme layer.
#include "render.h"

#include "win32/theme.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace tablegrid {

namespace {

constexpr int kButtonWidth = 16;
constexpr int kTextMargin = 3;

void LayoutAxis(std::vector<Span>& out, ROWCOL& full, int origin, int limit, ROWCOL first, ROWCOL count,
                int headerSize, auto sizeOf)
{
    int pos = origin;
    if (headerSize > 0) {
        out.push_back(Span{0, pos, headerSize});
        pos += headerSize;
    }
    full = 0;
    for (ROWCOL i = std::max<ROWCOL>(first, 1); i <= count && pos < limit; ++i) {
        const int size = sizeOf(i);
        if (size <= 0)
            continue; // hidden
        out.push_back(Span{i, pos, size});
        pos += size;
        if (pos <= limit)
            ++full;
    }
}

const Span* FindSpan(const std::vector<Span>& spans, ROWCOL index)
{
    for (const Span& s : spans)
        if (s.index == index)
            return &s;
    return nullptr;
}

} // namespace

Layout ComputeLayout(const Model& model, const CRect& client, ROWCOL topRow, ROWCOL leftCol)
{
    Layout l;
    l.client = client;
    LayoutAxis(l.rows, l.fullRows, client.top, client.bottom, topRow, model.RowCount(), model.HeaderRowHeight(),
               [&](ROWCOL r) { return model.RowHeight(r); });
    LayoutAxis(l.cols, l.fullCols, client.left, client.right, leftCol, model.ColCount(), model.HeaderColWidth(),
               [&](ROWCOL c) { return model.ColWidth(c); });
    return l;
}

const Span* Layout::FindRow(ROWCOL row) const { return FindSpan(rows, row); }
const Span* Layout::FindCol(ROWCOL col) const { return FindSpan(cols, col); }

CRect Layout::CellRect(ROWCOL row, ROWCOL col) const
{
    const Span* r = FindRow(row);
    const Span* c = FindCol(col);
    if (!r || !c)
        return CRect(0, 0, 0, 0);
    return CRect(c->start, r->start, c->start + c->size, r->start + r->size);
}

bool Layout::Hit(CPoint pt, ROWCOL& row, ROWCOL& col) const
{
    const Span* hr = nullptr;
    const Span* hc = nullptr;
    for (const Span& s : rows)
        if (pt.y >= s.start && pt.y < s.start + s.size)
            hr = &s;
    for (const Span& s : cols)
        if (pt.x >= s.start && pt.x < s.start + s.size)
            hc = &s;
    if (!hr || !hc)
        return false;
    row = hr->index;
    col = hc->index;
    return true;
}

CRect ButtonRect(const CRect& cell, WORD control)
{
    if (control == GX_IDS_CTRL_PUSHBTN)
        return cell;
    if (control != GX_IDS_CTRL_HOTSPOT && control != GX_IDS_CTRL_COMBOBOX && control != GX_IDS_CTRL_CBS_DROPDOWNLIST)
        return CRect(0, 0, 0, 0);
    CRect r(cell);
    r.left = std::max(r.left, r.right - kButtonWidth);
    r.DeflateRect(0, 1, 1, 1);
    return r;
}

CRect CheckBoxRect(const CRect& cell, UINT align)
{
    const int size = 13;
    int x = cell.left + kTextMargin;
    if (align == DT_CENTER)
        x = cell.left + (cell.Width() - size) / 2;
    else if (align == DT_RIGHT)
        x = cell.right - size - kTextMargin;
    const int y = cell.top + (cell.Height() - size) / 2;
    return CRect(x, y, x + size, y + size);
}

namespace {

// Fonts made for a paint: the grid's own, a bold one and others as styles ask.
class FontCache {
public:
    FontCache(CDC& dc, CFont* base) : m_dc(dc), m_base(base)
    {
        if (base)
            base->GetLogFont(&m_log);
        else
            ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof m_log, &m_log);
    }

    void Select(const CGXFont& f)
    {
        const bool bold = f.GetBold();
        const bool italic = f.GetItalic() != FALSE;
        if (!bold && !italic && f.GetSize() == 0 && f.GetFaceName().IsEmpty()) {
            if (m_base)
                m_dc.SelectObject(m_base);
            return;
        }
        for (auto& e : m_made)
            if (e.font == f) {
                m_dc.SelectObject(e.gdi.get());
                return;
            }
        LOGFONTA lf = m_log;
        lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = italic ? 1 : 0;
        if (f.GetSize() > 0)
            lf.lfHeight = -MulDiv(f.GetSize(), 96, 72);
        if (!f.GetFaceName().IsEmpty())
            std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", static_cast<LPCTSTR>(f.GetFaceName()));
        auto gdi = std::make_unique<CFont>();
        gdi->CreateFontIndirect(&lf);
        m_dc.SelectObject(gdi.get());
        m_made.push_back(Entry{f, std::move(gdi)});
    }

private:
    struct Entry {
        CGXFont font;
        std::unique_ptr<CFont> gdi;
    };
    CDC& m_dc;
    CFont* m_base;
    LOGFONTA m_log{};
    std::vector<Entry> m_made;
};

void DrawPicture(CDC& dc, HBITMAP bitmap, CRect& area)
{
    BITMAP bm{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return;
    const int h = std::max(1, area.Height() - 2);
    int w = static_cast<int>(static_cast<long long>(bm.bmWidth) * h / bm.bmHeight);
    w = std::clamp(w, 1, std::max(1, area.Width() - 2));
    CDC mem;
    if (!mem.CreateCompatibleDC(&dc))
        return;
    CBitmap* old = mem.SelectObject(CBitmap::FromHandle(bitmap));
    dc.SetStretchBltMode(HALFTONE);
    dc.StretchBlt(area.left + 1, area.top + 1, w, h, &mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    mem.SelectObject(old);
    area.left += w + 2;
}

void PaintCell(CDC& dc, FontCache& fonts, const Model& model, ROWCOL row, ROWCOL col, const CRect& r,
               const PaintState& st)
{
    CGXStyle style;
    model.Compose(row, col, style);
    const WORD control = style.GetControl();
    MiscTheme& theme = MiscCurrentTheme();
    CString text = style.GetValue();
    const bool header = row == 0 || col == 0 || control == GX_IDS_CTRL_HEADER;
    const bool selected = !header && st.selection && st.selection->IsCellInList(row, col) &&
                          !(row == st.curRow && col == st.curCol);
    UINT align = style.GetHorizontalAlignment();
    COLORREF textColor = style.GetTextColor();
    if (header) {
        const bool hot = st.selection && col == 0 && row > 0 && st.selection->IsRowInList(row);
        theme.DrawHeaderItem(dc.GetSafeHdc(), r, hot ? MISC_TS_PRESSED : MISC_TS_NORMAL);
        if (text.IsEmpty())
            text = DefaultHeaderText(row, col);
        textColor = theme.TextColor(MiscThemeElement::HeaderItem, MISC_TS_NORMAL);
    } else {
        COLORREF back = style.GetIncludeInterior() ? style.GetInterior() : ::GetSysColor(COLOR_WINDOW);
        if (selected) {
            back = ::GetSysColor(COLOR_HIGHLIGHT);
            textColor = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        } else if (!style.GetIncludeTextColor()) {
            textColor = ::GetSysColor(COLOR_WINDOWTEXT);
        }
        if (!style.GetEnabled())
            textColor = ::GetSysColor(COLOR_GRAYTEXT);
        dc.FillSolidRect(&r, back);
    }
    if (row == st.editRow && col == st.editCol && row)
        return; // the editor covers it
    CRect textArea(r);
    textArea.DeflateRect(kTextMargin, 0, kTextMargin, 0);
    switch (control) {
    case GX_IDS_CTRL_CHECKBOX: {
        UINT cs = text == "1" ? MISC_TS_CHECKED : MISC_TS_NORMAL;
        if (!style.GetEnabled() || style.GetReadOnly())
            cs |= MISC_TS_DISABLED;
        theme.DrawCheckBox(dc.GetSafeHdc(), CheckBoxRect(r, align), cs);
        return;
    }
    case GX_IDS_CTRL_PUSHBTN: {
        CRect b(r);
        b.DeflateRect(1, 1, 1, 1);
        theme.DrawPushButton(dc.GetSafeHdc(), b, style.GetEnabled() ? MISC_TS_NORMAL : MISC_TS_DISABLED);
        textColor = theme.TextColor(MiscThemeElement::PushButton, MISC_TS_NORMAL);
        align = DT_CENTER;
        break;
    }
    case GX_IDS_CTRL_COMBOBOX:
    case GX_IDS_CTRL_CBS_DROPDOWNLIST:
    case GX_IDS_CTRL_HOTSPOT: {
        const CRect b = ButtonRect(r, control);
        const UINT bs = style.GetReadOnly() || !style.GetEnabled() ? MISC_TS_DISABLED : MISC_TS_NORMAL;
        if (control == GX_IDS_CTRL_HOTSPOT) {
            theme.DrawPushButton(dc.GetSafeHdc(), b, bs);
            dc.SetTextColor(theme.TextColor(MiscThemeElement::PushButton, bs));
            CRect dots(b);
            dc.DrawText(CString("..."), &dots, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        } else {
            theme.DrawComboButton(dc.GetSafeHdc(), b, bs);
        }
        textArea.right = std::max(textArea.left, b.left - 1);
        break;
    }
    case GX_IDS_CTRL_BITMAP:
        DrawPicture(dc, style.GetBitmap(), textArea);
        break;
    default:
        break;
    }
    if (text.IsEmpty())
        return;
    fonts.Select(style.GetFont());
    dc.SetTextColor(textColor);
    UINT v = style.GetVerticalAlignment();
    if (v != DT_TOP && v != DT_BOTTOM)
        v = DT_VCENTER;
    dc.DrawText(text, &textArea, align | v | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

} // namespace

void Paint(const Model& model, const Layout& layout, const PaintState& state, CDC& dc, CFont* font)
{
    const int saved = dc.SaveDC();
    dc.SetBkMode(TRANSPARENT);
    FontCache fonts(dc, font);
    if (font)
        dc.SelectObject(font);
    CPen grid(PS_SOLID, 1, ::GetSysColor(COLOR_3DSHADOW));
    int right = layout.client.left, bottom = layout.client.top;
    for (const Span& rs : layout.rows) {
        for (const Span& cs : layout.cols) {
            const CRect cell(cs.start, rs.start, cs.start + cs.size, rs.start + rs.size);
            CRect inner(cell);
            inner.right -= 1;
            inner.bottom -= 1;
            dc.SaveDC();
            dc.IntersectClipRect(&cell);
            PaintCell(dc, fonts, model, rs.index, cs.index, inner, state);
            dc.RestoreDC(-1);
        }
        bottom = rs.start + rs.size;
    }
    for (const Span& cs : layout.cols)
        right = cs.start + cs.size;
    // Grid lines at the right and bottom edge of every cell.
    CPen* oldPen = dc.SelectObject(&grid);
    for (const Span& rs : layout.rows) {
        dc.MoveTo(layout.client.left, rs.start + rs.size - 1);
        dc.LineTo(right, rs.start + rs.size - 1);
    }
    for (const Span& cs : layout.cols) {
        dc.MoveTo(cs.start + cs.size - 1, layout.client.top);
        dc.LineTo(cs.start + cs.size - 1, bottom);
    }
    dc.SelectObject(oldPen);
    // The area past the last row and column.
    const COLORREF empty = ::GetSysColor(COLOR_APPWORKSPACE);
    if (right < layout.client.right)
        dc.FillSolidRect(CRect(right, layout.client.top, layout.client.right, layout.client.bottom), empty);
    if (bottom < layout.client.bottom)
        dc.FillSolidRect(CRect(layout.client.left, bottom, std::min<int>(right, layout.client.right), layout.client.bottom), empty);
    // The current cell's frame.
    if (state.curRow && state.curCol) {
        CRect cur = layout.CellRect(state.curRow, state.curCol);
        if (!cur.IsRectEmpty()) {
            cur.right -= 1;
            cur.bottom -= 1;
            CPen frame(PS_SOLID, 2, ::GetSysColor(state.focused ? COLOR_WINDOWTEXT : COLOR_3DSHADOW));
            CPen* op = dc.SelectObject(&frame);
            CBrush* ob = static_cast<CBrush*>(dc.SelectStockObject(NULL_BRUSH));
            dc.Rectangle(cur.left + 1, cur.top + 1, cur.right, cur.bottom);
            dc.SelectObject(ob);
            dc.SelectObject(op);
        }
    }
    dc.RestoreDC(saved);
}

} // namespace tablegrid
