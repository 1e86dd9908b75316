#pragma once
// Stand-in for the user-interface toolkit's dialog resizer (CXTResize), a mix-in of a window
// that moves and stretches its controls when the window changes size.
//
// Each control is anchored by two points, one for its top-left and one for its bottom-right
// corner. A point is a pair of fractions of the window's growth: SZ_TOP_LEFT (0, 0) keeps the
// corner where it was, SZ_BOTTOM_RIGHT (1, 1) moves it by the whole growth, SZ_MIDDLE_CENTER by
// half of it. A control anchored top-left and bottom-right therefore stretches with the window;
// one anchored bottom-right twice moves with the bottom-right corner.
//
// The owner calls Init once its controls exist (typically at the end of OnInitDialog): the
// window's client size becomes the reference and, unless xtResizeNoMinsize is set, the minimum
// size of the window. From its WM_SIZE handler it calls Size(), and from WM_GETMINMAXINFO
// OnGetMinMaxInfo. Unless xtResizeNoSizeIcon is set, Init shows a size grip in the bottom-right
// corner; dragging it resizes the window within its minimum and maximum size.
#include <afxwin.h>

#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

struct XT_RESIZEPOINT {
    float x;
    float y;
};

#define SZ_TOP_LEFT (XT_RESIZEPOINT{0.0f, 0.0f})
#define SZ_TOP_CENTER (XT_RESIZEPOINT{0.5f, 0.0f})
#define SZ_TOP_RIGHT (XT_RESIZEPOINT{1.0f, 0.0f})
#define SZ_MIDDLE_LEFT (XT_RESIZEPOINT{0.0f, 0.5f})
#define SZ_MIDDLE_CENTER (XT_RESIZEPOINT{0.5f, 0.5f})
#define SZ_MIDDLE_RIGHT (XT_RESIZEPOINT{1.0f, 0.5f})
#define SZ_BOTTOM_LEFT (XT_RESIZEPOINT{0.0f, 1.0f})
#define SZ_BOTTOM_CENTER (XT_RESIZEPOINT{0.5f, 1.0f})
#define SZ_BOTTOM_RIGHT (XT_RESIZEPOINT{1.0f, 1.0f})

enum XTResizeFlags {
    xtResizeNoSizeIcon = 0x01,   // no size grip
    xtResizeNoMinsize = 0x02,    // the window may shrink below its size at Init
    xtResizeNoHorizontal = 0x04, // the width stays at its size at Init
    xtResizeNoVertical = 0x08,   // the height stays at its size at Init
};

// The window class of the size grip.
#define XT_SIZEGRIP_CLASS "XTSizeGrip"

class CXTResize {
public:
    // `window` is the window whose controls are moved (the derived dialog passes itself).
    explicit CXTResize(CWnd* window, UINT flags = 0);
    virtual ~CXTResize();
    CXTResize(const CXTResize&) = delete;
    CXTResize& operator=(const CXTResize&) = delete;

    // Anchors a control by identifier or window. FALSE when it does not exist yet. Anchoring a
    // control again replaces its anchors. Controls anchored after Init keep their place at the
    // time of the call as their reference.
    BOOL SetResize(int id, XT_RESIZEPOINT topLeft, XT_RESIZEPOINT bottomRight);
    BOOL SetResize(CWnd* control, XT_RESIZEPOINT topLeft, XT_RESIZEPOINT bottomRight);
    BOOL RemoveResize(int id);
    void RemoveAllControls();
    int GetResizeCount() const { return static_cast<int>(m_controls.size()); }

    void SetFlag(UINT flag) { m_flags |= flag; }
    void RemoveFlag(UINT flag) { m_flags &= ~flag; }
    BOOL HasFlag(UINT flag) const { return (m_flags & flag) != 0; }

    // Sizes of the client area; an empty size means no limit.
    void SetMinSize(CSize size) { m_minSize = size; }
    void SetMaxSize(CSize size) { m_maxSize = size; }
    CSize GetMinSize() const { return m_minSize; }

    // Records the reference size (and the minimum size) and shows the size grip.
    virtual void Init();
    // Moves every anchored control after a size change of the window.
    virtual void Size();
    // Applies the minimum and maximum size (window sizes) to a WM_GETMINMAXINFO request.
    void OnGetMinMaxInfo(MINMAXINFO* info);
    // Shows or hides the size grip (it exists only after Init without xtResizeNoSizeIcon).
    void ShowSizeIcon(BOOL show);
    HWND GetSizeGrip() const { return m_grip; }

protected:
    struct Control {
        HWND hwnd = nullptr;
        int id = 0;
        XT_RESIZEPOINT topLeft{};
        XT_RESIZEPOINT bottomRight{};
        CRect reference;     // the control's rectangle in the parent's client area at the reference size
        CSize referenceSize; // the parent's client size when `reference` was taken
    };
    CSize ClientSize() const;
    void PlaceGrip();

    CWnd* m_window;
    UINT m_flags;
    CSize m_minSize{0, 0};
    CSize m_maxSize{0, 0};
    CSize m_initSize{0, 0};
    bool m_initialized = false;
    HWND m_grip = nullptr;
    std::vector<Control> m_controls;
};

MISC_PUBLIC_END
