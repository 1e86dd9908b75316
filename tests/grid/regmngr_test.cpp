// The settings cache: read on first use, held in step as text, written in one go when destroyed.
#include "grid_fixture.h"

TEST_F(GridProfileTest, ReadsOnFirstUseOnly)
{
    misc_test::WriteFile(profile, "[S]\nA=5\nD=2.5\nT=text\n");
    CGridRegMngr cache;
    EXPECT_EQ(cache.ReadInt("S", "A", 0), 5);
    EXPECT_EQ(cache.ReadDouble("S", "D", 0.0), 2.5);
    EXPECT_STREQ(cache.ReadString("S", "T", "x"), "text");
    EXPECT_EQ(cache.ReadInt("S", "Missing", 42), 42);
    // Later changes of the file are not seen: the cache answers.
    misc_test::WriteFile(profile, "[S]\nA=6\n");
    EXPECT_EQ(cache.ReadInt("S", "A", 0), 5);
}

TEST_F(GridProfileTest, DoubleWithTrailingTextGivesTheDefault)
{
    misc_test::WriteFile(profile, "[S]\nD=1.5mm\nE=\nF=nan\n");
    {
        CGridRegMngr cache;
        EXPECT_EQ(cache.ReadDouble("S", "D", 0.7), 0.7);
        EXPECT_EQ(cache.ReadDouble("S", "D", 0.1), 0.7); // the cache now holds the default
        EXPECT_EQ(cache.ReadDouble("S", "E", 0.3), 0.3); // an empty value is no number
    }
    EXPECT_EQ(Read("S", "D"), "0.700000");
}

TEST_F(GridProfileTest, WriteIntAllMatchesSubstringsOfCachedKeysOnly)
{
    {
        CGridRegMngr cache;
        cache.WriteInt("Sec", "Prop_3_5", 1);
        cache.WriteInt("Sec", "Prop_3_5_Offset", 1);
        cache.WriteInt("Sec", "Prop_3_50", 1);
        cache.WriteInt("Sec", "Prop_3_6", 1);
        cache.WriteIntAll("Sec", "Nothing", 7); // no match: nothing changes, nothing is added
        EXPECT_EQ(cache.GetCount(), 4);
        cache.WriteIntAll("Sec", "Prop_3_5", 0);
        EXPECT_EQ(cache.ReadInt("Sec", "Prop_3_5", 9), 0);
        EXPECT_EQ(cache.ReadInt("Sec", "Prop_3_5_Offset", 9), 0);
        EXPECT_EQ(cache.ReadInt("Sec", "Prop_3_50", 9), 0); // merely contains the text
        EXPECT_EQ(cache.ReadInt("Sec", "Prop_3_6", 9), 1);
        // The composite key is section + entry, so a fragment can span the two.
        cache.WriteIntAll("Sec", "SecProp_3_6", 2);
        EXPECT_EQ(cache.ReadInt("Sec", "Prop_3_6", 9), 2);
    }
    EXPECT_EQ(Read("Sec", "Prop_3_50"), "0");
}

TEST_F(GridProfileTest, FlushWritesEveryEntryAsText)
{
    misc_test::WriteFile(profile, "; kept\r\n[Other]\r\nx=1\r\n");
    {
        CGridRegMngr cache;
        cache.WriteInt("G", "I", -3);
        cache.WriteDouble("G", "D", 0.25);
        cache.WriteString("G", "S", "hello");
        cache.WriteString("G", "Bad=Key", "lost"); // cannot be written as a key: left out
        cache.WriteString("G", "Break", "a\nb");   // nor can a line break
        cache.ReadInt("G", "Untouched", 4);        // read entries are written back too
    }
    EXPECT_EQ(misc_test::ReadFile(profile),
              "; kept\r\n[Other]\r\nx=1\r\n[G]\r\nD=0.250000\r\nI=-3\r\nS=hello\r\nUntouched=4\r\n");
}

TEST_F(GridProfileTest, TenThousandEntriesInOneFlush)
{
    {
        CGridRegMngr cache;
        for (int i = 0; i < 10000; ++i)
            cache.WriteInt("Big", CString("K") + CString(std::to_string(i).c_str()), i);
    }
    EXPECT_EQ(Read("Big", "K9999"), "9999");
    EXPECT_EQ(Read("Big", "K0"), "0");
}
