// The resource module's entry points: its registration under "misc_res.dll" (what the loader
// does when it maps a resource library, made an explicit call) and InitMiscResDLL.
#include "misc/resources.h"

#include <atomic>

#include "win32/module.h"

// Defined in the source that misc_rc generates from misc_res.rc.
extern const MiscResourceTable g_miscResourceTable;

namespace {

std::atomic<int> g_initCount{0};

} // namespace

void MiscResAttach()
{
    // A module is mapped once: while "misc_res.dll" is registered, a further call changes
    // nothing (so a host or test that replaced the table keeps its own).
    if (!GetModuleHandleA("misc_res.dll"))
        MiscRegisterModule("misc_res.dll", &g_miscResourceTable);
}

void InitMiscResDLL() { ++g_initCount; }

int MiscResInitCount() { return g_initCount.load(); }
