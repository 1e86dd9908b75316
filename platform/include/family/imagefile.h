#pragma once
// CImageFile: a picture of the family's image library, loaded from a PNG, JPEG or BMP file.
//
// Pixels: rows from the bottom of the picture upwards, without padding between rows; each pixel
// is red, green, blue (3 bytes), followed by alpha (4 bytes) when the picture has an alpha
// channel. Palettes, grey levels and 16-bit samples are expanded to that form on loading.
//
// Physical size: where the file states its pixel density (the PNG "pHYs" chunk in metres, the
// JPEG JFIF density in dots per inch or per centimetre, the BMP pels-per-metre fields), the
// density is kept and the real size follows from it. Aspect-ratio-only densities are not kept.
//
// Hostile files: a damaged or truncated picture, or one larger than kMaxSide by kMaxSide or
// kMaxPixels in all, gives a failed load; the decoders stop on their own errors (never abort)
// and sizes are checked against the file before any pixel memory is allocated.
#include <cstddef>
#include <vector>

#include "family/genstring.h"
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CImageFile {
public:
    enum Format { formatNone = 0, formatPng = 1, formatJpeg = 2, formatBmp = 3 };
    static constexpr int kMaxSide = 65535;               // width and height are 16-bit
    static constexpr long long kMaxPixels = 1LL << 26;   // 64 Mi pixels (256 MiB with alpha)
    static constexpr long long kMaxFileBytes = 1LL << 29; // files above 512 MiB are refused

    CImageFile() = default;
    CImageFile(const CImageFile&) = default;
    CImageFile(CImageFile&&) noexcept = default;
    CImageFile& operator=(const CImageFile&) = default;
    CImageFile& operator=(CImageFile&&) noexcept = default;
    virtual ~CImageFile() = default;

    // Loads the picture file at path ('\' reads as '/'); the format is recognised by the file's
    // first bytes, not by its extension. On failure the image is empty and false is returned.
    bool LoadDiskData(const CGenString& path);
    // The same for a picture held in memory.
    bool LoadMemoryData(const BYTE* data, size_t size);
    // Back to the empty picture.
    void Clear();

    bool IsEmpty() const { return m_width == 0 || m_height == 0; }
    WORD getWidth() const { return m_width; }
    WORD getHeight() const { return m_height; }
    // Non-zero when pixels carry alpha (4 bytes per pixel), else 3 bytes per pixel.
    BYTE getAlpha() const { return m_alpha; }
    int getBytesPerPixel() const { return m_alpha ? 4 : 3; }
    size_t getRowBytes() const { return static_cast<size_t>(m_width) * getBytesPerPixel(); }
    // The pixel rows, bottom row first; null when empty.
    BYTE* getData() { return m_pixels.empty() ? nullptr : m_pixels.data(); }
    const BYTE* getData() const { return m_pixels.empty() ? nullptr : m_pixels.data(); }
    size_t getDataSize() const { return m_pixels.size(); }
    Format getFormat() const { return m_format; }
    // The path the picture was loaded from (empty for pictures from memory).
    const CGenString& getPath() const { return m_path; }

    // True when the file stated its pixel density.
    bool hasDensity() const { return m_ppmX > 0 && m_ppmY > 0; }
    // Pixels per metre, horizontally and vertically (0 when unknown).
    double getDensityX() const { return m_ppmX; }
    double getDensityY() const { return m_ppmY; }
    // The picture's real size in millimetres (0 when the density is unknown).
    double getRealWidth() const { return hasDensity() ? m_width * 1000.0 / m_ppmX : 0.0; }
    double getRealHeight() const { return hasDensity() ? m_height * 1000.0 / m_ppmY : 0.0; }

private:
    WORD m_width = 0;
    WORD m_height = 0;
    BYTE m_alpha = 0;
    Format m_format = formatNone;
    double m_ppmX = 0;
    double m_ppmY = 0;
    std::vector<BYTE> m_pixels;
    CGenString m_path;
};

MISC_PUBLIC_END
