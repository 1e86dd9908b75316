#pragma once
// The version history dialog: the list of a document's versions (date, author, stored copy,
// comments), the automatic-save switch, and the buttons that open a stored copy, edit a comment,
// delete versions and give up stored copies. The host uses CVersionsDlg (deriving from it to open
// stored copies and edit comments); the window is CVersionsDialog on template 467.
#include <afxwin.h>
#include <afxcmn.h>
#include <family.h>

#include "misc/data/versions.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Dialog template and controls of the version history dialog (resource module).
#define IDD_MISC_VERSIONS 467
#define IDC_MISC_VERSIONS_LIST 1449
#define IDC_MISC_VERSIONS_AUTOSAVE 1450
#define IDC_MISC_VERSIONS_OPEN 1451
#define IDC_MISC_VERSIONS_COMMENTS 1452
#define IDC_MISC_VERSIONS_DELETE 1453
#define IDC_MISC_VERSIONS_DELETE_COPY 1454
// The icon of both version dialogs.
#define IDI_MISC_VERSION_HISTORY 469
// Resource strings: column headings and the stored-copy column's yes and no.
#define IDS_MISC_VERSION_COL_DATE 28703
#define IDS_MISC_VERSION_COL_SAVED_BY 28704
#define IDS_MISC_VERSION_COL_STORED_COPY 28705
#define IDS_MISC_VERSION_COL_COMMENTS 28706
#define IDS_MISC_VERSION_STORED_YES 28707
#define IDS_MISC_VERSION_STORED_NO 28708

class CVersionsDialog;

// The report list of the dialog: four columns, one row per version.
class CVersionListCntrl : public CListCtrl {
public:
    // Headings from the resource strings; widths from their lengths (+85, +73, 2x+73, 2x+250).
    void InsertColumns();
    // One row per version, in the history's order.
    void Fill(CVersionsData& versions);
    // The stored-copy column of a version: yes or no, and for a copy of more than 2 bytes its
    // size in kilobytes rounded up (" %dKB").
    static CString StoredCopyText(const CVersionDetail& version);
    // The selected rows, in order.
    void GetSelection(CArray<int, int>& rows) const;
};

// The host's handle on the dialog. Virtual operations in slot order.
class CVersionsDlg {
public:
    // `titleSuffix` (may be null or empty) is appended to the dialog's title.
    CVersionsDlg(CVersionsData* versions, CWnd* parent, const char* titleSuffix);
    virtual ~CVersionsDlg();
    CVersionsDlg(const CVersionsDlg&) = delete;
    CVersionsDlg& operator=(const CVersionsDlg&) = delete;

    // Opens the stored copy of version `index`; 0 closes the dialog. The default answers 1.
    virtual int OpenFile(int index);
    // Lets the user edit the comments of version `index`; non-zero when they changed. The
    // default answers 0.
    virtual int ViewComments(int index);
    // Output hooks for the host; they do nothing here.
    virtual void put_str(char* text, FILE* file);
    virtual void put_char(char value, FILE* file);
    virtual void put_long(long value, FILE* file);

    // Runs the dialog; answers the changed flag (non-zero when anything was changed).
    INT_PTR DoModal();
    // Fills the open dialog's list again and enables its buttons by the selection.
    void RefreshAsList();
    int IsChanged() const { return m_changed; }

    CVersionsData* m_pVersions;
    CWnd* m_pParent;
    CString m_titleSuffix;
    CVersionsDialog* m_pDialog;  // while the dialog is open
    int m_changed;
};

class CVersionsDialog : public CVmxDialog {
public:
    CVersionsDialog(CVersionsDlg* owner, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    // Fills the list from the history and enables the buttons.
    void Refresh();
    void EnableButtons();

    CVersionListCntrl m_list;
    CVersionsDlg* m_pOwner;

protected:
    afx_msg void OnAutoSave();
    afx_msg void OnOpen();
    afx_msg void OnComments();
    afx_msg void OnDelete();
    afx_msg void OnDeleteCopy();
    afx_msg void OnItemChanged(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};

MISC_PUBLIC_END
