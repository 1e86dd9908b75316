// The toolkit stand-in's command bars as data.
#include "toolkit/commandbars.h"

#include "mfc/menu.h"
#include "toolkit/paintmanager.h"
#include "toolkit/shortcuts.h"

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

CXTPCommandBar::CXTPCommandBar()
{
    m_controls.m_owner = this;
}

CXTPCommandBar::~CXTPCommandBar() = default;

void CXTPCommandBar::RedrawWindow(UINT flags)
{
    ++m_redraws;
    m_lastRedrawFlags = flags;
}

CXTPPopupBar* CXTPPopupBar::CreatePopupBar(CXTPCommandBars*)
{
    return new CXTPPopupBar;
}

namespace {

void Fill(CXTPControls* controls, CMenu* menu)
{
    const int n = static_cast<int>(menu->GetMenuItemCount());
    for (int i = 0; i < n; ++i) {
        CString text;
        menu->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
        if (CMenu* sub = menu->GetSubMenu(i)) {
            CXTPControl* popup = controls->Add(xtpControlPopup, 0, text);
            Fill(popup->GetCommandBar()->GetControls(), sub);
            continue;
        }
        const UINT id = menu->GetMenuItemID(i);
        if (id == 0)
            continue; // a separator
        controls->Add(xtpControlButton, static_cast<int>(id), text);
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

CXTPToolBar* CXTPCommandBars::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_bars[static_cast<size_t>(index)].get() : nullptr;
}

CXTPCommandBars::CXTPCommandBars() = default;
CXTPCommandBars::~CXTPCommandBars() = default;

CXTPToolBar* CXTPCommandBars::Add(LPCTSTR title, XTPBarPosition position)
{
    m_bars.push_back(std::make_unique<CXTPToolBar>(title));
    CXTPToolBar* bar = m_bars.back().get();
    bar->m_bars = this;
    bar->SetPosition(position);
    return bar;
}

void CXTPCommandBars::RedrawCommandBars()
{
    ++m_redraws;
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

UINT XTPHashKey(LPCTSTR text)
{
    UINT hash = 0;
    for (const char* p = text; p && *p; ++p)
        hash = (hash << 5) + hash + static_cast<unsigned char>(*p);
    return hash;
}

CString CXTPControl::GetDescription() const
{
    return m_description;
}

void CXTPCommandBar::SetVisible(BOOL visible)
{
    m_visible = visible;
}

void CXTPCommandBar::OnInitialUpdate() {}
