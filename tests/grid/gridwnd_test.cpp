// The grid window over a real control: a person edits, expands and resizes; the layout and the
// expanded states come back when the grid is built again over the same profile file.
#include "grid_fixture.h"

#include <mfc/wndclass.h>
#include <win32/automation.h>
#include <win32/script.h>
#include <windows.h>

#include <memory>
#include <string>

namespace {

constexpr int kGridId = 3;
constexpr long kGeneral = 10, kMore = 11;
constexpr long kWidthId = 101, kParentId = 102, kChildId = 103, kNoteId = 104;

// Counts what reaches the manager through the host, as the property dialog would pass it on.
class CountingMngr : public TestMngr {
public:
    void ValueChanged(CGnrlGridItemData* item) override { changed.push_back(item); }
    void ItemExpand(CGnrlGridCategoryData* category) override { expanded.push_back(category); }
    std::vector<CGnrlGridItemData*> changed;
    std::vector<CGnrlGridCategoryData*> expanded;
    double width = 10.0;
};

CountingMngr* MakeModel()
{
    auto* m = new CountingMngr;
    auto* width = new CNumberGnrlItemData(CString("Width"), m->width, 0, ePropertyNone, "%0.1f", "Width");
    width->SetName(kWidthId);
    width->SetName(CString("Width"));
    width->SetGlobal(&m->width);
    width->SetAppRegName("Prefs");
    width->SetDescription(CString("How wide the piece is."));
    m->Add(Category(kGeneral, {width, WithChildren(TextItem("Parent", kParentId), {TextItem("Child", kChildId)})}));
    m->Add(Category(kMore, {TextItem("Note", kNoteId)}));
    return m;
}

// A frame holding the grid; it routes the grid's notifications the way the property dialog does.
class Host : public CWnd {
public:
    bool Open()
    {
        if (!CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "grid host", WS_POPUP | WS_VISIBLE, 10, 10, 400, 300,
                      nullptr, nullptr))
            return false;
        grid = std::make_unique<CXTPGridEx>(kGridId);
        return grid->Create(CRect(0, 0, 400, 300), this, static_cast<UINT>(-1)) != FALSE;
    }
    // Builds the manager's model into the grid over section "Prefs".
    CountingMngr* Build()
    {
        auto* m = MakeModel();
        grid->SetMngr(m, 1);
        grid->Init();
        CString prefix;
        grid->BuildGridRegKey(prefix);
        for (CGnrlGridCategoryData* c : m->GetCategories()) {
            c->SetRegMngr(grid->GetRegMngr());
            c->SetRegInfo("Prefs", prefix);
        }
        grid->ReadRegistryInfo("Prefs");
        grid->Build(m->GetCategories());
        // The categories' captions come from string resources this test module lacks.
        grid->FindItem(static_cast<UINT>(kGeneral))->SetCaption("General");
        grid->FindItem(static_cast<UINT>(kMore))->SetCaption("More");
        MiscSettle();
        return m;
    }
    // Closes as the dialog does: expanded states back into the model, window gone, grid deleted.
    void Close()
    {
        if (auto* m = static_cast<CountingMngr*>(grid->GetMngr()))
            for (CGnrlGridCategoryData* c : m->GetCategories())
                c->UpdateExpandStatus(grid->GetCategories());
        grid->DestroyWindow();
        grid.reset();
        DestroyWindow();
    }
    CountingMngr* Mngr() const { return static_cast<CountingMngr*>(grid->GetMngr()); }
    std::unique_ptr<CXTPGridEx> grid;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != XTPWM_PROPERTYGRID_NOTIFY || !grid)
            return CWnd::WindowProc(message, wParam, lParam);
        auto* row = reinterpret_cast<CXTPPropertyGridItem*>(lParam);
        CountingMngr* m = Mngr();
        if (wParam == XTP_PGN_ITEMVALUE_CHANGED) {
            grid->ValueChanged(row);
            if (m && row)
                if (CGnrlGridItemData* item = m->GetItem(static_cast<long>(row->GetID())))
                    m->ValueChanged(item);
        } else if (wParam == XTP_PGN_ITEMEXPANDCHANGED && m && row && row->IsCategory()) {
            if (CGnrlGridCategoryData* c = m->GetCategory(static_cast<int>(row->GetID()))) {
                c->SetExpand(row->IsExpanded() ? 1 : 0, 1);
                m->ItemExpand(c);
            }
        }
        return 0;
    }
};

class GridWindowTest : public GridProfileTest {
protected:
    void SetUp() override
    {
        GridProfileTest::SetUp();
        MiscResetPlatform();
        ASSERT_TRUE(host->Open());
    }
    void TearDown() override
    {
        if (host->GetSafeHwnd())
            host->Close();
        host.reset();
        EXPECT_EQ(MiscWindowSystemErrors(), std::vector<std::string>());
        MiscResetPlatform();
        GridProfileTest::TearDown();
    }
    MiscElement Row(const char* path) { return MiscElement(host->grid->GetSafeHwnd()).Item(path); }
    // Closes the grid (which writes its settings) and opens a new one, with the profile file
    // replaced in between when text is given.
    void Reopen(const char* text = nullptr)
    {
        host->Close();
        if (text)
            misc_test::WriteFile(profile, text);
        host = std::make_unique<Host>();
        ASSERT_TRUE(host->Open());
    }
    std::unique_ptr<Host> host = std::make_unique<Host>();
};

} // namespace

TEST_F(GridWindowTest, TypedNumberReachesTheHostOnlyOnApply)
{
    CountingMngr* m = host->Build();
    ASSERT_TRUE(Row("General|Width").TypeText("25"));
    auto* width = static_cast<CNumberGnrlItemData*>(m->GetItem(kWidthId));
    EXPECT_EQ(width->GetValue(), 25.0);
    EXPECT_EQ(m->width, 10.0); // not yet applied
    ASSERT_EQ(m->changed.size(), 1u);
    EXPECT_EQ(m->changed[0], width);
    EXPECT_EQ(host->grid->IsChanged(), 1);
    EXPECT_EQ(Read("Prefs", "Width"), "<none>");

    host->grid->OnApply();
    EXPECT_EQ(m->width, 25.0);
    EXPECT_EQ(Read("Prefs", "Width"), "25.000000");
    EXPECT_EQ(m->applies, 1);
    host->grid->OnApply(); // nothing changed since: the manager is not asked again
    EXPECT_EQ(m->applies, 1);

    host->grid->OnDefault(); // defaults count as a change
    EXPECT_EQ(width->GetValue(), 10.0);
    EXPECT_EQ(host->grid->IsChanged(), 1);
    host->grid->OnApply();
    EXPECT_EQ(m->applies, 2);
    EXPECT_EQ(m->width, 10.0);
}

TEST_F(GridWindowTest, ExpandedStatesAndLayoutSurviveRebuilding)
{
    host->Build();
    CXTPPropertyGridItem* parent = host->grid->FindItem(static_cast<UINT>(kParentId));
    ASSERT_TRUE(parent);
    EXPECT_TRUE(parent->IsExpanded()); // expanded by default
    ASSERT_TRUE(Row("General|Parent").DoubleClick());
    EXPECT_FALSE(parent->IsExpanded());
    ASSERT_TRUE(Row("More").DoubleClick());
    EXPECT_FALSE(host->grid->FindItem(static_cast<UINT>(kMore))->IsExpanded());
    EXPECT_EQ(host->Mngr()->expanded.size(), 1u);
    // The person drags the divider to the left.
    CXTPPropertyGridView& view = host->grid->GetGridView();
    CRect viewRect;
    view.GetClientRect(&viewRect);
    int before = view.GetDividerPos();
    int y = host->grid->FindItem(static_cast<UINT>(kWidthId))->GetItemRect().CenterPoint().y;
    MiscDragFrom(view.GetSafeHwnd(), POINT{before, y}, POINT{-80, 0});
    int after = view.GetDividerPos();
    EXPECT_LT(after, before);
    host->grid->SetHelpHeight(70);

    Reopen();
    host->Build();
    EXPECT_FALSE(host->grid->FindItem(static_cast<UINT>(kParentId))->IsExpanded());
    EXPECT_FALSE(host->grid->FindItem(static_cast<UINT>(kMore))->IsExpanded());
    EXPECT_TRUE(host->grid->FindItem(static_cast<UINT>(kGeneral))->IsExpanded());
    EXPECT_NEAR(host->grid->GetGridView().GetDividerPos(), after, 2);
    EXPECT_EQ(host->grid->GetHelpHeight(), 70);
    EXPECT_EQ(Read("Prefs", "PrefHelpHeight3"), "70");
    EXPECT_EQ(Read("Prefs", "Prop_3_11"), "0");
    EXPECT_EQ(Read("Prefs", "Prop_3_10_Parent"), "0");
}

TEST_F(GridWindowTest, HostileLayoutEntriesGiveASaneLayout)
{
    struct Case {
        const char* value;
    } cases[] = {{"abc"}, {"-5"}, {"1e9"}, {"0.05"}, {"0.95"}, {"99999999999999999999"}};
    for (const Case& c : cases) {
        std::string text = std::string("[Prefs]\nPrefHelpHeight3=") + c.value + "\nPrefDivider3=" + c.value +
                           "\nPrefTopIndex3=" + c.value + "\n";
        Reopen(text.c_str());
        host->Build();
        CXTPGridEx& grid = *host->grid;
        double divider = grid.GetGridView().GetDivider();
        EXPECT_GE(divider, 0.15 - 1e-9) << c.value;
        EXPECT_LE(divider, 0.85 + 1e-9) << c.value;
        EXPECT_GE(grid.GetHelpHeight(), 0) << c.value;
        EXPECT_LE(grid.GetHelpHeight(), 2000) << c.value;
        EXPECT_GE(grid.GetTopIndex(), 0) << c.value;
        EXPECT_LT(grid.GetTopIndex(), std::max(1, grid.GetGridView().GetCount())) << c.value;
    }
}

TEST_F(GridWindowTest, DividerIsClampedAndDefaults)
{
    struct Case {
        const char* stored;
        double shown;
    } cases[] = {{"0.05", 0.15}, {"0.95", 0.85}, {"abc", 0.7}, {"0.5", 0.5}, {nullptr, 0.7}};
    for (const Case& c : cases) {
        std::string text = c.stored ? std::string("[Prefs]\nPrefDivider3=") + c.stored + "\n" : "";
        Reopen(text.c_str());
        host->Build();
        EXPECT_NEAR(host->grid->GetGridView().GetDivider(), c.shown, 1e-6) << (c.stored ? c.stored : "(none)");
    }
}

TEST_F(GridWindowTest, KeyAdditionNamesTheLayoutKeys)
{
    host->grid->SetKeyAddition("Property");
    host->Build();
    host->grid->SetHelpHeight(44);
    Reopen();
    EXPECT_EQ(Read("Prefs", "PrefHelpHeightProperty3"), "44");
    EXPECT_EQ(Read("Prefs", "PrefTopIndexProperty3"), "0");
    EXPECT_NE(Read("Prefs", "PrefDividerProperty3"), "<none>");
}

TEST_F(GridWindowTest, SetExpandWithAllCollapsesEveryKeyContainingTheCategorysKey)
{
    host->Build();
    CGridRegMngr* cache = host->grid->GetRegMngr();
    cache->WriteInt("Prefs", "Prop_3_100", 1); // merely contains Prop_3_10
    host->grid->SetExpand(kGeneral, 0, 1);
    EXPECT_EQ(cache->ReadInt("Prefs", "Prop_3_10", 9), 0);
    EXPECT_EQ(cache->ReadInt("Prefs", "Prop_3_10_Parent", 9), 0);
    EXPECT_EQ(cache->ReadInt("Prefs", "Prop_3_100", 9), 0);
    EXPECT_EQ(cache->ReadInt("Prefs", "Prop_3_11", 9), 1);
    // The rows are left alone until the next build.
    EXPECT_TRUE(host->grid->FindItem(static_cast<UINT>(kGeneral))->IsExpanded());
}

TEST_F(GridWindowTest, PathsUpAndDownTheRows)
{
    host->Build();
    CXTPPropertyGridItem* child = host->grid->FindItem(static_cast<UINT>(kChildId));
    CStringList path;
    CXTPPropertyGridItem* top = host->grid->GetProParent(child, path);
    EXPECT_EQ(top, host->grid->FindItem(static_cast<UINT>(kGeneral)));
    ASSERT_EQ(path.GetCount(), 2);
    EXPECT_STREQ(path.GetHead(), "General");
    EXPECT_STREQ(path.GetTail(), "Parent");
    EXPECT_EQ(host->grid->GetProParent(nullptr, path), nullptr);
    EXPECT_TRUE(path.IsEmpty());

    // The model's own path (without the category) leads to the same row.
    CGnrlGridItemData* data = host->Mngr()->GetItem(kChildId);
    EXPECT_EQ(data->FindItem(host->grid.get(), true), child);
    CStringList wrong;
    wrong.AddTail("Parent");
    wrong.AddTail("Nobody");
    EXPECT_EQ(host->grid->GetDataItem(wrong), nullptr);
    EXPECT_EQ(host->grid->GetDataItem(CStringList()), nullptr);

    // The grid's image identifiers are the manager's.
    CLongStringArray list;
    list.Add(5, "five");
    CDbArray<sTwoLong> ids;
    host->grid->GetImagesIds(list, ids);
    EXPECT_EQ(ids[0], sTwoLong(5, 1));
}

TEST_F(GridWindowTest, CleanForgetsAManagerItDoesNotOwn)
{
    CountingMngr* m = host->Build();
    host->grid->SetMngr(m, 0);
    host->grid->Clean();
    EXPECT_EQ(host->grid->GetMngr(), nullptr);
    EXPECT_EQ(host->grid->GetGridID(), -1);
    EXPECT_EQ(host->grid->GetCategories()->GetCount(), 0);
    EXPECT_EQ(m->GetCategories().GetSize(), 2); // still alive
    host->grid->SetMngr(nullptr, -1);
    host->grid->Init();
    host->grid->UpdateData();
    host->grid->Activate();
    host->grid->OnApply();
    host->grid->OnDefault();
    delete m;
}

TEST_F(GridWindowTest, AGridClosedBeforeItWasBuiltSavesNothing)
{
    Reopen();
    EXPECT_EQ(misc_test::ReadFile(profile), "");
    EXPECT_EQ(host->grid->ReadRegistryInfo(""), 0);
    EXPECT_EQ(host->grid->SaveRegistryInfo(), 0);
}
