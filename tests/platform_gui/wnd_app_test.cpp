// The application object: its profile and its main window.
#include "gui_fixture.h"

#include <afxwin.h>

#include <cstdlib>
#include <cstring>

#include "test_env.h"

using namespace guitest;

namespace {

class AppTest : public GuiTest {};

TEST_F(AppTest, ProfileValuesGoToTheApplicationsProfileFile)
{
    CWinApp app("Tester");
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_STREQ(AfxGetAppName(), "Tester");
    std::string file = misc_test::MakeTempDir("app") + "/tester.ini";
    std::free(const_cast<char*>(app.m_pszProfileName));
    app.m_pszProfileName = strdup(file.c_str());
    EXPECT_EQ(app.GetProfileInt("Theme", "Style", 7), 7u);
    EXPECT_TRUE(app.WriteProfileInt("Theme", "Style", -3));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Theme", "Style", 7)), -3);
    EXPECT_TRUE(app.WriteProfileString("Pane", "Name", "Warnings"));
    EXPECT_STREQ(app.GetProfileString("Pane", "Name"), "Warnings");
    EXPECT_STREQ(app.GetProfileString("Pane", "Missing", "default"), "default");
    std::string longValue(1000, 'x');
    app.WriteProfileString("Pane", "Long", longValue.c_str());
    EXPECT_EQ(app.GetProfileString("Pane", "Long").GetLength(), 1000);
    EXPECT_NE(misc_test::ReadFile(file).find("Style=-3"), std::string::npos);
}

TEST_F(AppTest, ItsOwnProfileLivesInThePerUserDataFolder)
{
    const std::string data = misc_test::MakeTempDir("appdata") + "/not/yet";
    const std::string saved = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    {
        CWinApp app("Cut/Planner");
        EXPECT_EQ(std::string(app.m_pszProfileName), data + "/Cut_Planner.INI");
        EXPECT_TRUE(app.WriteProfileInt("Panes", "ShowDelay", 4));
        EXPECT_EQ(app.GetProfileInt("Panes", "ShowDelay", 0), 4u);
    }
    setenv("XDG_DATA_HOME", saved.c_str(), 1);
    EXPECT_NE(misc_test::ReadFile(data + "/Cut_Planner.INI").find("ShowDelay=4"), std::string::npos);
}

TEST_F(AppTest, TheMainWindowIsForgottenWhenItIsDestroyed)
{
    CWinApp app("Main");
    CWnd* frame = new CWnd;
    frame->CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr);
    app.m_pMainWnd = frame;
    EXPECT_EQ(AfxGetMainWnd(), frame);
    frame->DestroyWindow();
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    delete frame;
}

TEST_F(AppTest, WithoutAnApplicationObjectADefaultOneIsThere)
{
    CWinApp* app = AfxGetApp();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(AfxGetApp(), app);
    EXPECT_NE(app->m_pszProfileName, nullptr);
}

} // namespace
