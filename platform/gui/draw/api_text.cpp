// Win32 text functions.
#include <algorithm>
#include <cstring>
#include <vector>

#include "dc.h"
#include "drawtext.h"
#include "text.h"
#include "win32/gdi.h"

using namespace gdi;

namespace {

constexpr int kMaxText = 1 << 20;

int Length(LPCSTR text, int count)
{
    if (!text)
        return 0;
    if (count < 0)
        return static_cast<int>(strnlen(text, kMaxText));
    return std::min(count, kMaxText);
}

// A device length back in logical units.
int LogicalX(DeviceContext& dc, int px)
{
    return dc.ToLogical(px, 0).x - dc.ToLogical(0, 0).x;
}
int LogicalY(DeviceContext& dc, int px)
{
    return dc.ToLogical(0, px).y - dc.ToLogical(0, 0).y;
}

// The x positions of tab-separated pieces; returns the total width in pixels.
int TabbedWidth(DeviceContext& dc, LPCSTR text, int n, int tabCount, const INT* tabs,
                int origin, std::vector<std::pair<int, int>>* pieces)
{
    const int avg = DCFont(dc).Metrics().tmAveCharWidth;
    int x = 0, start = 0;
    for (int i = 0; i <= n; ++i) {
        if (i < n && text[i] != '\t')
            continue;
        if (pieces)
            pieces->emplace_back(start, x);
        x += TextWidth(dc, text + start, i - start);
        if (i < n) {
            int next = -1;
            if (tabCount > 0 && tabs) {
                for (int k = 0; k < tabCount; ++k) {
                    if (tabs[k] - origin > x) {
                        next = tabs[k] - origin;
                        break;
                    }
                }
                if (next < 0 && tabCount == 1 && tabs[0] > 0)
                    next = (x / tabs[0] + 1) * tabs[0];
            }
            if (next < 0) {
                const int step = std::max(1, 8 * avg);
                next = (x / step + 1) * step;
            }
            x = next;
        }
        start = i + 1;
    }
    return x;
}

} // namespace

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* dx)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || (count > 0 && !text))
        return FALSE;
    const int n = Length(text, static_cast<int>(std::min<UINT>(count, kMaxText)));
    DCState& s = dc->State();
    const bool updateCp = (s.textAlign & TA_UPDATECP) != 0;
    const POINT refLogical = updateCp ? s.pos : POINT{x, y};
    const POINT ref = dc->ToSurface(refLogical.x, refLogical.y);
    RECT box{};
    if (rect) {
        const POINT a = dc->ToSurface(rect->left, rect->top);
        const POINT b = dc->ToSurface(rect->right, rect->bottom);
        box = RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    }
    std::vector<int> adv;
    if (dx) {
        adv.resize(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            adv[i] = dc->ScaleX(dx[i]) * (dx[i] < 0 ? -1 : 1);
    }
    TextRun run;
    run.text = text;
    run.count = n;
    run.dx = dx ? adv.data() : nullptr;
    const bool opaqueRect = rect && (options & ETO_OPAQUE);
    const bool clipped = rect && (options & ETO_CLIPPED);
    const int w = DrawTextRun(*dc, ref, s.textAlign, run, opaqueRect ? &box : nullptr,
                              clipped ? &box : nullptr, s.bkMode == OPAQUE && !opaqueRect);
    if (updateCp) {
        const UINT h = s.textAlign & (TA_CENTER | TA_RIGHT);
        if (h == TA_LEFT)
            s.pos.x += LogicalX(*dc, w);
        else if (h == TA_RIGHT)
            s.pos.x -= LogicalX(*dc, w);
    }
    return TRUE;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count)
{
    if (count < 0)
        return FALSE;
    return ExtTextOutA(hdc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

LONG TabbedTextOutA(HDC hdc, int x, int y, LPCSTR text, int count, int tabCount,
                    const INT* tabStops, int tabOrigin)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !text)
        return 0;
    const int n = Length(text, count);
    std::vector<std::pair<int, int>> pieces;
    const int w = TabbedWidth(*dc, text, n, tabCount, tabStops, tabOrigin - x, &pieces);
    const POINT ref = dc->ToSurface(x, y);
    for (size_t k = 0; k < pieces.size(); ++k) {
        const int start = pieces[k].first;
        int end = n;
        for (int i = start; i < n; ++i) {
            if (text[i] == '\t') {
                end = i;
                break;
            }
        }
        TextRun run;
        run.text = text + start;
        run.count = end - start;
        DrawTextRun(*dc, POINT{ref.x + pieces[k].second, ref.y},
                    dc->State().textAlign & ~static_cast<UINT>(TA_CENTER | TA_RIGHT), run,
                    nullptr, nullptr, dc->State().bkMode == OPAQUE);
    }
    const int h = DCFont(*dc).Metrics().tmHeight;
    return MAKELONG(LogicalX(*dc, w), LogicalY(*dc, h));
}

DWORD GetTabbedTextExtentA(HDC hdc, LPCSTR text, int count, int tabCount, const INT* tabStops)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !text)
        return 0;
    const int w = TabbedWidth(*dc, text, Length(text, count), tabCount, tabStops, 0, nullptr);
    return static_cast<DWORD>(MAKELONG(LogicalX(*dc, w), LogicalY(*dc, DCFont(*dc).Metrics().tmHeight)));
}

int DrawTextExA(HDC hdc, LPSTR text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !text || !rect)
        return 0;
    return FormatText(*dc, text, Length(text, count), rect, format, params);
}

int DrawTextA(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !text || !rect)
        return 0;
    return FormatText(*dc, text, Length(text, count), rect, format, nullptr);
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, LPSIZE size)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !size || count < 0 || (count > 0 && !text))
        return FALSE;
    const int n = std::min(count, kMaxText);
    size->cx = LogicalX(*dc, TextWidth(*dc, text, n));
    size->cy = LogicalY(*dc, DCFont(*dc).Metrics().tmHeight);
    return TRUE;
}

BOOL GetTextExtentPointA(HDC hdc, LPCSTR text, int count, LPSIZE size)
{
    return GetTextExtentPoint32A(hdc, text, count, size);
}

BOOL GetTextExtentExPointA(HDC hdc, LPCSTR text, int count, int maxExtent, int* fit, int* dx,
                           LPSIZE size)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !size || count < 0 || (count > 0 && !text))
        return FALSE;
    const int n = std::min(count, kMaxText);
    int x = 0, fits = 0;
    for (int i = 0; i < n; ++i) {
        x += TextWidth(*dc, text + i, 1);
        const int lx = LogicalX(*dc, x);
        if (dx)
            dx[i] = lx;
        if (maxExtent < 0 || lx <= maxExtent)
            fits = i + 1;
    }
    if (fit)
        *fit = fits;
    size->cx = LogicalX(*dc, x);
    size->cy = LogicalY(*dc, DCFont(*dc).Metrics().tmHeight);
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, LPTEXTMETRICA metrics)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !metrics)
        return FALSE;
    *metrics = DCFont(*dc).Metrics();
    return TRUE;
}

BOOL GetCharWidth32A(HDC hdc, UINT first, UINT last, int* widths)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !widths || first > last || last > 0xFF)
        return FALSE;
    FontInstance& font = DCFont(*dc);
    for (UINT c = first; c <= last; ++c)
        widths[c - first] = LogicalX(*dc, font.Advance(static_cast<unsigned char>(c)));
    return TRUE;
}

int GetTextFaceA(HDC hdc, int size, LPSTR face)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return 0;
    const LOGFONTA& lf = DCFont(*dc).LogFont();
    const char* name = lf.lfFaceName[0] ? lf.lfFaceName : "System";
    const int len = static_cast<int>(strnlen(name, LF_FACESIZE - 1));
    if (!face)
        return len + 1;
    if (size <= 0)
        return 0;
    const int n = std::min(len, size - 1);
    std::memcpy(face, name, static_cast<size_t>(n));
    face[n] = 0;
    return n;
}
