// Remembered-value lists: the archive image byte for byte, round trips at the length and count
// boundaries of the archive format, list editing, the files of the list types, damaged files.
#include <misc/data.h>
#include <misc/frame.h>

#include "test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <string>
#include <vector>

using misc_test::ReadFile;
using misc_test::WriteFile;

namespace {

std::string Word(unsigned v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

std::string Dword(unsigned v)
{
    return Word(v & 0xFFFF) + Word(v >> 16);
}

// An archive string of 8-bit characters with its shortest length prefix.
std::string Str(const std::string& s)
{
    const size_t n = s.size();
    if (n < 0xFF)
        return std::string(1, static_cast<char>(n)) + s;
    if (n < 0xFFFE)
        return "\xFF" + Word(static_cast<unsigned>(n)) + s;
    return "\xFF" + Word(0xFFFF) + Dword(static_cast<unsigned>(n)) + s;
}

const std::string kNewClass = Word(0xFFFF) + Word(1) + Word(10) + "CComboItem";
const std::string kClassRef = Word(0x8001);

std::vector<std::string> Names(CComboItemList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetSize(); ++i)
        names.push_back(list.GetComboItem(i)->m_strName.GetString());
    return names;
}

void Fill(CComboItemList& list, int count, const char* type = "T")
{
    for (int i = 0; i < count; ++i) {
        CString name;
        name.Format("item %d", i);
        list.AddComboItem(new CComboItem(name, type), 0);
    }
}

// Each test has its own common data folder.
class ComboLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        common = misc_test::MakeTempDir("common");
        setenv("MISC_COMMON_DATA", common.c_str(), 1);
        KestProfile::Reset();
        dir = misc_test::MakeTempDir("lists");
    }
    void TearDown() override { KestProfile::Reset(); }

    std::string Stored(CComboItemList& list)
    {
        const std::string path = dir + "/list.cbi";
        EXPECT_TRUE(list.StoreToFile(path.c_str()));
        return ReadFile(path);
    }
    // Loads bytes into a list that held one item before.
    std::vector<std::string> LoadBytes(const std::string& bytes, BOOL* opened = nullptr)
    {
        const std::string path = dir + "/in.cbi";
        WriteFile(path, bytes);
        CComboItemList list;
        list.AddComboItem(new CComboItem("before", "T"), 0);
        BOOL ok = list.LoadFromFile(path.c_str());
        if (opened)
            *opened = ok;
        return Names(list);
    }

    std::string common, dir;
};

TEST_F(ComboLists, ArchiveImageOfOneAndTwoItems)
{
    CComboItemList list;
    list.AddComboItem(new CComboItem("Front", "SpecialPieceName"), 0);
    EXPECT_EQ(Stored(list), Word(1) + kNewClass + Str("Front") + Str("SpecialPieceName"));

    list.AddComboItem(new CComboItem("Back", ""), 0);
    EXPECT_EQ(Stored(list), Word(2) + kNewClass + Str("Front") + Str("SpecialPieceName") +
                                kClassRef + Str("Back") + Str(""));

    CComboItemList empty;
    EXPECT_EQ(Stored(empty), Word(0));
}

TEST_F(ComboLists, CountsRoundTripInEveryCountForm)
{
    struct Case {
        int count;
        std::string prefix;
    };
    const Case cases[] = {
        {0, Word(0)},
        {1, Word(1)},
        {65534, Word(0xFFFE)},
        {65535, Word(0xFFFF) + Dword(65535)},
        {70000, Word(0xFFFF) + Dword(70000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        CComboItemList list;
        Fill(list, c.count);
        const std::string bytes = Stored(list);
        EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix);
        CComboItemList back;
        ASSERT_TRUE(back.LoadFromFile((dir + "/list.cbi").c_str()));
        ASSERT_EQ(back.GetSize(), c.count);
        for (int i : {0, c.count / 2, c.count - 1}) {
            if (i < 0 || i >= c.count)
                continue;
            EXPECT_TRUE(*back.GetComboItem(i) == *list.GetComboItem(i)) << i;
        }
    }
}

TEST_F(ComboLists, StringsRoundTripInEveryLengthForm)
{
    struct Case {
        size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {254, "\xFE"},
        {255, "\xFF" + Word(255)},
        {65534, "\xFF" + Word(0xFFFF) + Dword(65534)}, // 0xFFFE is the 16-bit marker
        {65535, "\xFF" + Word(0xFFFF) + Dword(65535)},
        {65536, "\xFF" + Word(0xFFFF) + Dword(65536)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'x');
        for (size_t i = 0; i < text.size(); i += 97)
            text[i] = static_cast<char>(0x80 + i % 128); // bytes above 127 travel unchanged
        CComboItemList list;
        list.AddComboItem(new CComboItem(text.c_str(), "T"), 0);
        const std::string bytes = Stored(list);
        EXPECT_EQ(bytes.substr(2 + kNewClass.size(), c.prefix.size()), c.prefix);
        CComboItemList back;
        back.LoadFromFile((dir + "/list.cbi").c_str());
        ASSERT_EQ(back.GetSize(), 1);
        EXPECT_EQ(std::string(back.GetComboItem(0)->m_strName.GetString()), text);
    }
}

TEST_F(ComboLists, SixteenBitStringsLoad)
{
    // The 16-bit marker 0xFF 0xFFFE, then the length and UTF-16LE characters.
    const std::string wide = "\xFF" + Word(0xFFFE) + "\x03" + std::string("a\0b\0\xE9\0", 6);
    const std::string wideLong =
        "\xFF" + Word(0xFFFE) + "\xFF" + Word(300) + [] {
            std::string s;
            for (int i = 0; i < 300; ++i)
                s += std::string("z\0", 2);
            return s;
        }();
    auto names = LoadBytes(Word(2) + kNewClass + wide + Str("T") + kClassRef + wideLong + wide);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "ab\xE9");
    EXPECT_EQ(names[1], std::string(300, 'z'));
}

TEST_F(ComboLists, DamagedFilesGiveAnEmptyList)
{
    const std::string good = Word(2) + kNewClass + Str("Front") + Str("T") + kClassRef +
                             Str("Back") + Str("T");
    ASSERT_EQ(LoadBytes(good), (std::vector<std::string>{"Front", "Back"}));
    for (size_t cut = 0; cut < good.size(); ++cut) {
        BOOL opened = FALSE;
        EXPECT_TRUE(LoadBytes(good.substr(0, cut), &opened).empty()) << "cut at " << cut;
        EXPECT_TRUE(opened);
    }
    const struct {
        const char* what;
        std::string bytes;
    } made_up[] = {
        {"unknown class", Word(1) + Word(0xFFFF) + Word(1) + Word(7) + "CNoSuch" + Str("a")},
        {"class of another kind", Word(1) + Word(0xFFFF) + Word(0) + Word(8) + "CObArray" + Word(0)},
        {"wrong schema", Word(1) + Word(0xFFFF) + Word(2) + Word(10) + "CComboItem" + Str("a") + Str("")},
        {"null item", Word(1) + Word(0)},
        {"the same item twice", Word(2) + kNewClass + Str("a") + Str("") + Word(2)},
        {"class reference before any class", Word(1) + kClassRef + Str("a") + Str("")},
        {"huge count, little data", Word(0xFFFF) + Dword(0xFFFFFFF0u) + kNewClass + Str("a") + Str("")},
        {"huge string length", Word(1) + kNewClass + "\xFF" + Word(0xFFFF) + Dword(0x7FFFFFFF) + "abc"},
        {"not an archive", "Block\nMaterial x\nEndBlock\nEnd\n"},
    };
    for (const auto& c : made_up)
        EXPECT_TRUE(LoadBytes(c.bytes).empty()) << c.what;
}

// Long lists are read through a bounded buffer; a file whose later items take a form that the
// one-pass reader leaves to the archive still loads whole, and bytes after the last item do not
// count.
TEST_F(ComboLists, LongListsAndMixedFormsLoadTheSameItems)
{
    CComboItemList list;
    for (int i = 0; i < 6000; ++i) {
        CString name;
        name.Format("%0*d", 1 + i % 300, i); // lengths across the byte and word prefixes
        list.AddComboItem(new CComboItem(name, i % 2 ? "Odd" : "Even"), 0);
    }
    const std::string bytes = Stored(list);
    CComboItemList back;
    WriteFile(dir + "/long.cbi", bytes + "trailing bytes");
    ASSERT_TRUE(back.LoadFromFile((dir + "/long.cbi").c_str()));
    ASSERT_EQ(back.GetSize(), list.GetSize());
    for (int i = 0; i < list.GetSize(); ++i)
        ASSERT_TRUE(*back.GetComboItem(i) == *list.GetComboItem(i)) << i;

    const std::string wide = "\xFF" + Word(0xFFFE) + "\x02" + std::string("o\0k\0", 4);
    const std::string mixed = Word(4) + kNewClass + Str("one") + Str("T") + kClassRef + Str("two") + Str("T") +
                              kClassRef + wide + Str("T") + kClassRef + Str(std::string(70000, 'L')) + Str("T");
    EXPECT_EQ(LoadBytes(mixed), (std::vector<std::string>{"one", "two", "ok", std::string(70000, 'L')}));
    // Damage after items that the one-pass reader took: nothing is kept.
    EXPECT_TRUE(LoadBytes(Word(3) + kNewClass + Str("one") + Str("T") + kClassRef + Str("two") + Str("T") + Word(0))
                    .empty());
}

TEST_F(ComboLists, MissingFileLeavesTheListAsItWas)
{
    CComboItemList list;
    list.AddComboItem(new CComboItem("kept", "T"), 0);
    EXPECT_FALSE(list.LoadFromFile((dir + "/missing.cbi").c_str()));
    EXPECT_FALSE(list.LoadFromFile(dir.c_str())); // a folder
    list.Load(COMBO_LIST_STYLE_NAME);             // no such file yet
    EXPECT_EQ(Names(list), std::vector<std::string>{"kept"});
}

TEST_F(ComboLists, AddNewComboItemMovesUsedValuesToTheFront)
{
    CComboItemList list;
    for (const char* name : {"a", "b", "c"}) {
        CComboItem item(name, "T");
        list.AddNewComboItem(item, 0);
    }
    ASSERT_EQ(Names(list), (std::vector<std::string>{"a", "b", "c"}));

    CComboItem c("c", "T");
    list.AddNewComboItem(c, 0); // already there, not to the front: unchanged
    EXPECT_EQ(Names(list), (std::vector<std::string>{"a", "b", "c"}));
    list.AddNewComboItem(c, 1); // to the front
    EXPECT_EQ(Names(list), (std::vector<std::string>{"c", "a", "b"}));

    CComboItem empty("", "T");
    list.AddNewComboItem(empty, 1);
    EXPECT_EQ(list.GetSize(), 3);

    CComboItem otherType("a", "U"); // a different type name: a different item
    list.AddNewComboItem(otherType, 0);
    CComboItem otherCase("A", "T");
    list.AddNewComboItem(otherCase, 1);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "c", "a", "b", "a"}));
    EXPECT_EQ(list.Find(CComboItem("a", "U")), 4);
    EXPECT_EQ(list.Find(CComboItem("a", "T")), 2);
    EXPECT_EQ(list.Find(CComboItem("x", "T")), -1);

    EXPECT_EQ(list.GetComboItem(-1), nullptr);
    EXPECT_EQ(list.GetComboItem(5), nullptr);
    list.AddComboItem(nullptr, 1);
    EXPECT_EQ(list.GetSize(), 5);
}

TEST_F(ComboLists, ListTypesNameTheirFiles)
{
    const struct {
        int type;
        const char* name;
        const char* title;
    } table[] = {
        {100, "SpecialPieceName", "Piece Names"},
        {110, "SpecialMaterialName", "Materials"},
        {120, "SpecialToolName", "Tool Names"},
        {130, "SpecialStyleName", "Styles"},
        {140, "SpecialMaxTilt", "Tilts"},
        {150, "SpecialBuffering", "Buffering"},
        {160, "SpecialQuntitiesPerSet", "Quantities"},
        {170, "SpecialPieceDesc", "Descriptions"},
        {180, "SpecialPieceCode", "Codes"},
        {190, "SpecialQulity", "Qualities"},
        {200, "EmailAddress", "Email Addresses"},
        {210, "SpecialPointName", "Point Names"},
        {220, "SpecialPleatName", ""},
        {230, "SpecialIntContourName", ""},
        {0, "", ""},
        {105, "", ""},
        {-1, "", ""},
    };
    for (const auto& row : table) {
        CString name = "junk", title = "junk";
        EXPECT_STREQ(getNameByType(name, row.type), row.name) << row.type;
        EXPECT_STREQ(getTitleByType(title, row.type), row.title) << row.type;
    }
    int count = 0;
    getComboListTypes(&count);
    EXPECT_EQ(count, 14);

    const std::string folder = common + "/Kestrel/";
    EXPECT_EQ(std::string(CComboItemList::GetListFilePath(230)), folder + "SpecialIntContourName.cbi");
    EXPECT_EQ(std::string(CComboItemList::GetListFilePath(999)), folder + ".cbi");
}

TEST_F(ComboLists, StoreAndLoadByTypeReplaceTheFileWhole)
{
    CComboItemList list;
    Fill(list, 3, "Point Names");
    list.Store(COMBO_LIST_POINT_NAME);
    const std::string path = common + "/Kestrel/SpecialPointName.cbi";
    ASSERT_FALSE(ReadFile(path).empty());

    CComboItemList smaller;
    Fill(smaller, 1);
    smaller.Store(COMBO_LIST_POINT_NAME); // the last writer wins
    CComboItemList back;
    Fill(back, 5);
    back.Load(COMBO_LIST_POINT_NAME);
    EXPECT_EQ(Names(back), std::vector<std::string>{"item 0"});

    // Nothing but the list is left in the folder (no temporary files).
    std::vector<std::string> files;
    DIR* d = opendir((common + "/Kestrel").c_str());
    ASSERT_NE(d, nullptr);
    while (dirent* e = readdir(d))
        if (e->d_name[0] != '.')
            files.push_back(e->d_name);
    closedir(d);
    EXPECT_EQ(files, std::vector<std::string>{"SpecialPointName.cbi"});
}

TEST_F(ComboLists, StoreIntoAFolderThatCannotBeWrittenKeepsTheOldFile)
{
    CComboItemList list;
    Fill(list, 2);
    EXPECT_FALSE(list.StoreToFile((dir + "/no/such/folder/x.cbi").c_str()));
    EXPECT_FALSE(list.StoreToFile(""));
}

} // namespace
