// The grid window: binds a manager's model to the property-grid control.
#include "misc/grid/gridwnd.h"

IMPLEMENT_DYNAMIC(CXTPGridEx, CXTPPropertyGrid)

BEGIN_MESSAGE_MAP(CXTPGridEx, CXTPPropertyGrid)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
constexpr int kInitialHelpHeight = 30;
}

CXTPGridEx::CXTPGridEx(int gridId) : CXTPGridWnd(gridId, nullptr)
{
    m_Wnd = this;
    SetHelpHeight(kInitialHelpHeight);
    m_GridID = gridId;
}

CXTPGridEx::~CXTPGridEx()
{
    Clean();
    // The CXTPGridWnd part's destructor then destroys the cache, writing it out.
}

BOOL CXTPGridEx::Create(const RECT& rect, CWnd* parent, UINT id, DWORD style)
{
    if (id != static_cast<UINT>(-1))
        m_GridID = static_cast<int>(id);
    return CXTPPropertyGrid::Create(rect, parent, static_cast<UINT>(m_GridID), style);
}

void CXTPGridEx::OnDestroy()
{
    SaveRegistryInfo();
    CXTPPropertyGrid::OnDestroy();
}

void CXTPGridEx::SetMngr(CGridMngr* mngr, int own)
{
    m_Mngr = mngr;
    if (own != -1)
        m_OwnMngr = own;
}

void CXTPGridEx::Init()
{
    if (!m_Mngr)
        return;
    m_Mngr->SetSpinDeltaSize(m_SpinDeltaSize);
    m_Mngr->Init();
}

void CXTPGridEx::Build(const CString& section)
{
    Init();
    ReadRegistryInfo(section);
    if (m_Mngr)
        Build(m_Mngr->GetCategories());
}

void CXTPGridEx::Build(const CGnrlGridCategoryDataArray& categories)
{
    for (CGnrlGridCategoryData* category : categories)
        if (category)
            category->Create(this);
    SetTopIndex(m_TopIndex);
}

void CXTPGridEx::UpdateData()
{
    if (m_Mngr)
        m_Mngr->UpdateData(this);
}

void CXTPGridEx::Activate()
{
    if (m_Mngr)
        m_Mngr->Activate(this);
}

void CXTPGridEx::ValueChanged(CXTPPropertyGridItem* item) { CXTPGridWnd::ValueChanged(item); }

void CXTPGridEx::OnApply()
{
    if (!m_Changed)
        return;
    if (m_Mngr)
        m_Mngr->OnApply();
    m_Changed = 0;
}

void CXTPGridEx::OnDefault()
{
    if (m_Mngr)
        m_Mngr->OnDefault();
    UpdateData();
    m_Changed = 1;
}

void CXTPGridEx::Clean()
{
    ResetContent();
    CXTPGridWnd::Clean();
    m_AppRegName.Empty();
    m_KeyAddition.Empty();
    if (m_Mngr && m_OwnMngr)
        delete m_Mngr;
    m_Mngr = nullptr;
}

void CXTPGridEx::BuildGridRegKey(CString& out) const { out.Format("Prop_%d", m_GridID); }

void CXTPGridEx::SetExpand(long categoryId, int expand, int all)
{
    if (!m_RegMngr)
        return;
    CString prefix, key;
    BuildGridRegKey(prefix);
    CGnrlGridCategoryData::BuildRegKey(categoryId, prefix, key);
    if (all)
        m_RegMngr->WriteIntAll(m_AppRegName, key, expand);
    else
        m_RegMngr->WriteInt(m_AppRegName, key, expand);
}

void CXTPGridEx::GetImagesIds(const CLongStringArray& list, CDbArray<sTwoLong>& out)
{
    if (m_Mngr) {
        m_Mngr->GetImagesIds(list, out);
        return;
    }
    for (int i = 0; i < list.GetSize(); ++i)
        out.Add(sTwoLong(list[i].Number, list[i].Number));
}

CXTPPropertyGridItem* CXTPGridEx::GetProParent(CXTPPropertyGridItem* item, CStringList& path)
{
    path.RemoveAll();
    if (!item)
        return nullptr;
    CXTPPropertyGridItem* top = nullptr;
    for (CXTPPropertyGridItem* p = item->GetParentItem(); p; p = p->GetParentItem()) {
        path.AddHead(p->GetCaption());
        top = p;
    }
    return top;
}

CXTPPropertyGridItem* CXTPGridEx::GetDataItem(const CStringList& path)
{
    POSITION pos = path.GetHeadPosition();
    if (!pos)
        return nullptr;
    CXTPPropertyGridItem* item = FindItem(static_cast<LPCTSTR>(path.GetNext(pos)));
    while (item && pos) {
        const CString& name = path.GetNext(pos);
        CXTPPropertyGridItems* children = item->GetChilds();
        CXTPPropertyGridItem* next = nullptr;
        for (int i = 0; children && i < children->GetCount() && !next; ++i)
            if (CXTPPropertyGridItem* c = children->GetAt(i); c && c->GetCaption() == name)
                next = c;
        item = next;
    }
    return item;
}

void CXTPGridEx::InitGridLines()
{
    CXTPPropertyGridItems* categories = GetCategories();
    for (int i = 0; categories && i < categories->GetCount(); ++i) {
        CXTPPropertyGridItem* category = categories->GetAt(i);
        CXTPPropertyGridItems* rows = category ? category->GetChilds() : nullptr;
        for (int j = 0; rows && j < rows->GetCount(); ++j)
            if (CXTPPropertyGridItem* row = rows->GetAt(j))
                row->Select();
    }
}
