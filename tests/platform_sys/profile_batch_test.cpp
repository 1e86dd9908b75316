// Batched profile writes: one pass and one file replacement, with the bytes of the writes applied
// one after the other.
#include "win32/inifile.h"
#include "win32/profile.h"
#include "win32/base.h"

#include "test_env.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using miscini::BatchEdit;

namespace {

// Documents that exercise the edge of the line rules.
const char* const kDocs[] = {
    "",
    "[a]\nk=1\n",
    "[a]\r\nk=1\r\n\r\n[b]\r\nx = 2  \r\n",
    "[a]\nk=1\n[A]\nk=dup\n[b]\n",                 // duplicate section (case-insensitive)
    "[a]\nk=1\nK=2\n; note\n\n\n[b]\nz=\n",       // duplicate key, comment, blank tail
    "top=1\nloose line\n[a]\nk=v",                 // entries before any section, no final break
    "[a]",                                         // header without a break
    "[a]\n  k  =  spaced  \nempty=   \n",           // blanks around key and value
    "[a]\r\nk=1\n[b]\r\nm=2\n",                    // mixed CR LF and LF
    "\n\n[a]\n\n",                                 // blank lines only
    "[a]\rk=1\r[b]\r",                             // lone CR breaks (reference path)
    "\xEF\xBB\xBF[a]\nk=1\n",                      // byte-order mark (reference path)
    "[a]\rk=v\n\nx=1\n",                           // deleting k would join CR and LF
    "[s]\n[s]\n[t]\nk=1\n[s]\nk=3\n",
};

const char* const kSections[] = {"a", "A", "b", "s", "t", "new", " a "};
const char* const kKeys[] = {"k", "K", "x", "m", "z", "empty", "fresh", "  k "};
const char* const kValues[] = {"1", "", "v v", "  lead", "dup", "x=y"};

std::vector<BatchEdit> RandomEdits(std::mt19937& rng, int count)
{
    std::vector<BatchEdit> edits;
    auto pick = [&](auto& array) { return array[rng() % (sizeof(array) / sizeof(array[0]))]; };
    for (int i = 0; i < count; ++i) {
        BatchEdit e;
        unsigned kind = rng() % 10;
        e.kind = kind < 6 ? BatchEdit::Set
                          : kind < 8 ? BatchEdit::RemoveKey : kind < 9 ? BatchEdit::RemoveSection : BatchEdit::EnsureSection;
        e.section = pick(kSections);
        e.key = pick(kKeys);
        e.value = pick(kValues);
        edits.push_back(e);
    }
    return edits;
}

std::string Text(const miscini::Document& doc, const std::optional<std::string>& edited)
{
    return edited ? *edited : doc.Text();
}

} // namespace

TEST(ProfileBatch, OnePassEqualsOneEditAfterTheOther)
{
    std::mt19937 rng(1234);
    for (const char* source : kDocs) {
        miscini::Document doc{std::string(source)};
        for (int round = 0; round < 300; ++round) {
            std::vector<BatchEdit> edits = RandomEdits(rng, 1 + static_cast<int>(rng() % 12));
            std::string batch = Text(doc, miscini::ApplyBatch(doc, edits));
            std::string reference = Text(doc, miscini::ApplySequentially(doc, edits));
            ASSERT_EQ(batch, reference) << "document: " << testing::PrintToString(std::string(source))
                                        << " round " << round;
        }
    }
}

TEST(ProfileBatch, NoChangeGivesNothing)
{
    miscini::Document doc{std::string("[a]\nk=1\n")};
    EXPECT_FALSE(miscini::ApplyBatch(doc, {{BatchEdit::Set, "a", "k", "1"}, {BatchEdit::RemoveKey, "a", "none", ""}}));
}

TEST(ProfileBatch, FileBytesMatchSingleWrites)
{
    std::string dir = misc_test::MakeTempDir("batch");
    const std::string start = "; head\r\n[a]\r\nk=1\r\n[A]\r\nk=2\r\n\r\n[b]\r\nx=1";
    std::string one = dir + "/one.ini", many = dir + "/many.ini";
    misc_test::WriteFile(one, start);
    misc_test::WriteFile(many, start);
    std::vector<MiscProfileWrite> writes = {
        {"a", "k", "9"}, {"b", "y", "2"}, {"c", "new", "3"}, {"a", "k", nullptr},
        {"b", nullptr, nullptr}, {"a", "k", "back"}, {"c", "new", "4"},
    };
    for (const MiscProfileWrite& w : writes)
        WritePrivateProfileStringA(w.section, w.key, w.value, one.c_str());
    ASSERT_TRUE(MiscWritePrivateProfileBatch(writes.data(), writes.size(), many.c_str()));
    EXPECT_EQ(misc_test::ReadFile(many), misc_test::ReadFile(one));
    char value[32];
    GetPrivateProfileStringA("c", "new", "", value, sizeof value, many.c_str());
    EXPECT_STREQ(value, "4");
}

TEST(ProfileBatch, OneBadWriteWritesNothing)
{
    std::string path = misc_test::MakeTempDir("bad") + "/p.ini";
    misc_test::WriteFile(path, "[a]\nk=1\n");
    std::vector<MiscProfileWrite> writes = {{"a", "k", "2"}, {"a", "bad", "line\nbreak"}};
    EXPECT_FALSE(MiscWritePrivateProfileBatch(writes.data(), writes.size(), path.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(misc_test::ReadFile(path), "[a]\nk=1\n");
}

TEST(ProfileBatch, SectionWriteReplacesTheKeys)
{
    std::string path = misc_test::MakeTempDir("sect") + "/p.ini";
    misc_test::WriteFile(path, "[a]\nold=1\n[b]\nx=1\n");
    ASSERT_TRUE(WritePrivateProfileSectionA("a", "k1=v1\0k2=v2\0", path.c_str()));
    EXPECT_EQ(misc_test::ReadFile(path), "[b]\nx=1\n[a]\nk1=v1\nk2=v2\n");
    ASSERT_TRUE(WritePrivateProfileSectionA("a", "\0", path.c_str()));
    EXPECT_EQ(misc_test::ReadFile(path), "[b]\nx=1\n[a]\n");
    ASSERT_TRUE(WritePrivateProfileSectionA("a", nullptr, path.c_str()));
    EXPECT_EQ(misc_test::ReadFile(path), "[b]\nx=1\n");
}
