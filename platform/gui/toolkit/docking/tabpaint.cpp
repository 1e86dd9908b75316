// The tab paint manager: where the tabs of a row go and how they look (flat, buttons, office,
// visual-studio slants, property-page tabs; the OneNote colouring gives each tab its own hue).
// A row wider than tall runs across; a taller one (an auto-hide panel at the left or right)
// runs down, its titles written letter under letter.
#include "toolkit/dockingpane.h"
#include "toolkit/paintmanager.h"

#include <algorithm>

namespace {

constexpr int kPad = 8;
constexpr int kMinTab = 24;

// Soft hues of the OneNote colouring, one per tab in turn.
const COLORREF kOneNote[] = {RGB(138, 168, 228), RGB(255, 219, 117), RGB(189, 205, 159), RGB(240, 158, 159),
                             RGB(186, 166, 225), RGB(154, 191, 180), RGB(247, 182, 131), RGB(216, 171, 192)};

int TextWidth(const CString& s)
{
    CDC mem;
    mem.CreateCompatibleDC(nullptr);
    CFont* old = static_cast<CFont*>(mem.SelectStockObject(DEFAULT_GUI_FONT));
    const int w = mem.GetTextExtent(s).cx;
    if (old)
        mem.SelectObject(old);
    return w;
}

// The shape a tab's outline takes; `down` tabs hang below their strip (tabs at the bottom).
void Outline(CDC* dc, const CRect& r, int appearance, bool selected, bool down, COLORREF face, COLORREF border)
{
    const int top = down ? r.bottom - 1 : r.top, base = down ? r.top : r.bottom - 1;
    switch (appearance) {
    case 1: { // button
        dc->FillSolidRect(&r, face);
        if (selected)
            dc->Draw3dRect(&r, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DHIGHLIGHT));
        else
            dc->Draw3dRect(&r, ::GetSysColor(COLOR_3DHIGHLIGHT), ::GetSysColor(COLOR_3DSHADOW));
        break;
    }
    case 3: { // visual-studio: a slanted leading edge
        const int slant = std::min(r.Height() - 2, 12);
        const POINT pts[4] = {{r.left, base}, {r.left + slant, top}, {r.right - 2, top}, {r.right, base}};
        CBrush brush(face);
        CPen pen(PS_SOLID, 1, border);
        CBrush* ob = dc->SelectObject(&brush);
        CPen* op = dc->SelectObject(&pen);
        dc->Polygon(pts, 4);
        dc->SelectObject(ob);
        dc->SelectObject(op);
        break;
    }
    case 5: { // property page: rounded upper corners, raised
        CRect t = r;
        if (!selected) {
            if (down)
                t.bottom -= 2;
            else
                t.top += 2;
        }
        dc->FillSolidRect(&t, face);
        const COLORREF light = ::GetSysColor(COLOR_3DHIGHLIGHT), dark = ::GetSysColor(COLOR_3DDKSHADOW);
        const int y0 = down ? t.bottom - 1 : t.top;
        CPen lightPen(PS_SOLID, 1, light), darkPen(PS_SOLID, 1, dark);
        CPen* op = dc->SelectObject(&lightPen);
        dc->MoveTo(t.left, down ? t.top : t.bottom - 1);
        dc->LineTo(t.left, y0 + (down ? -2 : 2));
        dc->LineTo(t.left + 2, y0);
        dc->LineTo(t.right - 3, y0);
        dc->SelectObject(&darkPen);
        dc->LineTo(t.right - 1, y0 + (down ? -2 : 2));
        dc->LineTo(t.right - 1, down ? t.top - 1 : t.bottom);
        dc->SelectObject(op);
        break;
    }
    case 2: { // office: a soft gradient with a rounded frame
        CRect t = r;
        t.DeflateRect(0, down ? 0 : 1, 0, down ? 1 : 0);
        dc->FillGradientRect(&t, XTPBlendColors(face, RGB(255, 255, 255), 60), face, FALSE);
        CPen pen(PS_SOLID, 1, border);
        CPen* op = dc->SelectObject(&pen);
        CBrush* ob = static_cast<CBrush*>(dc->SelectStockObject(NULL_BRUSH));
        dc->RoundRect(t.left, t.top, t.right, t.bottom + (down ? 0 : 4), 6, 6);
        dc->SelectObject(ob);
        dc->SelectObject(op);
        break;
    }
    default: { // flat: the selected tab framed, the others divided by a line
        if (selected) {
            dc->FillSolidRect(&r, face);
            CPen pen(PS_SOLID, 1, border);
            CPen* op = dc->SelectObject(&pen);
            dc->MoveTo(r.left, base);
            dc->LineTo(r.left, top);
            dc->LineTo(r.right - 1, top);
            dc->LineTo(r.right - 1, base + (down ? -1 : 1));
            dc->SelectObject(op);
        } else {
            dc->FillSolidRect(&r, face);
            CRect line(r.right - 1, r.top + 3, r.right, r.bottom - 3);
            dc->FillSolidRect(&line, border);
        }
        break;
    }
    }
}

} // namespace

CXTPTabPaintManager::CXTPTabPaintManager()
{
    RefreshMetrics();
}

CXTPTabPaintManager::~CXTPTabPaintManager() = default;

void CXTPTabPaintManager::SetAppearance(int appearance)
{
    m_appearance = appearance;
}

void CXTPTabPaintManager::SetOneNoteColors(BOOL oneNote)
{
    m_oneNote = oneNote;
}

void CXTPTabPaintManager::RefreshMetrics()
{
    m_colors.clrFace = ::GetSysColor(COLOR_3DFACE);
    m_colors.clrBorder = ::GetSysColor(COLOR_3DSHADOW);
    m_colors.clrHeaderFace = XTPBlendColors(::GetSysColor(COLOR_3DFACE), ::GetSysColor(COLOR_3DHIGHLIGHT), 50);
    m_colors.clrButtonNormal = XTPBlendColors(::GetSysColor(COLOR_3DFACE), ::GetSysColor(COLOR_3DHIGHLIGHT), 50);
    m_colors.clrButtonSelected = ::GetSysColor(COLOR_3DFACE);
    m_colors.clrText = ::GetSysColor(COLOR_GRAYTEXT);
    m_colors.clrSelectedText = ::GetSysColor(COLOR_BTNTEXT);
    m_colors.clrAutoHideFace = ::GetSysColor(COLOR_3DFACE);
}

std::vector<CRect> CXTPTabPaintManager::LayoutTabs(CDC*, const CRect& rect, const std::vector<CString>& titles) const
{
    std::vector<CRect> out;
    if (titles.empty() || rect.IsRectEmpty())
        return out;
    const bool across = rect.Width() >= rect.Height();
    const int room = across ? rect.Width() : rect.Height();
    const int count = static_cast<int>(titles.size());
    std::vector<int> sizes;
    for (const CString& t : titles)
        sizes.push_back(std::max(kMinTab, (across ? TextWidth(t) : 13 * t.GetLength()) + 2 * kPad));
    const int widest = *std::max_element(sizes.begin(), sizes.end());
    if (m_layout == 1)
        std::fill(sizes.begin(), sizes.end(), widest);
    else if (m_layout == 3)
        std::fill(sizes.begin(), sizes.end(), room / count);
    long total = 0;
    for (int s : sizes)
        total += s;
    // Too long a row is compressed, every tab by the same share.
    if (total > room)
        for (int& s : sizes)
            s = static_cast<int>(s * room / total);
    int pos = across ? rect.left : rect.top;
    for (int s : sizes) {
        out.push_back(across ? CRect(pos, rect.top, pos + s, rect.bottom) : CRect(rect.left, pos, rect.right, pos + s));
        pos += s + (across ? 0 : 2);
    }
    return out;
}

void CXTPTabPaintManager::DrawTabs(CDC* dc, const CRect& rect, const std::vector<CString>& titles, int selected, int hot)
{
    m_hot = m_bHotTracking ? hot : -1;
    DrawTabs(dc, rect, titles, selected);
    m_hot = -1;
}

void CXTPTabPaintManager::DrawTabs(CDC* dc, const CRect& rect, const std::vector<CString>& titles, int selected)
{
    if (!dc)
        return;
    dc->FillSolidRect(&rect, m_colors.clrHeaderFace);
    const bool across = rect.Width() >= rect.Height();
    const bool down = m_position == xtpTabPositionBottom;
    const std::vector<CRect> rects = LayoutTabs(dc, rect, titles);
    // The line the row stands on, broken by the selected tab below.
    CRect edge = rect;
    if (across) {
        if (down)
            edge.bottom = edge.top + 1;
        else
            edge.top = edge.bottom - 1;
        dc->FillSolidRect(&edge, m_colors.clrBorder);
    }
    CFont* oldFont = static_cast<CFont*>(dc->SelectStockObject(DEFAULT_GUI_FONT));
    dc->SetBkMode(TRANSPARENT);
    const int shape = m_appearance == 4 ? 3 : m_appearance > 5 ? 5 : m_appearance;
    for (size_t i = 0; i < rects.size(); ++i) {
        const bool sel = static_cast<int>(i) == selected;
        COLORREF face = sel ? m_colors.clrButtonSelected : m_colors.clrButtonNormal;
        if (m_oneNote)
            face = sel ? kOneNote[i % 8] : XTPBlendColors(kOneNote[i % 8], RGB(255, 255, 255), 45);
        if (!sel && static_cast<int>(i) == m_hot)
            face = XTPBlendColors(face, ::GetSysColor(COLOR_HIGHLIGHT), 25);
        CRect r = rects[i];
        if (across) {
            if (down)
                r.bottom -= 2;
            else
                r.top += 2;
            Outline(dc, r, shape, sel, down, face, m_colors.clrBorder);
        } else {
            dc->FillSolidRect(&r, face);
            dc->Draw3dRect(&r, m_colors.clrBorder, m_colors.clrBorder);
        }
        dc->SetTextColor(sel ? m_colors.clrSelectedText : m_colors.clrText);
        if (across) {
            CRect text = r;
            text.DeflateRect(shape == 3 ? kPad + 4 : kPad / 2, 0, kPad / 2, 0);
            dc->DrawText(titles[i], &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS);
            if (sel && m_bBoldSelected) {
                text.OffsetRect(1, 0);
                dc->DrawText(titles[i], &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS);
            }
        } else {
            // Down the panel: one letter under the other.
            int y = r.top + kPad;
            for (int k = 0; k < titles[i].GetLength() && y + 12 <= r.bottom; ++k, y += 13) {
                CRect cell(r.left, y, r.right, y + 13);
                dc->DrawText(titles[i].Mid(k, 1), &cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
            }
        }
    }
    if (oldFont)
        dc->SelectObject(oldFont);
}
