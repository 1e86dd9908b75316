#pragma once
// The resource module misc_res ("misc_res.dll"): the library's string tables, dialog templates,
// menus, bitmaps and icons, registered under that name by MiscResAttach.

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Maps the resource module into the process: registers its tables under "misc_res.dll", as the
// loader maps a resource library; nothing when a module of that name is registered already. The
// library's start-up (MiscAttachLibrary) calls it; a program that uses the resource module
// without the library calls it itself, and so can a test after resetting the platform's modules.
void MiscResAttach();

// The resource module's initialisation, called by InitMiscDLL. It has nothing to prepare beyond
// what loading did; it counts its calls.
void InitMiscResDLL();

// How many times InitMiscResDLL has run in this process.
int MiscResInitCount();

MISC_PUBLIC_END
