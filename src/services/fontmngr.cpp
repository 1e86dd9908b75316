// CFontMngr: fonts kept as profile strings, with built-in defaults per key.
#include "misc/services/fontmngr.h"

#include "misc/frame/profile.h"

#include <cstdio>
#include <cstring>

namespace {

struct FontDefault {
    const char* key;
    const char* hebrewFace;
    LONG hebrewHeight;
    const char* otherFace;
    LONG otherHeight;
};

const FontDefault kDefaults[] = {
    {"ComScreenFontFace", "Miriam", 12, "ARIAL", -10},
    {"FontFace", "Miriam", 12, "ARIAL", -16},
    {"PatternFontFace", "Miriam", 12, "ARIAL", -10},
    {"PatListFontFace", "Miriam", 12, "ARIAL", -11},
    {"PrinterFontFace", "Miriam Fixed", 16, "Courier New", -16},
    {"PanelFontFace", "Miriam Fixed", 16, "Courier New", -16},
    {"BarCodeFontFace", "CODE 39", 12, "CODE 39", 12},
};

// Copies a face name into the record: at most LF_FACESIZE - 1 characters and a NUL.
void SetFace(LOGFONT& font, const char* face, size_t length)
{
    if (length > LF_FACESIZE - 1)
        length = LF_FACESIZE - 1;
    std::memcpy(font.lfFaceName, face, length);
    font.lfFaceName[length] = '\0';
}

} // namespace

CFontMngr::CFontMngr(int hebrew) : m_hebrew(hebrew) {}

void CFontMngr::SetHeb(bool hebrew) { m_hebrew = hebrew; }

CFontMngr& CFontMngr::operator=(const CFontMngr& other)
{
    m_hebrew = other.m_hebrew;
    return *this;
}

void CFontMngr::InitFont(const CString& key, LOGFONT& font)
{
    font.lfWidth = 0;
    font.lfEscapement = 0;
    font.lfOrientation = 0;
    font.lfUnderline = 0;
    font.lfStrikeOut = 0;
    font.lfOutPrecision = 0;
    font.lfClipPrecision = 0;
    font.lfQuality = 1;
    font.lfPitchAndFamily = 1;
    GetDefault(key, font);
}

void CFontMngr::GetDefault(const CString& key, LOGFONT& font)
{
    font.lfWeight = 400;
    font.lfItalic = 0;
    font.lfCharSet = 1;
    for (const FontDefault& d : kDefaults) {
        if (key.Compare(d.key) != 0)
            continue;
        const char* face = m_hebrew ? d.hebrewFace : d.otherFace;
        SetFace(font, face, std::strlen(face));
        font.lfHeight = m_hebrew ? d.hebrewHeight : d.otherHeight;
        return;
    }
}

void CFontMngr::ReadFont(const CString& section, const CString& key, LOGFONT& font)
{
    char text[100];
    ProfileReadString(section, key, "", text, sizeof text, 1);
    if (!text[0]) {
        GetDefault(key, font);
        return;
    }
    const char* comma = std::strchr(text, ',');
    if (!comma)
        return;
    SetFace(font, text, static_cast<size_t>(comma - text));
    // Numbers that are missing from the text keep the record's values.
    int height = font.lfHeight, weight = font.lfWeight, italic = font.lfItalic, charset = font.lfCharSet;
    std::sscanf(comma + 1, " %d, %d, %d, %d", &height, &weight, &italic, &charset);
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfItalic = static_cast<BYTE>(italic);
    font.lfCharSet = static_cast<BYTE>(charset);
}

void CFontMngr::WriteFont(const CString& section, const LOGFONT& font, const CString& key)
{
    CString text;
    text.Format("%.*s, %d, %d, %d, %d", static_cast<int>(strnlen(font.lfFaceName, LF_FACESIZE)), font.lfFaceName,
                static_cast<int>(font.lfHeight), static_cast<int>(font.lfWeight), static_cast<int>(font.lfItalic),
                static_cast<int>(font.lfCharSet));
    ProfileWriteString(section, key, text, 1);
}
