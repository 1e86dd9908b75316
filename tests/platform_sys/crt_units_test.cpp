// Path splitting of the C run-time and the family's unit texts, digit normaliser and file check.
#include <afx.h>
#include <family.h>

#include "test_env.h"
#include "win32/system.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

TEST(CrtPath, SplitpathTable)
{
    struct Case {
        const char* path;
        const char* drive;
        const char* dir;
        const char* fname;
        const char* ext;
    } cases[] = {
        {"C:\\logs\\app.log", "C:", "\\logs\\", "app", ".log"},
        {"/tmp/vmx.log", "", "/tmp/", "vmx", ".log"},
        {"vmx.log", "", "", "vmx", ".log"},
        {"logs\\app.log", "", "logs\\", "app", ".log"},
        {"\\root\\file", "", "\\root\\", "file", ""},
        {"d:file.tar.gz", "d:", "", "file.tar", ".gz"},
        {"/mixed\\seps/x.y", "", "/mixed\\seps/", "x", ".y"},
        {"/dir.with.dots/name", "", "/dir.with.dots/", "name", ""},
        {"", "", "", "", ""},
        {"1:notadrive", "", "", "1:notadrive", ""},
    };
    for (const Case& c : cases) {
        char drive[_MAX_DRIVE], dir[_MAX_DIR], fname[_MAX_FNAME], ext[_MAX_EXT];
        _splitpath(c.path, drive, dir, fname, ext);
        EXPECT_STREQ(drive, c.drive) << c.path;
        EXPECT_STREQ(dir, c.dir) << c.path;
        EXPECT_STREQ(fname, c.fname) << c.path;
        EXPECT_STREQ(ext, c.ext) << c.path;
    }
    char onlyDrive[_MAX_DRIVE];
    _splitpath("E:\\x", onlyDrive, nullptr, nullptr, nullptr);
    EXPECT_STREQ(onlyDrive, "E:");
}

TEST(CrtPath, LongPartsAreCutNotOverflowed)
{
    std::string longName = "/" + std::string(300, 'd') + "/" + std::string(400, 'n') + "." + std::string(500, 'e');
    char drive[_MAX_DRIVE], dir[_MAX_DIR + 8], fname[_MAX_FNAME + 8], ext[_MAX_EXT + 8];
    std::memset(dir, 'Z', sizeof dir);
    std::memset(fname, 'Z', sizeof fname);
    std::memset(ext, 'Z', sizeof ext);
    _splitpath(longName.c_str(), drive, dir, fname, ext);
    EXPECT_EQ(std::strlen(dir), static_cast<size_t>(_MAX_DIR - 1));
    EXPECT_EQ(std::strlen(fname), static_cast<size_t>(_MAX_FNAME - 1));
    EXPECT_EQ(std::strlen(ext), static_cast<size_t>(_MAX_EXT - 1));
    EXPECT_EQ(dir[_MAX_DIR], 'Z');
    char path[_MAX_PATH + 8];
    std::memset(path, 'Z', sizeof path);
    _makepath(path, "c", std::string(400, 'x').c_str(), "f", "e");
    EXPECT_EQ(std::strlen(path), static_cast<size_t>(_MAX_PATH - 1));
    EXPECT_EQ(path[_MAX_PATH], 'Z');
}

TEST(CrtPath, MakepathAndFullpath)
{
    char path[_MAX_PATH];
    _makepath(path, "c", "\\logs", "app", "log");
    EXPECT_STREQ(path, "c:\\logs\\app.log");
    _makepath(path, nullptr, "/tmp", "vmx", ".log");
    EXPECT_STREQ(path, "/tmp/vmx.log");
    _makepath(path, "", "", "name", nullptr);
    EXPECT_STREQ(path, "name");

    char full[_MAX_PATH];
    EXPECT_STREQ(_fullpath(full, "/a/b/../c/./d", sizeof full), "/a/c/d");
    EXPECT_STREQ(_fullpath(full, "\\a\\b\\..\\..\\..\\x", sizeof full), "/x");
    EXPECT_STREQ(_fullpath(full, "C:\\dir\\..\\file", sizeof full), "C:/file");
    char cwd[4096];
    ASSERT_TRUE(getcwd(cwd, sizeof cwd));
    EXPECT_EQ(std::string(_fullpath(full, "rel/x", sizeof full)), std::string(cwd) + "/rel/x");
    EXPECT_EQ(_fullpath(full, "/abc", 4), nullptr); // does not fit
    char* allocated = _fullpath(nullptr, "/q/./r", 0);
    ASSERT_NE(allocated, nullptr);
    EXPECT_STREQ(allocated, "/q/r");
    std::free(allocated);
}

TEST(VmxUnits, UnitTextsPerCode)
{
    struct Case {
        int code;
        const char* linear;
        const char* linearFull;
        const char* square;
    } cases[] = {
        {0, "mm", "millimetres", "sq mm"}, {1, "cm", "centimetres", "sq cm"}, {2, "m", "metres", "sq m"},
        {3, "in", "inches", "sq in"},      {4, "ft", "feet", "sq ft"},       {5, "yd", "yards", "sq yd"},
        {6, "dm", "decimetres", "sq dm"},  {7, "", "", ""},                  {-1, "", "", ""},
    };
    CString out;
    for (const Case& c : cases) {
        getLinearUnitString(c.code, out, false);
        EXPECT_STREQ(out, c.linear) << c.code;
        getLinearUnitString(c.code, out, true);
        EXPECT_STREQ(out, c.linearFull) << c.code;
        getSquareUnitString(c.code, out);
        EXPECT_STREQ(out, c.square) << c.code;
    }
    getAngleUnitString(0, out);
    EXPECT_STREQ(out, "deg");
    getAngleUnitString(3, out);
    EXPECT_STREQ(out, "");
    getTimeUnitString(1, out, false);
    EXPECT_STREQ(out, "min");
    getTimeUnitString(3, out, true);
    EXPECT_STREQ(out, "milliseconds");
    getPercentageUnitString(out);
    EXPECT_STREQ(out, "%");
}

TEST(VmxUnits, BuildDigitString)
{
    CDbArray<int> none, minus;
    minus.Add('-');
    struct Case {
        const char* typed;
        bool withMinus;
        const char* expected;
    } cases[] = {
        {"12.5 cm", false, "12.5"}, {"12,5", false, "12.5"},  {"1.2.3", false, "1.23"},
        {"3/8 in", false, "3/8"},   {"-4", true, "-4"},
        {"abc", false, ""},         {"", false, ""},          {" 7 ", false, "7"},
        // A leading minus is the number's sign and stays; a minus anywhere else goes.
        {"-4", false, "-4"},        {"-5.00", false, "-5.00"}, {" -7 mm", false, "-7"},
        {"5-3", false, "53"},       {"--2", false, "-2"},      {"-", false, "-"},
    };
    for (const Case& c : cases) {
        CString text(c.typed);
        BuildDigitString(text, 0, c.withMinus ? minus : none);
        EXPECT_STREQ(text, c.expected) << c.typed;
    }
}

TEST(VmxUnits, RoundRealAndFileCheck)
{
    double values[] = {0.5, -0.5, 1.49, 2.5, -2.5, 1e20, -1e20, std::nan("")};
    int expected[] = {1, -1, 1, 3, -3, INT_MAX, INT_MIN, 0};
    for (size_t i = 0; i < sizeof values / sizeof values[0]; ++i)
        EXPECT_EQ(roundReal(values[i]), expected[i]) << values[i];

    std::string dir = misc_test::MakeTempDir("valid");
    std::string f = dir + "/f.txt";
    EXPECT_EQ(IsFileValid(CString(f.c_str()), 0), 0);
    EXPECT_NE(IsFileValid(CString(f.c_str()), 1), 0); // may be created
    misc_test::WriteFile(f, "x");
    EXPECT_NE(IsFileValid(CString(f.c_str()), 0), 0);
    chmod(f.c_str(), 0444);
    EXPECT_EQ(IsFileValid(CString(f.c_str()), 1), 0);
    EXPECT_EQ(IsFileValid(CString(dir.c_str()), 0), 0);
    EXPECT_EQ(IsFileValid(CString((dir + "/no/such").c_str()), 1), 0);
    EXPECT_EQ(IsFileValid(CString(""), 0), 0);
}
