#pragma once
// Stand-in for the user-interface toolkit's command-bar paint managers.
//
// One paint manager is current for the whole process (XTPPaintManager()); menu bars, tool bars,
// pop-up bars, dock bars and status bars ask it for every fill, gripper, separator and button
// face, so that replacing it (SetTheme for a built-in look, SetCustomTheme for a derived class)
// restyles every command bar at once. A paint manager holds a colour table indexed by the
// XTP_COLOR_* numbers below; the built-in looks fill it in RefreshMetrics, derived looks change
// entries with SetColors after the base's RefreshMetrics. Everything it does not override is
// drawn through the platform's theme layer (win32/theme.h).
#include <afxwin.h>

#include "win32/theme.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPCommandBar;
class CXTPControl;

// The built-in looks, by number.
enum XTPPaintTheme {
    xtpThemeOffice2000 = 0, // raised 3-D buttons on the system face
    xtpThemeOfficeXP = 1,   // flat, light bars; hot buttons framed in the highlight colour
    xtpThemeOffice2003 = 2, // gradient bars and rounded grippers in the blue office colours
    xtpThemeCustom = 99,    // a paint manager handed over with SetCustomTheme
};

// Entries of the colour table (the indices the paint manager's SetColors takes). 0 to 29 are the
// system colours (COLOR_*), the rest belong to the command bars.
enum XTPColorIndex {
    XTP_COLOR_BAR_FACE = 30,              // tool-bar and menu-bar face
    XTP_COLOR_HIGHLIGHT = 31,             // face of the button under the mouse
    XTP_COLOR_HIGHLIGHT_BORDER = 32,      // its frame
    XTP_COLOR_HIGHLIGHT_PUSHED_BORDER = 33, // frame of a pressed button
    XTP_COLOR_DISABLED_TEXT = 34,
    XTP_COLOR_BAR_TEXT = 35,              // text on bars and menus
    XTP_COLOR_HIGHLIGHT_PUSHED = 36,      // face of a pressed button
    XTP_COLOR_HIGHLIGHT_CHECKED_BORDER = 37, // frame of a checked button
    XTP_COLOR_HIGHLIGHT_CHECKED = 38,     // face of a checked button
    XTP_COLOR_SEPARATOR = 39,
    XTP_COLOR_HIGHLIGHT_TEXT = 40,        // text on a hot or pressed button
    XTP_COLOR_MENU_FACE = 41,             // pop-up bar (menu) face
    XTP_COLOR_DOCKBAR_FACE = 42,          // dock bar and status bar face
    XTP_COLOR_GRIPPER = 43,
    XTP_COLOR_MENUBAR_TEXT = 44,          // text of the menu bar's items
    XTP_COLOR_MENU_BORDER = 45,
    XTP_COLOR_CAPTION_TEXT = 46,          // text on dark faces: floating-bar captions, status bar
    XTP_COLOR_ICON_SHADOW = 47,
    XTP_COLOR_STATUSBAR_TEXT = 48,
    XTP_COLOR_STATUSBAR_BORDER = 49,
    XTP_COLOR_FRAME = 50,                 // outer frame of bars and pop-ups
    XTP_COLOR_MASK = 51,                  // transparent key of tool-bar bitmaps
    XTP_COLOR_COUNT = 64
};

// A two-colour value: the look's standard pair, optionally replaced by a custom pair.
class CXTPPaintManagerColorGradient {
public:
    void SetStandardValue(COLORREF light, COLORREF dark, float factor = 0.5f);
    void SetCustomValue(COLORREF light, COLORREF dark);
    BOOL IsCustomValue() const { return m_custom; }
    // The pair in force (the custom one when set).
    COLORREF GetLight() const { return m_custom ? m_customLight : m_light; }
    COLORREF GetDark() const { return m_custom ? m_customDark : m_dark; }
    float GetFactor() const { return m_factor; }
    // Fills rect from light (left or top) to dark; the factor moves the middle colour.
    void Fill(CDC* dc, const CRect& rect, BOOL horizontal) const;

private:
    COLORREF m_light = 0, m_dark = 0, m_customLight = 0, m_customDark = 0;
    float m_factor = 0.5f;
    BOOL m_custom = FALSE;
};

// How tool-bar icons are drawn; four flags, in this order.
struct XTP_COMMANDBARS_ICONSINFO {
    BOOL bUseFadedIcons = FALSE;            // first: faded icons until hot
    BOOL bUseDisabledIcons = TRUE;          // second: the bitmap's own disabled images
    BOOL bIconsWithShadow = FALSE;          // third: hot icons drop a shadow
    BOOL bOfficeStyleDisabledIcons = FALSE; // fourth: disabled icons in the office grey
};

class CXTPPaintManager {
public:
    CXTPPaintManager();
    virtual ~CXTPPaintManager();
    CXTPPaintManager(const CXTPPaintManager&) = delete;
    CXTPPaintManager& operator=(const CXTPPaintManager&) = delete;

    // Makes a built-in look current (the previous paint manager is deleted) and refreshes it.
    static void SetTheme(XTPPaintTheme theme);
    // Hands a paint manager over (it is deleted when replaced) and makes it current.
    static void SetCustomTheme(CXTPPaintManager* theme);
    // Kept for the flat buttons of dialogs: a two-colour gradient over rect, from `from` at the
    // left (horz) or top to `to`.
    static void GradientFill(CDC* dc, LPCRECT rect, COLORREF from, COLORREF to, BOOL horz);

    XTPPaintTheme GetCurrentTheme() const { return m_theme; }
    XTP_COMMANDBARS_ICONSINFO* GetIconsInfo() { return &m_iconsInfo; }

    // Sets the look's colours and metrics again (after a colour or setting change).
    virtual void RefreshMetrics();
    // Replaces `count` entries of the colour table, in order (an index named twice keeps the
    // last value).
    void SetColors(int count, const int* indices, const COLORREF* colors);
    COLORREF GetXtremeColor(int index) const;

    // Drawing. `state` holds MISC_TS_* flags (win32/theme.h).
    virtual void FillDockBar(CDC* dc, const CRect& rect);
    virtual void FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar* bar);
    virtual void FillPopupBar(CDC* dc, const CRect& rect);
    virtual void FillStatusBar(CDC* dc, const CRect& rect);
    virtual void DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical);
    virtual void DrawPopupBarGripper(CDC* dc, const CRect& rect);
    virtual void DrawCommandBarSeparator(CDC* dc, const CRect& rect, BOOL vertical);
    virtual void DrawControlFace(CDC* dc, const CRect& rect, UINT state);
    virtual COLORREF GetControlTextColor(UINT state) const;
    virtual void DrawStatusBarGripper(CDC* dc, const CRect& rect);
    // Width of a gripper and of a separator, the height of a tool-bar button row.
    virtual int GetGripperWidth() const { return m_nGripperWidth; }
    virtual int GetSeparatorWidth() const { return m_nSeparatorWidth; }

    // Metrics a derived look may change before RefreshMetrics.
    BOOL m_bFlatToolBar = TRUE;
    BOOL m_bFlatMenuBar = TRUE;
    BOOL m_bShowShadow = TRUE;
    BOOL m_bThickCheckMark = FALSE;
    int m_nGripperWidth = 8;
    int m_nSeparatorWidth = 6;

    // The gradient values of the look, in this order: dock bar, command bar, status bar.
    CXTPPaintManagerColorGradient m_clrDockBar;
    CXTPPaintManagerColorGradient m_clrCommandBar;
    CXTPPaintManagerColorGradient m_clrStatusBar;

protected:
    // The colour indices of a highlighted control's face and frame for `state` (pressed before
    // hot before checked); false when the control is not highlighted.
    static bool HighlightColors(UINT state, int* face, int* border);

    XTPPaintTheme m_theme = xtpThemeCustom;
    XTP_COMMANDBARS_ICONSINFO m_iconsInfo;
    COLORREF m_colors[XTP_COLOR_COUNT] = {};
};

// The built-in looks, also the bases of the library's own themes.
// Grey system face, bars with raised edges, two raised lines as gripper, etched separators,
// buttons raised when hot and sunken when pressed.
class CXTPDefaultTheme : public CXTPPaintManager {
public:
    CXTPDefaultTheme();
    void RefreshMetrics() override;
    void FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar* bar) override;
    void DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical) override;
    void DrawCommandBarSeparator(CDC* dc, const CRect& rect, BOOL vertical) override;
    void DrawControlFace(CDC* dc, const CRect& rect, UINT state) override;
};

// Flat: light bars on a grey dock bar, a dotted gripper, hot buttons in a tint of the highlight
// colour framed by it, white menus.
class CXTPOfficeTheme : public CXTPDefaultTheme {
public:
    CXTPOfficeTheme();
    void RefreshMetrics() override;
    // The dock bar runs across its gradient value (one colour unless a derived look sets two).
    void FillDockBar(CDC* dc, const CRect& rect) override;
    void FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar* bar) override;
    void DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical) override;
    void DrawCommandBarSeparator(CDC* dc, const CRect& rect, BOOL vertical) override;
    void DrawControlFace(CDC* dc, const CRect& rect, UINT state) override;
};

// Blue gradient bars with rounded ends, a column of raised dots as gripper, hot buttons in warm
// yellow and pressed ones in orange, framed in dark blue.
class CXTPOffice2003Theme : public CXTPOfficeTheme {
public:
    CXTPOffice2003Theme();
    void RefreshMetrics() override;
    void FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar* bar) override;
    void FillDockBar(CDC* dc, const CRect& rect) override;
    void FillStatusBar(CDC* dc, const CRect& rect) override;
    void DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical) override;
    void DrawControlFace(CDC* dc, const CRect& rect, UINT state) override;
};

// The current paint manager (an office-2003 look until another is set).
CXTPPaintManager* XTPPaintManager();
// The number of times the current paint manager was replaced (command bars compare it to know
// that they must lay out and repaint again).
UINT XTPPaintManagerGeneration();

// `percentOfB` percent of colour b mixed into colour a, channel by channel (0: a, 100: b).
COLORREF XTPBlendColors(COLORREF a, COLORREF b, int percentOfB);

MISC_PUBLIC_END
