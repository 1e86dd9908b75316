// The registered themes, the current one, and selecting one: the theme's system colours are
// loaded into the GDI's colour table and every window is repainted.
#include <algorithm>
#include <utility>

#include "builtin.h"
#include "draw/stock.h"
#include "win32/user.h"

namespace {

class ClassicTheme final : public MiscTheme {
public:
    std::string Name() const override { return "classic"; }
};

struct Registry {
    std::vector<std::pair<std::string, MiscThemeFactory>> factories;
    std::unique_ptr<MiscTheme> current;
};

Registry& Themes()
{
    static Registry registry;
    if (registry.factories.empty()) {
        // The built-in looks; the toolkit registers its own on top.
        registry.factories.emplace_back("classic", [] { return std::make_unique<ClassicTheme>(); });
        registry.factories.emplace_back("office2003", theme::MakeOffice2003);
    }
    return registry;
}

void LoadColors(const MiscTheme& t)
{
    for (int i = 0; i < MISC_SYSCOLOR_COUNT; ++i)
        gdi::SetSysColor(i, t.SysColor(i));
}

BOOL CALLBACK NotifyTheme(HWND hwnd, LPARAM)
{
    SendMessageA(hwnd, WM_THEMECHANGED, 0, 0);
    return TRUE;
}

} // namespace

MiscTheme& MiscCurrentTheme()
{
    Registry& r = Themes();
    if (!r.current)
        r.current = std::make_unique<ClassicTheme>();
    return *r.current;
}

void MiscRegisterTheme(const std::string& name, MiscThemeFactory factory)
{
    if (name.empty() || !factory)
        return;
    Registry& r = Themes();
    for (auto& entry : r.factories)
        if (entry.first == name) {
            entry.second = std::move(factory);
            return;
        }
    r.factories.emplace_back(name, std::move(factory));
}

BOOL MiscSelectTheme(const std::string& name)
{
    Registry& r = Themes();
    auto it = std::find_if(r.factories.begin(), r.factories.end(),
                           [&](const auto& entry) { return entry.first == name; });
    if (it == r.factories.end())
        return FALSE;
    std::unique_ptr<MiscTheme> next = it->second();
    if (!next)
        return FALSE;
    r.current = std::move(next);
    LoadColors(*r.current);
    // Controls that keep brushes or metrics of the old look refresh them, then everything is
    // painted again, frames included.
    EnumChildWindows(nullptr, NotifyTheme, 0); // every window, children included
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

std::vector<std::string> MiscThemeNames()
{
    std::vector<std::string> names;
    for (const auto& entry : Themes().factories)
        names.push_back(entry.first);
    return names;
}
