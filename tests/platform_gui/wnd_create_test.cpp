// Creating and destroying windows: the messages and their order, as Windows sends them.
#include <gtest/gtest.h>

#include <windows.h>

#include "msg_log.h"

using namespace msgtest;

namespace {

class WndCreateTest : public ::testing::Test {
protected:
    void SetUp() override { MiscResetPlatform(); }
    void TearDown() override { MiscResetPlatform(); }

    HWND Top(DWORD style = WS_OVERLAPPEDWINDOW)
    {
        return CreateWindowExA(0, Recorder::ClassName(), "top", style, 10, 10, 300, 200, nullptr, nullptr, nullptr,
                               nullptr);
    }
    HWND Child(HWND parent, DWORD style = WS_CHILD, int id = 5)
    {
        return CreateWindowExA(0, Recorder::ClassName(), "child", style, 5, 6, 50, 40, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    Recorder rec;
};

TEST_F(WndCreateTest, CreationSequences)
{
    struct Case {
        const char* name;
        DWORD style;
        bool child;
        std::vector<Expected> want;
    };
    const std::vector<Case> cases = {
        {"hidden child", WS_CHILD, true,
         {{WM_NCCREATE}, {WM_NCCALCSIZE, kWParam, 0}, {WM_CREATE}, {WM_SIZE, kWParam, SIZE_RESTORED}, {WM_MOVE},
          {WM_PARENTNOTIFY, kParent | kWParam, MAKEWPARAM(WM_CREATE, 5)}}},
        {"visible child", WS_CHILD | WS_VISIBLE, true,
         {{WM_NCCREATE}, {WM_NCCALCSIZE, kWParam, 0}, {WM_CREATE}, {WM_SIZE}, {WM_MOVE},
          {WM_PARENTNOTIFY, kParent}, {WM_SHOWWINDOW, kWParam, TRUE}, {WM_WINDOWPOSCHANGING},
          {WM_WINDOWPOSCHANGED}}},
        {"overlapped", WS_OVERLAPPEDWINDOW, false,
         {{WM_GETMINMAXINFO}, {WM_NCCREATE}, {WM_NCCALCSIZE, kWParam, 0}, {WM_CREATE}, {WM_SIZE}, {WM_MOVE}}},
        {"popup", WS_POPUP, false, {{WM_NCCREATE}, {WM_NCCALCSIZE}, {WM_CREATE}, {WM_SIZE}, {WM_MOVE}}},
    };
    for (const Case& c : cases) {
        MiscResetPlatform();
        HWND parent = c.child ? Top() : nullptr;
        rec.Clear();
        HWND hwnd = c.child ? Child(parent, c.style) : Top(c.style);
        ASSERT_NE(hwnd, nullptr) << c.name;
        EXPECT_EQ(rec.Compare(c.want, hwnd, parent), "") << c.name;
    }
}

TEST_F(WndCreateTest, DestroyingAVisibleChildNotifiesHidesThenDestroys)
{
    HWND parent = Top();
    HWND child = Child(parent, WS_CHILD | WS_VISIBLE);
    rec.Clear();
    ASSERT_TRUE(DestroyWindow(child));
    EXPECT_EQ(rec.Compare({{WM_PARENTNOTIFY, kParent | kWParam, MAKEWPARAM(WM_DESTROY, 5)},
                           {WM_SHOWWINDOW, kWParam, FALSE},
                           {WM_WINDOWPOSCHANGING},
                           {WM_WINDOWPOSCHANGED},
                           {WM_DESTROY},
                           {WM_NCDESTROY}},
                          child, parent),
              "");
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
}

TEST_F(WndCreateTest, ChildrenGetWmDestroyAfterAndWmNcDestroyBeforeTheirParent)
{
    HWND parent = Top(WS_POPUP);
    HWND a = Child(parent, WS_CHILD, 1);
    HWND b = Child(parent, WS_CHILD, 2);
    HWND grandchild = Child(a, WS_CHILD, 3);
    rec.Clear();
    DestroyWindow(parent);
    std::vector<std::pair<HWND, UINT>> got;
    for (const Logged& l : rec.Log())
        if (l.msg == WM_DESTROY || l.msg == WM_NCDESTROY)
            got.emplace_back(l.hwnd, l.msg);
    std::vector<std::pair<HWND, UINT>> want = {
        {parent, WM_DESTROY},     {a, WM_DESTROY},     {grandchild, WM_DESTROY}, {b, WM_DESTROY},
        {grandchild, WM_NCDESTROY}, {a, WM_NCDESTROY}, {b, WM_NCDESTROY},        {parent, WM_NCDESTROY}};
    EXPECT_EQ(got, want);
    EXPECT_FALSE(IsWindow(a) || IsWindow(b) || IsWindow(grandchild) || IsWindow(parent));
}

bool RefuseNcCreate(HWND, UINT msg, WPARAM, LPARAM, LRESULT* result)
{
    if (msg != WM_NCCREATE)
        return false;
    *result = FALSE;
    return true;
}

bool FailCreate(HWND, UINT msg, WPARAM, LPARAM, LRESULT* result)
{
    if (msg != WM_CREATE)
        return false;
    *result = -1;
    return true;
}

TEST_F(WndCreateTest, RefusedCreationReturnsNullAndCleansUp)
{
    HWND parent = Top();
    rec.Clear();
    rec.SetHook(&RefuseNcCreate);
    EXPECT_EQ(Child(parent), nullptr);
    EXPECT_EQ(rec.MessagesOf(parent), std::vector<UINT>{});
    std::vector<UINT> refused;
    for (const Logged& l : rec.Log())
        refused.push_back(l.msg);
    EXPECT_EQ(refused, (std::vector<UINT>{WM_NCCREATE, WM_NCDESTROY}));

    rec.Clear();
    rec.SetHook(&FailCreate);
    EXPECT_EQ(Child(parent), nullptr);
    std::vector<UINT> failed;
    for (const Logged& l : rec.Log())
        if (l.hwnd != parent)
            failed.push_back(l.msg);
    EXPECT_EQ(failed, (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
    rec.SetHook(nullptr);
}

TEST_F(WndCreateTest, ChildWithoutParentAndUnknownClassFail)
{
    EXPECT_EQ(CreateWindowExA(0, Recorder::ClassName(), "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), 1407u);
}

TEST_F(WndCreateTest, ChildrenAreKeptInCreationOrderAndTextComesFromCreation)
{
    HWND parent = Top();
    HWND first = Child(parent, WS_CHILD, 1);
    HWND second = Child(parent, WS_CHILD, 2);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetDlgItem(parent, 2), second);
    EXPECT_EQ(GetDlgCtrlID(second), 2);
    EXPECT_EQ(GetParent(second), parent);
    char text[16];
    EXPECT_EQ(GetWindowTextA(first, text, sizeof(text)), 5);
    EXPECT_STREQ(text, "child");
    // A buffer too small truncates and stays terminated.
    EXPECT_EQ(GetWindowTextA(first, text, 3), 2);
    EXPECT_STREQ(text, "ch");
}

TEST_F(WndCreateTest, DestroyingATopLevelWindowTakesItsOwnedWindowsFirst)
{
    HWND owner = Top(WS_POPUP);
    HWND owned = CreateWindowExA(0, Recorder::ClassName(), "owned", WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr,
                                 nullptr);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    EXPECT_EQ(GetParent(owned), owner); // a popup's parent is its owner
    rec.Clear();
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(owned));
    std::vector<HWND> ncdestroyed;
    for (const Logged& l : rec.Log())
        if (l.msg == WM_NCDESTROY)
            ncdestroyed.push_back(l.hwnd);
    EXPECT_EQ(ncdestroyed, (std::vector<HWND>{owned, owner}));
}

} // namespace
