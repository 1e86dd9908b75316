// misctool mail send --dialog: the compose dialog waits for a person, so without a display the
// tool says so and sends nothing. (With MISC_DISPLAY=sdl the dialog is driven by real X events in
// tests/display/mail-dialog-test.sh.)
#include "test_env.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

TEST(MisctoolMailDialog, WithoutADisplayNothingIsSent)
{
    const std::string root = misc_test::MakeTempDir("toolmaildlg");
    const tooltest::ToolRun run = tooltest::Misctool("mail send --dialog --to a@example.org", true,
                                                     "env -u MISC_DISPLAY XDG_DATA_HOME='" + root + "/data' MISC_MAIL_OUTBOX='" +
                                                         root + "/out'");
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_TRUE(tooltest::Has(run, "needs a display")) << run.out;
    struct stat st;
    EXPECT_NE(stat((root + "/out").c_str(), &st), 0);
}

} // namespace
