// The pop-up control's items and its paint manager.
#include "toolkit/popupcontrol.h"

#include "win32/theme.h"

namespace {

constexpr UINT kDefaultAlign = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
constexpr COLORREF kNone = static_cast<COLORREF>(-1);
constexpr int kButtonIcon = 16; // icons of buttons are drawn at this size, others at the system size

// An icon resource from the current resource module, then the extension libraries, then the
// system's own icons.
HICON LoadAnyIcon(UINT id)
{
    const LPCSTR name = MAKEINTRESOURCEA(id);
    if (HICON icon = ::LoadIconA(AfxGetResourceHandle(), name))
        return icon;
    for (CDynLinkLibrary* lib = AfxGetFirstDynLinkLibrary(); lib; lib = lib->m_pNextDLL) {
        HMODULE module = lib->m_hResource ? lib->m_hResource : lib->m_hModule;
        if (HICON icon = module ? ::LoadIconA(module, name) : nullptr)
            return icon;
    }
    return ::LoadIconA(nullptr, name);
}

} // namespace

// ---- CXTPPopupItem ----

CXTPPopupItem::CXTPPopupItem(LPCRECT rect, LPCTSTR caption, COLORREF background, COLORREF border)
    : m_rect(rect ? CRect(*rect) : CRect()), m_caption(caption ? caption : ""), m_background(background),
      m_border(border), m_align(kDefaultAlign)
{
}

CXTPPopupItem::~CXTPPopupItem() = default;

void CXTPPopupItem::SetRect(const CRect& rect)
{
    RedrawControl();
    m_rect = rect;
    RedrawControl();
}

void CXTPPopupItem::SetCaption(LPCTSTR caption)
{
    m_caption = caption ? caption : "";
    RedrawControl();
}

void CXTPPopupItem::SetTextColor(COLORREF color)
{
    m_textColor = color;
    RedrawControl();
}

void CXTPPopupItem::SetBold(BOOL bold)
{
    m_bold = bold;
    RedrawControl();
}

void CXTPPopupItem::SetTextAlignment(UINT flags)
{
    m_align = flags;
    RedrawControl();
}

void CXTPPopupItem::SetHyperLink(BOOL hyperLink)
{
    m_hyperLink = hyperLink;
    RedrawControl();
}

void CXTPPopupItem::SetButton(BOOL button)
{
    m_button = button;
    RedrawControl();
}

void CXTPPopupItem::SetBackgroundColor(COLORREF color)
{
    m_background = color;
    RedrawControl();
}

void CXTPPopupItem::SetBorderColor(COLORREF color)
{
    m_border = color;
    RedrawControl();
}

int CXTPPopupItem::StateSlot(int state)
{
    return state & xtpPopupItemIconPressed ? 2 : (state & xtpPopupItemIconSelected ? 1 : 0);
}

BOOL CXTPPopupItem::SetIcon(UINT id, int states)
{
    HICON icon = LoadAnyIcon(id);
    if (!icon)
        return FALSE;
    for (int slot = 0; slot < 3; ++slot)
        if (states & (1 << slot)) {
            m_icons[slot] = icon;
            m_iconIds[slot] = id;
        }
    RedrawControl();
    return TRUE;
}

void CXTPPopupItem::SetIcon(HICON icon, int states)
{
    for (int slot = 0; slot < 3; ++slot)
        if (states & (1 << slot)) {
            m_icons[slot] = icon;
            m_iconIds[slot] = 0;
        }
    RedrawControl();
}

HICON CXTPPopupItem::GetIcon(int state) const
{
    const int slot = StateSlot(state);
    return m_icons[slot] ? m_icons[slot] : m_icons[0];
}

UINT CXTPPopupItem::GetIconID(int state) const
{
    const int slot = StateSlot(state);
    return m_icons[slot] ? m_iconIds[slot] : m_iconIds[0];
}

int CXTPPopupItem::CalculateHeight()
{
    CXTPPopupPaintManager fallback;
    CXTPPopupPaintManager* pm = m_control ? m_control->GetPaintManager() : &fallback;
    HDC screen = ::GetDC(nullptr);
    CDC* dc = CDC::FromHandle(screen);
    CFont* old = dc->SelectObject(pm->GetFont(m_bold));
    CRect measure(0, 0, m_rect.Width() > 0 ? m_rect.Width() : 1, 0);
    const UINT flags = (m_align & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT;
    dc->DrawText(m_caption.IsEmpty() ? CString("X") : m_caption, &measure, flags);
    dc->SelectObject(old);
    ::ReleaseDC(nullptr, screen);
    const int height = measure.Height();
    m_rect.bottom = m_rect.top + height;
    RedrawControl();
    return height;
}

BOOL CXTPPopupItem::IsSelected() const
{
    return m_control && m_control->m_hot == this;
}

BOOL CXTPPopupItem::IsPressed() const
{
    return m_control && m_control->m_pressed == this && m_control->m_hot == this;
}

void CXTPPopupItem::RedrawControl()
{
    if (m_control && m_control->GetSafeHwnd())
        m_control->InvalidateRect(&m_rect, FALSE);
}

// ---- CXTPPopupPaintManager ----

CXTPPopupPaintManager::CXTPPopupPaintManager()
{
    RefreshMetrics();
}

CXTPPopupPaintManager::~CXTPPopupPaintManager() = default;

void CXTPPopupPaintManager::RefreshMetrics()
{
    m_clrBackground.SetStandardValue(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_BTNFACE));
    m_clrFrame = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrHyperLink = ::GetSysColor(COLOR_HOTLIGHT);
    LOGFONTA lf{};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    m_fntText.DeleteObject();
    m_fntText.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntTitle.DeleteObject();
    m_fntTitle.CreateFontIndirect(&lf);
}

void CXTPPopupPaintManager::DrawBackground(CDC* dc, CXTPPopupControl*, CRect rect)
{
    m_clrBackground.Fill(dc, rect, FALSE);
    CBrush frame(m_clrFrame);
    dc->FrameRect(&rect, &frame);
}

void CXTPPopupPaintManager::DrawIcon(CDC* dc, CXTPPopupItem* item, const CRect& rect)
{
    const int state = item->IsPressed() ? xtpPopupItemIconPressed
                                        : (item->IsSelected() ? xtpPopupItemIconSelected : xtpPopupItemIconNormal);
    HICON icon = item->GetIcon(state);
    if (!icon)
        return;
    const int size = item->IsButton() ? kButtonIcon : ::GetSystemMetrics(SM_CXICON);
    const int cx = size < rect.Width() ? size : rect.Width();
    const int cy = size < rect.Height() ? size : rect.Height();
    ::DrawIconEx(dc->GetSafeHdc(), rect.left + (rect.Width() - cx) / 2, rect.top + (rect.Height() - cy) / 2, icon, cx,
                 cy, 0, nullptr, DI_NORMAL);
}

void CXTPPopupPaintManager::DrawButton(CDC* dc, CXTPPopupItem* item)
{
    const CRect rect = item->GetRect();
    if (item->IsSelected() || item->IsPressed())
        MiscCurrentTheme().DrawToolBarButton(dc->GetSafeHdc(), rect,
                                             MISC_TS_FLAT | (item->IsPressed() ? MISC_TS_PRESSED : MISC_TS_HOT));
    CRect inside(rect);
    if (item->IsPressed())
        inside.OffsetRect(1, 1);
    DrawIcon(dc, item, inside);
}

void CXTPPopupPaintManager::DrawItem(CDC* dc, CXTPPopupItem* item)
{
    const CRect rect = item->GetRect();
    if (item->GetBackgroundColor() != kNone)
        dc->FillSolidRect(&rect, item->GetBackgroundColor());
    if (item->GetBorderColor() != kNone) {
        CBrush border(item->GetBorderColor());
        dc->FrameRect(&rect, &border);
    }
    if (item->IsButton()) {
        DrawButton(dc, item);
        return;
    }
    DrawIcon(dc, item, rect);
    if (item->GetCaption().IsEmpty())
        return;
    COLORREF color = item->GetTextColor() != kNone ? item->GetTextColor() : m_clrText;
    CFont underlined;
    CFont* font = GetFont(item->IsBold());
    if (item->IsHyperLink()) {
        if (item->GetTextColor() == kNone)
            color = m_clrHyperLink;
        LOGFONTA lf{};
        font->GetLogFont(&lf);
        lf.lfUnderline = TRUE;
        underlined.CreateFontIndirect(&lf);
        font = &underlined;
    }
    CFont* old = dc->SelectObject(font);
    const int mode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = dc->SetTextColor(color);
    CRect text(rect);
    dc->DrawText(item->GetCaption(), &text, item->GetTextAlignment());
    dc->SetTextColor(oldColor);
    dc->SetBkMode(mode);
    dc->SelectObject(old);
}
