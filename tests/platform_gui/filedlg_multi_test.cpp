// File choosers that let the person pick several files at once (OFN_ALLOWMULTISELECT).
#include "gui_fixture.h"

#include <afxwin.h>

#include "test_env.h"

using namespace guitest;

namespace {

class SeveralFilesTest : public GuiTest {};

std::vector<std::string> Picked(const CFileDialog& dlg)
{
    std::vector<std::string> out;
    for (POSITION pos = dlg.GetStartPosition(); pos;)
        out.push_back(dlg.GetNextPathName(pos).GetString());
    return out;
}

TEST_F(SeveralFilesTest, EveryPickedFileComesBackAsAWholePath)
{
    const std::string dir = misc_test::MakeTempDir("several");
    const std::string other = misc_test::MakeTempDir("elsewhere");
    for (const std::string& f : {dir + "/a.mrk", dir + "/b b.dsp", other + "/c.pds"})
        misc_test::WriteFile(f, "x");
    MiscScriptedUser user;
    user.ExpectFileOpen(MiscFileAnswers({dir + "/a.mrk", dir + "/b b.dsp", other + "/c.pds"}))
        .ExpectFileOpen(dir + "/a.mrk");
    CFileDialog several(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
    ASSERT_EQ(several.DoModal(), IDOK);
    EXPECT_EQ(Picked(several), (std::vector<std::string>{dir + "/a.mrk", dir + "/b b.dsp", other + "/c.pds"}));
    // One file: the whole path, as without the flag.
    CFileDialog one(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT);
    ASSERT_EQ(one.DoModal(), IDOK);
    EXPECT_STREQ(one.GetPathName(), (dir + "/a.mrk").c_str());
    EXPECT_EQ(Picked(one), (std::vector<std::string>{dir + "/a.mrk"}));
    EXPECT_TRUE(user.AllDone()) << user.Report();
}

TEST_F(SeveralFilesTest, AMissingFileOrASmallBufferAnswersNothing)
{
    const std::string dir = misc_test::MakeTempDir("several");
    misc_test::WriteFile(dir + "/a.mrk", "x");
    {
        MiscScriptedUser user;
        user.ExpectFileOpen(MiscFileAnswers({dir + "/a.mrk", dir + "/gone.mrk"}));
        CFileDialog dlg(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(MiscModalErrors().size(), 1u);
        MiscClearModalErrors();
    }
    MiscScriptedUser user;
    user.ExpectFileOpen(MiscFileAnswers({dir + "/a.mrk", dir + "/a.mrk"}));
    char small[16] = "";
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT);
    dlg.m_ofn.lpstrFile = small;
    dlg.m_ofn.nMaxFile = sizeof small;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
    EXPECT_TRUE(user.AllDone()) << user.Report();
}

} // namespace
