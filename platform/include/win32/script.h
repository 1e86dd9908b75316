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
// Besides the actions below, a script holds modifier keys with MiscSetKeyState(VK_CONTROL, TRUE)
// (win32/user.h), sends mouse and key input with MiscSendMouse / MiscSendKey / MiscTypeText, and
// lets time pass with MiscAdvanceClock (win32/base.h), which fires the timers that fall due.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

enum class MiscModalKind { Dialog, MessageBox, FileOpen, FileSave, Folder, PopupMenu, ColorChooser, PropertySheet };

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

    std::string Describe() const; // "dialog 466 'Comment'" and the like, for messages
};

using MiscModalHandler = std::function<void(MiscModal&)>;
// Installs the modal handler (an empty one removes it); returns the previous one.
MiscModalHandler MiscSetModalHandler(MiscModalHandler handler);

// Modal windows that nobody closed, described, in order; and clearing that list.
std::vector<std::string> MiscModalErrors();
void MiscClearModalErrors();

// The innermost modal window open now (the one a handler is acting on), or null.
HWND MiscActiveModal();

// ---- Acting on an open window, as a user would ----
// Clicks a control (push buttons, check boxes, radio buttons: BM_CLICK). FALSE when there is no
// such control or it is disabled.
BOOL MiscClickButton(HWND dialog, int id);
// Focuses an edit (or the edit of a combo box), selects everything and types the text.
BOOL MiscSetControlText(HWND dialog, int id, const char* text);
std::string MiscGetControlText(HWND dialog, int id);
// Clicks a check box until it shows `state` (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
BOOL MiscSetCheck(HWND dialog, int id, UINT state);
// Selects an entry of a combo box or list box, with the notifications a user's choice sends.
BOOL MiscSelectItem(HWND dialog, int id, int index);
BOOL MiscSelectString(HWND dialog, int id, const char* text);
// Presses and releases a key at the focus window (win32/user.h MiscSendKey).
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

    // Expectations not met yet, described.
    std::vector<std::string> Pending() const;
    // Modal windows that came when something else (or nothing) was expected, described.
    std::vector<std::string> Unexpected() const;
    // Every modal window seen, described, in order.
    std::vector<std::string> Seen() const;
    bool AllDone() const { return Pending().empty() && Unexpected().empty(); }

private:
    struct State;
    std::shared_ptr<State> m_state;
};

MISC_PUBLIC_END
