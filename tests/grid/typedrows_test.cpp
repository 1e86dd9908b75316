// Typed items in a real grid: each kind shows its own row, and what the person does there reaches
// the item, the host variable (on apply) and the profile.
#include "grid_fixture.h"

#include <mfc/wndclass.h>
#include <win32/automation.h>
#include <windows.h>

#include <memory>

namespace {

class KindsMngr : public CPrefManager {
public:
    void Init() override
    {
        CDbArray<CGnrlGridItemData*> items;
        auto add = [&](CGnrlGridItemData* item, long id, const char* caption) {
            item->SetName(id);
            item->SetName(CString(caption));
            item->SetAppRegName("Kinds");
            items.Add(item);
            return item;
        };
        add(new CNumberGnrlItemData(CString("Number"), 1.5, 0, ePropertyNone, "%0.2f", CString()), 1, "Number");
        auto* check = new CCheckBoxGnrlItemData(2, 0, &box, ePropertyNone, "Box");
        add(check, 2, "Check");
        add(new CSliderGnrlItemData(CString("Slider"), 0, 0, 10, &slider, ePropertyNone, CString()), 3, "Slider");
        add(new CSpinGnrlItemData(CString("Spin"), 1.f, 0.f, 4.f, nullptr, ePropertyNone, CString()), 4, "Spin");
        CLongStringArray list;
        list.Add(7, "Seven");
        list.Add(8, "Eight");
        auto* choice = new CListGnrlItemData(5, "Seven", list, ePropertyNone);
        choice->SetGlobal(&chosen);
        choice->SetRegKey("Choice");
        add(choice, 5, "Choice");
        add(new CDrawGnrlItemData(CString("Swatch"), CString(), RGB(1, 2, 3)), 6, "Swatch");
        add(new CListBoxGnrlItemData(7, 8, list, ePropertyNone), 7, "Box list");
        add(new CListBoxImagesGnrlItemData(8, 8, list, 0, nullptr, ePropertyNone, true), 8, "Images");
        add(new CButtonGnrlItemData(9, ePropertyNone), 9, "Button");
        m_Categories.Add(new CGnrlGridCategoryData(100, ePropertyNone, items));
    }
    int box = 0;
    int slider = 3;
    int chosen = 0;
};

class TypedRowsTest : public GridProfileTest {
protected:
    void SetUp() override
    {
        GridProfileTest::SetUp();
        MiscResetPlatform();
        ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "kinds", WS_POPUP | WS_VISIBLE, 0, 0, 360,
                                   400, nullptr, nullptr));
        ASSERT_TRUE(grid.Create(CRect(0, 0, 360, 400), &frame, static_cast<UINT>(-1)));
        mngr = new KindsMngr;
        grid.SetMngr(mngr, 1);
        grid.Build(CString("Kinds"));
        grid.FindItem(static_cast<UINT>(100))->SetCaption("Kinds");
        MiscSettle();
    }
    void TearDown() override
    {
        grid.DestroyWindow();
        frame.DestroyWindow();
        MiscResetPlatform();
        GridProfileTest::TearDown();
    }
    CXTPPropertyGridItem* Row(long id) { return grid.FindItem(static_cast<UINT>(id)); }

    CWnd frame;
    CXTPGridEx grid{5};
    KindsMngr* mngr = nullptr;
};

} // namespace

TEST_F(TypedRowsTest, EachKindShowsItsOwnRow)
{
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CItemNumberWithUnit, Row(1)));
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CCustomItemCheckBox, Row(2)));
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CCustomItemSlider, Row(3)));
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CCustomItemSpin, Row(4)));
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CItemComboBox, Row(5)));
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CDrawCustomItem, Row(6)));
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CCustomItemBmp, Row(7)));
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CKestPropertyGridItemEnum, Row(8)));
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CCustomButton, Row(9)));
    EXPECT_STREQ(Row(1)->GetValue(), "1.50 mm");
    EXPECT_STREQ(Row(5)->GetValue(), "Seven");
    EXPECT_STREQ(Row(8)->GetValue(), "Eight");
    EXPECT_STREQ(Row(7)->GetCaption(), "Box list");
    // The check box and the drop-down list take no typing; the images row has its button.
    EXPECT_EQ(Row(2)->GetFlags() & xtpGridItemHasEdit, 0u);
    EXPECT_EQ(Row(5)->GetFlags() & xtpGridItemHasEdit, 0u);
}

TEST_F(TypedRowsTest, AChoiceReachesTheHostAndTheProfileOnApply)
{
    MiscElement choice = MiscElement(grid.GetSafeHwnd()).Item("Kinds|Choice");
    ASSERT_TRUE(choice.TypeText("Eight"));
    EXPECT_EQ(mngr->chosen, 0);
    mngr->OnApply();
    EXPECT_EQ(mngr->chosen, 8);
    EXPECT_EQ(Read("Kinds", "Choice"), "8");
    EXPECT_EQ(mngr->IsItemChanged(5), 1); // a plain list item always counts as changed
}

TEST_F(TypedRowsTest, RefreshingAfterDefaultsShowsTheDefaults)
{
    auto* number = static_cast<CNumberGnrlItemData*>(mngr->GetItem(1));
    number->SetValue(9.25);
    grid.UpdateData();
    EXPECT_STREQ(Row(1)->GetValue(), "9.25 mm");
    grid.OnDefault();
    EXPECT_STREQ(Row(1)->GetValue(), "1.50 mm");
    EXPECT_EQ(grid.IsChanged(), 1);
}
