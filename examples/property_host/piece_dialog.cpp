// The sample host's dialog for a new piece.
#include "property_host/piece_host.h"

namespace sample {

PieceDlg::PieceDlg(Piece* piece, CWnd* parent)
    : CPropertyDlg(nullptr, static_cast<int>(kPieceGrid), true, parent, GetModuleHandleA("misc_res.dll")),
      workColour(piece->colour), workPatternFile(piece->patternFile), m_piece(piece)
{
    RegisterPieceResources();
}

void PieceDlg::Init(long gridId, void*)
{
    // The grid's layout (help pane, divider, top row) is kept in the host's section.
    ReadRegistryInfo(kSection);
    // One kind of object here; a host with several creates the manager of gridId.
    if (gridId == kPieceGrid)
        SetPropMngr(new PieceMngr(m_piece, &workColour, &workPatternFile, &events));
}

void PieceDlg::BuildGrid(long gridId, void* object)
{
    CPropertyDlg::BuildGrid(gridId, object);
    SetName(IDS_PIECE_TITLE);
    CXTPPropertyGridItem* appearance = GetGrid() ? GetGrid()->FindItem(static_cast<UINT>(IDS_CAT_APPEARANCE)) : nullptr;
    if (!appearance)
        return;
    // Rows a host adds to a built grid directly: they write to the dialog's working values,
    // which the manager applies on OK.
    appearance->AddChildItem(new CCustomItemColor("Colour", workColour, &workColour));
    auto* file = new CCustomItemFileBox(CString("Pattern file"), true);
    file->SetValue(workPatternFile);
    file->BindToString(&workPatternFile); // binding takes the row's value into the string
    appearance->AddChildItem(file);
}

void PieceDlg::OnPostedValueChanged()
{
    // A value pushed while the grid could not show it: build the grid again.
    BuildGrid(GetGridId(), nullptr);
}

} // namespace sample
