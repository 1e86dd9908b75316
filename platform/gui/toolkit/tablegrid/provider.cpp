// The table grid's window class and its automation provider. Items are the grid's rows by their
// numbers (item 0 the header row, item 1 the first data row) and a cell's column is the grid's
// column number (0 the header column), so a script writes Cell(1, 1) for the first data cell.
#include "control.h"

#include "editors.h"

#include "win32/automation.h"

#include <algorithm>

namespace tablegrid {

namespace {

CGXGridWnd* GridOf(HWND hwnd)
{
    return dynamic_cast<CGXGridWnd*>(CWnd::FromHandlePermanent(hwnd));
}

bool ValidPath(const CGXGridWnd& g, const MiscItemPath& path, ROWCOL& row, ROWCOL& col)
{
    if (path.items.size() != 1 || path.items[0] < 0)
        return false;
    row = static_cast<ROWCOL>(path.items[0]);
    col = path.column < 0 ? GX_INVALID : static_cast<ROWCOL>(path.column);
    return row <= g.GetRowCount() && (col == GX_INVALID || col <= g.GetColCount());
}

POINT Centre(const CRect& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class GridProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        CGXGridWnd* g = GridOf(hwnd);
        if (!g || !parent.IsWholeWindow())
            return 0;
        return static_cast<int>(std::min<ROWCOL>(g->GetRowCount() + 1, 0x7FFFFFFF));
    }

    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        CGXGridWnd* g = GridOf(hwnd);
        if (!g || path.IsWholeWindow()) {
            MiscElementState st = MiscAutomationProvider::Read(hwnd, path);
            if (g)
                st.childCount = ChildCount(hwnd, path);
            return st;
        }
        MiscElementState st;
        ROWCOL row = 0, col = 0;
        if (!ValidPath(*g, path, row, col))
            return st;
        st.exists = true;
        ROWCOL curRow = 0, curCol = 0;
        g->GetCurrentCell(curRow, curCol);
        if (col == GX_INVALID) { // the row: its first cell's text, its place across the columns
            st.text = g->GetValueRowCol(row, 1);
            st.selected = g->IsRowSelected(row);
            CRect first = g->CalcRectFromRowCol(row, 0), last = first;
            for (ROWCOL c = g->GetLeftCol(); c <= g->GetColCount(); ++c) {
                const CRect r = g->CalcRectFromRowCol(row, c);
                if (r.IsRectEmpty())
                    break;
                last = r;
            }
            st.rect = CRect(first.left, first.top, last.right, last.bottom);
            st.childCount = static_cast<int>(g->GetColCount() + 1);
            st.focused = curRow == row && ::GetFocus() == hwnd;
            return st;
        }
        CGXStyle style;
        g->ComposeStyleRowCol(row, col, &style);
        st.text = style.GetValue();
        if ((row == 0 || col == 0) && st.text.empty())
            st.text = DefaultHeaderText(row, col);
        st.rect = g->CalcRectFromRowCol(row, col);
        st.selected = g->IsCellSelected(row, col) != FALSE;
        st.enabled = style.GetEnabled() != FALSE;
        st.focused = curRow == row && curCol == col;
        if (style.GetControl() == GX_IDS_CTRL_CHECKBOX)
            st.checked = style.GetValue() == "1" ? BST_CHECKED : BST_UNCHECKED;
        if (style.GetControl() == GX_IDS_CTRL_COMBOBOX || style.GetControl() == GX_IDS_CTRL_CBS_DROPDOWNLIST) {
            int n = 0;
            for (const char* p = style.GetChoiceList(); *p; ++p)
                n += *p == '\n';
            st.childCount = style.GetChoiceList().IsEmpty() ? 0 : n + 1;
        }
        return st;
    }

    std::vector<std::string> Columns(HWND hwnd) override
    {
        std::vector<std::string> out;
        CGXGridWnd* g = GridOf(hwnd);
        if (!g)
            return out;
        for (ROWCOL c = 0; c <= g->GetColCount(); ++c)
            out.push_back(Read(hwnd, MiscItemPath().Child(0).Cell(static_cast<int>(c))).text);
        return out;
    }

    bool Reveal(HWND hwnd, const MiscItemPath& path) override
    {
        CGXGridWnd* g = GridOf(hwnd);
        ROWCOL row = 0, col = 0;
        if (!g || !ValidPath(*g, path, row, col))
            return false;
        g->ScrollCellInView(row, col == GX_INVALID ? 0 : col, GX_INVALIDATE);
        return !g->CalcRectFromRowCol(row, col == GX_INVALID ? 0 : col).IsRectEmpty();
    }

    bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& a) override
    {
        CGXGridWnd* g = GridOf(hwnd);
        if (g && path.IsWholeWindow() && a.verb == MiscVerb::PressKey) {
            // Keys go to the grid as it stands: a person clicks it only when it lacks the focus.
            if (::GetFocus() != hwnd && !::IsChild(hwnd, ::GetFocus()))
                ::SetFocus(hwnd);
            MiscPressKeyWith(a.value, a.modifiers, ::GetFocus());
            return true;
        }
        if (!g || path.IsWholeWindow())
            return MiscAutomationProvider::Perform(hwnd, path, a);
        ROWCOL row = 0, col = 0;
        if (!ValidPath(*g, path, row, col) || !Reveal(hwnd, path))
            return false;
        // A row is clicked at its header cell, which selects it.
        const ROWCOL at = col == GX_INVALID ? 0 : col;
        const CRect cell = g->CalcRectFromRowCol(row, at);
        switch (a.verb) {
        case MiscVerb::Click:
        case MiscVerb::Select:
            MiscClickAt(hwnd, TextPoint(cell), WM_LBUTTONDOWN, 1, a.modifiers);
            return true;
        case MiscVerb::DoubleClick:
            MiscClickAt(hwnd, TextPoint(cell), WM_LBUTTONDOWN, 2, a.modifiers);
            return true;
        case MiscVerb::RightClick:
            MiscClickAt(hwnd, Centre(cell), WM_RBUTTONDOWN, 1, a.modifiers);
            return true;
        case MiscVerb::SetCheck: {
            for (int i = 0; i < 2 && Read(hwnd, path).checked != a.value; ++i)
                MiscClickAt(hwnd, Centre(cell), WM_LBUTTONDOWN, 1, 0);
            return Read(hwnd, path).checked == a.value;
        }
        case MiscVerb::TypeText:
            return col != GX_INVALID && TypeInto(*g, hwnd, row, col, cell, a.text);
        case MiscVerb::SetValue:
            return col != GX_INVALID && PickChoice(*g, hwnd, row, col, cell, a.value);
        case MiscVerb::PressKey: {
            ROWCOL r = 0, c = 0;
            g->GetCurrentCell(r, c);
            if (::GetFocus() != hwnd || r != row || (col != GX_INVALID && c != col))
                MiscClickAt(hwnd, TextPoint(cell), WM_LBUTTONDOWN, 1, 0);
            MiscPressKeyWith(a.value, a.modifiers, hwnd);
            return true;
        }
        default:
            return false;
        }
    }

private:
    // Inside the cell, left of any button it has.
    static POINT TextPoint(const CRect& cell) { return POINT{cell.left + std::min(6, cell.Width() / 2), (cell.top + cell.bottom) / 2}; }

    // Makes the cell current (a click) and opens its editor (F2 or F4), as a person would.
    static HWND OpenEditor(CGXGridWnd& g, HWND hwnd, ROWCOL row, ROWCOL col, const CRect& cell, bool dropDown)
    {
        ROWCOL r = 0, c = 0;
        g.GetCurrentCell(r, c);
        if (r != row || c != col || ::GetFocus() != hwnd)
            MiscClickAt(hwnd, TextPoint(cell), WM_LBUTTONDOWN, 1, 0);
        if (!g.IsActiveCurrentCell())
            MiscPressKeyWith(dropDown ? VK_F4 : VK_F2, 0, hwnd);
        CWnd* ed = g.GetEditorWnd();
        return ed ? ed->m_hWnd : nullptr;
    }

    static bool TypeInto(CGXGridWnd& g, HWND hwnd, ROWCOL row, ROWCOL col, const CRect& cell, const std::string& text)
    {
        CGXStyle style;
        g.ComposeStyleRowCol(row, col, &style);
        if (style.GetControl() == GX_IDS_CTRL_CBS_DROPDOWNLIST) {
            const CString choices = style.GetChoiceList();
            int index = 0;
            for (const char *p = choices, *start = p;; ++p) {
                if (*p == '\n' || !*p) {
                    std::string item(start, static_cast<size_t>(p - start));
                    if (!item.empty() && item.back() == '\r')
                        item.pop_back();
                    if (item == text)
                        return PickChoice(g, hwnd, row, col, cell, index);
                    if (!*p)
                        return false;
                    ++index;
                    start = p + 1;
                }
            }
        }
        HWND ed = OpenEditor(g, hwnd, row, col, cell, false);
        if (!ed)
            return false;
        if (!MiscElement(ed).TypeText(text))
            return false;
        HWND focus = ::GetFocus();
        MiscPressKeyWith(VK_RETURN, 0, focus ? focus : ed);
        return !g.IsActiveCurrentCell();
    }

    static bool PickChoice(CGXGridWnd& g, HWND hwnd, ROWCOL row, ROWCOL col, const CRect& cell, int index)
    {
        HWND ed = OpenEditor(g, hwnd, row, col, cell, true);
        if (!ed || index < 0)
            return false;
        MiscElement item = MiscElement(ed).Item(index);
        if (!item.Exists())
            return false;
        const std::string choice = item.Text();
        item.Select(); // the choice stores the cell and closes the editor (its window may go)
        if (g.IsActiveCurrentCell()) { // the choice was the one shown: the list closes, Enter stores
            HWND focus = ::GetFocus();
            MiscPressKeyWith(VK_RETURN, 0, focus ? focus : ed);
        }
        return !g.IsActiveCurrentCell() && std::string(g.GetValueRowCol(row, col)) == choice;
    }
};

LRESULT CALLBACK GridClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    return ::DefWindowProcA(hwnd, msg, wp, lp);
}

} // namespace

} // namespace tablegrid

void GXInit()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = tablegrid::GridClassProc;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = GX_GRID_CLASS;
    ::RegisterClassExA(&wc);
    MiscRegisterAutomationProvider(GX_GRID_CLASS, std::make_shared<tablegrid::GridProvider>());
}
