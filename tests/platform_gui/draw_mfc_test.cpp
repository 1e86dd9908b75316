// The MFC drawing classes and the classic-look helpers: handle ownership and maps, selection
// round trips, and the pixels of edges, 3-D rectangles, focus and drag rectangles.
#include <afx.h>
#include <png.h>

#include <cstring>
#include <vector>

#include "draw_fixture.h"
#include "mfc/gdi.h"

namespace {

using draw_test::Describe;
using draw_test::SurfaceTest;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class CdcTest : public SurfaceTest {
protected:
    void SetUp() override
    {
        SurfaceTest::SetUp();
        cdc.Attach(dc);
    }
    void TearDown() override
    {
        cdc.Detach();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        SurfaceTest::TearDown();
    }
    CDC cdc;
};

TEST_F(CdcTest, AttachedContextsAreFoundByHandle)
{
    EXPECT_EQ(cdc.GetSafeHdc(), dc);
    EXPECT_EQ(CDC::FromHandle(dc), &cdc);
    HDC mem = CreateCompatibleDC(dc);
    CDC* temp = CDC::FromHandle(mem);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->GetSafeHdc(), mem);
    EXPECT_EQ(CDC::FromHandle(mem), temp);
    CDC::DeleteTempMap(); // the wrapper goes, the context stays
    EXPECT_EQ(GetObjectType(mem), static_cast<DWORD>(OBJ_MEMDC));
    DeleteDC(mem);
}

TEST_F(CdcTest, ACdcDeletesTheContextItCreated)
{
    HDC mem;
    {
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(&cdc));
        mem = memory.GetSafeHdc();
        EXPECT_EQ(GetObjectType(mem), static_cast<DWORD>(OBJ_MEMDC));
    }
    EXPECT_EQ(GetObjectType(mem), 0u);
}

TEST_F(CdcTest, SelectObjectHandsBackThePreviousObjectForRestoring)
{
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush blue(RGB(0, 0, 255));
    CPen* oldPen = cdc.SelectObject(&red);
    CBrush* oldBrush = cdc.SelectObject(&blue);
    ASSERT_NE(oldPen, nullptr);
    EXPECT_EQ(oldPen->GetSafeHandle(), GetStockObject(BLACK_PEN));
    EXPECT_TRUE(oldPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(cdc.GetCurrentPen(), &red);
    cdc.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(5, 5), RGB(0, 0, 255));
    cdc.SelectObject(oldPen);
    cdc.SelectObject(oldBrush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    CGdiObject* stock = cdc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(stock->GetSafeHandle(), GetStockObject(WHITE_BRUSH));
}

TEST_F(CdcTest, GdiObjectsDeleteTheirHandles)
{
    HGDIOBJ handle;
    {
        CBrush brush(RGB(1, 2, 3));
        handle = brush.GetSafeHandle();
        EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
        LOGBRUSH lb{};
        EXPECT_EQ(brush.GetLogBrush(&lb), static_cast<int>(sizeof lb));
        EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
        EXPECT_EQ(CBrush::FromHandle(static_cast<HBRUSH>(handle)), &brush);
    }
    EXPECT_EQ(GetObjectType(handle), 0u);
    CPen pen;
    pen.CreatePen(PS_DASH, 1, kBlack);
    HGDIOBJ h = pen.Detach();
    EXPECT_EQ(pen.GetSafeHandle(), nullptr);
    EXPECT_TRUE(DeleteObject(h));
}

TEST_F(CdcTest, FontsRegionsAndBitmaps)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "MS Shell Dlg", &cdc));
    LOGFONTA lf{};
    font.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -12);
    CFont* old = cdc.SelectObject(&font);
    EXPECT_GT(cdc.GetTextExtent(CString("abc")).cx, 0);
    cdc.SelectObject(old);

    CRgn a, b, c;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateEllipticRgn(5, 5, 20, 20);
    c.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(c.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(c.PtInRegion(15, 12));
    EXPECT_EQ(c.CopyRgn(&a), SIMPLEREGION);
    EXPECT_TRUE(c.EqualRgn(&a));

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&cdc, 5, 4));
    BITMAP bm{};
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(bm.bmWidth, 5);
    CDC mem;
    mem.CreateCompatibleDC(&cdc);
    CBitmap* oldBitmap = mem.SelectObject(&bitmap);
    mem.FillSolidRect(0, 0, 5, 4, RGB(9, 9, 9));
    EXPECT_EQ(mem.GetBkColor(), RGB(9, 9, 9)); // as in MFC, the fill colour stays set
    cdc.BitBlt(20, 20, 5, 4, &mem, 0, 0, SRCCOPY);
    EXPECT_EQ(At(24, 23), RGB(9, 9, 9));
    mem.SelectObject(oldBitmap);
}

TEST_F(CdcTest, Draw3dRectColoursItsEdges)
{
    cdc.Draw3dRect(10, 10, 20, 10, RGB(255, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(At(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(At(28, 10), RGB(255, 0, 0));
    EXPECT_EQ(At(29, 10), RGB(0, 0, 255)); // top-right corner: the bottom-right colour
    EXPECT_EQ(At(10, 19), RGB(0, 0, 255)); // bottom-left corner too
    EXPECT_EQ(At(29, 19), RGB(0, 0, 255));
    EXPECT_EQ(At(15, 15), kWhite);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 30, 20}));
}

TEST_F(CdcTest, DrawEdgeUsesTheClassicColoursAndAdjusts)
{
    Reset(64, 64, GetSysColor(COLOR_BTNFACE));
    cdc.Detach();
    cdc.Attach(dc);
    CRect r(10, 10, 30, 30);
    ASSERT_TRUE(cdc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT | BF_ADJUST));
    EXPECT_EQ(r, CRect(12, 12, 28, 28));
    EXPECT_EQ(At(10, 10), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(At(11, 11), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(At(29, 29), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(At(28, 28), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(At(29, 10), GetSysColor(COLOR_3DHILIGHT));
    CRect raised(40, 10, 60, 30);
    cdc.DrawEdge(&raised, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(At(41, 11), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(At(59, 29), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(At(58, 28), GetSysColor(COLOR_3DSHADOW));
    CRect flat(10, 40, 30, 60);
    cdc.DrawEdge(&flat, EDGE_RAISED, BF_RECT | BF_FLAT);
    EXPECT_EQ(At(10, 40), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(At(29, 59), GetSysColor(COLOR_3DSHADOW));
}

TEST_F(CdcTest, FocusAndDragRectanglesEraseThemselves)
{
    Reset(64, 64, RGB(30, 60, 90));
    cdc.Detach();
    cdc.Attach(dc);
    const CRect r(5, 5, 40, 30);
    cdc.DrawFocusRect(&r);
    const int changed = 64 * 64 - Count(RGB(30, 60, 90));
    EXPECT_GT(changed, 40);
    EXPECT_LT(changed, 2 * (35 + 25)); // dotted: about half the frame
    cdc.DrawFocusRect(&r);
    EXPECT_EQ(Count(RGB(30, 60, 90)), 64 * 64);

    const CSize size(3, 3);
    const CRect first(10, 10, 40, 40), second(14, 12, 44, 42);
    cdc.DrawDragRect(&first, size, nullptr, size);
    const int frame = 64 * 64 - Count(RGB(30, 60, 90));
    EXPECT_NEAR(frame, (30 * 30 - 24 * 24) / 2, 4); // half the frame: a halftone pattern
    EXPECT_EQ(At(25, 25), RGB(30, 60, 90));
    cdc.DrawDragRect(&second, size, &first, size); // moves the frame
    cdc.DrawDragRect(&second, CSize(0, 0), &second, size); // and removes it
    EXPECT_EQ(Count(RGB(30, 60, 90)), 64 * 64);
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION); // no clip region is left behind
    EXPECT_EQ(Describe(box), Describe(RECT{0, 0, 64, 64}));
}

TEST_F(CdcTest, FrameControlsDrawInsideTheirRectangle)
{
    struct Control {
        UINT type, state;
    } controls[] = {{DFC_BUTTON, DFCS_BUTTONPUSH},
                    {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED},
                    {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED},
                    {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED},
                    {DFC_SCROLL, DFCS_SCROLLUP},
                    {DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE},
                    {DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
                    {DFC_CAPTION, DFCS_CAPTIONCLOSE},
                    {DFC_CAPTION, DFCS_CAPTIONMAX},
                    {DFC_MENU, DFCS_MENUCHECK}};
    for (const Control& c : controls) {
        Reset(64, 64);
        cdc.Detach();
        cdc.Attach(dc);
        CRect r(20, 20, 37, 37);
        EXPECT_TRUE(cdc.DrawFrameControl(&r, c.type, c.state));
        const RECT ink = Ink();
        EXPECT_GE(ink.left, 20) << c.type << "/" << c.state;
        EXPECT_GE(ink.top, 20) << c.type << "/" << c.state;
        EXPECT_LE(ink.right, 37) << c.type << "/" << c.state;
        EXPECT_LE(ink.bottom, 37) << c.type << "/" << c.state;
        EXPECT_GT(64 * 64 - Count(kWhite), 20) << c.type << "/" << c.state;
    }
    CRect r(0, 0, 10, 10);
    EXPECT_FALSE(cdc.DrawFrameControl(&r, 99, 0));
}

TEST_F(CdcTest, GradientsRunFromOneColourToTheOther)
{
    const CRect r(0, 0, 64, 8);
    cdc.FillGradientRect(&r, RGB(255, 0, 0), RGB(0, 0, 255), TRUE);
    EXPECT_EQ(At(0, 4), RGB(255, 0, 0));
    EXPECT_GT(GetBValue(At(63, 4)), 245);
    EXPECT_NEAR(GetRValue(At(32, 4)), 128, 3);
    const CRect v(0, 10, 8, 60);
    cdc.FillGradientRect(&v, RGB(255, 255, 255), RGB(0, 0, 0), FALSE);
    EXPECT_EQ(At(4, 10), kWhite);
    EXPECT_LT(GetRValue(At(4, 59)), 10);
}

struct SysColourCase {
    int index;
    COLORREF colour;
};

class SysColours : public ::testing::TestWithParam<SysColourCase> {};

INSTANTIATE_TEST_SUITE_P(Classic, SysColours,
                         ::testing::Values(SysColourCase{COLOR_BTNFACE, RGB(212, 208, 200)},
                                           SysColourCase{COLOR_BTNSHADOW, RGB(128, 128, 128)},
                                           SysColourCase{COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
                                           SysColourCase{COLOR_3DDKSHADOW, RGB(64, 64, 64)},
                                           SysColourCase{COLOR_WINDOW, RGB(255, 255, 255)},
                                           SysColourCase{COLOR_WINDOWTEXT, RGB(0, 0, 0)},
                                           SysColourCase{COLOR_HIGHLIGHT, RGB(10, 36, 106)},
                                           SysColourCase{COLOR_INFOBK, RGB(255, 255, 225)},
                                           SysColourCase{COLOR_GRAYTEXT, RGB(128, 128, 128)}));

TEST_P(SysColours, TheClassicScheme)
{
    const SysColourCase c = GetParam();
    EXPECT_EQ(GetSysColor(c.index), c.colour);
    LOGBRUSH lb{};
    ASSERT_EQ(GetObjectA(GetSysColorBrush(c.index), sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbColor, c.colour);
}

TEST(SysColourTest, SetSysColorsChangesColourAndBrush)
{
    const int index = COLOR_INFOBK;
    const COLORREF before = GetSysColor(index), after = RGB(1, 2, 3);
    SetSysColors(1, &index, &after);
    EXPECT_EQ(GetSysColor(index), after);
    LOGBRUSH lb{};
    GetObjectA(GetSysColorBrush(index), sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, after);
    SetSysColors(1, &index, &before);
    EXPECT_EQ(GetSysColorBrush(99), nullptr);
}

TEST(PngTest, WrittenSurfacesReadBackWithLibpng)
{
    MiscSurface s(31, 17);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            s.row(y)[x] = MiscPixelFromColor(RGB(x * 8, y * 15, (x * y) & 0xFF));
    const std::string path = misc_test::MakeTempDir("png") + "/s.png";
    ASSERT_TRUE(MiscWritePng(s, path.c_str()));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    EXPECT_EQ(image.width, 31u);
    EXPECT_EQ(image.height, 17u);
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint32_t> back(31 * 17);
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, back.data(), 0, nullptr));
    EXPECT_EQ(back, s.pixels);
    EXPECT_FALSE(MiscWritePng(s, "/nonexistent-folder/x.png"));
    EXPECT_FALSE(MiscWritePng(MiscSurface(), path.c_str()));
}

} // namespace
