#pragma once
// CDialog on the dialog templates of the resource modules, dialog data exchange (DDX/DDV), and
// CFileDialog.
//
// Templates are found in the dialog's own resource module when one was given, else in
// AfxGetResourceHandle(), then in the extension libraries of the chain. A modal dialog opens,
// initialises, paints and is handed to the scripted user (win32/script.h); DoModal returns the
// EndDialog result (IDOK, IDCANCEL, ...), or -1 when there is no template, the dialog could not be
// created, or nobody closed it.
//
// Data exchange reports a wrong entry with a message box (as MFC does, in MFC's words), moves the
// focus to the control and makes UpdateData return FALSE.
#include <string>

#include "mfc/string.h"
#include "mfc/wnd.h"
#include "win32/commdlg.h"
#include "win32/module.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless creation.
    using CWnd::Create;
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(const MiscResDialog* lpDialogTemplate, CWnd* pParentWnd = nullptr,
                                HINSTANCE hInst = nullptr);
    // Modal use of a template given in memory.
    BOOL InitModalIndirect(const MiscResDialog* lpDialogTemplate, CWnd* pParentWnd = nullptr);

    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    void EndDialog(int nResult);

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    LPCTSTR m_lpszTemplateName = nullptr; // a MAKEINTRESOURCE number in practice
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;
    HWND m_hWndTop = nullptr;
    // The module whose templates this dialog uses first (the port's addition for dialog bases
    // that are given their resource module).
    HINSTANCE m_hResourceModule = nullptr;
    const MiscResDialog* m_lpDialogTemplate = nullptr;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);

    // The template and the module it came from, or null.
    const MiscResDialog* FindTemplate(HINSTANCE* module) const;

    DECLARE_MESSAGE_MAP()
};

// ---- Dialog data exchange ----
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    UINT m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;

    // The control with that identifier, remembered as the one to focus when validation fails.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange as failed: focuses the last control (selecting an edit's text) and
    // unwinds to UpdateData, which returns FALSE.
    [[noreturn]] void Fail();
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value); // DWORD is UINT here
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
void DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);
void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value);
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
#define DDV_MinMaxDWord DDV_MinMaxUInt
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// ---- File chooser ----
class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // Filter: "Text (*.txt)|*.txt|All files (*.*)|*.*||" as in MFC ('|' separated).
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0);
    ~CFileDialog() override;

    OPENFILENAMEA m_ofn{};
    BOOL m_bOpenFileDialog;

    // Asks the scripted user (GetOpenFileName / GetSaveFileName); IDOK with a chosen path.
    INT_PTR DoModal() override;
    CString GetPathName() const; // the whole path
    CString GetFileName() const; // the name with its extension
    CString GetFileExt() const;  // the extension without the dot
    CString GetFileTitle() const; // the name without its extension
    CString GetFolderPath() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    // With OFN_ALLOWMULTISELECT: the chosen files one by one, as whole paths (null when none).
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

protected:
    CString m_strFilter;          // the filter as given, '|' separated
    std::string m_filterBuffer;   // the same with '\0' separators, as OPENFILENAME wants it
    char m_szFileName[MAX_PATH * 4] = {0};
    char m_szFileTitle[MAX_PATH] = {0};
};

MISC_PUBLIC_END
