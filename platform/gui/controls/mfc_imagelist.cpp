// CImageList: the MFC front of the image lists.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CImageList, CObject)

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(bitmapId), cx, grow, crMask);
}

BOOL CImageList::Create(LPCTSTR bitmapName, int cx, int grow, COLORREF crMask)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(bitmapName))
        return FALSE;
    BITMAP bm{};
    if (!bitmap.GetBitmap(&bm) || cx <= 0)
        return FALSE;
    if (!Create(cx, bm.bmHeight, ILC_COLOR24 | (crMask != CLR_NONE ? ILC_MASK : 0), bm.bmWidth / cx, grow))
        return FALSE;
    return ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(bitmap.GetSafeHandle()), crMask) >= 0;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}

BOOL CImageList::Attach(HIMAGELIST list)
{
    if (m_hImageList || !list)
        return FALSE;
    m_hImageList = list;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}

int CImageList::Add(CBitmap* image, CBitmap* mask)
{
    if (!image)
        return -1;
    return ImageList_Add(m_hImageList, static_cast<HBITMAP>(image->GetSafeHandle()),
                         mask ? static_cast<HBITMAP>(mask->GetSafeHandle()) : nullptr);
}

int CImageList::Add(CBitmap* image, COLORREF crMask)
{
    if (!image)
        return -1;
    return ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(image->GetSafeHandle()), crMask);
}

BOOL CImageList::Draw(CDC* dc, int index, POINT pt, UINT style)
{
    return dc ? ImageList_Draw(m_hImageList, index, dc->GetSafeHdc(), pt.x, pt.y, style) : FALSE;
}
