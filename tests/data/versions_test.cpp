// Version history: records, order, tagged records, stored copies, the family's version array
// and the newer-document check.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../../tools/misctool/stdio_rw.h"
#include "misc/data/versions.h"
#include <afxwin.h>
#include "test_env.h"

namespace {

CTime At(int hour, int minute = 0) { return CTime(2024, 3, 5, hour, minute, 0); }

void Fill(CVersionDetail& v, CTime when, const char* by, const char* comment = "")
{
    v.SetDateAndTime(when);
    v.SetSavedBy(by);
    v.SetComments(const_cast<char*>(comment));
}

std::vector<std::string> SavedBy(CVersionsData& data)
{
    std::vector<std::string> out;
    for (int i = 0; i < data.GetItemCount(); ++i)
        out.push_back(data.GetAt(i)->GetSavedBy().GetString());
    return out;
}

// The storage file belongs to the writer that made it, so each test's writer takes it along.
class Versions : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(CVersionsData::GetTmpVersionsStorage(nullptr), nullptr); }
    StdioReadWrite writer;
};

TEST_F(Versions, RecordFieldsAndCopies)
{
    CVersionDetail v(&writer);
    EXPECT_EQ(v.GetPosInFile(), -1);
    EXPECT_EQ(v.GetContaineFile(), 0);
    EXPECT_TRUE(v.GetComments().IsEmpty());
    std::string longComment(300, 'c');
    v.SetComments(CString(longComment.c_str()));
    EXPECT_EQ(v.GetComments().GetLength(), 255);
    char small[4];
    v.GetComments(small, sizeof small);
    EXPECT_STREQ(small, "ccc");  // terminated within the buffer
    v.SetContaineFile(1);
    v.SetPosInFile(10);
    v.SetPosInFileEnd(20);
    CVersionDetail copy(nullptr, v);
    EXPECT_EQ(copy.m_pWriter, nullptr);
    EXPECT_EQ(copy.GetPosInFileEnd(), 20);
    EXPECT_EQ(copy.GetComments().GetLength(), 255);
    v.SetContaineFile(0);
    EXPECT_EQ(v.GetPosInFile(), -1);
    EXPECT_EQ(v.GetPosInFileEnd(), -1);
    v.SetComments(const_cast<char*>(""));
    char none[8] = "xxxxxxx";
    v.GetComments(none, sizeof none);
    EXPECT_STREQ(none, "");
    copy.Init();
    EXPECT_TRUE(copy.GetSavedBy().IsEmpty());
    EXPECT_EQ(copy.GetPosInFile(), -1);
}

TEST_F(Versions, AddedVersionsStayNewestFirst)
{
    CVersionsData data(&writer);
    CVersionDetail a(&writer);
    Fill(a, At(10), "ten");
    CVersionDetail b(&writer);
    Fill(b, At(12), "twelve");
    CVersionDetail c(&writer);
    Fill(c, At(11), "eleven");
    CVersionDetail d(&writer);
    Fill(d, At(11), "eleven again");
    data.AddVersion(a);
    data.AddVersion(b);
    data.AddVersion(c);
    data.AddVersion(d);
    EXPECT_EQ(SavedBy(data), (std::vector<std::string>{"twelve", "eleven again", "eleven", "ten"}));
    data.Delete(1);
    data.Delete(7);
    EXPECT_EQ(SavedBy(data), (std::vector<std::string>{"twelve", "eleven", "ten"}));
    EXPECT_EQ(data.GetAt(3), nullptr);
    EXPECT_EQ(data.GetAt(-1), nullptr);
}

TEST_F(Versions, StoredCopyCountsAndDeleteLastFile)
{
    CVersionsData data(&writer);
    for (int h : {9, 10, 11}) {
        CVersionDetail v(&writer);
        Fill(v, At(h), "u");
        if (h == 11) {
            v.SetContaineFile(1);
            v.SetPosInFile(100);
            v.SetPosInFileEnd(3100);
        }
        data.AddVersion(v);
    }
    EXPECT_EQ(data.GetFilesCount(), 1);
    EXPECT_EQ(data.GetFilesSize(), 3000);
    EXPECT_EQ(data.DeleteLastFile(), 1);  // only the newest has one: it goes
    EXPECT_EQ(data.GetAt(0)->GetContaineFile(), 0);
    EXPECT_EQ(data.DeleteLastFile(), 0);
}

TEST_F(Versions, TaggedRecordsReadBackInDateOrder)
{
    std::string path = misc_test::MakeTempDir() + "/list.bin";
    {
        CVersionsData data(&writer);
        data.SetAutomaticSaveVersion(1);
        CVersionDetail old(&writer);
    Fill(old, At(8), "anna", "first");
        old.SetPosInFile(5);  // contains file clear: no tag 26, positions kept
        old.SetPosInFileEnd(9);
        CVersionDetail recent(&writer);
    Fill(recent, At(9), "ben");
        recent.SetContaineFile(1);
        recent.SetPosInFile(0);
        recent.SetPosInFileEnd(5);
        data.AddVersion(old);
        data.AddVersion(recent);
        FILE* f = std::fopen(path.c_str(), "wb");
        data.PutTo(f);
        std::fclose(f);
    }
    std::string bytes = misc_test::ReadFile(path);
    ASSERT_GE(bytes.size(), 3u);
    EXPECT_EQ(bytes[0], VERSION_TAG_LIST);
    EXPECT_EQ(bytes[1], VERSION_TAG_AUTOSAVE);
    EXPECT_EQ(bytes[2], VERSION_TAG_RECORD);
    // ben's record: 20, 24 0, 25 5, 21 "ben", 23 "", 22 time, 26, 0
    std::string ben = std::string("\x14\x18", 2) + std::string(4, '\0') + "\x19" + std::string("\x05\0\0\0", 4) +
                      "\x15" + std::string("ben\0", 4) + "\x17" + std::string(1, '\0') + "\x16";
    EXPECT_EQ(bytes.substr(2, ben.size()), ben);
    EXPECT_EQ(bytes.back(), VERSION_TAG_END);

    FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_EQ(std::fgetc(f), VERSION_TAG_LIST);
    CVersionsData back(&writer, f);
    std::fclose(f);
    EXPECT_EQ(back.GetAutomaticSaveVersion(), 1);
    EXPECT_EQ(SavedBy(back), (std::vector<std::string>{"ben", "anna"}));
    EXPECT_EQ(back.GetAt(0)->GetContaineFile(), 1);
    EXPECT_EQ(back.GetAt(1)->GetContaineFile(), 0);
    EXPECT_EQ(back.GetAt(1)->GetPosInFile(), 5);
    EXPECT_EQ(back.GetAt(1)->GetPosInFileEnd(), 9);
    EXPECT_EQ(back.GetAt(1)->GetComments(), CString("first"));
    EXPECT_EQ(back.GetAt(1)->GetDateAndTime(), At(8));
}

TEST_F(Versions, BadTagsEndReadingWithZero)
{
    struct Case {
        std::string bytes;
        int result;
        int records;
    } cases[] = {
        {std::string("\x14\x15" "a\0" "\x00\x00", 6), 1, 1},
        {std::string("\x14\x14\x00", 3), 0, 0},         // a second 20 inside a record
        {std::string("\x14\x00\x30", 3), 0, 1},         // unknown tag in the list
        {std::string("\x14\x15" "abc", 5), 0, 0},        // the text never ends
        {std::string("\x14\x00", 2), 0, 1},             // the list never ends
        {std::string("", 0), 0, 0},
    };
    for (const Case& c : cases) {
        std::string path = misc_test::MakeTempDir() + "/bad.bin";
        misc_test::WriteFile(path, c.bytes);
        FILE* f = std::fopen(path.c_str(), "rb");
        CVersionsData data(&writer);
        EXPECT_EQ(data.GetFrom(f), c.result) << c.bytes.size();
        EXPECT_EQ(data.GetItemCount(), c.records) << c.bytes.size();
        std::fclose(f);
    }
}

TEST_F(Versions, StoredCopiesAreShrunkIntoTheDocumentAndBack)
{
    // Storage holds three copies; the middle version gave its copy up.
    FILE* storage = CVersionsData::GetTmpVersionsStorage(&writer);
    ASSERT_NE(storage, nullptr);
    EXPECT_EQ(std::string(writer.GetTempFileName()).find("NEW"), std::string(writer.GetTempFileName()).rfind('/') + 1);
    std::string copies = std::string(3000, 'A') + std::string(10, 'B') + std::string(7000, 'C');
    std::fwrite(copies.data(), 1, copies.size(), storage);
    CVersionsData data(&writer);
    long starts[3] = {0, 3000, 3010}, ends[3] = {3000, 3010, 10010};
    for (int i = 0; i < 3; ++i) {
        CVersionDetail v(&writer);
        Fill(v, At(12 - i), "u");
        v.SetContaineFile(i != 1);
        v.SetPosInFile(starts[i]);
        v.SetPosInFileEnd(ends[i]);
        data.AddVersion(v);
    }
    std::string path = misc_test::MakeTempDir() + "/doc.bin";
    FILE* out = std::fopen(path.c_str(), "w+b");
    std::fputs("HEAD", out);
    data.writeVersionInfo(out);
    std::fclose(out);

    std::string doc = misc_test::ReadFile(path);
    ASSERT_EQ(doc[4], VERSION_TAG_COPIES);
    int32_t end;
    std::memcpy(&end, doc.data() + 5, 4);
    EXPECT_EQ(end, 9 + 3000 + 7000);
    EXPECT_EQ(doc.substr(9, 3000), std::string(3000, 'A'));
    EXPECT_EQ(doc.substr(3009, 7000), std::string(7000, 'C'));
    EXPECT_EQ(doc[end], VERSION_TAG_LIST);
    // The records now address the new storage.
    EXPECT_EQ(data.GetAt(0)->GetPosInFile(), 0);
    EXPECT_EQ(data.GetAt(2)->GetPosInFile(), 3000);
    EXPECT_EQ(data.GetAt(2)->GetPosInFileEnd(), 10000);
    EXPECT_NE(CVersionsData::GetTmpVersionsStorage(nullptr), storage);

    // Reading the document back: copies into a storage, then the list.
    FILE* in = std::fopen(path.c_str(), "rb");
    std::fseek(in, 5, SEEK_SET);
    FILE* fresh = std::tmpfile();
    CVersionsData::copyVersionToTmp(&writer, in, fresh);
    ASSERT_EQ(std::fgetc(in), VERSION_TAG_LIST);
    CVersionsData back(&writer, in);
    std::fclose(in);
    ASSERT_EQ(back.GetItemCount(), 3);
    const CVersionDetail* last = back.GetAt(2);
    std::string stored(static_cast<size_t>(last->GetPosInFileEnd() - last->GetPosInFile()), '\0');
    std::fseek(fresh, last->GetPosInFile(), SEEK_SET);
    ASSERT_EQ(std::fread(stored.data(), 1, stored.size(), fresh), stored.size());
    EXPECT_EQ(stored, std::string(7000, 'C'));
    std::fclose(fresh);
}

TEST_F(Versions, WriteVersionInfoWithoutStorageWritesNothing)
{
    struct NoTemp : StdioReadWrite {
        FILE* GetTempfile() override { return nullptr; }
    } noTemp;
    CVersionsData data(&noTemp);
    FILE* out = std::tmpfile();
    data.writeVersionInfo(out);
    EXPECT_EQ(std::ftell(out), 0);
    std::fclose(out);
}

TEST_F(Versions, ConvertsToAndFromTheVersionArray)
{
    FILE* storage = CVersionsData::GetTmpVersionsStorage(&writer);
    std::fwrite("0123456789", 1, 10, storage);
    CVersionsData data(&writer);
    data.SetAutomaticSaveVersion(1);
    CVersionDetail newest(&writer);
    Fill(newest, At(15), "new", "with copy");
    newest.SetContaineFile(1);
    newest.SetPosInFile(6);
    newest.SetPosInFileEnd(10);
    CVersionDetail oldest(&writer);
    Fill(oldest, At(9), "old");
    oldest.SetContaineFile(1);
    oldest.SetPosInFile(0);
    oldest.SetPosInFileEnd(3);
    data.AddVersion(newest);
    data.AddVersion(oldest);

    CVersionArray array;
    data.ConvertToDBT(array);
    ASSERT_EQ(array.GetSize(), 2);
    EXPECT_TRUE(array.GetAutomaticSave());
    // Oldest first, with offsets into the array's own file.
    EXPECT_EQ(std::string(array.GetAt(0)->GetSavedBy()), "old");
    EXPECT_EQ(array.GetAt(0)->GetStart(), 0);
    EXPECT_EQ(array.GetAt(0)->GetEnd(), 3);
    EXPECT_EQ(array.GetAt(1)->GetStart(), 3);
    EXPECT_EQ(array.GetAt(1)->GetEnd(), 7);
    EXPECT_EQ(std::string(array.GetAt(1)->GetComments()), "with copy");
    EXPECT_EQ(array.GetAt(1)->GetTime(), static_cast<LONG>(At(15).GetTime()));
    std::string file = array.GetStoragePath().GetString();
    EXPECT_EQ(misc_test::ReadFile(file), "0126789");

    CVersionsData other(&writer);
    other.SetActiveVer(3);
    other.InitFromDBT(array);
    EXPECT_EQ(other.GetActiveVer(), 0);
    EXPECT_EQ(other.GetAutomaticSaveVersion(), 1);
    EXPECT_TRUE(array.GetStoragePath().IsEmpty());
    EXPECT_STREQ(writer.GetTempFileName(), file.c_str());
    ASSERT_EQ(other.GetItemCount(), 2);
    EXPECT_EQ(std::string(other.GetAt(0)->GetSavedBy()), "new");
    EXPECT_EQ(other.GetAt(0)->GetPosInFile(), 3);
    // The storage is the array's file, open, and already gone from disk.
    FILE* now = CVersionsData::GetTmpVersionsStorage(nullptr);
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(now, writer.GetTempFilePtr());
    char back[5] = {};
    std::fseek(now, 3, SEEK_SET);
    ASSERT_EQ(std::fread(back, 1, 4, now), 4u);
    EXPECT_STREQ(back, "6789");
    EXPECT_EQ(std::fopen(file.c_str(), "rb"), nullptr);
}

TEST_F(Versions, ConvertWithoutATemporaryFileDropsTheCopies)
{
    struct NoTemp : StdioReadWrite {
        FILE* GetTempfile() override { return nullptr; }
    } noTemp;
    CVersionsData data(&noTemp);
    CVersionDetail v(&noTemp);
    Fill(v, At(9), "x");
    v.SetContaineFile(1);
    v.SetPosInFile(0);
    v.SetPosInFileEnd(5);
    data.AddVersion(v);
    CVersionArray array;
    data.ConvertToDBT(array);
    ASSERT_EQ(array.GetSize(), 1);
    EXPECT_FALSE(array.GetAt(0)->GetContainsFile());
    EXPECT_TRUE(array.GetStoragePath().IsEmpty());
}

TEST(UniversalReadWrite, DefaultsAndTheTemporaryFile)
{
    CUniversalReadWrite rw;
    char text[] = "x";
    rw.put_str(text, nullptr);
    EXPECT_EQ(rw.get_char(nullptr), 0);
    EXPECT_EQ(rw.get_str(nullptr, text, 2), nullptr);
    EXPECT_EQ(rw.get_long(nullptr), 0);
    EXPECT_EQ(rw.ftellData(nullptr), 0);
    EXPECT_EQ(rw.fread(text, 1, 1, nullptr), 0u);
    EXPECT_FALSE(rw.CloseTempFile());
    for (char c : rw.m_szTempFileName)
        ASSERT_EQ(c, 0);
    FILE* f = rw.GetTempfile();
    ASSERT_NE(f, nullptr);
    std::string name = rw.GetTempFileName();
    EXPECT_EQ(name.rfind("NEW"), name.rfind('/') + 1);
    std::fputs("kept", f);
    {
        CUniversalReadWrite copy(rw);  // shares the file but does not close it
        EXPECT_EQ(copy.GetTempFilePtr(), f);
        EXPECT_TRUE(copy.CloseTempFile());
    }
    EXPECT_EQ(std::fputs("!", f) >= 0, true);
    EXPECT_TRUE(rw.CloseTempFile());
    EXPECT_EQ(rw.GetTempFilePtr(), nullptr);
    EXPECT_EQ(misc_test::ReadFile(name), "kept!");  // the file stays on disk
    EXPECT_EQ(rw.GetTempFileName(), name);
    std::remove(name.c_str());
}

TEST(VersionCheck, OnlyAGreaterFirstNumberIsNewer)
{
    struct Case {
        const char* version;
        bool newer;
    } cases[] = {
        {"11, 0, 2, 0", true}, {"10, 9, 0, 0", false}, {"10, 0, 1151, 0", false},
        {"9, 99, 0, 0", false}, {" 1 1 ,0", true},     {"", false},
        {"garbage", false},
    };
    CVersionRwfCheck check;
    for (const Case& c : cases)
        EXPECT_EQ(check.Execute(CString(c.version), nullptr, nullptr), c.newer) << c.version;
}

TEST(VersionCheck, MessageNamesTheDocumentVersion)
{
    CVersionRwfCheck check;
    CString message("caption");
    ASSERT_TRUE(check.Execute(CString("11, 0, 2, 0"), &message, nullptr));
    EXPECT_NE(std::string(message).find("11.0.2.0"), std::string::npos) << message.GetString();
    CString untouched("keep");
    EXPECT_FALSE(check.Execute(CString("10, 1"), &untouched, nullptr));
    EXPECT_EQ(untouched, CString("keep"));

    FLENT_BLK root(1);
    EXPECT_FALSE(check.Execute(&root, nullptr, nullptr));
    EXPECT_FALSE(check.Execute(static_cast<FLENT_BLK*>(nullptr), nullptr, nullptr));
    root.AddBytes(999, "12, 0, 0, 0");  // a byte string is not the version text
    EXPECT_FALSE(check.Execute(&root, nullptr, nullptr));
    FLENT_BLK doc(1);
    doc.AddText(999, "12, 0, 0, 0");
    EXPECT_TRUE(check.Execute(&doc, nullptr, nullptr));
}

TEST(VersionCheck, WithAParentTheTextIsShownInABox)
{
    MiscClearMessageBoxLog();
    CWnd parent;
    CVersionRwfCheck check;
    CString caption("Opening a document");
    ASSERT_TRUE(check.Execute(CString("12,1"), &caption, &parent));
    auto boxes = MiscMessageBoxLog();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Opening a document");
    EXPECT_NE(boxes[0].text.find("12.1"), std::string::npos) << boxes[0].text;
    EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(caption, CString("Opening a document"));
}

TEST(VersionCheck, ResourceHandleIsRestored)
{
    HINSTANCE before = AfxGetResourceHandle();
    {
        CVersionRwfCheck check;
        EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA("misc_res.dll"));
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

} // namespace
