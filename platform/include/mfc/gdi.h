#pragma once
// MFC drawing classes: CGdiObject and its families (CPen, CBrush, CFont, CBitmap, CRgn,
// CPalette) and CDC, thin fronts over the Win32 functions of win32/gdi.h.
//
// How a window system makes contexts for windows:
// - A window owns a MiscSurface (win32/surface.h). Its client context is
//   MiscCreateSurfaceDC(&surface, clientLeft, clientTop, &visibleRect): device (0, 0) is the
//   client area's top-left corner and drawing is clipped to `visibleRect` (surface coordinates).
//   A window context uses the window's own corner as origin. Release either with DeleteDC.
// - CClientDC, CWindowDC and CPaintDC derive from CDC. Their constructors get the HDC (from
//   GetDC / GetWindowDC / BeginPaint, which call MiscCreateSurfaceDC) and call Attach(hdc);
//   their destructors call Detach() and hand the HDC back (ReleaseDC / EndPaint, which call
//   DeleteDC). CDC's destructor deletes a context that is still attached, so a derived class
//   must Detach before it hands its context back.
// - CDC::FromHandle gives the attached CDC of a handle, or a temporary wrapper that lives until
//   CDC::DeleteTempMap (the window system's idle processing) or until the handle is deleted
//   through CDC::DeleteDC. CGdiObject::FromHandle works the same way for GDI objects.
#include "mfc/atltypes.h"
#include "mfc/object.h"
#include "mfc/string.h"
#include "win32/gdi.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CDC;
class CWnd;

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    ~CGdiObject() override; // deletes the object it holds
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    static CGdiObject* FromHandle(HGDIOBJ handle);
    static void DeleteTempMap();
    BOOL Attach(HGDIOBJ handle);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int count, LPVOID buffer) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int index);
    BOOL UnrealizeObject();
    BOOL operator==(const CGdiObject& other) const { return m_hObject == other.m_hObject; }
    BOOL operator!=(const CGdiObject& other) const { return m_hObject != other.m_hObject; }
};

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color);
    CPen(int style, int width, const LOGBRUSH* brush, int styleCount = 0,
         const DWORD* styles = nullptr);
    static CPen* FromHandle(HPEN pen);
    operator HPEN() const { return static_cast<HPEN>(GetSafeHandle()); }
    BOOL CreatePen(int style, int width, COLORREF color);
    BOOL CreatePen(int style, int width, const LOGBRUSH* brush, int styleCount = 0,
                   const DWORD* styles = nullptr);
    BOOL CreatePenIndirect(LPLOGPEN pen);
    int GetLogPen(LOGPEN* pen) const;
};

class CBitmap;

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF color);
    CBrush(int hatch, COLORREF color);
    explicit CBrush(CBitmap* bitmap);
    static CBrush* FromHandle(HBRUSH brush);
    operator HBRUSH() const { return static_cast<HBRUSH>(GetSafeHandle()); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateHatchBrush(int hatch, COLORREF color);
    BOOL CreateBrushIndirect(const LOGBRUSH* brush);
    BOOL CreatePatternBrush(CBitmap* bitmap);
    BOOL CreateDIBPatternBrush(const void* packedDib, UINT usage);
    BOOL CreateSysColorBrush(int index);
    int GetLogBrush(LOGBRUSH* brush) const;
};

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    static CFont* FromHandle(HFONT font);
    operator HFONT() const { return static_cast<HFONT>(GetSafeHandle()); }
    BOOL CreateFontIndirect(const LOGFONTA* font);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight,
                    BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                    BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                    LPCTSTR face);
    // Point size in tenths of a point, converted with the context's (or the screen's) 96 DPI.
    BOOL CreatePointFont(int pointSize, LPCTSTR face, CDC* dc = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONTA* font, CDC* dc = nullptr);
    int GetLogFont(LOGFONTA* font) const;
};

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    static CBitmap* FromHandle(HBITMAP bitmap);
    operator HBITMAP() const { return static_cast<HBITMAP>(GetSafeHandle()); }
    // From the current resource module, then the extension libraries of the chain.
    BOOL LoadBitmap(LPCTSTR name);
    BOOL LoadBitmap(UINT id);
    BOOL LoadMappedBitmap(UINT id, UINT flags = 0, void* colorMap = nullptr, int mapSize = 0);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateBitmapIndirect(LPBITMAP bitmap);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateDiscardableBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* bitmap) const;
    DWORD SetBitmapBits(DWORD size, const void* bits);
    DWORD GetBitmapBits(DWORD size, LPVOID bits) const;
    CSize GetBitmapDimension() const;
};

class CPalette : public CGdiObject {
    DECLARE_DYNAMIC(CPalette)
public:
    static CPalette* FromHandle(HPALETTE palette);
    operator HPALETTE() const { return static_cast<HPALETTE>(GetSafeHandle()); }
    BOOL CreatePalette(LPLOGPALETTE palette);
    int GetEntryCount() const;
    UINT GetPaletteEntries(UINT start, UINT count, LPPALETTEENTRY entries) const;
    UINT GetNearestPaletteIndex(COLORREF color) const;
};

class CRgn : public CGdiObject {
    DECLARE_DYNAMIC(CRgn)
public:
    static CRgn* FromHandle(HRGN region);
    operator HRGN() const { return static_cast<HRGN>(GetSafeHandle()); }
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rect);
    BOOL CreateEllipticRgn(int left, int top, int right, int bottom);
    BOOL CreateEllipticRgnIndirect(LPCRECT rect);
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    BOOL CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons,
                              int fillMode);
    BOOL CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
    void SetRectRgn(int left, int top, int right, int bottom);
    void SetRectRgn(LPCRECT rect);
    // These answer NULLREGION, SIMPLEREGION, COMPLEXREGION or ERROR.
    int CombineRgn(const CRgn* src1, const CRgn* src2, int mode);
    int CopyRgn(const CRgn* src);
    int OffsetRgn(int dx, int dy);
    int OffsetRgn(POINT point);
    int GetRgnBox(LPRECT rect) const;
    BOOL EqualRgn(const CRgn* other) const;
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const;
    BOOL RectInRegion(LPCRECT rect) const;
};

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    HDC m_hDC = nullptr;       // output context
    HDC m_hAttribDC = nullptr; // attribute context (the same handle here)
    BOOL m_bPrinting = FALSE;

    CDC() = default;
    ~CDC() override; // deletes the context when one is still attached
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Handles and wrappers.
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return GetSafeHdc(); }
    static CDC* FromHandle(HDC dc);
    static void DeleteTempMap();
    BOOL Attach(HDC dc);
    HDC Detach();
    virtual void SetAttribDC(HDC dc);
    virtual void SetOutputDC(HDC dc);
    virtual void ReleaseAttribDC();
    virtual void ReleaseOutputDC();

    // Creation and state.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    virtual int SaveDC();
    virtual BOOL RestoreDC(int saved);
    int GetDeviceCaps(int index) const;
    BOOL IsPrinting() const { return m_bPrinting; }

    // Objects.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    virtual CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* region); // the clip region type
    CGdiObject* SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ object);
    virtual CGdiObject* SelectStockObject(int index);
    CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
    UINT RealizePalette();
    COLORREF GetNearestColor(COLORREF color) const;
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;
    CPalette* GetCurrentPalette() const;

    // Attributes.
    COLORREF GetBkColor() const;
    int GetBkMode() const;
    int GetPolyFillMode() const;
    int GetROP2() const;
    int GetStretchBltMode() const;
    COLORREF GetTextColor() const;
    virtual COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    int SetPolyFillMode(int mode);
    int SetROP2(int rop2);
    int SetStretchBltMode(int mode);
    virtual COLORREF SetTextColor(COLORREF color);
    CPoint GetBrushOrg() const;
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(POINT point);
    int GetArcDirection() const;
    int SetArcDirection(int direction);

    // Coordinates.
    int GetMapMode() const;
    virtual int SetMapMode(int mode);
    CPoint GetViewportOrg() const;
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point);
    virtual CPoint OffsetViewportOrg(int dx, int dy);
    CSize GetViewportExt() const;
    virtual CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size);
    CPoint GetWindowOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point);
    CPoint OffsetWindowOrg(int dx, int dy);
    CSize GetWindowExt() const;
    virtual CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size);
    void DPtoLP(LPPOINT points, int count = 1) const;
    void DPtoLP(LPRECT rect) const;
    void DPtoLP(LPSIZE size) const;
    void LPtoDP(LPPOINT points, int count = 1) const;
    void LPtoDP(LPRECT rect) const;
    void LPtoDP(LPSIZE size) const;

    // Regions and clipping.
    BOOL FillRgn(CRgn* region, CBrush* brush);
    BOOL FrameRgn(CRgn* region, CBrush* brush, int width, int height);
    BOOL InvertRgn(CRgn* region);
    BOOL PaintRgn(CRgn* region);
    virtual int GetClipBox(LPRECT rect) const;
    virtual BOOL PtVisible(int x, int y) const;
    BOOL PtVisible(POINT point) const;
    virtual BOOL RectVisible(LPCRECT rect) const;
    int SelectClipRgn(CRgn* region);
    int SelectClipRgn(CRgn* region, int mode);
    int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(LPCRECT rect);
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect);
    int OffsetClipRgn(int dx, int dy);
    int OffsetClipRgn(SIZE size);

    // Lines.
    CPoint GetCurrentPosition() const;
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Arc(LPCRECT rect, POINT start, POINT end);
    BOOL ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL ArcTo(LPCRECT rect, POINT start, POINT end);
    BOOL Polyline(const POINT* points, int count);
    BOOL PolylineTo(const POINT* points, int count);
    BOOL PolyPolyline(const POINT* points, const DWORD* counts, int polylines);
    BOOL PolyBezier(const POINT* points, int count);
    BOOL PolyBezierTo(const POINT* points, int count);

    // Simple drawing.
    void FillRect(LPCRECT rect, CBrush* brush);
    void FrameRect(LPCRECT rect, CBrush* brush);
    void InvertRect(LPCRECT rect);
    void DrawFocusRect(LPCRECT rect);
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state);
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    // Inverts the frame of `rect` (thickness `size`) and, when given, first the frame of
    // `rectLast` (thickness `sizeLast`) so that a dragged frame moves without trails; the parts
    // the two frames share are not touched. Brushes default to the halftone brush.
    void DrawDragRect(LPCRECT rect, SIZE size, LPCRECT rectLast, SIZE sizeLast,
                      CBrush* brush = nullptr, CBrush* brushLast = nullptr);
    // The shared 50% grey checkerboard brush (black and white pixels) of drag rectangles.
    static CBrush* GetHalftoneBrush();
    // A two-colour gradient over a rectangle (horizontal or vertical).
    BOOL FillGradientRect(LPCRECT rect, COLORREF from, COLORREF to, BOOL horizontal);
    BOOL GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount,
                      DWORD mode);

    // Shapes.
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Chord(LPCRECT rect, POINT start, POINT end);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT rect);
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Pie(LPCRECT rect, POINT start, POINT end);
    BOOL Polygon(const POINT* points, int count);
    BOOL PolyPolygon(const POINT* points, const INT* counts, int polygons);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT rect);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL RoundRect(LPCRECT rect, POINT corner);

    // Bitmaps.
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, DWORD rop);
    BOOL MaskBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc,
                 CBitmap& mask, int xMask, int yMask, DWORD rop);
    BOOL TransparentBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc,
                        int srcWidth, int srcHeight, UINT transparent);
    BOOL AlphaBlend(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, BLENDFUNCTION blend);
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const;
    virtual COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(POINT point, COLORREF color);
    BOOL SetPixelV(int x, int y, COLORREF color);
    BOOL SetPixelV(POINT point, COLORREF color);

    // Text.
    virtual BOOL TextOut(int x, int y, LPCTSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text);
    virtual BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count,
                            int* dx);
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, int* dx);
    virtual CSize TabbedTextOut(int x, int y, LPCTSTR text, int count, int tabCount,
                                int* tabStops, int tabOrigin);
    CSize TabbedTextOut(int x, int y, const CString& text, int tabCount, int* tabStops,
                        int tabOrigin);
    virtual int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    virtual int DrawTextEx(LPTSTR text, int count, LPRECT rect, UINT format,
                           LPDRAWTEXTPARAMS params);
    int DrawTextEx(const CString& text, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params);
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    CSize GetOutputTextExtent(LPCTSTR text, int count) const;
    CSize GetOutputTextExtent(const CString& text) const;
    CSize GetTabbedTextExtent(LPCTSTR text, int count, int tabCount, int* tabStops) const;
    CSize GetTabbedTextExtent(const CString& text, int tabCount, int* tabStops) const;
    UINT GetTextAlign() const;
    UINT SetTextAlign(UINT align);
    int GetTextFace(int count, LPTSTR face) const;
    int GetTextFace(CString& face) const;
    BOOL GetTextMetrics(LPTEXTMETRICA metrics) const;
    BOOL GetOutputTextMetrics(LPTEXTMETRICA metrics) const;
    int GetTextCharacterExtra() const;
    int SetTextCharacterExtra(int extra);
    BOOL GetCharWidth(UINT first, UINT last, int* widths) const;
};

MISC_PUBLIC_END
