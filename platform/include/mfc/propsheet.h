#pragma once
// Property sheets: CPropertySheet, a dialog with a tab control, OK, Cancel, Apply (and Help)
// buttons, whose pages are CPropertyPage dialogs built from templates and shown as children of
// the sheet (WS_EX_CONTROLPARENT, so Tab walks from the tabs through the page to the buttons).
//
// Pages are created when first shown. Changing pages asks the page being left (OnKillActive,
// which validates with UpdateData) and tells the page being shown (OnSetActive); OK asks the
// open page, then applies every page created so far (OnApply, which calls OnOK) and closes;
// Apply does the same without closing and is enabled only while a page is marked modified
// (SetModified); Cancel asks the open page (OnQueryCancel) and resets every created page
// (OnReset, which calls OnCancel). A modal sheet runs as a modal window of kind
// MiscModalKind::PropertySheet for the scripted user; a modeless sheet (Create) destroys
// itself after OK or Cancel.
#include <string>
#include <vector>

#include "mfc/commctl.h"
#include "mfc/dialog.h"
#include "win32/resdata.h"

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, DWORD dwSize = sizeof(PROPSHEETPAGE));
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0, DWORD dwSize = sizeof(PROPSHEETPAGE));
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    PROPSHEETPAGE m_psp{};

    // Marks the page changed (enables the sheet's Apply button) or unchanged.
    void SetModified(BOOL bChanged = TRUE);
    // After a change that cannot be undone: the sheet's Cancel is disabled and OK reads "Close".
    void CancelToClose();

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    void OnOK() override;
    void OnCancel() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The tab text: PSP_USETITLE's title, the caption string, else the template's caption.
    CString GetTabText() const;

    CString m_strCaption;
    BOOL m_bFirstSetActive = TRUE;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    friend class CPropertySheet;
    // The template as a child of the sheet (caption, frame and WS_DISABLED taken off).
    MiscResDialog m_childTemplate{};
    bool m_modified = false;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;
    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    PROPSHEETHEADER m_psh{};

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Before the sheet opens: the page it opens on. Open: a change of page as the user makes
    // it (the open page may refuse to be left); FALSE when refused or out of range.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;
    // Presses a button as the user would (PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW, PSBTN_HELP).
    BOOL PressButton(int nButton);

    virtual INT_PTR DoModal();
    // Modeless: WS_SYSMENU | WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CONTEXTHELP | WS_VISIBLE
    // when dwStyle is (DWORD)-1.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1), DWORD dwExStyle = 0);
    void EndDialog(int nEndID);
    virtual BOOL OnInitDialog();

    BOOL PreTranslateMessage(MSG* pMsg) override;

    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    BOOL m_bModeless = FALSE;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCurSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUnchanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCancelToClose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPressButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTabControl(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCurrentPage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTitle(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCloseSheet(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL OpenWindow(HWND owner, DWORD style, DWORD exStyle, bool modal);
    void Layout();
    bool CreatePageWindow(CPropertyPage* page);
    LRESULT SendToPage(CPropertyPage* page, UINT code, LPARAM lParam = 0);
    bool LeavePage();            // PSN_KILLACTIVE to the open page; false when it stays
    bool ShowPage(int index);    // creates, tells (PSN_SETACTIVE) and shows a page
    bool ChangePage(int index);  // LeavePage, then ShowPage: a change as the user makes it
    bool ApplyAll(bool closing); // PSN_APPLY to every created page; false when one refused
    void Finish(int result);
    void UpdateApply();
    bool Navigate(MSG* pMsg);    // Tab and Ctrl+Tab inside the sheet
    std::vector<HWND> TabStops() const;
    CString WindowCaption() const;

    std::vector<CPropertyPage*> m_pages;
    int m_active = -1;
    CTabCtrl m_tab;
    MiscResDialog m_template{};
    std::vector<MiscResControl> m_controls;
    std::string m_captionText;
};

MISC_PUBLIC_END
