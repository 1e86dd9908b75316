// The sample host's manager of the piece grid: categories of typed items bound to the piece.
#include "property_host/piece_host.h"

namespace sample {

namespace {

// The host's kinds of property (the framework only stores and compares them).
enum : int { kKindName = 1, kKindWidth, kKindQuantity, kKindMirrored, kKindGrain, kKindSeam, kKindMaterial };

ePropertyType Kind(int k) { return static_cast<ePropertyType>(k); }

// A category of the given items; the category owns them from now on.
CGnrlGridCategoryData* Category(long id, std::initializer_list<CGnrlGridItemData*> items)
{
    CDbArray<CGnrlGridItemData*> list;
    for (CGnrlGridItemData* item : items) {
        item->SetAppRegName(kSection); // typed items write their value under (section, key) on apply
        list.Add(item);
    }
    return new CGnrlGridCategoryData(id, Kind(-1), list);
}

} // namespace

PieceMngr::PieceMngr(Piece* piece, COLORREF* colour, CString* patternFile, std::vector<std::string>* events)
    : m_piece(piece), m_colour(colour), m_patternFile(patternFile), m_events(events)
{
}

void PieceMngr::Init()
{
    m_GridId = kPieceGrid;
    SetAppRegName(kSection);

    // General: a text, a length in millimetres and a whole number.
    auto* name = new CGnrlGridItemData(IDS_NAME, m_piece->name, eGridItemText, Kind(kKindName), "", kSection);
    name->SetDescription("The name printed on the piece.");
    auto* width = new CNumberGnrlItemData(IDS_WIDTH, m_piece->width, 0, Kind(kKindWidth), "%0.1f", "Width");
    width->SetGlobal(&m_piece->width);
    auto* quantity = new CNumberGnrlItemData(IDS_QUANTITY, m_piece->quantity, -1, Kind(kKindQuantity), "%0.0f", "Quantity");
    quantity->SetType(eGridItemInteger);
    quantity->SetUnitType(static_cast<eUnitType>(-1));
    quantity->SetGlobal(&m_piece->quantity);
    GetpCategories()->Add(Category(IDS_CAT_GENERAL, {name, width, quantity}));

    // Cutting: a check box, a slider and a spin.
    auto* mirrored = new CCheckBoxGnrlItemData(IDS_MIRRORED, 0, &m_piece->mirrored, Kind(kKindMirrored), "Mirrored");
    auto* grain = new CSliderGnrlItemData(IDS_GRAIN, 90, 0, 180, &m_piece->grainAngle, Kind(kKindGrain), "GrainAngle");
    auto* seam = new CSpinGnrlItemData(IDS_SEAM, 1.0f, 0.0f, 5.0f, &m_piece->seamAllowance, Kind(kKindSeam), "Seam");
    seam->SetSpinDeltaSize(0.5f);
    GetpCategories()->Add(Category(IDS_CAT_CUTTING, {mirrored, grain, seam}));

    // Appearance: a drop-down list, a drawn swatch and a push button; the dialog adds the colour
    // and file rows to this category once the grid is built.
    const CLongStringArray materials = Materials();
    CString current;
    materials.GetText(m_piece->material, current);
    auto* material = new CListGnrlItemData(IDS_MATERIAL, current, materials, Kind(kKindMaterial));
    material->SetGlobal(&m_piece->material);
    material->SetRegKey("Material");
    auto* marker = new CDrawGnrlItemData(IDS_MARKER, "pen 2", *m_colour);
    auto* reset = new CButtonGnrlItemData(IDS_RESET, Kind(-1));
    GetpCategories()->Add(Category(IDS_CAT_APPEARANCE, {material, marker, reset}));
}

int PieceMngr::OnOK()
{
    // Every typed item copies its value to its host variable and writes it to the profile.
    CGridMngr::OnApply();
    if (CGnrlGridItemData* name = GetItem(IDS_NAME)) {
        m_piece->name = name->GetStrValue();
        ProfileWriteString(kSection, "Name", m_piece->name, 1);
    }
    m_piece->colour = *m_colour;
    m_piece->patternFile = *m_patternFile;
    ProfileWriteString(kSection, "Colour", CCustomItemColor::RGBToString(m_piece->colour), 1);
    ProfileWriteString(kSection, "PatternFile", m_piece->patternFile, 1);
    Record("OnOK", m_piece->name);
    return 1; // close as confirmed
}

void PieceMngr::Record(const char* hook, const CString& what)
{
    if (m_events)
        m_events->push_back(std::string(hook) + " " + what.GetString());
}

void PieceMngr::ValueChanged(CGnrlGridItemData* item)
{
    Record("ValueChanged", item->GetName());
    // The spin row keeps its number itself: the host takes it into the item, which applies it
    // on OK like every other value.
    if (item->GetType() == eGridItemSpin && m_ParentDlg)
        if (auto* row = DYNAMIC_DOWNCAST(CCustomItemSpin, m_ParentDlg->GetGridItemData(item)))
            static_cast<CSpinGnrlItemData*>(item)->SetValue(static_cast<float>(row->GetDouble()));
}
void PieceMngr::InplaceButtonDown(CGnrlGridItemData* item) { Record("InplaceButtonDown", item->GetName()); }
void PieceMngr::InplaceRClick(CGnrlGridItemData* item) { Record("InplaceRClick", item->GetName()); }

void PieceMngr::ItemExpand(CGnrlGridCategoryData* category)
{
    CString caption;
    caption.LoadString(static_cast<UINT>(category->GetNameId()));
    Record("ItemExpand", caption);
}

} // namespace sample
