// The virtual clock. One user-interface thread drives it; GetTickCount reads it.
#include "win32/base.h"

namespace {
struct ClockState {
    DWORD now = MISC_CLOCK_START;
    MiscClockListener listener = nullptr;
    bool advancing = false;
};

ClockState& Clock()
{
    static ClockState state;
    return state;
}
} // namespace

DWORD MiscClockNow() { return Clock().now; }
DWORD GetTickCount() { return Clock().now; }

void MiscSetClockNow(DWORD now)
{
    // Compare as a difference so the clock survives the 49.7-day wrap like Windows' tick count.
    if (static_cast<int32_t>(now - Clock().now) > 0)
        Clock().now = now;
}

void MiscSetClockListener(MiscClockListener listener) { Clock().listener = listener; }

void MiscAdvanceClock(DWORD ms)
{
    ClockState& clock = Clock();
    DWORD target = clock.now + ms;
    // A timer handler that advances the clock itself only moves the target of the outer call
    // forward; it does not re-enter the listener.
    if (clock.listener && !clock.advancing) {
        clock.advancing = true;
        clock.listener(target);
        clock.advancing = false;
    }
    MiscSetClockNow(target);
}

void MiscResetClock() { Clock().now = MISC_CLOCK_START; }
