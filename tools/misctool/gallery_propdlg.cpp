// Gallery pictures of the property dialog: a pane in edit mode, the dialog in create mode with a
// picture, the colour palette of a colour row, and a file row with its browse button.
#include <misc/misc.h>

#include <functional>

#include <win32/automation.h>
#include <win32/script.h>

#include "gallery.h"
#include "property_host/piece_host.h"

namespace misctool {

namespace {

sample::Piece g_piece;

// Selects a row by clicking its caption, as a person would.
void SelectRow(CPropertyDlg& dlg, const char* path)
{
    if (dlg.GetGrid())
        MiscElement(dlg.GetGrid()->GetSafeHwnd()).Item(path).Click();
}

// The piece grid as a pane of the host's window (edit mode), in the coloured dialogs' colour.
class PaneDlg : public CPropertyDlg {
public:
    explicit PaneDlg(COLORREF* colour) : CPropertyDlg(colour, nullptr, GetModuleHandleA("misc_res.dll"))
    {
        sample::RegisterPieceResources();
    }
    void Init(long gridId, void*) override
    {
        if (gridId == sample::kPieceGrid)
            SetPropMngr(new sample::PieceMngr(&g_piece, &colour, &file, nullptr));
    }
    void OnPostedValueChanged() override {}
    COLORREF colour = g_piece.colour;
    CString file;
};

// The create-mode dialog with the piece's outline as its picture.
class PictureDlg : public sample::PieceDlg {
public:
    PictureDlg() : sample::PieceDlg(&g_piece) {}
    void BuildGrid(long gridId, void* object) override
    {
        sample::PieceDlg::BuildGrid(gridId, object);
        if (!GetPropMngr() || !DrawOutline())
            return;
        GetPropMngr()->SetBitmap(&m_outline); // shows it through the dialog's SetBitmap
    }

private:
    bool DrawOutline()
    {
        CRect picture;
        GetDlgItem(kPictureId)->GetClientRect(&picture);
        CClientDC screen(this);
        CDC dc;
        if (!dc.CreateCompatibleDC(&screen) || !m_outline.CreateCompatibleBitmap(&screen, picture.Width(), picture.Height()))
            return false;
        CBitmap* old = dc.SelectObject(&m_outline);
        dc.FillSolidRect(&picture, RGB(255, 255, 255));
        const int w = picture.Width(), h = picture.Height();
        POINT outline[] = {{w / 2 - 50, 8}, {w / 2 + 50, 8}, {w / 2 + 70, h - 8}, {w / 2 - 70, h - 8}};
        CPen pen(PS_SOLID, 2, RGB(0, 0, 160));
        CBrush fill(RGB(200, 220, 255));
        CPen* oldPen = dc.SelectObject(&pen);
        CBrush* oldBrush = dc.SelectObject(&fill);
        dc.Polygon(outline, 4);
        dc.SelectObject(oldPen);
        dc.SelectObject(oldBrush);
        dc.SelectObject(old);
        return true;
    }
    CBitmap m_outline;
};

// Runs the create-mode dialog under a scripted user that calls `act` on it and then cancels.
bool RunCreateDialog(const std::function<bool(PictureDlg&, MiscScriptedUser&, HWND)>& act, std::string& error)
{
    PictureDlg dlg;
    bool ok = false;
    MiscScriptedUser user;
    user.ExpectDialog(CPropertyDlg::kTemplateCreate, [&](MiscModal& m) {
        ok = act(dlg, user, m.hwnd);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    dlg.DoModal();
    if (!user.AllDone()) {
        error = user.Report();
        return false;
    }
    return ok;
}

} // namespace

bool GalleryPropertyDialogEdit(const std::string& png, std::string& error)
{
    static COLORREF colour = RGB(214, 226, 240);
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0, nullptr, GetSysColorBrush(COLOR_3DFACE)), "Pieces",
                  WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 300, 420, nullptr, nullptr);
    PaneDlg pane(&colour);
    if (!pane.Create(&host)) {
        error = "cannot create the property pane";
        return false;
    }
    CRect r;
    pane.GetWindowRect(&r);
    host.SetWindowPos(nullptr, 0, 0, r.Width() + 2, r.Height() + 2, SWP_NOMOVE | SWP_NOZORDER);
    pane.ShowWindow(SW_SHOW);
    pane.EditObject(sample::kPieceGrid, &g_piece); // the host's ShowPropertyDlg is empty here:
    pane.BuildGrid(sample::kPieceGrid, &g_piece);  // the pane builds directly
    pane.SetName(sample::IDS_PIECE_TITLE);
    SelectRow(pane, "General|Width");
    const bool ok = CaptureToPng(host.m_hWnd, png, error);
    pane.DestroyWindow();
    host.DestroyWindow();
    return ok;
}

bool GalleryPropertyDialogCreate(const std::string& png, std::string& error)
{
    return RunCreateDialog([&](PictureDlg& dlg, MiscScriptedUser&, HWND hwnd) {
        SelectRow(dlg, "Cutting|Grain angle");
        return CaptureToPng(hwnd, png, error);
    }, error);
}

bool GalleryPropertyColourPopup(const std::string& png, std::string& error)
{
    return RunCreateDialog([&](PictureDlg& dlg, MiscScriptedUser& user, HWND) {
        bool ok = false;
        user.Expect(MiscModalKind::ColorChooser, {}, [&](MiscModal& m) {
            MiscSendMouse(m.hwnd, WM_MOUSEMOVE, 60, 50); // the mouse over a cell
            ok = CaptureToPng(m.hwnd, png, error);
            MiscPressKey(VK_ESCAPE);
        });
        SelectRow(dlg, "Appearance|Colour");
        CXTPPropertyGridItem* row = dlg.GetGrid()->FindItem("Colour");
        if (row)
            MiscElement(row->GetInplaceButton().GetSafeHwnd()).Click();
        return ok;
    }, error);
}

bool GalleryPropertyFileRow(const std::string& png, std::string& error)
{
    g_piece.patternFile = "/patterns/front.cut";
    return RunCreateDialog([&](PictureDlg& dlg, MiscScriptedUser&, HWND hwnd) {
        SelectRow(dlg, "Appearance|Pattern file");
        return CaptureToPng(hwnd, png, error);
    }, error);
}

} // namespace misctool
