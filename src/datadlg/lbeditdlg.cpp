// The list editor dialog of a remembered-value list, and RButtonTypeDlg.
#include "misc/datadlg/lbedit.h"

#include <algorithm>
#include <cmath>

#include "misc/data/combolist.h"
#include "misc/datadlg/vmxcombo.h"

namespace {

// Placement of a list shown next to a field: fixed width, height by the number of values.
const int kPlaceWidth = 160;
const int kPlaceMinHeight = 100;
const int kPlaceMaxHeight = 200;
// Layout inside the dialog.
const int kBottomBand = 30;
const int kButtonsFromBottom = 25;
const int kButtonsFromSide = 10;

} // namespace

BEGIN_MESSAGE_MAP(CLbEditDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

// The library's resource module is current from here until the dialog object goes, so the
// template, icon and strings come from it.
CLbEditDlg::CLbEditDlg(CWnd* anchor, int type, int extra, int x, int y, int width, int height)
    : CDialog(IDD, anchor), m_editor(type), m_nType(type), m_pAnchor(anchor), m_nExtra(extra),
      m_rcPlace(x, y, x + width, y + height)
{
    m_resource.Switch();
    getNameByType(m_strListName, type);
    getTitleByType(m_strTitle, type);
    m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_LBEDIT));
}

CLbEditDlg::~CLbEditDlg() = default;

void CLbEditDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CLbEditDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    CListBox* list = static_cast<CListBox*>(GetDlgItem(IDC_LBEDIT_LIST));
    if (!list)
        return TRUE;
    CComboItemList stored;
    stored.Load(m_nType);
    for (int i = 0; i < stored.GetSize(); ++i)
        list->AddString(stored.GetComboItem(i)->m_strName);

    if (!m_pAnchor || !PlaceAtAnchor()) {
        CRect place(m_rcPlace);
        CRect own;
        GetWindowRect(&own);
        // A place without a size keeps the dialog's own size.
        if (place.Width() <= 0 || place.Height() <= 0)
            place = CRect(place.TopLeft(), own.Size());
        MoveWindow(&place);
    }
    LayoutControls();

    m_editor.Initialize(this, IDC_LBEDIT_LIST, LBEDIT_FLAGS);
    m_editor.SetWindowText(m_strTitle);
    SetSortTips();
    return TRUE;
}

// Over the anchor's drop-down list, at least as large as the dialog's own size. FALSE when the
// anchor is not a history combo box (the dialog then takes the given place).
bool CLbEditDlg::PlaceAtAnchor()
{
    auto* combo = dynamic_cast<CVmxComBoMisc*>(m_pAnchor);
    if (!combo || !combo->GetSafeHwnd())
        return false;
    CRect drop;
    combo->GetDroppedControlRect(&drop);
    CRect own;
    GetWindowRect(&own);
    drop.right = drop.left + std::max(drop.Width(), own.Width());
    drop.bottom = drop.top + std::max(drop.Height(), own.Height());
    MoveWindow(&drop);
    return true;
}

// The list fills the dialog but for a one-pixel margin and a band at the bottom with OK and
// Cancel, at the left and the right edge.
void CLbEditDlg::LayoutControls()
{
    CRect client;
    GetClientRect(&client);
    if (CWnd* list = GetDlgItem(IDC_LBEDIT_LIST))
        list->MoveWindow(1, 1, std::max(0, client.Width() - 2), std::max(0, client.Height() - kBottomBand));
    CWnd* ok = GetDlgItem(IDOK);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    if (!ok || !cancel)
        return;
    CRect button;
    ok->GetWindowRect(&button);
    int width = button.Width();
    if (client.Width() / 2.5 < width)
        width = static_cast<int>(std::lround(client.Width() / 2.7));
    const int top = client.bottom - kButtonsFromBottom;
    ok->MoveWindow(kButtonsFromSide, top, width, button.Height());
    cancel->MoveWindow(client.right - kButtonsFromSide - width, top, width, button.Height());
}

// The move buttons sort: move down ascending, move up descending.
void CLbEditDlg::SetSortTips()
{
    CToolTipCtrl* tips = m_editor.GetToolTipCtrl();
    if (!tips || tips->GetToolCount() != 4)
        return;
    CString ascending, descending;
    ascending.LoadString(IDS_LBEDIT_TIP_ASCENDING);
    descending.LoadString(IDS_LBEDIT_TIP_DESCENDING);
    if (CWnd* down = m_editor.GetDlgItem(LBE_IDC_DOWN))
        tips->UpdateTipText(ascending, down);
    if (CWnd* up = m_editor.GetDlgItem(LBE_IDC_UP))
        tips->UpdateTipText(descending, up);
}

void CLbEditDlg::DelteDuplicateStrings()
{
    CListBox* list = m_editor.GetListBoxPtr();
    if (!list)
        return;
    for (int i = 0; i < list->GetCount(); ++i) {
        CString first;
        list->GetText(i, first);
        for (int j = list->GetCount() - 1; j > i; --j) {
            CString later;
            list->GetText(j, later);
            if (later.CompareNoCase(first) == 0)
                list->DeleteString(static_cast<UINT>(j));
        }
    }
}

void CLbEditDlg::OnOK()
{
    m_editor.StopEditing();
    DelteDuplicateStrings();
    CListBox* list = m_editor.GetListBoxPtr();
    CComboItemList values;
    const int count = list ? list->GetCount() : 0;
    for (int i = 0; i < count; ++i) {
        CString name;
        list->GetText(i, name);
        if (!name.IsEmpty())
            values.AddComboItem(new CComboItem(name, m_strTitle), 0);
    }
    values.Store(m_nType);
    if (auto* combo = dynamic_cast<CComboBox*>(m_pAnchor); combo && combo->GetSafeHwnd()) {
        combo->ResetContent();
        if (count > 0) {
            const int sel = list->GetCurSel();
            CString text;
            list->GetText(sel >= 0 ? sel : 0, text);
            combo->SetWindowText(text);
        }
    }
    CDialog::OnOK();
}

void CLbEditDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    ::DrawIcon(dc.GetSafeHdc(), (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2,
                (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2, m_hIcon);
}

HCURSOR CLbEditDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CLbEditDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    CDialog::OnSysCommand(nID, lParam);
}

void CLbEditDlg::CalculatePlacement(const CRect& rect, CWnd* window)
{
    if (!window)
        return;
    CComboItemList stored;
    stored.Load(m_nType);
    const int height = std::clamp(7 * static_cast<int>(stored.GetSize()) + 60, kPlaceMinHeight, kPlaceMaxHeight);
    CRect screen(rect);
    window->ClientToScreen(&screen);
    CRect bounds;
    window->GetWindowRect(&bounds);
    int left = std::max(0, screen.right - kPlaceWidth);
    int top = screen.bottom;
    if (left + kPlaceWidth > bounds.right)
        left = std::max(0, static_cast<int>(bounds.right) - kPlaceWidth);
    if (top + height > bounds.bottom)
        top = std::max(0, static_cast<int>(screen.top) - height);
    m_rcPlace = CRect(left, top, left + kPlaceWidth, top + height);
}

int RButtonTypeDlg(int type, int x, int y, int width, int height)
{
    CLbEditDlg dialog(nullptr, type, -1, x, y, width, height);
    return dialog.DoModal() == IDOK ? 1 : 0;
}
