#pragma once
// Image lists: a row of images of one size, each with its transparent parts, drawn by index. Used
// by the list view, the tool-bar and menu stand-ins of the toolkit, and library code.
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

struct MiscImageList;
typedef MiscImageList* HIMAGELIST;

#define ILC_MASK 0x0001
#define ILC_COLOR 0x0000
#define ILC_COLORDDB 0x00FE
#define ILC_COLOR4 0x0004
#define ILC_COLOR8 0x0008
#define ILC_COLOR16 0x0010
#define ILC_COLOR24 0x0018
#define ILC_COLOR32 0x0020

#define ILD_NORMAL 0x0000
#define ILD_TRANSPARENT 0x0001
#define ILD_MASK 0x0010
#define ILD_BLEND25 0x0002
#define ILD_BLEND50 0x0004
#define ILD_FOCUS ILD_BLEND25
#define ILD_SELECTED ILD_BLEND50
#define ILD_BLEND ILD_BLEND50

// An empty list of images cx by cy; `initial` and `grow` are accepted for compatibility.
HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// Adds the images of a bitmap as wide as one or more images; white pixels of `mask` are
// transparent (a list without ILC_MASK ignores the mask). The index of the first image, or -1.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// As ImageList_Add; pixels of colour `maskColor` are transparent.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor);
// Removes one image (-1: all of them).
BOOL ImageList_Remove(HIMAGELIST list, int index);
// The background drawn behind transparent pixels with ILD_NORMAL (CLR_NONE: none).
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST list);
// Draws image `index` with its top-left corner at (x, y). ILD_TRANSPARENT leaves transparent
// pixels alone, ILD_MASK draws the mask (black where the image is), ILD_SELECTED / ILD_FOCUS
// blend the image with the highlight colour.
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);

MISC_PUBLIC_END
