// The sample host frame: building it, its factory and user states, and its commands.
#include "frame_host/frame_host.h"

#include <algorithm>
#include <memory>

namespace sample {

namespace {

const UINT kIndicators[] = {0};

// The tool bars, in the order they are made; their bar identifiers are their resources.
const struct {
    UINT id;
    const char* title;
} kBars[] = {{IDR_FRAME_STANDARD, "Standard"}, {IDR_FRAME_DRAWING, "Drawing"}};

const char* const kPieces[] = {"Front", "Back", "Sleeve", "Collar", "Cuff", "Pocket"};
const char* const kProperties[] = {"Name: Front", "Width: 250 mm", "Quantity: 2", "Grain: 90\xB0",
                                   "Seam allowance: 1 cm", "Material: Denim"};

} // namespace

// Exit lies inside the document commands' range: its own entry comes first, as the first match
// wins.
BEGIN_MESSAGE_MAP(CFrameHostFrame, CXTPFrameWnd)
    ON_COMMAND(ID_HOST_FILE_EXIT, OnExit)
    ON_COMMAND_RANGE(ID_HOST_FILE_NEW, ID_HOST_ZOOM_OUT, OnDocumentCommand)
    ON_COMMAND_RANGE(ID_HOST_VIEW_STANDARD, ID_HOST_VIEW_DRAWING, OnToggleBar)
    ON_UPDATE_COMMAND_UI_RANGE(ID_HOST_VIEW_STANDARD, ID_HOST_VIEW_DRAWING, OnUpdateToggleBar)
    ON_COMMAND_RANGE(ID_HOST_VIEW_PIECES, ID_HOST_VIEW_PROPERTIES, OnShowPane)
    ON_COMMAND(ID_HOST_THEMES, OnThemes)
    ON_COMMAND(ID_HOST_SHORTCUTS, OnShortcuts)
    ON_COMMAND(ID_HOST_RESET_LAYOUT, OnResetLayout)
END_MESSAGE_MAP()

CFrameHostFrame* CFrameHostFrame::Create(const CRect& rect, bool show)
{
    RegisterFrameHostResources();
    auto* frame = new CFrameHostFrame;
    if (!frame->Build(rect)) {
        if (frame->GetSafeHwnd())
            frame->DestroyWindow(); // frames delete themselves
        else
            delete frame;
        return nullptr;
    }
    if (show) {
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
    }
    return frame;
}

bool CFrameHostFrame::Build(const CRect& rect)
{
    // The host's resources are current while the frame loads them.
    HINSTANCE saved = AfxGetResourceHandle();
    AfxSetResourceHandle(GetModuleHandleA("frame_host.dll"));
    bool ok = LoadFrame(IDR_FRAME_HOST, WS_OVERLAPPEDWINDOW) && CreateBars() && CreatePanes();
    AfxSetResourceHandle(saved);
    if (!ok)
        return false;
    m_view = new CFrameHostView;
    if (!m_view->CreateInFrame(this))
        return false;
    SaveFactoryState();
    LoadUserState();
    CThemesDlg::SetMainThemeByProfile(&m_panes, kFrameSection);
    MoveWindow(&rect);
    RecalcLayout();
    return true;
}

bool CFrameHostFrame::CreateBars()
{
    if (!InitCommandBars())
        return false;
    CXTPCommandBars* bars = GetCommandBars();
    if (!bars->SetMenu("Menu Bar", IDR_FRAME_HOST))
        return false;
    for (const auto& b : kBars) {
        CXTPToolBar* bar = bars->Add(b.title, xtpBarTop);
        bar->SetBarID(b.id);
        if (!bar->LoadToolBar(b.id))
            return false;
    }
    // The shortcut manager starts from the frame's accelerator table.
    bars->GetShortcutManager()->SetAccelerators(m_hAccelTable);
    return CreateStatusBar(this, kIndicators, 1) != FALSE;
}

bool CFrameHostFrame::CreatePanes()
{
    if (!m_panes.InstallDockingPanes(this))
        return false;
    const DWORD style = WS_CHILD | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
    if (!m_piecesList.Create(style, CRect(0, 0, 10, 10), this, 100) ||
        !m_propertiesList.Create(style, CRect(0, 0, 10, 10), this, 101))
        return false;
    CFont* font = CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    m_piecesList.SetFont(font);
    m_propertiesList.SetFont(font);
    for (const char* p : kPieces)
        m_piecesList.AddString(p);
    for (const char* p : kProperties)
        m_propertiesList.AddString(p);
    CXTPDockingPane* pieces = m_panes.CreatePane(kPanePieces, CRect(0, 0, 160, 200), xtpPaneDockLeft);
    CXTPDockingPane* properties = m_panes.CreatePane(kPaneProperties, CRect(0, 0, 180, 200), xtpPaneDockRight);
    if (!pieces || !properties)
        return false;
    pieces->SetTitle("Pieces");
    pieces->Attach(&m_piecesList);
    properties->SetTitle("Properties");
    properties->Attach(&m_propertiesList);
    return true;
}

void CFrameHostFrame::SaveFactoryState()
{
    std::unique_ptr<CXTPDockingPaneLayout> layout(m_panes.CreateLayout());
    m_panes.GetLayout(layout.get());
    layout->Save(MISC_DEFAULT_LAYOUT);
    GetCommandBars()->SaveOptions(MISC_DEFAULT_COMMANDBARS);
    GetCommandBars()->SaveBarState(MISC_DEFAULT_COMMANDBARS);
}

void CFrameHostFrame::SaveUserState()
{
    std::unique_ptr<CXTPDockingPaneLayout> layout(m_panes.CreateLayout());
    m_panes.GetLayout(layout.get());
    layout->Save(kUserLayout);
    GetCommandBars()->SaveOptions(kUserBars);
    GetCommandBars()->SaveBarState(kUserBars);
}

bool CFrameHostFrame::LoadUserState()
{
    std::unique_ptr<CXTPDockingPaneLayout> layout(m_panes.CreateLayout());
    const bool panes = layout->Load(kUserLayout) != FALSE;
    if (panes)
        m_panes.SetLayout(layout.get());
    const bool bars = GetCommandBars()->LoadBarState(kUserBars, TRUE) != FALSE;
    GetCommandBars()->LoadOptions(kUserBars);
    return panes || bars;
}

void CFrameHostFrame::OnDocumentCommand(UINT id)
{
    m_handled.push_back(id);
}

void CFrameHostFrame::OnToggleBar(UINT id)
{
    CXTPToolBar* bar = GetCommandBars()->GetToolBar(id == ID_HOST_VIEW_STANDARD ? IDR_FRAME_STANDARD : IDR_FRAME_DRAWING);
    if (bar)
        bar->SetVisible(!bar->IsVisible());
    m_handled.push_back(id);
}

void CFrameHostFrame::OnUpdateToggleBar(CCmdUI* ui)
{
    CXTPToolBar* bar =
        GetCommandBars()->GetToolBar(ui->m_nID == ID_HOST_VIEW_STANDARD ? IDR_FRAME_STANDARD : IDR_FRAME_DRAWING);
    ui->SetCheck(bar && bar->IsVisible());
}

void CFrameHostFrame::OnShowPane(UINT id)
{
    if (CXTPDockingPane* pane = m_panes.FindPane(id == ID_HOST_VIEW_PIECES ? kPanePieces : kPaneProperties))
        m_panes.ShowPane(pane);
    m_handled.push_back(id);
}

void CFrameHostFrame::OnThemes()
{
    CThemesDlg dialog(kFrameSection, &m_panes, this, this);
    dialog.DoModal();
}

void CFrameHostFrame::OnShortcuts()
{
    CShortcutsDlg dialog(this, GetCommandBars(), this);
    dialog.DoModal();
    dialog.ResetResource();
}

void CFrameHostFrame::OnResetLayout()
{
    ResetAppLayout(&m_panes, this, nullptr, TRUE, 1, 1, 1);
}

void CFrameHostFrame::OnExit()
{
    SaveUserState();
    DestroyWindow();
}

// --- the view ----------------------------------------------------------------------------------

void CFrameHostView::OnDraw(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, RGB(255, 255, 255));
    // A bodice front: its outline, a dart and the grain line, scaled to the view.
    static const POINT kOutline[] = {{10, 0},  {60, 0},   {70, 10}, {95, 15}, {100, 60},
                                     {92, 100}, {8, 100}, {0, 60},  {5, 15}};
    const int w = client.Width(), h = client.Height();
    const int size = std::max(1, std::min(w, h) - 40);
    POINT pts[9];
    for (int i = 0; i < 9; ++i)
        pts[i] = {client.left + (w - size) / 2 + kOutline[i].x * size / 100,
                  client.top + (h - size) / 2 + kOutline[i].y * size / 100};
    CPen outline(PS_SOLID, 2, RGB(0, 0, 128));
    CBrush fill(RGB(235, 242, 255));
    CPen* oldPen = dc->SelectObject(&outline);
    CBrush* oldBrush = dc->SelectObject(&fill);
    dc->Polygon(pts, 9);
    CPen grain(PS_DASH, 1, RGB(160, 0, 0));
    dc->SelectObject(&grain);
    const int gx = pts[0].x + (pts[1].x - pts[0].x) / 2;
    dc->MoveTo(gx, pts[0].y + size / 5);
    dc->LineTo(gx, pts[0].y + size * 4 / 5);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

} // namespace sample
