// The grid window's remembered layout: help-pane height, divider and top row.
#include "misc/grid/gridwnd.h"

namespace {
constexpr int kDefaultHelpHeight = 50;
constexpr double kDefaultDivider = 0.7;
constexpr double kMinDivider = 0.15;
constexpr double kMaxDivider = 0.85;
// The help pane never takes more than this, whatever the profile says.
constexpr int kMaxHelpHeight = 2000;
} // namespace

CString CXTPGridEx::LayoutKey(LPCTSTR word) const
{
    CString key;
    key.Format("%s%s%d", word, static_cast<LPCTSTR>(m_KeyAddition), m_GridID);
    return key;
}

int CXTPGridEx::ReadRegistryInfo(const CString& section)
{
    if (section.IsEmpty() || !m_RegMngr)
        return 0;
    m_AppRegName = section;
    int height = m_RegMngr->ReadInt(section, LayoutKey("PrefHelpHeight"), kDefaultHelpHeight);
    // A negative or absurd height from a damaged profile would hide the rows.
    if (height < 0)
        height = 0;
    if (height > kMaxHelpHeight)
        height = kMaxHelpHeight;
    SetHelpHeight(height);
    double divider = m_RegMngr->ReadDouble(section, LayoutKey("PrefDivider"), kDefaultDivider);
    if (!(divider > kMinDivider))
        divider = kMinDivider;
    if (!(divider < kMaxDivider))
        divider = kMaxDivider;
    SetViewDivider(divider);
    m_TopIndex = m_RegMngr->ReadInt(section, LayoutKey("PrefTopIndex"), 0);
    if (m_TopIndex < 0)
        m_TopIndex = 0;
    return 1;
}

int CXTPGridEx::SaveRegistryInfo()
{
    if (m_AppRegName.IsEmpty() || !m_RegMngr)
        return 0;
    m_RegMngr->WriteInt(m_AppRegName, LayoutKey("PrefHelpHeight"), GetHelpHeight());
    CRect rect;
    if (GetSafeHwnd())
        GetWindowRect(&rect);
    if (rect.Width() == 0)
        return 0;
    double divider = static_cast<double>(GetGridView().GetDividerPos()) / rect.Width();
    m_RegMngr->WriteDouble(m_AppRegName, LayoutKey("PrefDivider"), divider);
    m_TopIndex = GetTopIndex();
    m_RegMngr->WriteInt(m_AppRegName, LayoutKey("PrefTopIndex"), m_TopIndex);
    return 1;
}
