// misctool entity and versions: JSON round trips, previews and version lists.
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "test_env.h"
#include "tool_run.h"

namespace {

using tooltest::ToolRun;

ToolRun Tool(const std::string& args, bool withStderr = true)
{
    return tooltest::Misctool(args, withStderr);
}

// Bytes as a JSON string with the latin-1 mapping.
std::string Latin1Json(const std::string& bytes)
{
    std::string out = "\"";
    for (unsigned char c : bytes) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", c);
        out += buf;
    }
    return out + "\"";
}

const char* kEveryKind = R"({
  "variant": 1, "key": 305419896, "header": [1, 2, 4, 5, 4294967295],
  "root": {"type": "block", "id": 1, "name": "T\u00e9st", "count": 5, "flags": [1,0,0,0,0,0,0,255],
    "children": [
      {"type": "text", "id": 2, "data": "caf\u00e9"},
      {"type": "bytes", "id": 3, "data": "\u0000\u00ff\u0001"},
      {"type": "u16", "id": 4, "values": [0, 65535, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9]},
      {"type": "i32", "id": 5, "values": [-2147483648, 2147483647]},
      {"type": "f32", "id": 6, "bits": [1065353216, 2143289344, 2147483648]},
      {"type": "list", "id": 7, "elements": [
        {"type": "block", "id": 7, "name": null, "count": 0, "flags": [0,0,0,0,0,0,0,0], "children": []},
        {"type": "block", "id": 0, "children": [{"type": "text", "id": 1023, "data": "x"}]}]},
      {"type": "block", "id": 8, "name": null, "count": 0, "flags": [0,0,0,0,0,0,0,0], "children": []}
    ]}
})";

TEST(EntityTool, PackDumpPackIsByteForByte)
{
    std::string dir = misc_test::MakeTempDir();
    misc_test::WriteFile(dir + "/in.json", kEveryKind);
    ToolRun pack = Tool("entity pack '" + dir + "/in.json' '" + dir + "/a.doc'");
    ASSERT_EQ(pack.status, 0) << pack.out;
    ToolRun dump = Tool("entity dump '" + dir + "/a.doc'", false);
    ASSERT_EQ(dump.status, 0) << dump.out;
    EXPECT_NE(dump.out.find("\"name\": \"T\\u00e9st\""), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("\"data\": \"\\u0000\\u00ff\\u0001\""), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("\"bits\": [1065353216, 2143289344, 2147483648]"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("\"errors\": []"), std::string::npos) << dump.out;
    misc_test::WriteFile(dir + "/dump.json", dump.out);
    ASSERT_EQ(Tool("entity pack '" + dir + "/dump.json' '" + dir + "/b.doc'").status, 0);
    std::string a = misc_test::ReadFile(dir + "/a.doc"), b = misc_test::ReadFile(dir + "/b.doc");
    EXPECT_EQ(a, b);
    // The header: magic of variant 1, the words and the key at offset 12.
    ASSERT_GE(a.size(), 28u);
    EXPECT_EQ(static_cast<unsigned char>(a[0]), 0xDD);
    EXPECT_EQ(a.substr(12, 4), std::string("\x78\x56\x34\x12", 4));
    EXPECT_EQ(a.substr(24, 4), std::string("\xff\xff\xff\xff", 4));
}

TEST(EntityTool, DumpShowsEventsAndFilters)
{
    std::string dir = misc_test::MakeTempDir();
    misc_test::WriteFile(dir + "/in.json", kEveryKind);
    ASSERT_EQ(Tool("entity pack '" + dir + "/in.json' '" + dir + "/a.doc'").status, 0);
    std::string doc = misc_test::ReadFile(dir + "/a.doc");
    misc_test::WriteFile(dir + "/cut.doc", doc.substr(0, doc.size() - 20));
    ToolRun cut = Tool("entity dump '" + dir + "/cut.doc'", false);
    EXPECT_EQ(cut.status, 0);
    EXPECT_NE(cut.out.find("\"severity\": 16"), std::string::npos) << cut.out;
    ToolRun preview = Tool("entity dump --filter -1 '" + dir + "/a.doc'", false);
    EXPECT_EQ(preview.out.find("\"type\": \"text\""), std::string::npos) << preview.out;
    // The 33 values of array 4 are a medium array in variant 1: dropped too.
    EXPECT_NE(preview.out.find("\"children\": []"), std::string::npos) << preview.out;
    EXPECT_EQ(Tool("entity dump --filter 7 '" + dir + "/a.doc'").status, 2);
    misc_test::WriteFile(dir + "/other.doc", "not a document at all");
    ToolRun other = Tool("entity dump '" + dir + "/other.doc'");
    EXPECT_EQ(other.status, 1);
    EXPECT_NE(other.out.find("not a typed entity document"), std::string::npos);
}

const std::string kDeep = std::string(1001, '[') + std::string(1001, ']');

TEST(EntityTool, PackRefusesBadInputWithOneLine)
{
    struct Case {
        const char* json;
        const char* says;
    } cases[] = {
        {"{\"variant\": 0, \"root\": ", "line 1"},
        {"{\"variant\": 3, \"root\": {\"type\": \"block\", \"id\": 1}}", "variant"},
        {"{\"variant\": 0, \"root\": {\"type\": \"block\", \"id\": 1024}}", "id"},
        {"{\"variant\": 0, \"root\": {\"type\": \"block\", \"id\": 1, \"children\": [{\"type\": \"text\", \"id\": 2, \"data\": \"\\u0100\"}]}}",
         "U+00FF"},
        {"{\"variant\": 0, \"root\": {\"type\": \"block\", \"id\": 1, \"children\": [{\"type\": \"u16\", \"id\": 2, \"values\": [65536]}]}}",
         "root.children[0].values[0]"},
        {"{\"variant\": 0, \"root\": {\"type\": \"block\", \"id\": 1, \"children\": [{\"type\": \"what\", \"id\": 2}]}}", "unknown type"},
        {"{\"variant\": 0, \"root\": {\"type\": \"list\", \"id\": 1}}", "expected a block"},
        {"[1, 2", "line 1, column 6"},
        {"{\"variant\": 0, \"root\": \"\xff\"}", "UTF-8"},
        {"{\"variant\": 0, \"root\": \"\\ud800\"}", "surrogate"},
        {kDeep.c_str(), "nesting deeper than 1000"},
    };
    std::string dir = misc_test::MakeTempDir();
    for (const Case& c : cases) {
        misc_test::WriteFile(dir + "/bad.json", c.json);
        ToolRun r = Tool("entity pack '" + dir + "/bad.json' '" + dir + "/bad.doc'");
        EXPECT_EQ(r.status, 1) << c.json << "\n" << r.out;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    }
}

TEST(EntityTool, PreviewOfVectorPictureAndNone)
{
    std::string dir = misc_test::MakeTempDir();
    std::string svg = "<MARKER><VIEW><svg viewBox=\\\"0 0 100 50\\\"><polygon fill=\\\"#00ff00\\\" "
                      "points=\\\"0,0 10,0 10,10\\\"/></svg></VIEW></MARKER>";
    misc_test::WriteFile(dir + "/v.json", "{\"variant\": 0, \"root\": {\"type\": \"block\", \"id\": 1, \"name\": \"Vec\", "
                                          "\"children\": [{\"type\": \"text\", \"id\": 12, \"data\": \"" + svg + "\"}]}}");
    ASSERT_EQ(Tool("entity pack '" + dir + "/v.json' '" + dir + "/v.doc'").status, 0);
    ToolRun v = Tool("entity preview '" + dir + "/v.doc'");
    ASSERT_EQ(v.status, 0) << v.out;
    EXPECT_NE(v.out.find("\"title\": \"Vec\""), std::string::npos) << v.out;
    EXPECT_NE(v.out.find("\"view\": [0, 0, 100, 50]"), std::string::npos) << v.out;
    EXPECT_NE(v.out.find("\"color\": 65280"), std::string::npos) << v.out;
    EXPECT_NE(v.out.find("[[0, 0], [10, 0], [10, 10]]"), std::string::npos) << v.out;

    // A 2 x 2 picture of 3 bytes per pixel, compressed as the codec stores it.
    std::string pixels = "\x10\x20\x30\x40\x50\x60\x70\x80\x90\xa0\xb0\xc0";
    std::vector<unsigned char> packed(compressBound(12));
    uLongf packedSize = packed.size();
    ASSERT_EQ(compress(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(pixels.data()), 12), Z_OK);
    std::string stored = std::string("MZP1\x0c\0\0\0", 8) + std::string(reinterpret_cast<char*>(packed.data()), packedSize);
    misc_test::WriteFile(dir + "/p.json",
                         "{\"variant\": 2, \"root\": {\"type\": \"block\", \"id\": 1, \"name\": \"Pic\", \"children\": ["
                         "{\"type\": \"block\", \"id\": 53, \"children\": [{\"type\": \"u16\", \"id\": 51, \"values\": [3, 2, 2]},"
                         "{\"type\": \"bytes\", \"id\": 52, \"data\": " + Latin1Json(stored) + "},"
                         "{\"type\": \"text\", \"id\": 805, \"data\": \"tiny\"}]}]}}");
    ASSERT_EQ(Tool("entity pack '" + dir + "/p.json' '" + dir + "/p.doc'").status, 0);
    ToolRun p = Tool("entity preview '" + dir + "/p.doc' --png '" + dir + "/p.png'");
    ASSERT_EQ(p.status, 0) << p.out;
    EXPECT_NE(p.out.find("\"format\": 3"), std::string::npos) << p.out;
    EXPECT_NE(p.out.find("\"caption\": \"tiny\""), std::string::npos) << p.out;
    EXPECT_EQ(misc_test::ReadFile(dir + "/p.png").substr(1, 3), "PNG");

    misc_test::WriteFile(dir + "/n.json", "{\"variant\": 0, \"root\": {\"type\": \"block\", \"id\": 1, \"name\": \"None\"}}");
    ASSERT_EQ(Tool("entity pack '" + dir + "/n.json' '" + dir + "/n.doc'").status, 0);
    ToolRun n = Tool("entity preview '" + dir + "/n.doc'");
    EXPECT_EQ(n.status, 0);
    EXPECT_NE(n.out.find("\"vector\": null"), std::string::npos) << n.out;
    EXPECT_EQ(Tool("entity preview '" + dir + "/n.doc' --png '" + dir + "/n.png'").status, 1);
}

std::string Record(const std::string& by, const std::string& comment, int32_t t, int32_t start, int32_t end, bool contains)
{
    auto i32 = [](int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
    std::string r = std::string("\x14\x18", 2) + i32(start) + "\x19" + i32(end) + "\x15" + by + std::string(1, '\0') +
                    "\x17" + comment + std::string(1, '\0') + "\x16" + i32(t);
    if (contains)
        r += "\x1a";
    return r + std::string(1, '\0');
}

TEST(VersionsTool, ListsRecordsNewestFirst)
{
    std::string dir = misc_test::MakeTempDir();
    std::string list = std::string("\x2f\x13", 2) + Record("anna", "first", 1700000000, 0, 5, true) +
                       Record("ben", "", 1700003600, -1, -1, false) + std::string(1, '\0');
    misc_test::WriteFile(dir + "/list.bin", list);
    ToolRun r = Tool("versions '" + dir + "/list.bin'", false);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"automaticSave\": true"), std::string::npos) << r.out;
    size_t ben = r.out.find("\"savedBy\": \"ben\""), anna = r.out.find("\"savedBy\": \"anna\"");
    ASSERT_NE(ben, std::string::npos);
    ASSERT_NE(anna, std::string::npos);
    EXPECT_LT(ben, anna);
    EXPECT_NE(r.out.find("\"date\": \"2023-11-14T22:13:20Z\""), std::string::npos) << r.out;

    // A whole version section: stored copies first.
    int32_t after = 1 + 4 + 5;
    std::string section = std::string("\x30", 1) + std::string(reinterpret_cast<char*>(&after), 4) + "ABCDE" + list;
    misc_test::WriteFile(dir + "/section.bin", section);
    EXPECT_EQ(Tool("versions '" + dir + "/section.bin'").status, 0);

    misc_test::WriteFile(dir + "/bad.bin", list.substr(0, list.size() - 1) + "\x63");
    ToolRun bad = Tool("versions '" + dir + "/bad.bin'");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("\"complete\": false"), std::string::npos) << bad.out;
    misc_test::WriteFile(dir + "/none.bin", "xyz");
    EXPECT_EQ(Tool("versions '" + dir + "/none.bin'").status, 1);
}

} // namespace
