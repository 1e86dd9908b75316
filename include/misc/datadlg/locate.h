#pragma once
// The locate dialog: asks the user for the path of a file (template 101, an edit with a browse
// button, control 1456).
#include <afxwin.h>
#include <family/vmxdialog.h>
#include <mfc/resscope.h>
#include <toolkit/browseedit.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

#define IDD_LOCATE 101
#define IDC_LOCATE_PATH 1456
// The longest path the locate dialog hands back, without the terminator.
#define LOCATE_MAX_PATH 255

class AFX_EXT_CLASS CLocate : public CVmxDialog {
public:
    enum { IDD = IDD_LOCATE };
    explicit CLocate(CWnd* parent = nullptr);
    ~CLocate() override;

    CString m_strPath; // the text shown, and what the user confirmed
    SECBrowseFileEdit m_edit;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

// Shows the locate dialog with path as its text; when the user confirms, copies the edited text
// (at most LOCATE_MAX_PATH characters) into path and returns 1, else returns 0 and leaves path.
AFX_EXT_API int miscLocate(CWnd* window, char* path);

MISC_PUBLIC_END
