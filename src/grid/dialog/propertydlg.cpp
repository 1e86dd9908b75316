// The property dialog: construction, initialisation, building the grid and the layout of grid
// and picture inside the frame.
#include "misc/grid/propertydlg.h"

#include <family/vmxdialog.h>

#include "misc/frame/profile.h"

CPropertyDlg::CPropertyDlg(COLORREF* colour, CWnd* parent, HINSTANCE resources)
    : CQVXColoredDlg(colour, kTemplateEdit, parent, 0, resources), CXTResize(this), m_Resources(resources)
{
}

CPropertyDlg::CPropertyDlg(COLORREF* colour, int gridId, bool createMode, CWnd* parent, HINSTANCE resources)
    : CQVXColoredDlg(colour, createMode ? kTemplateCreate : kTemplateEdit, parent, 0, resources), CXTResize(this),
      m_GridId(gridId), m_CreateMode(createMode), m_Resources(resources)
{
}

CPropertyDlg::~CPropertyDlg()
{
    // The model stores its expanded states into the grid's cache, so it goes first; destroying
    // the grid's window saves the layout, deleting the grid writes the cache to the profile.
    delete m_PropMngr;
    m_PropMngr = nullptr;
    if (m_Grid) {
        if (m_Grid->GetSafeHwnd())
            m_Grid->DestroyWindow();
        delete m_Grid;
        m_Grid = nullptr;
    }
}

BEGIN_MESSAGE_MAP(CPropertyDlg, CQVXColoredDlg)
    ON_MESSAGE(XTPWM_PROPERTYGRID_NOTIFY, OnGridNotify)
    ON_MESSAGE(WM_PROPDLG_NOTIFY, OnPropDlgNotify)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CPropertyDlg::Create(CWnd* parent) { return CVmxDialog::Create(kTemplateEdit, parent, 0); }

void CPropertyDlg::CreateNewObject(long gridId, double x, double y)
{
    double point[2] = {x, y};
    ShowPropertyDlg(1, gridId, point, 1);
}

void CPropertyDlg::EditObject(long gridId, void* object) { ShowPropertyDlg(1, gridId, object, 0); }
void CPropertyDlg::Init(long, void*) {}
void CPropertyDlg::ShowPropertyDlg(int, long, void*, int) {}

void CPropertyDlg::Expand()
{
    if (m_PropMngr)
        m_PropMngr->Expand();
}

void CPropertyDlg::DoDataExchange(CDataExchange* pDX)
{
    CQVXColoredDlg::DoDataExchange(pDX);
    DDX_Control(pDX, kFrameId, m_Frame);
    DDX_Control(pDX, kPictureId, m_Picture);
}

BOOL CPropertyDlg::OnInitDialog()
{
    CQVXColoredDlg::OnInitDialog();
    if (!(GetStyle() & WS_THICKFRAME))
        SetFlag(xtResizeNoSizeIcon);
    CXTResize::Init();
    vmxSetIcon(this, m_Resources ? m_Resources : AfxGetResourceHandle(), kIconId);

    m_Frame.GetWindowRect(&m_GridRect);
    ScreenToClient(&m_GridRect);
    if (!m_Grid) {
        m_Grid = new CXTPGridEx(-1);
        m_Grid->Init();
        m_Grid->Create(m_GridRect, this, kGridId, WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_OWNERDRAWVARIABLE);
    }
    ApplyGridColors();
    SetResize(kFrameId, SZ_TOP_LEFT, SZ_BOTTOM_RIGHT);
    SetResize(m_Grid, SZ_TOP_LEFT, SZ_BOTTOM_RIGHT);
    if (m_CreateMode) {
        SetResize(IDOK, SZ_BOTTOM_RIGHT, SZ_BOTTOM_RIGHT);
        SetResize(IDCANCEL, SZ_BOTTOM_RIGHT, SZ_BOTTOM_RIGHT);
        BuildGrid(m_GridId, nullptr);
        // Back to the place the dialog was left at; closing it does not move that place.
        SetStartPosOnly(1);
        InitPos();
    }
    return FALSE; // the dialog sets the focus itself
}

void CPropertyDlg::BuildGrid(long gridId, void* object)
{
    if (!m_Grid)
        return;
    const int oldId = m_Grid->GetGridID();
    m_Grid->SaveRegistryInfo();
    if (m_PropMngr) {
        UpdateExpandStatus();
        delete m_PropMngr; // its model stores the expanded states into the grid's cache
    }
    m_PropMngr = nullptr;
    m_Grid->ResetContent();
    m_Grid->SetGridID(static_cast<int>(gridId));
    if (m_Picture.GetSafeHwnd())
        m_Picture.ShowWindow(SW_HIDE);
    if (m_Grid->GetSafeHwnd())
        m_Grid->ShowWindow(gridId != -1 ? SW_SHOW : SW_HIDE);
    m_Grid->SetKeyAddition("Property");
    SetName(-1L);

    Init(gridId, object);
    if (m_PropMngr) {
        m_PropMngr->SetParentDlg(this);
        m_PropMngr->Init();
        m_PropMngr->SetRegInfo(gridId);
        const CString& section = m_PropMngr->GetAppRegName();
        if (ProfileReadInt(section, "PropertyDefaultExpand", 0, 1) != 0 && gridId != oldId)
            m_PropMngr->SetDefaultExpand();
        m_Grid->Build(m_PropMngr->GetCategories());
    }
    SetImagePosition();
}

void CPropertyDlg::SetImagePosition()
{
    if (!m_Frame.GetSafeHwnd() || !m_Picture.GetSafeHwnd() || !m_PropMngr || !m_Grid || !m_Grid->GetSafeHwnd())
        return;
    CRect frame;
    m_Frame.GetWindowRect(&frame);
    ScreenToClient(&frame);
    m_GridRect = frame;
    if (m_PropMngr->GetBitmap()) {
        CRect picture;
        m_Picture.GetWindowRect(&picture);
        const int height = picture.Height();
        picture = CRect(frame.left, frame.bottom - height, frame.right, frame.bottom);
        m_Picture.MoveWindow(&picture);
        m_GridRect.bottom = picture.top - kPictureGap;
        m_Grid->MoveWindow(&m_GridRect);
        m_Picture.ShowWindow(SW_SHOW);
        m_Picture.Invalidate();
    } else {
        m_Grid->MoveWindow(&m_GridRect);
        m_Picture.ShowWindow(SW_HIDE);
    }
    InvalidateRect(&frame);
    m_Grid->Invalidate();
}

void CPropertyDlg::SetBitmap()
{
    if (!m_PropMngr)
        return;
    if (m_Picture.GetSafeHwnd()) {
        CBitmap* bitmap = m_PropMngr->GetBitmap();
        m_Picture.SetBitmap(bitmap ? static_cast<HBITMAP>(bitmap->GetSafeHandle()) : nullptr);
    }
    SetImagePosition();
}

void CPropertyDlg::OnSize(UINT type, int cx, int cy)
{
    CQVXColoredDlg::OnSize(type, cx, cy);
    Size();
    SetImagePosition();
}

void CPropertyDlg::OnDestroy()
{
    // Closing reads the person's expanded states back while the rows still exist; the model
    // stores them into the grid's cache when the manager is deleted.
    UpdateExpandStatus();
    CQVXColoredDlg::OnDestroy();
}

void CPropertyDlg::OnGetMinMaxInfo(MINMAXINFO* info) { CXTResize::OnGetMinMaxInfo(info); }

int CPropertyDlg::GetGridId() const { return m_Grid ? m_Grid->GetGridID() : -1; }

bool CPropertyDlg::IsShow() const { return m_PropMngr && m_PropMngr->GetCategories().GetSize() > 0; }

void CPropertyDlg::SetName(long id)
{
    CString text;
    if (id >= 0)
        text.LoadString(static_cast<UINT>(id));
    SetName(text);
}

void CPropertyDlg::SetName(const CString& name)
{
    if (CWnd* label = GetSafeHwnd() ? GetDlgItem(kNameId) : nullptr)
        label->SetWindowText(name);
}

int CPropertyDlg::ReadRegistryInfo(const CString& section) { return m_Grid ? m_Grid->ReadRegistryInfo(section) : 0; }

// What a property manager asks of its dialog (declared with the managers).
CXTPGridEx* MiscPropertyDlgGrid(CPropertyDlg* dlg) { return dlg ? dlg->GetGrid() : nullptr; }

void MiscPropertyDlgSetBitmap(CPropertyDlg* dlg)
{
    if (dlg)
        dlg->SetBitmap();
}

BOOL MiscPropertyDlgPost(CPropertyDlg* dlg, WPARAM wParam, LPARAM lParam)
{
    return dlg && dlg->GetSafeHwnd() ? dlg->PostMessage(WM_PROPDLG_NOTIFY, wParam, lParam) : FALSE;
}
