// History combo boxes: the two ways of adding, recording most recent first, the stored list per
// type across a reload, and the list editor opened with the right mouse button.
#include "datadlg_fixture.h"
#include "test_env.h"

using namespace datadlgtest;

namespace {

const int kType = COMBO_LIST_PIECE_NAME;  // "SpecialPieceName"
const int kOther = COMBO_LIST_TOOL_NAME;  // "SpecialToolName"

class VmxComboTest : public DataDlgTest {
protected:
    // A host with a history combo of kType over combo kHostCombo.
    struct Host {
        HostDialog dialog;
        CVmxCombo combo;
        explicit Host(int type = kType) { combo.Initialize(kHostCombo, &dialog, type); }
        HWND Combo() const { return dialog.Combo(); }
    };
    // The text part of an editable combo box is its edit's; the arrow is the combo box's own.
    static void RightClickArrow(HWND combo)
    {
        RECT r;
        ::GetClientRect(combo, &r);
        MiscClickAt(combo, POINT{r.right - 4, r.bottom / 2}, WM_RBUTTONDOWN);
    }
};

TEST_F(VmxComboTest, InitializeFillsFromTheStoredListOnceOnly)
{
    Store(kType, {"front", "back", "Back"});
    Store(kOther, {"knife"});
    Host host;
    // "Back" replaces "back" in place: the append form keeps one entry per value.
    EXPECT_EQ(ComboStrings(host.Combo()), (Names{"front", "Back"}));
    host.combo.Initialize(kHostCombo, &host.dialog, kOther);
    EXPECT_EQ(ComboStrings(host.Combo()), (Names{"front", "Back"}));
    EXPECT_EQ(host.combo.m_pCombo->m_strKey, "SpecialPieceName");
}

TEST_F(VmxComboTest, RecordingMovesTheValueToTheTopAndStoresTheListInThatOrder)
{
    Store(kType, {"xyz", "abc"});
    Host host;
    host.combo.CloseAndAddString(CString("abc"));
    EXPECT_EQ(ComboStrings(host.Combo()), (Names{"abc", "xyz"}));
    EXPECT_EQ(StoredWithTypeNames(kType), (Names{"abc|SpecialPieceName", "xyz|SpecialPieceName"}));
    // Another letter case is a new value at the top; the old one goes.
    host.combo.CloseAndAddString(CString("XYZ"));
    EXPECT_EQ(Stored(kType), (Names{"XYZ", "abc"}));
    // The typed text, trimmed.
    host.combo.SetWindowText("  sleeve \t");
    host.combo.CloseAndAddString();
    EXPECT_EQ(Stored(kType), (Names{"sleeve", "XYZ", "abc"}));
    char text[32];
    host.combo.GetWindowText(text, sizeof(text));
    EXPECT_STREQ(text, "sleeve");
}

TEST_F(VmxComboTest, RecordingABlankTextStoresTheListUnchanged)
{
    Store(kType, {"b", "a"});
    Host host;
    host.combo.SetWindowText("   ");
    host.combo.CloseAndAddString();
    host.combo.CloseAndAddString(CString(""));
    EXPECT_EQ(ComboStrings(host.Combo()), (Names{"b", "a"}));
    EXPECT_EQ(Stored(kType), (Names{"b", "a"}));
}

TEST_F(VmxComboTest, AddStringReplacesTheCaseInPlaceAndStoresNothing)
{
    Store(kType, {"one", "abc", "two"});
    Host host;
    host.combo.AddString(0, "ABC");
    host.combo.AddString(0, "two");
    host.combo.AddString(0, "three");
    host.combo.AddString(0, "");
    EXPECT_EQ(ComboStrings(host.Combo()), (Names{"one", "ABC", "two", "three"}));
    EXPECT_EQ(Stored(kType), (Names{"one", "abc", "two"}));
}

TEST_F(VmxComboTest, TheTextFormKeepsTwoHundredValuesTheTypedFormAll)
{
    Names many;
    for (int i = 0; i < 250; ++i)
        many.push_back("v" + std::to_string(i));
    Store(kType, many);
    Host host;
    host.combo.CloseAndAddString(CString("v0"));
    EXPECT_EQ(Stored(kType).size(), 200u);
    EXPECT_EQ(ComboStrings(host.Combo()).size(), 250u);
    host.combo.SetWindowText("v0");
    host.combo.CloseAndAddString();
    EXPECT_EQ(Stored(kType).size(), 250u);
}

TEST_F(VmxComboTest, DeleteStringLeavesTheStoreDeleteAllEmptiesIt)
{
    Store(kType, {"Alpha", "beta"});
    Host host;
    EXPECT_EQ(host.combo.DeleteString("ALPHA"), 1);
    EXPECT_EQ(host.combo.DeleteString("gamma"), 0);
    EXPECT_EQ(ComboStrings(host.Combo()), Names{"beta"});
    EXPECT_EQ(Stored(kType), (Names{"Alpha", "beta"}));
    host.combo.DeleteAll();
    EXPECT_TRUE(ComboStrings(host.Combo()).empty());
    EXPECT_TRUE(Stored(kType).empty());
}

TEST_F(VmxComboTest, BeforeInitializeAddAndEnableDoNothingButTheWindowCallsPassOn)
{
    HostDialog dialog;
    CVmxCombo combo;
    combo.m_pCombo->SubclassDlgItem(kHostCombo, &dialog);
    combo.AddString(0, "x");
    combo.Enable(FALSE, 0);
    EXPECT_TRUE(ComboStrings(dialog.Combo()).empty());
    EXPECT_TRUE(::IsWindowEnabled(dialog.Combo()));
    combo.EnableWindow(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(dialog.Combo()));
}

TEST_F(VmxComboTest, EachTypeKeepsItsOwnListMostRecentFirstAcrossAReload)
{
    {
        HostDialog dialog;
        CVmxCombo pieces, tools;
        pieces.Initialize(kHostCombo, &dialog, kType);
        tools.Initialize(kHostSecondCombo, &dialog, kOther);
        for (const char* value : {"collar", "cuff", "yoke"})
            pieces.CloseAndAddString(CString(value));
        tools.CloseAndAddString(CString("drill"));
        tools.CloseAndAddString(CString("notch"));
        pieces.CloseAndAddString(CString("cuff"));
    }
    HostDialog dialog;
    CVmxCombo pieces, tools;
    pieces.Initialize(kHostCombo, &dialog, kType);
    tools.Initialize(kHostSecondCombo, &dialog, kOther);
    EXPECT_EQ(ComboStrings(dialog.Combo(kHostCombo)), (Names{"cuff", "yoke", "collar"}));
    EXPECT_EQ(ComboStrings(dialog.Combo(kHostSecondCombo)), (Names{"notch", "drill"}));
    char folder[MAX_PATH] = {0};
    GetCommonDataFolder(folder);
    EXPECT_FALSE(misc_test::ReadFile(std::string(folder) + "SpecialToolName.cbi").empty());
}

// The right button opens the list editor over the drop-down list; OK refills the list from what
// the editor stored and shows the selected value.
TEST_F(VmxComboTest, RightClickOpensTheListEditorOverTheDropDownAndOkRefillsTheList)
{
    Store(kType, {"cuff", "yoke", "collar"});
    Host host;
    RECT drop;
    ::SendMessageA(host.Combo(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&drop));
    MiscScriptedUser user;
    user.ExpectDialog(IDD_LBEDIT, [&](MiscModal& m) {
        RECT r;
        ::GetWindowRect(m.hwnd, &r);
        EXPECT_EQ(r.left, drop.left);
        EXPECT_EQ(r.top, drop.top);
        EXPECT_GE(r.right - r.left, drop.right - drop.left);
        MiscElement list = MiscFindControl(m.hwnd, IDC_LBEDIT_LIST);
        EXPECT_EQ(ListStrings(list.Window()), (Names{"cuff", "yoke", "collar"}));
        list.Item(1).Click();
        MiscFindControl(m.hwnd, LBE_IDC_DELETE).Click();
        MiscClickButton(m.hwnd, IDOK);
    });
    RightClickArrow(host.Combo());
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(ComboStrings(host.Combo()), (Names{"cuff", "collar"}));
    EXPECT_EQ(StoredWithTypeNames(kType), (Names{"cuff|Piece Names", "collar|Piece Names"}));
    char text[32];
    host.combo.GetWindowText(text, sizeof(text));
    EXPECT_STREQ(text, "collar");
}

TEST_F(VmxComboTest, RightClickThenCancelKeepsListAndStore)
{
    Store(kType, {"cuff", "yoke"});
    Host host;
    host.combo.SetWindowText("typed");
    MiscScriptedUser user;
    user.ExpectDialog(IDD_LBEDIT, [](MiscModal& m) {
        MiscElement list = MiscFindControl(m.hwnd, IDC_LBEDIT_LIST);
        list.Item(0).Click();
        MiscFindControl(m.hwnd, LBE_IDC_DELETE).Click();
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    RightClickArrow(host.Combo());
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(ComboStrings(host.Combo()), (Names{"cuff", "yoke"}));
    EXPECT_EQ(Stored(kType), (Names{"cuff", "yoke"}));
    CString text;
    host.combo.GetWindowText(text);
    EXPECT_EQ(text, "typed");
}

TEST_F(VmxComboTest, CreateDropsTheSortedStyle)
{
    HostDialog dialog;
    CVmxComBoMisc combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN | CBS_SORT, CRect(0, 0, 100, 80), &dialog, 900));
    EXPECT_EQ(combo.GetStyle() & CBS_SORT, 0u);
    combo.AddTop("b");
    combo.AddTop("a");
    EXPECT_EQ(ComboStrings(combo.m_hWnd), (Names{"a", "b"}));
}

} // namespace
