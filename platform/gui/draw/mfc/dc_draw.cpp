// CDC: lines, shapes, bitmaps, text and MFC's drawing helpers.
#include <algorithm>

#include "mfc/gdi.h"

// ---- Lines ----

CPoint CDC::GetCurrentPosition() const
{
    POINT p{0, 0};
    ::GetCurrentPositionEx(m_hAttribDC, &p);
    return CPoint(p);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT p{0, 0};
    ::MoveToEx(m_hDC, x, y, &p);
    return CPoint(p);
}

CPoint CDC::MoveTo(POINT point) { return MoveTo(point.x, point.y); }
BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::LineTo(POINT point) { return LineTo(point.x, point.y); }

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT r, POINT s, POINT e)
{
    return r ? Arc(r->left, r->top, r->right, r->bottom, s.x, s.y, e.x, e.y) : FALSE;
}

BOOL CDC::ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::ArcTo(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::ArcTo(LPCRECT r, POINT s, POINT e)
{
    return r ? ArcTo(r->left, r->top, r->right, r->bottom, s.x, s.y, e.x, e.y) : FALSE;
}

BOOL CDC::Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }

BOOL CDC::PolylineTo(const POINT* points, int count)
{
    return count >= 0 ? ::PolylineTo(m_hDC, points, static_cast<DWORD>(count)) : FALSE;
}

BOOL CDC::PolyPolyline(const POINT* points, const DWORD* counts, int polylines)
{
    return polylines >= 0 ? ::PolyPolyline(m_hDC, points, counts, static_cast<DWORD>(polylines))
                          : FALSE;
}

BOOL CDC::PolyBezier(const POINT* points, int count)
{
    return count >= 0 ? ::PolyBezier(m_hDC, points, static_cast<DWORD>(count)) : FALSE;
}

BOOL CDC::PolyBezierTo(const POINT* points, int count)
{
    return count >= 0 ? ::PolyBezierTo(m_hDC, points, static_cast<DWORD>(count)) : FALSE;
}

// ---- Simple drawing ----

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    if (brush)
        ::FillRect(m_hDC, rect, static_cast<HBRUSH>(brush->m_hObject));
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    if (brush)
        ::FrameRect(m_hDC, rect, static_cast<HBRUSH>(brush->m_hObject));
}

void CDC::InvertRect(LPCRECT rect) { ::InvertRect(m_hDC, rect); }
void CDC::DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }

BOOL CDC::DrawFrameControl(LPRECT rect, UINT type, UINT state)
{
    return ::DrawFrameControl(m_hDC, rect, type, state);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    // As in MFC, the background colour stays set to the fill colour.
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    const RECT r{x, y, x + cx, y + cy};
    FillSolidRect(&r, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (rect)
        Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

CBrush* CDC::GetHalftoneBrush()
{
    static CBrush* brush = [] {
        WORD rows[8];
        for (int i = 0; i < 8; ++i)
            rows[i] = static_cast<WORD>(0x5555u << (i & 1));
        auto* b = new CBrush();
        HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 1, rows);
        b->CreatePatternBrush(CBitmap::FromHandle(bitmap));
        ::DeleteObject(bitmap);
        MiscKeepGdiObject(b->m_hObject);
        return b;
    }();
    return brush;
}

namespace {

// The frame of r with the given thickness (the whole of r when it is thinner than that).
HRGN FrameRegion(const RECT& r, SIZE size)
{
    HRGN outer = ::CreateRectRgnIndirect(&r);
    RECT in{r.left + size.cx, r.top + size.cy, r.right - size.cx, r.bottom - size.cy};
    if (in.left < in.right && in.top < in.bottom) {
        HRGN inner = ::CreateRectRgnIndirect(&in);
        ::CombineRgn(outer, outer, inner, RGN_DIFF);
        ::DeleteObject(inner);
    }
    return outer;
}

void InvertWith(HDC dc, HRGN region, HBRUSH brush)
{
    ::SelectClipRgn(dc, region);
    RECT box;
    ::GetClipBox(dc, &box);
    HGDIOBJ old = ::SelectObject(dc, brush);
    ::PatBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, PATINVERT);
    ::SelectObject(dc, old);
}

} // namespace

void CDC::DrawDragRect(LPCRECT rect, SIZE size, LPCRECT rectLast, SIZE sizeLast, CBrush* brush,
                       CBrush* brushLast)
{
    if (!rect || !m_hDC)
        return;
    if (!brush)
        brush = GetHalftoneBrush();
    if (!brushLast)
        brushLast = brush;
    const int saved = ::SaveDC(m_hDC); // the clip region is ours only for this call
    HRGN now = FrameRegion(*rect, size);
    if (rectLast) {
        HRGN last = FrameRegion(*rectLast, sizeLast);
        if (brush->m_hObject == brushLast->m_hObject) {
            // Inverting the symmetric difference moves the frame in one pass.
            ::CombineRgn(now, now, last, RGN_XOR);
        } else {
            InvertWith(m_hDC, last, static_cast<HBRUSH>(brushLast->m_hObject));
        }
        ::DeleteObject(last);
    }
    InvertWith(m_hDC, now, static_cast<HBRUSH>(brush->m_hObject));
    ::DeleteObject(now);
    ::RestoreDC(m_hDC, saved);
}

BOOL CDC::FillGradientRect(LPCRECT rect, COLORREF from, COLORREF to, BOOL horizontal)
{
    if (!rect)
        return FALSE;
    TRIVERTEX v[2] = {{rect->left, rect->top, static_cast<COLOR16>(GetRValue(from) << 8),
                       static_cast<COLOR16>(GetGValue(from) << 8),
                       static_cast<COLOR16>(GetBValue(from) << 8), 0},
                      {rect->right, rect->bottom, static_cast<COLOR16>(GetRValue(to) << 8),
                       static_cast<COLOR16>(GetGValue(to) << 8),
                       static_cast<COLOR16>(GetBValue(to) << 8), 0}};
    GRADIENT_RECT mesh{0, 1};
    return ::GradientFill(m_hDC, v, 2, &mesh, 1,
                          horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

BOOL CDC::GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount,
                       DWORD mode)
{
    return ::GradientFill(m_hDC, vertices, vertexCount, mesh, meshCount, mode);
}

// ---- Shapes ----

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Chord(LPCRECT r, POINT s, POINT e)
{
    return r ? Chord(r->left, r->top, r->right, r->bottom, s.x, s.y, e.x, e.y) : FALSE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Ellipse(LPCRECT r) { return r ? Ellipse(r->left, r->top, r->right, r->bottom) : FALSE; }

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Pie(LPCRECT r, POINT s, POINT e)
{
    return r ? Pie(r->left, r->top, r->right, r->bottom, s.x, s.y, e.x, e.y) : FALSE;
}

BOOL CDC::Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }

BOOL CDC::PolyPolygon(const POINT* points, const INT* counts, int polygons)
{
    return ::PolyPolygon(m_hDC, points, counts, polygons);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }

BOOL CDC::Rectangle(LPCRECT r)
{
    return r ? Rectangle(r->left, r->top, r->right, r->bottom) : FALSE;
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT r, POINT corner)
{
    return r ? RoundRect(r->left, r->top, r->right, r->bottom, corner.x, corner.y) : FALSE;
}

// ---- Bitmaps ----

BOOL CDC::PatBlt(int x, int y, int w, int h, DWORD rop) { return ::PatBlt(m_hDC, x, y, w, h, rop); }

BOOL CDC::BitBlt(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, xSrc, ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, int sw, int sh,
                     DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, xSrc, ySrc, sw, sh, rop);
}

BOOL CDC::MaskBlt(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, CBitmap& mask,
                  int xMask, int yMask, DWORD rop)
{
    return ::MaskBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, xSrc, ySrc,
                     static_cast<HBITMAP>(mask.m_hObject), xMask, yMask, rop);
}

BOOL CDC::TransparentBlt(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, int sw, int sh,
                         UINT transparent)
{
    return ::TransparentBlt(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, xSrc, ySrc, sw, sh,
                            transparent);
}

BOOL CDC::AlphaBlend(int x, int y, int w, int h, CDC* src, int xSrc, int ySrc, int sw, int sh,
                     BLENDFUNCTION blend)
{
    return ::AlphaBlend(m_hDC, x, y, w, h, src ? src->m_hDC : nullptr, xSrc, ySrc, sw, sh, blend);
}

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
COLORREF CDC::SetPixel(POINT point, COLORREF color) { return SetPixel(point.x, point.y, color); }
BOOL CDC::SetPixelV(int x, int y, COLORREF color) { return ::SetPixelV(m_hDC, x, y, color); }
BOOL CDC::SetPixelV(POINT point, COLORREF color) { return SetPixelV(point.x, point.y, color); }

// ---- Text ----

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count) { return ::TextOutA(m_hDC, x, y, text, count); }

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    return TextOut(x, y, text.GetString(), text.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, int* dx)
{
    return ::ExtTextOutA(m_hDC, x, y, options, rect, text, count, dx);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, int* dx)
{
    return ExtTextOut(x, y, options, rect, text.GetString(), static_cast<UINT>(text.GetLength()), dx);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR text, int count, int tabCount, int* tabStops,
                         int tabOrigin)
{
    const LONG r = ::TabbedTextOutA(m_hDC, x, y, text, count, tabCount, tabStops, tabOrigin);
    return CSize(static_cast<SHORT>(LOWORD(r)), static_cast<SHORT>(HIWORD(r)));
}

CSize CDC::TabbedTextOut(int x, int y, const CString& text, int tabCount, int* tabStops,
                         int tabOrigin)
{
    return TabbedTextOut(x, y, text.GetString(), text.GetLength(), tabCount, tabStops, tabOrigin);
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format)
{
    return ::DrawTextA(m_hDC, text, count, rect, format);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text.GetString(), text.GetLength(), rect, format);
}

int CDC::DrawTextEx(LPTSTR text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params)
{
    return ::DrawTextExA(m_hDC, text, count, rect, format, params);
}

int CDC::DrawTextEx(const CString& text, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params)
{
    // DrawTextEx does not change the text here (DT_MODIFYSTRING is not supported), so the
    // string's own buffer can be passed.
    return DrawTextEx(const_cast<LPTSTR>(text.GetString()), text.GetLength(), rect,
                      format & ~static_cast<UINT>(DT_MODIFYSTRING), params);
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const
{
    SIZE s{0, 0};
    ::GetTextExtentPoint32A(m_hAttribDC, text, count, &s);
    return CSize(s);
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text.GetString(), text.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR text, int count) const
{
    SIZE s{0, 0};
    ::GetTextExtentPoint32A(m_hDC, text, count, &s);
    return CSize(s);
}

CSize CDC::GetOutputTextExtent(const CString& text) const
{
    return GetOutputTextExtent(text.GetString(), text.GetLength());
}

CSize CDC::GetTabbedTextExtent(LPCTSTR text, int count, int tabCount, int* tabStops) const
{
    const DWORD r = ::GetTabbedTextExtentA(m_hAttribDC, text, count, tabCount, tabStops);
    return CSize(static_cast<SHORT>(LOWORD(r)), static_cast<SHORT>(HIWORD(r)));
}

CSize CDC::GetTabbedTextExtent(const CString& text, int tabCount, int* tabStops) const
{
    return GetTabbedTextExtent(text.GetString(), text.GetLength(), tabCount, tabStops);
}

UINT CDC::GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
UINT CDC::SetTextAlign(UINT align) { return ::SetTextAlign(m_hDC, align); }
int CDC::GetTextFace(int count, LPTSTR face) const { return ::GetTextFaceA(m_hAttribDC, count, face); }

int CDC::GetTextFace(CString& face) const
{
    char buffer[LF_FACESIZE] = {};
    const int n = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, buffer);
    face = buffer;
    return n;
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA metrics) const { return ::GetTextMetricsA(m_hAttribDC, metrics); }
BOOL CDC::GetOutputTextMetrics(LPTEXTMETRICA metrics) const { return ::GetTextMetricsA(m_hDC, metrics); }
int CDC::GetTextCharacterExtra() const { return ::GetTextCharacterExtra(m_hAttribDC); }
int CDC::SetTextCharacterExtra(int extra) { return ::SetTextCharacterExtra(m_hDC, extra); }

BOOL CDC::GetCharWidth(UINT first, UINT last, int* widths) const
{
    return ::GetCharWidth32A(m_hAttribDC, first, last, widths);
}
