// misctool mail send --dialog: the compose dialog waits for a person, so without a display the
// tool says so and sends nothing. (With MISC_DISPLAY=sdl the dialog is driven by real X events in
// tests/display/mail-dialog-test.sh.)
#include "test_env.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

TEST(MisctoolMailDialog, WithoutADisplayNothingIsSent)
{
    const std::string root = misc_test::MakeTempDir("toolmaildlg");
    const std::string command = "env -u MISC_DISPLAY XDG_DATA_HOME='" + root + "/data' MISC_MAIL_OUTBOX='" + root +
                                "/out' '" + MISCTOOL_PATH + "' mail send --dialog --to a@example.org 2>&1";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[512];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1) << out;
    EXPECT_NE(out.find("needs a display"), std::string::npos) << out;
    struct stat st;
    EXPECT_NE(stat((root + "/out").c_str(), &st), 0);
}

} // namespace
