// What the command layer finds in the resource module: cursors and icons by LoadCursor and
// LoadImage, and the initial list of a dialog's combo box (DLGINIT) when the dialog is created.
#include <windows.h>

#include "gui_fixture.h"

namespace {

class MenuResourcesTest : public guitest::GuiTest {
protected:
    HMODULE Res() { return GetModuleHandleA("misc_res.dll"); }
};

// Counts the opaque pixels a handle draws on a white 32x32 surface.
int DrawnPixels(HICON icon)
{
    MiscSurface surface(32, 32, 0xFFFFFFFFu);
    HDC dc = MiscCreateSurfaceDC(&surface, 0, 0, nullptr);
    DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    DeleteDC(dc);
    int drawn = 0;
    for (uint32_t p : surface.pixels)
        drawn += (p & 0xFFFFFFu) != 0xFFFFFFu;
    return drawn;
}

TEST_F(MenuResourcesTest, CursorsAndIconsAreFoundByNumber)
{
    HCURSOR splitter = LoadCursorA(Res(), MAKEINTRESOURCEA(30980));
    ASSERT_NE(splitter, nullptr) << "the x splitter's cursor";
    EXPECT_EQ(LoadImageA(Res(), MAKEINTRESOURCEA(30980), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE), splitter);
    EXPECT_GT(DrawnPixels(splitter), 40);
    for (UINT id : {9u, 16387u}) {
        HICON icon = static_cast<HICON>(LoadImageA(Res(), MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, 0));
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(LoadIconA(Res(), MAKEINTRESOURCEA(id)), icon) << "shared";
        EXPECT_GT(DrawnPixels(icon), 200) << id;
    }
    EXPECT_EQ(LoadCursorA(Res(), MAKEINTRESOURCEA(30981)), nullptr);
    EXPECT_EQ(LoadImageA(Res(), MAKEINTRESOURCEA(4711), IMAGE_ICON, 0, 0, 0), nullptr);
}

TEST_F(MenuResourcesTest, DialogListsAreFilledBeforeInitDialog)
{
    static LRESULT countAtInit = -1;
    countAtInit = -1;
    DLGPROC proc = [](HWND dialog, UINT msg, WPARAM, LPARAM) -> INT_PTR {
        if (msg == WM_INITDIALOG)
            countAtInit = SendDlgItemMessageA(dialog, 9005, CB_GETCOUNT, 0, 0);
        return FALSE;
    };
    HWND dialog = CreateDialogParamA(Res(), MAKEINTRESOURCEA(9000), nullptr, proc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(countAtInit, 3);
    char text[16] = {0};
    SendDlgItemMessageA(dialog, 9005, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Blue");
    DestroyWindow(dialog);
}

} // namespace
