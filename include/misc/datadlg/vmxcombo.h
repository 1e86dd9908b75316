#pragma once
// History combo boxes: editable drop-downs that remember the values entered, per list type,
// across runs and users of the machine. The drop-down list is the stored value list of the type
// (misc/data/combolist.h), most recent first; the right mouse button opens the list editor
// (misc/datadlg/lbedit.h) for the same type.
//
// CVmxCombo is a small handle that owns the control, CVmxComBoMisc, and forwards to it.
#include <afxwin.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The number of values CloseAndAddString(text) keeps.
#define VMXCOMBO_HISTORY_LIMIT 200

class AFX_EXT_CLASS CVmxComBoMisc : public CComboBox {
    DECLARE_DYNAMIC(CVmxComBoMisc)
public:
    CVmxComBoMisc();
    ~CVmxComBoMisc() override;

    using CComboBox::Create;
    // Creates the combo box; the sorted style is dropped, the list keeps the stored order.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Takes over the combo box id of parent for list type `type` and fills it from the stored
    // list; nothing when initialised already.
    void Initialize(int id, CWnd* parent, int type);
    // Records the current text, trimmed, with no limit on the stored values.
    void CloseAndAddString();
    // Records s, keeping at most VMXCOMBO_HISTORY_LIMIT stored values.
    void CloseAndAddString(const CString& s);
    // Deletes s (case ignored) from the drop-down list; 1 when it was there. Nothing is stored.
    int DeleteString(const CString& s);
    // Empties the drop-down list and the stored list.
    void DeleteAll();
    // Appends s to the drop-down list (replacing an entry that differs only in case); nothing is
    // stored. Only once initialised.
    void AddString(int unused, CString s);
    void Enable(int enable, int unused);

    // The two ways of adding a text to the drop-down list (an empty text is ignored).
    void AddTop(const CString& text);
    void AddAppend(const CString& text);
    // Adds the stored list of the type with the append form.
    void FillFromStore();
    // Adds text at the top, then stores the drop-down list (at most `limit` values; 0 for all).
    void Record(const CString& text, int limit);

    int m_nType = -1;
    CWnd* m_pParent = nullptr;
    int m_nEditorArg = -1; // handed to the list editor, which keeps it
    CString m_strKey;      // list name of the type; the type name of the stored values
    int m_bInitialized = 0;

protected:
    afx_msg void OnRButtonDown(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

class AFX_EXT_CLASS CVmxCombo {
public:
    CVmxCombo();
    ~CVmxCombo();
    CVmxCombo(const CVmxCombo&) = delete;
    CVmxCombo& operator=(const CVmxCombo&) = delete;

    void Initialize(int id, CWnd* parent, int type);
    void CloseAndAddString();
    void CloseAndAddString(const CString& s);
    int DeleteString(const CString& s);
    void DeleteAll();
    void AddString(int unused, CString s);
    void Enable(int enable, int unused);
    void ShowWindow(int show);
    void SetWindowText(const char* text);
    void GetWindowText(char* buffer, int size);
    void GetWindowText(CString& text);
    void EnableWindow(int enable);

    CVmxComBoMisc* m_pCombo;
    int m_nReserved = 0;
};

MISC_PUBLIC_END
