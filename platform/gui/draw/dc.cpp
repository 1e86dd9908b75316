#include "dc.h"

#include <algorithm>

#include "stock.h"

namespace gdi {
namespace {

int ClampCoord(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, -(1LL << 30), 1LL << 30));
}

// Rounds n / d to the nearest integer, halves away from zero.
long long RoundDiv(long long n, long long d)
{
    if (d < 0)
        n = -n, d = -d;
    return n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d);
}

} // namespace

DeviceContext::DeviceContext(MiscSurface* surface, POINT origin, const RECT* sysClip)
    : Object(Kind::DC), m_memory(false), m_surface(surface), m_origin(origin)
{
    if (sysClip) {
        m_hasSysClip = true;
        m_sysClip = *sysClip;
    }
    SelectDefaults(*this);
}

DeviceContext::DeviceContext() : Object(Kind::DC), m_memory(true)
{
    SelectDefaults(*this);
    Select(StockHandle(kStockMonoBitmap));
}

DeviceContext::~DeviceContext()
{
    if (m_state.bitmap)
        --m_state.bitmap->selectedCount;
}

int DeviceContext::Save()
{
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

bool DeviceContext::Restore(int level)
{
    const int depth = static_cast<int>(m_saved.size());
    if (level < 0)
        level = depth + 1 + level;
    if (level < 1 || level > depth)
        return false;
    std::shared_ptr<Bitmap> before = m_state.bitmap;
    m_state = m_saved[static_cast<size_t>(level - 1)];
    m_saved.resize(static_cast<size_t>(level - 1));
    if (before != m_state.bitmap) {
        if (before)
            --before->selectedCount;
        if (m_state.bitmap)
            ++m_state.bitmap->selectedCount;
    }
    m_clipValid = false;
    return true;
}

HGDIOBJ DeviceContext::Select(HGDIOBJ handle)
{
    std::shared_ptr<Object> o = FindShared(handle);
    if (!o)
        return nullptr;
    HGDIOBJ old = nullptr;
    switch (o->kind) {
    case Kind::Pen:
        old = m_state.hPen;
        m_state.hPen = handle;
        m_state.pen = std::static_pointer_cast<PenObject>(o);
        return old;
    case Kind::Brush:
        old = m_state.hBrush;
        m_state.hBrush = handle;
        m_state.brush = std::static_pointer_cast<BrushObject>(o);
        return old;
    case Kind::Font:
        old = m_state.hFont;
        m_state.hFont = handle;
        m_state.font = std::static_pointer_cast<FontObject>(o);
        return old;
    case Kind::Bitmap: {
        if (!m_memory)
            return nullptr;
        auto b = std::static_pointer_cast<Bitmap>(o);
        if (b == m_state.bitmap)
            return handle;
        // A bitmap is drawn through one context at a time (the stock one excepted).
        if (b->selectedCount > 0 && !b->stock)
            return nullptr;
        old = m_state.hBitmap;
        if (m_state.bitmap)
            --m_state.bitmap->selectedCount;
        ++b->selectedCount;
        m_state.hBitmap = handle;
        m_state.bitmap = std::move(b);
        m_clipValid = false;
        return old;
    }
    default:
        return nullptr;
    }
}

void DeviceContext::SetSystemRegion(const Region* region)
{
    m_hasSysRegion = region != nullptr;
    m_sysRegion = region ? *region : Region();
    m_clipValid = false;
}

bool DeviceContext::Scaled() const
{
    return m_state.viewportExt.cx != m_state.windowExt.cx ||
           m_state.viewportExt.cy != m_state.windowExt.cy;
}

POINT DeviceContext::ToDevice(long long x, long long y) const
{
    const DCState& s = m_state;
    if (!Scaled())
        return POINT{ClampCoord(x - s.windowOrg.x + s.viewportOrg.x),
                     ClampCoord(y - s.windowOrg.y + s.viewportOrg.y)};
    return POINT{
        ClampCoord(RoundDiv((x - s.windowOrg.x) * s.viewportExt.cx, s.windowExt.cx) +
                   s.viewportOrg.x),
        ClampCoord(RoundDiv((y - s.windowOrg.y) * s.viewportExt.cy, s.windowExt.cy) +
                   s.viewportOrg.y)};
}

POINT DeviceContext::ToLogical(long long x, long long y) const
{
    const DCState& s = m_state;
    if (!Scaled())
        return POINT{ClampCoord(x - s.viewportOrg.x + s.windowOrg.x),
                     ClampCoord(y - s.viewportOrg.y + s.windowOrg.y)};
    return POINT{
        ClampCoord(RoundDiv((x - s.viewportOrg.x) * s.windowExt.cx, s.viewportExt.cx) +
                   s.windowOrg.x),
        ClampCoord(RoundDiv((y - s.viewportOrg.y) * s.windowExt.cy, s.viewportExt.cy) +
                   s.windowOrg.y)};
}

int DeviceContext::ScaleX(int length) const
{
    if (!Scaled())
        return length < 0 ? -length : length;
    const long long v = RoundDiv(static_cast<long long>(length) * m_state.viewportExt.cx,
                                 m_state.windowExt.cx);
    return ClampCoord(v < 0 ? -v : v);
}

int DeviceContext::ScaleY(int length) const
{
    if (!Scaled())
        return length < 0 ? -length : length;
    const long long v = RoundDiv(static_cast<long long>(length) * m_state.viewportExt.cy,
                                 m_state.windowExt.cy);
    return ClampCoord(v < 0 ? -v : v);
}

POINT DeviceContext::ToSurface(long long x, long long y) const
{
    POINT p = ToDevice(x, y);
    p.x = ClampCoord(static_cast<long long>(p.x) + m_origin.x);
    p.y = ClampCoord(static_cast<long long>(p.y) + m_origin.y);
    return p;
}

SIZE DeviceContext::SurfaceSize() const
{
    if (m_memory)
        return m_state.bitmap ? SIZE{m_state.bitmap->Width(), m_state.bitmap->Height()}
                              : SIZE{0, 0};
    return m_surface ? SIZE{m_surface->width, m_surface->height} : SIZE{0, 0};
}

void DeviceContext::UpdateClip(int width, int height)
{
    if (m_clipValid && width == m_clipWidth && height == m_clipHeight)
        return;
    Region r(0, 0, width, height);
    if (m_hasSysClip)
        r = r.Intersected(m_sysClip);
    if (m_hasSysRegion)
        r = Region::Combine(r, m_sysRegion, RGN_AND);
    if (m_state.hasClip) {
        Region app = m_state.clip;
        app.Offset(m_origin.x, m_origin.y);
        r = Region::Combine(r, app, RGN_AND);
    }
    m_clip = std::move(r);
    m_clipWidth = width;
    m_clipHeight = height;
    m_clipValid = true;
}

bool DeviceContext::Begin(Target& t)
{
    if (m_memory) {
        if (!m_state.bitmap)
            return false;
        t.view = m_state.bitmap->Begin();
        t.mono = m_state.bitmap->IsMono();
    } else {
        if (!m_surface || m_surface->width <= 0 || m_surface->height <= 0 ||
            m_surface->pixels.size() < static_cast<size_t>(m_surface->width) * m_surface->height)
            return false;
        t.view.bits = m_surface->pixels.data();
        t.view.width = m_surface->width;
        t.view.height = m_surface->height;
        t.view.stride = m_surface->width;
        t.view.alphaOr = 0xFF000000u;
        t.mono = false;
    }
    UpdateClip(t.view.width, t.view.height);
    if (m_clip.IsEmpty()) {
        if (m_memory)
            m_state.bitmap->End(false);
        return false;
    }
    t.box = m_clip.Bounds();
    t.region = m_clip.IsRect() ? nullptr : &m_clip;
    m_began = true;
    return true;
}

void DeviceContext::End(bool modified)
{
    if (m_began && m_memory && m_state.bitmap)
        m_state.bitmap->End(modified);
    m_began = false;
}

bool DeviceContext::BeginSource(PixelView& view, bool& mono)
{
    if (m_memory) {
        if (!m_state.bitmap)
            return false;
        view = m_state.bitmap->Begin();
        mono = m_state.bitmap->IsMono();
        return true;
    }
    if (!m_surface || m_surface->width <= 0 || m_surface->height <= 0 ||
        m_surface->pixels.size() < static_cast<size_t>(m_surface->width) * m_surface->height)
        return false;
    view.bits = m_surface->pixels.data();
    view.width = m_surface->width;
    view.height = m_surface->height;
    view.stride = m_surface->width;
    mono = false;
    return true;
}

void DeviceContext::EndSource()
{
    if (m_memory && m_state.bitmap)
        m_state.bitmap->End(false);
}

Region DeviceContext::VisibleDeviceRegion()
{
    const SIZE size = SurfaceSize();
    UpdateClip(size.cx, size.cy);
    Region r = m_clip;
    r.Offset(-m_origin.x, -m_origin.y);
    return r;
}

DeviceContext* FindDC(HDC dc)
{
    return FindAs<DeviceContext>(dc, Kind::DC);
}

void SelectDefaults(DeviceContext& dc)
{
    dc.Select(StockHandle(BLACK_PEN));
    dc.Select(StockHandle(WHITE_BRUSH));
    dc.Select(StockHandle(SYSTEM_FONT));
    dc.State().hPalette = StockHandle(DEFAULT_PALETTE);
}

uint32_t TargetPixel(const Target& t, COLORREF color)
{
    if (t.mono) {
        const int sum = GetRValue(color) + GetGValue(color) + GetBValue(color);
        return sum >= 383 ? 0xFFFFFFFFu : 0xFF000000u;
    }
    return MiscPixelFromColor(PlainColor(color));
}

} // namespace gdi
