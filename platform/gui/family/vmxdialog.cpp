// CVmxDialog: templates from the given resource module and the remembered screen position.
#include "family/vmxdialog.h"

#include "family/kestprofile.h"
#include "mfc/app.h"
#include "win32/profile.h"

#include <algorithm>
#include <cstdio>
#include <string>

IMPLEMENT_DYNAMIC(CVmxDialog, CDialog)

BEGIN_MESSAGE_MAP(CVmxDialog, CDialog)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

const char kSection[] = "VmxDialogPositions";

std::string PositionFile()
{
    if (!KestProfile::m_namePath.IsEmpty())
        return KestProfile::m_namePath.GetString();
    if (!KestProfile::m_name.IsEmpty())
        return KestProfile::m_name.GetString();
    if (CWinApp* app = AfxGetApp(); app && app->m_pszProfileName)
        return app->m_pszProfileName;
    return "vmxdialogs.ini";
}

// The dialog's resource module is current while it opens and runs.
class ResourceScope {
public:
    explicit ResourceScope(HINSTANCE module) : m_saved(AfxGetResourceHandle())
    {
        if (module)
            AfxSetResourceHandle(module);
    }
    ~ResourceScope() { AfxSetResourceHandle(m_saved); }
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;

private:
    HINSTANCE m_saved;
};

} // namespace

CVmxDialog::CVmxDialog(UINT templateId, CWnd* parent, int flags, HINSTANCE resources, int reserved)
    : CDialog(templateId, parent), m_nVmxFlags(flags), m_nVmxReserved(reserved)
{
    m_hResourceModule = resources;
}

CVmxDialog::CVmxDialog(HINSTANCE resources, int reserved) : m_nVmxReserved(reserved)
{
    m_hResourceModule = resources;
}

CVmxDialog::~CVmxDialog() = default;

BOOL CVmxDialog::Create(UINT templateId, CWnd* parent, int flags)
{
    m_nVmxFlags = flags;
    ResourceScope scope(m_hResourceModule);
    return CDialog::Create(templateId, parent);
}

INT_PTR CVmxDialog::DoModal()
{
    ResourceScope scope(m_hResourceModule);
    return CDialog::DoModal();
}

BOOL CVmxDialog::OnInitDialog() { return CDialog::OnInitDialog(); }
void CVmxDialog::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

std::string CVmxDialog::PositionKey() const { return "Dialog" + std::to_string(m_nIDHelp); }

void CVmxDialog::InitPos()
{
    if (!m_hWnd)
        return;
    m_positionOn = true;
    CRect r;
    GetWindowRect(&r);
    m_origin = POINT{r.left, r.top};
    m_haveOrigin = true;
    char value[64] = {0};
    GetPrivateProfileStringA(kSection, PositionKey().c_str(), "", value, sizeof(value), PositionFile().c_str());
    int x = 0, y = 0;
    if (std::sscanf(value, "%d,%d", &x, &y) != 2)
        return;
    // Keep the whole dialog on the desktop (a remembered place may be off a smaller screen).
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    x = std::max<int>(area.left, std::min<int>(x, area.right - r.Width()));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - r.Height()));
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CVmxDialog::SetStartPosOnly(int startOnly) { m_startOnly = startOnly != 0; }

void CVmxDialog::SendBackToOrigPlace()
{
    if (!m_hWnd || !m_haveOrigin)
        return;
    SetWindowPos(nullptr, m_origin.x, m_origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    char value[32];
    std::snprintf(value, sizeof(value), "%d,%d", static_cast<int>(m_origin.x), static_cast<int>(m_origin.y));
    WritePrivateProfileStringA(kSection, PositionKey().c_str(), value, PositionFile().c_str());
}

void CVmxDialog::OnDestroy()
{
    if (m_positionOn && !m_startOnly && m_hWnd) {
        CRect r;
        GetWindowRect(&r);
        char value[32];
        std::snprintf(value, sizeof(value), "%d,%d", static_cast<int>(r.left), static_cast<int>(r.top));
        WritePrivateProfileStringA(kSection, PositionKey().c_str(), value, PositionFile().c_str());
    }
    CDialog::OnDestroy();
}

void vmxSetIcon(CWnd* wnd, HINSTANCE module, int iconId)
{
    if (!wnd || !wnd->m_hWnd)
        return;
    HICON icon = LoadIconA(module, MAKEINTRESOURCEA(iconId));
    wnd->SetIcon(icon, TRUE);
    wnd->SetIcon(icon, FALSE);
}
