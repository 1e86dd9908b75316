// The cut-node dialog (cutcont): the node list, the moves of the current node, layers, the check
// boxes and the preview. Every change goes through the editor (CCutNodeEditor); the dialog only
// shows its state and enables what would change something.
#include "cutnode_dialog.h"

#include <family/vmxdialog.h>
#include <misc/datadlg/vmxcombo.h>
#include <misc/geometry/text.h>

#include "cutnode_preview.h"

#include <cstdio>
#include <string>

namespace {

// The template and controls in the resource module.
enum : int {
    IDD_CUTCONT = 9300,
    IDC_CUT_LIST = 9301, IDC_CUT_PREVIEW, IDC_CUT_REVERSE, IDC_CUT_START_BACK, IDC_CUT_START_FWD, IDC_CUT_END_BACK,
    IDC_CUT_END_FWD, IDC_CUT_ADD, IDC_CUT_DELETE, IDC_CUT_SNAP, IDC_CUT_START_POINT, IDC_CUT_NUMBER, IDC_CUT_SINGLE,
    IDC_CUT_OVERLAP, IDC_CUT_EXTRA, IDC_CUT_NO_LAYER, IDC_CUT_DIALOG_LAYER, IDC_CUT_LAYER, IDC_CUT_RENUMBER
};

// The remembered layer texts of the layer field.
const int kLayerListType = 210;

class cutcont : public CVmxDialog {
public:
    cutcont(CCutNodeEditor& editor, const CutNodeDialogArgs& args)
        : CVmxDialog(IDD_CUTCONT, args.parent ? CWnd::FromHandle(args.parent) : nullptr), m_editor(editor),
          m_args(args)
    {
    }

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point) { OnLButtonDown(flags, point); }
    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    void UpdateControls();
    void Changed();
    void Act(int id);
    void LayerTyped();
    void Renumber();
    CRect PreviewRect();

    CCutNodeEditor& m_editor;
    CutNodeDialogArgs m_args;
    CVmxCombo m_layer;
    CutNodePreviewView m_view;
};

BEGIN_MESSAGE_MAP(cutcont, CVmxDialog)
    ON_WM_DRAWITEM()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK() // a quick second click zooms again
END_MESSAGE_MAP()

BOOL cutcont::OnInitDialog()
{
    CVmxDialog::OnInitDialog();
    CString title = m_args.title ? m_args.title : "";
    if (m_args.instant)
        title += " (INSTANT)";
    SetWindowText(title);
    m_editor.overlap = miscCutNodesOverlap(m_editor.Nodes(), m_editor.PointCount());
    if (m_editor.extra && !m_args.instant)
        for (const tagCutNode& node : m_editor.Nodes())
            if (node.flags & CUTNODE_ALTERNATIVE)
                m_editor.extra = false;
    CheckDlgButton(IDC_CUT_OVERLAP, m_editor.overlap ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_CUT_EXTRA, m_editor.extra ? BST_CHECKED : BST_UNCHECKED);
    if (CWnd* extra = GetDlgItem(IDC_CUT_EXTRA))
        extra->ShowWindow(m_args.showExtra ? SW_SHOW : SW_HIDE);
    m_layer.Initialize(IDC_CUT_LAYER, this, kLayerListType);
    if (CComboBox* starts = static_cast<CComboBox*>(GetDlgItem(IDC_CUT_START_POINT))) {
        for (int i = 0; i < m_args.nStartPoints && m_args.startPoints; ++i)
            starts->AddString(std::to_string(i + 1).c_str());
        if (m_args.startPoint >= 1 && m_args.startPoint <= m_args.nStartPoints)
            starts->SetCurSel(m_args.startPoint - 1);
        else if (m_args.nStartPoints > 0)
            starts->SetCurSel(0);
    }
    m_view.Fit();
    FillList();
    return TRUE;
}

// One line per node as "%4d  %4s %2s %s %s"; the node is brought into range first.
void cutcont::FillList()
{
    CListBox* list = static_cast<CListBox*>(GetDlgItem(IDC_CUT_LIST));
    if (!list)
        return;
    list->ResetContent();
    const int n = m_editor.PointCount();
    const int cw = m_editor.Contour().getCW();
    CString dialogLayer;
    m_layer.GetWindowText(dialogLayer);
    for (size_t i = 0; i < m_editor.Nodes().size(); ++i) {
        tagCutNode& node = m_editor.Nodes()[i];
        if (n > 0) {
            const int first = miscNodeFirstPoint(node, n);
            node.start = node.start >= 0 ? first : ~first;
            const int available = miscNodeAvailable(node, n, m_editor.Closed());
            if (node.length < 1 || node.length > available)
                node.length = m_editor.Closed() ? 0 : available;
        }
        const bool alternative = node.flags & CUTNODE_ALTERNATIVE;
        const bool clockwise = alternative ? (node.flags & CUTNODE_ALT_CLOCKWISE) != 0 : miscNodeClockwise(node, cw);
        CString layer;
        if (node.flags & CUTNODE_DIALOG_LAYER)
            layer = dialogLayer;
        else if (node.layer != 0)
            get_text_layer(layer, node.layer, 0);
        char line[160];
        std::snprintf(line, sizeof(line), "%4d  %4s %2s %s %s", static_cast<int>(i) + 1, clockwise ? "cw" : "ccw",
                      m_editor.Closed() && node.length == 0 ? "O" : "", static_cast<const char*>(layer),
                      alternative ? "alternative" : "");
        list->AddString(line);
    }
    list->SetCurSel(m_editor.Current());
    UpdateControls();
}

void cutcont::UpdateControls()
{
    auto enable = [this](int id, bool on) {
        if (CWnd* w = GetDlgItem(id))
            w->EnableWindow(on);
    };
    enable(IDC_CUT_START_BACK, m_editor.CanMoveStart(false));
    enable(IDC_CUT_START_FWD, m_editor.CanMoveStart(true));
    enable(IDC_CUT_END_BACK, m_editor.CanMoveEnd(false));
    enable(IDC_CUT_END_FWD, m_editor.CanMoveEnd(true));
    enable(IDC_CUT_REVERSE, m_editor.PointCount() >= (m_editor.Closed() ? 2 : 3));
    enable(IDC_CUT_DELETE, m_editor.Nodes().size() > 1);
    enable(IDC_CUT_SNAP, m_args.nStartPoints > 0 && m_args.startPoints);
    const tagCutNode& node = m_editor.Nodes()[m_editor.Current()];
    CheckDlgButton(IDC_CUT_NO_LAYER, node.layer == 0 && !(node.flags & CUTNODE_DIALOG_LAYER) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_CUT_DIALOG_LAYER, (node.flags & CUTNODE_DIALOG_LAYER) ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemInt(IDC_CUT_NUMBER, m_editor.Current() + 1, FALSE);
}

void cutcont::Changed()
{
    FillList();
    if (CWnd* preview = GetDlgItem(IDC_CUT_PREVIEW))
        preview->Invalidate();
}

void cutcont::Act(int id)
{
    switch (id) {
    case IDC_CUT_START_BACK: m_editor.MoveStart(false); break;
    case IDC_CUT_START_FWD: m_editor.MoveStart(true); break;
    case IDC_CUT_END_BACK: m_editor.MoveEnd(false); break;
    case IDC_CUT_END_FWD: m_editor.MoveEnd(true); break;
    case IDC_CUT_REVERSE: m_editor.Reverse(); break;
    case IDC_CUT_ADD: m_editor.AddNode(); break;
    case IDC_CUT_DELETE: m_editor.DeleteNode(); break;
    case IDC_CUT_SNAP: {
        CComboBox* starts = static_cast<CComboBox*>(GetDlgItem(IDC_CUT_START_POINT));
        const int chosen = starts ? starts->GetCurSel() : -1;
        if (chosen >= 0 && chosen < m_args.nStartPoints && m_args.startPoints)
            m_editor.SnapFirstNode(m_args.startPoints[chosen]);
        break;
    }
    case IDC_CUT_NO_LAYER: {
        tagCutNode& node = m_editor.Nodes()[m_editor.Current()];
        node.layer = 0;
        node.flags = 0;
        break;
    }
    case IDC_CUT_DIALOG_LAYER: {
        tagCutNode& node = m_editor.Nodes()[m_editor.Current()];
        node.flags |= CUTNODE_DIALOG_LAYER;
        node.layer = 0;
        break;
    }
    case IDC_CUT_RENUMBER: Renumber(); break;
    default: return;
    }
    Changed();
}

// The layer field's text names the current node's layer (a result below 2 is layer 1).
void cutcont::LayerTyped()
{
    CString text;
    m_layer.GetWindowText(text);
    if (text.IsEmpty())
        return;
    short layer = check_text_layer(text);
    tagCutNode& node = m_editor.Nodes()[m_editor.Current()];
    node.layer = layer < 2 ? 1 : layer;
    node.flags &= ~CUTNODE_DIALOG_LAYER;
    Changed();
}

void cutcont::Renumber()
{
    BOOL ok = FALSE;
    const UINT number = GetDlgItemInt(IDC_CUT_NUMBER, &ok, FALSE);
    if (ok && number >= 1)
        m_editor.Renumber(static_cast<int>(number) - 1);
}

BOOL cutcont::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_CUT_LIST && code == LBN_SELCHANGE) {
        CListBox* list = static_cast<CListBox*>(GetDlgItem(IDC_CUT_LIST));
        m_editor.SetCurrent(list ? list->GetCurSel() : 0);
        Changed();
        return TRUE;
    }
    if (id == IDC_CUT_LAYER && (code == CBN_SELENDOK || code == CBN_KILLFOCUS)) {
        LayerTyped();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_CUT_SINGLE: m_editor.singleStep = IsDlgButtonChecked(id) == BST_CHECKED; UpdateControls(); return TRUE;
        case IDC_CUT_OVERLAP: m_editor.overlap = IsDlgButtonChecked(id) == BST_CHECKED; return TRUE;
        case IDC_CUT_EXTRA: m_editor.extra = IsDlgButtonChecked(id) == BST_CHECKED; return TRUE;
        default:
            if (id >= IDC_CUT_REVERSE && id <= IDC_CUT_RENUMBER && id != IDC_CUT_START_POINT && id != IDC_CUT_LAYER) {
                Act(id);
                return TRUE;
            }
        }
    }
    return CVmxDialog::OnCommand(wParam, lParam);
}

CRect cutcont::PreviewRect()
{
    CRect r;
    if (CWnd* preview = GetDlgItem(IDC_CUT_PREVIEW)) {
        preview->GetWindowRect(&r);
        ScreenToClient(&r);
    }
    return r;
}

void cutcont::OnDrawItem(int id, LPDRAWITEMSTRUCT item)
{
    if (id != IDC_CUT_PREVIEW || !item) {
        CVmxDialog::OnDrawItem(id, item);
        return;
    }
    CDC* dc = CDC::FromHandle(item->hDC);
    DrawCutNodePreview(*dc, CRect(item->rcItem), m_editor, m_view);
}

// Ctrl-click fits the contour again; Shift-click moves the view towards the point and zooms in.
void cutcont::OnLButtonDown(UINT flags, CPoint point)
{
    CRect preview = PreviewRect();
    if (flags & MK_CONTROL) {
        m_view.Fit();
    } else if ((flags & MK_SHIFT) && preview.PtInRect(point)) {
        m_view.ZoomTowards(m_editor, CRect(0, 0, preview.Width(), preview.Height()),
                           CPoint(point.x - preview.left, point.y - preview.top));
    } else {
        CVmxDialog::OnLButtonDown(flags, point);
        return;
    }
    if (CWnd* w = GetDlgItem(IDC_CUT_PREVIEW))
        w->Invalidate();
}

// OK remembers the layer texts of the nodes in the layer field's list.
void cutcont::OnOK()
{
    LayerTyped();
    for (const tagCutNode& node : m_editor.Nodes()) {
        if (node.layer == 0)
            continue;
        CString text;
        get_text_layer(text, node.layer, 0);
        m_layer.CloseAndAddString(text);
    }
    CVmxDialog::OnOK();
}

} // namespace

bool RunCutNodeDialog(CCutNodeEditor& editor, const CutNodeDialogArgs& args)
{
    CResourceSaver resources;
    resources.Switch();
    cutcont dialog(editor, args);
    return dialog.DoModal() == IDOK;
}
