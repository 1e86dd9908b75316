// CAPINetworkInterface against the simulated server and against Samba's own `net` with a
// private configuration whose user-share folder is a temporary folder: the same sequence on both.
#include <misc/services.h>

#include <windows.h>

#include "test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

// Makes a folder and returns its path.
std::string Folder(const std::string& path)
{
    mkdir(path.c_str(), 0755);
    return path;
}

class NetShares : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        root = misc_test::MakeTempDir("net");
        setenv("MISC_COMPUTER_NAME", "WORKPC", 1);
        if (std::string(GetParam()) == "samba") {
            if (!MiscNetAvailable() && std::getenv("MISC_NET_BACKEND") == nullptr)
                GTEST_SKIP() << "Samba's net program is not installed";
            const std::string shares = Folder(root + "/usershares");
            chmod(shares.c_str(), 01770);
            const std::string conf = root + "/smb.conf";
            misc_test::WriteFile(conf, "[global]\nusershare path = " + shares +
                                           "\nusershare max shares = 100\nusershare owner only = no\n"
                                           "lock directory = " + root + "\nstate directory = " + root +
                                           "\ncache directory = " + root + "\nprivate dir = " + root + "\n");
            setenv("MISC_SAMBA_CONF", conf.c_str(), 1);
            unsetenv("MISC_NET_BACKEND");
            if (!MiscNetAvailable())
                GTEST_SKIP() << "Samba's net program is not installed";
        } else {
            setenv("MISC_NET_BACKEND", "simulated", 1);
            MiscNetSimulatedReset();
        }
        MiscClearMessageBoxLog();
        ASSERT_TRUE(net.InitNetworkAPI(nullptr));
    }
    void TearDown() override
    {
        unsetenv("MISC_NET_BACKEND");
        unsetenv("MISC_SAMBA_CONF");
        unsetenv("MISC_COMPUTER_NAME");
    }
    bool Add(std::string name, std::string path) { return net.NetShareAddDLL(name.data(), path.data()); }
    bool Del(std::string name) { return net.NetShareDelDLL(name.data()); }
    std::vector<std::string> Messages()
    {
        std::vector<std::string> texts;
        for (const MiscMessageBoxRequest& box : MiscMessageBoxLog())
            texts.push_back(box.text);
        MiscClearMessageBoxLog();
        return texts;
    }

    std::string root;
    CAPINetworkInterface net;
};

} // namespace

TEST_P(NetShares, AddInfoCheckUniversalPathsDelete)
{
    EXPECT_TRUE(net.IsNetworkEnable());
    EXPECT_EQ(net.m_osType, 1);
    EXPECT_STREQ(net.GetLocalServerName(), "WORKPC");
    const std::string work = Folder(root + "/work");
    Folder(work + "/deep");
    Folder(work + "/deep/er");
    ASSERT_TRUE(Add("work", work));
    char path[256] = {};
    EXPECT_EQ(net.ShareGetInfoDeviceDLL("work", path), static_cast<int>(work.size() + 1));
    EXPECT_EQ(std::string(path), work);
    EXPECT_EQ(net.NetShareCheckDLL(work.c_str()), 1);
    EXPECT_EQ(net.NetShareCheckDLL((root + "/elsewhere").c_str()), 0);

    // A file in the shared folder, one deeper inside it, and one outside any share.
    EXPECT_STREQ(net.GetUnivPath((work + "/a.mrk").c_str()), "\\\\WORKPC\\work\\a.mrk");
    EXPECT_STREQ(net.GetUnivPath((work + "/deep/er/b.dsp").c_str()), "\\\\WORKPC\\work\\deep\\er\\b.dsp");
    EXPECT_STREQ(net.GetUnivPath((root + "/c.pds").c_str()), "");
    CString unc = "x:";
    CString local = (work + "/a.mrk").c_str();
    EXPECT_EQ(net.GetDeviceSharedName(local, unc), 1);
    EXPECT_STREQ(unc, "x:\\\\WORKPC\\work\\a.mrk");
    CString share;
    EXPECT_EQ(net.FinedDeviceSharedName((work + "/deep").c_str(), share), DRIVER_SHARE_ROOT);
    EXPECT_STREQ(share, "\\\\WORKPC\\work");

    // An already universal path comes back as it is.
    EXPECT_STREQ(net.GetUnivPath("\\\\OTHER\\data\\f.mrk"), "\\\\OTHER\\data\\f.mrk");

    EXPECT_TRUE(Del("work"));
    EXPECT_EQ(net.NetShareCheckDLL(work.c_str()), 0);
    EXPECT_EQ(net.ShareGetInfoDeviceDLL("work", path), 0);
    EXPECT_STREQ(net.GetUnivPath((work + "/a.mrk").c_str()), "");
    EXPECT_TRUE(Messages().empty());
}

TEST_P(NetShares, NamesWithBlanksQuotesAndShellCharactersStayOneArgument)
{
    const std::string folder = Folder(root + "/odd");
    const std::string name = "it's $(x) & `y` a";
    ASSERT_TRUE(Add(name, folder));
    char path[256] = {};
    EXPECT_GT(net.ShareGetInfoDeviceDLL(name.c_str(), path), 0);
    EXPECT_EQ(std::string(path), folder);
    EXPECT_STREQ(net.GetUnivPath((folder + "/f.mrk").c_str()), ("\\\\WORKPC\\" + name + "\\f.mrk").c_str());
    EXPECT_TRUE(Del(name));
    EXPECT_TRUE(Messages().empty());
}

TEST_P(NetShares, RefusalsShowTheirMessages)
{
    const std::string folder = Folder(root + "/f");
    ASSERT_TRUE(Add("dup", folder));
    EXPECT_FALSE(Add("DUP", folder));
    EXPECT_FALSE(Add(std::string(81, 'n'), folder));
    EXPECT_FALSE(Add("bad\nname", folder));
    EXPECT_FALSE(Add("semi;colon", folder));
    EXPECT_FALSE(Add("missing", root + "/not-there"));
    EXPECT_FALSE(Add("long", "/" + std::string(300, 'p')));
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "The share name is already in use on this computer.",
                              "The share name is not valid.", "The share name is not valid.",
                              "The share name is not valid.", "The device or folder does not exist.",
                              "The folder could not be shared: a parameter is not valid."}));
    EXPECT_FALSE(Del("never-added"));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Access denied: you may not share this folder."});
    EXPECT_TRUE(Del("dup"));
}

INSTANTIATE_TEST_SUITE_P(Backends, NetShares, ::testing::Values("simulated", "samba"));

TEST(NetSharesWithoutNetwork, EveryOperationAnswersNotAvailable)
{
    setenv("MISC_NET_BACKEND", "none", 1);
    CAPINetworkInterface net;
    EXPECT_FALSE(net.InitNetworkAPI(nullptr));
    EXPECT_FALSE(net.IsNetworkEnable());
    char name[] = "x", path[] = "/tmp";
    char out[256];
    EXPECT_FALSE(net.NetShareAddDLL(name, path));
    EXPECT_FALSE(net.NetShareDelDLL(name));
    EXPECT_EQ(net.ShareGetInfoDeviceDLL("x", out), 0);
    EXPECT_EQ(net.NetShareCheckDLL("/tmp"), -1);
    EXPECT_EQ(net.NetServerGetInfoDLL(), 0);
    EXPECT_STREQ(net.GetUnivPath("/tmp/a.mrk"), "");
    unsetenv("MISC_NET_BACKEND");
}

TEST(NetSharesWithoutNetwork, NullArgumentsAndCopies)
{
    setenv("MISC_NET_BACKEND", "simulated", 1);
    CAPINetworkInterface net;
    ASSERT_TRUE(net.InitNetworkAPI(nullptr));
    EXPECT_EQ(net.NetShareCheckDLL(nullptr), -1);
    char out[256];
    EXPECT_EQ(net.ShareGetInfoDeviceDLL(nullptr, out), 0);
    EXPECT_FALSE(net.NetShareAddDLL(nullptr, nullptr));
    // Copies share the platform object.
    CAPINetworkInterface copy;
    copy = net;
    EXPECT_TRUE(copy.IsNetworkEnable());
    unsetenv("MISC_NET_BACKEND");
}

TEST(NetSharesWithoutNetwork, ALongHostNameStillNamesTheServer)
{
    setenv("MISC_NET_BACKEND", "simulated", 1);
    setenv("MISC_COMPUTER_NAME", "build-server-42.example", 1);
    CAPINetworkInterface net;
    EXPECT_TRUE(net.InitNetworkAPI(nullptr));
    EXPECT_STREQ(net.GetLocalServerName(), "build-server-42.example");
    unsetenv("MISC_COMPUTER_NAME");
    unsetenv("MISC_NET_BACKEND");
}
