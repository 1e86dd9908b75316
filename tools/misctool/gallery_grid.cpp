// Gallery pictures of the grid framework: a preferences grid built from a data model with one row
// of every item kind (a collapsed category, read-only rows, custom colours, a description in the
// help pane), and the same grid with each kind of row selected so that its editor shows.
#include <string>

#include <afxwin.h>

#include "gallery.h"
#include "mfc/wndclass.h"
#include "misc/grid.h"
#include "win32/automation.h"

namespace misctool {
namespace {

enum : long {
    kCatGeneral = 1, kCatChoices = 2, kCatHidden = 3,
    kText = 10, kNumber, kInteger, kCheck, kSlider, kSpin, kList, kDraw, kListBox, kImages, kButton, kLocked
};

class GalleryPrefs : public CPrefManager {
public:
    void Init() override
    {
        auto number = [](const char* caption, double v, const char* format, long id) {
            auto* n = new CNumberGnrlItemData(CString(caption), v, 0, ePropertyNone, format, CString());
            n->SetName(id);
            n->SetName(CString(caption));
            return n;
        };
        auto named = [](CGnrlGridItemData* item, const char* caption) {
            item->SetName(CString(caption));
            return item;
        };
        CDbArray<CGnrlGridItemData*> general;
        auto* text = new CGnrlGridItemData(CString("Name"), "Front panel", eGridItemText, ePropertyNone, CString(), CString());
        text->SetName(kText);
        general.Add(named(text, "Name"));
        CGnrlGridItemData* width = number("Width", 152.5, "%0.1f", kNumber);
        width->SetDescription(CString("The finished width of the piece, seam allowance included."));
        general.Add(width);
        CGnrlGridItemData* count = number("Copies", 4, "%0.0f", kInteger);
        count->SetType(eGridItemInteger);
        general.Add(count);
        general.Add(named(new CCheckBoxGnrlItemData(kCheck, 1, nullptr, ePropertyNone, CString()), "Mirror"));
        auto* slider = new CSliderGnrlItemData(CString("Quality"), 0, 0, 100, nullptr, ePropertyNone, CString());
        slider->SetName(kSlider);
        general.Add(named(slider, "Quality"));
        auto* spin = new CSpinGnrlItemData(CString("Step"), 1.0f, 0.0f, 4.0f, nullptr, ePropertyNone, CString());
        spin->SetName(kSpin);
        general.Add(named(spin, "Step"));
        auto* locked = new CGnrlGridItemData(CString("Material"), "Cotton twill", eGridItemText, ePropertyNone,
                                             CString(), CString());
        locked->SetName(kLocked);
        locked->SetName(CString("Material"));
        locked->SetEnable(0); // read-only
        general.Add(locked);
        m_Categories.Add(new CGnrlGridCategoryData(kCatGeneral, ePropertyNone, general));

        CLongStringArray choices;
        choices.Add(1, "Straight");
        choices.Add(2, "Zigzag");
        choices.Add(3, "Overlock");
        CDbArray<CGnrlGridItemData*> lists;
        lists.Add(named(new CListGnrlItemData(kList, "Zigzag", choices, ePropertyNone), "Stitch"));
        lists.Add(named(new CListBoxGnrlItemData(kListBox, 3, choices, ePropertyNone), "Finish"));
        lists.Add(named(new CListBoxImagesGnrlItemData(kImages, 1, choices, 0, nullptr, ePropertyNone, true), "Marker"));
        auto* swatch = new CDrawGnrlItemData(CString("Line colour"), CString(""), RGB(0, 110, 190));
        swatch->SetName(kDraw);
        lists.Add(named(swatch, "Line colour"));
        auto* button = new CButtonGnrlItemData(kButton, ePropertyNone);
        button->SetStrValue("Reset");
        lists.Add(named(button, "Defaults"));
        m_Categories.Add(new CGnrlGridCategoryData(kCatChoices, ePropertyNone, lists));

        CDbArray<CGnrlGridItemData*> hidden;
        hidden.Add(new CGnrlGridItemData(CString("Remark"), "-", eGridItemText, ePropertyNone, CString(), CString()));
        auto* collapsed = new CGnrlGridCategoryData(kCatHidden, ePropertyNone, hidden);
        collapsed->SetExpand(0, 0);
        m_Categories.Add(collapsed);
    }
};

void Caption(CXTPGridEx& grid, long id, const char* caption)
{
    if (CXTPPropertyGridItem* row = grid.FindItem(static_cast<UINT>(id)))
        row->SetCaption(caption);
}

// Shows the grid; with select, the person clicks that row and then its value.
bool ShowPrefs(long select, const std::string& png, std::string& error)
{
    CWnd frame;
    CRect outer(0, 0, 320, 470);
    ::AdjustWindowRectEx(&outer, WS_POPUP | WS_CAPTION, FALSE, 0);
    bool ok = frame.CreateEx(0, AfxRegisterWndClass(0), "Preferences", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40,
                             outer.Width(), outer.Height(), nullptr, nullptr) != FALSE;
    auto* grid = new CXTPGridEx(21);
    if (!ok || !grid->Create(CRect(0, 0, 320, 470), &frame, static_cast<UINT>(-1))) {
        error = "cannot create the grid";
        delete grid;
        return false;
    }
    grid->SetMngr(new GalleryPrefs, 1);
    grid->Build(CString());
    Caption(*grid, kCatGeneral, "General");
    Caption(*grid, kCatChoices, "Choices");
    Caption(*grid, kCatHidden, "Notes (collapsed)");
    grid->SetViewDivider(0.45);
    grid->SetHelpHeight(64);
    if (CGnrlGridItemData* copies = grid->GetMngr()->GetItem(kInteger))
        copies->SetColor(grid, RGB(170, 20, 20), 1, 0, 0); // a caption in a colour of its own
    if (CGnrlGridItemData* name = grid->GetMngr()->GetItem(kText))
        name->SetColor(grid, RGB(255, 244, 200), 0, 1, 1); // a value on a colour of its own
    MiscSettle();
    long target = select ? select : kNumber;
    if (CXTPPropertyGridItem* row = grid->FindItem(static_cast<UINT>(target))) {
        HWND view = grid->GetGridView().GetSafeHwnd();
        MiscClickAt(view, CPoint(20, row->GetItemRect().CenterPoint().y));
        if (select)
            MiscClickAt(view, row->GetValueRect().CenterPoint());
        MiscSettle();
    }
    ok = CaptureToPng(frame.GetSafeHwnd(), png, error);
    grid->DestroyWindow();
    delete grid; // the grid deletes the manager it owns
    frame.DestroyWindow();
    return ok;
}

} // namespace

bool GalleryPropertyGrid(const std::string& png, std::string& error) { return ShowPrefs(0, png, error); }

#define MISCTOOL_GRID_KIND(function, id) \
    bool function(const std::string& png, std::string& error) { return ShowPrefs(id, png, error); }
MISCTOOL_GRID_KIND(GalleryPropertyGridText, kText)
MISCTOOL_GRID_KIND(GalleryPropertyGridNumber, kNumber)
MISCTOOL_GRID_KIND(GalleryPropertyGridInteger, kInteger)
MISCTOOL_GRID_KIND(GalleryPropertyGridCheck, kCheck)
MISCTOOL_GRID_KIND(GalleryPropertyGridList, kList)
MISCTOOL_GRID_KIND(GalleryPropertyGridListBox, kListBox)
MISCTOOL_GRID_KIND(GalleryPropertyGridImages, kImages)
MISCTOOL_GRID_KIND(GalleryPropertyGridDraw, kDraw)
MISCTOOL_GRID_KIND(GalleryPropertyGridButton, kButton)
MISCTOOL_GRID_KIND(GalleryPropertyGridSlider, kSlider)
MISCTOOL_GRID_KIND(GalleryPropertyGridSpin, kSpin)
#undef MISCTOOL_GRID_KIND

} // namespace misctool
