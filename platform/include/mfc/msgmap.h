#pragma once
// MFC message maps: CCmdTarget, the map records, CCmdUI, and the BEGIN_MESSAGE_MAP / ON_... /
// END_MESSAGE_MAP macros.
//
// Each map entry carries a small function (a captureless lambda written by the ON_ macro inside
// the class's own map function) that cracks the message parameters and calls the handler with
// MFC's signature. As in MFC, handlers (afx_msg) are ordinary members: a handler runs only when a
// map entry names it, and a derived class's map is searched before its base's.
#include "mfc/atltypes.h"
#include "mfc/object.h"
#include "win32/user.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CScrollBar;
class CMenu;

#define afx_msg

// Arguments of one dispatch through a map entry; the entry's function reads them and leaves the
// handler's answer in `result` (and clears `handled` for handlers that decline, ON_COMMAND_EX).
struct AFX_MSG_CALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;       // command or control identifier (commands and notifications)
    void* pExtra;   // CCmdUI* for ON_UPDATE_COMMAND_UI; AFX_NOTIFY* for ON_NOTIFY
    LRESULT result;
    BOOL handled;
};

typedef void (*AFX_PMSG)(CCmdTarget* target, AFX_MSG_CALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // the window message; WM_COMMAND / WM_NOTIFY for commands and notifications;
                     // 0xC000 for a registered message (nSig then points at its number)
    UINT nCode;      // control notification code (or CN_COMMAND / CN_UPDATE_COMMAND_UI)
    UINT nID;        // first control identifier (0 for window messages)
    UINT nLastID;    // last control identifier
    UINT_PTR nSig;   // the registered message's number variable, else 0
    AFX_PMSG pfn;    // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
};

#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT ((UINT)(-100))
#define WM_CTLCOLOR 0x0019 // MFC's one entry for all WM_CTLCOLORxxx messages

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Finds the handler of a command or notification in the message maps and calls it. nCode is
    // MAKELONG(notification, WM_COMMAND) or MAKELONG(code, WM_NOTIFY) (a bare notification
    // code means WM_COMMAND); with pExtra and pHandlerInfo null, ON_COMMAND handlers run.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Wait cursor (IDC_WAIT) shown while the object says so.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    // The first entry of the map chain that matches a message (nID 0, nCode 0).
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT nCode, UINT nID);
};

// The user-interface update of one command: MFC asks the ON_UPDATE_COMMAND_UI handler, which
// enables, checks or renames the item. For dialog controls the item is the control window.
class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CWnd* m_pOther = nullptr; // the control, when the item is a window
    // Menu items: the menu holding item m_nIndex (of m_nIndexMax); m_pSubMenu when the item is a
    // pop-up, m_pParentMenu when the menu is a pop-up of the bar.
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    CMenu* m_pParentMenu = nullptr;
    UINT m_nIndexMax = 0;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }
    // Asks the target's handler; with no handler and bDisableIfNoHndler the item is disabled.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// ---- Map declaration ----
#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override; \
\
public:

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
    { \
        using ThisClass [[maybe_unused]] = theClass; \
        using TheBaseClass [[maybe_unused]] = baseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
        {0, 0, 0, 0, 0, nullptr}}; \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap; \
    }

// Entry helpers: the lambda body sees `self` (the ThisClass object) and `c` (AFX_MSG_CALL).
#define AFX_MSG_ENTRY(msg, code, id, last, sig, body) \
    {(UINT)(msg), (UINT)(code), (UINT)(id), (UINT)(last), (UINT_PTR)(sig), \
     [](CCmdTarget* _t, AFX_MSG_CALL& c) { \
         [[maybe_unused]] ThisClass* self = static_cast<ThisClass*>(_t); \
         (void)c; \
         body; \
     }},
#define AFX_WND_OF(h) CWnd::FromHandle(reinterpret_cast<HWND>(h))
#define AFX_DC_OF(h) CDC::FromHandle(reinterpret_cast<HDC>(h))
#define AFX_POINT_OF(l) CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l))

// ---- Window messages ----
#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, 0, 0, 0, 0, c.result = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(c.lParam)))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, 0, 0, 0, 0, self->OnDestroy())
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, 0, 0, 0, 0, self->OnNcDestroy())
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, 0, 0, 0, 0, self->OnClose())
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, 0, 0, 0, 0, self->OnPaint())
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, 0, 0, 0, 0, self->OnNcPaint())
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, 0, 0, 0, 0, c.result = self->OnEraseBkgnd(AFX_DC_OF(c.wParam)))
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, 0, 0, 0, 0, self->OnTimer(static_cast<UINT_PTR>(c.wParam)))
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, 0, 0, 0, 0, self->OnSize(static_cast<UINT>(c.wParam), (short)LOWORD(c.lParam), (short)HIWORD(c.lParam)))
#define ON_WM_SIZING() AFX_MSG_ENTRY(WM_SIZING, 0, 0, 0, 0, self->OnSizing(static_cast<UINT>(c.wParam), reinterpret_cast<LPRECT>(c.lParam)))
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, 0, 0, 0, 0, self->OnMove((short)LOWORD(c.lParam), (short)HIWORD(c.lParam)))
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, 0, 0, 0, 0, self->OnShowWindow(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam)))
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, 0, 0, 0, 0, self->OnEnable(static_cast<BOOL>(c.wParam)))
#define ON_WM_ACTIVATE() AFX_MSG_ENTRY(WM_ACTIVATE, 0, 0, 0, 0, self->OnActivate(LOWORD(c.wParam), AFX_WND_OF(c.lParam), HIWORD(c.wParam)))
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, 0, 0, 0, 0, self->OnSetFocus(AFX_WND_OF(c.wParam)))
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, 0, 0, 0, 0, self->OnKillFocus(AFX_WND_OF(c.wParam)))
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, 0, 0, 0, 0, self->OnCaptureChanged(AFX_WND_OF(c.lParam)))
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY(WM_SETCURSOR, 0, 0, 0, 0, c.result = self->OnSetCursor(AFX_WND_OF(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, 0, 0, 0, 0, self->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(c.lParam)))
#define ON_WM_NCCALCSIZE() AFX_MSG_ENTRY(WM_NCCALCSIZE, 0, 0, 0, 0, self->OnNcCalcSize(static_cast<BOOL>(c.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(c.lParam)))
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, 0, 0, 0, 0, c.result = self->OnNcHitTest(AFX_POINT_OF(c.lParam)))
#define ON_WM_WINDOWPOSCHANGING() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, 0, 0, 0, 0, self->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(c.lParam)))
#define ON_WM_WINDOWPOSCHANGED() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, 0, 0, 0, 0, self->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(c.lParam)))
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, 0, 0, 0, 0, self->OnMouseMove(static_cast<UINT>(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, 0, self->OnLButtonDown(static_cast<UINT>(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, 0, 0, 0, 0, self->OnLButtonUp(static_cast<UINT>(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, 0, 0, 0, 0, self->OnLButtonDblClk(static_cast<UINT>(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, 0, 0, 0, 0, self->OnRButtonDown(static_cast<UINT>(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, 0, 0, 0, 0, self->OnRButtonUp(static_cast<UINT>(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_RBUTTONDBLCLK() AFX_MSG_ENTRY(WM_RBUTTONDBLCLK, 0, 0, 0, 0, self->OnRButtonDblClk(static_cast<UINT>(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_MBUTTONDOWN() AFX_MSG_ENTRY(WM_MBUTTONDOWN, 0, 0, 0, 0, self->OnMButtonDown(static_cast<UINT>(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_MBUTTONUP() AFX_MSG_ENTRY(WM_MBUTTONUP, 0, 0, 0, 0, self->OnMButtonUp(static_cast<UINT>(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_MOUSEWHEEL() AFX_MSG_ENTRY(WM_MOUSEWHEEL, 0, 0, 0, 0, c.result = self->OnMouseWheel(LOWORD(c.wParam), (short)HIWORD(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, 0, 0, 0, 0, self->OnKeyDown(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, 0, 0, 0, 0, self->OnKeyUp(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_SYSKEYDOWN() AFX_MSG_ENTRY(WM_SYSKEYDOWN, 0, 0, 0, 0, self->OnSysKeyDown(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, 0, 0, 0, 0, self->OnChar(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_SYSCHAR() AFX_MSG_ENTRY(WM_SYSCHAR, 0, 0, 0, 0, self->OnSysChar(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, 0, 0, 0, 0, c.result = self->OnGetDlgCode())
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY(WM_CTLCOLOR, 0, 0, 0, 0, c.result = reinterpret_cast<LRESULT>(self->OnCtlColor(AFX_DC_OF(c.wParam), AFX_WND_OF(c.lParam), static_cast<UINT>(c.nID))))
#define ON_WM_HSCROLL() AFX_MSG_ENTRY(WM_HSCROLL, 0, 0, 0, 0, self->OnHScroll(LOWORD(c.wParam), (short)HIWORD(c.wParam), reinterpret_cast<CScrollBar*>(AFX_WND_OF(c.lParam))))
#define ON_WM_VSCROLL() AFX_MSG_ENTRY(WM_VSCROLL, 0, 0, 0, 0, self->OnVScroll(LOWORD(c.wParam), (short)HIWORD(c.wParam), reinterpret_cast<CScrollBar*>(AFX_WND_OF(c.lParam))))
#define ON_WM_DRAWITEM() AFX_MSG_ENTRY(WM_DRAWITEM, 0, 0, 0, 0, self->OnDrawItem(static_cast<int>(c.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam)))
#define ON_WM_MEASUREITEM() AFX_MSG_ENTRY(WM_MEASUREITEM, 0, 0, 0, 0, self->OnMeasureItem(static_cast<int>(c.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam)))
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, 0, 0, 0, 0, self->OnSysCommand(static_cast<UINT>(c.wParam), c.lParam))
#define ON_WM_QUERYDRAGICON() AFX_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, 0, 0, c.result = reinterpret_cast<LRESULT>(self->OnQueryDragIcon()))
#define ON_WM_CONTEXTMENU() AFX_MSG_ENTRY(WM_CONTEXTMENU, 0, 0, 0, 0, self->OnContextMenu(AFX_WND_OF(c.wParam), AFX_POINT_OF(c.lParam)))
#define ON_WM_PARENTNOTIFY() AFX_MSG_ENTRY(WM_PARENTNOTIFY, 0, 0, 0, 0, self->OnParentNotify(static_cast<UINT>(c.wParam), c.lParam))
#define ON_WM_SETTINGCHANGE() AFX_MSG_ENTRY(WM_SETTINGCHANGE, 0, 0, 0, 0, self->OnSettingChange(static_cast<UINT>(c.wParam), reinterpret_cast<LPCTSTR>(c.lParam)))
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, 0, 0, 0, 0, self->OnSysColorChange())

// ---- Commands and control notifications ----
#define ON_COMMAND(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, 0, self->memberFxn())
#define ON_COMMAND_EX(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, 0, c.handled = self->memberFxn(c.nID))
#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, idFirst, idLast, 0, self->memberFxn(c.nID))
#define ON_UPDATE_COMMAND_UI(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, 0, self->memberFxn(static_cast<CCmdUI*>(c.pExtra)))
#define ON_UPDATE_COMMAND_UI_RANGE(idFirst, idLast, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, idFirst, idLast, 0, self->memberFxn(static_cast<CCmdUI*>(c.pExtra)))
#define ON_CONTROL(code, id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, code, id, id, 0, self->memberFxn())
#define ON_CONTROL_RANGE(code, idFirst, idLast, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, code, idFirst, idLast, 0, self->memberFxn(c.nID))
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
#define ON_NOTIFY(code, id, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, code, id, id, 0, \
                  self->memberFxn(static_cast<AFX_NOTIFY*>(c.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(c.pExtra)->pResult))
#define ON_NOTIFY_RANGE(code, idFirst, idLast, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, code, idFirst, idLast, 0, \
                  self->memberFxn(c.nID, static_cast<AFX_NOTIFY*>(c.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(c.pExtra)->pResult))
#define ON_NOTIFY_EX(code, id, memberFxn) \
    AFX_MSG_ENTRY(WM_NOTIFY, code, id, id, 0, \
                  c.handled = self->memberFxn(c.nID, static_cast<AFX_NOTIFY*>(c.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(c.pExtra)->pResult))
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, 0, 0, 0, 0, c.result = self->memberFxn(c.wParam, c.lParam))
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    AFX_MSG_ENTRY(0xC000, 0, 0, 0, &nMessageVariable, c.result = self->memberFxn(c.wParam, c.lParam))

// ---- Reflected messages: handled by the control that sent them to its parent ----
#define ON_CONTROL_REFLECT(code, memberFxn) AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, 0, self->memberFxn())
#define ON_CONTROL_REFLECT_EX(code, memberFxn) AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, 0, c.handled = self->memberFxn())
#define ON_NOTIFY_REFLECT(code, memberFxn) \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, 0, \
                  self->memberFxn(static_cast<AFX_NOTIFY*>(c.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(c.pExtra)->pResult))
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, 0, \
                  c.result = reinterpret_cast<LRESULT>(self->CtlColor(AFX_DC_OF(c.wParam), static_cast<UINT>(c.nID))))
#define ON_WM_DRAWITEM_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, 0, self->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam)))
#define ON_WM_MEASUREITEM_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0, 0, self->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam)))
#define ON_BN_CLICKED_REFLECT(memberFxn) ON_CONTROL_REFLECT(BN_CLICKED, memberFxn)

MISC_PUBLIC_END
