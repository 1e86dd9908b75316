#pragma once
// The table grid's control: what ties the model, the renderer and the editors to the window
// (scroll bars, the keyboard, the mouse). A friend of CGXGridWnd; every function takes the grid.
#include "render.h"

namespace tablegrid {

class Control {
public:
    static Model& ModelOf(CGXGridWnd& g) { return *g.m_model; }
    static const Model& ModelOf(const CGXGridWnd& g) { return *g.m_model; }
    static Editor& EditorOf(CGXGridWnd& g) { return *g.m_editor; }
    static Layout LayoutOf(const CGXGridWnd& g);

    static void UpdateScrollBars(CGXGridWnd& g);
    // Keeps the top row and left column within the grid.
    static void ClampScroll(CGXGridWnd& g);
    // Scrolls so that the cell is shown whole (as far as it fits); true when it scrolled.
    static bool ScrollInView(CGXGridWnd& g, ROWCOL row, ROWCOL col);
    // Moves the open editor with its cell (hidden while the cell is scrolled away).
    static void PlaceEditor(CGXGridWnd& g);
    // Rows were inserted before `at` (count > 0): the selection and the current cell follow.
    static void ShiftRows(CGXGridWnd& g, ROWCOL at, long long count);
    // Rows from..to are about to go: the selection and the current cell follow.
    static void DropRows(CGXGridWnd& g, ROWCOL from, ROWCOL to);

    // The window's messages; false when the grid does not handle the message.
    static bool Handle(CGXGridWnd& g, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    // Sizing rows and columns by their edges in the headers: the edge under a point (a column's
    // when `column`), the press that starts sizing, the mouse that follows, the release.
    static bool EdgeAt(const CGXGridWnd& g, CPoint pt, bool& column, ROWCOL& index, int& start);
    static bool BeginTrack(CGXGridWnd& g, CPoint pt);
    static void TrackTo(CGXGridWnd& g, CPoint pt);
    static void EndTrack(CGXGridWnd& g);
    // A selection dragged from the cell just pressed: starts it, follows the mouse, ends it.
    static void BeginDragSelect(CGXGridWnd& g, ROWCOL row, ROWCOL col);
    static void DragSelectTo(CGXGridWnd& g, CPoint pt);
    static void EndDragSelect(CGXGridWnd& g);
    // Selection by the person: a click or key at (row, col) with the modifiers held.
    static void SelectByPerson(CGXGridWnd& g, ROWCOL row, ROWCOL col, bool shift, bool ctrl, bool byKey);
    // Toggles a check cell as a person does (a click on it, or Space); false when it cannot.
    static bool ToggleCheck(CGXGridWnd& g, ROWCOL row, ROWCOL col);
    // Opens the editor of the current cell with a starting text (typing) or the cell's value.
    static bool BeginEdit(CGXGridWnd& g, const CString* typed, bool dropDown);
    // Sets a cell's value as the person's edit: undo entry, OnModifyCell, repaint.
    static void StoreByPerson(CGXGridWnd& g, ROWCOL row, ROWCOL col, const CString& text);

private:
    static void OnPaint(CGXGridWnd& g);
    static void OnScroll(CGXGridWnd& g, bool vertical, int code);
    static void OnButtonDown(CGXGridWnd& g, UINT msg, WPARAM wp, CPoint pt);
    static bool OnKeyDown(CGXGridWnd& g, UINT vk);
    static void OnChar(CGXGridWnd& g, UINT ch);
    static void OnEditorKey(CGXGridWnd& g, UINT vk);
    static void MoveCurrent(CGXGridWnd& g, long long dRow, long long dCol, bool extend, bool absoluteRow, ROWCOL row);
};

} // namespace tablegrid
