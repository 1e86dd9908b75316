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

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The library entry. Process attach: initialises the library's extension-module record with
// `instance` (FALSE, and the load fails, when that fails) and enters the library into the
// extension-library chain as a non-system library. Every other reason: TRUE, nothing done.
// MiscAttachLibrary calls it for the module "misc.dll".
BOOL WINAPI MiscDllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

// What the loader does when a host loads the library, as an explicit start-up call (nothing
// registers itself before main): starts the window system (MiscStartWindowSystem), maps the
// resource module (MiscResAttach), registers the library as "misc.dll" and calls its entry with
// process attach. Only the first call in a
// process acts; every call returns whether the library is attached. InitMiscDLL calls it, so a
// host that calls InitMiscDLL first needs nothing else.
BOOL MiscAttachLibrary();
// Calls the library entry with process detach (which does nothing), for hosts that model the
// unload. The library stays registered.
void MiscDetachLibrary();

// Attaches the library when that has not happened (MiscAttachLibrary), calls InitMiscResDLL and
// makes the resource module the current resource module of the calling module state (the
// library's own module when the resource module is not mapped). The previous handle is not kept.
extern "C" void WINAPI InitMiscDLL();

// The library's extension-module record, as the library entry filled it.
const AFX_EXTENSION_MODULE& MiscGetExtensionModule();

MISC_PUBLIC_END
