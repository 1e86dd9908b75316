#pragma once
// Modules: a process-wide registry of loaded "libraries" by name (as Windows' loader knows them),
// each with its compiled resources. Names compare case-insensitively ("misc_res.dll").
#include "win32/types.h"
#include "win32/resdata.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Registers a module under a name and returns its handle; registering a name again returns the
// existing handle (and replaces nothing). `resources` may be null.
HMODULE MiscRegisterModule(const char* name, const MiscResourceTable* resources);
// Removes a module from the registry (tests use this to simulate a module that is not mapped).
void MiscUnregisterModule(const char* name);
// The resource table of a module, or null.
const MiscResourceTable* MiscModuleResources(HMODULE module);
// The registered name of a module ("misc_res.dll", or the executable's file name for the host
// program), or null for a handle that names no registered module.
const char* MiscModuleName(HMODULE module);
// Calls `visit` for every registered module in registration order (the host program first).
void MiscForEachModule(void (*visit)(HMODULE module, void* context), void* context);

// Win32: handle of a mapped module by name, or NULL (GetLastError = ERROR_MOD_NOT_FOUND).
// A null name gives the host program's own module.
HMODULE GetModuleHandleA(LPCSTR name);
// The host program's file is its full path (/proc/self/exe); other modules give their registered
// name. Copies at most size - 1 characters and a NUL; a name that does not fit is truncated and
// the result is size (ERROR_INSUFFICIENT_BUFFER), as Windows does. 0 for an unknown module.
DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);

// Win32 LoadStringA: copies string `id` of `module` into buffer (at most size - 1 characters and
// a NUL); returns the characters copied, 0 when the string is missing.
int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size);

// Lookups of compiled resources in one module; null when missing.
const char* MiscFindString(HMODULE module, UINT id);
const MiscResDialog* MiscFindDialog(HMODULE module, UINT id);
const MiscResMenu* MiscFindMenu(HMODULE module, UINT id);
const MiscResBlob* MiscFindBitmap(HMODULE module, UINT id);
const MiscResBlob* MiscFindIcon(HMODULE module, UINT id);
const MiscResAccelTable* MiscFindAccelerators(HMODULE module, UINT id);
const MiscResDlgInit* MiscFindDlgInit(HMODULE module, UINT id);
const MiscResToolBar* MiscFindToolBar(HMODULE module, UINT id);
const MiscResBlob* MiscFindCursor(HMODULE module, UINT id);

// Library entry reasons (the loader's calls of a library's entry function).
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L

// Forgets the resource module chosen with AfxSetResourceHandle (part of MiscResetPlatform).
// Registered modules and extension libraries stay: they live as long as the process.
void MiscResetModuleState();
MISC_PUBLIC_END
