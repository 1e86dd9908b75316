// Message boxes as windows and the file and folder choosers, answered by the scripted user.
#include "gui_fixture.h"

#include <afxwin.h>

#include <fstream>

#include "test_env.h"

using namespace guitest;

namespace {

class MsgBoxTest : public GuiTest {};

std::vector<std::string> ButtonTexts(HWND box)
{
    std::vector<std::string> out;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[16], text[32];
        GetClassNameA(c, cls, sizeof(cls));
        GetWindowTextA(c, text, sizeof(text));
        if (std::string(cls) == "Button")
            out.push_back(text);
    }
    return out;
}

TEST_F(MsgBoxTest, TheHandlerAnswersWhileTheBoxIsOpenAsAWindow)
{
    HWND seen = nullptr;
    std::vector<std::string> buttons;
    std::string label;
    MiscSetMessageBoxHandler([&](const MiscMessageBoxRequest& r) {
        seen = MiscActiveModal();
        buttons = ButtonTexts(seen);
        label = MiscGetControlText(seen, 0xFFFF);
        EXPECT_EQ(GetFocus(), GetDlgItem(seen, IDNO)); // MB_DEFBUTTON2
        return IDNO;
    });
    int answer = MessageBoxA(nullptr, "Save the changes?", "Question", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(answer, IDNO);
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(IsWindow(seen)); // closed afterwards
    EXPECT_EQ(buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
    EXPECT_EQ(label, "Save the changes?");
    ASSERT_EQ(MiscMessageBoxLog().size(), 1u);
    EXPECT_EQ(MiscMessageBoxLog()[0].caption, "Question");
}

TEST_F(MsgBoxTest, TheModalHandlerCanPressKeysInTheBox)
{
    struct Case {
        UINT type;
        int key;
        int answer;
    } cases[] = {
        {MB_OK, VK_RETURN, IDOK},           {MB_OK, VK_ESCAPE, IDOK},
        {MB_OKCANCEL, VK_ESCAPE, IDCANCEL}, {MB_YESNO | MB_DEFBUTTON2, VK_RETURN, IDNO},
        {MB_RETRYCANCEL, VK_RETURN, IDRETRY},
    };
    for (const Case& c : cases) {
        MiscSetModalHandler([&](MiscModal& m) {
            EXPECT_EQ(m.kind, MiscModalKind::MessageBox);
            EXPECT_EQ(m.type, c.type);
            MiscPressKey(c.key);
        });
        EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", c.type), c.answer) << c.type << " " << c.key;
    }
    // Escape does nothing in a Yes/No box: nobody closes it, so it gives its default answer.
    MiscSetModalHandler([](MiscModal&) { MiscPressKey(VK_ESCAPE); });
    EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_YESNO), IDYES);
    EXPECT_EQ(MiscModalErrors().size(), 1u);
}

TEST_F(MsgBoxTest, WithoutAnyHandlerABoxGivesItsDefaultButton)
{
    EXPECT_EQ(MessageBoxA(nullptr, "x", nullptr, MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_TRUE(MiscModalErrors().empty());
    EXPECT_EQ(MiscMessageBoxLog()[0].caption, "Error");
}

TEST_F(MsgBoxTest, AfxMessageBoxAndTheOwnerWindow)
{
    CWnd owner;
    owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr);
    bool ownerEnabled = true;
    MiscSetMessageBoxHandler([&](const MiscMessageBoxRequest& r) {
        ownerEnabled = owner.IsWindowEnabled() != FALSE;
        EXPECT_EQ(r.owner, owner.m_hWnd);
        return IDOK;
    });
    EXPECT_EQ(owner.MessageBox("hello", "title", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(MsgBoxTest, ScriptedUserChecksTheBoxesOffInOrder)
{
    MiscScriptedUser user;
    user.ExpectMessageBox(IDYES, "first").ExpectMessageBox(IDCANCEL, "second");
    EXPECT_EQ(MessageBoxA(nullptr, "the first question", "", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "the third question", "", MB_OKCANCEL), IDOK); // not expected
    EXPECT_EQ(MessageBoxA(nullptr, "the second question", "", MB_OKCANCEL), IDCANCEL);
    EXPECT_TRUE(user.Pending().empty());
    ASSERT_EQ(user.Unexpected().size(), 1u);
    EXPECT_NE(user.Unexpected()[0].find("third"), std::string::npos);
}

class FileChooserTest : public GuiTest {};

TEST_F(FileChooserTest, OpenAndSaveAnswersFillTheRecord)
{
    std::string dir = misc_test::MakeTempDir("chooser");
    std::string existing = dir + "/data.txt";
    misc_test::WriteFile(existing, "x");
    MiscScriptedUser user;
    user.ExpectFileOpen(existing).ExpectFileSave(dir + "/out").ExpectFileOpen("");
    CFileDialog open(TRUE, "txt", nullptr, OFN_FILEMUSTEXIST, "Text (*.txt)|*.txt|All (*.*)|*.*||");
    EXPECT_EQ(open.DoModal(), IDOK);
    EXPECT_STREQ(open.GetPathName(), existing.c_str());
    EXPECT_STREQ(open.GetFileName(), "data.txt");
    EXPECT_STREQ(open.GetFileExt(), "txt");
    EXPECT_STREQ(open.GetFileTitle(), "data");
    EXPECT_STREQ(open.GetFolderPath(), dir.c_str());
    CFileDialog save(FALSE, "fpf", "name.fpf", OFN_OVERWRITEPROMPT, "Profiles|*.fpf||");
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_STREQ(save.GetPathName(), (dir + "/out.fpf").c_str()); // the default extension added
    CFileDialog cancelled(TRUE);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.AllDone());
    ASSERT_EQ(user.Seen().size(), 3u);
}

TEST_F(FileChooserTest, WhatTheProgramAskedForReachesTheScript)
{
    MiscModal seen;
    MiscSetModalHandler([&](MiscModal& m) { seen = m; });
    CFileDialog dlg(TRUE, "txt", "start.txt", OFN_HIDEREADONLY, "Text (*.txt)|*.txt||");
    dlg.m_ofn.lpstrTitle = "Pick one";
    dlg.m_ofn.lpstrInitialDir = "/somewhere";
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(seen.kind, MiscModalKind::FileOpen);
    EXPECT_EQ(seen.caption, "Pick one");
    EXPECT_EQ(seen.fileName, "start.txt");
    EXPECT_EQ(seen.filter, "Text (*.txt)|*.txt|");
    EXPECT_EQ(seen.initialDir, "/somewhere");
    EXPECT_EQ(seen.defExt, "txt");
}

TEST_F(FileChooserTest, MissingFilesOverwritesAndSmallBuffers)
{
    std::string dir = misc_test::MakeTempDir("chooser");
    std::string existing = dir + "/there.txt";
    misc_test::WriteFile(existing, "x");
    {
        MiscScriptedUser user;
        user.ExpectFileOpen(dir + "/missing.txt");
        CFileDialog open(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST);
        EXPECT_EQ(open.DoModal(), IDCANCEL);
        EXPECT_EQ(MiscModalErrors().size(), 1u);
    }
    {
        MiscScriptedUser user;
        user.ExpectFileSave(existing).ExpectMessageBox(IDNO, "already exists");
        CFileDialog save(FALSE, nullptr, nullptr, OFN_OVERWRITEPROMPT);
        EXPECT_EQ(save.DoModal(), IDCANCEL);
        EXPECT_TRUE(user.AllDone());
    }
    {
        MiscSetModalHandler([&](MiscModal& m) {
            m.answer = existing;
            m.answered = true;
        });
        char small[8];
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof(ofn);
        ofn.lpstrFile = small;
        ofn.nMaxFile = sizeof(small);
        EXPECT_FALSE(GetOpenFileNameA(&ofn));
        EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
        EXPECT_EQ(*reinterpret_cast<WORD*>(small), existing.size() + 1);
    }
}

TEST_F(FileChooserTest, FolderBrowser)
{
    MiscScriptedUser user;
    user.ExpectFolder("/data/patterns/").ExpectFolder("");
    char display[MAX_PATH];
    BROWSEINFOA bi{};
    bi.lpszTitle = "Choose a folder";
    bi.pszDisplayName = display;
    LPITEMIDLIST pidl = SHBrowseForFolderA(&bi);
    ASSERT_NE(pidl, nullptr);
    EXPECT_STREQ(display, "patterns");
    char path[MAX_PATH];
    EXPECT_TRUE(SHGetPathFromIDListA(pidl, path));
    EXPECT_STREQ(path, "/data/patterns/");
    CoTaskMemFree(pidl);
    EXPECT_FALSE(SHGetPathFromIDListA(pidl, path)); // freed lists are not read
    EXPECT_EQ(SHBrowseForFolderA(&bi), nullptr);
    EXPECT_TRUE(user.AllDone());
}

} // namespace
