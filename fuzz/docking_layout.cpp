// Fuzzing the docking layout reader: any text either loads or is refused without changing the
// layout; a loaded layout written out again reads back to the same text.
#include "toolkit/dockingpane.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 65536)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    CXTPDockingPaneLayout layout(nullptr);
    Check(layout.LoadFromText("D1 panes 1 5 A edges 1 0 100 g 0 1 5 floats 0 hidden 0 closed 0 last 0") != FALSE);
    const CString before = layout.SaveToText();
    if (!layout.LoadFromText(text.c_str())) {
        Check(layout.SaveToText() == before);
        return 0;
    }
    const CString written = layout.SaveToText();
    CXTPDockingPaneLayout again(nullptr);
    Check(again.LoadFromText(written) != FALSE);
    Check(again.SaveToText() == written);
    return 0;
}
