// The family dialog base: the remembered position, lengths in working units, and the choosers.
#include "gui_fixture.h"

#include <family.h>

#include <cmath>

#include "test_env.h"

using namespace guitest;

namespace {

class VmxTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        KestProfile::Reset();
        KestProfile::m_namePath = (misc_test::MakeTempDir("vmx") + "/user.ini").c_str();
    }
    void TearDown() override
    {
        KestProfile::Reset();
        GuiTest::TearDown();
    }
};

TEST_F(VmxTest, TheDialogComesBackWhereItWasClosed)
{
    POINT first{}, second{};
    {
        CVmxDialog dlg(kDlgBasic, nullptr, 0, TestModule(), 0);
        ASSERT_TRUE(dlg.Create(kDlgBasic, nullptr, 0));
        dlg.InitPos();
        dlg.SetWindowPos(nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        dlg.DestroyWindow();
    }
    {
        CVmxDialog dlg(kDlgBasic, nullptr, 0, TestModule(), 0);
        dlg.Create(kDlgBasic, nullptr, 0);
        CRect r;
        dlg.GetWindowRect(&r);
        first = r.TopLeft();
        dlg.InitPos();
        dlg.GetWindowRect(&r);
        second = r.TopLeft();
        // Start position only: moving it now is not remembered.
        dlg.SetStartPosOnly(1);
        dlg.SetWindowPos(nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        dlg.DestroyWindow();
    }
    EXPECT_EQ(second.x, 123);
    EXPECT_EQ(second.y, 77);
    EXPECT_NE(first.x, 123);
    char value[32];
    GetPrivateProfileStringA("VmxDialogPositions", "Dialog100", "", value, sizeof(value), KestProfile::m_namePath);
    EXPECT_STREQ(value, "123,77");
}

TEST_F(VmxTest, SendBackToOrigPlaceRestoresAndKeepsThePlace)
{
    CVmxDialog dlg(kDlgBasic, nullptr, 0, TestModule(), 0);
    dlg.Create(kDlgBasic, nullptr, 0);
    CRect start;
    dlg.GetWindowRect(&start);
    dlg.InitPos();
    dlg.SetWindowPos(nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dlg.SendBackToOrigPlace();
    CRect now;
    dlg.GetWindowRect(&now);
    EXPECT_EQ(now.TopLeft(), start.TopLeft());
    char value[32];
    GetPrivateProfileStringA("VmxDialogPositions", "Dialog100", "", value, sizeof(value), KestProfile::m_namePath);
    EXPECT_EQ(std::string(value), std::to_string(start.left) + "," + std::to_string(start.top));
    dlg.DestroyWindow();
}

TEST_F(VmxTest, ARememberedPlaceOffTheDesktopIsPulledBackOnIt)
{
    WritePrivateProfileStringA("VmxDialogPositions", "Dialog100", "5000,-300", KestProfile::m_namePath);
    CVmxDialog dlg(kDlgBasic, nullptr, 0, TestModule(), 0);
    dlg.Create(kDlgBasic, nullptr, 0);
    dlg.InitPos();
    CRect r;
    dlg.GetWindowRect(&r);
    EXPECT_EQ(r.right, 1280);
    EXPECT_EQ(r.top, 0);
    dlg.DestroyWindow();
}

TEST_F(VmxTest, LengthsAsTextInTheWorkingUnits)
{
    CVmxDialog dlg(TestModule(), 0);
    struct Case {
        int unit, decimals, showUnit, precision;
        double mm;
        const char* text;
    } cases[] = {
        {0, -1, 0, 1, 12.34, "12.3"},  {1, -1, 0, 1, 12.34, "1.23"}, {1, 3, 1, 1, 10.0, "1.000 cm"},
        {1, 3, 0, 0, 10.0, "1"},       {3, -1, 1, 1, 25.4, "1.000 in"}, {2, -1, 0, 1, -1500.0, "-1.5000"},
        {0, 0, 0, 1, -0.2, "0"},
    };
    for (const Case& c : cases) {
        dlg.setWorkingUnits(c.unit, c.decimals, c.showUnit, 0, 0);
        char text[64];
        dlg.vmxSetTextReal(text, c.mm, c.precision);
        EXPECT_STREQ(text, c.text) << c.mm;
    }
}

TEST_F(VmxTest, LengthsTypedInTheWorkingUnits)
{
    CVmxDialog dlg(TestModule(), 0);
    struct Case {
        int unit;
        const char* typed;
        int ok;
        double mm;
    } cases[] = {
        {0, "12.5", 1, 12.5},  {0, " 12,5 mm", 1, 12.5}, {1, "-2", 1, -20.0},   {3, "1 1/2", 1, 38.1},
        {3, "3/4 in", 1, 19.05}, {3, "3/0", 0, 0},       {0, "abc", 0, 0},      {0, "", 0, 0},
        {0, "1.2.3", 0, 0},    {0, "12x3", 0, 0},        {0, ".5", 1, 0.5},     {4, "2", 1, 609.6},
    };
    for (const Case& c : cases) {
        dlg.setWorkingUnits(c.unit, -1, 0, 0, 0);
        CString text(c.typed);
        double value = -999;
        EXPECT_EQ(dlg.vmxGetStrReal(text, &value, 0), c.ok) << c.typed;
        if (c.ok)
            EXPECT_NEAR(value, c.mm, 1e-9) << c.typed;
        else
            EXPECT_EQ(value, -999) << c.typed;
    }
}

TEST_F(VmxTest, ChoosersFillTheCallersBufferOnlyWhenTheAnswerFits)
{
    std::string dir = misc_test::MakeTempDir("vmx");
    std::string file = dir + "/cloth.fpf";
    misc_test::WriteFile(file, "x");
    MiscScriptedUser user;
    MiscModal seen;
    user.ExpectFileOpen(file).ExpectFileOpen(file).ExpectFileOpen("");
    char path[MAX_PATH] = "";
    std::snprintf(path, sizeof(path), "%s/old.fpf", dir.c_str());
    EXPECT_EQ(SelectFileFpf(nullptr, path, sizeof(path), "*.fpf", nullptr, nullptr, 0), 1);
    EXPECT_STREQ(path, file.c_str());
    char tiny[8] = "";
    EXPECT_EQ(SelectFileFpf(nullptr, tiny, sizeof(tiny), "*.fpf", nullptr, nullptr, 0), 0);
    EXPECT_STREQ(tiny, "");
    EXPECT_EQ(SelectBitmap(nullptr, path, sizeof(path), nullptr, 0), 0);
    EXPECT_TRUE(user.AllDone());
}

TEST_F(VmxTest, TheFileDialogCarriesItsTitle)
{
    std::string title;
    MiscSetModalHandler([&](MiscModal& m) { title = m.caption; });
    CVMXFileDialog dlg("Import layers", TRUE, "lyt", nullptr, OFN_HIDEREADONLY, "Toots Layers File(*.lyt)|*.lyt|");
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(title, "Import layers");
}

TEST_F(VmxTest, SetIconGivesBothIcons)
{
    CWnd wnd;
    wnd.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    vmxSetIcon(&wnd, nullptr, 32516); // a system icon; a module's icon works the same way
    EXPECT_NE(wnd.GetIcon(TRUE), nullptr);
    EXPECT_EQ(wnd.GetIcon(TRUE), wnd.GetIcon(FALSE));
}

} // namespace
