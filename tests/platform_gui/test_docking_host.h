#pragma once
// A site with a docking-pane manager for the docking tests: a plain window (its whole client
// area is the panes' room), an application object with a private profile, panes with windows.
#include "gui_fixture.h"

#include <afxwin.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "test_env.h"
#include "toolkit/dockingpane.h"
#include "win32/automation.h"

namespace docktest {

enum : UINT { kSolution = 6800, kProps = 6806, kOutput = 61527, kTasks = 7000 };

class DockHost {
public:
    explicit DockHost(int width = 640, int height = 420) : app("DockTest")
    {
        const std::string file = misc_test::MakeTempDir("dock") + "/dock.ini";
        std::free(const_cast<char*>(app.m_pszProfileName));
        app.m_pszProfileName = strdup(file.c_str());
        site.CreateEx(0, AfxRegisterWndClass(0), "site", WS_POPUP | WS_VISIBLE, 20, 30, width, height, nullptr, nullptr);
        manager->InstallDockingPanes(&site);
    }
    ~DockHost()
    {
        manager.reset();
        for (auto& c : children)
            if (c->GetSafeHwnd())
                c->DestroyWindow();
        site.DestroyWindow();
    }
    // A pane with a window of its own (a static with the title as text).
    CXTPDockingPane* Pane(UINT id, const char* title, const CRect& rect, XTPDockingPaneDirection dir, CXTPDockingPane* neighbour = nullptr)
    {
        CXTPDockingPane* p = manager->CreatePane(id, rect, dir, neighbour);
        if (!p)
            return nullptr;
        p->SetTitle(title);
        children.push_back(std::make_unique<CStatic>());
        children.back()->Create(title, WS_CHILD, CRect(0, 0, 10, 10), &site, static_cast<int>(id));
        p->Attach(children.back().get());
        manager->RecalcFrameLayout();
        MiscSettle();
        return p;
    }
    HWND PaneWnd(UINT id) { return manager->GetPaneWindow(manager->FindPane(id)); }
    MiscElement Element(UINT id, const char* item) { return MiscElement(PaneWnd(id)).Item(item); }

    CWinApp app;
    CWnd site;
    std::unique_ptr<CXTPDockingPaneManager> manager = std::make_unique<CXTPDockingPaneManager>();
    std::vector<std::unique_ptr<CStatic>> children;
};

// Every pane's state, for comparing arrangements.
struct PaneSnapshot {
    UINT id;
    bool floating, hidden, closed, selected;
    CRect rect;
    bool operator==(const PaneSnapshot& o) const
    {
        return id == o.id && floating == o.floating && hidden == o.hidden && closed == o.closed && selected == o.selected &&
               rect == o.rect;
    }
};

inline std::ostream& operator<<(std::ostream& os, const PaneSnapshot& s)
{
    return os << "{" << s.id << (s.floating ? " floating" : "") << (s.hidden ? " hidden" : "") << (s.closed ? " closed" : "")
              << (s.selected ? " selected" : "") << " (" << s.rect.left << "," << s.rect.top << ")-(" << s.rect.right << ","
              << s.rect.bottom << ")}";
}

inline std::vector<PaneSnapshot> Snapshot(CXTPDockingPaneManager& m)
{
    std::vector<PaneSnapshot> out;
    for (int i = 0; i < m.GetPaneCount(); ++i) {
        const CXTPDockingPane* p = m.GetPaneAt(i);
        out.push_back({p->GetID(), p->IsFloating() != FALSE, p->IsHidden() != FALSE, p->IsClosed() != FALSE, p->IsSelected() != FALSE,
                       p->GetPaneRect()});
    }
    return out;
}

} // namespace docktest
