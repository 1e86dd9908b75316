#include "font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>

namespace gdi {
namespace {

// Windows-1252 characters 0x80..0x9F as Unicode (0 where the code page has none).
const uint16_t kCp1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned long ToUnicode(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0)
        return kCp1252[c - 0x80] ? kCp1252[c - 0x80] : c;
    return c;
}

FT_Library Library()
{
    static FT_Library library = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FT_Init_FreeType(&library) != 0)
            library = nullptr;
    }
    return library;
}

std::shared_ptr<std::vector<unsigned char>> FileData(const std::string& path)
{
    static auto* cache = new std::map<std::string, std::shared_ptr<std::vector<unsigned char>>>();
    auto it = cache->find(path);
    if (it != cache->end())
        return it->second;
    std::shared_ptr<std::vector<unsigned char>> data;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
    if (size > 0 && size < (std::streamoff(1) << 28)) {
        data = std::make_shared<std::vector<unsigned char>>(static_cast<size_t>(size));
        in.seekg(0);
        if (!in.read(reinterpret_cast<char*>(data->data()), size))
            data.reset();
    }
    (*cache)[path] = data;
    return data;
}

std::string FontDir()
{
    const char* dir = std::getenv("MISC_FONT_DIR");
    std::string d = dir && *dir ? dir : "/usr/share/fonts/truetype/dejavu";
    if (d.back() != '/')
        d += '/';
    return d;
}

bool Contains(const std::string& hay, const char* needle)
{
    return hay.find(needle) != std::string::npos;
}

bool IsFixedPitch(const LOGFONTA& f)
{
    std::string face;
    for (int i = 0; i < LF_FACESIZE && f.lfFaceName[i]; ++i)
        face += static_cast<char>(std::tolower(static_cast<unsigned char>(f.lfFaceName[i])));
    if (Contains(face, "courier") || Contains(face, "mono") || Contains(face, "fixed") ||
        Contains(face, "terminal") || Contains(face, "consol") || Contains(face, "lucida con"))
        return true;
    return face.empty() && ((f.lfPitchAndFamily & 3) == FIXED_PITCH ||
                            (f.lfPitchAndFamily & 0xF0) == FF_MODERN);
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

} // namespace

std::string FontFileFor(const LOGFONTA& f)
{
    const bool bold = f.lfWeight >= 600;
    const bool italic = f.lfItalic != 0;
    std::string name = IsFixedPitch(f) ? "DejaVuSansMono" : "DejaVuSans";
    if (bold && italic)
        name += "-BoldOblique";
    else if (bold)
        name += "-Bold";
    else if (italic)
        name += "-Oblique";
    return FontDir() + name + ".ttf";
}

std::shared_ptr<FontInstance> FontInstance::Get(const LOGFONTA& font)
{
    static auto* cache = new std::map<std::string, std::shared_ptr<FontInstance>>();
    LOGFONTA key = font;
    key.lfFaceName[LF_FACESIZE - 1] = 0;
    std::string k(reinterpret_cast<const char*>(&key), offsetof(LOGFONTA, lfFaceName));
    k += FontFileFor(key);
    auto it = cache->find(k);
    if (it != cache->end())
        return it->second;
    std::shared_ptr<FontInstance> inst(new FontInstance());
    inst->Load(key);
    if (cache->size() >= 256)
        cache->clear(); // fonts in use stay alive through their objects
    (*cache)[k] = inst;
    return inst;
}

FontInstance::~FontInstance()
{
    if (m_face)
        FT_Done_Face(static_cast<FT_Face>(m_face));
}

void FontInstance::Estimate(int em)
{
    TEXTMETRICA& tm = m_metrics;
    tm.tmAscent = Round(em * 0.93);
    tm.tmDescent = Round(em * 0.24);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = tm.tmHeight - em;
    tm.tmAveCharWidth = std::max(1, Round(em * 0.5));
    tm.tmMaxCharWidth = std::max(1, Round(em * 1.0));
}

bool FontInstance::Load(const LOGFONTA& font)
{
    m_logfont = font;
    m_file = FontFileFor(font);
    m_angle = (font.lfEscapement % 3600) / 10.0 * M_PI / 180.0;
    m_antialias = font.lfQuality != NONANTIALIASED_QUALITY;
    TEXTMETRICA& tm = m_metrics;
    tm.tmWeight = font.lfWeight ? font.lfWeight : FW_NORMAL;
    tm.tmItalic = font.lfItalic ? 1 : 0;
    tm.tmUnderlined = font.lfUnderline ? 1 : 0;
    tm.tmStruckOut = font.lfStrikeOut ? 1 : 0;
    tm.tmFirstChar = 0x1E;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmCharSet = font.lfCharSet;
    tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
    const bool fixed = IsFixedPitch(font);
    // TMPF_FIXED_PITCH set means variable pitch, as in Windows.
    tm.tmPitchAndFamily = static_cast<BYTE>((fixed ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR |
                                            TMPF_TRUETYPE | (fixed ? FF_MODERN : FF_SWISS));

    long long h = font.lfHeight;
    FT_Library lib = Library();
    m_data = lib ? FileData(m_file) : nullptr;
    FT_Face face = nullptr;
    if (!m_data || FT_New_Memory_Face(lib, m_data->data(), static_cast<FT_Long>(m_data->size()),
                                      0, &face) != 0) {
        Estimate(static_cast<int>(std::clamp<long long>(h < 0 ? -h : (h ? h * 6 / 7 : 14), 1, 2000)));
        return false;
    }
    m_face = face;
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const TT_HoriHeader* hhea =
        static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    const double upem = face->units_per_EM ? face->units_per_EM : 2048;
    const double winAscent = os2 ? os2->usWinAscent : face->ascender;
    const double winDescent = os2 ? os2->usWinDescent : -face->descender;
    if (h == 0)
        h = 16;
    int em;
    if (h < 0)
        em = static_cast<int>(std::clamp<long long>(-h, 1, 2000));
    else
        em = std::clamp(Round(std::min<long long>(h, 4000) * upem / (winAscent + winDescent)), 1, 2000);
    tm.tmAscent = Round(winAscent * em / upem);
    tm.tmDescent = Round(winDescent * em / upem);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - em);
    if (hhea) {
        const double gap = hhea->Line_Gap - ((winAscent + winDescent) -
                                             (hhea->Ascender - hhea->Descender));
        tm.tmExternalLeading = std::max(0, Round(gap * em / upem));
    }
    const double avgUnits = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2;
    int xppem = em;
    if (font.lfWidth > 0) {
        const double avgAtEm = avgUnits * em / upem;
        xppem = std::clamp(Round(em * std::min<LONG>(font.lfWidth, 4000) / avgAtEm), 1, 4000);
    }
    FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(xppem), static_cast<FT_UInt>(em));
    tm.tmAveCharWidth = std::max(1, Round(avgUnits * xppem / upem));
    tm.tmMaxCharWidth = std::max(1, Round(face->max_advance_width * xppem / upem));
    m_underlinePos = std::max(1, Round(-face->underline_position * em / upem));
    m_underlineThickness = std::max(1, Round(face->underline_thickness * em / upem));
    m_strikePos = os2 ? std::max(1, Round(os2->yStrikeoutPosition * em / upem))
                      : tm.tmAscent / 3;
    return true;
}

int FontInstance::Advance(unsigned char c)
{
    if (m_haveAdvance[c])
        return m_advances[c];
    int adv;
    FT_Face face = static_cast<FT_Face>(m_face);
    if (!face) {
        adv = c < 0x20 ? 0 : m_metrics.tmAveCharWidth;
    } else {
        FT_Set_Transform(face, nullptr, nullptr);
        if (FT_Load_Char(face, ToUnicode(c), FT_LOAD_DEFAULT) == 0)
            adv = static_cast<int>((face->glyph->advance.x + 32) >> 6);
        else
            adv = m_metrics.tmAveCharWidth;
    }
    m_advances[c] = adv;
    m_haveAdvance[c] = true;
    return adv;
}

const FontInstance::Glyph& FontInstance::GetGlyph(unsigned char c)
{
    if (m_glyphs[c])
        return *m_glyphs[c];
    auto g = std::make_unique<Glyph>();
    const int adv = Advance(c);
    g->advanceX = adv * std::cos(m_angle);
    g->advanceY = -adv * std::sin(m_angle);
    FT_Face face = static_cast<FT_Face>(m_face);
    if (face) {
        FT_Matrix m;
        m.xx = static_cast<FT_Fixed>(std::lround(std::cos(m_angle) * 65536.0));
        m.xy = static_cast<FT_Fixed>(std::lround(-std::sin(m_angle) * 65536.0));
        m.yx = static_cast<FT_Fixed>(std::lround(std::sin(m_angle) * 65536.0));
        m.yy = m.xx;
        FT_Set_Transform(face, m_angle != 0 ? &m : nullptr, nullptr);
        const FT_Int32 flags = FT_LOAD_RENDER |
                               (m_antialias ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
        if (FT_Load_Char(face, ToUnicode(c), flags) == 0) {
            const FT_Bitmap& bm = face->glyph->bitmap;
            g->left = face->glyph->bitmap_left;
            g->top = face->glyph->bitmap_top;
            g->width = static_cast<int>(bm.width);
            g->height = static_cast<int>(bm.rows);
            g->coverage.resize(static_cast<size_t>(g->width) * g->height);
            for (int y = 0; y < g->height; ++y) {
                const unsigned char* src = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
                for (int x = 0; x < g->width; ++x) {
                    uint8_t v;
                    if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                        v = ((src[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0;
                    else
                        v = src[x];
                    g->coverage[static_cast<size_t>(y) * g->width + x] = v;
                }
            }
        }
        FT_Set_Transform(face, nullptr, nullptr);
    }
    m_glyphs[c] = std::move(g);
    return *m_glyphs[c];
}

} // namespace gdi
