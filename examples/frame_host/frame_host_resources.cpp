// The sample host frame's own resource module: its script frame_host.rc is compiled at build
// time into g_frameHostResources and registered here under "frame_host.dll".
#include "frame_host/frame_host.h"

extern const MiscResourceTable g_frameHostResources;

namespace sample {

void RegisterFrameHostResources()
{
    if (!GetModuleHandleA("frame_host.dll"))
        MiscRegisterModule("frame_host.dll", &g_frameHostResources);
}

} // namespace sample
