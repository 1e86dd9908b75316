#pragma once
// The scripted user of the headless window system.
//
// Whenever a modal window opens (a dialog run with DoModal or DialogBox, a message box, a file or
// folder chooser) the window system first lets it initialise and paint, and then hands it to the
// modal handler, which acts on it the way a person would: reads and types into its controls,
// clicks buttons, presses keys, answers a chooser, closes it. When the handler returns, the queued
// messages are dispatched; a window still open then can never close, so it is closed as failed:
// a dialog returns -1, a chooser answers Cancel, and an error is recorded (MiscModalErrors) for
// the test to assert. With MISC_MODAL_ABORT=1 in the environment the process aborts instead.
//
// Message boxes are first offered to the message box handler of win32/msgbox.h (which returns
// the button to press); only when none is installed do they reach the modal handler. Without
// either, a box answers its default button, as win32/msgbox.h describes.
//
// MiscScriptedUser is the convenient form: a list of expected modal windows, each with what to do,
// checked off in order, that reports the ones that never appeared and the ones nobody expected.
//
// Besides the actions below, a script reaches any control, list entry, tab or menu item through
// the automation layer (win32/automation.h: MiscFindControl, MiscElement and its verbs, with
// modifier keys held), and lets time pass with MiscAdvanceClock (win32/base.h), which fires the
// timers that fall due.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The kinds of modal window the platform opens. A toolkit control that runs a modal window of its
// own gives it the kind Other and a name (MiscModal::kindName) registered once with
// MiscRegisterModalKind, so that scripts can expect it by that name.
enum class MiscModalKind { Dialog, MessageBox, FileOpen, FileSave, Folder, PopupMenu, ColorChooser, PropertySheet, Other };

struct MiscModal {
    MiscModalKind kind = MiscModalKind::Dialog;
    HWND hwnd = nullptr;      // the open window (dialogs and message boxes); null for choosers
    UINT templateId = 0;      // the dialog template number; 0 for windows built without one
    std::string caption;      // the window's title, or the chooser's title
    std::string text;         // the message box text
    UINT type = 0;            // the message box flags (MB_*)
    // File and folder choosers: what the program asked for.
    std::string initialDir;
    std::string fileName;
    std::string filter;       // "Text (*.txt)|*.txt|" as given, '|' separated
    std::string defExt;
    DWORD flags = 0;          // OFN_* or BIF_*
    // The scripted user's answer to a chooser: a path; unanswered (or empty) means Cancel.
    std::string answer;
    bool answered = false;

    std::string kindName;     // kind Other: the registered name of the kind

    // "dialog", "message box", "pop-up menu", ... or the registered name of an Other kind.
    std::string KindName() const;
    std::string Describe() const; // "dialog 466 'Comment'" and the like, for messages
};

// Makes a kind of modal window known by name (a toolkit control calls this at its start-up).
// Registering a name twice, or a built-in kind's name, does no harm; names outlive
// MiscResetWindowSystem.
void MiscRegisterModalKind(const std::string& name);
// Whether a name is a built-in kind's ("dialog", "message box", "file open chooser", "file save
// chooser", "folder chooser", "pop-up menu", "colour chooser", "property sheet") or a registered one.
bool MiscIsModalKind(const std::string& name);

using MiscModalHandler = std::function<void(MiscModal&)>;
// Installs the modal handler (an empty one removes it); returns the previous one.
MiscModalHandler MiscSetModalHandler(MiscModalHandler handler);

// Modal windows that nobody closed, described, in order; and clearing that list.
std::vector<std::string> MiscModalErrors();
void MiscClearModalErrors();

// The innermost modal window open now (the one a handler is acting on), or null.
HWND MiscActiveModal();

// ---- Acting on an open window, as a user would ----
// Short forms of the automation layer's verbs (win32/automation.h) for a dialog's direct
// controls; each acts with mouse or key input and settles. FALSE when there is no such control,
// or it is hidden or disabled.
// Clicks a control at its centre.
BOOL MiscClickButton(HWND dialog, int id);
// Focuses an edit (or the edit of a combo box) as Tab would, which selects its text, and types
// the text over it; a drop-down list chooses the entry with that text.
BOOL MiscSetControlText(HWND dialog, int id, const char* text);
std::string MiscGetControlText(HWND dialog, int id);
// Clicks a check box until it shows `state` (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
BOOL MiscSetCheck(HWND dialog, int id, UINT state);
// Chooses entry `index` of a list box, combo box (dropping it down), list view or tab control,
// with the notifications a user's choice sends. A track bar has its thumb dragged to position
// `index`; an up-down control has its up arrow (non-zero index) or down arrow (0) clicked.
BOOL MiscSelectItem(HWND dialog, int id, int index);
// The entry whose whole text is `text`, in any case.
BOOL MiscSelectString(HWND dialog, int id, const char* text);
// Presses and releases a key at the focus window.
void MiscPressKey(int vk);
// Clicks the window's close box (WM_SYSCOMMAND SC_CLOSE).
BOOL MiscCloseWindow(HWND hwnd);

// ---- Expected modal windows ----
class MiscScriptedUser {
public:
    using Action = std::function<void(MiscModal&)>;

    // Installs itself as modal handler and message box handler; the destructor puts the previous
    // handlers back.
    MiscScriptedUser();
    ~MiscScriptedUser();
    MiscScriptedUser(const MiscScriptedUser&) = delete;
    MiscScriptedUser& operator=(const MiscScriptedUser&) = delete;

    // The next modal window must be this dialog (by template number, or by caption); the action
    // runs on it. An action that leaves the dialog open lets it fail (see above).
    MiscScriptedUser& ExpectDialog(UINT templateId, Action action);
    MiscScriptedUser& ExpectDialogCaption(const std::string& caption, Action action);
    // The next modal window must be a message box (whose text contains `textPart` when given);
    // it is answered with `button` (IDOK, IDYES, ...).
    MiscScriptedUser& ExpectMessageBox(int button, const std::string& textPart = std::string());
    // The next modal window must be a file chooser (open or save) or folder chooser; it answers
    // `path`, or Cancel when the path is empty.
    MiscScriptedUser& ExpectFileOpen(const std::string& path);
    MiscScriptedUser& ExpectFileSave(const std::string& path);
    MiscScriptedUser& ExpectFolder(const std::string& path);

    // The general form: the next modal window must be of this kind (by the enum, or by name for
    // registered kinds) and satisfy `matcher` (an empty matcher takes any); the action runs on it
    // (for a message box, before its default button would be pressed; for a chooser, it sets
    // MiscModal::answer). `description` names the expectation in reports. Expecting an unknown
    // kind name is reported by Pending() at once.
    using Matcher = std::function<bool(const MiscModal&)>;
    MiscScriptedUser& Expect(MiscModalKind kind, Matcher matcher, Action action, const std::string& description = std::string());
    MiscScriptedUser& Expect(const std::string& kindName, Matcher matcher, Action action,
                             const std::string& description = std::string());

    // Expectations not met yet, described.
    std::vector<std::string> Pending() const;
    // Modal windows that came when something else (or nothing) was expected, described.
    std::vector<std::string> Unexpected() const;
    // Every modal window seen, described, in order.
    std::vector<std::string> Seen() const;
    bool AllDone() const { return Pending().empty() && Unexpected().empty(); }
    // Both lists as one text for a test's failure message: "never came: ...", "unexpected: ...",
    // one per line; empty when all is done.
    std::string Report() const;

private:
    struct State;
    std::shared_ptr<State> m_state;
};

// ---- Several files at once ----
// A file chooser's answer naming several files (for a chooser opened with OFN_ALLOWMULTISELECT):
// the paths joined by NUL characters. Give it to ExpectFileOpen or set MiscModal::answer to it.
inline std::string MiscFileAnswers(const std::vector<std::string>& paths)
{
    std::string answer;
    for (const std::string& path : paths) {
        if (!answer.empty())
            answer.push_back('\0');
        answer += path;
    }
    return answer;
}

MISC_PUBLIC_END
