// Gallery pictures of the docking panes: a frame with a tab group of two panes on the left and
// an auto-hidden pane on the right, in the built-in looks and a custom one; the same frame with
// the hidden pane slid out, and while a caption is dragged over the stickers.
#include <afxwin.h>

#include <memory>
#include <string>

#include "gallery.h"
#include "toolkit/dockingpane.h"
#include "win32/automation.h"
#include "win32/script.h"

namespace misctool {

namespace {

// The library's office look with user colours is built like this: caption gradient, tab faces
// and borders, OneNote tabs and the visual-studio panel tabs.
class ColouredOffice : public CXTPDockingPaneOffice2003Theme {
public:
    ColouredOffice(COLORREF caption, COLORREF face, COLORREF border)
    {
        m_nCaptionFontGap = 4;
        GetTabPaintManager()->SetOneNoteColors(TRUE);
        GetPanelPaintManager()->SetAppearance(3);
        for (CXTPTabPaintManager* t : {GetTabPaintManager(), GetPanelPaintManager()}) {
            t->GetColorSet()->clrFace = face;
            t->GetColorSet()->clrBorder = border;
            t->GetColorSet()->clrHeaderFace = face;
            t->GetColorSet()->clrAutoHideFace = face;
        }
        const int index = XTP_COLOR_MASK;
        SetColors(1, &index, &face);
        m_clrNormalCaption.SetStandardValue(RGB(250, 210, 210), caption, 0.5f);
        m_clrNormalCaption.SetCustomValue(RGB(250, 210, 210), caption);
        m_clrActiveCaption.SetCustomValue(RGB(255, 170, 150), RGB(200, 40, 30));
    }
};

struct SampleFrame {
    CFrameWnd* frame = new CFrameWnd; // deletes itself when destroyed
    HWND frameWnd = nullptr;
    CEdit view;
    CListBox solution;
    CEdit properties;
    CStatic output;
    CXTPDockingPaneManager manager;

    bool Make()
    {
        if (!frame->Create(nullptr, "Pattern - docking panes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 670, 450))) {
            delete frame;
            frame = nullptr;
            return false;
        }
        frameWnd = frame->m_hWnd;
        view.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST);
        view.SetWindowText("The document view");
        solution.Create(WS_CHILD | LBS_NOTIFY, CRect(0, 0, 10, 10), frame, 6800);
        for (const char* s : {"Front piece", "Back piece", "Sleeve", "Collar"})
            solution.AddString(s);
        properties.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 10, 10), frame, 6806);
        properties.SetWindowText("Seam allowance: 1 cm");
        output.Create("Build finished.", WS_CHILD, CRect(0, 0, 10, 10), frame, 61527);
        manager.InstallDockingPanes(frame);
        CXTPDockingPane* a = manager.CreatePane(6800, CRect(0, 0, 200, 200), xtpPaneDockLeft);
        CXTPDockingPane* b = manager.CreatePane(6806, CRect(0, 0, 200, 200), xtpPaneDockLeft);
        CXTPDockingPane* c = manager.CreatePane(61527, CRect(0, 0, 180, 200), xtpPaneDockRight);
        a->SetTitle("Pieces");
        b->SetTitle("Properties");
        c->SetTitle("Output");
        a->Attach(&solution);
        b->Attach(&properties);
        c->Attach(&output);
        manager.AttachPane(b, a);
        manager.ShowPane(a);
        manager.HidePane(c);
        manager.SetAnimationDelay(0, 1, 1);
        MiscSettle();
        return true;
    }
    ~SampleFrame() { DestroyIfOpen(frameWnd); }
};

bool Look(const std::string& png, std::string& error, int theme, bool custom = false)
{
    SampleFrame f;
    if (!f.Make()) {
        error = "the frame could not be made";
        return false;
    }
    if (custom)
        f.manager.SetCustomTheme(new ColouredOffice(RGB(150, 30, 40), RGB(245, 225, 215), RGB(160, 90, 80)));
    else
        f.manager.SetTheme(static_cast<XTPDockingPanePaintTheme>(theme));
    MiscSettle();
    return CaptureToPng(f.frame->GetSafeHwnd(), png, error);
}

} // namespace

bool GalleryDockingDefault(const std::string& png, std::string& error)
{
    return Look(png, error, xtpPaneThemeDefault);
}

bool GalleryDockingGrippered(const std::string& png, std::string& error)
{
    return Look(png, error, xtpPaneThemeGrippered);
}

bool GalleryDockingOffice2003(const std::string& png, std::string& error)
{
    return Look(png, error, xtpPaneThemeOffice2003);
}

bool GalleryDockingCustom(const std::string& png, std::string& error)
{
    return Look(png, error, 0, true);
}

bool GalleryDockingSlideOut(const std::string& png, std::string& error)
{
    SampleFrame f;
    if (!f.Make()) {
        error = "the frame could not be made";
        return false;
    }
    f.manager.SetTheme(xtpPaneThemeOffice2003);
    MiscElement(f.manager.GetPaneWindow(f.manager.FindPane(61527))).Item("Output").Click();
    MiscSettle();
    return CaptureToPng(f.frame->GetSafeHwnd(), png, error);
}

bool GalleryDockingStickers(const std::string& png, std::string& error)
{
    SampleFrame f;
    if (!f.Make()) {
        error = "the frame could not be made";
        return false;
    }
    f.manager.SetTheme(xtpPaneThemeOffice2003);
    f.manager.SetShowDockingContextStickers(TRUE);
    f.manager.SetAlphaDockingContext(TRUE);
    // The caption held and dragged over the view, towards the right sticker.
    MiscElement caption = MiscElement(f.manager.GetPaneWindow(f.manager.FindPane(6800))).Item(0);
    RECT r = caption.State().rect;
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ::ClientToScreen(caption.Window(), &at);
    MiscSendMouseAt(WM_MOUSEMOVE, at.x, at.y);
    MiscSendMouseAt(WM_LBUTTONDOWN, at.x, at.y);
    MiscSendMouseAt(WM_MOUSEMOVE, at.x + 60, at.y + 40);
    HWND right = ::FindWindowA(XTP_DOCKINGPANE_STICKER_CLASS, "Dock Right");
    RECT sticker{};
    ::GetWindowRect(right, &sticker);
    MiscSendMouseAt(WM_MOUSEMOVE, (sticker.left + sticker.right) / 2, (sticker.top + sticker.bottom) / 2);
    MiscSettle();
    RECT area;
    ::GetWindowRect(f.frame->GetSafeHwnd(), &area);
    const bool ok = CaptureScreenRect(area, png, error);
    MiscSendMouseAt(WM_LBUTTONUP, (sticker.left + sticker.right) / 2, (sticker.top + sticker.bottom) / 2);
    MiscSettle();
    return ok;
}

} // namespace misctool
