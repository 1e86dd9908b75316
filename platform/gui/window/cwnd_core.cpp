// CWnd's life: the handle maps, creation through the creation hook, attaching and subclassing,
// destruction, the window procedure of MFC windows and the modal loop.
#include "mfc/wnd.h"

#include "dialog/dlgsys.h"
#include "window/wndsys.h"

#include <memory>
#include <unordered_map>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

// A wrapper object of the MFC class that matches the window's class (controls/mfc_controls.cpp),
// so that the MFC habit of casting GetDlgItem's result to CComboBox* and the like is sound.
CWnd* MiscMakeTemporaryWnd(HWND hwnd);

struct CWndInternals {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    CWnd* creating = nullptr; // the object the next CreateWindowEx attaches to
    MSG current{};            // the message being dispatched (CWnd::Default, GetCurrentMessage)

    static CWndInternals& Get()
    {
        static CWndInternals* state = new CWndInternals;
        return *state;
    }

    static void CreateHook(HWND hwnd, CREATESTRUCTA*)
    {
        CWndInternals& s = Get();
        CWnd* wnd = s.creating;
        if (!wnd)
            return;
        s.creating = nullptr;
        wnd->Attach(hwnd);
        wnd->PreSubclassWindow();
        auto old = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
        if (old != &CWnd::AfxWndProc)
            wnd->m_pfnSuper = old;
    }

    static void DestroyHook(HWND hwnd)
    {
        CWndInternals& s = Get();
        s.temporary.erase(hwnd);
        auto it = s.permanent.find(hwnd);
        if (it != s.permanent.end()) {
            // A window whose messages did not pass through AfxWndProc: let its object go.
            it->second->m_hWnd = nullptr;
            s.permanent.erase(it);
        }
    }

    static BOOL PreTranslate(MSG* msg)
    {
        if (!msg->hwnd)
            return FALSE;
        return CWnd::WalkPreTranslateTree(GetAncestor(msg->hwnd, GA_ROOT), msg);
    }

    static void InstallHooks()
    {
        wndsys::System& sys = wndsys::Sys();
        sys.createHook = &CreateHook;
        sys.destroyHook = &DestroyHook;
        sys.preTranslate = &PreTranslate;
    }

    static LRESULT Call(CWnd* wnd, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        CWndInternals& s = Get();
        MSG saved = s.current;
        s.current = MSG{hwnd, msg, wParam, lParam, GetTickCount(), {}};
        LRESULT result = wnd->WindowProc(msg, wParam, lParam);
        s.current = saved;
        return result;
    }
};

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

const char kAfxWndClass[] = "AfxWnd";

void RegisterAfxWndClass()
{
    WNDCLASSA wc{};
    if (GetClassInfoA(nullptr, kAfxWndClass, &wc))
        return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kAfxWndClass;
    RegisterClassA(&wc);
}
} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd && m_hWnd != HWND_TOP && m_hWnd != HWND_BOTTOM && m_hWnd != HWND_TOPMOST &&
        m_hWnd != HWND_NOTOPMOST) {
        CWndInternals& s = CWndInternals::Get();
        auto it = s.permanent.find(m_hWnd);
        if (it != s.permanent.end() && it->second == this) {
            // MFC destroys a window whose object goes first; the object must not be called back.
            HWND hwnd = m_hWnd;
            if (m_pfnSuper)
                SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
            s.permanent.erase(it);
            m_hWnd = nullptr;
            ::DestroyWindow(hwnd);
        }
    }
}

HWND CWnd::GetSafeHwnd() const
{
    // MFC callers ask a null object for its handle; hide `this` from the optimiser so the test
    // for null stays.
    const CWnd* self = this;
    asm("" : "+r"(self));
    return self ? self->m_hWnd : nullptr;
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    CWndInternals& s = CWndInternals::Get();
    auto it = s.permanent.find(hWnd);
    return it == s.permanent.end() ? nullptr : it->second;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* wnd = FromHandlePermanent(hWnd))
        return wnd;
    if (hWnd == ::GetDesktopWindow() || ::IsWindow(hWnd) || hWnd == HWND_TOP || hWnd == HWND_BOTTOM ||
        hWnd == HWND_TOPMOST || hWnd == HWND_NOTOPMOST) {
        CWndInternals& s = CWndInternals::Get();
        auto& temp = s.temporary[hWnd];
        if (!temp) {
            temp.reset(MiscMakeTemporaryWnd(hWnd));
            temp->m_hWnd = hWnd;
        }
        return temp.get();
    }
    return nullptr;
}

void PASCAL CWnd::DeleteTempMap()
{
    auto& temp = CWndInternals::Get().temporary;
    for (auto& entry : temp)
        entry.second->m_hWnd = nullptr;
    temp.clear();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || m_hWnd)
        return FALSE;
    CWndInternals::InstallHooks();
    CWndInternals& s = CWndInternals::Get();
    if (s.permanent.count(hWndNew))
        return FALSE;
    m_hWnd = hWndNew;
    s.permanent[hWndNew] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd) {
        CWndInternals& s = CWndInternals::Get();
        auto it = s.permanent.find(hwnd);
        if (it != s.permanent.end() && it->second == this)
            s.permanent.erase(it);
    }
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
    if (old != &CWnd::AfxWndProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND item = ::GetDlgItem(MiscSafeHwnd(pParent), static_cast<int>(nID));
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd)
        return nullptr;
    if (m_pfnSuper)
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass) {
        RegisterAfxWndClass();
        cs.lpszClass = kAfxWndClass;
    }
    return TRUE;
}

void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCT cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    AfxUnhookWindowCreate();
    return hwnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, MiscSafeHwnd(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, nullptr);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hwnd = m_hWnd;
    bool permanent = FromHandlePermanent(hwnd) == this;
    BOOL result = ::DestroyWindow(hwnd);
    // A window that was never routed through AfxWndProc is detached here (the object may have
    // been deleted by PostNcDestroy otherwise, so it is only touched when it was not attached).
    if (!permanent)
        m_hWnd = nullptr;
    return result;
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return CWndInternals::Call(wnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& m = CWndInternals::Get().current;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() { return &CWndInternals::Get().current; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hwnd = pMsg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = FromHandlePermanent(hwnd);
        if (wnd && wnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hwnd == hWndStop || !(::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    CWndInternals::InstallHooks();
    CWndInternals::Get().creating = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    CWndInternals& s = CWndInternals::Get();
    bool pending = s.creating != nullptr;
    s.creating = nullptr;
    return !pending; // TRUE when the hook was used
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    if ((dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE))
        ShowWindow(SW_SHOWNORMAL);
    MiscModal info;
    info.kind = MiscModalKind::Dialog;
    info.hwnd = m_hWnd;
    if (wndsys::DialogRec* d = wndsys::DialogOf(m_hWnd))
        info.templateId = d->templateId;
    CString caption;
    GetWindowText(caption);
    info.caption = caption.GetString();
    HWND hwnd = m_hWnd;
    bool ok = wndsys::RunModal(hwnd, info, [this, hwnd] {
        return !::IsWindow(hwnd) || FromHandlePermanent(hwnd) != this || !ContinueModal();
    });
    if (!ok || (::IsWindow(hwnd) && ContinueModal())) {
        m_nModalResult = -1;
        m_nFlags &= ~static_cast<UINT>(WF_CONTINUEMODAL);
    }
    m_nFlags &= ~static_cast<UINT>(WF_MODALLOOP);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~static_cast<UINT>(WF_CONTINUEMODAL);
        PostMessage(WM_NULL);
    }
}

// ---- Window contexts ----
CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(MiscSafeHwnd(pWnd)) { Attach(::GetDC(m_hWnd)); }
CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }
CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(MiscSafeHwnd(pWnd)) { Attach(::GetWindowDC(m_hWnd)); }
CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }
CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(MiscSafeHwnd(pWnd)), m_ps{} { Attach(::BeginPaint(m_hWnd, &m_ps)); }
CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
