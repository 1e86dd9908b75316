#pragma once
// Stand-in for the user-interface toolkit's property grid: a window holding a view (a list of
// rows with a caption column and a value column split by a movable divider) and a help pane
// under it. Rows form a tree: categories at the top, items and their child items below.
//
// The parts: the model (items, their child collections, constraints, metrics) is plain data;
// the view lays out only the visible rows and paints them through the theme layer; each row's
// editors (in-place edit, in-place button, drop-down list) are child windows of the view that
// the row places over its value area while it is selected.
//
// Notifications go to the grid's owner as XTPWM_PROPERTYGRID_NOTIFY with the code in wParam
// and the row (CXTPPropertyGridItem*) in lParam.
//
// Row classes derive from CXTPPropertyGridItem and override the virtual operations below; the
// view calls them for every paint, click, selection and edit, so an override changes what the
// person sees and does.
#include <afxwin.h>

#include "mfc/controls.h"

#include <memory>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPPropertyGrid;
class CXTPPropertyGridView;
class CXTPPropertyGridItem;
class CXTPPropertyGridItems;
class CXTPPropertyGridItemConstraints;
class CXTPPropertyGridInplaceEdit;
class CXTPPropertyGridInplaceButton;
class CXTPPropertyGridInplaceList;
class CXTPImageManager;

// The message a grid sends its owner: wParam one of the codes below, lParam the row.
#define XTPWM_PROPERTYGRID_NOTIFY (WM_APP + 0x0A10)

#define XTP_PGN_SORTORDER_CHANGED 1
#define XTP_PGN_SELECTION_CHANGED 2
#define XTP_PGN_ITEMVALUE_CHANGED 3
#define XTP_PGN_EDIT_CHANGED 4
#define XTP_PGN_INPLACEBUTTONDOWN 5
#define XTP_PGN_DRAWITEM 6
#define XTP_PGN_ITEMEXPANDCHANGED 7
#define XTP_PGN_DBLCLICK 8
#define XTP_PGN_RCLICK 9

// Row flags (GetFlags/SetFlags).
enum XTPPropertyGridItemFlags {
    xtpGridItemHasEdit = 1,        // the value can be typed into an in-place edit
    xtpGridItemHasExpandButton = 2, // an in-place button ("...") at the right of the value
    xtpGridItemHasComboButton = 4, // a drop-down button listing the constraints
};

// Image states of the image manager.
enum XTPImageState { xtpImageNormal = 0, xtpImageDisabled = 1, xtpImageHot = 2, xtpImageChecked = 3 };

// "No colour set": the view's own colour is used.
#define XTP_PG_COLOR_DEFAULT (static_cast<COLORREF>(-1))

// Text colour, back colour and image of a row's caption or value.
struct CXTPPropertyGridItemMetrics {
    COLORREF m_clrFore = XTP_PG_COLOR_DEFAULT;
    COLORREF m_clrBack = XTP_PG_COLOR_DEFAULT;
    int m_nImage = -1; // image identifier of the grid's image manager; -1 none
    void Reset() { *this = CXTPPropertyGridItemMetrics(); }
};

// One choice of a row.
class CXTPPropertyGridItemConstraint {
public:
    CString m_strConstraint;
    DWORD_PTR m_dwData = 0;
    int m_nImage = -1;
    int m_nIndex = 0; // position in its collection, kept current by the collection

    CString GetText() const { return m_strConstraint; }
    DWORD_PTR GetData() const { return m_dwData; }
    int GetIndex() const { return m_nIndex; }
};

class CXTPPropertyGridItemConstraints {
public:
    explicit CXTPPropertyGridItemConstraints(CXTPPropertyGridItem* item = nullptr) : m_item(item) {}
    CXTPPropertyGridItemConstraints(const CXTPPropertyGridItemConstraints&) = delete;
    CXTPPropertyGridItemConstraints& operator=(const CXTPPropertyGridItemConstraints&) = delete;

    // Appends a choice; returns it (owned by the collection).
    CXTPPropertyGridItemConstraint* AddConstraint(LPCTSTR text, DWORD_PTR data = 0, int image = -1);
    int GetCount() const { return static_cast<int>(m_items.size()); }
    BOOL IsEmpty() const { return m_items.empty(); }
    CXTPPropertyGridItemConstraint* GetConstraintAt(int index) const;
    CString GetAt(int index) const; // the text; "" out of range
    void RemoveAll();
    void RemoveAt(int index);
    // Index of the first choice with that text (exact, case-sensitive) or data; -1 if none.
    int FindConstraint(LPCTSTR text) const;
    int FindConstraint(DWORD_PTR data) const;
    // The current choice (-1 none); set by the row when its value matches a choice.
    void SetCurrent(int index) { m_current = index; }
    int GetCurrent() const { return m_current; }
    // Sorts the choices by text (case-insensitive, stable).
    void Sort();

private:
    void Renumber();
    CXTPPropertyGridItem* m_item;
    std::vector<std::unique_ptr<CXTPPropertyGridItemConstraint>> m_items;
    int m_current = -1;
};

// The child rows of a row, or the categories of a grid, in display order.
class CXTPPropertyGridItems {
public:
    int GetCount() const { return static_cast<int>(m_items.size()); }
    CXTPPropertyGridItem* GetAt(int index) const;
    // The first row with that caption (exact), searching depth-first through these rows and their
    // children in order; null if none.
    CXTPPropertyGridItem* FindItem(LPCTSTR caption) const;
    // The first row with that identifier, depth-first; null if none.
    CXTPPropertyGridItem* FindItem(UINT id) const;
    // Deletes every row.
    void Clear();

private:
    friend class CXTPPropertyGridItem;
    friend class CXTPPropertyGrid;
    std::vector<CXTPPropertyGridItem*> m_items; // owned
};

class CXTPPropertyGridItem : public CCmdTarget {
    DECLARE_DYNAMIC(CXTPPropertyGridItem)
public:
    // A row with a literal caption, or with the caption of string resource `id` (also its
    // identifier). With bind, the row's value lives in *bind: edits write there directly.
    CXTPPropertyGridItem(LPCTSTR caption, LPCTSTR value = nullptr, CString* bind = nullptr);
    explicit CXTPPropertyGridItem(UINT id, LPCTSTR value = nullptr, CString* bind = nullptr);
    ~CXTPPropertyGridItem() override; // deletes the child rows
    CXTPPropertyGridItem(const CXTPPropertyGridItem&) = delete;
    CXTPPropertyGridItem& operator=(const CXTPPropertyGridItem&) = delete;

    // Tree. AddChildItem takes ownership and returns the item (null when item is null); the
    // item's OnBeforeInsert runs before it joins.
    CXTPPropertyGridItem* AddChildItem(CXTPPropertyGridItem* item);
    CXTPPropertyGridItem* InsertChildItem(int index, CXTPPropertyGridItem* item);
    // Removes this row from its parent and deletes it.
    void Remove();
    CXTPPropertyGridItems* GetChilds() const { return m_children.get(); }
    BOOL HasChilds() const { return m_children->GetCount() > 0; }
    CXTPPropertyGridItem* GetParentItem() const { return m_parent; }
    BOOL IsCategory() const { return m_category; }
    // The view showing the row (null before it joins a grid) and the grid around it.
    CXTPPropertyGridView* GetGrid() const { return m_view; }
    CXTPPropertyGrid* GetPropertyGrid() const;

    // Identity and texts.
    void SetID(UINT id) { m_id = id; }
    UINT GetID() const { return m_id; }
    void SetCaption(LPCTSTR caption);
    CString GetCaption() const { return m_caption; }
    void SetDescription(LPCTSTR text) { m_description = text ? text : ""; }
    CString GetDescription() const { return m_description; }

    // State.
    void SetReadOnly(BOOL readOnly = TRUE);
    BOOL GetReadOnly() const { return m_readOnly; }
    UINT GetFlags() const { return m_flags; }
    void SetFlags(UINT flags);
    void Expand();
    void Collapse();
    BOOL IsExpanded() const { return m_expanded; }
    BOOL IsExpandable() const { return HasChilds(); }
    // Selects the row (expanding its parents) and scrolls it into view.
    void Select();
    BOOL IsSelected() const;
    BOOL IsVisible() const;
    // Row index in the view, -1 while the row is not shown (a parent collapsed, no view).
    int GetIndex() const;

    // Value. GetValue is the text; SetValue stores it (and in the bound string) and redraws.
    virtual CString GetValue() const;
    virtual void SetValue(CString value);
    void BindToString(CString* bind);
    CXTPPropertyGridItemConstraints* GetConstraints() const { return m_constraints.get(); }
    CXTPPropertyGridItemMetrics* GetCaptionMetrics() { return &m_captionMetrics; }
    CXTPPropertyGridItemMetrics* GetValueMetrics() { return &m_valueMetrics; }

    // Geometry: row height in pixels (0: the view's default), the row's rectangle and its value
    // area in the view's client coordinates (empty while not shown).
    void SetHeight(int height);
    int GetHeight() const;
    CRect GetItemRect() const;
    // Redraws the row.
    void RedrawItem();

    // ---- Overridable operations (called by the view) ----
    // Paints the value in rcValue; returns TRUE when it painted (the view then draws nothing of
    // the value). The default draws the value metrics' image and GetViewValue().
    virtual BOOL OnDrawItemValue(CDC& dc, CRect rcValue);
    // The value area: the row right of the divider, less the in-place button when one shows.
    virtual CRect GetValueRect();
    // The row became selected (default: places and shows the in-place button and edit by the
    // flags) / lost the selection (default: hides them).
    virtual void OnSelect();
    virtual void OnDeselect();
    // A click on the row (client coordinates of the view). Default: a click in the value area of
    // an editable row puts the caret in its in-place edit. Returns TRUE when handled.
    virtual BOOL OnLButtonDown(UINT flags, CPoint point);
    // A double click: a row with children expands or collapses; otherwise the next constraint
    // becomes the value (reported as a change).
    virtual void OnLButtonDblClk();
    // A right click on the row (after it was selected); default nothing (the view sends 9).
    virtual void OnRButtonDown();
    // The in-place button was pressed: with the combo flag the drop-down list opens; otherwise
    // the owner is sent XTP_PGN_INPLACEBUTTONDOWN.
    virtual void OnInplaceButtonDown();
    // The person committed a value: SetValue, then XTP_PGN_ITEMVALUE_CHANGED to the owner.
    virtual void OnValueChanged(CString value);
    // The row's editors; rows may return editors of their own (derived classes).
    virtual CXTPPropertyGridInplaceEdit& GetInplaceEdit();
    virtual CXTPPropertyGridInplaceButton& GetInplaceButton();
    virtual CXTPPropertyGridInplaceList& GetInplaceList();
    // The view shows or hides the row (a parent expanded or collapsed).
    virtual void SetVisible(BOOL visible);
    // The row's index changed (rows inserted, expanded or scrolled above it).
    virtual void OnIndexChanged();
    // The text painted in the value column (default GetValue()).
    virtual CString GetViewValue();
    // Size of one drop-down entry (default: text width + 6, the row height).
    virtual CSize OnMergeItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* constraint);
    // Paints one drop-down entry; default: highlighted when selected, image then text.
    virtual void OnDrawItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* constraint, CRect rc,
                                      BOOL selected);
    // Called once, just before the row joins a parent or the grid.
    virtual void OnBeforeInsert();
    // Keyboard on a selected row (default FALSE: the view handles the key).
    virtual BOOL OnKeyDown(UINT key);
    virtual BOOL OnChar(UINT ch);

protected:
    // The value text stored by SetValue (m_strValue) and the bound string, if any.
    CString m_strValue;
    CString* m_pBindString = nullptr;
    CString m_caption;
    CString m_description;
    UINT m_id = 0;
    UINT m_flags = xtpGridItemHasEdit;
    BOOL m_readOnly = FALSE;
    BOOL m_expanded = FALSE;
    int m_height = 0;

private:
    friend class CXTPPropertyGrid;
    friend class CXTPPropertyGridView;
    friend class CXTPPropertyGridItems;
    friend class CXTPPropertyGridItemCategory;
    void Attach(CXTPPropertyGridView* view, CXTPPropertyGridItem* parent);

    std::unique_ptr<CXTPPropertyGridItems> m_children;
    std::unique_ptr<CXTPPropertyGridItemConstraints> m_constraints;
    CXTPPropertyGridItemMetrics m_captionMetrics;
    CXTPPropertyGridItemMetrics m_valueMetrics;
    CXTPPropertyGridItem* m_parent = nullptr;
    CXTPPropertyGridView* m_view = nullptr;
    BOOL m_category = FALSE;
    BOOL m_visibleRow = FALSE;
    int m_index = -1;
};

// A category row: bold caption on the category colour, children shown when expanded.
class CXTPPropertyGridItemCategory : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CXTPPropertyGridItemCategory)
public:
    explicit CXTPPropertyGridItemCategory(LPCTSTR caption);
    explicit CXTPPropertyGridItemCategory(UINT id);
};

// A whole number ("%d").
class CXTPPropertyGridItemNumber : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CXTPPropertyGridItemNumber)
public:
    CXTPPropertyGridItemNumber(LPCTSTR caption, long value = 0, long* bind = nullptr);
    explicit CXTPPropertyGridItemNumber(UINT id, long value = 0, long* bind = nullptr);
    virtual void SetNumber(long value);
    long GetNumber() const;
    void BindToNumber(long* bind);
    void SetValue(CString value) override; // reads the leading number

protected:
    long m_nValue = 0;
    long* m_pBindNumber = nullptr;
};

// A real number shown with a format ("%0.2f" when none is given).
class CXTPPropertyGridItemDouble : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CXTPPropertyGridItemDouble)
public:
    CXTPPropertyGridItemDouble(LPCTSTR caption, double value = 0, LPCTSTR format = nullptr, double* bind = nullptr);
    explicit CXTPPropertyGridItemDouble(UINT id, double value = 0, LPCTSTR format = nullptr, double* bind = nullptr);
    virtual void SetDouble(double value);
    double GetDouble() const;
    void BindToDouble(double* bind);
    void SetValue(CString value) override;

protected:
    double m_dValue = 0;
    double* m_pBindDouble = nullptr;
    CString m_strFormat;
};

// One of its constraints; each constraint's data is its number. The value text is the current
// constraint's text (empty when the number is none of them).
class CXTPPropertyGridItemEnum : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CXTPPropertyGridItemEnum)
public:
    CXTPPropertyGridItemEnum(LPCTSTR caption, int value = 0, int* bind = nullptr);
    explicit CXTPPropertyGridItemEnum(UINT id, int value = 0, int* bind = nullptr);
    virtual void SetEnum(int value);
    int GetEnum() const;
    void BindToEnum(int* bind);
    void SetValue(CString value) override; // a constraint's text selects its number

protected:
    int m_nValue = 0;
    int* m_pBindEnum = nullptr;
};

// A colour: value text "R; G; B", a swatch left of the text, the in-place button opens the
// platform's colour chooser.
class CXTPPropertyGridItemColor : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CXTPPropertyGridItemColor)
public:
    CXTPPropertyGridItemColor(LPCTSTR caption, COLORREF value = 0, COLORREF* bind = nullptr);
    explicit CXTPPropertyGridItemColor(UINT id, COLORREF value = 0, COLORREF* bind = nullptr);
    virtual void SetColor(COLORREF value);
    COLORREF GetColor() const;
    void BindToColor(COLORREF* bind);
    void SetValue(CString value) override;
    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;
    void OnInplaceButtonDown() override;
    CRect GetValueRect() override; // leaves room for the swatch

protected:
    COLORREF m_clrValue = 0;
    COLORREF* m_pBindColor = nullptr;
};

// The in-place editors. Each is a child window of the view, created on first use and reused.
class CXTPPropertyGridInplaceEdit : public CEdit {
    DECLARE_DYNAMIC(CXTPPropertyGridInplaceEdit)
public:
    // Places the edit over rect (view coordinates) holding the item's value, and shows it.
    virtual void Create(CXTPPropertyGridItem* item, CRect rect);
    virtual void SetValue(LPCTSTR value);
    virtual void HideWindow();
    CXTPPropertyGridItem* GetItem() const { return m_pItem; }
    // Passes changed text to the row (its OnValueChanged); nothing when the text is unchanged.
    void Commit();
    // Hides the edit and forgets its row without committing (the row is going away).
    void Abandon();

protected:
    // Enter commits (the item's OnValueChanged with the text, once), Escape restores the value.
    DECLARE_MESSAGE_MAP()
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg UINT OnGetDlgCode();
    CXTPPropertyGridItem* m_pItem = nullptr;
    CString m_strValue;
};

class CXTPPropertyGridInplaceButton : public CStatic {
    DECLARE_DYNAMIC(CXTPPropertyGridInplaceButton)
public:
    // A button at the right of the row: a drop-down arrow for the combo flag, "..." otherwise.
    virtual void Create(CXTPPropertyGridItem* item, CRect rect);
    virtual void HideWindow();
    CXTPPropertyGridItem* GetItem() const { return m_pItem; }

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    CXTPPropertyGridItem* m_pItem = nullptr;
    BOOL m_pressed = FALSE;
};

// The drop-down list of a row's constraints: a pop-up list under the row; a click or Enter
// commits the choice (the item's OnValueChanged), Escape or a click elsewhere closes it.
class CXTPPropertyGridInplaceList : public CListBox {
    DECLARE_DYNAMIC(CXTPPropertyGridInplaceList)
public:
    virtual void Create(CXTPPropertyGridItem* item, CRect rect);
    virtual void Cancel();
    virtual void Apply();
    CXTPPropertyGridItem* GetItem() const { return m_pItem; }
    void DrawItem(LPDRAWITEMSTRUCT draw) override;
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override;

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg UINT OnGetDlgCode();
    CXTPPropertyGridItem* m_pItem = nullptr;
    BOOL m_closing = FALSE;
};

// Images by identifier, cut from bitmap strips.
class CXTPImageManager {
public:
    CXTPImageManager();
    ~CXTPImageManager();
    CXTPImageManager(const CXTPImageManager&) = delete;
    CXTPImageManager& operator=(const CXTPImageManager&) = delete;

    // Cuts the bitmap resource into count images of size (left to right) and files them under
    // ids[0..count); returns FALSE when the bitmap does not load.
    BOOL SetIcons(UINT bitmapId, const UINT* ids, int count, CSize size, XTPImageState state = xtpImageNormal);
    BOOL SetIcon(HBITMAP bitmap, UINT id, XTPImageState state = xtpImageNormal); // copies the bitmap
    BOOL HasImage(UINT id) const;
    CSize GetImageSize(UINT id) const;
    // Draws the image at pt (its own size when size is empty); FALSE when there is none.
    BOOL DrawImage(CDC* dc, UINT id, CPoint pt, CSize size = CSize(0, 0), BOOL disabled = FALSE) const;
    void RemoveAll();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The list of rows: layout, painting, input, scrolling. Created by the grid as its child.
class CXTPPropertyGridView : public CWnd {
    DECLARE_DYNAMIC(CXTPPropertyGridView)
public:
    CXTPPropertyGridView();
    ~CXTPPropertyGridView() override;

    CXTPPropertyGrid* GetPropertyGrid() const { return m_pGrid; }
    // Divider between caption and value column: position in pixels from the left edge; the
    // fraction of the width it stands at.
    int GetDividerPos() const;
    void SetDividerPos(int pixels);
    double GetDivider() const { return m_dDivider; }
    void SetDivider(double fraction);
    // Rows shown (expanded parents): count, the row at an index, the first shown row.
    int GetCount() const;
    CXTPPropertyGridItem* GetItem(int index) const;
    int GetTopIndex() const;
    void SetTopIndex(int index);
    int GetDefaultRowHeight() const;
    // The row under a point of the client area, or null.
    CXTPPropertyGridItem* ItemFromPoint(CPoint point) const;
    CXTPPropertyGridItem* GetSelectedItem() const;
    // Rebuilds the list of shown rows after the tree changed.
    void Refresh();

    // Overrides so that the view's class can be subclassed by tests and hosts.
    struct Impl;
    Impl* GetImpl() const { return m_impl.get(); }

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class CXTPPropertyGrid;
    CXTPPropertyGrid* m_pGrid = nullptr;
    double m_dDivider = 0.5;
    std::unique_ptr<Impl> m_impl;
};

class CXTPPropertyGrid : public CWnd {
    DECLARE_DYNAMIC(CXTPPropertyGrid)
public:
    CXTPPropertyGrid();
    ~CXTPPropertyGrid() override;

    // Creates the grid window (class "XTPPropertyGrid") with its view and help pane. style holds
    // window styles for the grid; list-box styles in it are accepted and ignored.
    virtual BOOL Create(const RECT& rect, CWnd* parent, UINT id, DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP);

    // Categories: caption from string resource id (also the category's identifier) or a literal
    // caption; pass a ready-made category row to use a class of one's own.
    CXTPPropertyGridItem* AddCategory(UINT id, CXTPPropertyGridItem* category = nullptr);
    CXTPPropertyGridItem* AddCategory(LPCTSTR caption, CXTPPropertyGridItem* category = nullptr);
    CXTPPropertyGridItem* InsertCategory(int index, LPCTSTR caption, CXTPPropertyGridItem* category = nullptr);
    CXTPPropertyGridItems* GetCategories() const { return m_categories.get(); }
    // Depth-first over the categories and their rows; null if none.
    CXTPPropertyGridItem* FindItem(UINT id) const;
    CXTPPropertyGridItem* FindItem(LPCTSTR caption) const;
    // Deletes every row.
    void ResetContent();

    CXTPPropertyGridView& GetGridView() { return m_view; }
    const CXTPPropertyGridView& GetGridView() const { return m_view; }
    CXTPPropertyGridItem* GetSelectedItem() const { return m_view.GetSelectedItem(); }
    int GetTopIndex() const { return m_view.GetTopIndex(); }
    void SetTopIndex(int index) { m_view.SetTopIndex(index); }
    // The divider as a fraction of the view's width (clamped to the window).
    void SetViewDivider(double fraction) { m_view.SetDivider(fraction); }

    // Help pane under the view: the selected row's caption (bold) and description.
    void ShowHelp(BOOL show = TRUE);
    BOOL IsHelpVisible() const { return m_helpVisible; }
    void SetHelpHeight(int height);
    int GetHelpHeight() const { return m_nHelpHeight; }

    // Colours; XTP_PG_COLOR_DEFAULT restores the theme's.
    void SetCustomColors(COLORREF helpBack, COLORREF helpFore, COLORREF viewLine, COLORREF viewBack,
                         COLORREF viewFore, COLORREF viewCategoryFore = XTP_PG_COLOR_DEFAULT);
    void SetStandardColors();
    COLORREF GetHelpBackColor() const;
    COLORREF GetHelpForeColor() const;
    COLORREF GetViewBackColor() const;
    COLORREF GetViewForeColor() const;
    COLORREF GetViewLineColor() const;
    COLORREF GetViewCategoryForeColor() const;

    CXTPImageManager* GetImageManager() { return &m_imageManager; }

    // Repaints the view and help pane.
    void Refresh();
    // Sends XTPWM_PROPERTYGRID_NOTIFY to the owner; returns its answer.
    LRESULT SendNotifyMessage(WPARAM code, CXTPPropertyGridItem* item);

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnSetFocus(CWnd* oldWnd);                    // passes the focus to the view
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point); // scrolls the view

    int m_nHelpHeight = 58;
    BOOL m_helpVisible = TRUE;

private:
    CXTPPropertyGridView m_view;
    std::unique_ptr<CXTPPropertyGridItems> m_categories;
    CXTPImageManager m_imageManager;
    struct Colors;
    std::unique_ptr<Colors> m_colors;
};

MISC_PUBLIC_END
