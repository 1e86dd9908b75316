#pragma once
// The in-place editors of the table grid: an edit box (text and number cells, and the text part
// of a "..." cell) or a drop-down list (combo cells) placed over the current cell while it is
// edited. Check and button cells have no editor; the control toggles or reports them at once.
//
// The editor reports the keys that end an edit (Enter, Escape, Tab, the up and down arrows) and
// its loss of focus to the grid, which stores or drops the text. A closed editor is hidden at
// once and destroyed from the message queue, so an edit can end inside one of the editor's own
// messages.
#include "toolkit/tablegrid.h"

#include <memory>

namespace tablegrid {

// Private messages between the editor windows and the grid.
#define GXM_EDITKEY (WM_APP + 0x0A30)   // wParam: the key that ends the edit
#define GXM_EDITLOST (WM_APP + 0x0A31)  // the editor lost the focus to another window
#define GXM_REAP (WM_APP + 0x0A32)      // destroy closed editor windows

class Editor {
public:
    explicit Editor(CGXGridWnd& grid) : m_grid(grid) {}
    ~Editor();

    bool Active() const { return m_wnd != nullptr; }
    ROWCOL Row() const { return m_row; }
    ROWCOL Col() const { return m_col; }
    bool IsCombo() const { return m_combo; }

    // Opens an editor over `rect` for the cell with its composed style. `text` is the text to
    // start with; `caretAtEnd` puts the caret after it (typing began the edit), otherwise all of
    // it is selected. A combo cell drops its list when `dropDown` is set.
    bool Open(ROWCOL row, ROWCOL col, const CGXStyle& style, const CRect& rect, const CString& text,
              bool caretAtEnd, bool dropDown);
    // The text in the editor now.
    CString Text() const;
    // Hides the editor and queues its destruction.
    void Close();
    void Move(const CRect& rect);
    CWnd* Window() const { return m_wnd.get(); }
    // Destroys the editors closed so far.
    void Reap();

private:
    CGXGridWnd& m_grid;
    std::unique_ptr<CWnd> m_wnd;
    std::unique_ptr<CWnd> m_closed[4];
    ROWCOL m_row = 0, m_col = 0;
    bool m_combo = false;
};

} // namespace tablegrid
