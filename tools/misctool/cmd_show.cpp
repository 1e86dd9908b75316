// misctool show: one gallery entry on the display, run until the person closes it; then how it
// was closed and the value of every control, so that a script can see what the person did.
#include <windows.h>
#include <afxwin.h>

#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "gallery.h"
#include "win32/display.h"

namespace misctool {

namespace {

std::ostream* g_out = nullptr;
std::ostream* g_err = nullptr;

std::string ResultName(INT_PTR result)
{
    switch (result) {
    case IDOK: return "IDOK";
    case IDCANCEL: return "IDCANCEL";
    case IDABORT: return "IDABORT";
    case IDRETRY: return "IDRETRY";
    case IDIGNORE: return "IDIGNORE";
    case IDYES: return "IDYES";
    case IDNO: return "IDNO";
    default: return std::to_string(static_cast<long long>(result));
    }
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

std::string WindowText(HWND hwnd)
{
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

// What a person reads as the control's value: the text of edits and combo boxes, the chosen
// entry of a list box, the check state of check boxes and radio buttons, the position of track
// bars; the window text of everything else.
std::string ControlValue(HWND control)
{
    std::string cls = ClassOf(control);
    if (cls == "ListBox") {
        LRESULT sel = SendMessageA(control, LB_GETCURSEL, 0, 0);
        LRESULT length = sel == LB_ERR ? LB_ERR : SendMessageA(control, LB_GETTEXTLEN, sel, 0);
        if (length == LB_ERR || length < 0 || length > 4096)
            return "";
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(control, LB_GETTEXT, sel, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }
    if (cls == "Button") {
        LONG type = GetWindowLongA(control, GWL_STYLE) & 0x0F;
        bool checkable = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                         type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        if (checkable)
            return std::to_string(SendMessageA(control, BM_GETCHECK, 0, 0));
    }
    if (cls == "msctls_trackbar32")
        return std::to_string(SendMessageA(control, TBM_GETPOS, 0, 0));
    return WindowText(control);
}

void PrintControls(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        *g_out << GetDlgCtrlID(child) << " " << ControlValue(child) << "\n";
}

// Where the window and its controls stand on the desktop, for scripts that click them.
void PrintLayout(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    *g_err << "layout window " << r.left << " " << r.top << " " << r.right << " " << r.bottom << "\n";
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        GetWindowRect(child, &r);
        *g_err << "layout " << GetDlgCtrlID(child) << " " << r.left << " " << r.top << " " << r.right << " "
               << r.bottom;
        if (ClassOf(child) == "ListBox") // where its entries stand
            *g_err << " " << SendMessageA(child, LB_GETITEMHEIGHT, 0, 0);
        *g_err << "\n";
    }
    g_err->flush();
}

bool ShowUntilClosed(HWND window, std::string& error)
{
    if (!IsWindow(window)) {
        error = "the entry made no window to show";
        return false;
    }
    ShowWindow(window, SW_SHOW);
    SetActiveWindow(window);
    MiscSettle();
    PrintLayout(window);
    auto ended = [window] {
        return !IsWindow(window) || !IsWindowVisible(window) || MiscDialogResult(window, nullptr);
    };
    if (!MiscDisplayRun(ended) && IsWindow(window)) {
        // The person closed the desktop: the window is closed as its close box would.
        PostMessageA(window, WM_CLOSE, 0, 0);
        MiscSettle();
    }
    INT_PTR result = 0;
    if (IsWindow(window) && MiscDialogResult(window, &result))
        *g_out << ResultName(result) << "\n";
    else
        *g_out << "CLOSED\n";
    if (IsWindow(window))
        PrintControls(window);
    return true;
}

int RunShow(Context& ctx, const std::vector<std::string>& args)
{
    std::string name;
    ArgParser parser;
    parser.Positional("ENTRY", &name);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    GalleryFunction entry = FindGalleryEntry(name);
    if (!entry)
        return BadUsage(ctx, "no gallery entry is called " + name + " (misctool gallery --list shows them)");
    if (!MiscDisplayActive() && !MiscStartDisplay("sdl"))
        return Fail(ctx, std::string("no display: ") + MiscDisplayError());
    g_out = &ctx.out;
    g_err = &ctx.err;
    SetShowHook(&ShowUntilClosed);
    MiscResetPlatform();
    std::string error;
    bool ok = entry("", error);
    SetShowHook(nullptr);
    MiscResetPlatform();
    MiscStopDisplay();
    return ok ? kExitOk : Fail(ctx, error);
}

} // namespace

const Command& ShowCommand()
{
    static const Command command{
        "show", "Show a gallery entry on the display until it is closed", "ENTRY",
        "Opens the window of a gallery entry (misctool gallery --list names them) on the display\n"
        "(MISC_DISPLAY, default sdl) and runs it until the person closes it. Then prints how it was\n"
        "closed (IDOK, IDCANCEL, ... or CLOSED) and one line per control: its identifier and its\n"
        "text or value. Where the window and its controls stand is written to stderr as 'layout'\n"
        "lines when it opens.",
        &RunShow};
    return command;
}

} // namespace misctool
