// CInternetSupportAPI: the addresses of the resource module reach the browser named by
// $BROWSER through xdg-open, as one argument, and the resource handle comes back.
#include <misc/services.h>

#include <afxwin.h>
#include <misc/resources.h>
#include <win32/shell.h>

#include "test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

class WebLinks : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = misc_test::MakeTempDir("web");
        record = dir + "/opened.txt";
        const std::string script = dir + "/browser.sh";
        misc_test::WriteFile(script, "#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" >> \"" + record + "\"\n");
        chmod(script.c_str(), 0755);
        setenv("BROWSER", script.c_str(), 1);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("XDG_CURRENT_DESKTOP");
        MiscClearMessageBoxLog();
    }
    void TearDown() override
    {
        unsetenv("BROWSER");
        unsetenv("MISC_OPEN_COMMAND");
    }
    std::string Opened()
    {
        MiscShellWaitChildren();
        struct stat st;
        return stat(record.c_str(), &st) == 0 ? misc_test::ReadFile(record) : std::string();
    }
    std::string dir, record;
};

} // namespace

TEST_F(WebLinks, HomeAndSupportOpenTheResourceAddresses)
{
    HINSTANCE before = AfxGetResourceHandle();
    CInternetSupportAPI web;
    web.OnWebHome();
    EXPECT_EQ(AfxGetResourceHandle(), before);
    EXPECT_EQ(Opened(), "1|https://www.example.com/\n");
    web.OnWebSupport();
    EXPECT_EQ(AfxGetResourceHandle(), before);
    EXPECT_EQ(Opened(), "1|https://www.example.com/\n1|https://www.example.com/support\n");
    EXPECT_TRUE(MiscMessageBoxLog().empty());
}

TEST_F(WebLinks, CopiesShareTheLink)
{
    CInternetSupportAPI web;
    {
        CInternetSupportAPI copy;
        copy = web;
        copy.OnWebSupport();
    }
    EXPECT_STREQ(web.GetLastUrl(), "https://www.example.com/support");
    web.OnWebHome();
    EXPECT_STREQ(web.GetLastUrl(), "https://www.example.com/");
    Opened();
}

TEST_F(WebLinks, WithoutTheResourceModuleTheMessageComesFirstAndNothingOpens)
{
    HINSTANCE before = AfxGetResourceHandle();
    MiscUnregisterModule("misc_res.dll");
    AfxSetResourceHandle(nullptr);
    CInternetSupportAPI web;
    web.OnWebSupport();
    MiscResAttach();
    AfxSetResourceHandle(before);
    ASSERT_EQ(MiscMessageBoxLog().size(), 1u);
    EXPECT_EQ(MiscMessageBoxLog()[0].text, "Misc resource handle not found.");
    // The fallback search finds no string 61405, and an empty address opens nothing.
    EXPECT_STREQ(web.GetLastUrl(), "");
    EXPECT_EQ(Opened(), "");
}

TEST(ShellOpen, AnAddressWithShellCharactersIsOneArgument)
{
    const std::string dir = misc_test::MakeTempDir("shell");
    const std::string record = dir + "/args.txt";
    const std::string script = dir + "/open.sh";
    misc_test::WriteFile(script, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > \"" + record + "\"\n");
    chmod(script.c_str(), 0755);
    setenv("MISC_OPEN_COMMAND", script.c_str(), 1);
    const char* url = "https://x.test/a b;$(touch /tmp/no)'\"&|`";
    EXPECT_GT(reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", url, "", "C:\\", SW_SHOWNORMAL)), 32);
    EXPECT_EQ(MiscShellWaitChildren(), 1);
    EXPECT_EQ(misc_test::ReadFile(record), std::string("[") + url + "]");
    EXPECT_EQ(reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", "", "", "", 1)), 2);
    EXPECT_EQ(reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "print", "x", "", "", 1)), SE_ERR_NOASSOC);
    setenv("MISC_OPEN_COMMAND", (dir + "/missing-program").c_str(), 1);
    EXPECT_EQ(reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", "x", "", "", 1)), SE_ERR_NOASSOC);
    unsetenv("MISC_OPEN_COMMAND");
    EXPECT_EQ(MiscShellWaitChildren(), 0);
}
