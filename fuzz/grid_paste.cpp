// Fuzzing the table grid's paste: any clipboard text, pasted at any cell, only changes cells that
// may take it, never the grid's size, and leaves read-only cells, list cells outside their
// choices and check boxes outside 0 and 1 as they were.
#include <afxwin.h>

#include "toolkit/tablegrid.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr ROWCOL kRows = 6, kCols = 4;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

struct Host {
    CWnd frame;
    CGXGridWnd grid;
    Host()
    {
        frame.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 420, 300, nullptr, nullptr);
        grid.Create(WS_VISIBLE, CRect(0, 0, 400, 280), &frame, 1);
        grid.SetRowCount(kRows);
        grid.SetColCount(kCols);
        grid.SetStyleRange(CGXRange(2, 2), CGXStyle().SetReadOnly(TRUE));
        grid.SetStyleRange(CGXRange().SetCols(3), CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("red\ngreen\n"));
        grid.SetStyleRange(CGXRange().SetCols(4), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX));
    }
    void Reset()
    {
        grid.GetParam()->EnableUndo(FALSE);
        for (ROWCOL r = 1; r <= kRows; ++r)
            for (ROWCOL c = 1; c <= kCols; ++c)
                grid.SetValueRange(CGXRange(r, c), c == 3 ? "red" : c == 4 ? "0" : "x");
        grid.GetParam()->EnableUndo(TRUE);
        grid.ClearSelection();
    }
};

void PutText(HWND owner, const std::string& text)
{
    if (!::OpenClipboard(owner))
        return;
    ::EmptyClipboard();
    if (HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        std::memcpy(::GlobalLock(mem), text.c_str(), text.size() + 1);
        ::GlobalUnlock(mem);
        ::SetClipboardData(CF_TEXT, mem);
    }
    ::CloseClipboard();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 || size > 65536)
        return 0;
    static Host* host = new Host; // lives for the whole run
    host->Reset();
    host->grid.SetCurrentCell(1 + data[0] % kRows, 1 + data[1] % kCols);
    PutText(host->frame.m_hWnd, std::string(reinterpret_cast<const char*>(data + 2), size - 2));
    host->grid.Paste();
    Check(host->grid.GetRowCount() == kRows && host->grid.GetColCount() == kCols);
    Check(host->grid.GetValueRowCol(2, 2) == "x");
    for (ROWCOL r = 1; r <= kRows; ++r) {
        const CString list = host->grid.GetValueRowCol(r, 3), check = host->grid.GetValueRowCol(r, 4);
        Check(list == "red" || list == "green");
        Check(check == "0" || check == "1");
    }
    return 0;
}
