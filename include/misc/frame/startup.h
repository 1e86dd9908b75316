#pragma once
// Library start-up: the library entry that the loader calls, and InitMiscDLL, which the host
// calls once before it uses any dialog, window or string of the library.
//
// Resources of the library live in the resource module "misc_res.dll" (misc/resources.h). Code
// that shows a dialog or loads a resource switches to it with the platform's resource scopes
// (mfc/resscope.h): CResourceSaver in dialog and window objects, CCallResourceScope around one
// call, CGuardedResourceScope for an explicit enter/leave pair.
#include <afx.h>

#include "misc/resources.h"

// The library entry. Process attach: initialises the library's extension-module record with
// `instance` (FALSE, and the load fails, when that fails) and enters the library into the
// extension-library chain as a non-system library. Every other reason: TRUE, nothing done.
// The loader calls it for the module "misc.dll" when the library is loaded.
BOOL WINAPI MiscDllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

// Makes the resource module the current resource module of the calling module state (the
// library's own module when the resource module is not mapped). The previous handle is not kept.
extern "C" void WINAPI InitMiscDLL();

// The library's extension-module record, as the library entry filled it.
const AFX_EXTENSION_MODULE& MiscGetExtensionModule();
