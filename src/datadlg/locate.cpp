// The locate dialog and miscLocate.
#include "misc/datadlg/locate.h"

#include <algorithm>
#include <cstring>

CLocate::CLocate(CWnd* parent) : CVmxDialog(IDD, parent, 0, AfxGetResourceHandle(), 0) {}

CLocate::~CLocate() = default;

BOOL CLocate::OnInitDialog()
{
    CVmxDialog::OnInitDialog();
    m_edit.Initialize(IDC_LOCATE_PATH, this);
    m_edit.LimitText(LOCATE_MAX_PATH);
    return TRUE;
}

void CLocate::DoDataExchange(CDataExchange* pDX)
{
    CVmxDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LOCATE_PATH, m_strPath);
}

int miscLocate(CWnd*, char* path)
{
    if (!path)
        return 0;
    const HCURSOR cursor = ::GetCursor();
    int result = 0;
    {
        CCallResourceScope scope;
        CLocate dialog(nullptr);
        dialog.m_strPath = path;
        if (dialog.DoModal() == IDOK) {
            const int length = std::min(dialog.m_strPath.GetLength(), LOCATE_MAX_PATH);
            std::memcpy(path, static_cast<LPCTSTR>(dialog.m_strPath), static_cast<size_t>(length));
            path[length] = '\0';
            result = 1;
        }
    }
    ::SetCursor(cursor);
    return result;
}
