#pragma once
// The pictures `misctool gallery` writes: one entry per window the library can show. An entry
// opens its window (visible, modeless, or modal under a scripted user), captures it with
// MiscCaptureWindow, writes the PNG and closes the window again.
//
// Adding a picture: write a function `bool ShowX(const std::string& png, std::string& error)` in
// its own file (gallery_x.cpp, or next to the command that owns the window) and add one line
// X(name, ShowX, "what it shows") to MISCTOOL_GALLERY below.
#include <string>

#include <windows.h>
#include <misc/geometry/contour.h>

namespace misctool {

#define MISCTOOL_GALLERY(X) \
    X("sample_dialog", GallerySampleDialog, "a dialog with one control of every standard kind") \
    X("message_box", GalleryMessageBox, "a question with Yes, No and Cancel") \
    X("bubble", GalleryBubble, "a bubble tip over a sample window") \
    X("bubble_flipped", GalleryBubbleFlipped, "a bubble tip flipped below a point in the top-right corner") \
    X("splitter_before", GallerySplitterBefore, "a dialog with two splitter bars") \
    X("splitter_after", GallerySplitterAfter, "the same dialog after dragging both bars") \
    X("coloured_solid", GalleryColouredSolid, "a coloured dialog, plain background") \
    X("coloured_to_white", GalleryColouredToWhite, "a coloured dialog, gradient to white across") \
    X("coloured_from_white", GalleryColouredFromWhite, "a coloured dialog, gradient from white downwards") \
    X("picture", GalleryPicture, "a picture at its own size and scaled five times, clipped to the red frame") \
    X("cut_nodes", GalleryCutNodes, "a contour with its cut nodes as the cut-node preview draws them") \
    X("combo_dropped", GalleryComboDropped, "a combo box with its list open and the mouse over an entry") \
    X("sample_dialog_classic", GallerySampleDialogClassic, "the sample dialog in the classic look") \
    X("sample_dialog_office2003", GallerySampleDialogOffice2003, "the sample dialog in the Office-style look") \
    X("tooltip", GalleryToolTip, "a tool tip shown over a button after the mouse rested on it") \
    X("property_sheet", GalleryPropertySheet, "a property sheet with three pages, Apply enabled by a change") \
    X("menu_open", GalleryMenuOpen, "a frame with a menu bar, its File menu open and a submenu open beside it") \
    /* remembered-value lists (gallery_lists.cpp) */ \
    X("list_editor", GalleryListEditor, "the list editor of the materials, the tip of its ascending sort showing") \
    X("history_combo_dropped", GalleryHistoryComboDropped, "a history combo box open, the values most recent first") \
    X("locate", GalleryLocate, "the locate dialog with the path of a missing file") \
    /* The property dialog (gallery_propdlg.cpp). */ \
    X("property_dialog_edit", GalleryPropertyDialogEdit, "the property dialog as a pane (edit mode), a row selected") \
    X("property_dialog_create", GalleryPropertyDialogCreate, "the property dialog in create mode with a picture") \
    X("property_colour_popup", GalleryPropertyColourPopup, "a colour row's palette open under the row") \
    X("property_file_row", GalleryPropertyFileRow, "a file row selected, its browse button shown") \
    /* The toolkit's property grid (gallery_propgrid.cpp). */ \
    X("property_grid_control", GalleryPropertyGridControl, "the toolkit's property grid: a row in edit, help pane") \
    X("property_grid_control_office2003", GalleryPropertyGridControlOffice2003, "the same grid in the Office-style look") \
    X("table_grid", GalleryTableGrid, "a table grid: headers, number, text, drop-down, check and picture cells, a selected row, a name being typed") \
    MISCTOOL_GALLERY_TABLES(X)

// The data tables (gallery_tables.cpp).
#define MISCTOOL_GALLERY_TABLES(X) \
    X("tools_layers_table", GalleryToolsLayersTable, "the tool layers table with an imported tool list, a new layer and a name used twice") \
    X("material_pattern", GalleryMaterialPattern, "the material pattern dialog with three materials, the second one's pattern in the preview") \
    /* The grid framework's preferences grid (gallery_grid.cpp). */ \
    X("property_grid", GalleryPropertyGrid, "a preferences grid: one row of every item kind, a collapsed category, read-only row, custom colours, help") \
    X("property_grid_text", GalleryPropertyGridText, "the preferences grid with its text row in edit") \
    X("property_grid_number", GalleryPropertyGridNumber, "the number-with-unit row in edit") \
    X("property_grid_integer", GalleryPropertyGridInteger, "the whole-number row in edit") \
    X("property_grid_check", GalleryPropertyGridCheck, "the check-box row selected by a click on its box, which unchecked it") \
    X("property_grid_slider", GalleryPropertyGridSlider, "the slider row selected, its slider showing") \
    X("property_grid_spin", GalleryPropertyGridSpin, "the spin row selected, its arrows showing") \
    X("property_grid_list", GalleryPropertyGridList, "the drop-down list row selected") \
    X("property_grid_listbox", GalleryPropertyGridListBox, "the bitmap list row selected") \
    X("property_grid_images", GalleryPropertyGridImages, "the image choice row selected") \
    X("property_grid_draw", GalleryPropertyGridDraw, "the colour swatch row selected") \
    X("property_grid_button", GalleryPropertyGridButton, "the push-button row selected") \
    MISCTOOL_GALLERY_ROWS(X)

// The property grid's custom rows (gallery_rows.cpp): a grid with one row of each kind, one selected.
#define MISCTOOL_GALLERY_ROWS(X) \
    X("property_row_number", GalleryRowNumber, "a number row with its unit, its edit open") \
    X("property_row_combo", GalleryRowCombo, "a combo row selected: its drop-down button at the right") \
    X("property_row_combo_dropped", GalleryRowComboDropped, "the combo row with its list of materials dropped down") \
    X("property_row_check", GalleryRowCheck, "a three-state check-box row selected, its box indeterminate") \
    X("property_row_slider", GalleryRowSlider, "a slider row selected: the number, then the slider") \
    X("property_row_spin", GalleryRowSpin, "a spin row selected: its spin button at the right") \
    X("property_row_enum", GalleryRowEnum, "an image choice row selected, showing an initial text that is no choice") \
    X("property_row_button", GalleryRowButton, "a push-button row selected") \
    X("property_row_swatch", GalleryRowSwatch, "a colour-swatch row selected") \
    X("property_row_bmp", GalleryRowBmp, "a bitmap choice row selected: the chosen slice of the strip") \
    MISCTOOL_GALLERY_VERSIONS(X)

// Version history (gallery_versions.cpp).
#define MISCTOOL_GALLERY_VERSIONS(X) \
    X("versions", GalleryVersions, "a document's version list with one version selected") \
    X("version_comment", GalleryVersionComment, "the comment asked for at a save, with a stored copy ticked") \
    /* The cut-node editor (gallery_cutnode.cpp). */ \
    X("cut_node_dialog", GalleryCutNodeDialog, "the cut-node dialog on a piece with three nodes, the second current") \
    X("cut_node_zoomed", GalleryCutNodeZoomed, "the cut-node preview after three Shift-clicks near the notch") \
    X("cut_node_reversed", GalleryCutNodeReversed, "the node list after the current node was reversed") \
    MISCTOOL_GALLERY_FRAME(X) \
    MISCTOOL_GALLERY_THEMES(X) \
    MISCTOOL_GALLERY_SHORTCUTS(X) \
    MISCTOOL_GALLERY_WARNINGS(X) \
    MISCTOOL_GALLERY_EMAIL(X)

// The sample host frame and the layout reset (gallery_frame.cpp).
#define MISCTOOL_GALLERY_FRAME(X) \
    X("frame_host", GalleryFrameHost, "the sample host frame: menu bar, two tool bars, two docking panes, status bar") \
    X("reset_layout", GalleryResetLayout, "the layout reset dialog with the shortcuts box cleared")

// Themes (gallery_themes.cpp).
#define MISCTOOL_GALLERY_THEMES(X)

// Keyboard shortcuts (gallery_shortcuts.cpp).
#define MISCTOOL_GALLERY_SHORTCUTS(X)

// The warning pane (gallery_warnings.cpp).
#define MISCTOOL_GALLERY_WARNINGS(X)

// The e-mail compose dialog (gallery_email.cpp).
#define MISCTOOL_GALLERY_EMAIL(X)

#define MISCTOOL_DECLARE_GALLERY(name, function, summary) bool function(const std::string& png, std::string& error);
MISCTOOL_GALLERY(MISCTOOL_DECLARE_GALLERY)
#undef MISCTOOL_DECLARE_GALLERY

// Helpers for entries: capture a window into a PNG (false with a message when it cannot), and
// run a modal window under a scripted user that captures it and then closes it with `close`.
bool CaptureToPng(HWND hwnd, const std::string& png, std::string& error);
// The desktop picture cut to a rectangle (screen coordinates): a window with what it opened
// outside itself (a dropped list, a tip).
bool CaptureScreenRect(const RECT& part, const std::string& png, std::string& error);

// The cut-node dialog on a contour, captured as it opens (misctool cut edit).
bool RenderCutNodeDialog(const InterfacePoint* pts, int n, int closed, CArray<tagCutNode, tagCutNode>& nodes,
                         int current, const std::string& png, std::string& error);

// `misctool show` runs an entry with a hook in place of the capture: CaptureToPng then hands the
// window to the hook (which shows it on the display until the person closes it) and writes no
// picture. Null restores capturing.
using ShowHook = bool (*)(HWND hwnd, std::string& error);
void SetShowHook(ShowHook hook);
// The entry's function by name, or null.
using GalleryFunction = bool (*)(const std::string& png, std::string& error);
GalleryFunction FindGalleryEntry(const std::string& name);

} // namespace misctool
