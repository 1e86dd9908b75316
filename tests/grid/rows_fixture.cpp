// The owner window and grid of the custom-row tests.
#include "rows_fixture.h"

namespace rows_test {

BEGIN_MESSAGE_MAP(GridOwner, CWnd)
ON_MESSAGE(XTPWM_PROPERTYGRID_NOTIFY, OnGridNotify)
END_MESSAGE_MAP()

void RowsTest::SetUp()
{
    MiscResetPlatform();
    ASSERT_TRUE(m_owner.CreateEx(0, "STATIC", "Owner", WS_POPUP | WS_VISIBLE, 20, 20, 360, 420, nullptr, nullptr));
    ASSERT_TRUE(m_grid.Create(CRect(0, 0, 340, 400), &m_owner, 100));
    m_category = m_grid.AddCategory("Rows");
    MiscSettle();
}

void RowsTest::TearDown()
{
    MiscSetKeyState(VK_CONTROL, FALSE);
    m_grid.DestroyWindow();
    m_owner.DestroyWindow();
    MiscResetPlatform();
}

CRect RowsTest::Placed(CWnd& child)
{
    if (!child.GetSafeHwnd())
        return CRect();
    CRect r;
    child.GetWindowRect(&r);
    View().ScreenToClient(&r);
    return r;
}

// Clicks come a second apart, as a person's would, so that two are never a double click.
void RowsTest::Pause() { MiscAdvanceClock(1000); }

void RowsTest::ClickValue(CXTPPropertyGridItem* row, UINT modifiers)
{
    Pause();
    MiscClickAt(ViewHwnd(), row->GetValueRect().CenterPoint(), WM_LBUTTONDOWN, 1, modifiers);
    MiscSettle();
}

void RowsTest::ClickValueAt(CXTPPropertyGridItem* row, int x)
{
    Pause();
    MiscClickAt(ViewHwnd(), CPoint(x, row->GetItemRect().CenterPoint().y));
    MiscSettle();
}

void RowsTest::ClickCaption(CXTPPropertyGridItem* row, UINT modifiers)
{
    Pause();
    CRect r = row->GetItemRect();
    MiscClickAt(ViewHwnd(), CPoint(View().GetDividerPos() - 10, r.CenterPoint().y), WM_LBUTTONDOWN, 1, modifiers);
    MiscSettle();
}

void RowsTest::RightClickCaption(CXTPPropertyGridItem* row, UINT modifiers)
{
    Pause();
    CRect r = row->GetItemRect();
    MiscClickAt(ViewHwnd(), CPoint(View().GetDividerPos() - 10, r.CenterPoint().y), WM_RBUTTONDOWN, 1, modifiers);
    MiscSettle();
}

void RowsTest::TypeAndEnter(const char* text)
{
    HWND focus = GetFocus();
    ASSERT_TRUE(focus) << "nothing has the focus to type into";
    MiscElement(focus).TypeText(text);
    MiscElement(focus).PressKey(VK_RETURN);
    MiscSettle();
}

} // namespace rows_test
