// The version comment dialog, driven by the scripted user: the new-version and view forms, the
// stored copy, and the storage limits asked both ways.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <misc/datadlg.h>
#include <misc/frame.h>
#include <win32/automation.h>
#include <win32/script.h>

#include "../../tools/misctool/stdio_rw.h"
#include "test_env.h"

namespace {

CTime At(int hour) { return CTime(2024, 3, 5, hour, 0, 0); }

// A host document: its copy is the text it holds.
class DocumentComment : public CCommentDlg {
public:
    using CCommentDlg::CCommentDlg;
    void WriteDocument(FILE* file) override
    {
        std::fputs(document.c_str(), file);
        ++written;
    }
    std::string document = "DOCUMENT";
    int written = 0;
};

class CommentDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string root = misc_test::MakeTempDir("comment");
        setenv("XDG_DATA_HOME", (root + "/user").c_str(), 1);
        KestProfile::Reset();
        KestProfile::m_name = "user.ini";
        KestProfile::m_nameSecond = "second.ini";
        KestProfile::m_privateUsing = true;
        versions = std::make_unique<CVersionsData>(&writer);
    }
    void TearDown() override { KestProfile::Reset(); }

    void Limits(int maxStorage, int warning)
    {
        ProfileWriteString(MISC_HISTORY_SECTION, MISC_MAX_STORAGE_KEY, std::to_string(maxStorage).c_str(), 1);
        ProfileWriteString(MISC_HISTORY_SECTION, MISC_MAX_STORAGE_WARNING_KEY, std::to_string(warning).c_str(), 1);
    }
    // A version with a stored copy of `bytes` in the storage.
    void AddStored(int hour, const std::string& bytes)
    {
        FILE* storage = CVersionsData::GetTmpVersionsStorage(&writer);
        std::fseek(storage, 0, SEEK_END);
        CVersionDetail v(&writer);
        v.SetDateAndTime(At(hour));
        v.SetSavedBy("earlier");
        v.SetContaineFile(1);
        v.SetPosInFile(std::ftell(storage));
        std::fputs(bytes.c_str(), storage);
        v.SetPosInFileEnd(std::ftell(storage));
        versions->AddVersion(v);
    }
    std::string Stored(const CVersionDetail& v)
    {
        FILE* storage = CVersionsData::GetTmpVersionsStorage(nullptr);
        std::string bytes(static_cast<size_t>(v.GetPosInFileEnd() - v.GetPosInFile()), '\0');
        std::fseek(storage, v.GetPosInFile(), SEEK_SET);
        std::fread(bytes.data(), 1, bytes.size(), storage);
        return bytes;
    }
    // Types the comment, ticks store copy when asked, presses OK.
    static MiscScriptedUser::Action Answer(const char* comment, bool storeCopy, int button = IDOK)
    {
        return [=](MiscModal& m) {
            MiscSetControlText(m.hwnd, IDC_MISC_COMMENT_TEXT, comment);
            if (storeCopy)
                MiscSetCheck(m.hwnd, IDC_MISC_COMMENT_STORE_COPY, BST_CHECKED);
            MiscClickButton(m.hwnd, button);
        };
    }

    StdioReadWrite writer;
    std::unique_ptr<CVersionsData> versions;
};

bool IsStop(const MiscModal& m) { return (m.type & MB_ICONMASK) == MB_ICONSTOP; }

} // namespace

TEST_F(CommentDialog, NewVersionWithoutCopy)
{
    DocumentComment dlg(versions.get(), nullptr);
    MiscScriptedUser user;
    std::string shownDate, shownUser;
    user.ExpectDialog(IDD_MISC_VERSION_COMMENT, [&](MiscModal& m) {
        shownDate = MiscGetControlText(m.hwnd, IDC_MISC_COMMENT_DATE);
        shownUser = MiscGetControlText(m.hwnd, IDC_MISC_COMMENT_SAVED_BY);
        EXPECT_TRUE(MiscFindControl(m.hwnd, IDC_MISC_COMMENT_STORE_COPY).State().visible);
        MiscSetControlText(m.hwnd, IDC_MISC_COMMENT_SAVED_BY, "anna");
        Answer("first draft", false)(m);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_FALSE(shownDate.empty());
    char name[50] = "";
    DWORD size = sizeof name;
    GetUserNameA(name, &size);
    EXPECT_EQ(shownUser, name);
    ASSERT_EQ(versions->GetItemCount(), 1);
    CVersionDetail* v = versions->GetAt(0);
    EXPECT_EQ(std::string(v->GetComments()), "first draft");
    EXPECT_EQ(std::string(v->GetSavedBy()), "anna");
    EXPECT_EQ(v->GetContaineFile(), 0);
    EXPECT_EQ(v->GetPosInFile(), -1);
    EXPECT_EQ(v->GetPosInFileEnd(), -1);
    EXPECT_EQ(dlg.written, 0);
    EXPECT_STREQ(dlg.GetComments(), "first draft");
}

TEST_F(CommentDialog, StoreCopyAppendsTheDocumentToTheStorage)
{
    AddStored(9, "OLD");
    DocumentComment dlg(versions.get(), nullptr);
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_VERSION_COMMENT, Answer("with copy", true));
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(user.AllDone()) << user.Report();
    ASSERT_EQ(versions->GetItemCount(), 2);
    CVersionDetail* v = versions->GetAt(0);  // newest first
    EXPECT_EQ(v->GetContaineFile(), 1);
    EXPECT_EQ(v->GetPosInFile(), 3);
    EXPECT_EQ(Stored(*v), "DOCUMENT");
    EXPECT_EQ(Stored(*versions->GetAt(1)), "OLD");
}

TEST_F(CommentDialog, TickingStoreCopyTwiceLeavesItOff)
{
    DocumentComment dlg(versions.get(), nullptr);
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_VERSION_COMMENT, [](MiscModal& m) {
        MiscSetCheck(m.hwnd, IDC_MISC_COMMENT_STORE_COPY, BST_CHECKED);
        MiscSetCheck(m.hwnd, IDC_MISC_COMMENT_STORE_COPY, BST_UNCHECKED);
        MiscClickButton(m.hwnd, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(versions->GetItemCount(), 1);
    EXPECT_EQ(versions->GetAt(0)->GetContaineFile(), 0);
    EXPECT_EQ(dlg.written, 0);
}

// At the limit: OK gives up the oldest stored copy before the new one goes in; Cancel goes back
// to the dialog with nothing changed.
TEST_F(CommentDialog, AtTheLimitTheQuestionIsAnsweredBothWays)
{
    Limits(2, 999);
    AddStored(9, "NINE");
    AddStored(10, "TEN");
    {
        DocumentComment dlg(versions.get(), nullptr);
        MiscScriptedUser user;
        user.ExpectDialog(IDD_MISC_VERSION_COMMENT, [](MiscModal& m) {
            Answer("refused", true)(m);
            // Still open after Cancel on the question: leave it with Cancel.
            EXPECT_TRUE(IsWindow(m.hwnd));
            MiscClickButton(m.hwnd, IDCANCEL);
        });
        user.Expect(MiscModalKind::MessageBox, IsStop, [](MiscModal& m) { MiscClickButton(m.hwnd, IDCANCEL); }, "limit");
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_TRUE(user.AllDone()) << user.Report();
        EXPECT_EQ(versions->GetItemCount(), 2);
        EXPECT_EQ(versions->GetFilesCount(), 2);
    }
    DocumentComment dlg(versions.get(), nullptr);
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_VERSION_COMMENT, Answer("accepted", true));
    user.ExpectMessageBox(IDOK, "maximum number of stored document copies");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(user.AllDone()) << user.Report();
    ASSERT_EQ(versions->GetItemCount(), 3);
    EXPECT_EQ(versions->GetFilesCount(), 2);
    EXPECT_EQ(versions->GetAt(2)->GetContaineFile(), 0);  // the oldest gave its copy up
    EXPECT_EQ(Stored(*versions->GetAt(0)), "DOCUMENT");
}

// Near the limit the warning is shown on every save with a copy; either answer saves.
TEST_F(CommentDialog, NearTheLimitTheWarningGoesOnEitherWay)
{
    Limits(5, 1);
    AddStored(9, "NINE");
    for (int answer : {IDCANCEL, IDOK}) {
        DocumentComment dlg(versions.get(), nullptr);
        MiscScriptedUser user;
        user.ExpectDialog(IDD_MISC_VERSION_COMMENT, Answer("near", true));
        user.Expect(
            MiscModalKind::MessageBox,
            [](const MiscModal& m) { return (m.type & MB_ICONMASK) == MB_ICONEXCLAMATION && (m.type & MB_TYPEMASK) == MB_OKCANCEL; },
            [answer](MiscModal& m) { MiscClickButton(m.hwnd, answer); }, "warning");
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_TRUE(user.AllDone()) << user.Report();
    }
    EXPECT_EQ(versions->GetFilesCount(), 3);
    // Without a copy nothing is asked.
    DocumentComment dlg(versions.get(), nullptr);
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_VERSION_COMMENT, Answer("plain", false));
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(user.AllDone()) << user.Report();
}

TEST_F(CommentDialog, DefaultLimitsWarnFromTheWarningCountOn)
{
    for (int h = 0; h < 999; ++h) {
        CVersionDetail v(&writer);
        v.SetDateAndTime(At(0) - CTimeSpan(0, 0, 0, 999 - h));
        v.SetContaineFile(1);
        v.SetPosInFile(0);
        v.SetPosInFileEnd(0);
        versions->AddVersion(v);
    }
    DocumentComment dlg(versions.get(), nullptr);
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_VERSION_COMMENT, Answer("999th", true));
    user.ExpectMessageBox(IDOK, "close to the limit");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(user.AllDone()) << user.Report();
}

TEST_F(CommentDialog, SaveOnlyAndCancelAddNothing)
{
    for (int button : {IDC_MISC_COMMENT_SAVE_ONLY, IDCANCEL}) {
        DocumentComment dlg(versions.get(), nullptr);
        MiscScriptedUser user;
        user.ExpectDialog(IDD_MISC_VERSION_COMMENT, Answer("dropped", true, button));
        EXPECT_EQ(dlg.DoModal(), button == IDCANCEL ? IDCANCEL : IDOK);
        EXPECT_TRUE(user.AllDone()) << user.Report();
    }
    EXPECT_EQ(versions->GetItemCount(), 0);
}

TEST_F(CommentDialog, ViewFormShowsTheVersionAndNeverAdds)
{
    CVersionDetail detail(&writer);
    detail.SetDateAndTime(At(11));
    detail.SetSavedBy("bert");
    detail.SetComments(CString("as it was"));
    for (int button : {IDOK, IDC_MISC_COMMENT_SAVE_ONLY, IDCANCEL}) {
        DocumentComment dlg(versions.get(), &detail, nullptr);
        MiscScriptedUser user;
        std::string shownUser, shownComment;
        bool checkVisible = true;
        user.ExpectDialog(IDD_MISC_VERSION_COMMENT, [&](MiscModal& m) {
            shownUser = MiscGetControlText(m.hwnd, IDC_MISC_COMMENT_SAVED_BY);
            shownComment = MiscGetControlText(m.hwnd, IDC_MISC_COMMENT_TEXT);
            checkVisible = MiscFindControl(m.hwnd, IDC_MISC_COMMENT_STORE_COPY).State().visible;
            MiscSetControlText(m.hwnd, IDC_MISC_COMMENT_TEXT, "edited");
            MiscClickButton(m.hwnd, button);
        });
        dlg.DoModal();
        EXPECT_TRUE(user.AllDone()) << user.Report();
        EXPECT_EQ(shownUser, "bert");
        EXPECT_EQ(shownComment, "as it was");
        EXPECT_FALSE(checkVisible);
        EXPECT_STREQ(dlg.GetComments(), button == IDOK ? "edited" : "as it was") << button;
    }
    EXPECT_EQ(versions->GetItemCount(), 0);
}
