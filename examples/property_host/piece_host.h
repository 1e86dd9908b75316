#pragma once
// A sample host of the property dialog: the host program's "piece" and the properties dialog it
// opens for a new piece.
//
// The pattern every host follows:
//   1. a manager derived from CPropertyMngr builds the categories and their typed items in Init,
//      each item bound to a host variable (SetGlobal or the constructor's pointer) and, with a
//      section and key, remembered in the user profile file;
//   2. a dialog derived from CPropertyDlg creates that manager in Init(gridId, object);
//   3. the dialog runs; the grid's notifications reach the manager's hooks (ValueChanged, ...);
//   4. on OK the manager's OnOK applies the items (host variables and profile) and answers 1,
//      which closes the dialog; closing stores the layout and the expanded states.
#include <misc/misc.h>

#include <string>
#include <vector>

namespace sample {

// The host's object: a piece of a garment pattern.
struct Piece {
    CString name = "Front";
    double width = 250.0;         // millimetres
    int quantity = 2;
    int mirrored = 0;             // cut a mirrored copy too
    int grainAngle = 90;          // degrees, 0..180
    float seamAllowance = 1.0f;   // centimetres, steps of 0.5
    int material = 1;             // choice number of kMaterials
    COLORREF colour = RGB(0, 128, 255);
    CString patternFile;          // the file the piece was imported from
};

// The grid of a piece and where it keeps its settings.
constexpr long kPieceGrid = 12;
constexpr const char* kSection = "PieceProperties";

// String resources of the host's own resource module "property_host.dll" (piece_resources.cpp):
// the captions of categories and rows, by number.
enum : long {
    IDS_PIECE_TITLE = 41000,
    IDS_CAT_GENERAL = 41001,
    IDS_CAT_CUTTING = 41002,
    IDS_CAT_APPEARANCE = 41003,
    IDS_NAME = 41010,
    IDS_WIDTH = 41011,
    IDS_QUANTITY = 41012,
    IDS_MIRRORED = 41013,
    IDS_GRAIN = 41014,
    IDS_SEAM = 41015,
    IDS_MATERIAL = 41016,
    IDS_MARKER = 41017,
    IDS_RESET = 41018,
};
// Registers the host's resource module (once).
void RegisterPieceResources();

// The material choices of the list row.
CLongStringArray Materials();

// The manager of the piece grid. `events` records every hook the dialog called, in order
// ("ValueChanged Width", "ItemExpand Cutting", ...), so a reader sees the conversation.
class PieceMngr : public CPropertyMngr {
public:
    PieceMngr(Piece* piece, COLORREF* colour, CString* patternFile, std::vector<std::string>* events);
    void Init() override;
    int OnOK() override;
    void ValueChanged(CGnrlGridItemData* item) override;
    void InplaceButtonDown(CGnrlGridItemData* item) override;
    void ItemExpand(CGnrlGridCategoryData* category) override;
    void InplaceRClick(CGnrlGridItemData* item) override;

private:
    void Record(const char* hook, const CString& what);
    Piece* m_piece;
    COLORREF* m_colour;      // the colour row's value (kept by the dialog)
    CString* m_patternFile;  // the file row's value (kept by the dialog)
    std::vector<std::string>* m_events;
    CString m_name;          // the name row's text
};

// The dialog for a new piece (create mode, OK and Cancel). The colour and file rows are rows of
// the library that a host adds to a built grid directly.
class PieceDlg : public CPropertyDlg {
public:
    PieceDlg(Piece* piece, CWnd* parent = nullptr);
    std::vector<std::string> events;

    void Init(long gridId, void* object) override;
    void BuildGrid(long gridId, void* object) override;
    void OnPostedValueChanged() override;

    COLORREF workColour = 0;
    CString workPatternFile;

private:
    Piece* m_piece;
};

} // namespace sample
