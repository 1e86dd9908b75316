// The grid window: the view on top, the help pane under it with a splitter between them, the
// categories, the colours and the notifications to the owner.
#include "toolkit/propgrid/pgsys.h"

#include "../window_class.h"

#include "mfc/wndclass.h"
#include "win32/theme.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTPPropertyGrid, CWnd)

BEGIN_MESSAGE_MAP(CXTPPropertyGrid, CWnd)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_SETFOCUS()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace pgsys {
void RegisterAutomation();
}

struct CXTPPropertyGrid::Colors {
    COLORREF helpBack = XTP_PG_COLOR_DEFAULT;
    COLORREF helpFore = XTP_PG_COLOR_DEFAULT;
    COLORREF viewLine = XTP_PG_COLOR_DEFAULT;
    COLORREF viewBack = XTP_PG_COLOR_DEFAULT;
    COLORREF viewFore = XTP_PG_COLOR_DEFAULT;
    COLORREF viewCategoryFore = XTP_PG_COLOR_DEFAULT;
    int splitterGrab = -1; // while the splitter is dragged: the offset of the press in it
};

namespace {

constexpr const char* kGridClass = "XTPPropertyGrid";
constexpr const char* kViewClass = "XTPPropertyGridView";

void RegisterClasses()
{
    for (const char* name : {kGridClass, kViewClass})
        xtpkit::RegisterWindowClass(name, CS_DBLCLKS);
}

COLORREF Pick(COLORREF custom, int sysColor)
{
    return custom == XTP_PG_COLOR_DEFAULT ? ::GetSysColor(sysColor) : custom;
}

} // namespace

CXTPPropertyGrid::CXTPPropertyGrid()
    : m_categories(std::make_unique<CXTPPropertyGridItems>()), m_colors(std::make_unique<Colors>())
{
    m_view.m_pGrid = this;
}

CXTPPropertyGrid::~CXTPPropertyGrid()
{
    // The rows go before the view, which they tell as they go.
    m_categories->Clear();
    if (m_view.GetSafeHwnd())
        m_view.DestroyWindow();
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CXTPPropertyGrid::Create(const RECT& rect, CWnd* parent, UINT id, DWORD style)
{
    RegisterClasses();
    pgsys::RegisterAutomation();
    // List-box styles some hosts pass are meaningless here.
    style &= 0xFFFF0000u;
    style |= WS_CLIPCHILDREN;
    if (!CWnd::Create(kGridClass, "", style, rect, parent, id))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    if (!m_view.Create(kViewClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, client, this, 0)) {
        DestroyWindow();
        return FALSE;
    }
    m_view.m_impl->dirty = true;
    OnSize(0, client.Width(), client.Height());
    return TRUE;
}

// ---- Categories ----

CXTPPropertyGridItem* CXTPPropertyGrid::InsertCategory(int index, LPCTSTR caption, CXTPPropertyGridItem* category)
{
    if (!category)
        category = new CXTPPropertyGridItemCategory(caption);
    else if (caption && category->m_caption.IsEmpty())
        category->m_caption = caption;
    category->m_category = TRUE;
    auto& rows = m_categories->m_items;
    if (index < 0 || index > static_cast<int>(rows.size()))
        index = static_cast<int>(rows.size());
    category->OnBeforeInsert();
    rows.insert(rows.begin() + index, category);
    category->Attach(&m_view, nullptr);
    m_view.m_impl->dirty = true;
    if (m_view.GetSafeHwnd())
        m_view.Invalidate(FALSE);
    return category;
}

CXTPPropertyGridItem* CXTPPropertyGrid::AddCategory(LPCTSTR caption, CXTPPropertyGridItem* category)
{
    return InsertCategory(m_categories->GetCount(), caption, category);
}

CXTPPropertyGridItem* CXTPPropertyGrid::AddCategory(UINT id, CXTPPropertyGridItem* category)
{
    if (!category)
        category = new CXTPPropertyGridItemCategory(id);
    else if (category->m_id == 0)
        category->m_id = id;
    return InsertCategory(m_categories->GetCount(), nullptr, category);
}

CXTPPropertyGridItem* CXTPPropertyGrid::FindItem(UINT id) const
{
    return m_categories->FindItem(id);
}

CXTPPropertyGridItem* CXTPPropertyGrid::FindItem(LPCTSTR caption) const
{
    return m_categories->FindItem(caption);
}

void CXTPPropertyGrid::ResetContent()
{
    CXTPPropertyGridView::Impl* impl = m_view.m_impl.get();
    if (impl->selected) {
        CXTPPropertyGridItem* old = impl->selected;
        impl->selected = nullptr;
        old->OnDeselect();
    }
    impl->HideEditors();
    m_categories->Clear();
    impl->layout.rows.clear();
    impl->layout.tops.assign(1, 0);
    impl->topIndex = 0;
    impl->dirty = true;
    if (m_view.GetSafeHwnd()) {
        impl->Rebuild();
        m_view.Invalidate(FALSE);
    }
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

// ---- Help pane ----

void CXTPPropertyGrid::ShowHelp(BOOL show)
{
    m_helpVisible = show ? TRUE : FALSE;
    if (GetSafeHwnd()) {
        CRect rc;
        GetClientRect(&rc);
        OnSize(0, rc.Width(), rc.Height());
    }
}

void CXTPPropertyGrid::SetHelpHeight(int height)
{
    m_nHelpHeight = std::max(0, height);
    if (GetSafeHwnd()) {
        CRect rc;
        GetClientRect(&rc);
        OnSize(0, rc.Width(), rc.Height());
    }
}

// ---- Colours ----

void CXTPPropertyGrid::SetCustomColors(COLORREF helpBack, COLORREF helpFore, COLORREF viewLine, COLORREF viewBack,
                                       COLORREF viewFore, COLORREF viewCategoryFore)
{
    m_colors->helpBack = helpBack;
    m_colors->helpFore = helpFore;
    m_colors->viewLine = viewLine;
    m_colors->viewBack = viewBack;
    m_colors->viewFore = viewFore;
    m_colors->viewCategoryFore = viewCategoryFore;
    Refresh();
}

void CXTPPropertyGrid::SetStandardColors()
{
    const int grab = m_colors->splitterGrab;
    *m_colors = Colors();
    m_colors->splitterGrab = grab;
    Refresh();
}

COLORREF CXTPPropertyGrid::GetHelpBackColor() const { return Pick(m_colors->helpBack, COLOR_BTNFACE); }
COLORREF CXTPPropertyGrid::GetHelpForeColor() const { return Pick(m_colors->helpFore, COLOR_BTNTEXT); }
COLORREF CXTPPropertyGrid::GetViewBackColor() const { return Pick(m_colors->viewBack, COLOR_WINDOW); }
COLORREF CXTPPropertyGrid::GetViewForeColor() const { return Pick(m_colors->viewFore, COLOR_WINDOWTEXT); }
COLORREF CXTPPropertyGrid::GetViewLineColor() const { return Pick(m_colors->viewLine, COLOR_BTNFACE); }
COLORREF CXTPPropertyGrid::GetViewCategoryForeColor() const
{
    if (m_colors->viewCategoryFore != XTP_PG_COLOR_DEFAULT)
        return m_colors->viewCategoryFore;
    return MiscCurrentTheme().TextColor(MiscThemeElement::GridCategory, 0);
}

void CXTPPropertyGrid::Refresh()
{
    if (m_view.GetSafeHwnd())
        m_view.Refresh();
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

LRESULT CXTPPropertyGrid::SendNotifyMessage(WPARAM code, CXTPPropertyGridItem* item)
{
    if (!GetSafeHwnd())
        return 0;
    CWnd* owner = GetOwner();
    if (!owner)
        owner = GetParent();
    if (!owner || !owner->GetSafeHwnd())
        return 0;
    return owner->SendMessage(XTPWM_PROPERTYGRID_NOTIFY, code, reinterpret_cast<LPARAM>(item));
}

// ---- Window ----

void CXTPPropertyGrid::OnSize(UINT, int cx, int cy)
{
    if (!m_view.GetSafeHwnd())
        return;
    int viewHeight = cy;
    if (m_helpVisible) {
        const int help = std::clamp(m_nHelpHeight, 0, std::max(0, cy - pgsys::kSplitterHeight));
        viewHeight = std::max(0, cy - help - pgsys::kSplitterHeight);
    }
    m_view.MoveWindow(0, 0, std::max(0, cx), viewHeight, TRUE);
    m_view.m_impl->UpdateScrollBar();
    m_view.m_impl->PlaceEditors();
    Invalidate(FALSE);
}

namespace {

// The help pane's rectangle and the splitter above it, in the grid's client coordinates.
CRect HelpRect(CXTPPropertyGrid& grid, CXTPPropertyGridView& view)
{
    CRect client, viewRect;
    grid.GetClientRect(&client);
    view.GetWindowRect(&viewRect);
    grid.ScreenToClient(&viewRect);
    return CRect(client.left, viewRect.bottom + pgsys::kSplitterHeight, client.right, client.bottom);
}

} // namespace

void CXTPPropertyGrid::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (!m_helpVisible) {
        dc.FillSolidRect(&client, GetViewBackColor());
        return;
    }
    const CRect help = HelpRect(*this, m_view);
    CRect splitter(client.left, help.top - pgsys::kSplitterHeight, client.right, help.top);
    dc.FillSolidRect(&splitter, ::GetSysColor(COLOR_BTNFACE));
    dc.FillSolidRect(&help, GetHelpBackColor());
    CBrush frame(::GetSysColor(COLOR_BTNSHADOW));
    dc.FrameRect(&help, &frame);
    CXTPPropertyGridItem* item = GetSelectedItem();
    if (!item || help.Height() <= 4)
        return;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetHelpForeColor());
    CRect text(help);
    text.DeflateRect(6, 3);
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), pgsys::BoldFont());
    CRect caption(text);
    dc.DrawText(item->GetCaption(), &caption, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc.GetSafeHdc(), &tm);
    ::SelectObject(dc.GetSafeHdc(), pgsys::ViewFont());
    text.top += tm.tmHeight + 2;
    dc.DrawText(item->GetDescription(), &text, DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), old);
}

void CXTPPropertyGrid::OnLButtonDown(UINT, CPoint point)
{
    if (!m_helpVisible)
        return;
    const CRect help = HelpRect(*this, m_view);
    if (point.y >= help.top - pgsys::kSplitterHeight && point.y < help.top) {
        m_colors->splitterGrab = point.y - (help.top - pgsys::kSplitterHeight);
        SetCapture();
    }
}

void CXTPPropertyGrid::OnMouseMove(UINT, CPoint point)
{
    if (m_colors->splitterGrab < 0)
        return;
    CRect client;
    GetClientRect(&client);
    const int splitterTop = point.y - m_colors->splitterGrab;
    SetHelpHeight(client.bottom - splitterTop - pgsys::kSplitterHeight);
}

void CXTPPropertyGrid::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_colors->splitterGrab < 0)
        return;
    OnMouseMove(flags, point);
    m_colors->splitterGrab = -1;
    ReleaseCapture();
}

void CXTPPropertyGrid::OnSetFocus(CWnd*)
{
    if (m_view.GetSafeHwnd())
        m_view.SetFocus();
}

BOOL CXTPPropertyGrid::OnMouseWheel(UINT flags, short delta, CPoint point)
{
    if (m_view.GetSafeHwnd())
        m_view.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(flags, static_cast<WORD>(delta)), MAKELPARAM(point.x, point.y));
    return TRUE;
}
