#pragma once
// Fonts: a LOGFONTA realised with FreeType from the DejaVu fonts shipped by Debian. Every face
// name maps to DejaVu Sans (the pinned font), except fixed-pitch faces ("Courier", "...Mono",
// "Fixedsys", "Terminal", "Consolas", "Lucida Console" or FIXED_PITCH / FF_MODERN), which map to
// DejaVu Sans Mono. Weight 600 and above selects the bold file; italic the oblique one.
//
// Heights follow Windows: a negative lfHeight is the character (em) height in pixels, a positive
// one the cell height (ascent + descent from the font's Windows metrics), zero a 16-pixel cell.
// Characters are the Windows-1252 code page. Instances are shared between equal requests.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "win32/gditypes.h"

namespace gdi {

class FontInstance {
public:
    struct Glyph {
        int left = 0;   // offset of the bitmap from the pen position
        int top = 0;    // rows above the baseline
        int width = 0;
        int height = 0;
        std::vector<uint8_t> coverage; // width * height, 0..255
        double advanceX = 0, advanceY = 0; // rotated advance in pixels (y down)
    };

    static std::shared_ptr<FontInstance> Get(const LOGFONTA& font);
    ~FontInstance();
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;

    const TEXTMETRICA& Metrics() const { return m_metrics; }
    // Advance of a character along the baseline in whole pixels.
    int Advance(unsigned char c);
    // The rendered glyph (rotated by the escapement); never null.
    const Glyph& GetGlyph(unsigned char c);
    double Angle() const { return m_angle; } // radians, counter-clockwise
    int UnderlinePosition() const { return m_underlinePos; }   // pixels below the baseline
    int UnderlineThickness() const { return m_underlineThickness; }
    int StrikeoutPosition() const { return m_strikePos; }       // pixels above the baseline
    const std::string& File() const { return m_file; }
    const LOGFONTA& LogFont() const { return m_logfont; }

private:
    FontInstance() = default;
    bool Load(const LOGFONTA& font);
    void Estimate(int em); // metrics when no font file can be read

    LOGFONTA m_logfont{};
    std::string m_file;
    std::shared_ptr<std::vector<unsigned char>> m_data;
    void* m_face = nullptr; // FT_Face
    bool m_antialias = true;
    double m_angle = 0;
    TEXTMETRICA m_metrics{};
    int m_underlinePos = 1, m_underlineThickness = 1, m_strikePos = 3;
    std::array<int, 256> m_advances{};
    std::array<bool, 256> m_haveAdvance{};
    std::array<std::unique_ptr<Glyph>, 256> m_glyphs;
};

// The font file a LOGFONTA maps to.
std::string FontFileFor(const LOGFONTA& font);

} // namespace gdi
