// The library's grid interface: identifier, changed flag, the window to show, the settings cache.
#include "misc/grid/gridwnd.h"

CRuntimeClass CXTPGridWnd::classCXTPGridWnd = {"CXTPGridWnd", static_cast<int>(sizeof(CXTPGridWnd)), 0xFFFF,
                                               nullptr, &CObject::classCObject, nullptr};
static const AFX_CLASSINIT s_initCXTPGridWnd(&CXTPGridWnd::classCXTPGridWnd);

CRuntimeClass* CXTPGridWnd::GetThisClass() { return &classCXTPGridWnd; }

CRuntimeClass* CXTPGridWnd::GetRuntimeClass() const { return &classCXTPGridWnd; }

CXTPGridWnd::CXTPGridWnd() : CXTPGridWnd(-1, nullptr) {}

CXTPGridWnd::CXTPGridWnd(int gridId, CWnd* wnd) : m_Wnd(wnd), m_GridID(gridId), m_RegMngr(new CGridRegMngr) {}

CXTPGridWnd::CXTPGridWnd(const CXTPGridWnd& other)
    : m_Wnd(other.m_Wnd), m_Reserved(other.m_Reserved), m_GridID(other.m_GridID), m_Changed(other.m_Changed),
      m_ItemId(other.m_ItemId), m_RegMngr(other.m_RegMngr)
{
}

CXTPGridWnd& CXTPGridWnd::operator=(const CXTPGridWnd& other)
{
    m_Wnd = other.m_Wnd;
    m_GridID = other.m_GridID;
    m_Changed = other.m_Changed;
    m_ItemId = other.m_ItemId;
    return *this;
}

CXTPGridWnd::~CXTPGridWnd()
{
    delete m_RegMngr;
    m_RegMngr = nullptr;
}

void CXTPGridWnd::Activate()
{
    if (m_Wnd && m_Wnd->GetSafeHwnd())
        m_Wnd->ShowWindow(SW_SHOWNORMAL);
}

void CXTPGridWnd::DesActivate()
{
    if (m_Wnd && m_Wnd->GetSafeHwnd())
        m_Wnd->ShowWindow(SW_HIDE);
}

int CXTPGridWnd::ShowMyWindow(int cmd)
{
    if (!m_Wnd || !m_Wnd->GetSafeHwnd())
        return 0;
    return m_Wnd->ShowWindow(cmd);
}

void CXTPGridWnd::MoveMyWindow(const RECT* rect, int repaint)
{
    if (m_Wnd && m_Wnd->GetSafeHwnd() && rect)
        m_Wnd->MoveWindow(rect, repaint);
}

void CXTPGridWnd::ValueChanged(CXTPPropertyGridItem* /*item*/) { m_Changed = 1; }

void CXTPGridWnd::OnDefault() { m_Changed = 1; }

void CXTPGridWnd::OnApply() {}

void CXTPGridWnd::Clean()
{
    m_GridID = -1;
    m_Changed = 0;
    m_ItemId = 0;
    m_Reserved = 0;
}

void CXTPGridWnd::InplaceButtonDown(CXTPPropertyGridItem* /*item*/) {}

CXTPGridEx* CXTPGrids::GetGrid(int gridId) const
{
    for (CXTPGridEx* grid : *this)
        if (grid && grid->GetGridID() == gridId)
            return grid;
    return nullptr;
}
