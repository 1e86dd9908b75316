// The family's version array stand-in.
#include <gtest/gtest.h>

#include <family.h>

namespace {

TEST(VersionArray, OwnsItsElementsAndCarriesPathAndFlag)
{
    CVersionArray array;
    EXPECT_EQ(array.GetSize(), 0);
    EXPECT_EQ(array.GetAt(0), nullptr);
    EXPECT_EQ(array.Add(nullptr), -1);
    auto* e = new CVersionElm;
    EXPECT_EQ(e->GetStart(), -1);
    EXPECT_FALSE(e->GetContainsFile());
    e->SetSavedBy("anna");
    e->SetTime(-5);
    EXPECT_EQ(array.Add(e), 0);
    EXPECT_EQ(array.Add(new CVersionElm), 1);
    EXPECT_EQ(array.GetAt(0)->GetTime(), -5);
    EXPECT_EQ(array.GetAt(2), nullptr);
    EXPECT_EQ(array.GetAt(-1), nullptr);
    array.SetStoragePath("/tmp/x");
    array.SetAutomaticSave(TRUE);
    array.DeleteAll();
    EXPECT_EQ(array.GetSize(), 0);
    EXPECT_EQ(array.GetStoragePath(), CString("/tmp/x"));
    EXPECT_TRUE(array.GetAutomaticSave());
}

} // namespace
