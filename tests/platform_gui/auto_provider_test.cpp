// The open interface: a control the platform does not know (here a small property grid with
// categories and rows, and cells of a value column) becomes reachable by registering a provider
// for its class; scripts then find rows by caption path and cells by row and column.
#include "gui_fixture.h"

#include "win32/automation.h"

#include <string>
#include <vector>

using namespace guitest;

namespace {

// A grid of two categories, each a caption row followed by its rows, 16 pixels a row; column 0
// holds captions (100 px), column 1 values. A click on a category row opens or closes it; a click
// records where it landed.
struct Row {
    std::string caption;
    std::string value;
};
struct Category {
    std::string caption;
    std::vector<Row> rows;
    bool open = true;
};
std::vector<Category> g_grid;
std::vector<POINT> g_clicks;

const int kRowHeight = 16;

// The y of a category (row = -1) or of one of its rows; -1 when hidden in a closed category.
int RowTop(int category, int row)
{
    int y = 0;
    for (int c = 0; c < static_cast<int>(g_grid.size()); ++c) {
        if (c == category && row < 0)
            return y;
        y += kRowHeight;
        for (int r = 0; r < static_cast<int>(g_grid[static_cast<size_t>(c)].rows.size()); ++r) {
            if (!g_grid[static_cast<size_t>(c)].open)
                break;
            if (c == category && r == row)
                return y;
            y += kRowHeight;
        }
    }
    return -1;
}

LRESULT CALLBACK GridProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_LBUTTONDOWN) {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        g_clicks.push_back(pt);
        for (size_t c = 0; c < g_grid.size(); ++c)
            if (pt.y >= RowTop(static_cast<int>(c), -1) && pt.y < RowTop(static_cast<int>(c), -1) + kRowHeight)
                g_grid[c].open = !g_grid[c].open;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class GridProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND, const MiscItemPath& parent) override
    {
        if (parent.IsWholeWindow())
            return static_cast<int>(g_grid.size());
        if (parent.items.size() == 1 && Valid(parent.items[0]))
            return static_cast<int>(g_grid[static_cast<size_t>(parent.items[0])].rows.size());
        return 0;
    }
    std::vector<std::string> Columns(HWND) override { return {"Property", "Value"}; }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        if (path.IsWholeWindow())
            return MiscAutomationProvider::Read(hwnd, path);
        MiscElementState st;
        if (!Valid(path.items[0]) || path.items.size() > 2 || path.column > 1)
            return st;
        const Category& cat = g_grid[static_cast<size_t>(path.items[0])];
        int row = path.items.size() == 2 ? path.items[1] : -1;
        if (row >= static_cast<int>(cat.rows.size()))
            return st;
        st.exists = true;
        st.text = row < 0 ? cat.caption : path.column == 1 ? cat.rows[static_cast<size_t>(row)].value
                                                           : cat.rows[static_cast<size_t>(row)].caption;
        st.expanded = row < 0 ? (cat.open ? 1 : 0) : -1;
        st.childCount = row < 0 ? static_cast<int>(cat.rows.size()) : 0;
        int top = RowTop(path.items[0], row);
        if (top >= 0) {
            int left = path.column == 1 ? 100 : 0, right = path.column == 0 ? 100 : 200;
            st.rect = RECT{left, top, right, top + kRowHeight};
        }
        return st;
    }
    bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action) override
    {
        if (action.verb == MiscVerb::Expand || action.verb == MiscVerb::Collapse) {
            MiscElementState st = Read(hwnd, path);
            if (st.expanded < 0)
                return false;
            if ((st.expanded == 1) != (action.verb == MiscVerb::Expand))
                return MiscAutomationProvider::Perform(hwnd, path, MiscAction{});
            return true;
        }
        return MiscAutomationProvider::Perform(hwnd, path, action);
    }

private:
    static bool Valid(int c) { return c >= 0 && c < static_cast<int>(g_grid.size()); }
};

class AutoProviderTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        WNDCLASSA wc{};
        wc.lpfnWndProc = GridProc;
        wc.lpszClassName = "AutoTestGrid";
        RegisterClassA(&wc);
        MiscRegisterAutomationProvider("autotestgrid", std::make_shared<GridProvider>());
        g_grid = {{"Line", {{"Colour", "Red"}, {"Width", "2"}}}, {"Text", {{"Font", "Arial"}, {"Colour", "Blue"}}}};
        g_clicks.clear();
        grid = CreateWindowExA(0, "AutoTestGrid", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr,
                               nullptr, nullptr);
    }
    void TearDown() override
    {
        MiscRegisterAutomationProvider("AutoTestGrid", nullptr);
        GuiTest::TearDown();
    }
    HWND grid = nullptr;
};

TEST_F(AutoProviderTest, RowsAreFoundByCaptionPathAndCellsByColumn)
{
    MiscElement g(grid);
    MiscElement colour = g.Item("Text|Colour");
    ASSERT_TRUE(colour.Exists());
    EXPECT_EQ(colour.Path().items, (std::vector<int>{1, 1}));
    EXPECT_EQ(g.Item("Line|Colour").Path().items, (std::vector<int>{0, 0})); // same caption, other category
    EXPECT_FALSE(g.Item("Text|Width").Exists());
    EXPECT_FALSE(g.Item("Line|Colour|Deeper").Exists());
    EXPECT_EQ(g.Item("Text").Cell(1, "Value").Text(), "Blue");
    EXPECT_EQ(g.Item("Line").Cell(1, 1).Text(), "2");
    EXPECT_FALSE(g.Item("Line").Cell(1, "Unit").Exists());
}

TEST_F(AutoProviderTest, VerbsActAtThePlaceTheProviderReports)
{
    MiscElement g(grid);
    ASSERT_TRUE(g.Item("Text").Cell(0, "Value").Click());
    ASSERT_EQ(g_clicks.size(), 1u);
    EXPECT_EQ(g_clicks[0].x, 150); // the middle of the value column
    EXPECT_EQ(g_clicks[0].y, RowTop(1, 0) + kRowHeight / 2);
    // Collapsing the first category moves the rows below it up: the next click follows them.
    ASSERT_TRUE(g.Item("Line").Collapse());
    EXPECT_EQ(g.Item("Line").State().expanded, 0);
    EXPECT_TRUE(g.Item("Line").Collapse()); // already closed: nothing to do
    EXPECT_EQ(g_clicks.size(), 2u);
    RECT hidden = g.Item("Line|Width").State().rect;
    EXPECT_TRUE(IsRectEmpty(&hidden));
    EXPECT_FALSE(g.Item("Line|Width").Click()); // hidden rows cannot be clicked
    ASSERT_TRUE(g.Item("Text|Font").Click());
    EXPECT_EQ(g_clicks.back().y, kRowHeight * 2 + kRowHeight / 2);
    EXPECT_FALSE(g.Item("Text|Font").Expand()); // a row does not expand
}

TEST_F(AutoProviderTest, AnUnregisteredClassIsAWindowWithoutItems)
{
    MiscRegisterAutomationProvider("AutoTestGrid", nullptr);
    MiscElement g(grid);
    EXPECT_TRUE(g.Exists());
    EXPECT_EQ(g.ItemCount(), 0);
    EXPECT_FALSE(g.Item("Line").Exists());
    EXPECT_TRUE(g.Click()); // the window itself still takes a click
}

} // namespace
