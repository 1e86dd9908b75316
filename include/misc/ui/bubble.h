#pragma once
// CBuble: a speech-bubble tip, a small borderless child window with rounded corners and a
// triangular pointer, showing a few lines of text next to a point of its parent's client area.
// It places itself inside the parent, shapes its window region and becomes visible 500 ms after
// it was created (timer 1025, once). Destroying the object removes it.
//
// Placement codes (m_direction): 4 above the point (the default); when the bubble had to be kept
// inside the parent the flags of the moves: 1 flipped below the point, 2 moved right, 8 moved
// left, 4 moved up; flipped and moved left becomes 16, flipped and moved right 32. The pointer
// leaves the top edge for codes with flag 1 and the bottom edge otherwise; codes outside the
// table (5, 6, 10, ...) take the pointer of their strongest flag: 1 (top), else 2, else 8,
// else 4.
#include <afxwin.h>
#include <afxcoll.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class AFX_EXT_CLASS CBuble : public CWnd
{
public:
    enum : UINT { kShowTimer = 1025, kShowDelay = 500 };

    // point: parent client coordinates; parent null: the application's main window.
    CBuble(CPoint point, CStringArray& lines, CWnd* parent);
    ~CBuble() override;

    int MyCreate();
    void GetLongString(CString& text);
    void CalcWindowRect(LPRECT rect, UINT adjustType = adjustBorder) override;
    void MoveWindowInParent();
    int SetBubleRegion(CRgn& rgn);
    void GetTriangleRgn(CRgn& rgn, CRect& rect);
    void GetFontMenu(CFont& font);

    CWnd* m_pParent;
    CPoint m_point;
    CStringArray m_lines;
    CRgn m_rgn;
    CRect m_rect;
    int m_tipHeight;
    CSize m_tipBase;
    int m_direction;

protected:
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* info);
    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    DECLARE_MESSAGE_MAP()
};

MISC_PUBLIC_END
