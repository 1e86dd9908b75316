// The property grid's view and help pane: scrolling and the top row, the help pane and its
// splitter, rows of derived classes whose overrides the view must honour, and empty or vanishing
// rows that must not bring it down.
#include "gui_fixture.h"
#include "propgrid_host.h"

#include "win32/automation.h"
#include "win32/surface.h"

#include <string>

using namespace guitest;

namespace {

class PropGridViewTest : public GuiTest {
protected:
    void TearDown() override
    {
        host.reset();
        GuiTest::TearDown();
    }
    CXTPPropertyGrid& Grid() { return host->grid; }
    CXTPPropertyGridView& View() { return host->grid.GetGridView(); }
    HWND ViewHwnd() { return View().GetSafeHwnd(); }
    // A category of `rows` plain rows "Row 0", "Row 1", ...
    void FillRows(int rows)
    {
        CXTPPropertyGridItem* cat = Grid().AddCategory("Rows");
        for (int i = 0; i < rows; ++i)
            cat->AddChildItem(new CXTPPropertyGridItem(("Row " + std::to_string(i)).c_str(), "v"));
        MiscSettle();
    }
    // Pixels of `colour` inside a rectangle of the view.
    int CountColour(const CRect& r, COLORREF colour)
    {
        MiscSurface s = MiscCaptureWindow(ViewHwnd());
        int n = 0;
        for (int y = std::max<LONG>(0, r.top); y < std::min(static_cast<LONG>(s.height), r.bottom); ++y)
            for (int x = std::max<LONG>(0, r.left); x < std::min(static_cast<LONG>(s.width), r.right); ++x)
                n += MiscColorFromPixel(s.row(y)[x]) == colour ? 1 : 0;
        return n;
    }
    std::unique_ptr<GridHost> host = std::make_unique<GridHost>();
};

TEST_F(PropGridViewTest, TheViewScrollsByWheelScrollBarAndKeysAndRemembersItsTopRow)
{
    ASSERT_TRUE(host->Open(300, 300));
    FillRows(60);
    const int h = View().GetDefaultRowHeight();
    EXPECT_EQ(Grid().GetTopIndex(), 0);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(::GetScrollInfo(ViewHwnd(), SB_VERT, &si));
    EXPECT_EQ(si.nMax, 60);
    CRect client;
    View().GetClientRect(&client);
    ::SetFocus(Grid().GetSafeHwnd()); // the grid hands the focus to its view, where the wheel goes
    EXPECT_EQ(::GetFocus(), ViewHwnd());
    MiscSendMouse(ViewHwnd(), WM_MOUSEWHEEL, 50, 50, -WHEEL_DELTA);
    MiscSettle();
    EXPECT_EQ(Grid().GetTopIndex(), 3);
    ::SendMessageA(ViewHwnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
    const int page = client.Height() / h;
    EXPECT_EQ(Grid().GetTopIndex(), 3 + page);
    // The rows' rectangles follow: the top row starts at 0.
    EXPECT_EQ(View().GetItem(Grid().GetTopIndex())->GetItemRect().top, 0);
    Grid().SetTopIndex(100000); // clamped: the last row ends inside the view
    const int last = View().GetCount() - 1;
    const CRect lastRow = View().GetItem(last)->GetItemRect();
    EXPECT_LE(lastRow.bottom, client.bottom);
    EXPECT_GT(lastRow.bottom, client.bottom - h);
    Grid().SetTopIndex(-5);
    EXPECT_EQ(Grid().GetTopIndex(), 0);
    // End selects the last row and brings it into view; the edit moves with it.
    ASSERT_TRUE(MiscElement(Grid().GetSafeHwnd()).Item("Rows|Row 0").Click());
    MiscSendKey(VK_END, ViewHwnd());
    CXTPPropertyGridItem* bottom = Grid().FindItem("Row 59");
    EXPECT_EQ(Grid().GetSelectedItem(), bottom);
    EXPECT_LE(bottom->GetItemRect().bottom, client.bottom);
    CXTPPropertyGridInplaceEdit& edit = bottom->GetInplaceEdit();
    ASSERT_TRUE(edit.IsWindowVisible());
    CRect e;
    edit.GetWindowRect(&e);
    View().ScreenToClient(&e);
    EXPECT_GE(e.top, bottom->GetItemRect().top);
    // Scrolled away, the selected row's edit hides; scrolled back, it shows again.
    Grid().SetTopIndex(0);
    EXPECT_FALSE(edit.IsWindowVisible());
    MiscSendKey(VK_UP, ViewHwnd());
    EXPECT_EQ(Grid().GetSelectedItem(), Grid().FindItem("Row 58"));
    EXPECT_TRUE(edit.IsWindowVisible());
}

TEST_F(PropGridViewTest, TheHelpPaneTakesItsHeightFollowsItsSplitterAndShowsTheDescription)
{
    ASSERT_TRUE(host->Open(300, 300));
    Grid().SetHelpHeight(80);
    FillRows(3);
    CRect view;
    View().GetWindowRect(&view);
    EXPECT_EQ(view.Height(), 300 - 80 - 4);
    // Drag the splitter 30 pixels up: the help pane grows.
    MiscDragFrom(Grid().GetSafeHwnd(), POINT{150, view.Height() + 2}, POINT{0, -30});
    EXPECT_EQ(Grid().GetHelpHeight(), 110);
    View().GetWindowRect(&view);
    EXPECT_EQ(view.Height(), 300 - 110 - 4);
    // Ink in the pane's lower half: a description shows there.
    CXTPPropertyGridItem* described = Grid().FindItem("Row 1");
    described->SetDescription("A long description of the row, on its own lines.");
    auto ink = [&]() {
        MiscSurface s = MiscCaptureWindow(Grid().GetSafeHwnd());
        const COLORREF back = Grid().GetHelpBackColor();
        int n = 0;
        for (int y = 300 - 110 + 22; y < 300 - 4; ++y)
            for (int x = 4; x < 296; ++x)
                n += MiscColorFromPixel(s.row(y)[x]) != back ? 1 : 0;
        return n;
    };
    ASSERT_TRUE(MiscElement(Grid().GetSafeHwnd()).Item("Rows|Row 0").Click());
    EXPECT_EQ(ink(), 0);
    ASSERT_TRUE(MiscElement(Grid().GetSafeHwnd()).Item("Rows|Row 1").Click());
    EXPECT_GT(ink(), 20);
    Grid().ShowHelp(FALSE);
    View().GetWindowRect(&view);
    EXPECT_EQ(view.Height(), 300);
    Grid().SetHelpHeight(100000); // more than the window: the view keeps nothing, nothing breaks
    Grid().ShowHelp(TRUE);
    View().GetWindowRect(&view);
    EXPECT_EQ(view.Height(), 0);
}

// A row of the host's own kind: it paints its value itself, narrows the value area, counts what
// the view asks of it and keeps the down arrow to itself.
class OwnRow : public CXTPPropertyGridItem {
public:
    OwnRow() : CXTPPropertyGridItem("Own", "text") { m_flags = xtpGridItemHasEdit | xtpGridItemHasExpandButton; }
    int selects = 0, deselects = 0, clicks = 0, buttons = 0;
    BOOL OnDrawItemValue(CDC& dc, CRect rc) override
    {
        dc.FillSolidRect(&rc, RGB(0, 200, 0));
        return TRUE;
    }
    CRect GetValueRect() override
    {
        CRect rc = CXTPPropertyGridItem::GetValueRect();
        rc.right -= 30;
        return rc;
    }
    void OnSelect() override
    {
        ++selects;
        CXTPPropertyGridItem::OnSelect();
    }
    void OnDeselect() override
    {
        ++deselects;
        CXTPPropertyGridItem::OnDeselect();
    }
    BOOL OnLButtonDown(UINT flags, CPoint point) override
    {
        ++clicks;
        return CXTPPropertyGridItem::OnLButtonDown(flags, point);
    }
    void OnInplaceButtonDown() override { ++buttons; }
    BOOL OnKeyDown(UINT key) override { return key == VK_DOWN; }
};

class ChoiceRow : public CXTPPropertyGridItem {
public:
    ChoiceRow() : CXTPPropertyGridItem("Choice", "b") { m_flags = xtpGridItemHasComboButton; }
    int merges = 0, draws = 0;
    CSize OnMergeItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* c) override
    {
        ++merges;
        return CXTPPropertyGridItem::OnMergeItemConstraint(dc, c);
    }
    void OnDrawItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* c, CRect rc, BOOL selected) override
    {
        ++draws;
        CXTPPropertyGridItem::OnDrawItemConstraint(dc, c, rc, selected);
    }
};

TEST_F(PropGridViewTest, OverridesOfADerivedRowAreHonoured)
{
    ASSERT_TRUE(host->Open(300, 300));
    CXTPPropertyGridItem* cat = Grid().AddCategory("Own rows");
    auto* own = new OwnRow;
    cat->AddChildItem(own);
    auto* choice = new ChoiceRow;
    cat->AddChildItem(choice);
    for (const char* c : {"a", "b", "c"})
        choice->GetConstraints()->AddConstraint(c);
    MiscSettle();
    const CRect value = own->GetValueRect();
    EXPECT_GT(CountColour(value, RGB(0, 200, 0)), value.Width() * (value.Height() - 1) / 2);

    MiscElement row = MiscElement(Grid().GetSafeHwnd()).Item("Own rows|Own");
    ASSERT_TRUE(row.Click());
    EXPECT_EQ(own->selects, 1);
    EXPECT_EQ(own->clicks, 1);
    // The edit stands inside the narrowed value area; the button right of the row.
    CRect e;
    own->GetInplaceEdit().GetWindowRect(&e);
    View().ScreenToClient(&e);
    EXPECT_LE(e.right, own->GetValueRect().right);
    CXTPPropertyGridInplaceButton& button = own->GetInplaceButton();
    ASSERT_TRUE(button.IsWindowVisible());
    CRect b;
    button.GetClientRect(&b);
    MiscClickAt(button.GetSafeHwnd(), b.CenterPoint());
    EXPECT_EQ(own->buttons, 1);
    EXPECT_EQ(host->Count(XTP_PGN_INPLACEBUTTONDOWN), 0); // the override took it
    // The row keeps the down arrow: the selection stays.
    MiscSendKey(VK_DOWN, ViewHwnd());
    EXPECT_EQ(Grid().GetSelectedItem(), own);
    MiscSendKey(VK_UP, ViewHwnd());
    EXPECT_EQ(own->deselects, 1);
    // The drop-down asks the row to size and paint its entries.
    choice->Select();
    MiscSendKey(VK_F4, ViewHwnd());
    MiscSettle();
    EXPECT_EQ(choice->merges, 3);
    EXPECT_GE(choice->draws, 3);
    EXPECT_TRUE(choice->GetInplaceList().IsWindowVisible());
}

TEST_F(PropGridViewTest, EmptyGridsAndVanishingRowsDoNotBreakTheView)
{
    CXTPPropertyGrid unopened; // no window at all
    unopened.SetTopIndex(5);
    unopened.SetViewDivider(0.3);
    unopened.Refresh();
    EXPECT_EQ(unopened.GetTopIndex(), 0);
    EXPECT_EQ(unopened.GetSelectedItem(), nullptr);
    EXPECT_EQ(unopened.SendNotifyMessage(XTP_PGN_RCLICK, nullptr), 0);
    unopened.AddCategory("C")->AddChildItem(new CXTPPropertyGridItem("R"))->Select();
    EXPECT_EQ(unopened.GetGridView().GetCount(), 2);

    ASSERT_TRUE(host->Open(300, 200));
    for (UINT key : {VK_DOWN, VK_UP, VK_END, VK_HOME, VK_NEXT, VK_PRIOR, VK_LEFT, VK_RIGHT, VK_RETURN, VK_F4, VK_TAB})
        MiscSendKey(static_cast<int>(key), ViewHwnd());
    MiscTypeText("+-*x", ViewHwnd());
    MiscClickAt(ViewHwnd(), POINT{10, 10}, WM_LBUTTONDOWN, 2);
    MiscClickAt(ViewHwnd(), POINT{10, 10}, WM_RBUTTONDOWN);
    MiscSendMouse(ViewHwnd(), WM_MOUSEWHEEL, 10, 10, -WHEEL_DELTA);
    MiscSettle();
    EXPECT_TRUE(host->notes.empty());
    EXPECT_EQ(Grid().GetSelectedItem(), nullptr);

    // A row removed while its edit holds typed text: the text goes with it, nothing is reported.
    FillRows(3);
    CXTPPropertyGridItem* row = Grid().FindItem("Row 1");
    MiscElement(Grid().GetSafeHwnd()).Item("Rows|Row 1").Click();
    MiscClickAt(Grid().GetSafeHwnd(), row->GetValueRect().CenterPoint());
    MiscTypeText("typed");
    host->Clear();
    row->Remove();
    MiscSettle();
    EXPECT_EQ(Grid().GetSelectedItem(), nullptr);
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 0);
    EXPECT_EQ(View().GetCount(), 3);
    EXPECT_EQ(Grid().FindItem("Row 2")->GetIndex(), 2);
    // A row inserted above the selected one: the edit moves down with its row.
    CXTPPropertyGridItem* selected = Grid().FindItem("Row 2");
    MiscElement(Grid().GetSafeHwnd()).Item("Rows|Row 2").Click();
    Grid().GetCategories()->GetAt(0)->InsertChildItem(0, new CXTPPropertyGridItem("First", "f"));
    MiscSettle();
    CRect edit;
    selected->GetInplaceEdit().GetWindowRect(&edit);
    View().ScreenToClient(&edit);
    EXPECT_GE(edit.top, selected->GetItemRect().top);
    EXPECT_LE(edit.bottom, selected->GetItemRect().bottom);
    // Emptied while a drop-down is open.
    auto* e = new CXTPPropertyGridItemEnum("Pick");
    Grid().GetCategories()->GetAt(0)->AddChildItem(e);
    e->GetConstraints()->AddConstraint("one", 1);
    e->Select();
    MiscSendKey(VK_F4, ViewHwnd());
    MiscSettle();
    Grid().ResetContent();
    MiscSettle();
    EXPECT_EQ(View().GetCount(), 0);
    // A category with nothing in it, a row with no constraints opened.
    CXTPPropertyGridItem* lone = Grid().AddCategory("Empty");
    lone->Select();
    MiscTypeText("*-+", ViewHwnd());
    auto* bare = new CXTPPropertyGridItemEnum("Bare");
    lone->AddChildItem(bare);
    bare->Select();
    MiscSendKey(VK_F4, ViewHwnd());
    MiscClickAt(Grid().GetSafeHwnd(), bare->GetItemRect().CenterPoint(), WM_LBUTTONDOWN, 2);
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 0);
}

} // namespace
