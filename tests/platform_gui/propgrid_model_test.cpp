// The property grid's rows as data: trees and their search, constraints, the typed kinds and
// their bound variables, captions from string resources; with and without a grid window.
#include "gui_fixture.h"
#include "propgrid_host.h"

#include "mfc/module.h"

#include <string>

using namespace guitest;

namespace {

class PropGridModelTest : public GuiTest {
protected:
    void TearDown() override
    {
        host.reset();
        GuiTest::TearDown();
    }
    std::unique_ptr<GridHost> host = std::make_unique<GridHost>();
};

std::string S(const CString& s)
{
    return std::string(static_cast<LPCTSTR>(s));
}

// A row that records the view's calls.
class Recorder : public CXTPPropertyGridItem {
public:
    explicit Recorder(LPCTSTR caption) : CXTPPropertyGridItem(caption) {}
    int shown = 0, hidden = 0, indexChanges = 0, inserted = 0;
    void SetVisible(BOOL visible) override
    {
        (visible ? shown : hidden)++;
        CXTPPropertyGridItem::SetVisible(visible);
    }
    void OnIndexChanged() override { ++indexChanges; }
    void OnBeforeInsert() override { ++inserted; }
};

TEST_F(PropGridModelTest, ConstraintsFindSortAndKeepTheCurrentChoice)
{
    CXTPPropertyGridItemConstraints c;
    EXPECT_TRUE(c.IsEmpty());
    EXPECT_EQ(S(c.GetAt(0)), "");
    EXPECT_EQ(c.GetConstraintAt(-1), nullptr);
    c.AddConstraint("pear", 3);
    c.AddConstraint("Apple", 1);
    c.AddConstraint("apple", 2);
    c.AddConstraint(nullptr, 9); // an empty text, not a crash
    EXPECT_EQ(c.GetCount(), 4);
    EXPECT_EQ(c.FindConstraint("apple"), 2); // exact, case-sensitive
    EXPECT_EQ(c.FindConstraint("APPLE"), -1);
    EXPECT_EQ(c.FindConstraint(static_cast<DWORD_PTR>(3)), 0);
    EXPECT_EQ(c.FindConstraint(static_cast<LPCTSTR>(nullptr)), -1);
    c.SetCurrent(0); // pear
    c.Sort();
    EXPECT_EQ(S(c.GetAt(0)), "");
    EXPECT_EQ(S(c.GetAt(1)), "Apple"); // stable among equal texts
    EXPECT_EQ(S(c.GetAt(2)), "apple");
    EXPECT_EQ(S(c.GetAt(3)), "pear");
    EXPECT_EQ(c.GetCurrent(), 3);
    EXPECT_EQ(c.GetConstraintAt(2)->GetIndex(), 2);
    c.RemoveAt(1);
    EXPECT_EQ(c.GetCurrent(), 2);
    EXPECT_EQ(c.GetConstraintAt(1)->GetIndex(), 1);
    c.RemoveAt(2);
    EXPECT_EQ(c.GetCurrent(), -1);
    c.RemoveAt(7); // out of range: nothing
    EXPECT_EQ(c.GetCount(), 2);
    c.RemoveAll();
    EXPECT_TRUE(c.IsEmpty());
}

TEST_F(PropGridModelTest, FindItemSearchesDepthFirstAndTakesTheFirstMatch)
{
    CXTPPropertyGrid grid; // no window
    CXTPPropertyGridItem* a = grid.AddCategory("A");
    CXTPPropertyGridItem* deep = a->AddChildItem(new CXTPPropertyGridItem("X", "1"));
    CXTPPropertyGridItem* inner = deep->AddChildItem(new CXTPPropertyGridItem("Y", "2"));
    inner->SetID(7);
    CXTPPropertyGridItem* b = grid.AddCategory("B");
    CXTPPropertyGridItem* later = b->AddChildItem(new CXTPPropertyGridItem("Y", "3"));
    later->SetID(7);
    EXPECT_EQ(grid.FindItem("Y"), inner);
    EXPECT_EQ(grid.FindItem(7u), inner);
    EXPECT_EQ(grid.FindItem("B"), b);
    EXPECT_EQ(grid.FindItem("nothing"), nullptr);
    EXPECT_EQ(grid.FindItem(static_cast<LPCTSTR>(nullptr)), nullptr);
    EXPECT_EQ(b->GetChilds()->FindItem("Y"), later);
    EXPECT_EQ(inner->GetParentItem(), deep);
    EXPECT_EQ(a->GetParentItem(), nullptr);
    EXPECT_TRUE(a->IsCategory());
    EXPECT_FALSE(deep->IsCategory());
    EXPECT_EQ(grid.GetCategories()->GetCount(), 2);
    EXPECT_EQ(a->AddChildItem(nullptr), nullptr);
    inner->Remove();
    EXPECT_EQ(grid.FindItem(7u), later);
    grid.ResetContent();
    EXPECT_EQ(grid.GetCategories()->GetCount(), 0);
    EXPECT_EQ(grid.FindItem("Y"), nullptr);
}

TEST_F(PropGridModelTest, TypedKindsKeepTextNumberAndBoundVariableInStep)
{
    long width = 5;
    CXTPPropertyGridItemNumber number("Width", 0, &width);
    EXPECT_EQ(S(number.GetValue()), "5"); // the bound variable wins over the given value
    number.SetValue("42abc");
    EXPECT_EQ(width, 42);
    EXPECT_EQ(S(number.GetValue()), "42");

    double ratio = 0;
    CXTPPropertyGridItemDouble real("Ratio", 2.25, "%0.1f", nullptr);
    real.BindToDouble(&ratio);
    EXPECT_EQ(ratio, 2.25);
    real.SetValue("3.14");
    EXPECT_EQ(S(real.GetValue()), "3.1");
    EXPECT_DOUBLE_EQ(ratio, 3.14);
    CXTPPropertyGridItemDouble plain("Plain", 1.0);
    EXPECT_EQ(S(plain.GetValue()), "1.00");

    int mode = 2;
    CXTPPropertyGridItemEnum choice("Mode", 0, &mode);
    EXPECT_EQ(S(choice.GetValue()), ""); // no choices yet: no text
    choice.GetConstraints()->AddConstraint("Low", 1);
    choice.GetConstraints()->AddConstraint("High", 2);
    choice.SetEnum(2);
    EXPECT_EQ(S(choice.GetValue()), "High");
    EXPECT_EQ(choice.GetConstraints()->GetCurrent(), 1);
    choice.SetValue("Low");
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(choice.GetEnum(), 1);
    EXPECT_EQ(choice.GetFlags(), static_cast<UINT>(xtpGridItemHasComboButton));

    COLORREF colour = 0;
    CXTPPropertyGridItemColor paint("Colour", RGB(1, 2, 3), &colour);
    EXPECT_EQ(colour, RGB(0, 0, 0)); // bound: the variable's colour is taken
    paint.SetValue("10; 20;30");
    EXPECT_EQ(colour, RGB(10, 20, 30));
    EXPECT_EQ(S(paint.GetValue()), "10; 20; 30");
    paint.SetValue("300; 1; 1"); // refused: the colour stays
    paint.SetValue("red");
    EXPECT_EQ(colour, RGB(10, 20, 30));
    EXPECT_EQ(S(paint.GetValue()), "10; 20; 30");

    CString bound = "old";
    CXTPPropertyGridItem text("Text", nullptr, &bound);
    EXPECT_EQ(S(text.GetValue()), "old");
    text.SetValue("new");
    EXPECT_EQ(S(bound), "new");
}

TEST_F(PropGridModelTest, ACaptionByIdentifierComesFromTheCurrentResourceModule)
{
    HMODULE res = ::GetModuleHandleA("misc_res.dll");
    ASSERT_NE(res, nullptr);
    AfxSetResourceHandle(res);
    char expected[256] = {};
    ASSERT_GT(::LoadStringA(res, 61404, expected, sizeof expected), 0);
    CXTPPropertyGridItem row(61404u);
    EXPECT_EQ(S(row.GetCaption()), expected);
    EXPECT_EQ(row.GetID(), 61404u);
    CXTPPropertyGridItem missing(1u); // no such string: an empty caption
    EXPECT_EQ(S(missing.GetCaption()), "");
    CXTPPropertyGrid grid;
    CXTPPropertyGridItem* category = grid.AddCategory(61404u);
    EXPECT_EQ(S(category->GetCaption()), expected);
    EXPECT_EQ(grid.FindItem(61404u), category);
}

TEST_F(PropGridModelTest, TheViewShowsExpandedRowsAndTellsEachRowItsIndexAndVisibility)
{
    ASSERT_TRUE(host->Open());
    CXTPPropertyGrid& grid = host->grid;
    CXTPPropertyGridItem* cat = grid.AddCategory("Cat");
    auto* parent = new Recorder("Parent");
    cat->AddChildItem(parent);
    auto* child = new Recorder("Child");
    parent->AddChildItem(child);
    auto* after = new Recorder("After");
    cat->AddChildItem(after);
    EXPECT_EQ(parent->inserted, 1);
    CXTPPropertyGridView& view = grid.GetGridView();
    EXPECT_EQ(view.GetCount(), 3); // Cat, Parent, After: Parent is collapsed
    EXPECT_EQ(after->GetIndex(), 2);
    EXPECT_EQ(child->GetIndex(), -1);
    EXPECT_FALSE(child->IsVisible());
    EXPECT_EQ(after->shown, 1);
    parent->Expand();
    EXPECT_EQ(view.GetCount(), 4);
    EXPECT_EQ(child->GetIndex(), 2);
    EXPECT_EQ(child->shown, 1);
    EXPECT_EQ(after->GetIndex(), 3);
    EXPECT_GE(after->indexChanges, 2);
    cat->Collapse();
    EXPECT_EQ(view.GetCount(), 1);
    EXPECT_EQ(after->hidden, 1);
    EXPECT_EQ(child->hidden, 1);
    EXPECT_EQ(view.GetItem(0), cat);
    EXPECT_EQ(view.GetItem(5), nullptr);
    grid.ResetContent();
    EXPECT_EQ(view.GetCount(), 0);
    EXPECT_EQ(grid.GetSelectedItem(), nullptr);
}

TEST_F(PropGridModelTest, RowRectanglesFollowHeightsAndTheDivider)
{
    ASSERT_TRUE(host->Open(400, 300));
    CXTPPropertyGrid& grid = host->grid;
    FillSample(grid);
    CXTPPropertyGridView& view = grid.GetGridView();
    const int h = view.GetDefaultRowHeight();
    EXPECT_GT(h, 10);
    CXTPPropertyGridItem* width = grid.FindItem("Width");
    CXTPPropertyGridItem* ratio = grid.FindItem("Ratio");
    ratio->SetHeight(40);
    EXPECT_EQ(CRect(width->GetItemRect()), CRect(0, h, 400, 2 * h));
    EXPECT_EQ(CRect(ratio->GetItemRect()), CRect(0, 2 * h, 400, 2 * h + 40));
    EXPECT_EQ(view.ItemFromPoint(CPoint(5, 2 * h + 39)), ratio);
    grid.SetViewDivider(0.25);
    EXPECT_EQ(view.GetDividerPos(), 100);
    EXPECT_EQ(ratio->GetValueRect().left, 101);
    grid.SetViewDivider(5.0); // clamped inside the window
    EXPECT_LT(view.GetDividerPos(), 400);
    EXPECT_GT(view.GetDividerPos(), 300);
}

TEST_F(PropGridModelTest, TheImageManagerKeepsCopiesAndDrawsThemWithMagentaClear)
{
    CXTPImageManager images;
    EXPECT_FALSE(images.SetIcons(59999, nullptr, 0, CSize(16, 16))); // no such bitmap
    EXPECT_FALSE(images.SetIcon(nullptr, 1));
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 8, 8);
    HDC mem = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    RECT all{0, 0, 8, 8}, left{0, 0, 4, 8};
    HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0)), magenta = ::CreateSolidBrush(RGB(255, 0, 255));
    ::FillRect(mem, &all, magenta);
    ::FillRect(mem, &left, red);
    ::SelectObject(mem, old);
    ASSERT_TRUE(images.SetIcon(bitmap, 5));
    ::DeleteObject(bitmap); // the manager keeps its own copy
    EXPECT_TRUE(images.HasImage(5));
    EXPECT_FALSE(images.HasImage(6));
    EXPECT_EQ(images.GetImageSize(5), CSize(8, 8));
    HBITMAP target = ::CreateCompatibleBitmap(screen, 10, 10);
    old = ::SelectObject(mem, target);
    RECT back{0, 0, 10, 10};
    HBRUSH white = ::CreateSolidBrush(RGB(255, 255, 255));
    ::FillRect(mem, &back, white);
    CDC* dc = CDC::FromHandle(mem);
    EXPECT_TRUE(images.DrawImage(dc, 5, CPoint(1, 1)));
    EXPECT_FALSE(images.DrawImage(dc, 6, CPoint(1, 1)));
    EXPECT_EQ(::GetPixel(mem, 2, 2), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(mem, 7, 2), RGB(255, 255, 255)); // magenta stays clear
    ::SelectObject(mem, old);
    for (HGDIOBJ o : {static_cast<HGDIOBJ>(target), static_cast<HGDIOBJ>(red), static_cast<HGDIOBJ>(magenta),
                      static_cast<HGDIOBJ>(white)})
        ::DeleteObject(o);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    images.RemoveAll();
    EXPECT_FALSE(images.HasImage(5));
}

} // namespace
