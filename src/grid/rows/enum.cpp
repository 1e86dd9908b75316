// The choice row whose drop-down entries show images of the grid's image manager.
#include "misc/grid/rows_drawn.h"

IMPLEMENT_DYNAMIC(CKestPropertyGridItemEnum, CXTPPropertyGridItemEnum)

namespace {
// The system metric of the horizontal scroll thumb's width.
constexpr int kThumbMetric = 10;
} // namespace

CKestPropertyGridItemEnum::CKestPropertyGridItemEnum(UINT id, bool showValue, int value, int* bound)
    : CXTPPropertyGridItemEnum(id, value, bound), m_bShowValue(showValue)
{
}

CString CKestPropertyGridItemEnum::GetViewValue()
{
    if (GetReadOnly())
        return CString();
    return GetValue();
}

BOOL CKestPropertyGridItemEnum::OnDrawItemValue(CDC& dc, CRect rcValue)
{
    if (GetReadOnly())
        return TRUE;
    return CXTPPropertyGridItemEnum::OnDrawItemValue(dc, rcValue);
}

CSize CKestPropertyGridItemEnum::OnMergeItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* constraint)
{
    int height = GetItemRect().Height();
    if (height <= 0)
        height = GetHeight();
    int width = dc->GetTextExtent(constraint->m_strConstraint).cx + 2 * GetSystemMetrics(kThumbMetric);
    return CSize(width, height);
}

void CKestPropertyGridItemEnum::OnDrawItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* constraint, CRect rc,
                                                     BOOL selected)
{
    COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    COLORREF fore = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    dc->FillSolidRect(&rc, back);
    int x = rc.left + 2;
    CXTPPropertyGrid* grid = GetPropertyGrid();
    // The choice's own image when it has one (its data is then the choice's number).
    bool hasImage = constraint->m_nImage >= 0 || constraint->m_dwData != static_cast<DWORD_PTR>(-1);
    UINT image = static_cast<UINT>(constraint->m_nImage >= 0 ? constraint->m_nImage : constraint->m_dwData);
    if (grid && hasImage && grid->GetImageManager()->HasImage(image)) {
        CSize size = grid->GetImageManager()->GetImageSize(image);
        grid->GetImageManager()->DrawImage(dc, image, CPoint(x, rc.top + (rc.Height() - size.cy) / 2));
        x += size.cx + 4;
    }
    CRect text(x, rc.top, rc.right, rc.bottom);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    COLORREF oldColor = dc->SetTextColor(fore);
    dc->DrawText(constraint->m_strConstraint, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    dc->SetTextColor(oldColor);
    dc->SetBkMode(oldMode);
}

void CKestPropertyGridItemEnum::EmptyValue() { CXTPPropertyGridItem::SetValue(CString()); }

void CKestPropertyGridItemEnum::SetInitValue(const CString& text)
{
    CXTPPropertyGridItemConstraints* choices = GetConstraints();
    if (choices->IsEmpty())
        return;
    int index = choices->FindConstraint(static_cast<LPCTSTR>(text));
    if (index < 0)
        index = choices->AddConstraint(text, static_cast<DWORD_PTR>(-1))->GetIndex();
    CXTPPropertyGridItem::SetValue(text);
    choices->SetCurrent(index);
    m_strInitValue = text;
}

void CKestPropertyGridItemEnum::RemoveInitValue()
{
    if (m_strInitValue.IsEmpty())
        return;
    CXTPPropertyGridItemConstraints* choices = GetConstraints();
    int index = choices->FindConstraint(static_cast<LPCTSTR>(m_strInitValue));
    if (index >= 0)
        choices->RemoveAt(index);
    m_strInitValue.Empty();
}

void CKestPropertyGridItemEnum::OnBeforeInsert() { CXTPPropertyGridItemEnum::OnBeforeInsert(); }
