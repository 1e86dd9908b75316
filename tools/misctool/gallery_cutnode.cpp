// Gallery pictures of the cut-node dialog, and `misctool cut edit`'s picture: the dialog is run
// by selectCutContour as a host runs it, captured by the scripted user, then cancelled.
#include <misc/cutnode.h>

#include <windows.h>
#include "win32/script.h"

#include <functional>
#include <string>

#include "gallery.h"

namespace misctool {

namespace {

enum : int { kDialog = 9300, kList = 9301, kReverse = 9303, kPreview = 9302 };

// The piece of the pictures: a clockwise outline with a notch, three nodes, the second on layer 5.
const InterfacePoint kPiece[] = {{0, 0}, {0, 30}, {30, 40}, {60, 30}, {60, 10}, {40, 10}, {40, 0}};

bool CaptureDialog(const InterfacePoint* pts, int n, int closed, CArray<tagCutNode, tagCutNode>& nodes, int current,
                   const std::function<void(HWND)>& act, const std::string& png, std::string& error)
{
    bool ok = false;
    bool opened = false;
    {
        MiscScriptedUser user;
        user.ExpectDialog(kDialog, [&](MiscModal& modal) {
            opened = true;
            if (act)
                act(modal.hwnd);
            ok = CaptureToPng(modal.hwnd, png, error);
            MiscClickButton(modal.hwnd, IDCANCEL);
        });
        int flag = 0;
        selectCutContour(nullptr, pts, n, closed, "Front piece", nodes, CUT_CONTOUR_DIALOG, current, nullptr, &flag,
                         nullptr, 0, nullptr, 0, nullptr);
    }
    if (!opened)
        error = "the cut-node dialog did not open";
    return ok && opened;
}

bool PieceDialog(const std::function<void(HWND)>& act, const std::string& png, std::string& error)
{
    CArray<tagCutNode, tagCutNode> nodes;
    nodes.Add(tagCutNode{0, 2, 0, 0});
    nodes.Add(tagCutNode{2, 2, 5, 0});
    nodes.Add(tagCutNode{4, 3, 0, 0});
    return CaptureDialog(kPiece, 7, 1, nodes, 1, act, png, error);
}

} // namespace

bool RenderCutNodeDialog(const InterfacePoint* pts, int n, int closed, CArray<tagCutNode, tagCutNode>& nodes,
                         int current, const std::string& png, std::string& error)
{
    return CaptureDialog(pts, n, closed, nodes, current, nullptr, png, error);
}

bool GalleryCutNodeDialog(const std::string& png, std::string& error) { return PieceDialog(nullptr, png, error); }

bool GalleryCutNodeZoomed(const std::string& png, std::string& error)
{
    return PieceDialog(
        [](HWND dialog) {
            RECT r{};
            GetWindowRect(GetDlgItem(dialog, kPreview), &r);
            MiscSetKeyState(VK_SHIFT, TRUE);
            for (int i = 0; i < 3; ++i) { // three Shift-clicks near the notch
                MiscSendMouseAt(WM_LBUTTONDOWN, r.right - 70, r.top + 150);
                MiscSendMouseAt(WM_LBUTTONUP, r.right - 70, r.top + 150);
                MiscAdvanceClock(1000);
            }
            MiscSetKeyState(VK_SHIFT, FALSE);
        },
        png, error);
}

bool GalleryCutNodeReversed(const std::string& png, std::string& error)
{
    return PieceDialog([](HWND dialog) { MiscClickButton(dialog, kReverse); }, png, error);
}

} // namespace misctool
