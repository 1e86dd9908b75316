// Gallery pictures of the drawing and window pieces: a bubble tip over a sample window, a dialog
// with splitter bars before and after a drag, a coloured dialog in each background mode, a
// picture drawn scaled and clipped, and a cut-node preview.
#include <misc/geometry.h>
#include <misc/ui.h>

#include <memory>
#include <string>
#include <vector>

#include "gallery.h"
#include "render.h"

namespace misctool {

namespace {

// ---- A sample window with a drawing in it ----

// A top-level window that paints a contour preview over its whole client area.
class PreviewWindow : public CWnd {
public:
    explicit PreviewWindow(myContour c) : m_contour(std::move(c)) {}

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect r;
        GetClientRect(&r);
        RenderContourPreview(dc, r.Width(), r.Height(), m_contour, 0);
    }
    DECLARE_MESSAGE_MAP()

private:
    myContour m_contour;
};

BEGIN_MESSAGE_MAP(PreviewWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

myContour SampleContour()
{
    static const InterfacePoint pts[] = {{0, 0}, {40, 0}, {40, 10}, {60, 10}, {60, 30}, {30, 40}, {0, 30}};
    static const tagCutNode nodes[] = {{0, 3, 1, 0}, {~6, 2, 0, 0}, {4, 1, 0, CUTNODE_ALTERNATIVE}};
    return myContour(pts, 7, 1, nodes, 3);
}

bool OpenPreview(PreviewWindow& wnd, int w, int h, std::string& error)
{
    if (!wnd.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, w, h, nullptr, nullptr)) {
        error = "cannot create the sample window";
        return false;
    }
    return true;
}

// ---- Dialog templates built here ----

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kDialogStyle = DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE;

enum : int { kLeftList = 1001, kBar = 1002, kRightEdit = 1003, kYBar = 1004, kBottomEdit = 1005 };

const MiscResControl kSplitterControls[] = {
    {"LISTBOX", "", kLeftList, kChild | WS_BORDER | LBS_NOTIFY, 0, 7, 7, 80, 70},
    {"STATIC", "", kBar, kChild | SS_ETCHEDFRAME, 0, 87, 7, 4, 70},
    {"EDIT", "Right pane", kRightEdit, kChild | WS_BORDER | ES_MULTILINE, 0, 91, 7, 110, 70},
    {"STATIC", "", kYBar, kChild | SS_ETCHEDFRAME, 0, 7, 77, 194, 3},
    {"EDIT", "Bottom pane", kBottomEdit, kChild | WS_BORDER | ES_MULTILINE, 0, 7, 80, 194, 40},
};
const MiscResDialog kSplitterDialog = {0, kDialogStyle, 0, 0, 0, 208, 127, "Splitter bars", "MS Shell Dlg", 8,
                                       nullptr, kSplitterControls, 5};

enum : int { kLabel = 1101, kCheck = 1102, kApply = 1103 };
const MiscResControl kColouredControls[] = {
    {"STATIC", "Background colour of every open dialog:", kLabel, kChild | SS_LEFT, 0, 7, 9, 170, 8},
    {"BUTTON", "Draw seam allowance", kCheck, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 24, 120, 10},
    {"BUTTON", "Apply", kApply, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 7, 62, 50, 14},
    {"BUTTON", "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 70, 62, 50, 14},
    {"BUTTON", "Cancel", IDCANCEL, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 127, 62, 50, 14},
};
const MiscResDialog kColouredDialog = {0, kDialogStyle, 0, 0, 0, 184, 83, "Coloured dialog", "MS Shell Dlg", 8,
                                       nullptr, kColouredControls, 5};

// ---- Splitter bars ----

struct SplitterDialog {
    CDialog dialog;
    CxDlgSplitterWnd x;
    CyDlgSplitterWnd y;

    bool Open(std::string& error)
    {
        if (!dialog.CreateIndirect(&kSplitterDialog, nullptr)) {
            error = "cannot create the splitter dialog";
            return false;
        }
        CListBox* list = static_cast<CListBox*>(dialog.GetDlgItem(kLeftList));
        for (const char* s : {"Front", "Back", "Sleeve", "Collar", "Cuff"})
            list->AddString(s);
        x.BindWithControl(&dialog, kBar);
        x.AttachAsLeftPane(kLeftList);
        x.AttachAsRightPane(kRightEdit);
        y.BindWithControl(&dialog, kYBar);
        y.SetMinHeight(20, 20);
        y.AttachAsAbovePane(kLeftList);
        y.AttachAsAbovePane(kBar);
        y.AttachAsAbovePane(kRightEdit);
        y.AttachAsBelowPane(kBottomEdit);
        MiscPumpMessages();
        return true;
    }
    // A drag of a bar by (dx, dy) as the user would make it.
    static void Drag(HWND bar, int dx, int dy)
    {
        ::PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        ::PostMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1 + dx / 2, 1 + dy / 2));
        ::PostMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1 + dx, 1 + dy));
        ::PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(1 + dx, 1 + dy));
        MiscPumpMessages();
    }
};

// ---- Coloured dialogs ----

bool ShowColoured(int mode, const std::string& png, std::string& error)
{
    static COLORREF colour = RGB(186, 212, 240);
    CQVXColoredDlg dialog(&colour, mode);
    if (!dialog.CreateIndirect(&kColouredDialog, nullptr)) {
        error = "cannot create the coloured dialog";
        return false;
    }
    dialog.CheckDlgButton(kCheck, BST_CHECKED);
    // The first paint turns the push buttons into flat ones, which then paint again.
    MiscPumpMessages();
    MiscPumpMessages();
    const bool ok = CaptureToPng(dialog.m_hWnd, png, error);
    dialog.DestroyWindow();
    return ok;
}

// ---- Pictures ----

// A picture of 40 x 30 pixels: a colour ramp with a dark frame and a diagonal, as a BMP file.
std::vector<BYTE> SamplePictureBmp()
{
    const int w = 40, h = 30, stride = (w * 3 + 3) / 4 * 4;
    std::vector<BYTE> f(54 + static_cast<size_t>(stride) * h, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int k = 0; k < 4; ++k)
            f[at + k] = static_cast<BYTE>(v >> (8 * k));
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, static_cast<uint32_t>(f.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    f[26] = 1;
    f[28] = 24;
    for (int row = 0; row < h; ++row) {
        const int y = h - 1 - row; // from the top
        for (int x = 0; x < w; ++x) {
            BYTE r = static_cast<BYTE>(60 + x * 4), g = static_cast<BYTE>(80 + y * 5), b = 200;
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1 || x == y * w / h)
                r = g = b = 30;
            BYTE* p = &f[54 + static_cast<size_t>(row) * stride + x * 3];
            p[0] = b;
            p[1] = g;
            p[2] = r;
        }
    }
    return f;
}

class PictureWindow : public CWnd {
public:
    CWinImageFile image;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect r;
        GetClientRect(&r);
        dc.FillSolidRect(&r, RGB(255, 255, 255));
        image.Draw(dc.m_hDC, 10, 10, -1, -1, nullptr); // its own size
        RECT clip{70, 20, 230, 110};
        image.Draw(dc.m_hDC, 60, 10, 200, 150, &clip); // five times, clipped
        CBrush frame(RGB(255, 0, 0));
        dc.FrameRect(&clip, &frame);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PictureWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

bool GalleryBubble(const std::string& png, std::string& error)
{
    PreviewWindow wnd(SampleContour());
    if (!OpenPreview(wnd, 400, 300, error))
        return false;
    CStringArray lines;
    lines.Add("Piece: Front");
    lines.Add("");
    lines.Add("Size 38, cut 2 x mirrored");
    auto bubble = std::make_unique<CBuble>(CPoint(300, 80), lines, &wnd);
    MiscAdvanceClock(CBuble::kShowDelay);
    MiscPumpMessages();
    const bool ok = CaptureToPng(wnd.m_hWnd, png, error);
    bubble.reset();
    wnd.DestroyWindow();
    return ok;
}

bool GalleryBubbleFlipped(const std::string& png, std::string& error)
{
    PreviewWindow wnd(SampleContour());
    if (!OpenPreview(wnd, 400, 300, error))
        return false;
    CStringArray lines;
    lines.Add("Corner point 6");
    auto bubble = std::make_unique<CBuble>(CPoint(390, 12), lines, &wnd); // flipped and moved left
    MiscAdvanceClock(CBuble::kShowDelay);
    MiscPumpMessages();
    const bool ok = CaptureToPng(wnd.m_hWnd, png, error);
    bubble.reset();
    wnd.DestroyWindow();
    return ok;
}

bool GallerySplitterBefore(const std::string& png, std::string& error)
{
    SplitterDialog s;
    if (!s.Open(error))
        return false;
    const bool ok = CaptureToPng(s.dialog.m_hWnd, png, error);
    s.dialog.DestroyWindow();
    return ok;
}

bool GallerySplitterAfter(const std::string& png, std::string& error)
{
    SplitterDialog s;
    if (!s.Open(error))
        return false;
    SplitterDialog::Drag(s.x.m_hWnd, 60, 0);
    SplitterDialog::Drag(s.y.m_hWnd, 0, -40);
    const bool ok = CaptureToPng(s.dialog.m_hWnd, png, error);
    s.dialog.DestroyWindow();
    return ok;
}

bool GalleryColouredSolid(const std::string& png, std::string& error)
{
    return ShowColoured(CQVXColoredDlg::kSolid, png, error);
}

bool GalleryColouredToWhite(const std::string& png, std::string& error)
{
    return ShowColoured(CQVXColoredDlg::kGradientToWhite, png, error);
}

bool GalleryColouredFromWhite(const std::string& png, std::string& error)
{
    return ShowColoured(CQVXColoredDlg::kGradientFromWhite, png, error);
}

bool GalleryPicture(const std::string& png, std::string& error)
{
    PictureWindow wnd;
    const std::vector<BYTE> bmp = SamplePictureBmp();
    if (!wnd.image.LoadMemoryData(bmp.data(), bmp.size())) {
        error = "cannot decode the sample picture";
        return false;
    }
    if (!wnd.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 280, 170, nullptr, nullptr)) {
        error = "cannot create the picture window";
        return false;
    }
    const bool ok = CaptureToPng(wnd.m_hWnd, png, error);
    wnd.DestroyWindow();
    return ok;
}

bool GalleryCutNodes(const std::string& png, std::string& error)
{
    PreviewWindow wnd(SampleContour());
    if (!OpenPreview(wnd, 400, 300, error))
        return false;
    const bool ok = CaptureToPng(wnd.m_hWnd, png, error);
    wnd.DestroyWindow();
    return ok;
}

} // namespace misctool
