#pragma once
// Text output on a context with its selected font, colours, background mode and alignment.
#include <memory>

#include "dc.h"
#include "font.h"

namespace gdi {

// The realised font of the context's selected font (the system font when none).
FontInstance& DCFont(DeviceContext& dc);
// Width in device pixels of n characters (with the context's extra character spacing).
int TextWidth(DeviceContext& dc, const char* text, int n);

struct TextRun {
    const char* text = nullptr;
    int count = 0;
    const int* dx = nullptr;     // per-character advances in device pixels, or null
    int underlineIndex = -1;     // a character to underline (a '&' prefix), or -1
    bool prefixOnly = false;     // draw only that underline
};

// Draws a run with its reference point at `ref` (surface coordinates) and the alignment flags
// `align` (TA_*). `opaque` (surface coordinates, may be null) is filled with the background
// colour first; `clip` (may be null) limits the glyphs. With `background`, the text cell is
// filled with the background colour (OPAQUE mode). Returns the run's width in pixels.
int DrawTextRun(DeviceContext& dc, POINT ref, UINT align, const TextRun& run,
                const RECT* opaque, const RECT* clip, bool background);

} // namespace gdi
