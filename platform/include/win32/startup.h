#pragma once
// The platform's explicit start-up. Nothing in the platform registers itself before main; a
// program (or the library's MiscAttachLibrary) starts the window system once, as the loader
// initialises the window manager of a Windows program.
#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Starts the headless window system: from now on message boxes are modal windows of it (answered
// by the scripted user) instead of the console fallback. A second call changes nothing.
void MiscStartWindowSystem();

MISC_PUBLIC_END
