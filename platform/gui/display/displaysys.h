#pragma once
// The display layer's inside: what a backend offers (a desktop window to upload pixels to, and
// the person's input as events) and what the layer does with it (display.cpp).
#include "win32/display.h"
#include "win32/surface.h"
#include "win32/types.h"

#include <memory>
#include <string>

namespace miscdisplay {

// One input event from the desktop, in desktop coordinates.
struct InputEvent {
    enum class Kind { None, MouseMove, MouseDown, MouseUp, Wheel, KeyDown, KeyUp, Text, Quit, ClipboardChanged, Exposed };
    Kind kind = Kind::None;
    int x = 0;
    int y = 0;
    int button = 0;       // 1 left, 2 middle, 3 right
    int wheel = 0;        // WHEEL_DELTA units, positive away from the person
    int vk = 0;           // virtual key of a key event (0: none)
    bool repeat = false;  // a key held down
    bool textKey = false; // the key makes characters that arrive as a Text event
    std::string text;     // Text: the composed characters in the 8-bit code page
    unsigned ticks = 0;   // the backend's millisecond clock at the event
};

class Backend {
public:
    virtual ~Backend() = default;
    // Opens the desktop window of that size; false with the reason.
    virtual bool Open(int width, int height, std::string& error) = 0;
    // Uploads the rectangles of frame (desktop pixels) and shows the result.
    virtual void Present(const MiscSurface& frame, const RECT* rects, int count) = 0;
    // Waits at most timeoutMs for the next event; false when none came.
    virtual bool Wait(int timeoutMs, InputEvent& event) = 0;
    virtual unsigned Ticks() = 0;
    // The desktop's clipboard text ("" when none), and setting it.
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
};

// The SDL backend, or null (with the reason) in a build without SDL2.
std::unique_ptr<Backend> MakeSdlBackend(std::string& error);

// The rectangles (bands of rows, each narrowed to its changed columns) where two frames of the
// same size differ; everything when the sizes differ. At most `limit` rectangles: beyond that the
// last one grows to cover the rest.
std::vector<RECT> ChangedAreas(const MiscSurface& before, const MiscSurface& after, size_t limit = 64);

// UTF-8 text to the product's 8-bit code page (Windows-1252); characters it lacks become '?'.
std::string Utf8ToCodePage(const std::string& utf8);
std::string CodePageToUtf8(const std::string& text);

} // namespace miscdisplay
