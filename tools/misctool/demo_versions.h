#pragma once
// The demo's second road: a document saved with its version history (demo_versions.cpp).
#include <string>

#include "commands.h"

namespace misctool {

// Prints each step; with outDir, writes the document and a PNG of each dialog there.
int DemoVersions(Context& ctx, const std::string& outDir);

} // namespace misctool
