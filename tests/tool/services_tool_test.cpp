// misctool share, mail and open as a user runs them, with every service redirected: a private
// Samba configuration, an outbox folder and a recording browser.
#include "test_env.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Result = tooltest::ToolRun;

// Runs misctool with `env` (NAME=value words) in front of it.
Result Tool(const std::string& env, const std::string& args)
{
    return tooltest::Misctool(args, true, env);
}

} // namespace

TEST(MisctoolServices, ShareAddListUncDeleteWithSamba)
{
    if (access("/usr/bin/net", X_OK) != 0)
        GTEST_SKIP() << "Samba's net program is not installed";
    const std::string root = misc_test::MakeTempDir("toolshare");
    mkdir((root + "/us").c_str(), 01770);
    mkdir((root + "/data").c_str(), 0755);
    mkdir((root + "/data/sub").c_str(), 0755);
    misc_test::WriteFile(root + "/smb.conf", "[global]\nusershare path = " + root +
                                                 "/us\nusershare max shares = 10\nusershare owner only = no\n");
    const std::string env = "MISC_COMPUTER_NAME=BOX MISC_SAMBA_CONF='" + root + "/smb.conf'";
    Result add = Tool(env, "share add 'team data' '" + root + "/data'");
    ASSERT_EQ(add.status, 0) << add.out;
    Result list = Tool(env, "share list");
    EXPECT_EQ(list.out, "team data\t" + root + "/data\n");
    Result unc = Tool(env, "share unc '" + root + "/data/sub/f.mrk'");
    EXPECT_EQ(unc.out, "\\\\BOX\\team data\\sub\\f.mrk\n");
    Result again = Tool(env, "share add 'team data' '" + root + "/data'");
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.out.find("already in use"), std::string::npos) << again.out;
    EXPECT_EQ(Tool(env, "share delete 'team data'").status, 0);
    EXPECT_EQ(Tool(env, "share list").out, "");
    Result none = Tool("MISC_NET_BACKEND=none", "share list");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(Tool(env, "share add onlyname").status, 2);
}

TEST(MisctoolServices, MailGoesToTheOutboxAndOpenReachesTheBrowser)
{
    const std::string root = misc_test::MakeTempDir("toolmail");
    misc_test::WriteFile(root + "/a.mrk", "abc");
    const std::string env = "XDG_DATA_HOME='" + root + "/data' MISC_MAIL_OUTBOX='" + root + "/out'";
    Result sent = Tool(env, "mail send --to a@example.org --subject S --attach '" + root + "/a.mrk'");
    EXPECT_EQ(sent.status, 0) << sent.out;
    EXPECT_EQ(sent.out, root + "/out/00001.eml\n");
    EXPECT_EQ(Tool(env, "mail send --subject S").status, 2);

    misc_test::WriteFile(root + "/browser.sh", "#!/bin/sh\necho \"$1\" > '" + root + "/opened'\n");
    chmod((root + "/browser.sh").c_str(), 0755);
    Result open = Tool("env -u DISPLAY -u XDG_CURRENT_DESKTOP BROWSER='" + root + "/browser.sh'", "open support");
    EXPECT_EQ(open.status, 0) << open.out;
    EXPECT_EQ(misc_test::ReadFile(root + "/opened"), "https://www.example.com/support\n");
    EXPECT_EQ(Tool("", "open elsewhere").status, 2);
}
