// Library start-up: the library entry, InitMiscDLL and the resource scope rule around it.
#include <misc/frame.h>

#include <gtest/gtest.h>

namespace {

// A dialog in miniature: its constructor switches to the resource module, its destructor
// restores what was current before.
class FakeDialog {
public:
    FakeDialog() { m_resources.Switch(); }

private:
    CResourceSaver m_resources;
};

class StartupTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_saved = AfxGetResourceHandle();
        m_resTable = MiscModuleResources(GetModuleHandleA("misc_res.dll"));
        MiscClearMessageBoxLog();
    }
    void TearDown() override
    {
        if (!GetModuleHandleA("misc_res.dll"))
            MiscRegisterModule("misc_res.dll", m_resTable);
        AfxSetResourceHandle(m_saved);
    }
    HINSTANCE m_saved = nullptr;
    const MiscResourceTable* m_resTable = nullptr;
};

bool InChain(HMODULE module, BOOL* system = nullptr, int* count = nullptr)
{
    bool found = false;
    int n = 0;
    for (CDynLinkLibrary* lib = AfxGetFirstDynLinkLibrary(); lib; lib = lib->m_pNextDLL) {
        if (lib->m_hModule == module) {
            found = true;
            ++n;
            if (system)
                *system = lib->m_bSystem;
        }
    }
    if (count)
        *count = n;
    return found;
}

TEST_F(StartupTest, LoadingAttachesTheLibraryAsANonSystemExtension)
{
    HMODULE misc = GetModuleHandleA("misc.dll");
    ASSERT_NE(misc, nullptr);
    ASSERT_NE(GetModuleHandleA("misc_res.dll"), nullptr) << "the resource module is loaded with the library";
    const AFX_EXTENSION_MODULE& record = MiscGetExtensionModule();
    EXPECT_TRUE(record.bInitialized);
    EXPECT_EQ(record.hModule, misc);
    BOOL system = TRUE;
    EXPECT_TRUE(InChain(misc, &system));
    EXPECT_FALSE(system);
}

TEST_F(StartupTest, EntryDoesNothingForOtherReasons)
{
    HMODULE misc = GetModuleHandleA("misc.dll");
    int before = 0, after = 0;
    InChain(misc, nullptr, &before);
    for (DWORD reason : {DWORD(DLL_THREAD_ATTACH), DWORD(DLL_THREAD_DETACH), DWORD(DLL_PROCESS_DETACH), DWORD(77)})
        EXPECT_TRUE(MiscDllMain(misc, reason, nullptr)) << "reason " << reason;
    InChain(misc, nullptr, &after);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(MiscGetExtensionModule().bInitialized) << "process detach leaves the record alone";
}

TEST_F(StartupTest, InitTwiceLeavesTheResourceModuleCurrent)
{
    HMODULE res = GetModuleHandleA("misc_res.dll");
    AfxSetResourceHandle(GetModuleHandleA(nullptr));
    int calls = MiscResInitCount();
    InitMiscDLL();
    EXPECT_EQ(AfxGetResourceHandle(), res);
    InitMiscDLL();
    EXPECT_EQ(AfxGetResourceHandle(), res);
    EXPECT_EQ(MiscResInitCount(), calls + 2);
    EXPECT_TRUE(MiscMessageBoxLog().empty());
}

TEST_F(StartupTest, DialogRestoresTheHostHandleEvenAfterInit)
{
    HINSTANCE host = GetModuleHandleA(nullptr);
    AfxSetResourceHandle(host);
    auto* dialog = new FakeDialog;
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA("misc_res.dll"));
    InitMiscDLL();
    delete dialog;
    EXPECT_EQ(AfxGetResourceHandle(), host);
}

TEST_F(StartupTest, DialogInsideACallBoundScopeLeavesTheCallersHandle)
{
    HINSTANCE host = GetModuleHandleA(nullptr);
    AfxSetResourceHandle(host);
    {
        CCallResourceScope scope;
        {
            FakeDialog modal;
            char text[64];
            EXPECT_GT(LoadStringA(AfxGetResourceHandle(), 29017, text, sizeof(text)), 0);
        }
        EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA("misc_res.dll"));
    }
    EXPECT_EQ(AfxGetResourceHandle(), host);
}

TEST_F(StartupTest, WithoutTheResourceModuleTheLibraryItselfBecomesCurrent)
{
    MiscUnregisterModule("misc_res.dll");
    AfxSetResourceHandle(GetModuleHandleA(nullptr));
    InitMiscDLL();
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA("misc.dll"));
    EXPECT_TRUE(MiscMessageBoxLog().empty()) << "no message from InitMiscDLL";
    // Dialogs still switch by name; with nothing mapped, nothing becomes current.
    {
        FakeDialog dialog;
        EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    }
    EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA("misc.dll"));
}

TEST_F(StartupTest, HostStringsRemainReachableThroughTheChain)
{
    // After InitMiscDLL the resource module is current; a string only the resource module has
    // is found directly, and the search still reaches the chain and every module for others.
    InitMiscDLL();
    const char* notice = AfxFindStringResource(60375);
    ASSERT_NE(notice, nullptr);
    EXPECT_NE(std::string(notice).find("Copyright"), std::string::npos);
    EXPECT_EQ(AfxFindStringResourceHandle(60375), GetModuleHandleA("misc_res.dll"));
}

} // namespace
