// Gallery pictures of the toolkit's property grid: two categories with number, real, choice and
// colour rows, one row selected with its in-place edit showing, and the help pane describing it;
// once in the classic look and once in the Office-style look.
#include <string>

#include <afxwin.h>

#include "gallery.h"
#include "mfc/wndclass.h"
#include "toolkit/propertygrid.h"
#include "win32/automation.h"
#include "win32/theme.h"

namespace misctool {

namespace {

void Fill(CXTPPropertyGrid& grid)
{
    CXTPPropertyGridItem* size = grid.AddCategory("Size");
    size->AddChildItem(new CXTPPropertyGridItemNumber("Width", 120))->SetDescription("The width of the piece in millimetres.");
    size->AddChildItem(new CXTPPropertyGridItemNumber("Height", 80))->SetDescription("The height of the piece in millimetres.");
    size->AddChildItem(new CXTPPropertyGridItemDouble("Scale", 1.25))->SetDescription("Drawing scale.");
    auto* seam = size->AddChildItem(new CXTPPropertyGridItem("Seam", "10 mm"));
    seam->AddChildItem(new CXTPPropertyGridItem("Left", "10 mm"));
    seam->AddChildItem(new CXTPPropertyGridItem("Right", "12 mm"));
    seam->Expand();
    CXTPPropertyGridItem* look = grid.AddCategory("Appearance");
    auto* fill = new CXTPPropertyGridItemEnum("Fill", 1);
    fill->GetConstraints()->AddConstraint("None", 0);
    fill->GetConstraints()->AddConstraint("Solid", 1);
    fill->GetConstraints()->AddConstraint("Hatched", 2);
    look->AddChildItem(fill);
    fill->SetEnum(2);
    look->AddChildItem(new CXTPPropertyGridItemColor("Line colour", RGB(0, 96, 192)));
    look->AddChildItem(new CXTPPropertyGridItem("Layer", "Cutting"))->SetReadOnly();
}

bool ShowGrid(const char* theme, const std::string& png, std::string& error)
{
    if (!MiscSelectTheme(theme)) {
        error = std::string("no theme is called ") + theme;
        return false;
    }
    CWnd frame;
    CRect outer(0, 0, 300, 330);
    ::AdjustWindowRectEx(&outer, WS_POPUP | WS_CAPTION, FALSE, 0);
    bool ok = frame.CreateEx(0, AfxRegisterWndClass(0), "Properties", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40,
                             outer.Width(), outer.Height(), nullptr, nullptr) != FALSE;
    CXTPPropertyGrid grid;
    if (ok && grid.Create(CRect(0, 0, 300, 330), &frame, 1)) {
        Fill(grid);
        grid.SetViewDivider(0.45);
        MiscSettle();
        // The person clicks the row, then its value, so the caret stands in the in-place edit.
        CXTPPropertyGridItem* width = grid.FindItem("Width");
        const CPoint caption(20, width->GetItemRect().CenterPoint().y);
        MiscClickAt(grid.GetGridView().GetSafeHwnd(), caption);
        MiscClickAt(grid.GetGridView().GetSafeHwnd(), width->GetValueRect().CenterPoint());
        ok = CaptureToPng(frame.GetSafeHwnd(), png, error);
    } else {
        error = "cannot create the grid";
        ok = false;
    }
    if (grid.GetSafeHwnd())
        grid.DestroyWindow();
    if (frame.GetSafeHwnd())
        frame.DestroyWindow();
    MiscSelectTheme("classic");
    return ok;
}

} // namespace

bool GalleryPropertyGridControl(const std::string& png, std::string& error)
{
    return ShowGrid("classic", png, error);
}

bool GalleryPropertyGridControlOffice2003(const std::string& png, std::string& error)
{
    return ShowGrid("office2003", png, error);
}

} // namespace misctool
