#pragma once
// MFC module machinery: extension-module records, the process-wide chain of extension libraries,
// the module state's current resource handle and the search for string resources.
//
// The port keeps one module state for the whole process. Its current resource handle starts as
// the host program's own module (GetModuleHandleA(NULL)).
#include "win32/types.h"
#include "win32/module.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

struct CRuntimeClass;
class COleObjectFactory;

// One static record per extension library, filled by AfxInitExtensionModule at attach time.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
    CRuntimeClass* pFirstSharedClass = nullptr;
    COleObjectFactory* pFirstSharedFactory = nullptr;
};

// Initialises the record for the module `hModule` (module and resource handle). Fails (FALSE)
// when the handle names no mapped module. A record that is already initialised stays as it is
// and the call succeeds.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Clears the record (MFC calls it at process detach; libraries may choose not to).
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// A library link object: entering an extension library into the process's chain, so that
// resource searches (AfxFindStringResource) and run-time class lookups also find that library.
// A new link goes to the front of the chain, as in MFC. Destroying the object takes it out.
class CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    CRuntimeClass* m_pFirstSharedClass;
    COleObjectFactory* m_pFirstSharedFactory;
    BOOL m_bSystem;              // a system library is searched after all others
    CDynLinkLibrary* m_pNextDLL; // the chain, front to back

private:
    void Link();
};

// The front of the chain of extension libraries, or null; follow m_pNextDLL from there.
CDynLinkLibrary* AfxGetFirstDynLinkLibrary();

// The module state's current resource handle, and the module of the running program.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
HINSTANCE AfxGetInstanceHandle();

// A resource of the current resource module or, failing that, of the extension libraries in
// their chain order: `load(module)` answers it, or null (0) to go on.
template <typename Load>
auto MiscFromResourceModules(Load load) -> decltype(load(HINSTANCE{}))
{
    auto found = load(AfxGetResourceHandle());
    for (CDynLinkLibrary* lib = AfxGetFirstDynLinkLibrary(); !found && lib; lib = lib->m_pNextDLL)
        found = load(lib->m_hResource);
    return found;
}

// Finds string resource `id`: the current resource handle first, then every library of the chain
// in order (non-system libraries before system ones), then every registered module. Null when
// no module has it. The text lives as long as its module stays registered.
const char* AfxFindStringResource(UINT id);
// The module that holds string `id` in that search order, or null.
HINSTANCE AfxFindStringResourceHandle(UINT id);

#include "mfc/resscope.h"

MISC_PUBLIC_END
