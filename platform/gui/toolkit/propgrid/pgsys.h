#pragma once
// Inside the property grid: the view's state (shown rows and their places, selection, scrolling,
// the editors it owns) and the helpers its parts share. Not a public header.
#include "toolkit/propertygrid.h"

#include <vector>

namespace pgsys {

// Pixel sizes of the control.
constexpr int kButtonWidth = 15;   // in-place button at the right of the value
constexpr int kGlyphSize = 9;      // the +/- box of expandable rows
constexpr int kIndent = 14;        // caption indent per tree level (and the glyph margin)
constexpr int kSplitterHeight = 4; // between view and help pane
constexpr int kMinColumn = 16;     // the divider keeps this much of either column

// The shown rows with the y of each row's top in the whole list (not scrolled).
struct Layout {
    std::vector<CXTPPropertyGridItem*> rows;
    std::vector<int> tops; // rows.size() + 1 entries; tops.back() is the list's height
};

// Collects the rows shown under `items` (a parent's children shown when it is expanded;
// categories' children always shown while the category is expanded) in display order.
void CollectShown(const CXTPPropertyGridItems* items, std::vector<CXTPPropertyGridItem*>& out);

// Depth of a row in the tree (0 for categories and top-level rows).
int Depth(const CXTPPropertyGridItem* item);

// The view's font and a bold variant; created once per view.
HFONT ViewFont();
HFONT BoldFont();

} // namespace pgsys

struct CXTPPropertyGridView::Impl {
    CXTPPropertyGridView* self = nullptr;
    pgsys::Layout layout;
    CXTPPropertyGridItem* selected = nullptr;
    int topIndex = 0;
    int defaultHeight = 0; // 0 until measured from the font
    bool dirty = true;     // the tree changed: Refresh before the next use
    bool inRefresh = false;
    bool draggingDivider = false;

    CXTPPropertyGridInplaceEdit edit;
    CXTPPropertyGridInplaceButton button;
    CXTPPropertyGridInplaceList list;

    // Layout.
    void Rebuild();                       // the shown rows, their indices, SetVisible calls
    void EnsureLayout();                  // Rebuild when dirty
    int RowHeight(const CXTPPropertyGridItem* item) const;
    int ClientWidth() const;
    int ClientHeight() const;
    CRect RowRect(int index) const;       // view client coordinates (scrolled)
    int IndexFromY(int y) const;          // -1 below the last row
    int VisibleCount() const;             // rows that fit fully from topIndex (at least 1)
    int MaxTopIndex() const;
    void UpdateScrollBar();
    void Forget(CXTPPropertyGridItem* item); // a row is being deleted

    // Selection and scrolling.
    void Select(CXTPPropertyGridItem* item, bool notify = true);
    void EnsureVisible(int index);
    void SetTop(int index);
    void PlaceEditors();                  // re-place the selected row's editors after a move
    void HideEditors();

    // Painting.
    void Paint(CDC& dc);
    void PaintRow(CDC& dc, CXTPPropertyGridItem* item, const CRect& rc);

    // Input.
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    void LButtonDown(UINT flags, CPoint pt);
    void LButtonDblClk(UINT flags, CPoint pt);
    void RButtonDown(UINT flags, CPoint pt);
    void MouseMove(UINT flags, CPoint pt);
    void LButtonUp(UINT flags, CPoint pt);
    bool KeyDown(UINT key);
    bool Char(UINT ch);
    void VScroll(UINT code);
    void Wheel(short delta);
    bool OnGlyph(const CXTPPropertyGridItem* item, CPoint pt) const;
    void ToggleExpand(CXTPPropertyGridItem* item);
    void OpenEditor(CXTPPropertyGridItem* item);
    LRESULT Notify(WPARAM code, CXTPPropertyGridItem* item);
};
