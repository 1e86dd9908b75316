// Layout reset: the tool bars, shortcuts and docking panes back to the factory state the host
// saved under "DefaultCommandBars" and "DefaultLayout".
#include "misc/ui/layoutreset.h"

#include <mfc/resscope.h>
#include <toolkit/commandbars.h>
#include <toolkit/dockingpane.h>
#include <toolkit/frame.h>
#include <toolkit/shortcuts.h>

#include <memory>

namespace {

// The dialog's template and check boxes in the resource module.
constexpr UINT IDD_RESET_LAYOUT = 504;
constexpr int IDC_RESET_TOOLBARS = 1501;
constexpr int IDC_RESET_SHORTCUTS = 1502;
constexpr int IDC_RESET_PANES = 1503;

// Panes that are docked back before the factory layout is applied, so that the layout finds
// them where it expects them.
const UINT kPanesDockedFirst[] = {6800, 6806, 61527};

// The wait cursor for the life of the object.
class WaitCursor {
public:
    WaitCursor()
    {
        if (CWinApp* app = AfxGetApp())
            app->BeginWaitCursor();
    }
    ~WaitCursor()
    {
        if (CWinApp* app = AfxGetApp())
            app->EndWaitCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void ResetPanes(CXTPDockingPaneManager* manager)
{
    if (!manager)
        return;
    std::unique_ptr<CXTPDockingPaneLayout> layout(manager->CreateLayout());
    if (!layout || !layout->Load(MISC_DEFAULT_LAYOUT))
        return;
    for (UINT id : kPanesDockedFirst) {
        CXTPDockingPane* pane = manager->FindPane(id);
        if (pane && pane->IsFloating())
            manager->DockPane(pane, xtpPaneDockRight, nullptr);
    }
    manager->SetLayout(layout.get());
}

void ResetShortcuts(CXTPCommandBarsSiteBase* frame)
{
    if (CXTPCommandBars* bars = frame ? frame->GetCommandBars() : nullptr)
        bars->GetShortcutManager()->Reset();
}

} // namespace

CResetLayoutDlg::CResetLayoutDlg() : CDialog(IDD_RESET_LAYOUT, nullptr) {}

BOOL CResetLayoutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckDlgButton(IDC_RESET_TOOLBARS, BST_CHECKED);
    CheckDlgButton(IDC_RESET_SHORTCUTS, BST_CHECKED);
    CheckDlgButton(IDC_RESET_PANES, BST_CHECKED);
    return TRUE;
}

void CResetLayoutDlg::OnOK()
{
    m_resetToolbars = IsDlgButtonChecked(IDC_RESET_TOOLBARS) == BST_CHECKED ? 1 : 0;
    m_resetShortcuts = IsDlgButtonChecked(IDC_RESET_SHORTCUTS) == BST_CHECKED ? 1 : 0;
    m_resetPanes = IsDlgButtonChecked(IDC_RESET_PANES) == BST_CHECKED ? 1 : 0;
    CDialog::OnOK();
}

void ResetAppLayout(CXTPDockingPaneManager* manager, CXTPFrameWnd* frame, CXTPMDIFrameWnd* mdiFrame, int ask,
                    int toolbars, int shortcuts, int panes)
{
    if (ask) {
        CCallResourceScope resources;
        CResetLayoutDlg dialog;
        if (dialog.DoModal() != IDOK)
            return;
        toolbars = dialog.m_resetToolbars;
        shortcuts = dialog.m_resetShortcuts;
        panes = dialog.m_resetPanes;
    }
    WaitCursor wait;
    if (panes)
        ResetPanes(manager);
    if (!toolbars && !shortcuts)
        return;
    CXTPCommandBars* bars = frame ? frame->GetCommandBars() : mdiFrame ? mdiFrame->GetCommandBars() : nullptr;
    if (!bars)
        return;
    if (toolbars) {
        bars->LoadOptions(MISC_DEFAULT_COMMANDBARS);
        bars->LoadBarState(MISC_DEFAULT_COMMANDBARS, TRUE);
        ResetToolbarsContent(bars);
    }
    if (shortcuts) {
        ResetShortcuts(frame);
        ResetShortcuts(mdiFrame);
    }
}

void ResetToolbarsContent(CXTPCommandBars* bars)
{
    if (!bars)
        return;
    for (int i = 0; i < bars->GetCount(); ++i) {
        CXTPToolBar* bar = bars->GetAt(i);
        if (!bar->IsBuiltIn() || bar->GetBarID() == 0 || !bar->IsCustomizable()) {
            bar->SetVisible(FALSE);
            continue;
        }
        if (CXTPControls* original = bar->GetOriginalControls()) {
            CXTPControls* controls = bar->GetControls();
            controls->RemoveAll();
            for (int c = 0; c < original->GetCount(); ++c)
                if (!original->GetAt(c)->IsTemporary())
                    controls->AddClone(original->GetAt(c)->Clone());
        } else {
            bar->LoadToolBar(bar->GetBarID());
        }
        bar->OnInitialUpdate();
    }
}
