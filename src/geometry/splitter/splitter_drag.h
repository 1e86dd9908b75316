#pragma once
// The drag of a splitter bar, shared by both forms.
#include <afxwin.h>

namespace misc_splitter {

// Drags bar's outline along one axis (horizontal or vertical) from the click at `start` (bar
// client coordinates), the cursor confined to `clip` (screen coordinates), until the button is
// released, the right button pressed, Escape pressed or the capture lost. The outline is drawn
// with DrawDragRect on the dialog's context, in the dialog's client coordinates. Returns the
// last displacement along the axis in pixels.
int RunDrag(CWnd* bar, CWnd* dialog, CPoint start, const RECT& clip, bool horizontal);

// The bar's rectangle in the dialog's client coordinates.
CRect RectInDialog(CWnd* bar, CWnd* dialog);

// The control `id` of the dialog, or null.
CWnd* Pane(CWnd* dialog, DWORD id);

} // namespace misc_splitter
