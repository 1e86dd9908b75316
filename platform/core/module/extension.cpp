// Extension modules, the chain of extension libraries and the module state's resource handle.
#include "mfc/module.h"

#include <mutex>

namespace {

// The process's one module state. Plain trivially destructible globals: the chain and the
// handle stay valid during the teardown of other libraries.
struct ModuleState {
    bool resourceSet = false;
    HINSTANCE resource = nullptr;
    CDynLinkLibrary* firstLibrary = nullptr;
};

ModuleState g_state;

std::mutex& ChainMutex()
{
    static std::mutex* mutex = new std::mutex;
    return *mutex;
}

bool IsMapped(HMODULE module) { return module && MiscModuleName(module) != nullptr; }

} // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    if (!IsMapped(hModule))
        return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    state.pFirstSharedFactory = nullptr;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    (void)bAll;
    state = AFX_EXTENSION_MODULE{};
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource),
      m_pFirstSharedClass(state.pFirstSharedClass), m_pFirstSharedFactory(state.pFirstSharedFactory),
      m_bSystem(bSystem), m_pNextDLL(nullptr)
{
    Link();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_pFirstSharedClass(nullptr),
      m_pFirstSharedFactory(nullptr), m_bSystem(FALSE), m_pNextDLL(nullptr)
{
    Link();
}

void CDynLinkLibrary::Link()
{
    std::lock_guard<std::mutex> lock(ChainMutex());
    m_pNextDLL = g_state.firstLibrary;
    g_state.firstLibrary = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    std::lock_guard<std::mutex> lock(ChainMutex());
    for (CDynLinkLibrary** link = &g_state.firstLibrary; *link; link = &(*link)->m_pNextDLL) {
        if (*link == this) {
            *link = m_pNextDLL;
            break;
        }
    }
}

CDynLinkLibrary* AfxGetFirstDynLinkLibrary()
{
    std::lock_guard<std::mutex> lock(ChainMutex());
    return g_state.firstLibrary;
}

HINSTANCE AfxGetResourceHandle()
{
    if (!g_state.resourceSet) {
        g_state.resource = GetModuleHandleA(nullptr);
        g_state.resourceSet = true;
    }
    return g_state.resource;
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_state.resource = hInstResource;
    g_state.resourceSet = true;
}

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleA(nullptr); }

namespace {

struct Search {
    UINT id;
    HINSTANCE found;
};

void SearchModule(HMODULE module, void* context)
{
    auto* search = static_cast<Search*>(context);
    if (!search->found && MiscFindString(module, search->id))
        search->found = module;
}

HINSTANCE SearchChain(UINT id, BOOL system)
{
    std::lock_guard<std::mutex> lock(ChainMutex());
    for (CDynLinkLibrary* lib = g_state.firstLibrary; lib; lib = lib->m_pNextDLL) {
        if ((lib->m_bSystem != FALSE) == (system != FALSE) && lib->m_hResource &&
            MiscFindString(lib->m_hResource, id))
            return lib->m_hResource;
    }
    return nullptr;
}

} // namespace

HINSTANCE AfxFindStringResourceHandle(UINT id)
{
    // A null current handle searches nothing here; LoadStringA would read it as the program.
    HINSTANCE current = AfxGetResourceHandle();
    if (current && MiscFindString(current, id))
        return current;
    if (HINSTANCE h = SearchChain(id, FALSE))
        return h;
    if (HINSTANCE h = SearchChain(id, TRUE))
        return h;
    Search search{id, nullptr};
    MiscForEachModule(SearchModule, &search);
    return search.found;
}

const char* AfxFindStringResource(UINT id)
{
    HINSTANCE h = AfxFindStringResourceHandle(id);
    return h ? MiscFindString(h, id) : nullptr;
}

void MiscResetModuleState()
{
    g_state.resourceSet = false;
    g_state.resource = nullptr;
}
