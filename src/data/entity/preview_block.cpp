// Title and preview of documents: the preview block of a root and the file title reader.
#include "misc/data/entity.h"
#include "misc/data/preview.h"

#include <cstdlib>
#include <cstring>

BOOL FLENT_SetPreview(FLENT_BLK* root, const BYTE* pixels, DWORD size, WORD format, WORD width,
                      WORD height, const char* caption)
{
    if (!root || root->FindBlock(FLENT_ID_PREVIEW_BLOCK))
        return FALSE;
    if (!pixels || 1ULL * (format & 15) * width * height > size)
        return FALSE;
    DWORD packedSize = 0;
    BYTE* packed = FLENT_CompressPicture(pixels, format, width, height, &packedSize);
    if (!packed)
        return FALSE;
    FLENT_BLK* block = new FLENT_BLK(FLENT_ID_PREVIEW_BLOCK);
    if (!block) {
        std::free(packed);
        return FALSE;
    }
    bool ok = block->AddIntTuple(FLENT_ID_PREVIEW_INFO, {format, width, height}) &&
              block->AddBytesBuf(FLENT_ID_PREVIEW_DATA, packed, packedSize, TRUE) &&
              block->AddText(FLENT_ID_PREVIEW_CAPTION, caption);
    if (!ok) {
        if (!block->Find(FLENT_ID_PREVIEW_DATA))
            std::free(packed);
        delete block;
        return FALSE;
    }
    return root->Insert(block);
}

BYTE* FLENT_GetPreview(const FLENT_BLK* root, BOOL raw, DWORD* size, char* caption, int captionSize,
                       WORD* format, WORD* width, WORD* height)
{
    if (size)
        *size = 0;
    if (caption && captionSize > 0)
        caption[0] = '\0';
    FLENT_BLK* block = root ? root->FindBlock(FLENT_ID_PREVIEW_BLOCK) : nullptr;
    if (!block)
        return nullptr;
    WORD fmt = block->GetIntAt(FLENT_ID_PREVIEW_INFO, 0);
    WORD w = block->GetIntAt(FLENT_ID_PREVIEW_INFO, 1);
    WORD h = block->GetIntAt(FLENT_ID_PREVIEW_INFO, 2);
    if (format)
        *format = fmt;
    if (width)
        *width = w;
    if (height)
        *height = h;
    const char* text = nullptr;
    DWORD textLen = block->GetText(FLENT_ID_PREVIEW_CAPTION, &text);
    if (caption && captionSize > 0 && text) {
        DWORD n = textLen < static_cast<DWORD>(captionSize - 1) ? textLen : static_cast<DWORD>(captionSize - 1);
        std::memcpy(caption, text, n);
        caption[n] = '\0';
    }
    const char* data = nullptr;
    DWORD dataLen = block->GetText(FLENT_ID_PREVIEW_DATA, &data);
    if (!data || dataLen == 0)
        return nullptr;
    if (raw) {
        BYTE* copy = static_cast<BYTE*>(std::malloc(dataLen));
        if (!copy)
            return nullptr;
        std::memcpy(copy, data, dataLen);
        if (size)
            *size = dataLen;
        return copy;
    }
    BYTE* pixels = FLENT_DecompressPicture(reinterpret_cast<const BYTE*>(data), dataLen, fmt, w, h);
    if (pixels && size)
        *size = static_cast<DWORD>((fmt & 15) * w * h);
    return pixels;
}

BOOL FLENT_ReadTitleAndPreview(const char* path, char title[512], void** preview, DWORD* size, BOOL* isVector)
{
    if (title)
        title[0] = '\0';
    if (preview)
        *preview = nullptr;
    if (size)
        *size = 0;
    if (isVector)
        *isVector = FALSE;
    FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f)
        return FALSE;
    DWORD magic = 0;
    if (std::fread(&magic, 4, 1, f) != 1 || magic < FLENT_MAGIC0 || magic > FLENT_MAGIC2) {
        // The older document format is not read here: its title stays empty.
        std::fclose(f);
        return FALSE;
    }
    FLENT_BLK* root = nullptr;
    {
        FLENT_IO io(f, 0, static_cast<int>(magic - FLENT_MAGIC0));
        DWORD words[6];
        if (io.ReadDocWords(words)) {
            io.SetKey(words[2]);
            root = io.ReadRoot(FLENT_FILTER_PREVIEW);
        }
    }
    std::fclose(f);
    if (!root)
        return FALSE;
    if (title && root->GetName()) {
        int n = root->GetNameLength() < 511 ? root->GetNameLength() : 511;
        std::memcpy(title, root->GetName(), n);
        title[n] = '\0';
    }
    DWORD got = 0;
    void* result = FLENT_GetPreview(root, TRUE, &got, nullptr, 0);
    if (!result) {
        const char* text = nullptr;
        DWORD len = root->GetText(FLENT_ID_VECTOR_PREVIEW, &text);
        if (text && len) {
            sVectorPreview* vector = ReadVectorPreview(text, len);
            if (vector) {
                result = vector;
                got = VectorPreviewSize(vector);
                if (isVector)
                    *isVector = TRUE;
            }
        }
    }
    delete root;
    if (preview)
        *preview = result;
    else
        std::free(result);
    if (size)
        *size = got;
    return TRUE;
}
