// Library start-up: the library entry, the explicit attach that stands for the loader, and
// InitMiscDLL.
#include "misc/frame/startup.h"

#include <new>

#include "win32/startup.h"

namespace {

AFX_EXTENSION_MODULE g_miscDLL;
HMODULE g_module = nullptr;

bool g_attachTried = false;

} // namespace

// The loader's part, as one explicit call: start what the library imports (the window system,
// the resource module), then map the library under its module name and call its entry. A
// library whose entry refuses the attach is not loaded. Only the first call in a process does
// this.
BOOL MiscAttachLibrary()
{
    if (!g_attachTried) {
        g_attachTried = true;
        MiscStartWindowSystem();
        MiscResAttach();
        g_module = MiscRegisterModule("misc.dll", nullptr);
        if (!MiscDllMain(g_module, DLL_PROCESS_ATTACH, nullptr)) {
            MiscUnregisterModule("misc.dll");
            g_module = nullptr;
        }
    }
    return g_module ? TRUE : FALSE;
}

void MiscDetachLibrary()
{
    if (g_module)
        MiscDllMain(g_module, DLL_PROCESS_DETACH, nullptr);
}

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
    // A host that never attached the library explicitly gets it attached here.
    MiscAttachLibrary();
    InitMiscResDLL();
    HINSTANCE resources = GetModuleHandleA("misc_res.dll");
    if (!resources)
        resources = GetModuleHandleA("misc.dll");
    AfxSetResourceHandle(resources);
}

const AFX_EXTENSION_MODULE& MiscGetExtensionModule() { return g_miscDLL; }
