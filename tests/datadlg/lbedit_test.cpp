// The list editor of remembered values, driven by the scripted user: opening and placement, the
// new, delete and sort buttons, editing in place, tool tips, and what OK stores.
#include "datadlg_fixture.h"

using namespace datadlgtest;

namespace {

const int kType = COMBO_LIST_MATERIAL_NAME; // title "Materials"

class LbEditTest : public DataDlgTest {
protected:
    static HWND List(HWND dialog) { return MiscFindControl(dialog, IDC_LBEDIT_LIST).Window(); }
    static BOOL Press(HWND dialog, int button) { return MiscFindControl(dialog, button).Click(); }
    static std::string Focused()
    {
        char text[300] = {0};
        ::GetWindowTextA(::GetFocus(), text, sizeof(text));
        return text;
    }
    // Runs the editor for kType at a fixed place; `act` runs while it is open.
    static int Run(const std::function<void(HWND)>& act)
    {
        MiscScriptedUser user;
        user.ExpectDialog(IDD_LBEDIT, [&](MiscModal& m) { act(m.hwnd); });
        const int result = RButtonTypeDlg(kType, 40, 50, 200, 220);
        EXPECT_TRUE(user.AllDone()) << user.Report();
        return result;
    }
};

TEST_F(LbEditTest, OpensWithTheStoredListAtTheGivenPlaceAndTitle)
{
    Store(kType, {"denim", "cotton", "wool"});
    const int result = Run([](HWND dialog) {
        EXPECT_EQ(ListStrings(List(dialog)), (Names{"denim", "cotton", "wool"}));
        RECT r;
        ::GetWindowRect(dialog, &r);
        EXPECT_EQ(r.left, 40);
        EXPECT_EQ(r.top, 50);
        EXPECT_EQ(r.right - r.left, 200);
        EXPECT_EQ(r.bottom - r.top, 220);
        char title[64] = {0};
        ::GetWindowTextA(MiscFindControl(dialog, LBE_IDC_EDITOR).Window(), title, sizeof(title));
        EXPECT_STREQ(title, "Materials");
        // OK and Cancel at the bottom, 10 pixels in from the sides.
        RECT client, ok, cancel;
        ::GetClientRect(dialog, &client);
        ::GetWindowRect(::GetDlgItem(dialog, IDOK), &ok);
        ::GetWindowRect(::GetDlgItem(dialog, IDCANCEL), &cancel);
        POINT okAt{ok.left, ok.top}, cancelAt{cancel.right, cancel.top};
        ::ScreenToClient(dialog, &okAt);
        ::ScreenToClient(dialog, &cancelAt);
        EXPECT_EQ(okAt.x, 10);
        EXPECT_EQ(cancelAt.x, client.right - 10);
        EXPECT_EQ(okAt.y, client.bottom - 25);
        MiscClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
}

TEST_F(LbEditTest, NewTypesAValueInPlaceAfterTheSelectionAndOkStoresItUnderTheTitle)
{
    Store(kType, {"denim", "wool"});
    const int result = Run([](HWND dialog) {
        MiscElement(List(dialog)).Item(0).Click();
        ASSERT_TRUE(Press(dialog, LBE_IDC_NEW));
        EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), LBE_IDC_EDIT);
        MiscTypeText("linen");
        MiscPressKey(VK_RETURN);
        EXPECT_EQ(ListStrings(List(dialog)), (Names{"denim", "linen", "wool"}));
        EXPECT_TRUE(::IsWindow(dialog)); // Enter ended the edit, not the dialog
        MiscClickButton(dialog, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(StoredWithTypeNames(kType), (Names{"denim|Materials", "linen|Materials", "wool|Materials"}));
}

TEST_F(LbEditTest, EscapeOrAnEmptyTextDropsANewEntryAndCancelStoresNothing)
{
    Store(kType, {"denim"});
    const int result = Run([](HWND dialog) {
        Press(dialog, LBE_IDC_NEW);
        MiscTypeText("silk");
        MiscPressKey(VK_ESCAPE);
        EXPECT_EQ(ListStrings(List(dialog)), Names{"denim"});
        EXPECT_TRUE(::IsWindow(dialog)); // Escape ended the edit, not the dialog
        Press(dialog, LBE_IDC_NEW);
        MiscPressKey(VK_RETURN);
        EXPECT_EQ(ListStrings(List(dialog)), Names{"denim"});
        Press(dialog, LBE_IDC_NEW);
        MiscTypeText("silk");
        MiscClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Stored(kType), Names{"denim"});
}

TEST_F(LbEditTest, DoubleClickF2AndTypingRenameInPlace)
{
    Store(kType, {"denim", "wool", "silk"});
    Run([](HWND dialog) {
        MiscElement list(List(dialog));
        list.Item(1).DoubleClick();
        EXPECT_EQ(Focused(), "wool");
        MiscTypeText("merino");
        MiscPressKey(VK_RETURN);
        list.Item(0).Click();
        MiscPressKey(VK_F2);
        MiscTypeText("jeans");
        MiscPressKey(VK_RETURN);
        // Typing on an entry starts editing with that character.
        list.Item(2).Click();
        MiscTypeText("Satin");
        MiscPressKey(VK_RETURN);
        EXPECT_EQ(ListStrings(List(dialog)), (Names{"jeans", "merino", "Satin"}));
        // An edit left open is kept when OK is pressed.
        list.Item(0).DoubleClick();
        MiscTypeText("twill");
        MiscClickButton(dialog, IDOK);
    });
    EXPECT_EQ(Stored(kType), (Names{"twill", "merino", "Satin"}));
}

TEST_F(LbEditTest, DeleteButtonAndKeysInsertAndDelete)
{
    Store(kType, {"a1", "b2", "c3"});
    Run([](HWND dialog) {
        MiscElement list(List(dialog));
        list.Item(1).Click();
        Press(dialog, LBE_IDC_DELETE);
        EXPECT_EQ(ListStrings(List(dialog)), (Names{"a1", "c3"}));
        // The selection stays on the place of the deleted entry, so deleting goes on.
        Press(dialog, LBE_IDC_DELETE);
        EXPECT_EQ(ListStrings(List(dialog)), Names{"a1"});
        list.Item(0).PressKey(VK_INSERT);
        MiscTypeText("d4");
        MiscPressKey(VK_RETURN);
        EXPECT_EQ(ListStrings(List(dialog)), (Names{"a1", "d4"}));
        list.Item(0).PressKey(VK_DELETE);
        EXPECT_EQ(ListStrings(List(dialog)), Names{"d4"});
        MiscClickButton(dialog, IDOK);
    });
    EXPECT_EQ(Stored(kType), Names{"d4"});
}

// Move down sorts ascending, move up descending, case ignored; on OK one of two values equal
// but for case goes, the first in list order staying.
TEST_F(LbEditTest, MoveButtonsSortIgnoringCaseAndOkDropsCaseDuplicates)
{
    Store(kType, {"b", "A", "a", "C"});
    Run([](HWND dialog) {
        Press(dialog, LBE_IDC_DOWN);
        EXPECT_EQ(ListStrings(List(dialog)), (Names{"A", "a", "b", "C"}));
        Press(dialog, LBE_IDC_UP);
        EXPECT_EQ(ListStrings(List(dialog)), (Names{"C", "b", "A", "a"}));
        MiscClickButton(dialog, IDOK);
    });
    EXPECT_EQ(Stored(kType), (Names{"C", "b", "A"}));
}

TEST_F(LbEditTest, SortingFewerThanTwoValuesOrLongValuesKeepsThemWhole)
{
    const std::string longValue(400, 'z');
    Store(kType, {longValue, "y"});
    Run([&](HWND dialog) {
        Press(dialog, LBE_IDC_DOWN);
        EXPECT_EQ(ListStrings(List(dialog)), (Names{"y", longValue}));
        MiscClickButton(dialog, IDOK);
    });
    EXPECT_EQ(Stored(kType), (Names{"y", longValue}));
    Store(kType, {});
    Run([](HWND dialog) {
        Press(dialog, LBE_IDC_UP);
        EXPECT_TRUE(ListStrings(List(dialog)).empty());
        MiscClickButton(dialog, IDOK);
    });
    EXPECT_TRUE(Stored(kType).empty());
}

TEST_F(LbEditTest, SortButtonsCarryTheSortTipsAndTheOthersTheirOwn)
{
    Run([](HWND dialog) {
        auto tipOver = [&](int button) {
            HWND b = MiscFindControl(dialog, button).Window();
            ::MiscSendMouse(b, WM_MOUSEMOVE, 3, 3);
            MiscAdvanceClock(::GetDoubleClickTime() * 2);
            HWND tip = ::FindWindowA(TOOLTIPS_CLASSA, nullptr);
            char text[80] = {0};
            if (tip && ::IsWindowVisible(tip))
                ::GetWindowTextA(tip, text, sizeof(text));
            ::MiscSendMouse(dialog, WM_MOUSEMOVE, 1, 1);
            MiscAdvanceClock(::GetDoubleClickTime() * 2);
            return std::string(text);
        };
        EXPECT_EQ(tipOver(LBE_IDC_DOWN), "Sort ascending");
        EXPECT_EQ(tipOver(LBE_IDC_UP), "Sort descending");
        EXPECT_EQ(tipOver(LBE_IDC_NEW), LBE_TIP_NEW);
        EXPECT_EQ(tipOver(LBE_IDC_DELETE), LBE_TIP_DELETE);
        MiscClickButton(dialog, IDCANCEL);
    });
}

// The place of a list opened below a field: 160 wide, 7 per stored value + 60 high within 100
// to 200, flipped above the field at the window's bottom edge and kept inside its right edge.
TEST_F(LbEditTest, CalculatePlacementSizesByTheStoredListAndStaysInsideTheWindow)
{
    HostDialog host;
    RECT hostRect;
    ::GetWindowRect(host.m_hWnd, &hostRect);
    POINT origin{0, 0};
    ::ClientToScreen(host.m_hWnd, &origin);

    CLbEditDlg dialog(nullptr, kType, -1, 0, 0, 0, 0);
    dialog.CalculatePlacement(CRect(0, 0, 10, 10), nullptr);
    EXPECT_EQ(dialog.GetPlacement(), CRect(0, 0, 0, 0));

    Store(kType, Names(30, "x"));
    dialog.CalculatePlacement(CRect(0, 0, 200, 20), &host);
    EXPECT_EQ(dialog.GetPlacement().Width(), 160);
    EXPECT_EQ(dialog.GetPlacement().Height(), 200); // 7 * 30 + 60 = 270, limited
    EXPECT_EQ(dialog.GetPlacement().left, origin.x + 200 - 160);
    // The host is shorter than 200 below the field: the list opens above it (not above 0).
    EXPECT_EQ(dialog.GetPlacement().top, std::max(0L, static_cast<long>(origin.y) - 200));

    Store(kType, {"x"});
    dialog.CalculatePlacement(CRect(5000, 0, 5100, 10), &host);
    EXPECT_EQ(dialog.GetPlacement().Height(), 100);
    EXPECT_EQ(dialog.GetPlacement().right, hostRect.right);
}

TEST_F(LbEditTest, AnUnknownTypeEditsTheUnnamedListWithoutATitle)
{
    MiscScriptedUser user;
    user.ExpectDialog(IDD_LBEDIT, [](MiscModal& m) {
        MiscFindControl(m.hwnd, LBE_IDC_NEW).Click();
        MiscTypeText("v");
        MiscPressKey(VK_RETURN);
        MiscClickButton(m.hwnd, IDOK);
    });
    EXPECT_EQ(RButtonTypeDlg(999, 0, 0, 0, 0), 1);
    EXPECT_EQ(StoredWithTypeNames(999), Names{"v|"});
    char folder[MAX_PATH] = {0};
    GetCommonDataFolder(folder);
    EXPECT_EQ(CComboItemList::GetListFilePath(999), CString(folder) + ".cbi");
}

} // namespace
