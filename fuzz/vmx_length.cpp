// Lengths typed into the family dialogs (CVmxDialog::vmxGetStrReal) and written back.
#include <family.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    CVmxDialog dialog(static_cast<HINSTANCE>(nullptr), 0);
    dialog.setWorkingUnits(data[0] % 8, static_cast<int>(data[0] >> 4) - 1, data[0] & 1, 0, 0);
    CString text(std::string(reinterpret_cast<const char*>(data + 1), size - 1).c_str());
    double value = 0;
    if (dialog.vmxGetStrReal(text, &value, 0)) {
        char out[64];
        dialog.vmxSetTextReal(out, value, data[0] & 2);
    }
    return 0;
}
