// The standard controls' providers: typing over an edit's text, check boxes cycled to a state,
// a track bar's thumb dragged to a value its channel cannot show exactly, up-down arrows clicked
// towards a value on a range that runs backwards.
#include "ctl_test_parent.h"
#include "gui_fixture.h"

#include <afxcmn.h>
#include "win32/automation.h"

#include <string>

using namespace guitest;

namespace {

class AutoControlTest : public GuiTest {};

std::string TextOf(HWND hwnd)
{
    char text[128] = {0};
    GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

TEST_F(AutoControlTest, TypingReplacesAllTheTextOutsideADialogToo)
{
    NoteParent parent;
    HWND edit = parent.Child("Edit", WS_BORDER | ES_AUTOHSCROLL, 1, 10, 10, 150, 22, "old text");
    MiscElement e(edit);
    ASSERT_TRUE(e.TypeText("new"));
    EXPECT_EQ(TextOf(edit), "new");
    ASSERT_TRUE(e.TypeText(""));
    EXPECT_EQ(TextOf(edit), "");

    HWND multi = parent.Child("Edit", WS_BORDER | ES_MULTILINE | ES_WANTRETURN, 2, 10, 40, 150, 80, "a\r\nb\r\nc");
    ASSERT_TRUE(MiscElement(multi).TypeText("x\ny"));
    EXPECT_EQ(TextOf(multi), "x\r\ny");

    // What the control refuses from a keyboard, it refuses from a script.
    HWND number = parent.Child("Edit", WS_BORDER | ES_NUMBER, 3, 10, 130, 150, 22);
    ASSERT_TRUE(MiscElement(number).TypeText("12a3"));
    EXPECT_EQ(TextOf(number), "123");
    HWND locked = parent.Child("Edit", WS_BORDER | ES_READONLY, 4, 10, 160, 150, 22, "fixed");
    MiscElement(locked).TypeText("changed");
    EXPECT_EQ(TextOf(locked), "fixed");
}

TEST_F(AutoControlTest, SetCheckClicksThroughTheStatesAndRefusesOtherButtons)
{
    NoteParent parent;
    HWND tri = parent.Child("Button", BS_AUTO3STATE, 1, 10, 10, 100, 20, "&Lined");
    MiscElement box(tri);
    EXPECT_EQ(box.Text(), "Lined");
    EXPECT_EQ(box.State().checked, BST_UNCHECKED);
    parent.notes.clear();
    ASSERT_TRUE(box.SetCheck(BST_INDETERMINATE));
    EXPECT_EQ(SendMessageA(tri, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(parent.Codes(WM_COMMAND), (std::vector<UINT>{BN_CLICKED, BN_CLICKED}));
    ASSERT_TRUE(box.SetCheck(BST_INDETERMINATE)); // already there: no click
    EXPECT_EQ(parent.notes.size(), 2u);
    HWND push = parent.Child("Button", BS_PUSHBUTTON, 2, 10, 40, 100, 20, "Go");
    EXPECT_EQ(MiscElement(push).State().checked, -1);
    EXPECT_FALSE(MiscElement(push).SetCheck(BST_CHECKED));
    HWND two = parent.Child("Button", BS_AUTOCHECKBOX, 3, 10, 70, 100, 20, "Two");
    EXPECT_FALSE(MiscElement(two).SetCheck(BST_INDETERMINATE)); // a two-state box never gets there
}

TEST_F(AutoControlTest, TheTrackBarThumbIsDraggedAndTheKeysFinishTheMove)
{
    NoteParent parent;
    CSliderCtrl slider;
    slider.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 130, 40), CWnd::FromHandle(parent.hwnd), 4);
    slider.SetRange(0, 1000); // far more values than the channel has pixels
    MiscElement e(slider.m_hWnd);
    parent.notes.clear();
    ASSERT_TRUE(e.SetValue(537));
    EXPECT_EQ(slider.GetPos(), 537);
    EXPECT_EQ(e.State().value, 537);
    ASSERT_FALSE(parent.notes.empty());
    EXPECT_EQ(parent.notes.front().code, static_cast<UINT>(TB_THUMBTRACK));
    ASSERT_TRUE(e.SetValue(5000)); // past the end: the thumb stops there
    EXPECT_EQ(slider.GetPos(), 1000);
    slider.SetRange(0, 10); // few values: the drag alone lands on the value
    parent.notes.clear();
    ASSERT_TRUE(e.SetValue(3));
    EXPECT_EQ(slider.GetPos(), 3);
    EXPECT_EQ(parent.Codes(WM_HSCROLL), (std::vector<UINT>{TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK}));
}

TEST_F(AutoControlTest, UpDownArrowsAreClickedTowardsTheValue)
{
    NoteParent parent;
    HWND spin = parent.Child(UPDOWN_CLASSA, 0, 6, 10, 10, 16, 24);
    SendMessageA(spin, UDM_SETRANGE32, 10, 0); // runs backwards: the up arrow lowers it
    SendMessageA(spin, UDM_SETPOS32, 0, 2);
    MiscElement e(spin);
    EXPECT_EQ(e.Item(1).Text(), "Up");
    ASSERT_TRUE(e.SetValue(5));
    EXPECT_EQ(e.State().value, 5);
    ASSERT_TRUE(e.Item("Up").Click());
    EXPECT_EQ(e.State().value, 4);
    EXPECT_FALSE(e.SetValue(11)); // outside the range: stops at the end
    EXPECT_EQ(e.State().value, 10);
    parent.refuseDelta = 1;
    EXPECT_FALSE(e.SetValue(7)); // the parent refuses every step
    EXPECT_EQ(e.State().value, 10);
}

} // namespace
