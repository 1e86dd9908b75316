// Providers of the button, static and edit controls.
#include "autosys.h"

using namespace autosys;

namespace {

bool IsCheckable(HWND hwnd)
{
    switch (GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return true;
    default: return false;
    }
}

class ButtonProvider : public MiscAutomationProvider {
public:
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = MiscAutomationProvider::Read(hwnd, path);
        if (st.exists && IsCheckable(hwnd))
            st.checked = static_cast<int>(SendMessageA(hwnd, BM_GETCHECK, 0, 0));
        return st;
    }
    bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action) override
    {
        if (action.verb != MiscVerb::SetCheck)
            return MiscAutomationProvider::Perform(hwnd, path, action);
        // A check box cycles through its states; three clicks reach any of them.
        for (int i = 0; i < 3; ++i) {
            MiscElementState st = Read(hwnd, path);
            if (!st.exists || st.checked < 0)
                return false;
            if (st.checked == action.value)
                return true;
            MiscAction click;
            if (!MiscAutomationProvider::Perform(hwnd, path, click))
                return false;
        }
        return IsWindow(hwnd) && Read(hwnd, path).checked == action.value;
    }
};

class EditProvider : public MiscAutomationProvider {
public:
    bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action) override
    {
        if (action.verb != MiscVerb::TypeText || !path.IsWholeWindow())
            return MiscAutomationProvider::Perform(hwnd, path, action);
        MiscElementState st = Read(hwnd, path);
        if (!st.exists || !st.enabled || !st.visible)
            return false;
        FocusControl(hwnd);
        if (GetFocus() != hwnd)
            return false;
        SelectAll(hwnd);
        if (action.text.empty())
            Key(VK_DELETE);
        else
            TypeAtFocus(action.text);
        return true;
    }

private:
    // The dialog selects an edit's text when it gets the focus; elsewhere the keyboard does:
    // to the start, then Shift held down to the end.
    static void SelectAll(HWND hwnd)
    {
        DWORD start = 0, end = 0;
        SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (start == 0 && static_cast<int>(end) >= GetWindowTextLengthA(hwnd))
            return;
        int lines = static_cast<int>(SendMessageA(hwnd, EM_GETLINECOUNT, 0, 0));
        bool multi = (GetWindowLongA(hwnd, GWL_STYLE) & ES_MULTILINE) != 0;
        if (multi)
            Keys(VK_UP, lines);
        Key(VK_HOME);
        MiscModifierScope shift(MISC_MOD_SHIFT);
        if (multi)
            Keys(VK_DOWN, lines);
        Key(VK_END);
    }
};

} // namespace

namespace autosys {
std::shared_ptr<MiscAutomationProvider> MakeButtonProvider() { return std::make_shared<ButtonProvider>(); }
std::shared_ptr<MiscAutomationProvider> MakeStaticProvider() { return std::make_shared<MiscAutomationProvider>(); }
std::shared_ptr<MiscAutomationProvider> MakeEditProvider() { return std::make_shared<EditProvider>(); }
} // namespace autosys
