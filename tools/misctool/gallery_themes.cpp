// Gallery pictures of the themes: a sample frame (menu bar, two tool bars, two docking panes, a
// view with a pattern piece and a status bar) in each of the 22 themes, and the themes dialog.
#include <misc/ui.h>

#include <toolkit/dockingpane.h>
#include <toolkit/frame.h>
#include <toolkit/paintmanager.h>
#include <win32/script.h>

#include <memory>
#include <string>
#include <vector>

#include "gallery.h"

namespace misctool {

namespace {

const int kWidth = 560, kHeight = 360;
const int kMenuHeight = 22, kToolHeight = 28, kStatusHeight = 22;
const int kButton = 23;

// ---- Tool-bar glyphs: small coloured pictures standing in for the icons ----

enum class Glyph { Separator, New, Open, Save, Cut, Copy, Paste, Undo, Piece, Grid, Zoom, Measure, Plot };

void Box(CDC* dc, int x, int y, int w, int h, COLORREF fill, COLORREF edge)
{
    dc->FillSolidRect(x, y, w, h, fill);
    dc->Draw3dRect(x, y, w, h, edge, edge);
}

void DrawGlyph(CDC* dc, Glyph g, int x, int y)
{
    const COLORREF ink = RGB(40, 40, 40);
    switch (g) {
    case Glyph::New: Box(dc, x + 3, y + 1, 10, 14, RGB(255, 255, 255), ink); break;
    case Glyph::Open:
        Box(dc, x + 1, y + 4, 14, 10, RGB(240, 200, 80), RGB(150, 110, 20));
        Box(dc, x + 1, y + 2, 6, 3, RGB(240, 200, 80), RGB(150, 110, 20));
        break;
    case Glyph::Save:
        Box(dc, x + 1, y + 1, 14, 14, RGB(60, 90, 170), RGB(20, 40, 100));
        Box(dc, x + 4, y + 2, 8, 5, RGB(255, 255, 255), RGB(20, 40, 100));
        break;
    case Glyph::Cut:
        dc->FillSolidRect(x + 5, y + 1, 2, 9, ink);
        dc->FillSolidRect(x + 9, y + 1, 2, 9, ink);
        Box(dc, x + 2, y + 10, 5, 5, RGB(200, 40, 40), ink);
        Box(dc, x + 9, y + 10, 5, 5, RGB(200, 40, 40), ink);
        break;
    case Glyph::Copy:
        Box(dc, x + 1, y + 1, 9, 11, RGB(255, 255, 255), ink);
        Box(dc, x + 6, y + 4, 9, 11, RGB(255, 255, 255), ink);
        break;
    case Glyph::Paste:
        Box(dc, x + 2, y + 2, 12, 13, RGB(180, 130, 70), RGB(100, 60, 20));
        Box(dc, x + 6, y + 6, 8, 9, RGB(255, 255, 255), ink);
        break;
    case Glyph::Undo:
        dc->FillSolidRect(x + 4, y + 6, 9, 3, RGB(30, 110, 200));
        dc->FillSolidRect(x + 10, y + 6, 3, 7, RGB(30, 110, 200));
        for (int i = 0; i < 4; ++i)
            dc->FillSolidRect(x + 1 + i, y + 7 - i, 1, 1 + 2 * i, RGB(30, 110, 200));
        break;
    case Glyph::Piece: {
        const POINT pts[] = {{x + 2, y + 14}, {x + 2, y + 5}, {x + 7, y + 1}, {x + 14, y + 4}, {x + 13, y + 14}};
        CBrush brush(RGB(120, 190, 90));
        CPen pen(PS_SOLID, 1, RGB(40, 100, 30));
        CBrush* ob = dc->SelectObject(&brush);
        CPen* op = dc->SelectObject(&pen);
        dc->Polygon(pts, 5);
        dc->SelectObject(ob);
        dc->SelectObject(op);
        break;
    }
    case Glyph::Grid:
        for (int i = 0; i < 4; ++i) {
            dc->FillSolidRect(x + 1 + 4 * i, y + 1, 1, 13, RGB(120, 120, 120));
            dc->FillSolidRect(x + 1, y + 1 + 4 * i, 13, 1, RGB(120, 120, 120));
        }
        break;
    case Glyph::Zoom: {
        CPen pen(PS_SOLID, 2, ink);
        CPen* op = dc->SelectObject(&pen);
        CBrush* ob = static_cast<CBrush*>(dc->SelectStockObject(WHITE_BRUSH));
        dc->Ellipse(x + 1, y + 1, x + 11, y + 11);
        dc->SelectObject(ob);
        dc->SelectObject(op);
        dc->FillSolidRect(x + 10, y + 10, 5, 3, ink);
        break;
    }
    case Glyph::Measure:
        Box(dc, x + 1, y + 5, 14, 6, RGB(250, 220, 90), ink);
        for (int i = 0; i < 4; ++i)
            dc->FillSolidRect(x + 3 + 3 * i, y + 5, 1, 3, ink);
        break;
    case Glyph::Plot:
        Box(dc, x + 1, y + 6, 14, 7, RGB(200, 200, 200), ink);
        Box(dc, x + 4, y + 1, 8, 6, RGB(255, 255, 255), ink);
        break;
    case Glyph::Separator: break;
    }
}

struct ToolButton {
    Glyph glyph;
    UINT state; // MISC_TS_*
};

// A tool bar at rect: fill, gripper, buttons and separators as the current look draws them.
void DrawToolBar(CDC* dc, const CRect& rect, const std::vector<ToolButton>& buttons)
{
    CXTPPaintManager* pm = XTPPaintManager();
    pm->FillCommandBar(dc, rect, nullptr);
    CRect gripper(rect.left + 2, rect.top + 3, rect.left + 2 + pm->GetGripperWidth(), rect.bottom - 3);
    pm->DrawCommandBarGripper(dc, gripper, FALSE);
    int x = gripper.right + 2;
    for (const ToolButton& b : buttons) {
        if (b.glyph == Glyph::Separator) {
            pm->DrawCommandBarSeparator(dc, CRect(x, rect.top + 2, x + pm->GetSeparatorWidth(), rect.bottom - 2), FALSE);
            x += pm->GetSeparatorWidth();
            continue;
        }
        const CRect face(x, rect.top + 3, x + kButton, rect.bottom - 3);
        pm->DrawControlFace(dc, face, b.state);
        const int shift = (b.state & MISC_TS_PRESSED) ? 1 : 0;
        DrawGlyph(dc, b.glyph, face.left + 4 + shift, face.top + (face.Height() - 16) / 2 + shift);
        x += kButton;
    }
}

int ToolBarWidth(const std::vector<ToolButton>& buttons)
{
    CXTPPaintManager* pm = XTPPaintManager();
    int w = 2 + pm->GetGripperWidth() + 2 + 4;
    for (const ToolButton& b : buttons)
        w += b.glyph == Glyph::Separator ? pm->GetSeparatorWidth() : kButton;
    return w;
}

// ---- The sample frame ----

// The room left by the bars: docking panes around a view with a pattern piece.
class SampleSite : public CWnd {
public:
    CXTPDockingPaneManager* m_panes = nullptr;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect view = m_panes ? m_panes->GetViewRect() : CRect();
        if (view.IsRectEmpty())
            GetClientRect(&view);
        dc.FillSolidRect(&view, RGB(255, 255, 255));
        dc.Draw3dRect(&view, RGB(160, 160, 160), RGB(160, 160, 160));
        // A bodice-like piece with its seam line.
        const int cx = view.left + view.Width() / 2, cy = view.top + view.Height() / 2;
        const POINT outer[] = {{cx - 60, cy + 70}, {cx - 62, cy - 30}, {cx - 30, cy - 70}, {cx + 10, cy - 62},
                               {cx + 40, cy - 75}, {cx + 58, cy - 20}, {cx + 55, cy + 70}};
        CBrush fill(RGB(232, 240, 250));
        CPen edge(PS_SOLID, 2, RGB(40, 60, 110));
        CBrush* ob = dc.SelectObject(&fill);
        CPen* op = dc.SelectObject(&edge);
        dc.Polygon(outer, 7);
        dc.SelectObject(ob);
        dc.SelectObject(op);
        for (int i = 0; i < 6; ++i)
            dc.FillSolidRect(cx - 45 + 18 * i, cy + 20, 8, 1, RGB(200, 60, 60));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SampleSite, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

const std::vector<ToolButton> kStandardBar = {
    {Glyph::New, 0},       {Glyph::Open, 0},  {Glyph::Save, 0},          {Glyph::Separator, 0},
    {Glyph::Cut, 0},       {Glyph::Copy, MISC_TS_HOT}, {Glyph::Paste, 0}, {Glyph::Separator, 0},
    {Glyph::Undo, 0},
};
const std::vector<ToolButton> kPieceBar = {
    {Glyph::Piece, MISC_TS_CHECKED}, {Glyph::Grid, 0}, {Glyph::Separator, 0}, {Glyph::Zoom, MISC_TS_PRESSED},
    {Glyph::Measure, 0},             {Glyph::Plot, 0},
};

// The frame: paints the dock bar with the menu bar and two tool bars, and the status bar; the
// site between them holds the panes and the view.
class SampleFrame : public CWnd {
public:
    bool Build()
    {
        if (!CreateEx(0, AfxRegisterWndClass(0), "Sample frame", WS_POPUP | WS_VISIBLE, 10, 10, kWidth, kHeight, nullptr, nullptr))
            return false;
        const CRect siteRect(0, kMenuHeight + kToolHeight, kWidth, kHeight - kStatusHeight);
        if (!m_site.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, siteRect.left, siteRect.top,
                             siteRect.Width(), siteRect.Height(), m_hWnd, nullptr))
            return false;
        m_site.m_panes = &m_panes;
        m_panes.InstallDockingPanes(&m_site);
        CXTPDockingPane* pieces = m_panes.CreatePane(6800, CRect(0, 0, 150, 200), xtpPaneDockLeft);
        CXTPDockingPane* props = m_panes.CreatePane(6806, CRect(0, 0, 160, 200), xtpPaneDockRight);
        CXTPDockingPane* layers = m_panes.CreatePane(6807, CRect(0, 0, 160, 200), xtpPaneDockRight);
        if (!pieces || !props || !layers)
            return false;
        m_panes.AttachPane(layers, props);
        pieces->SetTitle("Pieces");
        props->SetTitle("Properties");
        layers->SetTitle("Layers");
        Attach(pieces, {"Front", "Back", "Sleeve", "Collar", "Cuff"});
        Attach(props, {"Name: Front", "Size: 38", "Grain: 90\xb0", "Material: Denim"});
        Attach(layers, {"Cut lines", "Notches", "Texts"});
        m_panes.ShowPane(props);
        m_panes.RecalcFrameLayout();
        return true;
    }
    CXTPDockingPaneManager* Panes() { return &m_panes; }
    void Repaint()
    {
        m_panes.RecalcFrameLayout();
        m_panes.RedrawPanes();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        MiscSettle();
    }
    ~SampleFrame() override
    {
        for (auto& l : m_lists)
            if (l->GetSafeHwnd())
                l->DestroyWindow();
        if (GetSafeHwnd())
            DestroyWindow();
    }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CXTPPaintManager* pm = XTPPaintManager();
        CFont* oldFont = static_cast<CFont*>(dc.SelectStockObject(DEFAULT_GUI_FONT));
        dc.SetBkMode(TRANSPARENT);
        pm->FillDockBar(&dc, CRect(0, 0, kWidth, kMenuHeight + kToolHeight));
        // The menu bar, its second item hot.
        const CRect menu(0, 0, kWidth, kMenuHeight);
        pm->FillCommandBar(&dc, menu, nullptr);
        int x = 6;
        const char* items[] = {"File", "Edit", "View", "Piece", "Window", "Help"};
        for (int i = 0; i < 6; ++i) {
            CRect item(x, 2, x + 14 + 7 * static_cast<int>(std::string(items[i]).size()), kMenuHeight - 2);
            const UINT state = i == 1 ? UINT(MISC_TS_HOT) : 0u;
            pm->DrawControlFace(&dc, item, state);
            dc.SetTextColor(i == 1 ? pm->GetControlTextColor(state) : pm->GetXtremeColor(XTP_COLOR_MENUBAR_TEXT));
            dc.DrawText(items[i], -1, &item, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            x = item.right;
        }
        // Two tool bars side by side.
        const int top = kMenuHeight + 1, bottom = kMenuHeight + kToolHeight - 1;
        const int w1 = ToolBarWidth(kStandardBar), w2 = ToolBarWidth(kPieceBar);
        DrawToolBar(&dc, CRect(2, top, 2 + w1, bottom), kStandardBar);
        DrawToolBar(&dc, CRect(6 + w1, top, 6 + w1 + w2, bottom), kPieceBar);
        // The status bar.
        const CRect status(0, kHeight - kStatusHeight, kWidth, kHeight);
        pm->FillStatusBar(&dc, status);
        CRect text = status;
        text.left += 6;
        // Text on a dark status bar takes the look's colour for text on dark faces.
        const COLORREF face = dc.GetPixel(status.left + 2, status.top + status.Height() / 2);
        const bool dark = GetRValue(face) * 3 + GetGValue(face) * 6 + GetBValue(face) < 1000;
        dc.SetTextColor(pm->GetXtremeColor(dark ? XTP_COLOR_CAPTION_TEXT : XTP_COLOR_STATUSBAR_TEXT));
        dc.DrawText("Ready", -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        pm->DrawStatusBarGripper(&dc, status);
        if (oldFont)
            dc.SelectObject(oldFont);
    }
    DECLARE_MESSAGE_MAP()

private:
    void Attach(CXTPDockingPane* pane, std::initializer_list<const char*> entries)
    {
        auto list = std::make_unique<CListBox>();
        list->Create(WS_CHILD | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), &m_site, pane->GetID());
        list->SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
        for (const char* e : entries)
            list->AddString(e);
        list->SetCurSel(0);
        pane->Attach(list.get());
        m_lists.push_back(std::move(list));
    }

    SampleSite m_site;
    CXTPDockingPaneManager m_panes;
    std::vector<std::unique_ptr<CListBox>> m_lists;
};

BEGIN_MESSAGE_MAP(SampleFrame, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

bool FrameInTheme(int theme, const std::string& png, std::string& error)
{
    SampleFrame frame;
    if (!frame.Build()) {
        error = "cannot build the sample frame";
        return false;
    }
    // The user colours at their defaults, so that themes 19 to 21 show what a new user sees.
    CThemesDlg::SetMainTheme(frame.Panes(), static_cast<THEME>(theme), MISC_THEME_DEFAULT_COLOR1, MISC_THEME_DEFAULT_COLOR2,
                             MISC_THEME_DEFAULT_VALUE, 0, 1, 1, 0);
    frame.Repaint();
    const bool ok = CaptureToPng(frame.m_hWnd, png, error);
    CXTPPaintManager::SetTheme(xtpThemeOffice2003);
    return ok;
}

} // namespace

#define MISCTOOL_GALLERY_THEME_FUNCTION(n)                                   \
    bool GalleryTheme##n(const std::string& png, std::string& error)       \
    {                                                                        \
        return FrameInTheme(1##n - 100, png, error);                         \
    }
MISCTOOL_GALLERY_THEME_FUNCTION(00)
MISCTOOL_GALLERY_THEME_FUNCTION(01)
MISCTOOL_GALLERY_THEME_FUNCTION(02)
MISCTOOL_GALLERY_THEME_FUNCTION(03)
MISCTOOL_GALLERY_THEME_FUNCTION(04)
MISCTOOL_GALLERY_THEME_FUNCTION(05)
MISCTOOL_GALLERY_THEME_FUNCTION(06)
MISCTOOL_GALLERY_THEME_FUNCTION(07)
MISCTOOL_GALLERY_THEME_FUNCTION(08)
MISCTOOL_GALLERY_THEME_FUNCTION(09)
MISCTOOL_GALLERY_THEME_FUNCTION(10)
MISCTOOL_GALLERY_THEME_FUNCTION(11)
MISCTOOL_GALLERY_THEME_FUNCTION(12)
MISCTOOL_GALLERY_THEME_FUNCTION(13)
MISCTOOL_GALLERY_THEME_FUNCTION(14)
MISCTOOL_GALLERY_THEME_FUNCTION(15)
MISCTOOL_GALLERY_THEME_FUNCTION(16)
MISCTOOL_GALLERY_THEME_FUNCTION(17)
MISCTOOL_GALLERY_THEME_FUNCTION(18)
MISCTOOL_GALLERY_THEME_FUNCTION(19)
MISCTOOL_GALLERY_THEME_FUNCTION(20)
MISCTOOL_GALLERY_THEME_FUNCTION(21)
#undef MISCTOOL_GALLERY_THEME_FUNCTION

} // namespace misctool

namespace misctool {

namespace {

// A toolkit frame with two panes for the themes dialog to work on.
class DialogHostFrame : public CXTPFrameWnd {
public:
    CXTPDockingPaneManager panes;
    bool Build()
    {
        if (!Create(nullptr, "Sample frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 520, 360)) || !InitCommandBars())
            return false;
        panes.InstallDockingPanes(this);
        for (CStatic* s : {&left, &right})
            s->Create("", WS_CHILD, CRect(0, 0, 10, 10), this, s == &left ? 6800 : 6806);
        CXTPDockingPane* a = panes.CreatePane(6800, CRect(0, 0, 140, 200), xtpPaneDockLeft);
        CXTPDockingPane* b = panes.CreatePane(6806, CRect(0, 0, 140, 200), xtpPaneDockRight);
        if (!a || !b)
            return false;
        a->Attach(&left);
        b->Attach(&right);
        RecalcLayout();
        return true;
    }

private:
    CStatic left, right;
};

} // namespace

bool GalleryThemesDialog(const std::string& png, std::string& error)
{
    auto* frame = new DialogHostFrame; // frames delete themselves
    if (!frame->Build()) {
        error = "cannot build the frame";
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
        else
            delete frame;
        return false;
    }
    bool ok = false;
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_THEMES, [&](MiscModal& m) {
        // The person picks "My colour" and moves the slider to 100: its colour controls show.
        MiscSelectItem(m.hwnd, IDC_MISC_THEMES_LIST, THEME_USER_COLOR);
        MiscSelectItem(m.hwnd, IDC_MISC_THEMES_SLIDER, 100);
        ok = CaptureToPng(m.hwnd, png, error);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    {
        CThemesDlg dialog("GalleryThemes", &frame->panes, frame, frame);
        dialog.DoModal();
    }
    if (ok && !user.AllDone()) {
        error = user.Report();
        ok = false;
    }
    frame->DestroyWindow();
    CXTPPaintManager::SetTheme(xtpThemeOffice2003);
    return ok;
}

} // namespace misctool
