#pragma once
// Small kernel functions every layer uses.
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// (a * b) / c with 64-bit intermediate, rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// The calling thread's last error code.
DWORD GetLastError();
void SetLastError(DWORD code);

// Milliseconds on the platform's virtual clock (see MiscClockNow).
DWORD GetTickCount();
void GetLocalTime(LPSYSTEMTIME time);
void GetSystemTime(LPSYSTEMTIME time);

// The virtual clock of the headless window system. Time does not pass by itself: tests, tools and
// a display backend move it forward with MiscAdvanceClock, which fires every timer that falls due
// in time order (each sees the clock at its own due time) before the clock reaches its target.
// The clock starts at MISC_CLOCK_START so that code treating a tick count of 0 as "unset" works.
#define MISC_CLOCK_START 100000u
DWORD MiscClockNow();
void MiscAdvanceClock(DWORD ms);
// The window system's timer service: called by MiscAdvanceClock with the target time; it fires
// due timers (setting the clock to each due time with MiscSetClockNow) and returns. Null removes.
typedef void (*MiscClockListener)(DWORD target);
void MiscSetClockListener(MiscClockListener listener);
// Moves the clock to `now` if that is later than the current time (never backwards).
void MiscSetClockNow(DWORD now);

// Sets the clock back to MISC_CLOCK_START (part of MiscResetPlatform; the listener stays).
void MiscResetClock();
MISC_PUBLIC_END
