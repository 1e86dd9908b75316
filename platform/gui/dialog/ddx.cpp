// Dialog data exchange: UpdateData, CDataExchange, and the DDX_ and DDV_ routines with MFC's
// parsing rules and messages.
#include "mfc/dialog.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Thrown by CDataExchange::Fail and caught by UpdateData; never leaves the platform.
struct DataExchangeFailure {};

std::string ControlText(HWND hwnd)
{
    int length = ::GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int n = ::GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

void Complain(CDataExchange* pDX, const std::string& message)
{
    AfxMessageBox(message.c_str(), MB_ICONEXCLAMATION);
    pDX->Fail();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// MFC reads numbers with sscanf and then insists that nothing but blanks follows.
bool ParseLong(const std::string& text, long long* value, bool allowSign)
{
    const char* p = text.c_str();
    while (IsBlank(*p))
        ++p;
    if (!allowSign && *p == '-')
        return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(p, &end, 10);
    if (end == p || errno == ERANGE)
        return false;
    while (IsBlank(*end))
        ++end;
    if (*end)
        return false;
    *value = v;
    return true;
}

bool ParseDouble(const std::string& text, double* value)
{
    const char* p = text.c_str();
    while (IsBlank(*p))
        ++p;
    char* end = nullptr;
    double v = std::strtod(p, &end);
    if (end == p)
        return false;
    while (IsBlank(*end))
        ++end;
    if (*end)
        return false;
    *value = v;
    return true;
}

template <class T>
void TextInteger(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi, const char* format,
                 const char* complaint)
{
    HWND hwnd = pDX->PrepareEditCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate) {
        long long v = 0;
        if (!ParseLong(ControlText(hwnd), &v, lo < 0) || v < lo || v > hi)
            Complain(pDX, complaint);
        value = static_cast<T>(v);
    } else {
        char text[32];
        std::snprintf(text, sizeof(text), format, value);
        ::SetWindowTextA(hwnd, text);
    }
}

template <class T>
void TextReal(CDataExchange* pDX, int nIDC, T& value, int digits)
{
    HWND hwnd = pDX->PrepareEditCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate) {
        double v = 0;
        if (!ParseDouble(ControlText(hwnd), &v))
            Complain(pDX, "Please enter a number.");
        value = static_cast<T>(v);
    } else {
        char text[64];
        std::snprintf(text, sizeof(text), "%.*g", digits, static_cast<double>(value));
        ::SetWindowTextA(hwnd, text);
    }
}

void FailRange(CDataExchange* pDX, const std::string& lo, const std::string& hi, bool real)
{
    // Only when saving: a value loaded into a control is not checked.
    std::string text = std::string(real ? "Please enter a number between " : "Please enter an integer between ") + lo +
                       " and " + hi + ".";
    Complain(pDX, text);
}

} // namespace

// ---- UpdateData ----
BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hwnd = ::GetDlgItem(MiscSafeHwnd(m_pDlgWnd), nIDC);
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return hwnd;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hwnd = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hwnd;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl) {
        HWND control = ::GetDlgItem(MiscSafeHwnd(m_pDlgWnd), static_cast<int>(m_idLastControl));
        if (control) {
            ::SetFocus(control);
            if (m_bEditLastControl)
                ::SendMessageA(control, EM_SETSEL, 0, -1);
        }
    }
    throw DataExchangeFailure{};
}

// ---- DDX ----
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hwnd = pDX->PrepareEditCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = CString(ControlText(hwnd).c_str());
    else
        ::SetWindowTextA(hwnd, value.GetString());
}

void DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen)
{
    HWND hwnd = pDX->PrepareEditCtrl(nIDC);
    if (!hwnd || !value || nMaxLen <= 0)
        return;
    if (pDX->m_bSaveAndValidate)
        ::GetWindowTextA(hwnd, value, nMaxLen);
    else
        ::SetWindowTextA(hwnd, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    TextInteger(pDX, nIDC, value, INT_MIN, INT_MAX, "%d", "Please enter an integer.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    TextInteger(pDX, nIDC, value, 0, UINT_MAX, "%u", "Please enter a positive integer.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    // A Windows long has 32 bits.
    TextInteger(pDX, nIDC, value, INT32_MIN, INT32_MAX, "%ld", "Please enter an integer.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    TextInteger(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, "%hd", "Please enter an integer.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    TextInteger(pDX, nIDC, value, 0, 255, "%u", "Please enter an integer between 0 and 255.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, double& value) { TextReal(pDX, nIDC, value, DBL_DIG); }
void DDX_Text(CDataExchange* pDX, int nIDC, float& value) { TextReal(pDX, nIDC, value, FLT_DIG); }

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hwnd, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hwnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The radio buttons of the group that starts at nIDC, in z-order, up to the next group.
    int index = 0;
    for (HWND button = hwnd; button; button = ::GetWindow(button, GW_HWNDNEXT)) {
        if (button != hwnd && (::GetWindowLongA(button, GWL_STYLE) & WS_GROUP))
            break;
        if (!(::SendMessageA(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageA(button, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
                value = index;
        } else {
            ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hwnd, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = CString(ControlText(hwnd).c_str());
    } else if (::SendMessageA(hwnd, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString())) ==
               CB_ERR) {
        ::SetWindowTextA(hwnd, value.GetString()); // ignored by a drop-down list
    }
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = CString(ControlText(hwnd).c_str());
        return;
    }
    LRESULT index = ::SendMessageA(hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString()));
    if (index != CB_ERR)
        ::SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    else
        ::SetWindowTextA(hwnd, value.GetString());
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hwnd, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

namespace {
void ListString(CDataExchange* pDX, int nIDC, CString& value, UINT find)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate) {
        LRESULT index = ::SendMessageA(hwnd, LB_GETCURSEL, 0, 0);
        value.Empty();
        if (index != LB_ERR) {
            LRESULT length = ::SendMessageA(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
            std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
            ::SendMessageA(hwnd, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
            value = CString(text.c_str());
        }
        return;
    }
    LRESULT index = ::SendMessageA(hwnd, find, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString()));
    ::SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0); // -1 clears the selection
}
} // namespace

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) { ListString(pDX, nIDC, value, LB_FINDSTRING); }
void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) { ListString(pDX, nIDC, value, LB_FINDSTRINGEXACT); }

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hwnd, TBM_GETPOS, 0, 0));
    else
        ::SendMessageA(hwnd, TBM_SETPOS, TRUE, value);
}

void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = ::GetScrollPos(hwnd, SB_CTL);
    else
        ::SetScrollPos(hwnd, SB_CTL, value, TRUE);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (hwnd)
        rControl.SubclassWindow(hwnd);
}

// ---- DDV ----
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, std::to_string(minVal), std::to_string(maxVal), false);
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, std::to_string(minVal), std::to_string(maxVal), false);
}
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, std::to_string(minVal), std::to_string(maxVal), false);
}
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, std::to_string(minVal), std::to_string(maxVal), false);
}
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailRange(pDX, std::to_string(minVal), std::to_string(maxVal), false);
}

namespace {
std::string Real(double v)
{
    char text[64];
    std::snprintf(text, sizeof(text), "%.*g", DBL_DIG, v);
    return text;
}
} // namespace

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    if (pDX->m_bSaveAndValidate && !(value >= minVal && value <= maxVal))
        FailRange(pDX, Real(minVal), Real(maxVal), true);
}
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal)
{
    if (pDX->m_bSaveAndValidate && !(value >= minVal && value <= maxVal))
        FailRange(pDX, Real(minVal), Real(maxVal), true);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars)
            Complain(pDX, "Please enter no more than " + std::to_string(nChars) + " characters.");
    } else if (HWND hwnd = ::GetDlgItem(MiscSafeHwnd(pDX->m_pDlgWnd), static_cast<int>(pDX->m_idLastControl))) {
        ::SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}
