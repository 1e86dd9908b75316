#pragma once
// Stand-in for the user-interface toolkit's file-browse edit: an edit control of a dialog with a
// small "..." button at its right end that asks for a file (the file-open chooser, starting at
// the folder of the path in the edit) and puts the chosen path into the edit.
#include <afxwin.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Control identifier of the browse button (a sibling of the edit).
#define BROWSE_EDIT_BUTTON_ID 0x7E20

class SECBrowseFileEdit : public CEdit {
    DECLARE_DYNAMIC(SECBrowseFileEdit)
public:
    SECBrowseFileEdit() = default;
    ~SECBrowseFileEdit() override;

    // Subclasses the edit nID of pDlg, narrows it and puts the browse button beside it. FALSE
    // when there is no such edit.
    BOOL Initialize(UINT nID, CWnd* pDlg);
    // Title and filter ("Text (*.txt)|*.txt||") of the chooser.
    void SetFileFilter(LPCTSTR filter) { m_filter = filter ? filter : ""; }
    void SetBrowseTitle(LPCTSTR title) { m_title = title ? title : ""; }
    CButton* GetBrowseButton();

    // Asks for a file; TRUE when one was chosen (and is now the edit's text).
    virtual BOOL OnBrowse();

protected:
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    class Button;
    Button* m_pButton = nullptr;
    CString m_filter;
    CString m_title;
};

MISC_PUBLIC_END
