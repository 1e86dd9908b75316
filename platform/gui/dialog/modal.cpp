// The modal loop and the scripted user's hands: the handler that receives every modal window,
// the record of modal windows nobody closed, and the actions a handler takes on a window.
#include "dialog/dlgsys.h"
#include "controls/ctlsys.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace wndsys;

namespace {

struct ModalState {
    MiscModalHandler handler;
    std::vector<std::string> errors;
};

ModalState& State()
{
    static ModalState* state = new ModalState;
    return *state;
}

const char* KindName(MiscModalKind kind)
{
    switch (kind) {
    case MiscModalKind::Dialog: return "dialog";
    case MiscModalKind::MessageBox: return "message box";
    case MiscModalKind::FileOpen: return "file open chooser";
    case MiscModalKind::FileSave: return "file save chooser";
    case MiscModalKind::Folder: return "folder chooser";
    case MiscModalKind::PopupMenu: return "pop-up menu";
    case MiscModalKind::ColorChooser: return "colour chooser";
    case MiscModalKind::PropertySheet: return "property sheet";
    }
    return "modal window";
}

} // namespace

std::string MiscModal::Describe() const
{
    std::string out = KindName(kind);
    if (templateId)
        out += " " + std::to_string(templateId);
    out += " '" + caption + "'";
    if (kind == MiscModalKind::MessageBox)
        out += " \"" + text + "\"";
    return out;
}

MiscModalHandler MiscSetModalHandler(MiscModalHandler handler)
{
    std::swap(State().handler, handler);
    return handler;
}

std::vector<std::string> MiscModalErrors() { return State().errors; }
void MiscClearModalErrors() { State().errors.clear(); }

HWND MiscActiveModal()
{
    const auto& stack = Sys().modalStack;
    return stack.empty() ? nullptr : stack.back();
}

namespace wndsys {

ModalScope::ModalScope(HWND hwnd) { Sys().modalStack.push_back(hwnd); }
ModalScope::~ModalScope()
{
    auto& stack = Sys().modalStack;
    if (!stack.empty()) // a reset inside the modal run may have emptied it
        stack.pop_back();
}

MiscModalHandler CurrentModalHandler() { return State().handler; }

void ModalFailure(const std::string& what)
{
    State().errors.push_back(what);
    const char* abortFlag = std::getenv("MISC_MODAL_ABORT");
    if (abortFlag && std::strcmp(abortFlag, "1") == 0) {
        std::fprintf(stderr, "misc: modal window failed: %s\n", what.c_str());
        std::abort();
    }
}

bool RunModal(HWND hwnd, MiscModal& info, const std::function<bool()>& ended)
{
    ModalState& s = State();
    ModalScope scope(hwnd);
    // The loop ends as soon as the window has ended (or a WM_QUIT waits): messages still queued
    // then belong to the loop outside.
    auto done = [&ended] { return ended() || Sys().quitPosted; };
    Settle(done); // the window is shown and painted before the scripted user looks at it
    MiscModalHandler handler = s.handler;
    if (handler && !done())
        handler(info);
    Settle(done);
    bool ok = done();
    if (!ok)
        ModalFailure(info.Describe() + (handler ? " was left open by the scripted user"
                                                : " opened with no scripted user to answer it"));
    return ok;
}

} // namespace wndsys

BOOL MiscClickButton(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item || !IsWindowEnabled(item) || !IsWindowVisible(item))
        return FALSE;
    SendMessageA(item, BM_CLICK, 0, 0);
    MiscPumpMessages();
    return TRUE;
}

BOOL MiscSetControlText(HWND dialog, int id, const char* text)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item || !IsWindowEnabled(item))
        return FALSE;
    HWND edit = item;
    char cls[32] = {0};
    GetClassNameA(item, cls, sizeof(cls));
    if (Upper(cls) == "COMBOBOX") {
        edit = GetWindow(item, GW_CHILD);
        if (!edit) {
            // A drop-down list has no edit: choosing is the only way to change its text.
            LRESULT index = SendMessageA(item, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
            return index >= 0 && MiscSelectItem(dialog, id, static_cast<int>(index));
        }
    }
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text ? text : ""));
    MiscPumpMessages();
    return TRUE;
}

std::string MiscGetControlText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item)
        return std::string();
    int length = GetWindowTextLengthA(item);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int n = GetWindowTextA(item, text.data(), length + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

BOOL MiscSetCheck(HWND dialog, int id, UINT state)
{
    for (int i = 0; i < 3; ++i) {
        if (IsDlgButtonChecked(dialog, id) == state)
            return TRUE;
        if (!MiscClickButton(dialog, id))
            return FALSE;
    }
    return IsDlgButtonChecked(dialog, id) == state;
}

BOOL MiscSelectItem(HWND dialog, int id, int index)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item || !IsWindowEnabled(item))
        return FALSE;
    BOOL ok = SendMessageA(item, MISCM_USERSELECT, static_cast<WPARAM>(index), 0) != 0;
    MiscPumpMessages();
    return ok;
}

BOOL MiscSelectString(HWND dialog, int id, const char* text)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item)
        return FALSE;
    char cls[32] = {0};
    GetClassNameA(item, cls, sizeof(cls));
    UINT find = Upper(cls) == "LISTBOX" ? LB_FINDSTRINGEXACT : CB_FINDSTRINGEXACT;
    LRESULT index = SendMessageA(item, find, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    return index >= 0 && MiscSelectItem(dialog, id, static_cast<int>(index));
}

void MiscPressKey(int vk) { MiscSendKey(vk, nullptr); }

BOOL MiscCloseWindow(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return FALSE;
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    MiscPumpMessages();
    return TRUE;
}
