// The window system's start-up: the one place that connects its layers to the platform's
// lower parts at run time.
#include "win32/startup.h"

#include "dialog/dlgsys.h"
#include "win32/display.h"

#include <cstdio>

void MiscStartWindowSystem()
{
    wndsys::InstallMessageBoxWindows();
    // MISC_DISPLAY shows the windows on a real desktop; without one they stay headless.
    if (!MiscStartDisplayFromEnvironment())
        std::fprintf(stderr, "misc: no display, staying headless: %s\n", MiscDisplayError());
}
