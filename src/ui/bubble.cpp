// CBuble: the speech-bubble tip.
#include <misc/ui/bubble.h>

#include <algorithm>

namespace {

const char kClassName[] = "MiscBubleWindow";

// A window class with no class style, cursor, brush or icon.
const char* BubleClass()
{
    static bool registered = false;
    WNDCLASSA wc{};
    if (!registered || !::GetClassInfoA(AfxGetInstanceHandle(), kClassName, &wc)) {
        wc = WNDCLASSA{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = kClassName;
        ::RegisterClassA(&wc);
        registered = true;
    }
    return kClassName;
}

// The pointer shapes of the table, by placement code.
enum class Tip { Top1, Bottom2, Bottom4, Bottom8, Top16, Top32 };

Tip TipFor(int direction)
{
    switch (direction) {
    case 1: return Tip::Top1;
    case 2: return Tip::Bottom2;
    case 4: return Tip::Bottom4;
    case 8: return Tip::Bottom8;
    case 16: return Tip::Top16;
    case 32: return Tip::Top32;
    default: break;
    }
    // Codes outside the table: the strongest flag decides.
    if (direction & 1)
        return Tip::Top1;
    if (direction & 2)
        return Tip::Bottom2;
    if (direction & 8)
        return Tip::Bottom8;
    return Tip::Bottom4;
}

} // namespace

BEGIN_MESSAGE_MAP(CBuble, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_GETMINMAXINFO()
    ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

CBuble::CBuble(CPoint point, CStringArray& lines, CWnd* parent)
    : m_pParent(parent ? parent : AfxGetMainWnd()), m_point(point), m_tipHeight(20), m_tipBase(25, 0),
      m_direction(4)
{
    m_lines.Copy(lines);
    MyCreate();
}

CBuble::~CBuble()
{
    if (GetSafeHwnd()) {
        KillTimer(kShowTimer);
        DestroyWindow();
    }
    m_rgn.DeleteObject();
}

int CBuble::MyCreate()
{
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TRANSPARENT, BubleClass(), "Buble Window", WS_CHILD, m_point.x, m_point.y, 250,
                  1, m_pParent ? m_pParent->GetSafeHwnd() : nullptr, nullptr))
        return 0;
    MoveWindowInParent();
    SetBubleRegion(m_rgn);
    // The window owns the region it is given, so it gets a copy and m_rgn stays this object's.
    CRgn shape;
    shape.CreateRectRgn(0, 0, 0, 0);
    shape.CopyRgn(&m_rgn);
    SetWindowRgn(static_cast<HRGN>(shape.Detach()), TRUE);
    SetTimer(kShowTimer, kShowDelay, nullptr);
    return 1;
}

void CBuble::OnTimer(UINT_PTR id)
{
    if (id != kShowTimer)
        return;
    ShowWindow(SW_SHOW);
    KillTimer(kShowTimer);
}

void CBuble::GetLongString(CString& text)
{
    text.Empty();
    const INT_PTR n = m_lines.GetSize();
    for (INT_PTR i = 0; i < n; ++i) {
        if (m_lines[i].IsEmpty())
            continue;
        text += m_lines[i];
        if (i != n - 1)
            text += '\n';
    }
}

void CBuble::GetFontMenu(CFont& font)
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = 340; // the size without iPaddedBorderWidth
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0))
        font.CreateFontIndirect(&metrics.lfMenuFont);
    else
        font.CreateStockObject(DEFAULT_GUI_FONT);
}

void CBuble::CalcWindowRect(LPRECT rect, UINT adjustType)
{
    if (GetSafeHwnd()) {
        CClientDC dc(this);
        CFont font;
        GetFontMenu(font);
        CFont* old = dc.SelectObject(&font);
        CString text;
        GetLongString(text);
        CRect measured(rect);
        dc.DrawText(text, &measured, DT_CALCRECT | DT_WORDBREAK);
        dc.SelectObject(old);
        // Measuring gives the height the wrapped text needs; the width stays the given one
        // (250 pixels at creation) and grows only for a single word wider than that.
        measured.right = std::max(measured.right, rect->right);
        *rect = measured;
    }
    CWnd::CalcWindowRect(rect, adjustType);
}

void CBuble::MoveWindowInParent()
{
    if (!m_pParent || !GetSafeHwnd())
        return;
    CRect wr, cr;
    GetWindowRect(&wr);
    m_pParent->GetClientRect(&cr);
    CalcWindowRect(&wr);
    m_pParent->ScreenToClient(&wr);

    wr.InflateRect(5, m_tipHeight);
    wr.OffsetRect(-wr.Width() / 2, 15 - wr.Height());

    int flags = 0;
    if (wr.top < 0) {
        wr.OffsetRect(0, wr.Height() + 10);
        flags |= 1;
    }
    if (wr.left < 0) {
        wr.OffsetRect(-wr.left, 0);
        flags |= 2;
    }
    if (wr.right > cr.right) {
        wr.OffsetRect(cr.right - wr.right, 0);
        flags |= 8;
    }
    if (wr.bottom > cr.bottom) {
        wr.OffsetRect(0, cr.bottom - wr.bottom);
        flags |= 4;
    }
    if (flags)
        m_direction = flags;
    if (m_direction & 1) {
        if (m_direction & 8)
            m_direction = 16;
        else if (m_direction & 2)
            m_direction = 32;
    }
    MoveWindow(&wr, TRUE);

    m_rect = wr;
    m_rect.DeflateRect(5, m_tipHeight);
    m_rect.OffsetRect(-wr.left, -wr.top);
    m_point.Offset(-wr.left, -wr.top);
}

int CBuble::SetBubleRegion(CRgn& rgn)
{
    CRect r = m_rect;
    r.InflateRect(4, 2);
    rgn.DeleteObject();
    rgn.CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, 15, 15);
    if (!r.PtInRect(m_point)) {
        CRgn tip;
        GetTriangleRgn(tip, r);
        if (tip.GetSafeHandle())
            rgn.CombineRgn(&rgn, &tip, RGN_OR);
    }
    return 1;
}

void CBuble::GetTriangleRgn(CRgn& rgn, CRect& r)
{
    const int cx = r.CenterPoint().x;
    const int w = r.Width();
    const int third = w / 3, quarter = w / 4;
    m_tipBase.cx = std::min<LONG>(m_tipBase.cx, third);

    POINT a{0, 0};
    int apexY = 0;
    bool plus = true; // C = A + base, else A - base
    switch (TipFor(m_direction)) {
    case Tip::Top1: a = {cx - quarter, r.top + 1}; apexY = r.top - m_tipHeight + 1; break;
    case Tip::Bottom2: a = {cx - third, r.bottom - 1}; apexY = r.bottom - 1 + m_tipHeight; break;
    case Tip::Bottom4: a = {cx + quarter, r.bottom - 1}; apexY = r.bottom - 1 + m_tipHeight; plus = false; break;
    case Tip::Bottom8: a = {cx + third, r.bottom - 1}; apexY = r.bottom - 1 + m_tipHeight; plus = false; break;
    case Tip::Top16: a = {cx + third, r.top + 1}; apexY = r.top - m_tipHeight + 1; plus = false; break;
    case Tip::Top32: a = {cx - third, r.top + 1}; apexY = r.top - m_tipHeight + 2; break;
    }
    const POINT b{m_point.x, apexY};
    const POINT c = plus ? POINT{a.x + m_tipBase.cx, a.y + m_tipBase.cy}
                         : POINT{a.x - m_tipBase.cx, a.y - m_tipBase.cy};
    const POINT tri[3] = {a, b, c};
    rgn.DeleteObject();
    rgn.CreatePolygonRgn(tri, 3, WINDING);
}

void CBuble::OnPaint()
{
    CPaintDC dc(this);
    CFont font;
    GetFontMenu(font);
    CFont* oldFont = dc.SelectObject(&font);
    const COLORREF back = ::GetSysColor(COLOR_INFOBK);
    CBrush brush(back);
    dc.SetBkColor(back);
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_INFOTEXT));
    CPen* oldPen = dc.SelectObject(&pen);

    CRgn rgn;
    SetBubleRegion(rgn);
    dc.FillRgn(&rgn, &brush);
    CBrush frame(::GetSysColor(COLOR_INFOTEXT));
    dc.FrameRgn(&rgn, &frame, 1, 1);
    CString text;
    GetLongString(text);
    CRect r = m_rect;
    dc.DrawText(text, &r, DT_CENTER | DT_WORDBREAK);

    dc.SelectObject(oldPen);
    dc.SelectObject(oldFont);
}

void CBuble::OnGetMinMaxInfo(MINMAXINFO* info)
{
    CWnd::OnGetMinMaxInfo(info);
}

void CBuble::OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params)
{
    CWnd::OnNcCalcSize(calcValidRects, params);
}
