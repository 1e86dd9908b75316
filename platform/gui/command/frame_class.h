#pragma once
// The window classes of frames, views and the MDI client windows.
#include "win32/types.h"

namespace framecls {

// Registers class `name` (the default window procedure, an arrow cursor, the system colour
// `background` + 1 as its brush, `style`) unless it is registered already.
void EnsureClass(const char* name, int background, UINT style);

} // namespace framecls
