// The windows of the command bars: a bar's window (mouse input, hot and pressed controls, the
// run of its pop-ups, update-UI), the dock bars holding them, and their automation provider.
#include "toolkit/commandbars.h"

#include "window_class.h"

#include "commandbars_internal.h"
#include "mfc/commctl.h"
#include "toolkit/frame.h"
#include "toolkit/paintmanager.h"
#include "win32/automation.h"

#include <memory>

// Paints a bar (commandbars_paint.cpp).
void XTPPaintCommandBar(CDC* dc, const CRect& client, CXTPCommandBar* bar);

// The window of one bar; it lives as long as the bar or its dock bar, whichever goes first.
class CXTPCommandBarWnd : public CWnd {
public:
    explicit CXTPCommandBarWnd(CXTPCommandBar* bar) : m_bar(bar) {}
    CXTPCommandBar* Bar() const { return m_bar; }

    // One tip per visible control where it is now: the command's tip, else its caption. The menu
    // bar's items open menus and have none.
    void SyncToolTips()
    {
        if (!m_bar || dynamic_cast<CXTPMenuBar*>(m_bar))
            return;
        if (!m_tips.m_hWnd && !m_tips.Create(this))
            return;
        for (UINT_PTR id = 1; id <= m_tipCount; ++id)
            m_tips.DelTool(this, id);
        m_tipCount = 0;
        const CXTPControls* controls = m_bar->GetControls();
        for (int i = 0; i < controls->GetCount(); ++i) {
            const CXTPControl* c = controls->GetAt(i);
            CString text = c->GetID() > 0 ? XTPCommandTip(static_cast<UINT>(c->GetID())) : CString();
            if (text.IsEmpty())
                text = XTPPlainCaption(c->GetCaption());
            const CRect r = c->GetRect();
            m_tipCount = static_cast<UINT_PTR>(i) + 1;
            if (c->IsVisible() && !text.IsEmpty() && !r.IsRectEmpty())
                m_tips.AddTool(this, text, &r, m_tipCount);
        }
    }

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        if (m_bar)
            XTPPaintCommandBar(&dc, client, m_bar);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnMouseMove(UINT, CPoint point)
    {
        if (!m_bar)
            return;
        const int hit = m_bar->HitTest(point);
        if (m_bar->GetPressedIndex() >= 0 && ::GetCapture() == m_hWnd) {
            m_bar->SetHotIndex(hit == m_bar->GetPressedIndex() ? hit : -1);
            return;
        }
        m_bar->SetHotIndex(hit);
        if (hit >= 0) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&tme);
        }
    }
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM)
    {
        if (m_bar && ::GetCapture() != m_hWnd)
            m_bar->SetHotIndex(-1);
        return 0;
    }
    afx_msg void OnLButtonDown(UINT, CPoint point)
    {
        if (!m_bar)
            return;
        BOOL arrow = FALSE;
        const int hit = m_bar->HitTest(point, &arrow);
        CXTPControl* c = m_bar->GetControls()->GetAt(hit);
        if (!c || !c->GetEnabled())
            return;
        if (xtpbars::IsPopup(c) || (xtpbars::IsSplit(c) && arrow)) {
            m_bar->PopupControl(hit);
            return;
        }
        m_bar->SetHotIndex(hit);
        m_bar->SetPressedIndex(hit, arrow);
        Invalidate();
        SetCapture();
    }
    afx_msg void OnLButtonUp(UINT, CPoint point)
    {
        if (!m_bar || ::GetCapture() != m_hWnd)
            return;
        const int pressed = m_bar->GetPressedIndex();
        BOOL arrow = FALSE;
        const int hit = m_bar->HitTest(point, &arrow);
        m_bar->SetPressedIndex(-1, FALSE);
        ::ReleaseCapture();
        Invalidate();
        if (pressed >= 0 && hit == pressed && !arrow)
            m_bar->ExecuteControl(m_bar->GetControls()->GetAt(hit), FALSE);
    }
    afx_msg void OnCaptureChanged(CWnd*)
    {
        if (m_bar && m_bar->GetPressedIndex() >= 0 && !xtpbars::IsPopup(m_bar->GetControls()->GetAt(m_bar->GetPressedIndex()))) {
            m_bar->SetPressedIndex(-1, FALSE);
            Invalidate();
        }
    }
    // The idle update: the look may have changed since the bars were laid out, and the
    // controls follow their update handlers.
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
    {
        if (!m_bar)
            return 0;
        CXTPCommandBars* bars = m_bar->GetCommandBars();
        if (bars && bars->m_generation != XTPPaintManagerGeneration()) {
            bars->RecalcFrameLayout();
            bars->RedrawCommandBars();
        }
        if (m_bar->UpdateCommandUI(static_cast<BOOL>(wParam)))
            Invalidate();
        return 0;
    }
    afx_msg void OnDestroy()
    {
        if (m_tips.m_hWnd)
            m_tips.DestroyWindow();
        if (m_bar && m_bar->m_wnd == this)
            m_bar->m_wnd = nullptr;
        m_bar = nullptr;
        CWnd::OnDestroy();
    }

protected:
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()

private:
    CToolTipCtrl m_tips;
    UINT_PTR m_tipCount = 0; // tools 1..m_tipCount may exist

    CXTPCommandBar* m_bar;
};

BEGIN_MESSAGE_MAP(CXTPCommandBarWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// A dock bar: the strip along one edge of the frame that holds the bars of that side.
class DockBarWnd : public CWnd {
public:
    DockBarWnd(CWnd** slot) : m_slot(slot) {}
    afx_msg BOOL OnEraseBkgnd(CDC* dc)
    {
        CRect client;
        GetClientRect(&client);
        XTPPaintManager()->FillDockBar(dc, client);
        return TRUE;
    }
    afx_msg void OnPaint() { CPaintDC dc(this); }
    afx_msg void OnDestroy()
    {
        if (m_slot && *m_slot == this)
            *m_slot = nullptr;
        CWnd::OnDestroy();
    }

protected:
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()

private:
    CWnd** m_slot;
};

BEGIN_MESSAGE_MAP(DockBarWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTPCommandBar* BarOf(HWND hwnd)
{
    auto* w = dynamic_cast<CXTPCommandBarWnd*>(CWnd::FromHandlePermanent(hwnd));
    return w ? w->Bar() : nullptr;
}

// Scripts see a bar's visible controls as its items, named by their captions (or, for buttons
// without one, their command's tip); a split button has one child, its arrow part ("More").
class BarProvider : public MiscAutomationProvider {
public:
    static CXTPControl* Visible(CXTPCommandBar* bar, int index)
    {
        for (int i = 0, seen = 0; bar && i < bar->GetControls()->GetCount(); ++i) {
            CXTPControl* c = bar->GetControls()->GetAt(i);
            if (c->IsVisible() && seen++ == index)
                return c;
        }
        return nullptr;
    }
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        CXTPCommandBar* bar = BarOf(hwnd);
        if (!bar)
            return 0;
        if (parent.items.empty()) {
            int n = 0;
            for (int i = 0; i < bar->GetControls()->GetCount(); ++i)
                n += bar->GetControls()->GetAt(i)->IsVisible() ? 1 : 0;
            return n;
        }
        CXTPControl* c = parent.items.size() == 1 ? Visible(bar, parent.items[0]) : nullptr;
        return c && xtpbars::IsSplit(c) ? 1 : 0;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        if (path.IsWholeWindow()) {
            MiscElementState s = MiscAutomationProvider::Read(hwnd, path);
            if (CXTPCommandBar* bar = BarOf(hwnd))
                s.text = bar->GetTitle().GetString();
            s.childCount = ChildCount(hwnd, path);
            return s;
        }
        MiscElementState s;
        CXTPCommandBar* bar = BarOf(hwnd);
        CXTPControl* c = path.items.empty() ? nullptr : Visible(bar, path.items[0]);
        if (!c || path.items.size() > 2 || (path.items.size() == 2 && (!xtpbars::IsSplit(c) || path.items[1] != 0)))
            return s;
        s.exists = true;
        s.enabled = c->GetEnabled() != FALSE;
        CRect r = c->GetRect();
        if (path.items.size() == 2) {
            s.text = "More";
            r.left = r.right - xtpbars::kArrowWidth;
        } else {
            s.text = XTPPlainCaption(c->GetCaption()).GetString();
            if (s.text.empty() && c->GetID() > 0)
                s.text = XTPCommandTip(static_cast<UINT>(c->GetID())).GetString();
            if (xtpbars::IsSplit(c))
                r.right -= xtpbars::kArrowWidth;
            s.checked = c->GetChecked() ? BST_CHECKED : BST_UNCHECKED;
            s.childCount = xtpbars::IsSplit(c) ? 1 : 0;
            s.selected = bar->GetHotIndex() >= 0 && bar->GetControls()->GetAt(bar->GetHotIndex()) == c;
        }
        s.rect = r;
        s.visible = !r.IsRectEmpty();
        return s;
    }
};

} // namespace

namespace xtpbars {

void RegisterClasses()
{
    static const bool registered = xtpkit::RegisterWindowClass(XTP_TOOLBAR_CLASS, CS_DBLCLKS, std::make_shared<BarProvider>()) &&
                                   xtpkit::RegisterWindowClass(XTP_DOCKBAR_CLASS, CS_DBLCLKS);
    (void)registered;
}

CWnd* CreateBarWindow(CXTPCommandBar* bar, CWnd* dockBar)
{
    RegisterClasses();
    auto* wnd = new CXTPCommandBarWnd(bar);
    if (!wnd->CreateEx(0, XTP_TOOLBAR_CLASS, bar->GetTitle(), WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, dockBar->m_hWnd,
                       nullptr)) {
        delete wnd;
        return nullptr;
    }
    return wnd;
}

void SyncToolTips(CXTPCommandBar* bar)
{
    if (auto* wnd = dynamic_cast<CXTPCommandBarWnd*>(bar ? bar->GetWindow() : nullptr))
        wnd->SyncToolTips();
}

CWnd* CreateDockBar(CWnd* frame, XTPBarPosition side, CWnd** slot)
{
    RegisterClasses();
    static const UINT ids[4] = {XTP_IDW_DOCKBAR_TOP, XTP_IDW_DOCKBAR_BOTTOM, XTP_IDW_DOCKBAR_LEFT, XTP_IDW_DOCKBAR_RIGHT};
    auto* wnd = new DockBarWnd(slot);
    if (!wnd->CreateEx(0, XTP_DOCKBAR_CLASS, "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, frame->m_hWnd,
                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ids[side])))) {
        delete wnd;
        return nullptr;
    }
    return wnd;
}

} // namespace xtpbars

// --- running controls ---------------------------------------------------------------------------

namespace {

HMENU BuildMenu(CXTPCommandBar* popup)
{
    HMENU menu = ::CreatePopupMenu();
    int items = 0;
    for (int i = 0; popup && i < popup->GetControls()->GetCount(); ++i) {
        CXTPControl* c = popup->GetControls()->GetAt(i);
        if (!c->IsVisible())
            continue;
        if (c->GetBeginGroup() && items > 0)
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ++items;
        if (c->GetType() == xtpControlPopup) {
            ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(c->GetCommandBar())), c->GetCaption());
            continue;
        }
        UINT flags = MF_STRING;
        if (!c->GetEnabled())
            flags |= MF_GRAYED;
        if (c->GetChecked())
            flags |= MF_CHECKED;
        ::AppendMenuA(menu, flags, static_cast<UINT_PTR>(c->GetID()), c->GetCaption());
    }
    return menu;
}

// An update-UI target that enables and checks one control.
class ControlCmdUI : public CCmdUI {
public:
    explicit ControlCmdUI(CXTPControl* control) : m_control(control) {}
    void Enable(BOOL on) override
    {
        m_bEnableChanged = TRUE;
        if (m_control->GetEnabled() != (on ? TRUE : FALSE)) {
            m_control->SetEnabled(on ? TRUE : FALSE);
            changed = TRUE;
        }
    }
    void SetCheck(int check) override
    {
        if (m_control->GetChecked() != (check ? TRUE : FALSE)) {
            m_control->SetChecked(check ? TRUE : FALSE);
            changed = TRUE;
        }
    }
    void SetRadio(BOOL on) override { SetCheck(on ? 1 : 0); }
    void SetText(LPCTSTR) override {} // buttons keep their captions
    BOOL changed = FALSE;

private:
    CXTPControl* m_control;
};

} // namespace

BOOL CXTPCommandBar::PopupControl(int index)
{
    CXTPControl* c = m_controls.GetAt(index);
    if (!c || !c->IsVisible() || !c->GetEnabled() || !(xtpbars::IsPopup(c) || xtpbars::IsSplit(c)))
        return FALSE;
    SetHotIndex(index);
    SetPressedIndex(index, xtpbars::IsSplit(c));
    const HWND wnd = m_wnd ? m_wnd->m_hWnd : nullptr;
    if (wnd) {
        ::InvalidateRect(wnd, nullptr, TRUE);
        ::UpdateWindow(wnd);
    }
    // The pop-up runs modally; the bar may go meanwhile (a command rebuilds the bars): it is
    // touched afterwards only while its window still shows it.
    ExecuteControl(c, TRUE);
    if (!wnd || (::IsWindow(wnd) && BarOf(wnd) == this)) {
        SetPressedIndex(-1, FALSE);
        SetHotIndex(-1);
        if (wnd)
            ::InvalidateRect(wnd, nullptr, TRUE);
    }
    return TRUE;
}

void CXTPCommandBar::ExecuteControl(CXTPControl* control, BOOL arrowPart)
{
    if (!control || !control->GetEnabled())
        return;
    CFrameWnd* site = m_bars ? m_bars->GetSite() : nullptr;
    HWND owner = site && site->m_hWnd ? site->m_hWnd : (m_wnd ? m_wnd->m_hWnd : nullptr);
    if (!owner)
        return;
    if (xtpbars::IsPopup(control) || (xtpbars::IsSplit(control) && arrowPart)) {
        CRect r = control->GetRect();
        if (m_wnd && m_wnd->m_hWnd)
            m_wnd->ClientToScreen(&r);
        HMENU menu = BuildMenu(control->GetCommandBar());
        const POINT at = IsVertical() ? POINT{r.right, r.top} : POINT{r.left, r.bottom};
        ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, owner, nullptr);
        ::DestroyMenu(menu);
        return;
    }
    if (control->GetID() > 0)
        ::PostMessageA(owner, WM_COMMAND, MAKEWPARAM(control->GetID(), 0), 0);
}

BOOL CXTPCommandBar::UpdateCommandUI(BOOL disableIfNoHandler)
{
    CFrameWnd* site = m_bars ? m_bars->GetSite() : nullptr;
    if (!site || !site->m_hWnd)
        return FALSE;
    BOOL changed = FALSE;
    for (int i = 0; i < m_controls.GetCount(); ++i) {
        CXTPControl* c = m_controls.GetAt(i);
        if (xtpbars::IsPopup(c) || c->GetID() <= 0 || c->GetID() >= 0xF000)
            continue;
        ControlCmdUI ui(c);
        ui.m_nID = static_cast<UINT>(c->GetID());
        ui.m_nIndex = static_cast<UINT>(i);
        ui.m_nIndexMax = static_cast<UINT>(m_controls.GetCount());
        ui.DoUpdate(site, disableIfNoHandler);
        changed |= ui.changed;
    }
    return changed;
}
