#pragma once
// Stand-in for the user-interface toolkit's docking panes: panes docked along a frame's edges
// (beside its command bars), grouped as tabs, floating in their own frames, or auto-hidden
// along an edge and slid out on demand (animated on the virtual clock); while a pane is dragged
// the docking stickers show where it can go. Layouts are saved and loaded under names in the
// application profile. Panes, captions and tabs are drawn by the docking paint manager, whose
// tab paint managers draw the pane tabs and the auto-hide panel tabs.
#include <afxwin.h>

#include "toolkit/paintmanager.h"

#include <memory>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The window classes of the docking panes' windows (for scripts finding them).
#define XTP_DOCKINGPANE_GROUP_CLASS "XTPDockingPaneTabbedContainer" // a group: caption, tabs
#define XTP_DOCKINGPANE_FLOAT_CLASS "XTPDockingPaneMiniWnd"         // a floating frame
#define XTP_DOCKINGPANE_SPLITTER_CLASS "XTPDockingPaneSplitterWnd"
#define XTP_DOCKINGPANE_PANEL_CLASS "XTPDockingPaneAutoHidePanel"   // auto-hide tabs along an edge
#define XTP_DOCKINGPANE_SLIDE_CLASS "XTPDockingPaneAutoHideWnd"     // an auto-hidden pane slid out
#define XTP_DOCKINGPANE_STICKER_CLASS "XTPDockingPaneContextStickerWnd" // "Dock Left" ... "Dock Pane"
#define XTP_DOCKINGPANE_CONTEXT_CLASS "XTPDockingPaneContextAlphaWnd"   // where a drop would go

class CXTPDockingPaneManager;
class CXTPDockingPaneLayout;

enum XTPDockingPaneDirection { xtpPaneDockLeft = 0, xtpPaneDockRight = 1, xtpPaneDockTop = 2, xtpPaneDockBottom = 3 };

// Built-in docking looks, by number (SetTheme).
enum XTPDockingPanePaintTheme {
    xtpPaneThemeDefault = 0,    // classic grey captions and tabs
    xtpPaneThemeGrippered = 1,  // captions with a gripper, flat tabs
    xtpPaneThemeOffice = 2,
    xtpPaneThemeOffice2003 = 6, // gradient captions and rounded tabs in the office colours
};

enum XTPTabPosition { xtpTabPositionTop = 0, xtpTabPositionLeft = 1, xtpTabPositionBottom = 2, xtpTabPositionRight = 3 };

// Draws a row of tabs (the tabs of grouped panes, or the tabs of auto-hidden panes).
class CXTPTabPaintManager {
public:
    // The colours of the tabs, in this order.
    struct CColorSet {
        COLORREF clrFace;           // selected tab face
        COLORREF clrBorder;         // tab frame
        COLORREF clrHeaderFace;     // the strip behind the tabs
        COLORREF clrButtonNormal;   // unselected tab face
        COLORREF clrButtonSelected;
        COLORREF clrText;
        COLORREF clrSelectedText;
        COLORREF clrAutoHideFace;   // the auto-hide panel
    };
    CXTPTabPaintManager();
    virtual ~CXTPTabPaintManager();

    void SetPosition(XTPTabPosition position) { m_position = position; }
    XTPTabPosition GetPosition() const { return m_position; }
    // 0 size to fit, 1 fixed, 2 compressed, 3 size to the row.
    void SetLayout(int layout) { m_layout = layout; }
    int GetLayout() const { return m_layout; }
    // 0 flat, 1 button, 2 office 2003, 3 visual-studio, 5 property-page ... (the shape).
    void SetAppearance(int appearance);
    int GetAppearance() const { return m_appearance; }
    // Tabs in their own soft colours, each a different hue.
    void SetOneNoteColors(BOOL oneNote = TRUE);
    BOOL IsOneNoteColors() const { return m_oneNote; }
    CColorSet* GetColorSet() { return &m_colors; }
    virtual void RefreshMetrics();
    // Draws the tabs `titles` (selected index `selected`) in rect; the header strip is filled.
    virtual void DrawTabs(CDC* dc, const CRect& rect, const std::vector<CString>& titles, int selected);
    // The same with the tab under the mouse (`hot`, -1 none) lit when hot tracking is on.
    void DrawTabs(CDC* dc, const CRect& rect, const std::vector<CString>& titles, int selected, int hot);
    // The rectangles DrawTabs gives each tab.
    std::vector<CRect> LayoutTabs(CDC* dc, const CRect& rect, const std::vector<CString>& titles) const;

    // Display flags (on by the themes): hot tracking, icons on tabs, bold selected tab.
    BOOL m_bHotTracking = FALSE;
    BOOL m_bShowIcons = FALSE;
    BOOL m_bBoldSelected = FALSE;

protected:
    XTPTabPosition m_position = xtpTabPositionTop;
    int m_layout = 0;
    int m_appearance = 0;
    BOOL m_oneNote = FALSE;
    CColorSet m_colors{};
    int m_hot = -1; // while DrawTabs runs
};

// Draws pane captions, frames, splitters and the docking stickers.
class CXTPDockingPanePaintManager {
public:
    CXTPDockingPanePaintManager();
    virtual ~CXTPDockingPanePaintManager();
    CXTPDockingPanePaintManager(const CXTPDockingPanePaintManager&) = delete;
    CXTPDockingPanePaintManager& operator=(const CXTPDockingPanePaintManager&) = delete;

    XTPDockingPanePaintTheme GetCurrentTheme() const { return m_theme; }
    CXTPTabPaintManager* GetTabPaintManager() { return &m_tabs; }
    CXTPTabPaintManager* GetPanelPaintManager() { return &m_panel; }
    virtual void RefreshMetrics();
    // Colour table entries as in the command bars' paint manager (XTP_COLOR_*); 0 to 29 are the
    // system colours, entry 51 is the docking face (behind the panes, splitters).
    void SetColors(int count, const int* indices, const COLORREF* colors);
    COLORREF GetXtremeColor(int index) const;

    virtual void DrawCaption(CDC* dc, const CRect& rect, LPCTSTR title, BOOL active);
    virtual void DrawPaneFrame(CDC* dc, const CRect& rect);
    virtual void DrawSplitter(CDC* dc, const CRect& rect, BOOL vertical);
    virtual void FillClient(CDC* dc, const CRect& rect);
    // A caption button: kind 0 close, 1 auto-hide (pin upright), 2 pinned back (pin on its side).
    virtual void DrawCaptionButton(CDC* dc, const CRect& rect, int kind, BOOL active);
    // The caption's text colour.
    virtual COLORREF GetCaptionTextColor(BOOL active) const;

    // Caption gradients (inactive, active).
    CXTPPaintManagerColorGradient m_clrNormalCaption;
    CXTPPaintManagerColorGradient m_clrActiveCaption;
    int m_nCaptionHeight = 18;
    int m_nSplitterSize = 4;
    int m_nCaptionFontGap = 4;

protected:
    XTPDockingPanePaintTheme m_theme = xtpPaneThemeDefault;
    CXTPTabPaintManager m_tabs;
    CXTPTabPaintManager m_panel;
    COLORREF m_colors[XTP_COLOR_COUNT] = {};
};

class CXTPDockingPaneDefaultTheme : public CXTPDockingPanePaintManager {
public:
    CXTPDockingPaneDefaultTheme();
};

class CXTPDockingPaneGripperedTheme : public CXTPDockingPanePaintManager {
public:
    CXTPDockingPaneGripperedTheme();
    void DrawCaption(CDC* dc, const CRect& rect, LPCTSTR title, BOOL active) override;
};

class CXTPDockingPaneOffice2003Theme : public CXTPDockingPanePaintManager {
public:
    CXTPDockingPaneOffice2003Theme();
    void RefreshMetrics() override;
    void DrawCaption(CDC* dc, const CRect& rect, LPCTSTR title, BOOL active) override;
};

class CXTPDockingPane {
public:
    CXTPDockingPane(CXTPDockingPaneManager* manager, UINT id, LPCTSTR title);
    virtual ~CXTPDockingPane();

    UINT GetID() const { return m_id; }
    CString GetTitle() const { return m_title; }
    void SetTitle(LPCTSTR title) { m_title = title; }
    // The window shown in the pane (not owned). Its handle is kept too: the application may
    // destroy the window object before the manager, which then only touches a live handle.
    void Attach(CWnd* wnd)
    {
        m_child = wnd;
        m_childHandle = wnd ? wnd->GetSafeHwnd() : nullptr;
    }
    CWnd* GetChild() const { return m_child; }
    HWND GetChildHandle() const { return m_childHandle; }
    BOOL IsFloating() const;
    BOOL IsHidden() const;   // auto-hidden along an edge
    BOOL IsClosed() const;
    BOOL IsSelected() const; // the visible tab of its group
    // Where the pane is, in the site's client coordinates (floating: screen coordinates of
    // its frame).
    CRect GetPaneRect() const;
    CXTPDockingPaneManager* GetDockingPaneManager() const { return m_manager; }

private:
    friend class CXTPDockingPaneManager;
    CXTPDockingPaneManager* m_manager;
    UINT m_id;
    CString m_title;
    CWnd* m_child = nullptr;
    HWND m_childHandle = nullptr;
};

class CXTPDockingPaneManager {
public:
    CXTPDockingPaneManager();
    virtual ~CXTPDockingPaneManager();
    CXTPDockingPaneManager(const CXTPDockingPaneManager&) = delete;
    CXTPDockingPaneManager& operator=(const CXTPDockingPaneManager&) = delete;

    // Attaches the manager to a frame (the site); its panes take room beside the command bars.
    BOOL InstallDockingPanes(CWnd* site);
    CWnd* GetSite() const { return m_site; }

    // A new pane docked at `direction` of the site, or of `neighbour` when given.
    CXTPDockingPane* CreatePane(UINT id, const CRect& rect, XTPDockingPaneDirection direction,
                                CXTPDockingPane* neighbour = nullptr);
    CXTPDockingPane* FindPane(UINT id) const;
    int GetPaneCount() const;
    CXTPDockingPane* GetPaneAt(int index) const;
    void DockPane(CXTPDockingPane* pane, XTPDockingPaneDirection direction, CXTPDockingPane* neighbour = nullptr);
    void FloatPane(CXTPDockingPane* pane, const CRect& rect);
    // Puts pane in the tab group of target.
    void AttachPane(CXTPDockingPane* pane, CXTPDockingPane* target);
    // Auto-hides the pane along its edge; ShowPane slides it out (or selects its tab).
    void HidePane(CXTPDockingPane* pane);
    void ShowPane(CXTPDockingPane* pane);
    void ClosePane(CXTPDockingPane* pane);

    // Layouts: the manager's arrangement as a value.
    CXTPDockingPaneLayout* CreateLayout();
    void GetLayout(CXTPDockingPaneLayout* layout);
    void SetLayout(CXTPDockingPaneLayout* layout);

    // Looks.
    void SetTheme(XTPDockingPanePaintTheme theme);
    void SetCustomTheme(CXTPDockingPanePaintManager* theme); // takes ownership
    CXTPDockingPanePaintManager* GetPaintManager() const { return m_paint.get(); }
    XTPDockingPanePaintTheme GetCurrentTheme() const;
    void SetThemedFloatingFrames(BOOL themed) { m_themedFloatingFrames = themed; }
    BOOL IsThemedFloatingFrames() const { return m_themedFloatingFrames; }
    void SetAlphaDockingContext(BOOL alpha) { m_alphaContext = alpha; }
    BOOL IsAlphaDockingContext() const { return m_alphaContext; }
    void SetShowDockingContextStickers(BOOL show) { m_stickers = show; }
    BOOL IsShowDockingContextStickers() const { return m_stickers; }
    void UseSplitterTracker(BOOL use) { m_splitterTracker = use; }
    BOOL IsSplitterTrackerUsed() const { return m_splitterTracker; }
    // Auto-hide animation: delay (ms; -1 the system's setting), duration and step interval.
    void SetAnimationDelay(double delay = -1, int duration = 128, int interval = 16);
    double GetAnimationDelay() const { return m_animationDelay; }
    int GetAnimationDuration() const { return m_animationDuration; }
    int GetAnimationInterval() const { return m_animationInterval; }

    // Lays the site out again and repaints the panes.
    void RecalcFrameLayout();
    void RedrawPanes();

    // Lays the panes out in `available` (the site's client coordinates: what the command bars
    // left; auto-hide panels first, then the docked panes from the outermost in) and answers
    // the rectangle left for the view. A toolkit frame calls it from RecalcLayout; a plain site
    // is laid out in its whole client area by RecalcFrameLayout.
    CRect RepositionPanes(const CRect& available);
    // What the last layout left for the view (site client coordinates).
    CRect GetViewRect() const;
    // The manager installed in a site, or null.
    static CXTPDockingPaneManager* FromSite(CWnd* site);
    // The window that shows the pane now: its group's container (docked or floating), the
    // slide-out window while an auto-hidden pane is out, else its auto-hide panel; null when
    // closed.
    HWND GetPaneWindow(const CXTPDockingPane* pane) const;
    // The floating frame of a floating pane, else null.
    HWND GetFloatingFrame(const CXTPDockingPane* pane) const;
    // An auto-hidden pane that is slid out (fully or on its way).
    BOOL IsPaneSlidOut(const CXTPDockingPane* pane) const;
    // The direction of the site's edge the pane was last docked at (or is hidden along).
    XTPDockingPaneDirection GetPaneDirection(const CXTPDockingPane* pane) const;

    // The manager's inner state, shared by its windows.
    struct Impl;
    Impl* GetImpl() const { return m_impl.get(); }

protected:
    std::unique_ptr<Impl> m_impl;
    CWnd* m_site = nullptr;
    std::unique_ptr<CXTPDockingPanePaintManager> m_paint;
    BOOL m_themedFloatingFrames = FALSE;
    BOOL m_alphaContext = FALSE;
    BOOL m_stickers = FALSE;
    BOOL m_splitterTracker = TRUE;
    double m_animationDelay = -1;
    int m_animationDuration = 128;
    int m_animationInterval = 16;
};

// A saved arrangement of a manager's panes.
class CXTPDockingPaneLayout {
public:
    explicit CXTPDockingPaneLayout(CXTPDockingPaneManager* manager);
    virtual ~CXTPDockingPaneLayout();
    // From / to the application profile under a name; Load answers FALSE for a name never
    // saved (or unreadable), leaving the layout as it was.
    BOOL Load(LPCTSTR section);
    void Save(LPCTSTR section);
    BOOL IsValid() const;
    // The compact text form Save stores (one line; see the docking state's reader), and back:
    // LoadFromText answers FALSE for damaged text and leaves the layout as it was.
    CString SaveToText() const;
    BOOL LoadFromText(LPCTSTR text);
    // The pane identifiers it places.
    std::vector<UINT> GetPaneIds() const;

private:
    friend class CXTPDockingPaneManager;
    CXTPDockingPaneManager* m_manager;
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

MISC_PUBLIC_END
