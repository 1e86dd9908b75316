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
    MISCTOOL_GALLERY_EMAIL(X) \
    MISCTOOL_GALLERY_DOCKING(X)

// The sample host frame and the layout reset (gallery_frame.cpp).
#define MISCTOOL_GALLERY_FRAME(X) \
    X("frame_host", GalleryFrameHost, "the sample host frame: menu bar, two tool bars, two docking panes, status bar") \
    X("reset_layout", GalleryResetLayout, "the layout reset dialog with the shortcuts box cleared")

// Themes (gallery_themes.cpp).
#define MISCTOOL_GALLERY_THEMES_DIALOG(X) \
    X("themes_dialog", GalleryThemesDialog, "the themes dialog with \"My colour\" picked: its colour picker and lightness slider shown")
#define MISCTOOL_GALLERY_THEMES(X) \
    X("theme_00", GalleryTheme00, "the sample frame in theme 0, Flat") \
    X("theme_01", GalleryTheme01, "the sample frame in theme 1, Classic") \
    X("theme_02", GalleryTheme02, "the sample frame in theme 2, Blue gradient") \
    X("theme_03", GalleryTheme03, "the sample frame in theme 3, Khaki") \
    X("theme_04", GalleryTheme04, "the sample frame in theme 4, Sky") \
    X("theme_05", GalleryTheme05, "the sample frame in theme 5, Slate") \
    X("theme_06", GalleryTheme06, "the sample frame in theme 6, Slate and cream") \
    X("theme_07", GalleryTheme07, "the sample frame in theme 7, Green") \
    X("theme_08", GalleryTheme08, "the sample frame in theme 8, Blue and green") \
    X("theme_09", GalleryTheme09, "the sample frame in theme 9, Sand") \
    X("theme_10", GalleryTheme10, "the sample frame in theme 10, Royal blue and peach") \
    X("theme_11", GalleryTheme11, "the sample frame in theme 11, Lavender and ice") \
    X("theme_12", GalleryTheme12, "the sample frame in theme 12, Ocean") \
    X("theme_13", GalleryTheme13, "the sample frame in theme 13, Sand and silver") \
    X("theme_14", GalleryTheme14, "the sample frame in theme 14, Ice") \
    X("theme_15", GalleryTheme15, "the sample frame in theme 15, Silver") \
    X("theme_16", GalleryTheme16, "the sample frame in theme 16, Pinstripe") \
    X("theme_17", GalleryTheme17, "the sample frame in theme 17, Bevel") \
    X("theme_18", GalleryTheme18, "the sample frame in theme 18, Black and red") \
    X("theme_19", GalleryTheme19, "the sample frame in theme 19, My colour (default user colour)") \
    X("theme_20", GalleryTheme20, "the sample frame in theme 20, My two colours (default user colours)") \
    X("theme_21", GalleryTheme21, "the sample frame in theme 21, My two colours, strong bars (default user colours)") \
    MISCTOOL_GALLERY_THEMES_DIALOG(X)

// Keyboard shortcuts (gallery_shortcuts.cpp).
#define MISCTOOL_GALLERY_SHORTCUTS(X) \
    X("shortcuts_dialog", GalleryShortcutsDialog, "the shortcuts dialog over a sample frame: sixteen shortcuts in keyboard order") \
    X("customize_keyboard", GalleryCustomizeKeyboard, "the keyboard customisation page in its sheet, Cut chosen with its two keys")

// The warning pane (gallery_warnings.cpp).
#define MISCTOOL_GALLERY_WARNINGS(X) \
    X("warnings_stacked", GalleryWarningsStacked, "three warnings stacked in the lower right of the host window, the newest pinned")

// The e-mail compose dialog (gallery_email.cpp).
#define MISCTOOL_GALLERY_EMAIL(X) \
    X("email_compose", GalleryEmailCompose, "the e-mail compose dialog with two recipients and two files")

// The toolkit's docking panes (gallery_docking.cpp): a tab group on the left, an auto-hidden pane
// on the right.
#define MISCTOOL_GALLERY_DOCKING(X) \
    X("docking_look_0", GalleryDockingDefault, "docking panes in the default look: classic captions, flat tabs") \
    X("docking_look_1", GalleryDockingGrippered, "docking panes in the grippered look") \
    X("docking_look_6", GalleryDockingOffice2003, "docking panes in the office 2003 look: gradient captions, office tabs") \
    X("docking_custom", GalleryDockingCustom, "docking panes in a custom office look with red captions and OneNote tabs") \
    X("docking_slide_out", GalleryDockingSlideOut, "the auto-hidden Output pane slid out over the view") \
    X("docking_stickers", GalleryDockingStickers, "a pane's caption dragged onto the right sticker, the docking context showing")

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
// Destroys a window an entry made unless the person closed it already on the display; by
// handle, because a frame deletes its own object when it goes.
inline void DestroyIfOpen(HWND hwnd)
{
    if (::IsWindow(hwnd))
        ::DestroyWindow(hwnd);
}
// The entry's function by name, or null.
using GalleryFunction = bool (*)(const std::string& png, std::string& error);
GalleryFunction FindGalleryEntry(const std::string& name);

} // namespace misctool
