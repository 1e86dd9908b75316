// The sample host's own resource module: the captions and help texts of the piece grid. A host
// program ships these in its own resource library; the grid loads a caption by its number.
#include "property_host/piece_host.h"

namespace sample {

namespace {

const MiscResString kStrings[] = {
    {IDS_PIECE_TITLE, "Piece"},
    {IDS_CAT_GENERAL, "General"},
    {IDS_CAT_CUTTING, "Cutting"},
    {IDS_CAT_APPEARANCE, "Appearance"},
    {IDS_NAME, "Name"},
    {IDS_WIDTH, "Width"},
    {IDS_QUANTITY, "Quantity"},
    {IDS_MIRRORED, "Mirrored copy"},
    {IDS_GRAIN, "Grain angle"},
    {IDS_SEAM, "Seam allowance"},
    {IDS_MATERIAL, "Material"},
    {IDS_MARKER, "Marker pen"},
    {IDS_RESET, "Reset"},
};

const MiscResourceTable kTable = {kStrings, static_cast<int>(sizeof(kStrings) / sizeof(kStrings[0])),
                                  nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0};

} // namespace

void RegisterPieceResources()
{
    if (!GetModuleHandleA("property_host.dll"))
        MiscRegisterModule("property_host.dll", &kTable);
}

CLongStringArray Materials()
{
    CLongStringArray list;
    list.Add(0, "Cotton");
    list.Add(1, "Denim");
    list.Add(2, "Linen");
    list.Add(3, "Wool");
    return list;
}

} // namespace sample
