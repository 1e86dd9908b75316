#pragma once
// Registration of the toolkit's own window classes.
#include <memory>

#include "win32/automation.h"
#include "win32/types.h"

namespace xtpkit {

// Registers a class of the toolkit's windows: the default window procedure, an arrow cursor and
// `style`; with `provider`, the automation provider that describes its windows to tests and
// assistive tools. Answers true, so that a caller can keep it in a static and register once.
bool RegisterWindowClass(const char* name, UINT style, std::shared_ptr<MiscAutomationProvider> provider = nullptr);

} // namespace xtpkit
