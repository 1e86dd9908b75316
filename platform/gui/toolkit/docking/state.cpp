// Saved docking layouts: the compact text form of an arrangement, its reader, and the layout
// object that keeps one and stores it in the application profile.
//
// The text form is one line of space-separated tokens (version 1):
//   D1 panes N {id title}...            titles with '%', ' ' and control bytes as %XX
//      edges N {dir size NODE}...       the outermost first; dir 0 left 1 right 2 top 3 bottom
//      floats N {left top right bottom NODE}...
//      hidden N {dir size K id...}...
//      closed N id...   last N {id dir}...
//   NODE = g SELECTED K id...           a tab group
//        | s HORIZONTAL K {weight NODE}...  a split (side by side when HORIZONTAL is 1)
// Every pane of the pane list is placed at most once; a pane placed nowhere is closed.
#include "model.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>

#include "manager_impl.h"

namespace docking {

namespace {

constexpr int kMaxCount = 4096;
constexpr int kMaxDepth = 32;
constexpr long kMaxCoord = 1000000;

std::string Escape(const CString& s)
{
    std::string out;
    for (unsigned char c : std::string(s.GetString())) {
        if (c <= ' ' || c == '%') {
            static const char* hex = "0123456789ABCDEF";
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out.empty() ? "%00" : out;
}

bool Unescape(const std::string& s, CString& out)
{
    std::string r;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            r += s[i];
            continue;
        }
        if (i + 2 >= s.size())
            return false;
        const std::string hex = s.substr(i + 1, 2);
        if (hex.size() != 2 || !isxdigit(static_cast<unsigned char>(hex[0])) || !isxdigit(static_cast<unsigned char>(hex[1])))
            return false;
        const char c = static_cast<char>(std::strtol(hex.c_str(), nullptr, 16));
        if (c)
            r += c;
        i += 2;
    }
    out = r.c_str();
    return true;
}

void WriteNode(std::ostringstream& o, const Node& n)
{
    if (n.IsGroup()) {
        o << " g " << n.selected << ' ' << n.panes.size();
        for (UINT id : n.panes)
            o << ' ' << id;
        return;
    }
    o << " s " << (n.horizontal ? 1 : 0) << ' ' << n.children.size();
    for (size_t i = 0; i < n.children.size(); ++i) {
        o << ' ' << n.weights[i];
        WriteNode(o, *n.children[i]);
    }
}

class Reader {
public:
    explicit Reader(const std::string& text) : m_in(text) {}
    bool Word(std::string& w) { return static_cast<bool>(m_in >> w); }
    bool Expect(const char* w)
    {
        std::string s;
        return Word(s) && s == w;
    }
    bool Number(long& v, long lo, long hi)
    {
        std::string s;
        if (!Word(s) || s.size() > 12)
            return false;
        char* end = nullptr;
        v = std::strtol(s.c_str(), &end, 10);
        return end && *end == 0 && v >= lo && v <= hi;
    }
    bool Count(int& n)
    {
        long v = 0;
        if (!Number(v, 0, kMaxCount))
            return false;
        n = static_cast<int>(v);
        return true;
    }
    bool Id(UINT& id)
    {
        long v = 0;
        if (!Number(v, 0, 0xFFFFFFFL))
            return false;
        id = static_cast<UINT>(v);
        return true;
    }
    bool Dir(XTPDockingPaneDirection& d)
    {
        long v = 0;
        if (!Number(v, 0, 3))
            return false;
        d = static_cast<XTPDockingPaneDirection>(v);
        return true;
    }
    bool AtEnd()
    {
        std::string s;
        return !(m_in >> s);
    }

private:
    std::istringstream m_in;
};

// Every placed pane must be listed and placed once.
struct Placement {
    std::set<UINT> known, placed;
    bool Place(UINT id) { return known.count(id) && placed.insert(id).second; }
};

bool ReadNode(Reader& r, std::unique_ptr<Node>& out, Placement& p, int depth)
{
    if (depth > kMaxDepth)
        return false;
    std::string kind;
    if (!r.Word(kind))
        return false;
    out = std::make_unique<Node>();
    int count = 0;
    if (kind == "g") {
        long sel = 0;
        if (!r.Number(sel, 0, kMaxCount) || !r.Count(count) || count < 1 || sel >= count)
            return false;
        out->selected = static_cast<int>(sel);
        for (int i = 0; i < count; ++i) {
            UINT id = 0;
            if (!r.Id(id) || !p.Place(id))
                return false;
            out->panes.push_back(id);
        }
        return true;
    }
    long horizontal = 0;
    if (kind != "s" || !r.Number(horizontal, 0, 1) || !r.Count(count) || count < 2)
        return false;
    out->horizontal = horizontal == 1;
    for (int i = 0; i < count; ++i) {
        long weight = 0;
        std::unique_ptr<Node> child;
        if (!r.Number(weight, 1, kMaxCoord) || !ReadNode(r, child, p, depth + 1))
            return false;
        out->weights.push_back(static_cast<int>(weight));
        out->children.push_back(std::move(child));
    }
    return true;
}

bool ReadRect(Reader& r, CRect& rect)
{
    long v[4];
    for (long& x : v)
        if (!r.Number(x, -kMaxCoord, kMaxCoord))
            return false;
    rect.SetRect(static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3]));
    return rect.Width() >= 0 && rect.Height() >= 0;
}

bool ReadBody(Reader& r, Model& m)
{
    int n = 0;
    Placement p;
    if (!r.Expect("D1") || !r.Expect("panes") || !r.Count(n))
        return false;
    for (int i = 0; i < n; ++i) {
        PaneRecord rec;
        std::string title;
        if (!r.Id(rec.id) || !r.Word(title) || !Unescape(title, rec.title) || !p.known.insert(rec.id).second)
            return false;
        m.panes.push_back(rec);
    }
    if (!r.Expect("edges") || !r.Count(n))
        return false;
    for (int i = 0; i < n; ++i) {
        Edge e;
        long size = 0;
        if (!r.Dir(e.dir) || !r.Number(size, 1, kMaxCoord) || !ReadNode(r, e.node, p, 0))
            return false;
        e.size = static_cast<int>(size);
        m.edges.push_back(std::move(e));
    }
    if (!r.Expect("floats") || !r.Count(n))
        return false;
    for (int i = 0; i < n; ++i) {
        Floating f;
        if (!ReadRect(r, f.rect) || !ReadNode(r, f.node, p, 0))
            return false;
        m.floats.push_back(std::move(f));
    }
    if (!r.Expect("hidden") || !r.Count(n))
        return false;
    for (int i = 0; i < n; ++i) {
        Hidden h;
        long size = 0;
        int k = 0;
        if (!r.Dir(h.dir) || !r.Number(size, 1, kMaxCoord) || !r.Count(k) || k < 1)
            return false;
        h.size = static_cast<int>(size);
        for (int j = 0; j < k; ++j) {
            UINT id = 0;
            if (!r.Id(id) || !p.Place(id))
                return false;
            h.panes.push_back(id);
        }
        m.hidden.push_back(std::move(h));
    }
    if (!r.Expect("closed") || !r.Count(n))
        return false;
    for (int i = 0; i < n; ++i) {
        UINT id = 0;
        if (!r.Id(id) || !p.Place(id))
            return false;
        m.closed.push_back(id);
    }
    if (!r.Expect("last") || !r.Count(n))
        return false;
    for (int i = 0; i < n; ++i) {
        UINT id = 0;
        XTPDockingPaneDirection d{};
        if (!r.Id(id) || !r.Dir(d))
            return false;
        m.SetLastDirection(id, d);
    }
    for (UINT id : p.known)
        if (!p.placed.count(id))
            m.closed.push_back(id);
    return r.AtEnd();
}

} // namespace

std::string Serialize(const Model& m)
{
    std::ostringstream o;
    o << "D1 panes " << m.panes.size();
    for (const PaneRecord& p : m.panes)
        o << ' ' << p.id << ' ' << Escape(p.title);
    o << " edges " << m.edges.size();
    for (const Edge& e : m.edges) {
        o << ' ' << static_cast<int>(e.dir) << ' ' << e.size;
        WriteNode(o, *e.node);
    }
    o << " floats " << m.floats.size();
    for (const Floating& f : m.floats) {
        o << ' ' << f.rect.left << ' ' << f.rect.top << ' ' << f.rect.right << ' ' << f.rect.bottom;
        WriteNode(o, *f.node);
    }
    o << " hidden " << m.hidden.size();
    for (const Hidden& h : m.hidden) {
        o << ' ' << static_cast<int>(h.dir) << ' ' << h.size << ' ' << h.panes.size();
        for (UINT id : h.panes)
            o << ' ' << id;
    }
    o << " closed " << m.closed.size();
    for (UINT id : m.closed)
        o << ' ' << id;
    o << " last " << m.lastDir.size();
    for (const auto& [id, dir] : m.lastDir)
        o << ' ' << id << ' ' << static_cast<int>(dir);
    return o.str();
}

bool Parse(const std::string& text, Model& out)
{
    if (text.size() > 1000000)
        return false;
    Model m;
    Reader r(text);
    if (!ReadBody(r, m))
        return false;
    out = std::move(m);
    return true;
}

} // namespace docking

// --- the layout object -------------------------------------------------------------------------

namespace {

CString SectionOf(LPCTSTR name)
{
    CString s("DockingPaneLayouts\\");
    s += name ? name : "";
    return s;
}

} // namespace

CXTPDockingPaneLayout::CXTPDockingPaneLayout(CXTPDockingPaneManager* manager)
    : m_manager(manager), m_impl(std::make_unique<Impl>())
{
}

CXTPDockingPaneLayout::~CXTPDockingPaneLayout() = default;

BOOL CXTPDockingPaneLayout::Load(LPCTSTR section)
{
    CWinApp* app = AfxGetApp();
    if (!app || !section || !*section)
        return FALSE;
    const CString text = app->GetProfileString(SectionOf(section), "Layout", "");
    docking::Model m;
    if (text.IsEmpty() || !docking::Parse(std::string(text.GetString()), m))
        return FALSE;
    m_impl->model = std::move(m);
    m_impl->valid = true;
    return TRUE;
}

void CXTPDockingPaneLayout::Save(LPCTSTR section)
{
    CWinApp* app = AfxGetApp();
    if (!app || !section || !*section || !m_impl->valid)
        return;
    const CString key = SectionOf(section);
    app->WriteProfileString(key, "Layout", docking::Serialize(m_impl->model).c_str());
    app->WriteProfileInt(key, "Panes", static_cast<int>(m_impl->model.panes.size()));
}

BOOL CXTPDockingPaneLayout::IsValid() const
{
    return m_impl->valid ? TRUE : FALSE;
}

std::vector<UINT> CXTPDockingPaneLayout::GetPaneIds() const
{
    std::vector<UINT> ids;
    for (const auto& p : m_impl->model.panes)
        ids.push_back(p.id);
    return ids;
}

