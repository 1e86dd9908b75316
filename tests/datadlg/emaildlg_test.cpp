// The e-mail compose dialog, driven by the scripted user: what it shows of the message, the
// recipients picked with Add>> and remembered in the history list, files added through the file
// chooser and removed, the single-file box, Cancel and OK.
#include "datadlg_fixture.h"
#include "test_env.h"

using namespace datadlgtest;

namespace {

class EmailDialogTest : public DataDlgTest {
protected:
    void SetUp() override
    {
        DataDlgTest::SetUp();
        dir = misc_test::MakeTempDir("emaildlg");
        fileA = dir + "/a.mrk";
        fileB = dir + "/b b.dsp";
        misc_test::WriteFile(fileA, "abc");
        misc_test::WriteFile(fileB, "defg");
    }
    static std::string Text(HWND dialog, int id) { return MiscGetControlText(dialog, id); }
    static Names Files(HWND dialog) { return ListStrings(::GetDlgItem(dialog, IDC_MISC_EMAIL_FILES)); }
    static bool Enabled(HWND dialog, int id) { return MiscFindControl(dialog, id).State().enabled; }
    static void AddRecipient(HWND dialog, const char* address)
    {
        MiscSetControlText(dialog, IDC_MISC_EMAIL_RECIPIENT, address);
        EXPECT_TRUE(MiscClickButton(dialog, IDC_MISC_EMAIL_ADD_RECIPIENT));
    }
    static Names Strings(const CStringArray& a)
    {
        Names out;
        for (INT_PTR i = 0; i < a.GetSize(); ++i)
            out.emplace_back(a[i].GetString());
        return out;
    }
    static void Fill(CStringArray& a, const Names& values)
    {
        for (const std::string& v : values)
            a.Add(CString(v.c_str()));
    }

    std::string dir, fileA, fileB;
};

TEST_F(EmailDialogTest, ShowsTheMessageItStartsFromAndCancelGivesNothingBack)
{
    CEmailComposeData data;
    Fill(data.recipients, {"one@example.org", "two@example.org"});
    data.subject = "Markers";
    data.text = "Here they are.";
    Fill(data.names, {"x.mrk"});
    Fill(data.paths, {fileA});
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        EXPECT_EQ(Text(m.hwnd, IDC_MISC_EMAIL_RECIPIENTS), "one@example.org ,two@example.org");
        EXPECT_EQ(Text(m.hwnd, IDC_MISC_EMAIL_SUBJECT), "Markers");
        EXPECT_EQ(Text(m.hwnd, IDC_MISC_EMAIL_TEXT), "Here they are.");
        EXPECT_EQ(Files(m.hwnd), (Names{"x.mrk"}));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(m.hwnd, IDC_MISC_EMAIL_SINGLE_FILE)));
        // The picture buttons take the size of their bitmaps.
        RECT r;
        ::GetWindowRect(::GetDlgItem(m.hwnd, IDC_MISC_EMAIL_ADD_RECIPIENT), &r);
        EXPECT_EQ(r.right - r.left, 56);
        EXPECT_EQ(r.bottom - r.top, 20);
        MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_SUBJECT, "changed");
        AddRecipient(m.hwnd, "three@example.org");
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    EXPECT_FALSE(MiscRunEmailDialog(data));
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_STREQ(data.subject, "Markers");
    EXPECT_EQ(data.newRecipients.GetSize(), 0);
    EXPECT_TRUE(Stored(MISC_EMAIL_RECIPIENT_LIST).empty());
}

TEST_F(EmailDialogTest, RecipientsAreAddedClearedAndRememberedForNextTime)
{
    Store(MISC_EMAIL_RECIPIENT_LIST, {"old@example.org"});
    CEmailComposeData data;
    data.subject = "s";
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        EXPECT_EQ(ComboStrings(::GetDlgItem(m.hwnd, IDC_MISC_EMAIL_RECIPIENT)), (Names{"old@example.org"}));
        MiscClickButton(m.hwnd, IDOK); // no recipient: refused, the dialog stays
        ASSERT_EQ(MiscActiveModal(), m.hwnd);
        AddRecipient(m.hwnd, "  new@example.org ");
        AddRecipient(m.hwnd, "");  // nothing typed: nothing added
        AddRecipient(m.hwnd, "second@example.org");
        EXPECT_EQ(Text(m.hwnd, IDC_MISC_EMAIL_RECIPIENTS), "new@example.org, second@example.org, ");
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_CLEAR_RECIPIENTS);
        EXPECT_EQ(Text(m.hwnd, IDC_MISC_EMAIL_RECIPIENTS), "");
        EXPECT_FALSE(Enabled(m.hwnd, IDOK));
        AddRecipient(m.hwnd, "third@example.org");
        EXPECT_TRUE(Enabled(m.hwnd, IDOK));
        MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_SUBJECT, "Edited");
        MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_TEXT, "New body");
        MiscClickButton(m.hwnd, IDOK);
    });
    user.ExpectMessageBox(IDOK, MISC_EMAIL_NO_RECIPIENT);
    EXPECT_TRUE(MiscRunEmailDialog(data));
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(Strings(data.newRecipients), (Names{"third@example.org"}));
    EXPECT_STREQ(data.subject, "Edited");
    EXPECT_STREQ(data.text, "New body");
    EXPECT_EQ(Stored(MISC_EMAIL_RECIPIENT_LIST), (Names{"third@example.org", "old@example.org"}));
}

TEST_F(EmailDialogTest, AMessageOpenedForAnAddressGoesWithoutAddingOne)
{
    CEmailComposeData data;
    Fill(data.recipients, {"one@example.org"});
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        AddRecipient(m.hwnd, "two@example.org");
        EXPECT_EQ(Text(m.hwnd, IDC_MISC_EMAIL_RECIPIENTS), "one@example.org, two@example.org, ");
        // Clear takes back what was added here; the message's own address stays.
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_CLEAR_RECIPIENTS);
        EXPECT_EQ(Text(m.hwnd, IDC_MISC_EMAIL_RECIPIENTS), "one@example.org, ");
        EXPECT_TRUE(Enabled(m.hwnd, IDOK));
        MiscClickButton(m.hwnd, IDOK);
    });
    EXPECT_TRUE(MiscRunEmailDialog(data));
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(data.newRecipients.GetSize(), 0);
}

TEST_F(EmailDialogTest, FilesComeFromTheChooserAndOnlyThoseAddedHereCanBeRemoved)
{
    const std::string fileC = dir + "/c.pds";
    misc_test::WriteFile(fileC, "c");
    CEmailComposeData data;
    Fill(data.recipients, {"one@example.org"});
    Fill(data.names, {"x.mrk"}); // attached to the message already
    Fill(data.paths, {dir + "/x.mrk"});
    data.attachedCount = 1;
    MiscModal chooser;
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_FILE);
        EXPECT_EQ(Files(m.hwnd), (Names{"x.mrk", "a.mrk", "b b.dsp"}));
        MiscSelectItem(m.hwnd, IDC_MISC_EMAIL_FILES, 1);
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_REMOVE_FILES);
        EXPECT_EQ(Files(m.hwnd), (Names{"x.mrk", "b b.dsp"}));
        MiscSelectItem(m.hwnd, IDC_MISC_EMAIL_FILES, 0);
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_REMOVE_FILES);
        EXPECT_EQ(Files(m.hwnd), (Names{"x.mrk", "b b.dsp"}));
        // Nothing chosen: every file added here goes.
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_REMOVE_FILES);
        EXPECT_EQ(Files(m.hwnd), (Names{"x.mrk"}));
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_FILE); // cancelled: nothing changes
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_FILE);
        MiscClickButton(m.hwnd, IDOK);
    });
    user.Expect(
        MiscModalKind::FileOpen, nullptr,
        [&](MiscModal& m) {
            chooser = m;
            m.answer = MiscFileAnswers({fileA, fileB});
            m.answered = true;
        },
        "the chooser with two files");
    user.ExpectFileOpen("").ExpectFileOpen(fileC);
    EXPECT_TRUE(MiscRunEmailDialog(data));
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(chooser.caption, "Add file");
    EXPECT_EQ(chooser.filter + "|", MISC_EMAIL_ADD_FILE_FILTER);
    EXPECT_TRUE(chooser.flags & OFN_ALLOWMULTISELECT);
    EXPECT_TRUE(chooser.flags & OFN_HIDEREADONLY);
    EXPECT_EQ(Strings(data.names), (Names{"x.mrk", "c.pds\n"}));
    EXPECT_EQ(Strings(data.paths), (Names{dir + "/x.mrk", fileC}));
}

TEST_F(EmailDialogTest, TheSingleFileBoxPutsTheDocumentsFileInOnceOrLeavesItOut)
{
    CEmailComposeData data;
    Fill(data.recipients, {"one@example.org"});
    Fill(data.names, {"doc.mrk"});
    Fill(data.paths, {fileA});
    data.singleFile = 1;
    data.singleName = "doc.mrk";
    data.singlePath = fileA.c_str();
    data.includeSingle = 1;
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(m.hwnd, IDC_MISC_EMAIL_SINGLE_FILE)));
        EXPECT_EQ(::IsDlgButtonChecked(m.hwnd, IDC_MISC_EMAIL_SINGLE_FILE), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(Files(m.hwnd), (Names{"doc.mrk"}));
        MiscSetCheck(m.hwnd, IDC_MISC_EMAIL_SINGLE_FILE, BST_UNCHECKED);
        EXPECT_EQ(Files(m.hwnd), Names{});
        MiscSetCheck(m.hwnd, IDC_MISC_EMAIL_SINGLE_FILE, BST_CHECKED);
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_FILE);
        EXPECT_EQ(Files(m.hwnd), (Names{"doc.mrk", "b b.dsp"}));
        MiscSetCheck(m.hwnd, IDC_MISC_EMAIL_SINGLE_FILE, BST_UNCHECKED);
        MiscClickButton(m.hwnd, IDOK);
    });
    user.ExpectFileOpen(fileB);
    EXPECT_TRUE(MiscRunEmailDialog(data));
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(data.includeSingle, 0);
    EXPECT_EQ(Strings(data.names), (Names{"b b.dsp\n"}));
    EXPECT_EQ(Strings(data.paths), (Names{fileB}));

    // Once something is attached to the message, the box is not offered and counts as cleared.
    data.attachedCount = 1;
    data.includeSingle = 1;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(m.hwnd, IDC_MISC_EMAIL_SINGLE_FILE)));
        MiscClickButton(m.hwnd, IDOK);
    });
    EXPECT_TRUE(MiscRunEmailDialog(data));
    EXPECT_EQ(data.includeSingle, 0);
    EXPECT_TRUE(user.AllDone()) << user.Report();
}

} // namespace
