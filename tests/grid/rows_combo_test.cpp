// The combo row: typed texts joining the choices, the list editor that only Ctrl opens, and the
// row's own edit and button.
#include "rows_fixture.h"

#include <misc/data/combolist.h>
#include <misc/datadlg/lbedit.h>

namespace rows_test {
namespace {

class ComboRowTest : public RowsTest {
protected:
    CItemComboBox* Combo(int type, std::initializer_list<const char*> texts, bool editable = true)
    {
        for (const char* t : texts)
            list.Add(-1, t);
        auto* row = new CItemComboBox(0, CString("Cotton"), &bound, &list);
        row->SetCaption("Material");
        row->SetComboType(type);
        if (editable)
            row->SetFlags(row->GetFlags() | xtpGridItemHasEdit);
        return Add(row);
    }
    std::vector<std::string> Choices(CXTPPropertyGridItem* row)
    {
        std::vector<std::string> out;
        for (int i = 0; i < row->GetConstraints()->GetCount(); ++i)
            out.push_back(static_cast<const char*>(row->GetConstraints()->GetAt(i)));
        return out;
    }
    std::vector<std::string> ListTexts()
    {
        std::vector<std::string> out;
        for (int i = 0; i < list.GetSize(); ++i)
            out.push_back(static_cast<const char*>(list[i].Text));
        return out;
    }
    // Presses the row's drop-down button (after selecting the row).
    void PressButton(CItemComboBox* row, UINT modifiers = 0)
    {
        if (!row->IsSelected())
            ClickCaption(row);
        CWnd& button = row->GetInplaceButton();
        ASSERT_TRUE(Shows(button));
        CRect r;
        button.GetClientRect(&r);
        MiscClickAt(button.GetSafeHwnd(), r.CenterPoint(), WM_LBUTTONDOWN, 1, modifiers);
        MiscSettle();
    }
    bool Dropped(CItemComboBox* row) { return Shows(row->GetInplaceList()); }

    CLongStringArray list;
    CString bound;
};

TEST_F(ComboRowTest, ATextTypedIntoAFreeRowBecomesAChoiceOnce)
{
    CItemComboBox* row = Combo(0, {"Cotton", "Wool"});
    ClickValue(row);
    TypeAndEnter("  Linen ");
    EXPECT_EQ(Choices(row), (std::vector<std::string>{"Cotton", "Wool", "Linen"})) << "trimmed, at the end";
    EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Cotton", "Wool"})) << "a free row leaves the list alone";
    EXPECT_EQ(m_owner.Changes(row), 1);

    ClickValue(row);
    TypeAndEnter("Wool");
    EXPECT_EQ(Choices(row).size(), 3u) << "a text that is a choice adds nothing";
    ClickValue(row);
    TypeAndEnter("   ");
    EXPECT_EQ(Choices(row).size(), 3u) << "blanks add nothing";
    EXPECT_STREQ(bound, "   ");
}

TEST_F(ComboRowTest, ATextTypedIntoAStoredListRowGoesFirst)
{
    CItemComboBox* row = Combo(COMBO_LIST_MATERIAL_NAME, {"Cotton", "Wool"});
    ClickValue(row);
    TypeAndEnter("Silk");
    EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Silk", "Cotton", "Wool"}));
    EXPECT_EQ(Choices(row), ListTexts()) << "the choices follow the list";
    EXPECT_EQ(list[0].Number, -1);
}

TEST_F(ComboRowTest, OnlyCtrlOpensTheListEditor)
{
    CComboItemList stored;
    stored.AddComboItem(new CComboItem("Denim", ""), 0);
    stored.AddComboItem(new CComboItem("Tweed", ""), 0);
    stored.Store(COMBO_LIST_MATERIAL_NAME);

    CItemComboBox* row = Combo(COMBO_LIST_MATERIAL_NAME, {"Cotton", "Wool"}, false);
    {
        MiscScriptedUser user; // no dialog is expected
        PressButton(row);
        EXPECT_TRUE(Dropped(row)) << "without Ctrl the button drops the list down";
        EXPECT_TRUE(user.AllDone());
        MiscPressKey(VK_ESCAPE);
        MiscSettle();
    }
    {
        MiscScriptedUser user;
        user.ExpectDialog(IDD_LBEDIT, [](MiscModal& m) { MiscClickButton(m.hwnd, IDCANCEL); });
        PressButton(row, MISC_MOD_CONTROL);
        EXPECT_TRUE(user.AllDone());
        EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Cotton", "Wool"})) << "cancel changes nothing";
        EXPECT_FALSE(Dropped(row));
    }
    {
        MiscScriptedUser user;
        CRect rowOnScreen = row->GetItemRect();
        View().ClientToScreen(&rowOnScreen);
        user.ExpectDialog(IDD_LBEDIT, [&](MiscModal& m) {
            CRect placed;
            ::GetWindowRect(m.hwnd, &placed);
            EXPECT_EQ(placed.top, rowOnScreen.bottom) << "the editor opens just below the row";
            EXPECT_EQ(placed.right, rowOnScreen.right);
            MiscClickButton(m.hwnd, IDOK);
        });
        RightClickCaption(row, MISC_MOD_CONTROL);
        EXPECT_TRUE(user.AllDone()) << "a right click with Ctrl opens it too";
        EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Denim", "Tweed"})) << "reloaded from the stored list";
        EXPECT_EQ(Choices(row), ListTexts());
    }
}

TEST_F(ComboRowTest, WithoutAListTypeCtrlStillDropsTheListDown)
{
    CItemComboBox* row = Combo(0, {"Cotton", "Wool"}, false);
    MiscScriptedUser user;
    PressButton(row, MISC_MOD_CONTROL);
    EXPECT_TRUE(Dropped(row));
    EXPECT_TRUE(user.AllDone());
    // Choosing an entry reports the change.
    MiscElement(row->GetInplaceList().GetSafeHwnd()).Item(1).Click();
    MiscSettle();
    EXPECT_STREQ(row->GetValue(), "Wool");
    EXPECT_EQ(m_owner.Changes(row), 1);
}

TEST_F(ComboRowTest, AReadOnlyRowOpensNothing)
{
    CItemComboBox* row = Combo(COMBO_LIST_MATERIAL_NAME, {"Cotton"}, false);
    row->SetReadOnly(TRUE);
    MiscScriptedUser user;
    ClickCaption(row);
    EXPECT_FALSE(Shows(row->GetInplaceButton()));
    RightClickCaption(row, MISC_MOD_CONTROL);
    EXPECT_TRUE(user.AllDone());
    EXPECT_FALSE(Dropped(row));
}

TEST_F(ComboRowTest, TheRowsOwnEditAndButtonComeAndGoWithTheSelection)
{
    CItemComboBox* row = Combo(0, {"Cotton", "Wool"});
    EXPECT_FALSE(row->GetInplaceEdit().GetSafeHwnd());
    EXPECT_FALSE(row->GetInplaceButton().GetSafeHwnd());
    ClickCaption(row);
    ASSERT_TRUE(Shows(row->GetInplaceEdit()));
    ASSERT_TRUE(Shows(row->GetInplaceButton()));
    EXPECT_TRUE(row->GetInplaceEdit().IsKindOf(RUNTIME_CLASS(CItemComboBoxEdit)));
    CRect item = row->GetItemRect();
    CRect button = Placed(row->GetInplaceButton());
    EXPECT_EQ(button.right, item.right) << "the button at the right of the row";
    EXPECT_TRUE(row->GetValueRect().PtInRect(Placed(row->GetInplaceEdit()).CenterPoint()));
    Deselect();
    EXPECT_FALSE(Shows(row->GetInplaceEdit()));
    EXPECT_FALSE(Shows(row->GetInplaceButton()));
}

} // namespace
} // namespace rows_test
