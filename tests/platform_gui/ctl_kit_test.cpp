// The control kit's shared pieces seen from outside: classes registered once by their attributes.
#include "gui_fixture.h"

#include <afxwin.h>

#include <cstring>

using namespace guitest;

namespace {

class KitTest : public GuiTest {};

TEST_F(KitTest, AfxRegisterWndClassNamesAClassByItsAttributesAndRegistersItOnce)
{
    HBRUSH back = GetSysColorBrush(COLOR_WINDOW);
    LPCSTR a = AfxRegisterWndClass(CS_DBLCLKS, nullptr, back);
    LPCSTR b = AfxRegisterWndClass(CS_DBLCLKS, nullptr, back);
    LPCSTR c = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, nullptr, back);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(a, b);
    EXPECT_STRNE(a, c);
    WNDCLASSA info{};
    ASSERT_TRUE(GetClassInfoA(nullptr, a, &info));
    EXPECT_EQ(info.style & CS_DBLCLKS, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(info.hbrBackground, back);

    // A CWnd made on such a class runs through its message map.
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, a, "kit", WS_POPUP | WS_VISIBLE, 0, 0, 50, 40, nullptr, nullptr));
    char cls[64] = {0};
    GetClassNameA(wnd.m_hWnd, cls, sizeof(cls));
    EXPECT_STREQ(cls, a);
    wnd.DestroyWindow();

    WNDCLASSA own{};
    own.lpfnWndProc = DefWindowProcA;
    own.lpszClassName = "KitOwnClass";
    EXPECT_TRUE(AfxRegisterClass(&own));
    EXPECT_TRUE(AfxRegisterClass(&own)); // already there: still fine
    EXPECT_FALSE(AfxRegisterClass(nullptr));
}

} // namespace
