// Dialogs from templates with a plain dialog procedure: layout in dialog units, WM_INITDIALOG,
// the keyboard interface (Enter, Escape, Tab), and modal loops that always end.
#include "gui_fixture.h"

#include <string>
#include <vector>

using namespace guitest;

namespace {

std::vector<std::string> g_events;

INT_PTR CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        g_events.push_back("init " + std::to_string(lParam));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            return FALSE; // focus notifications of the edits
        g_events.push_back("command " + std::to_string(LOWORD(wParam)) + "/" + std::to_string(HIWORD(wParam)));
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

class DlgTemplateTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_events.clear();
        module = TestModule();
    }
    INT_PTR Run(UINT id) { return DialogBoxParamA(module, MAKEINTRESOURCEA(id), nullptr, RecordingProc, 42); }
    HMODULE module = nullptr;
};

TEST_F(DlgTemplateTest, ControlsArePlacedInDialogUnitsOfTheTemplateFont)
{
    HWND dlg = CreateDialogParamA(module, MAKEINTRESOURCEA(kDlgBasic), nullptr, RecordingProc, 7);
    ASSERT_NE(dlg, nullptr);
    LONG units = 0;
    RECT probe{4, 8, 0, 0}; // one average character: x * baseX / 4, y * baseY / 8
    ASSERT_TRUE(MapDialogRect(dlg, &probe));
    int baseX = probe.left, baseY = probe.top;
    EXPECT_GT(baseX, 3);
    EXPECT_GT(baseY, 8);
    (void)units;
    HWND edit = GetDlgItem(dlg, kEdit);
    RECT r;
    GetWindowRect(edit, &r);
    POINT origin{r.left, r.top};
    ScreenToClient(dlg, &origin);
    EXPECT_EQ(origin.x, MulDiv(50, baseX, 4));
    EXPECT_EQ(origin.y, MulDiv(7, baseY, 8));
    EXPECT_EQ(r.right - r.left, MulDiv(100, baseX, 4));
    EXPECT_EQ(r.bottom - r.top, MulDiv(14, baseY, 8));
    RECT client;
    GetClientRect(dlg, &client);
    EXPECT_EQ(client.right, MulDiv(180, baseX, 4));
    EXPECT_EQ(client.bottom, MulDiv(90, baseY, 8));
    // The dialog font reaches every control.
    EXPECT_EQ(SendMessageA(edit, WM_GETFONT, 0, 0), SendMessageA(dlg, WM_GETFONT, 0, 0));
    EXPECT_EQ(g_events, std::vector<std::string>{"init 7"});
    // WM_INITDIALOG answered TRUE: the first tab stop has the focus.
    EXPECT_EQ(GetFocus(), edit);
    DestroyWindow(dlg);
}

TEST_F(DlgTemplateTest, EnterPressesTheDefaultButtonAndEscapeCancels)
{
    struct Case {
        int vk;
        INT_PTR result;
        const char* event;
    } cases[] = {{VK_RETURN, IDOK, "command 1/0"}, {VK_ESCAPE, IDCANCEL, "command 2/0"}};
    for (const Case& c : cases) {
        g_events.clear();
        MiscSetModalHandler([&](MiscModal& m) {
            EXPECT_EQ(m.templateId, kDlgBasic);
            EXPECT_EQ(m.caption, "Basic");
            MiscSetControlText(m.hwnd, kEdit, "typed");
            MiscPressKey(c.vk);
        });
        EXPECT_EQ(Run(kDlgBasic), c.result);
        EXPECT_EQ(g_events.back(), c.event);
    }
    EXPECT_TRUE(MiscModalErrors().empty());
}

TEST_F(DlgTemplateTest, EnterOnAFocusedPushButtonPressesThatButton)
{
    MiscSetModalHandler([](MiscModal& m) {
        SendMessageA(m.hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m.hwnd, IDCANCEL)), TRUE);
        // The focused push button now shows as the default one.
        EXPECT_EQ(GetWindowLongA(GetDlgItem(m.hwnd, IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_EQ(GetWindowLongA(GetDlgItem(m.hwnd, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
        MiscPressKey(VK_RETURN);
    });
    EXPECT_EQ(Run(kDlgBasic), IDCANCEL);
}

TEST_F(DlgTemplateTest, EnterInAMultiLineEditPressesTheDefaultButtonUnlessItWantsReturns)
{
    HWND dlg = CreateDialogParamA(module, MAKEINTRESOURCEA(kDlgBasic), nullptr, RecordingProc, 0);
    ShowWindow(dlg, SW_SHOW);
    HWND plain = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 50, 50, dlg,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(60)), nullptr, nullptr);
    HWND wants = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 60, 0, 50, 50,
                                 dlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(61)), nullptr, nullptr);
    g_events.clear();
    SetFocus(plain);
    MiscTypeText("a\nb");
    EXPECT_EQ(MiscGetControlText(dlg, 60), "ab");
    EXPECT_EQ(g_events, std::vector<std::string>{"command 1/0"});
    g_events.clear();
    SetFocus(wants);
    MiscTypeText("a\nb");
    EXPECT_EQ(MiscGetControlText(dlg, 61), "a\r\nb");
    EXPECT_TRUE(g_events.empty());
    DestroyWindow(dlg);
}

TEST_F(DlgTemplateTest, TabMovesThroughTheTabStopsInOrderAndWraps)
{
    std::vector<int> order;
    MiscSetModalHandler([&](MiscModal& m) {
        auto focused = [&] {
            HWND f = GetFocus();
            while (f && GetParent(f) != m.hwnd)
                f = GetParent(f); // the combo box holding its edit
            return GetDlgCtrlID(f);
        };
        for (int i = 0; i < 6; ++i) {
            order.push_back(focused());
            MiscPressKey(VK_TAB);
        }
        MiscSetKeyState(VK_SHIFT, TRUE);
        MiscPressKey(VK_TAB);
        MiscSetKeyState(VK_SHIFT, FALSE);
        order.push_back(focused());
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    Run(kDlgBasic);
    EXPECT_EQ(order, (std::vector<int>{kEdit, kCheck, kCombo, IDOK, IDCANCEL, kEdit, kEdit}));
}

TEST_F(DlgTemplateTest, MnemonicsClickTheirButtonAndFocusThroughTheirLabel)
{
    MiscSetModalHandler([](MiscModal& m) {
        SendMessageA(m.hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m.hwnd, IDOK)), TRUE);
        MiscSetKeyState(VK_MENU, TRUE);
        MiscPressKey('C');
        EXPECT_EQ(IsDlgButtonChecked(m.hwnd, kCheck), BST_CHECKED);
        MiscPressKey('N');
        MiscSetKeyState(VK_MENU, FALSE);
        EXPECT_EQ(GetFocus(), GetDlgItem(m.hwnd, kEdit));
        EndDialog(m.hwnd, 77);
    });
    EXPECT_EQ(Run(kDlgBasic), 77);
}

TEST_F(DlgTemplateTest, AModalDialogNobodyAnswersFailsInsteadOfHanging)
{
    EXPECT_EQ(Run(kDlgBasic), -1);
    ASSERT_EQ(MiscModalErrors().size(), 1u);
    EXPECT_NE(MiscModalErrors()[0].find("dialog 100 'Basic'"), std::string::npos) << MiscModalErrors()[0];

    MiscClearModalErrors();
    MiscSetModalHandler([](MiscModal&) {}); // looks, but never closes it
    EXPECT_EQ(Run(kDlgBasic), -1);
    ASSERT_EQ(MiscModalErrors().size(), 1u);
    EXPECT_NE(MiscModalErrors()[0].find("left open"), std::string::npos);
    // Nothing is left behind.
    EXPECT_EQ(GetTopWindow(nullptr), nullptr);
}

TEST_F(DlgTemplateTest, TheOwnerIsDisabledWhileTheDialogRunsAndEnabledAfter)
{
    HWND owner = CreateWindowExA(0, "#32770", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    bool ownerEnabledInside = true;
    MiscSetModalHandler([&](MiscModal& m) {
        ownerEnabledInside = IsWindowEnabled(owner) != FALSE;
        EXPECT_EQ(GetWindow(m.hwnd, GW_OWNER), owner);
        MiscClickButton(m.hwnd, IDOK);
    });
    EXPECT_EQ(DialogBoxParamA(module, MAKEINTRESOURCEA(kDlgBasic), owner, RecordingProc, 0), IDOK);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(DlgTemplateTest, MissingTemplateAndMissingControlClassFail)
{
    EXPECT_EQ(DialogBoxParamA(module, MAKEINTRESOURCEA(999), nullptr, RecordingProc, 0), -1);
    EXPECT_EQ(CreateDialogParamA(module, MAKEINTRESOURCEA(999), nullptr, RecordingProc, 0), nullptr);
}

TEST_F(DlgTemplateTest, DialogItemHelpers)
{
    HWND dlg = CreateDialogParamA(module, MAKEINTRESOURCEA(kDlgBasic), nullptr, RecordingProc, 0);
    ASSERT_NE(dlg, nullptr);
    struct Case {
        const char* text;
        BOOL isSigned;
        BOOL ok;
        UINT value;
    } cases[] = {
        {" 42 ", TRUE, TRUE, 42},     {"-17", TRUE, TRUE, static_cast<UINT>(-17)},
        {"-17", FALSE, FALSE, 0},     {"12a", TRUE, FALSE, 0},
        {"", TRUE, FALSE, 0},         {"4294967295", FALSE, TRUE, 4294967295u},
        {"4294967296", FALSE, FALSE, 0}, {"2147483648", TRUE, FALSE, 0},
    };
    for (const Case& c : cases) {
        SetDlgItemTextA(dlg, kEdit, c.text);
        BOOL ok = -1;
        UINT v = GetDlgItemInt(dlg, kEdit, &ok, c.isSigned);
        EXPECT_EQ(ok, c.ok) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    SetDlgItemInt(dlg, kEdit, static_cast<UINT>(-5), TRUE);
    char text[8];
    GetDlgItemTextA(dlg, kEdit, text, sizeof(text));
    EXPECT_STREQ(text, "-5");
    // A buffer of 2 holds one character and the terminator.
    EXPECT_EQ(GetDlgItemTextA(dlg, kEdit, text, 2), 1u);
    EXPECT_STREQ(text, "-");
    CheckDlgButton(dlg, kCheck, BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dlg, kCheck), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(dlg, kCheck, BM_GETCHECK, 0, 0), BST_CHECKED);
    DestroyWindow(dlg);
}

TEST_F(DlgTemplateTest, WindowsCloseBoxCancelsThroughWmClose)
{
    MiscSetModalHandler([](MiscModal& m) { MiscCloseWindow(m.hwnd); });
    EXPECT_EQ(Run(kDlgBasic), IDCANCEL);
}

TEST_F(DlgTemplateTest, ADialogWithoutAFontUsesTheSystemFont)
{
    MiscSetModalHandler([](MiscModal& m) { MiscPressKey(VK_RETURN); });
    EXPECT_EQ(Run(kDlgNoFont), IDOK);
}

} // namespace
