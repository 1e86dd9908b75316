#pragma once
// The version comment dialog. At a save as a new version the host asks for the comment with
// CCommentDlg; on OK the dialog adds the version record to the history and, when the user asked
// for it, stores a copy of the document (written by the host) in the history's temporary storage,
// within the user profile's limits "max storage" and "max storage warning" of section "History".
// The view form shows an existing version's date, author and comment and adds nothing.
#include <afxwin.h>
#include <family.h>

#include "misc/data/versions.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Dialog template and controls of the comment dialog (resource module).
#define IDD_MISC_VERSION_COMMENT 466
#define IDC_MISC_COMMENT_TEXT 1444
#define IDC_MISC_COMMENT_DATE 1446
#define IDC_MISC_COMMENT_SAVED_BY 1447
#define IDC_MISC_COMMENT_STORE_COPY 1448
// The button that closes with OK without adding a version.
#define IDC_MISC_COMMENT_SAVE_ONLY 3
// Resource strings: the question near the limit, and the one at the limit.
#define IDS_MISC_STORAGE_WARNING 60378
#define IDS_MISC_STORAGE_LIMIT 60379
// Profile keys of the limits (user profile, section "History") and their defaults.
#define MISC_HISTORY_SECTION "History"
#define MISC_MAX_STORAGE_KEY "max storage"
#define MISC_MAX_STORAGE_WARNING_KEY "max storage warning"
#define MISC_MAX_STORAGE_DEFAULT 9999
#define MISC_MAX_STORAGE_WARNING_DEFAULT 999

class CCommentDlg;

// Shows the comment in control 1444 and lets the user edit it.
class CCommentStatic : public CEdit {
};

class CCommentDialog : public CVmxDialog {
public:
    CCommentDialog(CVersionsData* versions, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    CCommentStatic m_comment;
    CTime m_dateTime;
    CString m_savedBy;
    CString m_comments;
    int m_storeCopy;
    int m_viewOnly;
    CVersionsData* m_pVersions;
    CCommentDlg* m_pOwner;
    int m_maxStorage;
    int m_maxStorageWarning;

protected:
    // The storage limits; false when the user chose to go back.
    bool AskStorageLimits();
    // The new record with a copy of the document appended to the storage.
    void StoreCopy(CVersionDetail& record);
    afx_msg void OnStoreCopy();
    afx_msg void OnSaveOnly();
    DECLARE_MESSAGE_MAP()
};

// The host's handle: it writes the document when a copy is to be stored.
class CCommentDlg {
public:
    // New-version form: now, the user's name, no comment.
    CCommentDlg(CVersionsData* versions, CWnd* parent);
    // View form: the date, author and comment of `detail`.
    CCommentDlg(CVersionsData* versions, CVersionDetail* detail, CWnd* parent);
    virtual ~CCommentDlg();
    CCommentDlg(const CCommentDlg&) = delete;
    CCommentDlg& operator=(const CCommentDlg&) = delete;

    // Writes the current document into `file` at its current position.
    virtual void WriteDocument(FILE* file) = 0;

    // 1 for OK, 2 for Cancel.
    int DoModal();
    // The dialog's comments, in a string shared by all objects, valid until the next call.
    const char* GetComments();
    void init() {}

    CVersionsData* m_pVersions;
    CCommentDialog* m_pDialog;
};

MISC_PUBLIC_END
