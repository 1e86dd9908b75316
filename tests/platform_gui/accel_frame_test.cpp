// Accelerator tables and MFC command routing: keys that become commands, the frame's menu bar
// and accelerators, the route view - document - frame - application, and the update of menu
// items and bar buttons.
#include <windows.h>
#include <afxwin.h>

#include <string>
#include <vector>

#include "gui_fixture.h"
#include "msg_log.h"

using namespace msgtest;

namespace {

enum : UINT { kNew = 9101, kOpen = 9102, kSave = 9103, kCut = 9108, kCopy = 9109, kPaste = 9110, kGrid = 9111,
              kSmall = 9112, kLarge = 9113, kUndo = 9107 };

std::vector<std::string>& Trail()
{
    static std::vector<std::string> trail;
    return trail;
}

class TestApp : public CWinApp {
public:
    afx_msg void OnCopy() { Trail().push_back("app copy"); }
    afx_msg void OnUndo() { Trail().push_back("app undo"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(kCopy, OnCopy)
    ON_COMMAND(kUndo, OnUndo)
END_MESSAGE_MAP()

class TestDoc : public CDocument {
public:
    afx_msg void OnCut() { Trail().push_back("doc cut"); }
    afx_msg void OnCopy() { Trail().push_back("doc copy"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestDoc, CDocument)
    ON_COMMAND(kCut, OnCut)
    ON_COMMAND(kCopy, OnCopy)
END_MESSAGE_MAP()

class TestView : public CView {
public:
    afx_msg void OnNew() { Trail().push_back("view new"); }
    afx_msg void OnUpdateGrid(CCmdUI* ui) { ui->SetCheck(grid); }
    afx_msg void OnUpdateSize(CCmdUI* ui) { ui->SetRadio(ui->m_nID == kLarge); }
    afx_msg void OnUpdatePaste(CCmdUI* ui)
    {
        ui->Enable(pasteEnabled);
        ui->SetText(pasteEnabled ? "&Paste clip" : "&Paste");
    }
    afx_msg void OnGrid() { grid = !grid; }
    afx_msg void OnSize(UINT) {}
    afx_msg void OnPaste() { Trail().push_back("view paste"); }
    BOOL grid = FALSE;
    BOOL pasteEnabled = FALSE;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestView, CView)
    ON_COMMAND(kNew, OnNew)
    ON_COMMAND(kGrid, OnGrid)
    ON_COMMAND(kPaste, OnPaste)
    ON_COMMAND_RANGE(kSmall, kLarge, OnSize)
    ON_UPDATE_COMMAND_UI(kGrid, OnUpdateGrid)
    ON_UPDATE_COMMAND_UI_RANGE(kSmall, kLarge, OnUpdateSize)
    ON_UPDATE_COMMAND_UI(kPaste, OnUpdatePaste)
END_MESSAGE_MAP()

class TestFrame : public CFrameWnd {
public:
    afx_msg void OnNew() { Trail().push_back("frame new"); }
    afx_msg void OnCut() { Trail().push_back("frame cut"); }
    afx_msg void OnOpen() { Trail().push_back("frame open"); }
    afx_msg void OnUpdateOpen(CCmdUI* ui) { ui->Enable(openEnabled); }
    BOOL openEnabled = TRUE;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_COMMAND(kNew, OnNew)
    ON_COMMAND(kCut, OnCut)
    ON_COMMAND(kOpen, OnOpen)
    ON_UPDATE_COMMAND_UI(kOpen, OnUpdateOpen)
END_MESSAGE_MAP()

class AccelFrameTest : public guitest::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        MiscResetMenus();
        MiscResetAccelerators();
        Trail().clear();
        savedResources = AfxGetResourceHandle();
        AfxSetResourceHandle(GetModuleHandleA("misc_res.dll"));
    }
    void TearDown() override
    {
        for (int vk : {VK_CONTROL, VK_SHIFT, VK_MENU})
            MiscSetKeyState(vk, FALSE);
        GuiTest::TearDown();
        AfxSetResourceHandle(savedResources);
        MiscResetMenus();
    }
    HINSTANCE savedResources = nullptr;
    // A frame from the sample resources (menu 9100 and its accelerators) with a view and document.
    TestFrame* MakeFrame()
    {
        auto* frame = new TestFrame;
        EXPECT_TRUE(frame->LoadFrame(9100, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        view = new TestView;
        EXPECT_TRUE(view->CreateInFrame(frame, &doc));
        MiscPumpMessages();
        return frame;
    }
    void Key(int vk, int modifier)
    {
        MiscSetKeyState(modifier, TRUE);
        MiscSendKey(vk, view->m_hWnd);
        MiscSetKeyState(modifier, FALSE);
    }
    TestApp app;
    TestDoc doc;
    TestView* view = nullptr;
};

TEST_F(AccelFrameTest, TablesAreCreatedCopiedAndLoaded)
{
    ACCEL entries[] = {{FVIRTKEY | FCONTROL, 'A', 1}, {0, 'b', 2}, {FVIRTKEY | FALT, VK_F4, 3}};
    HACCEL table = CreateAcceleratorTableA(entries, 3);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(CopyAcceleratorTableA(table, nullptr, 0), 3);
    ACCEL copy[2]{};
    EXPECT_EQ(CopyAcceleratorTableA(table, copy, 2), 2) << "at most the room given";
    EXPECT_EQ(copy[1].key, 'b');
    EXPECT_EQ(CreateAcceleratorTableA(entries, 0), nullptr);
    EXPECT_TRUE(DestroyAcceleratorTable(table));
    EXPECT_FALSE(DestroyAcceleratorTable(table));

    HMODULE res = GetModuleHandleA("misc_res.dll");
    HACCEL loaded = LoadAcceleratorsA(res, MAKEINTRESOURCEA(9100));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(LoadAcceleratorsA(res, MAKEINTRESOURCEA(9100)), loaded) << "shared";
    EXPECT_EQ(CopyAcceleratorTableA(loaded, nullptr, 0), 10);
    EXPECT_FALSE(DestroyAcceleratorTable(loaded)) << "a loaded table is not the caller's";
    EXPECT_EQ(LoadAcceleratorsA(res, MAKEINTRESOURCEA(4242)), nullptr);
}

TEST_F(AccelFrameTest, TranslateMatchesModifiersAndCharacters)
{
    Recorder rec;
    HWND w = CreateWindowExA(0, Recorder::ClassName(), "w", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                             nullptr, nullptr);
    ACCEL entries[] = {{FVIRTKEY | FCONTROL, 'S', 5}, {0, 'q', 6}, {FALT, 'x', 7}};
    HACCEL table = CreateAcceleratorTableA(entries, 3);
    auto translate = [&](UINT msg, WPARAM key) {
        MSG m{w, msg, key, 0, 0, {0, 0}};
        return TranslateAcceleratorA(w, table, &m);
    };
    rec.Clear();
    EXPECT_EQ(translate(WM_KEYDOWN, 'S'), 0) << "Ctrl not held";
    MiscSetKeyState(VK_CONTROL, TRUE);
    EXPECT_NE(translate(WM_KEYDOWN, 'S'), 0);
    MiscSetKeyState(VK_SHIFT, TRUE);
    EXPECT_EQ(translate(WM_KEYDOWN, 'S'), 0) << "Ctrl+Shift is another key";
    MiscSetKeyState(VK_SHIFT, FALSE);
    MiscSetKeyState(VK_CONTROL, FALSE);
    EXPECT_NE(translate(WM_CHAR, 'q'), 0);
    EXPECT_EQ(translate(WM_CHAR, 'Q'), 0) << "characters match exactly";
    EXPECT_EQ(translate(WM_CHAR, 'x'), 0) << "an Alt entry wants WM_SYSCHAR";
    EXPECT_NE(translate(WM_SYSCHAR, 'x'), 0);
    std::vector<WPARAM> commands;
    for (const Logged& l : rec.Log())
        if (l.msg == WM_COMMAND)
            commands.push_back(l.wParam);
    EXPECT_EQ(commands, (std::vector<WPARAM>{MAKEWPARAM(5, 1), MAKEWPARAM(6, 1), MAKEWPARAM(7, 1)}));

    // An item disabled in the window's menu takes the key without a command, after the menu
    // was given its chance to update.
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING | MF_GRAYED, 6, "&Quit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    SetMenu(w, bar);
    rec.Clear();
    EXPECT_NE(translate(WM_CHAR, 'q'), 0);
    std::vector<UINT> seen;
    for (const Logged& l : rec.Log())
        seen.push_back(l.msg);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_INITMENU, WM_INITMENUPOPUP}));
}

TEST_F(AccelFrameTest, CommandsRouteViewDocumentFrameApplication)
{
    TestFrame* frame = MakeFrame();
    ASSERT_NE(frame->GetMenu(), nullptr);
    EXPECT_EQ(frame->GetActiveView(), view);
    // The view handles New before the frame; the document handles Cut before the frame; only the
    // application handles Undo; the document handles Copy before the application.
    for (UINT id : {kNew, kCut, kUndo, kCopy})
        frame->SendMessage(WM_COMMAND, id, 0);
    EXPECT_EQ(Trail(), (std::vector<std::string>{"view new", "doc cut", "app undo", "doc copy"}));
    frame->DestroyWindow();
}

TEST_F(AccelFrameTest, AcceleratorsOfTheFrameReachTheHandlers)
{
    TestFrame* frame = MakeFrame();
    ASSERT_NE(frame->m_hAccelTable, nullptr);
    Key('N', VK_CONTROL);
    Key('X', VK_CONTROL);
    Key(VK_BACK, VK_MENU);
    EXPECT_EQ(Trail(), (std::vector<std::string>{"view new", "doc cut", "app undo"}));
    // Paste's update handler disables it: its accelerator gives no command until enabled.
    Trail().clear();
    Key('V', VK_CONTROL);
    EXPECT_TRUE(Trail().empty());
    view->pasteEnabled = TRUE;
    Key(VK_INSERT, VK_SHIFT);
    EXPECT_EQ(Trail(), (std::vector<std::string>{"view paste"}));
    frame->DestroyWindow();
}

TEST_F(AccelFrameTest, OpeningAMenuUpdatesItsItems)
{
    TestFrame* frame = MakeFrame();
    CMenu* bar = frame->GetMenu();
    ASSERT_NE(bar, nullptr);
    view->grid = TRUE;
    frame->openEnabled = FALSE;
    // The user opens View, then File (by the bar, with WM_INITMENUPOPUP each time).
    EXPECT_TRUE(MiscChooseMenuPath(frame->m_hWnd, "View|Grid"));
    EXPECT_FALSE(view->grid) << "the command toggled it";
    CMenu* viewMenu = bar->GetSubMenu(2);
    EXPECT_TRUE(viewMenu->GetMenuState(kGrid, MF_BYCOMMAND) & MF_CHECKED) << "checked when the menu opened";
    EXPECT_TRUE(viewMenu->GetMenuState(kLarge, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(viewMenu->GetMenuState(kSmall, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(MiscChooseMenuPath(frame->m_hWnd, "File|Open...")) << "disabled by its update handler";
    CMenu* fileMenu = bar->GetSubMenu(0);
    EXPECT_TRUE(fileMenu->GetMenuState(kOpen, MF_BYCOMMAND) & MF_GRAYED);
    // Save has no handler anywhere: the frame disables it; New has one: it stays enabled.
    EXPECT_TRUE(fileMenu->GetMenuState(kSave, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(fileMenu->GetMenuState(kNew, MF_BYCOMMAND) & MF_GRAYED);
    view->pasteEnabled = TRUE;
    EXPECT_TRUE(MiscChooseMenuPath(frame->m_hWnd, "Edit|Paste clip")) << "renamed by its update handler";
    EXPECT_EQ(Trail().back(), "view paste");
    frame->DestroyWindow();
}

TEST_F(AccelFrameTest, IdleUpdateEnablesTheButtonsOfTheFramesBars)
{
    TestFrame* frame = MakeFrame();
    HWND barWnd = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, frame->m_hWnd, nullptr,
                                  nullptr, nullptr);
    HWND open = CreateWindowExA(0, "BUTTON", "Open", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 40, 20, barWnd,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kOpen)), nullptr, nullptr);
    HWND save = CreateWindowExA(0, "BUTTON", "Save", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 40, 0, 40, 20, barWnd,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kSave)), nullptr, nullptr);
    HWND grid = CreateWindowExA(0, "BUTTON", "Grid", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 80, 0, 40, 20, barWnd,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kGrid)), nullptr, nullptr);
    frame->openEnabled = FALSE;
    view->grid = TRUE;
    frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_FALSE(IsWindowEnabled(open));
    EXPECT_FALSE(IsWindowEnabled(save)) << "no handler";
    EXPECT_EQ(SendMessageA(grid, BM_GETCHECK, 0, 0), BST_CHECKED);
    frame->openEnabled = TRUE;
    frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_TRUE(IsWindowEnabled(open));
    frame->DestroyWindow();
}

} // namespace
