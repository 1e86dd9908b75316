#pragma once
// Dialog splitter bars: a control of a dialog (typically a thin static frame) turned into a bar
// that the user drags between panes, which are other controls of the same dialog known by their
// identifiers. CxDlgSplitterWnd moves horizontally between left and right panes,
// CyDlgSplitterWnd vertically between panes above and below.
//
// A drag that moves the bar stretches the panes bordering it and tells the dialog with message
// WM_SPLITTER_MOVED (2024): wParam the displacement in pixels (as a signed int), lParam the bar's
// control identifier. The x form posts it, the y form sends it.
//
// The drag outline is drawn on the dialog's context for both forms, so that it shows beyond the
// bar's own rectangle while it moves.
#include <afxwin.h>
#include <afxcoll.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The message a splitter bar sends its dialog after a drag that moved it.
constexpr UINT WM_SPLITTER_MOVED = WM_USER + 1000;

class AFX_EXT_CLASS CxDlgSplitterWnd : public CWnd
{
public:
    CxDlgSplitterWnd();
    ~CxDlgSplitterWnd() override;

    // Subclasses control id of the dialog and gives it the notify style so that it gets mouse
    // messages; both minimum widths become 10. 1, or 0 when the dialog has no such control.
    int BindWithControl(CWnd* dialog, DWORD id);
    void Unbind();
    void SetMinWidth(int left, int right);
    int AttachAsLeftPane(DWORD id);
    int AttachAsRightPane(DWORD id);
    int DetachAllPanes();
    // Left panes end at the bar's left edge, right panes start at its right edge.
    void RecalcLayout();
    // Panes moved with immediate repaint.
    BOOL IsRepaint(DWORD id);
    void RemoveFromRepaints(DWORD id);
    // Port addition: the repaint list can also be filled.
    void AddToRepaints(DWORD id);

protected:
    // The cursor's allowed range during a drag from p (bar client coordinates), in screen
    // coordinates; 0 when the panes leave no room.
    int GetMouseClipRect(RECT* r, CPoint p);

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

public:
    HCURSOR cursor;
    CWnd* parent;
    CDWordArray leftPanes;
    CDWordArray rightPanes;
    int minLeft;
    int minRight;
    CDWordArray repaints;
};

class AFX_EXT_CLASS CyDlgSplitterWnd : public CWnd
{
public:
    CyDlgSplitterWnd();
    ~CyDlgSplitterWnd() override;

    // As the x form; the minimum heights become 10 until SetMinHeight is called.
    int BindWithControl(CWnd* dialog, DWORD id);
    void Unbind();
    void SetMinHeight(int above, int below);
    int AttachAsAbovePane(DWORD id);
    int AttachAsBelowPane(DWORD id);
    int DetachAllPanes();
    // Panes above end one pixel above the bar, panes below start one pixel below it.
    void RecalcLayout();

protected:
    int GetMouseClipRect(RECT* r, CPoint p);

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

public:
    CWnd* parent;
    CDWordArray abovePanes;
    CDWordArray belowPanes;
    int minAbove;
    int minBelow;
};

MISC_PUBLIC_END
