// Timers on the virtual clock. A timer is due `elapse` ms after it was set or last fired; when the
// clock is advanced past due times the timers fire one by one in time order (ties in the order
// they were set), each with the clock standing at its due time, and never before it.
#include "window/wndsys.h"

#include <algorithm>

using namespace wndsys;

namespace {

const UINT kMinimumElapse = 10; // USER_TIMER_MINIMUM
const UINT kMaximumElapse = 0x7FFFFFFF;

bool DueBy(DWORD due, DWORD time) { return static_cast<int32_t>(time - due) >= 0; }

TimerRec* NextDue(DWORD target)
{
    TimerRec* best = nullptr;
    for (TimerRec& t : Sys().timers) {
        if (!DueBy(t.due, target))
            continue;
        if (!best || static_cast<int32_t>(t.due - best->due) < 0 ||
            (t.due == best->due && t.order < best->order))
            best = &t;
    }
    return best;
}

void FireDue(DWORD target)
{
    // The system settles before the clock moves and after every timer, so that what a timer
    // posts or invalidates is handled before the next one fires, as in Windows' loop (WM_TIMER
    // comes only when nothing else is waiting).
    Settle(nullptr);
    // A timer of 10 ms across a long advance fires many times; the guard only stops a handler
    // that keeps setting timers at the current time.
    for (long guard = 0;; ++guard) {
        if (guard >= MISC_TIMER_FIRE_LIMIT) {
            WindowSystemError("one clock advance fired MISC_TIMER_FIRE_LIMIT timers");
            return;
        }
        TimerRec* t = NextDue(target);
        if (!t)
            return;
        MiscSetClockNow(t->due);
        MSG msg{t->hwnd, WM_TIMER, t->id, reinterpret_cast<LPARAM>(t->proc), t->due, Sys().cursorPos};
        t->due = MiscClockNow() + t->elapse;
        t->order = ++Sys().timerOrder;
        if (msg.hwnd || msg.lParam)
            DispatchMessageA(&msg);
        Settle(nullptr);
    }
}

} // namespace

namespace wndsys {

void KillWindowTimers(HWND hwnd)
{
    auto& timers = Sys().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(), [hwnd](const TimerRec& t) { return t.hwnd == hwnd; }),
                 timers.end());
}

void EnsureTimerService() { MiscSetClockListener(&FireDue); }

} // namespace wndsys

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    if (hwnd && !Find(hwnd)) {
        SetLastError(1400);
        return 0;
    }
    EnsureStandardClasses(); // starts the timer service
    System& s = Sys();
    elapse = std::clamp(elapse, kMinimumElapse, kMaximumElapse);
    if (!hwnd) {
        // Thread timers get an identifier of their own unless an existing one is being reset.
        bool exists = std::any_of(s.timers.begin(), s.timers.end(),
                                  [id](const TimerRec& t) { return !t.hwnd && t.id == id; });
        if (!exists || id == 0) {
            UINT_PTR fresh = 0x7FF0;
            while (std::any_of(s.timers.begin(), s.timers.end(),
                               [fresh](const TimerRec& t) { return !t.hwnd && t.id == fresh; }))
                ++fresh;
            id = fresh;
        }
    }
    KillTimer(hwnd, id);
    s.timers.push_back(TimerRec{hwnd, id, elapse, proc, MiscClockNow() + elapse, ++s.timerOrder});
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    auto& timers = Sys().timers;
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const TimerRec& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers.end())
        return FALSE;
    timers.erase(it);
    return TRUE;
}
