// Version records from a file through the stdio record writer: a version section (stored
// copies, then the list) or a bare list, and the conversion of what was read.
#include <cstdint>
#include <cstdio>

#include "../tools/misctool/stdio_rw.h"
#include "misc/data/versions.h"

namespace {

// No temporary files: the fuzzer must not fill the disk.
class Reader : public StdioReadWrite {
public:
    FILE* GetTempfile() override { return nullptr; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > (1 << 16))
        return 0;
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f)
        return 0;
    Reader reader;
    CVersionsData::SetTmpVersionsStorage(nullptr);
    int tag = reader.get_char(f);
    if (tag == VERSION_TAG_COPIES) {
        FILE* storage = std::tmpfile();
        CVersionsData::copyVersionToTmp(&reader, f, storage);
        if (storage)
            std::fclose(storage);
        tag = reader.get_char(f);
    }
    CVersionsData list(&reader);
    if (tag == VERSION_TAG_LIST)
        list.GetFrom(f);
    std::fclose(f);
    list.GetFilesCount();
    list.GetFilesSize();
    list.DeleteLastFile();
    CVersionArray array;
    list.ConvertToDBT(array);
    CVersionsData back(&reader);
    back.InitFromDBT(array);
    FILE* out = std::tmpfile();
    if (out) {
        back.PutTo(out);
        std::fclose(out);
    }
    return 0;
}
