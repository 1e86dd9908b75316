// The manager of the property dialog's grid: hooks, lookups and item operations by identifier.
#include "misc/grid/gridwnd.h"
#include "misc/grid/managers.h"

CPropertyMngr::~CPropertyMngr()
{
    for (CGnrlGridCategoryData* c : m_Categories)
        delete c;
    m_Categories.RemoveAll();
}

void CPropertyMngr::Init() {}
void CPropertyMngr::InplaceButtonDown(CGnrlGridItemData*) {}
int CPropertyMngr::OnOK() { return 1; }
void CPropertyMngr::ValueChanged(CGnrlGridItemData*) {}
void CPropertyMngr::ItemExpand(CGnrlGridCategoryData*) {}
void CPropertyMngr::InplaceRClick(CGnrlGridItemData*) {}
int CPropertyMngr::GetTitle(CString&) { return 0; }
void CPropertyMngr::CreateNewObject(double, double) {}
void CPropertyMngr::Expand() {}
int CPropertyMngr::_NameChanged(const CString&) { return 0; }
void CPropertyMngr::_RadiusChanged(double) {}
void CPropertyMngr::_XLocationChanged(double) {}
void CPropertyMngr::_YLocationChanged(double) {}
void CPropertyMngr::_SetReflection(int) {}
int CPropertyMngr::_ChangeSymmetry(CGnrlGridItemData*) { return 0; }
void CPropertyMngr::_ChangePlotCudMethod(CGnrlGridItemData*) {}
int CPropertyMngr::_ChangeToolNumber(CGnrlGridItemData*) { return 0; }
void CPropertyMngr::_PlotCutTimeChanged(CGnrlGridItemData*) {}

CXTPGridEx* CPropertyMngr::DlgGrid() const { return m_ParentDlg ? MiscPropertyDlgGrid(m_ParentDlg) : nullptr; }

void CPropertyMngr::PostValueChanged(int post)
{
    if (!post || !m_PostUpdateMessage)
        return;
    if (m_ParentDlg)
        MiscPropertyDlgPost(m_ParentDlg, 1, 0);
    m_PostUpdateMessage = false;
}

CGnrlGridItemData* CPropertyMngr::GetDataItem(int id, int categoryId, const CStringList& path, const CString&)
{
    CGnrlGridCategoryData* category = categoryId != 0 ? GetCategoryItem(categoryId) : nullptr;
    POSITION pos = path.GetHeadPosition();
    if (category && pos) {
        CGnrlGridItemData* item = category->GetChildItem(path.GetNext(pos));
        while (item && pos)
            item = item->GetItem(path.GetNext(pos));
        if (item)
            if (CGnrlGridItemData* found = item->GetItem(static_cast<long>(id)))
                return found;
    }
    return GetItem(static_cast<long>(id));
}

namespace {
CGnrlGridItemData* ById(CPropertyMngr& m, long id)
{
    CStringList empty;
    return m.GetDataItem(static_cast<int>(id), 0, empty, CString());
}
} // namespace

void CPropertyMngr::SetEnableItem(long id, int enable) { SetEnableItem(ById(*this, id), enable); }

void CPropertyMngr::SetEnableItem(CGnrlGridItemData* item, int enable)
{
    if (!item)
        return;
    item->SetEnable(enable);
    if (m_ParentDlg)
        item->SetFlags(DlgGrid());
}

void CPropertyMngr::SetEditEnableItem(long id, int enable) { SetEditEnableItem(ById(*this, id), enable); }

void CPropertyMngr::SetEditEnableItem(CGnrlGridItemData* item, int enable)
{
    if (!item)
        return;
    item->SetEditEnable(enable);
    if (m_ParentDlg)
        item->SetFlags(DlgGrid());
}

int CPropertyMngr::IsEnableItem(long id) { return IsEnableItem(ById(*this, id)); }

int CPropertyMngr::IsEnableItem(CGnrlGridItemData* item) { return item ? item->GetEnable() : 0; }

void CPropertyMngr::SetColorItem(long id, COLORREF color, int caption, int value, int back)
{
    SetColorItem(ById(*this, id), color, caption, value, back);
}

void CPropertyMngr::SetColorItem(CGnrlGridItemData* item, COLORREF color, int caption, int value, int back)
{
    if (item && m_ParentDlg)
        item->SetColor(DlgGrid(), color, caption, value, back);
}

void CPropertyMngr::RestoreColorItem(long id, int back)
{
    CGnrlGridItemData* item = ById(*this, id);
    CXTPGridEx* grid = DlgGrid();
    if (!item || !grid)
        return;
    COLORREF colour = back ? grid->GetHelpBackColor() : grid->GetHelpForeColor();
    SetColorItem(item, colour, 1, 0, back);
}

void CPropertyMngr::SetBitmap(CBitmap* bitmap)
{
    m_Bitmap = bitmap;
    if (m_ParentDlg)
        MiscPropertyDlgSetBitmap(m_ParentDlg);
}

void CPropertyMngr::SetRegInfo(long /*gridId*/)
{
    CXTPGridEx* grid = DlgGrid();
    if (!grid)
        return;
    CString prefix;
    grid->BuildGridRegKey(prefix);
    for (CGnrlGridCategoryData* c : m_Categories) {
        if (!c)
            continue;
        c->SetRegMngr(grid->GetRegMngr());
        c->SetRegInfo(m_AppRegName, prefix);
    }
}

void CPropertyMngr::SetExpand(long id, int expand, int save)
{
    if (CXTPGridEx* grid = DlgGrid())
        grid->SetExpand(id, expand, save);
}

void CPropertyMngr::UpdateEnable(int enable, int first)
{
    CXTPGridEx* grid = DlgGrid();
    if (!grid)
        return;
    for (int i = first < 0 ? 0 : first; i < m_Categories.GetSize(); ++i)
        if (m_Categories[i])
            m_Categories[i]->UpdateEnable(enable, grid);
}

bool CPropertyMngrArray::IsIn(long gridId) const
{
    for (CPropertyMngr* m : *this)
        if (m && m->GetGridId() == gridId)
            return true;
    return false;
}
