#include "window_class.h"

#include "mfc/wndclass.h"
#include "win32/user.h"

namespace xtpkit {

bool RegisterWindowClass(const char* name, UINT style, std::shared_ptr<MiscAutomationProvider> provider)
{
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    AfxRegisterClass(&wc);
    if (provider)
        MiscRegisterAutomationProvider(name, std::move(provider));
    return true;
}

} // namespace xtpkit
