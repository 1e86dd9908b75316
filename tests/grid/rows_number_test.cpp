// The number row with a unit: what the edit lets through, the unit text, reading the number
// back, percentages and negative numbers, and its edit as the person sees it.
#include "rows_fixture.h"

#include <win32/msgbox.h>

namespace rows_test {
namespace {

using NumberRowTest = RowsTest;

CItemNumberWithUnit* NumberRow(const char* value, int unit, eUnitType type, double* number)
{
    return new CItemNumberWithUnit(CString("Length"), CString(value), nullptr, unit, type, number);
}

TEST_F(NumberRowTest, TheEditRefusesWhatIsNoNumberWithABeep)
{
    double number = 0;
    CItemNumberWithUnit* row = Add(NumberRow("0", -1, UNIT_TYPE_NONE, &number));
    CDbArray<int> minus;
    minus.Add('-');
    struct Case {
        int allowDecimals;
        bool withMinus;
        char c;
        bool legal;
    } cases[] = {
        {1, false, '7', true},  {1, false, '.', true},  {1, false, '/', true},  {0, false, '.', false},
        {0, false, '/', false}, {0, false, '5', true},  {1, false, '-', false}, {1, true, '-', true},
        {1, false, 'a', false}, {1, false, ' ', false}, {0, false, 8, true},    {0, false, 13, true},
    };
    for (const Case& c : cases) {
        row->SetDouble(c.allowDecimals);
        row->SetAdditionLegalChar(c.withMinus ? minus : CDbArray<int>());
        EXPECT_EQ(static_cast<CItemNumberWithUnitEdit&>(row->GetInplaceEdit()).IsCharLegal(c.c), c.legal)
            << "'" << c.c << "' decimals " << c.allowDecimals << " minus " << c.withMinus;
    }

    // Typed into the edit: the refused characters beep and never reach the text.
    row->SetDouble(0);
    row->SetAdditionLegalChar(CDbArray<int>());
    ClickValue(row);
    CWnd& edit = row->GetInplaceEdit();
    ASSERT_TRUE(Shows(edit));
    int beeps = MiscMessageBeepCount();
    TypeAndEnter("1.5/x2");
    EXPECT_EQ(MiscMessageBeepCount() - beeps, 3);
    EXPECT_DOUBLE_EQ(number, 152.0);
    EXPECT_STREQ(row->GetValue(), "152");
}

TEST_F(NumberRowTest, UnitTextsByUnitType)
{
    struct Case {
        eUnitType type;
        int unit;
        const char* value;
        const char* shown;
    } cases[] = {
        {UNIT_TYPE_LINEAR, 0, "12.5 cm", "12.5 mm"}, // the old unit text goes
        {UNIT_TYPE_LINEAR, 1, "7", "7 cm"},          // no unit yet: a blank and the unit
        {UNIT_TYPE_AREA, 1, "3", "3 sq cm"},         {UNIT_TYPE_ANGLE, 0, "90", "90 deg"},
        {UNIT_TYPE_TIME, 1, "5", "5 min"},           {UNIT_TYPE_FIXED, 0, "4", "4 pcs"},
        {UNIT_TYPE_PERCENT, 0, "25", "25 %"},        {UNIT_TYPE_LINEAR, -1, "1.5 kg", "1.5"},
        {UNIT_TYPE_NONE, 0, "x1,5", "1.5"},          {UNIT_TYPE_LINEAR, 0, "", ""},
    };
    for (const Case& c : cases) {
        CItemNumberWithUnit row(CString("Row"), CString(c.value), nullptr, c.unit, c.type, nullptr);
        EXPECT_STREQ(row.GetValue(), c.shown) << c.value << " type " << c.type << " unit " << c.unit;
    }

    CString bound = "old";
    CItemNumberWithUnit row(CString("Row"), CString("2"), &bound, 0, UNIT_TYPE_LINEAR, nullptr);
    EXPECT_STREQ(bound, "2 mm") << "the bound string receives the shown text";
    row.SetUnit(CString("kg"));
    EXPECT_EQ(row.GetUnit(), 2);
    row.AddStrUnit();
    EXPECT_STREQ(row.GetValue(), "2 kg");
    EXPECT_STREQ(bound, "2 kg");
}

TEST_F(NumberRowTest, StringToFloatReadsTheLeadingNumber)
{
    CItemNumberWithUnit row(CString("Row"), CString(""), nullptr, -1, UNIT_TYPE_NONE, nullptr);
    double out = 9.0;
    EXPECT_EQ(row.StringToFloat(out), 0) << "an empty text";
    struct Case {
        const char* text;
        double expected;
    } cases[] = {{"3.5 x", 0.0}, {"3.5   ", 3.5}, {"3.5", 3.5}, {"-2.25", -2.25}, {"3/8", 0.0}, {"abc", 0.0}};
    for (const Case& c : cases) {
        row.SetValue(c.text);
        out = 9.0;
        EXPECT_EQ(row.StringToFloat(out), 1) << c.text;
        EXPECT_DOUBLE_EQ(out, c.expected) << c.text;
    }
}

TEST_F(NumberRowTest, NegativeNumbersKeepTheirSign)
{
    double number = -5.0;
    CItemNumberWithUnit* row = Add(NumberRow("", -1, UNIT_TYPE_NONE, &number));
    row->Update();
    EXPECT_STREQ(row->GetValue(), "-5.00");

    CDbArray<int> minus;
    minus.Add('-');
    row->SetAdditionLegalChar(minus);
    ClickValue(row);
    TypeAndEnter("-12.5");
    EXPECT_DOUBLE_EQ(number, -12.5);
    EXPECT_STREQ(row->GetValue(), "-12.5");
}

// Percentages are kept as fractions: the row shows 0.25 as 25, and a typed 25 stores 0.25, so
// what is typed shows again unchanged.
TEST_F(NumberRowTest, ATypedPercentageComesBackAsTyped)
{
    double number = 0.25;
    CItemNumberWithUnit* row = Add(NumberRow("", 0, UNIT_TYPE_PERCENT, &number));
    row->Update();
    EXPECT_STREQ(row->GetValue(), "25.00 %");

    ClickValue(row);
    TypeAndEnter("40");
    EXPECT_DOUBLE_EQ(number, 0.40);
    EXPECT_STREQ(row->GetValue(), "40 %");
    row->Update();
    EXPECT_STREQ(row->GetValue(), "40.00 %");
}

TEST_F(NumberRowTest, TheEditShowsOverTheValueAndReportsTheChange)
{
    double number = 1.0;
    CItemNumberWithUnit* row = Add(NumberRow("1", 0, UNIT_TYPE_LINEAR, &number));
    CWnd& edit = row->GetInplaceEdit();
    EXPECT_FALSE(edit.GetSafeHwnd()) << "no edit before the row is selected";

    ClickValue(row);
    ASSERT_TRUE(Shows(edit));
    CRect value = row->GetValueRect();
    CRect placed = Placed(edit);
    EXPECT_TRUE(value.PtInRect(placed.CenterPoint())) << "the edit lies over the value area";
    EXPECT_EQ(placed.top >= value.top - 1 && placed.bottom <= value.bottom + 1, true);

    TypeAndEnter("30.5");
    EXPECT_DOUBLE_EQ(number, 30.5);
    EXPECT_STREQ(row->GetValue(), "30.5 mm");
    EXPECT_EQ(m_owner.Changes(row), 1);

    Deselect();
    EXPECT_FALSE(Shows(edit)) << "the edit goes with the selection";
}

} // namespace
} // namespace rows_test
