// The bitmap choice row: the chosen entry's image cut from a horizontal strip, and a drop-down
// list of images and texts run modally.
#include "misc/grid/rows_drawn.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCustomItemBmp, CXTPPropertyGridItem)

namespace {

constexpr int kListId = 1000;
constexpr int kMaxShown = 8; // entries shown without scrolling

const MiscResControl kListControls[] = {
    {"LISTBOX", "", kListId,
     WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0,
     0, 0, 100, 60},
};
const MiscResDialog kListTemplate = {
    0, DS_SETFONT | WS_POPUP | WS_BORDER, 0, 0, 0, 100, 60, "Choices", "MS Shell Dlg", 8, nullptr, kListControls, 1};

// A copy of a bitmap, so that the row owns what it deletes.
HBITMAP CopyBitmap(HBITMAP source)
{
    BITMAP bm{};
    if (!source || !GetObject(source, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return nullptr;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, bm.bmWidth, bm.bmHeight);
    if (copy) {
        HGDIOBJ oldFrom = SelectObject(from, source);
        HGDIOBJ oldTo = SelectObject(to, copy);
        BitBlt(to, 0, 0, bm.bmWidth, bm.bmHeight, from, 0, 0, SRCCOPY);
        SelectObject(to, oldTo);
        SelectObject(from, oldFrom);
    }
    DeleteDC(to);
    DeleteDC(from);
    ReleaseDC(nullptr, screen);
    return copy;
}

} // namespace

BEGIN_MESSAGE_MAP(CCustomItemBmp::CListBoxDlg, CDialog)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_LBN_SELCHANGE(kListId, OnListClick)
END_MESSAGE_MAP()

CCustomItemBmp::CListBoxDlg::CListBoxDlg(CCustomItemBmp* item, CWnd* parent) : m_pItem(item)
{
    InitModalIndirect(&kListTemplate, parent);
}

BOOL CCustomItemBmp::CListBoxDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nChoice = -1;
    if (!m_list.SubclassDlgItem(kListId, this))
        return TRUE;
    const CLongStringArray& list = m_pItem->GetList();
    for (int i = 0; i < list.GetSize(); ++i)
        m_list.AddString(list[i].Text);
    m_list.SetCurSel(static_cast<int>(m_pItem->GetCurrentIndex()));
    if (!m_rcPlace.IsRectEmpty()) {
        MoveWindow(&m_rcPlace);
        CRect client;
        GetClientRect(&client);
        m_list.MoveWindow(&client);
    }
    m_list.SetFocus();
    return FALSE;
}

void CCustomItemBmp::CListBoxDlg::OnDrawItem(int, LPDRAWITEMSTRUCT draw) { m_pItem->DrawItem(draw); }

void CCustomItemBmp::CListBoxDlg::OnMeasureItem(int, LPMEASUREITEMSTRUCT measure) { m_pItem->MeasureItem(measure); }

void CCustomItemBmp::CListBoxDlg::OnListClick()
{
    m_nChoice = m_list.GetCurSel();
    if (m_nChoice >= 0)
        EndDialog(IDOK);
}

void CCustomItemBmp::CListBoxDlg::OnOK()
{
    m_nChoice = m_list.GetSafeHwnd() ? m_list.GetCurSel() : -1;
    EndDialog(m_nChoice >= 0 ? IDOK : IDCANCEL);
}

CCustomItemBmp::CCustomItemBmp(UINT id, long* index, HBITMAP bitmap)
    : CXTPPropertyGridItem(id), m_hBitmap(CopyBitmap(bitmap)), m_pIndex(index)
{
    SetFlags(xtpGridItemHasComboButton); // chosen from the list, never typed
}

CCustomItemBmp::~CCustomItemBmp()
{
    if (m_pListDlg && m_pListDlg->GetSafeHwnd())
        m_pListDlg->DestroyWindow();
    delete m_pListDlg;
    if (m_hBitmap)
        DeleteObject(m_hBitmap);
}

void CCustomItemBmp::MeasureItem(LPMEASUREITEMSTRUCT measure) { measure->itemHeight = m_szImage.cy + 2; }

void CCustomItemBmp::DrawImage(CDC& dc, int index, CPoint pt)
{
    if (!m_hBitmap || index < 0)
        return;
    int side = m_szImage.cy;
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    HGDIOBJ old = SelectObject(mem.GetSafeHdc(), m_hBitmap);
    dc.BitBlt(pt.x, pt.y, side, side, &mem, index * side, 0, SRCCOPY);
    SelectObject(mem.GetSafeHdc(), old);
}

void CCustomItemBmp::DrawItem(LPDRAWITEMSTRUCT draw)
{
    if (!draw || static_cast<int>(draw->itemID) < 0)
        return;
    CDC* dc = CDC::FromHandle(draw->hDC);
    CRect rc(draw->rcItem);
    bool selected = (draw->itemState & ODS_SELECTED) != 0;
    dc->FillSolidRect(&rc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    int index = static_cast<int>(draw->itemID);
    DrawImage(*dc, index, CPoint(rc.left + 2, rc.top + 1));
    CRect text(rc.left + m_szImage.cy + 8, rc.top, rc.right, rc.bottom);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    COLORREF oldColor = dc->SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc->DrawText(m_List.GetTextAt(index), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    dc->SetTextColor(oldColor);
    dc->SetBkMode(oldMode);
}

BOOL CCustomItemBmp::OnDrawItemValue(CDC& dc, CRect rcValue)
{
    if (m_hBitmap)
        DrawImage(dc, static_cast<int>(GetCurrentIndex()), CPoint(rcValue.left - 2, rcValue.top + 1));
    if (GetReadOnly()) {
        rcValue = GetValueRect(); // the whole value area greys, not only its text part
        CPen pen(PS_SOLID, 2, RGB(0x80, 0x80, 0x80));
        CPen* oldPen = dc.SelectObject(&pen);
        CGdiObject* oldBrush = dc.SelectStockObject(GRAY_BRUSH);
        int oldRop = dc.SetROP2(R2_MERGEPENNOT);
        dc.Rectangle(&rcValue);
        dc.SetROP2(oldRop);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    }
    return TRUE;
}

void CCustomItemBmp::OnInplaceButtonDown()
{
    CXTPPropertyGridView* view = GetGrid();
    if (!m_pListDlg && view && view->GetSafeHwnd())
        m_pListDlg = new CListBoxDlg(this, view);
    bool made = false;
    INT_PTR answer = -1;
    if (m_pListDlg) {
        CRect value = GetValueRect();
        CRect row = GetItemRect();
        view->ClientToScreen(&value);
        view->ClientToScreen(&row);
        int shown = std::clamp(m_List.GetSize(), 1, kMaxShown);
        CRect place(value.left, row.bottom, value.left + std::max<LONG>(value.Width(), 120),
                    row.bottom + shown * (m_szImage.cy + 2) + 2);
        m_pListDlg->SetPlacement(place);
        answer = m_pListDlg->DoModal();
        if (answer == IDOK && m_pIndex && m_pListDlg->GetChoice() >= 0) {
            *m_pIndex = m_pListDlg->GetChoice();
            made = true;
        }
    }
    if (answer == -1 && m_pIndex) {
        // No list window: the choice simply advances.
        int count = m_List.GetSize();
        *m_pIndex = count ? (*m_pIndex + 1) % count : 0;
        made = true;
    }
    if (!made)
        return;
    OnValueChanged(CString());
    if (CXTPPropertyGrid* grid = GetPropertyGrid())
        grid->Refresh();
}
