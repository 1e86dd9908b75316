// Laying the command bars out: the controls of a bar in a row (or column), and the bars in rows
// inside the dock bars along the frame's edges.
#include "toolkit/commandbars.h"

#include "commandbars_internal.h"
#include "toolkit/paintmanager.h"

#include <algorithm>

namespace {

constexpr int kPad = 2;          // room around the controls inside a bar
constexpr int kMenuItemPad = 14; // added to a menu-bar item's caption
constexpr int kIconPad = 7;      // added to the icon in a button

} // namespace

namespace xtpbars {

CSize TextExtent(const CString& text)
{
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    const CString plain = XTPPlainCaption(text);
    ::GetTextExtentPoint32A(dc, plain.IsEmpty() ? " " : plain.GetString(), plain.IsEmpty() ? 1 : plain.GetLength(), &size);
    if (plain.IsEmpty())
        size.cx = 0;
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return CSize(size.cx, size.cy);
}

BOOL ShowsCaption(const CXTPControl* control, const CXTPCommandBars* bars, BOOL menuBar)
{
    if (menuBar || IsPopup(control))
        return TRUE;
    switch (control->GetStyle()) {
    case xtpButtonCaption:
    case xtpButtonIconAndCaption:
        return TRUE;
    case xtpButtonIcon:
        return FALSE;
    default:
        return bars && const_cast<CXTPCommandBars*>(bars)->GetCommandBarsOptions()->bShowTextBelowIcons;
    }
}

} // namespace xtpbars

using namespace xtpbars;

// --- one bar ------------------------------------------------------------------------------------

CSize CXTPCommandBar::CalcDockSize(int)
{
    const BOOL vertical = IsVertical();
    const BOOL menuBar = dynamic_cast<CXTPMenuBar*>(this) != nullptr;
    CXTPPaintManager* pm = XTPPaintManager();
    const CSize icon(std::max(16L, static_cast<long>(m_buttonSize.cx)), std::max(16L, static_cast<long>(m_buttonSize.cy)));
    // First the size of every visible control.
    std::vector<CSize> sizes(static_cast<size_t>(m_controls.GetCount()));
    int thickness = icon.cy + kIconPad;
    for (int i = 0; i < m_controls.GetCount(); ++i) {
        CXTPControl* c = m_controls.GetAt(i);
        if (!c->IsVisible())
            continue;
        CSize s(icon.cx + kIconPad, icon.cy + kIconPad);
        if (ShowsCaption(c, m_bars, menuBar)) {
            const CSize text = TextExtent(c->GetCaption());
            if (menuBar || IsPopup(c) || c->GetStyle() == xtpButtonCaption)
                s = CSize(text.cx + kMenuItemPad, std::max(20L, static_cast<long>(text.cy + 6)));
            else if (c->GetStyle() == xtpButtonIconAndCaption)
                s.cx += text.cx + 4;
            else // the caption below the icon
                s = CSize(std::max(s.cx, text.cx + 8), s.cy + text.cy + 2);
        }
        if (IsSplit(c))
            s.cx += kArrowWidth;
        sizes[static_cast<size_t>(i)] = s;
        thickness = std::max(thickness, static_cast<int>(vertical ? s.cx : s.cy));
    }
    // Then their places, after the gripper, with a separator's room before each group.
    int along = kPad + pm->GetGripperWidth();
    bool first = true;
    for (int i = 0; i < m_controls.GetCount(); ++i) {
        CXTPControl* c = m_controls.GetAt(i);
        if (!c->IsVisible()) {
            c->SetRect(CRect());
            continue;
        }
        if (c->GetBeginGroup() && !first)
            along += pm->GetSeparatorWidth();
        first = false;
        const CSize s = sizes[static_cast<size_t>(i)];
        if (vertical) {
            c->SetRect(CRect(kPad, along, kPad + thickness, along + s.cy));
            along += s.cy;
        } else {
            c->SetRect(CRect(along, kPad, along + s.cx, kPad + thickness));
            along += s.cx;
        }
    }
    along += kPad;
    return vertical ? CSize(thickness + 2 * kPad, along) : CSize(along, thickness + 2 * kPad);
}

CSize CXTPMenuBar::CalcDockSize(int length)
{
    CSize size = CXTPCommandBar::CalcDockSize(length);
    if (IsVertical())
        size.cy = std::max(static_cast<int>(size.cy), length);
    else
        size.cx = std::max(static_cast<int>(size.cx), length);
    return size;
}

int CXTPCommandBar::HitTest(CPoint point, BOOL* arrow) const
{
    for (int i = 0; i < m_controls.GetCount(); ++i) {
        const CXTPControl* c = m_controls.GetAt(i);
        const CRect r = c->GetRect();
        if (!c->IsVisible() || !r.PtInRect(point))
            continue;
        if (arrow)
            *arrow = IsSplit(c) && point.x >= r.right - kArrowWidth;
        return i;
    }
    return -1;
}

// --- the bars of a frame ------------------------------------------------------------------------

void CXTPCommandBars::SetSite(CFrameWnd* site)
{
    m_site = site;
    CreateBarWindows();
}

CWnd* CXTPCommandBars::GetDockBar(XTPBarPosition side) const
{
    return side >= xtpBarTop && side <= xtpBarRight ? m_dockBars[side] : nullptr;
}

void CXTPCommandBars::CreateBarWindows()
{
    if (!m_site || !m_site->m_hWnd)
        return;
    for (int side = xtpBarTop; side <= xtpBarRight; ++side)
        if (!m_dockBars[side])
            m_dockBars[side] = CreateDockBar(m_site, static_cast<XTPBarPosition>(side), &m_dockBars[side]);
    for (const auto& bar : m_bars) {
        if (bar->m_wnd)
            continue;
        const XTPBarPosition side = bar->GetPosition() <= xtpBarRight ? bar->GetPosition() : xtpBarTop;
        if (m_dockBars[side])
            bar->m_wnd = CreateBarWindow(bar.get(), m_dockBars[side]);
    }
}

void CXTPCommandBars::RecalcFrameLayout()
{
    if (m_site && m_site->m_hWnd)
        m_site->RecalcLayout();
}

namespace {

struct Placed {
    CXTPCommandBar* bar;
    CRect rect; // in the dock bar
};

// Lays the visible bars of one side out in rows (columns for the sides), each row as thick as
// its thickest bar; a bar starts a new row when its row number says so or the row is full.
int LayoutSide(const std::vector<CXTPCommandBar*>& bars, int length, BOOL vertical, std::vector<Placed>& out)
{
    int rowStart = 0, rowThickness = 0, along = 0, lastRow = -1;
    for (CXTPCommandBar* bar : bars) {
        const CSize size = bar->CalcDockSize(length);
        const int extent = vertical ? size.cy : size.cx;
        const int thick = vertical ? size.cx : size.cy;
        const bool newRow = lastRow >= 0 && (bar->GetDockRow() != lastRow || along + extent > length);
        if (newRow) {
            rowStart += rowThickness;
            rowThickness = 0;
            along = 0;
        }
        lastRow = bar->GetDockRow();
        const CRect r = vertical ? CRect(rowStart, along, rowStart + thick, along + extent)
                                 : CRect(along, rowStart, along + extent, rowStart + thick);
        out.push_back({bar, r});
        along += extent;
        rowThickness = std::max(rowThickness, thick);
    }
    return rowStart + rowThickness;
}

} // namespace

void CXTPCommandBars::RepositionBars(CRect& client)
{
    CreateBarWindows();
    m_generation = XTPPaintManagerGeneration();
    const XTPBarPosition order[4] = {xtpBarTop, xtpBarBottom, xtpBarLeft, xtpBarRight};
    for (XTPBarPosition side : order) {
        CWnd* dock = m_dockBars[side];
        std::vector<CXTPCommandBar*> bars;
        for (const auto& bar : m_bars) {
            const XTPBarPosition pos = bar->GetPosition() <= xtpBarRight ? bar->GetPosition() : xtpBarTop;
            CWnd* w = bar->GetWindow();
            if (!w || !w->m_hWnd)
                continue;
            if (pos != side)
                continue;
            if (!bar->IsVisible()) {
                w->ShowWindow(SW_HIDE);
                continue;
            }
            if (dock && ::GetParent(w->m_hWnd) != dock->m_hWnd)
                w->SetParent(dock);
            bars.push_back(bar.get());
        }
        const BOOL vertical = side == xtpBarLeft || side == xtpBarRight;
        const int length = vertical ? client.Height() : client.Width();
        std::vector<Placed> placed;
        const int thickness = LayoutSide(bars, length, vertical, placed);
        CRect dockRect = client;
        switch (side) {
        case xtpBarTop: dockRect.bottom = client.top + thickness; client.top = dockRect.bottom; break;
        case xtpBarBottom: dockRect.top = client.bottom - thickness; client.bottom = dockRect.top; break;
        case xtpBarLeft: dockRect.right = client.left + thickness; client.left = dockRect.right; break;
        default: dockRect.left = client.right - thickness; client.right = dockRect.left; break;
        }
        if (!dock || !dock->m_hWnd)
            continue;
        dock->MoveWindow(&dockRect, TRUE);
        dock->ShowWindow(thickness > 0 ? SW_SHOWNA : SW_HIDE);
        for (const Placed& p : placed) {
            p.bar->GetWindow()->MoveWindow(&p.rect, TRUE);
            p.bar->GetWindow()->ShowWindow(SW_SHOWNA);
            p.bar->GetWindow()->Invalidate();
            SyncToolTips(p.bar);
        }
        dock->Invalidate();
    }
}
