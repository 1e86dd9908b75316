// The colour row's texts and palette, and the file and folder rows' choosers.
#include "propdlg_fixture.h"

namespace propdlgtest {
namespace {

TEST(ColourTextTest, ComponentsAreTwoUpperCaseDigitsRedFirst)
{
    EXPECT_EQ(CCustomItemColor::RGBToString(RGB(5, 200, 0)), CString("05C800"));
    EXPECT_EQ(CCustomItemColor::RGBToString(RGB(255, 0, 16)), CString("FF0010"));
    EXPECT_EQ(CCustomItemColor::StringToRGB("FF0010"), RGB(255, 0, 16));
    EXPECT_EQ(CCustomItemColor::StringToRGB("05C800"), RGB(5, 200, 0));
    EXPECT_EQ(CCustomItemColor::StringToRGB("12G4"), RGB(0, 0, 0x12)); // reading stops at G
    EXPECT_EQ(CCustomItemColor::StringToRGB(""), RGB(0, 0, 0));
    EXPECT_EQ(CCustomItemColor::StringToRGB("1FFFFFF"), RGB(255, 255, 255)); // only three bytes count
}

class PropDlgRowsTest : public PropDlgTest {
protected:
    void SetUp() override
    {
        PropDlgTest::SetUp();
        MakeHost();
        ASSERT_TRUE(CreatePane(dlg));
        dlg.BuildGrid(7, nullptr);
        general = dlg.GetGrid()->FindItem(static_cast<UINT>(kCatGeneral));
        ASSERT_NE(general, nullptr);
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        PropDlgTest::TearDown();
    }
    bool Press(CXTPPropertyGridItem* item, const std::string& path)
    {
        return Row(dlg, path).Click() && MiscElement(item->GetInplaceButton().GetSafeHwnd()).Click();
    }
    RecordingDlg dlg{7, false};
    CXTPPropertyGridItem* general = nullptr;
};

TEST_F(PropDlgRowsTest, TheColourPaletteOpensUnderTheRowRightAlignedAndReportsThePick)
{
    COLORREF bound = RGB(1, 2, 3);
    auto* colour = static_cast<CCustomItemColor*>(general->AddChildItem(new CCustomItemColor("Colour", bound, &bound)));
    dlg.GetGrid()->GetGridView().Refresh();
    EXPECT_EQ(colour->GetValue(), CString("010203"));
    EXPECT_EQ(colour->GetFlags(), static_cast<UINT>(5));

    CRect opened;
    MiscScriptedUser user;
    user.Expect(MiscModalKind::ColorChooser, {}, [&](MiscModal& m) {
        ::GetWindowRect(m.hwnd, &opened);
        m.answer = "FF0010";
        m.answered = true;
    });
    ASSERT_TRUE(Press(colour, "General|Colour"));
    EXPECT_TRUE(user.AllDone()) << user.Report();
    CRect row = colour->GetItemRect();
    dlg.GetGrid()->GetGridView().ClientToScreen(&row);
    EXPECT_EQ(opened.left, row.right - 158);
    EXPECT_EQ(opened.right, row.right);
    EXPECT_EQ(opened.top, row.bottom);
    EXPECT_EQ(colour->GetValue(), CString("FF0010"));
    EXPECT_EQ(bound, RGB(255, 0, 16));
    EXPECT_EQ(dlg.GetGrid()->IsChanged(), 1); // reported as a value change

    // Typed into the row's edit, a text reads as a colour too.
    ASSERT_TRUE(Value(dlg, "General|Colour").TypeText("05C800"));
    EXPECT_EQ(bound, RGB(5, 200, 0));
}

TEST_F(PropDlgRowsTest, ACancelledFileDialogKeepsTheValueAndReportsNothing)
{
    auto* file = static_cast<CCustomItemFileBox*>(general->AddChildItem(new CCustomItemFileBox(CString("File"), true)));
    file->SetValue("/patterns/front.cut");
    dlg.GetGrid()->GetGridView().Refresh();
    EXPECT_EQ(file->GetFlags(), static_cast<UINT>(3));
    std::string shownName;
    DWORD flags = 0;
    MiscScriptedUser user;
    user.Expect(MiscModalKind::FileOpen, {}, [&](MiscModal& m) {
        shownName = m.fileName;
        flags = m.flags;
    });
    ASSERT_TRUE(Press(file, "General|File"));
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(shownName, "/patterns/front.cut");
    EXPECT_TRUE(flags & OFN_HIDEREADONLY);
    EXPECT_TRUE(flags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(file->GetValue(), CString("/patterns/front.cut"));
    EXPECT_EQ(dlg.GetGrid()->IsChanged(), 0);

    MiscScriptedUser again;
    again.ExpectFileOpen("/patterns/back.cut");
    ASSERT_TRUE(Press(file, "General|File"));
    EXPECT_EQ(file->GetValue(), CString("/patterns/back.cut"));
    EXPECT_EQ(dlg.GetGrid()->IsChanged(), 1);
}

TEST_F(PropDlgRowsTest, AFolderRowBrowsesFromItsValue)
{
    auto* folder = static_cast<CCustomItemFileBox*>(general->AddChildItem(new CCustomItemFileBox(CString("Folder"), false)));
    folder->SetValue("/data/out");
    dlg.GetGrid()->GetGridView().Refresh();
    std::string preset;
    MiscScriptedUser user;
    user.Expect(MiscModalKind::Folder, {}, [&](MiscModal& m) {
        preset = m.initialDir;
        m.answer = "/data/markers";
        m.answered = true;
    });
    ASSERT_TRUE(Press(folder, "General|Folder"));
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(preset, "/data/out");
    EXPECT_EQ(folder->GetValue(), CString("/data/markers"));
}

} // namespace
} // namespace propdlgtest
