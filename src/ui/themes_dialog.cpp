// The themes dialog: a list of the themes, the user colours and amount, four common settings;
// every change is applied to the frame at once, OK stores it and Cancel goes back to the stored
// theme.
#include "misc/ui/themes.h"

#include "themes_settings.h"

BEGIN_MESSAGE_MAP(CThemesDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_MISC_THEMES_LIST, OnMainThemeChange)
    ON_CPN_XT_SELENDOK(IDC_MISC_THEMES_COLOR1, OnMainThemeChange)
    ON_CPN_XT_SELENDOK(IDC_MISC_THEMES_COLOR2, OnMainThemeChange)
    ON_BN_CLICKED(IDC_MISC_THEMES_TABS_AT_BOTTOM, OnMainThemeChange)
    ON_BN_CLICKED(IDC_MISC_THEMES_TOOLBAR_TEXT, OnMainThemeChange)
    ON_BN_CLICKED(IDC_MISC_THEMES_STICKERS, OnMainThemeChange)
    ON_BN_CLICKED(IDC_MISC_THEMES_ANIMATION, OnMainThemeChange)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

CThemesDlg::CThemesDlg(const CString& section, CXTPDockingPaneManager* manager, CXTPFrameWnd* frame, CWnd* parent)
    : CDialog(IDD_MISC_THEMES, parent), m_pFrame(frame), m_pMDIFrame(nullptr), m_pManager(manager),
      m_strSection(section)
{
    m_resource.Switch();
}

CThemesDlg::CThemesDlg(const CString& section, CXTPDockingPaneManager* manager, CXTPMDIFrameWnd* frame, CWnd* parent)
    : CDialog(IDD_MISC_THEMES, parent), m_pFrame(nullptr), m_pMDIFrame(frame), m_pManager(manager),
      m_strSection(section)
{
    m_resource.Switch();
}

CThemesDlg::~CThemesDlg() = default;

BOOL CThemesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_pFrame && !m_pMDIFrame)
        return TRUE;
    m_cp1.SubclassDlgItem(IDC_MISC_THEMES_COLOR1, this);
    m_cp2.SubclassDlgItem(IDC_MISC_THEMES_COLOR2, this);
    m_slider.SubclassDlgItem(IDC_MISC_THEMES_SLIDER, this);
    m_slider.SetRange(0, 255);
    const MiscThemeSettings s = MiscReadThemeSettings(m_strSection);
    if (CListBox* list = static_cast<CListBox*>(GetDlgItem(IDC_MISC_THEMES_LIST))) {
        if (list->GetCount() == 0) {
            CCallResourceScope scope;
            for (int i = 0; i < MISC_THEME_COUNT; ++i) {
                CString name;
                if (!name.LoadString(IDS_MISC_THEME_NAME_FIRST + i))
                    name.Format("Theme %d", i);
                list->AddString(name);
            }
        }
        list->SetCurSel(s.mainTheme);
    }
    m_cp1.SetColor(s.color1);
    m_cp1.SetDefaultColor(MISC_THEME_DEFAULT_COLOR1);
    m_cp2.SetColor(s.color2);
    m_cp2.SetDefaultColor(MISC_THEME_DEFAULT_COLOR2);
    m_slider.SetPos(s.customVal);
    CheckDlgButton(IDC_MISC_THEMES_TABS_AT_BOTTOM, s.tabsAtBottom ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_MISC_THEMES_TOOLBAR_TEXT, s.toolbarText ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_MISC_THEMES_STICKERS, s.dockingStickers ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_MISC_THEMES_ANIMATION, s.autoHideAnimation ? BST_CHECKED : BST_UNCHECKED);
    OnMainThemeChange();
    return TRUE;
}

void CThemesDlg::UpdateControls()
{
    const CListBox* list = static_cast<CListBox*>(GetDlgItem(IDC_MISC_THEMES_LIST));
    const int theme = list ? list->GetCurSel() : -1;
    auto show = [this](int id, bool visible) {
        if (CWnd* w = GetDlgItem(id))
            w->ShowWindow(visible ? SW_SHOW : SW_HIDE);
    };
    show(IDC_MISC_THEMES_COLOR1, theme == 19 || theme == 20 || theme == 21);
    show(IDC_MISC_THEMES_COLOR2, theme == 20 || theme == 21);
    show(IDC_MISC_THEMES_SLIDER, theme == 19);
    show(IDC_MISC_THEMES_SLIDER_LABEL, theme == 19);
}

void CThemesDlg::OnMainThemeChange()
{
    if (!m_pFrame && !m_pMDIFrame)
        return;
    UpdateControls();
    const CListBox* list = static_cast<CListBox*>(GetDlgItem(IDC_MISC_THEMES_LIST));
    const int theme = list ? list->GetCurSel() : -1;
    const int toolbarText = IsDlgButtonChecked(IDC_MISC_THEMES_TOOLBAR_TEXT) == BST_CHECKED;
    SetMainTheme(m_pManager, static_cast<THEME>(theme), m_cp1.GetColor(), m_cp2.GetColor(), m_slider.GetPos(),
                 IsDlgButtonChecked(IDC_MISC_THEMES_TABS_AT_BOTTOM) == BST_CHECKED, IsDlgButtonChecked(IDC_MISC_THEMES_STICKERS) == BST_CHECKED,
                 IsDlgButtonChecked(IDC_MISC_THEMES_ANIMATION) == BST_CHECKED, toolbarText);
    // The frame's own bars, also when the manager sits on another window.
    CWnd* frame = m_pFrame ? static_cast<CWnd*>(m_pFrame) : static_cast<CWnd*>(m_pMDIFrame);
    if (CXTPCommandBars* bars = MiscThemeFrameBars(frame))
        bars->GetCommandBarsOptions()->bShowTextBelowIcons = toolbarText ? TRUE : FALSE;
    ApplyTheme(0);
}

void CThemesDlg::ApplyTheme(int flag)
{
    CFrameWnd* frame = m_pFrame ? static_cast<CFrameWnd*>(m_pFrame) : static_cast<CFrameWnd*>(m_pMDIFrame);
    if (!frame || !frame->GetSafeHwnd())
        return;
    BeginWaitCursor();
    CXTPCommandBars* bars = MiscThemeFrameBars(frame);
    frame->RecalcLayout();
    if (flag == 0 && bars)
        bars->RedrawCommandBars();
    const UINT redraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
    if (m_pFrame) {
        frame->RedrawWindow(nullptr, nullptr, redraw);
        frame->SendMessage(WM_XTP_THEMECHANGED, 0, 0);
        if (bars)
            bars->RedrawCommandBars();
    } else {
        frame->SendMessage(WM_XTP_THEMECHANGED, 0, 0);
        frame->RedrawWindow(nullptr, nullptr, redraw);
    }
    EndWaitCursor();
}

void CThemesDlg::OnHScroll(UINT code, UINT pos, CScrollBar* bar)
{
    CDialog::OnHScroll(code, pos, bar);
    if (bar && bar->GetSafeHwnd() == m_slider.GetSafeHwnd())
        OnMainThemeChange();
}

void CThemesDlg::OnOK()
{
    if (m_pFrame || m_pMDIFrame) {
        const CListBox* list = static_cast<CListBox*>(GetDlgItem(IDC_MISC_THEMES_LIST));
        MiscThemeSettings s{};
        // No entry selected (a stored value outside the list): the stored value stays.
        s.mainTheme = list && list->GetCurSel() >= 0 ? list->GetCurSel() : MiscReadThemeSettings(m_strSection).mainTheme;
        s.color1 = m_cp1.GetColor();
        s.color2 = m_cp2.GetColor();
        s.customVal = m_slider.GetPos();
        s.tabsAtBottom = IsDlgButtonChecked(IDC_MISC_THEMES_TABS_AT_BOTTOM) == BST_CHECKED;
        s.toolbarText = IsDlgButtonChecked(IDC_MISC_THEMES_TOOLBAR_TEXT) == BST_CHECKED;
        s.dockingStickers = IsDlgButtonChecked(IDC_MISC_THEMES_STICKERS) == BST_CHECKED;
        s.autoHideAnimation = IsDlgButtonChecked(IDC_MISC_THEMES_ANIMATION) == BST_CHECKED;
        MiscWriteThemeSettings(m_strSection, s);
    }
    CDialog::OnOK();
}

void CThemesDlg::OnCancel()
{
    if (m_pFrame || m_pMDIFrame) {
        SetMainThemeByProfile(m_pManager, m_strSection);
        ApplyTheme(0);
    }
    CDialog::OnCancel();
}
