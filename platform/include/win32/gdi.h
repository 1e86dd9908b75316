#pragma once
// Win32 drawing: device contexts, GDI objects, regions, lines and shapes, text, bitmaps and
// blits, and the classic-look drawing helpers of user32 (edges, frame controls, system colours).
//
// Everything paints into 32-bit surfaces (win32/surface.h). A window system makes a context for a
// window with MiscCreateSurfaceDC; memory contexts come from CreateCompatibleDC and draw into the
// bitmap selected into them. Coordinates follow Windows: logical units through the window and
// viewport origins (and extents for the scaled mapping modes) to device pixels, y downwards;
// rectangles exclude their right and bottom edges; a line excludes its last pixel.
//
// All objects belong to one user-interface thread. Invalid handles are refused (FALSE, NULL,
// ERROR or CLR_INVALID as Windows answers), never dereferenced.
#include "win32/gditypes.h"
#include "win32/surface.h"
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// ---- The virtual screen ----
// Size of the screen that GetDeviceCaps(HORZRES/VERTRES) reports; 1280 x 1024 until changed.
void MiscSetScreenSize(int width, int height);
SIZE MiscGetScreenSize();
// Copies a bitmap's pixels into `out` (resized to the bitmap; 32-bit, row 0 at the top).
BOOL MiscCopyBitmapToSurface(HBITMAP bitmap, MiscSurface* out);
// Limits a surface context (from MiscCreateSurfaceDC) to a region in surface coordinates, on
// top of its clip rectangle: a window's region, the parts its children cover, the update region
// of BeginPaint. A null region removes the limit. The program's own clip region is kept.
BOOL MiscSetDCSystemClip(HDC dc, HRGN region);
// The surface a context paints into (a window's surface, or the selected bitmap's pixels when
// they are held as a surface); null otherwise. For tests and captures.
MiscSurface* MiscGetDCSurface(HDC dc);

// ---- Device contexts ----
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int saved); // saved > 0: that level; < 0: relative to the current one
int GetDeviceCaps(HDC dc, int index);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
int SetArcDirection(HDC dc, int direction);
int GetArcDirection(HDC dc);
int SetTextCharacterExtra(HDC dc, int extra);
int GetTextCharacterExtra(HDC dc);
BOOL SetBrushOrgEx(HDC dc, int x, int y, LPPOINT old);
BOOL GetBrushOrgEx(HDC dc, LPPOINT org);
COLORREF SetDCBrushColor(HDC dc, COLORREF color);
COLORREF SetDCPenColor(HDC dc, COLORREF color);
int SetGraphicsMode(HDC dc, int mode);

// ---- Coordinates ----
int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);
BOOL SetViewportOrgEx(HDC dc, int x, int y, LPPOINT old);
BOOL GetViewportOrgEx(HDC dc, LPPOINT org);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, LPPOINT old);
BOOL SetWindowOrgEx(HDC dc, int x, int y, LPPOINT old);
BOOL GetWindowOrgEx(HDC dc, LPPOINT org);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, LPPOINT old);
BOOL SetViewportExtEx(HDC dc, int x, int y, LPSIZE old);
BOOL GetViewportExtEx(HDC dc, LPSIZE ext);
BOOL SetWindowExtEx(HDC dc, int x, int y, LPSIZE old);
BOOL GetWindowExtEx(HDC dc, LPSIZE ext);
BOOL LPtoDP(HDC dc, LPPOINT points, int count);
BOOL DPtoLP(HDC dc, LPPOINT points, int count);

// ---- Objects ----
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
#define GetObject GetObjectA
DWORD GetObjectType(HGDIOBJ object);
BOOL UnrealizeObject(HGDIOBJ object);

HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* pen);
HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount,
                  const DWORD* styles);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
HBRUSH CreateDIBPatternBrushPt(const void* packedDib, UINT usage);
HFONT CreateFontIndirectA(const LOGFONTA* font);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                  DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                  LPCSTR face);
#define CreateFontIndirect CreateFontIndirectA
#define CreateFont CreateFontA
HPALETTE CreatePalette(const LOGPALETTE* palette);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
UINT RealizePalette(HDC dc);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, LPPALETTEENTRY entries);
UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color);
COLORREF GetNearestColor(HDC dc, COLORREF color);

// ---- Bitmaps ----
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP CreateBitmapIndirect(const BITMAP* bitmap);
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                         HANDLE section, DWORD offset);
HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage);
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info,
              UINT usage);
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage);
LONG GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits);
LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits);
BOOL GetBitmapDimensionEx(HBITMAP bitmap, LPSIZE size);
HBITMAP LoadBitmapA(HINSTANCE module, LPCSTR name);
HANDLE LoadImageA(HINSTANCE module, LPCSTR name, UINT type, int cx, int cy, UINT flags);
#define LoadBitmap LoadBitmapA
#define LoadImage LoadImageA
// Decodes a .bmp file (with or without its 14-byte file header) into a new bitmap; NULL when
// the data is not a bitmap this reader knows (1, 4, 8, 16, 24, 32 bits; RLE4/RLE8).
HBITMAP MiscCreateBitmapFromBmp(const void* data, size_t size);

// ---- Regions ----
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const RECT* rect);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode);
int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, LPRECT rect);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const RECT* rect);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);
BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
BOOL PaintRgn(HDC dc, HRGN region);
BOOL InvertRgn(HDC dc, HRGN region);

// ---- Clipping ----
int SelectClipRgn(HDC dc, HRGN region);
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
int GetClipBox(HDC dc, LPRECT rect);
int GetClipRgn(HDC dc, HRGN region); // 1 with a clip region, 0 without, -1 on error
BOOL PtVisible(HDC dc, int x, int y);
BOOL RectVisible(HDC dc, const RECT* rect);

// ---- Lines and shapes ----
BOOL MoveToEx(HDC dc, int x, int y, LPPOINT old);
BOOL GetCurrentPositionEx(HDC dc, LPPOINT pos);
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL PolylineTo(HDC dc, const POINT* points, DWORD count);
BOOL PolyPolyline(HDC dc, const POINT* points, const DWORD* counts, DWORD polylines);
BOOL PolyBezier(HDC dc, const POINT* points, DWORD count);
BOOL PolyBezierTo(HDC dc, const POINT* points, DWORD count);
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL PolyPolygon(HDC dc, const POINT* points, const INT* counts, int polygons);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd);
BOOL ArcTo(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd);
BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd);
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);

// user32 rectangle painting.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush); // brush may be COLOR_xxx + 1
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);
BOOL DrawFocusRect(HDC dc, const RECT* rect);
BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags);
BOOL DrawFrameControl(HDC dc, LPRECT rect, UINT type, UINT state);
BOOL GradientFill(HDC dc, PTRIVERTEX vertices, ULONG vertexCount, void* mesh, ULONG meshCount,
                  ULONG mode);

// ---- Text ----
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count);
BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* dx);
LONG TabbedTextOutA(HDC dc, int x, int y, LPCSTR text, int count, int tabCount,
                    const INT* tabStops, int tabOrigin);
// DrawText lays text out in `rect`: '&' prefixes, word breaks at spaces (a word wider than the
// rectangle stays whole), DT_CALCRECT measuring, alignment, ellipses, tabs. DT_MODIFYSTRING is
// not supported: the text is never written to.
int DrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format);
int DrawTextExA(HDC dc, LPSTR text, int count, LPRECT rect, UINT format,
                LPDRAWTEXTPARAMS params);
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size);
BOOL GetTextExtentPointA(HDC dc, LPCSTR text, int count, LPSIZE size);
BOOL GetTextExtentExPointA(HDC dc, LPCSTR text, int count, int maxExtent, int* fit,
                           int* dx, LPSIZE size);
DWORD GetTabbedTextExtentA(HDC dc, LPCSTR text, int count, int tabCount, const INT* tabStops);
BOOL GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics);
BOOL GetCharWidth32A(HDC dc, UINT first, UINT last, int* widths);
int GetTextFaceA(HDC dc, int size, LPSTR face);
#define TextOut TextOutA
#define ExtTextOut ExtTextOutA
#define TabbedTextOut TabbedTextOutA
#define DrawText DrawTextA
#define DrawTextEx DrawTextExA
#define GetTextExtentPoint32 GetTextExtentPoint32A
#define GetTextExtentPoint GetTextExtentPointA
#define GetTextExtentExPoint GetTextExtentExPointA
#define GetTabbedTextExtent GetTabbedTextExtentA
#define GetTextMetrics GetTextMetricsA
#define GetCharWidth32 GetCharWidth32A
#define GetCharWidth GetCharWidth32A
#define GetTextFace GetTextFaceA
// The font file that serves a face (regular, bold, oblique or mono variant); for tests and
// diagnostics.
const char* MiscFontFileFor(const LOGFONTA* font);

// ---- Blits and device-independent bitmaps ----
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
            DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
                int srcWidth, int srcHeight, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL MaskBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
             HBITMAP mask, int xMask, int yMask, DWORD rop);
BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
                int srcWidth, int srcHeight, BLENDFUNCTION blend);
BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, UINT transparent);
int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int xSrc, int ySrc,
                      UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                      UINT usage);
int StretchDIBits(HDC dc, int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                  DWORD rop);
BOOL GdiFlush();

// ---- System colours ----
// The classic Windows scheme. GetSysColorBrush gives stock brushes that DeleteObject ignores.
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);
BOOL SetSysColors(int count, const INT* indexes, const COLORREF* colors);

// Objects that live as long as the process (a cache of fonts or brushes kept in a static): such an
// object survives MiscResetGdiObjects. Stock objects always do.
void MiscKeepGdiObject(HGDIOBJ object);
// Deletes every GDI object (contexts too) that is neither stock nor kept (part of
// MiscResetPlatform); returns how many were deleted.
int MiscResetGdiObjects();
MISC_PUBLIC_END
