#pragma once
// Stand-in for the user-interface toolkit's pop-up control (CXTPPopupControl): a small top-level
// window that appears over a parent window, shows a list of items (a background, texts, icons,
// buttons), stays for a while and goes away again.
//
// Life of a pop-up, on the window system's virtual clock (win32/base.h):
//   closed (0) --Show--> expanding (1) --animation time--> showing (2)
//   showing --show delay (timer 304), or Hide--> collapsing (3) --animation time--> closed
// A show delay of 0 keeps the pop-up until it is hidden. The animation kinds are none (the state
// changes at once), fade (the window's layered alpha rises from 0 to the transparency),
// slide (the window grows upward from its bottom edge, the top of the content showing first)
// and unfold (it grows from its bottom-right corner in both directions). The mouse over a showing
// pop-up stops the hide timer and the mouse leaving it starts the timer again; the mouse over a
// collapsing pop-up brings it back to the showing state. A derived class changes that in its
// OnMouseMove / OnMouseLeave overrides.
//
// The position of a pop-up is its bottom-right corner in screen coordinates. Until SetPopupPos
// gives one it is the bottom-right corner of the application's main window's client area, or of
// the desktop's work area when there is no main window to be seen.
//
// The parent window hears of what happens through the registered message
// XTPWM_POPUPCONTROL_NOTIFY (sent, wParam a XTP_PCN_* code, lParam as below). A parent may delete
// the pop-up while it handles the closed-state notification or an item click; the control
// touches nothing of itself after sending those.
//
// Items belong to the pop-up (deleted with it or by RemoveAllItems); they are drawn in the order
// they were added, the later ones over the earlier. The scripted user reaches them through the
// automation layer: the items of the window are the pop-up's items, named by their caption, or
// by their identifier in decimal when they have no caption ("495").
#include <afxwin.h>

#include <vector>

#include "toolkit/paintmanager.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPPopupControl;

enum XTPPopupAnimation {
    xtpPopupAnimationNone = 0,
    xtpPopupAnimationFade = 1,
    xtpPopupAnimationSlide = 2,
    xtpPopupAnimationUnfold = 3,
};

enum XTPPopupState {
    xtpPopupStateClosed = 0,
    xtpPopupStateExpanding = 1,
    xtpPopupStateShow = 2,
    xtpPopupStateCollapsing = 3,
};

// The states an item's icon is given for (flags, combined: 7 gives one icon for all three).
enum XTPPopupItemIcon {
    xtpPopupItemIconNormal = 1,
    xtpPopupItemIconSelected = 2, // the mouse is over the item
    xtpPopupItemIconPressed = 4,
};

// Notification codes (wParam of XTPWM_POPUPCONTROL_NOTIFY).
#define XTP_PCN_ITEMCLICK 1    // a button or hyperlink item was clicked; lParam the item
#define XTP_PCN_STATECHANGED 2 // the pop-up's state changed; lParam the pop-up
#define XTP_PCN_POSCHANGED 3   // the user dragged the pop-up elsewhere; lParam the pop-up

// The registered message the parent receives, by name "XTPWM_POPUPCONTROL_NOTIFY". The variable
// holds 0 until the first pop-up is made (or XTPPopupControlNotifyMessage is called), so that it
// can stand in ON_REGISTERED_MESSAGE; the function answers the number at any time.
extern UINT XTPWM_POPUPCONTROL_NOTIFY;
UINT XTPPopupControlNotifyMessage();

// The pop-up window's class; the scripted user finds pop-ups by it.
#define XTP_POPUPCONTROL_CLASS "XTPPopupControl"

class CXTPPopupItem {
public:
    // rect in the pop-up's client coordinates; colours (COLORREF)-1 for none (no fill, no frame).
    explicit CXTPPopupItem(LPCRECT rect = nullptr, LPCTSTR caption = nullptr,
                           COLORREF background = static_cast<COLORREF>(-1),
                           COLORREF border = static_cast<COLORREF>(-1));
    virtual ~CXTPPopupItem();
    CXTPPopupItem(const CXTPPopupItem&) = delete;
    CXTPPopupItem& operator=(const CXTPPopupItem&) = delete;

    CRect GetRect() const { return m_rect; }
    void SetRect(const CRect& rect);
    CString GetCaption() const { return m_caption; }
    void SetCaption(LPCTSTR caption);
    int GetID() const { return m_id; }
    void SetID(int id) { m_id = id; }

    // Text: its colour ((COLORREF)-1: the paint manager's), bold, and DT_* flags for DrawText
    // (default DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX).
    void SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    void SetBold(BOOL bold);
    BOOL IsBold() const { return m_bold; }
    void SetTextAlignment(UINT flags);
    UINT GetTextAlignment() const { return m_align; }
    // A hyperlink is drawn underlined in the paint manager's link colour and can be clicked.
    void SetHyperLink(BOOL hyperLink);
    BOOL IsHyperLink() const { return m_hyperLink; }
    // A button can be clicked; the mouse over it or pressing it draws its face.
    void SetButton(BOOL button);
    BOOL IsButton() const { return m_button; }
    void SetBackgroundColor(COLORREF color);
    COLORREF GetBackgroundColor() const { return m_background; }
    void SetBorderColor(COLORREF color);
    COLORREF GetBorderColor() const { return m_border; }

    // Icon resource `id` for the XTPPopupItemIcon states in `states`, loaded at once from the
    // current resource module, then the extension libraries, then the system icons. FALSE (the
    // states keep their icons) when no module has it.
    BOOL SetIcon(UINT id, int states = xtpPopupItemIconNormal);
    void SetIcon(HICON icon, int states = xtpPopupItemIconNormal);
    // The icon for one state (falling back to the normal one), and the resource it came from.
    HICON GetIcon(int state = xtpPopupItemIconNormal) const;
    UINT GetIconID(int state = xtpPopupItemIconNormal) const;

    // Sets the rectangle's height to what the caption needs at the rectangle's width, measured
    // with the pop-up's font (the paint manager's text or bold font); answers the height.
    int CalculateHeight();

    BOOL IsClickable() const { return m_button || m_hyperLink; }
    BOOL IsSelected() const;  // the mouse is over it
    BOOL IsPressed() const;
    CXTPPopupControl* GetPopupControl() const { return m_control; }
    // Redraws the item's rectangle in its pop-up.
    void RedrawControl();

private:
    friend class CXTPPopupControl;
    static int StateSlot(int state);

    CXTPPopupControl* m_control = nullptr;
    CRect m_rect;
    CString m_caption;
    int m_id = 0;
    COLORREF m_textColor = static_cast<COLORREF>(-1);
    COLORREF m_background;
    COLORREF m_border;
    BOOL m_bold = FALSE;
    UINT m_align;
    BOOL m_hyperLink = FALSE;
    BOOL m_button = FALSE;
    HICON m_icons[3] = {};  // normal, selected, pressed
    UINT m_iconIds[3] = {};
};

// How a pop-up looks: its background and frame, its fonts, and how items are drawn. The default
// fills the pop-up with a vertical gradient from the window colour to the face colour, frames
// it in the shadow colour, and draws button faces through the theme layer.
class CXTPPopupPaintManager {
public:
    CXTPPopupPaintManager();
    virtual ~CXTPPopupPaintManager();
    CXTPPopupPaintManager(const CXTPPopupPaintManager&) = delete;
    CXTPPopupPaintManager& operator=(const CXTPPopupPaintManager&) = delete;

    // Takes the colours and fonts again (after a system colour change).
    virtual void RefreshMetrics();
    virtual void DrawBackground(CDC* dc, CXTPPopupControl* control, CRect rect);
    virtual void DrawItem(CDC* dc, CXTPPopupItem* item);
    virtual void DrawButton(CDC* dc, CXTPPopupItem* item);
    CFont* GetFont(BOOL bold) { return bold ? &m_fntTitle : &m_fntText; }

    CXTPPaintManagerColorGradient m_clrBackground; // the pop-up's fill, light (top) to dark
    COLORREF m_clrFrame = 0;
    COLORREF m_clrText = 0;
    COLORREF m_clrHyperLink = 0;
    CFont m_fntText;
    CFont m_fntTitle; // the bold font

private:
    void DrawIcon(CDC* dc, CXTPPopupItem* item, const CRect& rect);
};

class CXTPPopupControl : public CWnd {
    DECLARE_DYNAMIC(CXTPPopupControl)
public:
    enum : UINT {
        TID_ANIMATION = 303, // one animation step (every kAnimationStep ms)
        TID_SHOWDELAY = 304, // the show delay: the pop-up starts collapsing when it fires
    };
    static constexpr UINT kAnimationStep = 10;

    CXTPPopupControl();
    ~CXTPPopupControl() override;

    // Items, owned by the pop-up. AddItem answers the item (null stays null).
    CXTPPopupItem* AddItem(CXTPPopupItem* item);
    void RemoveItem(CXTPPopupItem* item);
    void RemoveAllItems();
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CXTPPopupItem* GetItem(int index) const;
    // The topmost clickable item at a client point, else the topmost item there, else null.
    CXTPPopupItem* HitTest(CPoint point) const;

    // The look: a paint manager handed over (deleted when replaced and with the pop-up); null
    // restores the default one.
    void SetTheme(CXTPPopupPaintManager* paintManager);
    CXTPPopupPaintManager* GetPaintManager() const { return m_paintManager; }

    void SetPopupAnimation(XTPPopupAnimation animation) { m_animation = animation; }
    XTPPopupAnimation GetPopupAnimation() const { return m_animation; }
    void SetAnimateDelay(UINT ms) { m_animateDelay = ms; }
    UINT GetAnimateDelay() const { return m_animateDelay; }
    // How long a shown pop-up stays (0: until hidden). Takes effect at the next start of the
    // hide timer.
    void SetShowDelay(UINT ms) { m_showDelay = ms; }
    UINT GetShowDelay() const { return m_showDelay; }
    // The layered alpha of the fully shown pop-up (255: opaque).
    void SetTransparency(BYTE alpha);
    BYTE GetTransparency() const { return m_transparency; }

    void SetPopupSize(CSize size);
    CSize GetPopupSize() const { return m_size; }
    void SetPopupPos(CPoint bottomRight);
    CPoint GetPopupPos() const;
    // The pop-up's full rectangle in screen coordinates (from its position and size).
    CRect GetPopupRect() const;
    void AllowMove(BOOL allow) { m_allowMove = allow; }
    BOOL IsMoveAllowed() const { return m_allowMove; }

    // Opens the pop-up over `parent` (which receives the notifications) and starts expanding.
    // FALSE when the window cannot be made.
    virtual BOOL Show(CWnd* parent);
    // Starts collapsing (the closed state follows after the animation time). Nothing when closed
    // or already collapsing.
    virtual void Hide();
    // Closes at once, without animation.
    virtual void Close();
    XTPPopupState GetPopupState() const { return m_state; }
    void RedrawControl();

    // The mouse over the pop-up and leaving it (see the top of this header). Public so that a
    // derived class's override can call the base.
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnMouseLeave();

protected:
    // Sets the state and tells the parent (XTP_PCN_STATECHANGED). The parent may delete the
    // pop-up: callers touch nothing after it.
    void SetPopupState(XTPPopupState state);
    void Notify(WPARAM code, LPARAM data);

    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* wnd);
    afx_msg LRESULT OnMouseActivateMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnMouseLeaveMsg(WPARAM, LPARAM);

private:
    friend class CXTPPopupItem;
    void StartAnimation(XTPPopupState state, double from);
    void ApplyFrame(double fraction);
    void EnterShowState();
    void StartHideTimer();
    void SetHot(CXTPPopupItem* item);

    std::vector<CXTPPopupItem*> m_items;
    CXTPPopupPaintManager* m_paintManager;
    XTPPopupAnimation m_animation = xtpPopupAnimationNone;
    UINT m_animateDelay = 500;
    UINT m_showDelay = 5000;
    BYTE m_transparency = 255;
    CSize m_size{170, 130};
    CPoint m_pos{-1, -1};
    bool m_posSet = false;
    BOOL m_allowMove = FALSE;
    XTPPopupState m_state = xtpPopupStateClosed;
    HWND m_notify = nullptr;     // the parent that hears the notifications
    DWORD m_animStart = 0;       // clock when the animation would have been at fraction 0
    double m_fraction = 0;       // how far the pop-up is shown (0 none, 1 whole)
    CXTPPopupItem* m_hot = nullptr;
    CXTPPopupItem* m_pressed = nullptr;
    bool m_mouseInside = false;  // mouse-leave tracking is on
    bool m_dragging = false;
    bool m_moved = false;
    CPoint m_dragStart;          // screen point of the press
    CPoint m_dragOrigin;         // position at the press
};

MISC_PUBLIC_END
