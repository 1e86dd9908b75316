// Providers of the track bar (its thumb is dragged) and the up-down control (its arrows are
// clicked).
#include "autosys.h"

#include <algorithm>
#include <cstdlib>

using namespace autosys;

namespace {

class TrackBarProvider : public MiscAutomationProvider {
public:
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = MiscAutomationProvider::Read(hwnd, path);
        if (st.exists && path.IsWholeWindow()) {
            st.hasValue = true;
            st.value = static_cast<int>(SendMessageA(hwnd, TBM_GETPOS, 0, 0));
        }
        return st;
    }
    bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action) override
    {
        if (action.verb != MiscVerb::SetValue || !path.IsWholeWindow())
            return MiscAutomationProvider::Perform(hwnd, path, action);
        MiscElementState st = Read(hwnd, path);
        if (!st.exists || !st.enabled || !st.visible)
            return false;
        int low = static_cast<int>(SendMessageA(hwnd, TBM_GETRANGEMIN, 0, 0));
        int high = static_cast<int>(SendMessageA(hwnd, TBM_GETRANGEMAX, 0, 0));
        int target = std::clamp(action.value, low, std::max(low, high));
        if (st.value != target)
            DragThumb(hwnd, low, high, target);
        // A thumb cannot land on every value of a range wider than its channel: the arrow keys
        // finish the move.
        for (int guard = 0; IsWindow(hwnd) && guard < 4096; ++guard) {
            int pos = static_cast<int>(SendMessageA(hwnd, TBM_GETPOS, 0, 0));
            if (pos == target)
                return true;
            FocusControl(hwnd);
            Key(pos < target ? VK_RIGHT : VK_LEFT);
            if (SendMessageA(hwnd, TBM_GETPOS, 0, 0) == pos)
                return false;
        }
        return false;
    }

private:
    // Presses on the thumb and moves it in one motion to the value's place on the channel.
    static void DragThumb(HWND hwnd, int low, int high, int target)
    {
        RECT thumb{}, channel{};
        SendMessageA(hwnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        SendMessageA(hwnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        bool vertical = (GetWindowLongA(hwnd, GWL_STYLE) & TBS_VERT) != 0;
        int span = std::max(1, high - low);
        int from = vertical ? channel.top : channel.left;
        int length = vertical ? channel.bottom - channel.top : channel.right - channel.left;
        int at = from + (length * (target - low) + span / 2) / span;
        POINT start = Center(thumb);
        MiscSendMouse(hwnd, WM_MOUSEMOVE, start.x, start.y);
        KeepClicksApart(hwnd, start, WM_LBUTTONDOWN);
        MiscSendMouse(hwnd, WM_LBUTTONDOWN, start.x, start.y);
        POINT end = vertical ? POINT{start.x, at} : POINT{at, start.y};
        if (IsWindow(hwnd))
            MiscSendMouse(hwnd, WM_MOUSEMOVE, end.x, end.y);
        if (IsWindow(hwnd))
            MiscSendMouse(hwnd, WM_LBUTTONUP, end.x, end.y);
        MiscSetKeyState(VK_LBUTTON, FALSE);
        MiscSettle();
    }
};

// Items: {0} the arrow that lowers the position, {1} the arrow that raises it.
class UpDownProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND, const MiscItemPath& parent) override { return parent.IsWholeWindow() ? 2 : 0; }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = MiscAutomationProvider::Read(hwnd, MiscItemPath());
        if (!st.exists)
            return st;
        if (path.IsWholeWindow()) {
            st.hasValue = true;
            st.value = static_cast<int>(SendMessageA(hwnd, UDM_GETPOS32, 0, 0));
            return st;
        }
        MiscElementState arrow;
        if (path.items.size() != 1 || path.column >= 0 || path.items[0] < 0 || path.items[0] > 1)
            return arrow;
        bool up = path.items[0] == 1;
        bool horizontal = (GetWindowLongA(hwnd, GWL_STYLE) & UDS_HORZ) != 0;
        arrow.exists = true;
        arrow.enabled = st.enabled;
        arrow.visible = st.visible;
        arrow.text = horizontal ? (up ? "Right" : "Left") : (up ? "Up" : "Down");
        RECT r = st.rect;
        if (horizontal)
            (up ? r.left : r.right) = (r.left + r.right) / 2;
        else
            (up ? r.bottom : r.top) = (r.top + r.bottom) / 2;
        arrow.rect = r;
        return arrow;
    }
    bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action) override
    {
        if (action.verb != MiscVerb::SetValue || !path.IsWholeWindow())
            return MiscAutomationProvider::Perform(hwnd, path, action);
        for (int guard = 0; IsWindow(hwnd) && guard < 100000; ++guard) {
            int pos = Read(hwnd, path).value;
            if (pos == action.value)
                return true;
            int low = 0, high = 0;
            SendMessageA(hwnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
            // The range may run backwards (100 to 0 by default): the up arrow goes towards `high`.
            bool towardsHigh = (action.value > pos) == (high >= low);
            MiscAction click;
            if (!MiscAutomationProvider::Perform(hwnd, path.Child(towardsHigh ? 1 : 0), click))
                return false;
            if (Read(hwnd, path).value == pos)
                return false; // refused, or at the end of the range
        }
        return false;
    }
};

} // namespace

namespace autosys {
std::shared_ptr<MiscAutomationProvider> MakeTrackBarProvider() { return std::make_shared<TrackBarProvider>(); }
std::shared_ptr<MiscAutomationProvider> MakeUpDownProvider() { return std::make_shared<UpDownProvider>(); }
} // namespace autosys
