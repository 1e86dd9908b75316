#pragma once
// CImageList over the image lists of win32/imagelist.h.
#include "win32/imagelist.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CImageList : public CObject {
    DECLARE_DYNAMIC(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // From a bitmap resource holding the images side by side; crMask marks the transparent
    // pixels (CLR_NONE: none).
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF crMask);
    BOOL Create(LPCTSTR bitmapName, int cx, int grow, COLORREF crMask);
    BOOL DeleteImageList();
    BOOL Attach(HIMAGELIST list);
    HIMAGELIST Detach();

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    int Add(CBitmap* image, CBitmap* mask);
    int Add(CBitmap* image, COLORREF crMask);
    BOOL Remove(int index) { return ImageList_Remove(m_hImageList, index); }
    BOOL Draw(CDC* dc, int index, POINT pt, UINT style);
    COLORREF SetBkColor(COLORREF color) { return ImageList_SetBkColor(m_hImageList, color); }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
};

MISC_PUBLIC_END
