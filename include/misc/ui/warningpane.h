#pragma once
// CWarningPane: warnings as small pop-up windows in the lower right of the host's main window,
// each with a title, a text, an icon, a close button and a pin button. A new pop-up is stacked
// above the open ones so that none overlap; after the user dragged one, new ones open where it
// was dropped. Unpinned pop-ups hide themselves after the show delay, pinned ones (delay 0)
// stay. The pin's state is the pane's show delay and is kept in the application profile
// ("ShowDelay" of section "WarningPane").
//
// The host forwards the toolkit's pop-up notifications (XTPWM_POPUPCONTROL_NOTIFY, received by
// the parent window) to OnWarningPanePopUpNotify. The pane owns its pop-ups: each lives from
// Show until its closed notification, or until the pane is destroyed.
#include <afxwin.h>
#include <afxtempl.h>

#include "toolkit/popupcontrol.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// A pop-up that the pane may hide on its own (the close button, unpinning): while that hide runs
// the mouse passing over the pop-up does not bring it back.
class AFX_EXT_CLASS CKestXTPPopupControl : public CXTPPopupControl
{
public:
    CKestXTPPopupControl();

    void OnMouseMove(UINT flags, CPoint point) override;
    void OnMouseLeave() override;

    bool m_hiding; // set by an explicit hide, cleared when shown
};

class AFX_EXT_CLASS CWarningPane
{
public:
    // Item identifiers and icons inside a pop-up, the toolkit's hide timer, the default delay.
    enum : UINT {
        kCloseButton = 495,  // item and icon
        kPinnedIcon = 496,   // pin icon while the show delay is 0
        kPinButton = 497,    // item, and its icon while the show delay is not 0
        kHideTimer = 304,
        kDefaultShowDelay = 3000,
    };

    explicit CWarningPane(CWnd* parent);
    ~CWarningPane();
    CWarningPane(const CWarningPane&) = delete;
    CWarningPane& operator=(const CWarningPane&) = delete;

    // Opens a new pop-up with a title, a text and an icon resource.
    void Show(const CString& title, const CString& text, UINT icon);
    // The toolkit's notification codes: 1 an item was clicked (data the item), 2 a pop-up's
    // state changed (data the pop-up), 3 a pop-up was moved (data the pop-up).
    void OnWarningPanePopUpNotify(WPARAM code, LPARAM data);

    int m_animation;
    int m_animateDelay;
    int m_showDelay;
    int m_allowMove;
    CList<CKestXTPPopupControl*, CKestXTPPopupControl*> m_popups;
    CKestXTPPopupControl* m_current;
    CPoint m_lastPos;
    CWnd* m_pParent;
    CString m_title;
    CString m_text;
    UINT m_icon;
    CSize m_size;

private:
    void _SetTheme();
    void _SetAutoHideIcon(CXTPPopupItem* item);
    void _FindBestPosition();
    // The position of an open pop-up of this pane in m_popups, or null (a pop-up not ours).
    POSITION _Find(LPARAM popup) const;
};

MISC_PUBLIC_END
