// Win32 mapping functions: mapping modes, window and viewport origins and extents.
#include <cstdlib>

#include "dc.h"
#include "win32/gdi.h"

using namespace gdi;

namespace {

// The fixed mapping modes in units per inch (y upwards), at 96 pixels per inch.
bool FixedScale(int mode, int& unitsPerInch)
{
    switch (mode) {
    case MM_LOMETRIC: unitsPerInch = 254; return true;
    case MM_HIMETRIC: unitsPerInch = 2540; return true;
    case MM_LOENGLISH: unitsPerInch = 100; return true;
    case MM_HIENGLISH: unitsPerInch = 1000; return true;
    case MM_TWIPS: unitsPerInch = 1440; return true;
    default: return false;
    }
}

// MM_ISOTROPIC keeps one unit the same size on both axes: the larger viewport extent shrinks.
void FixIsotropic(DCState& s)
{
    if (s.mapMode != MM_ISOTROPIC || !s.windowExt.cx || !s.windowExt.cy)
        return;
    const double sx = std::abs(static_cast<double>(s.viewportExt.cx) / s.windowExt.cx);
    const double sy = std::abs(static_cast<double>(s.viewportExt.cy) / s.windowExt.cy);
    if (sx > sy) {
        const long v = static_cast<long>(std::abs(static_cast<double>(s.windowExt.cx)) * sy + 0.5);
        s.viewportExt.cx = (s.viewportExt.cx < 0 ? -1 : 1) * static_cast<LONG>(v ? v : 1);
    } else if (sy > sx) {
        const long v = static_cast<long>(std::abs(static_cast<double>(s.windowExt.cy)) * sx + 0.5);
        s.viewportExt.cy = (s.viewportExt.cy < 0 ? -1 : 1) * static_cast<LONG>(v ? v : 1);
    }
}

} // namespace

int SetMapMode(HDC hdc, int mode)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    DCState& s = dc->State();
    const int old = s.mapMode;
    s.mapMode = mode;
    int upi;
    if (mode == MM_TEXT) {
        s.windowExt = SIZE{1, 1};
        s.viewportExt = SIZE{1, 1};
    } else if (FixedScale(mode, upi)) {
        s.windowExt = SIZE{upi, upi};
        s.viewportExt = SIZE{96, -96};
    } else if (mode == MM_ISOTROPIC && old != MM_ANISOTROPIC) {
        // Windows starts isotropic mapping from a 10 x 10 millimetre window.
        s.windowExt = SIZE{10, 10};
        s.viewportExt = SIZE{10, 10};
    }
    dc->ClipChanged();
    return old;
}

int GetMapMode(HDC hdc)
{
    DeviceContext* dc = FindDC(hdc);
    return dc ? dc->State().mapMode : 0;
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT old)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (old)
        *old = dc->State().viewportOrg;
    dc->State().viewportOrg = POINT{x, y};
    return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, LPPOINT org)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !org)
        return FALSE;
    *org = dc->State().viewportOrg;
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT old)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    POINT& o = dc->State().viewportOrg;
    if (old)
        *old = o;
    o.x += dx;
    o.y += dy;
    return TRUE;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT old)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (old)
        *old = dc->State().windowOrg;
    dc->State().windowOrg = POINT{x, y};
    return TRUE;
}

BOOL GetWindowOrgEx(HDC hdc, LPPOINT org)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !org)
        return FALSE;
    *org = dc->State().windowOrg;
    return TRUE;
}

BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT old)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    POINT& o = dc->State().windowOrg;
    if (old)
        *old = o;
    o.x += dx;
    o.y += dy;
    return TRUE;
}

BOOL SetViewportExtEx(HDC hdc, int x, int y, LPSIZE old)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    DCState& s = dc->State();
    if (old)
        *old = s.viewportExt;
    if (s.mapMode != MM_ISOTROPIC && s.mapMode != MM_ANISOTROPIC)
        return TRUE; // ignored in the fixed modes
    if (x == 0 || y == 0)
        return FALSE;
    s.viewportExt = SIZE{x, y};
    FixIsotropic(s);
    return TRUE;
}

BOOL GetViewportExtEx(HDC hdc, LPSIZE ext)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !ext)
        return FALSE;
    *ext = dc->State().viewportExt;
    return TRUE;
}

BOOL SetWindowExtEx(HDC hdc, int x, int y, LPSIZE old)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    DCState& s = dc->State();
    if (old)
        *old = s.windowExt;
    if (s.mapMode != MM_ISOTROPIC && s.mapMode != MM_ANISOTROPIC)
        return TRUE;
    if (x == 0 || y == 0)
        return FALSE;
    s.windowExt = SIZE{x, y};
    FixIsotropic(s);
    return TRUE;
}

BOOL GetWindowExtEx(HDC hdc, LPSIZE ext)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !ext)
        return FALSE;
    *ext = dc->State().windowExt;
    return TRUE;
}

BOOL LPtoDP(HDC hdc, LPPOINT points, int count)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || (!points && count > 0) || count < 0)
        return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = dc->ToDevice(points[i].x, points[i].y);
    return TRUE;
}

BOOL DPtoLP(HDC hdc, LPPOINT points, int count)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || (!points && count > 0) || count < 0)
        return FALSE;
    for (int i = 0; i < count; ++i)
        points[i] = dc->ToLogical(points[i].x, points[i].y);
    return TRUE;
}
