// An Office-style look: flat faces shaded in blue, orange highlights on hot and pressed items,
// a light menu with an icon band. Everything not drawn here falls back to the classic look in
// this theme's colours.
#include <algorithm>

#include "builtin.h"
#include "paint_kit.h"

using theme::Fill;
using theme::Frame;
using theme::Shade;

namespace {

// The palette of the look.
constexpr COLORREF kBarLight = RGB(221, 236, 254);
constexpr COLORREF kBarDark = RGB(129, 169, 226);
constexpr COLORREF kBorderBlue = RGB(0, 45, 150);
constexpr COLORREF kHotLight = RGB(255, 244, 204);
constexpr COLORREF kHotDark = RGB(255, 208, 145);
constexpr COLORREF kPressedLight = RGB(254, 145, 78);
constexpr COLORREF kPressedDark = RGB(255, 211, 142);
constexpr COLORREF kCheckedLight = RGB(255, 213, 140);
constexpr COLORREF kCheckedDark = RGB(255, 173, 85);
constexpr COLORREF kMenuBack = RGB(246, 246, 246);
constexpr COLORREF kMenuHot = RGB(255, 238, 194);
constexpr COLORREF kMenuBorder = RGB(0, 0, 128);
constexpr COLORREF kCategory = RGB(169, 199, 240);
constexpr COLORREF kCategoryText = RGB(0, 45, 150);
constexpr COLORREF kGlyph = RGB(77, 97, 133);
constexpr COLORREF kDisabled = RGB(172, 168, 153);
constexpr COLORREF kTick = RGB(33, 161, 33);

class Office2003 final : public MiscTheme {
public:
    std::string Name() const override { return "office2003"; }

    COLORREF SysColor(int index) const override
    {
        switch (index) {
        case COLOR_3DFACE: return RGB(236, 233, 216);
        case COLOR_3DSHADOW: return RGB(172, 168, 153);
        case COLOR_3DDKSHADOW: return RGB(113, 111, 100);
        case COLOR_3DLIGHT: return RGB(241, 239, 226);
        case COLOR_SCROLLBAR: return RGB(243, 241, 236);
        case COLOR_ACTIVECAPTION: return RGB(0, 84, 227);
        case COLOR_GRADIENTACTIVECAPTION: return RGB(61, 149, 255);
        case COLOR_INACTIVECAPTION: return RGB(122, 150, 223);
        case COLOR_GRADIENTINACTIVECAPTION: return RGB(157, 185, 235);
        case COLOR_INACTIVECAPTIONTEXT: return RGB(216, 228, 248);
        case COLOR_HIGHLIGHT: return RGB(49, 106, 197);
        case COLOR_MENU: return kMenuBack;
        case COLOR_MENUBAR: return RGB(158, 190, 245);
        case COLOR_MENUHILIGHT: return kMenuHot;
        case COLOR_ACTIVEBORDER: return RGB(236, 233, 216);
        case COLOR_INACTIVEBORDER: return RGB(236, 233, 216);
        case COLOR_HOTLIGHT: return kMenuBorder;
        case COLOR_GRAYTEXT: return kDisabled;
        default: return MiscTheme::SysColor(index);
        }
    }

    COLORREF TextColor(MiscThemeElement element, UINT state) const override
    {
        if (state & MISC_TS_DISABLED)
            return kDisabled;
        switch (element) {
        case MiscThemeElement::MenuItem: return RGB(0, 0, 0);
        case MiscThemeElement::GridCategory:
            return (state & MISC_TS_SELECTED) ? RGB(255, 255, 255) : kCategoryText;
        default: return MiscTheme::TextColor(element, state);
        }
    }

    void DrawPushButton(HDC dc, const RECT& r, UINT state) override
    {
        if (state & MISC_TS_DISABLED) {
            Fill(dc, r, RGB(245, 244, 234));
            Frame(dc, r, RGB(201, 199, 186));
            return;
        }
        const RECT inner = theme::Inset(r, 1);
        if (state & (MISC_TS_PRESSED | MISC_TS_CHECKED))
            Shade(dc, inner, RGB(226, 225, 218), RGB(255, 255, 255), true);
        else
            Shade(dc, inner, RGB(255, 255, 255), RGB(214, 208, 197), true);
        Frame(dc, r, RGB(0, 60, 116));
        if (state & MISC_TS_HOT)
            Frame(dc, inner, RGB(248, 179, 48));
        else if (state & (MISC_TS_DEFAULT | MISC_TS_FOCUSED))
            Frame(dc, inner, RGB(105, 130, 238));
    }

    void DrawCheckBox(HDC dc, const RECT& box, UINT state) override
    {
        const bool disabled = (state & MISC_TS_DISABLED) != 0;
        Frame(dc, box, disabled ? RGB(202, 200, 187) : RGB(28, 81, 128));
        const RECT inner = theme::Inset(box, 1);
        if (disabled)
            Fill(dc, inner, RGB(255, 255, 255));
        else if (state & MISC_TS_PRESSED)
            Shade(dc, inner, RGB(176, 176, 167), RGB(241, 239, 226), true);
        else
            Shade(dc, inner, RGB(220, 220, 215), RGB(255, 255, 255), true);
        if (state & MISC_TS_MIXED)
            Fill(dc, theme::Inset(box, 3), disabled ? kDisabled : kTick);
        else if (state & MISC_TS_CHECKED)
            theme::CheckMark(dc, inner, disabled ? kDisabled : kTick);
    }

    void DrawRadioButton(HDC dc, const RECT& box, UINT state) override
    {
        const bool disabled = (state & MISC_TS_DISABLED) != 0;
        const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
        const int rad = std::max(2, (box.right - box.left) / 2);
        theme::Disc(dc, cx, cy, rad, disabled ? RGB(202, 200, 187) : RGB(28, 81, 128));
        theme::Disc(dc, cx, cy, rad - 1, (state & MISC_TS_PRESSED) ? RGB(220, 220, 215) : RGB(255, 255, 255));
        if (state & MISC_TS_CHECKED)
            theme::Disc(dc, cx, cy, std::max(1, rad / 2), disabled ? kDisabled : kTick);
    }

    void DrawHeaderItem(HDC dc, const RECT& r, UINT state) override
    {
        Shade(dc, r, RGB(255, 255, 255), RGB(235, 234, 219), true);
        const COLORREF line = (state & (MISC_TS_HOT | MISC_TS_PRESSED)) ? RGB(248, 169, 0) : RGB(214, 210, 194);
        Fill(dc, RECT{r.left, r.bottom - 3, r.right, r.bottom}, line);
        Fill(dc, RECT{r.right - 1, r.top + 3, r.right, r.bottom - 4}, RGB(199, 197, 178));
    }

    void DrawScrollArrow(HDC dc, const RECT& r, int direction, UINT state) override
    {
        ScrollFace(dc, r, state);
        const int size = std::max(1, (std::min(r.right - r.left, r.bottom - r.top) + 1) / 3);
        theme::Arrow(dc, (r.left + r.right) / 2, (r.top + r.bottom) / 2, size, std::clamp(direction, 0, 3),
                     (state & MISC_TS_DISABLED) ? kDisabled : kGlyph);
    }

    void DrawScrollThumb(HDC dc, const RECT& r, bool vertical, UINT state) override
    {
        ScrollFace(dc, r, state);
        // Four grip lines across the middle.
        const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        for (int i = -3; i <= 3; i += 2) {
            if (vertical && r.bottom - r.top > 12)
                Fill(dc, RECT{cx - 3, cy + i, cx + 4, cy + i + 1}, RGB(238, 244, 254));
            else if (!vertical && r.right - r.left > 12)
                Fill(dc, RECT{cx + i, cy - 3, cx + i + 1, cy + 4}, RGB(238, 244, 254));
        }
    }

    void DrawScrollTrack(HDC dc, const RECT& r, bool, UINT state) override
    {
        Fill(dc, r, (state & MISC_TS_PRESSED) ? RGB(220, 218, 210) : RGB(243, 241, 236));
    }

    void DrawComboButton(HDC dc, const RECT& r, UINT state) override
    {
        DrawScrollArrow(dc, r, 1, state);
    }

    void DrawGridCategory(HDC dc, const RECT& r, UINT state) override
    {
        Fill(dc, r, (state & MISC_TS_SELECTED) ? RGB(49, 106, 197) : kCategory);
    }

    void DrawGripper(HDC dc, const RECT& r, bool vertical) override
    {
        // A column (or row) of dots, each with a white shadow below and right.
        const int cx = (r.left + r.right) / 2 - 1, cy = (r.top + r.bottom) / 2 - 1;
        const int from = vertical ? r.top + 2 : r.left + 2, to = vertical ? r.bottom - 3 : r.right - 3;
        for (int p = from; p < to; p += 4) {
            const int x = vertical ? cx : p, y = vertical ? p : cy;
            Fill(dc, RECT{x + 1, y + 1, x + 3, y + 3}, RGB(255, 255, 255));
            Fill(dc, RECT{x, y, x + 2, y + 2}, RGB(39, 65, 118));
        }
    }

    void DrawTab(HDC dc, const RECT& r, UINT state) override
    {
        if (state & MISC_TS_SELECTED) {
            Fill(dc, r, RGB(252, 252, 254));
            Fill(dc, RECT{r.left + 1, r.top, r.right - 1, r.top + 3}, RGB(255, 200, 60));
        } else {
            Shade(dc, r, RGB(255, 255, 255), (state & MISC_TS_HOT) ? kHotDark : RGB(236, 235, 230), true);
        }
        const COLORREF edge = RGB(145, 155, 156);
        Fill(dc, RECT{r.left, r.top + 1, r.left + 1, r.bottom}, edge);
        Fill(dc, RECT{r.right - 1, r.top + 1, r.right, r.bottom}, edge);
        Fill(dc, RECT{r.left + 1, r.top, r.right - 1, r.top + 1}, (state & MISC_TS_SELECTED) ? RGB(230, 139, 44) : edge);
    }

    void DrawTabPane(HDC dc, const RECT& r) override
    {
        Fill(dc, r, RGB(252, 252, 254));
        Frame(dc, r, RGB(145, 155, 156));
    }

    void DrawCaption(HDC dc, const RECT& r, UINT state) override
    {
        const bool active = (state & MISC_TS_SELECTED) != 0;
        Shade(dc, r, active ? RGB(61, 149, 255) : RGB(157, 185, 235), active ? RGB(0, 84, 227) : RGB(122, 150, 223),
              true);
    }

    void DrawMenuBar(HDC dc, const RECT& r) override
    {
        Shade(dc, r, RGB(158, 190, 245), RGB(196, 218, 250), false);
    }

    void DrawMenuItem(HDC dc, const RECT& r, UINT state) override
    {
        if (state & MISC_TS_SELECTED) {
            Fill(dc, r, kMenuHot);
            Frame(dc, r, kMenuBorder);
            return;
        }
        Fill(dc, r, kMenuBack);
        // The band behind the item's check mark or image.
        Shade(dc, RECT{r.left, r.top, std::min<LONG>(r.right, r.left + 24), r.bottom}, kBarLight, kBarDark, false);
    }

    void DrawToolBar(HDC dc, const RECT& r) override
    {
        const bool vertical = r.bottom - r.top > r.right - r.left;
        Shade(dc, r, kBarLight, kBarDark, !vertical);
    }

    void DrawToolBarButton(HDC dc, const RECT& r, UINT state) override
    {
        if (state & MISC_TS_DISABLED)
            return;
        if (state & MISC_TS_PRESSED)
            Shade(dc, r, kPressedLight, kPressedDark, true);
        else if (state & MISC_TS_CHECKED)
            Shade(dc, r, (state & MISC_TS_HOT) ? kPressedLight : kCheckedLight, kCheckedDark, true);
        else if (state & MISC_TS_HOT)
            Shade(dc, r, kHotLight, kHotDark, true);
        else
            return;
        Frame(dc, r, kMenuBorder);
    }

    void DrawToolTip(HDC dc, const RECT& r) override
    {
        Shade(dc, r, RGB(255, 255, 255), RGB(228, 229, 240), true);
        Frame(dc, r, RGB(118, 118, 118));
    }

private:
    static void ScrollFace(HDC dc, const RECT& r, UINT state)
    {
        COLORREF face = RGB(193, 211, 251);
        if (state & MISC_TS_DISABLED)
            face = RGB(238, 237, 229);
        else if (state & MISC_TS_PRESSED)
            face = RGB(152, 177, 233);
        else if (state & MISC_TS_HOT)
            face = RGB(210, 222, 252);
        Shade(dc, theme::Inset(r, 1), theme::Tint(face, 40), face, false);
        Frame(dc, r, (state & MISC_TS_DISABLED) ? RGB(232, 232, 223) : RGB(180, 200, 246));
    }
};

} // namespace

namespace theme {

std::unique_ptr<MiscTheme> MakeOffice2003()
{
    return std::make_unique<Office2003>();
}

} // namespace theme
