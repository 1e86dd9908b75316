#pragma once
// The editor of a remembered-value list: a modal dialog (template 103) with the list of one list
// type, in which the user adds, deletes, renames and sorts the values; OK stores the list.
//
// VMXListBoxEditor is the toolkit's list-box editor whose move buttons sort: move up sorts the
// list descending, move down ascending, both without regard to case.
#include <afxwin.h>
#include <mfc/resscope.h>
#include <toolkit/listboxeditor.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Resources of the list editor.
#define IDD_LBEDIT 103
#define IDC_LBEDIT_LIST 1171
#define IDI_LBEDIT 16387
#define IDS_LBEDIT_TIP_ASCENDING 20533
#define IDS_LBEDIT_TIP_DESCENDING 20534
// The editing flags the list editor gives its control.
#define LBEDIT_FLAGS 3902

class AFX_EXT_CLASS VMXListBoxEditor : public SECListBoxEditor {
    DECLARE_DYNAMIC(VMXListBoxEditor)
public:
    explicit VMXListBoxEditor(int type = -1);
    ~VMXListBoxEditor() override;

    void OnEditMoveUp() override;   // sorts descending
    void OnEditMoveDown() override; // sorts ascending
    // Reads every string of the list box, sorts them without regard to case and writes them
    // back; nothing for fewer than two.
    void SortStrings(bool descending);

    int m_nType;
};

class AFX_EXT_CLASS CLbEditDlg : public CDialog {
public:
    enum { IDD = IDD_LBEDIT };

    // anchor: a history combo box over whose drop-down list the editor opens, or null; type: the
    // list type; extra: kept for the caller; x, y, width, height: the place without an anchor.
    CLbEditDlg(CWnd* anchor, int type, int extra, int x, int y, int width, int height);
    ~CLbEditDlg() override;

    // The place for a list shown next to rect (in window's client coordinates), sized for the
    // stored list; nothing when window is null.
    void CalculatePlacement(const CRect& rect, CWnd* window);
    // Deletes every string that matches an earlier one but for case.
    void DelteDuplicateStrings();

    int GetType() const { return m_nType; }
    int GetExtra() const { return m_nExtra; }
    const CRect& GetPlacement() const { return m_rcPlace; }

    VMXListBoxEditor m_editor;
    HICON m_hIcon = nullptr;
    int m_nType;
    CString m_strListName;
    CString m_strTitle;
    CWnd* m_pAnchor;
    int m_nExtra;
    CRect m_rcPlace;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool PlaceAtAnchor();
    void LayoutControls();
    void SetSortTips();

    CResourceSaver m_resource; // the resource handle current before, restored on destruction
};

// Runs the list editor of type at the given place, without an anchor; 1 when the user pressed
// OK, else 0.
AFX_EXT_API int RButtonTypeDlg(int type, int x, int y, int width, int height);

MISC_PUBLIC_END
