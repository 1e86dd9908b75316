#pragma once
// A host window for property-grid tests: it owns a grid and records the notifications the grid
// sends it (code and row), as a dialog holding a grid would see them.
#include <afxwin.h>

#include "toolkit/propertygrid.h"

#include <memory>
#include <vector>

namespace guitest {

struct GridNote {
    WPARAM code;
    CXTPPropertyGridItem* item;
};

class GridHost : public CWnd {
public:
    GridHost();
    ~GridHost() override;
    // Creates the host (400 x 300 client, shown) and a grid filling it.
    bool Open(int width = 400, int height = 300);
    CXTPPropertyGrid grid;
    std::vector<GridNote> notes;
    // The notes with this code.
    int Count(WPARAM code) const;
    void Clear() { notes.clear(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A typical grid: category "General" (Width number 10, Ratio double 1.5, Mode enum with
// Fast/Good/Best, Colour colour, Name text) and category "Advanced" (Depth with a child Inner).
void FillSample(CXTPPropertyGrid& grid);

} // namespace guitest
