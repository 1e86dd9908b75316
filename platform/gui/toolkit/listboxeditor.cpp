// The list-box editor stand-in: title band, buttons, tool tips and the list box taken over.
// Editing in place lives in listboxeditor_edit.cpp.
#include "toolkit/listboxeditor.h"

#include "listboxeditor_parts.h"

namespace {

const UINT kButtonIds[4] = {LBE_IDC_NEW, LBE_IDC_DELETE, LBE_IDC_UP, LBE_IDC_DOWN};
const int kButtonFlags[4] = {LBE_NEWBUTTON, LBE_DELBUTTON, LBE_UPBUTTON, LBE_DOWNBUTTON};
const char* const kButtonTips[4] = {LBE_TIP_NEW, LBE_TIP_DELETE, LBE_TIP_UP, LBE_TIP_DOWN};
const int kButtonSize = 16;

// The glyph of a button: a page with a star corner, a cross, an up and a down triangle.
void DrawGlyph(CDC& dc, UINT id, const CRect& r, COLORREF ink)
{
    CPen pen(PS_SOLID, 1, ink);
    CBrush brush(ink);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    switch (id) {
    case LBE_IDC_NEW: {
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(cx - 4, cy - 5, cx + 4, cy + 6);
        dc.MoveTo(cx - 1, cy);
        dc.LineTo(cx + 2, cy);
        dc.MoveTo(cx, cy - 2);
        dc.LineTo(cx, cy + 3);
        break;
    }
    case LBE_IDC_DELETE:
        for (int d = 0; d < 2; ++d) {
            dc.MoveTo(cx - 4 + d, cy - 4);
            dc.LineTo(cx + 4 + d, cy + 4);
            dc.MoveTo(cx + 3 + d, cy - 4);
            dc.LineTo(cx - 5 + d, cy + 4);
        }
        break;
    case LBE_IDC_UP: {
        POINT pts[3] = {{cx, cy - 4}, {cx - 4, cy + 3}, {cx + 4, cy + 3}};
        dc.Polygon(pts, 3);
        break;
    }
    default: {
        POINT pts[3] = {{cx - 4, cy - 3}, {cx + 4, cy - 3}, {cx, cy + 4}};
        dc.Polygon(pts, 3);
        break;
    }
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

} // namespace

// ---- The buttons: owner drawn, flat, with a glyph ----
IMPLEMENT_DYNAMIC(SECListBoxEditorButton, CButton)

BEGIN_MESSAGE_MAP(SECListBoxEditorButton, CButton)
END_MESSAGE_MAP()

void SECListBoxEditorButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    CDC* dc = CDC::FromHandle(item->hDC);
    CRect r(item->rcItem);
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    dc->FillSolidRect(&r, ::GetSysColor(COLOR_BTNFACE));
    if (pressed)
        dc->Draw3dRect(&r, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    else
        dc->Draw3dRect(&r, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    if (pressed)
        r.OffsetRect(1, 1);
    DrawGlyph(*dc, static_cast<UINT>(GetDlgCtrlID()), r, ::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
}

// ---- The editor ----
IMPLEMENT_DYNAMIC(SECListBoxEditor, CWnd)

BEGIN_MESSAGE_MAP(SECListBoxEditor, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

SECListBoxEditor::SECListBoxEditor() = default;

SECListBoxEditor::~SECListBoxEditor()
{
    if (GetSafeHwnd())
        DestroyWindow();
    delete m_pToolTip;
    delete m_pEdit;
    delete m_pListBox;
}

BOOL SECListBoxEditor::Initialize(CWnd* pwndParent, UINT nID, int nFlags)
{
    if (!pwndParent || GetSafeHwnd() || m_pListBox)
        return FALSE;
    HWND list = ::GetDlgItem(pwndParent->GetSafeHwnd(), static_cast<int>(nID));
    if (!list)
        return FALSE;
    CRect r;
    ::GetWindowRect(list, &r);
    pwndParent->ScreenToClient(&r);
    if (!Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, r, pwndParent, LBE_IDC_EDITOR))
        return FALSE;
    ::SetWindowPos(m_hWnd, list, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_nFlags = nFlags;
    m_pListBox = new ListBox(this);
    m_pListBox->SubclassWindow(list);
    ::SetParent(list, m_hWnd);
    m_pEdit = new InplaceEdit(this);
    CreateButtons();
    LayoutChildren();
    return TRUE;
}

void SECListBoxEditor::CreateButtons()
{
    if (m_nFlags & LBE_TOOLTIPS) {
        m_pToolTip = new CToolTipCtrl;
        if (!m_pToolTip->Create(this)) {
            delete m_pToolTip;
            m_pToolTip = nullptr;
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (!(m_nFlags & kButtonFlags[i]))
            continue;
        const CRect none(0, 0, kButtonSize, kButtonSize);
        m_buttons[i].Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, none, this, kButtonIds[i]);
        if (m_pToolTip)
            m_pToolTip->AddTool(&m_buttons[i], kButtonTips[i]);
    }
}

// Title band on top with the buttons right-aligned in it; the list box below.
void SECListBoxEditor::LayoutChildren()
{
    if (!m_pListBox)
        return;
    CRect client;
    GetClientRect(&client);
    int x = client.right - 2;
    for (int i = 3; i >= 0; --i) {
        if (!m_buttons[i].GetSafeHwnd())
            continue;
        x -= kButtonSize;
        m_buttons[i].MoveWindow(x, (LBE_TITLE_HEIGHT - kButtonSize) / 2, kButtonSize, kButtonSize);
        x -= 1;
    }
    const int top = LBE_TITLE_HEIGHT;
    m_pListBox->MoveWindow(0, top, client.Width(), client.Height() > top ? client.Height() - top : 0);
    if (m_editIndex >= 0)
        m_pEdit->PlaceOver(m_editIndex);
}

void SECListBoxEditor::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    LayoutChildren();
}

BOOL SECListBoxEditor::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void SECListBoxEditor::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CRect band(0, 0, client.right, LBE_TITLE_HEIGHT);
    dc.FillSolidRect(&band, ::GetSysColor(COLOR_BTNFACE));
    dc.Draw3dRect(&band, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    if (m_nFlags & LBE_TITLE) {
        CString title;
        GetWindowText(title);
        CFont* old = dc.SelectObject(GetParent() ? GetParent()->GetFont() : nullptr);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
        CRect text(band);
        text.left += 4;
        text.right -= 4 * (kButtonSize + 1) + 4;
        dc.DrawText(title, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        if (old)
            dc.SelectObject(old);
    }
}

void SECListBoxEditor::OnDestroy()
{
    m_editIndex = -1;
    CWnd::OnDestroy();
}

BOOL SECListBoxEditor::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case LBE_IDC_NEW: StopEditing(); OnEditNew(); return TRUE;
        case LBE_IDC_DELETE: StopEditing(); OnEditDelete(); return TRUE;
        case LBE_IDC_UP: StopEditing(); OnEditMoveUp(); return TRUE;
        case LBE_IDC_DOWN: StopEditing(); OnEditMoveDown(); return TRUE;
        default: break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

void SECListBoxEditor::OnEditNew()
{
    if (!m_pListBox)
        return;
    const int sel = m_pListBox->GetCurSel();
    const int at = m_pListBox->InsertString(sel >= 0 ? sel + 1 : -1, "");
    if (at < 0)
        return;
    m_pListBox->SetCurSel(at);
    m_editIsNew = true;
    StartEditing(at);
}

void SECListBoxEditor::OnEditDelete()
{
    if (!m_pListBox)
        return;
    const int sel = m_pListBox->GetCurSel();
    if (sel < 0)
        return;
    CString text;
    m_pListBox->GetText(sel, text);
    if (!OnItemDelete(sel, text))
        return;
    m_pListBox->DeleteString(static_cast<UINT>(sel));
    const int count = m_pListBox->GetCount();
    if (count > 0)
        m_pListBox->SetCurSel(sel < count ? sel : count - 1);
}

void SECListBoxEditor::OnEditMoveUp()
{
    MoveSelected(-1);
}

void SECListBoxEditor::OnEditMoveDown()
{
    MoveSelected(1);
}

void SECListBoxEditor::MoveSelected(int delta)
{
    if (!m_pListBox)
        return;
    const int sel = m_pListBox->GetCurSel();
    const int to = sel + delta;
    if (sel < 0 || to < 0 || to >= m_pListBox->GetCount())
        return;
    CString text;
    m_pListBox->GetText(sel, text);
    const DWORD_PTR data = m_pListBox->GetItemData(sel);
    m_pListBox->DeleteString(static_cast<UINT>(sel));
    m_pListBox->InsertString(to, text);
    m_pListBox->SetItemData(to, data);
    m_pListBox->SetCurSel(to);
}

void SECListBoxEditor::OnItemAdded(int, const CString&) {}
void SECListBoxEditor::OnItemRenamed(int, const CString&, const CString&) {}
BOOL SECListBoxEditor::OnItemDelete(int, const CString&)
{
    return TRUE;
}

CListBox* SECListBoxEditor::GetListBoxPtr()
{
    return m_pListBox;
}
