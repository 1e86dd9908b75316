// The profile parser and editor as pure functions on text.
#include "win32/inifile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using miscini::Document;

namespace {

std::string ValueOr(const Document& doc, const char* section, const char* key, const char* missing = "<none>")
{
    auto v = doc.Value(section, key);
    return v ? std::string(*v) : std::string(missing);
}

std::vector<std::string> Strings(const std::vector<std::string_view>& v) { return {v.begin(), v.end()}; }

} // namespace

TEST(IniParse, ReadingRulesTable)
{
    struct Case {
        const char* text;
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"[s]\nk=v\n", "s", "k", "v"},
        {"[s]\r\nk=v\r\n", "s", "k", "v"},
        {"[s]\rk=v\rj=w", "s", "j", "w"},                 // lone CR ends lines too
        {"[S]\nKey=v\n", "s", "kEY", "v"},               // names ignore case
        {"  [ s ]  \n   k   =   v v   \n", "s", "k", "v v"}, // blanks around names and values
        {"[s]\nk=\"quoted  \"\n", "s", "k", "quoted  "},  // matching quotes removed, inside kept
        {"[s]\nk='single'\n", "s", "k", "single"},
        {"[s]\nk=\"mixed'\n", "s", "k", "\"mixed'"},      // quotes that do not match stay
        {"[s]\nk=\"\n", "s", "k", "\""},                  // a lone quote stays
        {"[s]\nk=\"\"\n", "s", "k", ""},
        {"[s]\nk=a=b\n", "s", "k", "a=b"},                // first '=' splits
        {"[s]\nk=1\nk=2\n", "s", "k", "1"},               // first key wins
        {"[s]\nk=1\n[s]\nk=2\nj=3\n", "s", "k", "1"},     // first section wins ...
        {"[s]\nk=1\n[s]\nk=2\nj=3\n", "s", "j", "<none>"}, // ... and only it is searched
        {"k=before\n[s]\n", "s", "k", "<none>"},          // lines before any section
        {"[s]\nname3\n", "s", "name3", "<none>"},         // a line without '=' is no key
        {"[s]\n;k=v\n", "s", ";k", "<none>"},             // comment
        {"[s]\n=empty key\n", "s", "", "empty key"},
        {"[]\nk=v\n", "", "k", "v"},
        {"[a]b]\nk=v\n", "a]b", "k", "v"},                // name runs to the last ']'
        {"[open\nk=v\n", "open", "k", "v"},               // header without ']'
        {"\xEF\xBB\xBF[s]\nk=v\n", "s", "k", "v"},        // UTF-8 mark skipped
        {"[s]\nk=v", "s", "k", "v"},                      // no final line break
    };
    for (const Case& c : cases) {
        Document doc{std::string(c.text)};
        EXPECT_EQ(ValueOr(doc, c.section, c.key), c.expected) << "text: " << c.text;
    }
}

TEST(IniParse, EnumerationKeepsFileOrderAndSkipsNonKeys)
{
    Document doc{std::string("[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n[ t ]\r\n[u]\r\n")};
    EXPECT_EQ(Strings(doc.SectionNames()), (std::vector<std::string>{"s", "t", "u"}));
    EXPECT_EQ(Strings(doc.KeyNames("S")), (std::vector<std::string>{"name1", "name2", "name4"}));
    EXPECT_TRUE(doc.KeyNames("t").empty());
    EXPECT_TRUE(doc.KeyNames("missing").empty());
}

TEST(IniParse, GarbageNeverFails)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) & 0xff);
    Document doc(garbage);
    EXPECT_EQ(doc.Text(), garbage);
    std::string huge = "[s]\nk=" + std::string(10 * 1024 * 1024, 'x') + "\nj=1\n";
    Document big(huge);
    ASSERT_TRUE(big.Value("s", "k"));
    EXPECT_EQ(big.Value("s", "k")->size(), 10u * 1024 * 1024);
    EXPECT_EQ(ValueOr(big, "s", "j"), "1");
}

TEST(IniEdit, SetValueKeepsEverythingElse)
{
    struct Case {
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } cases[] = {
        {"", "s", "k", "v", "[s]\nk=v\n"},
        {"[s]\r\nk=old\r\n", "s", "k", "new", "[s]\r\nk=new\r\n"},
        {"[s]\n  Key = old  ; x\n", "S", "key", "new", "[s]\n  Key = new\n"},
        {"[s]\nk=\n", "s", "k", "v", "[s]\nk=v\n"},
        {"[s]\nk=1\nk=2\n", "s", "k", "3", "[s]\nk=3\nk=2\n"},
        {"[s]\na=1\n\n[t]\n", "s", "b", "2", "[s]\na=1\nb=2\n\n[t]\n"},
        {"[s]\n; note\n", "s", "b", "2", "[s]\n; note\nb=2\n"},
        {"[s]\na=1", "s", "b", "2", "[s]\na=1\nb=2\n"},
        {"[s]\r\na=1", "t", "b", "2", "[s]\r\na=1\r\n[t]\r\nb=2\r\n"},
        {"junk \x01\x02 line\n[s]\n", "s", "k", "v", "junk \x01\x02 line\n[s]\nk=v\n"},
    };
    for (const Case& c : cases) {
        Document doc{std::string(c.before)};
        auto out = miscini::SetValue(doc, c.section, c.key, c.value);
        ASSERT_TRUE(out) << c.before;
        EXPECT_EQ(*out, c.after) << "before: " << c.before;
        EXPECT_EQ(ValueOr(Document(*out), c.section, c.key), c.value);
    }
    Document same{std::string("[s]\nk=v\n")};
    EXPECT_FALSE(miscini::SetValue(same, "s", "k", "v")); // no change, no rewrite
}

TEST(IniEdit, DeleteKeyAndSection)
{
    Document doc{std::string("[a]\r\nk=1\r\nx=2\r\nK=3\r\n[b]\r\nk=4\r\n[A]\r\nk=5\r\n")};
    auto noKey = miscini::DeleteKey(doc, "A", "k");
    ASSERT_TRUE(noKey);
    EXPECT_EQ(*noKey, "[a]\r\nx=2\r\n[b]\r\nk=4\r\n[A]\r\nk=5\r\n");
    auto noSection = miscini::DeleteSection(doc, "a");
    ASSERT_TRUE(noSection);
    EXPECT_EQ(*noSection, "[b]\r\nk=4\r\n");
    EXPECT_FALSE(miscini::DeleteKey(doc, "a", "missing"));
    EXPECT_FALSE(miscini::DeleteSection(doc, "missing"));
}

TEST(IniEdit, NamesThatWouldBreakTheFileAreRefused)
{
    EXPECT_TRUE(miscini::ValidKeyName("plain key"));
    EXPECT_FALSE(miscini::ValidKeyName("a=b"));
    EXPECT_FALSE(miscini::ValidKeyName("[x"));
    EXPECT_FALSE(miscini::ValidKeyName(";x"));
    EXPECT_FALSE(miscini::ValidKeyName("a\nb"));
    EXPECT_FALSE(miscini::ValidSectionName("a\rb"));
    EXPECT_FALSE(miscini::ValidValue("line\n[other]\nk=v"));
    EXPECT_TRUE(miscini::ValidValue("=;[]\"'"));
}

TEST(IniBuffers, CopyStringTruncates)
{
    char buf[8];
    std::memset(buf, 'z', sizeof buf);
    EXPECT_EQ(miscini::CopyString("val1", buf, 0), 0u);
    EXPECT_EQ(buf[0], 'z'); // size 0 writes nothing
    EXPECT_EQ(miscini::CopyString("val1", buf, 1), 0u);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(miscini::CopyString("val1", buf, 4), 3u);
    EXPECT_STREQ(buf, "val");
    EXPECT_EQ(miscini::CopyString("val1", buf, 5), 4u);
    EXPECT_STREQ(buf, "val1");
}

TEST(IniBuffers, CopyListWindowsResults)
{
    std::vector<std::string_view> names{"section1", "section2", "section3"};
    char buf[40];
    struct Case {
        DWORD size;
        DWORD result;
        std::string bytes; // the result bytes plus the final NUL(s)
    } cases[] = {
        {29, 27, std::string("section1\0section2\0section3\0\0", 28)},
        {28, 26, std::string("section1\0section2\0section3\0\0", 28)}, // exact fit counts as cut
        {27, 25, std::string("section1\0section2\0section\0\0", 27)},
        {16, 14, std::string("section1\0secti\0\0", 16)},
        {2, 0, std::string("\0\0", 2)},
    };
    for (const Case& c : cases) {
        std::memset(buf, 'z', sizeof buf);
        EXPECT_EQ(miscini::CopyList(names, buf, c.size), c.result) << c.size;
        EXPECT_EQ(std::string(buf, c.bytes.size()), c.bytes) << c.size;
    }
    std::memset(buf, 'z', sizeof buf);
    EXPECT_EQ(miscini::CopyList({}, buf, sizeof buf), 0u);
    EXPECT_EQ(buf[0], '\0');
}

TEST(IniBuffers, ProfileIntAsWindowsReadsIt)
{
    struct Case {
        const char* text;
        UINT value;
    } cases[] = {
        {"1", 1}, {"+1", 1}, {"-1", 4294967295u}, {"4294967296", 0}, {"4294967297", 1},
        {"-4294967297", 4294967295u}, {"42A94967297", 42}, {"B4294967297", 0}, {"  17", 17}, {"0x10", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(miscini::ParseProfileInt(c.text), c.value) << c.text;
}
