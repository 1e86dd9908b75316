// The list-box items: choices shown with a bitmap, and choices each with an image of a strip.
#include "misc/grid/gridwnd.h"
#include "misc/grid/items.h"
#include "misc/grid/rows.h"

#include <afxwin.h>

#include "items/items_internal.h"

namespace {

// Loads a bitmap resource; null when it does not load.
CBitmap* LoadBitmapResource(long id, CSize& size)
{
    auto* bitmap = new CBitmap;
    if (id <= 0 || !bitmap->LoadBitmap(static_cast<UINT>(id))) {
        delete bitmap;
        return nullptr;
    }
    BITMAP info{};
    bitmap->GetBitmap(&info);
    size = CSize(info.bmWidth, info.bmHeight);
    return bitmap;
}

} // namespace

CListBoxGnrlItemData::CListBoxGnrlItemData(long id, int value, const CLongStringArray& list, ePropertyType kind)
    : CGnrlGridItemData(id, CString(), eGridItemListBox, kind, CString(), CString()), m_List(list),
      m_CurrentIndex(list.GetIndex(static_cast<long>(value)))
{
    UpdateStrValue();
}

CListBoxGnrlItemData::CListBoxGnrlItemData(const CListBoxGnrlItemData& other)
    : CGnrlGridItemData(other), m_List(other.m_List), m_CurrentIndex(other.m_CurrentIndex),
      m_BitmapCx(other.m_BitmapCx), m_BitmapCy(other.m_BitmapCy)
{
}

CListBoxGnrlItemData::~CListBoxGnrlItemData() { delete m_Bitmap; }

void CListBoxGnrlItemData::UpdateStrValue()
{
    if (m_List.GetSize() == 0) { // nothing to choose: no current choice and no text
        m_CurrentIndex = -1;
        m_StrValue.Empty();
        return;
    }
    if (m_CurrentIndex < 0 || m_CurrentIndex >= m_List.GetSize())
        m_CurrentIndex = 0;
    m_StrValue = m_List.GetTextAt(static_cast<int>(m_CurrentIndex));
}

void CListBoxGnrlItemData::SetBitmap(long resourceId)
{
    CSize size;
    CBitmap* bitmap = LoadBitmapResource(resourceId, size);
    if (!bitmap)
        return;
    delete m_Bitmap;
    m_Bitmap = bitmap;
    m_BitmapCx = size.cx;
    m_BitmapCy = size.cy;
}

void CListBoxGnrlItemData::SetValue(int number)
{
    m_CurrentIndex = m_List.GetIndex(static_cast<long>(number));
    UpdateStrValue();
}

long CListBoxGnrlItemData::GetLongValue()
{
    UpdateStrValue();
    return CGnrlGridItemData::GetLongValue(m_List);
}

void CListBoxGnrlItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    HBITMAP bitmap = m_Bitmap ? static_cast<HBITMAP>(*m_Bitmap) : nullptr;
    auto* row = new CCustomItemBmp(static_cast<UINT>(m_NameId), &m_CurrentIndex, bitmap);
    if (!parent->AddChildItem(row))
        return;
    miscgrid::CaptionFallback(row, m_Name);
    row->SetImageSize(CSize(m_BitmapCx, m_BitmapCy));
    row->SetList(m_List);
    row->SetValue(m_StrValue); // the current choice's text
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    SetFlags(row);
    CreateChildren(row);
}

void CListBoxGnrlItemData::Update(CXTPGridEx* grid, bool /*byId*/) { CGnrlGridItemData::Update(grid, false); }

CListBoxImagesGnrlItemData::CListBoxImagesGnrlItemData(long id, int value, const CLongStringArray& list, long bitmapId,
                                                       CXTPGridEx* grid, ePropertyType kind, bool showValue)
    : CGnrlGridItemData(id, CString(), eGridItemListImages, kind, CString(), CString()), m_ShowValue(showValue),
      m_List(list), m_Value(value), m_Grid(grid)
{
    SetBitmap(bitmapId);
    m_HasButton = 1;
    if (m_Grid)
        m_Grid->GetImagesIds(m_List, m_Images);
    m_DefaultValueNumber = m_Value;
}

CListBoxImagesGnrlItemData::CListBoxImagesGnrlItemData(const CListBoxImagesGnrlItemData& other)
    : CGnrlGridItemData(other), m_Images(other.m_Images), m_ShowValue(other.m_ShowValue), m_List(other.m_List),
      m_Value(other.m_Value), m_DefaultValueNumber(other.m_DefaultValueNumber), m_BitmapId(other.m_BitmapId),
      m_ImageCx(other.m_ImageCx), m_ImageCy(other.m_ImageCy), m_Grid(other.m_Grid)
{
}

CListBoxImagesGnrlItemData::~CListBoxImagesGnrlItemData() { delete[] m_IconIds; }

void CListBoxImagesGnrlItemData::SetBitmap(long id)
{
    m_BitmapId = id;
    CSize size;
    CBitmap* bitmap = LoadBitmapResource(id, size);
    if (!bitmap) {
        m_ImageCx = m_ImageCy = 16;
        return;
    }
    delete bitmap;
    int count = m_List.GetSize();
    m_ImageCy = size.cy;
    m_ImageCx = count > 0 ? size.cx / count : size.cx;
}

bool CListBoxImagesGnrlItemData::IsValueEnable(long number) const { return m_List.GetIndex(number) >= 0; }

bool CListBoxImagesGnrlItemData::SetValue(long number)
{
    if (IsValueEnable(number)) {
        m_Value = static_cast<int>(number);
        return true;
    }
    if (IsValueEnable(m_DefaultValueNumber))
        m_Value = m_DefaultValueNumber;
    else if (m_List.GetSize() > 0)
        m_DefaultValueNumber = m_Value = static_cast<int>(m_List.GetNumberAt(0));
    else
        m_Value = 0;
    return false;
}

long CListBoxImagesGnrlItemData::GetImageId() const
{
    int index = m_List.GetIndex(static_cast<long>(m_Value));
    if (index < 0 || index >= m_Images.GetSize())
        return -1;
    return m_Images[index].ImageId;
}

void CListBoxImagesGnrlItemData::SetFlags(CXTPPropertyGridItem* item)
{
    if (item && !m_Enable)
        item->SetReadOnly(TRUE);
}
