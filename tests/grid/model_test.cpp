// The data model without a window: settings keys, lookups, parent chains, expanded states.
#include "grid_fixture.h"

namespace {

std::string PathText(const CStringList& path)
{
    std::string out;
    for (POSITION pos = path.GetHeadPosition(); pos;) {
        if (!out.empty())
            out += ",";
        out += path.GetNext(pos).GetString();
    }
    return out;
}

} // namespace

TEST(GridModel, ExpandKeysExtendTheirParentsKeys)
{
    CGnrlGridItemData* left = WithChildren(TextItem("Left"), {TextItem("Leaf")});
    CGnrlGridItemData* offset = WithChildren(TextItem("Offset"), {left, TextItem("Plain")});
    CGnrlGridItemData* flat = TextItem("Flat");
    std::unique_ptr<CGnrlGridCategoryData> cat(Category(120, {offset, flat}));
    cat->SetRegInfo("Section", "Prop_3");
    EXPECT_STREQ(cat->GetRegKey(), "Prop_3_120");
    EXPECT_STREQ(offset->GetExpandRegKey(), "Prop_3_120_Offset");
    EXPECT_STREQ(left->GetExpandRegKey(), "Prop_3_120_Offset_Left");
    // Only items with children can be expanded, so only they get keys.
    EXPECT_TRUE(flat->GetExpandRegKey().IsEmpty());
    EXPECT_TRUE(offset->GetChildren()[1]->GetExpandRegKey().IsEmpty());
    EXPECT_STREQ(left->GetAppRegName(), "Section");
}

TEST(GridModel, ProParentChains)
{
    // A (no parent) > B > C: the path runs from A down to C and A is returned.
    CGnrlGridItemData* c = TextItem("C");
    std::unique_ptr<CGnrlGridItemData> a(WithChildren(TextItem("A"), {WithChildren(TextItem("B"), {c})}));
    CStringList path;
    EXPECT_EQ(c->GetProParent(path), a.get());
    EXPECT_EQ(PathText(path), "A,B,C");
    EXPECT_EQ(a->GetProParent(path), nullptr);
    EXPECT_EQ(PathText(path), "A");

    // A node that is its own parent returns itself with only its own name.
    std::unique_ptr<CGnrlGridItemData> self(TextItem("Self"));
    self->SetParent(self.get());
    EXPECT_EQ(self->GetProParent(path), self.get());
    EXPECT_EQ(PathText(path), "Self");
    EXPECT_TRUE(self->IsHasParent("Self"));

    // A chain deeper than eleven ancestors stops at the eleventh.
    std::vector<std::unique_ptr<CGnrlGridItemData>> chain;
    for (int i = 0; i < 15; ++i) {
        chain.emplace_back(TextItem(std::to_string(i).c_str()));
        if (i > 0)
            chain[i]->SetParent(chain[i - 1].get());
    }
    EXPECT_EQ(chain[14]->GetProParent(path), chain[3].get());
    EXPECT_EQ(path.GetCount(), 12);
    EXPECT_STREQ(path.GetHead(), "3");
    // A loop of two never hangs.
    chain[0]->SetParent(chain[1].get());
    EXPECT_NE(chain[1]->GetProParent(path), nullptr);
    EXPECT_FALSE(chain[5]->IsHasParent("nobody"));
}

TEST(GridModel, LookupsFindTheFirstMatch)
{
    CGnrlGridItemData* first = TextItem("Twin", 7);
    CGnrlGridItemData* second = TextItem("Twin", 8);
    CGnrlGridItemData* deep = TextItem("Deep", 9);
    std::unique_ptr<CGnrlGridItemData> root(WithChildren(TextItem("Root", 6), {first, second, WithChildren(TextItem("Mid"), {deep})}));
    EXPECT_EQ(root->GetItem(CString("Twin")), first);
    EXPECT_EQ(root->GetItem(CString("Deep")), nullptr); // direct children only
    EXPECT_EQ(root->GetItem(9L), deep);                  // identifiers depth-first
    EXPECT_EQ(root->GetItem(6L), root.get());
    EXPECT_EQ(root->GetItem(99L), nullptr);

    CLongStringArray list;
    EXPECT_EQ(root->GetLongValue(list), 0);
    list.Add(4, "four");
    list.Add(5, "five");
    root->SetStrValue("five");
    EXPECT_EQ(root->GetLongValue(list), 5);
    root->SetStrValue("none");
    EXPECT_EQ(root->GetLongValue(list), 4);
}

TEST(GridModel, CategoryLookups)
{
    auto* kinded = new CGnrlGridItemData(CString("Kinded"), CString(), eGridItemText, static_cast<ePropertyType>(3),
                                         CString(), CString());
    auto* none = TextItem("None");
    std::unique_ptr<CGnrlGridCategoryData> cat(Category(1, {none, kinded}));
    EXPECT_EQ(cat->GetByPropertyType(ePropertyNone), nullptr); // even though an item has kind -1
    EXPECT_EQ(cat->GetByPropertyType(static_cast<ePropertyType>(3)), kinded);
    EXPECT_EQ(cat->GetChildItem("None"), none);
    CGnrlGridItemData stranger(CString("Stranger"), CString(), eGridItemText, ePropertyNone, CString(), CString());
    cat->Delete(&stranger); // not ours: nothing happens
    EXPECT_EQ(cat->GetItems().GetSize(), 2);
    cat->Delete(none);
    EXPECT_EQ(cat->GetItems().GetSize(), 1);
}

TEST(GridModel, BaseItemTestsEachCategoryBeforeItsItems)
{
    TestMngr mngr;
    CGnrlGridItemData* item5 = TextItem("Five", 5);
    mngr.Add(Category(1, {item5}));
    mngr.Add(Category(5, {}));
    mngr.Add(Category(7, {TextItem("Seven", 7)}));
    // Item 5 lives in the first category, category 5 comes second: the item is found first.
    EXPECT_EQ(mngr.GetBaseItem(5), item5);
    // Category 7 comes before its own item 7.
    EXPECT_EQ(mngr.GetBaseItem(7), mngr.GetCategory(7));
    EXPECT_EQ(mngr.GetBaseItem(42), nullptr);
    EXPECT_EQ(mngr.GetItem(7)->GetName(), CString("Seven"));
}

TEST(GridModel, ImageIdentifiersKeepGrowingAcrossCalls)
{
    TestMngr mngr;
    CLongStringArray list;
    list.Add(10, "a");
    list.Add(20, "b");
    list.Add(30, "c");
    CDbArray<sTwoLong> first, second;
    mngr.GetImagesIds(list, first);
    mngr.GetImagesIds(list, second);
    ASSERT_EQ(first.GetSize(), 3);
    ASSERT_EQ(second.GetSize(), 3);
    EXPECT_EQ(first[0], sTwoLong(10, 1));
    EXPECT_EQ(first[2], sTwoLong(30, 3));
    EXPECT_EQ(second[0], sTwoLong(10, 4));
    EXPECT_EQ(second[2], sTwoLong(30, 6));
}

TEST(GridModel, CategoryArrayDeletesByKind)
{
    CGnrlGridCategoryDataArray cats;
    cats.Add(Category(1, {}, static_cast<ePropertyType>(4)));
    cats.Add(Category(2, {}, static_cast<ePropertyType>(4)));
    cats.Delete(static_cast<ePropertyType>(9)); // none of that kind
    EXPECT_EQ(cats.GetSize(), 2);
    cats.Delete(static_cast<ePropertyType>(4));
    ASSERT_EQ(cats.GetSize(), 1);
    EXPECT_EQ(cats.GetByNameId(2), cats[0]);
    EXPECT_EQ(cats.GetByNameId(1), nullptr);
    delete cats[0];
}

TEST_F(GridProfileTest, DestroyedModelStoresItsExpandedStatesInTheCache)
{
    auto* cache = new CGridRegMngr;
    {
        CGnrlGridItemData* parent = WithChildren(TextItem("Parent"), {TextItem("Child")});
        std::unique_ptr<CGnrlGridCategoryData> cat(Category(4, {parent, TextItem("Lonely")}));
        cat->SetRegMngr(cache);
        cat->SetRegInfo("Grid", "Prop_1");
        cat->SetExpand(0, 0);
        parent->SetExpand(0, 0);
    }
    EXPECT_EQ(cache->ReadInt("Grid", "Prop_1_4", 9), 0);
    EXPECT_EQ(cache->ReadInt("Grid", "Prop_1_4_Parent", 9), 0);
    EXPECT_EQ(cache->GetCount(), 2); // the childless item has no key
    delete cache;
    EXPECT_EQ(Read("Grid", "Prop_1_4"), "0");
    EXPECT_EQ(Read("Grid", "Prop_1_4_Parent"), "0");
}

TEST(GridModel, NodesWithoutCacheOrGridDoNothing)
{
    std::unique_ptr<CGnrlGridCategoryData> cat(Category(4, {WithChildren(TextItem("P"), {TextItem("C")})}));
    cat->SetExpand(0, 1); // no cache: stored only
    EXPECT_EQ(cat->GetExpand(), 0);
    cat->Create(nullptr);
    cat->Expand(nullptr, 1);
    cat->UpdateEnable(0, nullptr);
    cat->Update(nullptr);
    cat->Activate(nullptr);
    CGnrlGridItemData* item = cat->GetItems()[0];
    item->Create(nullptr);
    item->Update(nullptr, true);
    item->Select(nullptr);
    item->SetTopItem(nullptr);
    item->SetColor(nullptr, 0, 1, 1, 1);
    item->SetFlags(static_cast<CXTPGridEx*>(nullptr));
    item->UpdateExpandStatus(nullptr);
    item->UpdateEnable(0, nullptr);
    EXPECT_EQ(item->GetChildren()[0]->GetEnable(), 0); // children follow the model
    EXPECT_EQ(item->FindItem(nullptr, true), nullptr);
}
