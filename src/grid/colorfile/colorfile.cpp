// The colour row, its palette, and the file or folder row.
#include "misc/grid/colorfile.h"

#include <cstdlib>

#include <toolkit/browsedlg.h>

// ---- CCustomItemColor ----

CCustomItemColor::CCustomItemColor(CString caption, COLORREF colour, COLORREF* bound)
    : CXTPPropertyGridItemColor(caption.GetString(), colour, bound)
{
    CXTPPropertyGridItem::SetFlags(xtpGridItemHasEdit | xtpGridItemHasComboButton);
    SetColor(colour);
}

CString CCustomItemColor::RGBToString(COLORREF colour)
{
    CString text;
    text.Format("%2X%2X%2X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    text.Replace(" ", "0");
    return text;
}

COLORREF CCustomItemColor::StringToRGB(CString text)
{
    const unsigned long value = std::strtoul(text.GetString(), nullptr, 16);
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void CCustomItemColor::SetValue(CString text) { SetColor(StringToRGB(text)); }

void CCustomItemColor::SetColor(COLORREF colour)
{
    // The control's own colour setting may store its text through SetValue, which comes back
    // here; the RRGGBB text is set once that is done.
    if (m_settingColor)
        return;
    m_settingColor = true;
    CXTPPropertyGridItemColor::SetColor(colour);
    CXTPPropertyGridItem::SetValue(RGBToString(colour));
    m_settingColor = false;
}

void CCustomItemColor::OnInplaceButtonDown()
{
    CXTPPropertyGridView* view = GetGrid();
    CXTPPropertyGrid* grid = GetPropertyGrid();
    if (!view || !grid || GetReadOnly())
        return;
    CRect rect = GetItemRect();
    view->ClientToScreen(&rect);
    rect.left = rect.right - kPopupWidth;
    // The pop-up deletes itself when it closes.
    auto* popup = new CCustomItemColorPopup(this);
    popup->AddListener(grid->GetSafeHwnd());
    popup->Create(rect, grid, kPopupStyle, GetColor(), GetColor());
}

void CCustomItemColorPopup::OnSelEndOK(COLORREF colour)
{
    CXTColorPopup::OnSelEndOK(colour);
    if (m_pItem)
        m_pItem->OnValueChanged(CCustomItemColor::RGBToString(colour));
}

// ---- CCustomItemFileBox ----

CCustomItemFileBox::CCustomItemFileBox(CString caption, bool fileDialog)
    : CXTPPropertyGridItem(caption.GetString()), m_bFileDialog(fileDialog)
{
    SetFlags(xtpGridItemHasEdit | xtpGridItemHasExpandButton);
}

CCustomItemFileBox::CCustomItemFileBox(long id, bool fileDialog)
    : CXTPPropertyGridItem(static_cast<UINT>(id)), m_bFileDialog(fileDialog)
{
    SetFlags(xtpGridItemHasEdit | xtpGridItemHasExpandButton);
}

void CCustomItemFileBox::OnInplaceButtonDown()
{
    CXTPPropertyGrid* grid = GetPropertyGrid();
    CString chosen;
    if (!m_bFileDialog) {
        CXTBrowseDialog dialog(grid);
        dialog.SetSelPath(GetValue());
        if (dialog.DoModal() != IDOK)
            return;
        chosen = dialog.GetSelPath();
    } else {
        const CString name = GetValue();
        CFileDialog dialog(TRUE, nullptr, name, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, grid);
        if (dialog.DoModal() != IDOK)
            return;
        chosen = dialog.GetPathName();
    }
    OnValueChanged(chosen);
    if (grid)
        grid->Invalidate();
}
