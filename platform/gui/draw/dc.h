#pragma once
// The internal painter behind an HDC: a small value state (selected objects, colours, modes,
// origins, clip region, current position) on a stack that SaveDC and RestoreDC push and pop, and
// a target (a window surface, or the bitmap selected into a memory context).
//
// Coordinates: logical -> device through the window and viewport origins and extents; device ->
// surface by adding the context's origin (a window's client corner). Device coordinates are what
// the program sees as pixels; surface coordinates are positions in the target's memory.
#include <memory>
#include <vector>

#include "bitmap.h"
#include "objects.h"
#include "region.h"
#include "win32/surface.h"

namespace gdi {

struct DCState {
    HGDIOBJ hPen = nullptr, hBrush = nullptr, hFont = nullptr, hBitmap = nullptr,
            hPalette = nullptr;
    std::shared_ptr<PenObject> pen;
    std::shared_ptr<BrushObject> brush;
    std::shared_ptr<FontObject> font;
    std::shared_ptr<Bitmap> bitmap;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    COLORREF dcBrushColor = 0xFFFFFF;
    COLORREF dcPenColor = 0x000000;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    int arcDirection = AD_COUNTERCLOCKWISE;
    int mapMode = MM_TEXT;
    UINT textAlign = TA_LEFT | TA_TOP;
    int charExtra = 0;
    POINT viewportOrg{0, 0}, windowOrg{0, 0};
    SIZE viewportExt{1, 1}, windowExt{1, 1};
    POINT brushOrg{0, 0};
    POINT pos{0, 0};
    bool hasClip = false;
    Region clip; // device coordinates
};

// What one drawing operation writes to: the pixels, and the visible area in surface
// coordinates (a box, and the region when it is not just that box).
struct Target {
    PixelView view;
    RECT box{0, 0, 0, 0};
    const Region* region = nullptr;
    bool mono = false; // a monochrome bitmap: colours become black or white

    bool Visible(int x, int y) const
    {
        return x >= box.left && x < box.right && y >= box.top && y < box.bottom &&
               (!region || region->Contains(x, y));
    }
};

class DeviceContext : public Object {
public:
    // A context for a window surface (origin and system clip in surface coordinates).
    DeviceContext(MiscSurface* surface, POINT origin, const RECT* sysClip);
    // A memory context (the stock one-pixel monochrome bitmap selected).
    DeviceContext();
    ~DeviceContext() override;

    bool IsMemory() const { return m_memory; }
    DCState& State() { return m_state; }
    const DCState& State() const { return m_state; }
    int Save();
    bool Restore(int level);

    // Selection: returns the previous handle, or null when `handle` cannot be selected.
    HGDIOBJ Select(HGDIOBJ handle);
    void ClipChanged() { m_clipValid = false; }
    // A further limit in surface coordinates (window regions, update regions); null removes it.
    void SetSystemRegion(const Region* region);

    // Mapping.
    bool Scaled() const;
    POINT ToDevice(long long x, long long y) const;
    POINT ToLogical(long long x, long long y) const;
    // A logical length on each axis in device pixels (absolute).
    int ScaleX(int length) const;
    int ScaleY(int length) const;
    POINT Origin() const { return m_origin; }
    POINT ToSurface(long long x, long long y) const; // logical -> surface

    // The pixels for one operation; false when nothing is visible. End after drawing.
    bool Begin(Target& target);
    void End(bool modified);
    // The pixels of this context as the source of a blit (not clipped); EndSource after use.
    bool BeginSource(PixelView& view, bool& mono);
    void EndSource();
    // The visible area in device coordinates (for GetClipBox and friends).
    Region VisibleDeviceRegion();
    MiscSurface* WindowSurface() const { return m_surface; }
    // Size of the drawing surface (window surface or selected bitmap).
    SIZE SurfaceSize() const;

private:
    void UpdateClip(int width, int height);

    bool m_memory;
    MiscSurface* m_surface = nullptr;
    POINT m_origin{0, 0};
    bool m_hasSysClip = false;
    RECT m_sysClip{0, 0, 0, 0};
    bool m_hasSysRegion = false;
    Region m_sysRegion;
    DCState m_state;
    std::vector<DCState> m_saved;
    // The effective clip in surface coordinates, cached for a surface size.
    bool m_clipValid = false;
    int m_clipWidth = -1, m_clipHeight = -1;
    Region m_clip;
    bool m_began = false;
};

DeviceContext* FindDC(HDC dc);
// Select the default objects of a new context (stock pen, brush, font, palette).
void SelectDefaults(DeviceContext& dc);
// Pixel of a colour for a target (black or white on monochrome targets).
uint32_t TargetPixel(const Target& t, COLORREF color);

} // namespace gdi
