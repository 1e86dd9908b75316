// The locate dialog: the path shown, typed or browsed, and what comes back.
#include "datadlg_fixture.h"

#include <cstring>

#include "test_env.h"

using namespace datadlgtest;

namespace {

class LocateTest : public DataDlgTest {};

TEST_F(LocateTest, ConfirmingCopiesTheEditedPathBack)
{
    char path[256] = "/old/place/piece.cut";
    MiscScriptedUser user;
    user.ExpectDialog(IDD_LOCATE, [](MiscModal& m) {
        EXPECT_EQ(MiscGetControlText(m.hwnd, IDC_LOCATE_PATH), "/old/place/piece.cut");
        MiscSetControlText(m.hwnd, IDC_LOCATE_PATH, "/new/place/piece.cut");
        MiscClickButton(m.hwnd, IDOK);
    });
    EXPECT_EQ(miscLocate(nullptr, path), 1);
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_STREQ(path, "/new/place/piece.cut");
}

TEST_F(LocateTest, CancelLeavesThePathAndTheCursor)
{
    char path[256] = "/old/piece.cut";
    HCURSOR cursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)); // IDC_WAIT
    ::SetCursor(cursor);
    MiscScriptedUser user;
    user.ExpectDialog(IDD_LOCATE, [](MiscModal& m) {
        MiscSetControlText(m.hwnd, IDC_LOCATE_PATH, "/elsewhere");
        ::SetCursor(nullptr);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    EXPECT_EQ(miscLocate(nullptr, path), 0);
    EXPECT_STREQ(path, "/old/piece.cut");
    EXPECT_EQ(::GetCursor(), cursor);
}

TEST_F(LocateTest, TheBrowseButtonAsksForAFileStartingAtThePath)
{
    const std::string found = misc_test::MakeTempDir("locate") + "/found.cut";
    misc_test::WriteFile(found, "x");
    char path[256] = "/data/old.cut";
    MiscScriptedUser user;
    user.ExpectDialog(IDD_LOCATE, [&](MiscModal& m) {
        MiscFindControl(m.hwnd, BROWSE_EDIT_BUTTON_ID).Click();
        EXPECT_EQ(MiscGetControlText(m.hwnd, IDC_LOCATE_PATH), found);
        MiscClickButton(m.hwnd, IDOK);
    });
    user.Expect(MiscModalKind::FileOpen,
                [](const MiscModal& m) { return m.fileName.find("old.cut") != std::string::npos; },
                [&](MiscModal& m) {
                    m.answer = found;
                    m.answered = true;
                }, "the browse chooser");
    EXPECT_EQ(miscLocate(nullptr, path), 1);
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(std::string(path), found);
}

TEST_F(LocateTest, ALongPathIsCutAt255Characters)
{
    std::string buffer(300, '\0');
    MiscScriptedUser user;
    user.ExpectDialog(IDD_LOCATE, [](MiscModal& m) {
        MiscSetControlText(m.hwnd, IDC_LOCATE_PATH, std::string(280, 'p').c_str());
        MiscClickButton(m.hwnd, IDOK);
    });
    EXPECT_EQ(miscLocate(nullptr, buffer.data()), 1);
    EXPECT_EQ(std::strlen(buffer.c_str()), 255u);
}

} // namespace
