// Text layers, right-to-left reordering, bar codes, multi-line measuring, colours, font files.
#include <misc/frame.h>
#include <misc/geometry.h>

#include "test_env.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

// Points the folder variables back where the test main put them.
void RestoreStandardFolders()
{
    const std::string root = misc_test::TempRoot();
    setenv("XDG_DATA_HOME", (root + "/home/.local/share").c_str(), 1);
    setenv("MISC_COMMON_DATA", (root + "/common").c_str(), 1);
    setenv("MISC_DEFAULT_USER_DATA", (root + "/skel").c_str(), 1);
    setenv("MISC_REGISTRY_FILE", (root + "/registry.ini").c_str(), 1);
    setenv("MISC_WINDOWS_DIR", (root + "/windows").c_str(), 1);
    setenv("TMPDIR", (root + "/tmp").c_str(), 1);
}

// A fresh user profile file per test.
class TextUtil : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string root = misc_test::MakeTempDir("text");
        setenv("XDG_DATA_HOME", (root + "/user").c_str(), 1);
        setenv("MISC_DEFAULT_USER_DATA", (root + "/skel").c_str(), 1);
        setenv("MISC_REGISTRY_FILE", (root + "/registry.ini").c_str(), 1);
        KestProfile::Reset();
        KestProfile::m_name = "user.ini";
        KestProfile::m_nameSecond = "second.ini";
        KestProfile::m_privateUsing = true;
        profile = root + "/user/Kestrel/user.ini";
    }
    void TearDown() override
    {
        RestoreStandardFolders();
        KestProfile::Reset();
    }
    std::string Stored(const char* key)
    {
        char buf[64];
        ProfileReadString("Layers", key, "<none>", buf, sizeof buf, 1);
        return buf;
    }
    std::string profile;
};

std::string Filtered(const char* text, int force = 1)
{
    char buf[128];
    std::strcpy(buf, text);
    return filter_text(buf, force);
}

} // namespace

TEST(TextLayers, IntegerTest)
{
    struct Case {
        const char* s;
        bool expected;
    } cases[] = {
        {"0", true},          {"+007", true},          {" 12 ", true},       {"123456789", true},
        {"12a", false},       {"A", false},            {"1234567890", false}, {"", false},
        {"-", false},         {"   ", false},          {"0001234567890", false}, {"000000000123456789", true},
        {"\t\r\n-5", true},   {"12 abc", true},        {"1.5", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(test_int_layer(c.s), c.expected) << "'" << c.s << "'";
    EXPECT_FALSE(test_int_layer(nullptr));
}

TEST_F(TextUtil, NamesGetNumbersFrom100)
{
    EXPECT_EQ(check_text_layer(""), -1);
    EXPECT_EQ(check_text_layer("  "), -1);
    EXPECT_EQ(check_text_layer(nullptr), -1);
    EXPECT_EQ(check_text_layer("7"), 7);
    EXPECT_EQ(check_text_layer(" -12 "), -12);
    EXPECT_EQ(Stored("LastLayerNum"), "<none>"); // plain numbers store nothing

    EXPECT_EQ(check_text_layer("Pocket"), 100);
    EXPECT_EQ(Stored("100"), "Pocket");
    EXPECT_EQ(Stored("LastLayerNum"), "100");
    EXPECT_EQ(check_text_layer("POCKET"), 100);
    EXPECT_EQ(Stored("100"), "POCKET");
    EXPECT_EQ(check_text_layer("  pocket  "), 100);
    EXPECT_EQ(Stored("100"), "pocket");
    EXPECT_EQ(check_text_layer("Collar"), 101);
    EXPECT_EQ(Stored("LastLayerNum"), "101");
    EXPECT_EQ(check_text_layer("collar"), 101);
}

TEST_F(TextUtil, NameEdgeCases)
{
    // A low "LastLayerNum" still numbers names from 100; a name longer than 31 characters is kept
    // cut and found again.
    ProfileWriteString("Layers", "LastLayerNum", "5", 1);
    std::string longName(40, 'n');
    EXPECT_EQ(check_text_layer(longName.c_str()), 100);
    EXPECT_EQ(Stored("100"), std::string(31, 'n'));
    EXPECT_EQ(check_text_layer(longName.c_str()), 100);
    // All numbers taken: no number beyond 32767.
    ProfileWriteString("Layers", "LastLayerNum", "40000", 1);
    EXPECT_EQ(check_text_layer("Overflow"), -1);
    EXPECT_EQ(Stored("32768"), "<none>");
}

TEST_F(TextUtil, LayerTexts)
{
    check_text_layer("Pocket");
    char buf[32];
    struct Case {
        int layer;
        int mode;
        const char* expected;
    } cases[] = {
        {-100, 0, "Pocket"}, {100, 1, "Pocket"}, {101, 0, "101"}, {99, 0, "99"},
        {300, 2, "45"},      {-255, 2, "256"},   {100, 3, "100"}, {-7, 5, "7"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(get_text_layer(buf, c.layer, c.mode), c.expected) << c.layer << " mode " << c.mode;
    CString s;
    EXPECT_STREQ(get_text_layer(s, 100, 0), "Pocket");
    EXPECT_STREQ(get_text_layer(buf, INT_MIN, 3), "2147483648");
}

TEST_F(TextUtil, RightToLeftReordering)
{
    // \xE0.. stand for Hebrew letters.
    EXPECT_EQ(Filtered("plain text (1)"), "plain text (1)"); // nothing at or above 128
    EXPECT_EQ(Filtered("\xE0\xE1\xE2"), "\xE2\xE1\xE0");
    EXPECT_EQ(Filtered("\xE0\xE1 123"), "123 \xE1\xE0");
    EXPECT_EQ(Filtered("\xE0 abc \xE1"), "\xE1 abc \xE0");
    EXPECT_EQ(Filtered("\xE0(\xE1)"), "(\xE1)\xE0"); // single brackets are mirrored
    EXPECT_EQ(Filtered("\xE0 (12)"), "(12) \xE0");
    // Without force the switch decides.
    EXPECT_EQ(Filtered("\xE0\xE1", 0), "\xE0\xE1");
    ProfileWriteString("Hebrew", "BDPlot", "1", 1);
    EXPECT_EQ(Filtered("\xE0\xE1", 0), "\xE1\xE0");
    CGenString g("\xE0 42");
    filter_text(g, 1);
    EXPECT_STREQ(g, "42 \xE0");
}

TEST(TextStrings, PrefixesAndBarCodes)
{
    struct Case {
        const char* before;
        bool removed;
        const char* after;
    } cases[] = {
        {"12-3 Front", true, "Front"}, {"Front", false, "Front"}, {"123", false, "123"},
        {"- -x", true, "x"},           {"", false, ""},
    };
    for (const Case& c : cases) {
        CString s(c.before);
        EXPECT_EQ(delNumericPrefix(s), c.removed) << c.before;
        EXPECT_STREQ(s, c.after);
    }
    EXPECT_EQ(bIsBarCode("**"), 0);
    EXPECT_EQ(bIsBarCode("*A*"), 1);
    EXPECT_EQ(bIsBarCode("!ab!"), 1);
    EXPECT_EQ(bIsBarCode("*ab!"), 0);
    EXPECT_EQ(bIsBarCode(nullptr), 0);
    CString a("*ab1*"), b("*ab1*"), c("ab");
    EXPECT_STREQ(filterBarCode(a, 1), "AB1");
    EXPECT_STREQ(filterBarCode(b, 0), "*AB1*");
    EXPECT_STREQ(filterBarCode(c, 1), "AB");
    CGenString g("!x1!");
    EXPECT_STREQ(filterBarCode(g, 1), "X1");
}

TEST(TextLines, CountingAndMeasuring)
{
    struct Case {
        const char* text;
        int lines;
        int maxLen;
        const char* longest;
    } cases[] = {
        {"ab\r\ncd", 2, 2, "ab"},
        {"ab\r\n\r\ncd", 3, 2, "ab"},
        {"ab\n\ncd", 2, 2, "ab"},        // empty pieces after a line feed do not count
        {"ab\r\rcd", 3, 2, "ab"},
        {"ab\r\n\r\n", 1, 2, "ab"},      // blank lines at the end do not count
        {"\r\nabc", 2, 3, "abc"},        // a blank line before the first line counts
        {"a\rbcd\nbcx", 3, 3, "bcd"},
        {"", 0, 0, ""},
        {"\r\n\r\n", 0, 0, ""},
    };
    for (const Case& c : cases) {
        int maxLen = -1, lines = -1;
        CString longest("junk");
        EXPECT_EQ(getMultiLineTextSizeAndMaxLine(c.text, longest, &maxLen, &lines), c.lines) << c.text;
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(maxLen, c.maxLen) << c.text;
        EXPECT_STREQ(longest, c.longest) << c.text;
        EXPECT_EQ(getMultiLineTextSize(c.text, nullptr, nullptr), c.lines);
    }
    SIZE size;
    EXPECT_EQ(getMultiLineTextRect(&size, 10, "abc\r\nde"), 2);
    EXPECT_EQ(size.cx, 18);
    EXPECT_EQ(size.cy, 20);
    CSize csize;
    EXPECT_EQ(getMultiLineTextRect(csize, -16, "abcde"), 1);
    EXPECT_EQ(csize.cx, 48);
    EXPECT_EQ(csize.cy, 16);
    EXPECT_EQ(getMultiLineTextSize(nullptr, nullptr, nullptr), 0);
}

TEST(TextColours, DistancesAndContrastTests)
{
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    EXPECT_EQ(getNewColorDiffernce(black, white), 100 * 255 * 255);
    EXPECT_EQ(getNewColorDiffernce(RGB(10, 0, 0), RGB(0, 0, 0)), 3000);
    EXPECT_EQ(getNewColorDiffernce(RGB(0, 0, 10), RGB(0, 0, 0)), 1100);
    EXPECT_EQ(geColorDiffernce(RGB(10, 20, 30), RGB(5, 25, 0)), 40);
    EXPECT_EQ(okContrast(black, white, 0), 1); // 765 >= 288
    EXPECT_EQ(okContrast(RGB(100, 100, 100), RGB(108, 108, 108), 1), 0); // 6400 < 1440000
    struct Case {
        COLORREF a, b;
        int mode, expected;
    } cases[] = {
        {RGB(0, 0, 0), RGB(96, 96, 95), 0, 0},   {RGB(0, 0, 0), RGB(96, 96, 96), 0, 1},
        {RGB(0, 0, 0), RGB(30, 30, 29), 2, 0},   {RGB(0, 0, 0), RGB(30, 30, 30), 2, 1},
        {RGB(0, 0, 0), RGB(120, 120, 119), 1, 0}, {RGB(0, 0, 0), RGB(120, 120, 120), 1, 1},
        {RGB(0, 0, 0), RGB(22, 22, 22), 3, 0},   {RGB(0, 0, 0), RGB(23, 23, 23), 3, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(okContrast(c.a, c.b, c.mode), c.expected) << std::hex << c.b << " mode " << c.mode;
}

TEST(TextColours, ContrastSeekingEdgeCases)
{
    const COLORREF backgrounds[] = {RGB(0, 0, 0),     RGB(255, 255, 255), RGB(128, 128, 128), RGB(127, 127, 127),
                                    RGB(255, 0, 0),   RGB(0, 255, 255),   RGB(200, 30, 180),  RGB(60, 200, 90)};
    const COLORREF colours[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(128, 128, 128), RGB(130, 120, 125),
                                RGB(250, 5, 0), RGB(10, 250, 240)};
    for (int mode = 0; mode <= 3; ++mode)
        for (COLORREF bg : backgrounds)
            for (COLORREF c : colours) {
                COLORREF out = getColorContrast(c, bg, mode);
                if (okContrast(c, bg, mode))
                    EXPECT_EQ(out, c); // already contrasting: unchanged
                // Where contrast is reachable at all, the result reaches it.
                if (mode != 1 || getNewColorDiffernce(bg, RGB(GetRValue(bg) < 128 ? 255 : 0,
                                                              GetGValue(bg) < 128 ? 255 : 0,
                                                              GetBValue(bg) < 128 ? 255 : 0)) >= 1440000)
                    EXPECT_EQ(okContrast(out, bg, mode), 1)
                        << std::hex << "c " << c << " bg " << bg << " mode " << mode << " out " << out;
                EXPECT_EQ(out & 0xFF000000u, 0u);
            }
    // The sum modes move equal components away from the background's half.
    EXPECT_EQ(getColorContrast(RGB(100, 100, 100), RGB(100, 100, 100), 0), RGB(196, 196, 196));
    EXPECT_EQ(getColorContrast(RGB(200, 200, 200), RGB(200, 200, 200), 2), RGB(170, 170, 170));
}

TEST(TextColours, RandomDarkenLighten)
{
    std::srand(12345);
    for (int mode = 0; mode <= 3; ++mode)
        for (COLORREF bg : {RGB(0, 0, 0), RGB(255, 255, 255), RGB(128, 128, 128)})
            EXPECT_EQ(okContrast(getRandomColor(bg, mode), bg, mode), 1) << mode;
    const COLORREF c = RGB(10, 128, 250);
    EXPECT_EQ(DarkenColor(255, c), RGB(0, 0, 0));
    EXPECT_EQ(LightenColor(255, c), RGB(255, 255, 255));
    EXPECT_EQ(DarkenColor(0, c), c);
    EXPECT_EQ(LightenColor(0, c), c);
    EXPECT_EQ(DarkenColor(51, RGB(100, 200, 255)), RGB(80, 160, 204));
    EXPECT_EQ(LightenColor(51, RGB(0, 100, 255)), RGB(51, 131, 255));
    EXPECT_EQ(DarkenColor(1000, c), RGB(0, 0, 0)); // beyond the range: the nearest end
    EXPECT_EQ(LightenColor(-5, c), c);
}

TEST(TextFonts, FontFileByFace)
{
    struct Case {
        const char* face;
        const char* file;
    } cases[] = {
        {"Times New Roman", "times.ttf"}, {"Arial Black", "arial.ttf"}, {"Comic Sans MS", "comic.ttf"},
        {"Miriam Fixed", "mriam.ttf"},    {"Book Antiqua", "bkant.ttf"}, {"times", "arial.ttf"},
        {"Palatino Linotype", "pala.ttf"}, {"", "arial.ttf"},
    };
    setenv("windir", "/opt/win", 1);
    for (const Case& c : cases) {
        LOGFONTA f{};
        std::strcpy(f.lfFaceName, c.face);
        CString path;
        GetFontFile(f, path);
        EXPECT_EQ(std::string(path), std::string("/opt/win/Fonts/") + c.file) << c.face;
    }
    unsetenv("windir");
    LOGFONTA f{};
    std::memset(f.lfFaceName, 'T', LF_FACESIZE); // no NUL: read within the record
    CString path;
    GetFontFile(f, path);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_EQ(std::string(path), std::string(windows) + "/Fonts/arial.ttf");
}

TEST(TextNotice, CopyrightFromTheResourceModule)
{
    HINSTANCE before = AfxGetResourceHandle();
    CString s;
    Copyright(s);
    EXPECT_EQ(s.Find("Copyright"), 0) << s.GetString();
    EXPECT_EQ(AfxGetResourceHandle(), before); // the handle is switched back
    char buf[256];
    Copyright(buf);
    EXPECT_STREQ(buf, s);
    char small[10];
    Copyright(small, sizeof small);
    EXPECT_EQ(std::string(small), std::string(s.GetString(), 9));
}

TEST_F(TextUtil, NameWithLineBreaksIsStoredOnOneLine)
{
    // A profile value cannot hold a line break: each run of line breaks inside a name becomes
    // one space, so the name is stored, found again, and takes one layer number only.
    EXPECT_EQ(check_text_layer("Front\npanel"), 100);
    EXPECT_EQ(Stored("100"), "Front panel");
    EXPECT_EQ(Stored("LastLayerNum"), "100");
    EXPECT_EQ(check_text_layer("Front\r\npanel"), 100);
    EXPECT_EQ(check_text_layer("front panel"), 100);
    EXPECT_EQ(Stored("LastLayerNum"), "100") << "no layer number used up";
    char buf[32];
    EXPECT_STREQ(get_text_layer(buf, 100, 0), "front panel");
}

TEST_F(TextUtil, NameThatCannotBeStoredGivesNoLayer)
{
    // A profile that refuses the write: no number is handed out and none is used up.
    check_text_layer("Pocket");
    ASSERT_EQ(chmod(profile.c_str(), 0444), 0);
    if (access(profile.c_str(), W_OK) == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    EXPECT_EQ(check_text_layer("Collar"), -1);
    EXPECT_EQ(check_text_layer("Collar"), -1);
    EXPECT_EQ(Stored("LastLayerNum"), "100");
    EXPECT_EQ(check_text_layer("pocket"), 100) << "a known name is still found";
}
