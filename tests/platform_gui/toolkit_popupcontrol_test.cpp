// The toolkit's pop-up control: its states on the virtual clock with each animation, the hide
// timer and the mouse, item clicks, dragging, and a parent that deletes the pop-up when told it
// closed.
#include "gui_fixture.h"

#include <afxwin.h>

#include <memory>
#include <vector>

#include "toolkit/popupcontrol.h"
#include "win32/automation.h"

using namespace guitest;

namespace {

COLORREF Pixel(const MiscSurface& s, int x, int y)
{
    return MiscColorFromPixel(s.row(y)[x]);
}

// A person's drag on the screen: the window moves under the mouse, the mouse follows the screen.
void DragOnScreen(CPoint from, int dx, int dy)
{
    MiscSendMouseAt(WM_MOUSEMOVE, from.x, from.y);
    MiscSendMouseAt(WM_LBUTTONDOWN, from.x, from.y);
    for (int i = 1; i <= 4; ++i)
        MiscSendMouseAt(WM_MOUSEMOVE, from.x + dx * i / 4, from.y + dy * i / 4);
    MiscSendMouseAt(WM_LBUTTONUP, from.x + dx, from.y + dy);
}

struct PopupNote {
    WPARAM code;
    LPARAM data;
    int state; // the pop-up's state when the note came (code 2), else -1
};

// The window the pop-ups report to. With deleteOnClose it deletes a pop-up on its closed
// notification, as an owner of many pop-ups does.
class PopupParent : public CWnd {
public:
    std::vector<PopupNote> notes;
    bool deleteOnClose = false;
    bool hideOnClick = false;
    CXTPPopupControl* owned = nullptr;

    void Make()
    {
        CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP | WS_VISIBLE, 100, 100, 600, 400, nullptr, nullptr);
    }
    std::vector<int> States() const
    {
        std::vector<int> out;
        for (const PopupNote& n : notes)
            if (n.code == XTP_PCN_STATECHANGED)
                out.push_back(n.state);
        return out;
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg != XTPPopupControlNotifyMessage() || !msg)
            return CWnd::WindowProc(msg, wParam, lParam);
        auto* popup = reinterpret_cast<CXTPPopupControl*>(lParam);
        const int state = wParam == XTP_PCN_STATECHANGED ? popup->GetPopupState() : -1;
        notes.push_back({wParam, lParam, state});
        if (hideOnClick && wParam == XTP_PCN_ITEMCLICK) {
            reinterpret_cast<CXTPPopupItem*>(lParam)->GetPopupControl()->Hide();
            return 0;
        }
        if (deleteOnClose && state == xtpPopupStateClosed && popup == owned) {
            delete owned;
            owned = nullptr;
        }
        return 0;
    }
};

class PopupControlTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        parent.Make();
    }
    void TearDown() override
    {
        delete popup;
        popup = nullptr;
        delete parent.owned;
        parent.owned = nullptr;
        parent.DestroyWindow();
        GuiTest::TearDown();
    }
    // A 200 x 100 pop-up at (700, 500) with a background, a text and a close button.
    CXTPPopupControl* Make(XTPPopupAnimation animation, UINT showDelay = 3000)
    {
        auto* p = new CXTPPopupControl;
        p->AddItem(new CXTPPopupItem(CRect(0, 0, 200, 100), nullptr, RGB(255, 255, 225)));
        p->AddItem(new CXTPPopupItem(CRect(10, 30, 190, 60), "Something happened"));
        CXTPPopupItem* close = p->AddItem(new CXTPPopupItem(CRect(178, 4, 194, 20)));
        close->SetButton(TRUE);
        close->SetID(495);
        p->SetPopupAnimation(animation);
        p->SetAnimateDelay(500);
        p->SetShowDelay(showDelay);
        p->SetPopupSize(CSize(200, 100));
        p->SetPopupPos(CPoint(700, 500));
        return p;
    }
    CRect WindowRect(CXTPPopupControl* p)
    {
        CRect r;
        p->GetWindowRect(&r);
        return r;
    }

    PopupParent parent;
    CXTPPopupControl* popup = nullptr;
};

TEST_F(PopupControlTest, SlideExpandsUpwardStaysForItsDelayAndCollapses)
{
    popup = Make(xtpPopupAnimationSlide);
    ASSERT_TRUE(popup->Show(&parent));
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateExpanding);
    EXPECT_TRUE(popup->IsWindowVisible());
    MiscAdvanceClock(250);
    CRect half = WindowRect(popup);
    EXPECT_EQ(half.BottomRight(), CPoint(700, 500)) << "the bottom-right corner stays put";
    EXPECT_EQ(half.Width(), 200);
    EXPECT_GT(half.Height(), 20);
    EXPECT_LT(half.Height(), 80) << "half-way through the slide";
    MiscAdvanceClock(300);
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateShow);
    EXPECT_EQ(WindowRect(popup), CRect(500, 400, 700, 500));
    MiscAdvanceClock(2900);
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateShow) << "the show delay is not over";
    MiscAdvanceClock(200);
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateCollapsing);
    MiscAdvanceClock(600);
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateClosed);
    EXPECT_FALSE(popup->IsWindowVisible());
    EXPECT_EQ(parent.States(), (std::vector<int>{1, 2, 3, 0}));
}

TEST_F(PopupControlTest, FadeRaisesTheAlphaAndUnfoldGrowsFromTheCorner)
{
    popup = Make(xtpPopupAnimationFade);
    popup->Show(&parent);
    MiscAdvanceClock(250);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(popup->GetSafeHwnd(), nullptr, &alpha, &flags));
    EXPECT_GT(alpha, 60);
    EXPECT_LT(alpha, 200);
    EXPECT_EQ(WindowRect(popup), CRect(500, 400, 700, 500)) << "a fade keeps the whole window";
    MiscAdvanceClock(300);
    ::GetLayeredWindowAttributes(popup->GetSafeHwnd(), nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 255);

    delete popup;
    popup = Make(xtpPopupAnimationUnfold);
    popup->Show(&parent);
    MiscAdvanceClock(250);
    const CRect r = WindowRect(popup);
    EXPECT_EQ(r.BottomRight(), CPoint(700, 500));
    EXPECT_LT(r.Width(), 200);
    EXPECT_LT(r.Height(), 100);
}

TEST_F(PopupControlTest, NoAnimationAndNoDelay)
{
    popup = Make(xtpPopupAnimationNone, 0);
    popup->Show(&parent);
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateShow) << "shown at once";
    MiscAdvanceClock(60000);
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateShow) << "a delay of 0 keeps it";
    popup->Hide();
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateClosed) << "without animation a hide closes at once";
    EXPECT_EQ(parent.States(), (std::vector<int>{2, 0}));
}

TEST_F(PopupControlTest, TheMouseHoldsAShownPopupAndRescuesACollapsingOne)
{
    popup = Make(xtpPopupAnimationSlide);
    popup->Show(&parent);
    MiscAdvanceClock(600);
    MiscSendMouseAt(WM_MOUSEMOVE, 600, 460);
    MiscAdvanceClock(10000);
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateShow) << "held while the mouse is over it";
    MiscSendMouseAt(WM_MOUSEMOVE, 300, 300); // over the parent: the pop-up is left
    MiscAdvanceClock(2900);
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateShow) << "the delay counts from the leave";
    MiscAdvanceClock(200);
    ASSERT_EQ(popup->GetPopupState(), xtpPopupStateCollapsing);
    MiscAdvanceClock(100);
    MiscSendMouseAt(WM_MOUSEMOVE, 600, 495); // over what is left of it
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateShow);
    EXPECT_EQ(WindowRect(popup), CRect(500, 400, 700, 500)) << "whole again";
}

TEST_F(PopupControlTest, ButtonClicksReachTheParent)
{
    popup = Make(xtpPopupAnimationNone);
    popup->Show(&parent);
    MiscElement close = MiscElement(popup->GetSafeHwnd()).Item("495");
    ASSERT_TRUE(close.Exists());
    ASSERT_TRUE(close.Click());
    ASSERT_EQ(parent.notes.back().code, static_cast<WPARAM>(XTP_PCN_ITEMCLICK));
    EXPECT_EQ(parent.notes.back().data, reinterpret_cast<LPARAM>(popup->GetItem(2)));

    // Text is no button; a press on the button released elsewhere clicks nothing.
    parent.notes.clear();
    ASSERT_TRUE(MiscElement(popup->GetSafeHwnd()).Item("Something happened").Click());
    MiscSendMouseAt(WM_LBUTTONDOWN, 500 + 186, 400 + 12);
    MiscSendMouseAt(WM_MOUSEMOVE, 500 + 100, 400 + 50);
    MiscSendMouseAt(WM_LBUTTONUP, 500 + 100, 400 + 50);
    EXPECT_TRUE(parent.notes.empty());
}

TEST_F(PopupControlTest, DraggingMovesItWhenAllowed)
{
    popup = Make(xtpPopupAnimationNone);
    popup->Show(&parent);
    DragOnScreen(CPoint(600, 450), -40, -30);
    EXPECT_EQ(popup->GetPopupPos(), CPoint(700, 500)) << "moving is off by default";
    EXPECT_TRUE(parent.notes.size() == 1 && parent.notes[0].code == XTP_PCN_STATECHANGED);

    popup->AllowMove(TRUE);
    DragOnScreen(CPoint(600, 450), -40, -30);
    EXPECT_EQ(popup->GetPopupPos(), CPoint(660, 470));
    EXPECT_EQ(WindowRect(popup), CRect(460, 370, 660, 470));
    ASSERT_EQ(parent.notes.back().code, static_cast<WPARAM>(XTP_PCN_POSCHANGED));
    EXPECT_EQ(parent.notes.back().data, reinterpret_cast<LPARAM>(popup));
}

TEST_F(PopupControlTest, AParentMayDeleteThePopupWhenItCloses)
{
    parent.deleteOnClose = true;
    parent.owned = Make(xtpPopupAnimationSlide);
    HWND hwnd = (parent.owned->Show(&parent), parent.owned->GetSafeHwnd());
    MiscAdvanceClock(600 + 3000 + 600);
    EXPECT_EQ(parent.owned, nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));

    // Closed from the parent's own handler of a click, without animation: the pop-up is gone
    // before the click's message returns to it.
    parent.hideOnClick = true;
    parent.owned = Make(xtpPopupAnimationNone);
    parent.owned->Show(&parent);
    hwnd = parent.owned->GetSafeHwnd();
    ASSERT_TRUE(MiscElement(hwnd).Item("495").Click());
    EXPECT_EQ(parent.owned, nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(PopupControlTest, ItemsMeasureTheirTextAndLoadIcons)
{
    popup = Make(xtpPopupAnimationNone);
    CXTPPopupItem* one = popup->AddItem(new CXTPPopupItem(CRect(0, 0, 150, 0), "one line"));
    CXTPPopupItem* three = popup->AddItem(
        new CXTPPopupItem(CRect(0, 0, 150, 0), "a longer text that needs to wrap onto more than one line of the item"));
    const int h1 = one->CalculateHeight();
    const int h3 = three->CalculateHeight();
    EXPECT_GT(h1, 8);
    EXPECT_GE(h3, 2 * h1);
    EXPECT_EQ(three->GetRect().Height(), h3);

    // Icons 9 and 16387 of the resource module (the property dialog's and the list editor's).
    CCallResourceScope scope;
    CXTPPopupItem* icon = popup->AddItem(new CXTPPopupItem(CRect(0, 0, 32, 32)));
    EXPECT_FALSE(icon->SetIcon(64999u, 7)) << "no module has it";
    EXPECT_TRUE(icon->SetIcon(9u, xtpPopupItemIconNormal));
    EXPECT_EQ(icon->GetIconID(xtpPopupItemIconPressed), 9u) << "falls back to normal";
    EXPECT_TRUE(icon->SetIcon(16387u, xtpPopupItemIconPressed));
    EXPECT_EQ(icon->GetIconID(xtpPopupItemIconPressed), 16387u);
    EXPECT_EQ(icon->GetIconID(xtpPopupItemIconSelected), 9u);
}

TEST_F(PopupControlTest, ItemsPaintInOrderAndFadeBlendsWithTheDesktop)
{
    popup = Make(xtpPopupAnimationFade);
    popup->Show(&parent);
    MiscAdvanceClock(600);
    MiscSurface shown = MiscCaptureWindow(nullptr);
    const COLORREF inside = Pixel(shown, 520, 490);
    EXPECT_EQ(inside, RGB(255, 255, 225)) << "the background item covers the paint manager's fill";
    popup->Hide();
    MiscAdvanceClock(250);
    MiscSurface fading = MiscCaptureWindow(nullptr);
    const COLORREF blend = Pixel(fading, 520, 490);
    EXPECT_NE(blend, inside);
    EXPECT_NE(blend, Pixel(fading, 480, 490)) << "neither the pop-up nor what is under it";
}

} // namespace
