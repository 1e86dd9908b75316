// cWorldDC: arrowheads, contours and cut nodes.
#include <misc/geometry/worlddc.h>

#include "worlddc_round.h"

#include <cmath>
#include <cstdio>
#include <cstring>

using misc_worlddc::AddPixels;
using misc_worlddc::RoundPixel;

namespace {

// Points handed to the context per PolylineTo call.
constexpr int kRun = 4096;

// i mod n in 0 .. n - 1 for any sign of i (n >= 1).
int Wrap(long long i, int n)
{
    const long long m = i % n;
    return static_cast<int>(m < 0 ? m + n : m);
}

// Selects a pen for the lifetime of the object and puts the previous one back.
class PenScope
{
public:
    PenScope(CDC* dc, CPen* pen) : m_dc(pen ? dc : nullptr)
    {
        if (m_dc)
            m_old = m_dc->SelectObject(pen);
    }
    ~PenScope()
    {
        if (m_dc && m_old)
            m_dc->SelectObject(m_old);
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    CDC* m_dc;
    CPen* m_old = nullptr;
};

} // namespace

int cWorldDC::w_arrow(const InterfacePoint& tip, const InterfacePoint& tail)
{
    const double len = std::hypot(tip.x - tail.x, tip.y - tail.y);
    if (len < 0.001)
        return 0;
    const double k = 6.0 * (pixelX + pixelY) / len;
    const double dx = (tip.x - tail.x) * k;
    const double dy = (tip.y - tail.y) * k;
    w_move(tip.x - dx + dy / 4.0, tip.y - dy - dx / 4.0);
    w_line(tip.x, tip.y);
    w_line(tip.x - dx - dy / 4.0, tip.y - dy + dx / 4.0);
    w_move(tip.x, tip.y);
    return 1;
}

void cWorldDC::drawArrorFrom(const myContour& c, int i, int reverse)
{
    const int n = static_cast<int>(c.GetSize());
    if (n < 1)
        return;
    i = Wrap(i, n);
    for (int k = 1; k < n; ++k) {
        const int j = Wrap(reverse ? static_cast<long long>(i) - k : static_cast<long long>(i) + k, n);
        if (w_arrow(c[j], c[i]))
            break;
    }
}

void cWorldDC::drawArrorTo(const myContour& c, int i, int reverse)
{
    const int n = static_cast<int>(c.GetSize());
    if (n < 1)
        return;
    i = Wrap(i, n);
    for (int k = 1; k < n; ++k) {
        const int j = Wrap(reverse ? static_cast<long long>(i) + k : static_cast<long long>(i) - k, n);
        if (w_arrow(c[i], c[j]))
            break;
    }
}

void cWorldDC::drawContour(const myContour& c, CPen* pen)
{
    const int n = static_cast<int>(c.GetSize());
    if (n < 1)
        return;
    PenScope scope(dc, pen);
    const InterfacePoint* p = c.GetData();
    w_move(p[0]);
    const InterfacePoint& last = c.closed ? p[0] : p[n - 1];
    if (dc && n > 1) {
        // Lines to every point, handed to the context in runs: the same segments, so the same
        // pixels, as one LineTo per point.
        const int total = c.closed ? n : n - 1; // lines to draw
        POINT run[kRun];
        int filled = 0;
        for (int k = 1; k <= total; ++k) {
            const InterfacePoint& q = p[k < n ? k : 0];
            run[filled++] = POINT{RoundPixel(vpLeft + (q.x - worldX1) * scaleX),
                                  RoundPixel(vpBottom - (q.y - worldY1) * scaleY)};
            if (filled == kRun || k == total) {
                dc->PolylineTo(run, filled);
                filled = 0;
            }
        }
    }
    curX = last.x;
    curY = last.y;
}

void cWorldDC::drawNode(const myContour& c, tagCutNode* node, int index, bool alternative, bool reverse, CPen* pen)
{
    const int n = static_cast<int>(c.GetSize());
    if (n < 1 || index < 0 || !node)
        return;
    PenScope scope(dc, pen);
    const int d = node->start < 0 ? -1 : 1;
    const int s = miscNodeFirstPoint(*node, n);
    const int available = miscNodeAvailable(*node, n, c.closed);
    const int len = node->length > 0 && node->length < available ? node->length : available;

    const int px = conv_x(c[s].x), py = conv_y(c[s].y);
    if (dc)
        dc->Rectangle(AddPixels(px, -3), AddPixels(py, -3), AddPixels(px, 3), AddPixels(py, 3));
    w_move(c[s]);

    if (alternative) {
        // The arrowhead sits on the node's first point whichever way the node runs.
        drawArrorTo(c, s, reverse || (!c.closed && len == 0));
        return;
    }
    for (int k = 1; k <= len; ++k)
        w_line(c[Wrap(s + static_cast<long long>(k) * d, n)]);
    DrawNodeLabel(c, s, d, len, index + 1, c.closed && node->length <= 0);
    drawArrorTo(c, Wrap(s + static_cast<long long>(len) * d, n), d < 0);
}

void cWorldDC::DrawNodeLabel(const myContour& c, int s, int d, int len, int number, bool loop)
{
    if (!dc)
        return;
    const int n = static_cast<int>(c.GetSize());
    char text[32];
    std::snprintf(text, sizeof text, loop ? "(%d)" : "%d", number);
    const int m = Wrap(s + static_cast<long long>(len / 2) * d, n);
    const InterfacePoint& a = c[m];
    const InterfacePoint& b = c[Wrap(static_cast<long long>(m) + d, n)];
    int x = conv_x((a.x + b.x) / 2.0);
    int y = conv_y((a.y + b.y) / 2.0);
    const CSize extent = dc->GetTextExtent(text, static_cast<int>(std::strlen(text)));
    if (static_cast<long long>(x) + extent.cx > vpRight)
        x = AddPixels(vpRight, -static_cast<int>(extent.cx));
    if (static_cast<long long>(y) + extent.cy > vpBottom)
        y = AddPixels(vpBottom, -static_cast<int>(extent.cy));
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    dc->TextOut(x, y, text, static_cast<int>(std::strlen(text)));
    dc->SetBkMode(oldMode);
}
