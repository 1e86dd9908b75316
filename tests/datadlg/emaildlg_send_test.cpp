// The compose dialog in the e-mail support's send sequence: what the person does in the dialog
// arrives in the .eml of the outbox folder (read back with Python's email package) and in the
// mail log; Cancel sends and logs nothing.
#include "datadlg_fixture.h"
#include "test_env.h"

#include <algorithm>
#include <dirent.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char** environ;

using namespace datadlgtest;

namespace {

// The services tests' reader of delivered messages (tests/services/data).
std::string ReadMailScript()
{
    std::string data = MISC_TEST_DATA_DIR;
    return data.substr(0, data.rfind("/datadlg/data")) + "/services/data/read_mail.py";
}

int RunProgram(std::vector<std::string> words)
{
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class EmailDialogSendTest : public DataDlgTest {
protected:
    void SetUp() override
    {
        DataDlgTest::SetUp();
        dir = misc_test::MakeTempDir("emailsend");
        setenv("XDG_DATA_HOME", (dir + "/user").c_str(), 1);
        KestProfile::Reset();
        KestProfile::m_name = "user.ini";
        KestProfile::m_privateUsing = true;
        ProfileWriteString("MailLogFile", "LogFilePath", (dir + "/mail.log").c_str(), 1);
        setenv("MISC_MAIL_OUTBOX", (dir + "/outbox").c_str(), 1);
        setenv("MISC_MAIL_FROM", "sender@example.org", 1);
        unsetenv("MISC_SMTP_URL");
        unsetenv("MISC_MAIL_BACKEND");
        fileA = dir + "/a.mrk";
        fileB = dir + "/b b.dsp";
        misc_test::WriteFile(fileA, "marker bytes");
        misc_test::WriteFile(fileB, "line\r\nline two\n\x01\xff");
        previous = SetEmailComposeDialog(nullptr);
        MiscRegisterEmailDialog();
    }
    void TearDown() override
    {
        SetEmailComposeDialog(previous);
        unsetenv("MISC_MAIL_OUTBOX");
        unsetenv("MISC_MAIL_FROM");
        KestProfile::Reset();
        DataDlgTest::TearDown();
    }
    std::vector<std::string> Outbox() const
    {
        std::vector<std::string> files;
        if (DIR* d = opendir((dir + "/outbox").c_str())) {
            while (dirent* e = readdir(d))
                if (e->d_name[0] != '.')
                    files.push_back(dir + "/outbox/" + e->d_name);
            closedir(d);
        }
        return files;
    }
    bool LogExists() const
    {
        struct stat st;
        return stat((dir + "/mail.log").c_str(), &st) == 0;
    }

    std::string dir, fileA, fileB;
    EmailComposeDialogProc previous = nullptr;
};

TEST_F(EmailDialogSendTest, TheDialogsEditsArriveInTheMessageAndTheLog)
{
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        EXPECT_EQ(MiscGetControlText(m.hwnd, IDC_MISC_EMAIL_SUBJECT), "first");
        MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_RECIPIENT, "two@example.org");
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_RECIPIENT);
        MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_SUBJECT, "From the dialog");
        MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_TEXT, "Edited text");
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_FILE);
        MiscClickButton(m.hwnd, IDOK);
    });
    user.ExpectFileOpen(MiscFileAnswers({fileA, fileB}));
    CEmailSupportApi mail;
    mail.NewMessage("first", "one@example.org", "text", 1);
    EXPECT_TRUE(user.AllDone()) << user.Report();

    const std::vector<std::string> sent = Outbox();
    ASSERT_EQ(sent.size(), 1u);
    const std::string got = dir + "/read/";
    ASSERT_EQ(RunProgram({"/usr/bin/python3", ReadMailScript(), sent[0], got}), 0);
    EXPECT_EQ(misc_test::ReadFile(got + "to"), "one@example.org, two@example.org");
    EXPECT_EQ(misc_test::ReadFile(got + "subject"), "From the dialog");
    EXPECT_EQ(misc_test::ReadFile(got + "text"), "Edited text");
    EXPECT_EQ(misc_test::ReadFile(got + "names"), "a.mrk\nb b.dsp\n");
    EXPECT_EQ(misc_test::ReadFile(got + "att1"), misc_test::ReadFile(fileB));

    const std::string log = misc_test::ReadFile(dir + "/mail.log");
    EXPECT_NE(log.find("Subject: From the dialog\nMessage body: Edited text\nRecipients: \none@example.org\n"
                       "two@example.org\nWith these files: \nFile Name: a.mrk\nFile path: " + fileA +
                       "\nFile size: 12 Bytes\n\nFile Name: b b.dsp\nFile path: " + fileB),
              std::string::npos)
        << log;
    EXPECT_EQ(Stored(MISC_EMAIL_RECIPIENT_LIST), (Names{"two@example.org"}));
}

TEST_F(EmailDialogSendTest, CancelSendsAndLogsNothing)
{
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_RECIPIENT, "two@example.org");
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_RECIPIENT);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    CEmailSupportApi mail;
    mail.NewMessage("a.mrk", fileA.c_str(), 0);
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_TRUE(Outbox().empty());
    EXPECT_FALSE(LogExists());
    EXPECT_TRUE(Stored(MISC_EMAIL_RECIPIENT_LIST).empty());
}

TEST_F(EmailDialogSendTest, TheDocumentsFileGoesUnlessTheBoxIsCleared)
{
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        EXPECT_EQ(ListStrings(::GetDlgItem(m.hwnd, IDC_MISC_EMAIL_FILES)), (Names{"a.mrk"}));
        MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_RECIPIENT, "two@example.org");
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_RECIPIENT);
        MiscClickButton(m.hwnd, IDOK);
    });
    user.ExpectDialog(IDD_MISC_EMAIL, [&](MiscModal& m) {
        MiscSetCheck(m.hwnd, IDC_MISC_EMAIL_SINGLE_FILE, BST_UNCHECKED);
        MiscSetControlText(m.hwnd, IDC_MISC_EMAIL_RECIPIENT, "two@example.org");
        MiscClickButton(m.hwnd, IDC_MISC_EMAIL_ADD_RECIPIENT);
        MiscClickButton(m.hwnd, IDOK);
    });
    CEmailSupportApi first, second;
    first.NewMessage("a.mrk", fileA.c_str(), 0);
    second.NewMessage("a.mrk", fileA.c_str(), 0);
    EXPECT_TRUE(user.AllDone()) << user.Report();
    std::vector<std::string> sent = Outbox();
    ASSERT_EQ(sent.size(), 2u);
    std::sort(sent.begin(), sent.end()); // the outbox numbers its files in order
    for (size_t i = 0; i < 2; ++i)
        ASSERT_EQ(RunProgram({"/usr/bin/python3", ReadMailScript(), sent[i], dir + "/read" + std::to_string(i)}), 0);
    EXPECT_EQ(misc_test::ReadFile(dir + "/read0/names"), "a.mrk\n");
    EXPECT_EQ(misc_test::ReadFile(dir + "/read1/names"), "");
}

} // namespace
