// Library start-up: the library entry, its registration at load time, and InitMiscDLL.
#include "misc/frame/startup.h"

#include <new>

namespace {

AFX_EXTENSION_MODULE g_miscDLL;
HMODULE g_module = nullptr;

// The loader's part: map the library under its module name and call its entry. A library whose
// entry refuses the attach is not loaded.
__attribute__((constructor)) void MiscLibraryLoad()
{
    g_module = MiscRegisterModule("misc.dll", nullptr);
    if (!MiscDllMain(g_module, DLL_PROCESS_ATTACH, nullptr)) {
        MiscUnregisterModule("misc.dll");
        g_module = nullptr;
    }
}

__attribute__((destructor)) void MiscLibraryUnload()
{
    if (g_module)
        MiscDllMain(g_module, DLL_PROCESS_DETACH, nullptr);
}

} // namespace

BOOL WINAPI MiscDllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_miscDLL, instance))
            return FALSE;
        // The link object lives as long as the process; a failed allocation is tolerated.
        new (std::nothrow) CDynLinkLibrary(g_miscDLL, FALSE);
    }
    // Thread attach and detach, process detach: nothing to do. The extension-module record is
    // deliberately not terminated at process detach.
    return TRUE;
}

extern "C" void WINAPI InitMiscDLL()
{
    InitMiscResDLL();
    HINSTANCE resources = GetModuleHandleA("misc_res.dll");
    if (!resources)
        resources = GetModuleHandleA("misc.dll");
    AfxSetResourceHandle(resources);
}

const AFX_EXTENSION_MODULE& MiscGetExtensionModule() { return g_miscDLL; }
