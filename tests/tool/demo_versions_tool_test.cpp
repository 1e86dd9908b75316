// misctool demo, second road: the document saved three times with its version history.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "test_env.h"
#include "tool_run.h"

namespace {

std::string RunDemo(const std::string& outDir, int& status)
{
    tooltest::ToolRun run = tooltest::Misctool("demo --out '" + outDir + "'", true, "TMPDIR='" + outDir + "'");
    status = run.status;
    return run.out;
}

// Reads the demo's encoding: texts with a NUL, 32-bit little-endian values, one-byte tags.
struct Bytes {
    const std::string& data;
    size_t at = 0;
    std::string Text()
    {
        size_t end = data.find('\0', at);
        if (end == std::string::npos)
            end = data.size();
        std::string text = data.substr(at, end - at);
        at = end + 1;
        return text;
    }
    int32_t Long()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4 && at < data.size(); ++i)
            v |= static_cast<uint32_t>(static_cast<unsigned char>(data[at++])) << (8 * i);
        return static_cast<int32_t>(v);
    }
    int Tag() { return at < data.size() ? static_cast<unsigned char>(data[at++]) : -1; }
};

struct Record {
    int32_t start = 0, end = 0;
    std::string by, comment;
    bool copy = false;
};

} // namespace

TEST(DemoVersions, ThreeSavesWithTheirVersionSection)
{
    std::string dir = misc_test::MakeTempDir("demo");
    int status = -1;
    std::string out = RunDemo(dir, status);
    ASSERT_EQ(status, 0) << out;
    for (const char* step : {"Save 1 as a new version, with a stored copy", "Save 2 as a new version\n",
                             "Save 3 as a new version, with a stored copy", "3 versions, 2 stored copies",
                             "written by 10, 0, 1151, 0: not newer", "written by 11, 0, 2, 0: newer - "})
        EXPECT_NE(out.find(step), std::string::npos) << step << "\n" << out;
    for (const char* png : {"demo_version_comment_1.png", "demo_version_comment_2.png", "demo_version_comment_3.png",
                            "demo_versions.png"}) {
        struct stat st;
        EXPECT_EQ(stat((dir + "/" + png).c_str(), &st), 0) << png;
    }

    std::string doc = misc_test::ReadFile(dir + "/versions_document.bin");
    Bytes b{doc};
    ASSERT_EQ(b.Text(), "MISCDOC");
    EXPECT_EQ(b.Text(), "coat");
    ASSERT_EQ(b.Long(), 3);
    for (const char* piece : {"front", "back", "sleeve"}) {
        EXPECT_EQ(b.Text(), piece);
        b.Long();
    }
    const size_t records = b.at;
    ASSERT_EQ(b.Tag(), 48);
    const int32_t afterCopies = b.Long();
    const size_t copies = b.at;
    ASSERT_GT(afterCopies, static_cast<int32_t>(copies));
    b.at = static_cast<size_t>(afterCopies);
    ASSERT_EQ(b.Tag(), 47);
    std::vector<Record> list;
    for (int tag = b.Tag(); tag == 20; tag = b.Tag()) {
        Record r;
        for (int item = b.Tag(); item > 0; item = b.Tag()) {
            if (item == 24) r.start = b.Long();
            else if (item == 25) r.end = b.Long();
            else if (item == 21) r.by = b.Text();
            else if (item == 23) r.comment = b.Text();
            else if (item == 22) b.Long();
            else if (item == 26) r.copy = true;
            else FAIL() << "tag " << item;
        }
        list.push_back(r);
    }
    EXPECT_EQ(b.at, doc.size());  // the list's end tag was the last byte
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].comment, "Save 3: sleeve added");
    EXPECT_EQ(list[1].comment, "Save 2: back added");
    EXPECT_EQ(list[2].comment, "Save 1: front added");
    EXPECT_TRUE(list[0].copy);
    EXPECT_FALSE(list[1].copy);
    EXPECT_EQ(list[1].start, -1);
    EXPECT_TRUE(list[2].copy);
    // The stored copies, offsets from their start: the newest is the document as saved last,
    // the oldest the one-piece document of the first save.
    EXPECT_EQ(list[0].start, 0);
    EXPECT_EQ(doc.substr(copies + list[0].start, list[0].end - list[0].start), doc.substr(0, records));
    std::string first = doc.substr(copies + list[2].start, list[2].end - list[2].start);
    const std::string onePiece("MISCDOC\0coat\0\x01\0\0\0front\0\xb0\x04\0\0", 27);  // front, 1200
    EXPECT_EQ(first, onePiece);
    EXPECT_EQ(copies + list[2].end, static_cast<size_t>(afterCopies));
    // No storage file of the demo stays behind in the temporary folder.
    EXPECT_EQ(out.find("NEW"), std::string::npos);
    FILE* ls = popen(("ls '" + dir + "' | grep -c '^NEW' || true").c_str(), "r");
    char count[16] = "";
    std::fgets(count, sizeof count, ls);
    pclose(ls);
    EXPECT_STREQ(count, "0\n");
}
