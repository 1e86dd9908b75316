// The providers by window class, and finding controls by identifier, label or class.
#include "autosys.h"

#include <cctype>
#include <map>

using namespace autosys;

namespace {

struct Registry {
    std::map<std::string, std::shared_ptr<MiscAutomationProvider>> byClass; // upper-case names
    MiscAutomationProvider generic;
};

std::string Upper(const char* name)
{
    std::string out = name ? name : "";
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The standard controls' providers, registered on first use: the explicit start-up of the layer.
void RegisterStandard(Registry& r)
{
    r.byClass["BUTTON"] = MakeButtonProvider();
    r.byClass["STATIC"] = MakeStaticProvider();
    r.byClass["EDIT"] = MakeEditProvider();
    r.byClass["LISTBOX"] = MakeListBoxProvider();
    r.byClass["COMBOLBOX"] = r.byClass["LISTBOX"]; // the dropped list of a combo box
    r.byClass["COMBOBOX"] = MakeComboBoxProvider();
    r.byClass["SYSLISTVIEW32"] = MakeListViewProvider();
    r.byClass["MSCTLS_TRACKBAR32"] = MakeTrackBarProvider();
    r.byClass["MSCTLS_UPDOWN32"] = MakeUpDownProvider();
    r.byClass["SYSTABCONTROL32"] = MakeTabProvider();
    r.byClass["#32768"] = MakePopupMenuProvider();
}

Registry& Reg()
{
    static Registry* registry = [] {
        auto* r = new Registry;
        RegisterStandard(*r);
        return r;
    }();
    return *registry;
}

struct ClassSearch {
    std::string cls;
    int index;
    HWND found = nullptr;
};

BOOL CALLBACK FindByClass(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<ClassSearch*>(param);
    if (ClassOf(hwnd) == search->cls && search->index-- == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct IdSearch {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK FindById(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<IdSearch*>(param);
    if (GetDlgCtrlID(hwnd) == search->id && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string LabelOf(HWND hwnd)
{
    char text[256] = {0};
    GetWindowTextA(hwnd, text, sizeof(text));
    return MiscStripMnemonic(text);
}

bool IsLabel(HWND hwnd)
{
    std::string cls = ClassOf(hwnd);
    if (cls == "STATIC")
        return true;
    return cls == "BUTTON" && (GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

} // namespace

void MiscRegisterAutomationProvider(const char* className, std::shared_ptr<MiscAutomationProvider> provider)
{
    if (!className)
        return;
    if (provider)
        Reg().byClass[Upper(className)] = std::move(provider);
    else
        Reg().byClass.erase(Upper(className));
}

MiscAutomationProvider& MiscAutomationProviderFor(HWND hwnd)
{
    Registry& r = Reg();
    auto it = r.byClass.find(ClassOf(hwnd));
    return it != r.byClass.end() ? *it->second : r.generic;
}

MiscElement MiscFindControl(HWND parent, int id)
{
    HWND direct = GetDlgItem(parent, id);
    if (direct)
        return MiscElement(direct);
    IdSearch search{id};
    EnumChildWindows(parent, FindById, reinterpret_cast<LPARAM>(&search));
    return MiscElement(search.found);
}

MiscElement MiscFindControlByClass(HWND parent, const char* className, int index)
{
    ClassSearch search{Upper(className), index};
    EnumChildWindows(parent, FindByClass, reinterpret_cast<LPARAM>(&search));
    return MiscElement(search.found);
}

// Children in z-order, depth-first, as EnumChildWindows gives them; a label's control is the
// first later sibling that is not itself a label.
MiscElement MiscFindControlByLabel(HWND parent, const char* label)
{
    std::string want = MiscStripMnemonic(label ? label : "");
    std::vector<HWND> all;
    EnumChildWindows(
        parent, [](HWND hwnd, LPARAM p) { reinterpret_cast<std::vector<HWND>*>(p)->push_back(hwnd); return TRUE; },
        reinterpret_cast<LPARAM>(&all));
    for (size_t i = 0; i < all.size(); ++i) {
        if (LabelOf(all[i]) != want)
            continue;
        if (!IsLabel(all[i]))
            return MiscElement(all[i]);
        for (size_t j = i + 1; j < all.size(); ++j)
            if (GetParent(all[j]) == GetParent(all[i]) && !IsLabel(all[j]))
                return MiscElement(all[j]);
    }
    return MiscElement();
}
