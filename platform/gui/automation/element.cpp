// Elements and the provider defaults: what every window offers before its class says more.
#include "autosys.h"

#include <sstream>

using namespace autosys;

MiscItemPath MiscItemPath::Child(int index) const
{
    MiscItemPath out = *this;
    out.items.push_back(index);
    out.column = -1;
    return out;
}

MiscItemPath MiscItemPath::Cell(int col) const
{
    MiscItemPath out = *this;
    out.column = col;
    return out;
}

std::string MiscItemPath::Describe() const
{
    std::ostringstream out;
    out << '{';
    for (size_t i = 0; i < items.size(); ++i)
        out << (i ? "," : "") << items[i];
    out << '}';
    if (column >= 0)
        out << ':' << column;
    return out.str();
}

// ---- Provider defaults ----

int MiscAutomationProvider::ChildCount(HWND, const MiscItemPath&) { return 0; }

MiscElementState MiscAutomationProvider::Read(HWND hwnd, const MiscItemPath& path)
{
    MiscElementState st;
    if (!IsWindow(hwnd) || !path.IsWholeWindow())
        return st;
    st.exists = true;
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), length + 1)));
    st.text = MiscStripMnemonic(text);
    st.visible = IsWindowVisible(hwnd) != FALSE;
    st.enabled = IsWindowEnabled(hwnd) != FALSE;
    // A control inside a disabled parent (a disabled page or pane) cannot be reached either.
    for (HWND w = hwnd; st.enabled && (GetWindowLongA(w, GWL_STYLE) & WS_CHILD) && GetParent(w); w = GetParent(w))
        st.enabled = IsWindowEnabled(GetParent(w)) != FALSE;
    st.focused = GetFocus() == hwnd;
    if (st.visible)
        GetClientRect(hwnd, &st.rect);
    st.childCount = ChildCount(hwnd, path);
    return st;
}

std::vector<std::string> MiscAutomationProvider::Columns(HWND) { return {}; }

bool MiscAutomationProvider::Reveal(HWND hwnd, const MiscItemPath& path)
{
    MiscElementState st = Read(hwnd, path);
    return st.exists && !IsRectEmpty(&st.rect);
}

bool MiscAutomationProvider::Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action)
{
    MiscElementState st = Read(hwnd, path);
    if (!st.exists || !st.enabled)
        return false;
    bool mouse = action.verb == MiscVerb::Click || action.verb == MiscVerb::DoubleClick ||
                 action.verb == MiscVerb::RightClick || action.verb == MiscVerb::Select || action.verb == MiscVerb::Drag;
    if (mouse || action.verb == MiscVerb::TypeText || action.verb == MiscVerb::PressKey) {
        if (!Reveal(hwnd, path))
            return false;
        st = Read(hwnd, path);
        if (IsRectEmpty(&st.rect))
            return false;
    }
    POINT at = Center(st.rect);
    switch (action.verb) {
    case MiscVerb::Click:
    case MiscVerb::Select: MiscClickAt(hwnd, at, WM_LBUTTONDOWN, 1, action.modifiers); return true;
    case MiscVerb::DoubleClick: MiscClickAt(hwnd, at, WM_LBUTTONDOWN, 2, action.modifiers); return true;
    case MiscVerb::RightClick: MiscClickAt(hwnd, at, WM_RBUTTONDOWN, 1, action.modifiers); return true;
    case MiscVerb::Drag: MiscDragFrom(hwnd, at, action.offset, action.modifiers); return true;
    case MiscVerb::TypeText:
        if (path.IsWholeWindow())
            FocusControl(hwnd);
        else
            MiscClickAt(hwnd, at);
        TypeAtFocus(action.text);
        return true;
    case MiscVerb::PressKey:
        if (path.IsWholeWindow())
            FocusControl(hwnd);
        else
            MiscClickAt(hwnd, at);
        MiscPressKeyWith(action.value, action.modifiers);
        return true;
    default: return false;
    }
}

// ---- Elements ----

MiscElement::MiscElement(HWND hwnd, MiscItemPath path) : m_hwnd(hwnd), m_path(std::move(path)) {}

bool MiscElement::Exists() const { return IsWindow(m_hwnd) && State().exists; }

std::string MiscElement::Describe() const
{
    std::ostringstream out;
    out << ClassOf(m_hwnd) << ' ' << (IsWindow(m_hwnd) ? GetDlgCtrlID(m_hwnd) : 0);
    if (!m_path.IsWholeWindow())
        out << ' ' << m_path.Describe();
    return out.str();
}

MiscElementState MiscElement::State() const
{
    if (!IsWindow(m_hwnd))
        return MiscElementState();
    return MiscAutomationProviderFor(m_hwnd).Read(m_hwnd, m_path);
}

int MiscElement::ItemCount() const
{
    return IsWindow(m_hwnd) ? MiscAutomationProviderFor(m_hwnd).ChildCount(m_hwnd, m_path) : 0;
}

MiscElement MiscElement::Item(int index) const { return MiscElement(m_hwnd, m_path.Child(index)); }

MiscElement MiscElement::Item(const std::string& textPath) const
{
    MiscElement at = *this;
    size_t start = 0;
    while (start <= textPath.size()) {
        size_t bar = textPath.find('|', start);
        std::string part = textPath.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        int n = at.ItemCount();
        int found = -1;
        for (int i = 0; i < n && found < 0; ++i)
            if (MiscStripMnemonic(at.Item(i).Text()) == MiscStripMnemonic(part))
                found = i;
        if (found < 0)
            return MiscElement(m_hwnd, m_path.Child(-1)); // a path that exists nowhere
        at = at.Item(found);
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    return at;
}

MiscElement MiscElement::Cell(int row, int column) const { return MiscElement(m_hwnd, m_path.Child(row).Cell(column)); }

MiscElement MiscElement::Cell(int row, const std::string& columnHeading) const
{
    std::vector<std::string> columns = IsWindow(m_hwnd) ? MiscAutomationProviderFor(m_hwnd).Columns(m_hwnd)
                                                        : std::vector<std::string>();
    for (size_t c = 0; c < columns.size(); ++c)
        if (MiscStripMnemonic(columns[c]) == columnHeading)
            return Cell(row, static_cast<int>(c));
    return Cell(row, 1 << 20); // no such column
}

BOOL MiscElement::Perform(const MiscAction& action) const
{
    if (!IsWindow(m_hwnd))
        return FALSE;
    BOOL ok = MiscAutomationProviderFor(m_hwnd).Perform(m_hwnd, m_path, action) ? TRUE : FALSE;
    MiscSettle();
    return ok;
}

namespace {
MiscAction Verb(MiscVerb verb, UINT modifiers = 0, int value = 0)
{
    MiscAction a;
    a.verb = verb;
    a.modifiers = modifiers;
    a.value = value;
    return a;
}
} // namespace

BOOL MiscElement::Click(UINT modifiers) const { return Perform(Verb(MiscVerb::Click, modifiers)); }
BOOL MiscElement::DoubleClick(UINT modifiers) const { return Perform(Verb(MiscVerb::DoubleClick, modifiers)); }
BOOL MiscElement::RightClick(UINT modifiers) const { return Perform(Verb(MiscVerb::RightClick, modifiers)); }
BOOL MiscElement::Select(UINT modifiers) const { return Perform(Verb(MiscVerb::Select, modifiers)); }
BOOL MiscElement::SetCheck(int state) const { return Perform(Verb(MiscVerb::SetCheck, 0, state)); }
BOOL MiscElement::Expand() const { return Perform(Verb(MiscVerb::Expand)); }
BOOL MiscElement::Collapse() const { return Perform(Verb(MiscVerb::Collapse)); }
BOOL MiscElement::PressKey(int vk, UINT modifiers) const { return Perform(Verb(MiscVerb::PressKey, modifiers, vk)); }
BOOL MiscElement::SetValue(int value) const { return Perform(Verb(MiscVerb::SetValue, 0, value)); }

BOOL MiscElement::TypeText(const std::string& text) const
{
    MiscAction a = Verb(MiscVerb::TypeText);
    a.text = text;
    return Perform(a);
}

BOOL MiscElement::Drag(int dx, int dy, UINT modifiers) const
{
    MiscAction a = Verb(MiscVerb::Drag, modifiers);
    a.offset = POINT{dx, dy};
    return Perform(a);
}
