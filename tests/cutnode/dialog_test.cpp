// The cut-node dialog driven by the scripted user: its node lines, each button on a piece with
// three nodes, disabled moves on a two-point contour, the last node kept, the zoom clicks, and
// OK against Cancel.
#include <gtest/gtest.h>

#include <misc/cutnode.h>

#include <windows.h>
#include "win32/script.h"

#include <string>
#include <vector>

namespace {

enum : int {
    kDialog = 9300, kList = 9301, kPreview = 9302, kReverse = 9303, kStartBack = 9304, kStartFwd = 9305,
    kEndBack = 9306, kEndFwd = 9307, kAdd = 9308, kDelete = 9309, kNoLayer = 9316, kLayer = 9318
};

// A clockwise square with a point in the middle of each side: the corners 0, 2, 4, 6 are break
// points, the middles are not.
const InterfacePoint kPiece[] = {{0, 0}, {0, 10}, {0, 20}, {10, 20}, {20, 20}, {20, 10}, {20, 0}, {10, 0}};

class CutNodeDialog : public ::testing::Test {
protected:
    void SetUp() override { MiscResetPlatform(); }
    void TearDown() override
    {
        EXPECT_EQ(MiscWindowSystemErrors(), std::vector<std::string>());
        MiscResetPlatform();
    }

    void ThreeNodes()
    {
        nodes.RemoveAll();
        nodes.Add(tagCutNode{0, 2, 0, 0});
        nodes.Add(tagCutNode{2, 2, 5, 0});
        nodes.Add(tagCutNode{4, 4, 0, 0});
    }

    int Open(const InterfacePoint* pts, int n, int current, std::function<void(HWND)> act, int instant = 0,
             int closed = 1)
    {
        MiscScriptedUser user;
        user.ExpectDialog(kDialog, [&](MiscModal& modal) { act(modal.hwnd); });
        int flag = 0;
        int result = selectCutContour(nullptr, pts, n, closed, "Front", nodes, CUT_CONTOUR_DIALOG, current, nullptr, &flag,
                                      nullptr, 0, nullptr, instant, nullptr);
        EXPECT_EQ(user.Report(), "");
        return result;
    }

    CArray<tagCutNode, tagCutNode> nodes;
};

std::vector<std::string> Lines(HWND dialog)
{
    std::vector<std::string> lines;
    HWND list = GetDlgItem(dialog, kList);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[200] = {};
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

TEST_F(CutNodeDialog, ShowsOneLinePerNodeAndTheTitle)
{
    ThreeNodes();
    std::vector<std::string> lines;
    char title[100] = {};
    Open(kPiece, 8, 0, [&](HWND dialog) {
        lines = Lines(dialog);
        GetWindowTextA(dialog, title, sizeof(title));
        MiscClickButton(dialog, IDCANCEL);
    }, 1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "   1    cw     ");
    EXPECT_EQ(lines[1], "   2    cw    5 ");
    EXPECT_EQ(std::string(title), "Front (INSTANT)");
}

TEST_F(CutNodeDialog, MovingTheEndRefitsTheNextNodeAndOkWritesTheNodes)
{
    ThreeNodes();
    int result = Open(kPiece, 8, 1, [&](HWND dialog) {
        EXPECT_TRUE(MiscClickButton(dialog, kEndFwd));
        MiscClickButton(dialog, IDOK);
    });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(nodes.GetSize(), 3);
    EXPECT_EQ(nodes[1].start, 2);
    EXPECT_EQ(nodes[1].length, 4); // to the corner at point 6
    EXPECT_EQ(nodes[2].start, 6);  // the next node now starts there and keeps its end
    EXPECT_EQ(nodes[2].length, 2);
}

TEST_F(CutNodeDialog, CancelLeavesTheNodesAsTheyWere)
{
    ThreeNodes();
    int result = Open(kPiece, 8, 0, [&](HWND dialog) {
        MiscClickButton(dialog, kReverse);
        MiscClickButton(dialog, kAdd);
        MiscClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(nodes.GetSize(), 3);
    EXPECT_EQ(nodes[0].start, 0);
}

TEST_F(CutNodeDialog, EachButtonActsOnTheCurrentNode)
{
    ThreeNodes();
    std::vector<std::string> afterReverse;
    int result = Open(kPiece, 8, 0, [&](HWND dialog) {
        MiscSelectItem(dialog, kList, 2);
        MiscClickButton(dialog, kReverse); // 4 -> 0 becomes 0 -> 4 backwards
        afterReverse = Lines(dialog);
        MiscClickButton(dialog, kReverse);
        MiscClickButton(dialog, kStartBack);
        MiscClickButton(dialog, kStartFwd);
        MiscClickButton(dialog, kEndBack);
        const size_t before = Lines(dialog).size();
        MiscClickButton(dialog, kAdd);
        EXPECT_EQ(Lines(dialog).size(), before + 1);
        MiscClickButton(dialog, kDelete);
        EXPECT_EQ(Lines(dialog).size(), before);
        MiscClickButton(dialog, kNoLayer);
        MiscClickButton(dialog, IDOK);
    });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(afterReverse.size(), 3u);
    EXPECT_NE(afterReverse[2].find("ccw"), std::string::npos);
    for (INT_PTR i = 0; i < nodes.GetSize(); ++i) {
        EXPECT_GE(nodes[i].length, 0);
        EXPECT_LT(nodes[i].length, 8);
    }
}

TEST_F(CutNodeDialog, ATwoPointContourMovesNothingAndTheLastNodeStays)
{
    const InterfacePoint line[] = {{0, 0}, {10, 0}};
    nodes.RemoveAll();
    Open(line, 2, 0, [&](HWND dialog) {
        for (int id : {kStartBack, kStartFwd, kEndBack, kEndFwd, kDelete})
            EXPECT_FALSE(Enabled(dialog, id)) << id;
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kDelete, BN_CLICKED), 0); // even when asked
        EXPECT_EQ(Lines(dialog).size(), 1u);
        MiscClickButton(dialog, IDOK);
    }, 0, 0);
    EXPECT_EQ(nodes.GetSize(), 1);
}

TEST_F(CutNodeDialog, ShiftClickZoomsTheViewAndCtrlClickFitsItAgain)
{
    ThreeNodes();
    Open(kPiece, 8, 0, [&](HWND dialog) {
        HWND preview = GetDlgItem(dialog, kPreview);
        MiscSurface before = MiscCaptureWindow(preview);
        RECT r{};
        GetWindowRect(preview, &r);
        MiscSetKeyState(VK_SHIFT, TRUE);
        MiscSendMouseAt(WM_LBUTTONDOWN, r.left + 30, r.top + 30);
        MiscSendMouseAt(WM_LBUTTONUP, r.left + 30, r.top + 30);
        MiscSetKeyState(VK_SHIFT, FALSE);
        MiscAdvanceClock(1000); // the next press is a click of its own
        MiscSurface zoomed = MiscCaptureWindow(preview);
        EXPECT_NE(before.pixels, zoomed.pixels);
        MiscSetKeyState(VK_CONTROL, TRUE);
        MiscSendMouseAt(WM_LBUTTONDOWN, r.left + 30, r.top + 30);
        MiscSendMouseAt(WM_LBUTTONUP, r.left + 30, r.top + 30);
        MiscSetKeyState(VK_CONTROL, FALSE);
        EXPECT_EQ(before.pixels, MiscCaptureWindow(preview).pixels);
        MiscClickButton(dialog, IDCANCEL);
    });
}

} // namespace
