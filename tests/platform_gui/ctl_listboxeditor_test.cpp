// The toolkit's list-box editor and file-browse edit on a plain dialog: taking over the list box,
// the buttons the flags ask for with their tips, the default move buttons, and the browse button.
#include "gui_fixture.h"

#include <afxwin.h>
#include <toolkit/browseedit.h>
#include <toolkit/listboxeditor.h>
#include "win32/automation.h"

#include <string>
#include <vector>

using namespace guitest;

namespace {

enum : int { kListBox = 2001, kPathEdit = 2002 };
const DWORD kChild = WS_CHILD | WS_VISIBLE;
const MiscResControl kControls[] = {
    {"LISTBOX", "", kListBox, kChild | WS_BORDER | LBS_NOTIFY | WS_VSCROLL, 0, 7, 7, 120, 80},
    {"EDIT", "/a/b.txt", kPathEdit, kChild | WS_BORDER | ES_AUTOHSCROLL, 0, 7, 95, 150, 14},
};
const MiscResDialog kDialog = {0, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 170, 120,
                               "Editor", "MS Shell Dlg", 8, nullptr, kControls, 2};

class ListBoxEditorTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(dialog.CreateIndirect(&kDialog, nullptr));
        list = ::GetDlgItem(dialog.m_hWnd, kListBox);
        for (const char* s : {"one", "two", "three"})
            ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    }
    void TearDown() override
    {
        dialog.DestroyWindow();
        GuiTest::TearDown();
    }
    std::vector<std::string> Strings() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < ::SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
            char text[64] = {0};
            ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            out.emplace_back(text);
        }
        return out;
    }
    CDialog dialog;
    HWND list = nullptr;
};

TEST_F(ListBoxEditorTest, TakesOverTheListBoxWithTheButtonsAndTipsTheFlagsAskFor)
{
    RECT before;
    ::GetWindowRect(list, &before);
    SECListBoxEditor editor;
    EXPECT_FALSE(editor.Initialize(&dialog, 999));
    ASSERT_TRUE(editor.Initialize(&dialog, kListBox, LBE_TOOLTIPS | LBE_NEWBUTTON | LBE_DELBUTTON));
    EXPECT_FALSE(editor.Initialize(&dialog, kListBox));
    EXPECT_EQ(::GetParent(list), editor.m_hWnd);
    EXPECT_EQ(editor.GetListBoxPtr()->m_hWnd, list);
    RECT place, listNow;
    editor.GetWindowRect(&place);
    ::GetWindowRect(list, &listNow);
    EXPECT_TRUE(::EqualRect(&place, &before));
    EXPECT_EQ(listNow.top, before.top + LBE_TITLE_HEIGHT);
    EXPECT_TRUE(MiscFindControl(dialog.m_hWnd, LBE_IDC_NEW));
    EXPECT_TRUE(MiscFindControl(dialog.m_hWnd, LBE_IDC_DELETE));
    EXPECT_FALSE(MiscFindControl(dialog.m_hWnd, LBE_IDC_UP));
    ASSERT_NE(editor.GetToolTipCtrl(), nullptr);
    EXPECT_EQ(editor.GetToolTipCtrl()->GetToolCount(), 2);
    CString tip;
    editor.GetToolTipCtrl()->GetText(tip, editor.GetDlgItem(LBE_IDC_DELETE));
    EXPECT_EQ(tip, LBE_TIP_DELETE);
}

TEST_F(ListBoxEditorTest, MoveButtonsMoveTheSelectedEntryAndStopAtTheEnds)
{
    SECListBoxEditor editor;
    ASSERT_TRUE(editor.Initialize(&dialog, kListBox));
    MiscElement(list).Item(0).Click();
    MiscFindControl(dialog.m_hWnd, LBE_IDC_UP).Click();
    EXPECT_EQ(Strings(), (std::vector<std::string>{"one", "two", "three"}));
    MiscFindControl(dialog.m_hWnd, LBE_IDC_DOWN).Click();
    MiscFindControl(dialog.m_hWnd, LBE_IDC_DOWN).Click();
    MiscFindControl(dialog.m_hWnd, LBE_IDC_DOWN).Click();
    EXPECT_EQ(Strings(), (std::vector<std::string>{"two", "three", "one"}));
    EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
}

TEST_F(ListBoxEditorTest, KeysActOnlyWhenTheFlagsSaySo)
{
    SECListBoxEditor editor;
    ASSERT_TRUE(editor.Initialize(&dialog, kListBox, LBE_BUTTONS));
    MiscElement(list).Item(1).PressKey(VK_DELETE);
    MiscElement(list).Item(1).PressKey(VK_F2);
    EXPECT_FALSE(editor.IsEditing());
    EXPECT_EQ(Strings().size(), 3u);
    EXPECT_FALSE(editor.StartEditing(7));
    ASSERT_TRUE(editor.StartEditing(1));
    MiscTypeText("2");
    editor.CancelEditing();
    EXPECT_EQ(Strings()[1], "two");
    editor.StartEditing(1);
    MiscTypeText("2");
    editor.StopEditing();
    EXPECT_EQ(Strings()[1], "2");
}

TEST_F(ListBoxEditorTest, BrowseEditPutsTheChosenFileBesideItAndKeepsTheTextOnCancel)
{
    SECBrowseFileEdit edit;
    RECT before;
    ::GetWindowRect(::GetDlgItem(dialog.m_hWnd, kPathEdit), &before);
    ASSERT_TRUE(edit.Initialize(kPathEdit, &dialog));
    RECT narrowed, button;
    edit.GetWindowRect(&narrowed);
    edit.GetBrowseButton()->GetWindowRect(&button);
    EXPECT_LT(narrowed.right, before.right);
    EXPECT_EQ(button.right, before.right);
    MiscScriptedUser user;
    user.ExpectFileOpen("");
    MiscFindControl(dialog.m_hWnd, BROWSE_EDIT_BUTTON_ID).Click();
    EXPECT_TRUE(user.AllDone()) << user.Report();
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "/a/b.txt");
}

} // namespace
