// History combo boxes: the control and its handle.
#include "misc/datadlg/vmxcombo.h"

#include <new>

#include "misc/data/combolist.h"
#include "misc/datadlg/lbedit.h"

IMPLEMENT_DYNAMIC(CVmxComBoMisc, CComboBox)

BEGIN_MESSAGE_MAP(CVmxComBoMisc, CComboBox)
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CVmxComBoMisc::CVmxComBoMisc() = default;

CVmxComBoMisc::~CVmxComBoMisc()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CVmxComBoMisc::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CComboBox::Create(style & ~static_cast<DWORD>(CBS_SORT), rect, parent, id);
}

void CVmxComBoMisc::Initialize(int id, CWnd* parent, int type)
{
    if (m_bInitialized || !parent)
        return;
    if (!GetSafeHwnd() && !SubclassDlgItem(static_cast<UINT>(id), parent))
        return;
    m_pParent = parent;
    m_nType = type;
    getNameByType(m_strKey, type);
    FillFromStore();
    m_bInitialized = 1;
}

void CVmxComBoMisc::AddTop(const CString& text)
{
    if (text.IsEmpty() || !GetSafeHwnd())
        return;
    const int at = FindStringExact(-1, text);
    if (at != CB_ERR)
        CComboBox::DeleteString(static_cast<UINT>(at));
    InsertString(0, text);
    SetCurSel(0);
}

void CVmxComBoMisc::AddAppend(const CString& text)
{
    if (text.IsEmpty() || !GetSafeHwnd())
        return;
    const int at = FindStringExact(-1, text);
    if (at == CB_ERR) {
        CComboBox::AddString(text);
        return;
    }
    CString old;
    GetLBText(at, old);
    if (old == text)
        return;
    // The new letter case replaces the old one in place.
    InsertString(at, text);
    CComboBox::DeleteString(static_cast<UINT>(at + 1));
}

void CVmxComBoMisc::FillFromStore()
{
    CComboItemList stored;
    stored.Load(m_nType);
    for (int i = 0; i < stored.GetSize(); ++i)
        AddAppend(stored.GetComboItem(i)->m_strName);
}

void CVmxComBoMisc::Record(const CString& text, int limit)
{
    if (!GetSafeHwnd())
        return;
    AddTop(text);
    CComboItemList values;
    const int count = GetCount();
    for (int i = 0; i < count && (limit <= 0 || values.GetSize() < limit); ++i) {
        CString name;
        GetLBText(i, name);
        if (!name.IsEmpty())
            values.AddComboItem(new CComboItem(name, m_strKey), 0);
    }
    values.Store(m_nType);
}

void CVmxComBoMisc::CloseAndAddString()
{
    if (!GetSafeHwnd())
        return;
    CString text;
    GetWindowText(text);
    text.Trim();
    Record(text, 0);
}

void CVmxComBoMisc::CloseAndAddString(const CString& s)
{
    Record(s, VMXCOMBO_HISTORY_LIMIT);
}

int CVmxComBoMisc::DeleteString(const CString& s)
{
    if (!GetSafeHwnd())
        return 0;
    const int at = FindStringExact(-1, s);
    if (at == CB_ERR)
        return 0;
    CComboBox::DeleteString(static_cast<UINT>(at));
    return 1;
}

void CVmxComBoMisc::DeleteAll()
{
    if (GetSafeHwnd()) {
        for (int i = GetCount() - 1; i >= 0; --i)
            CComboBox::DeleteString(static_cast<UINT>(i));
    }
    CComboItemList empty;
    empty.Store(m_nType);
}

void CVmxComBoMisc::AddString(int, CString s)
{
    if (m_bInitialized)
        AddAppend(s);
}

void CVmxComBoMisc::Enable(int enable, int)
{
    if (m_bInitialized)
        EnableWindow(enable);
}

// The right button opens the list editor over the drop-down list; after OK the list is filled
// again from what the editor stored.
void CVmxComBoMisc::OnRButtonDown(UINT flags, CPoint point)
{
    {
        CLbEditDlg editor(this, m_nType, m_nEditorArg, 0, 0, 0, 0);
        if (editor.DoModal() == IDOK)
            FillFromStore();
    }
    CComboBox::OnRButtonDown(flags, point);
}

// ---- The handle ----
CVmxCombo::CVmxCombo() : m_pCombo(new (std::nothrow) CVmxComBoMisc) {}

CVmxCombo::~CVmxCombo()
{
    delete m_pCombo;
}

void CVmxCombo::Initialize(int id, CWnd* parent, int type)
{
    if (m_pCombo)
        m_pCombo->Initialize(id, parent, type);
}

void CVmxCombo::CloseAndAddString()
{
    if (m_pCombo)
        m_pCombo->CloseAndAddString();
}

void CVmxCombo::CloseAndAddString(const CString& s)
{
    if (m_pCombo)
        m_pCombo->CloseAndAddString(s);
}

int CVmxCombo::DeleteString(const CString& s)
{
    return m_pCombo ? m_pCombo->DeleteString(s) : 0;
}

void CVmxCombo::DeleteAll()
{
    if (m_pCombo)
        m_pCombo->DeleteAll();
}

void CVmxCombo::AddString(int unused, CString s)
{
    if (m_pCombo)
        m_pCombo->AddString(unused, s);
}

void CVmxCombo::Enable(int enable, int unused)
{
    if (m_pCombo)
        m_pCombo->Enable(enable, unused);
}

void CVmxCombo::ShowWindow(int show)
{
    if (m_pCombo && m_pCombo->GetSafeHwnd())
        m_pCombo->ShowWindow(show);
}

void CVmxCombo::SetWindowText(const char* text)
{
    if (m_pCombo && m_pCombo->GetSafeHwnd())
        m_pCombo->SetWindowText(text);
}

void CVmxCombo::GetWindowText(char* buffer, int size)
{
    if (buffer && size > 0)
        buffer[0] = '\0';
    if (m_pCombo && m_pCombo->GetSafeHwnd())
        m_pCombo->GetWindowText(buffer, size);
}

void CVmxCombo::GetWindowText(CString& text)
{
    text.Empty();
    if (m_pCombo && m_pCombo->GetSafeHwnd())
        m_pCombo->GetWindowText(text);
}

void CVmxCombo::EnableWindow(int enable)
{
    if (m_pCombo && m_pCombo->GetSafeHwnd())
        m_pCombo->EnableWindow(enable);
}
