#pragma once
// Stand-in for the user-interface toolkit's list-box editor (SECListBoxEditor): it takes over a
// list box of a dialog and gives it a title band with four small buttons (new, delete, move up,
// move down, each with a tool tip) and editing of an entry in place.
//
// Initialize puts the editor where the list box was: the title band (the editor's window text at
// the left, the buttons at the right) on top, the list box below it, reparented into the editor.
// Editing in place opens an edit over the entry; Enter or leaving it keeps the text, Escape
// drops it, StopEditing ends it from code (keeping the text). A new entry starts out empty and
// in editing; an entry left empty after a new one is removed again.
//
// The button actions are virtual, so a derived editor may give them another meaning (the
// library's value-list editor sorts with the move buttons).
#include <afxwin.h>
#include <afxcmn.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Editing flags (Initialize).
#define LBE_AUTOEDIT 0x0002    // a double click, F2 or typing a character edits the entry
#define LBE_TOOLTIPS 0x0004    // the buttons carry tool tips
#define LBE_INSERTKEY 0x0008   // Insert adds a new entry
#define LBE_DELETEKEY 0x0010   // Delete removes the selected entry
#define LBE_TITLE 0x0020       // the title band shows the window text
#define LBE_NEWBUTTON 0x0100
#define LBE_DELBUTTON 0x0200
#define LBE_UPBUTTON 0x0400
#define LBE_DOWNBUTTON 0x0800
#define LBE_BUTTONS (LBE_NEWBUTTON | LBE_DELBUTTON | LBE_UPBUTTON | LBE_DOWNBUTTON)
#define LBE_DEFAULT (LBE_AUTOEDIT | LBE_TOOLTIPS | LBE_INSERTKEY | LBE_DELETEKEY | LBE_TITLE | LBE_BUTTONS)

// Control identifiers of the editor's buttons and in-place edit (children of the editor).
#define LBE_IDC_NEW 0x7E10
#define LBE_IDC_DELETE 0x7E11
#define LBE_IDC_UP 0x7E12
#define LBE_IDC_DOWN 0x7E13
#define LBE_IDC_EDIT 0x7E14
#define LBE_IDC_EDITOR 0x7E0F // the editor itself, a child of the dialog

// Height of the title band in pixels.
#define LBE_TITLE_HEIGHT 20

// A button of the editor: flat, owner drawn, with the glyph of its action.
class SECListBoxEditorButton : public CButton {
    DECLARE_DYNAMIC(SECListBoxEditorButton)
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    DECLARE_MESSAGE_MAP()
};

class SECListBoxEditor : public CWnd {
    DECLARE_DYNAMIC(SECListBoxEditor)
public:
    SECListBoxEditor();
    ~SECListBoxEditor() override;

    // Takes over the list box nID of pwndParent with the editing flags. FALSE when there is no
    // such list box or the editor is initialised already.
    virtual BOOL Initialize(CWnd* pwndParent, UINT nID, int nFlags = LBE_DEFAULT);
    // The list box taken over (null before Initialize).
    CListBox* GetListBoxPtr();
    // The tool tips of the buttons, one tool per button (null without LBE_TOOLTIPS).
    CToolTipCtrl* GetToolTipCtrl() { return m_pToolTip; }
    int GetFlags() const { return m_nFlags; }

    // Opens the in-place edit on entry `index`; FALSE for an index out of range.
    BOOL StartEditing(int index);
    // Ends an edit in progress, keeping the typed text; nothing when none is in progress.
    void StopEditing();
    // Ends an edit in progress dropping the typed text.
    void CancelEditing();
    BOOL IsEditing() const { return m_editIndex >= 0; }
    int GetEditIndex() const { return m_editIndex; }

    // The button actions.
    virtual void OnEditNew();      // a new empty entry after the selection (or at the end), edited
    virtual void OnEditDelete();   // removes the selected entry
    virtual void OnEditMoveUp();   // moves the selected entry one place up
    virtual void OnEditMoveDown(); // one place down

protected:
    // Hooks for derived editors: after an entry was added, renamed or is about to be deleted.
    virtual void OnItemAdded(int index, const CString& text);
    virtual void OnItemRenamed(int index, const CString& oldText, const CString& newText);
    virtual BOOL OnItemDelete(int index, const CString& text);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnDestroy();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    class ListBox;
    class InplaceEdit;
    friend class ListBox;
    friend class InplaceEdit;

    void CreateButtons();
    void LayoutChildren();
    void EndEditing(bool keep);
    void MoveSelected(int delta);
    bool HandleListKey(UINT vk);

    ListBox* m_pListBox = nullptr;
    InplaceEdit* m_pEdit = nullptr;
    CToolTipCtrl* m_pToolTip = nullptr;
    SECListBoxEditorButton m_buttons[4];
    int m_nFlags = 0;
    int m_editIndex = -1;
    bool m_editIsNew = false;
    bool m_ending = false;
};

// The tool tips the buttons carry until a caller changes them.
#define LBE_TIP_NEW "New (Insert)"
#define LBE_TIP_DELETE "Delete (Delete)"
#define LBE_TIP_UP "Move Item Up"
#define LBE_TIP_DOWN "Move Item Down"

MISC_PUBLIC_END
