#pragma once
// Dialog state kept with every window of the dialog class "#32770", and the modal loop shared by
// DialogBox, message boxes and MFC's RunModalLoop.
#include <functional>
#include <string>

#include "win32/module.h"
#include "win32/script.h"
#include "window/wndsys.h"

namespace wndsys {

struct DialogRec {
    DLGPROC proc = nullptr;
    INT_PTR result = 0;
    bool ended = false;
    UINT templateId = 0;
    HFONT font = nullptr;
    bool ownFont = false;
    int baseX = 0; // average character width of the dialog font (dialog unit x = baseX / 4)
    int baseY = 0; // character height (dialog unit y = baseY / 8)
    int defId = IDOK;
    HWND focusSave = nullptr;
};

// The dialog state of a window of the dialog class, or null.
DialogRec* DialogOf(HWND hwnd);
// Attaches dialog state to any window (the dialog class does this at WM_NCCREATE).
DialogRec* EnsureDialog(HWND hwnd);

// Average character size of a font as Windows measures it for dialog units.
SIZE DialogBaseUnits(HFONT font);

// Runs the modal loop of an open window: shows it to the scripted user, dispatches queued messages
// until `ended` says the window is done, and returns false (after recording the error) when it
// cannot end because nobody closed it. A WM_QUIT also ends the loop (returning true; the quit is
// kept for the outer loop).
bool RunModal(HWND hwnd, MiscModal& info, const std::function<bool()>& ended);
// Makes hwnd the active modal window (MiscActiveModal) for the scope's life.
class ModalScope {
public:
    explicit ModalScope(HWND hwnd);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

// Records a modal failure (and aborts when MISC_MODAL_ABORT=1).
void ModalFailure(const std::string& what);
// The modal handler installed now (may be empty).
MiscModalHandler CurrentModalHandler();

// Control creation for dialog templates (dlgcreate.cpp).
HWND CreateDialogFromTemplate(HINSTANCE instance, const MiscResDialog* tmpl, HWND owner, DLGPROC proc,
                              LPARAM param, bool forModal);

} // namespace wndsys

namespace wndsys {
// Makes MessageBoxA show its boxes as modal windows of the window system (msgboxwnd.cpp); called
// by MiscStartWindowSystem.
void InstallMessageBoxWindows();
} // namespace wndsys
