// Materials: records and their array, the fabric pattern profile file (reading with its result
// codes and merge modes, writing), name lookup, file resolution and the last used profile path.
#include <misc/data.h>
#include <misc/frame.h>

#include "test_env.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using misc_test::ReadFile;
using misc_test::WriteFile;

namespace {

// A 2 by 1 BMP picture (24-bit, bottom-up), 2835 pels per metre.
std::string TinyBmp()
{
    std::string b = "BM";
    auto put32 = [&b](unsigned v) {
        for (int i = 0; i < 4; ++i)
            b += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [&b](unsigned v) {
        b += static_cast<char>(v & 0xFF);
        b += static_cast<char>(v >> 8);
    };
    put32(14 + 40 + 8);
    put32(0);
    put32(14 + 40);
    put32(40);
    put32(2);
    put32(1);
    put16(1);
    put16(24);
    put32(0);
    put32(8);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    b += std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8); // red, green, padding
    return b;
}

std::string Block(const std::string& name, const std::string& file, const std::string& extra = "")
{
    return "Block\nMaterial " + name + "\nFile " + file + "\nSize 10.5 20 \nOffset 1 2 \n" +
           extra + "Weight 3.25 g/m2\nCost 7 EUR\nEndBlock\n";
}

std::vector<std::string> Names(const CMaterialArray& a)
{
    std::vector<std::string> names;
    for (int i = 0; i < a.GetSize(); ++i)
        names.push_back(a[i].m_name.GetString());
    return names;
}

class Materials : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = misc_test::MakeTempDir("fpf");
        picture = dir + "/denim.bmp";
        WriteFile(picture, TinyBmp());
        common = misc_test::MakeTempDir("common");
        setenv("MISC_COMMON_DATA", common.c_str(), 1);
        setenv("XDG_DATA_HOME", misc_test::MakeTempDir("user").c_str(), 1);
        KestProfile::Reset();
        KestProfile::m_name = "user.ini";
        KestProfile::m_privateUsing = true;
    }
    void TearDown() override { KestProfile::Reset(); }

    // Writes text as a profile file and loads it.
    int Load(CMaterialArray& a, const std::string& text, int mode = 0, int requireImage = 0)
    {
        const std::string path = dir + "/p.fpf";
        WriteFile(path, text);
        char name[MAX_PATH];
        std::strcpy(name, path.c_str());
        return a.LoadMaterial(name, nullptr, requireImage, mode);
    }

    std::string dir, picture, common;
};

TEST_F(Materials, NewArrayHoldsEntryZero)
{
    CMaterialArray a;
    ASSERT_EQ(a.GetSize(), 1);
    const CMaterialBlock& e = a[0];
    EXPECT_TRUE(e.m_name.IsEmpty());
    EXPECT_EQ(e.m_pImage, nullptr);
    EXPECT_STREQ(e.m_file, "");
    EXPECT_EQ(e.m_sizeX, 1.0);
    EXPECT_EQ(e.m_sizeY, 1.0);
    EXPECT_EQ(e.m_offsetX, 0.0);
    EXPECT_EQ(e.m_weight, 1.0);
    EXPECT_EQ(e.m_cost, 0.0);

    a.Add(CMaterialBlock());
    a[0].m_name = "zero";
    a.Clear();
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_TRUE(a[0].m_name.IsEmpty());
    EXPECT_EQ(a[0].m_sizeX, 0.0); // cleared: all numbers 0
    EXPECT_EQ(a[0].m_weight, 0.0);
}

TEST_F(Materials, CopiesNeverShareThePicture)
{
    CMaterialBlock a;
    a.m_name = "denim";
    a.m_pImage = new CWinImageFile;
    ASSERT_TRUE(a.m_pImage->LoadDiskData(CGenString(picture.c_str())));
    std::strcpy(a.m_file, picture.c_str());
    CMaterialBlock b(a);
    ASSERT_NE(b.m_pImage, nullptr);
    EXPECT_NE(b.m_pImage, a.m_pImage);
    EXPECT_EQ(b.m_pImage->getWidth(), 2);
    CMaterialBlock c;
    c = a;
    EXPECT_NE(c.m_pImage, a.m_pImage);
    c = c; // self-assignment keeps everything
    ASSERT_NE(c.m_pImage, nullptr);
    EXPECT_EQ(c.m_name, "denim");
    c.Clear(1);
    EXPECT_EQ(c.m_pImage, nullptr);
    EXPECT_EQ(c.m_name, "denim");
    EXPECT_STREQ(c.m_file, "");
}

TEST_F(Materials, ReadsBlocksWithTheirValues)
{
    CMaterialArray a;
    ASSERT_EQ(Load(a, Block("Denim", picture) + "End\n"), MATERIAL_LOAD_OK);
    ASSERT_EQ(Names(a), (std::vector<std::string>{"", "Denim"}));
    const CMaterialBlock& m = a[1];
    ASSERT_NE(m.m_pImage, nullptr);
    EXPECT_EQ(m.m_pImage->getWidth(), 2);
    EXPECT_STREQ(m.m_file, picture.c_str());
    EXPECT_EQ(m.m_sizeX, 10.5);
    EXPECT_EQ(m.m_sizeY, 20.0);
    EXPECT_EQ(m.m_offsetX, 1.0);
    EXPECT_EQ(m.m_offsetY, 2.0);
    EXPECT_EQ(m.m_weight, 3.25);
    EXPECT_EQ(m.m_weightText, "g/m2");
    EXPECT_EQ(m.m_cost, 7.0);
    EXPECT_EQ(m.m_costText, "EUR");
}

TEST_F(Materials, ResultCodes)
{
    const struct {
        const char* what;
        std::string text;
        int result;
        size_t records; // array size afterwards
    } cases[] = {
        {"empty file", "", MATERIAL_LOAD_NO_END, 1},
        {"End without newline", Block("A", picture) + Block("B", picture) + "End", MATERIAL_LOAD_NO_END, 3},
        {"keywords in any case", "bLoCk\nMATERIAL A\nfile " + picture + "\nendblock\nend\n", MATERIAL_LOAD_OK, 2},
        {"CR LF lines", "Block\r\nMaterial A\r\nFile " + picture + "\r\nEndBlock\r\nEnd\r\n", MATERIAL_LOAD_OK, 2},
        {"stray line", Block("A", picture) + "Hello\n" + Block("B", picture) + "End\n", MATERIAL_LOAD_BAD_LINE, 2},
        {"block without Material", "Block\nFile x\nEndBlock\nEnd\n", MATERIAL_LOAD_BAD_BLOCK, 1},
        {"block without EndBlock", "Block\nMaterial A\nSize 1 1 \nBlock\nEnd\n", MATERIAL_LOAD_BAD_BLOCK, 2},
        {"file ends in a block", "Block\nMaterial A\nSize 1 1 \n", MATERIAL_LOAD_BAD_BLOCK, 2},
        {"line too long", std::string(300, 'x') + "\nEnd\n", MATERIAL_LOAD_NO_END, 1},
        {"line of 278 characters", "Block\nMaterial " + std::string(269, 'n') + "\nEndBlock\nEnd\n", MATERIAL_LOAD_OK, 2},
        {"line of 279 characters", "Block\nMaterial " + std::string(270, 'n') + "\nEndBlock\nEnd\n", MATERIAL_LOAD_BAD_BLOCK, 1},
        // The CR of a Windows line end takes no room of the line.
        {"line of 278 characters and CR LF", "Block\r\nMaterial " + std::string(269, 'n') + "\r\nEndBlock\r\nEnd\r\n",
         MATERIAL_LOAD_OK, 2},
        {"line of 279 characters and CR LF", "Block\r\nMaterial " + std::string(270, 'n') + "\r\nEndBlock\r\nEnd\r\n",
         MATERIAL_LOAD_BAD_BLOCK, 1},
        {"line of 278 characters and a lone CR", "Block\nMaterial " + std::string(269, 'n') + "\rEndBlock\nEnd\n",
         MATERIAL_LOAD_BAD_BLOCK, 1},
    };
    for (const auto& c : cases) {
        CMaterialArray a;
        EXPECT_EQ(Load(a, c.text), c.result) << c.what;
        EXPECT_EQ(static_cast<size_t>(a.GetSize()), c.records) << c.what;
    }

    CMaterialArray a;
    char missing[MAX_PATH] = "no-such-file";
    EXPECT_EQ(a.LoadMaterial(missing, dir.c_str(), 0, 0), MATERIAL_LOAD_NOT_FOUND);
    char folder[MAX_PATH];
    std::strcpy(folder, dir.c_str());
    EXPECT_EQ(a.LoadMaterial(folder, nullptr, 0, 0), MATERIAL_LOAD_NOT_FOUND);
}

TEST_F(Materials, FoldersAreNoFiles)
{
    // A folder named as the profile file is not found, whatever its extension.
    const std::string folder = dir + "/looks.fpf";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    CMaterialArray a;
    a.Add(CMaterialBlock());
    a[1].m_name = "Kept";
    char name[MAX_PATH];
    std::strcpy(name, folder.c_str());
    EXPECT_EQ(a.LoadMaterial(name, nullptr, 0, 1), MATERIAL_LOAD_NOT_FOUND);
    EXPECT_EQ(Names(a), (std::vector<std::string>{"", "Kept"}));
    // A folder named as a picture is no picture: the material keeps only its name.
    ASSERT_EQ(Load(a, Block("Odd", dir) + "End\n"), MATERIAL_LOAD_OK);
    ASSERT_EQ(Names(a), (std::vector<std::string>{"", "Odd"}));
    EXPECT_EQ(a[1].m_pImage, nullptr);
    EXPECT_STREQ(a[1].m_file, "");
    EXPECT_EQ(Load(a, Block("Odd", dir) + "End\n", 0, 1), MATERIAL_LOAD_BAD_BLOCK);
}

TEST_F(Materials, ASignWithoutDigitsIsAMissingNumber)
{
    CMaterialArray a;
    ASSERT_EQ(Load(a, "Block\nMaterial A\nFile " + picture +
                          "\nSize - 1 \nOffset + -x \nWeight -x kg\nCost - \nEndBlock\nEnd\n"),
              MATERIAL_LOAD_OK);
    const CMaterialBlock& m = a[1];
    for (double v : {m.m_sizeX, m.m_offsetX, m.m_offsetY, m.m_weight, m.m_cost}) {
        EXPECT_EQ(v, 0.0);
        EXPECT_FALSE(std::signbit(v));
    }
    EXPECT_EQ(m.m_sizeY, 1.0);
    EXPECT_EQ(m.m_weightText, "kg");
    const std::string written(FormatMaterialBlock(m));
    EXPECT_EQ(written.find("-0.000000"), std::string::npos) << written;
    EXPECT_NE(written.find("Weight 0.000000 kg\n"), std::string::npos) << written;
}

TEST_F(Materials, PicturesThatDoNotLoad)
{
    CMaterialArray a;
    // No picture: the material stays by name with all numbers 0 and no file.
    ASSERT_EQ(Load(a, Block("Plain", "") + Block("Lost", dir + "/gone.png") + "End\n"), MATERIAL_LOAD_OK);
    ASSERT_EQ(Names(a), (std::vector<std::string>{"", "Plain", "Lost"}));
    for (int i : {1, 2}) {
        EXPECT_EQ(a[i].m_pImage, nullptr);
        EXPECT_STREQ(a[i].m_file, "");
        EXPECT_EQ(a[i].m_sizeX, 0.0);
        EXPECT_EQ(a[i].m_weight, 0.0);
        EXPECT_TRUE(a[i].m_weightText.IsEmpty());
    }
    WriteFile(dir + "/broken.png", "\x89PNG\r\n\x1a\n broken");
    EXPECT_EQ(Load(a, Block("A", picture) + Block("Broken", dir + "/broken.png") + "End\n", 0, 1),
              MATERIAL_LOAD_BAD_BLOCK);
    EXPECT_EQ(Names(a), (std::vector<std::string>{"", "A", "Broken"})); // read before the error
    EXPECT_EQ(Load(a, Block("A", picture) + "End\n", 0, 1), MATERIAL_LOAD_OK);

    // A block that fails part-way keeps what was read of it, its picture file included, but
    // loads no picture.
    ASSERT_EQ(Load(a, "Block\nMaterial Cut\nFile " + picture + "\nSize 5 6 \nstray\n"), MATERIAL_LOAD_BAD_BLOCK);
    ASSERT_EQ(Names(a), (std::vector<std::string>{"", "Cut"}));
    EXPECT_EQ(std::string(a[1].m_file), picture);
    EXPECT_EQ(a[1].m_sizeX, 5.0);
    EXPECT_EQ(a[1].m_sizeY, 6.0);
    EXPECT_EQ(a[1].m_pImage, nullptr);
    ASSERT_EQ(Load(a, "Block\nMaterial Cut\nWeight 2 kg\n"), MATERIAL_LOAD_BAD_BLOCK);  // file ends
    EXPECT_EQ(a[1].m_weight, 2.0);
    EXPECT_EQ(std::string(a[1].m_weightText.GetString()), "kg");
}

TEST_F(Materials, WindowsPathsResolveInTheProfilesFolder)
{
    CMaterialArray a;
    ASSERT_EQ(Load(a, Block("Denim", "C:\\Patterns\\Old Folder\\denim.bmp") + "End\n"), MATERIAL_LOAD_OK);
    ASSERT_NE(a[1].m_pImage, nullptr);
    EXPECT_EQ(std::string(a[1].m_file), picture);

    // The profile itself, named without extension and found next to altPath.
    WriteFile(dir + "/shop.fpf", Block("Denim", "denim.bmp") + "End\n");
    char name[MAX_PATH] = "D:\\elsewhere\\shop";
    const std::string alt = dir + "/any.fpf";
    CMaterialArray b;
    EXPECT_EQ(b.LoadMaterial(name, alt.c_str(), 1, 0), MATERIAL_LOAD_OK);
    EXPECT_EQ(std::string(name), dir + "/shop.fpf");
}

TEST_F(Materials, NamesOnTheMaterialLine)
{
    CMaterialArray a;
    // Two spaces after the keyword and a trailing space; the File line keeps its spaces.
    WriteFile(dir + "/my picture .bmp", TinyBmp());
    ASSERT_EQ(Load(a, "Block\nMaterial  Blue Denim \nFile " + dir + "/my picture .bmp\nEndBlock\nEnd\n"),
              MATERIAL_LOAD_OK);
    ASSERT_EQ(Names(a), (std::vector<std::string>{"", "Blue Denim"}));
    EXPECT_NE(a[1].m_pImage, nullptr);

    // Two names separated by a semicolon update the record named by either, first in the array.
    ASSERT_EQ(Load(a, Block("Silk", picture) + Block("Wool", picture) + Block("Linen", picture) + "End\n"),
              MATERIAL_LOAD_OK);
    ASSERT_EQ(Load(a, Block("linen; WOOL", picture, "Size 99 99 \n") + "End\n", 1), MATERIAL_LOAD_OK);
    ASSERT_EQ(Names(a), (std::vector<std::string>{"", "Silk", "Wool", "Linen"}));
    EXPECT_EQ(a[2].m_sizeX, 99.0); // Wool comes first in the array
    EXPECT_EQ(a[3].m_sizeX, 10.5);

    // "0" alone is no token: "0;Nothing" is a new material.
    ASSERT_EQ(Load(a, Block("0;Nothing", picture) + "End\n", 1), MATERIAL_LOAD_OK);
    EXPECT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a.find_material("0"), -1);
    EXPECT_EQ(a.find_material("x, silk"), 1);
    EXPECT_EQ(a.find_material(":silk:wool:"), 1);
    EXPECT_EQ(a.find_material("wool,silk"), 1); // the first record in index order wins
    EXPECT_EQ(a.find_material("0;NOTHING"), 4);
    EXPECT_EQ(a.find_material(""), 0);
}

TEST_F(Materials, MergeModes)
{
    CMaterialArray a;
    ASSERT_EQ(Load(a, Block("Silk", picture) + Block("Bare", "") + "End\n"), MATERIAL_LOAD_OK);
    ASSERT_EQ(a[1].m_sizeX, 10.5);
    const std::string update = Block("silk", picture, "Size 5 5 \n") + Block("bare", picture, "Size 6 6 \n") +
                               Block("New", picture) + "End\n";
    // Negative mode: a material that has a picture file is kept; one without is overwritten.
    ASSERT_EQ(Load(a, update, -1), MATERIAL_LOAD_OK);
    ASSERT_EQ(Names(a), (std::vector<std::string>{"", "Silk", "Bare", "New"}));
    EXPECT_EQ(a[1].m_sizeX, 10.5);
    EXPECT_EQ(a[2].m_sizeX, 6.0);
    // Positive mode: overwritten, names kept as they were.
    ASSERT_EQ(Load(a, update, 1), MATERIAL_LOAD_OK);
    EXPECT_EQ(a[1].m_sizeX, 5.0);
    EXPECT_EQ(a[1].m_name, "Silk");
    // Mode 0 replaces; a block with an empty name fills entry 0.
    ASSERT_EQ(Load(a, Block("", picture) + "End\n", 0), MATERIAL_LOAD_OK);
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0].m_sizeX, 10.5);
}

TEST_F(Materials, SortKeepsEntryZeroFirst)
{
    CMaterialArray a;
    for (const char* n : {"b", "a", "c"}) {
        CMaterialBlock m;
        m.m_name = n;
        a.Add(m);
    }
    a[0].m_name = "zzz";
    a.Sort(1);
    EXPECT_EQ(Names(a), (std::vector<std::string>{"zzz", "c", "b", "a"}));
    a.Sort(0);
    EXPECT_EQ(Names(a), (std::vector<std::string>{"zzz", "a", "b", "c"}));

    CMaterialArray same;
    for (const char* n : {"Wool", "wool", "WOOL"}) {
        CMaterialBlock m;
        m.m_name = n;
        same.Add(m);
    }
    same.Sort(0);
    EXPECT_EQ(Names(same), (std::vector<std::string>{"", "Wool", "wool", "WOOL"}));
    same.Sort(1);
    EXPECT_EQ(Names(same), (std::vector<std::string>{"", "Wool", "wool", "WOOL"}));
}

TEST_F(Materials, WrittenFilesReadBack)
{
    CMaterialBlock m;
    m.m_name = "Denim";
    std::strcpy(m.m_file, picture.c_str());
    m.m_sizeX = 1.5;
    m.m_sizeY = 2;
    m.m_offsetX = -0.25;
    m.m_weight = 300;
    m.m_costText = "per m";
    m.m_cost = 12.125;
    EXPECT_EQ(std::string(FormatMaterialBlock(m)),
              "Block\nMaterial Denim\nFile " + picture +
                  "\nSize 1.500000 2.000000 \nOffset -0.250000 0.000000 \nWeight 300.000000 \n"
                  "Cost 12.125000 per m\nEndBlock\n");

    CMaterialArray a;
    a.Add(m);
    const std::string path = dir + "/out.fpf";
    ASSERT_TRUE(WriteMaterialFile(a, path.c_str()));
    const std::string text = ReadFile(path);
    EXPECT_EQ(text.substr(0, 17), "Block\nMaterial \nF");
    EXPECT_EQ(text.substr(text.size() - 4), "End\n");
    CMaterialArray b;
    char name[MAX_PATH];
    std::strcpy(name, path.c_str());
    ASSERT_EQ(b.LoadMaterial(name, nullptr, 0, 0), MATERIAL_LOAD_OK);
    ASSERT_EQ(Names(b), (std::vector<std::string>{"", "Denim"}));
    EXPECT_EQ(b[1].m_offsetX, -0.25);
    EXPECT_EQ(b[1].m_costText, "per m");

    // A line break inside a name cannot break the file.
    a[1].m_name = "two\nlines";
    ASSERT_TRUE(WriteMaterialFile(a, path.c_str()));
    EXPECT_EQ(b.LoadMaterial(name, nullptr, 0, 0), MATERIAL_LOAD_OK);
    EXPECT_EQ(b[1].m_name, "two lines");
}

TEST_F(Materials, NamesAreRememberedFrontFirst)
{
    CComboItemList list;
    list.AddComboItem(new CComboItem("Old", "SpecialMaterialName"), 0);
    list.AddComboItem(new CComboItem("Silk", "SpecialMaterialName"), 0);
    list.Store(COMBO_LIST_MATERIAL_NAME);
    CMaterialArray a;
    for (const char* n : {"Silk", "Wool"}) {
        CMaterialBlock m;
        m.m_name = n;
        a.Add(m);
    }
    RememberMaterialNames(a);
    CComboItemList back;
    back.Load(COMBO_LIST_MATERIAL_NAME);
    std::vector<std::string> names;
    for (int i = 0; i < back.GetSize(); ++i)
        names.push_back(back.GetComboItem(i)->m_strName.GetString());
    EXPECT_EQ(names, (std::vector<std::string>{"Wool", "Silk", "Old"}));
}

TEST_F(Materials, VerifyAndFindFile)
{
    char path[MAX_PATH];
    auto verify = [&path](const std::string& in, const char* ext, const std::string& alt, int create) {
        std::strcpy(path, in.c_str());
        return VerifyAndFindFile(path, ext, alt.empty() ? nullptr : alt.c_str(), create);
    };
    WriteFile(dir + "/shop.fpf", "End\n");
    EXPECT_EQ(verify(dir + "/shop", "fpf", "", 0), 1);
    EXPECT_EQ(std::string(path), dir + "/shop.fpf");
    EXPECT_EQ(verify(dir + "/shop.", "fpf", "", 0), 1);
    EXPECT_EQ(verify("X:\\old\\shop.fpf", nullptr, dir + "/p.fpf", 0), 1);
    EXPECT_EQ(std::string(path), dir + "/shop.fpf");
    EXPECT_EQ(verify(dir, nullptr, "", 0), 1); // a folder counts
    EXPECT_EQ(verify(dir + "/new.fpf", nullptr, "", 0), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(verify(dir + "/new.fpf", nullptr, "", 1), 1); // could be created...
    EXPECT_TRUE(ReadFile(dir + "/new.fpf").empty());        // ...and is not left behind
    EXPECT_EQ(verify(dir + "/no/such/new.fpf", nullptr, "", 1), 0);
    EXPECT_EQ(verify("", "fpf", dir, 1), 0);
    EXPECT_EQ(VerifyAndFindFile(nullptr, "fpf", nullptr, 1), 0);
}

TEST_F(Materials, LastUsedProfilePath)
{
    char buffer[MAX_PATH] = "junk";
    EXPECT_EQ(ReadFabricPatternFileName(buffer, nullptr), 0);
    SetFabricPatternFileName("C:\\Shop\\shop.fpf");
    WriteFile(dir + "/shop.fpf", "End\n");
    EXPECT_EQ(ReadFabricPatternFileName(buffer, (dir + "/x").c_str()), 1);
    EXPECT_EQ(std::string(buffer), dir + "/shop.fpf");
    char again[MAX_PATH];
    EXPECT_EQ(ReadFabricPatternFileName(again, nullptr), 1); // the resolved path was written back
    EXPECT_EQ(std::string(again), dir + "/shop.fpf");

    SetFabricPatternFileName((dir + "/gone.fpf").c_str());
    EXPECT_EQ(ReadFabricPatternFileName(nullptr, nullptr), 0);
    EXPECT_EQ(ReadFabricPatternFileName(buffer, nullptr), 0); // emptied and written back empty
}

TEST_F(Materials, KeywordLines)
{
    const std::string path = dir + "/lines.txt";
    WriteFile(path, "  Size  1.5\t 2  rest of it\nKey\n" + std::string(10, 'x') + "\nlast");
    FILE* f = std::fopen(path.c_str(), "r");
    ASSERT_NE(f, nullptr);
    char line[10];
    char *key, *rest, *third;
    char big[80];
    EXPECT_EQ(ReadKeywordLine(f, big, sizeof big, &key, &rest, &third), 1);
    EXPECT_STREQ(key, "Size");
    EXPECT_STREQ(rest, "1.5\t 2  rest of it"); // tabs are ordinary characters
    EXPECT_STREQ(third, "2  rest of it");
    EXPECT_EQ(ReadKeywordLine(f, line, sizeof line, &key, &rest, &third), 1);
    EXPECT_STREQ(key, "Key");
    EXPECT_STREQ(rest, "");
    EXPECT_EQ(ReadKeywordLine(f, line, sizeof line, &key, &rest, &third), 0); // 9 characters
    EXPECT_STREQ(key, "xxxxxxxxx");
    ReadKeywordLine(f, line, sizeof line, &key, &rest, &third); // the rest of that line
    EXPECT_EQ(ReadKeywordLine(f, line, sizeof line, &key, &rest, &third), 0); // no newline
    EXPECT_STREQ(key, "last");
    EXPECT_EQ(ReadKeywordLine(f, line, sizeof line, &key, &rest, &third), 0);
    EXPECT_STREQ(key, "");
    std::fclose(f);
}

TEST_F(Materials, NumbersIgnoreTheProcessLocale)
{
    CMaterialArray a;
    ASSERT_EQ(Load(a, Block("A", picture, "Size 2.5e1 -.5x \nOffset junk +3 \n") + "End\n"), MATERIAL_LOAD_OK);
    EXPECT_EQ(a[1].m_sizeX, 25.0);
    EXPECT_EQ(a[1].m_sizeY, -0.5);
    EXPECT_EQ(a[1].m_offsetX, 0.0);
    EXPECT_EQ(a[1].m_offsetY, 3.0);
    ASSERT_EQ(Load(a, Block("A", picture, "Size 1e999 -1e999 \nOffset 1e-999 0.5 \n") + "End\n"), MATERIAL_LOAD_OK);
    EXPECT_EQ(a[1].m_sizeX, HUGE_VAL);
    EXPECT_EQ(a[1].m_sizeY, -HUGE_VAL);
    EXPECT_EQ(a[1].m_offsetX, 0.0);
}

} // namespace
