// The explicit start-up: attaching the library and mapping the resource module are calls made
// once by the program (the test main here), and calling them again changes nothing.
#include <misc/frame.h>

#include <gtest/gtest.h>

namespace {

int ChainEntries(HMODULE module)
{
    int n = 0;
    for (CDynLinkLibrary* lib = AfxGetFirstDynLinkLibrary(); lib; lib = lib->m_pNextDLL)
        n += lib->m_hModule == module;
    return n;
}

TEST(ExplicitStartUp, AttachingAgainChangesNothing)
{
    HMODULE misc = GetModuleHandleA("misc.dll");
    ASSERT_NE(misc, nullptr) << "the test main attached the library";
    EXPECT_EQ(ChainEntries(misc), 1);
    EXPECT_TRUE(MiscAttachLibrary());
    EXPECT_EQ(GetModuleHandleA("misc.dll"), misc);
    EXPECT_EQ(ChainEntries(misc), 1) << "one link object, however often start-up runs";
}

TEST(ExplicitStartUp, ResourceModuleIsMappedOnlyWhenMissing)
{
    HMODULE res = GetModuleHandleA("misc_res.dll");
    ASSERT_NE(res, nullptr);
    const MiscResourceTable* table = MiscModuleResources(res);
    ASSERT_NE(table, nullptr);
    MiscResAttach();
    EXPECT_EQ(GetModuleHandleA("misc_res.dll"), res) << "a mapped module stays as it is";
    // After the module was taken away (as a reset of the platform's modules does), mapping it
    // again brings back the same tables.
    MiscUnregisterModule("misc_res.dll");
    ASSERT_EQ(GetModuleHandleA("misc_res.dll"), nullptr);
    MiscResAttach();
    ASSERT_NE(GetModuleHandleA("misc_res.dll"), nullptr);
    EXPECT_EQ(MiscModuleResources(GetModuleHandleA("misc_res.dll")), table);
}

} // namespace
