#pragma once
// Stand-in for the user-interface toolkit's command bars, as data: toolbars and pop-up bars
// holding controls (buttons, pop-ups, split buttons with their own pop-up bar). Nothing is
// shown; redraw requests are counted so that callers and tests can see them. Only what the
// library calls.
#include <afxwin.h>

#include "mfc/menu.h"

#include <memory>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPCommandBar;
class CXTPPopupBar;
class CXTPCommandBars;

enum XTPControlType {
    xtpControlError = 0,
    xtpControlButton = 1,
    xtpControlPopup = 2,
    xtpControlButtonPopup = 3,
    xtpControlSplitButtonPopup = 4,
    xtpControlComboBox = 5,
    xtpControlEdit = 6,
    xtpControlCustom = 7,
    xtpControlLabel = 8,
};

class CXTPControl {
public:
    CXTPControl(XTPControlType type, int id, CXTPCommandBar* parent);
    virtual ~CXTPControl();
    CXTPControl(const CXTPControl&) = delete;
    CXTPControl& operator=(const CXTPControl&) = delete;

    XTPControlType GetType() const { return m_type; }
    int GetID() const { return m_id; }
    void SetID(int id) { m_id = id; }
    CString GetCaption() const { return m_caption; }
    void SetCaption(LPCTSTR caption) { m_caption = caption; }
    BOOL IsVisible() const { return m_visible; }
    void SetVisible(BOOL visible) { m_visible = visible; }
    // The pop-up bar of a pop-up or split-button control (made with the control); null otherwise.
    CXTPCommandBar* GetCommandBar() const;
    CXTPCommandBar* GetParent() const { return m_parent; }

private:
    XTPControlType m_type;
    int m_id;
    CString m_caption;
    BOOL m_visible = TRUE;
    CXTPCommandBar* m_parent;
    std::unique_ptr<CXTPPopupBar> m_popup;
};

class CXTPControls {
public:
    int GetCount() const { return static_cast<int>(m_controls.size()); }
    CXTPControl* GetAt(int index) const;
    CXTPControl* Add(XTPControlType type, int id, LPCTSTR caption = nullptr);
    void RemoveAll() { m_controls.clear(); }
    // The first control of that type (xtpControlError: any type) and identifier; with recursive
    // also inside the pop-up bars of pop-up controls; with visible only visible ones.
    CXTPControl* FindControl(XTPControlType type, int id, BOOL visible, BOOL recursive) const;

private:
    friend class CXTPCommandBar;
    CXTPCommandBar* m_owner = nullptr;
    std::vector<std::unique_ptr<CXTPControl>> m_controls;
};

class CXTPCommandBar {
public:
    CXTPCommandBar();
    virtual ~CXTPCommandBar();
    CXTPCommandBar(const CXTPCommandBar&) = delete;
    CXTPCommandBar& operator=(const CXTPCommandBar&) = delete;

    CXTPControls* GetControls() { return &m_controls; }
    const CXTPControls* GetControls() const { return &m_controls; }
    CString GetTitle() const { return m_title; }
    void SetTitle(LPCTSTR title) { m_title = title; }
    // Redraw requests (the stand-in has no window to paint).
    void RedrawWindow(UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    int m_redraws = 0;
    UINT m_lastRedrawFlags = 0;

protected:
    CXTPControls m_controls;
    CString m_title;
};

class CXTPPopupBar : public CXTPCommandBar {
public:
    static CXTPPopupBar* CreatePopupBar(CXTPCommandBars* bars);
    // Replaces (or with removeOld FALSE extends) the controls by the menu's items: commands
    // become buttons, submenus pop-ups filled the same way; separators are skipped.
    BOOL LoadMenu(CMenu* menu, BOOL removeOld = TRUE);
    // A tear-off pop-up: the bar can be torn off as a toolbar with that title, key and width.
    void SetTearOffPopup(LPCTSTR caption, UINT id, int width = 400);
    BOOL IsTearOffPopup() const { return m_tearOff; }
    CString m_tearOffCaption;
    UINT m_tearOffID = 0;
    int m_tearOffWidth = 0;

private:
    BOOL m_tearOff = FALSE;
};

class CXTPToolBar : public CXTPCommandBar {
public:
    explicit CXTPToolBar(LPCTSTR title = nullptr) { SetTitle(title ? title : ""); }
};

class CXTPCommandBars {
public:
    CXTPCommandBars() = default;
    CXTPCommandBars(const CXTPCommandBars&) = delete;
    CXTPCommandBars& operator=(const CXTPCommandBars&) = delete;

    int GetCount() const { return static_cast<int>(m_bars.size()); }
    CXTPToolBar* GetAt(int index) const;
    CXTPToolBar* Add(LPCTSTR title);
    // As CXTPControls::FindControl over every toolbar.
    CXTPControl* FindControl(XTPControlType type, int id, BOOL visible, BOOL recursive) const;
    void RedrawCommandBars() { ++m_redraws; }
    int m_redraws = 0;

private:
    std::vector<std::unique_ptr<CXTPToolBar>> m_bars;
};

// The toolkit's key of a text (tear-off identifiers): MFC's string hash.
UINT XTPHashKey(LPCTSTR text);

MISC_PUBLIC_END
