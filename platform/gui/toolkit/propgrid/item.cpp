// The row of the property grid as data: its place in the tree, texts, state and value. The
// default behaviour of its overridable operations lives in item_ops.cpp.
#include "toolkit/propertygrid.h"
#include "toolkit/propgrid/pgsys.h"

#include "mfc/module.h"

IMPLEMENT_DYNAMIC(CXTPPropertyGridItem, CCmdTarget)
IMPLEMENT_DYNAMIC(CXTPPropertyGridItemCategory, CXTPPropertyGridItem)

namespace {

CString ResourceString(UINT id)
{
    CString text;
    if (!text.LoadString(AfxGetResourceHandle(), id))
        text.LoadString(id);
    return text;
}

} // namespace

CXTPPropertyGridItem::CXTPPropertyGridItem(LPCTSTR caption, LPCTSTR value, CString* bind)
    : m_children(std::make_unique<CXTPPropertyGridItems>()),
      m_constraints(std::make_unique<CXTPPropertyGridItemConstraints>(this))
{
    m_caption = caption ? caption : "";
    m_strValue = value ? value : "";
    m_pBindString = bind;
    if (bind && value)
        *bind = m_strValue;
    else if (bind)
        m_strValue = *bind;
}

CXTPPropertyGridItem::CXTPPropertyGridItem(UINT id, LPCTSTR value, CString* bind)
    : CXTPPropertyGridItem(static_cast<LPCTSTR>(nullptr), value, bind)
{
    m_id = id;
    m_caption = ResourceString(id);
}

CXTPPropertyGridItem::~CXTPPropertyGridItem()
{
    if (m_view && m_view->GetImpl())
        m_view->GetImpl()->Forget(this);
    m_children->Clear();
}

// ---- Tree ----

void CXTPPropertyGridItem::Attach(CXTPPropertyGridView* view, CXTPPropertyGridItem* parent)
{
    m_parent = parent;
    m_view = view;
    for (CXTPPropertyGridItem* child : m_children->m_items)
        child->Attach(view, this);
}

CXTPPropertyGridItem* CXTPPropertyGridItem::AddChildItem(CXTPPropertyGridItem* item)
{
    return InsertChildItem(m_children->GetCount(), item);
}

CXTPPropertyGridItem* CXTPPropertyGridItem::InsertChildItem(int index, CXTPPropertyGridItem* item)
{
    if (!item || item == this)
        return nullptr;
    auto& rows = m_children->m_items;
    if (index < 0 || index > static_cast<int>(rows.size()))
        index = static_cast<int>(rows.size());
    item->OnBeforeInsert();
    rows.insert(rows.begin() + index, item);
    item->Attach(m_view, this);
    if (m_view && m_view->GetImpl()) {
        m_view->GetImpl()->dirty = true;
        if (m_view->GetSafeHwnd())
            m_view->Invalidate(FALSE);
    }
    return item;
}

void CXTPPropertyGridItem::Remove()
{
    CXTPPropertyGridItems* owner = nullptr;
    if (m_parent)
        owner = m_parent->m_children.get();
    else if (CXTPPropertyGrid* grid = GetPropertyGrid())
        owner = grid->GetCategories();
    if (owner) {
        auto& rows = owner->m_items;
        for (auto it = rows.begin(); it != rows.end(); ++it) {
            if (*it == this) {
                rows.erase(it);
                break;
            }
        }
    }
    delete this;
}

CXTPPropertyGrid* CXTPPropertyGridItem::GetPropertyGrid() const
{
    return m_view ? m_view->GetPropertyGrid() : nullptr;
}

// ---- Texts and state ----

void CXTPPropertyGridItem::SetCaption(LPCTSTR caption)
{
    m_caption = caption ? caption : "";
    RedrawItem();
}

void CXTPPropertyGridItem::SetReadOnly(BOOL readOnly)
{
    m_readOnly = readOnly ? TRUE : FALSE;
    if (IsSelected() && m_view->GetImpl())
        m_view->GetImpl()->PlaceEditors();
    RedrawItem();
}

void CXTPPropertyGridItem::SetFlags(UINT flags)
{
    m_flags = flags;
    if (IsSelected() && m_view->GetImpl())
        m_view->GetImpl()->PlaceEditors();
    RedrawItem();
}

void CXTPPropertyGridItem::Expand()
{
    if (m_expanded || !HasChilds())
        return;
    m_expanded = TRUE;
    if (m_view && m_view->GetImpl()) {
        m_view->GetImpl()->dirty = true;
        if (m_view->GetSafeHwnd())
            m_view->Invalidate(FALSE);
    }
}

void CXTPPropertyGridItem::Collapse()
{
    if (!m_expanded)
        return;
    m_expanded = FALSE;
    if (m_view && m_view->GetImpl()) {
        CXTPPropertyGridView::Impl* impl = m_view->GetImpl();
        // A selected row inside the collapsed branch gives the selection to this row.
        for (CXTPPropertyGridItem* p = impl->selected ? impl->selected->m_parent : nullptr; p; p = p->m_parent) {
            if (p == this) {
                impl->Select(this);
                break;
            }
        }
        impl->dirty = true;
        if (m_view->GetSafeHwnd())
            m_view->Invalidate(FALSE);
    }
}

void CXTPPropertyGridItem::Select()
{
    if (!m_view || !m_view->GetImpl())
        return;
    for (CXTPPropertyGridItem* p = m_parent; p; p = p->m_parent)
        p->Expand();
    CXTPPropertyGridView::Impl* impl = m_view->GetImpl();
    impl->EnsureLayout();
    impl->Select(this, false);
    if (m_index >= 0)
        impl->EnsureVisible(m_index);
}

BOOL CXTPPropertyGridItem::IsSelected() const
{
    return m_view && m_view->GetImpl() && m_view->GetImpl()->selected == this;
}

BOOL CXTPPropertyGridItem::IsVisible() const
{
    if (m_view && m_view->GetImpl())
        m_view->GetImpl()->EnsureLayout();
    return m_visibleRow;
}

int CXTPPropertyGridItem::GetIndex() const
{
    if (m_view && m_view->GetImpl())
        m_view->GetImpl()->EnsureLayout();
    return m_index;
}

// ---- Value ----

CString CXTPPropertyGridItem::GetValue() const
{
    return m_strValue;
}

void CXTPPropertyGridItem::SetValue(CString value)
{
    m_strValue = value;
    if (m_pBindString)
        *m_pBindString = value;
    const int choice = m_constraints->FindConstraint(static_cast<LPCTSTR>(value));
    m_constraints->SetCurrent(choice);
    if (IsSelected() && GetInplaceEdit().GetSafeHwnd() && GetInplaceEdit().GetItem() == this)
        GetInplaceEdit().SetValue(GetViewValue());
    RedrawItem();
}

void CXTPPropertyGridItem::BindToString(CString* bind)
{
    m_pBindString = bind;
    if (bind)
        *bind = m_strValue;
}

// ---- Geometry ----

void CXTPPropertyGridItem::SetHeight(int height)
{
    m_height = height < 0 ? 0 : height;
    if (m_view && m_view->GetImpl()) {
        m_view->GetImpl()->dirty = true;
        if (m_view->GetSafeHwnd())
            m_view->Invalidate(FALSE);
    }
}

int CXTPPropertyGridItem::GetHeight() const
{
    if (m_height > 0)
        return m_height;
    return m_view ? m_view->GetDefaultRowHeight() : 18;
}

CRect CXTPPropertyGridItem::GetItemRect() const
{
    if (!m_view || !m_view->GetImpl())
        return CRect(0, 0, 0, 0);
    CXTPPropertyGridView::Impl* impl = m_view->GetImpl();
    impl->EnsureLayout();
    if (m_index < 0)
        return CRect(0, 0, 0, 0);
    return impl->RowRect(m_index);
}

void CXTPPropertyGridItem::RedrawItem()
{
    if (!m_view || !m_view->GetSafeHwnd() || m_index < 0)
        return;
    CRect rc = GetItemRect();
    if (!rc.IsRectEmpty())
        m_view->InvalidateRect(&rc, FALSE);
}

// ---- Category ----

CXTPPropertyGridItemCategory::CXTPPropertyGridItemCategory(LPCTSTR caption) : CXTPPropertyGridItem(caption)
{
    m_category = TRUE;
    m_expanded = TRUE;
    m_flags = 0;
}

CXTPPropertyGridItemCategory::CXTPPropertyGridItemCategory(UINT id) : CXTPPropertyGridItem(id)
{
    m_category = TRUE;
    m_expanded = TRUE;
    m_flags = 0;
}
