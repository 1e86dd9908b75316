// The settle loop: what Windows' message loop does before it waits for input. Posted messages
// first, then idle processing (the active modal window's WM_KICKIDLE, or the application's
// OnIdle, which sends the update-UI messages), then painting, round after round until nothing is
// left. Every limit is named in user.h and reported in MiscWindowSystemErrors when hit.
#include "window/wndsys.h"

#include <cstdio>

using namespace wndsys;

namespace {

const size_t kErrorListLimit = 100; // later errors are counted in the last entry only

int g_settleNesting = 0;

// One idle step; true when the idle side wants to be called again.
bool IdleOnce(LONG count)
{
    System& s = Sys();
    // A modal window runs its own loop: only the modal window hears of idle time (MFC's
    // RunModalLoop sends it WM_KICKIDLE), the application's OnIdle waits for the outer loop.
    if (!s.modalStack.empty()) {
        HWND modal = s.modalStack.back();
        if (!Find(modal))
            return false;
        return SendMessageA(modal, WM_KICKIDLE, MSGF_DIALOGBOX, count) != 0;
    }
    return s.idle && s.idle(count);
}

// Idle processing until the idle side is done or a message arrives.
void RunIdle()
{
    System& s = Sys();
    for (LONG count = 0;; ++count) {
        if (count >= MISC_IDLE_CALL_LIMIT) {
            WindowSystemError("idle processing still wanted more time after MISC_IDLE_CALL_LIMIT calls");
            return;
        }
        if (!IdleOnce(count) || !s.queue.empty())
            return;
    }
}

} // namespace

namespace wndsys {

std::string Describe(HWND hwnd)
{
    char text[160];
    WndRec* w = Find(hwnd);
    std::snprintf(text, sizeof(text), "%s %p", w && w->cls ? w->cls->name.c_str() : "window",
                  static_cast<void*>(hwnd));
    return text;
}

void WindowSystemError(const std::string& what)
{
    auto& errors = Sys().errors;
    if (errors.size() < kErrorListLimit)
        errors.push_back(what);
    else if (errors.size() == kErrorListLimit)
        errors.push_back("(more window system errors were left out)");
}

int Settle(const std::function<bool()>& stop)
{
    System& s = Sys();
    if (g_settleNesting >= MISC_SETTLE_NESTING_LIMIT) {
        WindowSystemError("settle loops nested deeper than MISC_SETTLE_NESTING_LIMIT");
        return 0;
    }
    ++g_settleNesting;
    int steps = 0;
    int messages = 0;
    bool idleDue = true; // idle runs once after every burst of messages, as in MFC's loop
    for (int round = 0;; ++round) {
        if (round >= MISC_SETTLE_ROUND_LIMIT) {
            HWND busy = FindWindowToPaint(nullptr);
            WindowSystemError("settle gave up after MISC_SETTLE_ROUND_LIMIT rounds" +
                              (busy ? " (" + Describe(busy) + " keeps invalidating itself)" : std::string()));
            break;
        }
        while (!(stop && stop()) && PumpOne()) {
            ++steps;
            idleDue = true;
            if (++messages >= MISC_SETTLE_MESSAGE_LIMIT) {
                WindowSystemError("settle gave up after MISC_SETTLE_MESSAGE_LIMIT messages (a window keeps posting)");
                --g_settleNesting;
                return steps;
            }
        }
        if (stop && stop())
            break;
        if (idleDue) {
            idleDue = false;
            RunIdle();
            if (!s.queue.empty())
                continue;
        }
        steps += PaintPending(nullptr);
        if (s.queue.empty() && !FindWindowToPaint(nullptr))
            break;
    }
    --g_settleNesting;
    return steps;
}

} // namespace wndsys

int MiscSettle() { return Settle(nullptr); }

std::vector<std::string> MiscWindowSystemErrors() { return Sys().errors; }
void MiscClearWindowSystemErrors() { Sys().errors.clear(); }
