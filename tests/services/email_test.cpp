// CEmailSupportApi against a real SMTP server started here (aiosmtpd on a free local port) and
// against the outbox folder; the delivered message is read back with Python's email package.
#include <misc/services.h>

#include <windows.h>

#include "services_env.h"
#include "test_env.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <dirent.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const char kPython[] = "/usr/bin/python3";

bool Exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

int RunProgram(std::vector<std::string> words, pid_t* background = nullptr)
{
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    if (background) {
        *background = pid;
        return 0;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A port nobody listens on right now.
int FreePort()
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

bool Accepts(int port)
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    close(fd);
    return ok;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class Email : public ::testing::Test {
protected:
    void SetUp() override
    {
        profile = services_test::FreshProfile();
        dir = misc_test::MakeTempDir("mail");
        logPath = dir + "/mail.log";
        ProfileWriteString("MailLogFile", "LogFilePath", logPath.c_str(), 1);
        setenv("MISC_MAIL_OUTBOX", (dir + "/outbox").c_str(), 1);
        setenv("MISC_MAIL_FROM", "sender@example.org", 1);
        unsetenv("MISC_SMTP_URL");
        unsetenv("MISC_MAIL_BACKEND");
        fileA = dir + "/a.mrk";
        fileB = dir + "/b b.dsp";
        std::string binary;
        for (int i = 0; i < 3000; ++i)
            binary += static_cast<char>((i * 7) & 0xff);
        misc_test::WriteFile(fileA, binary);
        misc_test::WriteFile(fileB, "line\r\nline two\n\x01\xff");
        MiscClearMessageBoxLog();
    }
    void TearDown() override
    {
        if (server > 0) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
        }
        unsetenv("MISC_SMTP_URL");
        unsetenv("MISC_MAIL_OUTBOX");
        unsetenv("MISC_MAIL_FROM");
        unsetenv("MISC_MAIL_BACKEND");
        services_test::RestoreStandardFolders();
        KestProfile::Reset();
    }
    // Starts the SMTP sink; false (and the test skips) when Python's aiosmtpd is missing.
    bool StartServer()
    {
        if (RunProgram({kPython, "-c", "import aiosmtpd"}) != 0)
            return false;
        const int port = FreePort();
        maildir = dir + "/maildir";
        RunProgram({kPython, "-m", "aiosmtpd", "-n", "-l", "127.0.0.1:" + std::to_string(port), "-c",
                    "aiosmtpd.handlers.Mailbox", maildir},
                   &server);
        for (int i = 0; i < 400 && !Accepts(port); ++i)
            usleep(25000);
        setenv("MISC_SMTP_URL", ("smtp://127.0.0.1:" + std::to_string(port)).c_str(), 1);
        return Accepts(port);
    }
    // Reads the message in `source` (Maildir or .eml) into the folder returned.
    std::string Read(const std::string& source)
    {
        const std::string out = dir + "/read" + std::to_string(++reads);
        EXPECT_EQ(RunProgram({kPython, MISC_TEST_DATA_DIR "/read_mail.py", source, out}), 0);
        return out + "/";
    }
    std::vector<std::string> Outbox()
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
    std::vector<std::string> Boxes()
    {
        std::vector<std::string> texts;
        for (const MiscMessageBoxRequest& box : MiscMessageBoxLog())
            texts.push_back(box.text);
        MiscClearMessageBoxLog();
        return texts;
    }
    // A direct send of a message with two recipients and both files.
    void SendTwoFiles(CEmailSupportApi& mail, const char* subject = "Größe ✓ markers")
    {
        mail.NewMessage(0);
        mail.AddRecipient("one@example.org");
        mail.AddRecipient("Two Person <two@example.org>");
        mail.AddAttachment("a.mrk", fileA.c_str(), 0);
        mail.AddAttachment(fileB.c_str(), 0);
        mail.SetSubject(subject);
        mail.SetMessageText("Hello,\nthe markers.\n");
        mail.Send(0);
    }

    std::string profile, dir, logPath, fileA, fileB, maildir;
    pid_t server = 0;
    int reads = 0;
};

} // namespace

TEST_F(Email, SmtpDeliversRecipientsSubjectTextAndFilesByteForByte)
{
    if (!StartServer())
        GTEST_SKIP() << "python3-aiosmtpd is not installed";
    CEmailSupportApi mail;
    SendTwoFiles(mail);
    EXPECT_TRUE(Boxes().empty());
    const std::string got = Read(maildir);
    EXPECT_EQ(misc_test::ReadFile(got + "to"), "one@example.org, two@example.org");
    EXPECT_EQ(misc_test::ReadFile(got + "subject"), "Größe ✓ markers");
    EXPECT_EQ(misc_test::ReadFile(got + "text"), "Hello,\nthe markers.\n");
    EXPECT_EQ(misc_test::ReadFile(got + "names"), "a.mrk\nb b.dsp\n");
    EXPECT_EQ(misc_test::ReadFile(got + "att0"), misc_test::ReadFile(fileA));
    EXPECT_EQ(misc_test::ReadFile(got + "att1"), misc_test::ReadFile(fileB));

    // The log: a direct send lists no files.
    std::vector<std::string> log = Lines(misc_test::ReadFile(logPath));
    ASSERT_EQ(log.size(), 10u);
    EXPECT_EQ(log[0].rfind("On the: ", 0), 0u);
    EXPECT_GT(log[0].size(), 12u);
    EXPECT_EQ(std::vector<std::string>(log.begin() + 1, log.end()),
              (std::vector<std::string>{"Subject: Größe ✓ markers", "Message body: Hello,",
                                        "the markers.", "", "Recipients: ", "one@example.org",
                                        "Two Person <two@example.org>", "End log entry!",
                                        std::string(38, '*')}));
}

TEST_F(Email, WithoutServerTheOutboxGetsAParseableMessage)
{
    CEmailSupportApi mail;
    SendTwoFiles(mail, "plain subject");
    ASSERT_EQ(Outbox().size(), 1u);
    const std::string got = Read(Outbox()[0]);
    EXPECT_EQ(misc_test::ReadFile(got + "subject"), "plain subject");
    EXPECT_EQ(misc_test::ReadFile(got + "att1"), misc_test::ReadFile(fileB));
    EXPECT_TRUE(Exists(logPath));
}

TEST_F(Email, AnUnreachableServerReportsFailureAndLogsNothing)
{
    setenv("MISC_SMTP_URL", ("smtp://127.0.0.1:" + std::to_string(FreePort())).c_str(), 1);
    CEmailSupportApi mail;
    SendTwoFiles(mail);
    std::vector<std::string> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("The message was not sent: ", 0), 0u);
    EXPECT_FALSE(Exists(logPath));
}

TEST_F(Email, LineBreaksInRecipientsOrSubjectAreRefused)
{
    CEmailSupportApi mail;
    mail.NewMessage("Subject\r\nBcc: victim@example.org", "one@example.org", "text", 0);
    mail.NewMessage("subject", "one@example.org\nBcc: victim@example.org", "text", 0);
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_TRUE(Outbox().empty());
    EXPECT_FALSE(Exists(logPath));
}

TEST_F(Email, AnAttachmentDeletedBeforeSendingIsReported)
{
    CEmailSupportApi mail;
    mail.NewMessage(0);
    mail.AddRecipient("one@example.org");
    mail.AddAttachment("a.mrk", fileA.c_str(), 0);
    unlink(fileA.c_str());
    mail.Send(0);
    std::vector<std::string> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(fileA), std::string::npos);
    EXPECT_TRUE(Outbox().empty());
}

TEST_F(Email, WithoutAMailProgramOnlyTheConnectionMessageAppears)
{
    setenv("MISC_MAIL_BACKEND", "none", 1);
    CEmailSupportApi mail;
    mail.NewMessage("s", "one@example.org", "t", 0);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Failed to connect to your E-mail program"});
    EXPECT_TRUE(Outbox().empty());
}

TEST_F(Email, NothingHappensBeforeAMessageOrWithoutARecipient)
{
    CEmailSupportApi mail;
    mail.AddRecipient("one@example.org");
    mail.SetSubject("s");
    mail.Send(0);
    EXPECT_TRUE(Outbox().empty());
    mail.NewMessage(0);
    mail.SetSubject("s");
    mail.Send(0); // no recipient added through the interface
    EXPECT_TRUE(Outbox().empty());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Email, TheLogDefaultsToThePerUserDataFolder)
{
    ProfileWriteString("MailLogFile", nullptr, nullptr, 1);
    CEmailSupportApi mail;
    mail.NewMessage("s", "one@example.org", "t", 0);
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    EXPECT_TRUE(Exists(std::string(folder) + "/Kestrel/vmxmail.log"));
    EXPECT_FALSE(Exists(logPath));
}

namespace {

// The scripted compose dialog: records what it was given, then picks a recipient and adds the
// files of g_addFiles as the dialog's file chooser does (name and extension and a line feed).
CEmailComposeData g_given;
std::vector<std::string> g_addFiles;
bool g_pressOk = true;

bool ScriptedCompose(CEmailComposeData& data)
{
    g_given.subject = data.subject;
    g_given.names.Copy(data.names);
    g_given.singleFile = data.singleFile;
    g_given.singleName = data.singleName;
    g_given.attachedCount = data.attachedCount;
    if (!g_pressOk)
        return false;
    data.newRecipients.Add(CString("picked@example.org"));
    data.subject = "From the dialog";
    for (const std::string& path : g_addFiles) {
        CString p = path.c_str();
        data.paths.Add(p);
        CString name = CString(path.substr(path.rfind('/') + 1).c_str()) + "\n";
        data.names.Add(name);
    }
    return true;
}

} // namespace

TEST_F(Email, ADialogSendListsEveryFileItAttached)
{
    EmailComposeDialogProc previous = SetEmailComposeDialog(&ScriptedCompose);
    g_pressOk = true;
    g_addFiles = {fileA, fileB};
    CEmailSupportApi mail;
    mail.NewMessage("first", "one@example.org", "text", 1);
    SetEmailComposeDialog(previous);
    EXPECT_STREQ(g_given.subject, "first");
    ASSERT_EQ(Outbox().size(), 1u);
    const std::string got = Read(Outbox()[0]);
    EXPECT_EQ(misc_test::ReadFile(got + "to"), "one@example.org, picked@example.org");
    EXPECT_EQ(misc_test::ReadFile(got + "names"), "a.mrk\nb b.dsp\n");
    std::vector<std::string> log = Lines(misc_test::ReadFile(logPath));
    ASSERT_EQ(log.size(), 17u);
    EXPECT_EQ(std::vector<std::string>(log.begin() + 1, log.end()),
              (std::vector<std::string>{"Subject: From the dialog", "Message body: text", "Recipients: ",
                                        "one@example.org", "picked@example.org", "With these files: ",
                                        "File Name: a.mrk", "File path: " + fileA, "File size: 3000 Bytes", "",
                                        "File Name: b b.dsp", "File path: " + fileB, "File size: 17 Bytes", "",
                                        "End log entry!", std::string(38, '*')}));
}

TEST_F(Email, ACancelledDialogSendsAndLogsNothing)
{
    EmailComposeDialogProc previous = SetEmailComposeDialog(&ScriptedCompose);
    g_pressOk = false;
    CEmailSupportApi mail;
    mail.NewMessage("a.mrk", fileA.c_str(), 0);
    SetEmailComposeDialog(previous);
    EXPECT_EQ(g_given.singleFile, 1);
    EXPECT_STREQ(g_given.singleName, "a.mrk");
    ASSERT_EQ(g_given.names.GetSize(), 1);
    EXPECT_TRUE(Outbox().empty());
    EXPECT_FALSE(Exists(logPath));
}
