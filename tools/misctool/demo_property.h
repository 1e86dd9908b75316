#pragma once
// The demo's first typical request: showing the properties of a piece (demo_property.cpp).
#include <string>

#include "commands.h"

namespace misctool {

// Opens the sample host's piece dialog in create mode, lets a scripted person edit it, and prints
// each step, the host's variables before and after, the hooks the manager heard and the profile
// entries written. With outDir, a PNG of the dialog is written there after each step. The profile
// is a file of the demo's own (in outDir, or the temporary folder). kExitOk or kExitFailure.
int DemoPropertyRequest(Context& ctx, const std::string& outDir);

} // namespace misctool
