// CFontMngr: defaults by key and language, and the stored text form.
#include <misc/services.h>

#include "services_env.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGFONT Garbage()
{
    LOGFONT f;
    std::memset(&f, 0x5A, sizeof f);
    f.lfFaceName[LF_FACESIZE - 1] = '\0';
    return f;
}

class FontManager : public ::testing::Test {
protected:
    void SetUp() override { services_test::FreshProfile(); }
    void TearDown() override
    {
        services_test::RestoreStandardFolders();
        KestProfile::Reset();
    }
};

} // namespace

TEST_F(FontManager, DefaultsTable)
{
    struct Case {
        const char* key;
        const char* hebrewFace;
        LONG hebrewHeight;
        const char* otherFace;
        LONG otherHeight;
    } cases[] = {
        {"ComScreenFontFace", "Miriam", 12, "ARIAL", -10},
        {"FontFace", "Miriam", 12, "ARIAL", -16},
        {"PatternFontFace", "Miriam", 12, "ARIAL", -10},
        {"PatListFontFace", "Miriam", 12, "ARIAL", -11},
        {"PrinterFontFace", "Miriam Fixed", 16, "Courier New", -16},
        {"PanelFontFace", "Miriam Fixed", 16, "Courier New", -16},
        {"BarCodeFontFace", "CODE 39", 12, "CODE 39", 12},
    };
    for (const Case& c : cases) {
        for (int hebrew : {1, 0}) {
            CFontMngr m(hebrew);
            LOGFONT f = Garbage();
            m.InitFont(c.key, f);
            EXPECT_STREQ(f.lfFaceName, hebrew ? c.hebrewFace : c.otherFace) << c.key;
            EXPECT_EQ(f.lfHeight, hebrew ? c.hebrewHeight : c.otherHeight) << c.key;
            EXPECT_EQ(f.lfWeight, 400);
            EXPECT_EQ(f.lfItalic, 0);
            EXPECT_EQ(f.lfCharSet, 1);
            EXPECT_EQ(f.lfWidth, 0);
            EXPECT_EQ(f.lfEscapement, 0);
            EXPECT_EQ(f.lfOrientation, 0);
            EXPECT_EQ(f.lfUnderline, 0);
            EXPECT_EQ(f.lfStrikeOut, 0);
            EXPECT_EQ(f.lfOutPrecision, 0);
            EXPECT_EQ(f.lfClipPrecision, 0);
            EXPECT_EQ(f.lfQuality, 1);
            EXPECT_EQ(f.lfPitchAndFamily, 1);
        }
    }
}

TEST_F(FontManager, UnknownKeyAndCaseSensitiveMatch)
{
    CFontMngr m;
    for (const char* key : {"NoSuchFont", "fontface"}) {
        LOGFONT f = Garbage();
        std::strcpy(f.lfFaceName, "Kept");
        f.lfHeight = 33;
        m.GetDefault(key, f);
        EXPECT_STREQ(f.lfFaceName, "Kept") << key;
        EXPECT_EQ(f.lfHeight, 33);
        EXPECT_EQ(f.lfWeight, 400);
        EXPECT_EQ(f.lfItalic, 0);
        EXPECT_EQ(f.lfCharSet, 1);
    }
    CFontMngr h(0);
    h.SetHeb(true);
    EXPECT_EQ(h.m_hebrew, 1);
    CFontMngr copy;
    copy = h;
    EXPECT_EQ(copy.m_hebrew, 1);
}

TEST_F(FontManager, WriteAndReadBack)
{
    CFontMngr m;
    LOGFONT f{};
    std::strcpy(f.lfFaceName, "ARIAL");
    f.lfHeight = -16;
    f.lfWeight = 700;
    f.lfItalic = 1;
    f.lfCharSet = 0;
    m.WriteFont("Fonts", f, "FontFace");
    char stored[100];
    ProfileReadString("Fonts", "FontFace", "", stored, sizeof stored, 1);
    EXPECT_STREQ(stored, "ARIAL, -16, 700, 1, 0");
    LOGFONT back = Garbage();
    m.ReadFont("Fonts", "FontFace", back);
    EXPECT_STREQ(back.lfFaceName, "ARIAL");
    EXPECT_EQ(back.lfHeight, -16);
    EXPECT_EQ(back.lfWeight, 700);
    EXPECT_EQ(back.lfItalic, 1);
    EXPECT_EQ(back.lfCharSet, 0);
}

TEST_F(FontManager, StoredTextsThatAreOdd)
{
    CFontMngr m;
    ProfileWriteString("Fonts", "NoComma", "Just a name", 1);
    LOGFONT f = Garbage();
    LOGFONT before = f;
    m.ReadFont("Fonts", "NoComma", f);
    EXPECT_EQ(std::memcmp(&f, &before, sizeof f), 0); // unchanged

    ProfileWriteString("Fonts", "FontFace", "", 1);
    m.ReadFont("Fonts", "FontFace", f); // empty: the default
    EXPECT_STREQ(f.lfFaceName, "ARIAL");
    EXPECT_EQ(f.lfHeight, -16);

    std::string longFace(40, 'F');
    ProfileWriteString("Fonts", "Long", (longFace + ", 10").c_str(), 1);
    f = Garbage();
    f.lfWeight = 123;
    m.ReadFont("Fonts", "Long", f);
    EXPECT_EQ(std::string(f.lfFaceName), std::string(31, 'F'));
    EXPECT_EQ(f.lfHeight, 10);
    EXPECT_EQ(f.lfWeight, 123); // numbers missing from the text keep the record's values

    LOGFONT full{};
    std::memset(full.lfFaceName, 'X', LF_FACESIZE); // no NUL in the record
    m.WriteFont("Fonts", full, "Unterminated");
    char stored[100];
    ProfileReadString("Fonts", "Unterminated", "", stored, sizeof stored, 1);
    EXPECT_EQ(std::string(stored), std::string(32, 'X') + ", 0, 0, 0, 0");
}
