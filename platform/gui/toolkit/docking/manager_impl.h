#pragma once
// What a docking-pane manager holds besides its settings: the panes, their arrangement, the
// windows that show it (kept in pools and reused, so that no window is destroyed while one of
// its own messages runs) and the state of a drag or a slide-out.
#include "model.h"

#include <array>
#include <memory>
#include <vector>

struct CXTPDockingPaneLayout::Impl {
    docking::Model model;
    bool valid = false;
};

namespace docking {

class GroupWnd;
class FloatWnd;
class SplitterWnd;
class PanelWnd;
class SlideWnd;
class StickerWnd;
class ContextWnd;

// Geometry shared by the windows.
constexpr int kTabStrip = 22;   // height of a group's tab strip
constexpr int kPanelSize = 24;  // thickness of an auto-hide panel
constexpr int kButton = 14;     // caption buttons
constexpr int kDockZone = 24;   // without stickers: drops this close to the site's edge dock there
constexpr int kStickerSize = 32;

// A splitter between an edge entry and the rest (split null) or between two children of a split.
struct SplitterInfo {
    int edge = -1;
    Node* split = nullptr;
    int index = 0; // between children index and index + 1
    bool vertical = false; // a vertical bar (moves left and right)
    CRect rect;
};

// Where a drop would put the dragged panes.
struct DropTarget {
    enum Kind { None, Float, SiteEdge, Beside, Tab } kind = None;
    XTPDockingPaneDirection dir = xtpPaneDockLeft;
    UINT neighbour = 0;
    CRect rect; // screen coordinates of where the panes would go
};

struct DragState {
    bool pressed = false, dragging = false;
    std::vector<UINT> panes; // dragged, the first one selected
    CPoint start;            // screen point of the press
    CRect startRect;         // screen rectangle of the dragged group at the press
    HWND capture = nullptr;
    DropTarget target;
};

struct SlideState {
    UINT pane = 0;  // 0: nothing out
    int step = 0, steps = 1;
    bool out = false; // sliding out (or out) rather than in
    CRect full;     // the slide-out window's rectangle fully out (site client coordinates)
};

} // namespace docking

struct CXTPDockingPaneManager::Impl {
    CXTPDockingPaneManager* owner = nullptr;
    docking::Model model;
    std::vector<std::unique_ptr<CXTPDockingPane>> panes;
    CRect viewRect;
    UINT activePane = 0;

    std::vector<std::unique_ptr<docking::GroupWnd>> groupPool;
    std::vector<std::unique_ptr<docking::FloatWnd>> floatPool;
    std::vector<std::unique_ptr<docking::SplitterWnd>> splitterPool;
    std::array<std::unique_ptr<docking::PanelWnd>, 4> panels;
    std::unique_ptr<docking::SlideWnd> slide;
    std::array<std::unique_ptr<docking::StickerWnd>, 5> stickers; // left right top bottom, cross
    std::unique_ptr<docking::ContextWnd> context;
    std::vector<docking::SplitterInfo> splitters;
    docking::DragState drag;
    docking::SlideState slideState;

    explicit Impl(CXTPDockingPaneManager* o);
    ~Impl();

    CXTPDockingPane* Pane(UINT id) const;
    // Windows to match the model (pools grown, reused, surplus hidden), then the layout.
    void Sync();
    // Places everything in the last available rectangle.
    void Place();
    CRect available;
    bool haveAvailable = false;
    // The group window showing a node, else null.
    docking::GroupWnd* WindowOf(const docking::Node* node) const;
    // The rectangle of the part of the site between the panels (client coordinates).
    CRect inner;
    // Auto-hide panel tab rectangles come from the panels.
    // Slide-out.
    void SlideOut(UINT pane, bool animate);
    void SlideIn(bool animate);
    void SlideStep();
    CRect SlideRect(int step) const;
    int AnimationSteps() const;
    int HoverDelay() const;
    // Drag (the group window forwards the mouse while a caption or tab is held).
    void BeginPress(HWND from, const std::vector<UINT>& panes, CPoint screen);
    void DragMove(CPoint screen);
    void DragEnd(CPoint screen, bool cancel);
    void ShowStickers(bool show, CPoint screen);
    docking::DropTarget HitTest(CPoint screen);
    void Drop(const docking::DropTarget& target);
};

namespace docking {
// Colours of a docking look that the windows need (the dark edge of the tabs etc.).
void PaintSticker(CDC* dc, const CRect& rect, int kind, BOOL hot, CXTPDockingPanePaintManager* paint);
} // namespace docking
