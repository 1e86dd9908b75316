// Pictures of the property grid's custom rows: a grid holding one row of every kind, with one of
// them selected (its in-place window showing), and the combo row with its list dropped down.
#include "gallery.h"

#include <misc/grid.h>
#include <win32/automation.h>
#include <win32/surface.h>

#include <algorithm>
#include <map>
#include <memory>

namespace misctool {
namespace {

// A 16-pixel square of one colour, for the image choices.
HBITMAP Square(COLORREF colour, int count = 1)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16 * count, 16);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bitmap);
    const COLORREF strip[] = {RGB(200, 40, 40), RGB(40, 160, 60), RGB(40, 80, 200)};
    for (int i = 0; i < count; ++i) {
        RECT r{16 * i + 2, 2, 16 * i + 14, 14};
        RECT all{16 * i, 0, 16 * i + 16, 16};
        HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        FillRect(mem, &all, white);
        DeleteObject(white);
        HBRUSH brush = CreateSolidBrush(count == 1 ? colour : strip[i % 3]);
        FillRect(mem, &r, brush);
        DeleteObject(brush);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// The grid with one row of each kind and the variables they are bound to.
class RowsGallery {
public:
    bool Open(std::string& error)
    {
        if (!m_frame.CreateEx(0, "STATIC", "Custom rows", WS_POPUP | WS_VISIBLE | WS_BORDER, 30, 30, 340, 360,
                              nullptr, nullptr) ||
            !m_grid.Create(CRect(0, 0, 338, 358), &m_frame, 100)) {
            error = "cannot create the grid";
            return false;
        }
        m_grid.SetViewDivider(0.42);
        CXTPPropertyGridItem* cat = m_grid.AddCategory("Piece");

        m_rows["number"] = cat->AddChildItem(
            new CItemNumberWithUnit(CString("Seam allowance"), CString(""), nullptr, 0, UNIT_TYPE_LINEAR, &m_width));
        static_cast<CItemNumberWithUnit*>(m_rows["number"])->Update();

        for (const char* s : {"Cotton", "Denim", "Linen", "Silk", "Wool"})
            m_materials.Add(-1, s);
        auto* combo = new CItemComboBox(0, CString("Denim"), &m_material, &m_materials);
        combo->SetCaption("Material");
        m_rows["combo"] = cat->AddChildItem(combo);

        auto* check = new CCustomItemCheckBox(CString("Mirrored"), 2, &m_mirrored);
        check->SetChkBoxStyle(BS_AUTO3STATE);
        m_rows["check"] = cat->AddChildItem(check);

        auto* slider = new CCustomItemSlider(CString("Opacity"), 60, &m_opacity);
        m_rows["slider"] = cat->AddChildItem(slider);

        auto* spin = new CCustomItemSpin(CString("Rotation"));
        spin->SetDouble(45.0);
        spin->SetSpinDeltaSize(15.0f);
        m_rows["spin"] = cat->AddChildItem(spin);

        const UINT images[] = {501, 502, 503};
        const COLORREF colours[] = {RGB(200, 40, 40), RGB(40, 160, 60), RGB(40, 80, 200)};
        for (int i = 0; i < 3; ++i) {
            HBITMAP b = Square(colours[i]);
            m_grid.GetImageManager()->SetIcon(b, images[i]);
            DeleteObject(b);
        }
        auto* notch = new CKestPropertyGridItemEnum(0, true, 1, &m_notch);
        notch->SetCaption("Notch");
        notch->GetConstraints()->AddConstraint("Slit", images[0]);
        notch->GetConstraints()->AddConstraint("Vee", images[1]);
        notch->GetConstraints()->AddConstraint("Castle", images[2]);
        m_rows["enum"] = cat->AddChildItem(notch);
        notch->SetInitValue("(two kinds)");

        auto* button = new CCustomButton(0, CString("Recalculate"));
        button->SetCaption("Area");
        m_rows["button"] = cat->AddChildItem(button);

        auto* swatch = new CDrawCustomItem(CString("Pen colour"), CString("Cutting line"), &m_pen);
        swatch->SetColour(RGB(220, 60, 40));
        swatch->SetFlags(0); // shown for information: no edit covers the swatch when selected
        m_rows["swatch"] = cat->AddChildItem(swatch);

        HBITMAP strip = Square(0, 3);
        auto* bmp = new CCustomItemBmp(0, &m_weave, strip);
        DeleteObject(strip);
        bmp->SetCaption("Weave");
        CLongStringArray weaves;
        weaves.Add(1, "Plain");
        weaves.Add(2, "Twill");
        weaves.Add(3, "Satin");
        bmp->SetList(weaves);
        m_rows["bmp"] = cat->AddChildItem(bmp);

        cat->Expand();
        MiscSettle();
        return true;
    }

    // Selects a row as a click on its caption would.
    bool Select(const std::string& kind, std::string& error)
    {
        auto it = m_rows.find(kind);
        if (it == m_rows.end()) {
            error = "no row " + kind;
            return false;
        }
        CRect r = it->second->GetItemRect();
        HWND view = m_grid.GetGridView().GetSafeHwnd();
        MiscClickAt(view, CPoint(m_grid.GetGridView().GetDividerPos() - 12, r.CenterPoint().y));
        MiscSettle();
        return true;
    }

    CXTPPropertyGridItem* Row(const std::string& kind) { return m_rows[kind]; }
    HWND Frame() const { return m_frame.GetSafeHwnd(); }

    ~RowsGallery()
    {
        if (m_grid.GetSafeHwnd())
            m_grid.DestroyWindow();
        if (m_frame.GetSafeHwnd())
            m_frame.DestroyWindow();
    }

private:
    CWnd m_frame;
    CXTPPropertyGrid m_grid;
    std::map<std::string, CXTPPropertyGridItem*> m_rows;
    double m_width = 0.01;
    CLongStringArray m_materials;
    CString m_material;
    int m_mirrored = 2;
    long m_opacity = 60;
    int m_notch = 1;
    CString m_pen;
    long m_weave = 1;
};

bool ShowRow(const std::string& kind, const std::string& png, std::string& error)
{
    RowsGallery gallery;
    if (!gallery.Open(error) || !gallery.Select(kind, error))
        return false;
    return CaptureToPng(gallery.Frame(), png, error);
}

} // namespace

bool GalleryRowNumber(const std::string& png, std::string& error) { return ShowRow("number", png, error); }
bool GalleryRowCombo(const std::string& png, std::string& error) { return ShowRow("combo", png, error); }
bool GalleryRowCheck(const std::string& png, std::string& error) { return ShowRow("check", png, error); }
bool GalleryRowSlider(const std::string& png, std::string& error) { return ShowRow("slider", png, error); }
bool GalleryRowSpin(const std::string& png, std::string& error) { return ShowRow("spin", png, error); }
bool GalleryRowEnum(const std::string& png, std::string& error) { return ShowRow("enum", png, error); }
bool GalleryRowButton(const std::string& png, std::string& error) { return ShowRow("button", png, error); }
bool GalleryRowSwatch(const std::string& png, std::string& error) { return ShowRow("swatch", png, error); }
bool GalleryRowBmp(const std::string& png, std::string& error) { return ShowRow("bmp", png, error); }

bool GalleryRowComboDropped(const std::string& png, std::string& error)
{
    RowsGallery gallery;
    if (!gallery.Open(error) || !gallery.Select("combo", error))
        return false;
    CXTPPropertyGridItem* combo = gallery.Row("combo");
    CWnd& button = combo->GetInplaceButton();
    if (!button.GetSafeHwnd()) {
        error = "the combo row shows no button";
        return false;
    }
    CRect b;
    button.GetClientRect(&b);
    MiscClickAt(button.GetSafeHwnd(), b.CenterPoint());
    MiscSettle();
    CWnd& list = combo->GetInplaceList();
    if (!list.GetSafeHwnd() || !list.IsWindowVisible()) {
        error = "the list did not drop down";
        return false;
    }
    RECT frame, dropped, both;
    ::GetWindowRect(gallery.Frame(), &frame);
    list.GetWindowRect(&dropped);
    ::UnionRect(&both, &frame, &dropped);
    return CaptureScreenRect(both, png, error);
}

} // namespace misctool
