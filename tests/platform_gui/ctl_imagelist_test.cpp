// Image lists: adding bitmaps cut into images, masks by colour and by bitmap, drawing with the
// draw styles, removing, handles that are no longer valid, and CImageList from a resource.
#include "gui_fixture.h"

#include <afxwin.h>

#include <cstring>
#include <vector>

#include "win32/module.h"
#include "win32/surface.h"

using namespace guitest;

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

// A 24-bit bitmap file of two 4x4 images side by side: red with a key-coloured corner, then blue.
std::vector<uint8_t> TwoImagesBmp()
{
    const int w = 8, h = 4, stride = 24;
    std::vector<uint8_t> f(54 + static_cast<size_t>(stride * h), 0);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&f[at], &v, 4); };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, static_cast<uint32_t>(f.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    f[26] = 1;
    f[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            COLORREF c = x < 4 ? RGB(200, 0, 0) : RGB(0, 0, 200);
            if (x == 0 && y == 0)
                c = kKey;
            uint8_t* p = &f[54 + static_cast<size_t>((h - 1 - y) * stride + x * 3)]; // bottom-up rows
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return f;
}

class ImageListTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        file = TwoImagesBmp();
        bitmap = MiscCreateBitmapFromBmp(file.data(), file.size());
        ASSERT_NE(bitmap, nullptr);
        surface = MiscSurface(16, 8, 0xFFFFFFFFu);
        dc = MiscCreateSurfaceDC(&surface, 0, 0, nullptr);
    }
    void TearDown() override
    {
        DeleteDC(dc);
        DeleteObject(bitmap);
        GuiTest::TearDown();
    }
    COLORREF At(int x, int y) { return MiscColorFromPixel(surface.row(y)[x]); }
    std::vector<uint8_t> file;
    HBITMAP bitmap = nullptr;
    MiscSurface surface;
    HDC dc = nullptr;
};

TEST_F(ImageListTest, ABitmapIsCutIntoImagesAndTheKeyColourIsTransparent)
{
    HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR24 | ILC_MASK, 4, 4);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_AddMasked(list, bitmap, kKey), 0);
    EXPECT_EQ(ImageList_AddMasked(list, bitmap, kKey), 2);
    EXPECT_EQ(ImageList_GetImageCount(list), 4);
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 4);
    EXPECT_EQ(cy, 4);

    ASSERT_TRUE(ImageList_Draw(list, 0, dc, 2, 2, ILD_TRANSPARENT));
    EXPECT_EQ(At(2, 2), RGB(255, 255, 255)); // the key-coloured corner lets the white through
    EXPECT_EQ(At(3, 2), RGB(200, 0, 0));
    EXPECT_EQ(At(5, 5), RGB(200, 0, 0));
    EXPECT_EQ(At(6, 6), RGB(255, 255, 255)); // outside the image
    ASSERT_TRUE(ImageList_Draw(list, 1, dc, 8, 0, ILD_NORMAL));
    EXPECT_EQ(At(8, 0), RGB(0, 0, 200));
    // The mask: black where the image is, white where it is transparent.
    ASSERT_TRUE(ImageList_Draw(list, 0, dc, 12, 4, ILD_MASK));
    EXPECT_EQ(At(12, 4), RGB(255, 255, 255));
    EXPECT_EQ(At(13, 4), RGB(0, 0, 0));
    // A background colour fills the transparent pixels of ILD_NORMAL drawing.
    ImageList_SetBkColor(list, RGB(0, 255, 0));
    ImageList_Draw(list, 0, dc, 2, 2, ILD_NORMAL);
    EXPECT_EQ(At(2, 2), RGB(0, 255, 0));
    // Selected images are blended with the highlight colour.
    ImageList_Draw(list, 1, dc, 8, 4, ILD_SELECTED);
    EXPECT_NE(At(8, 4), RGB(0, 0, 200));

    EXPECT_FALSE(ImageList_Draw(list, 4, dc, 0, 0, ILD_NORMAL));
    EXPECT_TRUE(ImageList_Remove(list, 0));
    EXPECT_EQ(ImageList_GetImageCount(list), 3);
    EXPECT_FALSE(ImageList_Remove(list, 3));
    EXPECT_TRUE(ImageList_Remove(list, -1));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_TRUE(ImageList_Destroy(list));
    // A destroyed list is refused, not read.
    EXPECT_FALSE(ImageList_Destroy(list));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_EQ(ImageList_Add(list, bitmap, nullptr), -1);
    EXPECT_EQ(ImageList_Create(0, 4, 0, 0, 0), nullptr);
}

TEST_F(ImageListTest, AMaskBitmapMarksTransparencyOnlyInMaskedLists)
{
    MiscSurface maskPixels(8, 4, 0xFF000000u);
    maskPixels.row(1)[1] = 0xFFFFFFFFu; // white: transparent
    HBITMAP mask = CreateBitmap(8, 4, 1, 32, maskPixels.pixels.data());
    ASSERT_NE(mask, nullptr);
    HIMAGELIST masked = ImageList_Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 2);
    HIMAGELIST plain = ImageList_Create(4, 4, ILC_COLOR24, 2, 2);
    EXPECT_EQ(ImageList_Add(masked, bitmap, mask), 0);
    EXPECT_EQ(ImageList_Add(plain, bitmap, mask), 0);
    ImageList_Draw(masked, 0, dc, 0, 0, ILD_TRANSPARENT);
    ImageList_Draw(plain, 0, dc, 8, 0, ILD_TRANSPARENT);
    EXPECT_EQ(At(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(At(9, 1), RGB(200, 0, 0));
    ImageList_Destroy(masked);
    ImageList_Destroy(plain);
    DeleteObject(mask);
}

TEST_F(ImageListTest, CImageListComesFromABitmapResource)
{
    MiscResBlob blob{610, nullptr, file.data(), file.size()};
    const MiscResourceTable table = {nullptr, 0, nullptr, 0, nullptr, 0, &blob, 1, nullptr, 0};
    HMODULE module = MiscRegisterModule("imagelist_test.dll", &table);
    HINSTANCE old = AfxGetResourceHandle();
    AfxSetResourceHandle(module);
    {
        CImageList images;
        ASSERT_TRUE(images.Create(610, 4, 0, kKey));
        EXPECT_EQ(images.GetImageCount(), 2);
        CDC* cdc = CDC::FromHandle(dc);
        EXPECT_TRUE(images.Draw(cdc, 1, CPoint(0, 0), ILD_TRANSPARENT));
        EXPECT_EQ(At(0, 0), RGB(0, 0, 200));
        EXPECT_FALSE(images.Create(611, 4, 0, kKey)); // no such resource
    }
    AfxSetResourceHandle(old);
    MiscUnregisterModule("imagelist_test.dll");
}

} // namespace
