// What the property grid paints where colour is the point: the theme's category look, custom
// colours of the view and help pane, row metrics, and the selection highlight.
#include "gui_fixture.h"
#include "propgrid_host.h"

#include "win32/surface.h"
#include "win32/theme.h"

using namespace guitest;

namespace {

class PropGridPaintTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(host->Open(300, 300));
        FillSample(host->grid);
        MiscSettle();
    }
    void TearDown() override
    {
        host.reset();
        MiscSelectTheme("classic");
        GuiTest::TearDown();
    }
    COLORREF At(HWND hwnd, int x, int y)
    {
        MiscSurface s = MiscCaptureWindow(hwnd);
        return MiscColorFromPixel(s.row(y)[x]);
    }
    COLORREF ViewAt(int x, int y) { return At(host->grid.GetGridView().GetSafeHwnd(), x, y); }
    std::unique_ptr<GridHost> host = std::make_unique<GridHost>();
};

TEST_F(PropGridPaintTest, CategoryRowsFollowTheThemeAndValuesTheirMetrics)
{
    CXTPPropertyGrid& grid = host->grid;
    const CRect category = grid.FindItem("General")->GetItemRect();
    const COLORREF classic = ViewAt(250, category.top + 2);
    ASSERT_TRUE(MiscSelectTheme("office2003"));
    MiscSettle();
    const COLORREF office = ViewAt(250, category.top + 2);
    EXPECT_NE(classic, office);
    ASSERT_TRUE(MiscSelectTheme("classic"));
    MiscSettle();

    CXTPPropertyGridItem* ratio = grid.FindItem("Ratio");
    ratio->GetValueMetrics()->m_clrBack = RGB(10, 200, 30);
    ratio->GetCaptionMetrics()->m_clrBack = RGB(200, 20, 30);
    ratio->RedrawItem();
    const CRect row = ratio->GetItemRect();
    EXPECT_EQ(ViewAt(290, row.top + 1), RGB(10, 200, 30));
    EXPECT_EQ(ViewAt(grid.GetGridView().GetDividerPos() - 2, row.top + 1), RGB(200, 20, 30));
    // The divider line in the line colour.
    EXPECT_EQ(ViewAt(grid.GetGridView().GetDividerPos(), row.top + 1), grid.GetViewLineColor());
    // Selected and focused: the caption takes the highlight.
    ratio->Select();
    grid.GetGridView().SetFocus();
    MiscSettle();
    EXPECT_EQ(ViewAt(grid.GetGridView().GetDividerPos() - 2, row.top + 1), ::GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(PropGridPaintTest, CustomColoursReplaceTheThemeUntilStandardColoursReturn)
{
    CXTPPropertyGrid& grid = host->grid;
    grid.SetCustomColors(RGB(1, 2, 3), RGB(250, 250, 250), RGB(0, 0, 255), RGB(255, 255, 200), RGB(0, 0, 0));
    MiscSettle();
    EXPECT_EQ(grid.GetHelpBackColor(), RGB(1, 2, 3));
    EXPECT_EQ(grid.GetHelpForeColor(), RGB(250, 250, 250));
    CRect help;
    grid.GetClientRect(&help);
    EXPECT_EQ(At(grid.GetSafeHwnd(), 150, help.bottom - 5), RGB(1, 2, 3));
    const CRect width = grid.FindItem("Width")->GetItemRect();
    EXPECT_EQ(ViewAt(290, width.top + 1), RGB(255, 255, 200));
    grid.SetStandardColors();
    MiscSettle();
    EXPECT_EQ(grid.GetHelpBackColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ViewAt(290, width.top + 1), ::GetSysColor(COLOR_WINDOW));
}

} // namespace
