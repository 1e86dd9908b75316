// The rows of the images list item: an enum row whose choices carry images of a bitmap strip.
#include "misc/grid/gridwnd.h"
#include "misc/grid/items.h"
#include "misc/grid/rows.h"

#include "items/items_internal.h"

void CListBoxImagesGnrlItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    auto* row = new CKestPropertyGridItemEnum(static_cast<UINT>(m_NameId), m_ShowValue, m_Value, &m_Value);
    if (!parent->AddChildItem(row))
        return;
    miscgrid::CaptionFallback(row, m_Name);
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    row->SetHeight(m_ImageCy + 2);
    int count = m_List.GetSize();
    if (CXTPPropertyGridItemConstraints* choices = row->GetConstraints()) {
        delete[] m_IconIds;
        m_IconIds = count > 0 ? new UINT[static_cast<size_t>(count)] : nullptr;
        // Each choice's data is its number (what the enum row stores when it is chosen); its image
        // is the identifier paired with it.
        for (int i = 0; i < count; ++i) {
            long image = i < m_Images.GetSize() ? m_Images[i].ImageId : -1;
            choices->AddConstraint(m_List.GetTextAt(i), static_cast<DWORD_PTR>(m_List.GetNumberAt(i)),
                                   static_cast<int>(image));
            m_IconIds[i] = static_cast<UINT>(image);
        }
    }
    if (!m_ShowValue || !m_Enable) {
        row->EmptyValue();
    } else if (!m_StrValue.IsEmpty()) {
        long number = 0;
        if (m_List.GetNumber(m_StrValue, number)) {
            m_Value = static_cast<int>(number);
            row->SetEnum(m_Value);
        } else {
            row->SetInitValue(m_StrValue);
            m_Value = -1;
        }
    } else if (IsValueEnable(m_Value)) {
        row->SetEnum(m_Value); // the choices exist only now: show the current one
    }
    row->GetValueMetrics()->m_nImage = static_cast<int>(GetImageId());
    CXTPPropertyGrid* grid = m_Grid ? static_cast<CXTPPropertyGrid*>(m_Grid) : row->GetPropertyGrid();
    if (grid && m_IconIds && m_BitmapId > 0)
        grid->GetImageManager()->SetIcons(static_cast<UINT>(m_BitmapId), m_IconIds, count,
                                          CSize(m_ImageCx, m_ImageCy), xtpImageNormal);
    SetFlags(row);
    CreateChildren(row);
}

void CListBoxImagesGnrlItemData::Update(CXTPGridEx* grid, bool byId)
{
    auto* row = DYNAMIC_DOWNCAST(CKestPropertyGridItemEnum, FindItem(grid, byId));
    if (!row)
        return;
    row->GetValueMetrics()->m_nImage = static_cast<int>(GetImageId());
    SetFlags(row);
    if (m_ShowValue && m_Enable) {
        if (row->GetValue().IsEmpty() && IsValueEnable(m_Value))
            row->SetEnum(m_Value);
    } else {
        row->EmptyValue();
    }
}
