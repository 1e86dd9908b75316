#pragma once
// Stand-in for the table-grid library: a window showing a table of cells with a header row
// (row 0) and a header column (column 0); data rows and columns are numbered from 1.
//
// The parts: the model (cells, styles, row and column sizes, selection, sorting) is plain data;
// the renderer lays out and paints only the visible cells, through the theme layer; the editors
// (in-place edit, drop-down list, check box) are child windows the grid places over the current
// cell while it is edited; the control ties them to a window, the keyboard, the mouse, the
// scroll bars and the clipboard.
//
// Styles compose like the library's: a cell's own style over its row's, over its column's, over
// the standard style. The headers have their own base styles, and a header cell does not take
// the style of the column (or row) it heads. An attribute not set in a style is taken from the
// one below. Values given to whole rows or columns go to their data cells, not to the headers.
//
// A header cell becomes an ordinary cell (current, selectable, edited) when a style gives it a
// control other than GX_IDS_CTRL_HEADER, for tables whose first column holds names.
// Numbers (GX_VT_NUMERIC) align right and check boxes sit in the middle unless a style aligns
// them.
//
// A grid comes into being either with Create, or over a control of a dialog template whose
// window class is GX_GRID_CLASS, with SubclassDlgItem followed by Initialize. GXInit registers
// the window class and the grid's automation provider: a program calls it once before any
// template naming the class is created (Create calls it too).
//
// Editing: a click on the current cell, a double click, F2 or typing opens the cell's editor
// (F4 or the drop button opens a combo cell's list); Enter stores the edit, Escape drops it,
// Tab and the up and down arrows store it and move on, and the focus leaving the editor stores
// it at once. Space toggles a check cell; a click on a "..." or push button reports
// OnClickedButtonRowCol. Ctrl+C copies, Ctrl+A selects the table, Ctrl+Z undoes.
//
// Notifications: a derived class overrides the virtual operations (On...RowCol, OnStartEditing,
// OnEndEditing, OnModifyCell, OnChangedSelection, GetSortKey); their defaults send WM_NOTIFY with
// a GXNMGRID and one of the GXN_* codes to the grid's parent, so a dialog can listen without
// deriving.
#include <afxwin.h>

#include "mfc/coll.h"
#include "mfc/controls.h"

#include <memory>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

typedef ULONG ROWCOL;
#define GX_INVALID (static_cast<ROWCOL>(-1))
#define GX_MAXROWCOL (static_cast<ROWCOL>(-2))

// The window class of the grid (a dialog template names it for a custom control).
#define GX_GRID_CLASS "GXWND"

// Redraw flags of the changing operations.
#define GX_UPDATENOW 0
#define GX_INVALIDATE 1
#define GX_SMART 2
#define GX_NOREDRAW 3
// Extra flags of SetCurrentCell.
#define GX_SCROLLINVIEW 0x0100
#define GX_NOSETFOCUS 0x0200
#define GX_DISPLAYEDITWND 0x0400 // start editing the cell at once

// Selection modes (CGXGridParam::EnableSelection), or-ed together.
#define GX_SELNONE 0x00
#define GX_SELROW 0x01     // clicking a row header selects the row
#define GX_SELCOL 0x02     // clicking a column header selects the column
#define GX_SELTABLE 0x04   // clicking the top-left header selects the table
#define GX_SELCELL 0x08    // dragging over cells selects a block
#define GX_SELMULTIPLE 0x10 // Ctrl adds ranges
#define GX_SELSHIFT 0x20   // Shift extends from the current cell
#define GX_SELFULL 0x3F
// Whole rows are selected by clicking any cell of them (the tables of the library use this).
#define GX_SELROWWHOLE 0x40

// Tracking modes (EnableTrackRowHeight, EnableTrackColWidth): with any flag set the person drags
// a row's lower or a column's right edge in the headers to size it; 0 turns that off.
#define GX_TRACK_DEFAULT 0x0001
#define GX_TRACK_INDIVIDUAL 0x0100

// Cell controls (CGXStyle::SetControl).
#define GX_IDS_CTRL_EDIT 1            // text typed in place
#define GX_IDS_CTRL_STATIC 2          // read-only text
#define GX_IDS_CTRL_COMBOBOX 3        // text typed in place, or chosen from the choice list
#define GX_IDS_CTRL_CBS_DROPDOWNLIST 4 // chosen from the choice list only
#define GX_IDS_CTRL_CHECKBOX 5        // value "1" checked, "0" (or empty) not
#define GX_IDS_CTRL_PUSHBTN 6         // a push button showing the value; a click reports
#define GX_IDS_CTRL_HOTSPOT 7         // text typed in place, with a "..." button at the right
#define GX_IDS_CTRL_HEADER 8          // a header cell
#define GX_IDS_CTRL_BITMAP 9          // a picture (SetBitmap) drawn in the cell, with the text

// Value types (CGXStyle::SetValueType): numbers align right, sort as numbers and must parse.
#define GX_VT_STRING 0
#define GX_VT_NUMERIC 1

// Hit codes of HitTest.
#define GX_NOHIT 0
#define GX_CELLHIT 1
#define GX_HEADERHIT 2

// Notifications sent to the parent in WM_NOTIFY by the default virtual operations.
#define GXN_FIRST (0U - 1900U)
#define GXN_CLICKED (GXN_FIRST - 1)         // left click on a cell
#define GXN_DBLCLK (GXN_FIRST - 2)
#define GXN_RCLICKED (GXN_FIRST - 3)
#define GXN_BUTTONCLICKED (GXN_FIRST - 4)   // push button or "..." button of a cell
#define GXN_STARTEDITING (GXN_FIRST - 5)
#define GXN_ENDEDITING (GXN_FIRST - 6)      // the edit was stored
#define GXN_CANCELEDITING (GXN_FIRST - 7)
#define GXN_MODIFYCELL (GXN_FIRST - 8)      // the person changed a cell's value
#define GXN_MOVEDCURRENTCELL (GXN_FIRST - 9)
#define GXN_SELCHANGED (GXN_FIRST - 10)

struct GXNMGRID {
    NMHDR hdr;
    ROWCOL row;
    ROWCOL col;
};

// How SetStyleRange merges a style into the one stored.
enum GXModifyType {
    gxOverride = 0, // the new style's attributes replace those set
    gxApplyNew = 1, // only attributes not yet set are taken
    gxCopy = 2,     // the new style replaces the stored one
    gxExclude = 3   // the attributes set in the new style are removed
};

// A block of cells. Whole rows, whole columns and the whole table are kinds of their own, so
// that they stay whole when rows or columns are added.
class CGXRange {
public:
    enum Type { cells = 0, rows = 1, cols = 2, table = 3 };

    ROWCOL top = 0, left = 0, bottom = 0, right = 0;
    Type rtype = cells;
    BOOL m_bValid = FALSE;

    CGXRange() = default;
    CGXRange(ROWCOL row, ROWCOL col) { SetCells(row, col); }
    CGXRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) { SetCells(nTop, nLeft, nBottom, nRight); }

    CGXRange& SetCells(ROWCOL row, ROWCOL col) { return SetCells(row, col, row, col); }
    CGXRange& SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    CGXRange& SetRows(ROWCOL nTop) { return SetRows(nTop, nTop); }
    CGXRange& SetRows(ROWCOL nTop, ROWCOL nBottom);
    CGXRange& SetCols(ROWCOL nLeft) { return SetCols(nLeft, nLeft); }
    CGXRange& SetCols(ROWCOL nLeft, ROWCOL nRight);
    CGXRange& SetTable();

    BOOL IsValid() const { return m_bValid; }
    BOOL IsCells() const { return rtype == cells; }
    BOOL IsRows() const { return rtype == rows; }
    BOOL IsCols() const { return rtype == cols; }
    BOOL IsTable() const { return rtype == table; }
    // The cells covered, with whole rows, columns or the table bounded by the grid's size.
    CGXRange Bounded(ROWCOL rowCount, ROWCOL colCount) const;
    BOOL IsCellInRange(ROWCOL row, ROWCOL col) const;
    ROWCOL GetHeight() const { return bottom >= top ? bottom - top + 1 : 0; }
    ROWCOL GetWidth() const { return right >= left ? right - left + 1 : 0; }
    bool operator==(const CGXRange& o) const;
};

// The selection: ranges in the order they were made.
class CGXRangeList {
public:
    int GetCount() const { return static_cast<int>(m_ranges.size()); }
    BOOL IsEmpty() const { return m_ranges.empty(); }
    const CGXRange& GetAt(int index) const { return m_ranges[static_cast<size_t>(index)]; }
    void AddTail(const CGXRange& r) { m_ranges.push_back(r); }
    void RemoveAll() { m_ranges.clear(); }
    // TRUE when a range covers the cell (whole rows and the table count at any column).
    BOOL IsCellInList(ROWCOL row, ROWCOL col) const;
    // TRUE when the whole row is selected.
    BOOL IsRowInList(ROWCOL row) const;
    std::vector<CGXRange>& Ranges() { return m_ranges; }
    const std::vector<CGXRange>& Ranges() const { return m_ranges; }

private:
    std::vector<CGXRange> m_ranges;
};

// Row and column numbers.
class CRowColArray : public CArray<ROWCOL, ROWCOL> {};

// A font description of a style.
class CGXFont {
public:
    CGXFont& SetBold(BOOL b) { m_weight = b ? FW_BOLD : FW_NORMAL; m_mask |= 1; return *this; }
    CGXFont& SetItalic(BOOL b) { m_italic = b; m_mask |= 2; return *this; }
    CGXFont& SetSize(int points) { m_size = points; m_mask |= 4; return *this; }
    CGXFont& SetFaceName(LPCTSTR face) { m_face = face; m_mask |= 8; return *this; }
    BOOL GetBold() const { return m_weight >= FW_BOLD; }
    BOOL GetItalic() const { return m_italic; }
    int GetSize() const { return m_size; }
    const CString& GetFaceName() const { return m_face; }
    BOOL GetIncludeBold() const { return (m_mask & 1) != 0; }
    // Attributes of `o` that are set replace those of this font.
    void ChangeFont(const CGXFont& o);
    BOOL IsEmpty() const { return m_mask == 0; }
    bool operator==(const CGXFont& o) const;

private:
    int m_weight = FW_NORMAL;
    BOOL m_italic = FALSE;
    int m_size = 0;
    CString m_face;
    unsigned m_mask = 0;
};

// The attributes of a cell. Every setter marks the attribute as set; getters answer defaults for
// attributes not set; GetInclude... says whether one is set.
class CGXStyle {
public:
    CGXStyle() = default;

    CGXStyle& SetValue(LPCTSTR text);
    CGXStyle& SetValue(const CString& text) { return SetValue(static_cast<LPCTSTR>(text)); }
    CGXStyle& SetValue(long number);
    CGXStyle& SetValue(double number);
    CGXStyle& SetControl(WORD id) { m_control = id; m_mask |= kControl; return *this; }
    // The choices of a combo cell, separated by '\n'.
    CGXStyle& SetChoiceList(LPCTSTR choices) { m_choices = choices; m_mask |= kChoices; return *this; }
    // DT_LEFT, DT_CENTER or DT_RIGHT; DT_TOP, DT_VCENTER or DT_BOTTOM.
    CGXStyle& SetHorizontalAlignment(UINT align) { m_hAlign = align; m_mask |= kHAlign; return *this; }
    CGXStyle& SetVerticalAlignment(UINT align) { m_vAlign = align; m_mask |= kVAlign; return *this; }
    CGXStyle& SetReadOnly(BOOL b) { m_readOnly = b; m_mask |= kReadOnly; return *this; }
    CGXStyle& SetEnabled(BOOL b) { m_enabled = b; m_mask |= kEnabled; return *this; }
    CGXStyle& SetInterior(COLORREF back) { m_interior = back; m_mask |= kInterior; return *this; }
    CGXStyle& SetTextColor(COLORREF color) { m_textColor = color; m_mask |= kTextColor; return *this; }
    CGXStyle& SetFont(const CGXFont& font) { m_font.ChangeFont(font); m_mask |= kFont; return *this; }
    CGXStyle& SetValueType(int type) { m_valueType = type; m_mask |= kValueType; return *this; }
    // A picture shown in a GX_IDS_CTRL_BITMAP cell; the caller keeps the bitmap alive.
    CGXStyle& SetBitmap(HBITMAP bitmap) { m_bitmap = bitmap; m_mask |= kBitmap; return *this; }
    CGXStyle& SetItemDataPtr(void* data) { m_itemData = data; m_mask |= kItemData; return *this; }
    // Text longer than this is cut when typed or stored through the editor (0: no limit).
    CGXStyle& SetMaxLength(int chars) { m_maxLength = chars; m_mask |= kMaxLength; return *this; }

    const CString& GetValue() const { return m_value; }
    long GetLongValue() const;
    double GetDoubleValue() const;
    WORD GetControl() const { return m_control; }
    const CString& GetChoiceList() const { return m_choices; }
    UINT GetHorizontalAlignment() const { return m_hAlign; }
    UINT GetVerticalAlignment() const { return m_vAlign; }
    BOOL GetReadOnly() const { return m_readOnly; }
    BOOL GetEnabled() const { return m_enabled; }
    COLORREF GetInterior() const { return m_interior; }
    COLORREF GetTextColor() const { return m_textColor; }
    const CGXFont& GetFont() const { return m_font; }
    int GetValueType() const { return m_valueType; }
    HBITMAP GetBitmap() const { return m_bitmap; }
    void* GetItemDataPtr() const { return m_itemData; }
    int GetMaxLength() const { return m_maxLength; }

    BOOL GetIncludeValue() const { return (m_mask & kValue) != 0; }
    BOOL GetIncludeControl() const { return (m_mask & kControl) != 0; }
    BOOL GetIncludeChoiceList() const { return (m_mask & kChoices) != 0; }
    BOOL GetIncludeReadOnly() const { return (m_mask & kReadOnly) != 0; }
    BOOL GetIncludeInterior() const { return (m_mask & kInterior) != 0; }
    BOOL GetIncludeTextColor() const { return (m_mask & kTextColor) != 0; }
    BOOL GetIncludeFont() const { return (m_mask & kFont) != 0; }
    BOOL GetIncludeHorizontalAlignment() const { return (m_mask & kHAlign) != 0; }
    BOOL GetIncludeBitmap() const { return (m_mask & kBitmap) != 0; }
    BOOL GetIncludeValueType() const { return (m_mask & kValueType) != 0; }
    BOOL IsEmpty() const { return m_mask == 0; }

    // Merges `o` into this style the way `mt` says.
    void ChangeStyle(const CGXStyle& o, GXModifyType mt);
    // Takes from `base` every attribute not set here (composition from the styles below).
    void LoadBaseStyle(const CGXStyle& base) { ChangeStyle(base, gxApplyNew); }
    void SetIncludeValue(BOOL b);

private:
    enum : unsigned {
        kValue = 1u << 0, kControl = 1u << 1, kChoices = 1u << 2, kHAlign = 1u << 3, kVAlign = 1u << 4,
        kReadOnly = 1u << 5, kEnabled = 1u << 6, kInterior = 1u << 7, kTextColor = 1u << 8,
        kFont = 1u << 9, kValueType = 1u << 10, kBitmap = 1u << 11, kItemData = 1u << 12,
        kMaxLength = 1u << 13
    };
    CString m_value;
    CString m_choices;
    CGXFont m_font;
    COLORREF m_interior = RGB(255, 255, 255);
    COLORREF m_textColor = RGB(0, 0, 0);
    UINT m_hAlign = DT_LEFT;
    UINT m_vAlign = DT_VCENTER;
    HBITMAP m_bitmap = nullptr;
    void* m_itemData = nullptr;
    int m_maxLength = 0;
    int m_valueType = GX_VT_STRING;
    WORD m_control = GX_IDS_CTRL_EDIT;
    BOOL m_readOnly = FALSE;
    BOOL m_enabled = TRUE;
    unsigned m_mask = 0;
};

// One key of a sort.
class CGXSortInfo {
public:
    enum SortOrder { ascending = 0, descending = 1 };
    enum SortType { autodetect = 0, alphanumeric = 1, numeric = 2 };

    ROWCOL nRC = 1;              // the column the key is taken from
    SortOrder sortOrder = ascending;
    SortType sortType = autodetect; // autodetect: numbers when both keys are numbers
    BOOL bCase = FALSE;          // text compares with regard to case
    int nKey = 0;                // the key's place in its array (set by SortRows)
};

class CGXSortInfoArray : public CArray<CGXSortInfo, const CGXSortInfo&> {};

// The grid's settings.
class CGXGridParam {
public:
    void EnableSelection(WORD flags) { m_selection = flags; }
    WORD GetSelectionFlags() const { return m_selection; }
    void EnableMoveRows(BOOL b) { m_moveRows = b; }
    void EnableMoveCols(BOOL b) { m_moveCols = b; }
    BOOL IsEnableMoveRows() const { return m_moveRows; }
    BOOL IsEnableMoveCols() const { return m_moveCols; }
    // Undo of the person's edits; switched off while a program fills the grid.
    void EnableUndo(BOOL b) { m_undo = b; }
    BOOL IsEnableUndo() const { return m_undo; }
    void EnableTrackRowHeight(WORD flags) { m_trackRowHeight = flags; }
    void EnableTrackColWidth(WORD flags) { m_trackColWidth = flags; }
    WORD GetTrackRowHeight() const { return m_trackRowHeight; }
    WORD GetTrackColWidth() const { return m_trackColWidth; }
    // Double-clicking a column header sorts by that column (Shift: descending).
    void SetSortRowsOnDblClk(BOOL b) { m_sortOnDblClk = b; }
    BOOL GetSortRowsOnDblClk() const { return m_sortOnDblClk; }
    // Typing into a cell that is not being edited starts editing with the typed character.
    void SetActivateCellFlags(BOOL typingStartsEdit) { m_typingEdits = typingStartsEdit; }
    BOOL GetTypingStartsEdit() const { return m_typingEdits; }
    const CGXRangeList* GetRangeList() const { return &m_selected; }
    CGXRangeList* GetRangeList() { return &m_selected; }

private:
    CGXRangeList m_selected;
    WORD m_selection = GX_SELFULL;
    WORD m_trackRowHeight = GX_TRACK_DEFAULT;
    WORD m_trackColWidth = GX_TRACK_DEFAULT;
    BOOL m_moveRows = FALSE;
    BOOL m_moveCols = FALSE;
    BOOL m_undo = TRUE;
    BOOL m_sortOnDblClk = FALSE;
    BOOL m_typingEdits = TRUE;
};

namespace tablegrid {
class Model;
class Editor;
class Control;
} // namespace tablegrid

// Registers the grid's window class (GX_GRID_CLASS) and automation provider. A second call
// changes nothing.
void GXInit();

class CGXGridWnd : public CWnd {
    DECLARE_DYNAMIC(CGXGridWnd)
public:
    CGXGridWnd();
    ~CGXGridWnd() override;

    // ---- Creation ----
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Prepares a grid subclassed over a dialog control (SubclassDlgItem): scroll bars and the
    // default sizes. Create calls it; a second call changes nothing.
    virtual void Initialize();
    CGXGridParam* GetParam() { return &m_param; }
    const CGXGridParam* GetParam() const { return &m_param; }

    // ---- Size ----
    // At most 16,777,216 rows (FALSE and no change beyond) and 65,535 columns.
    BOOL SetRowCount(ROWCOL nRows, UINT flags = GX_UPDATENOW);
    BOOL SetColCount(ROWCOL nCols, UINT flags = GX_UPDATENOW);
    ROWCOL GetRowCount() const;
    ROWCOL GetColCount() const;
    // Inserts nCount empty rows before nRow (nRow = GetRowCount() + 1 appends).
    BOOL InsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags = GX_UPDATENOW);
    // Removes rows nFrom to nTo (bounded by the row count); FALSE when none of them exists.
    BOOL RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT flags = GX_UPDATENOW);
    BOOL InsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags = GX_UPDATENOW);
    BOOL RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT flags = GX_UPDATENOW);
    BOOL SetColWidth(ROWCOL nFrom, ROWCOL nTo, int nWidth, UINT flags = GX_UPDATENOW);
    int GetColWidth(ROWCOL nCol) const;
    BOOL SetRowHeight(ROWCOL nFrom, ROWCOL nTo, int nHeight, UINT flags = GX_UPDATENOW);
    int GetRowHeight(ROWCOL nRow) const;
    void SetDefaultRowHeight(int nHeight);
    void SetDefaultColWidth(int nWidth);
    // Hides (width 0) or shows columns; a hidden column keeps its cells.
    BOOL HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE, UINT flags = GX_UPDATENOW);
    BOOL HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE, UINT flags = GX_UPDATENOW);

    // ---- Values and styles ----
    BOOL SetValueRange(const CGXRange& range, LPCTSTR text, UINT flags = GX_UPDATENOW);
    BOOL SetValueRange(const CGXRange& range, const CString& text, UINT flags = GX_UPDATENOW)
    {
        return SetValueRange(range, static_cast<LPCTSTR>(text), flags);
    }
    BOOL SetValueRange(const CGXRange& range, long number, UINT flags = GX_UPDATENOW);
    BOOL SetValueRange(const CGXRange& range, int number, UINT flags = GX_UPDATENOW)
    {
        return SetValueRange(range, static_cast<long>(number), flags);
    }
    BOOL SetValueRange(const CGXRange& range, double number, UINT flags = GX_UPDATENOW);
    // The stored text of a cell; empty outside the grid. While the cell is edited, the text
    // stored before the edit (TransferCurrentCell stores the edit).
    CString GetValueRowCol(ROWCOL nRow, ROWCOL nCol) const;
    // A range of cells (whole rows and columns at their base style; a table range at the
    // standard style); merged as `mt` says.
    BOOL SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt = gxOverride,
                       UINT flags = GX_UPDATENOW);
    // The cell's style composed from its own, its row's, its column's and the standard style.
    void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle) const;
    void ChangeStandardStyle(const CGXStyle& style, GXModifyType mt = gxOverride, UINT flags = GX_UPDATENOW);
    void ChangeColHeaderStyle(const CGXStyle& style, GXModifyType mt = gxOverride, UINT flags = GX_UPDATENOW);
    void ChangeRowHeaderStyle(const CGXStyle& style, GXModifyType mt = gxOverride, UINT flags = GX_UPDATENOW);

    // ---- Drawing ----
    // Holds back painting (TRUE) or lets it go on (FALSE); the previous state is returned.
    // Unlocking does not repaint by itself: call Redraw.
    BOOL LockUpdate(BOOL bLock = TRUE);
    BOOL IsLockUpdate() const { return m_lockUpdate; }
    void Redraw(UINT flags = GX_INVALIDATE);
    // The cell's rectangle in client coordinates (empty when it is not shown).
    CRect CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol) const;
    // GX_CELLHIT (a data cell), GX_HEADERHIT (a header cell) or GX_NOHIT.
    int HitTest(CPoint pt, ROWCOL* pnRow = nullptr, ROWCOL* pnCol = nullptr) const;

    // ---- Current cell and editing ----
    BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_SCROLLINVIEW | GX_UPDATENOW);
    BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const;
    BOOL GetCurrentCell(ROWCOL* pnRow, ROWCOL* pnCol) const;
    // Opens the cell's editor (in-place edit or drop-down list); FALSE for read-only, static,
    // check, button and header cells, or when OnStartEditing refuses.
    BOOL StartEditing(ROWCOL nRow, ROWCOL nCol);
    // Stores (TRUE) or drops (FALSE) the edit of the current cell and closes its editor; TRUE
    // when nothing is edited or the edit was stored.
    BOOL TransferCurrentCell(BOOL bSaveAndValidate = TRUE, UINT flags = GX_UPDATENOW);
    BOOL IsActiveCurrentCell() const;
    // The editor window of the current cell while it is edited, else null (tests, the provider).
    CWnd* GetEditorWnd() const;

    // ---- Selection ----
    BOOL SelectRange(const CGXRange& range, BOOL bSelect = TRUE, BOOL bUpdate = TRUE);
    void ClearSelection(BOOL bUpdate = TRUE);
    // The rows touched by the selection, ascending, each once; bRangeRowsOnly: only rows selected
    // whole; bCanUseCurrentCell: the current cell's row when nothing is selected.
    ROWCOL GetSelectedRows(CRowColArray& awRows, BOOL bRangeRowsOnly = FALSE, BOOL bCanUseCurrentCell = TRUE) const;
    BOOL IsRowSelected(ROWCOL nRow) const;
    BOOL IsCellSelected(ROWCOL nRow, ROWCOL nCol) const;

    // ---- Rows and sorting ----
    // Sorts the rows of sortRange (whole rows; the table for all rows) by the keys in order; a
    // stable sort, so rows with equal keys keep their order. Row styles and cells move with rows.
    void SortRows(CGXRange sortRange, CGXSortInfoArray& sortInfo, UINT flags = GX_UPDATENOW);
    // Moves nCount rows starting at nFrom to before nDest.
    BOOL MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags = GX_UPDATENOW);

    // ---- Clipboard and undo ----
    // The selection (or the current cell) as text: cells separated by tabs, rows ended by CR LF.
    CString GetCopyText() const;
    // Puts GetCopyText on the clipboard as CF_TEXT; FALSE when there is nothing to copy.
    BOOL Copy();
    BOOL CanCopy() const;
    // Pastes the clipboard's text (lines of tab-separated values) from the top-left cell of the
    // selection, or the current cell: each value goes into the cell it lands on as the person's
    // edit (undo, OnModifyCell), values beyond the grid's last row and column are dropped, and
    // cells that cannot take it (read-only, disabled, static, a list value not among its
    // choices, a check box given anything but 0 or 1) keep theirs. FALSE when no cell changed.
    BOOL Paste();
    BOOL CanPaste() const;
    // Undoes the person's last stored edit (while undo is enabled); FALSE when there is none.
    BOOL Undo();
    BOOL CanUndo() const;

    // ---- Scrolling ----
    ROWCOL GetTopRow() const;   // first data row shown under the header row
    ROWCOL GetLeftCol() const;  // first data column shown right of the header column
    BOOL SetTopRow(ROWCOL nRow, UINT flags = GX_UPDATENOW);
    BOOL SetLeftCol(ROWCOL nCol, UINT flags = GX_UPDATENOW);
    ROWCOL GetLastVisibleRow() const;
    BOOL ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW);

    // ---- What a derived grid overrides ----
    virtual BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    // A push button or the "..." button of a cell was clicked.
    virtual void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol);
    // Editing is about to start; FALSE keeps the cell closed.
    virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
    // The edited text may be stored; FALSE keeps the editor open.
    virtual BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol, const CString& text);
    // The edit was stored (OnModifyCell came first when the value changed).
    virtual BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol);
    // The person changed a cell's value (typed, picked, checked, undone).
    virtual void OnModifyCell(ROWCOL nRow, ROWCOL nCol);
    virtual void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol);
    // The selection changed (pChangedRect: the range touched, or null).
    virtual void OnChangedSelection(const CGXRange* pChangedRect, BOOL bIsDragging, BOOL bKey);
    // The text a cell sorts by for one key (the default: the cell's value). `style` is the
    // cell's own style.
    virtual void GetSortKey(ROWCOL nRow, ROWCOL nCol, const CGXSortInfo& sortInfo, const CGXStyle& style,
                            CString& sKey);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;
    void PostNcDestroy() override;

private:
    friend class tablegrid::Editor;
    friend class tablegrid::Control;

    void Notify(UINT code, ROWCOL row, ROWCOL col);
    void Update(UINT flags);

    CGXGridParam m_param;
    std::unique_ptr<tablegrid::Model> m_model;
    std::unique_ptr<tablegrid::Editor> m_editor;
    ROWCOL m_curRow = 0, m_curCol = 0;
    ROWCOL m_topRow = 1, m_leftCol = 1;
    ROWCOL m_anchorRow = 0, m_anchorCol = 0;
    // A selection dragged with the left button: the cell it reached last (column 0: whole rows).
    bool m_dragSelecting = false;
    ROWCOL m_dragRow = 0, m_dragCol = 0;
    CPoint m_dragPoint; // where the mouse was last, for scrolling on while it rests outside
    // A row or column being sized by the person: its index (0: none) and where it starts.
    ROWCOL m_trackRow = 0, m_trackCol = 0;
    int m_trackStart = 0;
    BOOL m_lockUpdate = FALSE;
    BOOL m_initialized = FALSE;
};

MISC_PUBLIC_END
