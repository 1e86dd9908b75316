// Tools: the tool list in the profile, the tool layers file (import, merge, export) and sorting.
#include <misc/data.h>
#include <misc/frame.h>

#include "test_env.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

using misc_test::ReadFile;
using misc_test::WriteFile;

namespace {

using Tools = std::vector<std::pair<int, std::string>>;

Tools Contents(const CToolsArray& a)
{
    Tools out;
    for (int i = 0; i < a.GetSize(); ++i)
        out.emplace_back(a[i].m_number, a[i].m_name.GetString());
    return out;
}

void Set(CToolsArray& a, const Tools& tools)
{
    a.RemoveAll();
    for (const auto& t : tools)
        a.Add(CToolsBlock(t.second.c_str(), t.first));
}

class ToolLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = misc_test::MakeTempDir("lyt");
        setenv("MISC_COMMON_DATA", misc_test::MakeTempDir("common").c_str(), 1);
        setenv("XDG_DATA_HOME", misc_test::MakeTempDir("user").c_str(), 1);
        KestProfile::Reset();
        KestProfile::m_name = "user.ini";
        KestProfile::m_privateUsing = true;
    }
    void TearDown() override { KestProfile::Reset(); }

    int Import(CToolsArray& a, const std::string& text, int merge = 0, int overwrite = 0)
    {
        const std::string path = dir + "/in.lyt";
        WriteFile(path, text);
        return a.ImportTools(CString(path.c_str()), merge, overwrite);
    }
    std::string Profile(const char* key)
    {
        char buf[64];
        ProfileReadString("Layers", key, "<none>", buf, sizeof buf, 1);
        return buf;
    }

    std::string dir;
};

TEST_F(ToolLists, ImportReadsNumberAndOneWord)
{
    const struct {
        const char* what;
        std::string text;
        int result;
        Tools tools;
    } cases[] = {
        {"plain lines", "100 Knife\n  205\tPen \n", 0, {{100, "Knife"}, {205, "Pen"}}},
        {"empty file", "", 0, {}},
        {"a name of two words", "150 Drill 5mm\n160 Saw\n", 0, {{150, "Drill"}, {160, "Saw"}}},
        {"a second plain word", "150 Drill bit\n160 Saw\n", 2, {{150, "Drill"}}},
        {"numbers out of range", "99 Low\n40000 High\n100 Ok\n32767 Top\n-5 Neg\n", 0, {{100, "Ok"}, {32767, "Top"}}},
        {"a number beyond int", "99999999999999999999 Huge\n4294967396 Wrap\n", 0, {}},
        {"number without name", "100 Knife\n101", 2, {{100, "Knife"}}},
        {"no number", "Knife 100\n", 2, {}},
        {"names cut at 32 characters", "100 " + std::string(40, 'a') + "\n", 2, {{100, std::string(32, 'a')}}},
        {"CR LF lines", "100 Knife\r\n101 Pen\r\n", 0, {{100, "Knife"}, {101, "Pen"}}},
    };
    for (const auto& c : cases) {
        CToolsArray a;
        Set(a, {{7, "before"}});
        EXPECT_EQ(Import(a, c.text), c.result) << c.what;
        EXPECT_EQ(Contents(a), c.tools) << c.what;
    }
    CToolsArray a;
    Set(a, {{7, "before"}});
    EXPECT_EQ(a.ImportTools(CString((dir + "/missing.lyt").c_str())), 1);
    EXPECT_EQ(Contents(a), (Tools{{7, "before"}}));
}

TEST_F(ToolLists, AFolderIsNoToolFile)
{
    // A folder opens on this system and reads as an empty file: it must fail like a missing file.
    for (int merge : {0, 1}) {
        CToolsArray a;
        Set(a, {{100, "Knife"}});
        EXPECT_EQ(a.ImportTools(CString(dir.c_str()), merge, 1), 1) << merge;
        EXPECT_EQ(Contents(a), (Tools{{100, "Knife"}})) << merge;
    }
}

TEST_F(ToolLists, LineBreaksInNamesAreSavedAsSpaces)
{
    CToolsArray a;
    Set(a, {{100, "a\nb"}, {101, "c"}});
    EXPECT_EQ(a.SaveTools(), 0);
    CToolsArray b;
    EXPECT_EQ(b.LoadTools(), 2);
    EXPECT_EQ(Contents(b), (Tools{{100, "a b"}, {101, "c"}}));

    // A later save with a line break replaces the earlier name rather than leaving it stale.
    Set(a, {{100, "Old"}});
    EXPECT_EQ(a.SaveTools(), 0);
    Set(a, {{100, "New\r\nName"}, {102, "x\ry"}});
    EXPECT_EQ(a.SaveTools(), 0);
    EXPECT_EQ(b.LoadTools(), 2);
    EXPECT_EQ(Contents(b), (Tools{{100, "New Name"}, {102, "x y"}}));
}

TEST_F(ToolLists, AFailedProfileWriteIsReported)
{
    CToolsArray a;
    Set(a, {{100, "Knife"}});
    ASSERT_EQ(a.SaveTools(), 0);
    // A folder where the profile file was: no write can succeed, and SaveTools says so.
    const std::string profile = KestProfile::m_namePath.GetString();
    ASSERT_FALSE(profile.empty());
    ASSERT_EQ(std::remove(profile.c_str()), 0);
    ASSERT_EQ(mkdir(profile.c_str(), 0755), 0);
    EXPECT_EQ(a.SaveTools(), 1);
    rmdir(profile.c_str());
}

TEST_F(ToolLists, MergingImport)
{
    const std::string file = "100 NewKnife\n300 Marker\n200 NewPen\n100 Other\n";
    CToolsArray a;
    Set(a, {{100, "Knife"}, {200, "Pen"}, {100, "Second"}});
    EXPECT_EQ(Import(a, file, 1, 0), 0);
    EXPECT_EQ(Contents(a), (Tools{{100, "Knife"}, {200, "Pen"}, {100, "Second"}, {300, "Marker"}}));

    Set(a, {{100, "Knife"}, {200, "Pen"}});
    EXPECT_EQ(Import(a, file, 1, 1), 0);
    // Imported tools are applied from the last to the first: the file's first 100 wins.
    EXPECT_EQ(Contents(a), (Tools{{100, "NewKnife"}, {200, "NewPen"}, {300, "Marker"}}));

    Set(a, {{100, "Knife"}});
    EXPECT_EQ(Import(a, "300 A\n400 B c d\n", 1, 1), 2);
    EXPECT_EQ(Contents(a), (Tools{{100, "Knife"}})); // unchanged on failure
}

TEST_F(ToolLists, ExportWritesNumberedLines)
{
    CToolsArray a;
    Set(a, {{100, " Knife "}, {101, "   "}, {102, "Pen"}});
    const std::string path = dir + "/out.lyt";
    EXPECT_EQ(a.ExportTools(CString(path.c_str())), 0);
    EXPECT_EQ(ReadFile(path), "100 Knife\n102 Pen\n");
    CToolsArray b;
    EXPECT_EQ(b.ImportTools(CString(path.c_str())), 0);
    EXPECT_EQ(Contents(b), (Tools{{100, "Knife"}, {102, "Pen"}}));
    EXPECT_EQ(a.ExportTools(CString((dir + "/no/such/out.lyt").c_str())), 1);
}

TEST_F(ToolLists, SaveAndLoadThroughTheProfile)
{
    CToolsArray a;
    Set(a, {{105, " Pen "}, {100, "Knife"}, {105, "Shadowed"}, {50, "Low"}});
    EXPECT_EQ(a.SaveTools(), 0);
    EXPECT_EQ(Profile("LastLayerNum"), "105");
    EXPECT_EQ(Profile("100"), "Knife");
    for (const char* key : {"101", "102", "103", "104"})
        EXPECT_EQ(Profile(key), "") << key;
    EXPECT_EQ(Profile("105"), "Pen");
    EXPECT_EQ(Profile("106"), "<none>");

    CToolsArray b;
    Set(b, {{1, "junk"}});
    EXPECT_EQ(b.LoadTools(), 2);
    EXPECT_EQ(Contents(b), (Tools{{100, "Knife"}, {105, "Pen"}}));

    // The stored list of tool names is replaced by the names in array order.
    CComboItemList names;
    names.Load(COMBO_LIST_TOOL_NAME);
    ASSERT_EQ(names.GetSize(), 4);
    EXPECT_EQ(names.GetComboItem(0)->m_strName, "Pen");
    EXPECT_EQ(names.GetComboItem(0)->m_strTypeName, "SpecialToolName");
    EXPECT_EQ(names.GetComboItem(3)->m_strName, "Low");

    // A smaller save leaves keys above its largest number as they were.
    Set(a, {{100, "Cutter"}});
    a.SaveTools();
    EXPECT_EQ(Profile("LastLayerNum"), "100");
    EXPECT_EQ(Profile("105"), "Pen");
    EXPECT_EQ(b.LoadTools(), 1);
}

TEST_F(ToolLists, Sorting)
{
    CToolsArray a;
    const Tools start = {{300, "b"}, {100, " C"}, {200, "a "}, {100, "A"}};
    Set(a, start);
    a.Sort(0, 0);
    EXPECT_EQ(Contents(a), (Tools{{100, " C"}, {100, "A"}, {200, "a "}, {300, "b"}}));
    a.Sort(1, 0);
    EXPECT_EQ(Contents(a), (Tools{{300, "b"}, {200, "a "}, {100, " C"}, {100, "A"}}));
    Set(a, start);
    a.Sort(0, 1); // "a " and "A" compare equal and keep their order
    EXPECT_EQ(Contents(a), (Tools{{200, "a "}, {100, "A"}, {300, "b"}, {100, " C"}}));
    a.Sort(1, 1);
    EXPECT_EQ(Contents(a), (Tools{{100, " C"}, {300, "b"}, {200, "a "}, {100, "A"}}));
}

// Counts the times a file is put in place by a rename (how the profile replaces a file) while
// it lives. The moves away from the temporary names are watched too: the kernel merges equal
// events that follow one another, and these keep the arrivals apart.
class ReplacementCounter {
public:
    explicit ReplacementCounter(const std::string& path)
    {
        const size_t slash = path.rfind('/');
        m_name = path.substr(slash + 1);
        m_fd = inotify_init1(IN_NONBLOCK);
        if (m_fd >= 0)
            inotify_add_watch(m_fd, path.substr(0, slash).c_str(), IN_MOVED_FROM | IN_MOVED_TO | IN_Q_OVERFLOW);
    }
    ~ReplacementCounter()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    bool Ok() const { return m_fd >= 0; }
    // Replacements seen so far (-1 when events were lost).
    int Count()
    {
        alignas(inotify_event) char buf[64 * 1024];
        for (;;) {
            const ssize_t n = read(m_fd, buf, sizeof buf);
            if (n <= 0)
                return m_count;
            for (ssize_t at = 0; at < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
                if (e->mask & IN_Q_OVERFLOW)
                    m_count = -1;
                else if (m_count >= 0 && (e->mask & IN_MOVED_TO) && e->len && m_name == e->name)
                    ++m_count;
                at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            }
        }
    }

private:
    std::string m_name;
    int m_fd = -1;
    int m_count = 0;
};

TEST_F(ToolLists, SaveRewritesTheProfileOnceWithThePerKeyBytes)
{
    // A profile with CR LF lines, other sections around "Layers", a comment, keys out of order
    // and keys above the largest number of the save.
    const std::string start =
        "[Before]\r\nA=1\r\n\r\n[Layers]\r\n; kept\r\n103=Old\r\nLastLayerNum=900\r\n"
        "150=Stale\r\n900=Above\r\nOther=x\r\n\r\n[After]\r\nB=2\r\n";
    ProfileReadInt("Layers", "LastLayerNum", 0, 1); // works out the profile's path
    const std::string profile = KestProfile::m_namePath.GetString();
    ASSERT_FALSE(profile.empty());
    const std::string reference = dir + "/reference.ini";
    WriteFile(profile, start);
    WriteFile(reference, start);

    CToolsArray a;
    Set(a, {{400, "Marker"}, {103, " Pen "}, {120, "a\nb"}, {50, "Low"}});
    ReplacementCounter counter(profile);
    ASSERT_TRUE(counter.Ok());
    ASSERT_EQ(a.SaveTools(), 0);
    EXPECT_EQ(counter.Count(), 1) << profile;

    // The same values written one key at a time.
    ASSERT_TRUE(WritePrivateProfileStringA("Layers", "LastLayerNum", "400", reference.c_str()));
    for (int n = 100; n <= 400; ++n) {
        const char* value = n == 400 ? "Marker" : n == 103 ? "Pen" : n == 120 ? "a b" : "";
        ASSERT_TRUE(WritePrivateProfileStringA("Layers", std::to_string(n).c_str(), value, reference.c_str()));
    }
    EXPECT_EQ(ReadFile(profile), ReadFile(reference));
}

} // namespace
