// Painting a command bar: its face and gripper, separators between groups, and every control's
// face, icon, caption and split arrow, all through the current paint manager.
//
// Icons come from the bar's tool-bar bitmap (the bitmap resource with the tool bar's number,
// one image per button, the paint manager's mask colour transparent). Without one, a command
// gets a generated glyph: a square in a colour of its own (from its number) with the first
// letter of its caption, so that buttons stay told apart.
#include "toolkit/commandbars.h"

#include "commandbars_internal.h"
#include "toolkit/paintmanager.h"

#include <algorithm>
#include <cctype>

namespace {

COLORREF GlyphColor(int id)
{
    // A hue from the number, fixed saturation and value.
    const int hue = (id * 67) % 360;
    const double s = 0.55, v = 0.80;
    const double c = v * s, x = c * (1 - std::abs((hue / 60.0) - 2 * static_cast<int>(hue / 120.0) - 1)), m = v - c;
    double r = 0, g = 0, b = 0;
    switch (hue / 60) {
    case 0: r = c, g = x; break;
    case 1: r = x, g = c; break;
    case 2: g = c, b = x; break;
    case 3: g = x, b = c; break;
    case 4: r = x, b = c; break;
    default: r = c, b = x; break;
    }
    auto ch = [&](double value) { return static_cast<int>((value + m) * 255 + 0.5); };
    return RGB(ch(r), ch(g), ch(b));
}

char GlyphLetter(const CXTPControl* c)
{
    CString text = XTPPlainCaption(c->GetCaption());
    if (text.IsEmpty() && c->GetID() > 0)
        text = XTPCommandTip(static_cast<UINT>(c->GetID()));
    for (int i = 0; i < text.GetLength(); ++i)
        if (std::isalnum(static_cast<unsigned char>(text[i])))
            return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    return '?';
}

BOOL DrawBitmapIcon(CDC* dc, const CRect& at, const CXTPCommandBar* bar, const CXTPControl* c)
{
    const int image = bar->GetImageIndex(c->GetIconId());
    if (image < 0)
        return FALSE;
    const UINT id = bar->GetBitmapID();
    HBITMAP bitmap = MiscFromResourceModules([&](HINSTANCE m) {
        return MiscFindBitmap(m, id) ? ::LoadBitmapA(m, MAKEINTRESOURCEA(id)) : HBITMAP{};
    });
    if (!bitmap)
        return FALSE;
    HDC mem = ::CreateCompatibleDC(dc->GetSafeHdc());
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    const CSize size = bar->GetButtonSize();
    ::TransparentBlt(dc->GetSafeHdc(), at.left, at.top, size.cx, size.cy, mem, image * size.cx, 0, size.cx, size.cy,
                     XTPPaintManager()->GetXtremeColor(XTP_COLOR_MASK));
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ::DeleteObject(bitmap);
    return TRUE;
}

void DrawIcon(CDC* dc, const CRect& at, const CXTPCommandBar* bar, const CXTPControl* c, UINT state)
{
    if (!(state & MISC_TS_DISABLED) && DrawBitmapIcon(dc, at, bar, c))
        return;
    CRect box(at.left + 1, at.top + 1, at.left + 15, at.top + 15);
    const COLORREF face = state & MISC_TS_DISABLED ? RGB(0xc8, 0xc8, 0xc8) : GlyphColor(c->GetIconId());
    dc->FillSolidRect(&box, face);
    const COLORREF edge = RGB(GetRValue(face) * 3 / 5, GetGValue(face) * 3 / 5, GetBValue(face) * 3 / 5);
    dc->Draw3dRect(&box, edge, edge);
    const char letter[2] = {GlyphLetter(c), 0};
    dc->SetTextColor(state & MISC_TS_DISABLED ? RGB(0x90, 0x90, 0x90) : RGB(0xff, 0xff, 0xff));
    dc->DrawText(letter, 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawArrow(CDC* dc, const CRect& part, COLORREF color)
{
    const int cx = (part.left + part.right) / 2, cy = (part.top + part.bottom) / 2;
    for (int row = 0; row < 3; ++row)
        dc->FillSolidRect(cx - 2 + row, cy - 1 + row, 5 - 2 * row, 1, color);
}

UINT StateOf(const CXTPCommandBar* bar, int index, const CXTPControl* c)
{
    UINT state = MISC_TS_NORMAL;
    if (!c->GetEnabled())
        return MISC_TS_DISABLED;
    if (bar->GetHotIndex() == index)
        state |= MISC_TS_HOT;
    if (bar->GetPressedIndex() == index)
        state |= MISC_TS_PRESSED;
    if (c->GetChecked())
        state |= MISC_TS_CHECKED;
    return state;
}

void DrawControl(CDC* dc, const CXTPCommandBar* bar, int index, const CXTPControl* c, BOOL menuBar)
{
    CXTPPaintManager* pm = XTPPaintManager();
    const CRect r = c->GetRect();
    const UINT state = StateOf(bar, index, c);
    CRect face = r;
    if (xtpbars::IsSplit(c) && bar->GetPressedIndex() == index && bar->IsArrowPressed())
        pm->DrawControlFace(dc, r, (state & ~MISC_TS_PRESSED) | MISC_TS_HOT);
    else
        pm->DrawControlFace(dc, r, state);
    if (xtpbars::IsSplit(c)) {
        face.right -= xtpbars::kArrowWidth;
        if (state & (MISC_TS_HOT | MISC_TS_PRESSED)) {
            const COLORREF line = pm->GetXtremeColor(XTP_COLOR_HIGHLIGHT_BORDER);
            dc->FillSolidRect(face.right, r.top + 1, 1, r.Height() - 2, line);
        }
        DrawArrow(dc, CRect(face.right, r.top, r.right, r.bottom), pm->GetControlTextColor(state));
    }
    const BOOL caption = xtpbars::ShowsCaption(c, bar->GetCommandBars(), menuBar);
    const BOOL textOnly = menuBar || xtpbars::IsPopup(c) || c->GetStyle() == xtpButtonCaption;
    dc->SetBkMode(TRANSPARENT);
    CRect text = face;
    if (!textOnly) {
        const int iconTop = caption && c->GetStyle() != xtpButtonIconAndCaption ? face.top + 3 : face.top + (face.Height() - 16) / 2;
        const int iconLeft = c->GetStyle() == xtpButtonIconAndCaption ? face.left + 3 : face.left + (face.Width() - 16) / 2;
        DrawIcon(dc, CRect(iconLeft, iconTop, iconLeft + 16, iconTop + 16), bar, c, state);
        if (c->GetStyle() == xtpButtonIconAndCaption)
            text.left = iconLeft + 19;
        else
            text.top = iconTop + 17;
    }
    if (caption) {
        // The menu bar's items at rest have a colour of their own (light on the dark themes).
        const bool atRest = !(state & (MISC_TS_HOT | MISC_TS_PRESSED | MISC_TS_DISABLED));
        dc->SetTextColor(menuBar && atRest ? pm->GetXtremeColor(XTP_COLOR_MENUBAR_TEXT) : pm->GetControlTextColor(state));
        const UINT align = textOnly || c->GetStyle() != xtpButtonIconAndCaption ? DT_CENTER : DT_LEFT;
        dc->DrawText(XTPPlainCaption(c->GetCaption()), &text, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

} // namespace

void XTPPaintCommandBar(CDC* dc, const CRect& client, CXTPCommandBar* bar)
{
    CXTPPaintManager* pm = XTPPaintManager();
    const BOOL vertical = bar->IsVertical();
    const BOOL menuBar = dynamic_cast<CXTPMenuBar*>(bar) != nullptr;
    pm->FillCommandBar(dc, client, bar);
    const int gw = pm->GetGripperWidth();
    const CRect gripper = vertical ? CRect(client.left + 3, client.top + 2, client.right - 3, client.top + 2 + gw)
                                   : CRect(client.left + 2, client.top + 3, client.left + 2 + gw, client.bottom - 3);
    pm->DrawCommandBarGripper(dc, gripper, vertical);
    HGDIOBJ oldFont = ::SelectObject(dc->GetSafeHdc(), ::GetStockObject(DEFAULT_GUI_FONT));
    const int sep = pm->GetSeparatorWidth();
    bool first = true;
    for (int i = 0; i < bar->GetControls()->GetCount(); ++i) {
        const CXTPControl* c = bar->GetControls()->GetAt(i);
        if (!c->IsVisible())
            continue;
        const CRect r = c->GetRect();
        if (c->GetBeginGroup() && !first)
            pm->DrawCommandBarSeparator(dc, vertical ? CRect(r.left, r.top - sep, r.right, r.top) : CRect(r.left - sep, r.top, r.left, r.bottom),
                                        vertical);
        first = false;
        DrawControl(dc, bar, i, c, menuBar);
    }
    ::SelectObject(dc->GetSafeHdc(), oldFont);
}
