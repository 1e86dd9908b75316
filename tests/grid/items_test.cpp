// Typed items: construction rules, apply, change detection, defaults, separators.
#include "grid_fixture.h"

#include <cstdlib>

namespace {
// The process-wide separator, so that each test starts before the first construction.
struct SeparatorAccess : CGnrlGridItemData {
    static char& Symbol() { return m_decimalSymbol; }
};
class Separator : public ::testing::Test {
protected:
    void SetUp() override { SeparatorAccess::Symbol() = 'A'; }
    void TearDown() override
    {
        unsetenv("MISC_DECIMAL_SEPARATOR");
        SeparatorAccess::Symbol() = 'A';
    }
};
class SeparatorProfile : public GridProfileTest {
protected:
    void SetUp() override
    {
        GridProfileTest::SetUp();
        SeparatorAccess::Symbol() = 'A';
    }
    void TearDown() override
    {
        unsetenv("MISC_DECIMAL_SEPARATOR");
        SeparatorAccess::Symbol() = 'A';
        GridProfileTest::TearDown();
    }
};
} // namespace

TEST(GridItems, SliderStartsInTheMiddleOfItsRange)
{
    CSliderGnrlItemData slider(CString("S"), 0, 10, 50, nullptr, ePropertyNone, CString());
    EXPECT_EQ(slider.GetValue(), 30);
    int host = 12;
    CSliderGnrlItemData bound(CString("S"), 0, 10, 50, &host, ePropertyNone, CString());
    EXPECT_EQ(bound.GetValue(), 12);
    CSpinGnrlItemData spin(CString("P"), 0.f, 1.f, 2.f, nullptr, ePropertyNone, CString());
    EXPECT_FLOAT_EQ(spin.GetValue(), 1.5f);
}

TEST(GridItems, IntGlobalsAreTruncatedTowardZero)
{
    CNumberGnrlItemData number(CString("N"), 2.9, 0, ePropertyNone, "%0.2f", CString());
    int host = 0;
    double real = 0;
    number.SetGlobal(&host);
    EXPECT_EQ(number.IsChanged(), 1);
    number.OnApply();
    EXPECT_EQ(host, 2);
    EXPECT_EQ(number.IsChanged(), 1); // the int cannot hold 2.9
    number.SetValue(-2.9);
    number.OnApply();
    EXPECT_EQ(host, -2);
    number.SetGlobal(&real);
    number.OnApply();
    EXPECT_EQ(number.IsChanged(), 0); // the double global is compared first
    number.SetValue(5);
    number.OnDefault();
    EXPECT_EQ(number.GetValue(), 2.9);
}

TEST(GridItems, NumberTextForZeroAndPercentages)
{
    CNumberGnrlItemData zero(CString("Z"), 0.0, 0, ePropertyNone, "%0.3f", CString());
    EXPECT_STREQ(zero.FormatValue(), "0");
    CNumberGnrlItemData percent(CString("P"), 0.25, 0, ePropertyNone, "%0.1f", CString());
    percent.SetUnitType(UNIT_TYPE_PERCENT);
    EXPECT_STREQ(percent.FormatValue(), "25.0");
}

TEST_F(Separator, ComesFromTheLocaleOnFirstConstruction)
{
    setenv("MISC_DECIMAL_SEPARATOR", "::", 1); // too long: the lookup fails, "." stays
    CNumberGnrlItemData first(CString("F"), 1.5, 0, ePropertyNone, "%0.2f", CString());
    EXPECT_STREQ(first.FormatValue(), "1.50");
    setenv("MISC_DECIMAL_SEPARATOR", ",", 1); // the next construction tries again
    CNumberGnrlItemData second(CString("S"), 1.5, 0, ePropertyNone, "%0.2f", CString());
    EXPECT_STREQ(second.FormatValue(), "1,50");
    setenv("MISC_DECIMAL_SEPARATOR", ";", 1); // taken once per process
    CNumberGnrlItemData third(CString("T"), 1.5, 0, ePropertyNone, "%0.2f", CString());
    EXPECT_STREQ(third.FormatValue(), "1,50");
    unsetenv("MISC_DECIMAL_SEPARATOR");
}

TEST_F(SeparatorProfile, ApplyWritesTheProfileWithDotsWhateverTheLocale)
{
    setenv("MISC_DECIMAL_SEPARATOR", ",", 1);
    CNumberGnrlItemData number(CString("N"), 1.25, 0, ePropertyNone, "%0.2f", "Len");
    EXPECT_STREQ(number.FormatValue(), "1,25");
    number.OnApply(); // no section yet: nothing written
    EXPECT_EQ(Read("Pref", "Len"), "<none>");
    number.SetAppRegName("Pref");
    number.OnApply();
    EXPECT_EQ(Read("Pref", "Len"), "1.250000");
    unsetenv("MISC_DECIMAL_SEPARATOR");
}

TEST_F(GridProfileTest, CheckBoxStylesOppositeAndTexts)
{
    int host = 2;
    CCheckBoxGnrlItemData tri(1, 2, nullptr, ePropertyNone, CString());
    EXPECT_EQ(tri.GetChkBoxStyle(), 6u);
    CCheckBoxGnrlItemData bound(1, 2, &host, ePropertyNone, "Tri");
    EXPECT_EQ(host, 2); // construction never writes the host variable
    EXPECT_EQ(bound.IsChanged(), 0);

    host = 1;
    CCheckBoxGnrlItemData opposite(1, 0, &host, ePropertyNone, "Opp");
    EXPECT_EQ(opposite.GetChkBoxStyle(), 3u);
    opposite.SetOpposite(1);
    EXPECT_EQ(opposite.GetValue(), 0); // shows unchecked
    EXPECT_EQ(opposite.IsChanged(), 0);
    opposite.SetAppRegName("Pref");
    opposite.SetValue(1); // the person checks the box
    EXPECT_EQ(opposite.IsChanged(), 1);
    opposite.OnApply();
    EXPECT_EQ(host, 0);
    EXPECT_EQ(Read("Pref", "Opp"), "0"); // checked writes the false text
    opposite.SetWriteYesNo(0);
    opposite.OnApply();
    EXPECT_EQ(Read("Pref", "Opp"), "NO");
}

TEST_F(GridProfileTest, ListItemWritesOnlyKnownChoices)
{
    CLongStringArray list;
    list.Add(1, "One");
    list.Add(2, "Two");
    CLongStringArray saved;
    saved.Add(2, "second");
    int host = 7;
    CListGnrlItemData item(5, "Nope", list, ePropertyNone);
    EXPECT_EQ(item.GetEditEnable(), 0);
    item.SetGlobal(&host);
    item.SetRegKey("Choice");
    item.SetAppRegName("Pref");
    item.OnApply();
    EXPECT_EQ(host, 7);
    EXPECT_EQ(Read("Pref", "Choice"), "<none>");
    EXPECT_EQ(item.GetLongValue(), 1); // the first choice when none matches
    item.SetStrValue("One");
    item.OnApply();
    EXPECT_EQ(host, 1);
    EXPECT_EQ(Read("Pref", "Choice"), "1");
    item.SetIniFileData(saved);
    item.SetStrValue("Two");
    item.OnApply();
    EXPECT_EQ(Read("Pref", "Choice"), "second");
}

TEST(GridItems, ListBoxFollowsItsIndex)
{
    CLongStringArray list;
    list.Add(3, "Three");
    list.Add(4, "Four");
    CListBoxGnrlItemData box(1, 4, list, ePropertyNone);
    EXPECT_EQ(box.GetCurrentIndex(), 1);
    EXPECT_STREQ(box.GetStrValue(), "Four");
    box.SetValue(99); // not a choice: the first one
    EXPECT_EQ(box.GetCurrentIndex(), 0);
    EXPECT_EQ(box.GetLongValue(), 3);
    CListBoxGnrlItemData empty(1, 4, CLongStringArray(), ePropertyNone);
    EXPECT_EQ(empty.GetCurrentIndex(), -1);
    EXPECT_EQ(empty.GetLongValue(), 0);
}

TEST(GridItems, ImageListFallsBackToItsDefaultChoice)
{
    CLongStringArray list;
    list.Add(10, "Ten");
    list.Add(20, "Twenty");
    CListBoxImagesGnrlItemData images(1, 20, list, 0, nullptr, ePropertyNone, true);
    EXPECT_EQ(images.GetHasButton(), 1);
    EXPECT_EQ(images.GetImageId(), -1); // no grid: no images
    EXPECT_TRUE(images.SetValue(10));
    EXPECT_FALSE(images.SetValue(15));
    EXPECT_EQ(images.GetValue(), 20); // the default choice
    images.SetDefaultValue(99);        // not a choice either: the first choice
    EXPECT_FALSE(images.SetValue(15));
    EXPECT_EQ(images.GetValue(), 10);
    EXPECT_EQ(images.GetDefaultValue(), 10);
    CListBoxImagesGnrlItemData none(1, 5, CLongStringArray(), 0, nullptr, ePropertyNone, true);
    EXPECT_FALSE(none.SetValue(5));
    EXPECT_EQ(none.GetValue(), 0);
}
