#include "propgrid_host.h"

#include "mfc/wndclass.h"

namespace guitest {

GridHost::GridHost() = default;

GridHost::~GridHost()
{
    if (grid.GetSafeHwnd())
        grid.DestroyWindow();
    if (GetSafeHwnd())
        DestroyWindow();
}

bool GridHost::Open(int width, int height)
{
    CRect frame(0, 0, width, height);
    ::AdjustWindowRectEx(&frame, WS_POPUP | WS_VISIBLE, FALSE, 0);
    if (!CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "grid host", WS_POPUP | WS_VISIBLE, 10, 10, frame.Width(),
                  frame.Height(), nullptr, nullptr))
        return false;
    return grid.Create(CRect(0, 0, width, height), this, 100) != FALSE;
}

int GridHost::Count(WPARAM code) const
{
    int n = 0;
    for (const GridNote& note : notes)
        n += note.code == code ? 1 : 0;
    return n;
}

LRESULT GridHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == XTPWM_PROPERTYGRID_NOTIFY) {
        notes.push_back(GridNote{wParam, reinterpret_cast<CXTPPropertyGridItem*>(lParam)});
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void FillSample(CXTPPropertyGrid& grid)
{
    CXTPPropertyGridItem* general = grid.AddCategory("General");
    general->AddChildItem(new CXTPPropertyGridItemNumber("Width", 10))->SetDescription("The width in pixels.");
    general->AddChildItem(new CXTPPropertyGridItemDouble("Ratio", 1.5));
    auto* mode = new CXTPPropertyGridItemEnum("Mode", 1);
    mode->GetConstraints()->AddConstraint("Fast", 0);
    mode->GetConstraints()->AddConstraint("Good", 1);
    mode->GetConstraints()->AddConstraint("Best", 2);
    general->AddChildItem(mode)->SetID(30);
    mode->SetEnum(1);
    general->AddChildItem(new CXTPPropertyGridItemColor("Colour", RGB(255, 0, 0)));
    general->AddChildItem(new CXTPPropertyGridItem("Name", "plain"));
    CXTPPropertyGridItem* advanced = grid.AddCategory("Advanced");
    CXTPPropertyGridItem* depth = advanced->AddChildItem(new CXTPPropertyGridItem("Depth", "3"));
    depth->AddChildItem(new CXTPPropertyGridItem("Inner", "x"));
}

} // namespace guitest
