// CPropertySheet's window: the dialog built for it, its layout after the largest page, the modal
// and modeless runs, and its keyboard interface (Tab through the tabs, the open page and the
// buttons; Ctrl+Tab and Ctrl+PageDown/PageUp between pages; Enter and Escape for OK and Cancel).
#include "mfc/propsheet.h"

#include <algorithm>

#include "dialog/dlgsys.h"
#include "mfc/app.h"

namespace {

const DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
// Spacing in dialog units: the margin round the tabs and buttons, the buttons' size and gap.
constexpr int kMarginDlu = 7, kButtonW = 50, kButtonH = 14, kGapDlu = 4;
// The smallest page area, for a sheet without pages.
constexpr int kMinPageW = 100, kMinPageH = 50;

const DWORD kSheetStyle = DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | WS_POPUP | WS_CAPTION | WS_SYSMENU;

bool Eligible(HWND h)
{
    return ::IsWindowVisible(h) && ::IsWindowEnabled(h) && (::GetWindowLongA(h, GWL_STYLE) & WS_TABSTOP);
}

// The tab stops under a window, entering nested control parents.
void CollectStops(HWND parent, std::vector<HWND>& out)
{
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        if ((::GetWindowLongA(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && ::IsWindowVisible(c))
            CollectStops(c, out);
        else if (Eligible(c))
            out.push_back(c);
    }
}

} // namespace

BOOL CPropertySheet::OpenWindow(HWND owner, DWORD style, DWORD exStyle, bool modal)
{
    if (m_hWnd)
        return FALSE;
    m_captionText = WindowCaption().GetString();
    m_controls = {
        {WC_TABCONTROLA, "", AFX_IDC_TAB_CONTROL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | TCS_MULTILINE, 0, 0, 0, 10, 10},
        {"BUTTON", "OK", IDOK, kButton | BS_DEFPUSHBUTTON, 0, 0, 0, kButtonW, kButtonH},
        {"BUTTON", "Cancel", IDCANCEL, kButton, 0, 0, 0, kButtonW, kButtonH},
    };
    if (!(m_psh.dwFlags & PSH_NOAPPLYNOW))
        m_controls.push_back({"BUTTON", "&Apply", ID_APPLY_NOW, kButton | WS_DISABLED, 0, 0, 0, kButtonW, kButtonH});
    if (m_psh.dwFlags & PSH_HASHELP)
        m_controls.push_back({"BUTTON", "Help", IDHELP, kButton, 0, 0, 0, kButtonW, kButtonH});
    m_template = MiscResDialog{0, (style | DS_SETFONT) & ~static_cast<DWORD>(WS_VISIBLE), exStyle | WS_EX_CONTROLPARENT, 0, 0,
                               100, 50, m_captionText.c_str(), "MS Shell Dlg", 8, nullptr, m_controls.data(),
                               static_cast<int>(m_controls.size())};
    m_active = -1;
    AfxHookWindowCreate(this);
    HWND hwnd = wndsys::CreateDialogFromTemplate(AfxGetResourceHandle(), &m_template, owner, nullptr, 0, modal);
    AfxUnhookWindowCreate();
    if (!hwnd || !m_hWnd)
        return FALSE;
    if (!modal && (style & WS_VISIBLE))
        ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd)
        return -1;
    CWnd* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND owner = parent && parent->m_hWnd ? ::GetAncestor(parent->m_hWnd, GA_ROOT) : nullptr;
    bool enableOwner = owner && ::IsWindowEnabled(owner);
    if (enableOwner)
        ::EnableWindow(owner, FALSE);
    m_bModeless = FALSE;
    INT_PTR result = -1;
    if (OpenWindow(owner, kSheetStyle, 0, true)) {
        HWND hwnd = m_hWnd;
        if (!::IsWindowVisible(hwnd))
            ShowWindow(SW_SHOWNORMAL);
        MiscModal info;
        info.kind = MiscModalKind::PropertySheet;
        info.hwnd = hwnd;
        info.caption = m_captionText;
        bool ok = wndsys::RunModal(hwnd, info, [hwnd] {
            wndsys::DialogRec* d = ::IsWindow(hwnd) ? wndsys::DialogOf(hwnd) : nullptr;
            return !d || d->ended;
        });
        wndsys::DialogRec* d = ::IsWindow(hwnd) ? wndsys::DialogOf(hwnd) : nullptr;
        if (ok && d && d->ended)
            result = d->result;
    }
    if (enableOwner && ::IsWindow(owner))
        ::EnableWindow(owner, TRUE);
    if (m_hWnd)
        DestroyWindow();
    if (owner && ::IsWindow(owner) && ::IsWindowVisible(owner))
        ::SetActiveWindow(owner);
    return result;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (dwStyle == static_cast<DWORD>(-1))
        dwStyle = kSheetStyle | WS_VISIBLE;
    m_pParentWnd = pParentWnd;
    m_bModeless = TRUE;
    CWnd* parent = pParentWnd ? pParentWnd : AfxGetMainWnd();
    HWND owner = parent && parent->m_hWnd ? ::GetAncestor(parent->m_hWnd, GA_ROOT) : nullptr;
    return OpenWindow(owner, dwStyle, dwExStyle, false);
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    BOOL result = OnInitDialog();
    if (m_hWnd && !(GetStyle() & WS_CHILD))
        CenterWindow();
    return result;
}

BOOL CPropertySheet::OnInitDialog()
{
    m_tab.SubclassDlgItem(AFX_IDC_TAB_CONTROL, this);
    for (int i = 0; i < GetPageCount(); ++i)
        m_tab.InsertItem(i, m_pages[static_cast<size_t>(i)]->GetTabText().GetString());
    Layout();
    if (!m_pages.empty()) {
        int start = std::clamp(static_cast<int>(m_psh.nStartPage), 0, GetPageCount() - 1);
        m_tab.SetCurSel(start);
        ShowPage(start);
    }
    m_tab.SetFocus();
    return FALSE; // the focus is placed
}

void CPropertySheet::Layout()
{
    RECT unit{kMarginDlu, kMarginDlu, kButtonW, kButtonH};
    ::MapDialogRect(m_hWnd, &unit);
    RECT gapRect{kGapDlu, 0, kMinPageW, kMinPageH};
    ::MapDialogRect(m_hWnd, &gapRect);
    int mx = unit.left, my = unit.top, bw = unit.right, bh = unit.bottom, gap = gapRect.left;
    // The page area holds the largest page (measured in the sheet's dialog units).
    int pageW = gapRect.right, pageH = gapRect.bottom;
    for (CPropertyPage* page : m_pages) {
        HINSTANCE module = nullptr;
        if (const MiscResDialog* t = page->FindTemplate(&module)) {
            RECT r{0, 0, t->cx, t->cy};
            ::MapDialogRect(m_hWnd, &r);
            pageW = std::max<int>(pageW, r.right);
            pageH = std::max<int>(pageH, r.bottom);
        }
    }
    std::vector<HWND> buttons;
    for (int id : {IDOK, IDCANCEL, static_cast<int>(ID_APPLY_NOW), IDHELP})
        if (HWND b = ::GetDlgItem(m_hWnd, id))
            buttons.push_back(b);
    int buttonsW = static_cast<int>(buttons.size()) * (bw + gap) - gap;
    pageW = std::max(pageW, buttonsW - 8);
    // Twice: the rows of the tabs follow the width of the control.
    RECT outer{};
    for (int pass = 0; pass < 2; ++pass) {
        outer = RECT{0, 0, pageW, pageH};
        m_tab.AdjustRect(TRUE, &outer);
        m_tab.SetWindowPos(nullptr, mx, my, outer.right - outer.left, outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    int tabRight = mx + (outer.right - outer.left), tabBottom = my + (outer.bottom - outer.top);
    int y = tabBottom + my, x = tabRight - buttonsW;
    for (HWND b : buttons) {
        ::SetWindowPos(b, nullptr, x, y, bw, bh, SWP_NOZORDER | SWP_NOACTIVATE);
        x += bw + gap;
    }
    RECT window{0, 0, tabRight + mx, y + bh + my};
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<HWND> CPropertySheet::TabStops() const
{
    std::vector<HWND> out;
    if (m_tab.m_hWnd && Eligible(m_tab.m_hWnd))
        out.push_back(m_tab.m_hWnd);
    if (CPropertyPage* page = GetPage(m_active); page && page->m_hWnd)
        CollectStops(page->m_hWnd, out);
    for (int id : {IDOK, IDCANCEL, static_cast<int>(ID_APPLY_NOW), IDHELP})
        if (HWND b = ::GetDlgItem(m_hWnd, id); b && Eligible(b))
            out.push_back(b);
    return out;
}

bool CPropertySheet::Navigate(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN)
        return false;
    WPARAM vk = pMsg->wParam;
    bool ctrl = ::GetKeyState(VK_CONTROL) < 0, shift = ::GetKeyState(VK_SHIFT) < 0;
    int n = GetPageCount();
    if (ctrl && n > 0 && (vk == VK_TAB || vk == VK_NEXT || vk == VK_PRIOR)) {
        bool back = vk == VK_PRIOR || (vk == VK_TAB && shift);
        int from = std::max(m_active, 0);
        ChangePage((from + (back ? n - 1 : 1)) % n);
        return true;
    }
    if (vk != VK_TAB || ctrl || ::GetKeyState(VK_MENU) < 0)
        return false;
    HWND focus = ::GetFocus();
    if (focus && (::SendMessageA(focus, WM_GETDLGCODE, vk, reinterpret_cast<LPARAM>(pMsg)) & (DLGC_WANTTAB | DLGC_WANTALLKEYS)))
        return false;
    std::vector<HWND> stops = TabStops();
    if (stops.empty())
        return false;
    int count = static_cast<int>(stops.size()), at = -1;
    for (int i = 0; i < count; ++i)
        if (stops[static_cast<size_t>(i)] == focus || ::IsChild(stops[static_cast<size_t>(i)], focus))
            at = i;
    int next = at < 0 ? (shift ? count - 1 : 0) : (at + (shift ? count - 1 : 1)) % count;
    HWND target = stops[static_cast<size_t>(next)];
    ::SendMessageA(::GetParent(target), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
    return true;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (!m_hWnd || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    if (Navigate(pMsg))
        return TRUE;
    // Arrows and mnemonics work inside the open page; Enter and Escape belong to the sheet.
    CPropertyPage* page = GetPage(m_active);
    bool sheetKey = pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE);
    if (!sheetKey && page && page->m_hWnd && ::IsChild(page->m_hWnd, pMsg->hwnd))
        return ::IsDialogMessageA(page->m_hWnd, pMsg);
    return ::IsDialogMessageA(m_hWnd, pMsg);
}
