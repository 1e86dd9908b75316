// The toolkit's colour palette pop-up: layout, painting, input and its modal run.
#include "toolkit/colorpopup.h"

#include "window_class.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "dialog/dlgsys.h"
#include "win32/automation.h"

namespace {

constexpr int kColumns = 8;
constexpr int kMargin = 3;
constexpr int kButtonHeight = 22;

// The automation provider of the pop-up: its items are its cells, named by their text.
class PopupProvider : public MiscAutomationProvider {
public:
    static CXTColorPopup* Of(HWND hwnd) { return dynamic_cast<CXTColorPopup*>(CWnd::FromHandlePermanent(hwnd)); }
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        CXTColorPopup* p = Of(hwnd);
        return p && parent.items.empty() ? static_cast<int>(p->GetCells().size()) : 0;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        if (path.IsWholeWindow())
            return MiscAutomationProvider::Read(hwnd, path);
        MiscElementState s;
        CXTColorPopup* p = Of(hwnd);
        if (!p || path.items.size() != 1 || path.items[0] < 0 || path.items[0] >= static_cast<int>(p->GetCells().size()))
            return s;
        const CXTColorPopup::Cell& c = p->GetCells()[static_cast<size_t>(path.items[0])];
        s.exists = true;
        s.text = c.text.GetString();
        s.rect = c.rect;
        s.selected = c.kind == CXTColorPopup::Cell::Colour && c.color == p->GetCurrentColor();
        return s;
    }
};

void RegisterOnce()
{
    static const bool registered = xtpkit::RegisterWindowClass(XT_COLORPOPUP_CLASS, CS_SAVEBITS, std::make_shared<PopupProvider>());
    (void)registered;
}

CString Hex(COLORREF c)
{
    CString s;
    s.Format("%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return s;
}

} // namespace

IMPLEMENT_DYNAMIC(CXTColorPopup, CWnd)

BEGIN_MESSAGE_MAP(CXTColorPopup, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CXTColorPopup::CXTColorPopup(BOOL autoDelete) : m_autoDelete(autoDelete) {}
CXTColorPopup::~CXTColorPopup() = default;

const std::vector<COLORREF>& CXTColorPopup::Palette(BOOL extended)
{
    static const std::vector<COLORREF> basic = {
        RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),   RGB(128, 128, 0),
        RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),   RGB(255, 255, 0),
        RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255), RGB(255, 255, 255)};
    static const std::vector<COLORREF> wide = {
        RGB(0, 0, 0),       RGB(153, 51, 0),    RGB(51, 51, 0),    RGB(0, 51, 0),
        RGB(0, 51, 102),    RGB(0, 0, 128),     RGB(51, 51, 153),  RGB(51, 51, 51),
        RGB(128, 0, 0),     RGB(255, 102, 0),   RGB(128, 128, 0),  RGB(0, 128, 0),
        RGB(0, 128, 128),   RGB(0, 0, 255),     RGB(102, 102, 153), RGB(128, 128, 128),
        RGB(255, 0, 0),     RGB(255, 153, 0),   RGB(153, 204, 0),  RGB(51, 153, 102),
        RGB(51, 204, 204),  RGB(51, 102, 255),  RGB(128, 0, 128), RGB(153, 153, 153),
        RGB(255, 0, 255),   RGB(255, 204, 0),   RGB(255, 255, 0),  RGB(0, 255, 0),
        RGB(0, 255, 255),   RGB(0, 204, 255),   RGB(153, 51, 102), RGB(192, 192, 192),
        RGB(255, 153, 204), RGB(255, 204, 153), RGB(255, 255, 153), RGB(204, 255, 204),
        RGB(204, 255, 255), RGB(153, 204, 255), RGB(204, 153, 255), RGB(255, 255, 255)};
    return extended ? wide : basic;
}

void CXTColorPopup::AddListener(HWND listener)
{
    if (listener)
        m_listeners.push_back(listener);
}

BOOL CXTColorPopup::GetResult(COLORREF* color) const
{
    if (m_picked && color)
        *color = m_result;
    return m_picked ? TRUE : FALSE;
}

void CXTColorPopup::Layout(int width)
{
    m_cells.clear();
    const int cell = std::max(8, (width - 2 * kMargin) / kColumns);
    int y = kMargin;
    auto button = [&](Cell::Kind kind, COLORREF color, const char* text) {
        Cell c;
        c.kind = kind;
        c.color = color;
        c.rect = CRect(kMargin, y, width - kMargin, y + kButtonHeight);
        c.text = text;
        m_cells.push_back(c);
        y += kButtonHeight + kMargin;
    };
    if (m_style & CPS_XT_DEFAULT)
        button(Cell::Default, m_default, "Automatic");
    if (m_style & CPS_XT_NOFILL)
        button(Cell::NoFill, CLR_NONE, "No Fill");
    const std::vector<COLORREF>& colours = Palette((m_style & CPS_XT_EXTENDED) != 0);
    for (size_t i = 0; i < colours.size(); ++i) {
        Cell c;
        c.color = colours[i];
        const int col = static_cast<int>(i % kColumns), row = static_cast<int>(i / kColumns);
        c.rect = CRect(kMargin + col * cell, y + row * cell, kMargin + (col + 1) * cell, y + (row + 1) * cell);
        c.text = Hex(c.color);
        m_cells.push_back(c);
    }
    y += static_cast<int>((colours.size() + kColumns - 1) / kColumns) * cell + kMargin;
    if (m_style & CPS_XT_MORECOLORS)
        button(Cell::More, 0, "More Colors...");
    m_hexHeight = (m_style & CPS_XT_SHOWHEXVALUE) ? 16 : 0;
}

BOOL CXTColorPopup::Create(CRect& rect, CWnd* parent, DWORD style, COLORREF current, COLORREF defaultColor)
{
    RegisterOnce();
    m_style = style;
    m_current = current;
    m_default = defaultColor == CLR_DEFAULT ? current : defaultColor;
    // The window is as wide as the rectangle; its one-pixel border is inside that width.
    const int outer = std::max(static_cast<int>(rect.Width()), 2 + 2 * kMargin + kColumns * 8);
    const int width = outer - 2;
    Layout(width);
    int height = kMargin;
    for (const Cell& c : m_cells)
        height = std::max(height, static_cast<int>(c.rect.bottom));
    height += kMargin + m_hexHeight + 2; // with the border
    // Under the rectangle; above it when the screen has no room below.
    int top = rect.bottom;
    if (top + height > ::GetSystemMetrics(SM_CYSCREEN) && rect.top - height >= 0)
        top = rect.top - height;
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, XT_COLORPOPUP_CLASS, XT_COLORPOPUP_CAPTION, WS_POPUP | WS_BORDER, rect.left, top,
                  outer, height, parent ? parent->GetSafeHwnd() : nullptr, nullptr)) {
        if (m_autoDelete)
            delete this;
        return FALSE;
    }
    for (size_t i = 0; i < m_cells.size(); ++i)
        if (m_cells[i].kind == Cell::Colour && m_cells[i].color == m_current)
            m_hot = static_cast<int>(i);
    Notify(CPN_XT_DROPDOWN, m_current);
    ShowWindow(SW_SHOWNA);
    SetFocus();
    SetCapture();

    MiscModal info;
    info.kind = MiscModalKind::ColorChooser;
    info.hwnd = m_hWnd;
    info.caption = XT_COLORPOPUP_CAPTION;
    const HWND hwnd = m_hWnd;
    wndsys::RunModal(hwnd, info, [this, &info] { return m_done || info.answered; });
    if (!m_done) {
        // Answered like a chooser: a colour as RRGGBB, "default", or anything else for Cancel.
        int index = -1;
        for (size_t i = 0; i < m_cells.size() && info.answered; ++i) {
            const Cell& c = m_cells[i];
            if ((c.kind == Cell::Default && info.answer == "default") || c.text.CompareNoCase(info.answer.c_str()) == 0)
                index = static_cast<int>(i);
        }
        if (index < 0 && info.answered && info.answer.size() == 6 &&
            info.answer.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
            const unsigned long v = std::strtoul(info.answer.c_str(), nullptr, 16);
            m_done = m_picked = true;
            m_result = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
            ::ReleaseCapture();
            Notify(CPN_XT_CLOSEUP, m_result);
            OnSelEndOK(m_result);
        } else {
            EndSelection(index);
        }
    }
    // The pop-up is gone once it ended; an auto-deleting one deletes itself with its window.
    if (::IsWindow(hwnd))
        ::DestroyWindow(hwnd);
    return TRUE;
}

void CXTColorPopup::Notify(UINT message, COLORREF color)
{
    for (HWND listener : std::vector<HWND>(m_listeners))
        if (::IsWindow(listener))
            ::SendMessageA(listener, message, static_cast<WPARAM>(color), reinterpret_cast<LPARAM>(m_hWnd));
}

void CXTColorPopup::OnSelEndOK(COLORREF color) { Notify(CPN_XT_SELENDOK, color); }
void CXTColorPopup::OnSelEndCancel() { Notify(CPN_XT_SELENDCANCEL, m_current); }

void CXTColorPopup::AskMoreColors()
{
    // A colour chooser without a window of its own: the scripted user answers RRGGBB.
    MiscModal info;
    info.kind = MiscModalKind::ColorChooser;
    info.caption = "Colors";
    info.fileName = Hex(m_current).GetString();
    MiscModalHandler handler = wndsys::CurrentModalHandler();
    if (handler) {
        wndsys::ModalScope scope(nullptr);
        handler(info);
    } else {
        wndsys::ModalFailure(info.Describe() + " opened with no scripted user to answer it");
    }
    const bool hex = info.answered && info.answer.size() == 6 &&
                     info.answer.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    m_done = true;
    ::ReleaseCapture();
    if (!hex) {
        Notify(CPN_XT_CLOSEUP, m_current);
        OnSelEndCancel();
        return;
    }
    const unsigned long v = std::strtoul(info.answer.c_str(), nullptr, 16);
    m_picked = true;
    m_result = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    Notify(CPN_XT_CLOSEUP, m_result);
    OnSelEndOK(m_result);
}

void CXTColorPopup::EndSelection(int index)
{
    if (m_done)
        return;
    if (index >= 0 && index < static_cast<int>(m_cells.size()) && m_cells[static_cast<size_t>(index)].kind == Cell::More) {
        AskMoreColors();
        return;
    }
    m_done = true;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (index < 0 || index >= static_cast<int>(m_cells.size())) {
        Notify(CPN_XT_CLOSEUP, m_current);
        OnSelEndCancel();
        return;
    }
    m_picked = true;
    m_result = m_cells[static_cast<size_t>(index)].color;
    Notify(CPN_XT_CLOSEUP, m_result);
    OnSelEndOK(m_result);
}

int CXTColorPopup::HitTest(CPoint client) const
{
    for (size_t i = 0; i < m_cells.size(); ++i)
        if (m_cells[i].rect.PtInRect(client))
            return static_cast<int>(i);
    return -1;
}

void CXTColorPopup::DrawCell(CDC& dc, int index)
{
    const Cell& c = m_cells[static_cast<size_t>(index)];
    const bool hot = index == m_hot;
    const bool current = c.kind == Cell::Colour && c.color == m_current;
    CRect r = c.rect;
    dc.FillSolidRect(&r, ::GetSysColor(COLOR_MENU));
    if (current && (m_style & CPS_XT_SHOW3DSELECTION))
        dc.Draw3dRect(&r, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DHILIGHT));
    else if (hot || current)
        dc.Draw3dRect(&r, ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHT));
    if (c.kind == Cell::Colour) {
        r.DeflateRect(3, 3);
        dc.FillSolidRect(&r, c.color);
        dc.Draw3dRect(&r, RGB(128, 128, 128), RGB(128, 128, 128));
        return;
    }
    CRect text = r;
    if (c.kind == Cell::Default) {
        CRect swatch(r.left + 4, r.top + 4, r.left + 4 + r.Height() - 8, r.bottom - 4);
        dc.FillSolidRect(&swatch, c.color);
        dc.Draw3dRect(&swatch, RGB(128, 128, 128), RGB(128, 128, 128));
        text.left = swatch.right;
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_MENUTEXT));
    dc.DrawText(c.text, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CXTColorPopup::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_MENU));
    CFont* old = dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    for (size_t i = 0; i < m_cells.size(); ++i)
        DrawCell(dc, static_cast<int>(i));
    if (m_hexHeight > 0 && m_hot >= 0 && m_cells[static_cast<size_t>(m_hot)].kind == Cell::Colour) {
        CRect r(client.left, client.bottom - m_hexHeight, client.right, client.bottom);
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(m_cells[static_cast<size_t>(m_hot)].text, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    dc.SelectObject(old);
}

void CXTColorPopup::OnMouseMove(UINT, CPoint point)
{
    const int hit = HitTest(point);
    if (hit != m_hot && hit >= 0) {
        m_hot = hit;
        Invalidate();
        if (m_cells[static_cast<size_t>(hit)].kind == Cell::Colour)
            Notify(CPN_XT_SELCHANGE, m_cells[static_cast<size_t>(hit)].color);
    }
}

void CXTColorPopup::OnLButtonDown(UINT, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point))
        EndSelection(-1); // a click outside closes the pop-up
}

void CXTColorPopup::OnLButtonUp(UINT, CPoint point)
{
    const int hit = HitTest(point);
    if (hit >= 0)
        EndSelection(hit);
}

UINT CXTColorPopup::OnGetDlgCode() { return DLGC_WANTALLKEYS | DLGC_WANTARROWS; }

void CXTColorPopup::OnKeyDown(UINT key, UINT, UINT)
{
    const int count = static_cast<int>(m_cells.size());
    int first = 0;
    while (first < count && m_cells[static_cast<size_t>(first)].kind != Cell::Colour)
        ++first;
    int hot = m_hot < 0 ? first : m_hot;
    switch (key) {
    case VK_ESCAPE: EndSelection(-1); return;
    case VK_RETURN: EndSelection(m_hot); return;
    case VK_LEFT: hot -= 1; break;
    case VK_RIGHT: hot += 1; break;
    case VK_UP: hot -= m_cells[static_cast<size_t>(hot)].kind == Cell::Colour ? kColumns : 1; break;
    case VK_DOWN: hot += m_cells[static_cast<size_t>(hot)].kind == Cell::Colour ? kColumns : 1; break;
    default: return;
    }
    if (hot >= 0 && hot < count && hot != m_hot) {
        m_hot = hot;
        Invalidate();
    }
}

void CXTColorPopup::OnCaptureChanged(CWnd* wnd)
{
    // Losing the capture to another window (the person went elsewhere) cancels the pop-up.
    if (!m_done && wnd && wnd->GetSafeHwnd() != m_hWnd)
        EndSelection(-1);
}

void CXTColorPopup::PostNcDestroy()
{
    if (m_autoDelete)
        delete this;
}
