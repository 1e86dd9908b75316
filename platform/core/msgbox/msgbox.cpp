// Message boxes: the record of every box, the scripted-user handler and the default answers.
#include "win32/msgbox.h"

#include "mfc/module.h"
#include "win32/module.h"

#include <mutex>

namespace {

struct MessageBoxState {
    std::mutex mutex;
    MiscMessageBoxHandler handler;
    MiscMessageBoxBackend backend;
    std::vector<MiscMessageBoxRequest> log;
    int beeps = 0;
    bool titleSet = false;
    std::string title;
};

MessageBoxState& State()
{
    static MessageBoxState* state = new MessageBoxState;
    return *state;
}

int DefaultBackend(const MiscMessageBoxRequest& request)
{
    MiscMessageBoxHandler handler = MiscGetMessageBoxHandler();
    if (handler)
        return handler(request);
    return MiscMessageBoxDefaultButton(request.type);
}

std::string ProgramName()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string name(path, n < sizeof(path) ? n : 0);
    size_t slash = name.find_last_of('/');
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

} // namespace

MiscMessageBoxHandler MiscSetMessageBoxHandler(MiscMessageBoxHandler handler)
{
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    std::swap(s.handler, handler);
    return handler;
}

MiscMessageBoxHandler MiscGetMessageBoxHandler()
{
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.handler;
}

MiscMessageBoxBackend MiscSetMessageBoxBackend(MiscMessageBoxBackend backend)
{
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    std::swap(s.backend, backend);
    return backend;
}

std::vector<MiscMessageBoxRequest> MiscMessageBoxLog()
{
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.log;
}

void MiscClearMessageBoxLog()
{
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.log.clear();
    s.beeps = 0;
}

std::vector<int> MiscMessageBoxButtons(UINT type)
{
    std::vector<int> buttons;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: buttons = {IDOK, IDCANCEL}; break;
    case MB_ABORTRETRYIGNORE: buttons = {IDABORT, IDRETRY, IDIGNORE}; break;
    case MB_YESNOCANCEL: buttons = {IDYES, IDNO, IDCANCEL}; break;
    case MB_YESNO: buttons = {IDYES, IDNO}; break;
    case MB_RETRYCANCEL: buttons = {IDRETRY, IDCANCEL}; break;
    case MB_CANCELTRYCONTINUE: buttons = {IDCANCEL, IDTRYAGAIN, IDCONTINUE}; break;
    default: buttons = {IDOK}; break; // MB_OK and unknown types
    }
    if (type & MB_HELP)
        buttons.push_back(IDHELP);
    return buttons;
}

int MiscMessageBoxDefaultButton(UINT type)
{
    std::vector<int> buttons = MiscMessageBoxButtons(type);
    size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

void MiscSetAppTitle(LPCSTR title)
{
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.title = title ? title : "";
    s.titleSet = title != nullptr;
}

std::string MiscGetAppTitle()
{
    {
        MessageBoxState& s = State();
        std::lock_guard<std::mutex> lock(s.mutex);
        if (s.titleSet)
            return s.title;
    }
    return ProgramName();
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    MiscMessageBoxRequest request;
    request.owner = owner;
    request.text = text ? text : "";
    request.caption = caption ? caption : "Error";
    request.type = type;
    MiscMessageBoxBackend backend;
    {
        MessageBoxState& s = State();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.log.push_back(request);
        backend = s.backend;
    }
    // The lock is not held while the box is up: a handler may itself show boxes.
    return backend ? backend(request) : DefaultBackend(request);
}

BOOL MessageBeep(UINT type)
{
    (void)type;
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    ++s.beeps;
    return TRUE;
}

int MiscMessageBeepCount()
{
    MessageBoxState& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.beeps;
}

int AfxMessageBox(LPCSTR text, UINT type, UINT helpId)
{
    (void)helpId;
    std::string title = MiscGetAppTitle();
    return MessageBoxA(nullptr, text, title.c_str(), type);
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId)
{
    const char* text = AfxFindStringResource(stringId);
    return AfxMessageBox(text ? text : "", type, helpId);
}
