// The window system's start-up: the one place that connects its layers to the platform's
// lower parts at run time.
#include "win32/startup.h"

#include "dialog/dlgsys.h"

void MiscStartWindowSystem()
{
    wndsys::InstallMessageBoxWindows();
}
