// Gallery picture of the table grid: a small tool table with a number column, a name column, a
// drop-down column, a check column and a picture column; one row selected and a name being typed.
#include <string>

#include <afxwin.h>

#include "gallery.h"
#include "toolkit/tablegrid.h"
#include "win32/automation.h"
#include "win32/script.h"

namespace misctool {

namespace {

// A small striped swatch, as a fabric pattern shows in the picture column.
void PaintSwatch(CBitmap& bitmap, COLORREF a, COLORREF b)
{
    CClientDC screen(nullptr);
    bitmap.CreateCompatibleBitmap(&screen, 24, 16);
    CDC mem;
    mem.CreateCompatibleDC(&screen);
    CBitmap* old = mem.SelectObject(&bitmap);
    for (int x = 0; x < 24; x += 4) {
        mem.FillSolidRect(x, 0, 2, 16, a);
        mem.FillSolidRect(x + 2, 0, 2, 16, b);
    }
    mem.SelectObject(old);
}

struct Tool {
    const char* number;
    const char* name;
    const char* kind;
    const char* shown;
};

const Tool kTools[] = {
    {"100", "Pen", "Draw", "1"},     {"101", "Knife", "Cut", "1"},  {"120", "Drill", "Punch", "0"},
    {"121", "Notch", "Cut", "1"},    {"130", "Chalk", "Draw", "0"}, {"200", "Label", "Print", "1"},
    {"210", "Seam", "Draw", "1"},
};

void FillGrid(CGXGridWnd& grid, CBitmap swatches[2])
{
    grid.GetParam()->EnableUndo(FALSE);
    grid.LockUpdate(TRUE);
    grid.SetRowCount(7);
    grid.SetColCount(5);
    const char* headings[] = {"Number", "Name", "Kind", "Shown", "Pattern"};
    const int widths[] = {56, 96, 70, 48, 90};
    for (ROWCOL c = 1; c <= 5; ++c) {
        grid.SetValueRange(CGXRange(0, c), headings[c - 1]);
        grid.SetColWidth(c, c, widths[c - 1]);
    }
    grid.SetColWidth(0, 0, 26);
    grid.SetStyleRange(CGXRange().SetCols(1), CGXStyle().SetValueType(GX_VT_NUMERIC));
    grid.SetStyleRange(CGXRange().SetCols(3),
                       CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("Draw\nCut\nPunch\nPrint"));
    grid.SetStyleRange(CGXRange().SetCols(4), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX));
    grid.SetStyleRange(CGXRange().SetCols(5), CGXStyle().SetControl(GX_IDS_CTRL_BITMAP));
    for (ROWCOL r = 1; r <= 7; ++r) {
        const Tool& t = kTools[r - 1];
        grid.SetValueRange(CGXRange(r, 1), t.number);
        grid.SetValueRange(CGXRange(r, 2), t.name);
        grid.SetValueRange(CGXRange(r, 3), t.kind);
        grid.SetValueRange(CGXRange(r, 4), t.shown);
        grid.SetStyleRange(CGXRange(r, 5), CGXStyle().SetBitmap(swatches[r % 2]).SetValue(r % 2 ? "denim" : "twill"));
    }
    // The first row is the fixed one: greyed and bold, as the material table shows entry 0.
    grid.SetStyleRange(CGXRange(1, 2), CGXStyle()
                                           .SetInterior(::GetSysColor(COLOR_BTNFACE))
                                           .SetFont(CGXFont().SetBold(TRUE))
                                           .SetReadOnly(TRUE));
    grid.GetParam()->EnableSelection(GX_SELFULL | GX_SELROWWHOLE);
    grid.GetParam()->EnableUndo(TRUE);
    grid.LockUpdate(FALSE);
    grid.Redraw();
}

} // namespace

bool GalleryTableGrid(const std::string& png, std::string& error)
{
    CWnd frame;
    if (!frame.CreateEx(0, "STATIC", "Tool layers", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 420, 220, nullptr,
                        nullptr)) {
        error = "cannot create the frame window";
        return false;
    }
    CBitmap swatches[2];
    PaintSwatch(swatches[0], RGB(40, 60, 140), RGB(90, 120, 200));
    PaintSwatch(swatches[1], RGB(150, 110, 60), RGB(210, 180, 120));
    CGXGridWnd grid;
    CRect client;
    frame.GetClientRect(&client);
    if (!grid.Create(WS_VISIBLE | WS_BORDER, client, &frame, 1498)) {
        error = "cannot create the grid";
        frame.DestroyWindow();
        return false;
    }
    grid.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))), FALSE);
    FillGrid(grid, swatches);
    // A person selects row 3 and starts typing a new name in row 5.
    MiscElement(grid.m_hWnd).Cell(3, 0).Click();
    MiscElement(grid.m_hWnd).Cell(5, 2).Click();
    ::SendMessageA(grid.m_hWnd, WM_CHAR, 'M', 0);
    if (CWnd* editor = grid.GetEditorWnd())
        MiscElement(editor->m_hWnd).TypeText("Marker");
    grid.SelectRange(CGXRange().SetRows(3));
    MiscSettle();
    const bool ok = CaptureToPng(frame.m_hWnd, png, error);
    grid.DestroyWindow();
    frame.DestroyWindow();
    return ok;
}

} // namespace misctool
