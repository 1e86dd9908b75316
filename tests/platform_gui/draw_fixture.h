#pragma once
// Shared helpers of the drawing tests: a white surface with a context on it, pixel access, and
// a PNG of the surface when a pixel check fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_env.h"
#include "win32/gdi.h"
#include "win32/user.h"

namespace draw_test {

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        Reset(64, 64);
    }
    void TearDown() override
    {
        if (HasFailure()) {
            const std::string path = misc_test::MakeTempDir("draw") + "/failed.png";
            MiscWritePng(surface, path.c_str());
            std::printf("surface written to %s\n", path.c_str());
        }
        if (dc)
            DeleteDC(dc);
    }
    void Reset(int w, int h, COLORREF fill = RGB(255, 255, 255))
    {
        if (dc)
            DeleteDC(dc);
        surface = MiscSurface(w, h, MiscPixelFromColor(fill));
        dc = MiscCreateSurfaceDC(&surface, 0, 0, nullptr);
    }
    COLORREF At(int x, int y) const { return MiscColorFromPixel(surface.row(y)[x]); }
    // Pixels of colour c in the surface.
    int Count(COLORREF c) const
    {
        int n = 0;
        for (int y = 0; y < surface.height; ++y)
            for (int x = 0; x < surface.width; ++x)
                n += At(x, y) == c;
        return n;
    }
    // The bounding box of pixels that are not the colour `background`; empty when none.
    RECT Ink(COLORREF background = RGB(255, 255, 255)) const
    {
        RECT r{surface.width, surface.height, 0, 0};
        for (int y = 0; y < surface.height; ++y)
            for (int x = 0; x < surface.width; ++x)
                if (At(x, y) != background) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        if (r.left >= r.right)
            r = RECT{0, 0, 0, 0};
        return r;
    }

    MiscSurface surface;
    HDC dc = nullptr;
};

inline std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

} // namespace draw_test
