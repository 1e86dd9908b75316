// Who owns the process's versions storage, and what becomes of the replaced storage files.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <set>
#include <string>

#include "../../tools/misctool/stdio_rw.h"
#include "misc/data/versions.h"
#include "test_env.h"

namespace {

// Knows which of its temporary files are open and closes each only once, so that a close of a
// file already closed is counted here and not a crash. Its destructor closes its temporary file
// while it is still itself.
std::set<FILE*> g_open;
int g_badCloses = 0;

class CountingWriter : public StdioReadWrite {
public:
    ~CountingWriter() override { CloseTempFile(); }
    int fclose(FILE* file) override
    {
        if (!g_open.erase(file)) {
            ++g_badCloses;
            return EOF;
        }
        return std::fclose(file);
    }
    int failTempfileAfter = -1;  // GetTempfile answers null once this many have been made
    FILE* GetTempfile() override
    {
        if (failTempfileAfter == 0)
            return nullptr;
        if (failTempfileAfter > 0)
            --failTempfileAfter;
        FILE* file = StdioReadWrite::GetTempfile();
        if (file)
            g_open.insert(file);
        return file;
    }
};

void AddStoredVersion(CVersionsData& data, CUniversalReadWrite& writer, int hour, const std::string& bytes)
{
    FILE* storage = CVersionsData::GetTmpVersionsStorage(&writer);
    std::fseek(storage, 0, SEEK_END);
    CVersionDetail v(&writer);
    v.SetDateAndTime(CTime(2024, 3, 5, hour, 0, 0));
    v.SetContaineFile(1);
    v.SetPosInFile(std::ftell(storage));
    std::fwrite(bytes.data(), 1, bytes.size(), storage);
    v.SetPosInFileEnd(std::ftell(storage));
    data.AddVersion(v);
}

std::vector<std::string> NewFilesIn(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            if (std::string(e->d_name).rfind("NEW", 0) == 0)
                names.push_back(dir + "/" + e->d_name);
        closedir(d);
    }
    return names;
}

class VersionsStorage : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_open.clear();
        g_badCloses = 0;
        ASSERT_EQ(CVersionsData::GetTmpVersionsStorage(nullptr), nullptr);
        tmp = misc_test::MakeTempDir("vstore");
        saved = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
        setenv("TMPDIR", tmp.c_str(), 1);
    }
    void TearDown() override { setenv("TMPDIR", saved.c_str(), 1); }
    std::string tmp, saved;
};

} // namespace

TEST_F(VersionsStorage, AWritersStorageIsForgottenWhenTheWriterCloses)
{
    {
        CountingWriter a;
        CVersionsData d(&a);
        ASSERT_NE(CVersionsData::GetTmpVersionsStorage(nullptr), nullptr);
    }
    EXPECT_EQ(CVersionsData::GetTmpVersionsStorage(nullptr), nullptr);
    // A later document makes its own storage instead of rewinding the closed one.
    CountingWriter b;
    CVersionsData d2(&b);
    FILE* out = std::tmpfile();
    d2.writeVersionInfo(out);
    EXPECT_GT(std::ftell(out), 0);
    std::fclose(out);
    EXPECT_EQ(g_badCloses, 0);
}

TEST_F(VersionsStorage, ReplacingAnotherWritersStorageClosesItOnce)
{
    {
        CountingWriter a;
        CVersionsData d(&a);
        AddStoredVersion(d, a, 9, "first");
        CountingWriter b;
        CVersionsData d2(&b);
        AddStoredVersion(d2, b, 10, "second");
        FILE* out = std::tmpfile();
        d2.writeVersionInfo(out);
        std::fclose(out);
        // a's file went with the replacement; a no longer holds it.
        EXPECT_EQ(a.GetTempFilePtr(), nullptr);
        EXPECT_EQ(CVersionsData::GetTmpVersionsStorage(nullptr), b.GetTempFilePtr());
    }
    EXPECT_EQ(g_badCloses, 0);
    EXPECT_EQ(CVersionsData::GetTmpVersionsStorage(nullptr), nullptr);
}

TEST_F(VersionsStorage, WithoutANewStorageTheOldOneStays)
{
    {
        CountingWriter w;
        CVersionsData d(&w);
        AddStoredVersion(d, w, 9, "kept copy");
        FILE* before = CVersionsData::GetTmpVersionsStorage(nullptr);
        w.failTempfileAfter = 0;
        FILE* out = std::tmpfile();
        d.writeVersionInfo(out);
        std::fclose(out);
        EXPECT_EQ(g_open.size(), 1u);
        EXPECT_EQ(CVersionsData::GetTmpVersionsStorage(nullptr), before);
        EXPECT_EQ(w.GetTempFilePtr(), before);
        // The record still finds its copy.
        std::string back(9, '\0');
        std::fseek(before, d.GetAt(0)->GetPosInFile(), SEEK_SET);
        ASSERT_EQ(std::fread(back.data(), 1, 9, before), 9u);
        EXPECT_EQ(back, "kept copy");
    }
    EXPECT_EQ(g_badCloses, 0);
}

TEST_F(VersionsStorage, SavesLeaveOnePrivateStorageFile)
{
    CountingWriter w;
    CVersionsData d(&w);
    for (int save = 0; save < 3; ++save) {
        AddStoredVersion(d, w, 9 + save, std::string(100, static_cast<char>('a' + save)));
        FILE* out = std::tmpfile();
        d.writeVersionInfo(out);
        std::fclose(out);
    }
    std::vector<std::string> files = NewFilesIn(tmp);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], w.GetTempFileName());
    struct stat st;
    ASSERT_EQ(stat(files[0].c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    w.CloseTempFile();
    EXPECT_TRUE(NewFilesIn(tmp).empty());
}
