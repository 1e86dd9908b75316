// One reset of everything the platform keeps between calls, for test fixtures and tools that run
// many independent cases in one process. Each part resets its own state through an explicit
// function; nothing registers itself.
#include "win32/base.h"
#include "win32/clipboard.h"
#include "win32/gdi.h"
#include "win32/menu.h"
#include "win32/module.h"
#include "win32/msgbox.h"
#include "win32/script.h"
#include "win32/theme.h"
#include "win32/user.h"

void MiscResetPlatform()
{
    // The scripted user goes first, so that windows closing below meet no handler.
    MiscSetModalHandler(nullptr);
    MiscSetMessageBoxHandler(nullptr);
    // Windows next: their WM_DESTROY handlers may still use menus and GDI objects.
    MiscResetWindowSystem();
    MiscSelectTheme("classic");
    MiscResetMenus();
    MiscResetGdiObjects();
    MiscResetClipboard();
    MiscResetModuleState();
    MiscClearModalErrors();
    MiscClearMessageBoxLog();
    MiscClearWindowSystemErrors();
    MiscResetClock();
}
