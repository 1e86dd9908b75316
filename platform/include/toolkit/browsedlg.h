#pragma once
// Stand-in for the user-interface toolkit's folder browser (CXTBrowseDialog): a modal folder
// chooser preset to a folder. The scripted user (win32/script.h) meets it as a modal window of
// the kind Folder, with MiscModal::initialDir the preset folder and caption the title; its answer
// is the chosen folder, or Cancel.
#include <afxwin.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTBrowseDialog {
public:
    explicit CXTBrowseDialog(CWnd* parent = nullptr);
    virtual ~CXTBrowseDialog() = default;

    void SetTitle(LPCTSTR title) { m_title = title ? title : ""; }
    CString GetTitle() const { return m_title; }
    // The folder shown selected when the browser opens; after IDOK the chosen one.
    void SetSelPath(LPCTSTR path) { m_selPath = path ? path : ""; }
    CString GetSelPath() const { return m_selPath; }
    // BIF_* flags passed on to the chooser.
    void SetOptions(UINT flags) { m_flags = flags; }
    CWnd* GetOwner() const { return m_parent; }

    // IDOK with GetSelPath the chosen folder; IDCANCEL (the path unchanged) otherwise.
    virtual INT_PTR DoModal();

private:
    CWnd* m_parent;
    CString m_title = "Browse for Folder";
    CString m_selPath;
    UINT m_flags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
};

MISC_PUBLIC_END
