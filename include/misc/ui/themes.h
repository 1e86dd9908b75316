#pragma once
// Colour themes of the host's frame: 22 looks for the command bars and docking panes, some built
// from one or two user colours, the settings that keep the user's choice in the application's
// profile, and the dialog that previews a theme live and keeps or reverts it.
//
// The theme classes derive from the toolkit's paint managers and are handed to the toolkit with
// new; the toolkit owns and deletes them. Colours are COLORREF values 0x00BBGGRR.
#include <afxwin.h>
#include <mfc/resscope.h>
#include <toolkit/colorpicker.h>
#include <toolkit/dockingpane.h>
#include <toolkit/frame.h>
#include <toolkit/paintmanager.h>
#include <toolkit/taskpanel.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The looks, by number; the number is also the entry of the dialog's theme list.
enum THEME {
    THEME_FLAT = 0,               // toolkit paint theme 1, docking theme 6 with coloured tabs
    THEME_CLASSIC = 1,            // toolkit paint theme 0, docking theme 0
    THEME_GRADIENT = 2,           // toolkit paint theme 2, the library's docking theme
    THEME_KHAKI = 3,              // user colour themes and user gradient themes with fixed colours
    THEME_SKY = 4,
    THEME_SLATE = 5,
    THEME_SLATE_CREAM = 6,
    THEME_GREEN = 7,
    THEME_BLUE_GREEN = 8,
    THEME_SAND = 9,
    THEME_BLUE_PEACH = 10,
    THEME_LAVENDER_ICE = 11,
    THEME_OCEAN = 12,
    THEME_SAND_SILVER = 13,
    THEME_ICY = 14,
    THEME_SILVER = 15,
    THEME_PINSTRIPE = 16,
    THEME_BEVEL = 17,
    THEME_BLACK_RED = 18,
    THEME_USER_COLOR = 19,        // from user colour 1 and the user amount
    THEME_USER_GRADIENT = 20,     // from user colours 1 and 2
    THEME_USER_GRADIENT_BARS = 21 // user colours 1 and 2 in strong dock and status bars
};
#define MISC_THEME_COUNT 22

// Keys of the settings in the caller's profile section, and their defaults.
#define MISC_THEME_KEY_MAIN "MainTheme"
#define MISC_THEME_KEY_COLOR1 "ThemeCustomColor1"
#define MISC_THEME_KEY_COLOR2 "ThemeCustomColor2"
#define MISC_THEME_KEY_VALUE "ThemeCustomVal"
#define MISC_THEME_KEY_TABS_AT_BOTTOM "TabsAtBottom"
#define MISC_THEME_KEY_TOOLBAR_TEXT "ToolbarText"
#define MISC_THEME_KEY_STICKERS "DockingStickers"
#define MISC_THEME_KEY_ANIMATION "AutoHideAnimation"
#define MISC_THEME_DEFAULT_MAIN 2
#define MISC_THEME_DEFAULT_COLOR1 0xffb0b0
#define MISC_THEME_DEFAULT_COLOR2 0xff4000
#define MISC_THEME_DEFAULT_VALUE 150
#define MISC_THEME_DEFAULT_TABS_AT_BOTTOM 0
#define MISC_THEME_DEFAULT_TOOLBAR_TEXT 0
#define MISC_THEME_DEFAULT_STICKERS 1
#define MISC_THEME_DEFAULT_ANIMATION 1

// The themes dialog (template and controls of the resource module).
#define IDD_MISC_THEMES 172
#define IDC_MISC_THEMES_LIST 1134
#define IDC_MISC_THEMES_COLOR1 1480
#define IDC_MISC_THEMES_COLOR2 1481
#define IDC_MISC_THEMES_SLIDER 1482
#define IDC_MISC_THEMES_SLIDER_LABEL 1483
#define IDC_MISC_THEMES_TABS_AT_BOTTOM 1485
#define IDC_MISC_THEMES_STICKERS 1486
#define IDC_MISC_THEMES_ANIMATION 1487
#define IDC_MISC_THEMES_TOOLBAR_TEXT 1488
// The names of the themes in the list: strings IDS_MISC_THEME_NAME_FIRST + THEME.
#define IDS_MISC_THEME_NAME_FIRST 17200

// Command-bar look from one colour c and an amount a: light colour 1 is c lightened by 3a/4,
// light colour 2 c lightened by a; dark colours get light text.
class AFX_EXT_CLASS CCustomUserColorTheme : public CXTPOfficeTheme {
public:
    CCustomUserColorTheme(COLORREF color, int amount);
    void RefreshMetrics() override;

    COLORREF m_clrLight1; // LightenColor(3 * amount / 4, color)
    COLORREF m_clrLight2; // LightenColor(amount, color)
    COLORREF m_clrColor;
    int m_nAmount;
};

// Command-bar look from two colours and a style: 1 light gradients, 2 the dock and status bars
// in strong gradients between the two colours.
class AFX_EXT_CLASS CCustomUserGradientTheme : public CXTPOfficeTheme {
public:
    CCustomUserGradientTheme(COLORREF color1, COLORREF color2, int style);
    void RefreshMetrics() override;
    void DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical) override;
    void FillDockBar(CDC* dc, const CRect& rect) override;
    void FillStatusBar(CDC* dc, const CRect& rect) override;
    void DrawPopupBarGripper(CDC* dc, const CRect& rect) override;

    COLORREF m_clrLight1a; // LightenColor(150, color1)
    COLORREF m_clrLight2a; // LightenColor(200, color1)
    COLORREF m_clrColor1;
    COLORREF m_clrLight1b; // LightenColor(150, color2)
    COLORREF m_clrLight2b; // LightenColor(200, color2)
    COLORREF m_clrColor2;
    int m_nStyle;
};

// Near-white bars in fine horizontal stripes, rounded grey hot buttons.
class AFX_EXT_CLASS CCustomMacTheme : public CXTPDefaultTheme {
public:
    CCustomMacTheme();
    void RefreshMetrics() override;
    void FillDockBar(CDC* dc, const CRect& rect) override;
    void FillStatusBar(CDC* dc, const CRect& rect) override;
    void FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar* bar) override;
    void DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical) override;
    void DrawControlFace(CDC* dc, const CRect& rect, UINT state) override;
};

// Pale blue-white bars with thin ice-blue grippers and double-line separators.
class AFX_EXT_CLASS CCustomIcyTheme : public CXTPOfficeTheme {
public:
    CCustomIcyTheme();
    void RefreshMetrics() override;
    void DrawPopupBarGripper(CDC* dc, const CRect& rect) override;
    void DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical) override;
    void DrawCommandBarSeparator(CDC* dc, const CRect& rect, BOOL vertical) override;
};

// Warm grey bars and buttons in thick bevelled rectangles.
class AFX_EXT_CLASS CCustomBevelTheme : public CXTPDefaultTheme {
public:
    CCustomBevelTheme();
    void RefreshMetrics() override;
    void FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar* bar) override;
    void DrawControlFace(CDC* dc, const CRect& rect, UINT state) override;
    // A rectangle with a two-pixel bevel, raised or sunken.
    void DrawBevel(CDC* dc, const CRect& rect, BOOL raised);
};

// Wider grippers and a diagonal violet dock bar.
class AFX_EXT_CLASS CCustomFancyTheme : public CXTPOfficeTheme {
public:
    CCustomFancyTheme();
    void RefreshMetrics() override;
    void FillDockBar(CDC* dc, const CRect& rect) override;
};

// Docking look from up to three colours (-1: not given): c2 and c3 colour the tabs, c1 the pane
// captions (lightened first when it is dark).
class AFX_EXT_CLASS CXTPMyDockingPaneOffice2003Theme : public CXTPDockingPaneOffice2003Theme {
public:
    CXTPMyDockingPaneOffice2003Theme(COLORREF color1 = CLR_NONE, COLORREF color2 = CLR_NONE, COLORREF color3 = CLR_NONE);
    void RefreshMetrics() override;

    COLORREF m_clr1;
    COLORREF m_clr2;
    COLORREF m_clr3;
};

// Task-panel toolbox look in one colour: caption rows from a light tint to the colour, the
// client face in a lighter tint.
class AFX_EXT_CLASS CMyXTPTaskPanelToolboxWhidbeyTheme : public CXTPTaskPanelToolboxWhidbeyTheme {
public:
    explicit CMyXTPTaskPanelToolboxWhidbeyTheme(COLORREF color);
    void RefreshMetrics() override;
    void FillGroupCaptionBackground(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE& state) override;
    void FillGroupClientFace(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE& state) override;

    COLORREF m_clrColor;
};

// Applies looks and lets the user choose one. The static functions work without the dialog.
class AFX_EXT_CLASS CThemesDlg : public CDialog {
public:
    CThemesDlg(const CString& section, CXTPDockingPaneManager* manager, CXTPFrameWnd* frame, CWnd* parent = nullptr);
    CThemesDlg(const CString& section, CXTPDockingPaneManager* manager, CXTPMDIFrameWnd* frame, CWnd* parent = nullptr);
    ~CThemesDlg() override;

    // The looks of `theme` and the common settings. A theme outside 0 to 21 changes neither look;
    // without a manager only the command-bar look is set.
    static void SetMainTheme(CXTPDockingPaneManager* manager, THEME theme, COLORREF color1, COLORREF color2,
                             int customVal, int tabsAtBottom, int dockingStickers, int autoHideAnimation,
                             int toolbarText);
    // Reads the eight settings of `section` from the application's profile (defaults above) and
    // calls SetMainTheme.
    static void SetMainThemeByProfile(CXTPDockingPaneManager* manager, const CString& section);
    static void SetCustomColorTheme(CXTPDockingPaneManager* manager, COLORREF color, int amount);
    static void SetCustomGradientTheme(CXTPDockingPaneManager* manager, COLORREF color1, COLORREF color2);

    BOOL OnInitDialog() override;

protected:
    afx_msg void OnMainThemeChange();
    void UpdateControls();
    // Lays the frame out and repaints it after a change; flag 0 also redraws the command bars
    // before the frame.
    void ApplyTheme(int flag);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnOK() override;
    void OnCancel() override;
    DECLARE_MESSAGE_MAP()

    CXTPFrameWnd* m_pFrame;
    CXTPMDIFrameWnd* m_pMDIFrame;
    CXTPDockingPaneManager* m_pManager;
    CString m_strSection;
    CXTColorPicker m_cp1;
    CXTColorPicker m_cp2;
    CSliderCtrl m_slider;

private:
    CResourceSaver m_resource; // the resource handle current before, restored on destruction
};

MISC_PUBLIC_END
