// Saving and loading the command bars under a name in the application's profile.
//
// A state "<name>" is written as:
//   [<name>-Summary]  Bars=<count>
//   [<name>-Bar<i>]   Title, BarID, Visible, Position, Row, MenuBar (1 for the menu bar),
//                     Controls=<count>, Control<j>="<type>,<id>,<beginGroup>,<visible>,<caption>"
// Menu-bar items are not written (they come from the menu resource). Temporary controls are not
// written. The settings object is written as [<name>-Options] with one key per setting.
#include "toolkit/commandbars.h"

#include "commandbars_internal.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

CString Section(LPCTSTR name, const char* suffix)
{
    CString s(name ? name : "");
    s += suffix;
    return s;
}

CString BarSection(LPCTSTR name, int index)
{
    CString s;
    s.Format("%s-Bar%d", name ? name : "", index);
    return s;
}

int ReadInt(const CString& section, const char* key, int def)
{
    return static_cast<int>(AfxGetApp()->GetProfileInt(section, key, def));
}

void WriteInt(const CString& section, const char* key, int value)
{
    AfxGetApp()->WriteProfileInt(section, key, value);
}

// "<type>,<id>,<beginGroup>,<visible>,<caption>" (the caption may hold commas).
bool ParseControl(const CString& text, XTP_COMMANDBARS_SAVED_CONTROL& out)
{
    const std::string s = text.GetString();
    int fields[4]{};
    size_t at = 0;
    for (int& f : fields) {
        const size_t comma = s.find(',', at);
        if (comma == std::string::npos)
            return false;
        char* end = nullptr;
        const std::string part = s.substr(at, comma - at);
        f = static_cast<int>(std::strtol(part.c_str(), &end, 10));
        if (part.empty() || *end)
            return false;
        at = comma + 1;
    }
    if (fields[0] < xtpControlButton || fields[0] > xtpControlLabel)
        return false;
    out = {fields[1], fields[0], fields[2] != 0, fields[3] != 0, CString(s.substr(at).c_str())};
    return true;
}

// The control to put back for a saved entry: a copy of one the bar has or had (so that pop-up
// contents survive), else a new one.
CXTPControl* ControlFor(CXTPCommandBar* bar, const std::vector<std::unique_ptr<CXTPControl>>& before,
                        const XTP_COMMANDBARS_SAVED_CONTROL& saved)
{
    auto same = [&](const CXTPControl* c) { return c->GetID() == saved.id && c->GetType() == saved.type; };
    for (const auto& c : before)
        if (same(c.get()))
            return c->Clone();
    if (const CXTPControls* original = bar->GetOriginalControls())
        for (int i = 0; i < original->GetCount(); ++i)
            if (same(original->GetAt(i)))
                return original->GetAt(i)->Clone();
    return new CXTPControl(static_cast<XTPControlType>(saved.type), saved.id, nullptr);
}

} // namespace

BOOL CXTPCommandBars::SaveBarState(LPCTSTR profileName)
{
    if (!profileName || !*profileName)
        return FALSE;
    // Sections of bars that no longer exist are emptied first.
    const int before = ReadInt(Section(profileName, "-Summary"), "Bars", 0);
    for (int i = GetCount(); i < before; ++i)
        AfxGetApp()->WriteProfileString(BarSection(profileName, i), nullptr, nullptr);
    WriteInt(Section(profileName, "-Summary"), "Bars", GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        CXTPToolBar* bar = GetAt(i);
        const CString section = BarSection(profileName, i);
        AfxGetApp()->WriteProfileString(section, nullptr, nullptr);
        AfxGetApp()->WriteProfileString(section, "Title", bar->GetTitle());
        WriteInt(section, "BarID", static_cast<int>(bar->GetBarID()));
        WriteInt(section, "Visible", bar->IsVisible() ? 1 : 0);
        WriteInt(section, "Position", bar->GetPosition());
        WriteInt(section, "Row", bar->GetDockRow());
        const bool menuBar = bar == m_menuBar;
        WriteInt(section, "MenuBar", menuBar ? 1 : 0);
        if (menuBar)
            continue;
        int written = 0;
        for (int j = 0; j < bar->GetControls()->GetCount(); ++j) {
            const CXTPControl* c = bar->GetControls()->GetAt(j);
            if (c->IsTemporary())
                continue;
            CString key, value;
            key.Format("Control%d", written++);
            value.Format("%d,%d,%d,%d,%s", c->GetType(), c->GetID(), c->GetBeginGroup() ? 1 : 0, c->IsVisible() ? 1 : 0,
                         c->GetCaption().GetString());
            AfxGetApp()->WriteProfileString(section, key, value);
        }
        WriteInt(section, "Controls", written);
    }
    return TRUE;
}

BOOL CXTPCommandBars::LoadBarState(LPCTSTR profileName, BOOL silent)
{
    const int count = profileName && *profileName ? ReadInt(Section(profileName, "-Summary"), "Bars", -1) : -1;
    if (count < 0) {
        if (!silent) {
            CString text;
            text.Format("The tool bar layout \"%s\" was never saved.", profileName ? profileName : "");
            AfxMessageBox(text, MB_OK | MB_ICONWARNING);
        }
        return FALSE;
    }
    for (int i = 0; i < count; ++i) {
        const CString section = BarSection(profileName, i);
        const UINT barId = static_cast<UINT>(ReadInt(section, "BarID", 0));
        const CString title = AfxGetApp()->GetProfileString(section, "Title", "");
        const bool menuBar = ReadInt(section, "MenuBar", 0) != 0;
        CXTPCommandBar* bar = menuBar ? static_cast<CXTPCommandBar*>(m_menuBar) : (barId ? GetToolBar(barId) : nullptr);
        for (int j = 0; !bar && !menuBar && j < GetCount(); ++j)
            if (GetAt(j) != m_menuBar && GetAt(j)->GetTitle() == title)
                bar = GetAt(j);
        const int position = ReadInt(section, "Position", xtpBarTop);
        if (!bar && !menuBar) {
            bar = Add(title, xtpBarTop);
            bar->SetBarID(barId);
            bar->SetBuiltIn(FALSE);
        }
        if (!bar)
            continue;
        bar->m_visible = ReadInt(section, "Visible", 1) != 0;
        bar->SetPosition(position >= xtpBarTop && position <= xtpBarRight ? static_cast<XTPBarPosition>(position) : xtpBarTop);
        bar->SetDockRow(ReadInt(section, "Row", 0));
        if (menuBar)
            continue;
        const int controls = ReadInt(section, "Controls", -1);
        if (controls < 0)
            continue;
        std::vector<std::unique_ptr<CXTPControl>> before;
        for (int j = 0; j < bar->GetControls()->GetCount(); ++j)
            before.emplace_back(bar->GetControls()->GetAt(j)->Clone());
        bar->GetControls()->RemoveAll();
        bar->m_hot = bar->m_pressed = -1;
        for (int j = 0; j < controls; ++j) {
            CString key;
            key.Format("Control%d", j);
            XTP_COMMANDBARS_SAVED_CONTROL saved{};
            if (!ParseControl(AfxGetApp()->GetProfileString(section, key, ""), saved))
                continue;
            CXTPControl* c = bar->GetControls()->AddClone(ControlFor(bar, before, saved));
            c->SetBeginGroup(saved.beginGroup);
            c->SetVisible(saved.visible);
            c->SetCaption(saved.caption);
        }
    }
    CreateBarWindows();
    RecalcFrameLayout();
    RedrawCommandBars();
    return TRUE;
}

namespace {

struct OptionKey {
    const char* key;
    BOOL CXTPCommandBarsOptions::*flag;
};

const OptionKey kFlags[] = {
    {"ShowTextBelowIcons", &CXTPCommandBarsOptions::bShowTextBelowIcons},
    {"AlwaysShowFullMenus", &CXTPCommandBarsOptions::bAlwaysShowFullMenus},
    {"ShowFullAfterDelay", &CXTPCommandBarsOptions::bShowFullAfterDelay},
    {"ToolBarScreenTips", &CXTPCommandBarsOptions::bToolBarScreenTips},
    {"ToolBarAccelTips", &CXTPCommandBarsOptions::bToolBarAccelTips},
    {"LargeIcons", &CXTPCommandBarsOptions::bLargeIcons},
    {"SyncFloatingBars", &CXTPCommandBarsOptions::bSyncFloatingBars},
    {"DblClickFloat", &CXTPCommandBarsOptions::bDblClickFloat},
    {"ShowExpandButtonAlways", &CXTPCommandBarsOptions::bShowExpandButtonAlways},
};

} // namespace

BOOL CXTPCommandBars::SaveOptions(LPCTSTR profileName)
{
    if (!profileName || !*profileName)
        return FALSE;
    const CString section = Section(profileName, "-Options");
    for (const OptionKey& k : kFlags)
        WriteInt(section, k.key, m_options.*(k.flag) ? 1 : 0);
    WriteInt(section, "AnimationType", m_options.nAnimationType);
    WriteInt(section, "KeyboardCuesShow", m_options.nKeyboardCuesShow);
    return TRUE;
}

BOOL CXTPCommandBars::LoadOptions(LPCTSTR profileName)
{
    if (!profileName || !*profileName)
        return FALSE;
    const CString section = Section(profileName, "-Options");
    // A name that was never saved has no section: nothing changes.
    if (ReadInt(section, "AnimationType", -1) == -1 && ReadInt(section, "AnimationType", -2) == -2)
        return FALSE;
    for (const OptionKey& k : kFlags)
        m_options.*(k.flag) = ReadInt(section, k.key, m_options.*(k.flag) ? 1 : 0) != 0;
    m_options.nAnimationType = ReadInt(section, "AnimationType", m_options.nAnimationType);
    m_options.nKeyboardCuesShow = ReadInt(section, "KeyboardCuesShow", m_options.nKeyboardCuesShow);
    RecalcFrameLayout();
    RedrawCommandBars();
    return TRUE;
}
