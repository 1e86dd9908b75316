#pragma once
// The looks built into the window system besides the classic default.
#include "win32/theme.h"

namespace theme {

// A flat, shaded Office-style look in blue and orange.
std::unique_ptr<MiscTheme> MakeOffice2003();

} // namespace theme
