// The frame's status bar: text panes drawn by the paint manager, the message pane showing the
// description of the control under the mouse.
#include "toolkit/frame.h"

#include "window_class.h"

#include "commandbars_internal.h"
#include "toolkit/paintmanager.h"
#include "win32/automation.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kGripper = 14; // the sizing gripper at the right end
constexpr int kPanePad = 10; // added to a pane's text

CXTPStatusBar* StatusOf(HWND hwnd)
{
    return dynamic_cast<CXTPStatusBar*>(CWnd::FromHandlePermanent(hwnd));
}

// Scripts read the panes as the bar's items.
class StatusProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        CXTPStatusBar* s = StatusOf(hwnd);
        return s && parent.items.empty() ? s->GetPaneCount() : 0;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        if (path.IsWholeWindow()) {
            MiscElementState s = MiscAutomationProvider::Read(hwnd, path);
            s.childCount = ChildCount(hwnd, path);
            return s;
        }
        MiscElementState s;
        CXTPStatusBar* bar = StatusOf(hwnd);
        if (!bar || path.items.size() != 1 || path.items[0] < 0 || path.items[0] >= bar->GetPaneCount())
            return s;
        s.exists = true;
        s.text = bar->GetPaneText(path.items[0]).GetString();
        s.rect = bar->GetItemRect(path.items[0]);
        return s;
    }
};

void RegisterOnce()
{
    static const bool registered = xtpkit::RegisterWindowClass(XTP_STATUSBAR_CLASS, 0, std::make_shared<StatusProvider>());
    (void)registered;
}

} // namespace

IMPLEMENT_DYNAMIC(CXTPStatusBar, CWnd)

BEGIN_MESSAGE_MAP(CXTPStatusBar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CXTPStatusBar::Create(CFrameWnd* frame, const UINT* indicators, int count)
{
    if (!frame || !frame->m_hWnd || count < 0 || (count > 0 && !indicators))
        return FALSE;
    RegisterOnce();
    m_panes.clear();
    for (int i = 0; i < count; ++i) {
        const UINT id = indicators[i];
        CString text = id == 0 ? m_idleText : CString(MiscFromResourceModules([&](HINSTANCE m) { return MiscFindString(m, id); }));
        m_panes.push_back({id, text, CRect()});
    }
    if (m_panes.empty())
        m_panes.push_back({0, m_idleText, CRect()});
    if (!CreateEx(0, XTP_STATUSBAR_CLASS, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, GetHeight(), frame->m_hWnd,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(XTP_IDW_STATUS_BAR))))
        return FALSE;
    LayoutPanes();
    return TRUE;
}

int CXTPStatusBar::GetHeight() const
{
    return xtpbars::TextExtent("Ready").cy + 8;
}

CString CXTPStatusBar::GetPaneText(int index) const
{
    return index >= 0 && index < GetPaneCount() ? m_panes[static_cast<size_t>(index)].text : CString();
}

UINT CXTPStatusBar::GetItemID(int index) const
{
    return index >= 0 && index < GetPaneCount() ? m_panes[static_cast<size_t>(index)].id : 0;
}

CRect CXTPStatusBar::GetItemRect(int index) const
{
    return index >= 0 && index < GetPaneCount() ? m_panes[static_cast<size_t>(index)].rect : CRect();
}

BOOL CXTPStatusBar::SetPaneText(int index, LPCTSTR text, BOOL update)
{
    if (index < 0 || index >= GetPaneCount())
        return FALSE;
    Pane& pane = m_panes[static_cast<size_t>(index)];
    const CString value(text ? text : "");
    if (pane.text == value)
        return TRUE;
    pane.text = value;
    if (index > 0)
        LayoutPanes();
    if (update && m_hWnd)
        InvalidateRect(&pane.rect);
    return TRUE;
}

void CXTPStatusBar::LayoutPanes()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    int right = client.right - kGripper;
    for (size_t i = m_panes.size(); i-- > 1;) {
        const int w = std::max(30, static_cast<int>(xtpbars::TextExtent(m_panes[i].text).cx) + kPanePad);
        m_panes[i].rect = CRect(right - w, client.top + 2, right, client.bottom - 1);
        right -= w + 2;
    }
    m_panes[0].rect = CRect(client.left + 2, client.top + 2, std::max(static_cast<int>(client.left) + 2, right), client.bottom - 1);
    Invalidate();
}

void CXTPStatusBar::OnSize(UINT, int, int)
{
    LayoutPanes();
}

BOOL CXTPStatusBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPStatusBar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CXTPPaintManager* pm = XTPPaintManager();
    pm->FillStatusBar(&dc, client);
    HGDIOBJ oldFont = ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    // Text on a dark face (the strong gradients) takes the look's colour for text on dark faces.
    const COLORREF face = dc.GetPixel(client.left + 2, client.top + client.Height() / 2);
    const bool dark = GetRValue(face) * 3 + GetGValue(face) * 6 + GetBValue(face) < 1000;
    dc.SetTextColor(pm->GetXtremeColor(dark ? XTP_COLOR_CAPTION_TEXT : XTP_COLOR_STATUSBAR_TEXT));
    const COLORREF border = pm->GetXtremeColor(XTP_COLOR_STATUSBAR_BORDER);
    for (size_t i = 0; i < m_panes.size(); ++i) {
        CRect r = m_panes[i].rect;
        if (i > 0)
            dc.Draw3dRect(&r, border, border);
        r.DeflateRect(4, 0);
        dc.DrawText(m_panes[i].text, &r, (i > 0 ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ::SelectObject(dc.GetSafeHdc(), oldFont);
    pm->DrawStatusBarGripper(&dc, CRect(client.right - kGripper, client.top + 2, client.right, client.bottom));
}
