// cWorldDC: construction, the context, the world-to-pixel mapping, clipping and the plain
// primitives. Arrowheads, contours and cut nodes are in worlddc_contour.cpp.
#include <misc/geometry/worlddc.h>

#include <family/vmxunits.h>

#include "worlddc_round.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

using misc_worlddc::AddPixels;

namespace {

// The context of objects without one: every call on it fails harmlessly.
CDC& InertDC()
{
    static CDC inert;
    return inert;
}

// A device aspect value; each value below 2 counts as 1.
int AspectValue(CDC* dc, int index)
{
    const int v = dc ? dc->GetDeviceCaps(index) : 1;
    return v < 2 ? 1 : v;
}

} // namespace

cWorldDC::cWorldDC(CWnd* w, double x1, double y1, double x2, double y2, int l, int t, int r, int b)
    : dc(nullptr), vpLeft(0), vpTop(0), vpRight(1), vpBottom(1), aspect(1.0), scaleX(1.0), scaleY(1.0),
      pixelX(1.0), pixelY(1.0), worldX1(0.0), worldY1(0.0), worldX2(1.0), worldY2(1.0), curX(0.0), curY(0.0)
{
    SetPDC(w);
    set_viewport(w, l, t, r, b);
    set_world(x1, y1, x2, y2);
    curX = worldX1;
    curY = worldY1;
}

cWorldDC::cWorldDC(CWnd* w, const myContour& c, double margin, int l, int t, int r, int b)
    : cWorldDC(w, 0.0, 0.0, 1.0, 1.0, l, t, r, b)
{
    set_world(c, margin);
    curX = worldX1;
    curY = worldY1;
}

cWorldDC::cWorldDC(const cWorldDC& other) : dc(other.dc)
{
    CopyMapping(other);
}

cWorldDC::cWorldDC(cWorldDC&& other) noexcept : dc(other.dc), m_ownsDC(other.m_ownsDC)
{
    CopyMapping(other);
    other.m_ownsDC = false;
}

cWorldDC& cWorldDC::operator=(const cWorldDC& other)
{
    if (this != &other) {
        // The same context stays with whichever of the two owned it.
        if (dc != other.dc)
            ReleaseContext();
        dc = other.dc;
        CopyMapping(other);
    }
    return *this;
}

cWorldDC& cWorldDC::operator=(cWorldDC&& other) noexcept
{
    if (this != &other) {
        if (dc != other.dc)
            ReleaseContext();
        dc = other.dc;
        m_ownsDC = m_ownsDC || other.m_ownsDC;
        other.m_ownsDC = false;
        CopyMapping(other);
    }
    return *this;
}

cWorldDC::~cWorldDC()
{
    ReleaseContext();
}

void cWorldDC::ReleaseContext()
{
    if (m_ownsDC)
        delete dc;
    dc = nullptr;
    m_ownsDC = false;
}

void cWorldDC::CopyMapping(const cWorldDC& o)
{
    vpLeft = o.vpLeft;
    vpTop = o.vpTop;
    vpRight = o.vpRight;
    vpBottom = o.vpBottom;
    aspect = o.aspect;
    scaleX = o.scaleX;
    scaleY = o.scaleY;
    pixelX = o.pixelX;
    pixelY = o.pixelY;
    worldX1 = o.worldX1;
    worldY1 = o.worldY1;
    worldX2 = o.worldX2;
    worldY2 = o.worldY2;
    curX = o.curX;
    curY = o.curY;
}

void cWorldDC::SetPDC(CWnd* w)
{
    ReleaseContext();
    if (w && w->GetSafeHwnd()) {
        dc = new CClientDC(w);
        m_ownsDC = true;
    }
    set_aspect();
}

void cWorldDC::AttachDC(CDC* borrowed)
{
    ReleaseContext();
    dc = borrowed;
    set_aspect();
}

CDC& cWorldDC::getWorldDC()
{
    return dc ? *dc : InertDC();
}

void cWorldDC::set_aspect()
{
    aspect = static_cast<double>(AspectValue(dc, ASPECTX)) / AspectValue(dc, ASPECTY);
}

void cWorldDC::set_viewport(CWnd* w, int l, int t, int r, int b)
{
    if (w && w->GetSafeHwnd()) {
        CRect client;
        w->GetClientRect(&client);
        vpLeft = AddPixels(client.left, l);
        vpTop = AddPixels(client.top, t);
        vpRight = AddPixels(client.right, r);
        vpBottom = AddPixels(client.bottom, b);
    } else {
        vpLeft = l;
        vpTop = t;
        vpRight = r;
        vpBottom = b;
    }
    // An empty viewport (or one turned inside out by large insets) becomes one pixel, so that
    // the scales stay positive and finite.
    if (vpLeft == INT_MAX)
        vpLeft = INT_MAX - 1;
    if (vpTop == INT_MAX)
        vpTop = INT_MAX - 1;
    if (vpRight <= vpLeft)
        vpRight = vpLeft + 1;
    if (vpBottom <= vpTop)
        vpBottom = vpTop + 1;
}

void cWorldDC::set_viewport(int l, int t, int r, int b)
{
    set_viewport(nullptr, l, t, r, b);
}

void cWorldDC::set_world(double x1, double y1, double x2, double y2)
{
    if (std::fabs(x2 - x1) < 0.001) {
        const double c = (x1 + x2) / 2.0;
        x1 = c - 0.1;
        x2 = c + 0.1;
    }
    if (std::fabs(y2 - y1) < 0.001) {
        const double c = (y1 + y2) / 2.0;
        y1 = c - 0.1;
        y2 = c + 0.1;
    }
    const double vw = static_cast<double>(vpRight) - vpLeft;
    const double vh = static_cast<double>(vpBottom) - vpTop;
    const double w = x2 - x1;
    const double h = y2 - y1;
    scaleX = vw / w;
    scaleY = vh / h;
    if (scaleX * aspect > scaleY) {
        const double d = (scaleX * aspect / scaleY - 1.0) * w / 2.0;
        x2 += d;
        x1 -= d;
        scaleX = vw / (x2 - x1);
    } else {
        const double d = (scaleY / (scaleX * aspect) - 1.0) * h / 2.0;
        y2 += d;
        y1 -= d;
        scaleY = vh / (y2 - y1);
    }
    worldX1 = x1;
    worldY1 = y1;
    worldX2 = x2;
    worldY2 = y2;
    PixelSizes();
}

void cWorldDC::set_world(const myContour& c, double margin)
{
    double x1 = c.getXmin(), x2 = c.getXmax();
    double y1 = c.getYmin(), y2 = c.getYmax();
    if (margin > 0.0) {
        const double mx = margin * c.getXsize();
        const double my = margin * c.getYsize();
        x1 -= mx;
        x2 += mx;
        y1 -= my;
        y2 += my;
    }
    set_world(x1, y1, x2, y2);
}

void cWorldDC::PixelSizes()
{
    pixelX = std::fabs(wconv_x(1) - wconv_x(0));
    pixelY = std::fabs(wconv_y(1) - wconv_y(0));
}

int cWorldDC::conv_x(double x) const
{
    return roundReal(vpLeft + (x - worldX1) * scaleX);
}

int cWorldDC::conv_y(double y) const
{
    return roundReal(vpBottom - (y - worldY1) * scaleY);
}

double cWorldDC::wconv_x(int px) const
{
    return (static_cast<double>(px) - vpLeft) / scaleX + worldX1;
}

double cWorldDC::wconv_y(int py) const
{
    return (static_cast<double>(vpBottom) - py) / scaleY + worldY1;
}

void cWorldDC::clipRect(const RECT* r)
{
    if (!dc || !r)
        return;
    CRgn region;
    if (!region.CreateRectRgnIndirect(r))
        return;
    dc->SelectClipRgn(&region);
    region.DeleteObject();
}

void cWorldDC::clipRect(double x1, double y1, double x2, double y2)
{
    const RECT r{conv_x(x1), conv_y(y2), conv_x(x2), conv_y(y1)};
    clipRect(&r);
}

void cWorldDC::clipRect(const myContour& c)
{
    clipRect(c.getXmin(), c.getYmin(), c.getXmax(), c.getYmax());
}

void cWorldDC::w_move(double x, double y)
{
    if (dc)
        dc->MoveTo(conv_x(x), conv_y(y));
    curX = x;
    curY = y;
}

void cWorldDC::w_line(double x, double y)
{
    if (dc)
        dc->LineTo(conv_x(x), conv_y(y));
    curX = x;
    curY = y;
}

void cWorldDC::w_arc(double sx, double sy, double ex, double ey)
{
    const double cx = curX, cy = curY;
    const double r = std::hypot(sx - cx, sy - cy);
    const int left = conv_x(cx - r);
    const int top = conv_y(cy + r);
    const int right = AddPixels(conv_x(cx + r), 1);
    const int bottom = AddPixels(conv_y(cy - r), 1);
    if (dc && static_cast<long long>(right) - left >= 2 && static_cast<long long>(bottom) - top >= 2 &&
        dc->Arc(left, top, right, bottom, conv_x(sx), conv_y(sy), conv_x(ex), conv_y(ey))) {
        w_move(ex, ey);
        return;
    }
    w_move(sx, sy);
    w_line(ex, ey);
}

void cWorldDC::w_pol_arc(double ex, double ey, double r)
{
    const double x0 = curX, y0 = curY;
    const double half = std::hypot(ex - x0, ey - y0) / 2.0;
    const bool tiny = std::llabs(static_cast<long long>(conv_x(ex)) - conv_x(x0)) <= 1 &&
                      std::llabs(static_cast<long long>(conv_y(ey)) - conv_y(y0)) <= 1;
    if (std::fabs(r) < half || tiny || half <= 0.0) {
        w_line(ex, ey);
        return;
    }
    double h = std::sqrt(r * r - half * half);
    if (r < 0.0)
        h = -h;
    const double cx = (x0 + ex + (ey - y0) * h / half) / 2.0;
    const double cy = (y0 + ey - (ex - x0) * h / half) / 2.0;
    w_move(cx, cy);
    if (r >= 0.0)
        w_arc(ex, ey, x0, y0);
    else
        w_arc(x0, y0, ex, ey);
    w_move(ex, ey);
}

void cWorldDC::w_circle(double cx, double cy, double r)
{
    if (dc) {
        CGdiObject* old = dc->SelectStockObject(NULL_BRUSH);
        dc->Ellipse(conv_x(cx - r), conv_y(cy + r), conv_x(cx + r), conv_y(cy - r));
        if (old)
            dc->SelectObject(old);
    }
    w_move(cx, cy);
}

void cWorldDC::w_ellipse(double x1, double y1, double x2, double y2)
{
    if (dc)
        dc->Ellipse(conv_x(x1), conv_y(y1), AddPixels(conv_x(x2), 1), AddPixels(conv_y(y2), 1));
    w_move((x1 + x2) / 2.0, (y1 + y2) / 2.0);
}
