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
    X("cut_node_dialog", GalleryCutNodeDialog, "the cut-node dialog on a piece with three nodes, the second current") \
    X("cut_node_zoomed", GalleryCutNodeZoomed, "the cut-node preview after three Shift-clicks near the notch") \
    X("cut_node_reversed", GalleryCutNodeReversed, "the node list after the current node was reversed")

#define MISCTOOL_DECLARE_GALLERY(name, function, summary) bool function(const std::string& png, std::string& error);
MISCTOOL_GALLERY(MISCTOOL_DECLARE_GALLERY)
#undef MISCTOOL_DECLARE_GALLERY

// Helpers for entries: capture a window into a PNG (false with a message when it cannot), and
// run a modal window under a scripted user that captures it and then closes it with `close`.
bool CaptureToPng(HWND hwnd, const std::string& png, std::string& error);

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
