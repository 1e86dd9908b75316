// Resource scopes: object-bound, call-bound and guarded switches of the current resource handle.
#include "mfc/resscope.h"

#include "mfc/module.h"
#include "win32/msgbox.h"

void CResourceSaver::Switch(LPCSTR moduleName)
{
    m_hSavedResource = AfxGetResourceHandle();
    AfxSetResourceHandle(GetModuleHandleA(moduleName));
}

void CResourceSaver::Restore()
{
    if (m_hSavedResource) {
        AfxSetResourceHandle(m_hSavedResource);
        m_hSavedResource = nullptr;
    }
}

CCallResourceScope::CCallResourceScope(LPCSTR moduleName) : m_hSavedResource(AfxGetResourceHandle())
{
    AfxSetResourceHandle(GetModuleHandleA(moduleName));
}

CCallResourceScope::~CCallResourceScope() { AfxSetResourceHandle(m_hSavedResource); }

void CGuardedResourceScope::Enter(LPCSTR moduleName, LPCSTR missingMessage)
{
    HINSTANCE module = GetModuleHandleA(moduleName);
    if (!module)
        MessageBoxA(nullptr, missingMessage ? missingMessage : kMissingMessage, nullptr, MB_OK);
    m_hSavedResource = AfxGetResourceHandle();
    AfxSetResourceHandle(module);
}

void CGuardedResourceScope::Leave() { AfxSetResourceHandle(m_hSavedResource); }
