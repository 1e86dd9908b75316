// The module registry, string loading, the extension-library chain and the resource scopes.
#include <afx.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <unistd.h>

namespace {

const MiscResString kAlphaStrings[] = {{10, "alpha ten"}, {20, "Hello"}, {30, ""}};
const MiscResourceTable kAlpha = {kAlphaStrings, 3, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0};

const MiscResString kBetaStrings[] = {{20, "beta twenty"}, {40, "beta forty"}};
const MiscResControl kBetaControls[] = {{"BUTTON", "OK", 1, 0x50010001u, 0, 1, 2, 3, 4}};
const MiscResDialog kBetaDialogs[] = {{100, 0x80C80000u, 0, 0, 0, 50, 40, "Beta", nullptr, 0, nullptr, kBetaControls, 1}};
const MiscResMenuItem kBetaItems[] = {{0, TRUE, 0, "&File", 0}, {1, FALSE, 5, "&Open", 0}};
const MiscResMenu kBetaMenus[] = {{200, kBetaItems, 2}};
const unsigned char kBytes[] = {1, 2, 3};
const MiscResBlob kBetaBitmaps[] = {{300, "IDB_X", kBytes, 3}};
const MiscResourceTable kBeta = {kBetaStrings, 2, kBetaDialogs, 1, kBetaMenus, 1, kBetaBitmaps, 1, nullptr, 0};

const MiscResString kGammaStrings[] = {{40, "gamma forty"}, {50, "gamma fifty"}};
const MiscResourceTable kGamma = {kGammaStrings, 2, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0};

// Each test registers its own modules and leaves the registry and the resource handle as found.
class ModuleTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_savedHandle = AfxGetResourceHandle();
        MiscClearMessageBoxLog();
    }
    void TearDown() override
    {
        for (const char* name : {"alpha.dll", "beta.dll", "gamma.dll", "misc_res.dll"})
            MiscUnregisterModule(name);
        AfxSetResourceHandle(m_savedHandle);
        MiscClearMessageBoxLog();
    }
    HINSTANCE m_savedHandle = nullptr;
};

std::string ExeBaseName()
{
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    std::string path(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    return path.substr(path.find_last_of('/') + 1);
}

TEST_F(ModuleTest, RegistryFindsModulesByNameAsTheLoaderDoes)
{
    HMODULE alpha = MiscRegisterModule("alpha.dll", &kAlpha);
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(GetModuleHandleA("alpha.dll"), alpha);
    EXPECT_EQ(GetModuleHandleA("ALPHA.DLL"), alpha);
    EXPECT_EQ(GetModuleHandleA("alpha"), alpha) << "a name without extension means .dll";
    EXPECT_EQ(GetModuleHandleA("C:\\bin\\alpha.dll"), alpha) << "folders are not compared";
    // Registering again keeps the first registration and its resources.
    EXPECT_EQ(MiscRegisterModule("Alpha.dll", &kBeta), alpha);
    EXPECT_EQ(MiscModuleResources(alpha), &kAlpha);
    EXPECT_STREQ(MiscModuleName(alpha), "alpha.dll");

    SetLastError(0);
    EXPECT_EQ(GetModuleHandleA("nothere.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(MiscRegisterModule("", &kAlpha), nullptr);
    EXPECT_EQ(MiscRegisterModule(nullptr, &kAlpha), nullptr);
}

TEST_F(ModuleTest, UnregisteredHandleNamesNothingEvenAfterReRegistration)
{
    HMODULE first = MiscRegisterModule("alpha.dll", &kAlpha);
    MiscUnregisterModule("alpha.dll");
    EXPECT_EQ(GetModuleHandleA("alpha.dll"), nullptr);
    EXPECT_EQ(MiscModuleResources(first), nullptr);
    EXPECT_EQ(MiscModuleName(first), nullptr);
    EXPECT_EQ(MiscFindString(first, 10), nullptr);
    HMODULE second = MiscRegisterModule("alpha.dll", &kAlpha);
    EXPECT_NE(second, first) << "handles are never reused";
    EXPECT_STREQ(MiscFindString(second, 10), "alpha ten");
}

TEST_F(ModuleTest, HostProgramIsRegisteredUnderTheExecutableName)
{
    HMODULE host = GetModuleHandleA(nullptr);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(MiscModuleName(host), ExeBaseName());
    EXPECT_EQ(GetModuleHandleA(ExeBaseName().c_str()), host);
    EXPECT_EQ(AfxGetInstanceHandle(), host);
    MiscUnregisterModule(ExeBaseName().c_str());
    EXPECT_EQ(GetModuleHandleA(nullptr), host) << "the program's own module cannot be unmapped";

    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
    ASSERT_GT(n, 0u);
    EXPECT_EQ(path[0], '/');
    EXPECT_EQ(std::string(path).substr(std::string(path).find_last_of('/') + 1), ExeBaseName());
}

TEST_F(ModuleTest, GetModuleFileNameTruncatesAsWindowsDoes)
{
    HMODULE alpha = MiscRegisterModule("alpha.dll", &kAlpha);
    char buffer[16];
    std::memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(GetModuleFileNameA(alpha, buffer, sizeof(buffer)), 9u);
    EXPECT_STREQ(buffer, "alpha.dll");
    char small[6];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(alpha, small, sizeof(small)), 6u);
    EXPECT_STREQ(small, "alpha");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(GetModuleFileNameA(alpha, buffer, 0), 0u);
    EXPECT_EQ(GetModuleFileNameA(reinterpret_cast<HMODULE>(0x1234), buffer, sizeof(buffer)), 0u);
}

TEST_F(ModuleTest, LoadStringCopiesWithinTheBuffer)
{
    HMODULE alpha = MiscRegisterModule("alpha.dll", &kAlpha);
    struct Case {
        int size;
        int expected;
        const char* text;
    };
    const Case cases[] = {{64, 5, "Hello"}, {6, 5, "Hello"}, {5, 4, "Hell"}, {2, 1, "H"}, {1, 0, ""}};
    for (const Case& c : cases) {
        char buffer[65];
        std::memset(buffer, '#', sizeof(buffer));
        EXPECT_EQ(LoadStringA(alpha, 20, buffer, c.size), c.expected) << "size " << c.size;
        EXPECT_STREQ(buffer, c.text) << "size " << c.size;
        EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer of size " << c.size;
    }
    char buffer[8] = "junk";
    EXPECT_EQ(LoadStringA(alpha, 99, buffer, sizeof(buffer)), 0);
    EXPECT_STREQ(buffer, "") << "a missing string leaves an empty buffer";
    EXPECT_EQ(LoadStringA(alpha, 30, buffer, sizeof(buffer)), 0) << "an empty string counts as missing";
    EXPECT_EQ(LoadStringA(alpha, 20, nullptr, 10), 0);
    EXPECT_EQ(LoadStringA(alpha, 20, buffer, 0), 0);
    EXPECT_EQ(LoadStringA(alpha, 20, buffer, -5), 0);
}

TEST_F(ModuleTest, ResourceLookupsFindEachKindById)
{
    HMODULE beta = MiscRegisterModule("beta.dll", &kBeta);
    ASSERT_NE(MiscFindDialog(beta, 100), nullptr);
    EXPECT_STREQ(MiscFindDialog(beta, 100)->caption, "Beta");
    EXPECT_EQ(MiscFindDialog(beta, 101), nullptr);
    ASSERT_NE(MiscFindMenu(beta, 200), nullptr);
    EXPECT_EQ(MiscFindMenu(beta, 200)->itemCount, 2);
    ASSERT_NE(MiscFindBitmap(beta, 300), nullptr);
    EXPECT_EQ(MiscFindBitmap(beta, 300)->size, 3u);
    EXPECT_EQ(MiscFindIcon(beta, 300), nullptr);
    EXPECT_STREQ(MiscFindString(beta, 40), "beta forty");
    EXPECT_EQ(MiscFindString(beta, 41), nullptr);
    HMODULE noTable = MiscRegisterModule("gamma.dll", nullptr);
    EXPECT_EQ(MiscFindString(noTable, 40), nullptr);
    EXPECT_EQ(MiscFindDialog(noTable, 100), nullptr);
}

TEST_F(ModuleTest, ExtensionModuleNeedsAMappedModule)
{
    AFX_EXTENSION_MODULE record;
    EXPECT_FALSE(AfxInitExtensionModule(record, nullptr));
    EXPECT_FALSE(AfxInitExtensionModule(record, reinterpret_cast<HMODULE>(0x4321)));
    EXPECT_FALSE(record.bInitialized);
    HMODULE alpha = MiscRegisterModule("alpha.dll", &kAlpha);
    EXPECT_TRUE(AfxInitExtensionModule(record, alpha));
    EXPECT_TRUE(record.bInitialized);
    EXPECT_EQ(record.hModule, alpha);
    EXPECT_EQ(record.hResource, alpha);
    EXPECT_TRUE(AfxInitExtensionModule(record, nullptr)) << "an initialised record stays as it is";
    EXPECT_EQ(record.hModule, alpha);
    AfxTermExtensionModule(record);
    EXPECT_FALSE(record.bInitialized);
}

TEST_F(ModuleTest, LinkObjectsEnterTheChainAtTheFrontAndLeaveOnDestruction)
{
    AFX_EXTENSION_MODULE a, b;
    ASSERT_TRUE(AfxInitExtensionModule(a, MiscRegisterModule("alpha.dll", &kAlpha)));
    ASSERT_TRUE(AfxInitExtensionModule(b, MiscRegisterModule("beta.dll", &kBeta)));
    CDynLinkLibrary* before = AfxGetFirstDynLinkLibrary();
    {
        CDynLinkLibrary first(a);
        CDynLinkLibrary second(b, TRUE);
        EXPECT_EQ(AfxGetFirstDynLinkLibrary(), &second);
        EXPECT_EQ(second.m_pNextDLL, &first);
        EXPECT_EQ(first.m_pNextDLL, before);
        EXPECT_FALSE(first.m_bSystem);
        EXPECT_TRUE(second.m_bSystem);
        EXPECT_EQ(first.m_hResource, a.hModule);
    }
    EXPECT_EQ(AfxGetFirstDynLinkLibrary(), before);
}

TEST_F(ModuleTest, StringSearchGoesCurrentThenChainThenEveryModule)
{
    AFX_EXTENSION_MODULE a, b;
    HMODULE alpha = MiscRegisterModule("alpha.dll", &kAlpha);
    HMODULE beta = MiscRegisterModule("beta.dll", &kBeta);
    HMODULE gamma = MiscRegisterModule("gamma.dll", &kGamma);
    ASSERT_TRUE(AfxInitExtensionModule(a, alpha));
    ASSERT_TRUE(AfxInitExtensionModule(b, beta));
    CDynLinkLibrary system(b, TRUE); // at the front, but searched after non-system libraries
    CDynLinkLibrary plain(a);

    AfxSetResourceHandle(gamma);
    EXPECT_STREQ(AfxFindStringResource(40), "gamma forty") << "the current handle comes first";
    EXPECT_STREQ(AfxFindStringResource(20), "Hello") << "non-system libraries before system ones";
    EXPECT_EQ(AfxFindStringResourceHandle(20), alpha);
    AfxSetResourceHandle(alpha);
    EXPECT_STREQ(AfxFindStringResource(40), "beta forty") << "then the system libraries of the chain";
    EXPECT_STREQ(AfxFindStringResource(50), "gamma fifty") << "then every registered module";
    EXPECT_EQ(AfxFindStringResource(12345), nullptr);
    AfxSetResourceHandle(nullptr);
    EXPECT_STREQ(AfxFindStringResource(10), "alpha ten") << "no current handle: the chain";
}

TEST_F(ModuleTest, ObjectBoundScopesNestAndRestoreWhatTheySaved)
{
    HMODULE res = MiscRegisterModule("misc_res.dll", &kAlpha);
    HMODULE gamma = MiscRegisterModule("gamma.dll", &kGamma);
    HINSTANCE host = GetModuleHandleA(nullptr);
    AfxSetResourceHandle(host);
    {
        CResourceSaver outer;
        outer.Switch();
        EXPECT_EQ(AfxGetResourceHandle(), res);
        EXPECT_EQ(outer.GetSavedHandle(), host);
        {
            CResourceSaver inner;
            inner.Switch("gamma.dll");
            EXPECT_EQ(AfxGetResourceHandle(), gamma);
            CResourceSaver unused; // never switched: restores nothing
        }
        EXPECT_EQ(AfxGetResourceHandle(), res);
    }
    EXPECT_EQ(AfxGetResourceHandle(), host);
    static_assert(sizeof(CResourceSaver) == sizeof(void*), "one pointer-sized member");
}

TEST_F(ModuleTest, ObjectBoundScopeDoesNotRestoreANullHandle)
{
    MiscRegisterModule("misc_res.dll", &kAlpha);
    HMODULE gamma = MiscRegisterModule("gamma.dll", &kGamma);
    AfxSetResourceHandle(nullptr);
    {
        CResourceSaver saver;
        saver.Switch();
        AfxSetResourceHandle(gamma);
    }
    EXPECT_EQ(AfxGetResourceHandle(), gamma) << "a null saved handle is not restored";
}

TEST_F(ModuleTest, ScopesLookTheModuleUpAfreshEachTime)
{
    HINSTANCE host = GetModuleHandleA(nullptr);
    AfxSetResourceHandle(host);
    {
        CResourceSaver saver;
        saver.Switch();
        EXPECT_EQ(AfxGetResourceHandle(), nullptr) << "module not mapped: no handle becomes current";
    }
    EXPECT_EQ(AfxGetResourceHandle(), host);
    HMODULE res = MiscRegisterModule("misc_res.dll", &kAlpha);
    {
        CCallResourceScope scope;
        EXPECT_EQ(AfxGetResourceHandle(), res);
    }
    EXPECT_EQ(AfxGetResourceHandle(), host);
    EXPECT_TRUE(MiscMessageBoxLog().empty()) << "only the guarded scope reports a missing module";
}

int LoadInScope(UINT id, bool throwInside)
{
    CCallResourceScope scope;
    if (throwInside)
        throw 1;
    char buffer[32];
    return LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof(buffer));
}

TEST_F(ModuleTest, CallBoundScopeRestoresOnEveryWayOut)
{
    MiscRegisterModule("misc_res.dll", &kAlpha);
    HMODULE gamma = MiscRegisterModule("gamma.dll", &kGamma);
    AfxSetResourceHandle(gamma);
    EXPECT_EQ(LoadInScope(20, false), 5);
    EXPECT_EQ(AfxGetResourceHandle(), gamma);
    EXPECT_THROW(LoadInScope(20, true), int);
    EXPECT_EQ(AfxGetResourceHandle(), gamma);
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(LoadInScope(20, false), 5);
    EXPECT_EQ(AfxGetResourceHandle(), nullptr) << "the call-bound scope restores a null handle too";
}

TEST_F(ModuleTest, GuardedScopeReportsAMissingModuleAndGoesOn)
{
    HMODULE gamma = MiscRegisterModule("gamma.dll", &kGamma);
    AfxSetResourceHandle(gamma);
    CGuardedResourceScope guard;
    guard.Enter();
    auto log = MiscMessageBoxLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, "Misc resource handle not found.");
    EXPECT_EQ(log[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    guard.Leave();
    EXPECT_EQ(AfxGetResourceHandle(), gamma);

    HMODULE res = MiscRegisterModule("misc_res.dll", &kAlpha);
    MiscClearMessageBoxLog();
    guard.Enter();
    EXPECT_TRUE(MiscMessageBoxLog().empty());
    EXPECT_EQ(AfxGetResourceHandle(), res);
    CGuardedResourceScope copy = guard; // copies as one handle
    copy.Leave();
    EXPECT_EQ(AfxGetResourceHandle(), gamma);
}

} // namespace
