#pragma once
// Message sequences for the window tests, in the manner of Wine's message tests: a window class
// whose procedure records every message, and tables of expected sequences with optional entries.
#include <string>
#include <vector>

#include <windows.h>

namespace msgtest {

struct Logged {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

enum Flags {
    kSelf = 0,        // to the window under test
    kParent = 1,      // to its parent
    kChild = 2,       // to its child
    kOptional = 4,    // may be missing
    kWParam = 8,      // wParam must match
};

struct Expected {
    UINT msg;
    int flags = kSelf;
    WPARAM wParam = 0;
};

// The recording class "MiscTestRecorder": every message is logged and then handled by
// DefWindowProc (or by the hook when one is set and returns true).
class Recorder {
public:
    Recorder();
    ~Recorder();
    static Recorder& Current();
    void Clear() { m_log.clear(); }
    const std::vector<Logged>& Log() const { return m_log; }
    // Messages of this window only.
    std::vector<UINT> MessagesOf(HWND hwnd) const;
    // Answers for a message instead of DefWindowProc.
    using Hook = bool (*)(HWND, UINT, WPARAM, LPARAM, LRESULT*);
    void SetHook(Hook hook) { m_hook = hook; }
    // Compares the log with a table; empty when it matches, else both sequences by name.
    std::string Compare(const std::vector<Expected>& want, HWND self, HWND parent, HWND child = nullptr) const;

    static const char* ClassName() { return "MiscTestRecorder"; }
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);

private:
    std::vector<Logged> m_log;
    Hook m_hook = nullptr;
};

std::string Name(UINT msg);

} // namespace msgtest
