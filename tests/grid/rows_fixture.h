#pragma once
// A property grid in an owner window that records the grid's notifications, for the tests of the
// custom rows. Rows are driven with the mouse and keys through the automation layer.
#include <misc/grid.h>

#include <win32/automation.h>
#include <win32/script.h>

#include <gtest/gtest.h>

#include <vector>

namespace rows_test {

class GridOwner : public CWnd {
public:
    struct Note {
        WPARAM code;
        CXTPPropertyGridItem* item;
    };
    std::vector<Note> notes;

    // How many notifications of this code (for this row, when given) arrived.
    int Count(WPARAM code, CXTPPropertyGridItem* item = nullptr) const
    {
        int n = 0;
        for (const Note& note : notes)
            if (note.code == code && (!item || note.item == item))
                ++n;
        return n;
    }
    int Changes(CXTPPropertyGridItem* item = nullptr) const { return Count(XTP_PGN_ITEMVALUE_CHANGED, item); }

protected:
    afx_msg LRESULT OnGridNotify(WPARAM code, LPARAM item)
    {
        notes.push_back({code, reinterpret_cast<CXTPPropertyGridItem*>(item)});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

class RowsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a row to the category "Rows" (and a plain row "Other" after it, to move the
    // selection to), shows it and returns it.
    template <class Row>
    Row* Add(Row* row)
    {
        m_category->AddChildItem(row);
        if (!m_other)
            m_other = m_category->AddChildItem(new CXTPPropertyGridItem("Other", "x"));
        m_category->Expand();
        MiscSettle();
        return row;
    }

    CXTPPropertyGridView& View() { return m_grid.GetGridView(); }
    HWND ViewHwnd() { return View().GetSafeHwnd(); }
    // A child window's rectangle in the view's client coordinates; empty when it has no window.
    CRect Placed(CWnd& child);
    bool Shows(CWnd& child) { return child.GetSafeHwnd() && child.IsWindowVisible(); }

    // Clicks, as the person would, in a row's value area (at its centre, or at x) or on its
    // caption (the value area of a selected row may be covered by its edit).
    void ClickValue(CXTPPropertyGridItem* row, UINT modifiers = 0);
    void ClickValueAt(CXTPPropertyGridItem* row, int x);
    void ClickCaption(CXTPPropertyGridItem* row, UINT modifiers = 0);
    void RightClickCaption(CXTPPropertyGridItem* row, UINT modifiers = 0);
    void Pause();
    // Moves the selection away to the row "Other".
    void Deselect() { ClickCaption(m_other); }
    // Types text into the focused window and presses Enter.
    void TypeAndEnter(const char* text);

    GridOwner m_owner;
    CXTPPropertyGrid m_grid;
    CXTPPropertyGridItem* m_category = nullptr;
    CXTPPropertyGridItem* m_other = nullptr;
};

} // namespace rows_test
