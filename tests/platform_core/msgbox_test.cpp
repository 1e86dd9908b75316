// Message boxes: default answers, the scripted user, the record of boxes and beeps.
#include <afx.h>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

class MessageBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        MiscClearMessageBoxLog();
        m_previous = MiscSetMessageBoxHandler(nullptr);
    }
    void TearDown() override
    {
        MiscSetMessageBoxHandler(m_previous);
        MiscSetMessageBoxBackend(nullptr);
        MiscSetAppTitle(nullptr);
        MiscUnregisterModule("msgbox_strings.dll");
        MiscClearMessageBoxLog();
    }
    MiscMessageBoxHandler m_previous;
};

TEST_F(MessageBoxTest, WithoutAHandlerTheDefaultButtonAnswers)
{
    struct Case {
        UINT type;
        int answer;
    };
    const Case cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON4, IDYES}, // no fourth button: the first one
        {MB_RETRYCANCEL, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
        {MB_CANCELTRYCONTINUE | MB_DEFBUTTON2, IDTRYAGAIN},
        {MB_OK | MB_HELP | MB_DEFBUTTON2, IDHELP},
        {MB_OK | MB_DEFBUTTON2 | MB_ICONSTOP, IDOK},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", c.type), c.answer) << "type 0x" << std::hex << c.type;
    EXPECT_EQ(MiscMessageBoxLog().size(), sizeof(cases) / sizeof(cases[0]));
}

TEST_F(MessageBoxTest, HandlerAnswersAndEveryBoxIsRecorded)
{
    std::vector<MiscMessageBoxRequest> seen;
    MiscSetMessageBoxHandler([&](const MiscMessageBoxRequest& r) {
        seen.push_back(r);
        return r.text == "Save?" ? IDNO : IDOK;
    });
    HWND owner = reinterpret_cast<HWND>(0x10);
    EXPECT_EQ(MessageBoxA(owner, "Save?", "Layers", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDOK);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].owner, owner);
    EXPECT_EQ(seen[0].caption, "Layers");
    EXPECT_EQ(seen[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(seen[1].text, "");
    EXPECT_EQ(seen[1].caption, "Error") << "a null caption reads Error, as on Windows";
    auto log = MiscMessageBoxLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].text, "Save?");
    MiscClearMessageBoxLog();
    EXPECT_TRUE(MiscMessageBoxLog().empty());
}

TEST_F(MessageBoxTest, SettingAHandlerReturnsThePreviousOne)
{
    MiscMessageBoxHandler first = [](const MiscMessageBoxRequest&) { return IDCANCEL; };
    EXPECT_FALSE(MiscSetMessageBoxHandler(first));
    MiscMessageBoxHandler previous = MiscSetMessageBoxHandler([](const MiscMessageBoxRequest&) { return IDYES; });
    ASSERT_TRUE(previous);
    EXPECT_EQ(previous(MiscMessageBoxRequest{}), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "x", "y", MB_YESNO), IDYES);
    MiscSetMessageBoxHandler(nullptr);
    EXPECT_EQ(MessageBoxA(nullptr, "x", "y", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

TEST_F(MessageBoxTest, AHandlerMayShowBoxesItself)
{
    MiscSetMessageBoxHandler([](const MiscMessageBoxRequest& r) {
        if (r.text == "outer")
            return MessageBoxA(nullptr, "inner", "nested", MB_OKCANCEL | MB_DEFBUTTON2);
        return MiscMessageBoxDefaultButton(r.type);
    });
    EXPECT_EQ(MessageBoxA(nullptr, "outer", "top", MB_OK), IDCANCEL);
    auto log = MiscMessageBoxLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].text, "outer");
    EXPECT_EQ(log[1].text, "inner");
}

TEST_F(MessageBoxTest, BackendDecidesHowBoxesAreShown)
{
    int shown = 0;
    MiscSetMessageBoxBackend([&](const MiscMessageBoxRequest& r) {
        ++shown;
        MiscMessageBoxHandler h = MiscGetMessageBoxHandler();
        return h ? h(r) : IDABORT;
    });
    EXPECT_EQ(MessageBoxA(nullptr, "a", "b", MB_OK), IDABORT);
    MiscSetMessageBoxHandler([](const MiscMessageBoxRequest&) { return IDRETRY; });
    EXPECT_EQ(MessageBoxA(nullptr, "a", "b", MB_OK), IDRETRY);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(MiscMessageBoxLog().size(), 2u) << "boxes are recorded whatever the backend";
    MiscSetMessageBoxBackend(nullptr);
    MiscSetMessageBoxHandler(nullptr);
    EXPECT_EQ(MessageBoxA(nullptr, "a", "b", MB_OK), IDOK);
}

TEST_F(MessageBoxTest, AfxMessageBoxUsesTheApplicationTitleAndStringResources)
{
    static const MiscResString strings[] = {{28845, "Save the changes?"}};
    static const MiscResourceTable table = {strings, 1, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0};
    MiscRegisterModule("msgbox_strings.dll", &table);
    EXPECT_FALSE(MiscGetAppTitle().empty()) << "the program's name until a title is set";
    EXPECT_EQ(MiscGetAppTitle().find('/'), std::string::npos);
    MiscSetAppTitle("Pattern Designer");
    EXPECT_EQ(AfxMessageBox(28845, MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(AfxMessageBox("plain"), IDOK);
    EXPECT_EQ(AfxMessageBox(4242u), IDOK);
    auto log = MiscMessageBoxLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].text, "Save the changes?");
    EXPECT_EQ(log[0].caption, "Pattern Designer");
    EXPECT_EQ(log[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(log[1].text, "plain");
    EXPECT_EQ(log[2].text, "") << "a missing string shows an empty box";
}

TEST_F(MessageBoxTest, BeepsAreCounted)
{
    EXPECT_EQ(MiscMessageBeepCount(), 0);
    EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
    EXPECT_TRUE(MessageBeep(0xFFFFFFFF));
    EXPECT_EQ(MiscMessageBeepCount(), 2);
    MiscClearMessageBoxLog();
    EXPECT_EQ(MiscMessageBeepCount(), 0);
}

} // namespace
