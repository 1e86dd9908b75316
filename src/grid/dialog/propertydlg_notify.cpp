// The property dialog's conversation with its grid and manager: notifications, the private
// message, OK and Cancel, expanded states, row lookups and colours.
#include "misc/grid/propertydlg.h"

LRESULT CPropertyDlg::OnGridNotify(WPARAM code, LPARAM lParam)
{
    if (!m_Grid)
        return 0;
    auto* item = reinterpret_cast<CXTPPropertyGridItem*>(lParam);
    switch (code) {
    case XTP_PGN_ITEMVALUE_CHANGED:
        if (m_PropMngr) {
            m_Grid->ValueChanged(item);
            if (CGnrlGridItemData* data = GetGridItemData(item))
                m_PropMngr->ValueChanged(data);
        }
        break;
    case XTP_PGN_INPLACEBUTTONDOWN:
        if (CGnrlGridItemData* data = GetGridItemData(item))
            m_PropMngr->InplaceButtonDown(data);
        break;
    case XTP_PGN_ITEMEXPANDCHANGED:
        if (m_PropMngr && item)
            if (CGnrlGridCategoryData* category = m_PropMngr->GetCategoryItem(static_cast<int>(item->GetID())))
                m_PropMngr->ItemExpand(category);
        break;
    case XTP_PGN_RCLICK:
        if (CGnrlGridItemData* data = GetGridItemData(item))
            m_PropMngr->InplaceRClick(data);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT CPropertyDlg::OnPropDlgNotify(WPARAM code, LPARAM data)
{
    switch (code) {
    case 1:
        OnPostedValueChanged();
        break;
    case 2:
        // The MFC operation of code 2: the dialog takes the keyboard focus, which a dialog passes
        // on to the control that had it last (a host sends this after its own window had it).
        SetFocus();
        break;
    case 3:
        if (data) {
            auto* request = reinterpret_cast<sExpandPropItem*>(data);
            Expand(request);
            delete request;
        }
        break;
    default:
        break;
    }
    return 0;
}

void CPropertyDlg::OnOK()
{
    // The manager is asked in both modes (a pane's host may apply on Enter); only a dialog that
    // creates an object closes.
    const int answer = m_PropMngr ? m_PropMngr->OnOK() : 1;
    if (!m_CreateMode)
        return;
    if (answer == 1)
        EndDialog(IDOK);
    else if (answer == 2)
        EndDialog(IDCANCEL);
}

void CPropertyDlg::OnCancel()
{
    if (m_CreateMode)
        EndDialog(IDCANCEL);
}

void CPropertyDlg::Expand(sExpandPropItem* request)
{
    if (!m_Grid || !request)
        return;
    CXTPPropertyGridItem* category = m_Grid->GetCategories()->FindItem(static_cast<UINT>(request->CategoryId));
    if (!category || !category->IsCategory())
        return;
    category->Expand();
    CXTPPropertyGridItems* rows = category->GetChilds();
    for (int i = 0; i < request->Items.GetSize(); ++i) {
        const long index = request->Items[i].Number;
        if (rows && index >= 0 && index < rows->GetCount())
            rows->GetAt(static_cast<int>(index))->Expand();
    }
    if (category->GetIndex() >= 0)
        m_Grid->SetTopIndex(category->GetIndex());
}

void CPropertyDlg::UpdateExpandStatus()
{
    if (!m_Grid || !m_PropMngr)
        return;
    CXTPPropertyGridItems* categories = m_Grid->GetCategories();
    for (int i = 0; categories && i < categories->GetCount(); ++i) {
        CXTPPropertyGridItem* row = categories->GetAt(i);
        CGnrlGridCategoryData* category = row ? m_PropMngr->GetCategoryItem(static_cast<int>(row->GetID())) : nullptr;
        if (!category)
            continue;
        category->SetExpand(row->IsExpanded() ? 1 : 0, 0);
        category->UpdateExpandStatus(row->GetChilds());
    }
}

CGnrlGridItemData* CPropertyDlg::GetGridItemData(CXTPPropertyGridItem* item)
{
    if (!m_PropMngr || !item || !m_Grid)
        return nullptr;
    const int id = static_cast<int>(item->GetID());
    CStringList path;
    CXTPPropertyGridItem* top = m_Grid->GetProParent(item, path);
    if (!top)
        return m_PropMngr->GetDataItem(id, 0, CStringList(), CString());
    // The path runs from the category down; the model's paths leave the category out.
    path.RemoveHead();
    const int categoryId = static_cast<int>(top->GetID());
    if (id == -1)
        return ItemByCaptions(categoryId, path, item->GetCaption());
    return m_PropMngr->GetDataItem(id, categoryId, path, item->GetCaption());
}

CGnrlGridItemData* CPropertyDlg::ItemByCaptions(int categoryId, const CStringList& path, const CString& caption)
{
    // A row named by a literal caption has no identifier (-1 is every such row's): searching by
    // identifier would find the first of them anywhere, so its caption path names it instead.
    CGnrlGridCategoryData* category = m_PropMngr ? m_PropMngr->GetCategoryItem(categoryId) : nullptr;
    if (!category)
        return nullptr;
    CGnrlGridItemData* current = nullptr;
    for (POSITION pos = path.GetHeadPosition(); pos;) {
        const CString& name = path.GetNext(pos);
        current = current ? current->GetItem(name) : category->GetChildItem(name);
        if (!current)
            return nullptr;
    }
    return current ? current->GetItem(caption) : category->GetChildItem(caption);
}

CXTPPropertyGridItem* CPropertyDlg::GetGridItemData(CGnrlGridItemData* data)
{
    if (!data || !m_Grid)
        return nullptr;
    CStringList path;
    data->GetProParent(path);
    return m_Grid->GetDataItem(path);
}

void CPropertyDlg::ApplyGridColors()
{
    if (!m_Grid || !s_pClrDlgBk)
        return;
    const COLORREF back = *s_pClrDlgBk;
    m_Grid->SetCustomColors(back, RGB(0, 0, 0), back, RGB(255, 255, 255), RGB(0, 0, 0), ::GetSysColor(COLOR_GRAYTEXT));
}

void CPropertyDlg::UpdateColor()
{
    if (!s_pClrDlgBk)
        return;
    ApplyGridColors();
    if (GetSafeHwnd()) {
        Invalidate();
        if (CWnd* label = GetDlgItem(kNameId))
            label->Invalidate();
    }
}
