// The modal loop and the scripted user's hands: the handler that receives every modal window,
// the record of modal windows nobody closed, and the actions a handler takes on a window.
#include "dialog/dlgsys.h"

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
    case MiscModalKind::Other: break;
    }
    return "modal window";
}

std::vector<std::string>& RegisteredKinds()
{
    static std::vector<std::string>* kinds = new std::vector<std::string>;
    return *kinds;
}

} // namespace

std::string MiscModal::KindName() const
{
    if (kind == MiscModalKind::Other)
        return kindName.empty() ? std::string("modal window") : kindName;
    return ::KindName(kind);
}

void MiscRegisterModalKind(const std::string& name)
{
    if (!name.empty() && !MiscIsModalKind(name))
        RegisteredKinds().push_back(name);
}

bool MiscIsModalKind(const std::string& name)
{
    for (int k = 0; k < static_cast<int>(MiscModalKind::Other); ++k)
        if (name == ::KindName(static_cast<MiscModalKind>(k)))
            return true;
    for (const std::string& known : RegisteredKinds())
        if (known == name)
            return true;
    return false;
}

std::string MiscModal::Describe() const
{
    std::string out = KindName();
    if (templateId)
        out.append(" ").append(std::to_string(templateId));
    out.append(" '").append(caption).append("'");
    if (kind == MiscModalKind::MessageBox)
        out.append(" \"").append(text).append("\"");
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
    // On a real desktop the person answers what the scripted user left open.
    if (!done() && DisplayWait())
        DisplayWait()(done);
    bool ok = done();
    if (!ok)
        ModalFailure(info.Describe() + (handler ? " was left open by the scripted user"
                                                : " opened with no scripted user to answer it"));
    return ok;
}

} // namespace wndsys
