// CInternetSupportAPI: the home and support addresses of the resource module, opened through
// the shell.
#include "misc/services/websupport.h"

#include <afxwin.h>
#include <mfc/resscope.h>
#include <win32/shell.h>


namespace {
// The addresses in the resource module's string table.
constexpr UINT IDS_WEB_HOME_URL = 61404;
constexpr UINT IDS_WEB_SUPPORT_URL = 61405;
} // namespace
// The link object: the address being opened and the resource handle saved while the library's
// resource module is current.
class CInternetLink {
public:
    CString m_url;
    CGuardedResourceScope m_scope;
};

CInternetSupportAPI::CInternetSupportAPI(CWinApp* app)
    : m_link(std::make_shared<CInternetLink>()), m_pApp(app)
{
}

CInternetSupportAPI::~CInternetSupportAPI() = default;

void CInternetSupportAPI::OnWebHome() { Open(IDS_WEB_HOME_URL); }

void CInternetSupportAPI::OnWebSupport() { Open(IDS_WEB_SUPPORT_URL); }

CString CInternetSupportAPI::GetLastUrl() const { return m_link ? m_link->m_url : CString(); }

void CInternetSupportAPI::Open(UINT stringId)
{
    if (!m_link)
        return;
    m_link->m_scope.Enter();
    m_link->m_url.LoadString(stringId);
    // An empty address opens nothing (the shell refuses it).
    ShellExecuteA(nullptr, "open", m_link->m_url, "", "C:\\", SW_SHOWNORMAL);
    m_link->m_scope.Leave();
}
