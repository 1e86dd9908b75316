// The warning pane: pop-ups with title, text, icon, close and pin buttons, stacked in the lower
// right of the host's window, their show delay kept in the application profile.
#include "misc/ui/warningpane.h"

namespace {

const char kSection[] = "WarningPane";
const char kShowDelayKey[] = "ShowDelay";
constexpr COLORREF kBackground = 0xe1ffff; // a pale yellow
constexpr UINT kTitleFlags = 36;           // DT_VCENTER | DT_SINGLELINE
constexpr int kIconStates = 7;             // normal, selected and pressed

} // namespace

// ---- CKestXTPPopupControl ----

CKestXTPPopupControl::CKestXTPPopupControl() : m_hiding(false) {}

void CKestXTPPopupControl::OnMouseMove(UINT flags, CPoint point)
{
    if (m_hiding && GetPopupState() == xtpPopupStateCollapsing)
        return;
    CXTPPopupControl::OnMouseMove(flags, point);
}

void CKestXTPPopupControl::OnMouseLeave()
{
    if (m_hiding && GetPopupState() == xtpPopupStateCollapsing)
        return;
    CXTPPopupControl::OnMouseLeave();
}

// ---- CWarningPane ----

CWarningPane::CWarningPane(CWnd* parent)
    : m_animation(2), m_animateDelay(500), m_showDelay(kDefaultShowDelay), m_allowMove(1), m_popups(10),
      m_current(nullptr), m_lastPos(-1, -1), m_pParent(parent), m_icon(0), m_size(220, 90)
{
    if (CWinApp* app = AfxGetApp())
        m_showDelay = static_cast<int>(app->GetProfileInt(kSection, kShowDelayKey, kDefaultShowDelay));
}

CWarningPane::~CWarningPane()
{
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileInt(kSection, kShowDelayKey, m_showDelay);
    // Each pop-up leaves the list before it goes, so that nothing it reports on its way out
    // finds it here again.
    while (!m_popups.IsEmpty())
        delete m_popups.RemoveHead();
    m_current = nullptr;
}

void CWarningPane::Show(const CString& title, const CString& text, UINT icon)
{
    CCallResourceScope resources;
    m_current = new CKestXTPPopupControl;
    m_title = title;
    m_text = text;
    m_icon = icon;
    _SetTheme();
    m_current->SetPopupAnimation(static_cast<XTPPopupAnimation>(m_animation));
    m_current->SetShowDelay(static_cast<UINT>(m_showDelay));
    m_current->SetAnimateDelay(static_cast<UINT>(m_animateDelay));
    m_current->SetPopupSize(m_size);
    _FindBestPosition();
    m_current->AllowMove(m_allowMove);
    m_current->m_hiding = false;
    if (!m_current->Show(m_pParent)) {
        // No window could be made: nothing would ever report this pop-up closed.
        delete m_current;
        m_current = nullptr;
        return;
    }
    m_popups.AddTail(m_current);
}

void CWarningPane::_SetTheme()
{
    CKestXTPPopupControl* popup = m_current;
    const int w = m_size.cx;
    popup->RemoveAllItems();

    // The background leaves the paint manager's one-pixel frame around it, so that stacked
    // pop-ups stay apart.
    popup->AddItem(new CXTPPopupItem(CRect(1, 1, w - 1, m_size.cy - 1), nullptr, kBackground));

    CXTPPopupItem* text = popup->AddItem(new CXTPPopupItem(CRect(46, 28, w - 8, 28), m_text));
    text->SetTextAlignment(DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    text->SetHyperLink(FALSE);
    text->CalculateHeight();

    CXTPPopupItem* title = popup->AddItem(new CXTPPopupItem(CRect(46, 6, w - 44, 24), m_title));
    title->SetBold(TRUE);
    title->SetTextAlignment(kTitleFlags);
    title->SetHyperLink(FALSE);

    CXTPPopupItem* icon = popup->AddItem(new CXTPPopupItem(CRect(7, 8, 39, 40)));
    icon->SetIcon(m_icon);

    CXTPPopupItem* close = popup->AddItem(new CXTPPopupItem(CRect(w - 22, 6, w - 4, 24)));
    close->SetID(kCloseButton);
    close->SetButton(TRUE);
    close->SetIcon(kCloseButton, kIconStates);

    CXTPPopupItem* pin = popup->AddItem(new CXTPPopupItem(CRect(w - 42, 6, w - 24, 24)));
    pin->SetID(kPinButton);
    pin->SetButton(TRUE);
    _SetAutoHideIcon(pin);

    popup->SetTheme(new CXTPPopupPaintManager);
}

void CWarningPane::_SetAutoHideIcon(CXTPPopupItem* item)
{
    item->SetIcon(m_showDelay != 0 ? kPinButton : kPinnedIcon, kIconStates);
}

void CWarningPane::_FindBestPosition()
{
    if (m_lastPos != CPoint(-1, -1))
        m_current->SetPopupPos(m_lastPos);
    CPoint p = m_current->GetPopupPos();
    CRect r(p - m_size, m_size);
    // Each pop-up moves the new one up at most once (it ends above that pop-up's top and only
    // rises from there), so count + 1 passes always reach one without overlap.
    const INT_PTR passes = m_popups.GetCount() + 1;
    for (INT_PTR pass = 0; pass < passes; ++pass) {
        bool moved = false;
        for (POSITION pos = m_popups.GetHeadPosition(); pos;) {
            CKestXTPPopupControl* other = m_popups.GetNext(pos);
            const CPoint at = other->GetPopupPos();
            const CSize size = other->GetPopupSize();
            const CRect taken(at - size, size);
            CRect common;
            if (common.IntersectRect(&taken, &r)) {
                p.y = taken.top;
                r = CRect(p - m_size, m_size);
                moved = true;
            }
        }
        if (!moved)
            break;
    }
    m_current->SetPopupPos(p);
}

POSITION CWarningPane::_Find(LPARAM popup) const
{
    for (POSITION pos = m_popups.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        if (reinterpret_cast<LPARAM>(static_cast<CXTPPopupControl*>(m_popups.GetNext(pos))) == popup)
            return at;
    }
    return nullptr;
}

void CWarningPane::OnWarningPanePopUpNotify(WPARAM code, LPARAM data)
{
    switch (code) {
    case XTP_PCN_ITEMCLICK: {
        auto* item = reinterpret_cast<CXTPPopupItem*>(data);
        CXTPPopupControl* owner = item ? item->GetPopupControl() : nullptr;
        POSITION pos = owner ? _Find(reinterpret_cast<LPARAM>(owner)) : nullptr;
        if (!pos)
            return;
        CKestXTPPopupControl* popup = m_popups.GetAt(pos);
        if (item->GetID() == static_cast<int>(kCloseButton)) {
            popup->m_hiding = true;
            popup->Hide(); // may close it at once, and the closed notification deletes it
        } else if (item->GetID() == static_cast<int>(kPinButton)) {
            m_showDelay = m_showDelay != 0 ? 0 : static_cast<int>(kDefaultShowDelay);
            popup->SetShowDelay(static_cast<UINT>(m_showDelay));
            {
                // The icon first: hiding may delete the pop-up and the item with it.
                CCallResourceScope resources;
                _SetAutoHideIcon(item);
            }
            if (m_showDelay != 0) {
                popup->m_hiding = true;
                popup->Hide();
            } else {
                popup->KillTimer(kHideTimer);
            }
        }
        break;
    }
    case XTP_PCN_STATECHANGED: {
        POSITION pos = _Find(data);
        if (!pos)
            return;
        CKestXTPPopupControl* popup = m_popups.GetAt(pos);
        if (popup->GetPopupState() != xtpPopupStateClosed)
            return;
        m_popups.RemoveAt(pos);
        m_current = nullptr;
        delete popup;
        break;
    }
    case XTP_PCN_POSCHANGED: {
        POSITION pos = _Find(data);
        if (pos)
            m_lastPos = m_popups.GetAt(pos)->GetPopupPos();
        break;
    }
    default:
        break;
    }
}
