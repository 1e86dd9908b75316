// CQVXColoredDlg: dialogs painted in the host's shared background colour.
#include <misc/ui/colored.h>

#include <toolkit/paintmanager.h>
#include <toolkit/xtbutton.h>

COLORREF* CQVXColoredDlg::s_pClrDlgBk = nullptr;
HBRUSH CQVXColoredDlg::s_hBkBrush = nullptr;
int CQVXColoredDlg::s_nRefCount = 0;

namespace {

constexpr COLORREF kNoColour = 0xFFFFFFFF;
constexpr UINT kKindButton = 3; // CTLCOLOR_BTN
constexpr UINT kKindStatic = 6; // CTLCOLOR_STATIC

COLORREF* Usable(COLORREF* color)
{
    return color && *color != kNoColour ? color : nullptr;
}

} // namespace

BEGIN_MESSAGE_MAP(CQVXColoredDlg, CVmxDialog)
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CQVXColoredDlg::CQVXColoredDlg(COLORREF* color, UINT templateId, CWnd* parent, int mode, HINSTANCE resources)
    : CVmxDialog(templateId, parent, 0, resources ? resources : AfxGetResourceHandle(), 0), m_mode(mode)
{
    s_pClrDlgBk = Usable(color);
    Init();
}

CQVXColoredDlg::CQVXColoredDlg(COLORREF* color, int mode) : CVmxDialog(nullptr, 0), m_mode(mode)
{
    s_pClrDlgBk = Usable(color);
    Init();
}

CQVXColoredDlg::~CQVXColoredDlg()
{
    if (!m_initialized)
        return;
    POSITION pos = m_buttons.GetStartPosition();
    while (pos) {
        void* key = nullptr;
        void* value = nullptr;
        m_buttons.GetNextAssoc(pos, key, value);
        auto* button = static_cast<CXTButton*>(value);
        if (button->GetSafeHwnd())
            button->UnsubclassWindow();
        delete button;
    }
    m_buttons.RemoveAll();
    m_initialized = 0;
    if (--s_nRefCount <= 0) {
        s_nRefCount = 0;
        if (s_hBkBrush)
            ::DeleteObject(s_hBkBrush);
        s_hBkBrush = nullptr;
    }
}

void CQVXColoredDlg::Init()
{
    if (!s_hBkBrush && s_pClrDlgBk)
        s_hBkBrush = ::CreateSolidBrush(*s_pClrDlgBk);
    ++s_nRefCount;
    m_initialized = 1;
}

void CQVXColoredDlg::RefreshBkBrushColor()
{
    if (!s_hBkBrush || !s_pClrDlgBk)
        return;
    ::DeleteObject(s_hBkBrush);
    s_hBkBrush = ::CreateSolidBrush(*s_pClrDlgBk);
}

void CQVXColoredDlg::UpdateButtonColors()
{
    if (!s_pClrDlgBk)
        return;
    POSITION pos = m_buttons.GetStartPosition();
    while (pos) {
        void* key = nullptr;
        void* value = nullptr;
        m_buttons.GetNextAssoc(pos, key, value);
        static_cast<CXTButton*>(value)->SetColorFace(*s_pClrDlgBk);
    }
}

BOOL CQVXColoredDlg::OnEraseBkgnd(CDC* dc)
{
    if (!s_pClrDlgBk)
        return CVmxDialog::OnEraseBkgnd(dc);
    CRect client;
    GetClientRect(&client);
    const COLORREF color = *s_pClrDlgBk;
    const COLORREF white = RGB(255, 255, 255);
    switch (m_mode) {
    case kGradientToWhite: CXTPPaintManager::GradientFill(dc, &client, color, white, TRUE); break;
    case kGradientFromWhite: CXTPPaintManager::GradientFill(dc, &client, white, color, FALSE); break;
    default: dc->FillSolidRect(&client, color); break;
    }
    return TRUE;
}

void CQVXColoredDlg::SubclassButton(CWnd* control)
{
    const int id = control->GetDlgCtrlID();
    void* existing = nullptr;
    if (id == 0 || CWnd::FromHandlePermanent(control->m_hWnd) ||
        m_buttons.Lookup(reinterpret_cast<void*>(static_cast<INT_PTR>(id)), existing))
        return;
    auto* button = new CXTButton;
    if (!button->SubclassWindow(control->m_hWnd)) {
        delete button;
        return;
    }
    button->SetTheme(xtThemeOfficeXP);
    button->SetXButtonStyle(BS_XT_WINXP_COMPAT | BS_XT_CENTERALIGN, TRUE); // 0x1010
    button->SetColorFace(*s_pClrDlgBk);
    // Owner drawing: the button type bits become BS_OWNERDRAW whatever push-button kind it was.
    ::SetWindowLongA(button->m_hWnd, GWL_STYLE,
                     static_cast<LONG>((button->GetStyle() & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW));
    button->Invalidate();
    m_buttons.SetAt(reinterpret_cast<void*>(static_cast<INT_PTR>(id)), button);
}

HBRUSH CQVXColoredDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT kind)
{
    if (!s_pClrDlgBk)
        return CVmxDialog::OnCtlColor(dc, wnd, kind);
    if (kind == kKindButton && m_initialized && wnd && wnd->GetSafeHwnd())
        SubclassButton(wnd);
    if (kind == kKindStatic && s_hBkBrush) {
        dc->SetBkColor(*s_pClrDlgBk);
        dc->SetBkMode(TRANSPARENT);
        return s_hBkBrush;
    }
    return CVmxDialog::OnCtlColor(dc, wnd, kind);
}
