// The toolkit stand-in's command bars as data: controls, their pop-up bars, copies and the
// factory sets, menus and tool-bar resources turned into controls, the bars of a frame.
#include "toolkit/commandbars.h"

#include "commandbars_internal.h"
#include "mfc/menu.h"
#include "toolkit/paintmanager.h"
#include "toolkit/shortcuts.h"

#include <algorithm>

CXTPControl::CXTPControl(XTPControlType type, int id, CXTPCommandBar* parent) : m_type(type), m_id(id), m_parent(parent)
{
    if (type == xtpControlPopup || type == xtpControlButtonPopup || type == xtpControlSplitButtonPopup)
        m_popup = std::make_unique<CXTPPopupBar>();
}

CXTPControl::~CXTPControl() = default;

CXTPCommandBar* CXTPControl::GetCommandBar() const
{
    return m_popup.get();
}

CString CXTPControl::GetDescription() const
{
    if (!m_description.IsEmpty() || m_id <= 0)
        return m_description;
    return XTPCommandDescription(static_cast<UINT>(m_id));
}

CXTPControl* CXTPControl::Clone() const
{
    auto* copy = new CXTPControl(m_type, m_id, nullptr);
    copy->m_caption = m_caption;
    copy->m_description = m_description;
    copy->m_iconId = m_iconId;
    copy->m_style = m_style;
    copy->m_visible = m_visible;
    copy->m_enabled = m_enabled;
    copy->m_checked = m_checked;
    copy->m_beginGroup = m_beginGroup;
    copy->m_temporary = m_temporary;
    if (m_popup && copy->m_popup) {
        const CXTPControls* from = m_popup->GetControls();
        for (int i = 0; i < from->GetCount(); ++i)
            copy->m_popup->GetControls()->AddClone(from->GetAt(i)->Clone());
    }
    return copy;
}

// --- the controls of a bar ----------------------------------------------------------------------

CXTPControl* CXTPControls::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_controls[static_cast<size_t>(index)].get() : nullptr;
}

CXTPControl* CXTPControls::Add(XTPControlType type, int id, LPCTSTR caption)
{
    m_controls.push_back(std::make_unique<CXTPControl>(type, id, m_owner));
    CXTPControl* c = m_controls.back().get();
    if (caption)
        c->SetCaption(caption);
    return c;
}

CXTPControl* CXTPControls::AddClone(CXTPControl* control)
{
    if (!control)
        return nullptr;
    control->m_parent = m_owner;
    m_controls.emplace_back(control);
    return control;
}

void CXTPControls::Remove(int index)
{
    if (index >= 0 && index < GetCount())
        m_controls.erase(m_controls.begin() + index);
}

CXTPControl* CXTPControls::FindControl(XTPControlType type, int id, BOOL visible, BOOL recursive) const
{
    for (const auto& c : m_controls) {
        if (visible && !c->IsVisible())
            continue;
        if (c->GetID() == id && (type == xtpControlError || c->GetType() == type))
            return c.get();
        if (recursive && c->GetCommandBar())
            if (CXTPControl* inner = c->GetCommandBar()->GetControls()->FindControl(type, id, visible, recursive))
                return inner;
    }
    return nullptr;
}

// --- bars ---------------------------------------------------------------------------------------

CXTPCommandBar::CXTPCommandBar()
{
    m_controls.m_owner = this;
}

CXTPCommandBar::~CXTPCommandBar()
{
    if (m_wnd && m_wnd->m_hWnd)
        m_wnd->DestroyWindow(); // the window deletes itself and forgets the bar
}

void CXTPCommandBar::RedrawWindow(UINT flags)
{
    ++m_redraws;
    m_lastRedrawFlags = flags;
    if (m_wnd && m_wnd->m_hWnd)
        m_wnd->RedrawWindow(nullptr, nullptr, flags);
}

void CXTPCommandBar::SetVisible(BOOL visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    if (m_bars && m_bars->GetSite())
        m_bars->RecalcFrameLayout();
}

void CXTPCommandBar::SetOriginalControls(CXTPControls* controls)
{
    m_original.reset(controls);
}

int CXTPCommandBar::GetImageIndex(int command) const
{
    auto it = std::find(m_images.begin(), m_images.end(), command);
    return m_bitmapId && it != m_images.end() ? static_cast<int>(it - m_images.begin()) : -1;
}

BOOL CXTPCommandBar::LoadToolBar(UINT id)
{
    if (id == 0)
        id = m_barId;
    const MiscResToolBar* res = MiscFromResourceModules([&](HINSTANCE m) { return MiscFindToolBar(m, id); });
    if (!res)
        return FALSE;
    const bool hasBitmap = MiscFromResourceModules([&](HINSTANCE m) { return MiscFindBitmap(m, id); }) != nullptr;
    m_controls.RemoveAll();
    m_images.clear();
    m_hot = m_pressed = -1;
    BOOL group = FALSE;
    for (int i = 0; i < res->count; ++i) {
        const UINT command = res->commands[i];
        if (command == 0) {
            group = m_controls.GetCount() > 0;
            continue;
        }
        m_images.push_back(static_cast<int>(command));
        CString caption = XTPCommandTip(command);
        if (caption.IsEmpty() && m_bars && m_bars->GetMenuBar())
            if (CXTPControl* item = m_bars->GetMenuBar()->GetControls()->FindControl(xtpControlError, static_cast<int>(command), FALSE, TRUE))
                caption = XTPPlainCaption(item->GetCaption());
        CXTPControl* c = m_controls.Add(xtpControlButton, static_cast<int>(command), caption);
        c->SetBeginGroup(group);
        group = FALSE;
    }
    m_bitmapId = hasBitmap ? id : 0;
    m_buttonSize = CSize(res->buttonWidth, res->buttonHeight);
    if (m_barId == 0)
        m_barId = id;
    auto* original = new CXTPControls;
    for (int i = 0; i < m_controls.GetCount(); ++i)
        original->AddClone(m_controls.GetAt(i)->Clone());
    SetOriginalControls(original);
    if (m_bars && m_bars->GetSite())
        m_bars->RecalcFrameLayout();
    return TRUE;
}

void CXTPCommandBar::OnInitialUpdate()
{
    m_hot = m_pressed = -1;
    UpdateCommandUI(TRUE);
    if (m_bars && m_bars->GetSite())
        m_bars->RecalcFrameLayout();
    if (m_wnd && m_wnd->m_hWnd)
        m_wnd->Invalidate();
}

void CXTPCommandBar::SetHotIndex(int index)
{
    if (index == m_hot)
        return;
    m_hot = index;
    if (m_wnd && m_wnd->m_hWnd)
        m_wnd->Invalidate();
    if (m_bars && m_bars->GetSite()) {
        CXTPControl* c = m_controls.GetAt(index);
        xtpbars::ShowStatusText(m_bars->GetSite(), c ? c->GetDescription() : CString());
    }
}

CXTPPopupBar* CXTPPopupBar::CreatePopupBar(CXTPCommandBars* bars)
{
    auto* bar = new CXTPPopupBar;
    bar->m_bars = bars;
    bar->SetPosition(xtpBarPopup);
    return bar;
}

namespace {

void Fill(CXTPControls* controls, CMenu* menu)
{
    const int n = static_cast<int>(menu->GetMenuItemCount());
    BOOL group = FALSE;
    for (int i = 0; i < n; ++i) {
        CString text;
        menu->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
        CXTPControl* added = nullptr;
        if (CMenu* sub = menu->GetSubMenu(i)) {
            added = controls->Add(xtpControlPopup, 0, text);
            Fill(added->GetCommandBar()->GetControls(), sub);
        } else {
            const UINT id = menu->GetMenuItemID(i);
            if (id == 0) {
                group = controls->GetCount() > 0; // a separator: the next control begins a group
                continue;
            }
            added = controls->Add(xtpControlButton, static_cast<int>(id), text);
        }
        added->SetBeginGroup(group);
        group = FALSE;
    }
}

} // namespace

BOOL CXTPPopupBar::LoadMenu(CMenu* menu, BOOL removeOld)
{
    if (!menu || !menu->GetSafeHmenu())
        return FALSE;
    if (removeOld)
        m_controls.RemoveAll();
    Fill(&m_controls, menu);
    return TRUE;
}

void CXTPPopupBar::SetTearOffPopup(LPCTSTR caption, UINT id, int width)
{
    m_tearOff = TRUE;
    m_tearOffCaption = caption ? caption : "";
    m_tearOffID = id;
    m_tearOffWidth = width;
}

BOOL CXTPMenuBar::LoadMenuBar(UINT id)
{
    HMENU menu = MiscFromResourceModules([&](HINSTANCE m) { return ::LoadMenuA(m, MAKEINTRESOURCEA(id)); });
    if (!menu)
        return FALSE;
    m_controls.RemoveAll();
    m_hot = m_pressed = -1;
    CMenu* wrapped = CMenu::FromHandle(menu);
    Fill(&m_controls, wrapped);
    ::DestroyMenu(menu);
    m_menuId = id;
    auto* original = new CXTPControls;
    for (int i = 0; i < m_controls.GetCount(); ++i)
        original->AddClone(m_controls.GetAt(i)->Clone());
    SetOriginalControls(original);
    return TRUE;
}

// --- the bars of a frame ------------------------------------------------------------------------

CXTPCommandBars::CXTPCommandBars() = default;

CXTPCommandBars::~CXTPCommandBars()
{
    m_bars.clear(); // their windows first, then the dock bars holding them
    for (CWnd*& dock : m_dockBars) {
        if (dock && dock->m_hWnd)
            dock->DestroyWindow();
        dock = nullptr;
    }
}

CXTPToolBar* CXTPCommandBars::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_bars[static_cast<size_t>(index)].get() : nullptr;
}

CXTPToolBar* CXTPCommandBars::Add(LPCTSTR title, XTPBarPosition position)
{
    m_bars.push_back(std::make_unique<CXTPToolBar>(title));
    CXTPToolBar* bar = m_bars.back().get();
    bar->m_bars = this;
    bar->SetPosition(position);
    CreateBarWindows();
    return bar;
}

CXTPMenuBar* CXTPCommandBars::SetMenu(LPCTSTR title, UINT id)
{
    auto bar = std::make_unique<CXTPMenuBar>();
    bar->m_bars = this;
    if (title)
        bar->SetTitle(title);
    if (!bar->LoadMenuBar(id))
        return nullptr;
    if (m_menuBar) {
        auto old = std::find_if(m_bars.begin(), m_bars.end(), [&](const auto& b) { return b.get() == m_menuBar; });
        if (old != m_bars.end())
            m_bars.erase(old);
    }
    m_menuBar = bar.get();
    m_bars.insert(m_bars.begin(), std::move(bar));
    // The bar takes the place of the frame's own menu.
    if (m_site && m_site->m_hWnd)
        if (HMENU own = ::GetMenu(m_site->m_hWnd)) {
            ::SetMenu(m_site->m_hWnd, nullptr);
            ::DestroyMenu(own);
        }
    CreateBarWindows();
    RecalcFrameLayout();
    return m_menuBar;
}

CXTPToolBar* CXTPCommandBars::GetToolBar(UINT barId) const
{
    for (const auto& bar : m_bars)
        if (bar->GetBarID() == barId)
            return bar.get();
    return nullptr;
}

void CXTPCommandBars::RedrawCommandBars()
{
    ++m_redraws;
    for (const auto& bar : m_bars)
        if (CWnd* w = bar->GetWindow(); w && w->m_hWnd)
            w->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    for (CWnd* dock : m_dockBars)
        if (dock && dock->m_hWnd)
            dock->Invalidate();
}

CXTPShortcutManager* CXTPCommandBars::GetShortcutManager()
{
    if (!m_shortcuts)
        m_shortcuts = std::make_unique<CXTPShortcutManager>(this);
    return m_shortcuts.get();
}

CXTPPaintManager* CXTPCommandBars::GetPaintManager() const
{
    return XTPPaintManager();
}

CXTPControl* CXTPCommandBars::FindControl(XTPControlType type, int id, BOOL visible, BOOL recursive) const
{
    for (const auto& bar : m_bars)
        if (CXTPControl* c = bar->GetControls()->FindControl(type, id, visible, recursive))
            return c;
    return nullptr;
}

void CXTPCommandBars::UpdateCommandBars()
{
    for (const auto& bar : m_bars)
        if (bar->IsVisible() && bar->UpdateCommandUI(TRUE) && bar->GetWindow())
            bar->GetWindow()->Invalidate();
}

UINT XTPHashKey(LPCTSTR text)
{
    UINT hash = 0;
    for (const char* p = text; p && *p; ++p)
        hash = (hash << 5) + hash + static_cast<unsigned char>(*p);
    return hash;
}

namespace {

CString CommandString(UINT id)
{
    const char* text = MiscFromResourceModules([&](HINSTANCE m) { return MiscFindString(m, id); });
    return text ? CString(text) : CString();
}

} // namespace

CString XTPCommandDescription(UINT id)
{
    CString s = CommandString(id);
    const int nl = s.Find('\n');
    return nl >= 0 ? s.Left(nl) : s;
}

CString XTPCommandTip(UINT id)
{
    CString s = CommandString(id);
    const int nl = s.Find('\n');
    return nl >= 0 ? s.Mid(nl + 1) : CString();
}

CString XTPPlainCaption(LPCTSTR caption)
{
    CString out;
    for (const char* p = caption ? caption : ""; *p && *p != '\t'; ++p) {
        if (*p == '&') {
            if (p[1] != '&')
                continue;
            ++p;
        }
        out += *p;
    }
    return out;
}

char XTPCaptionMnemonic(LPCTSTR caption)
{
    for (const char* p = caption ? caption : ""; *p && *p != '\t'; ++p)
        if (*p == '&') {
            if (p[1] != '&')
                return p[1] >= 'a' && p[1] <= 'z' ? static_cast<char>(p[1] - 'a' + 'A') : p[1];
            ++p;
        }
    return 0;
}
