// Preferences and property managers without a dialog.
#include "grid_fixture.h"

TEST(GridManagers, BuildNumberKeepsDigitsAndTheFirstPoint)
{
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"1.2.3a", "1.23"}, {"abc", "0"}, {"-5", "5"}, {"", "0"}, {".5.", ".5"}, {"12", "12"}};
    for (const Case& c : cases) {
        CString text = c.in;
        CPrefManager::BuildNumber(text);
        EXPECT_STREQ(text, c.out) << "from " << c.in;
    }
    EXPECT_TRUE(CPrefManager::IsCharLegal('7'));
    EXPECT_TRUE(CPrefManager::IsCharLegal(8));
    EXPECT_FALSE(CPrefManager::IsCharLegal('-'));
}

TEST(GridManagers, ActivateUnitReportsChangesOnce)
{
    TestPrefMngr mngr;
    EXPECT_EQ(mngr.GetUnit(), -1);
    EXPECT_EQ(mngr.Activate(-1), 0);
    EXPECT_EQ(mngr.Activate(2), 1);
    EXPECT_EQ(mngr.Activate(2), 0);
    EXPECT_EQ(mngr.GetUnit(), 2);
}

TEST(GridManagers, ItemChangedAskesTheItem)
{
    TestPrefMngr mngr;
    int host = 1;
    auto* box = new CCheckBoxGnrlItemData(11, 0, &host, ePropertyNone, CString());
    mngr.Add(Category(1, {box}));
    EXPECT_EQ(mngr.IsItemChanged(11), 0);
    box->SetValue(0);
    EXPECT_EQ(mngr.IsItemChanged(11), 1);
    EXPECT_EQ(mngr.IsItemChanged(12), 0);
    mngr.OnApply();
    EXPECT_EQ(host, 0);
}

TEST(GridManagers, DataItemByPathFallsBackToIdentifiers)
{
    TestMngr mngr;
    CGnrlGridItemData* target = TextItem("Target", 30);
    CGnrlGridItemData* elsewhere = TextItem("Elsewhere", 31);
    mngr.Add(Category(1, {WithChildren(TextItem("Outer"), {WithChildren(TextItem("Inner"), {target})})}));
    mngr.Add(Category(2, {elsewhere}));
    CStringList path;
    path.AddTail("Outer");
    path.AddTail("Inner");
    EXPECT_EQ(mngr.GetDataItem(30, 1, path, CString()), target);
    // The path does not lead to the item: every category is searched by identifier.
    EXPECT_EQ(mngr.GetDataItem(31, 1, path, CString()), elsewhere);
    CStringList wrong;
    wrong.AddTail("Nobody");
    EXPECT_EQ(mngr.GetDataItem(30, 1, wrong, CString()), target);
    EXPECT_EQ(mngr.GetDataItem(99, 1, wrong, CString()), nullptr);
    CPropertyMngrArray managers;
    managers.Add(&mngr);
    EXPECT_TRUE(managers.IsIn(0));
    EXPECT_FALSE(managers.IsIn(5));
}

TEST(GridManagers, HiddenDisabledPropertiesDeferPushes)
{
    TestMngr mngr;
    auto* number = new CNumberGnrlItemData(CString("N"), 1.0, 0, ePropertyNone, "%0.1f", CString());
    number->SetName(40L);
    mngr.Add(Category(1, {number}));
    mngr.SetHideDisabled(true);
    double value = 7.0;
    mngr.UpdateItem(40, &value);
    EXPECT_EQ(number->GetValue(), 1.0); // unchanged: a rebuild will show it
    EXPECT_TRUE(mngr.GetPostUpdateMessage());
    mngr.PostValueChanged(1);
    EXPECT_FALSE(mngr.GetPostUpdateMessage());
    mngr.PostValueChanged(1); // nothing pending: nothing happens
    EXPECT_FALSE(mngr.GetPostUpdateMessage());
    // Creating a new object: pushes are not deferred (but need a dialog to reach the item).
    mngr.SetCreateMode(true);
    mngr.UpdateItem(40, &value);
    EXPECT_FALSE(mngr.GetPostUpdateMessage());
    EXPECT_EQ(number->GetValue(), 1.0);
}

TEST(GridManagers, OperationsWithoutDialogDoNothing)
{
    TestMngr mngr;
    mngr.Add(Category(1, {TextItem("T", 5)}));
    mngr.SetEnableItem(5, 0);
    EXPECT_EQ(mngr.IsEnableItem(5), 0);
    EXPECT_EQ(mngr.IsEnableItem(6), 0);
    mngr.SetEditEnableItem(5, 0);
    mngr.SetColorItem(5, 0, 1, 1, 1);
    mngr.RestoreColorItem(5, 1);
    mngr.SetRegInfo(3);
    mngr.SetExpand(1, 0, 1);
    mngr.UpdateEnable(1, -4);
    mngr.SetBitmap(nullptr);
    CString text = "x";
    mngr.UpdateItem(nullptr, &text, false);
    mngr.UpdateItem(5, nullptr);
    EXPECT_EQ(mngr.OnOK(), 1);
    EXPECT_EQ(mngr.GetTitle(text), 0);
}
