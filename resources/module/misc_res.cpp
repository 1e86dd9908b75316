// The resource module's entry: registers the compiled resource table under "misc_res.dll" when
// the module is loaded, as the loader maps a resource library.
#include "misc/resources.h"

#include <atomic>

#include "win32/module.h"

// Defined in the source that misc_rc generates from misc_res.rc.
extern const MiscResourceTable g_miscResourceTable;

namespace {

std::atomic<int> g_initCount{0};

__attribute__((constructor)) void MiscResAttach() { MiscRegisterModule("misc_res.dll", &g_miscResourceTable); }

} // namespace

void InitMiscResDLL() { ++g_initCount; }

int MiscResInitCount() { return g_initCount.load(); }
