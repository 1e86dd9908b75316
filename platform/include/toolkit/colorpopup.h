#pragma once
// Stand-in for the user-interface toolkit's colour palette pop-up (CXTColorPopup).
//
// The pop-up opens under a rectangle (typically a row or a button, in screen coordinates), as
// wide as that rectangle, and shows a grid of colour cells, eight to a row; optional are a
// "default colour" button above the cells and a "more colours" button under them. It runs
// modally: the scripted user (win32/script.h) meets it as a modal window of the kind
// ColorChooser, with MiscModal::hwnd the pop-up and the caption "Colour Pop-up". A script either
// clicks a cell (through the automation layer: the pop-up's items are its buttons and cells, in
// the order they are shown, named by their text, each cell by its colour as RRGGBB) or answers
// like a chooser, MiscModal::answer = "RRGGBB" (or "default").
//
// A pick ends the pop-up: the listeners (AddListener) are sent CPN_XT_SELENDOK with the colour
// in wParam and the pop-up's window in lParam, then the virtual OnSelEndOK runs. Escape, a click
// outside or an answer that is not a colour cancel it: CPN_XT_SELENDCANCEL and OnSelEndCancel.
// Enter picks the cell under the keyboard selection, the arrows move it.
//
// With autoDelete (the default) the pop-up object deletes itself when its window is destroyed,
// so a caller that made it with new forgets it once Create returns.
#include <afxwin.h>

#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Pop-up style flags (Create).
#define CPS_XT_NOFILL 0x0001        // a "no colour" cell before the palette (colour CLR_NONE)
#define CPS_XT_EXTENDED 0x0002      // the extended palette of 40 colours (else 16)
#define CPS_XT_MORECOLORS 0x0004    // a "More Colors..." button: asks a colour chooser for any colour
#define CPS_XT_SHOWHEXVALUE 0x0010  // the colour under the mouse is shown as RRGGBB at the bottom
#define CPS_XT_SHOW3DSELECTION 0x0020 // the current colour's cell is drawn sunken, not framed
#define CPS_XT_DEFAULT 0x0040       // a button above the palette picks the default colour

#ifndef CLR_NONE
#define CLR_NONE 0xFFFFFFFFu
#endif
#ifndef CLR_DEFAULT
#define CLR_DEFAULT 0xFF000000u
#endif

// Messages to the listeners: wParam the colour, lParam the pop-up's window.
#define CPN_XT_SELCHANGE (WM_APP + 0x0A30)
#define CPN_XT_DROPDOWN (WM_APP + 0x0A31)
#define CPN_XT_CLOSEUP (WM_APP + 0x0A32)
#define CPN_XT_SELENDOK (WM_APP + 0x0A33)
#define CPN_XT_SELENDCANCEL (WM_APP + 0x0A34)

// The window class and the caption the scripted user sees.
#define XT_COLORPOPUP_CLASS "XTColorPopup"
#define XT_COLORPOPUP_CAPTION "Colour Pop-up"

class CXTColorPopup : public CWnd {
    DECLARE_DYNAMIC(CXTColorPopup)
public:
    explicit CXTColorPopup(BOOL autoDelete = TRUE);
    ~CXTColorPopup() override;

    // Opens the pop-up under `rect` (screen coordinates; its width is the pop-up's) over
    // `parent`, with the style flags, the current colour (its cell is marked) and the default
    // colour (the default button's), and runs it until the person picks or cancels. Returns
    // FALSE when the window cannot be made (nothing is sent; an auto-deleting pop-up is deleted).
    virtual BOOL Create(CRect& rect, CWnd* parent, DWORD style, COLORREF current, COLORREF defaultColor = CLR_DEFAULT);
    // Windows sent the pop-up's notifications; several may listen.
    void AddListener(HWND listener);

    // The palette in display order (the extended one with CPS_XT_EXTENDED) and its names.
    static const std::vector<COLORREF>& Palette(BOOL extended);
    COLORREF GetCurrentColor() const { return m_current; }
    COLORREF GetDefaultColor() const { return m_default; }
    DWORD GetPopupStyle() const { return m_style; }
    // The result once the pop-up closed: TRUE with the colour picked.
    BOOL GetResult(COLORREF* color) const;

    // One shown element: a cell, the default button or the more-colours button.
    struct Cell {
        enum Kind { Colour, NoFill, Default, More } kind = Colour;
        COLORREF color = 0;
        CRect rect;
        CString text; // RRGGBB, "No Fill", "Automatic", "More Colors..."
    };
    const std::vector<Cell>& GetCells() const { return m_cells; }
    int HitTest(CPoint client) const; // index of the cell at a client point, -1 when none
    // Ends the pop-up with the element at `index` picked (as a click does), or cancelled (-1).
    void EndSelection(int index);

protected:
    // The person picked a colour / cancelled; the defaults send the listeners' messages.
    virtual void OnSelEndOK(COLORREF color);
    virtual void OnSelEndCancel();

    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnCaptureChanged(CWnd* wnd);
    void PostNcDestroy() override;

private:
    void Layout(int width);
    void Notify(UINT message, COLORREF color);
    void AskMoreColors();
    void DrawCell(CDC& dc, int index);

    BOOL m_autoDelete;
    DWORD m_style = 0;
    COLORREF m_current = 0;
    COLORREF m_default = CLR_DEFAULT;
    std::vector<HWND> m_listeners;
    std::vector<Cell> m_cells;
    int m_hot = -1;   // cell under the mouse or the keyboard selection
    bool m_done = false;
    bool m_picked = false;
    COLORREF m_result = 0;
    int m_hexHeight = 0;
};

MISC_PUBLIC_END
